// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar. Every entry but the About ones presses a control of the window, so that a menu entry and
// its button share one code path and one enabled state; the toolbar keeps its buttons and Alt keys, and
// the menus' own letters are ones the toolbar does not use.
#include "engine/Messages.h"
#include "platform/qt/QtTranslator.h"
#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace varnolt {

namespace {

// Keeps a menu entry enabled while its control is, and, for a control the window shows only at times
// ("Load last list"), while it is not hidden.
class ControlFollower : public QObject {
  public:
    ControlFollower(QAction* action, QAbstractButton* control)
        : QObject(action), action_(action), control_(control) {
        control->installEventFilter(this);
        Follow();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::EnabledChange:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            Follow();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void Follow() { action_->setEnabled(control_->isEnabled() && !control_->isHidden()); }

    QAction* action_;
    QAbstractButton* control_;
};

} // namespace

QAction* MainWindow::AddMenuEntry(QMenu* menu, const QString& text, const char* name, MenuKey key,
                                  QAbstractButton* control) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(key.Standard);
    // A platform without a desktop's key table (no theme, say) knows no key for some.
    if (action->shortcuts().isEmpty() && !key.Otherwise.isEmpty()) action->setShortcut(key.Otherwise);
    if (control) {
        connect(action, &QAction::triggered, control, &QAbstractButton::click);
        new ControlFollower(action, control);
    }
    return action;
}

void MainWindow::BuildMenuBar() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    // The button that shows the menus a narrow bar has no room for.
    if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button")))
        more->setAccessibleName(tr("More menus"));
    //: The menus' letters (&) must not be R, S, P, F, I, E, U, H or C: Alt with those presses toolbar
    //: buttons.
    QMenu* file = bar->addMenu(tr("Fi&le"));
    file->setObjectName(QStringLiteral("menuFile"));
    AddMenuEntry(file, tr("&Add Folder..."), "actionAddFolder", {QKeySequence::Open, Qt::CTRL | Qt::Key_O},
                 addFolderButton);
    AddMenuEntry(file, tr("Add &Files..."), "actionAddFiles", {}, addFilesButton);
    AddMenuEntry(file, tr("&Remove"), "actionRemove", {}, removeButton);
    AddMenuEntry(file, tr("&Load Last List"), "actionLoadLastList", {}, loadLastListButton);
    file->addSeparator();
    AddMenuEntry(file, tr("&Quit"), "actionQuit", {QKeySequence::Quit, Qt::CTRL | Qt::Key_Q}, closeButton);

    QMenu* sort = bar->addMenu(tr("S&ort"));
    sort->setObjectName(QStringLiteral("menuSort"));
    AddMenuEntry(sort, tr("&Preview"), "actionPreview", {}, previewButton);
    AddMenuEntry(sort, tr("&Run"), "actionRun", {}, runButton);
    AddMenuEntry(sort, tr("&Stop"), "actionStop", {QKeySequence::Cancel, Qt::Key_Escape}, stopButton);
    sort->addSeparator();
    AddMenuEntry(sort, tr("&Undo Last Run"), "actionUndo", {QKeySequence::Undo, Qt::CTRL | Qt::Key_Z},
                 undoButton);

    // No letter is left for Help that the toolbar does not use; F1 opens the guide.
    QMenu* help = bar->addMenu(tr("Help"));
    help->setObjectName(QStringLiteral("menuHelp"));
    AddMenuEntry(help, tr("&User Guide"), "actionUserGuide", {QKeySequence::HelpContents, Qt::Key_F1},
                 helpButton);
    help->addSeparator();
    QAction* about = AddMenuEntry(help, tr("&About Varnolt"), "actionAbout", {}, nullptr);
    connect(about, &QAction::triggered, this, &MainWindow::onAboutTriggered);
    QAction* aboutQt = AddMenuEntry(help, tr("About &Qt"), "actionAboutQt", {}, nullptr);
    connect(aboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);
}

void MainWindow::onAboutTriggered() {
    const QString text = tr("Varnolt %1\n\nSorts files into folders by their date, name, number, type or "
                            "size.\n\nLicence: GNU General Public License, version 3 or later "
                            "(GPL-3.0-or-later).")
                             .arg(QLatin1String(VARNOLT_VERSION));
    boxes_.Show(text.toStdString(), tr("About Varnolt").toStdString(), Buttons::Ok, Icon::Information);
}

} // namespace varnolt
