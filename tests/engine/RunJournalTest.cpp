// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/RunJournal.h"

#include "platform/fakes/FaultInjector.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"
#include "tests/platform/FaultCampaign.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace varnolt {
namespace {

class RunJournalTest : public ::testing::Test {
  protected:
    TempDir data;
    PosixFileSystem fs;
    RunJournal journal;
};

// Each pair is in before its move is tried; the pair of a move that did not happen is taken back.
TEST_F(RunJournalTest, LinesReachTheSideFileAsTheRunGoes) {
    ASSERT_TRUE(journal.Begin(fs, data.Path(), kMoveModeLine));
    EXPECT_TRUE(journal.IsEmpty());
    ASSERT_TRUE(journal.AppendPair("/in/a.txt", "/out/2011-3-7/a.txt"));
    ASSERT_TRUE(journal.AppendPair("/in/b.txt", "/out/2011-3-7/b.txt"));
    journal.TakeBackPair();
    // What a kill leaves: the lines, then zeros in the room reserved ahead.
    const std::string side = data.Read(kJournalInProgressFileName);
    EXPECT_EQ(side.substr(0, side.find('\0')), "Move Mode\r\n/in/a.txt\r\n/out/2011-3-7/a.txt\r\n");
    EXPECT_EQ(side.find_first_not_of('\0', side.find('\0')), std::string::npos);
    EXPECT_FALSE(journal.IsEmpty());
    EXPECT_FALSE(data.Exists(kJournalFileName));
}

TEST_F(RunJournalTest, SaveReplacesTheEarlierJournalAndEmpties) {
    data.File(kJournalFileName, "Copy Mode\r\n/old\r\n/older\r\n");
    journal.Begin(fs, data.Path(), kMoveModeLine);
    journal.AppendPair("/in/caf\xE9.txt", "/out/caf\xE9(1).txt");
    ASSERT_TRUE(journal.Save());
    EXPECT_EQ(data.Read(kJournalFileName), "Move Mode\r\n/in/caf\xE9.txt\r\n/out/caf\xE9(1).txt\r\n");
    EXPECT_FALSE(data.Exists(kJournalInProgressFileName));
    EXPECT_TRUE(journal.IsEmpty());
}

TEST_F(RunJournalTest, TheCallerIsServedWhileASlowDiskSyncs) {
    FaultInjector faults;
    PosixFileSystem slow(&faults);
    ASSERT_TRUE(journal.Begin(slow, data.Path(), kMoveModeLine)); // its mode line synced at once
    ASSERT_TRUE(journal.AppendPair("/a", "/b"));
    faults.RunBefore(Syscall::Sync, faults.Count(Syscall::Sync) + 1,
                     [] { std::this_thread::sleep_for(std::chrono::milliseconds(60)); });
    int served = 0;
    ASSERT_TRUE(journal.Save([&] { ++served; }));
    EXPECT_GE(served, 1);
    EXPECT_EQ(data.Read(kJournalFileName), "Move Mode\r\n/a\r\n/b\r\n");
    // A failed sync still fails the save.
    ASSERT_TRUE(journal.Begin(slow, data.Path(), kMoveModeLine));
    faults.FailNth(Syscall::Sync, faults.Count(Syscall::Sync) + 1, EIO);
    EXPECT_EQ(journal.Save([] {}).Error(), std::errc::io_error);
}

// Without a side file no pair can go in before its move, so the run moves nothing.
TEST_F(RunJournalTest, WithoutASideFileNoPairIsTaken) {
    data.File(kJournalFileName, "Copy Mode\r\n/old\r\n/older\r\n");
    FaultInjector faults;
    faults.FailPathsContaining(kJournalInProgressFileName, EACCES, Syscall::Open);
    PosixFileSystem guarded(&faults);
    EXPECT_EQ(journal.Begin(guarded, data.Path(), kCopyModeLine).Error(), std::errc::permission_denied);
    EXPECT_FALSE(journal.AppendPair("/a", "/b"));
    EXPECT_FALSE(journal.Save());
    EXPECT_FALSE(data.Exists(kJournalInProgressFileName));
    EXPECT_EQ(data.Read(kJournalFileName), "Copy Mode\r\n/old\r\n/older\r\n");
}

TEST_F(RunJournalTest, ASideFileThatFillsUpKeepsEveryWholePair) {
    FaultInjector faults;
    PosixFileSystem guarded(&faults);
    journal.Begin(guarded, data.Path(), kMoveModeLine);
    ASSERT_TRUE(journal.AppendPair("/a", "/b"));
    // Through the mapping or written, the next pair fails.
    faults.FailNth(Syscall::Write, faults.Count(Syscall::Write) + 1, ENOSPC);
    EXPECT_EQ(journal.AppendPair("/c", "/d").Error(), std::errc::no_space_on_device);
    ASSERT_TRUE(journal.AppendPair("/e", "/f"));
    ASSERT_TRUE(journal.Save());
    // A pair the side file could not take is not in it, and its move is not tried.
    EXPECT_EQ(data.Read(kJournalFileName), "Move Mode\r\n/a\r\n/b\r\n/e\r\n/f\r\n");
    EXPECT_FALSE(data.Exists(kJournalInProgressFileName));
}

TEST_F(RunJournalTest, AnUnwritableDataFolderFailsTheSave) {
    EXPECT_EQ(journal.Begin(fs, data.Path() + "missing/", kMoveModeLine).Error(),
              std::errc::no_such_file_or_directory);
    EXPECT_FALSE(journal.Save());
}

TEST_F(RunJournalTest, ACrashLeftSideFileBecomesTheJournal) {
    EXPECT_FALSE(RecoverInterruptedJournal(fs, data.Path()));
    data.File(kJournalFileName, "Move Mode\r\n");
    // The move of the last pair happened: its source is gone, its destination there.
    const std::string moved = "Move Mode\r\n/a\r\n" + data.File("b") + "\r\n";
    data.File(kJournalInProgressFileName, moved);
    EXPECT_TRUE(RecoverInterruptedJournal(fs, data.Path()));
    EXPECT_EQ(data.Read(kJournalFileName), moved);
    EXPECT_FALSE(data.Exists(kJournalInProgressFileName));

    // The last pair went in before its move, and the kill came first: its source is still there.
    data.File(kJournalInProgressFileName, moved + data.File("c") + "\r\n" + data.Path() + "d\r\n");
    EXPECT_TRUE(RecoverInterruptedJournal(fs, data.Path()));
    EXPECT_EQ(data.Read(kJournalFileName), moved);
    // A run killed before its first move leaves the journal of the run before.
    data.File(kJournalInProgressFileName, "Move Mode\r\n" + data.File("e") + "\r\n/f\r\n");
    EXPECT_FALSE(RecoverInterruptedJournal(fs, data.Path()));
    EXPECT_EQ(data.Read(kJournalFileName), moved);
    EXPECT_FALSE(data.Exists(kJournalInProgressFileName));

    // A recovery that fails at any step keeps the run undoable: the side file stays for the next one.
    testing::FailEachCallInTurn([](FaultInjector& faults, auto describe) {
        TempDir folder;
        folder.File(kJournalFileName, "Copy Mode\r\n");
        const std::string moved = "Move Mode\r\n/a\r\n" + folder.File("b") + "\r\n";
        folder.File(kJournalInProgressFileName, moved + "/c");
        PosixFileSystem failing(&faults);
        const bool recovered = RecoverInterruptedJournal(failing, folder.Path());
        SCOPED_TRACE(describe());
        EXPECT_FALSE(folder.Exists(kJournalRecoveryFileName));
        if (!recovered) {
            EXPECT_EQ(folder.Read(kJournalFileName), "Copy Mode\r\n");
            PosixFileSystem fs;
            EXPECT_TRUE(RecoverInterruptedJournal(fs, folder.Path()));
        }
        EXPECT_EQ(folder.Read(kJournalFileName), moved);
        EXPECT_FALSE(folder.Exists(kJournalInProgressFileName));
    });
}

TEST_F(RunJournalTest, ALineCutShortByAPowerCutIsDroppedOnRecovery) {
    // A pair with its source line only is no pair.
    data.File(kJournalInProgressFileName, "Move Mode\r\n/in/a\r\n/out/a\r\n/in/b\r\n/out/");
    EXPECT_TRUE(RecoverInterruptedJournal(fs, data.Path()));
    EXPECT_EQ(data.Read(kJournalFileName), "Move Mode\r\n/in/a\r\n/out/a\r\n");
    // Room reserved ahead is zeros; lines after zeros (pages a power cut lost) cannot be paired.
    data.File(kJournalInProgressFileName,
              "Move Mode\r\n/in/a\r\n/out/a\r\n/in/b" + std::string(2, '\0') + "\r\n/c\r\n");
    EXPECT_TRUE(RecoverInterruptedJournal(fs, data.Path()));
    EXPECT_EQ(data.Read(kJournalFileName), "Move Mode\r\n/in/a\r\n/out/a\r\n");

    // Read a mebibyte at a time: a line ending with the first piece, the last whole line in the second,
    // the cut one running on into the third.
    constexpr std::size_t kPiece = 1 << 20;
    std::string whole = "Move Mode\r\n/" + std::string(kPiece - 14, 'p') + "\r\n";
    whole += "/" + std::string(kPiece - 50, 'q') + "\r\n";
    data.File(kJournalInProgressFileName, whole + "/" + std::string(100, 'r'));
    EXPECT_TRUE(RecoverInterruptedJournal(fs, data.Path()));
    EXPECT_EQ(data.Read(kJournalFileName), whole);
    EXPECT_FALSE(data.Exists(kJournalInProgressFileName));
}

} // namespace
} // namespace varnolt
