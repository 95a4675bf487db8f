// SPDX-License-Identifier: GPL-3.0-or-later
// One command through the shown main window, with the real event pump, or a preview by the engine alone,
// with no view and a pump that has nothing to run: the window's own figures in run-bench.sh.
//
//   window_bench preview|engine-preview|run|run-taken|undo SOURCE RESULT DATA FIGURES
//
// Method date, subfolders included, moving, as run-bench.sh's runs of varnolt-cli (run-taken by the date
// taken); undo takes back the run
// journalled in DATA. A preview writes the tree to standard output in varnolt-cli's layout: through the
// window, the tree as the window's model holds it. FIGURES gets one line: wall and processor seconds of
// the command, the longest gap between two turns of the event loop and the 99th percentile of the gaps,
// in milliseconds ("-" for the engine alone). A summary goes to standard error.
#include "app/cli/Console.h"
#include "engine/Engine.h"
#include "platform/fakes/FakePump.h"
#include "platform/fakes/MemorySettingsStore.h"
#include "platform/fakes/RecordingShell.h"
#include "platform/fakes/ScriptedFileDialogs.h"
#include "platform/fakes/ScriptedMessageBoxes.h"
#include "platform/media/LibraryEmbeddedDates.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/qt/QtMessagePump.h"
#include "platform/qt/QtTranslator.h"
#include "ui/MainWindow.h"
#include "ui/PreviewTreeModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace varnolt;

// A turn of the event loop: when it came, nanoseconds after the click, and how much processor time the
// thread had used by then. A gap with little processor time in it was spent waiting (on the disk, or for a
// processor on a busy machine), not computing.
struct Turn {
    qint64 At = 0;
    qint64 Cpu = 0;
};

struct Figures {
    double WallSeconds = 0;
    double CpuSeconds = 0;
    std::vector<Turn> Turns; // none for the engine alone
};

qint64 ThreadCpuNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

class Stopwatch {
  public:
    Stopwatch() : cpuStart_(std::clock()) { wall_.start(); }
    void Stop(Figures& figures) const {
        figures.WallSeconds = static_cast<double>(wall_.nsecsElapsed()) / 1e9;
        figures.CpuSeconds = static_cast<double>(std::clock() - cpuStart_) / CLOCKS_PER_SEC;
    }

  private:
    QElapsedTimer wall_;
    std::clock_t cpuStart_;
};

// The turns of the event loop while a command runs, seen from outside it: a 0 ms timer fires once at every
// turn, however and however often the command lets events run. The gaps between turns are how long a
// click on Stop would wait; the first starts at the click, the last ends at the second turn after the
// command returned, once the window has laid out and painted what the command left.
class TurnRecorder {
  public:
    explicit TurnRecorder(std::vector<Turn>& turns) : turns_(turns) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Record(); });
    }
    void Click() {
        turns_.clear();
        sinceClick_.start();
        cpuAtClick_ = ThreadCpuNanoseconds();
        Record();
        timer_.start(0);
    }
    void CommandReturned() {
        returned_ = sinceClick_.nsecsElapsed();
        const std::size_t before = turns_.size();
        while (turns_.size() < before + 2)
            QCoreApplication::processEvents();
        timer_.stop();
    }
    qint64 ReturnedAt() const { return returned_; }

  private:
    void Record() { turns_.push_back({sinceClick_.nsecsElapsed(), ThreadCpuNanoseconds() - cpuAtClick_}); }

    std::vector<Turn>& turns_;
    QElapsedTimer sinceClick_;
    qint64 cpuAtClick_ = 0;
    QTimer timer_;
    qint64 returned_ = 0;
};

// Depth first, two spaces a level: the layout varnolt-cli writes and verify_sort reads.
void WriteModelTree(const QAbstractItemModel& model, const QModelIndex& parent, int depth,
                    std::ostream& out) {
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex node = model.index(row, 0, parent);
        out << std::string(static_cast<std::size_t>(2 * depth), ' ') << node.data().toString().toStdString()
            << '\n';
        WriteModelTree(model, node, depth + 1, out);
    }
}

void UseDateMethod(ClassifyOptions& options, const std::string& source, const std::string& result) {
    options.SourceList = {source};
    options.ResultLocation = result;
    options.MethodKey = Method::Date;
    options.IncludeSubfolders = true;
}

Figures EnginePreview(const std::string& source, const std::string& result, const std::string& data) {
    ClassifyOptions options;
    UseDateMethod(options, source, result);
    PosixFileSystem fs;
    cli::Request request;
    std::ostringstream quiet;
    cli::ConsoleHost host(request, quiet, quiet, false);
    FakePump pump;
    RecordingShell shell;
    Engine engine(options, {fs, host, pump, shell}, data);
    Figures figures;
    const Stopwatch stopwatch;
    engine.PreviewCommand();
    stopwatch.Stop(figures);
    cli::WritePreviewTree(engine.Preview(), std::cout);
    return figures;
}

// The toolbar button of each command the window runs.
const std::map<std::string, QToolButton* MainWindow::*> kCommandButtons = {
    {"preview", &MainWindow::previewButton},
    {"run", &MainWindow::runButton},
    {"run-taken", &MainWindow::runButton},
    {"undo", &MainWindow::undoButton}};

