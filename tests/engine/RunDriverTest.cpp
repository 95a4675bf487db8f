// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/FaultInjector.h"
#include "support/EngineFixture.h"

#include <algorithm>
#include <filesystem>
#include <unistd.h>

namespace varnolt {
namespace {

using Texts = std::vector<std::string>;
using Decisions = std::vector<Decision>;
using Notices = std::vector<Notice>;

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
    engine.RunOrPreview();
    EXPECT_EQ(host.Notices, (Notices{Notice::NoSources, Notice::NoMethod}));
    EXPECT_TRUE(host.Asked.empty());
    ASSERT_EQ(host.Ends.size(), 2u);
    for (const RecordedEnd& end : host.Ends)
        EXPECT_EQ(end.End.How, Outcome::Refused);
    EXPECT_EQ(engine.State().ItemCount, 7); // nothing was reset
    EXPECT_FALSE(engine.State().PreviewMode);
}

TEST_F(RunDriverTest, AnsweringNoGivesAPreviewWithoutLocationCheckOrJournal) {
    options.ResultLocation = "  ";
    host.Answers = {false};
    engine.RunOrPreview();
    EXPECT_EQ(host.Asked, (Decisions{Decision::RunOrPreview}));
    EXPECT_TRUE(host.Notices.empty());
    ASSERT_EQ(host.Ends.size(), 1u);
    EXPECT_EQ(host.LastEnd().Kind, CommandKind::Preview);
    EXPECT_EQ(host.LastEnd().How, Outcome::Completed);
    EXPECT_EQ(engine.Preview().Text(PreviewTree::Root), "") << "the front-end names a missing location";
    EXPECT_FALSE(data.Exists(kJournalFileName));
    EXPECT_FALSE(engine.State().PreviewMode);
    EXPECT_FALSE(engine.IsBusy());
    EXPECT_EQ(engine.State().ResultRoot, "/");
}

TEST_F(RunDriverTest, ResultLocationRefusalsMoveTheFocus) {
    options.ResultLocation = "";
    engine.Run();
    options.ResultLocation = tree.Path() + "a/b/out"; // two levels below the nearest folder
    engine.Run();
    options.ResultLocation = "relative-out";
    engine.Run();
    EXPECT_EQ(host.Notices, (Notices{Notice::NoResultLocation, Notice::InvalidResultLocation,
                                     Notice::InvalidResultLocation}));
    EXPECT_EQ(host.Focused,
              (std::vector<Field>{Field::ResultLocation, Field::ResultLocation, Field::ResultLocation}));
    EXPECT_TRUE(host.Asked.empty()) << "a refused run offers no result location to open";
    EXPECT_FALSE(tree.Exists("a"));
}

// The caller's options stay as typed; the run works on, and shows back, the trimmed copy. A run that
// placed nothing leaves the older run's journal to its undo.
TEST_F(RunDriverTest, MissingResultFolderIsCreatedAndAnEmptyRunKeepsTheOlderJournal) {
    const std::string typed = "  " + out + " \t";
    options.ResultLocation = typed;
    data.File(kJournalFileName, "Move Mode\r\n/x/a.txt\r\n/y/a.txt\r\n");
    engine.Run();
    EXPECT_EQ(options.ResultLocation, typed);
    EXPECT_EQ(engine.Options().ResultLocation, out);
    EXPECT_GE(host.NormalisedShown, 1);
    EXPECT_EQ(host.LastNormalised.ResultLocation, out);
    EXPECT_TRUE(tree.Exists("out"));
    EXPECT_EQ(engine.State().NewCategoryCount, 0);
    EXPECT_EQ(engine.State().ResultRoot, out + "/");
    EXPECT_EQ(JournalBytes(), "Move Mode\r\n/x/a.txt\r\n/y/a.txt\r\n");
    EXPECT_FALSE(data.Exists(kJournalInProgressFileName));
    ASSERT_EQ(host.Ends.size(), 1u);
    EXPECT_EQ(host.Ends[0].ResultLocation, out);
    EXPECT_FALSE(host.LastEnd().UndoAvailable) << "Undo still takes back the older run";
    EXPECT_TRUE(host.LastEnd().EverythingWent());
    EXPECT_EQ(host.LastEnd().Placed, 0);
    EXPECT_EQ(host.Asked, (Decisions{Decision::OpenResult}));
    EXPECT_EQ(shell.OpenedFolders, (Texts{out})); // the default answer yes opens the location
}

TEST_F(RunDriverTest, CopyRunsJournalTheirMode) {
    options.MoveSourceFiles = false;
    tree.File("in/a.txt", "a");
    host.Answers = {false};
    engine.Run();
    EXPECT_TRUE(JournalBytes().starts_with("Copy Mode\r\n"));
    EXPECT_TRUE(host.UndoEnabled);
    EXPECT_FALSE(host.LastEnd().Moving);
    EXPECT_EQ(host.LastEnd().Placed, 1);
    EXPECT_TRUE(shell.OpenedFolders.empty());
    EXPECT_TRUE(tree.Exists("in/a.txt"));
}

TEST_F(RunDriverTest, ResultLocationHeldByAFileAsksToRetry) {
    const std::string blocker = tree.File("out", "x");
    tree.File("in/a.txt", "a");
    host.Answers = {true, true};
    host.OnDecide = [&](Decision) {
        if (host.Asked.size() == 2) unlink(blocker.c_str()); // the second retry finds the way free
    };
    engine.Run();
    EXPECT_EQ(host.Asked,
              (Decisions{Decision::RetryResultFolder, Decision::RetryResultFolder, Decision::OpenResult}));
    EXPECT_TRUE(tree.Exists("out/"));
    EXPECT_TRUE(data.Exists(kJournalFileName));
    EXPECT_EQ(host.LastEnd().Placed, 1);
}

TEST_F(RunDriverTest, NoRetryOnTheResultFolderEndsTheCommand) {
    tree.File("out", "x");
    tree.File("in/a.txt", "a");
    engine.Run(); // the default answer to retrying is no
    EXPECT_EQ(host.Asked, (Decisions{Decision::RetryResultFolder}));
    EXPECT_EQ(host.LastEnd().How, Outcome::Refused);
    EXPECT_FALSE(data.Exists(kJournalFileName));
    EXPECT_FALSE(engine.State().PreviewMode);
    EXPECT_FALSE(host.UndoEnabled);
    EXPECT_TRUE(tree.Exists("in/a.txt"));
}

TEST_F(RunDriverTest, WordListWithOnlyEmptyLinesIsRefused) {
    options.MethodKey = Method::Name;
    options.NameByWordList = true;
    options.Words = {"", "", ""};
    engine.PreviewCommand();
    EXPECT_EQ(host.Notices, (Notices{Notice::NoWordInList}));
    EXPECT_TRUE(engine.Options().Words.empty());
    EXPECT_EQ(options.Words.size(), 3u);
    EXPECT_EQ(host.Focused, (std::vector<Field>{Field::WordList}));

    options.Words = {"", " ", "Report", ""};
    engine.PreviewCommand();
    EXPECT_EQ(engine.Options().Words, (Texts{" ", "Report"})); // a line of blanks is not empty
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
    EXPECT_EQ(host.Notices, (Notices{Notice::NoOtherFolderName, Notice::NoOtherTypes, Notice::NoOtherTypes}));
    EXPECT_EQ(host.Focused,
              (std::vector<Field>{Field::Other1Folder, Field::Other1Types, Field::Other2Types}));
    EXPECT_EQ(host.LastNormalised.Other1Folder, "My Stuff ");
    EXPECT_EQ(host.LastNormalised.Other1Types, "mp3;ogg ;\xC3\xA9xt");
}

TEST_F(RunDriverTest, TypeNeedsOneOfTheFixedGroupsOrEveryType) {
    options.MethodKey = Method::Type;
    options.Other1Enabled = true;
    options.Other1Folder = "Mine";
    options.Other1Types = "abc";
    engine.PreviewCommand();
    EXPECT_EQ(host.Notices, (Notices{Notice::NoTypeGroup}));
    options.EveryTypeFolder = true;
    engine.PreviewCommand();
    EXPECT_EQ(host.LastEnd().How, Outcome::Completed);
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
    EXPECT_EQ(host.Notices, (Notices{Notice::NoSubfolderName}));
    EXPECT_EQ(host.Focused, (std::vector<Field>{Field::SubfolderName}));
    EXPECT_EQ(host.LastNormalised.SubfolderName, "");
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
    EXPECT_EQ(host.Notices,
              (Notices{Notice::BadSubfolderName, Notice::BadSubfolderName, Notice::BadSubfolderName,
                       Notice::BadSubfolderName, Notice::BadOtherFolderName}));
    EXPECT_EQ(host.Focused,
              (std::vector<Field>{Field::SubfolderName, Field::SubfolderName, Field::SubfolderName,
                                  Field::SubfolderName, Field::Other2Folder}));
    EXPECT_EQ(engine.State().ItemCount, 0);
    options.Other2Folder = "..txt";
    engine.PreviewCommand();
    EXPECT_EQ(host.LastEnd().How, Outcome::Completed);
    EXPECT_EQ(host.LastEnd().Placed, 1);
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

    host.UndoEnabled = true;
    engine.Run();
    EXPECT_EQ(host.Notices, (Notices{Notice::AnotherRunInProgress}));
    EXPECT_EQ(host.LastEnd().How, Outcome::Refused);
    EXPECT_FALSE(tree.Exists("out")) << "not even the result folder is made";
    engine.UndoLastRun();
    EXPECT_EQ(host.Notices, (Notices{Notice::AnotherRunInProgress, Notice::AnotherRunInProgress}));
    EXPECT_EQ(host.LastEnd().Kind, CommandKind::Undo);
    EXPECT_TRUE(host.UndoEnabled);
    engine.PreviewCommand();
    EXPECT_EQ(host.LastEnd().How, Outcome::Completed);
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
    Engine homeEngine(options, {fs, host, pump, shell}, own);
    homeEngine.KeepOutOfWalks(tree / "home/.config/Quorvane");
    options.SourceList = {home};
    options.ResultLocation = home + "/sorted";
    options.MethodKey = Method::Name;
    const auto everything = FilesBelow(home);

    options.IncludeSubfolders = true;
    homeEngine.Run();
    EXPECT_EQ(FilesBelow(tree / "home/.local/share/Quorvane"),
              (Texts{"Varnolt/Wordfilter.txt", "Varnolt/undo.udo", "Varnolt/undo.udo.ids"}));
    EXPECT_EQ(tree.Read("home/.config/Quorvane/Varnolt.conf"), "[General]");
    EXPECT_EQ(FilesBelow(home + "/sorted"), (Texts{"A/a.jpg", "N/notes.txt", "T/tool"}));
    homeEngine.UndoLastRun();
    Texts after = FilesBelow(home);
    Texts expected = everything;
    std::erase(expected, ".local/share/Quorvane/Varnolt/undo.udo");
    EXPECT_EQ(after, expected) << "all back, and the journal deleted";
    EXPECT_TRUE(host.FailedItems.empty()) << host.Trouble();

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
    EXPECT_TRUE(host.Notices.empty()) << host.Trouble();
}

TEST_F(RunDriverTest, AfterARefusedPreviewRunAsksAgain) {
    options.MethodKey = Method::Number;
    engine.PreviewCommand();
    options.SubfolderName = "Batch";
    host.Answers = {false};
    engine.RunOrPreview();
    EXPECT_EQ(host.Notices, (Notices{Notice::NoSubfolderName}));
    EXPECT_EQ(host.Asked, (Decisions{Decision::RunOrPreview}));
    EXPECT_EQ(host.LastEnd().Kind, CommandKind::Preview);
}

TEST_F(RunDriverTest, StopDuringTheWalkRunsTheEndSteps) {
    for (int i = 0; i < 5; ++i)
        tree.File("in/f" + std::to_string(i) + ".txt", "data");
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
    EXPECT_TRUE(host.UndoEnabled);
    EXPECT_EQ(host.Asked, (Decisions{Decision::ConfirmStop, Decision::OpenResult}));
    ASSERT_EQ(host.Ends.size(), 1u);
    EXPECT_EQ(host.LastEnd().How, Outcome::Stopped);
    EXPECT_EQ(host.LastEnd().Placed, 2);
    EXPECT_EQ(host.PlacedItems.size(), 2u);
    EXPECT_FALSE(host.LastEnd().EverythingWent());
    const std::string journal = JournalBytes();
    EXPECT_EQ(std::count(journal.begin(), journal.end(), '\n'), 5);
}

// A change to the options while a preview walks applies to the items after the turn it was made in.
TEST_F(RunDriverTest, OptionsChangedDuringAPreviewApplyToTheItemsAfterIt) {
    options.MethodKey = Method::Name;
    for (const char* name : {"abc.txt", "bcd.txt", "cde.txt"})
        tree.File(std::string("in/") + name);
    pump.OnPump = [&] {
        if (host.PlacedItems.size() != 1 || options.HeadLetterCount == 2) return;
        options.HeadLetterCount = 2;
        engine.OptionsChanged();
    };
    engine.PreviewCommand();
    ASSERT_EQ(host.PlacedItems.size(), 3u);
    EXPECT_EQ(host.PlacedItems[0].Category.size(), 1u) << host.PlacedItems[0].Category;
    for (std::size_t i = 1; i < 3; ++i)
        EXPECT_EQ(host.PlacedItems[i].Category.size(), 2u) << host.PlacedItems[i].Category;
    EXPECT_EQ(engine.Options().HeadLetterCount, 2);
}

TEST_F(RunDriverTest, StopAnsweredNoChangesNothing) {
    tree.File("in/a.txt");
    tree.File("in/b.txt");
    host.Answers = {false};
    pump.OnPump = [&] {
        if (pump.Count == 1) engine.Stop();
    };
    engine.PreviewCommand();
    EXPECT_FALSE(engine.State().StopRequested);
    EXPECT_EQ(engine.State().ItemCount, 2);
    EXPECT_EQ(host.LastEnd().How, Outcome::Completed);
}

TEST_F(RunDriverTest, CloseQueryAsksOnlyWhileWalking) {
    EXPECT_TRUE(engine.CloseQuery());
    EXPECT_TRUE(host.Asked.empty());

    tree.File("in/a.txt");
    tree.File("in/b.txt");
    std::vector<bool> answers;
    host.Answers = {false, true};
    pump.OnPump = [&] {
        if (!engine.State().StopRequested) answers.push_back(engine.CloseQuery());
    };
    engine.PreviewCommand();
    EXPECT_EQ(answers, (std::vector<bool>{false, true}));
    EXPECT_EQ(host.Asked, (Decisions{Decision::ConfirmStopAndExit, Decision::ConfirmStopAndExit}));
    EXPECT_EQ(host.LastEnd().How, Outcome::Stopped);
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
    EXPECT_TRUE(host.Asked.empty());
    EXPECT_TRUE(host.Notices.empty());
    EXPECT_EQ(host.Ends.size(), 1u);
    EXPECT_EQ(host.LastEnd().How, Outcome::Completed);
}

TEST_F(RunDriverTest, MissingSourceEntriesAreSkippedAndSingleFilesClassified) {
    const std::string single = tree.File("single.txt", "x");
    options.SourceList = {tree.Path() + "gone", single};
    engine.PreviewCommand();
    EXPECT_EQ(engine.State().ItemCount, 1);
}

// Nothing moves that the journal cannot take back: not without the lock (a data folder that is gone or
// is a file), nor without a side file.
TEST_F(RunDriverTest, AJournalThatCannotBeLockedOrStartedRefusesTheRun) {
    host.UndoEnabled = true; // for an older run's journal, which this run would have replaced
    tree.File("in/a.txt", "a");
    FaultInjector faults;
    faults.FailPathsContaining(kJournalInProgressFileName, EACCES, Syscall::Open);
    PosixFileSystem noSideFile(&faults);
    const struct {
        FileSystem& Fs;
        std::string DataFolder;
        Notice Expected;
        std::errc Why;
    } cases[] = {
        {fs, tree.Path() + "no/such/data/", Notice::LockUnavailable, std::errc::no_such_file_or_directory},
        {fs, tree.File("a file", "x"), Notice::LockUnavailable, std::errc::not_a_directory},
        {noSideFile, data.Path(), Notice::JournalUnwritable, std::errc::permission_denied},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.DataFolder);
        RecordingHost seen;
        Engine refused(options, {c.Fs, seen, pump, shell}, c.DataFolder);
        refused.Run();
        EXPECT_EQ(seen.Notices, (Notices{c.Expected}));
        ASSERT_EQ(seen.NoticeErrors.size(), 1u);
        EXPECT_EQ(seen.NoticeErrors[0], c.Why);
        ASSERT_EQ(seen.Ends.size(), 1u);
        EXPECT_EQ(seen.LastEnd().How, Outcome::Refused);
        EXPECT_EQ(seen.LastEnd().Placed, 0);
        EXPECT_FALSE(seen.UndoEnabled);
        EXPECT_TRUE(tree.Exists("in/a.txt"));
    }
}

} // namespace
} // namespace varnolt
