// SPDX-License-Identifier: GPL-3.0-or-later
// The journal names where a folder item really went, so that an undo never takes another file for it, and
// an undo never deletes a "copy" that is its own original.
#include "engine/RunJournal.h"
#include "engine/TextFile.h"
#include "platform/fakes/FaultInjector.h"
#include "support/EngineFixture.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace varnolt {
namespace {

class JournalRegressionTest : public EngineFixture {};

TEST_F(JournalRegressionTest, AFolderThatTookANumberedNameIsJournaledThereAndComesBackFromThere) {
    tree.File("in/Album/song.mp3", "song");
    tree.File("R/AL/Album", "a file of the user's that holds the folder's name");
    options.SourceList = {tree / "in"};
    options.ResultLocation = tree / "R";
    options.MethodKey = Method::Name;
    options.IncludeFolderName = true;
    options.HeadLetterCount = 2;
    engine.Run();

    const auto lines = DecodeTextFile(data.Read(kJournalFileName)).Lines;
    EXPECT_EQ(lines, (std::vector<std::string>{kMoveModeLine, tree / "in/Album", tree / "R/AL/Album (2)"}));
    EXPECT_EQ(tree.Read("R/AL/Album (2)/song.mp3"), "song");

    engine.UndoLastRun();
    EXPECT_EQ(tree.Read("R/AL/Album"), "a file of the user's that holds the folder's name");
    EXPECT_EQ(tree.Read("in/Album/song.mp3"), "song");
    EXPECT_FALSE(tree.Exists("R/AL/Album (2)"));
}

// Across file systems a folder moves as a copy, then its originals go. When the last of them, the
// folder itself, cannot be removed, everything is at the new place already: that is a move made.
TEST_F(JournalRegressionTest, AFolderMovedAcrossFileSystemsWhoseEmptyOriginalStaysCountsAsMoved) {
    tree.File("in/Album/song.mp3", "song");
    FaultInjector faults;
    faults.FailPathsContaining(tree / "out", EXDEV, Syscall::Rename);
    faults.FailPathsContaining(tree / "in/Album", EACCES, Syscall::RemoveDir);
    PosixFileSystem crossing(&faults);

    std::string placedAt;
    EXPECT_TRUE(crossing.MoveFolder(tree / "in/Album", tree / "out/Album", &placedAt));
    EXPECT_EQ(placedAt, tree / "out/Album");
    EXPECT_EQ(tree.Read("out/Album/song.mp3"), "song");
    EXPECT_FALSE(tree.Exists("in/Album/song.mp3"));
}

TEST_F(JournalRegressionTest, ADamagedCopyJournalThatPairsAFileWithItselfLeavesTheFile) {
    const std::string file = tree.File("in/a.txt", "the only one");
    data.File(kJournalFileName,
              EncodeTextFile({kCopyModeLine, file, tree / "in/./a.txt"}, TextEncoding::Plain));
    engine.UndoLastRun();
    EXPECT_EQ(tree.Read("in/a.txt"), "the only one");
}

} // namespace
} // namespace varnolt
