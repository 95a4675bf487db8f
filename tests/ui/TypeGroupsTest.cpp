// The type groups: the normalisation of a confirmed list, the "Change file type" dialog, the group
// buttons of the window with their immediate saving, and the entries of the type filter.
#include "support/TestWindow.h"
#include "ui/TForm6.h"
#include "ui/TypeGroups.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace varnolt;

namespace {

struct DialogSeen {
    QString Label;
    QString Text;
};

// Answers the dialog once it shows: types `text`, then closes it by `close`.
void AnswerDialog(TForm6* dialog, const QString& text, std::function<void()> close, DialogSeen* seen = nullptr) {
    QTimer::singleShot(0, dialog, [=] {
        if (seen) *seen = {dialog->Label1->text(), dialog->Edit1->text()};
        dialog->Edit1->setText(text);
        close();
    });
}
void AnswerOk(TForm6* dialog, const QString& text, DialogSeen* seen = nullptr) {
    AnswerDialog(dialog, text, [dialog] { dialog->Button1->click(); }, seen);
}
void AnswerCancel(TForm6* dialog, const QString& text) {
    AnswerDialog(dialog, text, [dialog] { dialog->Button2->click(); });
}

} // namespace

class TypeGroupsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> w;
    TForm1* window = nullptr;

    void ChooseFilterEntry(int entry) {
        window->ComboBox1->setCurrentIndex(entry);
        emit window->ComboBox1->activated(entry);
    }

