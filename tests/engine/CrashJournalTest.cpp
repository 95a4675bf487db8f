// SPDX-License-Identifier: GPL-3.0-or-later
// A run killed half way must still be undoable: the journal reaches the disk as the run goes.
#include "engine/Errors.h"
#include "engine/TextFile.h"
#include "support/EngineFixture.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace varnolt {
namespace {

constexpr int kFileCount = 3000;
constexpr std::size_t kKillAfterPairs = 1000;

class CrashJournalTest : public EngineFixture {
  protected:
    // Every file below `root`, keyed by its content (each content is unique).
    static std::map<std::string, std::string> FilesByContent(const TempDir& dir, const std::string& root) {
        std::map<std::string, std::string> files;
        for (const std::string& relative : FilesBelow(dir / root))
            files[dir.Read(root + "/" + relative)] = relative;
        return files;
    }

    std::size_t PairsOnDisk() const {
        const auto lines = DecodeTextFile(data.Read(kJournalInProgressFileName)).Lines;
        return lines.empty() ? 0 : (lines.size() - 1) / 2;
    }

    // Runs the command in a child process and kills it once enough pairs are on the disk.
    void RunAndKillHalfWay() {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            // Slow the run down so that the kill lands in its middle; never return into the test.
            pump.OnPump = [] { std::this_thread::sleep_for(std::chrono::microseconds(200)); };
            engine.Run();
            _exit(0);
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        while (PairsOnDisk() < kKillAfterPairs && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the run ended before it could be killed";
    }
};

TEST_F(CrashJournalTest, AKilledRunIsUndoneFileForFile) {
    for (int i = 0; i < kFileCount; ++i)
        tree.File("in/d" + std::to_string(i % 7) + "/f" + std::to_string(i) + ".txt",
                  "content " + std::to_string(i));
    const auto before = FilesByContent(tree, "in");
    options.SourceList = {tree / "in"};
    options.ResultLocation = tree / "out";
    options.MethodKey = Method::Number;
    options.SubfolderName = "Batch";
    options.IncludeSubfolders = true;

    RunAndKillHalfWay();
    EXPECT_FALSE(data.Exists(kJournalFileName)) << "the run never reached its end";
    const std::size_t journaled = PairsOnDisk();
    const std::size_t moved = FilesBelow(tree / "out").size();
    EXPECT_GE(journaled, kKillAfterPairs);
    EXPECT_LT(moved, static_cast<std::size_t>(kFileCount));
    EXPECT_LE(moved, journaled) << "a move is journaled before it is made";
    EXPECT_LE(journaled - moved, kIntentsPerSync) << "at most a batch is journaled ahead of its moves";
    // The user renames a file of theirs over one the run placed: the journal recovered from the side
    // file still knows the item it placed there, and leaves the user's file.
    const std::string replaced = "out/" + FilesBelow(tree / "out").front();
    std::filesystem::rename(tree.File("users.txt", "the user's"), tree / replaced);

    engine.UndoLastRun();
    ASSERT_FALSE(host.Ends.empty());
    EXPECT_EQ(host.LastEnd().Kind, CommandKind::Undo);
    EXPECT_EQ(host.LastEnd().How, Outcome::Completed);

    // No file lost or doubled, every one back but the one the user replaced.
    const auto back = FilesByContent(tree, "in");
    const auto left = FilesByContent(tree, "out");
    EXPECT_EQ(back.size() + 1, before.size());
    EXPECT_EQ(left, (std::map<std::string, std::string>{{"the user's", replaced.substr(4)}}));
    for (const auto& [content, relative] : back)
        EXPECT_EQ(before.at(content), relative);
    ASSERT_EQ(host.FailedItems.size(), 1u);
    EXPECT_EQ(host.FailedItems[0].Path, tree / replaced);
    EXPECT_EQ(host.FailedItems[0].Error, MakeError(EngineError::ReplacedSinceRun));
    EXPECT_EQ(DecodeTextFile(data.Read(kJournalFileName)).Lines.size(), 3u) << "its pair stays";
    EXPECT_FALSE(data.Exists(kJournalInProgressFileName));
}

} // namespace
} // namespace varnolt
