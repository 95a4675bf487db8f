// One command through the shown main window, with the real event pump, or a preview by the engine alone,
// with no view and a pump that has nothing to run: the window's own figures in run-bench.sh.
//
//   window_bench preview|engine-preview|run|undo SOURCE RESULT DATA FIGURES
//
// Method date, subfolders included, moving, as run-bench.sh's runs of varnolt-cli; undo takes back the run
// journalled in DATA. Every question is answered Yes. A preview writes the
// tree to standard output in varnolt-cli's layout: through the window, the tree as the window's model
// holds it. FIGURES gets one line: wall and processor seconds of the command, the longest gap between two
// turns of the event loop and the 99th percentile of the gaps, in milliseconds ("-" for the engine alone).
// A summary goes to standard error.
#include "app/cli/Console.h"
#include "engine/Engine.h"
#include "platform/fakes/FakePump.h"
#include "platform/fakes/MemorySettingsStore.h"
#include "platform/fakes/RecordingShell.h"
#include "platform/fakes/ScriptedFileDialogs.h"
#include "platform/fakes/ScriptedMessageBoxes.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/qt/QtMessagePump.h"
#include "ui/PreviewTreeModel.h"
#include "ui/TForm1.h"

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
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace varnolt;

struct Figures {
    double WallSeconds = 0;
    double CpuSeconds = 0;
    std::vector<qint64> Turns; // nanoseconds since the click; empty for the engine alone
};

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
    explicit TurnRecorder(std::vector<qint64>& turns) : turns_(turns) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { turns_.push_back(sinceClick_.nsecsElapsed()); });
    }
    void Click() {
        turns_.assign(1, 0);
        sinceClick_.start();
        timer_.start(0);
    }
    void CommandReturned() {
        returned_ = sinceClick_.nsecsElapsed();
        const std::size_t before = turns_.size();
        while (turns_.size() < before + 2) QCoreApplication::processEvents();
        timer_.stop();
    }
    qint64 ReturnedAt() const { return returned_; }

private:
    std::vector<qint64>& turns_;
    QElapsedTimer sinceClick_;
    QTimer timer_;
    qint64 returned_ = 0;
};

// Depth first, two spaces a level: the layout varnolt-cli writes and verify_sort reads.
void WriteModelTree(const QAbstractItemModel& model, const QModelIndex& parent, int depth, std::ostream& out) {
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex node = model.index(row, 0, parent);
        out << std::string(static_cast<std::size_t>(2 * depth), ' ') << node.data().toString().toStdString() << '\n';
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
    ScriptedMessageBoxes boxes;
    FakePump pump;
    RecordingShell shell;
    HeadlessRunView view;
    Engine engine(options, {fs, boxes, pump, shell, view}, data);
    Figures figures;
    const Stopwatch stopwatch;
    engine.PreviewCommand();
    stopwatch.Stop(figures);
    cli::WritePreviewTree(engine.Preview(), std::cout);
    return figures;
}

enum class Command { Preview, Run, Undo };

Figures ThroughTheWindow(Command command, const std::string& source, const std::string& result, const std::string& data) {
    PosixFileSystem fs;
    ScriptedMessageBoxes boxes;
    QtMessagePump pump;
    RecordingShell shell;
    MemorySettingsStore settings;
    ScriptedFileDialogs dialogs;
    TForm1 window(fs, boxes, pump, shell, settings, dialogs, data);
    window.show();
    QCoreApplication::processEvents();
    window.Timer1Timer(); // "by file date"
    window.CheckBox3->setChecked(true);
    window.CheckBox4->setChecked(true);
    window.AddSources({source});
    window.ComboBox4->setEditText(QString::fromStdString(result));
    QCoreApplication::processEvents();

    Figures figures;
    TurnRecorder recorder(figures.Turns);
    const Stopwatch stopwatch;
    recorder.Click();
    QToolButton* button = command == Command::Run    ? window.SpeedButton1
                          : command == Command::Undo ? window.SpeedButton10
                                                     : window.SpeedButton12;
    button->click();
    recorder.CommandReturned();
    stopwatch.Stop(figures);

    for (const ShownMessage& message : boxes.Shown) std::cerr << "message: " << message.Text << '\n';
    std::cerr << "status: " << window.StatusPanels[0]->text().toStdString() << " / "
              << window.StatusPanels[1]->text().toStdString() << '\n';
    const qint64 returned = recorder.ReturnedAt();
    const auto lastInside = std::upper_bound(figures.Turns.begin(), figures.Turns.end(), returned) - 1;
    std::cerr << "click to the first turn " << (figures.Turns.size() > 1 ? figures.Turns[1] / 1e6 : 0.0)
              << " ms; last turn inside the command to its return " << (returned - *lastInside) / 1e6
              << " ms; return to the next turn " << (lastInside[1] - returned) / 1e6 << " ms\n";
    if (command == Command::Preview) WriteModelTree(window.PreviewModel(), {}, 0, std::cout);
    return figures;
}

// The longest gap, the 99th percentile and where the longest began, in milliseconds.
struct Gaps {
    double Longest = 0;
    double Percentile99 = 0;
    double LongestAt = 0;
};

Gaps GapsBetween(const std::vector<qint64>& turns) {
    std::vector<qint64> gaps;
    for (std::size_t i = 1; i < turns.size(); ++i) gaps.push_back(turns[i] - turns[i - 1]);
    if (gaps.empty()) return {};
    const auto longest = std::max_element(gaps.begin(), gaps.end());
    const double longestAt = static_cast<double>(turns[static_cast<std::size_t>(longest - gaps.begin())]) / 1e6;
    const double longestGap = static_cast<double>(*longest) / 1e6;
    const std::size_t rank = (gaps.size() * 99 + 99) / 100 - 1; // the nearest rank
    std::nth_element(gaps.begin(), gaps.begin() + static_cast<std::ptrdiff_t>(rank), gaps.end());
    return {longestGap, static_cast<double>(gaps[rank]) / 1e6, longestAt};
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const std::string mode = argc == 6 ? argv[1] : "";
    const std::map<std::string, Command> commands = {
        {"preview", Command::Preview}, {"run", Command::Run}, {"undo", Command::Undo}};
    if (mode != "engine-preview" && !commands.contains(mode)) {
        std::cerr << "usage: window_bench preview|engine-preview|run|undo SOURCE RESULT DATA FIGURES\n";
        return 2;
    }
    std::string data = argv[4];
    if (!data.ends_with('/')) data += '/';
    const Figures figures = mode == "engine-preview" ? EnginePreview(argv[2], argv[3], data)
                                                     : ThroughTheWindow(commands.at(mode), argv[2], argv[3], data);

    std::ofstream out(argv[5]);
    char line[128];
    if (figures.Turns.empty()) {
        std::snprintf(line, sizeof line, "%.4f %.4f - -\n", figures.WallSeconds, figures.CpuSeconds);
    } else {
        const Gaps gaps = GapsBetween(figures.Turns);
        std::snprintf(line, sizeof line, "%.4f %.4f %.2f %.2f\n", figures.WallSeconds, figures.CpuSeconds,
                      gaps.Longest, gaps.Percentile99);
        std::cerr << figures.Turns.size() << " turns; the longest gap " << gaps.Longest << " ms began "
                  << gaps.LongestAt << " ms after the click\n";
    }
    out << line;
    std::cerr << mode << ": " << line;
    return out ? 0 : 1;
}
