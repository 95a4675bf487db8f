// SPDX-License-Identifier: GPL-3.0-or-later
// Moving and copying single files: never over an existing entry, and never half done.
#include "platform/fakes/FaultInjector.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"
#include "tests/platform/FaultCampaign.h"
#include "tests/platform/Fifo.h"
#include "tests/platform/TreeSnapshot.h"

#include <array>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace varnolt {
namespace {

using testing::FailEachCallInTurn;
using testing::Snapshot;

struct stat LinkStat(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

void SetTimes(const std::string& path, struct timespec access, struct timespec write) {
    const struct timespec times[2] = {access, write};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

class FileTransferTest : public ::testing::Test {
  protected:
    FileTransferTest() {
        source = dir.File("in/photo.jpg", std::string(300'000, 'x') + "end");
        ::chmod(source.c_str(), 0640);
        SetTimes(source, {1'262'304'000, 123}, {1'234'567'890, 456'789});
        original = Snapshot(dir / "in");
        dir.Folder("out");
    }

    // Every rename crosses a file system boundary, as to another disk.
    static void CrossDevice(FaultInjector& faults) {
        faults.FailPathsContaining("/out/", EXDEV, Syscall::Rename);
    }

    void ExpectMovedIntact() {
        EXPECT_FALSE(dir.Exists("in/photo.jpg"));
        EXPECT_EQ(Snapshot(dir / "out/photo.jpg")[""], original["photo.jpg"]);
    }

    void ExpectSourceFileIntact() { EXPECT_EQ(Snapshot(source)[""], original["photo.jpg"]); }

    TempDir dir;
    PosixFileSystem fs;
    std::string source;
    testing::TreeSnapshot original;
};

TEST_F(FileTransferTest, MoveKeepsDataModeAndTimes) {
    ASSERT_TRUE(fs.MoveFile(source, dir / "out/photo.jpg"));
    ExpectMovedIntact();
}

TEST_F(FileTransferTest, NeitherMoveNorCopyReplacesAFileAFolderOrALink) {
    dir.File("out/photo.jpg", "theirs");
    dir.Folder("out/album");
    ::symlink((dir / "out/elsewhere").c_str(), (dir / "out/dangling").c_str());
    const auto before = testing::Content(dir / "out");
    for (const bool moving : {true, false}) {
        const auto transfer = [&](const std::string& to) {
            return moving ? fs.MoveFile(source, to) : fs.CopyFile(source, to);
        };
        EXPECT_FALSE(transfer(dir / "out/photo.jpg"));
        EXPECT_FALSE(transfer(dir / "out/album"));
        // Not even through the link to where it points.
        EXPECT_FALSE(transfer(dir / "out/dangling"));
    }
    EXPECT_EQ(testing::Content(dir / "out"), before);
    EXPECT_EQ(Snapshot(dir / "in"), original);
}

TEST_F(FileTransferTest, MoveDoesNotReplaceADestinationThatAppearsAtTheLastMoment) {
    FaultInjector faults;
    faults.RunBefore(Syscall::Rename, 1, [&] { dir.File("out/photo.jpg", "theirs"); });
    PosixFileSystem racing(&faults);
    EXPECT_FALSE(racing.MoveFile(source, dir / "out/photo.jpg"));
    EXPECT_EQ(dir.Read("out/photo.jpg"), "theirs");
    EXPECT_EQ(Snapshot(dir / "in"), original);
}

TEST_F(FileTransferTest, MoveAcrossFileSystemsCopiesDataModeAndTimesThenRemovesTheSource) {
    FaultInjector faults;
    CrossDevice(faults);
    PosixFileSystem crossing(&faults);
    ASSERT_TRUE(crossing.MoveFile(source, dir / "out/photo.jpg"));
    ExpectMovedIntact();
    EXPECT_GE(faults.Count(Syscall::Sync), 2)
        << "the copy and its folder reach the disk before the source goes";
}

TEST_F(FileTransferTest, MoveAcrossFileSystemsDoesNotReplaceATakenName) {
    dir.File("out/photo.jpg", "theirs");
    FaultInjector faults;
    CrossDevice(faults);
    PosixFileSystem crossing(&faults);
    EXPECT_FALSE(crossing.MoveFile(source, dir / "out/photo.jpg"));
    EXPECT_EQ(dir.Read("out/photo.jpg"), "theirs");
    EXPECT_EQ(Snapshot(dir / "in"), original);
}

TEST_F(FileTransferTest, MoveToAnotherRealFileSystem) {
    struct stat here = LinkStat(dir.Path());
    struct stat there {};
    if (::stat("/dev/shm", &there) != 0 || here.st_dev == there.st_dev)
        GTEST_SKIP() << "no second file system";
    std::string target = "/dev/shm/varnolt-move-XXXXXX";
    ASSERT_TRUE(::mkdtemp(target.data()));
    target += "/photo.jpg";
    const bool moved(fs.MoveFile(source, target));
    const std::string arrived = testing::DescribeEntry(target);
    ::unlink(target.c_str());
    ::rmdir(target.substr(0, target.rfind('/')).c_str());
    ASSERT_TRUE(moved);
    EXPECT_FALSE(dir.Exists("in/photo.jpg"));
    EXPECT_EQ(arrived, original["photo.jpg"]);
}

// Both moves of a file: the one that looks at its source first, and the one for a file the caller has
// just looked at, which looks only when the rename cannot do.
// The second tells whether it had to copy.
using FileMove = FsResult (*)(PosixFileSystem&, const std::string&, const std::string&, PlacedFile*);
const std::array<FileMove, 2> FileMoves{
    [](PosixFileSystem& fs, const std::string& from, const std::string& to, PlacedFile*) {
        return fs.MoveFile(from, to);
    },
    [](PosixFileSystem& fs, const std::string& from, const std::string& to, PlacedFile* placed) {
        return fs.MoveKnownFile(from, to, placed);
    }};

TEST_F(FileTransferTest, AKnownFileIsRenamedWithoutALookFirst) {
    FaultInjector counting;
    PosixFileSystem watched(&counting);
    PlacedFile placed{true, FileStamp{}};
    ASSERT_TRUE(watched.MoveKnownFile(source, dir / "out/photo.jpg", &placed));
    EXPECT_FALSE(placed.Copied) << "the source's own entry under its new name";
    ExpectMovedIntact();
    EXPECT_EQ(counting.Count(Syscall::Stat), 0);
    EXPECT_FALSE(watched.MoveKnownFile(dir / "in/gone.jpg", dir / "out/gone.jpg"));
    EXPECT_FALSE(dir.Exists("out/gone.jpg"));
}

TEST_F(FileTransferTest, AnyFailingCallOfAMoveAcrossFileSystemsLeavesTheSourceWhole) {
    for (const auto move : FileMoves)
        FailEachCallInTurn([&](FaultInjector& faults, auto describe) {
            TempDir tree;
            const std::string from = tree.File("in/a.txt", "content");
            tree.Folder("out");
            const auto before = Snapshot(tree / "in");
            CrossDevice(faults);
            // Killed at any point, the final name holds nothing or the whole file.
            testing::KillPointWatch watch(
                faults, [&] { return !tree.Exists("out/a.txt") || tree.Read("out/a.txt") == "content"; });
            PosixFileSystem failing(&watch);
            PlacedFile placed;
            const FsResult moved = move(failing, from, tree / "out/a.txt", &placed);
            SCOPED_TRACE(describe());
            EXPECT_EQ(watch.Unsound, 0) << "a fragment under the final name";
            if (moved) {
                // The copy's stamp, unless the look at it was the call that failed.
                if (move == FileMoves[1]) {
                    EXPECT_TRUE(placed.Copied);
                    if (placed.Copy) {
                        EXPECT_EQ(placed.Copy->Inode, fs.StampOf(tree / "out/a.txt")->Inode);
                    }
                }
                EXPECT_FALSE(tree.Exists("in/a.txt"));
                EXPECT_EQ(testing::Content(tree / "out"),
                          (testing::TreeSnapshot{{"a.txt", before.at("a.txt")}}));
            } else {
                EXPECT_EQ(Snapshot(tree / "in"), before);
                EXPECT_TRUE(testing::Content(tree / "out").empty()) << "the partial copy is removed";
                EXPECT_TRUE(testing::ReportsAnInjectedError(moved, faults)) << moved.Error().message();
            }
        });
}

// What a killed copy leaves: a hidden file of its own, which the clean-up removes; those of a process
// still alive, and every other entry, stay.
TEST_F(FileTransferTest, LeftoverPartialCopiesOfDeadProcessesAreRemoved) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    const std::string dead = std::string(kPartialCopyPrefix) + std::to_string(child) + "-1-photo.jpg";
    const std::string deadTree = std::string(kPartialCopyPrefix) + std::to_string(child) + "-2-Album";
    const std::string alive = std::string(kPartialCopyPrefix) + std::to_string(::getppid()) + "-1-other.jpg";
    dir.File("out/" + dead, "half");
    dir.File("out/" + deadTree + "/inner/a.txt", "half");
    ::chmod((dir / ("out/" + deadTree + "/inner")).c_str(), 0500);
    dir.File("out/" + alive, "growing");
    dir.File("out/photo.jpg", "whole");
    dir.File("out/.varnolt-partial-x", "no process named: also ours");
    ASSERT_TRUE(fs.RemoveLeftoverPartials(dir / "out"));
    EXPECT_EQ(testing::FileContents(dir / "out"),
              (std::map<std::string, std::string>{{alive, "growing"}, {"photo.jpg", "whole"}}));
    EXPECT_TRUE(fs.RemoveLeftoverPartials(dir / "gone")) << "a missing folder has none";
}

TEST_F(FileTransferTest, AMoveAcrossFileSystemsLeavesASourceThatChangedDuringTheCopy) {
    // An editor saving while the copy is on its way to the disk: a longer file, or the same length.
    const std::array<std::pair<const char*, std::ios::openmode>, 2> saves{
        {{" and more", std::ios::app}, {"FIRST", std::ios::in | std::ios::out}}};
    for (const auto move : FileMoves)
        for (const auto& [text, mode] : saves) {
            TempDir tree;
            const std::string from = tree.File("in/a.txt", "first");
            tree.Folder("out");
            FaultInjector faults;
            CrossDevice(faults);
            faults.RunBefore(Syscall::Sync, 1, [&] { std::fstream(from, mode) << text; });
            PosixFileSystem crossing(&faults);
            EXPECT_FALSE(move(crossing, from, tree / "out/a.txt", nullptr)) << text;
            EXPECT_EQ(tree.Read("in/a.txt"), mode & std::ios::app ? "first and more" : "FIRST");
            EXPECT_FALSE(tree.Exists("out/a.txt")) << text;
        }
}

// FAT, exFAT and FUSE file systems refuse permission bits or times in their own ways; the data counts.
TEST_F(FileTransferTest, ADestinationThatCannotHoldModeOrTimesStillGetsEveryByte) {
    for (const int error : {EPERM, ENOSYS, EOPNOTSUPP, EINVAL}) {
        SCOPED_TRACE(std::strerror(error));
        TempDir tree;
        const std::string from = tree.File("in/a.txt", "content");
        tree.Folder("out");
        FaultInjector faults;
        CrossDevice(faults);
        for (const Syscall call : {Syscall::Chmod, Syscall::Utimens})
            faults.FailPathsContaining("/out/", error, call);
        PosixFileSystem limited(&faults);
        ASSERT_TRUE(limited.CopyFile(from, tree / "out/copy.txt"));
        ASSERT_TRUE(limited.MoveFile(from, tree / "out/a.txt"));
        EXPECT_EQ(tree.Read("out/copy.txt"), "content");
        EXPECT_EQ(tree.Read("out/a.txt"), "content");
        EXPECT_FALSE(tree.Exists("in/a.txt"));
    }
    // Any other failure there still fails the copy, and leaves nothing.
    FaultInjector faults;
    faults.FailPathsContaining("/out/", EIO, Syscall::Chmod);
    PosixFileSystem failing(&faults);
    EXPECT_FALSE(failing.CopyFile(source, dir / "out/photo.jpg"));
    EXPECT_FALSE(dir.Exists("out/photo.jpg"));
}

// A file system that refuses to rename without replacing: the move is a hard link and an unlink, or
// where there are no hard links either, a copy.
class LimitedFileSystemTest : public FileTransferTest, public ::testing::WithParamInterface<bool> {
  protected:
    static void Limit(FaultInjector& faults) {
        faults.FailPathsContaining("/out/", EINVAL, Syscall::Rename);
        if (!GetParam()) faults.FailPathsContaining("/out/", EPERM, Syscall::Link);
    }
};

TEST_P(LimitedFileSystemTest, MovesWithoutReplacing) {
    FaultInjector faults;
    Limit(faults);
    PosixFileSystem limited(&faults);
    dir.File("out/taken.jpg", "theirs");
    EXPECT_FALSE(limited.MoveFile(source, dir / "out/taken.jpg"));
    EXPECT_EQ(dir.Read("out/taken.jpg"), "theirs");
    ASSERT_TRUE(limited.MoveFile(source, dir / "out/photo.jpg"));
    ExpectMovedIntact();
    EXPECT_EQ(faults.Count(Syscall::Copy) > 0, !GetParam());
}

TEST_P(LimitedFileSystemTest, AnyFailingCallLeavesTheFileAtExactlyOnePlace) {
    for (const auto move : FileMoves)
        FailEachCallInTurn([&](FaultInjector& faults, auto describe) {
            TempDir tree;
            const std::string from = tree.File("in/a.txt", "content");
            tree.Folder("out");
            Limit(faults);
            PosixFileSystem limited(&faults);
            const bool moved(move(limited, from, tree / "out/a.txt", nullptr));
            SCOPED_TRACE(describe());
            EXPECT_NE(tree.Exists("in/a.txt"), tree.Exists("out/a.txt"));
            EXPECT_EQ(moved, tree.Exists("out/a.txt"));
        });
}

std::string HardLinkName(const ::testing::TestParamInfo<bool>& info) {
    return info.param ? "WithHardLinks" : "WithoutHardLinks";
}

INSTANTIATE_TEST_SUITE_P(HardLinks, LimitedFileSystemTest, ::testing::Bool(), HardLinkName);

TEST_F(FileTransferTest, ALinkMovesAsTheLinkItself) {
    ::symlink("../in/photo.jpg", (dir / "in/shortcut").c_str());
    ::symlink("gone", (dir / "in/dangling").c_str());
    ASSERT_TRUE(fs.MoveFile(dir / "in/shortcut", dir / "out/shortcut"));
    ASSERT_TRUE(fs.MoveFile(dir / "in/dangling", dir / "out/dangling"));
    EXPECT_EQ(testing::DescribeEntry(dir / "out/shortcut"), "link -> ../in/photo.jpg");
    EXPECT_EQ(testing::DescribeEntry(dir / "out/dangling"), "link -> gone");
    ExpectSourceFileIntact();

    FaultInjector faults;
    CrossDevice(faults);
    PosixFileSystem crossing(&faults);
    ASSERT_TRUE(crossing.MoveFile(dir / "out/shortcut", dir / "out/sub-free-name"));
    EXPECT_EQ(testing::DescribeEntry(dir / "out/sub-free-name"), "link -> ../in/photo.jpg");
    EXPECT_FALSE(dir.Exists("out/shortcut"));
    EXPECT_EQ(faults.Count(Syscall::Open), 0) << "the target is not copied";
    ExpectSourceFileIntact();
}

TEST_F(FileTransferTest, AFifoIsRenamedButNeverOpenedToCrossFileSystems) {
    ASSERT_EQ(::mkfifo((dir / "in/pipe").c_str(), 0600), 0);
    FaultInjector faults;
    CrossDevice(faults);
    PosixFileSystem crossing(&faults);
    EXPECT_FALSE(crossing.MoveFile(dir / "in/pipe", dir / "out/pipe"));
    EXPECT_TRUE(dir.Exists("in/pipe"));
    EXPECT_FALSE(dir.Exists("out/pipe"));
    EXPECT_EQ(faults.Count(Syscall::Open), 0);

    ASSERT_TRUE(fs.MoveFile(dir / "in/pipe", dir / "out/pipe"));
    EXPECT_TRUE(S_ISFIFO(LinkStat(dir / "out/pipe").st_mode));
}

TEST_F(FileTransferTest, AFolderIsNoFileToMove) {
    dir.Folder("in/album");
    EXPECT_FALSE(fs.MoveFile(dir / "in/album", dir / "out/album"));
    EXPECT_TRUE(fs.FolderExists(dir / "in/album"));
}

TEST_F(FileTransferTest, CopyKeepsDataPermissionBitsAndTimesAndTheSource) {
    const struct timespec accessed = LinkStat(source).st_atim;
    ASSERT_TRUE(fs.CopyFile(source, dir / "out/photo.jpg"));
    // Looked at before anything reads the copy.
    const struct timespec copyAccessed = LinkStat(dir / "out/photo.jpg").st_atim;
    EXPECT_EQ(copyAccessed.tv_sec, accessed.tv_sec);
    EXPECT_EQ(copyAccessed.tv_nsec, accessed.tv_nsec);
    EXPECT_EQ(Snapshot(dir / "in"), original);
    EXPECT_EQ(Snapshot(dir / "out/photo.jpg")[""], original["photo.jpg"]);
}

TEST_F(FileTransferTest, CopyFollowsALinkToItsFile) {
    ::symlink(source.c_str(), (dir / "in/shortcut").c_str());
    ASSERT_TRUE(fs.CopyFile(dir / "in/shortcut", dir / "out/copy.jpg"));
    EXPECT_EQ(Snapshot(dir / "out/copy.jpg")[""], original["photo.jpg"]);
    EXPECT_FALSE(fs.CopyFile(dir / "in", dir / "out/folder"));
    EXPECT_FALSE(dir.Exists("out/folder"));
}

TEST_F(FileTransferTest, CopyOfAFifoFailsAtOnceWithoutReadingIt) {
    const std::string fifo = dir / "in/pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(testing::ResultWithoutBlockingOn(
        fifo, [&] { return static_cast<bool>(fs.CopyFile(fifo, dir / "out/pipe")); }));
    EXPECT_FALSE(dir.Exists("out/pipe"));
}

// Each way of copying data: cloning blocks, copying in the kernel, reading and writing.
class CopyMethodTest : public FileTransferTest, public ::testing::WithParamInterface<int> {
  protected:
    // Makes the first `unsupported` calls that copy in the kernel fail as unsupported.
    static void Restrict(FaultInjector& faults, int unsupported) {
        for (int n = 1; n <= unsupported; ++n)
            faults.FailNth(Syscall::Copy, n, EOPNOTSUPP);
    }
};

TEST_P(CopyMethodTest, CopiesEveryByte) {
    std::string content;
    for (long i = 0; i < 700'000; ++i)
        content += static_cast<char>(i * 7919 % 251);
    const std::string from = dir.File("in/big.bin", content);
    FaultInjector faults;
    Restrict(faults, GetParam());
    PosixFileSystem restricted(&faults);
    ASSERT_TRUE(restricted.CopyFile(from, dir / "out/big.bin"));
    EXPECT_EQ(dir.Read("out/big.bin"), content);
    if (GetParam() == 2) {
        EXPECT_GE(faults.Count(Syscall::Write), 3) << "read and written in pieces";
    }

    ASSERT_TRUE(restricted.CopyFile(dir.File("in/empty"), dir / "out/empty"));
    EXPECT_EQ(dir.Read("out/empty"), "");
}

TEST_P(CopyMethodTest, AnyFailingCallLeavesNoPartialCopy) {
    FailEachCallInTurn([&](FaultInjector& faults, auto describe) {
        TempDir tree;
        const std::string from = tree.File("in/a.txt", "content");
        tree.Folder("out");
        const auto before = Snapshot(tree / "in");
        Restrict(faults, GetParam());
        testing::KillPointWatch watch(
            faults, [&] { return !tree.Exists("out/a.txt") || tree.Read("out/a.txt") == "content"; });
        PosixFileSystem failing(&watch);
        const FsResult copied = failing.CopyFile(from, tree / "out/a.txt");
        SCOPED_TRACE(describe());
        EXPECT_EQ(Snapshot(tree / "in"), before);
        EXPECT_EQ(watch.Unsound, 0) << "a fragment under the final name";
        if (copied) {
            EXPECT_EQ(Snapshot(tree / "out/a.txt")[""], before.at("a.txt"));
            EXPECT_EQ(testing::Content(tree / "out").size(), 1u);
        } else {
            EXPECT_TRUE(testing::Content(tree / "out").empty()) << "the partial copy is removed";
            EXPECT_TRUE(testing::ReportsAnInjectedError(copied, faults)) << copied.Error().message();
        }
    });
}

std::string MethodName(const ::testing::TestParamInfo<int>& info) {
    const std::array<const char*, 3> names = {"Preferred", "KernelCopy", "ReadWrite"};
    return names[static_cast<std::size_t>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Methods, CopyMethodTest, ::testing::Values(0, 1, 2), MethodName);

} // namespace
} // namespace varnolt
