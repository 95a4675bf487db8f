// SPDX-License-Identifier: GPL-3.0-or-later
#include "reliability/Ledger.h"

#include "engine/RunJournal.h"
#include "engine/TextFile.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace varnolt::reliability {

namespace fs = std::filesystem;

namespace {

// The folder that holds `path`, opened folder by folder so that paths deeper than PATH_MAX work too;
// `name` is left at the last name. -1 when a folder on the way is missing.
int OpenHolder(const std::string& path, const char*& name) {
    int folder = open(path.starts_with('/') ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    std::size_t start = 0;
    for (std::size_t slash; folder >= 0 && (slash = path.find('/', start)) != std::string::npos;
         start = slash + 1) {
        if (slash == start) continue;
        const int next =
            openat(folder, path.substr(start, slash - start).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        close(folder);
        folder = next;
    }
    name = path.c_str() + start;
    return folder;
}

std::string ReadBytes(const std::string& path) {
    const char* name = nullptr;
    const int folder = OpenHolder(path, name);
    const int fd = folder < 0 ? -1 : openat(folder, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (folder >= 0) close(folder);
    std::string bytes;
    char buffer[65536];
    for (ssize_t got; fd >= 0 && (got = read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, static_cast<std::size_t>(got));
    if (fd >= 0) close(fd);
    return bytes;
}

// The type of any entry, a dangling link included; none when there is no entry.
std::optional<mode_t> EntryType(const std::string& path) {
    const char* name = nullptr;
    const int folder = OpenHolder(path, name);
    struct stat info;
    const bool exists = folder >= 0 && fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) == 0;
    if (folder >= 0) close(folder);
    if (!exists) return std::nullopt;
    return info.st_mode & S_IFMT;
}

// "Name (n)": where a folder goes when its own name is taken.
bool IsNumberedVariant(const std::string& place, const std::string& folder) {
    if (place == folder) return true;
    if (!place.starts_with(folder + " (") || !place.ends_with(")")) return false;
    const std::string digits = place.substr(folder.size() + 2, place.size() - folder.size() - 3);
    return !digits.empty() &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A moved folder whose own removal failed may stay behind empty; anything else at a moved item's old
// place means it did not move.
bool HoldsAnything(const std::string& path) {
    const auto type = EntryType(path);
    return type && (*type != S_IFDIR || !TakeSnapshot({path}).empty());
}

} // namespace

Snapshot TakeSnapshot(const std::vector<std::string>& roots) {
    Snapshot snapshot;
    for (const std::string& root : roots) {
        std::error_code error;
        if (!fs::exists(fs::symlink_status(root, error))) continue;
        for (auto it =
                 fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, error);
             it != fs::recursive_directory_iterator(); it.increment(error)) {
            // The type the listing gave: a look at the whole path fails below PATH_MAX's depth.
            if (it->is_symlink(error))
                snapshot[it->path().string()] = "link:" + fs::read_symlink(it->path(), error).string();
            else if (it->is_regular_file(error))
                snapshot[it->path().string()] = ReadBytes(it->path().string());
        }
    }
    return snapshot;
}

Journal ReadJournalOnDisk(const std::string& dataFolder) {
    const std::string side = dataFolder + kJournalInProgressFileName;
    const std::string path = fs::exists(side) ? side : dataFolder + kJournalFileName;
    const std::vector<std::string> lines = DecodeTextFile(ReadBytes(path)).Lines;
    Journal journal;
    journal.MoveMode = !lines.empty() && lines[0].find("Move") != std::string::npos;
    // A side file's blanked pairs are moves that did not happen.
    for (std::size_t k = 1; 2 * k < lines.size(); ++k)
        if (!IsBlankedLine(lines[2 * k - 1])) journal.Pairs.push_back({lines[2 * k - 1], lines[2 * k]});
    return journal;
}

void Tally::Add(const Tally& other) {
    FilesChecked += other.FilesChecked;
    FilesLost += other.FilesLost;
    Problems.insert(Problems.end(), other.Problems.begin(), other.Problems.end());
}

void Ledger::Original(const std::string& path, const std::string& content) {
    entries_.push_back({path, content, true});
}

void Ledger::Fixed(const std::string& path, const std::string& content) {
    entries_.push_back({path, content, false});
}

// The place of a moved or copied file: the journal's destination for it (unless only folders count), or
// the same place below the destination of a folder that travelled with it, which may have taken a
// numbered name.
bool Ledger::NamedByJournal(const std::string& original, const std::string& place, const Journal& journal,
                            bool foldersOnly) {
    for (const auto& [source, destination] : journal.Pairs) {
        if (!foldersOnly && source == original && destination == place) return true;
        if (!original.starts_with(source + "/")) continue;
        const std::string inside = original.substr(source.size());
        if (place.ends_with(inside) &&
            IsNumberedVariant(place.substr(0, place.size() - inside.size()), destination))
            return true;
    }
    return false;
}

std::vector<std::string> Ledger::PlacesOf(const Snapshot& now, const std::string& content) {
    std::vector<std::string> places;
    for (const auto& [path, held] : now)
        if (held == content) places.push_back(path);
    return places;
}

Tally Ledger::Check(const Snapshot& now, const Journal& journal, bool undone) const {
    Tally tally;
    std::set<std::string> known;
    for (const Entry& entry : entries_)
        known.insert(entry.Content);
    for (const auto& [path, content] : now)
        if (!known.count(content)) tally.Problems.push_back("a file holds no file's whole content: " + path);

    for (const Entry& entry : entries_) {
        ++tally.FilesChecked;
        const std::vector<std::string> places = PlacesOf(now, entry.Content);
        if (places.empty()) {
            ++tally.FilesLost;
            tally.Problems.push_back("lost: " + entry.Path);
            continue;
        }
        const bool copied = !journal.MoveMode && entry.MayMove;
        if (places.size() > (copied ? 2u : 1u)) tally.Problems.push_back("exists too often: " + entry.Path);
        const bool stayed = std::find(places.begin(), places.end(), entry.Path) != places.end();
        if (copied && !stayed) tally.Problems.push_back("a copied original left its place: " + entry.Path);
        for (const std::string& place : places)
            if (place != entry.Path && !(entry.MayMove && NamedByJournal(entry.Path, place, journal, undone)))
                tally.Problems.push_back("at a place it may not be: " + entry.Path + " -> " + place);
    }
    return tally;
}

Tally Ledger::CheckPlaces(const Snapshot& now, const Journal& journal) const {
    return Check(now, journal, false);
}

Tally Ledger::CheckRun(const Snapshot& now, const Journal& journal) const {
    Tally tally = CheckPlaces(now, journal);
    // A pair stands for a transfer that happened: the item is at its destination and, moved, gone from
    // its source.
    for (const auto& [source, destination] : journal.Pairs) {
        if (!EntryType(destination))
            tally.Problems.push_back("a journal pair whose destination is missing: " + destination);
        if (journal.MoveMode && HoldsAnything(source))
            tally.Problems.push_back("a journal pair whose source is still there: " + source);
    }
    return tally;
}

Tally Ledger::CheckUndone(const Snapshot& now, const Journal& journal) const {
    return Check(now, journal, true);
}

} // namespace varnolt::reliability
