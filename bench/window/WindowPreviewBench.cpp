// A preview of one folder of many files (100,000 by default), method "by file name", timed twice: by the
// engine alone, with no view and a pump that has nothing to run, and through the shown main window, with
// the real event pump and the result tree growing. The window should stay within twice the engine's time.
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
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace varnolt;

// Names spread over many head letters, as real folders are.
bool MakeFiles(const QString& folder, int count) {
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
    for (int i = 0; i < count; ++i) {
        const QString name = letters[i % letters.size()] + QStringLiteral("file%1.dat").arg(i);
        QFile file(folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::WriteOnly)) return false;
    }
    return true;
}

void UseNameMethod(ClassifyOptions& options, const std::string& source) {
    options.SourceList = {source};
    options.MethodKey = Method::Name;
}

double EngineAlone(const std::string& source, const std::string& data) {
    ClassifyOptions options;
    UseNameMethod(options, source);
    PosixFileSystem fs;
    ScriptedMessageBoxes boxes;
    FakePump pump;
    RecordingShell shell;
    HeadlessRunView view;
    Engine engine(options, {fs, boxes, pump, shell, view}, data);
    QElapsedTimer clock;
    clock.start();
    engine.PreviewCommand();
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

double ThroughTheWindow(const std::string& source, const std::string& data, std::size_t& nodes) {
    PosixFileSystem fs;
    ScriptedMessageBoxes boxes;
    QtMessagePump pump;
    RecordingShell shell;
    MemorySettingsStore settings;
    ScriptedFileDialogs dialogs;
    TForm1 window(fs, boxes, pump, shell, settings, dialogs, data);
    window.show();
    QCoreApplication::processEvents();
    window.Timer1Timer();
    window.SelectMethodEntry(QStringLiteral("by file name"));
    window.AddSources({source});
    QElapsedTimer clock;
    clock.start();
    window.SpeedButton12->click();
    QCoreApplication::processEvents(); // the last batch laid out and painted
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    nodes = window.ClassifyEngine().Preview().NodeCount();
    return seconds;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir temporary;
    const QString folder = temporary.path() + QStringLiteral("/in");
    QDir().mkpath(folder);
    QDir().mkpath(temporary.path() + QStringLiteral("/data"));
    if (!temporary.isValid() || count <= 0 || !MakeFiles(folder, count)) {
        std::fprintf(stderr, "cannot make %d files\n", count);
        return 1;
    }
    const std::string source = QFile::encodeName(folder).toStdString();
    const std::string data = QFile::encodeName(temporary.path() + QStringLiteral("/data/")).toStdString();

    EngineAlone(source, data); // warm the directory cache for both
    const double engine = EngineAlone(source, data);
    std::size_t nodes = 0;
    const double window = ThroughTheWindow(source, data, nodes);
    std::printf("files %d, preview nodes %zu\nengine alone %.3f s\nwindow %.3f s\nratio %.2f (target at most 2)\n",
                count, nodes, engine, window, window / engine);
    return 0;
}
