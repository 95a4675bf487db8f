// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/CommandLine.h"

#include "app/AbsolutePath.h"
#include "app/cli/ConsoleTexts.h"
#include "engine/Text.h"
#include "engine/WordListFile.h"
#include "platform/posix/PosixFileSystem.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

namespace varnolt::cli {

namespace {

const std::vector<std::string> kMethods = {Method::Date, Method::Name, Method::Number, Method::Type,
                                           Method::Size};
// The keys of the predefined type groups, in the order of their table.
const std::vector<std::string> kGroups = [] {
    std::vector<std::string> keys;
    for (const TypeGroupInfo& group : kTypeGroups)
        keys.emplace_back(group.Key);
    return keys;
}();
const std::vector<std::string> kTimeKinds = {"creation", "access", "write", "taken"}; // index = TimeKind
const std::vector<std::string> kDateParts = {"year", "month", "week", "day", "hour", "minute", "second"};
const std::vector<std::string> kSizeUnits(std::begin(kSizeUnitTexts), std::end(kSizeUnitTexts));

const char* const kFooter = R"(Output of --json (with --preview, --run or --undo):
  One JSON object a line, nothing else, each with an "event" key:
    {"event":"placed","source":"/in/b.txt","category":"2011-3-7","destination":"/out/2011-3-7/b(1).txt"}
    {"event":"skipped","source":"/in/c.lnk","reason":"excluded"}  (or "filtered", "no-category")
    {"event":"failed","source":"/in/d.txt","step":"move","error":"Permission denied","destination":"..."}
    {"event":"end","outcome":"completed","placed":1,"excluded":1,"notPlaced":0,"failed":1,"total":3}
  A run's destination is where the item went, numbered name included; a preview
  predicts it from what is on disk, and a run right after on an unchanged tree
  places each item there. Without --to a preview's destination is relative to
  the result location. A path that is not valid UTF-8 is written as
  {"base64":"..."}, its bytes in base64, in place of the string.

Questions of the engine:
  Without --yes or --no, the undo confirmation is answered Yes, and the question
  whether to go on after a category folder could not be created is answered No
  (the run stops; what it moved so far stays in the journal and can be undone).
  The offer to open the result location is always declined.

Standard error names every item that was not placed, and why:
  varnolt-cli: not moved: /in/d.txt: cannot be moved: Permission denied

Exit status: 0 every item was placed or left out by your own exclusions and
filter; 1 the command was refused, or an item was not placed (no category for
it, or an operation failed); 2 usage error; 130 interrupted.)";

// A whole number within [low, high], with a message that says so for anything else.
CLI::Validator WholeNumber(std::int32_t low, std::int32_t high) {
    return CLI::Validator(
        [low, high](std::string& text) -> std::string {
            const std::string expected = "a whole number from " + std::to_string(low) + " to " +
                                         std::to_string(high) + " is expected, not \"" + text + "\"";
            std::size_t end = 0;
            long long value = 0;
            try {
                value = std::stoll(text, &end);
            } catch (const std::exception&) {
                return expected;
            }
            return end == text.size() && value >= low && value <= high ? std::string() : expected;
        },
        "N");
}

int IndexOf(const std::vector<std::string>& texts, const std::string& text) {
    return static_cast<int>(std::find(texts.begin(), texts.end(), text) - texts.begin());
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// NAME=LIST split at the first "=" (a name holds none), FOLDER=LIST at the last (a folder name may).
bool SplitPair(const std::string& text, bool atLast, std::string& left, std::string& right) {
    const auto pos = atLast ? text.rfind('=') : text.find('=');
    if (pos == std::string::npos) return false;
    left = text.substr(0, pos);
    right = text.substr(pos + 1);
    return true;
}

TypeGroupOption& GroupOption(ClassifyOptions& options, const std::string& key) {
    return options.Groups[static_cast<std::size_t>(IndexOf(kGroups, key))];
}

void SetDateParts(ClassifyOptions& options, const std::vector<std::string>& parts) {
    bool* flags[] = {&options.ByYear, &options.ByMonth,       &options.ByWeek,       &options.ByDay,
                     &options.ByHour, &options.IncludeMinute, &options.IncludeSecond};
    for (std::size_t i = 0; i < kDateParts.size(); ++i)
        *flags[i] = Contains(parts, kDateParts[i]);
}

// With the window's reader, so that a list from Windows reads the same in both.
bool ReadWordList(const std::string& path, std::vector<std::string>& words, std::string& error,
                  Translator& texts) {
    PosixFileSystem fs;
    const auto list = LoadWordList(fs, path, error);
    if (!list) {
        error = FillPlaceholders(texts.Translate(Texts::WordListUnreadable), {path, error});
        return false;
    }
    words = list->Lines;
    return true;
}

// Everything CLI11 reads, before it is mapped onto the fields.
struct RawArguments {
    bool preview = false, run = false, undo = false;
    std::vector<std::string> sources;
    std::string resultLocation;
    std::string method = Method::Date;
    bool copy = false;
    bool includeSubfolders = false, includeFolderName = false, onlySubfolders = false;
    bool keepShortcuts = false, keepFolderInfo = false, keepThumbs = false, noSidecars = false;
    std::optional<std::int32_t> previewLimit;
    std::optional<std::string> typeFilter;
    std::optional<std::int32_t> headLetters;
    std::optional<std::string> wordsFile;
    std::vector<std::string> groups;
    std::vector<std::string> groupLists;
    std::optional<std::string> other1, other2;
    bool everyType = false;
    std::optional<std::int32_t> sizeStep;
    std::string sizeUnit = kSizeUnitTexts[UnitKB];
    std::string timeKind = kTimeKinds[LastWriteTime];
    std::vector<std::string> parts = {"year", "month", "day"};
    bool grouped = false, monthNames = false, monthAbbr = false;
    std::optional<std::int32_t> maxFiles;
    std::optional<std::string> subfolderName;
    std::string dataDir;
    bool yes = false, no = false;
    bool json = false;
};

// A list option takes one word per occurrence, given after a space or an "=", and may be repeated: the
// words after it are SOURCEs, never more values.
CLI::Option* OneWordEach(CLI::Option* option) {
    return option->expected(1)->allow_extra_args(false)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

// A comma-separated list of choices, the option repeatable.
void AddChoiceList(CLI::App& app, const std::string& name, std::vector<std::string>& target,
                   const std::string& help, const std::vector<std::string>& choices,
                   const std::string& typeName) {
    OneWordEach(app.add_option(name, target, help)
                    ->delimiter(',')
                    ->check(CLI::IsMember(choices))
                    ->type_name(typeName));
}

void DefineOptions(CLI::App& app, RawArguments& raw) {
    app.footer(kFooter);
    // The commands come first in --help: the help and version flags, made with the app, go after them.
    app.set_help_flag();

    const std::string commands = "Commands (exactly one)";
    app.add_flag("--preview", raw.preview, "Print the preview tree; nothing on disk changes")
        ->group(commands);
    app.add_flag("--run", raw.run, "Classify: create the category folders and move or copy the items")
        ->group(commands);
    app.add_flag("--undo", raw.undo, "Undo the last run (from this program or from the window)")
        ->group(commands);
    app.set_help_flag("-h,--help", "Print this help message and exit");
    app.set_version_flag("--version", std::string("varnolt-cli ") + VARNOLT_VERSION);

    app.add_option("SOURCE", raw.sources, "Folders and files to classify");
    app.add_option("--to", raw.resultLocation, "The result location")->type_name("RESULT");
    app.add_option("--method", raw.method, "Classification method (default date)")
        ->check(CLI::IsMember(kMethods));

    app.add_flag("--copy", raw.copy, "Copy the items instead of moving them");
    app.add_flag("--include-subfolders", raw.includeSubfolders, "Descend into subfolders");
    app.add_flag("--include-folder-name", raw.includeFolderName,
                 "Classify every subfolder met as one item too");
    app.add_flag("--only-subfolders", raw.onlySubfolders,
                 "Classify only the direct subfolders of each source");
    app.add_flag("--no-exclude-shortcut", raw.keepShortcuts, "Classify .lnk files too");
    app.add_flag("--no-exclude-folder-info", raw.keepFolderInfo, "Classify desktop.ini files too");
    app.add_flag("--no-exclude-thumbs", raw.keepThumbs, "Classify Thumbs.db files too");
    app.add_flag("--no-sidecars", raw.noSidecars,
                 "Classify .xmp sidecars on their own rather than keep them with their photos");
    app.add_option("--limit-preview", raw.previewLimit, "A preview places at most N items")
        ->check(WholeNumber(kPreviewLimitMin, kPreviewLimitMax));
    app.add_option("--type-filter", raw.typeFilter, "Only files with these extensions (e.g. jpg;png)")
        ->type_name("LIST");

    app.add_option("--head-letters", raw.headLetters, "Method name: the number of head letters (default 1)")
        ->check(WholeNumber(kHeadLetterCountMin, kHeadLetterCountMax));
    app.add_option("--words", raw.wordsFile, "Method name: classify by the words of this file, one a line")
        ->type_name("FILE");

    AddChoiceList(app, "--group", raw.groups, "Method type: enable these groups (repeatable)", kGroups,
                  "GROUP,...");
    OneWordEach(app.add_option("--group-list", raw.groupLists,
                               "Method type: replace a group's extension list (repeatable)"))
        ->type_name("NAME=LIST");
    app.add_option("--other1", raw.other1, "Method type: the first Other group")->type_name("FOLDER=LIST");
    app.add_option("--other2", raw.other2, "Method type: the second Other group")->type_name("FOLDER=LIST");
    app.add_flag("--every-type", raw.everyType, "Method type: a folder per extension");

    app.add_option("--size-step", raw.sizeStep, "Method size: the step (default 100)")
        ->check(WholeNumber(kSizeStepMin, kSizeStepMax));
    app.add_option("--size-unit", raw.sizeUnit, "Method size: the unit (default KB)")
        ->check(CLI::IsMember(kSizeUnits));

    app.add_option("--time", raw.timeKind,
                   "Method date: which time (default write; taken: the date a photo or video carries inside)")
        ->check(CLI::IsMember(kTimeKinds));
    AddChoiceList(app, "--parts", raw.parts,
                  "Method date: the parts of the date (default year,month,day; repeatable)", kDateParts,
                  "PART,...");
    app.add_flag("--grouped", raw.grouped, "Method date: nested folders instead of one joined name");
    app.add_flag("--month-names", raw.monthNames, "Method date: names of months and weekdays, not numbers");
    app.add_flag("--month-abbr", raw.monthAbbr, "Method date: abbreviated names (implies --month-names)");

    app.add_option("--max-files", raw.maxFiles, "Method number: items per numbered folder (default 100)")
        ->check(WholeNumber(kMaxFilesPerFolderMin, kMaxFilesPerFolderMax));
    app.add_option("--subfolder-name", raw.subfolderName, "Method number: the name of the numbered folders")
        ->type_name("NAME");

    app.add_option("--data-dir", raw.dataDir,
                   "Where the journal lives (default $XDG_DATA_HOME/Quorvane/Varnolt, as the window)")
        ->type_name("DIR");
    app.add_flag("--json", raw.json, "The events as JSON lines in place of the tree and the summary (below)");
    auto* yes = app.add_flag("--yes", raw.yes, "Answer Yes to the engine's questions");
    app.add_flag("--no", raw.no, "Answer No to the engine's questions")->excludes(yes);
}

bool MapOtherGroup(const std::optional<std::string>& argument, const char* option, bool& enabled,
                   std::string& folder, std::string& types, std::string& error, Translator& texts) {
    if (!argument) return true;
    if (!SplitPair(*argument, true, folder, types)) {
        error = FillPlaceholders(texts.Translate(Texts::FolderListExpected), {option});
        return false;
    }
    enabled = true;
    return true;
}

// Maps the arguments onto the request; false with `error` set when a value makes no sense.
bool MapArguments(const RawArguments& raw, Request& request, std::string& error, Translator& texts) {
    if (int{raw.preview} + int{raw.run} + int{raw.undo} != 1) {
        error = texts.Translate(Texts::OneCommandNeeded);
        return false;
    }
    request.Action = raw.run ? Command::Run : raw.undo ? Command::Undo : Command::Preview;
    ClassifyOptions& o = request.Options;

    // The paths go into the journal, which an undo from any working folder must still understand.
    for (const auto& source : raw.sources)
        o.SourceList.push_back(AbsolutePath(source));
    SortSourceList(o.SourceList);
    o.ResultLocation = AbsolutePath(raw.resultLocation);
    o.MethodKey = raw.method;

    o.MoveSourceFiles = !raw.copy;
    o.IncludeSubfolders = raw.includeSubfolders;
    o.IncludeFolderName = raw.includeFolderName;
    o.OnlyClassifySubfolder = raw.onlySubfolders;
    o.ExcludeShortcut = !raw.keepShortcuts;
    o.ExcludeFolderInfoFile = !raw.keepFolderInfo;
    o.ExcludeThumbFile = !raw.keepThumbs;
    o.KeepSidecars = !raw.noSidecars;
    if (raw.previewLimit) {
        o.LimitPreview = true;
        o.PreviewLimit = *raw.previewLimit;
    }
    if (raw.typeFilter) {
        o.UseTypeFilter = true;
        o.TypeFilterText = *raw.typeFilter;
    }

    if (raw.headLetters) o.HeadLetterCount = *raw.headLetters;
    if (raw.wordsFile) {
        if (!ReadWordList(*raw.wordsFile, o.Words, error, texts)) return false;
        o.NameByWordList = true;
    }

    for (const auto& group : raw.groups)
        GroupOption(o, group).Enabled = true;
    for (const auto& entry : raw.groupLists) {
        std::string name, list;
        if (!SplitPair(entry, false, name, list) || !Contains(kGroups, name)) {
            std::string names;
            for (const std::string& key : kGroups)
                names += (names.empty() ? "" : ", ") + key;
            error = FillPlaceholders(texts.Translate(Texts::GroupListExpected), {names});
            return false;
        }
        // As the window's group editor stores a list.
        GroupOption(o, name).Types = NormaliseGroupTypes(list);
    }
    if (!MapOtherGroup(raw.other1, "--other1", o.Other1Enabled, o.Other1Folder, o.Other1Types, error,
                       texts) ||
        !MapOtherGroup(raw.other2, "--other2", o.Other2Enabled, o.Other2Folder, o.Other2Types, error, texts))
        return false;
    o.EveryTypeFolder = raw.everyType;

    if (raw.sizeStep) o.SizeStep = *raw.sizeStep;
    o.SizeUnit = IndexOf(kSizeUnits, raw.sizeUnit);

    o.TimeKind = IndexOf(kTimeKinds, raw.timeKind);
    SetDateParts(o, raw.parts);
    o.GroupedSubfolders = raw.grouped;
    // The window keeps numbers and abbreviations exclusive: ticking the abbreviations unticks the numbers.
    o.NumberMonth = !(raw.monthNames || raw.monthAbbr);
    o.AbbrMonth = raw.monthAbbr;

    if (raw.maxFiles) o.MaxFilesPerFolder = *raw.maxFiles;
    if (raw.subfolderName) o.SubfolderName = *raw.subfolderName;

    request.DataFolder = raw.dataDir.empty() ? std::string() : AbsolutePath(raw.dataDir);
    request.Answers = raw.yes ? AnswerPolicy::Yes : raw.no ? AnswerPolicy::No : AnswerPolicy::Sensible;
    request.Json = raw.json;
    return true;
}

} // namespace

std::optional<int> ParseCommandLine(const std::vector<std::string>& args, Request& request, std::ostream& out,
                                    std::ostream& err, Translator& texts) {
    CLI::App app(
        "Sorts many files at once into category folders, with a preview and an undo of the last run.",
        "varnolt-cli");
    app.get_formatter()->column_width(34);
    RawArguments raw;
    DefineOptions(app, raw);

    std::vector<std::string> reversed(args.rbegin(), args.rend()); // CLI11 takes them last to first
    if (!reversed.empty()) reversed.pop_back();
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e, out, err);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e, out, err);
    } catch (const CLI::ParseError& e) {
        err << "varnolt-cli: " << e.what() << '\n' << texts.Translate(Texts::UsageHint) << '\n';
        return kExitUsage;
    }

    std::string error;
    if (!MapArguments(raw, request, error, texts)) {
        err << "varnolt-cli: " << error << '\n' << texts.Translate(Texts::UsageHint) << '\n';
        return kExitUsage;
    }
    return std::nullopt;
}

void SortSourceList(std::vector<std::string>& sources) {
    std::sort(sources.begin(), sources.end(), [](const std::string& a, const std::string& b) {
        const int order = std::strcoll(a.c_str(), b.c_str());
        return order != 0 ? order < 0 : a < b;
    });
}

} // namespace varnolt::cli
