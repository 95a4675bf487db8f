// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Engine.h"
#include "engine/Errors.h"
#include "engine/RunJournal.h"
#include "engine/SourceWalker.h"
#include "engine/Text.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace varnolt {

namespace {

std::string NumberedName(const std::string& path, std::int64_t n) {
    return WithoutExtension(path) + "(" + std::to_string(n) + ")" + ExtensionOf(path);
}

// Any entry holds a name, a dangling link included. A folder ends the search: it is left for the
// transfer to fail on, never to be replaced.
bool TakenByNonFolder(FileSystem& fs, const std::string& path) {
    return fs.EntryExists(path) && !fs.FolderExists(path);
}

} // namespace

// A folder that is, or holds, one the walks keep out (the data folder, the result location) is no
// page's companion: carried along with the page, it would take the journal or the result with it. The
// page then goes alone, and the folder stays, as the walk leaves it.
std::optional<std::string> Engine::CompanionSuffixOf(const std::string& page) {
    FileSystem& fs = services_.Fs;
    const std::string stem = WithoutExtension(page);
    for (const char* suffix : {".files", "_files"}) {
        if (!fs.FolderExists(stem + suffix)) continue;
        KeptOutFolders keptOut;
        keptOut.Add(fs, dataFolder_);
        for (const std::string& folder : ownFolders_)
            keptOut.Add(fs, folder);
        if (!options_.ResultLocation.empty()) keptOut.Add(fs, options_.ResultLocation);
        const auto identity = fs.IdentifyFolder(stem + suffix);
        if (keptOut.IsKeptOut(identity) || keptOut.HoldsKeptOut(identity)) return std::nullopt;
        return suffix;
    }
    return std::nullopt;
}

FsResult Engine::TransferItem(const std::string& source, const std::string& destination, bool sourceIsFile) {
    placedAt_ = destination;
    if (source == destination) return {};
    // The journal keeps one path per line; a path with a line break would pair the wrong lines on undo.
    if (ContainsLineBreak(source) || ContainsLineBreak(destination))
        return MakeError(EngineError::LineBreakInName);

    FileSystem& fs = services_.Fs;
    // Found a file here, following links, the move need not look again before it tries.
    if (sourceIsFile || fs.FileExists(source)) {
        if (IsWebPage(source)) {
            if (const auto suffix = CompanionSuffixOf(source))
                return TransferPageWithCompanion(source, destination, *suffix);
        }
        const FsResult placed = TransferFile(source, destination);
        if (placed) RecordTransfer(source, placedAt_);
        return placed;
    }
    if (!fs.FolderExists(source)) return FsResult::Failed(ENOENT);
    ShowActivity(source);
    // The journal names the place the folder gets: a file found later at a name it was kept from is not
    // the folder's, and an undo must not take it for a moved file. The transfer numbers on from the name
    // found free, should that be taken meanwhile.
    std::int64_t& next = NextNumberToTry(destination, kFolderNumbering);
    const std::string target = FreeFolderName(destination, next);
    if (!NoteIntent(source, target)) return journalFailure_;
    const FsResult transferred = options_.MoveSourceFiles
                                     ? fs.MoveFolder(source, destination, &placedAt_, &next)
                                     : fs.CopyFolder(source, destination, &placedAt_, &next);
    if (!transferred || placedAt_ != target) state_.UndoJournal.TakeBackPair();
    if (!transferred) return transferred;
    if (placedAt_ != target && !NoteIntent(source, placedAt_)) return journalFailure_;
    NoteIdentityAt(state_.UndoJournal.LastPair(), placedAt_);
    RecordTransfer(source, placedAt_);
    return transferred;
}

std::string Engine::FreeFolderName(const std::string& destination, std::int64_t& next,
                                   const std::function<bool(const std::string&)>& claimed) {
    const auto numbered = [&] {
        return next == 1 ? destination : destination + " (" + std::to_string(next) + ")";
    };
    while ((claimed && claimed(numbered())) || services_.Fs.EntryExists(numbered()))
        ++next;
    return numbered();
}

