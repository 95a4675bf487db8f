// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SourceWalker.h"

#include "platform/fakes/FakePump.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace varnolt {
namespace {

class RecordingSink : public ItemSink {
  public:
    std::vector<std::string> Items; // "F rel" for files, "D rel" for folders
    std::string Root;
    std::function<void(const std::string&)> OnItem;

    void ClassifyItem(const std::string& path, bool isFile, ListedFolder*, FolderIdentity,
                      std::span<const std::string> sidecars) override {
        std::string item = (isFile ? "F " : "D ") + path.substr(Root.size());
        for (const std::string& sidecar : sidecars)
            item += " + " + sidecar.substr(Root.size());
        Items.push_back(std::move(item));
        if (OnItem) OnItem(path);
    }
};

class SourceWalkerTest : public ::testing::Test {
  protected:
    SourceWalkerTest() {
        sink.Root = tree.Path();
        tree.File("b.txt");
        tree.File("A.txt");
        tree.File("sub/inner.txt");
        tree.File("sub/deeper/deep.txt");
        tree.File("page_files/part.css");
        tree.File("Site.FILES/part.js");
        tree.File("myfiles/kept.txt"); // ends in "files" without "." or "_": walked as usual
    }

    std::vector<std::string> Walk(const std::string& folder) {
        sink.Items.clear();
        WalkSourceFolder(context, folder);
        return sink.Items;
    }

