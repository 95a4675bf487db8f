// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Errors.h"
#include "engine/TextFile.h"
#include "platform/fakes/FaultInjector.h"
#include "support/EngineFixture.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace varnolt {
namespace {

using Lines = std::vector<std::string>;
using Decisions = std::vector<Decision>;

class UndoTest : public EngineFixture {
  protected:
    UndoTest() {
        host.UndoEnabled = true;
        // The progress as the window would show it at each of its turns, from the first pair.
        pump.OnPump = [this] {
            if (!host.LastProgress) return;
            const std::string shown =
                std::to_string(host.LastProgress->Done) + " of " + std::to_string(host.LastProgress->Total);
            if (progress.empty() || progress.back() != shown) progress.push_back(shown);
        };
    }

    void WriteJournal(const Lines& lines, TextEncoding encoding = TextEncoding::Plain) {
        data.File(kJournalFileName, EncodeTextFile(lines, encoding));
    }
    void ExpectFinished() {
        EXPECT_FALSE(data.Exists(kJournalFileName));
        EXPECT_FALSE(host.UndoEnabled);
        EXPECT_FALSE(engine.IsBusy());
        EXPECT_FALSE(engine.State().UndoInProgress);
        EXPECT_EQ(host.Asked, Decisions{Decision::ConfirmUndo});
        EXPECT_TRUE(host.Notices.empty());
        ASSERT_EQ(host.Ends.size(), 1u);
        EXPECT_EQ(host.LastEnd().Kind, CommandKind::Undo);
        EXPECT_EQ(host.LastEnd().How, Outcome::Completed);
    }

    // The undo ended, with the pairs it could not restore kept as the journal for a later one.
    void ExpectLeft(const Lines& journal) {
        EXPECT_EQ(DecodeTextFile(data.Read(kJournalFileName)).Lines, journal);
        EXPECT_TRUE(host.UndoEnabled);
        EXPECT_EQ(host.LastEnd().How, Outcome::Completed);
        EXPECT_EQ(host.LastEnd().Failed, static_cast<std::int64_t>(journal.size() - 1) / 2);
        EXPECT_FALSE(engine.IsBusy());
    }

    // A copy with its source's content and last write time, as a copying run leaves it.
    void CopyAsARunWould(const std::string& source, const std::string& copy) {
        std::filesystem::last_write_time(tree.File(copy, tree.Read(source)),
                                         std::filesystem::last_write_time(tree / source));
    }

