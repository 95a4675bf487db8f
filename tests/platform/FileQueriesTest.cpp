// SPDX-License-Identifier: GPL-3.0-or-later
// Existence tests, item information, folder identity and listings on real temporary trees.
#include "platform/fakes/FaultInjector.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnolt {
namespace {

void SetTimes(const std::string& path, time_t access, time_t write) {
    const struct timespec times[2] = {{access, 0}, {write, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

class FileQueriesTest : public ::testing::Test {
  protected:
    FileQueriesTest() {
        file = dir.File("file.txt", "12345");
        folder = dir.Folder("folder");
        ::symlink(file.c_str(), (dir / "link-to-file").c_str());
        ::symlink(folder.c_str(), (dir / "link-to-folder").c_str());
        ::symlink((dir / "nowhere").c_str(), (dir / "dangling").c_str());
        ::mkfifo((dir / "fifo").c_str(), 0600);
    }

    TempDir dir;
    PosixFileSystem fs;
    std::string file;
    std::string folder;
};

TEST_F(FileQueriesTest, ExistenceFollowsLinksAndADanglingLinkIsNothing) {
    EXPECT_TRUE(fs.FileExists(file));
    EXPECT_FALSE(fs.FolderExists(file));
    EXPECT_TRUE(fs.FolderExists(folder));
    EXPECT_FALSE(fs.FileExists(folder));

    EXPECT_TRUE(fs.FileExists(dir / "link-to-file"));
    EXPECT_TRUE(fs.FolderExists(dir / "link-to-folder"));
    EXPECT_FALSE(fs.FileExists(dir / "link-to-folder"));

    EXPECT_FALSE(fs.FileExists(dir / "dangling"));
    EXPECT_FALSE(fs.FolderExists(dir / "dangling"));
    EXPECT_FALSE(fs.FileExists(dir / "nowhere"));

    // Anything that is there and no folder counts as a file.
    EXPECT_TRUE(fs.FileExists(dir / "fifo"));
}

TEST_F(FileQueriesTest, ItemInfoGivesSizeAndTimesInSecondsOfTheTarget) {
    SetTimes(file, 1'300'000'000, 1'299'456'000);
    const auto expectFacts = [&](auto read) {
        const auto info = read(dir / "link-to-file");
        ASSERT_TRUE(info);
        EXPECT_EQ(info->Size, 5u);
        EXPECT_FALSE(info->IsFolder);
        EXPECT_EQ(info->LastAccessTime, 1'300'000'000);
        EXPECT_EQ(info->LastWriteTime, 1'299'456'000);
        // The birth time where the file system keeps one (it is now, long after that write time), else
        // the write time.
        EXPECT_TRUE(info->CreationTime == info->LastWriteTime || info->CreationTime > 1'600'000'000);

        const auto folderInfo = read(dir / "link-to-folder");
        ASSERT_TRUE(folderInfo);
        EXPECT_TRUE(folderInfo->IsFolder);

        EXPECT_FALSE(read(dir / "dangling"));
    };
    expectFacts([&](const std::string& path) { return fs.ReadItemInfo(path); });
    // The same by name, in the folder its listing holds open.
    std::vector<FolderEntry> entries;
    const auto listed = fs.ListFolder(dir.Path(), entries);
    ASSERT_TRUE(listed);
    expectFacts([&](const std::string& path) { return listed->ReadItemInfo(path); });
}

TEST_F(FileQueriesTest, ItemInfoGivesTheSixtyFourBitSizeOfAHugeSparseFile) {
    const std::string huge = dir.File("huge.bin");
    constexpr off_t size = (off_t{5} << 30) + 7;
    ASSERT_EQ(::truncate(huge.c_str(), size), 0);
    const auto info = fs.ReadItemInfo(huge);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->Size, static_cast<std::uint64_t>(size));
}

TEST_F(FileQueriesTest, ItemInfoOfTimesBeforeTheEpoch) {
    SetTimes(file, -86'400, -3'600);
    const auto info = fs.ReadItemInfo(file);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->LastAccessTime, -86'400);
    EXPECT_EQ(info->LastWriteTime, -3'600);
}

TEST_F(FileQueriesTest, AFolderAndALinkToItHaveOneIdentity) {
    const auto direct = fs.IdentifyFolder(folder);
    const auto linked = fs.IdentifyFolder(dir / "link-to-folder");
    ASSERT_TRUE(direct);
    ASSERT_TRUE(linked);
    EXPECT_EQ(*direct, *linked);
    EXPECT_FALSE(*direct == *fs.IdentifyFolder(dir.Path()));
    EXPECT_FALSE(fs.IdentifyFolder(file));
    EXPECT_FALSE(fs.IdentifyFolder(dir / "dangling"));
}

// A link is flagged as one, so that a walk can leave a link to a folder alone; where it points decides
// whether it counts as a folder.
TEST_F(FileQueriesTest, ListingFlagsFoldersAndLinks) {
    std::vector<FolderEntry> entries{{"left over from before", true, true}};
    ASSERT_TRUE(fs.ListFolder(dir.Path(), entries));
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.Name < b.Name; });
    struct Expected {
        const char* Name;
        bool IsFolder;
        bool IsLink;
    };
    const std::vector<Expected> expected = {{"dangling", false, true},     {"fifo", false, false},
                                            {"file.txt", false, false},    {"folder", true, false},
                                            {"link-to-file", false, true}, {"link-to-folder", true, true}};
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(entries[i].Name, expected[i].Name);
        EXPECT_EQ(entries[i].IsFolder, expected[i].IsFolder) << entries[i].Name;
        EXPECT_EQ(entries[i].IsLink, expected[i].IsLink) << entries[i].Name;
    }
}

TEST_F(FileQueriesTest, ListingKeepsNamesThatAreNoValidText) {
    const std::string name = "caf\xE9\xFF.txt";
    dir.File(name);
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(fs.ListFolder(folder, entries));
    EXPECT_TRUE(entries.empty());
    ASSERT_TRUE(fs.ListFolder(dir.Path(), entries));
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [&](const auto& e) { return e.Name == name; }));
    EXPECT_TRUE(fs.FileExists(dir / name));
}

TEST_F(FileQueriesTest, ListingFailsOnAMissingFolderAndOnAReadError) {
    std::vector<FolderEntry> entries;
    EXPECT_FALSE(fs.ListFolder(dir / "nowhere", entries));
    EXPECT_FALSE(fs.ListFolder(file, entries));

    FaultInjector faults;
    faults.FailNth(Syscall::ReadDir, 3, EIO);
    PosixFileSystem failing(&faults);
    EXPECT_FALSE(failing.ListFolder(dir.Path(), entries));
}

TEST_F(FileQueriesTest, FolderMadeOneLevelAndRemovedOnlyWhenEmpty) {
    EXPECT_TRUE(fs.MakeFolder(dir / "new"));
    EXPECT_EQ(fs.MakeFolder(dir / "new").Error(), std::errc::file_exists);
    EXPECT_EQ(fs.MakeFolder(dir / "a/b").Error(), std::errc::no_such_file_or_directory);
    dir.File("new/inside");
    EXPECT_EQ(fs.RemoveFolder(dir / "new/").Error(), std::errc::directory_not_empty);
    EXPECT_TRUE(fs.DeleteFile(dir / "new/inside"));
    EXPECT_TRUE(fs.RemoveFolder(dir / "new/"));
    EXPECT_FALSE(dir.Exists("new"));
    EXPECT_FALSE(fs.DeleteFile(folder));
    EXPECT_TRUE(dir.Exists("folder"));
}

TEST_F(FileQueriesTest, EveryCallPassesTheHook) {
    FaultInjector faults;
    faults.FailPathsContaining("file.txt", EACCES);
    PosixFileSystem failing(&faults);
    EXPECT_FALSE(failing.FileExists(file));
    EXPECT_FALSE(failing.ReadItemInfo(file));
    EXPECT_EQ(failing.DeleteFile(file).Error(), std::errc::permission_denied)
        << "the hook's errno is the reason";
    EXPECT_TRUE(dir.Exists("file.txt"));
    EXPECT_TRUE(failing.FolderExists(folder));
    EXPECT_EQ(faults.Count(Syscall::Stat), 3);
    EXPECT_EQ(faults.Count(Syscall::Unlink), 1);
    EXPECT_EQ(faults.Total(), 4);
}

} // namespace
} // namespace varnolt
