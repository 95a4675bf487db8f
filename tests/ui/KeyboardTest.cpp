// SPDX-License-Identifier: GPL-3.0-or-later
// The window from the keyboard and a screen reader: Tab walks the columns left to right and each from the
// top, every toolbar button has an Alt+letter of its own that does what a click does, and every input and
// icon-only button has a name to be read out.
#include "support/TestWindow.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace varnolt;

class KeyboardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> t;

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
        for (const char* name :
             {"SpeedButton1", "SpeedButton11", "SpeedButton12", "SpeedButton4", "SpeedButton7",
              "SpeedButton2", "SpeedButton10", "SpeedButton13", "SpeedButton8"}) {
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

    void altHOpensTheGuide() {
        QTest::keyClick(t->window.get(), Qt::Key_H, Qt::AltModifier);
        // A button pressed by its key shows itself pressed for a moment, then clicks.
        QTRY_COMPARE(t->shell.HelpPagesOpened, 1);
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