    Lines progress;
};

TEST_F(UndoTest, AJournalWithItsModeLineOnlyChangesNothingButEndsTheUndo) {
    tree.File("R/Docs/a.txt", "x");
    WriteJournal({"Move Mode"});
    engine.UndoLastRun();
    EXPECT_EQ(progress, Lines{}) << "no pair count is ever shown";
    EXPECT_EQ(host.LastEnd().Placed, 0);
    EXPECT_EQ(tree.Read("R/Docs/a.txt"), "x");
    ExpectFinished();
}

// Nothing to undo and nothing to show for it: the empty file is treated as a journal without pairs.
TEST_F(UndoTest, AnEmptyJournalFileEndsWithoutChanges) {
    tree.File("R/Docs/a.txt", "x");
    data.File(kJournalFileName, "");
    engine.UndoLastRun();
    EXPECT_EQ(tree.Read("R/Docs/a.txt"), "x");
    ExpectFinished();
}

TEST_F(UndoTest, MovedFilesGoBackAndOnlyTheEmptiedDirectFolderIsRemoved) {
    tree.File("R/2011/3/7/a(1).txt", "a");
    tree.File("R/Docs/b.txt", "b");
    tree.File("R/Docs/other.txt", "was there before");
    tree.File("R/Thumbs/c.txt", "c");
    tree.File("R/Thumbs/Thumbs.db", "");
    tree.Folder("in");
    WriteJournal({"Move Mode", tree / "in/a.txt", tree / "R/2011/3/7/a(1).txt", tree / "in/b.txt",
                  tree / "R/Docs/b.txt", tree / "in/c.txt", tree / "R/Thumbs/c.txt"});
    engine.UndoLastRun();

    EXPECT_EQ(tree.Read("in/a.txt"), "a");
    EXPECT_EQ(tree.Read("in/b.txt"), "b");
    EXPECT_EQ(tree.Read("in/c.txt"), "c");
    EXPECT_FALSE(tree.Exists("R/2011/3/7"));
    EXPECT_TRUE(tree.Exists("R/2011/3")) << "outer category levels stay";
    EXPECT_TRUE(tree.Exists("R/Docs/other.txt"));
    EXPECT_TRUE(tree.Exists("R/Thumbs/Thumbs.db"));
    EXPECT_EQ(progress, (Lines{"1 of 3", "2 of 3", "3 of 3"}));
    EXPECT_EQ(host.LastEnd().Placed, 3);
    EXPECT_TRUE(host.FailedItems.empty());
    ExpectFinished();
}

TEST_F(UndoTest, AFileStandingAtTheOldPathAgainIsNeverReplaced) {
    tree.File("in/a.txt", "new");
    tree.File("R/Docs/a.txt", "moved");
    WriteJournal({"Move Mode", tree / "in/a.txt", tree / "R/Docs/a.txt"});
    engine.UndoLastRun();
    EXPECT_EQ(tree.Read("in/a.txt"), "new");
    EXPECT_EQ(tree.Read("R/Docs/a.txt"), "moved");
    EXPECT_EQ(host.FailedPaths(), Lines{tree / "R/Docs/a.txt"});
    ExpectLeft({"Move Mode", tree / "in/a.txt", tree / "R/Docs/a.txt"});
}

TEST_F(UndoTest, CopyModeDeletesCopiesAndPutsACopyBackWhereItsSourceIsGone) {
    tree.File("in/kept.txt", "kept");
    CopyAsARunWould("in/kept.txt", "R/A/kept.txt");
    tree.File("R/B/lost.txt", "lost");
    tree.Folder("in");
    WriteJournal({"Copy Mode", tree / "in/kept.txt", tree / "R/A/kept.txt", tree / "in/lost.txt",
                  tree / "R/B/lost.txt"});
    engine.UndoLastRun();
    EXPECT_EQ(tree.Read("in/kept.txt"), "kept");
    EXPECT_EQ(tree.Read("in/lost.txt"), "lost");
    EXPECT_FALSE(tree.Exists("R/A"));
    EXPECT_FALSE(tree.Exists("R/B"));
    ExpectFinished();
}

// A copy is deleted only while it is still the copy: another file than its source, with the source's
// size and last write time (to the step of a coarse file system). Edited, replaced, or made the only
// copy by a link in the source's place, it stays, and so does the source.
TEST_F(UndoTest, CopyModeLeavesWhatIsNoLongerTheCopy) {
    for (const char* name : {"edited", "resized", "replaced", "linked", "coarse"}) {
        tree.File(std::string("in/") + name, "original");
        CopyAsARunWould(std::string("in/") + name, std::string("R/") + name);
    }
    const auto later = std::filesystem::file_time_type::clock::now() + std::chrono::seconds(5);
    std::filesystem::last_write_time(tree.File("R/edited", "ORIGINAL"), later);
    tree.File("R/resized", "original, and more");
    std::filesystem::remove(tree / "R/replaced");
    std::filesystem::last_write_time(tree.File("R/replaced", "original"), later);
    std::filesystem::remove(tree / "in/linked");
    std::filesystem::create_symlink(tree / "R/linked", tree / "in/linked");
    // A FAT disk keeps even seconds: 12.5 s comes back as 12 s.
    const auto onDisk =
        std::chrono::file_clock::from_sys(std::chrono::sys_seconds(std::chrono::seconds(1'700'000'012)));
    std::filesystem::last_write_time(tree / "in/coarse", onDisk + std::chrono::milliseconds(500));
    std::filesystem::last_write_time(tree / "R/coarse", onDisk);
    Lines journal{"Copy Mode"};
    for (const char* name : {"edited", "resized", "replaced", "linked", "coarse"}) {
        journal.push_back(tree / (std::string("in/") + name));
        journal.push_back(tree / (std::string("R/") + name));
    }
    WriteJournal(journal);
    engine.UndoLastRun();
    EXPECT_EQ(tree.Read("R/edited"), "ORIGINAL");
    EXPECT_EQ(tree.Read("R/resized"), "original, and more");
    EXPECT_EQ(tree.Read("R/replaced"), "original");
    EXPECT_EQ(tree.Read("R/linked"), "original");
    EXPECT_FALSE(tree.Exists("R/coarse")) << "an untouched copy on a coarse file system is deleted";
    for (const char* name : {"edited", "resized", "replaced", "linked", "coarse"})
        EXPECT_EQ(tree.Read(std::string("in/") + name), "original") << name;
    ExpectFinished();
}

TEST_F(UndoTest, FoldersOfTheRunAndSavedPagesGoBackWithWhatTheyHold) {
    tree.File("R/Web/page_files/img.png", "png");
    tree.File("R/Web/page.htm", "p");
    tree.File("R/2011/Photos/a.jpg", "a");
    tree.Folder("in");
    tree.File("taken/Photos", "a file where the folder came from");
    tree.File("R/2012/Photos/b.jpg", "b");
    WriteJournal({"Move Mode", tree / "in/page_files", tree / "R/Web/page_files", tree / "in/page.htm",
                  tree / "R/Web/page.htm", tree / "in/Photos", tree / "R/2011/Photos", tree / "taken/Photos",
                  tree / "R/2012/Photos"});
    engine.UndoLastRun();
    EXPECT_EQ(tree.Read("in/page.htm"), "p");
    EXPECT_EQ(tree.Read("in/page_files/img.png"), "png");
    EXPECT_EQ(tree.Read("in/Photos/a.jpg"), "a");
    EXPECT_FALSE(tree.Exists("R/2011"));
    // Never over what stands at the old place now.
    EXPECT_EQ(tree.Read("taken/Photos"), "a file where the folder came from");
    EXPECT_EQ(tree.Read("R/2012/Photos/b.jpg"), "b");
    ExpectLeft({"Move Mode", tree / "taken/Photos", tree / "R/2012/Photos"});
}

TEST_F(UndoTest, AMoveJournalOverCopiedFilesLeavesBothCopies) {
    tree.File("in/a.txt", "a");
    tree.File("R/a.txt", "a");
    WriteJournal({"Move Mode", tree / "in/a.txt", tree / "R/a.txt"});
    engine.UndoLastRun();
    EXPECT_TRUE(tree.Exists("in/a.txt"));
    EXPECT_TRUE(tree.Exists("R/a.txt"));
}

TEST_F(UndoTest, AnUnpairedLastLineIsIgnored) {
    tree.File("R/a.txt", "a");
    tree.File("R/b.txt", "b");
    tree.Folder("in");
    WriteJournal({"Move Mode", tree / "in/a.txt", tree / "R/a.txt", tree / "R/b.txt"});
    engine.UndoLastRun();
    EXPECT_TRUE(tree.Exists("in/a.txt"));
    EXPECT_TRUE(tree.Exists("R/b.txt"));
    EXPECT_EQ(progress, Lines{"1 of 1"});
}

// The user tidied up after the run: removed the folder it emptied, and deleted a file from the result.
// An undo cut short and started again: what it put back already counts as put back.
// The earlier undo was killed while it copied b.txt back: its hidden partial copy goes too.
TEST_F(UndoTest, PairsPutBackByAnEarlierUndoCountAsPutBack) {
    tree.File("in/a.txt", "a");
    tree.File("R/b.txt", "b");
    const pid_t gone = fork();
    if (gone == 0) _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string partial = std::string(kPartialCopyPrefix) + std::to_string(gone) + "-1-b.txt";
    tree.File("in/" + partial, "b, half");
    data.File(kUndoInProgressFileName, "");
    WriteJournal({"Move Mode", tree / "in/a.txt", tree / "R/a.txt", tree / "in/b.txt", tree / "R/b.txt"});
    engine.UndoLastRun();
    EXPECT_EQ(tree.Read("in/a.txt"), "a");
    EXPECT_EQ(tree.Read("in/b.txt"), "b");
    EXPECT_FALSE(tree.Exists("in/" + partial));
    EXPECT_FALSE(data.Exists(kUndoInProgressFileName));
    EXPECT_TRUE(host.FailedItems.empty()) << host.Trouble();
    EXPECT_EQ(host.LastEnd().Placed, 2);
    ExpectFinished();
}

TEST_F(UndoTest, RemovedSourceFoldersAreMadeAgainAndFilesGoneFromTheResultAreNamed) {
    tree.File("R/a.txt", "a"); // its old folder is gone
    tree.File("R/b.txt", "b");
    tree.Folder("in");
    WriteJournal({"Move Mode", tree / "gone/deeper/a.txt", tree / "R/a.txt", tree / "in/c.txt",
                  tree / "R/c.txt", tree / "in/b.txt", tree / "R/b.txt"});
    engine.UndoLastRun();
    EXPECT_EQ(tree.Read("gone/deeper/a.txt"), "a");
    EXPECT_TRUE(tree.Exists("in/b.txt"));
    EXPECT_EQ(host.FailedPaths(), Lines{tree / "R/c.txt"});
    // Nothing is left to take back of a file that is gone.
    EXPECT_FALSE(data.Exists(kJournalFileName));
    EXPECT_FALSE(host.UndoEnabled);
}

// Journals written by other programs: any byte-order mark, any line end, no break at the end.
TEST_F(UndoTest, JournalsAreReadInEveryEncodingAndLineEnd) {
    const std::string name = "Grüße €.txt";
    for (const TextEncoding encoding :
         {TextEncoding::Utf8WithMark, TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
        SCOPED_TRACE(static_cast<int>(encoding));
        tree.File("R/" + name, "x");
        tree.Folder("in");
        WriteJournal({"Move Mode", tree / ("in/" + name), tree / ("R/" + name)}, encoding);
        engine.UndoLastRun();
        EXPECT_EQ(tree.Read("in/" + name), "x");
        std::filesystem::remove(tree / ("in/" + name));
    }
    for (const std::string breakText : {"\r", "\n"}) {
        tree.File("R/" + name, "x");
        data.File(kJournalFileName,
                  "Copy Mode" + breakText + tree / ("in/" + name) + breakText + tree / ("R/" + name));
        engine.UndoLastRun();
        EXPECT_EQ(tree.Read("in/" + name), "x") << "copy mode puts the copy back where the source is gone";
        std::filesystem::remove(tree / ("in/" + name));
    }
}

TEST_F(UndoTest, AnyAnswerButYesChangesNothing) {
    tree.File("R/a.txt", "a");
    tree.Folder("in");
    WriteJournal({"Move Mode", tree / "in/a.txt", tree / "R/a.txt"});
    host.Answers = {false};
    engine.UndoLastRun();
    EXPECT_TRUE(tree.Exists("R/a.txt"));
    EXPECT_TRUE(data.Exists(kJournalFileName));
    EXPECT_TRUE(host.UndoEnabled);
    EXPECT_EQ(host.Asked, Decisions{Decision::ConfirmUndo});
    EXPECT_TRUE(host.Ends.empty());
}

// No journal is nothing to undo; one that cannot be read is reported; neither changes anything.
TEST_F(UndoTest, AMissingOrUnreadableJournalIsReportedBeforeAnythingChanges) {
    tree.File("R/a.txt", "a");
    const auto before = FilesBelow(tree.Path());
    engine.UndoLastRun();
    EXPECT_EQ(host.Notices, std::vector<Notice>{Notice::NothingToUndo});
    EXPECT_EQ(host.LastEnd().How, Outcome::Refused);
    EXPECT_FALSE(host.LastEnd().UndoAvailable);
    EXPECT_FALSE(host.LastProgress);
    EXPECT_EQ(FilesBelow(tree.Path()), before);
    EXPECT_FALSE(data.Exists(kJournalFileName));

    data.Folder(kJournalFileName); // not a file at all
    engine.UndoLastRun();
    EXPECT_EQ(host.Notices, (std::vector<Notice>{Notice::NothingToUndo, Notice::JournalUnreadable}));
    EXPECT_EQ(host.LastEnd().How, Outcome::Failed);
    EXPECT_TRUE(data.Exists(kJournalFileName));
    EXPECT_TRUE(host.UndoEnabled);
    EXPECT_EQ(FilesBelow(tree.Path()), before);
}

// The journal comes in a mebibyte at a time; a read failing half-way leaves the pairs before it restored
// and the journal in place, and the undo started again finishes the rest.
TEST_F(UndoTest, AnUndoCutShortByAFailedReadCanBeStartedAgain) {
    tree.File("R/first.txt", "1");
    tree.File("R/last.txt", "2");
    tree.Folder("in");
    Lines journal = {"Move Mode", tree / "in/first.txt", tree / "R/first.txt"};
    for (int i = 0; journal.size() * 200 < 1536 * 1024; ++i)
        for (int side = 0; side < 2; ++side)
            journal.push_back("/gone/" + std::string(200, 'x') + std::to_string(i));
    journal.insert(journal.end(), {tree / "in/last.txt", tree / "R/last.txt"});
    WriteJournal(journal);

    FaultInjector faults;
    // Reads 1 to 3 count the lines (two pieces and the end); 4 and 5 are the pieces of the pairs.
    faults.FailNth(Syscall::Read, 5, EIO);
    PosixFileSystem failing(&faults);
    Engine cutShort(options, {failing, host, pump, shell}, data.Path());
    cutShort.UndoLastRun();
    EXPECT_EQ(tree.Read("in/first.txt"), "1");
    EXPECT_EQ(tree.Read("R/last.txt"), "2");
    EXPECT_TRUE(data.Exists(kJournalFileName));
    EXPECT_EQ(host.Notices, std::vector<Notice>{Notice::JournalUnreadable});
    EXPECT_EQ(host.LastEnd().How, Outcome::Failed);
    EXPECT_EQ(host.LastEnd().Placed, 1);
    EXPECT_TRUE(host.UndoEnabled);
    EXPECT_FALSE(cutShort.IsBusy());

    // The journal, larger than a piece, is removed while the window keeps its turns.
    FaultInjector slow;
    std::atomic<bool> removing = false;
    slow.RunBefore(Syscall::Unlink, 1, [&] {
        removing = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        removing = false;
    });
    PosixFileSystem slowFs(&slow);
    Engine again(options, {slowFs, host, pump, shell}, data.Path());
    int turnsWhileRemoving = 0;
    pump.OnPump = [&] { turnsWhileRemoving += removing && again.IsBusy(); };
    host.Asked.clear();
    host.Notices.clear();
    host.Ends.clear();
    again.UndoLastRun();
    EXPECT_GE(turnsWhileRemoving, 1);
    EXPECT_EQ(tree.Read("in/first.txt"), "1");
    EXPECT_EQ(tree.Read("in/last.txt"), "2");
    EXPECT_FALSE(tree.Exists("R"));
    ExpectFinished();
}

TEST_F(UndoTest, IsBusyWhileItRunsAndRefusesASecondUndo) {
    tree.File("R/a.txt", "a");
    tree.Folder("in");
    WriteJournal({"Move Mode", tree / "in/a.txt", tree / "R/a.txt"});
    int busyTurns = 0, idleTurns = 0;
    pump.OnPump = [&] {
        ++(engine.State().UndoInProgress && engine.IsBusy() ? busyTurns : idleTurns);
        engine.UndoLastRun();
    };
    engine.UndoLastRun();
    EXPECT_GT(busyTurns, 0);
    EXPECT_EQ(idleTurns, 0) << "busy from the first turn, while the journal is read";
    EXPECT_EQ(host.Asked, Decisions{Decision::ConfirmUndo}) << "the undo inside the undo asked nothing";
    ExpectFinished();
}

TEST_F(UndoTest, UndoAndRunNeverRunInsideEachOther) {
    tree.File("in/a.txt", "a");
    options.SourceList = {tree / "in"};
    options.ResultLocation = tree / "R";
    options.MethodKey = Method::Type;
    options.EveryTypeFolder = true;
    WriteJournal({"Move Mode"});
    pump.OnPump = [this] { engine.UndoLastRun(); };
    host.Answers = {false}; // do not open the result location
    engine.Run();
    EXPECT_EQ(host.Asked, Decisions{Decision::OpenResult}) << "no undo question while the run walks";
    EXPECT_EQ(tree.Read("R/txt/a.txt"), "a");

    tree.File("R/b.txt", "b");
    WriteJournal({"Move Mode", tree / "in/b.txt", tree / "R/b.txt"});
    host.Asked.clear();
    host.Ends.clear();
    pump.OnPump = [this] { engine.Run(); };
    engine.UndoLastRun();
    EXPECT_EQ(tree.Read("in/b.txt"), "b");
    EXPECT_EQ(host.Asked, Decisions{Decision::ConfirmUndo}) << "no run while undoing";
    ASSERT_EQ(host.Ends.size(), 1u);
    EXPECT_EQ(host.LastEnd().Kind, CommandKind::Undo);
}

// Only what the run placed goes back: the journal keeps each item's identity beside it. A file the user
// put at a placed name later (the placed one moved away first, or renamed over it), or a copy replaced by
// an equal copy, stays where it is, is named, and keeps its pair for a later undo, which leaves it too.
// Edited in place, an item is still the one placed. A journal without identities, an older program's,
// undoes as before.
TEST_F(UndoTest, OnlyWhatTheRunPlacedGoesBack) {
    namespace fs = std::filesystem;
    const auto write = [](const std::string& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
        return path;
    };
    struct Case {
        const char* Name;
        bool Copying;
        std::function<void(const std::string& placed)> Afterwards;
        bool GoesBack;
    };
    const std::vector<Case> cases{
        {"moved away, a new file at its name", false,
         [&](const std::string& placed) {
             fs::rename(placed, placed + ".kept");
             write(placed, "the user's");
         },
         false},
        {"renamed over", false,
         [&](const std::string& placed) { fs::rename(write(placed + ".new", "the user's"), placed); }, false},
        {"edited in place", false,
         [&](const std::string& placed) { std::ofstream(placed, std::ios::app) << ", edited"; }, true},
        {"journal without identities", false,
         [&](const std::string&) { fs::remove(data / (std::string(kJournalFileName) + kIdentitiesSuffix)); },
         true},
        {"copy replaced by an equal copy", true,
         [&](const std::string& placed) {
             const std::string twin = write(placed + ".twin", "a");
             fs::last_write_time(twin, fs::last_write_time(placed));
             fs::rename(twin, placed);
         },
         false},
    };
    for (std::size_t index = 0; index < cases.size(); ++index) {
        const Case& test = cases[index];
        SCOPED_TRACE(test.Name);
        const std::string in = "in" + std::to_string(index);
        const std::string placed = "R" + std::to_string(index) + "/txt/a.txt";
        tree.File(in + "/a.txt", "a");
        tree.File(in + "/b.txt", "b");
        options.SourceList = {tree / in};
        options.ResultLocation = tree / ("R" + std::to_string(index));
        options.MethodKey = Method::Type;
        options.EveryTypeFolder = true;
        options.MoveSourceFiles = !test.Copying;
        host = RecordingHost();
        host.Answers = {false}; // do not open the result location
        engine.Run();
        ASSERT_TRUE(tree.Exists(placed)) << host.Trouble();
        test.Afterwards(tree / placed);
        const std::string content = tree.Read(placed);

        for (int undo = 0; undo < (test.GoesBack ? 1 : 2); ++undo) {
            SCOPED_TRACE("undo " + std::to_string(undo + 1));
            host.FailedItems.clear();
            engine.UndoLastRun();
            EXPECT_EQ(tree.Read(in + "/b.txt"), "b");
            if (test.GoesBack) {
                EXPECT_EQ(tree.Read(in + "/a.txt"), content);
                EXPECT_FALSE(tree.Exists(placed));
                EXPECT_TRUE(host.FailedItems.empty()) << host.Trouble();
                continue;
            }
            EXPECT_EQ(tree.Read(placed), content);
            EXPECT_EQ(tree.Exists(in + "/a.txt"), test.Copying) << "only a copy's source is there";
            ASSERT_EQ(host.FailedItems.size(), 1u);
            EXPECT_EQ(host.FailedItems[0].Path, tree / placed);
            EXPECT_EQ(host.FailedItems[0].Error, MakeError(EngineError::ReplacedSinceRun));
            ExpectLeft({test.Copying ? "Copy Mode" : "Move Mode", tree / (in + "/a.txt"), tree / placed});
        }
    }
}

TEST_F(UndoTest, AJournalLeftBehindByAnInterruptedRunIsUndone) {
    tree.File("R/a.txt", "a");
    tree.Folder("in");
    data.File(kJournalInProgressFileName,
              EncodeTextFile({"Move Mode", tree / "in/a.txt", tree / "R/a.txt"}, TextEncoding::Plain));
    engine.UndoLastRun();
    EXPECT_TRUE(tree.Exists("in/a.txt"));
    EXPECT_FALSE(data.Exists(kJournalInProgressFileName));
    ExpectFinished();
}

TEST_F(UndoTest, TheWindowGetsATurnForEveryPairAndEveryFolderRemoval) {
    data.File(kJournalFileName,
              EncodeTextFile({"Move Mode", "/gone/a", "/gone/b", "/gone/c", "/gone/d", "/x/e", "/other/f"},
                             TextEncoding::Plain));
    int turns = 0;
    pump.OnPump = [&] { ++turns; };
    engine.UndoLastRun();
    EXPECT_EQ(turns, 2 + 3 + 2)
        << "one piece of journal read twice (the count, then the pairs), three pairs, two folders";
}

TEST_F(UndoTest, EmptiedFoldersInsideOneAnotherAreAllRemoved) {
    tree.File("R/Music/a.mp3", "a");
    tree.File("R/Music/Rock/b.mp3", "b");
    tree.File("R/Music/Rock/Live/c.mp3", "c");
    tree.Folder("in");
    WriteJournal({"Move Mode", tree / "in/c.mp3", tree / "R/Music/Rock/Live/c.mp3", tree / "in/a.mp3",
                  tree / "R/Music/a.mp3", tree / "in/b.mp3", tree / "R/Music/Rock/b.mp3"});
    engine.UndoLastRun();
    EXPECT_EQ(tree.Read("in/a.mp3"), "a");
    EXPECT_EQ(tree.Read("in/c.mp3"), "c");
    EXPECT_FALSE(tree.Exists("R/Music"));
    EXPECT_TRUE(tree.Exists("R"));
    ExpectFinished();
}

// The run moves a link to a folder as the link itself; the undo takes it back, and still leaves real
// folders where the run put them.
TEST_F(UndoTest, ALinkToAFolderGoesBackAsTheLink) {
    tree.Folder("album");
    tree.Folder("in");
    tree.Folder("R/Links");
    std::filesystem::create_directory_symlink(tree / "album", tree / "R/Links/shortcut");
    WriteJournal({"Move Mode", tree / "in/shortcut", tree / "R/Links/shortcut"});
    engine.UndoLastRun();
    EXPECT_TRUE(std::filesystem::is_symlink(tree / "in/shortcut"));
    EXPECT_FALSE(tree.Exists("R/Links"));
    EXPECT_TRUE(tree.Exists("album"));
    ExpectFinished();
}

} // namespace
} // namespace varnolt
