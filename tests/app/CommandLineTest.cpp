// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/CommandLine.h"

#include "support/TempDir.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace varnolt::cli {
namespace {

struct Parsed {
    std::optional<int> Exit;
    Request Req;
    std::string Out, Err;
};

Parsed Parse(std::vector<std::string> args) {
    args.insert(args.begin(), "varnolt-cli");
    Parsed parsed;
    std::ostringstream out, err;
    parsed.Exit = ParseCommandLine(args, parsed.Req, out, err);
    parsed.Out = out.str();
    parsed.Err = err.str();
    return parsed;
}

std::string Cwd() {
    return std::filesystem::current_path().string();
}

TEST(CommandLine, WithoutOptionsEveryFieldKeepsTheWindowsDefault) {
    const auto parsed = Parse({"--preview"});
    ASSERT_FALSE(parsed.Exit);
    const ClassifyOptions defaults;
    const ClassifyOptions& o = parsed.Req.Options;
    EXPECT_EQ(parsed.Req.Action, Command::Preview);
    EXPECT_EQ(o.MethodKey, Method::Date); // the entry the window selects at start
    EXPECT_TRUE(o.SourceList.empty());
    EXPECT_EQ(o.ResultLocation, "");
    EXPECT_EQ(o.MoveSourceFiles, defaults.MoveSourceFiles);
    EXPECT_EQ(o.IncludeSubfolders, defaults.IncludeSubfolders);
    EXPECT_EQ(o.ExcludeShortcut, defaults.ExcludeShortcut);
    EXPECT_EQ(o.ExcludeFolderInfoFile, defaults.ExcludeFolderInfoFile);
    EXPECT_EQ(o.ExcludeThumbFile, defaults.ExcludeThumbFile);
    EXPECT_EQ(o.KeepSidecars, defaults.KeepSidecars);
    EXPECT_EQ(o.LimitPreview, defaults.LimitPreview);
    EXPECT_EQ(o.PreviewLimit, defaults.PreviewLimit);
    EXPECT_EQ(o.UseTypeFilter, defaults.UseTypeFilter);
    EXPECT_EQ(o.HeadLetterCount, defaults.HeadLetterCount);
    EXPECT_EQ(o.NameByWordList, defaults.NameByWordList);
    EXPECT_EQ(o.Group(TypeGroup::Image).Types, defaults.Group(TypeGroup::Image).Types);
    EXPECT_FALSE(o.Group(TypeGroup::Music).Enabled || o.Group(TypeGroup::Image).Enabled ||
                 o.Group(TypeGroup::Video).Enabled || o.Group(TypeGroup::Program).Enabled ||
                 o.Group(TypeGroup::Document).Enabled);
    EXPECT_FALSE(o.Other1Enabled || o.Other2Enabled || o.EveryTypeFolder);
    EXPECT_EQ(o.SizeStep, defaults.SizeStep);
    EXPECT_EQ(o.SizeUnit, defaults.SizeUnit);
    EXPECT_EQ(o.TimeKind, defaults.TimeKind);
    EXPECT_EQ(o.ByYear, defaults.ByYear);
    EXPECT_EQ(o.ByMonth, defaults.ByMonth);
    EXPECT_EQ(o.ByWeek, defaults.ByWeek);
    EXPECT_EQ(o.ByDay, defaults.ByDay);
    EXPECT_EQ(o.ByHour, defaults.ByHour);
    EXPECT_EQ(o.GroupedSubfolders, defaults.GroupedSubfolders);
    EXPECT_EQ(o.NumberMonth, defaults.NumberMonth);
    EXPECT_EQ(o.AbbrMonth, defaults.AbbrMonth);
    EXPECT_EQ(o.MaxFilesPerFolder, defaults.MaxFilesPerFolder);
    EXPECT_EQ(o.SubfolderName, defaults.SubfolderName);
    EXPECT_EQ(parsed.Req.DataFolder, "");
    EXPECT_EQ(parsed.Req.Answers, AnswerPolicy::Sensible);
}

struct Mapping {
    std::vector<std::string> Args;
    std::function<void(const Request&)> Expect;
};

TEST(CommandLine, EachOptionSetsItsField) {
    const std::vector<Mapping> mappings = {
        {{"--run"}, [](const Request& r) { EXPECT_EQ(r.Action, Command::Run); }},
        {{"--undo"}, [](const Request& r) { EXPECT_EQ(r.Action, Command::Undo); }},
        {{"--method", "size"}, [](const Request& r) { EXPECT_EQ(r.Options.MethodKey, Method::Size); }},
        {{"--copy"}, [](const Request& r) { EXPECT_FALSE(r.Options.MoveSourceFiles); }},
        {{"--include-subfolders", "--include-folder-name", "--only-subfolders"},
         [](const Request& r) {
             EXPECT_TRUE(r.Options.IncludeSubfolders);
             EXPECT_TRUE(r.Options.IncludeFolderName);
             EXPECT_TRUE(r.Options.OnlyClassifySubfolder);
         }},
        {{"--no-exclude-shortcut", "--no-exclude-folder-info", "--no-exclude-thumbs", "--no-sidecars"},
         [](const Request& r) {
             EXPECT_FALSE(r.Options.KeepSidecars);
             EXPECT_FALSE(r.Options.ExcludeShortcut);
             EXPECT_FALSE(r.Options.ExcludeFolderInfoFile);
             EXPECT_FALSE(r.Options.ExcludeThumbFile);
         }},
        {{"--limit-preview", "32767"},
         [](const Request& r) {
             EXPECT_TRUE(r.Options.LimitPreview);
             EXPECT_EQ(r.Options.PreviewLimit, 32767);
         }},
        {{"--type-filter", "JPG;Png"},
         [](const Request& r) {
             EXPECT_TRUE(r.Options.UseTypeFilter);
             EXPECT_EQ(r.Options.TypeFilterText, "JPG;Png"); // compared as the window stores it
         }},
        {{"--head-letters", "100"}, [](const Request& r) { EXPECT_EQ(r.Options.HeadLetterCount, 100); }},
        {{"--group", "music,video", "--group", "document,archive"},
         [](const Request& r) {
             for (TypeGroup on :
                  {TypeGroup::Music, TypeGroup::Video, TypeGroup::Document, TypeGroup::Archive})
                 EXPECT_TRUE(r.Options.Group(on).Enabled) << InfoOf(on).Key;
             EXPECT_FALSE(r.Options.Group(TypeGroup::Image).Enabled ||
                          r.Options.Group(TypeGroup::Program).Enabled);
         }},
        {{"--group-list", "image=JPG;.PNG;.gif", "--group-list", "program=Ä", "--group-list", "archive=RAR"},
         [](const Request& r) {
             EXPECT_EQ(r.Options.Group(TypeGroup::Image).Types,
                       "jpg;png;gif"); // as the window's group editor stores it
             EXPECT_EQ(r.Options.Group(TypeGroup::Program).Types, "ä");
             EXPECT_EQ(r.Options.Group(TypeGroup::Archive).Types, "rar");
             EXPECT_EQ(r.Options.Group(TypeGroup::Music).Types, InfoOf(TypeGroup::Music).DefaultTypes);
         }},
        {{"--other1", "Mine=Yours=abc;DEF", "--other2", "Raw=cr2"},
         [](const Request& r) {
             EXPECT_TRUE(r.Options.Other1Enabled);
             EXPECT_EQ(r.Options.Other1Folder, "Mine=Yours");
             EXPECT_EQ(r.Options.Other1Types, "abc;DEF"); // the Run command normalises it
             EXPECT_TRUE(r.Options.Other2Enabled);
             EXPECT_EQ(r.Options.Other2Folder, "Raw");
             EXPECT_EQ(r.Options.Other2Types, "cr2");
         }},
        {{"--every-type"}, [](const Request& r) { EXPECT_TRUE(r.Options.EveryTypeFolder); }},
        {{"--size-step", "32767", "--size-unit", "GB"},
         [](const Request& r) {
             EXPECT_EQ(r.Options.SizeStep, 32767);
             EXPECT_EQ(r.Options.SizeUnit, UnitGB);
         }},
        {{"--size-unit", "byte"}, [](const Request& r) { EXPECT_EQ(r.Options.SizeUnit, UnitByte); }},
        {{"--time", "creation"}, [](const Request& r) { EXPECT_EQ(r.Options.TimeKind, CreationTime); }},
        {{"--time", "access"}, [](const Request& r) { EXPECT_EQ(r.Options.TimeKind, LastAccessTime); }},
        {{"--time", "taken"}, [](const Request& r) { EXPECT_EQ(r.Options.TimeKind, DateTaken); }},
        {{"--parts", "week,hour,second"},
         [](const Request& r) {
             const auto& o = r.Options;
             EXPECT_FALSE(o.ByYear || o.ByMonth || o.ByDay || o.IncludeMinute);
             EXPECT_TRUE(o.ByWeek && o.ByHour && o.IncludeSecond);
         }},
        {{"--grouped", "--month-names"},
         [](const Request& r) {
             EXPECT_TRUE(r.Options.GroupedSubfolders);
             EXPECT_FALSE(r.Options.NumberMonth);
             EXPECT_FALSE(r.Options.AbbrMonth);
         }},
        {{"--month-abbr"},
         [](const Request& r) {
             EXPECT_FALSE(r.Options.NumberMonth); // as ticking it in the window unticks the numbers
             EXPECT_TRUE(r.Options.AbbrMonth);
         }},
        {{"--max-files", "1", "--subfolder-name", " Batch"},
         [](const Request& r) {
             EXPECT_EQ(r.Options.MaxFilesPerFolder, 1);
             EXPECT_EQ(r.Options.SubfolderName, " Batch");
         }},
        {{"--yes"}, [](const Request& r) { EXPECT_EQ(r.Answers, AnswerPolicy::Yes); }},
        {{"--no"}, [](const Request& r) { EXPECT_EQ(r.Answers, AnswerPolicy::No); }},
        {{"--json"}, [](const Request& r) { EXPECT_TRUE(r.Json); }},
    };
    for (const auto& mapping : mappings) {
        std::vector<std::string> args = mapping.Args;
        if (args.front() != "--run" && args.front() != "--undo") args.insert(args.begin(), "--preview");
        SCOPED_TRACE(testing::PrintToString(args));
        const auto parsed = Parse(args);
        ASSERT_FALSE(parsed.Exit) << parsed.Err;
        mapping.Expect(parsed.Req);
    }
}

TEST(CommandLine, PathsBecomeAbsoluteAndSourcesSorted) {
    const auto parsed = Parse({"--run", "b", "a/", "--to", "out/", "--data-dir", "data"});
    ASSERT_FALSE(parsed.Exit) << parsed.Err;
    const auto& o = parsed.Req.Options;
    EXPECT_EQ(o.SourceList, (std::vector<std::string>{Cwd() + "/a", Cwd() + "/b"}));
    EXPECT_EQ(o.ResultLocation, Cwd() + "/out");
    EXPECT_EQ(parsed.Req.DataFolder, Cwd() + "/data");
}

TEST(CommandLine, ListOptionsTakeOneWordEachAndLeaveTheSources) {
    const auto groups = [](const Request& r) {
        EXPECT_TRUE(r.Options.Group(TypeGroup::Music).Enabled && r.Options.Group(TypeGroup::Image).Enabled);
        EXPECT_FALSE(r.Options.Group(TypeGroup::Video).Enabled ||
                     r.Options.Group(TypeGroup::Program).Enabled ||
                     r.Options.Group(TypeGroup::Document).Enabled);
    };
    const auto parts = [](const Request& r) {
        EXPECT_TRUE(r.Options.ByYear && r.Options.ByMonth);
        EXPECT_FALSE(r.Options.ByDay || r.Options.ByWeek);
    };
    const auto lists = [](const Request& r) {
        EXPECT_EQ(r.Options.Group(TypeGroup::Image).Types, "jpg;png");
        EXPECT_EQ(r.Options.Group(TypeGroup::Music).Types, "flac");
    };
    const std::vector<Mapping> mappings = {
        {{"--group", "music,image"}, groups},
        {{"--group=music,image"}, groups},
        {{"--group", "music", "--group=image"}, groups},
        {{"--parts", "year,month"}, parts},
        {{"--parts=year,month"}, parts},
        {{"--parts=year", "--parts", "month"}, parts},
        {{"--group-list", "image=jpg;png", "--group-list", "music=flac"}, lists},
        {{"--group-list=image=jpg;png", "--group-list=music=flac"}, lists},
    };
    for (const auto& mapping : mappings) {
        std::vector<std::string> args = {"--preview"};
        args.insert(args.end(), mapping.Args.begin(), mapping.Args.end());
        args.insert(args.end(), {"pictures", "more"});
        SCOPED_TRACE(testing::PrintToString(args));
        const auto parsed = Parse(args);
        ASSERT_FALSE(parsed.Exit) << parsed.Err;
        mapping.Expect(parsed.Req);
        EXPECT_EQ(parsed.Req.Options.SourceList,
                  (std::vector<std::string>{Cwd() + "/more", Cwd() + "/pictures"}));
    }
}

TEST(CommandLine, WordsAreReadAsTheProgramsTextFiles) {
    TempDir dir;
    const auto file = dir.File("words.txt", "\xEF\xBB\xBFReport\r\n\r\n2011\rÉté\n");
    const auto parsed = Parse({"--preview", "--method", "name", "--words", file});
    ASSERT_FALSE(parsed.Exit) << parsed.Err;
    EXPECT_TRUE(parsed.Req.Options.NameByWordList);
    EXPECT_EQ(parsed.Req.Options.Words, (std::vector<std::string>{"Report", "", "2011", "Été"}));

    // A list from Windows without a mark reads as the window reads it.
    const auto windows = dir.File("windows.txt", "Caf\xE9\r\nna\xEFve");
    const auto fromWindows = Parse({"--preview", "--method", "name", "--words", windows});
    ASSERT_FALSE(fromWindows.Exit) << fromWindows.Err;
    EXPECT_EQ(fromWindows.Req.Options.Words, (std::vector<std::string>{"Café", "naïve"}));
}

TEST(CommandLine, UsageErrorsExitWithTwoAndSayWhy) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"--preview", "--run"},
        {"--preview", "--method", "colour"},
        {"--preview", "--max-files", "0"},
        {"--preview", "--max-files", "32768"},
        {"--preview", "--head-letters", "101"},
        {"--preview", "--limit-preview", "0"},
        {"--preview", "--size-step", "x"},
        {"--preview", "--size-unit", "kb"},
        {"--preview", "--parts", "year,fortnight"},
        {"--preview", "--group", "sound"},
        {"--preview", "--group-list", "sound=wav"},
        {"--preview", "--group-list", "music"},
        {"--preview", "--other1", "no list"},
        {"--preview", "--yes", "--no"},
        {"--preview", "--words", "/no/such/word/list"},
        {"--preview", "--parts"},
        {"--to", "/x"},
        {"--preview", "--undo"},
        {"--preview", "--unknown"},
    };
    for (const auto& args : wrong) {
        SCOPED_TRACE(testing::PrintToString(args));
        const auto parsed = Parse(args);
        EXPECT_EQ(parsed.Exit, kExitUsage);
        EXPECT_FALSE(parsed.Err.empty());
        EXPECT_EQ(parsed.Out, "");
    }
}

TEST(CommandLine, HelpAndVersionExitWithZero) {
    const auto help = Parse({"--help"});
    EXPECT_EQ(help.Exit, kExitOk);
    for (const char* option : {"--preview", "--run", "--undo", "--to", "--method", "--data-dir", "--yes",
                               "--no", "--json", "base64"})
        EXPECT_NE(help.Out.find(option), std::string::npos) << option;

    const auto version = Parse({"--version"});
    EXPECT_EQ(version.Exit, kExitOk);
    EXPECT_EQ(version.Out, std::string("varnolt-cli ") + VARNOLT_VERSION + "\n");
}

} // namespace
} // namespace varnolt::cli
