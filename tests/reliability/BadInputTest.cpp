// SPDX-License-Identifier: GPL-3.0-or-later
// Names, entries and places that real trees hold and that are easy to get wrong. Each has one defined
// outcome, placed or left where it is; none is lost, none makes the run hang.
#include "engine/Options.h"
#include "engine/Text.h"
#include "reliability/Rig.h"
#include "reliability/Summary.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace varnolt::reliability {
namespace {

namespace fs = std::filesystem;

bool Present(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

class BadInput : public ::testing::Test {
  protected:
    static void TearDownTestSuite() {
        ReportGroup("bad input", figures, skipped.empty() ? "" : "skipped: " + skipped);
    }

    void SetUp() override {
        // A blocked open of a fifo or an endless walk ends the program instead of hanging the suite.
        alarm(120);
        rig.options.SourceList = {rig.Source()};
        rig.options.ResultLocation = rig.Result();
        rig.options.MethodKey = Method::Name;
        rig.options.HeadLetterCount = 1;
        rig.options.IncludeSubfolders = true;
        rig.tree.Folder("in");
        rig.tree.Folder("out");
        ++figures.Scenarios;
    }
    void TearDown() override { alarm(0); }

    std::string Plant(const std::string& relative, const std::string& content) {
        const std::string path = rig.tree.File(relative, content);
        ledger.Original(path, content);
        return path;
    }

    // A chain of 25 folders of 200-byte names below `top`, made by handles as no whole path that long
    // can be, with `names` planted at its bottom; the chain's whole path.
    std::string PlantDeep(const std::string& top, const std::vector<std::string>& names) {
        fs::create_directories(top);
        int folder = open(top.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        std::string path = top;
        const std::string level(200, 'd');
        for (int k = 0; k < 25; ++k) {
            EXPECT_EQ(mkdirat(folder, level.c_str(), 0777), 0);
            const int next = openat(folder, level.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
            close(folder);
            folder = next;
            path += "/" + level;
        }
        for (const std::string& name : names) {
            const std::string content = "deep " + name;
            const int fd = openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            EXPECT_EQ(write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
            close(fd);
            ledger.Original(path + "/" + name, content);
        }
        close(folder);
        return path;
    }

    std::size_t PreviewItems() {
        const PreviewTree& preview = rig.engine.Preview();
        std::size_t items = 0;
        for (NodeId node = 0; node < preview.NodeCount(); ++node)
            items += preview.IsItem(node);
        return items;
    }

    // The run and its undo, each checked against the ledger.
    void RunAndUndo(bool undoRestoresAll = true) {
        rig.engine.Run();
        EXPECT_TRUE(rig.RunEnded());
        journal = ReadJournalOnDisk(rig.data.Path());
        Count(ledger.CheckRun(rig.Files(), journal));
        rig.engine.UndoLastRun();
        EXPECT_TRUE(rig.UndoEnded());
        Count(undoRestoresAll ? ledger.CheckUndone(rig.Files(), journal)
                              : ledger.CheckPlaces(rig.Files(), journal));
    }

    void Count(const Tally& tally) {
        figures.FilesChecked += tally.FilesChecked;
        figures.FilesLost += tally.FilesLost;
        for (const std::string& problem : tally.Problems)
            ADD_FAILURE() << problem;
    }

    bool Journaled(const std::string& source) const {
        for (const auto& pair : journal.Pairs)
            if (pair.first == source) return true;
        return false;
    }

    static inline GroupFigures figures;
    static inline std::string skipped;
    Rig rig;
    Ledger ledger;
    Journal journal;
};

TEST_F(BadInput, OddNamesArePlacedByteForByteOrLeftWhenTheJournalCannotHoldThem) {
    const std::string lineFeed = Plant("in/line\nfeed.txt", "line feed");
    const std::string carriageReturn = Plant("in/carriage\rreturn.txt", "carriage return");
    const std::string invalid = Plant("in/\xff\xfe not utf-8 \xc3.txt", "invalid utf-8");
    const std::string dash = Plant("in/-rf", "dash");
    const std::string dashes = Plant("in/--help.txt", "dashes");
    const std::string longest = Plant("in/" + std::string(251, 'n') + ".txt", "255 bytes");
    const std::string longestAgain = Plant("in/sub/" + std::string(251, 'n') + ".txt", "255 bytes, again");
    const std::string folderInfo = Plant("in/desktop.ini", "folder info");
    for (const char* odd : {"Desktop.ini", "DESKTOP.INI", "desktop.INI"})
        Plant(std::string("in/odd/") + odd, odd);
    rig.engine.Run();
    journal = ReadJournalOnDisk(rig.data.Path());

    // Left: a line break would split the journal's pairs; the numbered twin of a 255-byte name is too
    // long for the file system; "desktop.ini" is the folder's own.
    for (const std::string& left : {lineFeed, carriageReturn, longestAgain, folderInfo}) {
        EXPECT_TRUE(Present(left)) << left;
        EXPECT_FALSE(Journaled(left)) << left;
    }
    // Placed, under the very bytes they had.
    for (const std::string& placed : {invalid, dash, dashes, longest})
        EXPECT_TRUE(Journaled(placed)) << placed;
    EXPECT_TRUE(Present(rig.Result() + "/\xff/" + NameOf(invalid)));
    EXPECT_TRUE(Present(rig.Result() + "/-/-rf"));
    EXPECT_TRUE(Present(rig.Result() + "/D/Desktop.ini"));
    EXPECT_TRUE(Present(rig.Result() + "/D/DESKTOP.INI"));
    EXPECT_TRUE(Present(rig.Result() + "/D/desktop.INI"));
    Count(ledger.CheckRun(rig.Files(), journal));
    rig.engine.UndoLastRun();
    Count(ledger.CheckUndone(rig.Files(), journal));
    EXPECT_TRUE(Present(invalid));
}

TEST_F(BadInput, CategoriesThatWouldLeaveTheResultLocationPlaceNothing) {
    rig.options.NameByWordList = true;
    rig.options.Words = {"..", "up/../..", "/root"};
    const std::string dots = Plant("in/x..y.txt", "two dots");
    const std::string dot = Plant("in/a.b.txt", "a dot, no word");
    Plant("in/plain.txt", "no word");
    // A source given with ".." in it is the folder it names.
    rig.options.SourceList = {rig.Source() + "/sub/.."};
    rig.tree.Folder("in/sub");
    RunAndUndo();
    EXPECT_TRUE(journal.Pairs.empty());
    EXPECT_TRUE(fs::is_empty(rig.Result()));
    EXPECT_TRUE(Present(dots));
    EXPECT_TRUE(Present(dot));
}

// A Downloads folder holding a link to another tree: the link leads out of the source, so it is neither
// entered nor moved, and nothing of that tree is touched, in the preview as in the run.
TEST_F(BadInput, LinksToFilesMoveAsLinksLinksToFoldersAndDanglingOnesStay) {
    const std::string target = rig.tree.File("target.txt", "the link's target");
    ledger.Fixed(target, "the link's target");
    const std::string elsewhere = rig.tree.File("elsewhere/e.txt", "inside a linked folder");
    ledger.Fixed(elsewhere, "inside a linked folder");
    symlink("../target.txt", (rig.Source() + "/link to file").c_str());
    symlink("../elsewhere", (rig.Source() + "/linked folder").c_str());
    symlink("nowhere", (rig.Source() + "/dangling").c_str());
    rig.tree.Folder("in/sub");
    symlink("..", (rig.Source() + "/sub/cycle").c_str());
    ledger.Original(rig.Source() + "/link to file", "link:../target.txt");
    ledger.Fixed(rig.Source() + "/linked folder", "link:../elsewhere");
    ledger.Fixed(rig.Source() + "/dangling", "link:nowhere");
    ledger.Fixed(rig.Source() + "/sub/cycle", "link:..");

    rig.engine.PreviewCommand();
    EXPECT_EQ(PreviewItems(), 2u)
        << "the links to a file and to nowhere, nothing through the link to a folder";
    rig.engine.Run();
    EXPECT_TRUE(rig.RunEnded());
    journal = ReadJournalOnDisk(rig.data.Path());
    // The link itself moved; what it points to did not.
    EXPECT_EQ(fs::read_symlink(rig.Result() + "/L/link to file"), "../target.txt");
    EXPECT_EQ(journal.Pairs.size(), 1u);
    EXPECT_FALSE(Present(rig.Result() + "/E/e.txt"));
    Count(ledger.CheckRun(rig.Files(), journal));
    rig.engine.UndoLastRun();
    // The link goes back as the link, although it points nowhere from its category.
    EXPECT_EQ(fs::read_symlink(rig.Source() + "/link to file"), "../target.txt");
    EXPECT_FALSE(Present(rig.Result() + "/L/link to file"));
    Count(ledger.CheckUndone(rig.Files(), journal));
}

// A fifo opened for reading would block until a writer came; a socket cannot be read at all. Moving
// renames the entry without opening it; copying refuses anything but a regular file.
TEST_F(BadInput, FifosAndSocketsAreMovedUnopenedAndNeverCopied) {
    for (bool move : {true, false}) {
        SCOPED_TRACE(move ? "move" : "copy");
        Rig local;
        local.tree.Folder("in");
        local.options = rig.options;
        local.options.SourceList = {local.Source()};
        local.options.ResultLocation = local.Result();
        local.options.MoveSourceFiles = move;
        local.options.MethodKey = Method::Size; // reads each entry's size, too
        ASSERT_EQ(mkfifo((local.Source() + "/pipe").c_str(), 0600), 0);
        const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string socketPath = local.Source() + "/sock";
        ASSERT_LT(socketPath.size(), sizeof(address.sun_path));
        std::strcpy(address.sun_path, socketPath.c_str());
        ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        local.engine.Run();
        close(sock);
        EXPECT_TRUE(local.RunEnded());
        for (const char* name : {"pipe", "sock"}) {
            EXPECT_EQ(Present(local.Source() + "/" + name), !move) << name;
            EXPECT_EQ(Present(local.Result() + "/0KB-100KB/" + name), move) << name;
            figures.FilesChecked += 1;
            if (!Present(local.Source() + "/" + name) && !Present(local.Result() + "/0KB-100KB/" + name))
                ++figures.FilesLost;
        }
    }
}

TEST_F(BadInput, ASourceFolderThatVanishesMidRunLeavesTheRestWhereItWent) {
    Plant("in/a.txt", "a");
    const std::string firstOfSub = Plant("in/sub/c1.txt", "c1");
    rig.tree.File("in/sub/c2.txt", "c2");
    rig.tree.File("in/sub/c3.txt", "c3");
    const std::string away = rig.tree.Path() + "away";
    ledger.Fixed(away + "/c2.txt", "c2");
    ledger.Fixed(away + "/c3.txt", "c3");
    // Someone moves the folder away once its first file has gone.
    rig.pump.OnPump = [&] {
        if (Present(rig.Result() + "/C/c1.txt") && Present(rig.Source() + "/sub"))
            fs::rename(rig.Source() + "/sub", away);
    };
    rig.engine.Run();
    EXPECT_TRUE(rig.RunEnded());
    journal = ReadJournalOnDisk(rig.data.Path());
    Count(ledger.CheckRun(rig.Files(), journal));
    rig.pump.OnPump = nullptr;
    // c1's folder is gone: its undo makes it again and puts c1 back.
    rig.engine.UndoLastRun();
    EXPECT_FALSE(Present(rig.Result() + "/C/c1.txt"));
    EXPECT_TRUE(Present(firstOfSub));
}

TEST_F(BadInput, AResultLocationInsideTheSourceIsNeverClassifiedAgain) {
    for (const std::string& result : {rig.Source() + "/out", rig.Source()}) {
        SCOPED_TRACE(result);
        Rig local;
        Ledger inside;
        for (const char* name : {"in/apple.txt", "in/sub/avocado.txt", "in/berry.txt"}) {
            const std::string path = local.tree.File(name, std::string("content of ") + name);
            inside.Original(path, std::string("content of ") + name);
        }
        local.tree.Folder("in/out");
        local.options = rig.options;
        local.options.SourceList = {local.Source()};
        local.options.ResultLocation = result == rig.Source() ? local.Source() : local.Source() + "/out";
        local.engine.Run();
        const Journal made = ReadJournalOnDisk(local.data.Path());
        EXPECT_EQ(made.Pairs.size(), 3u);
        Count(inside.CheckRun(local.Files(), made));
        local.engine.UndoLastRun();
        Count(inside.CheckUndone(local.Files(), made));
    }
}

TEST_F(BadInput, PathsBeyondTheLimitAreSortedAndUndoneWhole) {
    // 25 levels of 200-byte names, over 5,000 bytes: no whole path of it opens.
    const std::string deep = PlantDeep(rig.Source(), {"apple.txt", "berry.txt"});
    ASSERT_GT(deep.size(), std::size_t{PATH_MAX});
    rig.engine.PreviewCommand();
    EXPECT_EQ(PreviewItems(), 2u);
    RunAndUndo();
    EXPECT_TRUE(Journaled(deep + "/apple.txt"));
    EXPECT_TRUE(Journaled(deep + "/berry.txt"));

    // A result location as deep: the categories are made there, and named whole in the journal.
    Rig local;
    const std::string shallow = local.tree.File("in/cherry.txt", "cherry");
    Ledger far;
    far.Original(shallow, "cherry");
    local.options = rig.options;
    local.options.SourceList = {local.Source()};
    local.result = PlantDeep(local.tree.Path() + "far", {});
    local.options.ResultLocation = local.result;
    local.engine.Run();
    EXPECT_TRUE(local.RunEnded());
    const Journal made = ReadJournalOnDisk(local.data.Path());
    ASSERT_EQ(made.Pairs.size(), 1u);
    EXPECT_TRUE(made.Pairs[0].second.starts_with(local.result + "/"));
    Count(far.CheckRun(local.Files(), made));
    local.engine.UndoLastRun();
    EXPECT_TRUE(local.UndoEnded());
    Count(far.CheckUndone(local.Files(), made));
}

// A folder on another file system than the tree, or "" with the reason why there is none.
std::string OtherFileSystem(const std::string& tree, std::string& reason) {
    struct stat treeInfo, diskInfo;
    stat(tree.c_str(), &treeInfo);
    for (const char* candidate : {"/var/tmp", "/tmp", "/dev/shm"}) {
        std::string folder = std::string(candidate) + "/varnolt-other-XXXXXX";
        if (stat(candidate, &diskInfo) == 0 && diskInfo.st_dev != treeInfo.st_dev && mkdtemp(folder.data()))
            return folder;
    }
    // Everything is one file system here: mount a tmpfs of our own, in a mount namespace of this process.
    std::string folder = tree + "mount";
    fs::create_directories(folder);
    if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=16m") != 0) {
        reason = std::string("no second file system, and mounting a tmpfs is not allowed: ") +
                 std::strerror(errno);
        return "";
    }
    return folder;
}

TEST_F(BadInput, AResultLocationOnAnotherFileSystemTakesMovesAsCopiesThenRemovals) {
    std::string reason;
    const std::string other = OtherFileSystem(rig.tree.Path(), reason);
    if (other.empty()) {
        skipped = reason;
        GTEST_SKIP() << reason;
    }
    rig.result = other + "/out";
    rig.options.ResultLocation = rig.result;
    Plant("in/apple.txt", "apple");
    Plant("in/sub/apricot.txt", std::string(300000, 'a'));
    Plant("in/page.htm", "page");
    Plant("in/page_files/pic.png", "pic");
    ASSERT_EQ(mkfifo((rig.Source() + "/pipe").c_str(), 0600), 0);
    RunAndUndo();
    EXPECT_EQ(journal.Pairs.size(), 4u);
    EXPECT_TRUE(Present(rig.Source() + "/pipe")) << "a fifo has no content to carry over";
    std::error_code ignored;
    fs::remove_all(other, ignored);
}

} // namespace
} // namespace varnolt::reliability