private slots:
    void initTestCase() { UseTestLocale(); }
    void init() {
        w = std::make_unique<TestWindow>();
        window = w->window.get();
    }
    void cleanup() { w.reset(); }

    void confirmedListLosesOnlyDotsAfterSemicolonsAndIsLowerCased() {
        QCOMPARE(NormaliseGroupTypes(".MP3;.WMA; .Ogg"), std::string(".mp3;wma; .ogg"));
        QCOMPARE(NormaliseGroupTypes(";.;.x"), std::string(";;x"));
        QCOMPARE(NormaliseGroupTypes("a;..b"), std::string("a;.b"));
        QCOMPARE(NormaliseGroupTypes("ÄPFEL;.ÉTÉ"), std::string("äpfel;été"));
        QCOMPARE(NormaliseGroupTypes(""), std::string());
    }

    void dialogTellsOkFromEveryOtherWayOut() {
        TForm6 dialog;
        QString text = "mp3";
        AnswerOk(&dialog, "ogg");
        QVERIFY(dialog.EditText("Music files:", text));
        QCOMPARE(text, QString("ogg"));

        AnswerCancel(&dialog, "wav");
        QVERIFY(!dialog.EditText("Music files:", text));
        QCOMPARE(text, QString("ogg"));

        AnswerDialog(&dialog, "flac", [&] { QTest::keyClick(dialog.Edit1, Qt::Key_Escape); });
        QVERIFY(!dialog.EditText("Music files:", text));
        AnswerDialog(&dialog, "flac", [&] { dialog.close(); });
        QVERIFY(!dialog.EditText("Music files:", text));
        QCOMPARE(text, QString("ogg"));

        AnswerDialog(&dialog, "opus", [&] { QTest::keyClick(dialog.Edit1, Qt::Key_Return); });
        QVERIFY(dialog.EditText("Music files:", text));
        QCOMPARE(text, QString("opus"));
        QCOMPARE(dialog.windowTitle(), QString("Change file type"));
    }

    void changeButtonEditsStoresAndLeavesTheFilterText() {
        DialogSeen seen;
        AnswerOk(window->Form6, ".MP3;.WMA; .Ogg", &seen);
        window->Button4->click();
        QCOMPARE(seen.Label, QString("Music files:"));
        QCOMPARE(seen.Text, QString("mp3;wma;wav;mid;midi;ac3;ape;ram"));
        QCOMPARE(window->CheckBox10->toolTip(), QString(".mp3;wma; .ogg"));
        QCOMPARE(window->Options().MusicTypes, std::string(".mp3;wma; .ogg"));
        QCOMPARE(w->settings.Values["Music"], std::string(".mp3;wma; .ogg"));
        QCOMPARE(w->settings.OpenNow, 0);
        // Music is the chosen filter entry, yet its text stays until an entry is chosen again.
        QCOMPARE(window->Edit1->text(), QString("mp3;wma;wav;mid;midi;ac3;ape;ram"));
        ChooseFilterEntry(0);
        QCOMPARE(window->Edit1->text(), QString(".mp3;wma; .ogg"));
    }

    void everyGroupUsesTheOneDialog() {
        TForm6* dialog = window->Form6;
        AnswerOk(dialog, "EXE");
        window->Button7->click();
        DialogSeen seen;
        AnswerOk(dialog, "", &seen);
        window->Button8->click();
        QCOMPARE(seen.Label, QString("Document file:"));
        QCOMPARE(window->Form6, dialog);
        QCOMPARE(window->findChildren<TForm6*>().size(), 1);
        QCOMPARE(w->settings.Values["Program"], std::string("exe"));
        QCOMPARE(w->settings.Values["Document"], std::string());
        QCOMPARE(window->Options().DocumentTypes, std::string());
    }

    void confirmingUnchangedRewritesTheListLowerCased() {
        window->CheckBox7->setToolTip("BMP;Jpg");
        DialogSeen seen;
        AnswerDialog(window->Form6, "", [&] { window->Form6->Edit1->setText(seen.Text); window->Form6->Button1->click(); },
               &seen);
        window->Button5->click();
        QCOMPARE(w->settings.Values["Image"], std::string("bmp;jpg"));
        QCOMPARE(window->CheckBox7->toolTip(), QString("bmp;jpg"));
    }

    void cancelChangesAndStoresNothing() {
        AnswerCancel(window->Form6, "zzz");
        window->Button6->click();
        QCOMPARE(window->CheckBox6->toolTip(), QString("avi;mpg;mpeg;asf;wmv;rm;rmvb;mkv;vob"));
        QVERIFY(w->settings.Values.empty());
        QCOMPARE(w->settings.OpenCount, 0);
    }

    void customFilesStartsEmptyAndKeepsWhatWasTyped() {
        ChooseFilterEntry(kCustomFilterEntry);
        QCOMPARE(window->Edit1->text(), QString());
        window->Edit1->setText("abc;def");
        ChooseFilterEntry(0);
        QCOMPARE(window->Edit1->text(), QString("mp3;wma;wav;mid;midi;ac3;ape;ram"));
        ChooseFilterEntry(kCustomFilterEntry);
        QCOMPARE(window->Edit1->text(), QString("abc;def"));
        QCOMPARE(window->CustomTypeList(), std::string("abc;def"));
        QCOMPARE(window->Options().TypeFilterText, std::string("abc;def"));
    }

    void typingUnderAGroupEntryNeverChangesTheGroup() {
        ChooseFilterEntry(1);
        window->Edit1->setText("typed");
        ChooseFilterEntry(0);
        ChooseFilterEntry(1);
        QCOMPARE(window->Edit1->text(), QString("bmp;jpg;jpeg;gif;tif;tiff;png;psd;ico"));
        QVERIFY(window->CustomTypeList().empty());
    }

    void startShowsTheMusicListAndKeepsTheStoredCustomList() {
        w->settings.Values = {{"Music", "ogg"}, {"Customtype", "xyz"}};
        window->Timer1Timer();
        QCOMPARE(window->Edit1->text(), QString("ogg"));
        QCOMPARE(window->ComboBox1->currentIndex(), 0);
        ChooseFilterEntry(kCustomFilterEntry);
        QCOMPARE(window->Edit1->text(), QString("xyz"));
    }
};

QTEST_MAIN(TypeGroupsTest)
#include "TypeGroupsTest.moc"
