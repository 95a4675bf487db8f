// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/RunJournal.h"

#include "engine/Text.h"
#include "engine/TextFile.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <future>
#include <optional>
#include <set>

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

// The moves in flight at a kill are a batch's, with the pairs of its items that took another name.
constexpr std::size_t kPairsInFlight = 2 * kIntentsPerSync;

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

// Where the journal of a side file ends: after its whole pairs, less those at its end whose moves did not
// happen (the pairs were in before the moves were tried). Only a source still in its place tells that: a
// look that fails for another reason keeps the pair, whose undo then fails harmlessly at worst. A copy's
// pair may stay, since the undo removes only an untouched copy. Blanked pairs are passed over.
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
        if (!IsBlankedLine(source.Text) && !fs.EntryExists(source.Text)) break;
        end = source.Start;
        last -= 2;
    }
    return end;
}

// The lines in the first `length` bytes of `from`, less blanked ones, in a new file `to`, synced.
bool CopyPairsSynced(FileSystem& fs, const std::string& from, const std::string& to, std::uint64_t length) {
    std::error_code error;
    const auto copy = fs.CreateAppendFile(to, error);
    if (!copy) return false;
    std::uint64_t copied = 0;
    bool written = true;
    std::string line;
    const auto keep = [&](std::string_view bytes) {
        written = written && (bytes.empty() || copy->Append(bytes));
    };
    const FsResult read = fs.ReadInPieces(from, [&](std::string_view piece) {
        piece = piece.substr(0, std::min<std::uint64_t>(piece.size(), length - copied));
        copied += piece.size();
        for (std::size_t at = 0; at < piece.size();) {
            const auto lineBreak = piece.find('\n', at);
            const std::size_t end = lineBreak == std::string_view::npos ? piece.size() : lineBreak + 1;
            line.append(piece.substr(at, end - at));
            at = end;
            if (lineBreak == std::string_view::npos) break;
            if (!IsBlankedLine(std::string_view(line).substr(0, line.size() - 1))) keep(line);
            line.clear();
        }
    });
    keep(line);
    return read && written && copied == length && copy->Sync();
}

} // namespace

bool IsBlankedLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return !line.empty() && line.find_first_not_of(' ') == std::string_view::npos;
}

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
    appended_ = modeLine.size() + 2;
    cancelled_ = 0;
    pairsToTakeBack_ = 0;
    return {};
}

FsResult RunJournal::AppendPair(const std::string& source, const std::string& destination) {
    if (!sideFile_) return FsResult::Failed(EBADF);
    const FsResult appended =
        sideFile_->Append(pairBytes_.assign(source).append("\r\n").append(destination).append("\r\n"));
    if (!appended) return appended;
    lineCount_ += 2;
    lastPair_ = {appended_, pairBytes_.size(), source.size()};
    appended_ += pairBytes_.size();
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
    appended_ -= lastPairSizes_[pairsToTakeBack_];
}

FsResult RunJournal::SyncPairs() {
    if (!sideFile_) return FsResult::Failed(EBADF);
    return sideFile_->SyncWritten();
}

void RunJournal::CancelPair(PairMark pair) {
    if (!sideFile_ || pair.Size < pair.SourceSize + 4) return;
    // The line breaks stay, so that the side file keeps its pairs of lines.
    std::string blanks(pair.Size, ' ');
    blanks.replace(pair.SourceSize, 2, "\r\n");
    blanks.replace(pair.Size - 2, 2, "\r\n");
    if (sideFile_->Overwrite(pair.Offset, blanks)) ++cancelled_;
}

FsResult RunJournal::Save(const std::function<void()>& serve) {
    if (!fs_ || !sideFile_) return FsResult::Failed(EBADF);
    FsResult saved;
    const std::string copyPath = dataFolder_ + kJournalRecoveryFileName;
    ServeWhile(
        [&] {
            saved = sideFile_->Sync();
            sideFile_.reset();
            // Blanked pairs stay out of the journal: a copy without them takes its place. Until then the
            // side file is there for the recovery.
            if (saved && cancelled_ > 0) {
                if (!CopyPairsSynced(*fs_, sidePath_, copyPath, appended_)) {
                    static_cast<void>(fs_->DeleteFile(copyPath));
                    saved = FsResult::Failed(EIO);
                } else if (saved = fs_->ReplaceWith(copyPath, sidePath_); !saved) {
                    static_cast<void>(fs_->DeleteFile(copyPath));
                }
            }
            return static_cast<bool>(saved);
        },
        serve);
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
    std::set<std::string> folders;
    for (std::size_t line = 1; line < lines->Last.size(); ++line)
        if (lines->Last[line].Start >= lines->ModeLineEnd && !IsBlankedLine(lines->Last[line].Text))
            folders.insert(FolderPartOf(lines->Last[line].Text));
    for (const std::string& folder : folders)
        static_cast<void>(fs.RemoveLeftoverPartials(folder));
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
    if (!CopyPairsSynced(fs, sidePath, copyPath, end) || !fs.ReplaceWith(copyPath, sidePath)) {
        static_cast<void>(fs.DeleteFile(copyPath));
        return false;
    }
    return static_cast<bool>(fs.ReplaceWith(sidePath, dataFolder + kJournalFileName));
}

} // namespace varnolt
