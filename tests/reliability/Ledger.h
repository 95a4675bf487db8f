// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bookkeeping of the no-loss checks: every file of a tree is known by its content, which is unique,
// and after a run or an undo each must be found exactly where the program is allowed to have put it.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace varnolt::reliability {

// Path -> content of every file (and link, as "link:" + target) below some folders, read directly.
using Snapshot = std::map<std::string, std::string>;
Snapshot TakeSnapshot(const std::vector<std::string>& roots);

using Pair = std::pair<std::string, std::string>; // source, destination
struct Journal {
    bool MoveMode = true;
    std::vector<Pair> Pairs;
};
// The journal an undo would use now: a run's unfinished side file before "undo.udo".
Journal ReadJournalOnDisk(const std::string& dataFolder);

struct Tally {
    std::int64_t FilesChecked = 0;
    std::int64_t FilesLost = 0;
    std::vector<std::string> Problems;
    void Add(const Tally& other);
};

class Ledger {
  public:
    // A file of the user's: it may go where the journal says, never elsewhere, never twice (a copy
    // aside).
    void Original(const std::string& path, const std::string& content);
    // A file that must stay where it is, untouched (one that was in a result folder already, or one that
    // appeared during the run).
    void Fixed(const std::string& path, const std::string& content);

    // Every known file exists exactly once where it may be (twice after a copy), and no file holds content
    // that is no file's whole content.
    Tally CheckPlaces(const Snapshot& now, const Journal& journal) const;
    // CheckPlaces, and every journal pair names a transfer that happened.
    Tally CheckRun(const Snapshot& now, const Journal& journal) const;
    // After an undo of `journal`: every file the journal names as moved or copied is back at its old path
    // alone; folder items stay where the run put them.
    Tally CheckUndone(const Snapshot& now, const Journal& journal) const;

  private:
    struct Entry {
        std::string Path;
        std::string Content;
        bool MayMove;
    };
    static bool NamedByJournal(const std::string& original, const std::string& place, const Journal& journal,
                               bool foldersOnly);
    static std::vector<std::string> PlacesOf(const Snapshot& now, const std::string& content);
    Tally Check(const Snapshot& now, const Journal& journal, bool undone) const;

    std::vector<Entry> entries_;
};

} // namespace varnolt::reliability
