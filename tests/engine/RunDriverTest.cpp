// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Messages.h"
#include "support/EngineFixture.h"

#include <filesystem>
#include <map>
#include <string_view>
#include <unistd.h>

namespace varnolt {
namespace {

using Texts = std::vector<std::string>;

class RunDriverTest : public EngineFixture {
protected:
    RunDriverTest() {
        options.MethodKey = Method::Date;
        source = tree.Folder("in");
        options.SourceList = {source};
        out = tree.Path() + "out";
        options.ResultLocation = out;
    }

    std::string JournalBytes() const { return data.Read(kJournalFileName); }

    std::string source;
    std::string out;
};

TEST_F(RunDriverTest, MissingSourcesOrMethodRefuseBeforeAnyQuestion) {
    engine.State().ItemCount = 7;
    options.SourceList.clear();
    engine.Run();
    options.SourceList = {source};
    options.MethodKey.clear();
    engine.PreviewCommand();
    EXPECT_EQ(boxes.Texts(), (Texts{Messages::NoSources, Messages::NoMethod}));
    EXPECT_EQ(boxes.Shown[0].Caption, Messages::Information);
    EXPECT_EQ(engine.State().ItemCount, 7); // nothing was reset
    EXPECT_FALSE(engine.State().PreviewMode);
}

TEST_F(RunDriverTest, AnsweringNoGivesAPreviewWithoutLocationCheckOrJournal) {
    options.ResultLocation = "  ";
    boxes.Answers = {Answer::No};
    engine.Run();
    EXPECT_EQ(boxes.Texts(), (Texts{Messages::RunOrPreview}));
    EXPECT_EQ(view.Status[0], Messages::PreviewDone);
    EXPECT_TRUE(view.PreviewCaptionHidden);
    EXPECT_EQ(engine.Preview().Text(PreviewTree::Root), Messages::NoResultLocationRoot);
    EXPECT_FALSE(data.Exists(kJournalFileName));
    EXPECT_FALSE(engine.State().PreviewMode);
    EXPECT_FALSE(view.StopEnabled);
    EXPECT_EQ(engine.State().ResultRoot, "/");
}

TEST_F(RunDriverTest, ResultLocationRefusalsMoveTheFocus) {
    options.ResultLocation = "";
    engine.Run();
    options.ResultLocation = tree.Path() + "a/b/out"; // two levels below the nearest folder
    engine.Run();
    options.ResultLocation = "relative-out";
    engine.Run();
    EXPECT_EQ(boxes.Texts(), (Texts{Messages::RunOrPreview, Messages::NoResultLocation, Messages::RunOrPreview,
                                    Messages::InvalidResultLocation, Messages::RunOrPreview,
                                    Messages::InvalidResultLocation}));
    EXPECT_EQ(view.Focused, (std::vector<Field>{Field::ResultLocation, Field::ResultLocation, Field::ResultLocation}));
    EXPECT_FALSE(tree.Exists("a"));
}

TEST_F(RunDriverTest, MissingResultFolderIsCreatedAndAnEmptyRunStillSavesItsJournal) {
    options.ResultLocation = "  " + out + " \t";
    engine.Run();
    EXPECT_EQ(options.ResultLocation, out);
    EXPECT_GE(view.NormalisedShown, 1);
    EXPECT_TRUE(tree.Exists("out"));
    EXPECT_EQ(engine.State().NewCategoryCount, 0);
    EXPECT_EQ(engine.State().ResultRoot, out + "/");
    EXPECT_EQ(JournalBytes(), "Move Mode\r\n");
    EXPECT_FALSE(data.Exists(kJournalInProgressFileName));
    EXPECT_TRUE(view.UndoEnabled);
    EXPECT_EQ(view.Remembered, (Texts{out}));
    EXPECT_EQ(view.Status[0], "Classify done. 0 files were classified!");
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(boxes.Shown[1].Text, "0 Classification completed!\nYou can check result to decide if UNDO "
                                   "now.\nOpen the result location now?");
    EXPECT_EQ(boxes.Shown[1].Buttons, Buttons::YesNo);
    EXPECT_EQ(shell.OpenedFolders, (Texts{out})); // the default answer Yes opens the location
}

TEST_F(RunDriverTest, CopyRunsJournalTheirMode) {
    options.MoveSourceFiles = false;
    boxes.Answers = {Answer::Yes, Answer::No};
    engine.Run();
    EXPECT_EQ(JournalBytes(), "Copy Mode\r\n");
    EXPECT_TRUE(shell.OpenedFolders.empty());
}

TEST_F(RunDriverTest, TextsAreTranslatedBeforeTheirNumbersAreFilledIn) {
    struct German final : Translator {
        std::string_view Translate(const char* english) override {
            const std::map<std::string_view, const char*> known{
                {Messages::RunCompleted, "Fertig (%1). Öffnen?"},
                {Messages::Information, "Hinweis"},
                {Messages::RunDone, "%1 Dateien einsortiert."}};
            const auto found = known.find(english);
            return found == known.end() ? std::string_view(english) : found->second;
        }
    } german;
    tree.File("in/a.txt", "a");
    Engine translated(options, {fs, boxes, pump, shell, view, NoEmbeddedDates::Instance(), german},
                      data.Path());
    translated.Run();
    EXPECT_EQ(view.Status[0], "1 Dateien einsortiert.");
    EXPECT_EQ(boxes.Shown.back().Text, "Fertig (1). Öffnen?");
    EXPECT_EQ(boxes.Shown.back().Caption, "Hinweis");
}

TEST_F(RunDriverTest, ResultLocationHeldByAFileAsksAbortRetryIgnore) {
    const std::string blocker = tree.File("out", "x");
    boxes.Answers = {Answer::Yes, Answer::Retry, Answer::Retry};
    boxes.OnShow = [&](const ShownMessage&) {
        if (boxes.Shown.size() == 3) unlink(blocker.c_str()); // the second Retry finds the way free
    };
    engine.Run();
    ASSERT_GE(boxes.Shown.size(), 3u);
    EXPECT_EQ(boxes.Shown[1].Text, "Can not create result folder:" + out);
    EXPECT_EQ(boxes.Shown[1].Buttons, Buttons::AbortRetryIgnore);
    EXPECT_TRUE(tree.Exists("out"));
    EXPECT_TRUE(data.Exists(kJournalFileName));
}

TEST_F(RunDriverTest, AbortOrIgnoreOnTheResultFolderEndsTheCommand) {
    for (Answer giveUp : {Answer::Abort, Answer::Ignore}) {
        tree.File("out", "x");
        boxes.Answers = {Answer::Yes, giveUp};
        engine.Run();
        EXPECT_FALSE(data.Exists(kJournalFileName));
        EXPECT_FALSE(engine.State().PreviewMode);
        EXPECT_FALSE(view.UndoEnabled);
    }
}

TEST_F(RunDriverTest, WordListWithOnlyEmptyLinesIsRefused) {
    options.MethodKey = Method::Name;
    options.NameByWordList = true;
    options.Words = {"", "", ""};
    engine.PreviewCommand();
    EXPECT_EQ(boxes.Texts(), (Texts{Messages::NoWordInList}));
    EXPECT_EQ(boxes.Shown[0].Icon, Icon::Warning);
    EXPECT_TRUE(options.Words.empty());
    EXPECT_EQ(view.Focused, (std::vector<Field>{Field::WordList}));

    options.Words = {"", " ", "Report", ""};
    engine.PreviewCommand();
    EXPECT_EQ(options.Words, (Texts{" ", "Report"})); // a line of blanks is not empty
}

TEST_F(RunDriverTest, OtherGroupsAreCheckedInOrderAndNormalised) {
    options.MethodKey = Method::Type;
    options.Other1Enabled = true;
    options.Other1Folder = "  ";
    engine.PreviewCommand();
    options.Other1Folder = "  My Stuff ";
    options.Other1Types = " \t";
    engine.PreviewCommand();
    options.Other1Types = " .MP3;.Ogg ;\xC3\x89XT ";
    options.Other2Enabled = true;
    options.Other2Folder = "Two";
    engine.PreviewCommand();
    EXPECT_EQ(boxes.Texts(), (Texts{Messages::NoOtherFolderName, Messages::NoOtherTypes, Messages::NoOtherTypes}));
    EXPECT_EQ(view.Focused, (std::vector<Field>{Field::Other1Folder, Field::Other1Types, Field::Other2Types}));
    EXPECT_EQ(options.Other1Folder, "My Stuff ");
    EXPECT_EQ(options.Other1Types, "mp3;ogg ;\xC3\xA9xt");
}

TEST_F(RunDriverTest, TypeNeedsOneOfTheFixedGroupsOrEveryType) {
    options.MethodKey = Method::Type;
    options.Other1Enabled = true;
    options.Other1Folder = "Mine";
    options.Other1Types = "abc";
    engine.PreviewCommand();
    EXPECT_EQ(boxes.Texts(), (Texts{Messages::NoTypeGroup}));
    options.EveryTypeFolder = true;
    engine.PreviewCommand();
    EXPECT_EQ(view.Status[0], Messages::PreviewDone);
}

TEST_F(RunDriverTest, SizeStepIsWidenedTo64Bits) {
    options.MethodKey = Method::Size;
    options.SizeStep = 32767;
    options.SizeUnit = UnitGB;
    engine.PreviewCommand();
    EXPECT_EQ(engine.State().SizeStepBytes, 35183298347008LL);
    options.SizeStep = 100;
    options.SizeUnit = UnitKB;
    engine.PreviewCommand();
    EXPECT_EQ(engine.State().SizeStepBytes, 102400);
}

TEST_F(RunDriverTest, NumberNeedsASubfolderName) {
    options.MethodKey = Method::Number;
    options.SubfolderName = " \t ";
    engine.PreviewCommand();
    EXPECT_EQ(boxes.Texts(), (Texts{Messages::NoSubfolderName}));
    EXPECT_EQ(view.Focused, (std::vector<Field>{Field::SubfolderName}));
    EXPECT_EQ(options.SubfolderName, "");
}

// Names that can never be a folder below the result location are refused before the walk, with the
// focus on their field, rather than placing nothing without a word.
TEST_F(RunDriverTest, FolderNamesOfDotsAndBlanksAreRefused) {
    tree.File("in/a.txt", "a");
    options.MethodKey = Method::Number;
    for (const char* name : {"..", " . .", "Batch/..", "Batch/"}) {
        options.SubfolderName = name;
        engine.PreviewCommand();
    }
    options.MethodKey = Method::Type;
    options.EveryTypeFolder = true;
    options.Other2Enabled = true;
    options.Other2Folder = "..";
    options.Other2Types = "txt";
    engine.PreviewCommand();
    EXPECT_EQ(boxes.Texts(), (Texts{Messages::BadSubfolderName, Messages::BadSubfolderName, Messages::BadSubfolderName,
                                    Messages::BadSubfolderName, Messages::BadOtherFolderName}));
    EXPECT_EQ(view.Focused, (std::vector<Field>{Field::SubfolderName, Field::SubfolderName, Field::SubfolderName,
                                                Field::SubfolderName, Field::Other2Folder}));
    EXPECT_EQ(engine.State().ItemCount, 0);
    options.Other2Folder = "..txt";
    engine.PreviewCommand();
    EXPECT_EQ(view.Status[0], Messages::PreviewDone);
}

// Another process's run or undo holds the journal: a run and an undo here change nothing and say so; a
// preview goes on, and neither it nor a start of the window takes the other's side file for a crash's.
TEST_F(RunDriverTest, WhileAnotherProcessHoldsTheJournalOnlyAPreviewGoesOn) {
    tree.File("in/a.txt", "a");
    const std::string sideFile = "Move Mode\r\n/x/b.txt\r\n/y/b.txt\r\n";
    data.File(kJournalInProgressFileName, sideFile);
    data.File(kJournalFileName, "Move Mode\r\n");
    const JournalLock other = TakeJournalLock(fs, data.Path());
    ASSERT_TRUE(other.Held);

    view.UndoEnabled = true;
    engine.Run();
    EXPECT_EQ(boxes.Texts(), (Texts{Messages::RunOrPreview, Messages::AnotherRunInProgress}));
    EXPECT_EQ(boxes.Shown[1].Caption, Messages::Information);
    EXPECT_EQ(boxes.Shown[1].Icon, Icon::Information);
    EXPECT_FALSE(tree.Exists("out")) << "not even the result folder is made";
    engine.UndoLastRun();
    EXPECT_EQ(boxes.Texts().back(), Messages::AnotherRunInProgress);
    EXPECT_TRUE(view.UndoEnabled);
    engine.PreviewCommand();
    EXPECT_EQ(view.Status[0], Messages::PreviewDone);
    EXPECT_EQ(engine.State().ItemCount, 1);
    EXPECT_FALSE(RecoverInterruptedJournalIfFree(fs, data.Path()));
    EXPECT_TRUE(tree.Exists("in/a.txt"));
    EXPECT_EQ(data.Read(kJournalInProgressFileName), sideFile);
    EXPECT_EQ(data.Read(kJournalFileName), "Move Mode\r\n");
    EXPECT_FALSE(engine.IsBusy());
}

// The whole home folder, the program's own folders in it: the walk leaves the data folder and the
// settings alone and carries off no folder that holds them, so the journal is saved and the undo brings
// back every file.
TEST_F(RunDriverTest, AHomeFolderHoldingTheProgramsOwnFilesIsSortedAndUndone) {
    const std::string home = tree.Folder("home");
    const std::string own = tree.Folder("home/.local/share/Quorvane/Varnolt") + "/";
    const std::string settings = tree.File("home/.config/Quorvane/Varnolt.conf", "[General]");
    tree.File("home/.local/share/Quorvane/Varnolt/Wordfilter.txt", "words");
    tree.File("home/.local/share/Quorvane/Varnolt/undo.udo", "Move Mode\r\n");
    tree.File("home/.local/bin/tool", "t");
    tree.File("home/Pictures/a.jpg", "a");
    tree.File("home/notes.txt", "n");
    Engine homeEngine(options, {fs, boxes, pump, shell, view}, own);
    homeEngine.KeepOutOfWalks(tree / "home/.config/Quorvane");
    options.SourceList = {home};
    options.ResultLocation = home + "/sorted";
    options.MethodKey = Method::Name;
    const auto everything = FilesBelow(home);

    options.IncludeSubfolders = true;
    homeEngine.Run();
    EXPECT_EQ(FilesBelow(tree / "home/.local/share/Quorvane"),
              (Texts{"Varnolt/Wordfilter.txt", "Varnolt/undo.lock", "Varnolt/undo.udo"}));
    EXPECT_EQ(tree.Read("home/.config/Quorvane/Varnolt.conf"), "[General]");
    EXPECT_EQ(FilesBelow(home + "/sorted"), (Texts{"A/a.jpg", "N/notes.txt", "T/tool"}));
    homeEngine.UndoLastRun();
    Texts after = FilesBelow(home);
    std::erase(after, ".local/share/Quorvane/Varnolt/undo.lock");
    Texts expected = everything;
    std::erase(expected, ".local/share/Quorvane/Varnolt/undo.udo");
    EXPECT_EQ(after, expected) << "all back, and the journal deleted";

    options.IncludeSubfolders = false;
    options.OnlyClassifySubfolder = true;
    homeEngine.Run();
    EXPECT_EQ(FilesBelow(home + "/sorted"), (Texts{"P/Pictures/a.jpg"})) << ".local and .config stay";
    homeEngine.UndoLastRun();
    options.OnlyClassifySubfolder = false;
    options.SourceList = {settings, own + "Wordfilter.txt", own};
    homeEngine.Run();
    EXPECT_EQ(homeEngine.State().ItemCount, 0) << "not even when listed as sources";
    EXPECT_EQ(tree.Read("home/.local/share/Quorvane/Varnolt/Wordfilter.txt"), "words");
    for (const ShownMessage& shown : boxes.Shown) EXPECT_NE(shown.Caption, Messages::Error) << shown.Text;
}

TEST_F(RunDriverTest, AfterARefusedPreviewRunAsksAgain) {
    options.MethodKey = Method::Number;
    engine.PreviewCommand();
    options.SubfolderName = "Batch";
    boxes.Answers = {Answer::No};
    engine.Run();
    EXPECT_EQ(boxes.Texts(), (Texts{Messages::NoSubfolderName, Messages::RunOrPreview}));
}

TEST_F(RunDriverTest, StopDuringTheWalkRunsTheEndSteps) {
    for (int i = 0; i < 5; ++i) tree.File("in/f" + std::to_string(i) + ".txt", "data");
    bool asked = false;
    pump.OnPump = [&] {
        if (asked || engine.State().TransferredCount != 2) return;
        asked = true;
        engine.Stop();
    };
    engine.Run();
    EXPECT_TRUE(engine.State().StopRequested);
    EXPECT_EQ(engine.State().TransferredCount, 2);
    EXPECT_EQ(FilesBelow(source).size(), 3u);
    EXPECT_TRUE(view.UndoEnabled);
    EXPECT_EQ(view.Status[0], "Classify done. 2 files were classified!");
    EXPECT_EQ(boxes.Shown[1].Text, Messages::ConfirmStop);
    const std::string journal = JournalBytes();
    EXPECT_EQ(std::count(journal.begin(), journal.end(), '\n'), 5);
}

TEST_F(RunDriverTest, StopAnsweredNoChangesNothing) {
    tree.File("in/a.txt");
    tree.File("in/b.txt");
    boxes.Answers = {Answer::No};
    pump.OnPump = [&] {
        if (pump.Count == 1) engine.Stop();
    };
    engine.PreviewCommand();
    EXPECT_FALSE(engine.State().StopRequested);
    EXPECT_EQ(engine.State().ItemCount, 2);
}

TEST_F(RunDriverTest, CloseQueryAsksOnlyWhileWalking) {
    EXPECT_TRUE(engine.CloseQuery());
    EXPECT_TRUE(boxes.Shown.empty());

    tree.File("in/a.txt");
    tree.File("in/b.txt");
    std::vector<bool> answers;
    boxes.Answers = {Answer::No, Answer::Yes};
    pump.OnPump = [&] {
        if (!engine.State().StopRequested) answers.push_back(engine.CloseQuery());
    };
    engine.PreviewCommand();
    EXPECT_EQ(answers, (std::vector<bool>{false, true}));
    EXPECT_EQ(boxes.Texts(), (Texts{Messages::ConfirmStopAndExit, Messages::ConfirmStopAndExit}));
    EXPECT_EQ(engine.State().ItemCount, 1); // No let it go on; Yes stopped it before the second item
}

TEST_F(RunDriverTest, ASecondCommandDuringAWalkIsRefusedQuietly) {
    tree.File("in/a.txt");
    int nested = 0;
    pump.OnPump = [&] {
        ++nested;
        engine.Run();
        engine.PreviewCommand();
        engine.UndoLastRun();
    };
    engine.PreviewCommand();
    EXPECT_GT(nested, 0);
    EXPECT_TRUE(boxes.Shown.empty());
    EXPECT_EQ(view.Status[0], Messages::PreviewDone);
}

TEST_F(RunDriverTest, MissingSourceEntriesAreSkippedAndSingleFilesClassified) {
    const std::string single = tree.File("single.txt", "x");
    options.SourceList = {tree.Path() + "gone", single};
    engine.PreviewCommand();
    EXPECT_EQ(engine.State().ItemCount, 1);
}

TEST_F(RunDriverTest, AJournalThatCannotBeSavedIsReportedAndUndoStaysOff) {
    view.UndoEnabled = true; // for an older run's journal, which this run would have replaced
    Engine cannotSave(options, {fs, boxes, pump, shell, view}, tree.Path() + "no/such/data/");
    cannotSave.Run();
    ASSERT_EQ(boxes.Shown.size(), 3u);
    EXPECT_EQ(boxes.Shown[1].Caption, Messages::Error);
    EXPECT_FALSE(view.UndoEnabled);
    EXPECT_EQ(view.Status[0], "Classify done. 0 files were classified!");
}

} // namespace
} // namespace varnolt
