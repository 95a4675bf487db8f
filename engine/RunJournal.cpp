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
#include <vector>

namespace varnolt {

namespace {

std::string LineBytes(const std::string& line) {
    return line + "\r\n";
}

std::string IdentitiesOf(const std::string& journal) {
    return journal + kIdentitiesSuffix;
}

// The companion file: a header that names the journal file it belongs to by its own device and inode
// (which renames keep, and a copy of the journal does not) and, once the journal is whole, its size and
// last write time (which a journal written anew in place does not keep), then a record per pair. Fixed sizes,
// so that a record is overwritten in place; all zeros, as in the room reserved ahead, is an unknown identity.
constexpr std::size_t kRecordSize = 40;
constexpr std::string_view kIdentitiesMagic{"VNLTIDS1", 8};

void PutNumber(char* at, std::uint64_t value) {
    for (int byte = 0; byte < 8; ++byte)
        at[byte] = static_cast<char>((value >> (8 * byte)) & 0xff);
}

std::uint64_t NumberAt(std::string_view bytes, std::size_t at) {
    std::uint64_t value = 0;
    for (int byte = 7; byte >= 0; --byte)
        value = value << 8 | static_cast<unsigned char>(bytes[at + byte]);
    return value;
}

// A record's check, over its kind and fields, so that one torn by a power cut reads as unknown.
std::uint64_t RecordCheck(std::string_view record) {
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t at = 0; at < record.size(); ++at) {
        if (at >= 1 && at < 8) continue;
        hash = (hash ^ static_cast<unsigned char>(record[at])) * 1099511628211ull;
    }
    return hash & 0x00ffffffffffffffull;
}

// Nanoseconds since the epoch, wrapped for a time beyond what they hold; compared as they are kept.
std::uint64_t PackedTime(const FileStamp& stamp) {
    return static_cast<std::uint64_t>(stamp.LastWriteTime) * 1'000'000'000u +
           static_cast<std::uint64_t>(stamp.LastWriteNanoseconds);
}

std::string IdentitiesHeader(const FileStamp& journal) {
    std::string header(kRecordSize, '\0');
    header.replace(0, kIdentitiesMagic.size(), kIdentitiesMagic);
    PutNumber(header.data() + 8, journal.Device);
    PutNumber(header.data() + 16, journal.Inode);
    PutNumber(header.data() + 24, journal.Size);
    PutNumber(header.data() + 32, PackedTime(journal));
    return header;
}

// Whether `header` names the journal file `journal` as it is now; `whole`: a finished journal, by its
// size and last write time too (a side file grows after its header is written).
bool IsHeaderOf(FileSystem& fs, std::string_view header, const std::string& journal, bool whole) {
    const auto stamp = fs.StampOf(journal);
    return stamp && header.size() == kRecordSize &&
           header.substr(0, kIdentitiesMagic.size()) == kIdentitiesMagic &&
           header.substr(8, whole ? 32 : 16) ==
               std::string_view(IdentitiesHeader(*stamp)).substr(8, whole ? 32 : 16);
}

std::string RecordOf(const PlacedIdentity& identity) {
    std::string record(kRecordSize, '\0');
    if (identity.What == PlacedIdentity::Kind::Unknown) return record;
    record[0] = static_cast<char>(identity.What);
    PutNumber(record.data() + 8, identity.Stamp.Device);
    PutNumber(record.data() + 16, identity.Stamp.Inode);
    PutNumber(record.data() + 24, identity.Stamp.Size);
    PutNumber(record.data() + 32, PackedTime(identity.Stamp));
    const std::uint64_t check = RecordCheck(record);
    for (int byte = 0; byte < 7; ++byte)
        record[1 + byte] = static_cast<char>((check >> (8 * byte)) & 0xff);
    return record;
}

PlacedIdentity IdentityOf(std::string_view record) {
    PlacedIdentity identity;
    if (record.size() != kRecordSize) return identity;
    const auto kind = static_cast<PlacedIdentity::Kind>(record[0]);
    if (kind != PlacedIdentity::Kind::Entry && kind != PlacedIdentity::Kind::Stamp) return identity;
    std::uint64_t check = 0;
    for (int byte = 6; byte >= 0; --byte)
        check = check << 8 | static_cast<unsigned char>(record[1 + byte]);
    if (check != RecordCheck(record)) return identity;
    identity.What = kind;
    identity.Stamp.Device = NumberAt(record, 8);
    identity.Stamp.Inode = NumberAt(record, 16);
    identity.Stamp.Size = NumberAt(record, 24);
    const std::uint64_t time = NumberAt(record, 32);
    identity.Stamp.LastWriteTime = static_cast<std::int64_t>(time / 1'000'000'000u);
    identity.Stamp.LastWriteNanoseconds = static_cast<std::int64_t>(time % 1'000'000'000u);
    return identity;
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
// `kept` receives, for each whole pair, whether it stayed.
bool CopyPairsSynced(FileSystem& fs, const std::string& from, const std::string& to, std::uint64_t length,
                     std::vector<bool>& kept) {
    std::error_code error;
    const auto copy = fs.CreateAppendFile(to, error);
    if (!copy) return false;
    std::uint64_t copied = 0;
    bool written = true;
    std::string line;
    std::uint64_t lineNumber = 0;
    bool sourceKept = false;
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
            const bool blank = IsBlankedLine(std::string_view(line).substr(0, line.size() - 1));
            if (!blank) keep(line);
            if (lineNumber > 0 && lineNumber % 2 == 1) sourceKept = !blank;
            if (lineNumber > 0 && lineNumber % 2 == 0) kept.push_back(sourceKept);
            ++lineNumber;
            line.clear();
        }
    });
    keep(line);
    return read && written && copied == length && copy->Sync();
}

// The records of the pairs `kept` marks, from the companion `from` of the journal `fromJournal`, into a
// new companion `to` of the journal `toJournal`, synced; a record missing at the end (identities lag
// behind their pairs) is written unknown. False, with nothing at `to`, when `from` is not
// `fromJournal`'s or cannot be copied.
bool CopyIdentitiesSynced(FileSystem& fs, const std::string& from, const std::string& fromJournal,
                          const std::string& to, const std::string& toJournal,
                          const std::vector<bool>& kept) {
    std::string header;
    const auto target = fs.StampOf(toJournal);
    if (!target || !fs.ReadPart(from, 0, kRecordSize, header) || !IsHeaderOf(fs, header, fromJournal, false))
        return false;
    std::error_code error;
    const auto copy = fs.CreateAppendFile(to, error);
    if (!copy) return false;
    bool written = static_cast<bool>(copy->Append(IdentitiesHeader(*target)));
    std::uint64_t at = 0; // bytes of `from` seen
    std::size_t pair = 0;
    std::string record;
    const FsResult read = fs.ReadInPieces(from, [&](std::string_view piece) {
        if (at < kRecordSize) {
            const std::size_t skipped = std::min<std::uint64_t>(piece.size(), kRecordSize - at);
            at += skipped;
            piece.remove_prefix(skipped);
        }
        at += piece.size();
        while (!piece.empty() && pair < kept.size()) {
            const std::size_t part = std::min(piece.size(), kRecordSize - record.size());
            record.append(piece.substr(0, part));
            piece.remove_prefix(part);
            if (record.size() < kRecordSize) break;
            if (kept[pair++]) written = written && copy->Append(record);
            record.clear();
        }
    });
    for (const std::string unknown(kRecordSize, '\0'); pair < kept.size(); ++pair)
        if (kept[pair]) written = written && copy->Append(unknown);
    if (read && written && copy->Sync()) return true;
    static_cast<void>(fs.DeleteFile(to));
    return false;
}

} // namespace

