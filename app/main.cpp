// Starts the window: the platform services, the per-user data folder, and the message loop.
#include "platform/posix/PosixFileSystem.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtMessagePump.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtShell.h"
#include "ui/DataFolder.h"
#include "ui/FileIcons.h"
#include "ui/TForm1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <exception>
#include <string>

namespace {

// An exception that escapes a handler is told to the user, and the program goes on.
class VarnoltApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            varnolt::QtMessageBoxes().Show(error.what(), "Varnolt", varnolt::Buttons::Ok, varnolt::Icon::Error);
        }
        return false;
    }
};

// The user guide lies beside the program in the build tree, and in share/varnolt/ of an installed one.
QString HelpPage() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString besideProgram = programFolder.filePath(QStringLiteral("help/index.html"));
    if (QFileInfo::exists(besideProgram)) return besideProgram;
    return QDir::cleanPath(programFolder.filePath(QStringLiteral("../share/varnolt/help/index.html")));
}

} // namespace

int main(int argc, char* argv[]) {
    VarnoltApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Varnolt"));
    // Lets the desktop match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quorvane.Varnolt"));
    varnolt::UseFallbackIconTheme();

    varnolt::PosixFileSystem fs;
    varnolt::QtMessageBoxes boxes;
    varnolt::QtMessagePump pump;
    varnolt::QtShell shell(HelpPage());
    varnolt::QtSettingsStore settings;
    varnolt::QtFileDialogs dialogs;
    varnolt::TForm1 window(fs, boxes, pump, shell, settings, dialogs,
                           varnolt::MakeDataFolder(fs, varnolt::UserDataLocation()));
    // The settings file's folder is the program's own, like the data folder: no walk may carry it off.
    window.ClassifyEngine().KeepOutOfWalks(
        QFile::encodeName(QFileInfo(QSettings().fileName()).absolutePath()).toStdString());
    window.show();
    return application.exec();
}
