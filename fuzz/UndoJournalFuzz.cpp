// The undo over any journal file: it may only move a journal's destination back to its own source, never
// onto an existing file, and may delete only the copy of a file whose original is still there.
#include "engine/TextFile.h"
#include "fuzz/support/FuzzEngine.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <utility>

using namespace varnolt;
using namespace varnolt::fuzz;

namespace {

// Which of the journal's paths hold a file before the undo, chosen by the input's first byte.
void PlaceFiles(MemoryFileSystem& fs, const std::vector<std::string>& lines, std::uint8_t pattern) {
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& path = lines[i];
        if (path.empty() || path[0] != '/' || path.find('\0') != std::string::npos) continue;
        if (fs.FolderExists(path) || ((std::hash<std::string>{}(path) >> (pattern % 8)) & 1) == 0) continue;
        fs.AddFile(path, {path, {}});
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::vector<std::string> lines = DecodeTextFile(bytes).Lines;

    FuzzEngine run;
    PlaceFiles(run.fs, lines, data[0]);
    run.fs.AddFile(run.engine.JournalPath(), {bytes, {}});
    const bool moveMode = !lines.empty() && lines[0].find("Move") != std::string::npos;
    std::set<std::pair<std::string, std::string>> pairs; // (destination, source)
    for (std::size_t k = 1; 2 * k < lines.size(); ++k) pairs.insert({Canonical(lines[2 * k]), Canonical(lines[2 * k - 1])});

    const std::size_t filesBefore = run.fs.Files.size() - 1;
    const auto before = run.fs.Files;
    run.engine.UndoLastRun();

    std::size_t deleted = 0;
    for (const Change& change : run.fs.Changes) {
        switch (change.What) {
        case Change::MoveFile:
            Expect(pairs.count({change.From, change.To}) > 0, "a move that no journal pair names",
                   change.From + " -> " + change.To);
            Expect(!before.count(change.To) || change.To == change.From, "a move onto a file that was there",
                   change.To);
            break;
        case Change::DeleteFile:
            if (change.To == Canonical(run.engine.JournalPath())) break;
            ++deleted;
            Expect(!moveMode, "a move journal's undo deleted a file", change.To);
            Expect(std::any_of(pairs.begin(), pairs.end(),
                               [&](const auto& pair) {
                                   return pair.first == change.To && run.fs.FileExists(pair.second);
                               }),
                   "a deleted file whose original is not there", change.To);
            break;
        case Change::RemoveFolder:
            break;
        default:
            Fail("the undo made a change of a kind it never makes", change.To);
        }
    }
    Expect(!run.fs.FileExists(run.engine.JournalPath()), "the journal outlived its undo");
    Expect(run.fs.Files.size() == filesBefore - deleted, "files appeared or vanished in the undo");
    return 0;
}