PlacedIdentity PlacedIdentity::OfEntry(const FolderIdentity& entry) {
    PlacedIdentity identity;
    if (entry.Inode == 0) return identity;
    identity.What = Kind::Entry;
    identity.Stamp.Device = entry.Device;
    identity.Stamp.Inode = entry.Inode;
    return identity;
}

PlacedIdentity PlacedIdentity::OfStamp(const std::optional<FileStamp>& stamp) {
    PlacedIdentity identity;
    if (!stamp || stamp->Inode == 0) return identity;
    identity.What = Kind::Stamp;
    identity.Stamp = *stamp;
    return identity;
}

bool IsAnotherItem(const PlacedIdentity& placed, const FileStamp& now, bool copied) {
    if (placed.What == PlacedIdentity::Kind::Unknown || now.Device != placed.Stamp.Device) return false;
    if (now.Inode != placed.Stamp.Inode) return true;
    return copied && placed.What == PlacedIdentity::Kind::Stamp &&
           (now.Size != placed.Stamp.Size || PackedTime(now) != PackedTime(placed.Stamp));
}

IdentityReader::IdentityReader(FileSystem& fs, const std::string& journalPath)
    : fs_(fs), path_(IdentitiesOf(journalPath)) {
    std::string header;
    usable_ = fs_.ReadPart(path_, 0, kRecordSize, header) && IsHeaderOf(fs_, header, journalPath, true);
}

