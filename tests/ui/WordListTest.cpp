// SPDX-License-Identifier: GPL-3.0-or-later
// The word list with its file buttons and encodings, and the name fields that refuse the nine
// characters.
#include "engine/WordListFile.h"
#include "support/TestWindow.h"
#include "ui/DataFolder.h"
#include "ui/NameChecks.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace varnolt;

namespace {
const std::string kUtf8Mark = "\xEF\xBB\xBF";
const std::string kProhibited = "You should remove one of following nine characters from input text, because "
                                "they are prohibited in Windows "
                                "filenames:  \\ / : * ? \" < > |";
} // namespace

class WordListTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> w;
    MainWindow* window = nullptr;

    void Type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->end(false);
        QTest::keyClicks(field, text);
    }

  private slots:
    void initTestCase() { UseTestLocale(); }
    void init() {
        w = std::make_unique<TestWindow>();
        window = w->window.get();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup() { w.reset(); }

    void checkNameTextRefusesEachOfTheNineWithItsMessage() {
        ScriptedMessageBoxes boxes;
        for (const char c : std::string("\\/:*?\"<>|"))
            QVERIFY(!CheckNameText(std::string("a") + c + "b", boxes));
        QCOMPARE(boxes.Shown.size(), std::size_t(9));
        QCOMPARE(boxes.Shown[0].Text, kProhibited);
        QCOMPARE(boxes.Shown[0].Caption, std::string("Information"));
        QCOMPARE(boxes.Shown[0].Buttons, Buttons::Ok);
        QCOMPARE(boxes.Shown[0].Icon, Icon::Information);
        QVERIFY(CheckNameText(" My files. 写真 фото", boxes));
        QCOMPARE(boxes.Shown.size(), std::size_t(9));
    }

    void typedSlashFallsBackToTheLastAcceptedText() {
        Type(window->subfolderName, "ab/");
        QCOMPARE(w->boxes.Texts(), std::vector<std::string>{kProhibited});
        QCOMPARE(window->subfolderName->text(), QString("ab"));
        QCOMPARE(window->subfolderName->cursorPosition(), 2);
        QVERIFY(window->subfolderName->hasFocus());
        QCOMPARE(window->Options().SubfolderName, std::string("ab"));
    }

    void aSingleRefusedCharacterEmptiesTheField() {
        Type(window->subfolderName, "/");
        QCOMPARE(window->subfolderName->text(), QString());
        QCOMPARE(w->boxes.Shown.size(), std::size_t(1));
    }

    void pastedTextFallsBackToTheEmptyLastAcceptedText() {
        window->subfolderName->setText("x:y");
        QCOMPARE(window->subfolderName->text(), QString());
        window->subfolderName->setText("é:");
        QCOMPARE(window->subfolderName->text(), QString()); // two characters, back to the last accepted ""
        QCOMPARE(w->boxes.Shown.size(), std::size_t(2));
    }

    void eachFieldFallsBackToItsOwnText() {
        window->otherGroup1Folder->setText("Photos");
        Type(window->otherGroup2Folder, "a");
        Type(window->otherGroup1Folder, "?");
        QCOMPARE(window->otherGroup1Folder->text(), QString("Photos"));
        QCOMPARE(window->otherGroup1Folder->cursorPosition(), 6);
        QCOMPARE(window->otherGroup2Folder->text(), QString("a"));
    }

    void storedOtherGroupsPassThroughTheNameCheck() {
        w->settings.Values = {{"Othertype1", "Pics jpg"}, {"Othertype2", "a:b png"}};
        window->onStartupTimer();
        QCOMPARE(window->otherGroup1Folder->text(), QString("Pics"));
        QCOMPARE(window->otherGroup2Folder->text(), QString());
        QCOMPARE(window->otherGroup2Types->text(), QString("png"));
        QCOMPARE(w->boxes.Texts(), std::vector<std::string>{kProhibited});
        // "Pics" became otherGroup1Folder's last accepted text.
        Type(window->otherGroup1Folder, "|");
        QCOMPARE(window->otherGroup1Folder->text(), QString("Pics"));
    }

    void wordRadioButtonEnablesTheListAndFocusesIt() {
        QVERIFY(!window->wordList->isEnabled() && !window->saveWordListButton->isEnabled() &&
                !window->loadWordListButton->isEnabled());
        w->SelectEntry(QStringLiteral("by file name"));
        QTest::mouseClick(window->byWordList, Qt::LeftButton, {},
                          QPoint(5, window->byWordList->height() / 2));
        QVERIFY(window->byWordList->isChecked());
        QVERIFY(window->wordList->isEnabled() && window->saveWordListButton->isEnabled() &&
                window->loadWordListButton->isEnabled());
        QVERIFY(window->wordList->hasFocus());
        window->byHeadLetters->click();
        QVERIFY(!window->wordList->isEnabled() && !window->saveWordListButton->isEnabled() &&
                !window->loadWordListButton->isEnabled());
    }

    void saveAsWithAnEmptyListShowsNoDialog() {
        window->onSaveWordListClicked();
        QCOMPARE(w->dialogs.Shown, 0);
    }

    void saveAsWritesPlainTextBeforeAnyLoadKeepingTheModeAndTheLinkOfAFile() {
        window->wordList->setPlainText("eins\nzwei");
        w->dialogs.SavedFiles.push_back(w->data.Path() + "words.txt");
        window->onSaveWordListClicked();
        QCOMPARE(w->dialogs.SaveFilters, std::vector<std::string>{"Text File (*.txt)"});
        QCOMPARE(w->data.Read("words.txt"), std::string("eins\r\nzwei"));

        const std::string kept = w->data.File("kept.txt", "old");
        QVERIFY(chmod(kept.c_str(), 0640) == 0);
        const std::string link = w->data.Path() + "link.txt";
        QVERIFY(symlink("kept.txt", link.c_str()) == 0);
        w->dialogs.SavedFiles = {kept, link};
        window->onSaveWordListClicked();
        window->wordList->setPlainText("drei");
        window->onSaveWordListClicked();
        QCOMPARE(w->data.Read("kept.txt"), std::string("drei"));
        struct stat info;
        QVERIFY(lstat(link.c_str(), &info) == 0 && S_ISLNK(info.st_mode));
        QVERIFY(stat(kept.c_str(), &info) == 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0640));
        QVERIFY(w->boxes.Shown.empty());
    }

    void loadTakesEveryLineAndTheEncodingOfTheFirstFile() {
        const std::string utf16 = w->data.File("le.txt", std::string("\xFF\xFE"
                                                                     "a\0\r\0\n\0\n\0b\0",
                                                                     12));
        const std::string other = w->data.File("other.txt", "ignored");
        w->dialogs.OpenedFiles.push_back({utf16, other});
        window->onLoadWordListClicked();
        QCOMPARE(window->wordList->toPlainText(), QString("a\n\nb"));
        QCOMPARE(window->WordListEncoding(), TextEncoding::Utf16LE);
        QCOMPARE(window->Options().Words, (std::vector<std::string>{"a", "", "b"}));
        w->dialogs.SavedFiles.push_back(w->data.Path() + "back.txt");
        window->onSaveWordListClicked();
        QCOMPARE(w->data.Read("back.txt"), std::string("\xFF\xFE"
                                                       "a\0\r\0\n\0\r\0\n\0b\0",
                                                       14));
    }

    void aFileThatCannotBeOpenedLeavesTheList() {
        window->wordList->setPlainText("kept");
        w->dialogs.OpenedFiles.push_back({w->data.Path() + "missing.txt"});
        window->onLoadWordListClicked();
        QCOMPARE(window->wordList->toPlainText(), QString("kept"));
        QCOMPARE(w->boxes.Shown.size(), std::size_t(1));
        QCOMPARE(w->boxes.Shown[0].Caption, std::string("Error"));
        w->dialogs.SavedFiles.push_back(w->data.Path() + "no/such/folder/x.txt");
        window->onSaveWordListClicked();
        QCOMPARE(w->boxes.Shown.size(), std::size_t(2));
    }

    void aWordListLoadedWithItsMarkIsSavedWithItAtClose() {
        window->onStartupTimer();
        const std::string file = w->data.File("marked.txt", kUtf8Mark + "Urlaub\r\nArbeit\r\n");
        w->dialogs.OpenedFiles.push_back({file});
        window->onLoadWordListClicked();
        window->close();
        QCOMPARE(w->data.Read(kWordListFileName), kUtf8Mark + "Urlaub\r\nArbeit");
    }

    void wordListFileKeepsCrAndLfLineEnds() {
        PosixFileSystem fs;
        std::string error;
        const std::string path = w->data.File("mixed.txt", "a\rb\nc\r\n\r\nd");
        const auto content = LoadWordList(fs, path, error);
        QVERIFY(content);
        QCOMPARE(JoinWordList(*content), std::string("a\nb\nc\n\nd"));
        QVERIFY(SaveWordList(fs, path, "x\ny", TextEncoding::Utf16BE, error));
        QCOMPARE(w->data.Read("mixed.txt"), std::string("\xFE\xFF\0x\0\r\0\n\0y", 10));
    }
};

QTEST_MAIN(WordListTest)
#include "WordListTest.moc"
