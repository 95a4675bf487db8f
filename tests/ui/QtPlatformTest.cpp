// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt side of the platform: message boxes as the user sees them, the event pump, the translations.
#include "engine/Messages.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtMessagePump.h"
#include "platform/qt/QtTranslator.h"
#include "ui/PersistedFields.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <functional>

using namespace varnolt;

namespace {

// Waits for the modal box, lets `inspect` look at it, then presses `press`.
void WhenTheBoxShows(std::function<void(QMessageBox&)> inspect, QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [inspect = std::move(inspect), press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        inspect(*box);
        box->button(press)->click();
    });
}

} // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void aQuestionShowsItsTextsAndReturnsTheAnswer() {
        bool seen = false;
        WhenTheBoxShows(
            [&seen](QMessageBox& box) {
                seen = true;
                QCOMPARE(box.windowTitle(), QStringLiteral("Confirmation"));
                QCOMPARE(box.text(), QStringLiteral("Do you want to STOP the operation?"));
                QCOMPARE(box.icon(), QMessageBox::Question);
                QCOMPARE(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
                QCOMPARE(box.defaultButton(), box.button(QMessageBox::Yes));
                QVERIFY(box.parentWidget() == nullptr);
                QCOMPARE(box.windowModality(), Qt::ApplicationModal);
            },
            QMessageBox::No);
        const Answer answer = QtMessageBoxes().Show("Do you want to STOP the operation?", "Confirmation",
                                                    Buttons::YesNo, Icon::Question);
        QVERIFY(seen);
        QVERIFY(answer == Answer::No);
    }

    void abortRetryIgnoreDefaultsToRetry() {
        WhenTheBoxShows(
            [](QMessageBox& box) {
                QCOMPARE(box.standardButtons(),
                         QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
                QCOMPARE(box.defaultButton(), box.button(QMessageBox::Retry));
                QCOMPARE(box.icon(), QMessageBox::Information);
            },
            QMessageBox::Ignore);
        QVERIFY(QtMessageBoxes().Show("Can not create result folder:/x", "Information",
                                      Buttons::AbortRetryIgnore, Icon::Information) == Answer::Ignore);
    }

    void textIsPlainAndErrorsUseTheCriticalIcon() {
        WhenTheBoxShows(
            [](QMessageBox& box) {
                QCOMPARE(box.textFormat(), Qt::PlainText);
                QCOMPARE(box.text(), QStringLiteral("<b>not bold</b>\nsecond line"));
                QCOMPARE(box.icon(), QMessageBox::Critical);
                QCOMPARE(box.standardButtons(), QMessageBox::Ok);
            },
            QMessageBox::Ok);
        QVERIFY(QtMessageBoxes().Show("<b>not bold</b>\nsecond line", "Error", Buttons::Ok, Icon::Error) ==
                Answer::Ok);
    }

    // A window manager elides a title wider than its box.
    void aShortTextLeavesTheTitleWhole() {
        const QString title = QStringLiteral("Information about the undo");
        WhenTheBoxShows(
            [&title](QMessageBox& box) {
                const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
                QVERIFY2(box.width() > metrics.horizontalAdvance(title) + 3 * metrics.height(),
                         qPrintable(QString::number(box.width())));
            },
            QMessageBox::Ok);
        QtMessageBoxes().Show("x", title.toStdString(), Buttons::Ok, Icon::Information);
    }

    void engineAndSettingsTextsComeFromTheInstalledTranslation() {
        // What a translation loaded from Qt Linguist's file gives, by context and source.
        struct German final : QTranslator {
            QString translate(const char* context, const char* source, const char*, int) const override {
                const QString key = QString::fromUtf8(context) + u'|' + QString::fromUtf8(source);
                if (key == QStringLiteral("varnolt::Messages|Undo %1 of %2"))
                    return QStringLiteral("%2: %1 zurück");
                if (key == QStringLiteral("varnolt::Settings|Cannot open file \"%1\". %2"))
                    return QStringLiteral("„%1“ nicht lesbar: %2");
                return {};
            }
            bool isEmpty() const override { return false; }
        } german;
        QCoreApplication::installTranslator(&german);
        QtTranslator texts;
        for (int ask = 0; ask < 2; ++ask) { // the second time from what the first one kept
            QCOMPARE(texts.Translate(Messages::UndoProgress), std::string_view("%2: %1 zurück"));
            QCOMPARE(texts.Translate(Messages::UndoDone), std::string_view(Messages::UndoDone));
        }
        QCOMPARE(CannotOpenFileText("/in/100%2", "denied"), std::string("„/in/100%2“ nicht lesbar: denied"));
        QCoreApplication::removeTranslator(&german);
    }

    void thePumpRunsWaitingEventsAtMostEveryMillisecond() {
        QtMessagePump pump;
        int turns = 0;
        std::function<void()> turn = [&] {
            ++turns;
            QTimer::singleShot(0, turn);
        };
        QTimer::singleShot(0, turn);
        pump.Pump();
        QCOMPARE(turns, 1); // the first call runs what waits
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 20000; ++i)
            pump.Pump();
        const qint64 spent = clock.nsecsElapsed();
        QVERIFY2(turns - 1 <= spent / QtMessagePump::kIntervalNanoseconds + 1,
                 qPrintable(QStringLiteral("%1 turns in %2 ns").arg(turns).arg(spent)));
        QThread::usleep(2 * QtMessagePump::kIntervalNanoseconds / 1000);
        const int before = turns;
        pump.Pump();
        QCOMPARE(turns, before + 1);
    }
};

QTEST_MAIN(QtPlatformTest)
#include "QtPlatformTest.moc"