    TempDir tree;
    PosixFileSystem fs;
    FakePump pump;
    ClassifyOptions options;
    bool stop = false;
    RecordingSink sink;
    WalkContext context{fs, pump, options, stop, sink, {}};
};

using Items = std::vector<std::string>;

TEST_F(SourceWalkerTest, FilesOnlyByDefaultInCaseInsensitiveNameOrder) {
    EXPECT_EQ(Walk(tree.Path()), (Items{"F A.txt", "F b.txt"}));
    // A path without its trailing "/" walks the same and gets one "/" only.
    std::string noSlash = tree.Path();
    noSlash.pop_back();
    EXPECT_EQ(Walk(noSlash), (Items{"F A.txt", "F b.txt"}));
}

TEST_F(SourceWalkerTest, SubfoldersPreOrderDepthFirstSkippingCompanionContent) {
    options.IncludeSubfolders = true;
    EXPECT_EQ(Walk(tree.Path()), (Items{"F A.txt", "F b.txt", "F myfiles/kept.txt", "F sub/deeper/deep.txt",
                                        "F sub/inner.txt"}));
    options.IncludeFolderName = true;
    EXPECT_EQ(Walk(tree.Path()),
              (Items{"F A.txt", "F b.txt", "D myfiles", "F myfiles/kept.txt", "D page_files", "D Site.FILES",
                     "D sub", "D sub/deeper", "F sub/deeper/deep.txt", "F sub/inner.txt"}));
}

TEST_F(SourceWalkerTest, FolderNamesWithoutDescent) {
    options.IncludeFolderName = true;
    EXPECT_EQ(Walk(tree.Path()),
              (Items{"F A.txt", "F b.txt", "D myfiles", "D page_files", "D Site.FILES", "D sub"}));
}

TEST_F(SourceWalkerTest, OnlySubfoldersIgnoresTheOtherOptions) {
    options.OnlyClassifySubfolder = true;
    options.IncludeSubfolders = true;
    EXPECT_EQ(Walk(tree.Path()), (Items{"D myfiles", "D page_files", "D Site.FILES", "D sub"}));
}

TEST_F(SourceWalkerTest, StopEndsEveryLevelAtItsNextEntry) {
    options.IncludeSubfolders = true;
    sink.OnItem = [&](const std::string& path) {
        if (path.ends_with("deep.txt")) stop = true;
    };
    EXPECT_EQ(Walk(tree.Path()),
              (Items{"F A.txt", "F b.txt", "F myfiles/kept.txt", "F sub/deeper/deep.txt"}));
}

TEST_F(SourceWalkerTest, PumpRunsBeforeTheStopCheckAtEveryEntry) {
    pump.OnPump = [&] { stop = pump.Count == 2; };
    EXPECT_EQ(Walk(tree.Path()), (Items{"F A.txt"}));
}

TEST_F(SourceWalkerTest, OptionsChangedDuringTheWalkApplyToLaterEntries) {
    sink.OnItem = [&](const std::string&) { options.IncludeFolderName = true; };
    EXPECT_EQ(Walk(tree.Path()),
              (Items{"F A.txt", "F b.txt", "D myfiles", "D page_files", "D Site.FILES", "D sub"}));
}

TEST_F(SourceWalkerTest, MissingOrUnreadableFoldersYieldNothing) {
    EXPECT_TRUE(Walk(tree / "gone").empty());
    EXPECT_TRUE(Walk(tree / "A.txt").empty());
}

// A link to a folder below a source leads out of it (to a tree elsewhere, or back up): it is neither
// entered nor handed over, whatever the options. A link to a file is an item; a source that is a link
// is followed.
TEST_F(SourceWalkerTest, LinksToFoldersBelowASourceAreLeftAlone) {
    TempDir elsewhere;
    elsewhere.File("other/precious.txt");
    ASSERT_EQ(symlink((elsewhere / "other").c_str(), (tree / "sub/other").c_str()), 0);
    ASSERT_EQ(symlink("..", (tree / "sub/back").c_str()), 0);
    ASSERT_EQ(symlink((tree / "sub/inner.txt").c_str(), (tree / "sub/deeper/inner-link.txt").c_str()), 0);
    ASSERT_EQ(symlink((tree / "sub").c_str(), (tree / "sub-link").c_str()), 0);
    const Items sub{"F sub/deeper/deep.txt", "F sub/deeper/inner-link.txt", "F sub/inner.txt"};
    options.IncludeSubfolders = true;
    EXPECT_EQ(Walk(tree / "sub"), sub);
    options.IncludeFolderName = true;
    EXPECT_EQ(Walk(tree / "sub"), (Items{"D sub/deeper", "F sub/deeper/deep.txt",
                                         "F sub/deeper/inner-link.txt", "F sub/inner.txt"}));
    options.OnlyClassifySubfolder = true;
    EXPECT_EQ(Walk(tree / "sub"), Items{"D sub/deeper"});
    options = {};
    options.IncludeSubfolders = true;
    sink.Root = tree / "sub-link/";
    EXPECT_EQ(Walk(tree / "sub-link"), (Items{"F deeper/deep.txt", "F deeper/inner-link.txt", "F inner.txt"}))
        << "a source named by a link is walked";
}

// The result location and the program's own folders, however they are named: the folders that hold
// them are walked into but never handed over whole.
TEST_F(SourceWalkerTest, KeptOutFoldersAreNeitherEnteredNorHandedOverNorCarriedOffByTheirHolders) {
    options.IncludeSubfolders = true;
    options.IncludeFolderName = true;
    ASSERT_EQ(symlink((tree / "sub/deeper").c_str(), (tree / "alias").c_str()), 0);
    context.KeptOut.Add(fs, tree / "alias");
    context.KeptOut.Add(fs, tree / "gone"); // nothing to keep out
    EXPECT_EQ(Walk(tree.Path()), (Items{"F A.txt", "F b.txt", "D myfiles", "F myfiles/kept.txt",
                                        "D page_files", "D Site.FILES", "F sub/inner.txt"}));
    options.OnlyClassifySubfolder = true;
    EXPECT_EQ(Walk(tree.Path()), (Items{"D myfiles", "D page_files", "D Site.FILES"}));
    options.OnlyClassifySubfolder = false;
    EXPECT_EQ(Walk(tree / "sub/deeper"), Items{"F sub/deeper/deep.txt"}) << "a source itself is walked";
}

TEST_F(SourceWalkerTest, CompanionFolderNames) {
    EXPECT_TRUE(IsCompanionFolderName("page.files"));
    EXPECT_TRUE(IsCompanionFolderName("PAGE_FILES"));
    EXPECT_TRUE(IsCompanionFolderName("x.Files"));
    EXPECT_FALSE(IsCompanionFolderName("myfiles"));
    EXPECT_FALSE(IsCompanionFolderName("files"));
}

// A sidecar goes with the file it describes, named after it whole or after its stem; without one it is
// an item like any other, and so is every sidecar when the option is off.
TEST_F(SourceWalkerTest, SidecarsGoWithTheirFiles) {
    for (const char* name : {"p/IMG_1.CR2", "p/IMG_1.JPG", "p/IMG_1.xmp", "p/IMG_2.jpg", "p/IMG_2.jpg.XMP",
                             "p/lonely.xmp", "p/notes", "p/notes.xmp", "p/.xmp"})
        tree.File(name);
    tree.Folder("p/folder.xmp");
    const std::string folder = tree / "p";
    EXPECT_EQ(Walk(folder),
              (Items{"F p/.xmp", "F p/IMG_1.CR2 + p/IMG_1.xmp", "F p/IMG_1.JPG",
                     "F p/IMG_2.jpg + p/IMG_2.jpg.XMP", "F p/lonely.xmp", "F p/notes + p/notes.xmp"}));
    options.KeepSidecars = false;
    EXPECT_EQ(Walk(folder).size(), 9u);
}

} // namespace
} // namespace varnolt
