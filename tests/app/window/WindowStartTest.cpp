// SPDX-License-Identifier: GPL-3.0-or-later
// The window's start: the paths of its command line in the source list, and a second start handing its
// paths to the open window, also when a crashed window left its socket behind.
#include "TempHome.h"
#include "app/window/LaterStarts.h"
#include "app/window/OneWindow.h"
#include "app/window/WindowArguments.h"
#include "engine/Messages.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QFrame>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <sstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace varnolt;

namespace {

// What a window killed while it listened leaves: a socket file that nobody accepts on.
void LeaveStaleSocket(const QString& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = path.toLocal8Bit();
    std::copy(bytes.begin(), bytes.end(), address.sun_path);
    QVERIFY(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
    close(fd);
}

} // namespace

class WindowStartTest : public QObject {
    Q_OBJECT

  public:
    explicit WindowStartTest(std::string runtime) : runtime_(std::move(runtime)) {}

  private:
    std::string runtime_;
    TempHome home;
    TempDir folders;

  private slots:
    void initTestCase() {
        UseTestLocale();
        setenv("HOME", home.Path().c_str(), 1);
    }

    void theCommandLineIsReadBeforeAnyDisplayIsNeeded() {
        std::ostringstream out, err;
        QCOMPARE(AnswerHelpOrVersion({"varnolt", "--help"}, out), std::optional<int>(0));
        QVERIFY(out.str().find("Usage: varnolt [OPTIONS] [PATH...]") != std::string::npos);
        QCOMPARE(AnswerHelpOrVersion({"varnolt", "--", "--help"}, out), std::nullopt);

        const auto paths = PathsToOpen({"varnolt", "b/", "/x/../a", "--", "-dash", ""}, err);
        const std::string cwd = std::filesystem::current_path().string();
        QVERIFY(paths);
        QCOMPARE(*paths, (std::vector<std::string>{cwd + "/b", "/a", cwd + "/-dash"}));
        QVERIFY(!PathsToOpen({"varnolt", "/a", "--colour"}, err));
        QCOMPARE(err.str(),
                 std::string("varnolt: unknown option --colour\nRun with --help for more information.\n"));
    }

    void pathsOfTheCommandLineAreAddedOnceTheSettingsHaveLoaded() {
        TestWindow w;
        MainWindow& window = *w.window;
        const std::string a = folders.Folder("a"), b = folders.Folder("b");
        const std::string file = folders.File("c.txt"), missing = folders.Path() + "missing";
        std::ostringstream err;
        window.OpenPaths(*PathsToOpen({"varnolt", b, file, missing, a + "/", b}, err)); // as main() does
        QCOMPARE(window.sourceList->topLevelItemCount(), 0);

        window.onStartupTimer();
        const std::string base = folders.Path();
        QCOMPARE(Rows(window.sourceList),
                 (QStringList{QString::fromStdString(base + "a"), QString::fromStdString(base + "b"),
                              QString::fromStdString(file)}));
        QVERIFY(window.sourceListHint->isHidden());
        QCOMPARE(w.boxes.Texts(),
                 std::vector<std::string>{"These do not exist and were not added to the list:\n" + missing});
        QCOMPARE(w.boxes.Shown.front().Caption, std::string(Messages::Information));

        window.OpenPaths({missing + "2"}); // nothing that exists: the list and the panel stay
        QCOMPARE(window.sourceList->topLevelItemCount(), 3);
        QCOMPARE(w.boxes.Shown.size(), std::size_t(2));
    }

    void aSecondStartHandsItsPathsToTheOpenWindowAndEnds() {
        TestWindow w;
        MainWindow& window = *w.window;
        window.onStartupTimer();
        window.show();
        window.showMinimized();

        const QString socketPath = OneWindowSocketPath();
        QVERIFY(socketPath.startsWith(QString::fromStdString(runtime_)));
        LeaveStaleSocket(socketPath);
        OneWindow oneWindow(socketPath);
        QCOMPARE(oneWindow.Claim({}), OneWindow::Start::First);
        ServeLaterStarts(oneWindow, window);

        const std::string handed = folders.Folder("handed"), missing = folders.Path() + "gone";
        QProcess second;
        second.setWorkingDirectory(QString::fromStdString(folders.Path()));
        second.start(QStringLiteral(VARNOLT_WINDOW_PROGRAM),
                     {QStringLiteral("handed"), QString::fromStdString(missing)});
        // The window answers from its event loop, which QTRY runs.
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 20000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);

        QTRY_COMPARE(Rows(window.sourceList), QStringList{QString::fromStdString(handed)});
        QCOMPARE(w.boxes.Texts(),
                 std::vector<std::string>{"These do not exist and were not added to the list:\n" + missing});
        QVERIFY(!(window.windowState() & Qt::WindowMinimized));

        window.close(); // a start from now on opens a window of its own
        QLocalSocket late;
        late.connectToServer(socketPath);
        QVERIFY(!late.waitForConnected(1000));
    }
};

int main(int argc, char** argv) {
    // Runs of this test side by side, or a window of the person running it, never meet.
    const TempDir runtime;
    setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    QApplication application(argc, argv);
    WindowStartTest test(runtime.Path());
    return QTest::qExec(&test, argc, argv);
}

#include "WindowStartTest.moc"