// The main window as the program shows it, set for the benchmark's sort, with every question answered Yes.
struct BenchWindow {
    BenchWindow(const std::string& source, const std::string& result, const std::string& data)
        : window(fs, boxes, pump, shell, settings, dialogs, dates, engineTexts, data) {
        window.show();
        QCoreApplication::processEvents();
        window.onStartupTimer(); // "by file date"
        window.moveSourceFiles->setChecked(true);
        window.includeSubfolders->setChecked(true);
        window.AddSources({source});
        window.resultLocation->setEditText(QString::fromStdString(result));
        QCoreApplication::processEvents();
    }
    PosixFileSystem fs;
    ScriptedMessageBoxes boxes;
    QtMessagePump pump;
    RecordingShell shell;
    MemorySettingsStore settings;
    ScriptedFileDialogs dialogs;
    LibraryEmbeddedDates dates;
    QtTranslator engineTexts;
    MainWindow window;
};

// What the command showed, and the stretches at its two ends, for reading the figures.
void DescribeCommand(const BenchWindow& bench, const std::vector<Turn>& turns, qint64 returned) {
    for (const ShownMessage& message : bench.boxes.Shown)
        std::cerr << "message: " << message.Text << '\n';
    std::cerr << "status: " << bench.window.statusPanels[0]->text().toStdString() << " / "
              << bench.window.statusPanels[1]->text().toStdString() << '\n';
    const auto inside = [returned](const Turn& turn) { return turn.At <= returned; };
    const auto lastInside = std::partition_point(turns.begin(), turns.end(), inside) - 1;
    std::cerr << "click to the first turn " << (turns.size() > 1 ? turns[1].At / 1e6 : 0.0)
              << " ms; last turn inside the command to its return " << (returned - lastInside->At) / 1e6
              << " ms; return to the next turn " << (lastInside[1].At - returned) / 1e6 << " ms\n";
}

Figures ThroughTheWindow(const std::string& command, const std::string& source, const std::string& result,
                         const std::string& data) {
    BenchWindow bench(source, result, data);
    if (command == "run-taken") bench.window.timeKind->setCurrentIndex(DateTaken);
    Figures figures;
    TurnRecorder recorder(figures.Turns);
    const Stopwatch stopwatch;
    recorder.Click();
    (bench.window.*kCommandButtons.at(command))->click();
    recorder.CommandReturned();
    stopwatch.Stop(figures);
    DescribeCommand(bench, figures.Turns, recorder.ReturnedAt());
    if (command == "preview") WriteModelTree(bench.window.PreviewModel(), {}, 0, std::cout);
    return figures;
}

struct Gap {
    double Milliseconds = 0;
    double CpuMilliseconds = 0;
    double StartedAt = 0; // milliseconds after the click
};

double Milliseconds(qint64 nanoseconds) {
    return static_cast<double>(nanoseconds) / 1e6;
}

// The gaps between turns, longest first.
std::vector<Gap> GapsBetween(const std::vector<Turn>& turns) {
    std::vector<Gap> gaps;
    for (std::size_t i = 1; i < turns.size(); ++i)
        gaps.push_back({Milliseconds(turns[i].At - turns[i - 1].At),
                        Milliseconds(turns[i].Cpu - turns[i - 1].Cpu), Milliseconds(turns[i - 1].At)});
    std::sort(gaps.begin(), gaps.end(),
              [](const Gap& a, const Gap& b) { return a.Milliseconds > b.Milliseconds; });
    return gaps;
}

// The longest gap and the 99th percentile (nearest rank), as FIGURES holds them; the longest few on
// standard error, where they began telling which step of the command held the loop.
std::string GapFigures(const std::vector<Turn>& turns) {
    const std::vector<Gap> gaps = GapsBetween(turns);
    if (gaps.empty()) return "- -";
    std::cerr << turns.size() << " turns; the longest gaps:";
    for (std::size_t i = 0; i < std::min<std::size_t>(gaps.size(), 5); ++i)
        std::cerr << ' ' << gaps[i].Milliseconds << " ms (" << gaps[i].CpuMilliseconds
                  << " ms on the processor) at " << gaps[i].StartedAt << " ms;";
    std::cerr << '\n';
    const Gap& percentile99 = gaps[gaps.size() - (gaps.size() * 99 + 99) / 100];
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %.2f", gaps.front().Milliseconds, percentile99.Milliseconds);
    return text;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    std::cerr << std::fixed << std::setprecision(1); // milliseconds
    const std::string mode = argc == 6 ? argv[1] : "";
    if (mode != "engine-preview" && !kCommandButtons.contains(mode)) {
        std::cerr
            << "usage: window_bench preview|engine-preview|run|run-taken|undo SOURCE RESULT DATA FIGURES\n";
        return 2;
    }
    std::string data = argv[4];
    if (!data.ends_with('/')) data += '/';
    const Figures figures = mode == "engine-preview" ? EnginePreview(argv[2], argv[3], data)
                                                     : ThroughTheWindow(mode, argv[2], argv[3], data);

    char line[160];
    std::snprintf(line, sizeof line, "%.4f %.4f %s\n", figures.WallSeconds, figures.CpuSeconds,
                  GapFigures(figures.Turns).c_str());
    std::ofstream out(argv[5]);
    out << line;
    std::cerr << mode << ": " << line;
    return out ? 0 : 1;
}
