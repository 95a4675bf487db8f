// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the window: the platform services, the per-user data folder, and the message loop; or hands
// the paths of its command line to the window already open.
#include "app/window/LaterStarts.h"
#include "app/window/OneWindow.h"
#include "app/window/WindowArguments.h"
#include "platform/media/LibraryEmbeddedDates.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/Translations.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtMessagePump.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtTranslator.h"
#include "ui/DataFolder.h"
#include "ui/FileIcons.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

// An exception that escapes a handler is told to the user, and the program goes on.
class VarnoltApplication : public QApplication {
  public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            varnolt::QtMessageBoxes().Show(error.what(), "Varnolt", varnolt::Buttons::Ok,
                                           varnolt::Icon::Error);
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
    if (auto exit = varnolt::AnswerHelpOrVersion({argv, argv + argc}, std::cout)) return *exit;
    VarnoltApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Varnolt"));
    varnolt::InstallTranslations(
        varnolt::TranslationsFolder(QCoreApplication::applicationDirPath().toStdString()));
    // The bytes of argv, which Qt has cleared of its own options: a name need not be valid UTF-8.
    const auto paths = varnolt::PathsToOpen({argv, argv + argc}, std::cerr);
    if (!paths) return varnolt::kWindowExitUsage;
    varnolt::OneWindow oneWindow(varnolt::OneWindowSocketPath());
    switch (oneWindow.Claim(*paths)) {
    case varnolt::OneWindow::Start::First:
        break;
    case varnolt::OneWindow::Start::HandedOver:
        return 0;
    case varnolt::OneWindow::Start::NoAnswer:
        std::cerr << "varnolt: a window is open but does not answer\n";
        return 1;
    }
    // Lets the desktop match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quorvane.Varnolt"));
    varnolt::UseFallbackIconTheme();

    varnolt::PosixFileSystem fs;
    varnolt::QtMessageBoxes boxes;
    varnolt::QtMessagePump pump;
    varnolt::QtShell shell(HelpPage());
    varnolt::QtSettingsStore settings;
    varnolt::QtFileDialogs dialogs;
    varnolt::LibraryEmbeddedDates dates;
    varnolt::QtTranslator engineTexts;
    varnolt::MainWindow window(fs, boxes, pump, shell, settings, dialogs, dates, engineTexts,
                               varnolt::MakeDataFolder(fs, varnolt::UserDataLocation()));
    // The settings file's folder is the program's own, like the data folder: no walk may carry it off.
    window.ClassifyEngine().KeepOutOfWalks(
        QFile::encodeName(QFileInfo(QSettings().fileName()).absolutePath()).toStdString());
    varnolt::ServeLaterStarts(oneWindow, window);
    window.OpenPaths(*paths);
    window.show();
    return application.exec();
}
