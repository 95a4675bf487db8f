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

std::vector<std::string> Engine::SidecarsOfListedFile(const std::string& file) {
    return options_.KeepSidecars ? SidecarsOnDisk(services_.Fs, file) : std::vector<std::string>();
}

FsResult Engine::TransferItem(const std::string& source, const std::string& destination, bool sourceIsFile,
                              std::span<const std::string> sidecars) {
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
        if (!sidecars.empty()) return TransferWithSidecars(source, destination, sidecars);
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
                      FolderIdentity entry, std::span<const std::string> sidecars) {
    PlannedFile& planned =
        batch_.emplace_back(PlannedFile{std::move(path),
                                        std::move(category),
                                        std::move(folder),
                                        std::move(destination),
                                        {},
                                        {},
                                        entry,
                                        std::vector<std::string>(sidecars.begin(), sidecars.end()),
                                        {},
                                        {}});
    for (const std::string& sidecar : planned.Sidecars)
        planned.Forms.push_back(SidecarForm(NameViewOf(planned.Source), NameViewOf(sidecar)));
    const auto drop = [this] { batch_.pop_back(); };
    if (!SeeToCategoryFolder(planned.Source, planned.Folder, planned.Made)) return drop();
    const auto claimed = [this](const std::string& name) { return batchClaimed_.contains(name); };
    // As the preview names it: in a folder of the user's, a name may be taken already; in one this run
    // made, only by an earlier item of the batch.
    const bool fresh = madeThisRun_.contains(planned.Folder);
    const bool claimedAlready =
        claimed(planned.Destination) ||
        std::any_of(planned.Forms.begin(), planned.Forms.end(),
                    [&](const Companion& form) { return claimed(form.Beside(planned.Destination)); });
    if (!fresh || claimedAlready)
        planned.Destination = FirstFreeFileName(planned.Destination, planned.Forms, claimed);
    if (!NotePlannedIntents(planned)) {
        RemoveEmptyFoldersMade(planned.Made, planned.Folder);
        Fail(planned.Source, Step::Journal, journalFailure_.Error(), planned.Destination);
        return drop();
    }
    ClaimPlannedNames(planned, true);
    // Numbered folders fill by the items given to them.
    state_.FolderFillCount += 1;
    if (batch_.size() < batchLimit_) return;
    CarryOutBatch();
    batchLimit_ = std::min(2 * batchLimit_, kIntentsPerSync);
}

bool Engine::NotePlannedIntents(PlannedFile& item) {
    item.SidecarPairs.clear();
    if (!NoteIntent(item.Source, item.Destination, true, IdentityBeforeMove(item.Entry))) return false;
    item.Pair = state_.UndoJournal.LastPair();
    for (std::size_t i = 0; i < item.Sidecars.size(); ++i) {
        if (!NoteIntent(item.Sidecars[i], item.SidecarDestination(i), true)) {
            CancelPlannedPairs(item);
            return false;
        }
        item.SidecarPairs.push_back(state_.UndoJournal.LastPair());
    }
    return true;
}

void Engine::CancelPlannedPairs(const PlannedFile& item) {
    state_.UndoJournal.CancelPair(item.Pair);
    for (const RunJournal::PairMark& pair : item.SidecarPairs)
        state_.UndoJournal.CancelPair(pair);
}

void Engine::ClaimPlannedNames(const PlannedFile& item, bool claim) {
    const auto mark = [&](const std::string& name) {
        if (!claim) {
            batchClaimed_.erase(name);
            return;
        }
        batchClaimed_.insert(name);
        if (sortingInPlace_) placedThisRun_.insert(name);
    };
    mark(item.Destination);
    for (std::size_t i = 0; i < item.Sidecars.size(); ++i)
        mark(item.SidecarDestination(i));
}

FsResult Engine::MovePlanned(const PlannedFile& item, bool& stuck) {
    stuck = false;
    RunJournal& journal = state_.UndoJournal;
    // A copy is another file than its source: its identity is known once it is made.
    const auto place = [&](const std::string& from, const std::string& to, RunJournal::PairMark pair) {
        PlacedFile how;
        const FsResult placed = MoveOrCopyFile(from, to, how);
        if (placed && how.Copied) journal.NoteIdentity(pair, PlacedIdentity::OfStamp(how.Copy));
        return placed;
    };
    ShowActivity(item.Source);
    FsResult placed = place(item.Source, item.Destination, item.Pair);
    if (!placed) {
        CancelPlannedPairs(item);
        return placed;
    }
    for (std::size_t i = 0; i < item.Sidecars.size(); ++i) {
        placed = place(item.Sidecars[i], item.SidecarDestination(i), item.SidecarPairs[i]);
        if (placed) continue;
        for (std::size_t later = i; later < item.Sidecars.size(); ++later)
            journal.CancelPair(item.SidecarPairs[later]);
        FileSystem& fs = services_.Fs;
        const auto takeBack = [&](const std::string& from, const std::string& to, RunJournal::PairMark pair) {
            if (options_.MoveSourceFiles ? fs.MoveKnownFile(to, from) : fs.DeleteFile(to))
                journal.CancelPair(pair);
            else
                stuck = true;
        };
        for (std::size_t back = i; back-- > 0;)
            takeBack(item.Sidecars[back], item.SidecarDestination(back), item.SidecarPairs[back]);
        takeBack(item.Source, item.Destination, item.Pair);
        return placed;
    }
    return placed;
}

