// SPDX-License-Identifier: GPL-3.0-or-later
// Moving and copying whole folders: a taken name gives "Name (2)", nothing is overwritten, and a failure
// leaves the source whole and no partial copy behind.
#include "platform/fakes/FaultInjector.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"
#include "tests/platform/FaultCampaign.h"
#include "tests/platform/Fifo.h"
#include "tests/platform/TreeSnapshot.h"

#include <algorithm>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnolt {
namespace {

using testing::FailEachCallInTurn;
using testing::FileContents;
using testing::Snapshot;
using testing::TreeSnapshot;

void SetTimes(const std::string& path, time_t write) {
    const struct timespec times[2] = {{write - 50, 0}, {write, 777}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

// A small album: nested folders, an empty one, files of several modes and a relative link.
void MakeAlbum(const TempDir& dir, const std::string& album) {
    dir.File(album + "/cover.jpg", "cover");
    dir.File(album + "/disc 1/track 1.mp3", std::string(5'000, '1'));
    dir.File(album + "/disc 1/notes.txt", "notes");
    dir.Folder(album + "/disc 2/empty");
    ::symlink("../cover.jpg", (dir / (album + "/disc 1/cover link")).c_str());
    ::chmod((dir / (album + "/disc 1/notes.txt")).c_str(), 0600);
    ::chmod((dir / (album + "/disc 2")).c_str(), 0750);
    SetTimes(dir / (album + "/cover.jpg"), 1'100'000'000);
    SetTimes(dir / (album + "/disc 1/track 1.mp3"), 1'200'000'000);
    SetTimes(dir / (album + "/disc 1/notes.txt"), 1'250'000'000);
    SetTimes(dir / (album + "/disc 2/empty"), 1'300'000'000);
    SetTimes(dir / (album + "/disc 2"), 1'350'000'000);
    SetTimes(dir / (album + "/disc 1"), 1'400'000'000);
    SetTimes(dir / album, 1'500'000'000);
}

// Every rename into `out` crosses a file system boundary, as to another disk.
void CrossDevice(FaultInjector& faults) {
    faults.FailPathsContaining("/out/", EXDEV, Syscall::Rename);
}

// A fresh album in "in/Album" and an `out` folder, for one run of a fault campaign.
struct AlbumTree {
    explicit AlbumTree(const std::string& out) {
        MakeAlbum(tree, "in/Album");
        tree.Folder(out);
        before = Snapshot(tree / "in/Album");
    }
    TempDir tree;
    TreeSnapshot before;
};

class FolderTransferTest : public ::testing::Test {
  protected:
    FolderTransferTest() {
        MakeAlbum(dir, "in/Album");
        original = Snapshot(dir / "in/Album");
        dir.Folder("out");
    }

    TempDir dir;
    PosixFileSystem fs;
    TreeSnapshot original;
};

TEST_F(FolderTransferTest, MoveTakesTheWholeFolder) {
    ASSERT_TRUE(fs.MoveFolder(dir / "in/Album", dir / "out/Album"));
    EXPECT_FALSE(dir.Exists("in/Album"));
    EXPECT_EQ(Snapshot(dir / "out/Album"), original);
}

TEST_F(FolderTransferTest, ATakenNameGivesTheNextFreeNumberAndNothingIsOverwritten) {
    dir.File("out/Album/cover.jpg", "theirs");
    dir.File("out/Album (2)", "a file of theirs");
    const TreeSnapshot theirs = Snapshot(dir / "out/Album");
    std::string placedAt;
    ASSERT_TRUE(fs.MoveFolder(dir / "in/Album", dir / "out/Album", &placedAt));
    EXPECT_EQ(placedAt, dir / "out/Album (3)");
    EXPECT_EQ(Snapshot(dir / "out/Album (3)"), original);
    EXPECT_EQ(Snapshot(dir / "out/Album"), theirs);
    EXPECT_EQ(dir.Read("out/Album (2)"), "a file of theirs");

    MakeAlbum(dir, "in/Album");
    ASSERT_TRUE(fs.CopyFolder(dir / "in/Album/", dir / "out/Album/", &placedAt));
    EXPECT_EQ(placedAt, dir / "out/Album (4)");
    EXPECT_EQ(Snapshot(dir / "out/Album (4)"), original);
    EXPECT_EQ(Snapshot(dir / "in/Album"), original);
}

TEST_F(FolderTransferTest, ATakenNameAcrossFileSystemsGivesTheNextFreeNumberToo) {
    dir.Folder("out/Album");
    FaultInjector faults;
    CrossDevice(faults);
    PosixFileSystem crossing(&faults);
    ASSERT_TRUE(crossing.MoveFolder(dir / "in/Album", dir / "out/Album"));
    EXPECT_FALSE(dir.Exists("in/Album"));
    EXPECT_EQ(Snapshot(dir / "out/Album (2)"), original);
    EXPECT_EQ(Snapshot(dir / "out/Album").size(), 1u);
}

TEST_F(FolderTransferTest, MissingParentsOfTheDestinationAreMade) {
    ASSERT_TRUE(fs.CopyFolder(dir / "in/Album", dir / "out/2011/3/Album"));
    EXPECT_EQ(Snapshot(dir / "out/2011/3/Album"), original);
    ASSERT_TRUE(fs.MoveFolder(dir / "in/Album", dir / "new/deep/Album"));
    EXPECT_EQ(Snapshot(dir / "new/deep/Album"), original);
}

TEST_F(FolderTransferTest, AFolderIsNeverCopiedOrMovedIntoItself) {
    EXPECT_FALSE(fs.CopyFolder(dir / "in/Album", dir / "in/Album/disc 1/Album"));
    EXPECT_FALSE(fs.CopyFolder(dir / "in/Album", dir / "in/Album/new/Album"));
    ::symlink((dir / "in/Album/disc 2").c_str(), (dir / "out/way in").c_str());
    EXPECT_FALSE(fs.CopyFolder(dir / "in/Album", dir / "out/way in/Album"));

    FaultInjector faults;
    faults.FailPathsContaining("/in/", EXDEV, Syscall::Rename);
    PosixFileSystem crossing(&faults);
    EXPECT_FALSE(crossing.MoveFolder(dir / "in/Album", dir / "in/Album/disc 1/Album"));
    EXPECT_FALSE(fs.MoveFolder(dir / "in/Album", dir / "in/Album/disc 1/Album"));
    EXPECT_EQ(Snapshot(dir / "in/Album"), original);
}

TEST_F(FolderTransferTest, MoveAcrossFileSystemsCopiesTheTreeWithLinksModesAndTimes) {
    FaultInjector faults;
    CrossDevice(faults);
    PosixFileSystem crossing(&faults);
    ASSERT_TRUE(crossing.MoveFolder(dir / "in/Album", dir / "out/Album"));
    EXPECT_FALSE(dir.Exists("in/Album"));
    EXPECT_EQ(Snapshot(dir / "out/Album"), original);

    // The copy is on the disk before the first original goes.
    const auto& calls = faults.Calls();
    const auto firstRemoval = std::find_if(calls.begin(), calls.end(), [&](const auto& call) {
        return call.Kind == Syscall::Unlink && call.Path.starts_with(dir / "in/");
    });
    ASSERT_NE(firstRemoval, calls.end());
    EXPECT_TRUE(std::any_of(calls.begin(), firstRemoval,
                            [](const auto& call) { return call.Kind == Syscall::Sync; }));
}

TEST_F(FolderTransferTest, AnyFailingCallOfAMoveAcrossFileSystemsLosesNothing) {
    FailEachCallInTurn(
        [&](FaultInjector& faults, auto describe) {
            const AlbumTree album("out");
            const TempDir& tree = album.tree;
            const TreeSnapshot& before = album.before;
            CrossDevice(faults);
            // Killed at any point, the folder's name holds nothing or the whole copy.
            testing::KillPointWatch watch(faults, [&] {
                return !tree.Exists("out/new/Album") || Snapshot(tree / "out/new/Album") == before;
            });
            PosixFileSystem failing(&watch);
            const bool moved(failing.MoveFolder(tree / "in/Album", tree / "out/new/Album"));
            SCOPED_TRACE(describe());
            EXPECT_EQ(watch.Unsound, 0) << "a half copy under the folder's name";
            const TreeSnapshot source = Snapshot(tree / "in/Album");
            if (!moved) {
                EXPECT_EQ(source, before);
                EXPECT_FALSE(tree.Exists("out/new")) << "a partial copy or a made parent stayed";
                return;
            }
            EXPECT_EQ(Snapshot(tree / "out/new/Album"), before);
            if (source.empty()) return;
            // Removing the source failed half way: the complete copy stands for the move.
            const auto& calls = faults.Calls();
            const auto failed = std::find_if(calls.begin(), calls.end(), [](const auto& call) {
                return call.Error != 0 && call.Error != EXDEV;
            });
            ASSERT_NE(failed, calls.end());
            EXPECT_TRUE(failed->Kind == Syscall::Unlink || failed->Kind == Syscall::RemoveDir);
        },
        testing::ShortCampaignErrors);
}

TEST_F(FolderTransferTest, AMoveAcrossFileSystemsLeavesAFolderWhoseFileChangedDuringTheCopy) {
    FaultInjector faults;
    CrossDevice(faults);
    // The tree is copied, then flushed once: a file of it saved in between makes the copy out of date.
    faults.RunBefore(Syscall::Sync, 1,
                     [&] { std::ofstream(dir / "in/Album/disc 1/notes.txt", std::ios::app) << "!"; });
    PosixFileSystem crossing(&faults);
    EXPECT_FALSE(crossing.MoveFolder(dir / "in/Album", dir / "out/Album"));
    EXPECT_EQ(dir.Read("in/Album/disc 1/notes.txt"), "notes!");
    EXPECT_EQ(FileContents(dir / "in/Album").size(), FileContents(dir / "out").size() + 3);
    EXPECT_TRUE(testing::Content(dir / "out").empty());
}

// As FAT through FUSE: no rename without replacing, no hard links, no permission bits. A move inside
// that file system is a copy, then the originals removed.
TEST_F(FolderTransferTest, AFileSystemWithoutSafeRenamesLinksOrModesStillTakesMovesAndCopies) {
    FaultInjector faults;
    faults.FailPathsContaining("/out/", EINVAL, Syscall::Rename);
    faults.FailPathsContaining("/out/", EPERM, Syscall::Link);
    faults.FailPathsContaining("/out/", ENOSYS, Syscall::Chmod);
    PosixFileSystem limited(&faults);
    const auto files = FileContents(dir / "in/Album");
    ASSERT_TRUE(limited.CopyFolder(dir / "in/Album", dir / "out/Copy"));
    ASSERT_TRUE(limited.MoveFolder(dir / "in/Album", dir / "out/Album"));
    EXPECT_FALSE(dir.Exists("in/Album"));
    EXPECT_EQ(FileContents(dir / "out/Album"), files);
    EXPECT_EQ(FileContents(dir / "out/Copy"), files);
}

TEST_F(FolderTransferTest, AnyFailingCallOfACopyLeavesNoPartialCopy) {
    FailEachCallInTurn(
        [&](FaultInjector& faults, auto describe) {
            const AlbumTree album("out/Album");
            const TempDir& tree = album.tree;
            const TreeSnapshot& before = album.before;
            const TreeSnapshot out = testing::Content(tree / "out");
            testing::KillPointWatch watch(faults, [&] {
                return !tree.Exists("out/Album (2)") || Snapshot(tree / "out/Album (2)") == before;
            });
            PosixFileSystem failing(&watch);
            const bool copied(failing.CopyFolder(tree / "in/Album", tree / "out/Album"));
            SCOPED_TRACE(describe());
            EXPECT_EQ(watch.Unsound, 0) << "a half copy under the folder's name";
            EXPECT_EQ(Snapshot(tree / "in/Album"), before);
            if (copied)
                EXPECT_EQ(Snapshot(tree / "out/Album (2)"), before);
            else
                EXPECT_EQ(testing::Content(tree / "out"), out);
        },
        testing::ShortCampaignErrors);
}

TEST_F(FolderTransferTest, AnyFailingCallOfAMoveOnOneFileSystemLeavesTheSourceWhole) {
    FailEachCallInTurn([&](FaultInjector& faults, auto describe) {
        const AlbumTree album("out/Album");
        const TempDir& tree = album.tree;
        const TreeSnapshot& before = album.before;
        PosixFileSystem failing(&faults);
        const bool moved(failing.MoveFolder(tree / "in/Album", tree / "out/x/Album"));
        SCOPED_TRACE(describe());
        EXPECT_EQ(Snapshot(tree / (moved ? "out/x/Album" : "in/Album")), before);
        EXPECT_NE(tree.Exists("in/Album"), tree.Exists("out/x"));
    });
}

TEST_F(FolderTransferTest, ALinkToAFolderMovesAsTheLinkAndCopiesAsItsFolder) {
    ::symlink("Album", (dir / "in/Shortcut").c_str());
    ASSERT_TRUE(fs.CopyFolder(dir / "in/Shortcut", dir / "out/Copied"));
    EXPECT_EQ(FileContents(dir / "out/Copied"), FileContents(dir / "in/Album"));
    EXPECT_EQ(testing::DescribeEntry(dir / "out/Copied/disc 1/cover link"), "link -> ../cover.jpg");

    ASSERT_TRUE(fs.MoveFolder(dir / "in/Shortcut", dir / "out/Shortcut"));
    EXPECT_EQ(testing::DescribeEntry(dir / "out/Shortcut"), "link -> Album");

    FaultInjector faults;
    CrossDevice(faults);
    PosixFileSystem crossing(&faults);
    ::symlink((dir / "in/Album").c_str(), (dir / "in/Absolute").c_str());
    ASSERT_TRUE(crossing.MoveFolder(dir / "in/Absolute", dir / "out/Shortcut"));
    EXPECT_EQ(testing::DescribeEntry(dir / "out/Shortcut (2)"), "link -> " + (dir / "in/Album"));
    EXPECT_FALSE(dir.Exists("in/Absolute"));
    EXPECT_EQ(Snapshot(dir / "in/Album"), original);
}

TEST_F(FolderTransferTest, AFifoInsideIsMovedWithItsFolderButStopsACopyAtOnce) {
    const std::string fifo = dir / "in/Album/disc 1/pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(testing::ResultWithoutBlockingOn(
        fifo, [&] { return static_cast<bool>(fs.CopyFolder(dir / "in/Album", dir / "out/Album")); }));
    EXPECT_FALSE(dir.Exists("out/Album"));

    ASSERT_TRUE(fs.MoveFolder(dir / "in/Album", dir / "out/Album"));
    EXPECT_TRUE(dir.Exists("out/Album/disc 1/pipe"));
}

TEST_F(FolderTransferTest, OnlyAFolderIsMovedOrCopiedAsOne) {
    const std::string file = dir.File("in/file.txt");
    EXPECT_FALSE(fs.MoveFolder(file, dir / "out/file.txt"));
    EXPECT_FALSE(fs.CopyFolder(file, dir / "out/file.txt"));
    EXPECT_FALSE(fs.MoveFolder(dir / "in/nothing", dir / "out/nothing"));
    EXPECT_TRUE(dir.Exists("in/file.txt"));
    EXPECT_EQ(Snapshot(dir / "out").size(), 1u);
}

} // namespace
} // namespace varnolt
