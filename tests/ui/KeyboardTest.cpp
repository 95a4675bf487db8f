// The toolbar from the keyboard: every button has an Alt+letter of its own, and the key does what a click does.
#include "support/TestWindow.h"

#include <QKeySequence>
#include <QSet>
#include <QTest>
#include <QToolButton>

using namespace varnolt;

class ToolbarKeysTest : public QObject {
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

    void everyButtonHasItsOwnAltKey() {
        QSet<QKeySequence> seen;
        for (const char* name : {"SpeedButton1", "SpeedButton11", "SpeedButton12", "SpeedButton4", "SpeedButton7",
                                 "SpeedButton2", "SpeedButton10", "SpeedButton13", "SpeedButton8"}) {
            const QKeySequence key = t->Find<QToolButton>(name)->shortcut();
            QVERIFY2(key.count() == 1 && key[0].keyboardModifiers() == Qt::AltModifier, name);
            QVERIFY2(!seen.contains(key), name);
            seen.insert(key);
        }
    }

    void altHOpensTheGuide() {
        QTest::keyClick(t->window.get(), Qt::Key_H, Qt::AltModifier);
        // A button pressed by its key shows itself pressed for a moment, then clicks.
        QTRY_COMPARE(t->shell.HelpPagesOpened, 1);
    }
};

QTEST_MAIN(ToolbarKeysTest)
#include "ToolbarKeysTest.moc"
