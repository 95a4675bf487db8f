// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CategoryRules.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace varnolt {
namespace {

TEST(ExclusionFilters, WindowsNamesCompareExactlyAndShortcutsIgnoreAsciiCase) {
    const ClassifyOptions options;
    EXPECT_TRUE(IsExcludedFile(options, "/in/desktop.ini"));
    EXPECT_TRUE(IsExcludedFile(options, "/in/Thumbs.db"));
    EXPECT_TRUE(IsExcludedFile(options, "/in/a.lnk"));
    EXPECT_TRUE(IsExcludedFile(options, "/in/A.LNK"));
    EXPECT_TRUE(IsExcludedFile(options, "/in/b.Lnk"));
    EXPECT_FALSE(IsExcludedFile(options, "/in/Desktop.ini"));
    EXPECT_FALSE(IsExcludedFile(options, "/in/thumbs.db"));
    EXPECT_FALSE(IsExcludedFile(options, "/in/a.lnk.txt"));
    EXPECT_FALSE(IsExcludedFile(options, "/in.lnk/readme")); // the extension comes from the name only
}

TEST(ExclusionFilters, EachFilterOnlyWhenItsOptionIsSet) {
    ClassifyOptions options;
    options.ExcludeFolderInfoFile = false;
    options.ExcludeShortcut = false;
    options.ExcludeThumbFile = false;
    EXPECT_FALSE(IsExcludedFile(options, "/in/desktop.ini"));
    EXPECT_FALSE(IsExcludedFile(options, "/in/a.lnk"));
    EXPECT_FALSE(IsExcludedFile(options, "/in/Thumbs.db"));
    options.ExcludeShortcut = true;
    EXPECT_TRUE(IsExcludedFile(options, "/in/a.lnk"));
    EXPECT_FALSE(IsExcludedFile(options, "/in/desktop.ini"));
}

class TypeFilter : public ::testing::Test {
  protected:
    TypeFilter() {
        options.MethodKey = Method::Name;
        options.UseTypeFilter = true;
        options.TypeFilterText = "JPG;Png";
    }
    bool Passes(std::string_view path, bool isFile = true) const {
        return PassesTypeFilter(options, path, isFile);
    }
    ClassifyOptions options;
};

TEST_F(TypeFilter, ListedExtensionsPassInAnyCase) {
    EXPECT_TRUE(Passes("/in/a.jpg"));
    EXPECT_TRUE(Passes("/in/b.PNG"));
    EXPECT_FALSE(Passes("/in/c.gif"));
    EXPECT_FALSE(Passes("/in/README"));
    EXPECT_FALSE(Passes("/in/bare."));
    EXPECT_FALSE(Passes("/in/photos.jpg", false)); // folder items never pass
}

TEST_F(TypeFilter, ExtensionIsLoweredFullyButTheListOnlyFromAToZ) {
    options.TypeFilterText = "\xC3\xA9xt";   // "éxt"
    EXPECT_TRUE(Passes("/in/a.\xC3\x89XT")); // ".ÉXT" lowers to "éxt"
    options.TypeFilterText = "\xC3\x89XT";   // "ÉXT": only X and T are lowered in the list
    EXPECT_FALSE(Passes("/in/a.\xC3\xA9xt"));
}

TEST_F(TypeFilter, EntriesCompareWhole) {
    options.TypeFilterText = ".jpg; png;gif ";
    EXPECT_FALSE(Passes("/in/a.jpg"));
    EXPECT_FALSE(Passes("/in/a.png"));
    EXPECT_FALSE(Passes("/in/a.gif"));
    EXPECT_FALSE(Passes("/in/a.jp"));
}

TEST_F(TypeFilter, NotAppliedWhenOffEmptyOrUnderMethodType) {
    options.TypeFilterText = "";
    EXPECT_TRUE(Passes("/in/c.gif"));
    EXPECT_TRUE(Passes("/in/folder", false));
    options.TypeFilterText = "jpg";
    options.MethodKey = Method::Type;
    EXPECT_TRUE(Passes("/in/c.gif"));
    options.MethodKey = Method::Name;
    options.UseTypeFilter = false;
    EXPECT_TRUE(Passes("/in/c.gif"));
}

TEST(NameByHeadLetters, FirstCharactersOfTheBaseNameWithAsciiUpperCased) {
    ClassifyOptions options;
    options.HeadLetterCount = 3;
    EXPECT_EQ(NameCategory(options, "/in/ab.txt", true), "AB");
    EXPECT_EQ(NameCategory(options, "/in/report.final.doc", true), "REP");
    EXPECT_EQ(NameCategory(options, "/in/2011 plan.doc", true), "201");
    EXPECT_EQ(NameCategory(options, "/in/.profile", true), "");
    EXPECT_EQ(NameCategory(options, "/in/photos", false), "PHO");
    EXPECT_EQ(NameCategory(options, "/in/a.b.c", false), "A.B"); // a folder's name is taken whole
    EXPECT_EQ(NameCategory(options, "/in/x y.z", true), "X Y");  // nothing is skipped
    options.HeadLetterCount = 1;
    EXPECT_EQ(NameCategory(options, "/in/\xC3\xA9lan.doc", true), "\xC3\xA9"); // é stays é
    EXPECT_EQ(NameCategory(options, "/in/back\\slash.txt", true), "B");
}

TEST(NameByWordList, FirstListedWordThatOccursInTheBaseName) {
    ClassifyOptions options;
    options.NameByWordList = true;
    options.Words = {"", "Report", "2011"};
    EXPECT_EQ(NameCategory(options, "/in/Report2011.doc", true), "Report");
    EXPECT_EQ(NameCategory(options, "/in/plan 2011.doc", true), "2011");
    EXPECT_EQ(NameCategory(options, "/in/report.doc", true), "");
    EXPECT_EQ(NameCategory(options, "/in/x.Report", true), ""); // the extension is not searched
    EXPECT_EQ(NameCategory(options, "/in/old Reports", false), "Report");
}

class TypeCategories : public ::testing::Test {
  protected:
    TypeCategories() { options.Group(TypeGroup::Music).Enabled = true; }
    ClassifyOptions options;
};

TEST_F(TypeCategories, GroupFolderThenOptionallyTheExtension) {
    EXPECT_EQ(TypeCategory(options, "/in/Song.MP3"), "Music files");
    EXPECT_EQ(TypeCategory(options, "/in/a.xyz"), "");
    EXPECT_EQ(TypeCategory(options, "/in/README"), "");
    options.EveryTypeFolder = true;
    EXPECT_EQ(TypeCategory(options, "/in/Song.MP3"), "Music files/mp3");
    EXPECT_EQ(TypeCategory(options, "/in/a.XYZ"), "xyz");
    EXPECT_EQ(TypeCategory(options, "/in/README"), "");
    EXPECT_EQ(TypeCategory(options, "/in/bare."), "");
}

TEST_F(TypeCategories, EarlierGroupWinsAndDisabledGroupsAreSkipped) {
    options.Group(TypeGroup::Image).Enabled = true;
    options.Other1Enabled = true;
    options.Other1Folder = "Mine";
    options.Other1Types = "jpg;raw";
    EXPECT_EQ(TypeCategory(options, "/in/a.jpg"), "Image files");
    EXPECT_EQ(TypeCategory(options, "/in/a.raw"), "Mine");
    options.Group(TypeGroup::Image).Enabled = false;
    EXPECT_EQ(TypeCategory(options, "/in/a.jpg"), "Mine");
    options.Other2Enabled = true;
    options.Other2Folder = "Second";
    options.Other2Types = "raw;cr2";
    EXPECT_EQ(TypeCategory(options, "/in/a.cr2"), "Second");
    EXPECT_EQ(TypeCategory(options, "/in/a.raw"), "Mine");
}

// The folders stay as earlier runs made them (the misspelt "Vedio" included); zip and rar stay programs
// with the archive group on, as it comes after them.
TEST_F(TypeCategories, EveryPredefinedGroupHasItsOwnFolder) {
    for (TypeGroupOption& group : options.Groups)
        group.Enabled = true;
    EXPECT_EQ(TypeCategory(options, "/in/a.png"), "Image files");
    EXPECT_EQ(TypeCategory(options, "/in/a.mkv"), "Vedio files");
    EXPECT_EQ(TypeCategory(options, "/in/a.zip"), "Program files");
    EXPECT_EQ(TypeCategory(options, "/in/a.pdf"), "Document file");
    for (const char* archive : {"a.7z", "a.tar", "a.tar.gz", "a.bz2", "a.xz", "a.zst", "a.TGZ"})
        EXPECT_EQ(TypeCategory(options, std::string("/in/") + archive), "Archive files") << archive;
    options.Group(TypeGroup::Archive).Enabled = false;
    EXPECT_EQ(TypeCategory(options, "/in/a.7z"), "");
}

TEST(TypeGroupTable, KeysAreUniqueAndFound) {
    for (const TypeGroupInfo& group : kTypeGroups) {
        ASSERT_EQ(FindTypeGroup(group.Key), &group) << group.Key;
        EXPECT_EQ(&InfoOf(group.Group), &group) << group.Key; // the rows stand in the enum's order
    }
    EXPECT_EQ(FindTypeGroup("zip"), nullptr);
    const ClassifyOptions defaults;
    EXPECT_FALSE(defaults.AnyGroupEnabled());
}

TEST(SizeCategories, HalfOpenRangesInTheChosenUnit) {
    EXPECT_EQ(SizeCategory(0, 102400, 100, UnitKB), "0KB-100KB");
    EXPECT_EQ(SizeCategory(102399, 102400, 100, UnitKB), "0KB-100KB");
    EXPECT_EQ(SizeCategory(102400, 102400, 100, UnitKB), "100KB-200KB");
    EXPECT_EQ(SizeCategory(250, 100, 100, UnitByte), "200byte-300byte");
    EXPECT_EQ(SizeCategory(3 * 1048576, 2 * 1048576, 2, UnitMB), "2MB-4MB");
}

TEST(SizeCategories, SizesPastFourGibibytes) {
    const std::uint64_t gib = 1ull << 30;
    EXPECT_EQ(SizeCategory(5 * gib + 1, gib, 1, UnitGB), "5GB-6GB");
    EXPECT_EQ(SizeCategory(3000000000ull, 1, 1, UnitByte), "3000000000byte-3000000001byte");
    const std::int64_t largestStep = 32767ll * static_cast<std::int64_t>(gib);
    EXPECT_EQ(SizeCategory(largestStep, largestStep, 32767, UnitGB), "32767GB-65534GB");
}

TEST(SizeCategories, NoCategoryWithoutAUsableStepOrUnit) {
    EXPECT_EQ(SizeCategory(10, 0, 100, UnitKB), "");
    EXPECT_EQ(SizeCategory(10, 1024, 1, 4), "");
}

TEST(NumberedFolders, FillThenOpenTheNextSerial) {
    std::int32_t fill = 0, serial = 0;
    std::vector<std::string> names;
    for (int item = 0; item < 5; ++item) {
        AdvanceNumberedFolder(2, fill, serial);
        names.push_back(NumberedFolderName("Batch", serial));
        ++fill; // each item placed
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Batch", "Batch", "Batch (1)", "Batch (1)", "Batch (2)"}));
}

TEST(NumberedFolders, AFolderIsOnlyLeftWhenFull) {
    std::int32_t fill = 0, serial = 0;
    EXPECT_FALSE(AdvanceNumberedFolder(1, fill, serial));
    EXPECT_EQ(serial, 0);
    // The item's transfer failed: nothing was placed, so the next item goes to the same folder.
    EXPECT_FALSE(AdvanceNumberedFolder(1, fill, serial));
    fill = 1;
    EXPECT_TRUE(AdvanceNumberedFolder(1, fill, serial));
    EXPECT_EQ(fill, 0);
    EXPECT_EQ(serial, 1);
}

TEST(SafeCategories, EveryLevelMustBeARealFolderName) {
    EXPECT_TRUE(IsSafeCategory("2011"));
    EXPECT_TRUE(IsSafeCategory("2011/3/7"));
    EXPECT_TRUE(IsSafeCategory("..notes"));
    EXPECT_TRUE(IsSafeCategory("a\\..\\b")); // a backslash is an ordinary character
    EXPECT_FALSE(IsSafeCategory(""));
    EXPECT_FALSE(IsSafeCategory("."));
    EXPECT_FALSE(IsSafeCategory(".."));
    EXPECT_FALSE(IsSafeCategory("a/../../b"));
    EXPECT_FALSE(IsSafeCategory("a//b"));
    EXPECT_FALSE(IsSafeCategory("/etc"));
    EXPECT_FALSE(IsSafeCategory("Music/"));
    EXPECT_FALSE(IsSafeCategory(std::string_view("a\0b", 3)));
}

} // namespace
} // namespace varnolt