bool Engine::NoteIntent(const std::string& source, const std::string& destination, bool batched,
                        const PlacedIdentity& identity) {
    FsResult noted = state_.UndoJournal.AppendPair(source, destination, identity);
    if (noted && !batched) {
        noted = state_.UndoJournal.SyncPairs();
        if (!noted) state_.UndoJournal.TakeBackPair();
    }
    if (noted) return true;
    // Nothing more may move than the journal holds.
    journalFailure_ = noted;
    state_.StopRequested = true;
    return false;
}

PlacedIdentity Engine::IdentityBeforeMove(const FolderIdentity& entry) const {
    return options_.MoveSourceFiles ? PlacedIdentity::OfEntry(entry) : PlacedIdentity{};
}

void Engine::NoteIdentityAt(RunJournal::PairMark pair, const std::string& placedAt) {
    state_.UndoJournal.NoteIdentity(pair, PlacedIdentity::OfStamp(services_.Fs.StampOf(placedAt)));
}

void Engine::RecordTransfer(const std::string&, const std::string&) {
    state_.TransferredCount += 1;
    state_.FolderFillCount += 1;
}

void Engine::PlanFile(std::string path, std::string category, std::string folder, std::string destination,
                      FolderIdentity entry) {
    PlannedFile& planned = batch_.emplace_back(PlannedFile{
        std::move(path), std::move(category), std::move(folder), std::move(destination), {}, {}, entry});
    const auto drop = [this] { batch_.pop_back(); };
    if (!SeeToCategoryFolder(planned.Source, planned.Folder, planned.Made)) return drop();
    const auto claimed = [this](const std::string& name) { return batchClaimed_.contains(name); };
    // As the preview names it: in a folder of the user's, a name may be taken already; in one this run
    // made, only by an earlier item of the batch.
    const bool fresh = madeThisRun_.contains(planned.Folder);
    if (!fresh || !batchClaimed_.insert(planned.Destination).second) {
        planned.Destination = FirstFreeFileName(planned.Destination, {}, claimed);
        batchClaimed_.insert(planned.Destination);
    }
    if (!NoteIntent(planned.Source, planned.Destination, true, IdentityBeforeMove(planned.Entry))) {
        batchClaimed_.erase(planned.Destination);
        RemoveEmptyFoldersMade(planned.Made, planned.Folder);
        Fail(planned.Source, Step::Journal, journalFailure_.Error(), planned.Destination);
        return drop();
    }
    planned.Pair = state_.UndoJournal.LastPair();
    if (sortingInPlace_) placedThisRun_.insert(planned.Destination);
    // Numbered folders fill by the items given to them.
    state_.FolderFillCount += 1;
    if (batch_.size() < batchLimit_) return;
    CarryOutBatch();
    batchLimit_ = std::min(2 * batchLimit_, kIntentsPerSync);
}