void Engine::ReportSidecarsPlaced(const PlannedFile& item) {
    for (std::size_t i = 0; i < item.Sidecars.size(); ++i)
        host_.Placed(
            {item.Sidecars[i], item.Category, item.SidecarDestination(i), false, false, item.Source});
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
                CancelPlannedPairs(item);
                --tally_.Total;
                --state_.ItemCount;
                continue;
            }
            if (!synced) {
                CancelPlannedPairs(item);
                Fail(item.Source, Step::Journal, synced.Error(), item.Destination);
                failed.push_back(std::move(item));
                continue;
            }
            bool stuck = false;
            const FsResult placed = MovePlanned(item, stuck);
            if (placed) {
                state_.TransferredCount += 1 + static_cast<std::int64_t>(item.Sidecars.size());
                ++tally_.Placed;
                host_.Placed({item.Source, item.Category, item.Destination, false, false});
                ReportSidecarsPlaced(item);
                ReportProgress();
            } else {
                // What could not come back stays journaled, for the undo.
                if (stuck) state_.TransferredCount += 1;
                // Taken meanwhile, the name gives way to the next free one; a category folder removed
                // meanwhile is made again.
                const std::string tried = item.Destination;
                ClaimPlannedNames(item, false);
                item.Destination = FirstFreeFileName(tried, item.Forms, claimed);
                const bool retry =
                    !stuck && (item.Destination != tried || RemadeVanishedFolder(item.Folder, item.Made));
                if (retry && NotePlannedIntents(item)) {
                    ClaimPlannedNames(item, true);
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
    const Companion folder{false, companionSuffix};
    const std::string placedAt = FirstFreeFileName(destination, {&folder, 1});
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

// A photo and its sidecars end up together, under names free for all ("IMG_1(1).CR2" with
// "IMG_1(1).xmp"), or all stay, as in a batch of its own.
FsResult Engine::TransferWithSidecars(const std::string& file, const std::string& destination,
                                      std::span<const std::string> sidecars) {
    PlannedFile item{file, {}, {}, {}, {}, {}, {}, std::vector<std::string>(sidecars.begin(), sidecars.end()),
                     {},   {}};
    for (const std::string& sidecar : sidecars)
        item.Forms.push_back(SidecarForm(NameViewOf(file), NameViewOf(sidecar)));
    item.Destination = FirstFreeFileName(destination, item.Forms);
    if (!NotePlannedIntents(item)) return journalFailure_;
    if (const FsResult synced = state_.UndoJournal.SyncPairs(); !synced) {
        CancelPlannedPairs(item);
        journalFailure_ = synced;
        state_.StopRequested = true;
        return synced;
    }
    bool stuck = false;
    const FsResult placed = MovePlanned(item, stuck);
    if (placed || stuck) RecordTransfer(file, item.Destination);
    if (placed) {
        state_.TransferredCount += static_cast<std::int64_t>(sidecars.size());
        placedAt_ = item.Destination;
    }
    turns_.Pump();
    return placed;
}

// The destination itself, or the first of "a(1).txt", "a(2).txt", ... that is free. A page's resource
// folder and a photo's sidecars must find their names free beside it too. Numbers found taken earlier
// in this command are not tried again, so that N files of one name cost N tries, not N²/2; the memo only
// skips names that were taken when tried, and is dropped whole when it grows too large.
std::string Engine::FirstFreeFileName(const std::string& destination, std::span<const Companion> companions,
                                      const std::function<bool(const std::string&)>& claimed) {
    FileSystem& fs = services_.Fs;
    const auto taken = [&](const std::string& candidate) {
        return (claimed && claimed(candidate)) || TakenByNonFolder(fs, candidate) ||
               std::any_of(companions.begin(), companions.end(), [&](const Companion& companion) {
                   const std::string beside = companion.Beside(candidate);
                   return (claimed && claimed(beside)) || fs.EntryExists(beside);
               });
    };
    if (!taken(destination)) return destination;
    std::int64_t& next = NextNumberToTry(destination, CompanionKind(companions));
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
