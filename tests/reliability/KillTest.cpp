// SPDX-License-Identifier: GPL-3.0-or-later
// The headless front-end killed outright in the middle of a run of 20,000 files: the journal it leaves
// behind must let an undo put every moved file back, but for at most the one in flight, and no file may
// exist twice or not at all. An undo killed half way must be able to finish on the next try. And while
// such a run goes on, other processes of the program must not take its journal.
#include "engine/RunJournal.h"
#include "platform/posix/PosixFileSystem.h"
#include "reliability/Summary.h"
#include "support/TempDir.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <spawn.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace varnolt::reliability {
namespace {

namespace fs = std::filesystem;

constexpr int kFolders = 20;
constexpr int kFilesPerFolder = 1000;
// Each round is a run and an undo of 20,000 files; built with the sanitizers, they take several times
// as long.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kRounds = 3;
#else
constexpr int kRounds = 5;
#endif

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The front-end beside this test program in the build tree.
fs::path FrontEnd() {
    return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "app/cli/varnolt-cli";
}

pid_t Start(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

// Kills the process once `file` has grown to `bytes` (or the process ended by itself). Returns whether
// the kill came before the end.
bool KillWhenGrown(pid_t pid, const fs::path& file, std::uintmax_t bytes) {
    for (;;) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return false;
        std::error_code error;
        const std::uintmax_t size = fs::file_size(file, error);
        if (!error && size >= bytes) break;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// The exit status, or -1 when the process did not exit by itself.
int ExitStatus(pid_t pid) {
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool RunToEnd(pid_t pid) {
    return ExitStatus(pid) == 0;
}

bool StillRunning(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == 0;
}

class KillTest : public ::testing::Test {
  protected:
    KillTest() {
        for (int folder = 0; folder < kFolders; ++folder)
            for (int file = 0; file < kFilesPerFolder; ++file) {
                const std::string relative =
                    "in/d" + std::to_string(folder) + "/f" + std::to_string(file) + ".txt";
                originals[tree.Path() + relative] =
                    "file " + std::to_string(folder) + "/" + std::to_string(file);
            }
        for (const auto& [path, content] : originals) {
            fs::create_directories(fs::path(path).parent_path());
            std::ofstream(path, std::ios::binary) << content;
        }
    }

    std::vector<std::string> RunArgs() const {
        return {FrontEnd().string(),
                "--run",
                "--to",
                tree.Path() + "out",
                "--method",
                "number",
                "--max-files",
                "700",
                "--subfolder-name",
                "Batch",
                "--include-subfolders",
                "--data-dir",
                data.Path(),
                "--yes",
                tree.Path() + "in"};
    }
    std::vector<std::string> UndoArgs() const {
        return {FrontEnd().string(), "--undo", "--data-dir", data.Path(), "--yes"};
    }

    // A little less than what the journal of a whole run comes to: each pair's two lines, with room for
    // the numbered folder's " (n)"; the kill points are drawn within it.
    std::uintmax_t JournalBytesAtMost() const {
        std::uintmax_t bytes = std::string(kMoveModeLine).size() + 2;
        for (const auto& [path, content] : originals)
            bytes += path.size() + 2 +
                     (tree.Path() + "out/Batch (nn)/" + fs::path(path).filename().string()).size() + 2;
        return bytes * 95 / 100;
    }

    // Where every known content is now; the files of the result location that no journal put back.
    std::map<std::string, std::vector<std::string>> Places() const {
        std::map<std::string, std::vector<std::string>> places;
        for (const auto& entry : fs::recursive_directory_iterator(tree.Path()))
            if (entry.is_regular_file()) places[ReadBytes(entry.path())].push_back(entry.path().string());
        return places;
    }

    // Checks one kill and puts a file left in flight back by hand, so that the next round starts whole.
    void CheckAndMend(const std::string& round) {
        const auto places = Places();
        int leftInCategory = 0;
        for (const auto& [path, content] : originals) {
            ++figures.FilesChecked;
            const auto found = places.find(content);
            if (found == places.end()) {
                ++figures.FilesLost;
                ADD_FAILURE() << round << ": lost " << path;
                continue;
            }
            EXPECT_EQ(found->second.size(), 1u) << round << ": exists twice: " << path;
            if (found->second.front() == path) continue;
            ++leftInCategory;
            fs::rename(found->second.front(), path);
        }
        leftInResult += leftInCategory;
        EXPECT_EQ(leftInCategory, 0) << round << ": files stayed in their category";
        EXPECT_EQ(places.size(), originals.size()) << round << ": files that are no one's";
    }

    static inline GroupFigures figures;
    static inline int leftInResult = 0;
    TempDir tree;
    TempDir data;
    std::map<std::string, std::string> originals;
};

TEST_F(KillTest, ARunKilledAtRandomPointsIsUndoneWhole) {
    if (!fs::exists(FrontEnd())) GTEST_SKIP() << "the headless front-end is not built: " << FrontEnd();
    std::mt19937 random(std::random_device{}());
    const std::uintmax_t journalBytes = JournalBytesAtMost();
    int killed = 0;
    for (int round = 1; round <= kRounds; ++round) {
        const std::uintmax_t point = std::uniform_int_distribution<std::uintmax_t>(1, journalBytes)(random);
        const std::string name = "round " + std::to_string(round) + " (kill at journal byte " +
                                 std::to_string(point) + " of " + std::to_string(journalBytes) + ")";
        killed += KillWhenGrown(Start(RunArgs()), data.Path() + kJournalInProgressFileName, point);
        // Every other round, the undo is killed half way too; the next undo finishes it. An undo that
        // was quicker than the kill has finished the job itself: it deletes the journal only once every
        // pair is back, so a killed undo with no journal left had finished.
        bool undone = false;
        if (round % 2 == 0 && fs::exists(data.Path() + kJournalInProgressFileName)) {
            const pid_t undo = Start(UndoArgs());
            std::this_thread::sleep_for(
                std::chrono::milliseconds(std::uniform_int_distribution<int>(1, 300)(random)));
            kill(undo, SIGKILL);
            int status = 0;
            waitpid(undo, &status, 0);
            undone = (WIFEXITED(status) && WEXITSTATUS(status) == 0) ||
                     (!fs::exists(data.Path() + kJournalFileName) &&
                      !fs::exists(data.Path() + kJournalInProgressFileName));
        }
        if (!undone) {
            // A run killed before its first move was made leaves nothing to undo: the undo says so and
            // exits with 1; then no journal stays, and every file is in its place (checked below).
            const int status = ExitStatus(Start(UndoArgs()));
            EXPECT_TRUE(status == 0 || (status == 1 && !fs::exists(data.Path() + kJournalFileName))) << name;
        }
        CheckAndMend(name);
        ++figures.Scenarios;
        ++figures.FaultPoints;
    }
    ReportGroup("kill tests", figures,
                std::to_string(killed) + " of " + std::to_string(kRounds) + " runs killed mid-way, " +
                    std::to_string(leftInResult) + " items left in the result");
    EXPECT_GE(killed, kRounds - 1) << "the runs ended before the kills came";
}

// A preview, a second run and an undo, each a process of its own, started while a run goes on: the
// preview only looks, the run and the undo are refused and change nothing, and the first run's journal
// comes out whole, so that its undo brings every file back.
TEST_F(KillTest, WhileARunGoesOnNoOtherProcessTakesItsJournal) {
    if (!fs::exists(FrontEnd())) GTEST_SKIP() << "the headless front-end is not built: " << FrontEnd();
    const fs::path sideFile = data.Path() + kJournalInProgressFileName;
    const pid_t first = Start(RunArgs());
    ASSERT_GT(first, 0);
    for (std::error_code error; (fs::file_size(sideFile, error) < 4096 || error) && StillRunning(first);)
        std::this_thread::sleep_for(std::chrono::microseconds(200));

    std::vector<std::string> secondRun = RunArgs();
    secondRun[std::find(secondRun.begin(), secondRun.end(), "--to") - secondRun.begin() + 1] =
        tree.Path() + "second";
    const pid_t second = Start(secondRun);
    const pid_t undo = Start(UndoArgs());
    const pid_t preview = Start({FrontEnd().string(), "--preview", "--include-subfolders", "--data-dir",
                                 data.Path(), tree.Path() + "in", "--to", tree.Path() + "out"});
    EXPECT_EQ(ExitStatus(second), 1) << "the second run is refused";
    EXPECT_EQ(ExitStatus(undo), 1) << "the undo is refused";
    const bool overlapped = StillRunning(first);
    // A preview only looks; it may find files gone that the run took meanwhile, and says so.
    EXPECT_LE(ExitStatus(preview), 1);
    ASSERT_TRUE(RunToEnd(first));
    ASSERT_TRUE(overlapped) << "the first run ended before the others did: nothing was shown";

    EXPECT_FALSE(fs::exists(tree.Path() + "second"));
    const std::string journal = ReadBytes(data.Path() + kJournalFileName);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), '\n'), 1 + 2 * kFolders * kFilesPerFolder);
    ASSERT_TRUE(RunToEnd(Start(UndoArgs())));
    const auto places = Places();
    for (const auto& [path, content] : originals) {
        const auto found = places.find(content);
        EXPECT_TRUE(found != places.end() && found->second == std::vector<std::string>{path}) << path;
    }
    EXPECT_EQ(places.size(), originals.size());
}

// Killed while it copies to another file system, a run or an undo leaves at most a hidden partial copy,
// never a fragment under a real name; the clean-up removes the partial, and the undo still brings every
// file back whole.
TEST_F(KillTest, AKillDuringACopyAcrossFileSystemsLeavesNoFragmentUnderARealName) {
    if (!fs::exists(FrontEnd())) GTEST_SKIP() << "the headless front-end is not built: " << FrontEnd();
    struct stat treeInfo {
    }, otherInfo{};
    ::stat(tree.Path().c_str(), &treeInfo);
    std::string other;
    for (const char* candidate : {"/var/tmp", "/tmp", "/dev/shm"}) {
        std::string folder = std::string(candidate) + "/varnolt-kill-XXXXXX";
        if (::stat(candidate, &otherInfo) == 0 && otherInfo.st_dev != treeInfo.st_dev &&
            ::mkdtemp(folder.data())) {
            other = folder;
            break;
        }
    }
    if (other.empty()) GTEST_SKIP() << "no second file system for the tree in " << tree.Path();
    // Large files, so that most of the time goes to copying them: there most kills land.
    fs::remove_all(tree.Path() + "in");
    std::map<std::string, std::string> large;
    for (int file = 0; file < 24; ++file) {
        const std::string path =
            tree.Path() + "in/d" + std::to_string(file % 3) + "/big" + std::to_string(file) + ".bin";
        large[path] = "file " + std::to_string(file) + ":" +
                      std::string(std::size_t{3} << 20, static_cast<char>('a' + file));
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << large[path];
    }
    std::set<std::string> wholeContents;
    for (const auto& [path, content] : large)
        wholeContents.insert(content);
    std::vector<std::string> args = RunArgs();
    args[std::find(args.begin(), args.end(), "--to") - args.begin() + 1] = other + "/out";
    PosixFileSystem files;

    // The entries under real names below `root` that are not one whole file; the hidden partials.
    const auto look = [&](const std::string& root, int& fragments, std::vector<std::string>& partialFolders) {
        std::error_code error;
        for (const auto& entry : fs::recursive_directory_iterator(root, error)) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with(kPartialCopyPrefix)) {
                partialFolders.push_back(entry.path().parent_path().string());
                continue;
            }
            if (entry.is_regular_file() && !wholeContents.count(ReadBytes(entry.path()))) {
                ++fragments;
                ADD_FAILURE() << "a fragment under a real name: " << entry.path();
            }
        }
    };
    std::mt19937 random(std::random_device{}());
    int kills = 0, partialsLeft = 0;
    constexpr int kCopyRounds = 3;
    for (int round = 1; round <= kCopyRounds; ++round) {
        for (const bool undo : {false, true}) {
            // Killed once a copy is under way (its hidden file has appeared), a little later or at once.
            const pid_t child = Start(undo ? UndoArgs() : args);
            const std::string arriving = undo ? tree.Path() + "in" : other + "/out";
            const auto copying = [&] {
                std::error_code error;
                for (const auto& entry : fs::recursive_directory_iterator(arriving, error))
                    if (entry.path().filename().string().starts_with(kPartialCopyPrefix)) return true;
                return false;
            };
            while (StillRunning(child) && !copying())
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            std::this_thread::sleep_for(
                std::chrono::microseconds(std::uniform_int_distribution<int>(0, 3000)(random)));
            int status = 0;
            if (kill(child, SIGKILL) == 0 && waitpid(child, &status, 0) == child && WIFSIGNALED(status))
                ++kills;
            int fragments = 0;
            std::vector<std::string> partialFolders;
            look(tree.Path() + "in", fragments, partialFolders);
            look(other + "/out", fragments, partialFolders);
            partialsLeft += static_cast<int>(partialFolders.size());
            // A killed undo's partials are the next undo's to remove.
            for (const std::string& folder : partialFolders) {
                if (!folder.starts_with(tree.Path() + "in")) {
                    EXPECT_TRUE(files.RemoveLeftoverPartials(folder)) << folder;
                }
            }
            std::vector<std::string> none;
            look(other + "/out", fragments, none);
            EXPECT_TRUE(none.empty()) << "round " << round << ": a partial copy outlived the clean-up";
            figures.FilesChecked += static_cast<int>(large.size());
            ++figures.FaultPoints;
        }
        // The undo finishes the job and removes what a killed undo left; a file in flight at the run's
        // kill may stay in the result, whole.
        ExitStatus(Start(UndoArgs()));
        std::vector<std::string> undoPartials;
        int fragments = 0;
        look(tree.Path() + "in", fragments, undoPartials);
        EXPECT_TRUE(undoPartials.empty())
            << "round " << round << ": a killed undo's partial copy outlived the next undo";
        for (const auto& [path, content] : large) {
            if (fs::exists(path)) continue;
            bool found = false;
            for (const auto& entry : fs::recursive_directory_iterator(other + "/out"))
                if (entry.is_regular_file() && ReadBytes(entry.path()) == content) {
                    fs::rename(entry.path(), path);
                    found = true;
                    break;
                }
            if (!found) {
                ++figures.FilesLost;
                ADD_FAILURE() << "round " << round << ": lost " << path;
            }
        }
        ++figures.Scenarios;
    }
    EXPECT_GT(partialsLeft, 0) << "no kill landed during a copy: nothing was shown";
    ReportGroup("kill tests", figures,
                std::to_string(kills) + " kills during copies across file systems, " +
                    std::to_string(partialsLeft) + " hidden partial copies cleaned up");
    std::error_code ignored;
    fs::remove_all(other, ignored);
}

} // namespace
} // namespace varnolt::reliability
