// Every setting that outlives a restart, changed in one window, saved at its close and back in the
// next window, through the real settings store and data folder of a temporary home.
#include "TempHome.h"
#include "engine/RunJournal.h"
#include "platform/fakes/FakePump.h"
#include "platform/fakes/RecordingShell.h"
#include "platform/fakes/ScriptedFileDialogs.h"
#include "platform/fakes/ScriptedMessageBoxes.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/qt/QtSettingsStore.h"
#include "support/TestWindow.h"
#include "ui/DataFolder.h"
#include "ui/TForm6.h"

#include <QCheckBox>
#include <QSettings>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <filesystem>

using namespace varnolt;

namespace {

QStringList Entries(const QComboBox* box) {
    QStringList entries;
    for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
    return entries;
}

void ConfirmGroup(TForm1& window, QPushButton* change, const QString& types) {
    QTimer::singleShot(0, window.Form6, [&window, types] {
        window.Form6->Edit1->setText(types);
        window.Form6->Button1->click();
    });
    change->click();
}

} // namespace

class RestartTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempHome> home;
    PosixFileSystem fs;
    ScriptedMessageBoxes boxes;
    FakePump pump;
    RecordingShell shell;
    QtSettingsStore settings;
    ScriptedFileDialogs dialogs;
    std::string dataFolder;

    std::string Read(const std::string& path) {
        std::string error;
        return fs.ReadWholeFile(path, error).value_or("");
    }

    std::unique_ptr<TForm1> Start() {
        auto window = std::make_unique<TForm1>(fs, boxes, pump, shell, settings, dialogs, dataFolder);
        window->Timer1Timer();
        return window;
    }

