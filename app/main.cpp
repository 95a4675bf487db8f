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

// The user guide is installed beside the program.
QString HelpPage() { return QCoreApplication::applicationDirPath() + QStringLiteral("/help/index.html"); }

} // namespace

int main(int argc, char* argv[]) {
    VarnoltApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Varnolt"));
    varnolt::UseFallbackIconTheme();

    varnolt::PosixFileSystem fs;
    varnolt::QtMessageBoxes boxes;
    varnolt::QtMessagePump pump;
    varnolt::QtShell shell(HelpPage());
    varnolt::QtSettingsStore settings;
    varnolt::QtFileDialogs dialogs;
    varnolt::TForm1 window(fs, boxes, pump, shell, settings, dialogs,
                           varnolt::MakeDataFolder(fs, varnolt::UserDataLocation()));
    window.show();
    return application.exec();
}