void Engine::CarryOutBatch() {
    const auto claimed = [this](const std::string& name) { return batchClaimed_.contains(name); };
    std::vector<PlannedFile> failed;
    while (!batch_.empty()) {
        FsResult synced;
        ServeWhile(
            [&] {
                synced = state_.UndoJournal.SyncPairs();
                return static_cast<bool>(synced);
            },
            [this] { services_.Pump.Pump(); });
        if (!synced) {
            journalFailure_ = synced;
            state_.StopRequested = true;
        }
        std::vector<PlannedFile> again;
        for (PlannedFile& item : batch_) {
            // Stopped, the items not yet in hand stay where they are, as if never reached.
            if (state_.StopRequested && synced) {
                state_.UndoJournal.CancelPair(item.Pair);
                --tally_.Total;
                --state_.ItemCount;
                continue;
            }
            if (!synced) {
                state_.UndoJournal.CancelPair(item.Pair);
                Fail(item.Source, Step::Journal, synced.Error(), item.Destination);
                failed.push_back(std::move(item));
                continue;
            }
            ShowActivity(item.Source);
            PlacedFile how;
            const FsResult placed = MoveOrCopyFile(item.Source, item.Destination, how);
            if (placed && how.Copied)
                state_.UndoJournal.NoteIdentity(item.Pair, PlacedIdentity::OfStamp(how.Copy));
            if (placed) {
                state_.TransferredCount += 1;
                ++tally_.Placed;
                host_.Placed({item.Source, item.Category, item.Destination, false, false});
                ReportProgress();
            } else {
                state_.UndoJournal.CancelPair(item.Pair);
                // Taken meanwhile, the name gives way to the next free one; a category folder removed
                // meanwhile is made again.
                const std::string tried = item.Destination;
                batchClaimed_.erase(tried);
                item.Destination = FirstFreeFileName(tried, {}, claimed);
                const bool retry = item.Destination != tried || RemadeVanishedFolder(item.Folder, item.Made);
                if (retry &&
                    NoteIntent(item.Source, item.Destination, true, IdentityBeforeMove(item.Entry))) {
                    item.Pair = state_.UndoJournal.LastPair();
                    batchClaimed_.insert(item.Destination);
                    if (sortingInPlace_) placedThisRun_.insert(item.Destination);
                    again.push_back(std::move(item));
                } else {
                    Fail(item.Source, FailedStep(), (!journalFailure_ ? journalFailure_ : placed).Error(),
                         tried);
                    failed.push_back(std::move(item));
                }
            }
            turns_.Pump();
        }
        batch_ = std::move(again);
    }
    batchClaimed_.clear();
    // An item that did not go in leaves no empty folder behind of those made for it.
    for (const PlannedFile& item : failed)
        RemoveEmptyFoldersMade(item.Made, item.Folder);
}

FsResult Engine::MoveOrCopyFile(const std::string& source, const std::string& destination,
                                PlacedFile& placed) {
    FileSystem& fs = services_.Fs;
    return options_.MoveSourceFiles ? fs.MoveKnownFile(source, destination, &placed)
                                    : fs.CopyFile(source, destination, &placed);
}

Step Engine::FailedStep() const {
    return !journalFailure_ ? Step::Journal : options_.MoveSourceFiles ? Step::Move : Step::Copy;
}

FsResult Engine::PlaceFile(const std::string& source, const std::string& destination) {
    if (!NoteIntent(source, destination)) return journalFailure_;
    const RunJournal::PairMark pair = state_.UndoJournal.LastPair();
    PlacedFile how;
    const FsResult placed = MoveOrCopyFile(source, destination, how);
    if (!placed)
        state_.UndoJournal.TakeBackPair();
    else
        NoteIdentityAt(pair, destination);
    return placed;
}

// A file is placed by trying: the move never replaces and the copy is made exclusively, so a taken name
// only fails, and only then is a free one looked for.
FsResult Engine::TransferFile(const std::string& source, const std::string& destination) {
    ShowActivity(source);
    placedAt_ = destination;
    FsResult placed = PlaceFile(source, destination);
    if (!placed) {
        placedAt_ = FirstFreeFileName(destination);
        if (placedAt_ != destination) placed = PlaceFile(source, placedAt_);
    }
    turns_.Pump();
    return placed;
}