PlacedIdentity IdentityReader::Next() {
    constexpr std::uint64_t kRecordsPerBlock = 1024;
    const std::uint64_t pair = next_++;
    if (!usable_ || pair >= end_) return {};
    if (pair < blockFirst_ || pair >= blockFirst_ + block_.size() / kRecordSize) {
        blockFirst_ = pair;
        if (!fs_.ReadPart(path_, (pair + 1) * kRecordSize, kRecordsPerBlock * kRecordSize, block_)) {
            usable_ = false;
            return {};
        }
        if (block_.size() < kRecordsPerBlock * kRecordSize) end_ = pair + block_.size() / kRecordSize;
    }
    const std::size_t at = static_cast<std::size_t>(pair - blockFirst_) * kRecordSize;
    if (at + kRecordSize > block_.size()) return {};
    return IdentityOf(std::string_view(block_).substr(at, kRecordSize));
}

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
    pairs_ = 0;
    // Without its companion the journal still undoes, as one of a program that kept none.
    const auto stamp = fs.StampOf(sidePath_);
    identities_ = stamp ? fs.CreateAppendFile(IdentitiesOf(sidePath_), error) : nullptr;
    if (!identities_ || !identities_->Append(IdentitiesHeader(*stamp))) DropIdentities();
    return {};
}

void RunJournal::DropIdentities() {
    identities_.reset();
    static_cast<void>(fs_->DeleteFile(IdentitiesOf(sidePath_)));
}

void RunJournal::NoteIdentity(PairMark pair, const PlacedIdentity& identity) {
    if (identities_ && pair.Index < pairs_ &&
        !identities_->Overwrite((pair.Index + 1) * kRecordSize, RecordOf(identity)))
        DropIdentities();
}

FsResult RunJournal::AppendPair(const std::string& source, const std::string& destination,
                                const PlacedIdentity& identity) {
    if (!sideFile_) return FsResult::Failed(EBADF);
    const FsResult appended =
        sideFile_->Append(pairBytes_.assign(source).append("\r\n").append(destination).append("\r\n"));
    if (!appended) return appended;
    if (identities_ && !identities_->Append(RecordOf(identity))) DropIdentities();
    lineCount_ += 2;
    lastPair_ = {appended_, pairBytes_.size(), source.size(), pairs_++};
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
    --pairs_;
    if (identities_ && !identities_->TakeBack(kRecordSize)) DropIdentities();
}

