// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/RunJournal.h"
#include "platform/fakes/FaultInjector.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"
#include "tests/platform/FaultCampaign.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace varnolt {
namespace {

class RunJournalTest : public ::testing::Test {
protected:
    TempDir data;
    PosixFileSystem fs;
    RunJournal journal;
    std::string error;
};

TEST_F(RunJournalTest, LinesReachTheSideFileAsTheRunGoes) {
    journal.Begin(fs, data.Path(), kMoveModeLine);
    journal.AppendPair("/in/a.txt", "/out/2011-3-7/a.txt");
    // What a kill leaves: the lines, then zeros in the room reserved ahead.
    const std::string side = data.Read(kJournalInProgressFileName);
    EXPECT_EQ(side.substr(0, side.find('\0')), "Move Mode\r\n/in/a.txt\r\n/out/2011-3-7/a.txt\r\n");
    EXPECT_EQ(side.find_first_not_of('\0', side.find('\0')), std::string::npos);
    EXPECT_EQ(journal.LineCount(), 3);
    EXPECT_FALSE(data.Exists(kJournalFileName));
}

TEST_F(RunJournalTest, SaveReplacesTheEarlierJournalAndEmpties) {
    data.File(kJournalFileName, "Copy Mode\r\n/old\r\n/older\r\n");
    journal.Begin(fs, data.Path(), kMoveModeLine);
    journal.AppendPair("/in/caf\xE9.txt", "/out/caf\xE9(1).txt");
    ASSERT_TRUE(journal.Save(error)) << error;
    EXPECT_EQ(data.Read(kJournalFileName), "Move Mode\r\n/in/caf\xE9.txt\r\n/out/caf\xE9(1).txt\r\n");
    EXPECT_FALSE(data.Exists(kJournalInProgressFileName));
    EXPECT_TRUE(journal.IsEmpty());
}

TEST_F(RunJournalTest, TheCallerIsServedWhileASlowDiskSyncs) {
    FaultInjector faults;
    faults.RunBefore(Syscall::Sync, 1, [] { std::this_thread::sleep_for(std::chrono::milliseconds(60)); });
    PosixFileSystem slow(&faults);
    journal.Begin(slow, data.Path(), kMoveModeLine);
    journal.AppendPair("/a", "/b");
    int served = 0;
    ASSERT_TRUE(journal.Save(error, [&] { ++served; })) << error;
    EXPECT_GE(served, 1);
    EXPECT_EQ(data.Read(kJournalFileName), "Move Mode\r\n/a\r\n/b\r\n");
    // A failed sync still fails the save.
    faults.FailNth(Syscall::Sync, faults.Count(Syscall::Sync) + 1, EIO);
    journal.Begin(slow, data.Path(), kMoveModeLine);
    EXPECT_FALSE(journal.Save(error, [] {}));
    EXPECT_FALSE(error.empty());
}

TEST_F(RunJournalTest, WithoutASideFileTheLinesWaitInMemory) {
    FaultInjector faults;
    faults.FailPathsContaining(kJournalInProgressFileName, EACCES, Syscall::Open);
    PosixFileSystem guarded(&faults);
    journal.Begin(guarded, data.Path(), kCopyModeLine);
    journal.AppendPair("/a", "/b");
    EXPECT_FALSE(data.Exists(kJournalInProgressFileName));
    ASSERT_TRUE(journal.Save(error)) << error;
    EXPECT_EQ(data.Read(kJournalFileName), "Copy Mode\r\n/a\r\n/b\r\n");
}

TEST_F(RunJournalTest, ASideFileThatFillsUpKeepsEveryWholePair) {
    FaultInjector faults;
    PosixFileSystem guarded(&faults);
    journal.Begin(guarded, data.Path(), kMoveModeLine);
    journal.AppendPair("/a", "/b");
    faults.FailNth(Syscall::Write, faults.Count(Syscall::Write) + 1, ENOSPC);
    journal.AppendPair("/c", "/d");
    journal.AppendPair("/e", "/f");
    ASSERT_TRUE(journal.Save(error)) << error;
    EXPECT_EQ(data.Read(kJournalFileName), "Move Mode\r\n/a\r\n/b\r\n/c\r\n/d\r\n/e\r\n/f\r\n");
    EXPECT_FALSE(data.Exists(kJournalInProgressFileName));
}

TEST_F(RunJournalTest, AnUnwritableDataFolderFailsTheSave) {
    journal.Begin(fs, data.Path() + "missing/", kMoveModeLine);
    EXPECT_FALSE(journal.Save(error));
    EXPECT_FALSE(error.empty());
}

TEST_F(RunJournalTest, ACrashLeftSideFileBecomesTheJournal) {
    EXPECT_FALSE(RecoverInterruptedJournal(fs, data.Path()));
    data.File(kJournalFileName, "Move Mode\r\n");
    data.File(kJournalInProgressFileName, "Move Mode\r\n/a\r\n/b\r\n");
    EXPECT_TRUE(RecoverInterruptedJournal(fs, data.Path()));
    EXPECT_EQ(data.Read(kJournalFileName), "Move Mode\r\n/a\r\n/b\r\n");
    EXPECT_FALSE(data.Exists(kJournalInProgressFileName));

    // A recovery that fails at any step keeps the run undoable: the side file stays for the next one.
    testing::FailEachCallInTurn([](FaultInjector& faults, auto describe) {
        TempDir folder;
        folder.File(kJournalFileName, "Copy Mode\r\n");
        folder.File(kJournalInProgressFileName, "Move Mode\r\n/a\r\n/b\r\n/c");
        PosixFileSystem failing(&faults);
        const bool recovered = RecoverInterruptedJournal(failing, folder.Path());
        SCOPED_TRACE(describe());
        EXPECT_FALSE(folder.Exists(kJournalRecoveryFileName));
        if (!recovered) {
            EXPECT_EQ(folder.Read(kJournalFileName), "Copy Mode\r\n");
            PosixFileSystem fs;
            EXPECT_TRUE(RecoverInterruptedJournal(fs, folder.Path()));
        }
        EXPECT_EQ(folder.Read(kJournalFileName), "Move Mode\r\n/a\r\n/b\r\n");
        EXPECT_FALSE(folder.Exists(kJournalInProgressFileName));
    });
}

TEST_F(RunJournalTest, ALineCutShortByAPowerCutIsDroppedOnRecovery) {
    data.File(kJournalInProgressFileName, "Move Mode\r\n/in/a\r\n/out/a\r\n/in/b\r\n/out/");
    EXPECT_TRUE(RecoverInterruptedJournal(fs, data.Path()));
    EXPECT_EQ(data.Read(kJournalFileName), "Move Mode\r\n/in/a\r\n/out/a\r\n/in/b\r\n");
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
