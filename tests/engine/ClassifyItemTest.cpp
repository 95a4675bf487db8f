// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Text.h"
#include "platform/fakes/FaultInjector.h"
#include "support/EngineFixture.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace varnolt {
namespace {

using Paths = std::vector<std::string>;

// Seconds since the epoch of a local calendar time.
std::time_t LocalTimeOf(int year, int month, int day, int hour = 12) {
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_isdst = -1;
    return std::mktime(&parts);
}

void SetFileTimes(const std::string& path, std::time_t access, std::time_t write) {
    const timespec times[2] = {{access, 0}, {write, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

class ClassifyItemTest : public EngineFixture {
  protected:
    ClassifyItemTest() {
        out = tree.Folder("out");
        options.ResultLocation = out;
        options.SourceList = {tree.Folder("in")};
    }

    // The state the Run and Preview commands leave for the items.
    void BeginRun() {
        TakeOptions();
        state().PreviewMode = false;
        state().ResultRoot = out + "/";
        // Nothing moves before its pair is in the journal.
        ASSERT_TRUE(state().UndoJournal.Begin(fs, data.Path(), kMoveModeLine));
    }
    void BeginPreview() {
        TakeOptions();
        state().PreviewMode = true;
        state().ResultRoot = out + "/";
        engine.StartPreviewTree();
    }
    RunState& state() { return engine.State(); }

    // Every item shown in the preview, as the path it would have below the result location.
    Paths PreviewPaths() {
        Paths paths;
        const std::function<void(NodeId, const std::string&)> collect = [&](NodeId node,
                                                                            const std::string& prefix) {
            const PreviewTree& preview = engine.Preview();
            for (std::size_t i = 0; i < preview.ChildCount(node); ++i) {
                const NodeId child = preview.Child(node, i);
                const std::string path = prefix + preview.Text(child);
                // What goes with an item hangs below it, and lands beside it.
                if (preview.IsItem(child)) paths.push_back(path);
                collect(child, preview.IsItem(child) ? prefix : path + "/");
            }
        };
        collect(PreviewTree::Root, "");
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    Paths RunResult() { return FilesBelow(out); }

    // Previews the sources, then runs them; both must place the items at `expected`, and nothing else in
    // the result location may change. The destinations the preview predicts are those the run reports.
    void ExpectPreviewAndRun(const Paths& expected) {
        const Paths before = RunResult();
        engine.PreviewCommand();
        EXPECT_EQ(PreviewPaths(), expected) << "preview";
        EXPECT_EQ(RunResult(), before) << "a preview changes nothing";
        Paths predicted = host.Destinations();
        host.PlacedItems.clear();
        host.Answers = {false}; // do not open the result location
        engine.Run();
        Paths after = before;
        after.insert(after.end(), expected.begin(), expected.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(RunResult(), after) << "run";
        Paths placed = host.Destinations();
        std::sort(predicted.begin(), predicted.end());
        std::sort(placed.begin(), placed.end());
        EXPECT_EQ(placed, predicted) << "the preview's destinations";
        for (const RecordedItem& item : host.PlacedItems) {
            const std::string below =
                item.Destination.substr(std::min(item.Destination.size(), out.size() + 1));
            EXPECT_TRUE(item.Destination.starts_with(out + "/") &&
                        std::any_of(after.begin(), after.end(),
                                    [&](const std::string& file) {
                                        return file == below || file.starts_with(below + "/");
                                    }))
                << item.Destination;
        }
        EXPECT_EQ(host.LastEnd().Placed,
                  std::count_if(host.PlacedItems.begin(), host.PlacedItems.end(),
                                [](const RecordedItem& item) { return item.GoesWith.empty(); }));
    }

    std::string out;
};

TEST_F(ClassifyItemTest, FilteredItemsLeaveNoTrace) {
    options.MethodKey = Method::Name;
    BeginPreview();
    for (const char* name : {"desktop.ini", "Thumbs.db", "A.LNK", "b.Lnk"})
        engine.ClassifyItem(tree.File(name), true);
    EXPECT_EQ(host.LastActivityPath, "");
    EXPECT_EQ(state().ItemCount, 0);
    ASSERT_EQ(host.SkippedItems.size(), 4u);
    for (const RecordedItem& item : host.SkippedItems)
        EXPECT_EQ(item.Why, SkipReason::Excluded) << item.Path;
    const std::string folder = tree.Folder("sub/desktop.ini"); // the filters look at files only
    engine.ClassifyItem(folder, false);
    EXPECT_EQ(host.LastActivityPath, folder);
    engine.ClassifyItem(tree.File("Desktop.ini"), true);
    engine.ClassifyItem(tree.File("thumbs.db"), true);
    EXPECT_EQ(state().ItemCount, 3);
    EXPECT_EQ(PreviewPaths(), (Paths{"D/Desktop.ini", "D/desktop.ini", "T/thumbs.db"}));
}

TEST_F(ClassifyItemTest, TypeFilterKeepsOnlyListedFiles) {
    options.MethodKey = Method::Name;
    options.UseTypeFilter = true;
    options.TypeFilterText = "JPG;Png";
    BeginPreview();
    engine.ClassifyItem(tree.File("a.jpg"), true);
    engine.ClassifyItem(tree.File("b.PNG"), true);
    engine.ClassifyItem(tree.File("c.gif"), true);
    engine.ClassifyItem(tree.File("README"), true);
    engine.ClassifyItem(tree.Folder("d.jpg"), false);
    EXPECT_EQ(PreviewPaths(), (Paths{"A/a.jpg", "B/b.PNG"}));
    EXPECT_EQ(host.LastActivityPath, tree / "b.PNG"); // the last item that passed
    Paths filtered;
    for (const RecordedItem& item : host.SkippedItems) {
        EXPECT_EQ(item.Why, SkipReason::FilteredOut) << item.Path;
        filtered.push_back(item.Path);
    }
    EXPECT_EQ(filtered, (Paths{tree / "c.gif", tree / "README", tree / "d.jpg"}));
}

TEST_F(ClassifyItemTest, PreviewLimitTurnsAwayTheItemBeyondIt) {
    options.MethodKey = Method::Name;
    options.LimitPreview = true;
    options.PreviewLimit = 3;
    for (const char* name : {"a1", "a2", "b1", "b2", "c1", "c2", "d1", "d2", "e1", "e2"})
        tree.File(std::string("in/") + name + ".txt");
    engine.PreviewCommand();
    EXPECT_EQ(PreviewPaths(), (Paths{"A/a1.txt", "A/a2.txt", "B/b1.txt"}));
    EXPECT_EQ(state().ItemCount, 3);
    EXPECT_TRUE(state().StopRequested);
    ASSERT_TRUE(host.LastProgress);
    EXPECT_EQ(host.LastProgress->Done, 3);
    EXPECT_EQ(host.LastProgress->Categories, 2);
    EXPECT_EQ(host.LastEnd().How, Outcome::Completed) << "reaching the limit is no stop";
    EXPECT_TRUE(host.LastEnd().LimitReached);
    EXPECT_EQ(host.LastEnd().Placed, 3);
}

TEST_F(ClassifyItemTest, NestedCategoryFoldersAreMadeOnceAndCountedOnce) {
    options.MethodKey = Method::Date;
    options.GroupedSubfolders = true;
    const std::time_t day = LocalTimeOf(2011, 3, 7);
    const std::string a = tree.File("in/a.txt", "a"), b = tree.File("in/b.txt", "b");
    SetFileTimes(a, day, day);
    SetFileTimes(b, day, day);
    BeginRun();
    engine.ClassifyItem(a, true);
    EXPECT_EQ(state().NewCategoryCount, 1);
    engine.ClassifyItem(b, true);
    EXPECT_EQ(state().NewCategoryCount, 1);
    EXPECT_EQ(state().ItemCount, 2);
    EXPECT_EQ(RunResult(), (Paths{"2011/3/7/a.txt", "2011/3/7/b.txt"}));
    ASSERT_TRUE(host.LastProgress);
    EXPECT_EQ(host.LastProgress->Done, 2);
    EXPECT_EQ(host.LastProgress->Categories, 1);
    EXPECT_EQ(host.LastActivityPath, b);
}

TEST_F(ClassifyItemTest, AnExistingCategoryFolderIsNotNew) {
    options.MethodKey = Method::Name;
    tree.Folder("out/A");
    BeginRun();
    engine.ClassifyItem(tree.File("in/a.txt"), true);
    engine.ClassifyItem(tree.File("in/b.txt"), true);
    EXPECT_EQ(state().NewCategoryCount, 1);
    EXPECT_EQ(RunResult(), (Paths{"A/a.txt", "B/b.txt"}));
}

TEST_F(ClassifyItemTest, ACategoryFolderRemovedDuringTheRunIsMadeAgainForTheNextItem) {
    options.MethodKey = Method::Name;
    BeginRun();
    engine.ClassifyItem(tree.File("in/a1.txt", "1"), true);
    std::filesystem::rename(tree / "out/A", tree / "elsewhere");
    engine.ClassifyItem(tree.File("in/a2.txt", "2"), true);
    EXPECT_EQ(tree.Read("out/A/a2.txt"), "2");
    EXPECT_EQ(tree.Read("elsewhere/a1.txt"), "1");
    EXPECT_EQ(state().TransferredCount, 2);
    EXPECT_EQ(state().NewCategoryCount, 2);
}

// Commands through a file system whose calls a test makes fail.
class GuardedRun : public ClassifyItemTest {
  protected:
    GuardedRun() : guarded(&faults), guardedEngine(options, {guarded, host, pump, shell}, data.Path()) {}

    FaultInjector faults;
    PosixFileSystem guarded;
    Engine guardedEngine;
};

// Every item of a run is accounted for by its event: placed (numbered past a name taken), skipped with
// the reason, or failed with the step and the system's reason.
TEST_F(GuardedRun, EveryItemNotPlacedIsNamedWithItsReason) {
    options.MethodKey = Method::Type;
    options.Group(TypeGroup::Document).Enabled = true;
    options.IncludeSubfolders = true;
    const std::string a = tree.File("in/a.txt", "1"), twin = tree.File("in/sub/a.txt", "2");
    const std::string odd = tree.File("in/c.xyz"), locked = tree.File("in/locked/d.txt");
    faults.FailPathsContaining("/d.txt", EACCES,
                               Syscall::Rename); // as from a folder without write permission
    host.Answers = {false};
    guardedEngine.Run();

    const std::string category = out + "/Document file/";
    std::vector<std::pair<std::string, std::string>> placed;
    for (const RecordedItem& item : host.PlacedItems)
        placed.emplace_back(item.Path, item.Destination);
    std::sort(placed.begin(), placed.end());
    const bool subFirst = tree.Read("out/Document file/a.txt") == "2";
    EXPECT_EQ(placed, (std::vector<std::pair<std::string, std::string>>{
                          {a, category + (subFirst ? "a(1).txt" : "a.txt")},
                          {twin, category + (subFirst ? "a.txt" : "a(1).txt")}}));
    ASSERT_EQ(host.SkippedItems.size(), 1u);
    EXPECT_EQ(host.SkippedItems[0].Path, odd);
    EXPECT_EQ(host.SkippedItems[0].Why, SkipReason::NoCategory);
    ASSERT_EQ(host.FailedItems.size(), 1u);
    EXPECT_EQ(host.FailedItems[0].Path, locked);
    EXPECT_EQ(host.FailedItems[0].Where, Step::Move);
    EXPECT_EQ(host.FailedItems[0].Error, std::errc::permission_denied);
    EXPECT_EQ(host.FailedItems[0].Destination, category + "d.txt");
    EXPECT_TRUE(tree.Exists("in/locked/d.txt"));
    const CommandEnded& end = host.LastEnd();
    EXPECT_EQ(end.How, Outcome::Completed);
    EXPECT_EQ(end.Placed, 2);
    EXPECT_EQ(end.NotPlaced, 1);
    EXPECT_EQ(end.Failed, 1);
    EXPECT_EQ(end.Total, 4);
    EXPECT_FALSE(end.EverythingWent());
}

class FailedCategoryFolder : public GuardedRun {
  protected:
    FailedCategoryFolder() {
        options.MethodKey = Method::Name;
        options.SourceList = {tree.File("in/a1.txt"), tree.File("in/a2.txt"), tree.File("in/b1.txt")};
        faults.FailPathsContaining("/out/A", EACCES, Syscall::MakeDir);
    }
    // The whole command through the guarded file system, answering the folder questions with `answers`.
    void RunAnswering(std::deque<bool> answers) {
        host.Answers = answers;
        host.Answers.push_back(false); // do not open the result location
        guardedEngine.Run();
    }
};

TEST_F(FailedCategoryFolder, NoStopsTheRunWithTheItemInPlace) {
    RunAnswering({false});
    EXPECT_EQ(host.Asked, (std::vector<Decision>{Decision::ContinueWithoutCategory, Decision::OpenResult}));
    EXPECT_EQ(host.AskedPaths[0], out + "/A");
    EXPECT_EQ(host.AskedErrors[0], std::errc::permission_denied);
    EXPECT_EQ(host.LastEnd().How, Outcome::Stopped);
    EXPECT_TRUE(guardedEngine.State().StopRequested);
    EXPECT_EQ(guardedEngine.State().TransferredCount, 0);
    EXPECT_TRUE(tree.Exists("in/a1.txt"));
    EXPECT_TRUE(RunResult().empty());
}

TEST_F(FailedCategoryFolder, YesHandsTheItemOnAndTheNextItemAsksAgain) {
    RunAnswering({true, true});
    EXPECT_EQ(host.Asked, (std::vector<Decision>{Decision::ContinueWithoutCategory,
                                                 Decision::ContinueWithoutCategory, Decision::OpenResult}));
    EXPECT_EQ(host.FailedPaths(), (Paths{tree / "in/a1.txt", tree / "in/a2.txt"}));
    for (const RecordedItem& item : host.FailedItems)
        EXPECT_EQ(item.Where, Step::MakeCategory);
    EXPECT_EQ(host.LastEnd().Placed, 1);
    EXPECT_EQ(host.LastEnd().Failed, 2);
    EXPECT_EQ(guardedEngine.State().ItemCount, 3); // handed to the transfer, whether or not it worked
    EXPECT_EQ(guardedEngine.State().TransferredCount, 1);
    EXPECT_EQ(guardedEngine.State().NewCategoryCount, 1);
    EXPECT_EQ(RunResult(), (Paths{"B/b1.txt"}));
    EXPECT_TRUE(tree.Exists("in/a1.txt"));
    EXPECT_TRUE(tree.Exists("in/a2.txt"));
}

TEST_F(ClassifyItemTest, NumberedFoldersFillInOrderAndAFailedTransferTakesNoPlace) {
    options.MethodKey = Method::Number;
    options.MaxFilesPerFolder = 1;
    options.SubfolderName = "Batch";
    BeginRun();
    engine.ClassifyItem(tree.File("in/a.txt"), true);
    engine.ClassifyItem(tree / "in/vanished.txt", true); // its transfer fails
    engine.ClassifyItem(tree.File("in/c.txt"), true);
    engine.ClassifyItem(tree.File("in/d.txt"), true);
    EXPECT_EQ(RunResult(), (Paths{"Batch (1)/c.txt", "Batch (2)/d.txt", "Batch/a.txt"}));
    EXPECT_EQ(state().FolderSerial, 2);
}

// A folder made for an item that did not go in (it vanished, its name could not be journaled) is
// removed again, as far up as this item made it; one that holds anything stays.
TEST_F(ClassifyItemTest, FoldersMadeForAnItemThatDidNotGoInAreRemovedAgain) {
    options.MethodKey = Method::Type;
    options.Group(TypeGroup::Document).Enabled = true;
    options.EveryTypeFolder = true;
    BeginRun();
    engine.ClassifyItem(tree / "in/gone.txt", true);
    EXPECT_FALSE(tree.Exists("out/Document file"));
    engine.ClassifyItem(tree.File("in/a.txt", "a"), true);
    engine.ClassifyItem(tree / "in/gone.pdf", true);
    engine.ClassifyItem(tree.File("in/line\nbreak.txt"), true);
    EXPECT_EQ(RunResult(), (Paths{"Document file/txt/a.txt"}));
    EXPECT_FALSE(tree.Exists("out/Document file/pdf"));
    EXPECT_EQ(state().NewCategoryCount, 1);
}

TEST_F(ClassifyItemTest, NumberedFoldersPassOverNamesTakenBeforeTheRun) {
    options.MethodKey = Method::Number;
    options.MaxFilesPerFolder = 2;
    options.SubfolderName = "Batch";
    tree.File("out/Batch/old.txt");
    tree.File("out/Batch (2)"); // a file takes the name as well
    for (const char* name : {"a", "b", "c"})
        tree.File(std::string("in/") + name);
    ExpectPreviewAndRun({"Batch (1)/a", "Batch (1)/b", "Batch (3)/c"});
}

// What one run learnt about taken numbers does not carry over: a number freed after it is given again.
TEST_F(ClassifyItemTest, OneNameFromManyFoldersIsNumberedAfreshInEachRun) {
    options.MethodKey = Method::Name;
    options.IncludeSubfolders = true;
    const auto run = [&] {
        host.Answers = {false};
        engine.Run();
    };
    for (const char* folder : {"in/1", "in/2", "in/3"})
        tree.File(std::string(folder) + "/a.txt", folder);
    run();
    EXPECT_EQ(RunResult(), (Paths{"A/a(1).txt", "A/a(2).txt", "A/a.txt"}));
    std::filesystem::remove(out + "/A/a(1).txt");
    tree.File("in/4/a.txt", "in/4");
    run();
    EXPECT_EQ(tree.Read("out/A/a(1).txt"), "in/4");
}

TEST_F(ClassifyItemTest, SizesPastFourGibibytes) {
    options.MethodKey = Method::Size;
    options.SizeStep = 1;
    options.SizeUnit = UnitGB;
    const std::string big = tree.File("in/big.bin");
    ASSERT_EQ(truncate(big.c_str(), (5ll << 30) + 1), 0); // sparse: no data blocks
    tree.File("in/small.bin", "x");
    engine.PreviewCommand();
    EXPECT_EQ(PreviewPaths(), (Paths{"0GB-1GB/small.bin", "5GB-6GB/big.bin"}));
}

TEST_F(ClassifyItemTest, VanishedItemsHaveNoSizeOrDate) {
    BeginPreview();
    for (const char* method : {Method::Size, Method::Date}) {
        options.MethodKey = method;
        TakeOptions();
        state().SizeStepBytes = 102400;
        engine.ClassifyItem(tree / "in/gone.txt", true);
        EXPECT_EQ(host.LastActivityPath, tree / "in/gone.txt");
    }
    EXPECT_EQ(state().ItemCount, 0);
    ASSERT_EQ(host.FailedItems.size(), 2u);
    for (const RecordedItem& item : host.FailedItems) {
        EXPECT_EQ(item.Where, Step::ReadFacts);
        EXPECT_EQ(item.Error, std::errc::no_such_file_or_directory);
    }
}

TEST_F(ClassifyItemTest, FolderItemsByMethod) {
    const std::string photos = tree.Folder("in/photos.jpg");
    const std::time_t day = LocalTimeOf(2011, 3, 7);
    SetFileTimes(photos, day, day);
    SetFileTimes(tree.File("in/photos.txt"), day, day);
    options.Group(TypeGroup::Image).Enabled = true;
    state().SizeStepBytes = 102400;
    BeginPreview();
    for (const char* method : {Method::Type, Method::Size, Method::Date, Method::Name}) {
        options.MethodKey = method;
        TakeOptions();
        engine.ClassifyItem(photos, false);
    }
    options.MethodKey = Method::Date;
    TakeOptions();
    engine.ClassifyItem(tree / "in/photos.txt", true);
    EXPECT_EQ(PreviewPaths(), (Paths{"2011-3-7/photos.jpg", "2011-3-7/photos.txt", "P/photos.jpg"}));
}

TEST_F(ClassifyItemTest, TimeKindChoosesTheFileTime) {
    options.MethodKey = Method::Date;
    const std::string a = tree.File("in/a.txt");
    SetFileTimes(a, LocalTimeOf(2011, 3, 6), LocalTimeOf(2011, 3, 7));
    BeginPreview();
    options.TimeKind = LastAccessTime;
    TakeOptions();
    engine.ClassifyItem(a, true);
    options.TimeKind = LastWriteTime;
    TakeOptions();
    engine.ClassifyItem(a, true);
    EXPECT_EQ(PreviewPaths(), (Paths{"2011-3-6/a.txt", "2011-3-7/a.txt"}));
}

// Taken names, a folder item and an item of the result location itself: the run puts each where the
// preview said it would.
TEST_F(ClassifyItemTest, ARunPlacesEveryItemWhereThePreviewSaid) {
    options.MethodKey = Method::Name;
    options.HeadLetterCount = 2;
    options.IncludeFolderName = true;
    tree.File("in/Album/x.jpg", "x");
    tree.File("in/apple.txt", "new");
    tree.File("in/..txt", "dots");
    tree.File("out/AL/Album/old.jpg", "old");
    tree.File("out/AP/apple.txt", "old");
    engine.PreviewCommand();
    Paths predicted = host.Destinations();
    host.PlacedItems.clear();
    host.Answers = {false};
    engine.Run();
    Paths placed = host.Destinations();
    std::sort(predicted.begin(), predicted.end());
    std::sort(placed.begin(), placed.end());
    EXPECT_EQ(placed, predicted);
    EXPECT_EQ(placed, (Paths{out + "/..txt", out + "/AL/Album (2)", out + "/AP/apple(1).txt"}));
    EXPECT_EQ(tree.Read("out/AL/Album (2)/x.jpg"), "x");
    EXPECT_EQ(tree.Read("out/AP/apple(1).txt"), "new");
}

// A category level that is empty or ".." would place the item outside its category or outside the
// result location; such an item is not placed at all. The category "." alone is the result location.
TEST_F(ClassifyItemTest, CategoriesNeverLeaveTheirPlace) {
    options.MethodKey = Method::Name;
    options.HeadLetterCount = 2;
    tree.File("in/..notes.txt", "n");
    tree.File("in/..txt", "x"); // its base name is "."
    tree.File("in/ok.txt", "o");
    ExpectPreviewAndRun({"..txt", "OK/ok.txt"});
    EXPECT_TRUE(tree.Exists("in/..notes.txt"));
    EXPECT_EQ(state().ItemCount, 2);
}

TEST_F(ClassifyItemTest, WordListLinesOfDotsPlaceNothing) {
    options.MethodKey = Method::Name;
    options.NameByWordList = true;
    options.Words = {"..", "y"};
    tree.File("in/x..y.txt");
    tree.File("in/y.txt");
    ExpectPreviewAndRun({"y/y.txt"});
    EXPECT_TRUE(tree.Exists("in/x..y.txt"));
}

TEST_F(ClassifyItemTest, OtherFolderNamesThatWouldEscapeOrCollapsePlaceNothing) {
    options.MethodKey = Method::Type;
    options.Other1Enabled = true;
    options.Other1Types = "aaa";
    options.Other2Enabled = true;
    options.Other2Types = "bbb";
    options.Other2Folder = "Music/Rock"; // "/" nests: two real levels
    BeginRun();
    for (const char* folder : {"..", "../escape", "a//b", "/abs", "Up/"}) {
        options.Other1Folder = folder;
        TakeOptions();
        engine.ClassifyItem(tree.File("in/f.aaa"), true);
    }
    ASSERT_EQ(host.SkippedItems.size(), 5u);
    for (const RecordedItem& item : host.SkippedItems)
        EXPECT_EQ(item.Why, SkipReason::NoCategory);
    options.Other1Folder = "back\\slash"; // an ordinary character in a name
    TakeOptions();
    engine.ClassifyItem(tree.File("in/f.aaa"), true);
    engine.ClassifyItem(tree.File("in/g.bbb"), true);
    EXPECT_EQ(RunResult(), (Paths{"Music/Rock/g.bbb", "back\\slash/f.aaa"}));
    EXPECT_EQ(FilesBelow(tree.Path()).size(), 2u); // nothing landed beside the result location
}

TEST_F(ClassifyItemTest, StopRequestedTurnsEveryItemAway) {
    options.MethodKey = Method::Name;
    BeginPreview();
    state().StopRequested = true;
    engine.ClassifyItem(tree.File("in/a.txt"), true);
    EXPECT_EQ(host.LastActivityPath, "");
    EXPECT_TRUE(host.PlacedItems.empty() && host.SkippedItems.empty() && host.FailedItems.empty());
    EXPECT_EQ(state().ItemCount, 0);
}

// Every method, and every predefined type group, previewed and then run over real files: both place the
// items alike.
struct RealTreeCase {
    const char* Name;
    std::function<void(ClassifyOptions&, TempDir&)> Prepare;
    Paths Expected;
};

class EveryMethodOverARealTree : public ClassifyItemTest, public testing::WithParamInterface<RealTreeCase> {};

TEST_P(EveryMethodOverARealTree, PreviewAndRunPlaceAlike) {
    GetParam().Prepare(options, tree);
    ExpectPreviewAndRun(GetParam().Expected);
}

void AddFiles(TempDir& tree, std::initializer_list<const char*> names) {
    for (const char* name : names)
        tree.File(std::string("in/") + name);
}

RealTreeCase GroupCase(TypeGroup group, const char* file) {
    return {InfoOf(group).Key,
            [group, file](ClassifyOptions& o, TempDir& tree) {
                o.MethodKey = Method::Type;
                o.Group(group).Enabled = true;
                AddFiles(tree, {file, "c.xyz"}); // c.xyz is in no group and stays
            },
            {std::string(InfoOf(group).Caption) + "/" + file}};
}

INSTANTIATE_TEST_SUITE_P(
    Methods, EveryMethodOverARealTree,
    testing::Values(RealTreeCase{"Date",
                                 [](ClassifyOptions& o, TempDir& tree) {
                                     o.MethodKey = Method::Date;
                                     const std::time_t march = LocalTimeOf(2011, 3, 7),
                                                       christmas = LocalTimeOf(2012, 12, 25);
                                     SetFileTimes(tree.File("in/a.txt"), march, march);
                                     SetFileTimes(tree.File("in/b.txt"), christmas, christmas);
                                 },
                                 {"2011-3-7/a.txt", "2012-12-25/b.txt"}},
                    RealTreeCase{"Name",
                                 [](ClassifyOptions& o, TempDir& tree) {
                                     o.MethodKey = Method::Name;
                                     AddFiles(tree, {"apple.txt", "Avocado.txt", "banana.txt"});
                                 },
                                 {"A/Avocado.txt", "A/apple.txt", "B/banana.txt"}},
                    RealTreeCase{"TwoGroups",
                                 [](ClassifyOptions& o, TempDir& tree) {
                                     o.MethodKey = Method::Type;
                                     o.Group(TypeGroup::Music).Enabled = o.Group(TypeGroup::Image).Enabled =
                                         true;
                                     AddFiles(tree, {"a.mp3", "b.JPG", "c.xyz"});
                                 },
                                 {"Image files/b.JPG", "Music files/a.mp3"}},
                    GroupCase(TypeGroup::Video, "v.mkv"), GroupCase(TypeGroup::Program, "setup.exe"),
                    GroupCase(TypeGroup::Document, "notes.txt"),
                    GroupCase(TypeGroup::Archive, "backup.tar.gz"),
                    RealTreeCase{"Size",
                                 [](ClassifyOptions& o, TempDir& tree) {
                                     o.MethodKey = Method::Size;
                                     o.SizeStep = 1;
                                     o.SizeUnit = UnitKB;
                                     tree.File("in/empty");
                                     tree.File("in/larger", std::string(1500, 'x'));
                                 },
                                 {"0KB-1KB/empty", "1KB-2KB/larger"}},
                    RealTreeCase{"Number",
                                 [](ClassifyOptions& o, TempDir& tree) {
                                     o.MethodKey = Method::Number;
                                     o.MaxFilesPerFolder = 2;
                                     o.SubfolderName = "Batch";
                                     AddFiles(tree, {"a", "b", "c", "d", "e"});
                                 },
                                 {"Batch (1)/c", "Batch (1)/d", "Batch (2)/e", "Batch/a", "Batch/b"}}),
    [](const testing::TestParamInfo<RealTreeCase>& info) { return std::string(info.param.Name); });

// A sidecar lands beside its photo, whatever the method gives the sidecar itself, and is reported as
// going with it; one without a photo, or every one with the option off, is an item of its own.
TEST_F(ClassifyItemTest, SidecarsGoWithTheirPhotos) {
    options.MethodKey = Method::Type;
    options.EveryTypeFolder = true;
    for (const char* name :
         {"in/IMG_1.CR2", "in/IMG_1.xmp", "in/IMG_2.jpg", "in/IMG_2.jpg.xmp", "in/lonely.xmp"})
        tree.File(name, name);
    ExpectPreviewAndRun(
        {"cr2/IMG_1.CR2", "cr2/IMG_1.xmp", "jpg/IMG_2.jpg", "jpg/IMG_2.jpg.xmp", "xmp/lonely.xmp"});
    EXPECT_EQ(tree.Read("out/cr2/IMG_1.xmp"), "in/IMG_1.xmp");
    const auto sidecar =
        std::find_if(host.PlacedItems.begin(), host.PlacedItems.end(),
                     [](const RecordedItem& item) { return item.Path.ends_with("IMG_1.xmp"); });
    ASSERT_NE(sidecar, host.PlacedItems.end());
    EXPECT_EQ(sidecar->GoesWith, tree / "in/IMG_1.CR2");

    options.KeepSidecars = false;
    options.SourceList = {tree.Folder("in2")};
    tree.File("in2/IMG_3.CR2");
    tree.File("in2/IMG_3.xmp");
    host.PlacedItems.clear();
    ExpectPreviewAndRun({"cr2/IMG_3.CR2", "xmp/IMG_3.xmp"});
}

} // namespace
} // namespace varnolt
