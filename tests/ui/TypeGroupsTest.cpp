// SPDX-License-Identifier: GPL-3.0-or-later
// The type groups: the normalisation of a confirmed list, the "Change file type" dialog, the group
// buttons of the window with their immediate saving, and the entries of the type filter.
#include "ui/TypeGroups.h"

#include "support/TestWindow.h"
#include "ui/FileTypesDialog.h"

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
void AnswerDialog(FileTypesDialog* dialog, const QString& text, std::function<void()> close,
                  DialogSeen* seen = nullptr) {
    QTimer::singleShot(0, dialog, [=] {
        if (seen) *seen = {dialog->typesLabel->text(), dialog->typesEdit->text()};
        dialog->typesEdit->setText(text);
        close();
    });
}
void AnswerOk(FileTypesDialog* dialog, const QString& text, DialogSeen* seen = nullptr) {
    AnswerDialog(
        dialog, text, [dialog] { dialog->okButton->click(); }, seen);
}
void AnswerCancel(FileTypesDialog* dialog, const QString& text) {
    AnswerDialog(dialog, text, [dialog] { dialog->cancelButton->click(); });
}

} // namespace

class TypeGroupsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> w;
    MainWindow* window = nullptr;

    void ChooseFilterEntry(int entry) {
        window->typeFilterGroup->setCurrentIndex(entry);
        emit window->typeFilterGroup->activated(entry);
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
        FileTypesDialog dialog;
        QString text = "mp3";
        AnswerOk(&dialog, "ogg");
        QVERIFY(dialog.EditText("Music files:", text));
        QCOMPARE(text, QString("ogg"));

        AnswerCancel(&dialog, "wav");
        QVERIFY(!dialog.EditText("Music files:", text));
        QCOMPARE(text, QString("ogg"));

        AnswerDialog(&dialog, "flac", [&] { QTest::keyClick(dialog.typesEdit, Qt::Key_Escape); });
        QVERIFY(!dialog.EditText("Music files:", text));
        AnswerDialog(&dialog, "flac", [&] { dialog.close(); });
        QVERIFY(!dialog.EditText("Music files:", text));
        QCOMPARE(text, QString("ogg"));

        AnswerDialog(&dialog, "opus", [&] { QTest::keyClick(dialog.typesEdit, Qt::Key_Return); });
        QVERIFY(dialog.EditText("Music files:", text));
        QCOMPARE(text, QString("opus"));
        QCOMPARE(dialog.windowTitle(), QString("Change file type"));
    }

    void changeButtonEditsStoresAndLeavesTheFilterText() {
        DialogSeen seen;
        AnswerOk(window->fileTypesDialog, ".MP3;.WMA; .Ogg", &seen);
        window->GroupChangeButton(TypeGroup::Music)->click();
        QCOMPARE(seen.Label, QString("Music files:"));
        QCOMPARE(seen.Text, QString("mp3;wma;wav;mid;midi;ac3;ape;ram"));
        QCOMPARE(window->GroupCheckBox(TypeGroup::Music)->toolTip(), QString(".mp3;wma; .ogg"));
        QCOMPARE(window->Options().Group(TypeGroup::Music).Types, std::string(".mp3;wma; .ogg"));
        QCOMPARE(w->settings.Values["Music"], std::string(".mp3;wma; .ogg"));
        QCOMPARE(w->settings.OpenNow, 0);
        // Music is the chosen filter entry, yet its text stays until an entry is chosen again.
        QCOMPARE(window->typeFilterText->text(), QString("mp3;wma;wav;mid;midi;ac3;ape;ram"));
        ChooseFilterEntry(0);
        QCOMPARE(window->typeFilterText->text(), QString(".mp3;wma; .ogg"));
    }

    void everyGroupUsesTheOneDialog() {
        FileTypesDialog* dialog = window->fileTypesDialog;
        AnswerOk(dialog, "EXE");
        window->GroupChangeButton(TypeGroup::Program)->click();
        DialogSeen seen;
        AnswerOk(dialog, "", &seen);
        window->GroupChangeButton(TypeGroup::Document)->click();
        QCOMPARE(seen.Label, QString("Document file:"));
        QCOMPARE(window->fileTypesDialog, dialog);
        QCOMPARE(window->findChildren<FileTypesDialog*>().size(), 1);
        QCOMPARE(w->settings.Values["Program"], std::string("exe"));
        QCOMPARE(w->settings.Values["Document"], std::string());
        QCOMPARE(window->Options().Group(TypeGroup::Document).Types, std::string());
    }

    void confirmingUnchangedRewritesTheListLowerCased() {
        // The archive group, which the design did not have, is stored under its own name.
        window->SetGroupTypes(TypeGroup::Archive, "7Z;Tar");
        DialogSeen seen;
        AnswerDialog(
            window->fileTypesDialog, "",
            [&] {
                window->fileTypesDialog->typesEdit->setText(seen.Text);
                window->fileTypesDialog->okButton->click();
            },
            &seen);
        window->GroupChangeButton(TypeGroup::Archive)->click();
        QCOMPARE(seen.Label, QString("Archive files:"));
        QCOMPARE(w->settings.Values["Archive"], std::string("7z;tar"));
        QCOMPARE(window->Options().Group(TypeGroup::Archive).Types, std::string("7z;tar"));
        QCOMPARE(window->GroupCheckBox(TypeGroup::Archive)->toolTip(), QString("7z;tar"));
    }

    void cancelChangesAndStoresNothing() {
        const int opened = w->settings.OpenCount; // the window's place, read as it was made
        AnswerCancel(window->fileTypesDialog, "zzz");
        window->GroupChangeButton(TypeGroup::Video)->click();
        QCOMPARE(window->GroupCheckBox(TypeGroup::Video)->toolTip(),
                 QString("avi;mpg;mpeg;asf;wmv;rm;rmvb;mkv;vob"));
        QVERIFY(w->settings.Values.empty());
        QCOMPARE(w->settings.OpenCount, opened);
    }

    void customFilesStartsEmptyAndKeepsWhatWasTyped() {
        ChooseFilterEntry(kCustomFilterEntry);
        QCOMPARE(window->typeFilterText->text(), QString());
        window->typeFilterText->setText("abc;def");
        ChooseFilterEntry(0);
        QCOMPARE(window->typeFilterText->text(), QString("mp3;wma;wav;mid;midi;ac3;ape;ram"));
        ChooseFilterEntry(kCustomFilterEntry);
        QCOMPARE(window->typeFilterText->text(), QString("abc;def"));
        QCOMPARE(window->CustomTypeList(), std::string("abc;def"));
        QCOMPARE(window->Options().TypeFilterText, std::string("abc;def"));
    }

    void typingUnderAGroupEntryNeverChangesTheGroup() {
        ChooseFilterEntry(1);
        window->typeFilterText->setText("typed");
        ChooseFilterEntry(0);
        ChooseFilterEntry(1);
        QCOMPARE(window->typeFilterText->text(), QString("bmp;jpg;jpeg;gif;tif;tiff;png;psd;ico"));
        QVERIFY(window->CustomTypeList().empty());
    }

    void startShowsTheMusicListAndKeepsTheStoredCustomList() {
        w->settings.Values = {{"Music", "ogg"}, {"Customtype", "xyz"}};
        window->onStartupTimer();
        QCOMPARE(window->typeFilterText->text(), QString("ogg"));
        QCOMPARE(window->typeFilterGroup->currentIndex(), 0);
        ChooseFilterEntry(kCustomFilterEntry);
        QCOMPARE(window->typeFilterText->text(), QString("xyz"));
    }
};

QTEST_MAIN(TypeGroupsTest)
#include "TypeGroupsTest.moc"
