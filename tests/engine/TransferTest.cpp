#include "engine/TextFile.h"
#include "support/EngineFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnolt {
namespace {

using Lines = std::vector<std::string>;

class TransferTest : public EngineFixture {
protected:
    TransferTest() { BeginJournal(); }

    void BeginJournal() {
        engine.State().UndoJournal.Begin(fs, data.Path(), options.MoveSourceFiles ? kMoveModeLine : kCopyModeLine);
    }
    // The journal as a run would leave it, without its mode line.
    Lines JournalPairs() {
        std::string error;
        EXPECT_TRUE(engine.State().UndoJournal.Save(error)) << error;
        Lines lines = DecodeTextFile(data.Read(kJournalFileName)).Lines;
        lines.erase(lines.begin());
        return lines;
    }
    void ExpectCounts(int transferred) {
        EXPECT_EQ(engine.State().TransferredCount, transferred);
        EXPECT_EQ(engine.State().FolderFillCount, transferred);
    }
};

TEST_F(TransferTest, TakenFileNamesGetTheNextFreeNumber) {
    const std::string a = tree.File("in/a.txt", "new");
    const std::string readme = tree.File("in/README", "r");
    const std::string archive = tree.File("in/archive.tar.gz", "z");
    tree.File("R/Docs/a.txt", "old");
    tree.File("R/Docs/a(1).txt", "old 1");
    tree.File("R/Docs/README", "old r");
    tree.File("R/Docs/archive.tar.gz", "old z");

    EXPECT_TRUE(engine.TransferItem(a, tree / "R/Docs/a.txt"));
    EXPECT_TRUE(engine.TransferItem(readme, tree / "R/Docs/README"));
    EXPECT_TRUE(engine.TransferItem(archive, tree / "R/Docs/archive.tar.gz"));

    EXPECT_EQ(tree.Read("R/Docs/a(2).txt"), "new");
    EXPECT_EQ(tree.Read("R/Docs/a.txt"), "old");
    EXPECT_EQ(tree.Read("R/Docs/a(1).txt"), "old 1");
    EXPECT_EQ(tree.Read("R/Docs/README(1)"), "r");
    EXPECT_EQ(tree.Read("R/Docs/archive.tar(1).gz"), "z");
    EXPECT_FALSE(tree.Exists("in/a.txt"));
    ExpectCounts(3);
    EXPECT_EQ(JournalPairs(), (Lines{a, tree / "R/Docs/a(2).txt", readme, tree / "R/Docs/README(1)", archive,
                                     tree / "R/Docs/archive.tar(1).gz"}));
}

TEST_F(TransferTest, MovingAFileShowsItsPathAndLetsTheWindowRun) {
    const std::string a = tree.File("in/a.txt", "x");
    tree.Folder("R");
    EXPECT_TRUE(engine.TransferItem(a, tree / "R/a.txt"));
    EXPECT_EQ(view.Status[0], "Moving " + a);
    EXPECT_EQ(pump.Count, 1);
}

TEST_F(TransferTest, AFolderHoldingTheNameFailsWithoutNumbering) {
    const std::string a = tree.File("in/a.txt", "x");
    tree.File("R/Docs/a.txt/inner", "keep");
    EXPECT_FALSE(engine.TransferItem(a, tree / "R/Docs/a.txt"));
    EXPECT_EQ(tree.Read("in/a.txt"), "x");
    EXPECT_EQ(tree.Read("R/Docs/a.txt/inner"), "keep");
    EXPECT_FALSE(tree.Exists("R/Docs/a(1).txt"));
    EXPECT_EQ(view.Status[0], "Moving " + a) << "a failed item keeps showing its path";
    EXPECT_EQ(pump.Count, 1) << "the window runs whatever the outcome";
    ExpectCounts(0);
    EXPECT_EQ(JournalPairs(), Lines{});
}

TEST_F(TransferTest, SameTextIsSuccessWithoutEffectButLetterCaseCounts) {
    const std::string a = tree.File("in/a.txt", "x");
    EXPECT_TRUE(engine.TransferItem(a, a));
    EXPECT_EQ(view.Status[0], "");
    EXPECT_EQ(pump.Count, 0);
    ExpectCounts(0);

    EXPECT_TRUE(engine.TransferItem(a, tree / "in/A.txt"));
    EXPECT_EQ(tree.Read("in/A.txt"), "x");
    ExpectCounts(1);
    EXPECT_EQ(JournalPairs(), (Lines{a, tree / "in/A.txt"}));
}

TEST_F(TransferTest, AVanishedSourceFailsQuietly) {
    tree.Folder("R");
    EXPECT_FALSE(engine.TransferItem(tree / "in/gone.txt", tree / "R/gone.txt"));
    EXPECT_EQ(view.Status[0], "");
    EXPECT_EQ(pump.Count, 0);
    ExpectCounts(0);
}

TEST_F(TransferTest, AWebPageTakesItsCompanionFolderAlongFirst) {
    const std::string page = tree.File("in/page.htm", "<html>");
    tree.File("in/page_files/img.png", "png");
    tree.Folder("R/Web");
    EXPECT_TRUE(engine.TransferItem(page, tree / "R/Web/page.htm"));
    EXPECT_EQ(tree.Read("R/Web/page.htm"), "<html>");
    EXPECT_EQ(tree.Read("R/Web/page_files/img.png"), "png");
    EXPECT_FALSE(tree.Exists("in/page_files"));
    ExpectCounts(2);
    EXPECT_EQ(JournalPairs(), (Lines{tree / "in/page_files", tree / "R/Web/page_files", page, tree / "R/Web/page.htm"}));
}

TEST_F(TransferTest, CompanionIsFoundWhateverTheCaseOfTheExtensionAndDotFilesWins) {
    const std::string upper = tree.File("in/PAGE.HTML", "1");
    tree.File("in/PAGE.files/a", "a");
    const std::string both = tree.File("in/both.html", "2");
    tree.File("in/both.files/b", "b");
    tree.File("in/both_files/c", "c");
    tree.Folder("R");
    EXPECT_TRUE(engine.TransferItem(upper, tree / "R/PAGE.HTML"));
    EXPECT_TRUE(engine.TransferItem(both, tree / "R/both.html"));
    EXPECT_EQ(tree.Read("R/PAGE.files/a"), "a");
    EXPECT_EQ(tree.Read("R/both.files/b"), "b");
    EXPECT_EQ(tree.Read("in/both_files/c"), "c") << "only one companion travels";
    EXPECT_FALSE(tree.Exists("R/both_files"));
    ExpectCounts(4);
}

TEST_F(TransferTest, ATakenPageNameNumbersTheCompanionToo) {
    const std::string page = tree.File("in/page.htm", "new");
    tree.File("in/page_files/img.png", "png");
    tree.File("R/Web/page.htm", "old");
    EXPECT_TRUE(engine.TransferItem(page, tree / "R/Web/page.htm"));
    EXPECT_EQ(tree.Read("R/Web/page(1).htm"), "new");
    EXPECT_EQ(tree.Read("R/Web/page(1)_files/img.png"), "png");
    EXPECT_EQ(tree.Read("R/Web/page.htm"), "old");
    EXPECT_EQ(JournalPairs(), (Lines{tree / "in/page_files", tree / "R/Web/page(1)_files", page,
                                     tree / "R/Web/page(1).htm"}));
}

TEST_F(TransferTest, CopyModeLeavesTheSourcesAsTheyWere) {
    options.MoveSourceFiles = false;
    const std::string a = tree.File("in/a.txt", "x");
    const std::string page = tree.File("in/page.htm", "p");
    tree.File("in/page.files/img.png", "png");
    tree.File("R/a.txt", "old");
    EXPECT_TRUE(engine.TransferItem(a, tree / "R/a.txt"));
    EXPECT_EQ(view.Status[0], "Copying " + a);
    EXPECT_TRUE(engine.TransferItem(page, tree / "R/page.htm"));
    EXPECT_EQ(tree.Read("in/a.txt"), "x");
    EXPECT_EQ(tree.Read("R/a(1).txt"), "x");
    EXPECT_EQ(tree.Read("R/a.txt"), "old");
    EXPECT_EQ(tree.Read("in/page.files/img.png"), "png");
    EXPECT_EQ(tree.Read("R/page.files/img.png"), "png");
    EXPECT_EQ(tree.Read("R/page.htm"), "p");
    ExpectCounts(3);
}

TEST_F(TransferTest, FoldersTravelWholeAndNeverReplaceAFolderOfTheirName) {
    tree.File("in/Photos/a.jpg", "a");
    tree.File("in/Music/b.mp3", "b");
    tree.File("R/2011/Music/old.mp3", "old");
    const std::string photosFolder = tree / "in/Photos";
    const std::string musicFolder = tree / "in/Music";

    EXPECT_TRUE(engine.TransferItem(photosFolder, tree / "R/2011/Photos"));
    EXPECT_EQ(view.Status[0], "Moving " + photosFolder);
    EXPECT_TRUE(engine.TransferItem(musicFolder, tree / "R/2011/Music"));
    EXPECT_EQ(pump.Count, 0) << "no turn of the window after a whole folder";

    EXPECT_EQ(tree.Read("R/2011/Photos/a.jpg"), "a");
    EXPECT_EQ(tree.Read("R/2011/Music/old.mp3"), "old");
    EXPECT_FALSE(tree.Exists("R/2011/Music/b.mp3"));
    EXPECT_EQ(FilesBelow(tree / "R/2011").size(), 3u) << "the incoming Music folder went beside the old one";
    EXPECT_FALSE(tree.Exists("in/Music"));
    ExpectCounts(2);
    EXPECT_EQ(JournalPairs(), (Lines{photosFolder, tree / "R/2011/Photos", musicFolder, tree / "R/2011/Music"}))
        << "the journal keeps the path asked for";
}

TEST_F(TransferTest, CopyingAFolderKeepsTheSource) {
    options.MoveSourceFiles = false;
    tree.File("in/Photos/a.jpg", "a");
    tree.Folder("R");
    EXPECT_TRUE(engine.TransferItem(tree / "in/Photos", tree / "R/Photos"));
    EXPECT_EQ(view.Status[0], "Copying " + tree / "in/Photos");
    EXPECT_EQ(tree.Read("in/Photos/a.jpg"), "a");
    EXPECT_EQ(tree.Read("R/Photos/a.jpg"), "a");
}

// One path per journal line: a name holding a line break could not be undone, so it is not moved.
TEST_F(TransferTest, PathsWithLineBreaksAreNotTransferred) {
    const std::string lf = tree.File("in/a\nb.txt", "1");
    const std::string plain = tree.File("in/c.txt", "2");
    tree.Folder("R");
    EXPECT_FALSE(engine.TransferItem(lf, tree / "R/a\nb.txt"));
    EXPECT_FALSE(engine.TransferItem(plain, tree / "R/c\r.txt"));
    EXPECT_EQ(tree.Read("in/a\nb.txt"), "1");
    EXPECT_EQ(tree.Read("in/c.txt"), "2");
    EXPECT_EQ(FilesBelow(tree / "R"), Lines{});
    ExpectCounts(0);
    EXPECT_EQ(JournalPairs(), Lines{});
}

} // namespace
} // namespace varnolt
