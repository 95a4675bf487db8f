// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar driving the engine through the window: preview, run, undo, stop, a second command clicked
// during the first, the close query, help, and what the engine shows back in the window.
#include "engine/Messages.h"
#include "engine/RunJournal.h"
#include "engine/Text.h"
#include "support/TestWindow.h"
#include "ui/PreviewTreeModel.h"
#include "ui/ReportDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>
#include <functional>

using namespace varnolt;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A box's icon tells its kind as its caption does; a box that asks yes or no shows a question.
bool IconMatchesItsKind(const ShownMessage& box) {
    if (box.Caption == Messages::Error) return box.Icon == Icon::Error;
    if (box.Caption == Messages::Warning) return box.Icon == Icon::Warning;
    if (box.Buttons == Buttons::YesNo) return box.Icon == Icon::Question;
    return box.Icon == Icon::Information;
}

} // namespace

class WindowCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWindow> t;
    std::unique_ptr<TempDir> tree;

    QToolButton* Button(const char* name) const { return t->Find<QToolButton>(name); }
    QString Status(int panel) const {
        return t->window->statusPanels[static_cast<std::size_t>(panel)]->text();
    }
    bool Asked(const std::string& text) const {
        const auto texts = t->boxes.Texts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    // A source folder of `count` files.
    std::string SourceFolder(int count) {
        for (int i = 0; i < count; ++i)
            tree->File("in/file" + std::to_string(i) + ".txt", "x");
        return tree->Path() + "in";
    }
    int PreviewItems() const {
        const PreviewTreeModel& model = t->window->PreviewModel();
        int items = 0;
        const QModelIndex root = model.index(0, 0);
        for (int c = 0; c < model.rowCount(root); ++c)
            items += model.rowCount(model.index(c, 0, root));
        return items;
    }
    // Runs `action` at the first turn of the event loop inside the command that starts next.
    static void DuringTheCommand(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

  private slots:
    void initTestCase() {
        UseTestLocale();
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void init() {
        t = std::make_unique<TestWindow>();
        tree = std::make_unique<TempDir>();
        t->window->onStartupTimer(); // "by file date"
    }
    void cleanup() {
        for (const ShownMessage& box : t->boxes.Shown)
            QVERIFY2(IconMatchesItsKind(box), box.Text.c_str());
        t.reset();
        tree.reset();
    }

    void previewFromTheToolbarFillsTheResultTree() {
        t->window->AddSources({SourceFolder(3)});
        QSignalSpy inserted(&t->window->PreviewModel(), &QAbstractItemModel::rowsInserted);
        Button("SpeedButton12")->click();
        const PreviewTreeModel& model = t->window->PreviewModel();
        QCOMPARE(model.rowCount(), 1);
        const QModelIndex root = model.index(0, 0);
        QCOMPARE(root.data().toString(), QString::fromLatin1(Messages::NoResultLocationRoot));
        QCOMPARE(model.rowCount(root), 1); // one day
        QCOMPARE(PreviewItems(), 3);
        QVERIFY(t->window->previewTree->isExpanded(root));
        QVERIFY(!t->Find<QWidget>("Panel15")->isVisibleTo(t->window.get()));
        QCOMPARE(Status(0), QStringLiteral("Preview done."));
        QCOMPARE(Status(1), QStringLiteral("Files: 3, Categories: 1"));
        QVERIFY(!Button("SpeedButton11")->isEnabled());
        QVERIFY(!Button("SpeedButton10")->isEnabled()); // a preview leaves no journal
        QVERIFY(inserted.size() < 3 + 2);               // batched, not one insertion per node
        QVERIFY(tree->Exists("in/file0.txt"));
    }

    void aLongPreviewReachesTheViewInBatches() {
        t->window->AddSources({SourceFolder(400)});
        QSignalSpy inserted(&t->window->PreviewModel(), &QAbstractItemModel::rowsInserted);
        Button("SpeedButton12")->click();
        QCOMPARE(PreviewItems(), 400);
        QVERIFY2(inserted.size() < 100, qPrintable(QString::number(inserted.size())));
    }

    void previewShowsTheNormalisedOptions() {
        t->SelectEntry(QStringLiteral("by file type"));
        t->Find<QCheckBox>("CheckBox13")->setChecked(true);
        t->Find<QCheckBox>("CheckBox11")->setChecked(true);
        t->Find<QLineEdit>("Edit3")->setText(QStringLiteral("  Pics"));
        t->Find<QLineEdit>("Edit4")->setText(QStringLiteral(" .JPG;.Png  "));
        t->window->AddSources({SourceFolder(1)});
        t->Find<QComboBox>("ComboBox4")->setEditText(QStringLiteral("  /somewhere/out  "));
        Button("SpeedButton12")->click();
        QCOMPARE(t->Find<QLineEdit>("Edit3")->text(), QStringLiteral("Pics"));
        QCOMPARE(t->Find<QLineEdit>("Edit4")->text(), QStringLiteral("jpg;png"));
        QCOMPARE(t->Find<QComboBox>("ComboBox4")->currentText(), QStringLiteral("/somewhere/out"));
        QCOMPARE(t->window->PreviewModel().index(0, 0).data().toString(), QStringLiteral("/somewhere/out"));
    }

    void aRefusalMovesTheFocusToTheField() {
        t->window->show();
        QVERIFY(QTest::qWaitForWindowActive(t->window.get()));
        t->SelectEntry(QStringLiteral("by file number"));
        t->window->AddSources({SourceFolder(1)});
        Button("SpeedButton12")->click();
        QVERIFY(Asked(Messages::NoSubfolderName));
        QCOMPARE(QApplication::focusWidget(), t->Find<QWidget>("Edit9"));
        QCOMPARE(PreviewItems(), 0);
    }

    void runAndUndoThroughTheWindow() {
        const std::string out = tree->Path() + "out";
        t->window->AddSources({SourceFolder(2)});
        t->Find<QComboBox>("ComboBox4")->setEditText(Q(out));
        t->boxes.Answers = {Answer::Yes /* run now */, Answer::No /* open the result */};
        Button("SpeedButton1")->click();
        QVERIFY(!tree->Exists("in/file0.txt"));
        QVERIFY(!tree->Exists("in/file1.txt"));
        QCOMPARE(Status(0), QStringLiteral("Classify done. 2 files were classified!"));
        QVERIFY(Button("SpeedButton10")->isEnabled());
        QVERIFY(!Button("SpeedButton11")->isEnabled());
        QVERIFY(t->data.Exists("undo.udo"));
        QCOMPARE(t->Find<QComboBox>("ComboBox4")->itemText(0), Q(out));
        QVERIFY(t->shell.OpenedFolders.empty());
        // A run leaves the preview caption in place: only a preview hides it.
        QVERIFY(t->Find<QWidget>("Panel15")->isVisibleTo(t->window.get()));
        Button("SpeedButton12")->click();
        QCOMPARE(t->window->PreviewModel().rowCount(), 1);

        t->boxes.Answers = {Answer::Yes};
        Button("SpeedButton10")->click();
        QVERIFY(Asked(Messages::ConfirmUndo));
        QVERIFY(tree->Exists("in/file0.txt"));
        QVERIFY(tree->Exists("in/file1.txt"));
        // The end says what came back, in an Information box; the tree predicted from before is gone.
        QCOMPARE(Status(0), QString::fromLatin1(Messages::UndoDone));
        QCOMPARE(Status(1), QStringLiteral("Undo done: 2 items put back."));
        QCOMPARE(t->boxes.Shown.back().Text, std::string(Messages::UndoDone));
        QCOMPARE(t->boxes.Shown.back().Caption, std::string(Messages::Information));
        QVERIFY(t->boxes.Shown.back().Icon == Icon::Information);
        QCOMPARE(t->window->PreviewModel().rowCount(), 0);
        QVERIFY(t->Find<QWidget>("Panel15")->isVisibleTo(t->window.get()));
        QVERIFY(!Button("SpeedButton10")->isEnabled());
        QVERIFY(!t->data.Exists("undo.udo"));
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // What a run could not place is listed with its reason in a window of its own, which can copy it.
    void aRunThatLeftItemsBehindReportsEach() {
        const std::string out = tree->Path() + "out";
        tree->File("in/photo.jpg", "p");
        tree->File("in/notes.md", "m");
        tree->File("in/two\nlines.jpg", "l");
        t->SelectEntry(QStringLiteral("by file type"));
        t->Find<QCheckBox>("CheckBox7")->setChecked(true); // image files
        t->window->AddSources({tree->Path() + "in"});
        t->Find<QComboBox>("ComboBox4")->setEditText(Q(out));
        t->boxes.Answers = {Answer::Yes /* run now */, Answer::No /* open the result */};
        Button("SpeedButton1")->click();
        QVERIFY(tree->Exists("out/Image files/photo.jpg"));
        QCOMPARE(Status(1), QStringLiteral("1 placed, 2 not placed"));
        const ReportDialog* report = t->window->Host().ReportWindow();
        QVERIFY(report && report->isVisible());
        QCOMPARE(report->findChild<QTreeWidget*>(QStringLiteral("ReportRows"))->topLevelItemCount(), 2);
        const QString list = report->ListText();
        QVERIFY(list.startsWith(Q(tree->Path() + "in/notes.md\tno category for it")));
        QVERIFY(list.contains(QStringLiteral("lines.jpg\tcannot be moved: the name holds a line break")));
        // The Parts' end question still comes, after the report.
        QVERIFY(Asked(FillPlaceholders(Messages::RunCompleted, {"1"}).c_str()));
    }

    // Another process runs: the window's run and undo are refused in an Information box and change
    // nothing; a run whose journal cannot be written moves nothing.
    void whileAnotherProcessHoldsTheJournalRunAndUndoAreRefused() {
        const std::string out = tree->Path() + "out";
        t->window->AddSources({SourceFolder(2)});
        t->Find<QComboBox>("ComboBox4")->setEditText(Q(out));
        t->data.File("undo.udo", "Move Mode\r\n");
        t->window->SetUndoEnabled(true);
        auto other = std::make_unique<JournalLock>(TakeJournalLock(t->fs, t->data.Path()));
        QVERIFY(other->Held);
        t->boxes.Answers = {Answer::Yes, Answer::Yes};
        Button("SpeedButton1")->click();
        Button("SpeedButton10")->click();
        QCOMPARE(t->boxes.Texts(),
                 (std::vector<std::string>{Messages::RunOrPreview, Messages::AnotherRunInProgress,
                                           Messages::ConfirmUndo, Messages::AnotherRunInProgress}));
        QCOMPARE(t->boxes.Shown[1].Caption, std::string(Messages::Information));
        QVERIFY(tree->Exists("in/file0.txt"));
        QVERIFY(!tree->Exists("out"));
        QVERIFY(Button("SpeedButton10")->isEnabled());
        other.reset();

        // A journal that cannot be locked (its data folder is gone): nothing moves, and an Error box says
        // why.
        std::filesystem::remove_all(t->data.Path());
        t->boxes.Answers = {Answer::Yes};
        Button("SpeedButton1")->click();
        QVERIFY(tree->Exists("in/file0.txt"));
        QCOMPARE(t->boxes.Shown.back().Caption, std::string(Messages::Error));
        QVERIFY(t->boxes.Shown.back().Text.ends_with("Nothing was changed."));
    }

    void answeringYesToTheEndQuestionOpensTheResult() {
        const std::string out = tree->Path() + "out";
        t->window->AddSources({SourceFolder(1)});
        t->Find<QComboBox>("ComboBox4")->setEditText(Q(out));
        t->boxes.Answers = {Answer::Yes, Answer::Yes};
        Button("SpeedButton1")->click();
        QCOMPARE(t->shell.OpenedFolders, std::vector<std::string>{out});
    }

    void stopDuringAPreviewEndsItEarly() {
        t->window->AddSources({SourceFolder(200)});
        DuringTheCommand([this] {
            QVERIFY(Button("SpeedButton11")->isEnabled());
            Button("SpeedButton11")->click();
        });
        Button("SpeedButton12")->click();
        QVERIFY(Asked(Messages::ConfirmStop));
        QVERIFY(PreviewItems() < 200);
        QCOMPARE(Status(0), QStringLiteral("Preview stopped: %1 items").arg(PreviewItems()));
        QVERIFY(!Button("SpeedButton11")->isEnabled());
    }

    void stopAnsweredNoLetsThePreviewGoOn() {
        t->window->AddSources({SourceFolder(50)});
        t->boxes.Answers = {Answer::No};
        DuringTheCommand([this] { Button("SpeedButton11")->click(); });
        Button("SpeedButton12")->click();
        QVERIFY(Asked(Messages::ConfirmStop));
        QCOMPARE(PreviewItems(), 50);
    }

    void clicksDuringACommandStartNothing() {
        t->window->AddSources({SourceFolder(30)});
        int turns = 0;
        DuringTheCommand([this, &turns] {
            ++turns;
            Button("SpeedButton1")->click();
            Button("SpeedButton12")->click();
            Button("SpeedButton10")->click();
        });
        Button("SpeedButton12")->click();
        QCOMPARE(turns, 1);
        QVERIFY(!Asked(Messages::RunOrPreview));
        QVERIFY(!Asked(Messages::ConfirmUndo));
        QCOMPARE(PreviewItems(), 30);
    }

    void optionsChangedDuringAPreviewApplyToTheNextItems() {
        t->window->AddSources({SourceFolder(40)});
        t->Find<QCheckBox>("CheckBox27")->setChecked(false);
        DuringTheCommand([this] {
            t->Find<QSpinBox>("Edit10")->setValue(5);
            t->Find<QCheckBox>("CheckBox27")->setChecked(true);
        });
        Button("SpeedButton12")->click();
        QCOMPARE(PreviewItems(), 5);
    }

    void closingWhileIdleNeedsNoQuestion() {
        t->window->show();
        QSignalSpy closing(t->window.get(), &MainWindow::closing);
        Button("SpeedButton8")->click();
        QVERIFY(!t->window->isVisible());
        QCOMPARE(closing.size(), 1);
        QVERIFY(t->boxes.Shown.empty());
    }

    void closeQueryAnsweredNoLetsThePreviewFinish() {
        t->window->show();
        t->window->AddSources({SourceFolder(40)});
        QSignalSpy closing(t->window.get(), &MainWindow::closing);
        t->boxes.Answers = {Answer::No};
        DuringTheCommand([this] { t->window->close(); });
        Button("SpeedButton12")->click();
        QVERIFY(Asked(Messages::ConfirmStopAndExit));
        QCOMPARE(PreviewItems(), 40);
        QVERIFY(t->window->isVisible());
        QCOMPARE(closing.size(), 0);
    }

    // The window's close box, Quit's key and the Close button's Alt key all ask the same question.
    void closeQueryAnsweredYesStopsTheRunAndClosesAfterItsEnd_data() {
        QTest::addColumn<QString>("keyName"); // none: the window's own close; "quit": Quit's key
        QTest::newRow("close box") << QString();
        QTest::newRow("quit") << QStringLiteral("quit");
        QTest::newRow("close button") << QStringLiteral("Alt+C");
    }
    void closeQueryAnsweredYesStopsTheRunAndClosesAfterItsEnd() {
        QFETCH(QString, keyName);
        const QKeySequence key = keyName == QLatin1String("quit") ? t->Find<QAction>("actionQuit")->shortcut()
                                                                  : QKeySequence(keyName);
        t->window->show();
        QVERIFY(QTest::qWaitForWindowActive(t->window.get()));
        const std::string out = tree->Path() + "out";
        t->window->AddSources({SourceFolder(100)});
        t->Find<QComboBox>("ComboBox4")->setEditText(Q(out));
        QSignalSpy closing(t->window.get(), &MainWindow::closing);
        bool closedDuringTheRun = false;
        t->boxes.Answers = {Answer::Yes /* run now */, Answer::Yes /* stop and exit */};
        const auto close = [&] {
            if (key.isEmpty()) return void(t->window->close());
            QTest::keySequence(t->window.get(), key);
            // A button pressed by its key clicks a moment later.
            QTest::qWait(250);
        };
        DuringTheCommand([&] {
            close();
            close(); // asked once only
            closedDuringTheRun = !t->window->isVisible() || closing.size() > 0;
        });
        Button("SpeedButton1")->click();
        QVERIFY(!closedDuringTheRun);
        const auto texts = t->boxes.Texts();
        QCOMPARE(std::count(texts.begin(), texts.end(), std::string(Messages::ConfirmStopAndExit)), 1);
        // Closing, the window asks nothing more: not whether to open the result.
        QCOMPARE(texts.size(), std::size_t{2});
        // The run ended through its end steps: what it moved journaled, the stop reported; then the window
        // closed.
        QCOMPARE(t->data.Exists("undo.udo"), !tree->Exists("in/file0.txt"));
        QVERIFY(Status(0).startsWith(QStringLiteral("Stopped: ")));
        QVERIFY(tree->Exists("in/file99.txt"));
        QVERIFY(!t->window->isVisible());
        QCOMPARE(closing.size(), 1);
    }

    // Every question and notice of the engine, whether or not a test above meets it.
    void everyBoxShowsTheIconOfItsKind() {
        for (int kind = 0; kind <= static_cast<int>(Decision::OpenResult); ++kind)
            t->window->Host().Decide({static_cast<Decision>(kind), "/somewhere"});
        for (int kind = 0; kind <= static_cast<int>(Notice::FolderNotOpened); ++kind)
            t->window->Host().Notify({static_cast<Notice>(kind), "/somewhere"});
        QCOMPARE(t->boxes.Shown.size(), std::size_t(static_cast<int>(Decision::OpenResult) +
                                                    static_cast<int>(Notice::FolderNotOpened) + 2));
        // The boxes' icons are checked after each test.
    }

    void helpOpensTheGuide() {
        Button("SpeedButton13")->click();
        QCOMPARE(t->shell.HelpPagesOpened, 1);
    }

    // A desktop without a program for the guide or the folder: a box names the path, to open it by hand.
    void whatTheDesktopCannotOpenIsNamed_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("user guide") << "help";
        QTest::newRow("open-folder button") << "button";
        QTest::newRow("end of a run") << "run";
    }
    void whatTheDesktopCannotOpenIsNamed() {
        QFETCH(QString, how);
        const std::string out = tree->Path() + "out";
        tree->Folder("out");
        t->Find<QComboBox>("ComboBox4")->setEditText(Q(out));
        t->shell.Fails = true;
        std::string path = out;
        if (how == QLatin1String("help")) {
            Button("SpeedButton13")->click();
            path = t->shell.HelpPage();
        } else if (how == QLatin1String("button")) {
            Button("SpeedButton9")->click();
        } else {
            t->window->AddSources({SourceFolder(1)});
            t->boxes.Answers = {Answer::Yes /* run now */, Answer::Yes /* open the result */};
            Button("SpeedButton1")->click();
            QCOMPARE(t->shell.OpenedFolders, std::vector<std::string>{out});
        }
        QVERIFY(t->shell.HelpPagesOpened + t->shell.OpenedFolders.size() == 1);
        const ShownMessage& told = t->boxes.Shown.back();
        QVERIFY2(told.Text.find(path) != std::string::npos, told.Text.c_str());
        QVERIFY(told.Icon == Icon::Warning);
        QCOMPARE(std::count_if(t->boxes.Shown.begin(), t->boxes.Shown.end(),
                               [](const ShownMessage& box) { return box.Icon == Icon::Warning; }),
                 1);
    }

    void journalLeftByAnEarlierRunEnablesUndoAtStart() {
        TestWindow again;
        again.data.File("undo.udo", "Move Mode\r\n");
        QVERIFY(!again.window->undoButton->isEnabled());
        again.window->onStartupTimer();
        QVERIFY(again.window->undoButton->isEnabled());
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "WindowCommandsTest.moc"
