// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/RunJournal.h"

#include "engine/Text.h"
#include "engine/TextFile.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <future>
#include <optional>

namespace varnolt {

namespace {

std::string LineBytes(const std::string& line) {
    return line + "\r\n";
}

// The whole lines of a side file and the last few of them. A power cut can leave the last line cut
// short, and a cut path may name some other file. They end before the first zero byte too: the side
// file's room is reserved ahead as zeros, and no path holds one.
struct SideFileLines {
    struct Line {
        std::uint64_t Start = 0;
        std::string Text; // without its line break
    };
    std::uint64_t End = 0;
    std::uint64_t Count = 0;
    std::uint64_t ModeLineEnd = 0;
    bool Moving = true;
    std::deque<Line> Last; // at most kPairsInFlight pairs and the line before them
};

// A move in flight at a kill is one item's: a file's pair, or a saved page's two.
constexpr std::size_t kPairsInFlight = 2;

std::optional<SideFileLines> ReadSideFileLines(FileSystem& fs, const std::string& path) {
    SideFileLines lines;
    std::uint64_t read = 0;
    std::string current;
    bool atZero = false;
    const FsResult readAll = fs.ReadInPieces(path, [&](std::string_view piece) {
        if (atZero) return;
        if (const auto zero = piece.find('\0'); zero != std::string_view::npos) {
            piece = piece.substr(0, zero);
            atZero = true;
        }
        for (std::size_t at = 0; at < piece.size();) {
            const auto lineBreak = piece.find('\n', at);
            if (lineBreak == std::string_view::npos) {
                current.append(piece.substr(at));
                break;
            }
            current.append(piece.substr(at, lineBreak - at));
            if (!current.empty() && current.back() == '\r') current.pop_back();
            const std::uint64_t end = read + lineBreak + 1;
            if (lines.Count == 0) {
                lines.ModeLineEnd = end;
                lines.Moving = current.find("Move") != std::string::npos;
            }
            lines.Last.push_back({lines.End, std::move(current)});
            if (lines.Last.size() > 2 * kPairsInFlight + 1) lines.Last.pop_front();
            current.clear();
            lines.End = end;
            ++lines.Count;
            at = lineBreak + 1;
        }
        read += piece.size();
    });
    return readAll ? std::optional(std::move(lines)) : std::nullopt;
}

// Where the journal of a side file ends: after its whole pairs, less those at its end whose move did not
// happen (the pair was in before the move was tried). Only a source still in its place tells that: a
// look that fails for another reason keeps the pair, whose undo then fails harmlessly at worst. A copy's
// pair may stay, since the undo removes only an untouched copy.
std::uint64_t EndOfDonePairs(FileSystem& fs, const SideFileLines& lines) {
    if (lines.Count == 0) return 0;
    std::uint64_t end = lines.End;
    std::size_t last = lines.Last.size();
    // A pair with its source line only.
    if ((lines.Count - 1) % 2 == 1) end = lines.Last[--last].Start;
    if (!lines.Moving) return end;
    const std::uint64_t pairs = (lines.Count - 1) / 2;
    for (std::uint64_t checked = 0; checked < std::min<std::uint64_t>(pairs, kPairsInFlight) && last >= 2;
         ++checked) {
        const auto& source = lines.Last[last - 2];
        if (!fs.EntryExists(source.Text)) break;
        end = source.Start;
        last -= 2;
    }
    return end;
}

// The first `length` bytes of `from` in a new file `to`, synced.
bool CopyStartSynced(FileSystem& fs, const std::string& from, const std::string& to, std::uint64_t length) {
    std::error_code error;
    const auto copy = fs.CreateAppendFile(to, error);
    if (!copy) return false;
    std::uint64_t copied = 0;
    bool written = true;
    const FsResult read = fs.ReadInPieces(from, [&](std::string_view piece) {
        const std::size_t take = std::min<std::uint64_t>(piece.size(), length - copied);
        written = written && (take == 0 || copy->Append(piece.substr(0, take)));
        copied += take;
    });
    return read && written && copied == length && copy->Sync();
}

} // namespace

bool ServeWhile(const std::function<bool()>& work, const std::function<void()>& serve) {
    std::future<bool> done = std::async(std::launch::async, work);
    while (done.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
        if (serve) serve();
    }
    return done.get();
}

FsResult RunJournal::Begin(FileSystem& fs, const std::string& dataFolder, const std::string& modeLine,
                           const char* fileName) {
    fs_ = &fs;
    dataFolder_ = dataFolder;
    sidePath_ = dataFolder + fileName;
    lineCount_ = 0;
    std::error_code error;
    sideFile_ = fs.CreateAppendFile(sidePath_, error);
    if (!sideFile_) return error;
    FsResult begun = sideFile_->Append(LineBytes(modeLine));
    if (begun) begun = sideFile_->Sync();
    if (!begun) {
        Discard();
        return begun;
    }
    lineCount_ = 1;
    pairsToTakeBack_ = 0;
    return {};
}

FsResult RunJournal::AppendPair(const std::string& source, const std::string& destination) {
    if (!sideFile_) return FsResult::Failed(EBADF);
    const FsResult appended =
        sideFile_->Append(pairBytes_.assign(source).append("\r\n").append(destination).append("\r\n"));
    if (!appended) return appended;
    lineCount_ += 2;
    if (pairsToTakeBack_ == lastPairSizes_.size()) {
        lastPairSizes_[0] = lastPairSizes_[1];
        --pairsToTakeBack_;
    }
    lastPairSizes_[pairsToTakeBack_++] = pairBytes_.size();
    return appended;
}

void RunJournal::TakeBackPair() {
    if (!sideFile_ || pairsToTakeBack_ == 0 || !sideFile_->TakeBack(lastPairSizes_[pairsToTakeBack_ - 1]))
        return;
    --pairsToTakeBack_;
    lineCount_ -= 2;
}

FsResult RunJournal::Save(const std::function<void()>& serve) {
    if (!fs_ || !sideFile_) return FsResult::Failed(EBADF);
    FsResult saved;
    ServeWhile(
        [&] {
            saved = sideFile_->Sync();
            return static_cast<bool>(saved);
        },
        serve);
    sideFile_.reset();
    if (saved) saved = fs_->ReplaceWith(sidePath_, dataFolder_ + kJournalFileName);
    lineCount_ = 0;
    return saved;
}

void RunJournal::Discard() {
    if (sideFile_) {
        sideFile_.reset();
        static_cast<void>(fs_->DeleteFile(sidePath_));
    }
    lineCount_ = 0;
}

JournalLock TakeJournalLock(FileSystem& fs, const std::string& dataFolder) {
    JournalLock lock;
    lock.Folder = dataFolder;
    lock.Held = fs.TryLock(dataFolder, lock.HeldElsewhere, lock.Error);
    return lock;
}

bool RecoverInterruptedJournalIfFree(FileSystem& fs, const std::string& dataFolder) {
    const JournalLock lock = TakeJournalLock(fs, dataFolder);
    return lock.Held && RecoverInterruptedJournal(fs, dataFolder);
}

bool RecoverInterruptedJournal(FileSystem& fs, const std::string& dataFolder) {
    const std::string sidePath = dataFolder + kJournalInProgressFileName;
    if (!fs.FileExists(sidePath)) return false;
    const auto lines = ReadSideFileLines(fs, sidePath);
    if (!lines) return false;
    // A copy killed on its way leaves at most a hidden partial file beside where it was going.
    for (std::size_t line = 1; line < lines->Last.size(); ++line)
        if (lines->Last[line].Start >= lines->ModeLineEnd)
            static_cast<void>(fs.RemoveLeftoverPartials(FolderPartOf(lines->Last[line].Text)));
    const std::uint64_t end = EndOfDonePairs(fs, *lines);
    // No move was made: the journal of the run before stays the one to undo.
    if (end <= lines->ModeLineEnd) {
        static_cast<void>(fs.DeleteFile(sidePath));
        return false;
    }
    // Read in pieces, never whole: a killed run of a million files leaves some 150 MB. The whole lines
    // go to a synced copy, which takes the side file's place and then the journal's. Renames only: at
    // every moment a side file or the journal holds the lines, so a crash here still leaves the run
    // undoable, and a side file left behind is recovered to the same journal at the next start.
    const std::string copyPath = dataFolder + kJournalRecoveryFileName;
    if (!CopyStartSynced(fs, sidePath, copyPath, end) || !fs.ReplaceWith(copyPath, sidePath)) {
        static_cast<void>(fs.DeleteFile(copyPath));
        return false;
    }
    return static_cast<bool>(fs.ReplaceWith(sidePath, dataFolder + kJournalFileName));
}

} // namespace varnolt