// A saved page and its resource folder end up together, under names free for both ("page(1).htm" with
// "page(1)_files"), or both stay. Moving, the folder goes first and comes back when the page does not
// follow; copying, the page goes first and its copy is removed when the folder's copy fails. The journal
// takes the folder's pair, then the page's, once both are placed.
FsResult Engine::TransferPageWithCompanion(const std::string& page, const std::string& destination,
                                           const std::string& companionSuffix) {
    FileSystem& fs = services_.Fs;
    const std::string placedAt = FirstFreeFileName(destination, companionSuffix);
    if (fs.FolderExists(placedAt)) return FsResult::Failed(EISDIR);
    const std::string companion = WithoutExtension(page) + companionSuffix;
    const std::string companionTo = WithoutExtension(placedAt) + companionSuffix;
    std::string companionAt = companionTo;
    FsResult placed;
    if (options_.MoveSourceFiles) {
        ShowActivity(companion);
        if (!NoteIntent(companion, companionTo)) return journalFailure_;
        const RunJournal::PairMark companionPair = state_.UndoJournal.LastPair();
        if (const FsResult moved = fs.MoveFolder(companion, companionTo, &companionAt);
            !moved || companionAt != companionTo) {
            // Taken meanwhile, the folder went elsewhere: it comes back, and the page stays with it.
            if (moved) static_cast<void>(fs.MoveFolder(companionAt, companion));
            state_.UndoJournal.TakeBackPair();
            return moved ? FsResult::Failed(EEXIST) : moved;
        }
        ShowActivity(page);
        placed = PlaceFile(page, placedAt);
        if (!placed) {
            static_cast<void>(fs.MoveFolder(companionAt, companion));
            state_.UndoJournal.TakeBackPair();
        } else {
            NoteIdentityAt(companionPair, companionAt);
        }
    } else {
        ShowActivity(page);
        if (const FsResult copied = PlaceFile(page, placedAt); !copied) return copied;
        ShowActivity(companion);
        const bool noted = NoteIntent(companion, companionTo);
        placed = noted ? fs.CopyFolder(companion, companionTo, &companionAt) : journalFailure_;
        bool companionNoted = noted;
        if (placed && companionAt != companionTo) {
            // Taken meanwhile: the journal names where the copy went.
            state_.UndoJournal.TakeBackPair();
            companionNoted = NoteIntent(companion, companionAt);
        }
        if (placed && companionNoted) NoteIdentityAt(state_.UndoJournal.LastPair(), companionAt);
        if (!placed) {
            if (noted) state_.UndoJournal.TakeBackPair();
            static_cast<void>(fs.DeleteFile(placedAt));
            state_.UndoJournal.TakeBackPair();
        }
    }
    turns_.Pump();
    if (!placed) return placed;
    RecordTransfer(companion, companionAt);
    RecordTransfer(page, placedAt);
    placedAt_ = placedAt;
    return {};
}

// The destination itself, or the first of "a(1).txt", "a(2).txt", ... that is free. With a companion
// suffix, the page's resource folder must find its name free beside it too. Numbers found taken earlier
// in this command are not tried again, so that N files of one name cost N tries, not N²/2; the memo only
// skips names that were taken when tried, and is dropped whole when it grows too large.
std::string Engine::FirstFreeFileName(const std::string& destination, const std::string& companionSuffix,
                                      const std::function<bool(const std::string&)>& claimed) {
    FileSystem& fs = services_.Fs;
    const auto taken = [&](const std::string& candidate) {
        return (claimed && claimed(candidate)) || TakenByNonFolder(fs, candidate) ||
               (!companionSuffix.empty() && fs.EntryExists(WithoutExtension(candidate) + companionSuffix));
    };
    if (!taken(destination)) return destination;
    std::int64_t& next = NextNumberToTry(destination, companionSuffix);
    std::string candidate = NumberedName(destination, next);
    while (taken(candidate))
        candidate = NumberedName(destination, ++next);
    return candidate;
}

// The memo of numbers found taken for one destination name in this command; `kind` tells a file's
// (its companion folder's suffix, or none) from a folder's, which are numbered in another way.
std::int64_t& Engine::NextNumberToTry(const std::string& destination, std::string_view kind) {
    if (nextNumberToTry_.size() >= kRememberedNamesLimit) nextNumberToTry_.clear();
    // A line break cannot be part of a path that gets here, so it keeps the two parts of the key apart.
    std::string key;
    key.reserve(destination.size() + 1 + kind.size());
    key.append(destination).append(1, '\n').append(kind);
    return nextNumberToTry_.try_emplace(std::move(key), 1).first->second;
}

void Engine::ShowActivity(const std::string& source) {
    host_.Working({options_.MoveSourceFiles ? Activity::Moving : Activity::Copying, source});
}

} // namespace varnolt