FsResult RunJournal::SyncPairs() {
    if (!sideFile_) return FsResult::Failed(EBADF);
    const FsResult synced = sideFile_->SyncWritten();
    // The identities may lag behind: a pair without one is undone as before.
    if (synced && identities_) static_cast<void>(identities_->SyncWritten());
    return synced;
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
    bool identified = false;
    const std::string copyPath = dataFolder_ + kJournalRecoveryFileName;
    const std::string sideIdentities = IdentitiesOf(sidePath_);
    ServeWhile(
        [&] {
            saved = sideFile_->Sync();
            sideFile_.reset();
            // The journal is whole now: its header names it by its size and time too.
            const auto whole = saved && cancelled_ == 0 ? fs_->StampOf(sidePath_) : std::nullopt;
            if (identities_ && whole && !identities_->Overwrite(0, IdentitiesHeader(*whole)))
                identities_.reset();
            identified = identities_ && identities_->Sync();
            identities_.reset();
            // Blanked pairs stay out of the journal: a copy without them takes its place, and its
            // companion without their records. Until then the side file is there for the recovery.
            if (saved && cancelled_ > 0) {
                std::vector<bool> kept;
                if (!CopyPairsSynced(*fs_, sidePath_, copyPath, appended_, kept)) {
                    static_cast<void>(fs_->DeleteFile(copyPath));
                    saved = FsResult::Failed(EIO);
                    return false;
                }
                identified = identified &&
                             CopyIdentitiesSynced(*fs_, sideIdentities, sidePath_, IdentitiesOf(copyPath),
                                                  copyPath, kept) &&
                             fs_->ReplaceWith(IdentitiesOf(copyPath), sideIdentities);
                if (saved = fs_->ReplaceWith(copyPath, sidePath_); !saved)
                    static_cast<void>(fs_->DeleteFile(copyPath));
            }
            return static_cast<bool>(saved);
        },
        serve);
    const std::string journal = dataFolder_ + kJournalFileName;
    if (saved) {
        // The companion first: should the journal's rename not follow, the one before stays and the
        // companion names another file, which the undo passes over.
        if (!identified || !fs_->ReplaceWith(sideIdentities, IdentitiesOf(journal))) {
            static_cast<void>(fs_->DeleteFile(sideIdentities));
            static_cast<void>(fs_->DeleteFile(IdentitiesOf(journal)));
        }
        saved = fs_->ReplaceWith(sidePath_, journal);
    }
    lineCount_ = 0;
    return saved;
}

void RunJournal::Discard() {
    if (sideFile_) {
        sideFile_.reset();
        static_cast<void>(fs_->DeleteFile(sidePath_));
        identities_.reset();
        static_cast<void>(fs_->DeleteFile(IdentitiesOf(sidePath_)));
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
    const std::string sideIdentities = IdentitiesOf(sidePath);
    // No move was made: the journal of the run before stays the one to undo.
    if (end <= lines->ModeLineEnd) {
        static_cast<void>(fs.DeleteFile(sidePath));
        static_cast<void>(fs.DeleteFile(sideIdentities));
        return false;
    }
    // Read in pieces, never whole: a killed run of a million files leaves some 150 MB. The whole lines
    // go to a synced copy, which takes the side file's place and then the journal's. Renames only: at
    // every moment a side file or the journal holds the lines, so a crash here still leaves the run
    // undoable, and a side file left behind is recovered to the same journal at the next start.
    // The companion goes the same way, its records for the pairs kept, named for the copy.
    const std::string copyPath = dataFolder + kJournalRecoveryFileName;
    std::vector<bool> kept;
    if (!CopyPairsSynced(fs, sidePath, copyPath, end, kept)) {
        static_cast<void>(fs.DeleteFile(copyPath));
        return false;
    }
    const bool identified =
        CopyIdentitiesSynced(fs, sideIdentities, sidePath, IdentitiesOf(copyPath), copyPath, kept) &&
        fs.ReplaceWith(IdentitiesOf(copyPath), sideIdentities);
    if (!identified) static_cast<void>(fs.DeleteFile(sideIdentities));
    if (!fs.ReplaceWith(copyPath, sidePath)) {
        static_cast<void>(fs.DeleteFile(copyPath));
        return false;
    }
    const std::string journal = dataFolder + kJournalFileName;
    if (!identified || !fs.ReplaceWith(sideIdentities, IdentitiesOf(journal)))
        static_cast<void>(fs.DeleteFile(IdentitiesOf(journal)));
    return static_cast<bool>(fs.ReplaceWith(sidePath, journal));
}

} // namespace varnolt