private slots:
    void initTestCase() { UseTestLocale(); }
    void init() {
        home = std::make_unique<TempHome>();
        boxes = ScriptedMessageBoxes();
        dataFolder = MakeDataFolder(fs, UserDataLocation());
    }
    void cleanup() { home.reset(); }

    void firstStartCreatesTheDataFolderAndKeepsDefaults() {
        QCOMPARE(dataFolder, home->DataLocation() + "Quorvane/Varnolt/");
        QVERIFY(fs.FolderExists(dataFolder));
        const auto window = Start();
        QCOMPARE(window->MethodKey(), std::string("date"));
        QVERIFY(!window->SpeedButton10->isEnabled());
        QVERIFY(window->Button1->isHidden());
        QCOMPARE(window->ComboBox4->count(), 0);
        QCOMPARE(window->Edit1->text(), QString("mp3;wma;wav;mid;midi;ac3;ape;ram"));
        QVERIFY(window->Memo1->toPlainText().isEmpty());
        QVERIFY(boxes.Shown.empty());
    }

    void everyPersistedSettingComesBackAfterARestart() {
        const std::string words = home->Path() + "words.txt";
        TempDir sources;
        const std::string inbox = sources.Folder("Inbox"), camera = sources.Folder("Camera");
        {
            const auto window = Start();
            ConfirmGroup(*window, window->Button4, "OGG;.Flac");
            ConfirmGroup(*window, window->Button8, "pdf");
            window->Edit3->setText("My Pics");
            window->Edit4->setText("jpg;png");
            window->Edit5->setText("Docs");
            window->Edit6->setText("pdf");
            window->ComboBox1->setCurrentIndex(kCustomFilterEntry);
            emit window->ComboBox1->activated(kCustomFilterEntry);
            window->Edit1->setText("abc;xyz");
            window->CheckBox28->setChecked(true);
            std::string error;
            QVERIFY(fs.ReplaceFile(words, "\xEF\xBB\xBF" "Urlaub\r\nArbeit\r\n", error));
            dialogs.OpenedFiles.push_back({words});
            window->Button3->setEnabled(true);
            window->Button3->click();
            window->Memo1->appendPlainText("Familie");
            for (const std::string& folder : {inbox, camera}) {
                dialogs.Folders.push_back(folder);
                window->SpeedButton4->click();
            }
            for (int i = 11; i >= 0; --i) window->RememberResultLocation("/out/" + std::to_string(i));
            // A run killed in its middle leaves its journal half-written.
            QVERIFY(fs.ReplaceFile(dataFolder + kJournalInProgressFileName, "Move Mode\r\n/in/a\r\n/out/a\r\n", error));
            window->close();
        }
        QVERIFY(boxes.Shown.empty());

        const auto window = Start();
        QCOMPARE(window->CheckBox10->toolTip(), QString("ogg;flac"));
        QCOMPARE(window->Options().MusicTypes, std::string("ogg;flac"));
        QCOMPARE(window->CheckBox8->toolTip(), QString("pdf"));
        QCOMPARE(window->CheckBox7->toolTip(), QString("bmp;jpg;jpeg;gif;tif;tiff;png;psd;ico"));
        // The space in the folder name moves its second word into the list.
        QCOMPARE(window->Edit3->text(), QString("My"));
        QCOMPARE(window->Edit4->text(), QString("Pics jpg;png"));
        QCOMPARE(window->Options().Other1Folder, std::string("My"));
        QCOMPARE(window->Edit5->text(), QString("Docs"));
        QCOMPARE(window->Edit6->text(), QString("pdf"));
        QCOMPARE(window->ComboBox1->currentIndex(), 0);
        QCOMPARE(window->Edit1->text(), QString("ogg;flac"));
        QVERIFY(!window->CheckBox28->isChecked());
        QCOMPARE(window->CustomTypeList(), std::string("abc;xyz"));
        QCOMPARE(window->Memo1->toPlainText(), QString("Urlaub\nArbeit\nFamilie"));
        QCOMPARE(window->WordListEncoding(), TextEncoding::Utf8WithMark);
        QCOMPARE(window->Options().Words, (std::vector<std::string>{"Urlaub", "Arbeit", "Familie"}));
        QStringList firstTen;
        for (int i = 0; i < 10; ++i) firstTen << QString("/out/%1").arg(i);
        QCOMPARE(Entries(window->ComboBox4), firstTen);
        QCOMPARE(window->ComboBox4->currentText(), QString());
        QVERIFY(window->SpeedButton10->isEnabled());
        QVERIFY(fs.FileExists(dataFolder + kJournalFileName));
        QVERIFY(!window->Button1->isHidden());
        QCOMPARE(window->ListView1->topLevelItemCount(), 0);
        window->Button1->click();
        QCOMPARE(window->Options().SourceList, (std::vector<std::string>{camera, inbox}));
        QVERIFY(boxes.Shown.empty());
    }

    void aWindowClosedBeforeTheStartUpStepSavesNothing() {
        {
            const auto window = Start();
            window->RememberResultLocation("/out");
            window->close();
        }
        TForm1(fs, boxes, pump, shell, settings, dialogs, dataFolder).close();
        QCOMPARE(Entries(Start()->ComboBox4), QStringList{"/out"});
    }

    void aValueQtCannotReadThenCloseKeepsTheHistory() {
        home->WriteSettingsFile("[General]\nImage=jpg, png\nFolder0=/out/a\nFolder1=/out/b\n");
        {
            const auto window = Start();
            QCOMPARE(boxes.Texts(), std::vector<std::string>{"Invalid data type for 'Image' in " + home->SettingsFile()});
            window->RememberResultLocation("/out/new");
            window->close();
        }
        QCOMPARE(boxes.Shown.size(), std::size_t(1));
        const QSettings stored("Quorvane", "Varnolt");
        QCOMPARE(stored.value("Image").toStringList(), (QStringList{"jpg", "png"}));
        QCOMPARE(stored.value("Folder0").toString(), QString("/out/new"));
        QCOMPARE(stored.value("Folder1").toString(), QString("/out/a"));
        QCOMPARE(stored.value("Folder2").toString(), QString("/out/b"));
    }

    // Qt takes only ";" for a comment and reports any other odd line as a format error for good.
    void aLineQtCannotParseMakesNoWriteFail() {
        home->WriteSettingsFile("[General]\nFolder0=/out/a\n\n[Notes]\n# kept by hand\n");
        {
            const auto window = Start();
            window->Edit3->setText("Pics");
            window->Edit4->setText("jpg");
            window->Memo1->setPlainText("Urlaub");
            window->AddSources({"/kept"});
            window->close();
        }
        QVERIFY(boxes.Shown.empty());
        // The first write drops the line: it goes back for the "Change" dialog's write.
        home->WriteSettingsFile(Read(home->SettingsFile()) + "\n[Notes]\n# kept by hand\n");
        {
            const auto window = Start();
            ConfirmGroup(*window, window->Button4, "ogg");
        }
        QVERIFY(boxes.Shown.empty());
        const auto window = Start();
        QCOMPARE(window->CheckBox10->toolTip(), QString("ogg"));
        QCOMPARE(window->Edit3->text(), QString("Pics"));
        QCOMPARE(window->Memo1->toPlainText(), QString("Urlaub"));
        QCOMPARE(Entries(window->ComboBox4), QStringList{"/out/a"});
        window->Button1->click();
        QCOMPARE(window->Options().SourceList, std::vector<std::string>{"/kept"});
    }

    void aWindowsWordListKeepsItsBytes() {
        std::string bytes = "Caf\xE9\r\nK\xF6ln\r\n";
        for (int byte = 0x80; byte <= 0xFF; ++byte) bytes += static_cast<char>(byte);
        std::string error;
        QVERIFY(fs.ReplaceFile(dataFolder + kWordListFileName, bytes, error));
        {
            const auto window = Start();
            QCOMPARE(window->Options().Words.at(0), std::string("Café"));
            QVERIFY(window->Memo1->toPlainText().startsWith(QString::fromUtf8("Café\nKöln\n€")));
            window->close();
        }
        QCOMPARE(Read(dataFolder + kWordListFileName), bytes);
        {
            // A word the code page has no byte for: the list goes over to UTF-8 rather than lose it.
            const auto window = Start();
            window->Memo1->setPlainText("Café\n写真");
            window->close();
        }
        QCOMPARE(Start()->Memo1->toPlainText(), QString::fromUtf8("Café\n写真"));
    }

    void whatCannotBeKeptAtCloseIsToldAndTheWindowStillCloses() {
        const auto window = Start();
        window->show();
        window->Edit3->setText("Pics");
        window->Memo1->setPlainText("Urlaub");
        window->AddSources({"/kept"});
        window->RememberResultLocation("/out");
        // A file where the data folder was and a folder where the settings file goes: neither can be
        // written, not even by root.
        std::filesystem::remove_all(dataFolder);
        std::string error;
        QVERIFY(fs.ReplaceFile(dataFolder.substr(0, dataFolder.size() - 1), "", error));
        std::filesystem::create_directories(home->SettingsFile());
        QVERIFY(window->close());
        QVERIFY(!window->isVisible());
        QCOMPARE(boxes.Shown.size(), std::size_t(1));
        const std::vector<std::string> told = {"Other groups", "word list", kWordListFileName, "source list",
                                               kSourceListFileName, "history", home->SettingsFile()};
        for (const std::string& what : told)
            QVERIFY2(boxes.Shown[0].Text.find(what) != std::string::npos, what.c_str());
    }

    void emptyListsAtCloseKeepTheStoredOnes() {
        {
            const auto window = Start();
            window->Memo1->setPlainText("kept");
            window->AddSources({"/kept"});
            window->close();
        }
        {
            const auto window = Start();
            window->Memo1->clear();
            window->close();
        }
        const auto window = Start();
        QCOMPARE(window->Memo1->toPlainText(), QString("kept"));
        window->Button1->click();
        QCOMPARE(window->Options().SourceList, std::vector<std::string>{"/kept"});
    }
};

QTEST_MAIN(RestartTest)
#include "RestartTest.moc"
