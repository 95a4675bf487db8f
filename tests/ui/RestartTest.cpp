// SPDX-License-Identifier: GPL-3.0-or-later
// Every setting that outlives a restart, changed in one window, saved at its close and back in the
// next window, through the real settings store and data folder of a temporary home.
#include "TempHome.h"
#include "engine/RunJournal.h"
#include "platform/fakes/FakePump.h"
#include "platform/fakes/MemorySettingsStore.h"
#include "platform/fakes/RecordingShell.h"
#include "platform/fakes/ScriptedFileDialogs.h"
#include "platform/fakes/ScriptedMessageBoxes.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/qt/QtSettingsStore.h"
#include "support/TestWindow.h"
#include "ui/DataFolder.h"
#include "ui/FileTypesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>

using namespace varnolt;

namespace {

QStringList Entries(const QComboBox* box) {
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i);
    return entries;
}

void ConfirmGroup(MainWindow& window, QPushButton* change, const QString& types) {
    QTimer::singleShot(0, window.fileTypesDialog, [&window, types] {
        window.fileTypesDialog->typesEdit->setText(types);
        window.fileTypesDialog->okButton->click();
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
    FakeEmbeddedDates dates;
    QtTranslator engineTexts;
    std::string dataFolder;

    std::string Read(const std::string& path) {
        std::string error;
        return fs.ReadWholeFile(path, error).value_or("");
    }

    std::unique_ptr<MainWindow> Start() { return Start(settings); }
    std::unique_ptr<MainWindow> Start(SettingsStore& store) {
        auto window = std::make_unique<MainWindow>(fs, boxes, pump, shell, store, dialogs, dates, engineTexts,
                                                   dataFolder);
        window->onStartupTimer();
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
        QVERIFY(!window->undoButton->isEnabled());
        QVERIFY(window->loadLastListButton->isHidden());
        QCOMPARE(window->resultLocation->count(), 0);
        QCOMPARE(window->typeFilterText->text(), QString("mp3;wma;wav;mid;midi;ac3;ape;ram"));
        QVERIFY(window->wordList->toPlainText().isEmpty());
        QVERIFY(boxes.Shown.empty());
    }

    void everyPersistedSettingComesBackAfterARestart() {
        const std::string words = home->Path() + "words.txt";
        TempDir sources;
        const std::string inbox = sources.Folder("Inbox"), camera = sources.Folder("Camera");
        {
            const auto window = Start();
            ConfirmGroup(*window, window->GroupChangeButton(TypeGroup::Music), "OGG;.Flac");
            ConfirmGroup(*window, window->GroupChangeButton(TypeGroup::Document), "pdf");
            window->otherGroup1Folder->setText("My Pics");
            window->otherGroup1Types->setText("jpg;png");
            window->otherGroup2Folder->setText("Docs");
            window->otherGroup2Types->setText("pdf");
            window->typeFilterGroup->setCurrentIndex(kCustomFilterEntry);
            emit window->typeFilterGroup->activated(kCustomFilterEntry);
            window->typeFilterText->setText("abc;xyz");
            window->useTypeFilter->setChecked(true);
            std::string error;
            QVERIFY(fs.ReplaceFile(words,
                                   "\xEF\xBB\xBF"
                                   "Urlaub\r\nArbeit\r\n",
                                   error));
            dialogs.OpenedFiles.push_back({words});
            window->loadWordListButton->setEnabled(true);
            window->loadWordListButton->click();
            window->wordList->appendPlainText("Familie");
            for (const std::string& folder : {inbox, camera}) {
                dialogs.Folders.push_back(folder);
                window->addFolderButton->click();
            }
            for (int i = 11; i >= 0; --i)
                window->RememberResultLocation("/out/" + std::to_string(i));
            // A run killed in its middle leaves its journal half-written.
            QVERIFY(fs.ReplaceFile(dataFolder + kJournalInProgressFileName,
                                   "Move Mode\r\n/in/a\r\n/out/a\r\n", error));
            window->close();
        }
        QVERIFY(boxes.Shown.empty());

        const auto window = Start();
        QCOMPARE(window->GroupCheckBox(TypeGroup::Music)->toolTip(), QString("ogg;flac"));
        QCOMPARE(window->Options().Group(TypeGroup::Music).Types, std::string("ogg;flac"));
        QCOMPARE(window->GroupCheckBox(TypeGroup::Document)->toolTip(), QString("pdf"));
        QCOMPARE(window->GroupCheckBox(TypeGroup::Image)->toolTip(),
                 QString("bmp;jpg;jpeg;gif;tif;tiff;png;psd;ico"));
        // The space in the folder name moves its second word into the list.
        QCOMPARE(window->otherGroup1Folder->text(), QString("My"));
        QCOMPARE(window->otherGroup1Types->text(), QString("Pics jpg;png"));
        QCOMPARE(window->Options().Other1Folder, std::string("My"));
        QCOMPARE(window->otherGroup2Folder->text(), QString("Docs"));
        QCOMPARE(window->otherGroup2Types->text(), QString("pdf"));
        QCOMPARE(window->typeFilterGroup->currentIndex(), 0);
        QCOMPARE(window->typeFilterText->text(), QString("ogg;flac"));
        QVERIFY(!window->useTypeFilter->isChecked());
        QCOMPARE(window->CustomTypeList(), std::string("abc;xyz"));
        QCOMPARE(window->wordList->toPlainText(), QString("Urlaub\nArbeit\nFamilie"));
        QCOMPARE(window->WordListEncoding(), TextEncoding::Utf8WithMark);
        QCOMPARE(window->Options().Words, (std::vector<std::string>{"Urlaub", "Arbeit", "Familie"}));
        QStringList firstTen;
        for (int i = 0; i < 10; ++i)
            firstTen << QString("/out/%1").arg(i);
        QCOMPARE(Entries(window->resultLocation), firstTen);
        QCOMPARE(window->resultLocation->currentText(), QString());
        QVERIFY(window->undoButton->isEnabled());
        QVERIFY(fs.FileExists(dataFolder + kJournalFileName));
        QVERIFY(!window->loadLastListButton->isHidden());
        QCOMPARE(window->sourceList->topLevelItemCount(), 0);
        window->loadLastListButton->click();
        QCOMPARE(window->Options().SourceList, (std::vector<std::string>{camera, inbox}));
        QVERIFY(boxes.Shown.empty());
    }

    void aWindowClosedBeforeTheStartUpStepSavesNothing() {
        {
            const auto window = Start();
            window->RememberResultLocation("/out");
            window->close();
        }
        MainWindow(fs, boxes, pump, shell, settings, dialogs, dates, engineTexts, dataFolder).close();
        QCOMPARE(Entries(Start()->resultLocation), QStringList{"/out"});
    }

    void aValueQtCannotReadThenCloseKeepsTheHistory() {
        home->WriteSettingsFile("[General]\nImage=jpg, png\nFolder0=/out/a\nFolder1=/out/b\n");
        {
            const auto window = Start();
            QCOMPARE(boxes.Texts(),
                     std::vector<std::string>{"Invalid data type for 'Image' in " + home->SettingsFile()});
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
            window->otherGroup1Folder->setText("Pics");
            window->otherGroup1Types->setText("jpg");
            window->wordList->setPlainText("Urlaub");
            window->AddSources({"/kept"});
            window->close();
        }
        QVERIFY(boxes.Shown.empty());
        // The first write drops the line: it goes back for the "Change" dialog's write.
        home->WriteSettingsFile(Read(home->SettingsFile()) + "\n[Notes]\n# kept by hand\n");
        {
            const auto window = Start();
            ConfirmGroup(*window, window->GroupChangeButton(TypeGroup::Music), "ogg");
        }
        QVERIFY(boxes.Shown.empty());
        const auto window = Start();
        QCOMPARE(window->GroupCheckBox(TypeGroup::Music)->toolTip(), QString("ogg"));
        QCOMPARE(window->otherGroup1Folder->text(), QString("Pics"));
        QCOMPARE(window->wordList->toPlainText(), QString("Urlaub"));
        QCOMPARE(Entries(window->resultLocation), QStringList{"/out/a"});
        window->loadLastListButton->click();
        QCOMPARE(window->Options().SourceList, std::vector<std::string>{"/kept"});
    }

    void aWindowsWordListKeepsItsBytes() {
        std::string bytes = "Caf\xE9\r\nK\xF6ln\r\n";
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            bytes += static_cast<char>(byte);
        std::string error;
        QVERIFY(fs.ReplaceFile(dataFolder + kWordListFileName, bytes, error));
        {
            const auto window = Start();
            QCOMPARE(window->Options().Words.at(0), std::string("Café"));
            QVERIFY(window->wordList->toPlainText().startsWith(QString::fromUtf8("Café\nKöln\n€")));
            window->close();
        }
        QCOMPARE(Read(dataFolder + kWordListFileName), bytes);
        {
            // A word the code page has no byte for: the list goes over to UTF-8 rather than lose it.
            const auto window = Start();
            window->wordList->setPlainText("Café\n写真");
            window->close();
        }
        QCOMPARE(Start()->wordList->toPlainText(), QString::fromUtf8("Café\n写真"));
    }

    void whatCannotBeKeptAtCloseIsToldAndTheWindowStillCloses() {
        const auto window = Start();
        window->show();
        window->otherGroup1Folder->setText("Pics");
        window->wordList->setPlainText("Urlaub");
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
        const std::vector<std::string> told = {"Other groups",      "word list",         kWordListFileName,
                                               "source list",       kSourceListFileName, "history",
                                               home->SettingsFile()};
        for (const std::string& what : told)
            QVERIFY2(boxes.Shown[0].Text.find(what) != std::string::npos, what.c_str());
    }

    // Size, place, splitter and method come back; a place on a screen that is gone comes back on this one.
    void theWindowComesBackWhereItWasLeft() {
        MemorySettingsStore store;
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(area.width() >= 1024 && area.height() >= 768, "needs the test's screen of 1280 x 800");
        QRect place;
        QList<int> heights;
        {
            const auto window = Start(store);
            window->methodTree->setCurrentItem(
                window->methodTree->findItems("by file size", Qt::MatchExactly | Qt::MatchRecursive)
                    .value(0));
            place = QRect(area.topLeft() + QPoint(30, 60), window->size() + QSize(20, 10));
            window->setGeometry(place);
            window->layout()->activate();
            const QList<int> sizes = window->splitter->sizes();
            window->splitter->setSizes({sizes[0] + 40, sizes[1] - 40});
            heights = window->splitter->sizes();
            QVERIFY(window->close());
        }
        QVERIFY(boxes.Shown.empty());
        {
            const auto window = Start(store);
            QCOMPARE(window->geometry(), place);
            QCOMPARE(window->splitter->sizes(), heights);
            QCOMPARE(window->MethodKey(), std::string(Method::Size));
            window->move(area.right() + 400, area.bottom() + 300);
            QVERIFY(window->close());
        }
        const auto window = Start(store);
        QVERIFY2(area.contains(window->geometry()) || window->size().width() > area.width() ||
                     window->size().height() > area.height(),
                 qPrintable(QStringLiteral("%1,%2").arg(window->x()).arg(window->y())));
        QVERIFY(area.contains(window->geometry().topLeft()));
        QCOMPARE(window->size(), place.size().boundedTo(area.size()).expandedTo(window->minimumSizeHint()));
    }

    void keptOnScreen_data() {
        QTest::addColumn<QRect>("wanted");
        QTest::addColumn<QRect>("kept");
        const QRect area(0, 30, 1280, 770); // a panel at the top
        QTest::newRow("on the area") << QRect(100, 100, 900, 600) << QRect(100, 100, 900, 600);
        QTest::newRow("past the right and bottom") << QRect(1000, 700, 900, 600) << QRect(380, 200, 900, 600);
        QTest::newRow("above and left of it") << QRect(-500, -80, 900, 600) << QRect(0, 30, 900, 600);
        QTest::newRow("larger than the area") << QRect(50, 50, 2000, 1000) << QRect(0, 30, 1280, 770);
        QTest::newRow("below the least size") << QRect(10, 40, 300, 200) << QRect(10, 40, 640, 480);
    }
    void keptOnScreen() {
        QFETCH(QRect, wanted);
        QFETCH(QRect, kept);
        QCOMPARE(MainWindow::KeptOnScreen(wanted, {640, 480}, QRect(0, 30, 1280, 770)), kept);
    }

    void emptyListsAtCloseKeepTheStoredOnes() {
        {
            const auto window = Start();
            window->wordList->setPlainText("kept");
            window->AddSources({"/kept"});
            window->close();
        }
        {
            const auto window = Start();
            window->wordList->clear();
            window->close();
        }
        const auto window = Start();
        QCOMPARE(window->wordList->toPlainText(), QString("kept"));
        window->loadLastListButton->click();
        QCOMPARE(window->Options().SourceList, std::vector<std::string>{"/kept"});
    }
};

QTEST_MAIN(RestartTest)
#include "RestartTest.moc"
