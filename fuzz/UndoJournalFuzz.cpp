// SPDX-License-Identifier: GPL-3.0-or-later
// The undo over any journal file: it may only move a journal's destination back to that pair's source,
// never onto an existing file, and no content may be gone afterwards (a copy is deleted only while its
// original is there). A copying run leaves its sources in place, so no destination of its journal is ever
// a source too, and no run takes the program's own files; journals of such shapes are not tried.
#include "engine/TextFile.h"
#include "fuzz/support/FuzzEngine.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <utility>

using namespace varnolt;
using namespace varnolt::fuzz;

namespace {

bool UnderAFile(const MemoryFileSystem& fs, const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        if (fs.Files.count(path.substr(0, slash))) return true;
    return false;
}

// Which of the journal's paths hold a file before the undo, chosen by the input's first byte. A
// destination holds what its source held: it is the moved file, or a copy.
void PlaceFiles(MemoryFileSystem& fs, const std::vector<std::string>& lines, std::uint8_t pattern) {
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& path = lines[i];
        if (!path.starts_with('/') || path.ends_with('/') || path.find('\0') != std::string::npos) continue;
        const std::string key = Canonical(path);
        if (key == "/" || key.starts_with(kDataFolder) || fs.FolderExists(key) || fs.FileExists(key) ||
            UnderAFile(fs, key))
            continue;
        if (((std::hash<std::string>{}(key) >> (pattern % 8)) & 1) == 0) continue;
        const bool isDestination = i % 2 == 0;
        fs.AddFile(key, {isDestination ? Canonical(lines[i - 1]) : key, {}});
    }
}

bool CouldComeFromACopyingRun(const std::vector<std::string>& lines) {
    std::set<std::string> sources, destinations;
    for (std::size_t k = 1; 2 * k < lines.size(); ++k)
        sources.insert(Canonical(lines[2 * k - 1]));
    // A run never moves or copies the program's own files.
    for (const std::string& source : sources)
        if (source.starts_with(kDataFolder)) return false;
    for (std::size_t k = 1; 2 * k < lines.size(); ++k)
        if (sources.count(Canonical(lines[2 * k])) || !destinations.insert(Canonical(lines[2 * k])).second)
            return false;
    return true;
}

std::map<std::string, int> ContentCounts(const MemoryFileSystem& fs, const std::string& journal) {
    std::map<std::string, int> counts;
    for (const auto& [path, file] : fs.Files)
        if (path != journal) ++counts[file.Content];
    return counts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::vector<std::string> lines = DecodeTextFile(bytes).Lines;
    const bool moveMode = !lines.empty() && lines[0].find("Move") != std::string::npos;
    if (!moveMode && !CouldComeFromACopyingRun(lines)) return -1;

    FuzzEngine run;
    PlaceFiles(run.fs, lines, data[0]);
    const std::string journal = Canonical(run.engine.JournalPath());
    run.fs.AddFile(journal, {bytes, {}});
    std::set<std::pair<std::string, std::string>> pairs; // (destination, source)
    for (std::size_t k = 1; 2 * k < lines.size(); ++k)
        pairs.insert({Canonical(lines[2 * k]), Canonical(lines[2 * k - 1])});
    const auto before = ContentCounts(run.fs, journal);

    run.engine.UndoLastRun();

    const auto aboveASource = [&](const std::string& folder) {
        return std::any_of(pairs.begin(), pairs.end(),
                           [&](const auto& pair) { return pair.second.starts_with(folder + "/"); });
    };
    for (const Change& change : run.fs.Changes) {
        if (change.What == Change::MoveFile || change.What == Change::MoveFolder) {
            Expect(pairs.count({change.From, change.To}) > 0, "a move that no journal pair names",
                   change.From + " -> " + change.To);
        } else if (change.What == Change::MakeFolder) {
            // Only the old folders of the pairs, made again where they are gone.
            Expect(aboveASource(change.To), "the undo made a folder no pair needs", change.To);
        } else if (change.What != Change::DeleteFile && change.What != Change::RemoveFolder) {
            Fail("the undo made a change of a kind it never makes", change.To);
        }
    }
    // What could not be put back stays in the journal, and only that, for a later undo.
    if (run.fs.FileExists(journal)) {
        Expect(run.host.UndoEnabled && !run.host.FailedItems.empty(), "the journal outlived its undo");
        const auto left = DecodeTextFile(run.fs.Files[journal].Content).Lines;
        for (std::size_t k = 1; 2 * k < left.size(); ++k)
            Expect(pairs.count({Canonical(left[2 * k]), Canonical(left[2 * k - 1])}) > 0,
                   "the journal kept a pair it did not have", left[2 * k]);
    }
    Expect(!run.host.Ends.empty() && run.host.LastEnd().How == Outcome::Completed,
           "the undo did not complete");
    const CommandEnded& end = run.host.LastEnd();
    Expect(end.Placed + end.Failed == end.Total, "a journal pair is not accounted for",
           std::to_string(end.Placed) + " + " + std::to_string(end.Failed) +
               " != " + std::to_string(end.Total));
    const auto after = ContentCounts(run.fs, journal);
    for (const auto& [content, count] : before)
        Expect(after.count(content) > 0, "a file's content is gone", content);
    return 0;
}
