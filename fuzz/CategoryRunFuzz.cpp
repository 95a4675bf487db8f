// SPDX-License-Identifier: GPL-3.0-or-later
// A whole run over random names and random options: every folder it makes and every place it puts an
// item must lie below the result location, level by level, and no file may be lost or doubled.
#include "fuzz/support/FuzzEngine.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <map>
#include <set>

using namespace varnolt;
using namespace varnolt::fuzz;

namespace {

constexpr const char* kSource = "/in";
constexpr const char* kResult = "/out";

const char* const kMethods[] = {Method::Date, Method::Name, Method::Number, Method::Type, Method::Size, ""};

// A name the kernel could hand out: not empty, not "." or "..", without "/" and NUL.
std::string EntryName(FuzzedDataProvider& input) {
    std::string name = input.ConsumeRandomLengthString(40);
    std::erase(name, '/');
    std::erase(name, '\0');
    if (name.empty() || name == "." || name == "..") name += "x";
    return name;
}

void ChooseOptions(FuzzedDataProvider& input, ClassifyOptions& o) {
    o.MethodKey = input.PickValueInArray(kMethods);
    o.MoveSourceFiles = input.ConsumeBool();
    o.IncludeSubfolders = input.ConsumeBool();
    o.IncludeFolderName = input.ConsumeBool();
    o.OnlyClassifySubfolder = input.ConsumeBool();
    o.ExcludeShortcut = input.ConsumeBool();
    o.ExcludeFolderInfoFile = input.ConsumeBool();
    o.ExcludeThumbFile = input.ConsumeBool();
    o.UseTypeFilter = input.ConsumeBool();
    o.TypeFilterText = input.ConsumeRandomLengthString(20);
    o.NameByWordList = input.ConsumeBool();
    o.HeadLetterCount = input.ConsumeIntegralInRange<std::int32_t>(-2, 300);
    for (int i = input.ConsumeIntegralInRange(0, 4); i > 0; --i)
        o.Words.push_back(input.ConsumeRandomLengthString(12));
    o.Group(TypeGroup::Music).Enabled = input.ConsumeBool();
    o.Group(TypeGroup::Image).Enabled = input.ConsumeBool();
    o.Group(TypeGroup::Document).Enabled = input.ConsumeBool();
    o.Other1Enabled = input.ConsumeBool();
    o.Other1Folder = input.ConsumeRandomLengthString(16);
    o.Other1Types = input.ConsumeRandomLengthString(16);
    o.Other2Enabled = input.ConsumeBool();
    o.Other2Folder = input.ConsumeRandomLengthString(16);
    o.Other2Types = input.ConsumeRandomLengthString(16);
    o.EveryTypeFolder = input.ConsumeBool();
    o.SizeStep = input.ConsumeIntegralInRange<std::int32_t>(-5, 40000);
    o.SizeUnit = input.ConsumeIntegralInRange(-1, 4);
    o.TimeKind = input.ConsumeIntegralInRange(0, 3);
    o.ByYear = input.ConsumeBool();
    o.ByMonth = input.ConsumeBool();
    o.ByWeek = input.ConsumeBool();
    o.ByDay = input.ConsumeBool();
    o.ByHour = input.ConsumeBool();
    o.IncludeMinute = input.ConsumeBool();
    o.IncludeSecond = input.ConsumeBool();
    o.GroupedSubfolders = input.ConsumeBool();
    o.NumberMonth = input.ConsumeBool();
    o.AbbrMonth = input.ConsumeBool();
    o.MaxFilesPerFolder = input.ConsumeIntegralInRange<std::int32_t>(-1, 4);
    o.SubfolderName = input.ConsumeRandomLengthString(16);
}

void PlaceTree(FuzzedDataProvider& input, MemoryFileSystem& fs) {
    fs.AddFolderWithParents(kSource);
    fs.AddFolderWithParents(kResult);
    std::string folder = kSource;
    for (int i = input.ConsumeIntegralInRange(1, 12); i > 0 && input.remaining_bytes() > 0; --i) {
        const std::string path = folder + "/" + EntryName(input);
        if (fs.FileExists(path) || fs.FolderExists(path)) continue;
        if (input.ConsumeIntegralInRange(0, 3) == 0) {
            fs.AddFolderWithParents(path);
            folder = path;
            continue;
        }
        ItemInfo info;
        info.Size = input.ConsumeIntegral<std::uint64_t>();
        info.CreationTime = input.ConsumeIntegral<std::int64_t>();
        info.LastAccessTime = input.ConsumeIntegral<std::int64_t>();
        info.LastWriteTime = input.ConsumeIntegral<std::int64_t>();
        fs.AddFile(path, {"content of " + path, info});
    }
}

// Below the result location, every level a real name.
bool InsideResult(const std::string& path) {
    const std::string prefix = std::string(kResult) + "/";
    if (!path.starts_with(prefix)) return false;
    std::size_t start = prefix.size();
    for (;;) {
        const std::size_t end = path.find('/', start);
        const std::string level = path.substr(start, end - start);
        if (level.empty() || level == "." || level == "..") return false;
        if (end == std::string::npos) return true;
        start = end + 1;
    }
}

std::map<std::string, int> ContentCounts(const MemoryFileSystem& fs) {
    std::map<std::string, int> counts;
    for (const auto& [path, file] : fs.Files)
        if (!path.starts_with(kDataFolder)) ++counts[file.Content];
    return counts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    FuzzEngine run;
    ChooseOptions(input, run.options);
    PlaceTree(input, run.fs);
    run.options.SourceList = {kSource};
    run.options.ResultLocation = kResult;
    const auto before = ContentCounts(run.fs);

    run.engine.Run();

    // What the run made, which it may take back when an item did not go in whole: an empty category
    // folder, the copy of a page whose folder failed to copy, a page's folder moved back to its page.
    std::set<std::string> made;
    std::set<std::pair<std::string, std::string>> foldersMoved; // (from, to)
    for (const Change& change : run.fs.Changes) {
        if (change.What == Change::RemoveFolder || change.What == Change::DeleteFile) {
            // The run's own journal files in the data folder come and go with it.
            Expect(made.count(change.To) > 0 || change.To.starts_with(kDataFolder),
                   "the run removed something it had not made", change.To);
            continue;
        }
        const bool movedBack =
            change.What == Change::MoveFolder && foldersMoved.count({change.To, change.From}) > 0;
        Expect(movedBack || InsideResult(change.To), "the run put something outside the result location",
               change.To);
        made.insert(change.To);
        if (change.What == Change::MoveFolder) foldersMoved.insert({change.From, change.To});
    }
    const auto after = ContentCounts(run.fs);
    for (const auto& [content, count] : before) {
        const auto found = after.find(content);
        Expect(found != after.end(), "a file was lost", content);
        Expect(found->second >= count, "a file was lost", content);
        if (run.options.MoveSourceFiles) Expect(found->second == count, "a moved file exists twice", content);
    }

    // Every item handed over is accounted for once, and a placed one is where its event says.
    Expect(run.host.Ends.size() == 1, "the run did not end once");
    const CommandEnded& end = run.host.LastEnd();
    Expect(end.Placed + end.Excluded + end.NotPlaced + end.Failed == end.Total,
           "an item is not accounted for",
           std::to_string(end.Placed) + " + " + std::to_string(end.Excluded) + " + " +
               std::to_string(end.NotPlaced) + " + " + std::to_string(end.Failed) +
               " != " + std::to_string(end.Total));
    Expect(end.Placed == static_cast<std::int64_t>(run.host.PlacedItems.size()),
           "a placed item has no event");
    for (const RecordedItem& item : run.host.PlacedItems)
        Expect(InsideResult(item.Destination) && run.fs.EntryExists(item.Destination),
               "an item is not where its event says", item.Path + " -> " + item.Destination);
    return 0;
}
