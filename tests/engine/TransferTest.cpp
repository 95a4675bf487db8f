// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TextFile.h"
#include "platform/fakes/FaultInjector.h"
#include "support/EngineFixture.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace varnolt {
namespace {

using Lines = std::vector<std::string>;

class TransferTest : public EngineFixture {
  protected:
    TransferTest() { BeginJournal(); }

    void BeginJournal() {
        engine.State().UndoJournal.Begin(fs, data.Path(),
                                         options.MoveSourceFiles ? kMoveModeLine : kCopyModeLine);
    }
    // The journal as a run would leave it, without its mode line.
    Lines JournalPairs() {
        EXPECT_TRUE(engine.State().UndoJournal.Save());
        const std::string bytes = data.Read(kJournalFileName);
        Lines lines = DecodeTextFile(bytes).Lines;
        std::string expected; // plain bytes, every line ended by CR LF
        for (const std::string& line : lines)
            expected += line + "\r\n";
        EXPECT_EQ(bytes, expected);
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

// Numbers found taken are not tried again within a command, yet every name is the one counting from (1)
// would give: a gap is still found, and a page with its companion folder keeps its own count.
TEST_F(TransferTest, RepeatedNamesGetTheNumbersOfCountingFromOne) {
    tree.File("R/a.txt", "old");
    tree.File("R/a(1).txt", "old 1");
    ASSERT_EQ(symlink("nowhere", (tree / "R/a(3).txt").c_str()), 0);
    for (const char* from : {"in/1", "in/2", "in/3"})
        EXPECT_TRUE(engine.TransferItem(tree.File(std::string(from) + "/a.txt", from), tree / "R/a.txt"));
    EXPECT_EQ(tree.Read("R/a(2).txt"), "in/1");
    EXPECT_EQ(tree.Read("R/a(4).txt"), "in/2");
    EXPECT_EQ(tree.Read("R/a(5).txt"), "in/3");

    tree.File("R/p.htm", "old");
    tree.Folder("R/p(1)_files");
    const auto page = [&](const char* from, bool withCompanion) {
        const std::string path = tree.File(std::string(from) + "/p.htm", from);
        if (withCompanion) tree.File(std::string(from) + "/p_files/img.png", from);
        EXPECT_TRUE(engine.TransferItem(path, tree / "R/p.htm"));
    };
    page("in/4", true);
    page("in/5", false);
    page("in/6", true);
    EXPECT_EQ(tree.Read("R/p(2).htm"), "in/4");
    EXPECT_EQ(tree.Read("R/p(2)_files/img.png"), "in/4");
    EXPECT_EQ(tree.Read("R/p(1).htm"), "in/5") << "the plain file's count ignores the companion names";
    EXPECT_EQ(tree.Read("R/p(3).htm"), "in/6");
    EXPECT_EQ(tree.Read("R/p(3)_files/img.png"), "in/6");

    // Whole folders keep a count of their own, and a number found taken stays passed over even when it
    // is freed meanwhile.
    tree.Folder("R/Album");
    tree.File("R/Album (2)", "a file of theirs");
    const auto album = [&](const char* from) {
        tree.File(std::string(from) + "/Album/x.jpg", from);
        EXPECT_TRUE(engine.TransferItem(tree / (std::string(from) + "/Album"), tree / "R/Album"));
    };
    album("in/7");
    ASSERT_EQ(unlink((tree / "R/Album (2)").c_str()), 0);
    album("in/8");
    EXPECT_EQ(tree.Read("R/Album (3)/x.jpg"), "in/7");
    EXPECT_EQ(tree.Read("R/Album (4)/x.jpg"), "in/8");
}

TEST_F(TransferTest, MovingAFileShowsItsPathAndLetsTheWindowRun) {
    const std::string a = tree.File("in/a.txt", "x");
    tree.Folder("R");
    EXPECT_TRUE(engine.TransferItem(a, tree / "R/a.txt"));
    EXPECT_EQ(host.LastActivityPath, a);
    EXPECT_EQ(host.LastActivity, Activity::Moving);
    EXPECT_EQ(engine.PlacedAt(), tree / "R/a.txt");
    EXPECT_EQ(pump.Count, 1);
}

TEST_F(TransferTest, AFolderHoldingTheNameFailsWithoutNumbering) {
    const std::string a = tree.File("in/a.txt", "x");
    tree.File("R/Docs/a.txt/inner", "keep");
    EXPECT_EQ(engine.TransferItem(a, tree / "R/Docs/a.txt").Error(), std::errc::file_exists);
    EXPECT_EQ(tree.Read("in/a.txt"), "x");
    EXPECT_EQ(tree.Read("R/Docs/a.txt/inner"), "keep");
    EXPECT_FALSE(tree.Exists("R/Docs/a(1).txt"));
    EXPECT_EQ(host.LastActivityPath, a) << "a failed item keeps showing its path";
    EXPECT_EQ(pump.Count, 1) << "the window runs whatever the outcome";
    ExpectCounts(0);
    EXPECT_EQ(JournalPairs(), Lines{});
}

TEST_F(TransferTest, SameTextIsSuccessWithoutEffectButLetterCaseCounts) {
    const std::string a = tree.File("in/a.txt", "x");
    EXPECT_TRUE(engine.TransferItem(a, a));
    EXPECT_EQ(host.LastActivityPath, "");
    EXPECT_EQ(pump.Count, 0);
    ExpectCounts(0);

    EXPECT_TRUE(engine.TransferItem(a, tree / "in/A.txt"));
    EXPECT_EQ(tree.Read("in/A.txt"), "x");
    ExpectCounts(1);
    EXPECT_EQ(JournalPairs(), (Lines{a, tree / "in/A.txt"}));
}

TEST_F(TransferTest, AVanishedSourceFailsQuietly) {
    tree.Folder("R");
    EXPECT_EQ(engine.TransferItem(tree / "in/gone.txt", tree / "R/gone.txt").Error(),
              std::errc::no_such_file_or_directory);
    EXPECT_EQ(host.LastActivityPath, "");
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
    EXPECT_EQ(JournalPairs(),
              (Lines{tree / "in/page_files", tree / "R/Web/page_files", page, tree / "R/Web/page.htm"}));
}

// A companion folder that holds the data folder, another folder of the program's or the result
// location would carry it along: it stays, as the walk leaves it, and the page goes alone.
TEST_F(TransferTest, ACompanionHoldingAKeptOutFolderStaysAndThePageGoesAlone) {
    for (const std::string kind : {"data", "own", "result"}) {
        TempDir t;
        const std::string page = t.File("in/page.htm", "<html>");
        t.File("in/page_files/img.png", "png");
        const std::string kept = t.Folder("in/page_files/kept");
        t.Folder("R");
        ClassifyOptions o;
        if (kind == "result") o.ResultLocation = kept;
        Engine e(o, {fs, host, pump, shell}, kind == "data" ? kept + "/" : data.Path());
        if (kind == "own") e.KeepOutOfWalks(kept);
        ASSERT_TRUE(e.State().UndoJournal.Begin(fs, data.Path(), kMoveModeLine));
        EXPECT_TRUE(e.TransferItem(page, t / "R/page.htm")) << kind;
        EXPECT_EQ(t.Read("R/page.htm"), "<html>") << kind;
        EXPECT_EQ(t.Read("in/page_files/img.png"), "png") << kind;
        EXPECT_FALSE(t.Exists("R/page_files")) << kind;
    }
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
    TakeOptions();
    const std::string a = tree.File("in/a.txt", "x");
    const std::string page = tree.File("in/page.htm", "p");
    tree.File("in/page.files/img.png", "png");
    tree.File("R/a.txt", "old");
    EXPECT_TRUE(engine.TransferItem(a, tree / "R/a.txt"));
    EXPECT_EQ(host.LastActivityPath, a);
    EXPECT_EQ(host.LastActivity, Activity::Copying);
    EXPECT_EQ(engine.PlacedAt(), tree / "R/a(1).txt");
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
    EXPECT_EQ(host.LastActivityPath, photosFolder);
    EXPECT_EQ(host.LastActivity, Activity::Moving);
    EXPECT_TRUE(engine.TransferItem(musicFolder, tree / "R/2011/Music"));
    EXPECT_EQ(engine.PlacedAt(), tree / "R/2011/Music (2)");
    EXPECT_EQ(pump.Count, 0) << "no turn of the window after a whole folder";

    EXPECT_EQ(tree.Read("R/2011/Photos/a.jpg"), "a");
    EXPECT_EQ(tree.Read("R/2011/Music/old.mp3"), "old");
    EXPECT_FALSE(tree.Exists("R/2011/Music/b.mp3"));
    EXPECT_EQ(FilesBelow(tree / "R/2011").size(), 3u) << "the incoming Music folder went beside the old one";
    EXPECT_FALSE(tree.Exists("in/Music"));
    ExpectCounts(2);
    EXPECT_EQ(JournalPairs(),
              (Lines{photosFolder, tree / "R/2011/Photos", musicFolder, tree / "R/2011/Music (2)"}))
        << "the journal names where the folder went";
}

TEST_F(TransferTest, CopyingAFolderKeepsTheSource) {
    options.MoveSourceFiles = false;
    TakeOptions();
    tree.File("in/Photos/a.jpg", "a");
    tree.Folder("R");
    EXPECT_TRUE(engine.TransferItem(tree / "in/Photos", tree / "R/Photos"));
    EXPECT_EQ(host.LastActivityPath, tree / "in/Photos");
    EXPECT_EQ(host.LastActivity, Activity::Copying);
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

// Fault injection: one system call of a transfer fails, for every call in turn, with the file system's
// own route and with the route across file systems. An item is either wholly transferred and journaled,
// or its source is as it was, nothing of it is left at the destination and the journal has no pair for it;
// what stood at the destination before is never touched.
struct FaultCase {
    const char* Name;
    bool Move;
    bool AcrossDevices;
    std::vector<std::pair<std::string, std::string>> Files; // below "in/"
    std::vector<std::string> Items;                         // what is handed to TransferItem
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.Name;
}

class InjectedFaultTest : public EngineFixture, public ::testing::WithParamInterface<FaultCase> {
  protected:
    using Contents = std::map<std::string, std::string>; // path below the tree -> content

    Contents Snapshot(const TempDir& dir, const std::string& root) {
        Contents files;
        for (const std::string& relative : FilesBelow(dir / root))
            files[root + relative] = dir.Read(root + relative);
        return files;
    }

    // The files of each item handed over, and of a page's companion folder, keyed by the item's path.
    std::map<std::string, Contents> ItemsOf(const TempDir& dir, const Contents& in) {
        std::map<std::string, Contents> items;
        for (const auto& [path, content] : in) {
            const std::string below = path.substr(3); // without "in/"
            const std::string top = below.substr(0, below.find('/'));
            items[dir / ("in/" + top)][path] = content;
        }
        return items;
    }

    // Runs the case with the n-th system call failed; returns how many calls it made.
    int RunWithFault(int n) {
        const FaultCase& c = GetParam();
        TempDir dir;
        TempDir journalDir;
        for (const auto& [path, content] : c.Files)
            dir.File("in/" + path, content);
        dir.File("R/Docs/a.txt", "old a");
        dir.File("R/Docs/F/old", "old F");
        const Contents in = Snapshot(dir, "in/");
        const Contents r = Snapshot(dir, "R/");

        FaultInjector injector;
        if (c.AcrossDevices) injector.FailNth(Syscall::Rename, 1, EXDEV);
        if (n > 0) injector.FailNthCall(n, EIO);
        PosixFileSystem faulty(&injector);
        options.MoveSourceFiles = c.Move;
        Engine e(options, {faulty, host, pump, shell}, journalDir.Path());
        // The journal itself is written without faults: only the transfer's calls count.
        e.State().UndoJournal.Begin(fs, journalDir.Path(), kMoveModeLine);
        for (const std::string& item : c.Items)
            e.TransferItem(dir / ("in/" + item), dir / ("R/Docs/" + item));
        EXPECT_TRUE(e.State().UndoJournal.Save());
        const Lines journal = DecodeTextFile(journalDir.Read(kJournalFileName)).Lines;
        const int calls = injector.Total();

        std::vector<std::string> journaledSources;
        for (std::size_t k = 1; k + 1 < journal.size(); k += 2)
            journaledSources.push_back(journal[k]);
        const Contents inAfter = Snapshot(dir, "in/");
        Contents arrived = Snapshot(dir, "R/");
        for (const auto& [path, content] : r) {
            EXPECT_EQ(arrived[path], content) << path << " was there before";
            arrived.erase(path);
        }
        std::multiset<std::string> arrivedContents;
        for (const auto& [path, content] : arrived)
            arrivedContents.insert(content);
        EXPECT_EQ(arrived.size(), arrivedContents.size()) << "nothing arrived twice";
        for (const auto& [item, files] : ItemsOf(dir, in)) {
            SCOPED_TRACE(item);
            const bool journaled =
                std::find(journaledSources.begin(), journaledSources.end(), item) != journaledSources.end();
            bool allArrived = true, noneArrived = true, allAtSource = true, noneAtSource = true;
            for (const auto& [path, content] : files) {
                const bool arrivedOnce = arrivedContents.count(content) == 1;
                const auto still = inAfter.find(path);
                const bool atSource = still != inAfter.end();
                EXPECT_TRUE(!atSource || still->second == content) << path;
                allArrived = allArrived && arrivedOnce;
                noneArrived = noneArrived && arrivedContents.count(content) == 0;
                allAtSource = allAtSource && atSource;
                noneAtSource = noneAtSource && !atSource;
            }
            if (journaled) {
                EXPECT_TRUE(allArrived);
                // Across file systems a folder whose copy is complete is moved, even when some of its
                // originals could not be removed: those stay as they were.
                EXPECT_TRUE(!c.Move ? allAtSource : noneAtSource || (c.AcrossDevices && files.size() > 1));
            } else {
                EXPECT_TRUE(noneArrived);
                EXPECT_TRUE(allAtSource);
            }
        }
        return calls;
    }
};

TEST_P(InjectedFaultTest, AFailedCallLeavesTheSourceAndTheJournalAsTheyWere) {
    const int calls = RunWithFault(0);
    ASSERT_GT(calls, 0);
    for (int n = 1; n <= calls && !HasFailure(); ++n) {
        SCOPED_TRACE("call " + std::to_string(n) + " of " + std::to_string(calls) + " failed");
        RunWithFault(n);
    }
}

const std::vector<std::pair<std::string, std::string>> kPageFiles = {
    {"a.htm", "page"}, {"a_files/r1", "r1"}, {"a_files/sub/r2", "r2"}};
const std::vector<std::pair<std::string, std::string>> kFolderFiles = {{"F/x", "x"}, {"F/sub/y", "y"}};

INSTANTIATE_TEST_SUITE_P(
    EveryRoute, InjectedFaultTest,
    ::testing::Values(FaultCase{"MoveFile", true, false, {{"a.txt", "new a"}}, {"a.txt"}},
                      FaultCase{"MoveFileAcrossDevices", true, true, {{"a.txt", "new a"}}, {"a.txt"}},
                      FaultCase{"CopyFile", false, false, {{"a.txt", "new a"}}, {"a.txt"}},
                      FaultCase{"MovePage", true, false, kPageFiles, {"a.htm"}},
                      FaultCase{"CopyPage", false, false, kPageFiles, {"a.htm"}},
                      FaultCase{"MoveFolder", true, false, kFolderFiles, {"F"}},
                      FaultCase{"MoveFolderAcrossDevices", true, true, kFolderFiles, {"F"}},
                      FaultCase{"CopyFolder", false, false, kFolderFiles, {"F"}}),
    [](const auto& info) { return std::string(info.param.Name); });

// Moved or copied, a page and its resource folder, or a photo and its sidecars, end up together or all
// stay: when any part cannot go, the others are taken back, and nothing is counted or journaled.
TEST_F(TransferTest, AnItemAndWhatGoesWithItTravelTogetherOrAllStay) {
    struct Case {
        const char* Item;
        std::vector<std::string> With; // the files that go with it, "folder/file" for a companion folder
        const char* Failing;
    };
    const Case cases[] = {
        {"page.htm", {"page_files/img.png"}, "page_files"},
        {"page.htm", {"page_files/img.png"}, "page.htm"},
        {"IMG.CR2", {"IMG.xmp", "IMG.CR2.xmp"}, "IMG.CR2"},
        {"IMG.CR2", {"IMG.xmp", "IMG.CR2.xmp"}, "IMG.xmp"},
        {"IMG.CR2", {"IMG.xmp", "IMG.CR2.xmp"}, "IMG.CR2.xmp"},
    };
    int serial = 0;
    for (const bool move : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE((move ? "move, " : "copy, ") + std::string(c.Failing) + " cannot arrive");
            const std::string base = "case" + std::to_string(++serial) + "/";
            const std::string item = tree.File(base + c.Item, "item");
            std::vector<std::string> sidecars;
            for (const std::string& with : c.With) {
                tree.File(base + with, with);
                if (with.find('/') == std::string::npos) sidecars.push_back(tree / (base + with));
            }
            const std::string web = tree.Folder(base + "R") + "/";
            FaultInjector injector;
            injector.FailPathsContaining(web + c.Failing, EACCES);
            // A copy grows under a hidden name first.
            injector.FailPathsContaining(web + std::string(kPartialCopyPrefix), EACCES, Syscall::MakeDir);
            PosixFileSystem faulty(&injector);
            options.MoveSourceFiles = move;
            Engine e(options, {faulty, host, pump, shell}, data.Path());
            ASSERT_TRUE(e.State().UndoJournal.Begin(fs, data.Path(), kMoveModeLine));
            EXPECT_EQ(e.TransferItem(item, web + c.Item, false, sidecars).Error(),
                      std::errc::permission_denied);
            EXPECT_EQ(tree.Read(base + c.Item), "item");
            for (const std::string& with : c.With)
                EXPECT_EQ(tree.Read(base + with), with);
            EXPECT_EQ(FilesBelow(web), Lines{});
            EXPECT_EQ(e.State().TransferredCount, 0);
        }
    }
}

// A name taken by either part numbers both, for each way a sidecar is named; the journal holds a pair
// for every file.
TEST_F(TransferTest, APhotoAndItsSidecarTakeANameFreeForBoth) {
    const std::string one = tree.File("in/IMG_1.CR2", "1");
    const std::string oneSidecar = tree.File("in/IMG_1.xmp", "1x");
    const std::string two = tree.File("in/IMG_2.jpg", "2");
    const std::string twoSidecar = tree.File("in/IMG_2.jpg.XMP", "2x");
    tree.File("R/IMG_1.xmp", "user's");
    tree.File("R/IMG_2.jpg", "user's");
    EXPECT_TRUE(engine.TransferItem(one, tree / "R/IMG_1.CR2", false, std::vector{oneSidecar}));
    EXPECT_EQ(engine.PlacedAt(), tree / "R/IMG_1(1).CR2");
    EXPECT_TRUE(engine.TransferItem(two, tree / "R/IMG_2.jpg", false, std::vector{twoSidecar}));
    EXPECT_EQ(FilesBelow(tree / "R"), (Lines{"IMG_1(1).CR2", "IMG_1(1).xmp", "IMG_1.xmp", "IMG_2(1).jpg",
                                             "IMG_2(1).jpg.XMP", "IMG_2.jpg"}));
    EXPECT_EQ(tree.Read("R/IMG_1(1).xmp"), "1x");
    EXPECT_EQ(tree.Read("R/IMG_2(1).jpg.XMP"), "2x");
    EXPECT_EQ(JournalPairs(), (Lines{one, tree / "R/IMG_1(1).CR2", oneSidecar, tree / "R/IMG_1(1).xmp", two,
                                     tree / "R/IMG_2(1).jpg", twoSidecar, tree / "R/IMG_2(1).jpg.XMP"}));
    EXPECT_EQ(engine.State().TransferredCount, 4);
}

// Any entry holds a name, a link that leads nowhere included: the item takes the next number and the
// link stays as it was, for a page and its companion folder alike.
TEST_F(TransferTest, ADanglingLinkIsATakenName) {
    const std::string a = tree.File("in/a.txt", "a");
    const std::string page = tree.File("in/page.htm", "p");
    tree.File("in/page_files/img.png", "png");
    tree.Folder("R");
    ASSERT_EQ(symlink("nowhere", (tree / "R/a.txt").c_str()), 0);
    ASSERT_EQ(symlink("nowhere", (tree / "R/page_files").c_str()), 0);
    EXPECT_TRUE(engine.TransferItem(a, tree / "R/a.txt"));
    EXPECT_TRUE(engine.TransferItem(page, tree / "R/page.htm"));
    EXPECT_EQ(tree.Read("R/a(1).txt"), "a");
    EXPECT_EQ(tree.Read("R/page(1).htm"), "p");
    EXPECT_EQ(tree.Read("R/page(1)_files/img.png"), "png");
    for (const char* link : {"R/a.txt", "R/page_files"})
        EXPECT_EQ(std::filesystem::read_symlink(tree / link), "nowhere") << link;
    EXPECT_EQ(JournalPairs(), (Lines{a, tree / "R/a(1).txt", tree / "in/page_files", tree / "R/page(1)_files",
                                     page, tree / "R/page(1).htm"}));
}

} // namespace
} // namespace varnolt
