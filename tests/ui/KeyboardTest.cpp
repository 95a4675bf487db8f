// SPDX-License-Identifier: GPL-3.0-or-later
// The window from the keyboard and a screen reader: Tab walks the columns left to right and each from the
// top, every toolbar button has an Alt+letter of its own that does what a click does, and every input and
// icon-only button has a name to be read out. The menu bar: its entries carry the desktop's standard keys,
// press the control they stand for and are enabled with it; its letters leave the toolbar's Alt keys alone.
#include "support/TestWindow.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace varnolt;

class KeyboardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> t;

    static constexpr const char* kToolbarButtons[] = {"SpeedButton1",  "SpeedButton11", "SpeedButton12",
                                                      "SpeedButton4",  "SpeedButton7",  "SpeedButton2",
                                                      "SpeedButton10", "SpeedButton13", "SpeedButton8"};

  private slots:
    void initTestCase() { UseTestLocale(); }
    void init() {
        t = std::make_unique<TestWindow>();
        t->window->show();
        t->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t->window.get()));
    }
    void cleanup() { t.reset(); }

    void tabWalksTheColumnsInReadingOrder() {
        // The first method's options show once the window has settled.
        QTRY_VERIFY(t->Find<QWidget>("CheckBox15")->isVisible());
        t->window->methodTree->setFocus();
        QStringList visited;
        for (int step = 0; step < 100; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QString name = QApplication::focusWidget()->objectName();
            if (name == QLatin1String("TreeView1")) break;
            visited << name;
        }
        QStringList expected = {"CheckBox15", "CheckBox3", "SpeedButton1",
                                "ListView1",  "ComboBox4", "TreeView2"};
        qsizetype last = -1;
        for (const QString& name : expected) {
            const qsizetype at = visited.indexOf(name);
            QVERIFY2(at > last, qPrintable(name + QStringLiteral(" out of order in ") + visited.join(u' ')));
            last = at;
        }
    }

    void everyButtonHasItsOwnAltKey() {
        QSet<QKeySequence> seen;
        for (const char* name : kToolbarButtons) {
            const QKeySequence key = t->Find<QToolButton>(name)->shortcut();
            QVERIFY2(key.count() == 1 && key[0].keyboardModifiers() == Qt::AltModifier, name);
            QVERIFY2(!seen.contains(key), name);
            seen.insert(key);
        }
    }

    void everyInputHasANameToBeReadOut() {
        QStringList nameless;
        for (QWidget* control : t->window->findChildren<QWidget*>()) {
            if (control->window() != t->window.get()) continue;
            auto* tool = qobject_cast<QToolButton*>(control);
            const bool input = qobject_cast<QLineEdit*>(control) ||
                               qobject_cast<QAbstractSpinBox*>(control) ||
                               qobject_cast<QComboBox*>(control) || qobject_cast<QPlainTextEdit*>(control) ||
                               qobject_cast<QAbstractItemView*>(control) || (tool && tool->text().isEmpty());
            // A box's own line edit and a drop-down's list are named by the box; a header reads its sections.
            if (!input || control->parentWidget()->inherits("QComboBox") ||
                control->parentWidget()->inherits("QAbstractSpinBox") ||
                control->inherits("QComboBoxListView") || control->inherits("QHeaderView"))
                continue;
            QAccessibleInterface* readOut = QAccessible::queryAccessibleInterface(control);
            if (!readOut || readOut->text(QAccessible::Name).trimmed().isEmpty())
                nameless << control->objectName() + QLatin1Char(':') + control->metaObject()->className();
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u' ')));
    }

    void menuEntriesCarryTheDesktopsKeys_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("key");
        QTest::addColumn<QKeySequence>("otherwise"); // where the platform has no key table
        QTest::newRow("add folder") << "actionAddFolder" << int(QKeySequence::Open) << QKeySequence("Ctrl+O");
        QTest::newRow("quit") << "actionQuit" << int(QKeySequence::Quit) << QKeySequence("Ctrl+Q");
        QTest::newRow("stop") << "actionStop" << int(QKeySequence::Cancel) << QKeySequence("Esc");
        QTest::newRow("undo") << "actionUndo" << int(QKeySequence::Undo) << QKeySequence("Ctrl+Z");
        QTest::newRow("user guide") << "actionUserGuide" << int(QKeySequence::HelpContents)
                                    << QKeySequence("F1");
    }
    void menuEntriesCarryTheDesktopsKeys() {
        QFETCH(QString, action);
        QFETCH(int, key);
        QFETCH(QKeySequence, otherwise);
        auto bindings = QKeySequence::keyBindings(static_cast<QKeySequence::StandardKey>(key));
        if (bindings.isEmpty()) bindings = {otherwise};
        QCOMPARE(t->Find<QAction>(qPrintable(action))->shortcuts(), bindings);
    }

    // Alt with a menu's letter would otherwise be ambiguous, and neither the menu nor the button would come.
    void menuLettersLeaveTheToolbarsAltKeys() {
        QSet<QKeySequence> toolbar;
        for (const char* name : kToolbarButtons)
            toolbar.insert(t->Find<QToolButton>(name)->shortcut());
        const auto menus = t->window->menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        for (const QAction* menu : menus)
            QVERIFY2(!toolbar.contains(QKeySequence::mnemonic(menu->text())), qPrintable(menu->text()));
    }

    // Each entry presses its control, so both share one code path; the entry is enabled with the control.
    void menuEntriesPressTheirControls_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("control");
        QTest::newRow("add folder") << "actionAddFolder"
                                    << "SpeedButton4";
        QTest::newRow("add files") << "actionAddFiles"
                                   << "SpeedButton7";
        QTest::newRow("remove") << "actionRemove"
                                << "SpeedButton2";
        QTest::newRow("load last list") << "actionLoadLastList"
                                        << "Button1";
        QTest::newRow("preview") << "actionPreview"
                                 << "SpeedButton12";
        QTest::newRow("run") << "actionRun"
                             << "SpeedButton1";
        QTest::newRow("stop") << "actionStop"
                              << "SpeedButton11";
        QTest::newRow("undo") << "actionUndo"
                              << "SpeedButton10";
        QTest::newRow("user guide") << "actionUserGuide"
                                    << "SpeedButton13";
        QTest::newRow("quit") << "actionQuit"
                              << "SpeedButton8";
    }
    void menuEntriesPressTheirControls() {
        QFETCH(QString, action);
        QFETCH(QString, control);
        auto* entry = t->Find<QAction>(qPrintable(action));
        auto* button = t->Find<QAbstractButton>(qPrintable(control));
        QCOMPARE(entry->isEnabled(), button->isEnabled() && !button->isHidden()); // as the window starts
        button->setEnabled(false);
        QVERIFY(!entry->isEnabled());
        button->setEnabled(true);
        button->show();
        QVERIFY(entry->isEnabled());
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        entry->trigger();
        QCOMPARE(clicked.size(), 1);
        button->hide(); // as "Load last list" is until a last list is found
        QVERIFY(!entry->isEnabled());
    }

    void theAboutBoxNamesVersionAndLicence() {
        t->Find<QAction>("actionAbout")->trigger();
        QCOMPARE(t->boxes.Shown.size(), std::size_t{1});
        QVERIFY(t->boxes.Shown[0].Text.find(VARNOLT_VERSION) != std::string::npos);
        QVERIFY(t->boxes.Shown[0].Text.find("GPL-3.0-or-later") != std::string::npos);
    }

    void altHOpensTheGuide() {
        QTest::keyClick(t->window.get(), Qt::Key_H, Qt::AltModifier);
        // A button pressed by its key shows itself pressed for a moment, then clicks.
        QTRY_COMPARE(t->shell.HelpPagesOpened, 1);
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
