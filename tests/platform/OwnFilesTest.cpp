// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own files: read whole, replaced atomically, appended to line by line.
#include "platform/fakes/FaultInjector.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"
#include "tests/platform/FaultCampaign.h"
#include "tests/platform/TreeSnapshot.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace varnolt {
namespace {

class OwnFilesTest : public ::testing::Test {
  protected:
    TempDir dir;
    PosixFileSystem fs;
    std::string error;
};

TEST_F(OwnFilesTest, ReadWholeFileGivesEveryByteOrTheReason) {
    std::string content = "Move Mode\r\n";
    content += std::string(2'500'000, 'p') + '\0' + "\xFF\r\n";
    const std::string path = dir.File("undo.udo", content);
    EXPECT_EQ(fs.ReadWholeFile(path, error), content);
    std::vector<std::size_t> pieces;
    std::string joined;
    EXPECT_TRUE(fs.ReadInPieces(path, [&](std::string_view piece) {
        pieces.push_back(piece.size());
        joined += piece;
    }));
    EXPECT_EQ(joined, content);
    EXPECT_EQ(pieces, (std::vector<std::size_t>{1 << 20, 1 << 20, content.size() - (2 << 20)}))
        << "never more than a mebibyte at a time";

    EXPECT_FALSE(fs.ReadWholeFile(dir / "missing.udo", error));
    EXPECT_EQ(error, std::strerror(ENOENT));

    FaultInjector faults;
    faults.FailNth(Syscall::Read, 2, EIO);
    PosixFileSystem failing(&faults);
    EXPECT_FALSE(failing.ReadWholeFile(path, error));
    EXPECT_EQ(error, std::strerror(EIO));
    FaultInjector laterFaults;
    laterFaults.FailNth(Syscall::Read, 2, EIO);
    PosixFileSystem failingLater(&laterFaults);
    pieces.clear();
    const FsResult read =
        failingLater.ReadInPieces(path, [&](std::string_view piece) { pieces.push_back(piece.size()); });
    EXPECT_EQ(read.Error(), std::error_code(EIO, std::generic_category()));
    EXPECT_EQ(pieces, std::vector<std::size_t>{1 << 20}) << "the pieces before the failure";
}

TEST_F(OwnFilesTest, ReplaceFileCreatesAndReplacesLeavingNothingElse) {
    const std::string path = dir / "Folderlist.txt";
    ASSERT_TRUE(fs.ReplaceFile(path, "first\r\n", error));
    EXPECT_EQ(dir.Read("Folderlist.txt"), "first\r\n");
    ASSERT_TRUE(fs.ReplaceFile(path, "", error));
    EXPECT_EQ(dir.Read("Folderlist.txt"), "");
    EXPECT_EQ(testing::Content(dir.Path()).size(), 1u);
}

TEST_F(OwnFilesTest, AReplaceThatFailsAnywhereKeepsTheOldFileWhole) {
    testing::FailEachCallInTurn([&](FaultInjector& faults, auto describe) {
        TempDir data;
        const std::string path = data.File("Wordfilter.txt", "old words\r\n");
        PosixFileSystem failing(&faults);
        std::string reason;
        const bool replaced = failing.ReplaceFile(path, "new words\r\n", reason);
        SCOPED_TRACE(describe());
        const std::string now = data.Read("Wordfilter.txt");
        // The folder's sync comes after the rename: the new content is in place then, reported or not.
        const auto& calls = faults.Calls();
        const bool renamed = std::any_of(calls.begin(), calls.end(), [](const auto& call) {
            return call.Kind == Syscall::Rename && call.Error == 0;
        });
        EXPECT_EQ(now, replaced || renamed ? "new words\r\n" : "old words\r\n");
        EXPECT_EQ(testing::Content(data.Path()).size(), 1u) << "a temporary file stayed";
        EXPECT_EQ(replaced, reason.empty());
    });
}

TEST_F(OwnFilesTest, AppendFileStartsEmptyAndKeepsEveryAppendedByte) {
    const std::string path = dir.File("journal", "an old journal");
    std::error_code failure;
    const auto file = fs.CreateAppendFile(path, failure);
    ASSERT_TRUE(file);
    EXPECT_EQ(dir.Read("journal"), "");
    ASSERT_TRUE(file->Append("Move Mode\r\n"));
    ASSERT_TRUE(file->Append(std::string(100'000, 'x')));
    ASSERT_TRUE(file->Sync());
    EXPECT_EQ(dir.Read("journal"), "Move Mode\r\n" + std::string(100'000, 'x'));

    EXPECT_FALSE(fs.CreateAppendFile(dir / "no folder/journal", failure));
    EXPECT_EQ(failure, std::error_code(ENOENT, std::generic_category()));
}

TEST_F(OwnFilesTest, AppendFileReportsAFailingWriteOrSync) {
    FaultInjector faults;
    faults.FailNth(Syscall::Write, 2, ENOSPC);
    faults.FailNth(Syscall::Sync, 1, EIO);
    PosixFileSystem failing(&faults);
    std::error_code failure;
    const auto file = failing.CreateAppendFile(dir / "journal", failure);
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->Append("one\r\n"));
    EXPECT_EQ(file->Append("two\r\n").Error(), std::error_code(ENOSPC, std::generic_category()));
    EXPECT_EQ(file->Sync().Error(), std::error_code(EIO, std::generic_category()));
    EXPECT_TRUE(file->Append("three\r\n"));
    EXPECT_TRUE(file->Sync());
    EXPECT_EQ(dir.Read("journal"), "one\r\nthree\r\n");

    // Room refused for a second window of the mapping: the rest is written at the true end, with no
    // reserved zeros between.
    const auto grown = failing.CreateAppendFile(dir / "grown", failure);
    ASSERT_TRUE(grown);
    const std::string first(3 << 20, 'a'), second(2 << 20, 'b');
    ASSERT_TRUE(grown->Append(first));
    faults.FailNth(Syscall::Reserve, faults.Count(Syscall::Reserve) + 1, ENOSPC);
    ASSERT_TRUE(grown->Append(second));
    ASSERT_TRUE(grown->Append("end"));
    EXPECT_EQ(dir.Read("grown"), first + second + "end");
}

TEST_F(OwnFilesTest, ReplaceWithPutsOneOwnFileOverAnother) {
    dir.File("undo.udo", "old");
    dir.File("undo.udo.new", "new");
    EXPECT_TRUE(fs.ReplaceWith(dir / "undo.udo.new", dir / "undo.udo"));
    EXPECT_EQ(dir.Read("undo.udo"), "new");
    EXPECT_FALSE(dir.Exists("undo.udo.new"));
    EXPECT_FALSE(fs.ReplaceWith(dir / "undo.udo.new", dir / "undo.udo"));
}

// flock locks belong to an open file description, so two locks in one process stand for two processes.
// The folder itself is locked: whatever happens to the files in it (a lock file of an older version
// removed or replaced, say), a second holder is kept out until the first lets go.
TEST_F(OwnFilesTest, TheLockOnAFolderHoldsWhateverHappensInsideIt) {
    const std::string data = dir.Folder("data");
    bool heldElsewhere = true;
    std::error_code failure = std::make_error_code(std::errc::io_error);
    auto first = fs.TryLock(data, heldElsewhere, failure);
    ASSERT_TRUE(first);
    EXPECT_FALSE(heldElsewhere);
    EXPECT_FALSE(failure);
    dir.File("data/undo.lock");
    ASSERT_EQ(::rename((dir / "data/undo.lock").c_str(), (dir / "data/moved").c_str()), 0);
    ASSERT_EQ(::unlink((dir / "data/moved").c_str()), 0);
    EXPECT_FALSE(fs.TryLock(data, heldElsewhere, failure));
    EXPECT_TRUE(heldElsewhere);
    EXPECT_FALSE(failure) << "held elsewhere is no failure";
    // However the folder is named.
    ASSERT_EQ(::symlink(data.c_str(), (dir / "alias").c_str()), 0);
    EXPECT_FALSE(fs.TryLock(dir / "alias/", heldElsewhere, failure));
    EXPECT_TRUE(heldElsewhere);
    first.reset();
    EXPECT_TRUE(fs.TryLock(data, heldElsewhere, failure)) << "free once the first holder lets go";
}

// A folder that cannot be locked is refused with the reason, never taken for a free lock.
TEST_F(OwnFilesTest, ALockThatCannotBeHadSaysWhy) {
    const std::string file = dir.File("data-is-a-file");
    FaultInjector refusing;
    refusing.FailNth(Syscall::Open, 1, EACCES); // as for a folder of another user (the tests run as root)
    PosixFileSystem unreadable(&refusing);
    const struct {
        FileSystem& Fs;
        std::string Folder;
        int Error;
    } cases[] = {{fs, dir / "missing/", ENOENT},
                 {fs, file + "/", ENOTDIR},
                 {fs, file, ENOTDIR},
                 {unreadable, dir.Path(), EACCES}};
    for (const auto& c : cases) {
        bool heldElsewhere = true;
        std::error_code failure;
        EXPECT_FALSE(c.Fs.TryLock(c.Folder, heldElsewhere, failure)) << c.Folder;
        EXPECT_FALSE(heldElsewhere) << c.Folder;
        EXPECT_EQ(failure, std::error_code(c.Error, std::generic_category())) << c.Folder;
    }
}

TEST(FaultInjectorTest, CountsFailsAndActsOnTheChosenCalls) {
    TempDir dir;
    dir.Folder("locked-in");
    FaultInjector faults;
    PosixFileSystem fs(&faults);
    int actions = 0;
    faults.RunBefore(Syscall::MakeDir, 2, [&] {
        ++actions;
        fs.FileExists(dir / "inside the action");
    });
    faults.FailNth(Syscall::MakeDir, 3, EROFS);
    faults.FailPathsContaining("locked", EACCES, Syscall::MakeDir);
    faults.FailNthCall(7, EIO);

    EXPECT_TRUE(fs.MakeFolder(dir / "a"));
    EXPECT_TRUE(fs.MakeFolder(dir / "b"));
    EXPECT_FALSE(fs.MakeFolder(dir / "c"));
    EXPECT_FALSE(fs.MakeFolder(dir / "locked"));
    EXPECT_TRUE(fs.FolderExists(dir / "locked-in"));
    EXPECT_FALSE(fs.FolderExists(dir / "a"));

    EXPECT_EQ(actions, 1);
    EXPECT_EQ(faults.Count(Syscall::MakeDir), 4);
    EXPECT_EQ(faults.Count(Syscall::Stat), 3);
    EXPECT_EQ(faults.Total(), 7);
    const std::vector<int> errors = {0, 0, 0, EROFS, EACCES, 0, EIO};
    for (std::size_t i = 0; i < errors.size(); ++i)
        EXPECT_EQ(faults.Calls()[i].Error, errors[i]) << i;
    EXPECT_EQ(faults.Calls()[2].Path, dir / "inside the action");
}

} // namespace
} // namespace varnolt
