// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Engine.h"
#include "engine/Errors.h"
#include "engine/RunJournal.h"
#include "engine/Text.h"
#include "engine/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

namespace varnolt {

namespace {

// Holds the busy state for as long as an undo runs, on every way out.
class UndoBusy {
  public:
    explicit UndoBusy(RunState& state) : state_(state) { state_.UndoInProgress = true; }
    ~UndoBusy() { state_.UndoInProgress = false; }
    UndoBusy(const UndoBusy&) = delete;
    UndoBusy& operator=(const UndoBusy&) = delete;

  private:
    RunState& state_;
};

// Whether the copy's last write time is the source's, as far as the copy's file system keeps it: a
// time with no part finer than 100 ns, 10 ms, 1 s or 2 s (NTFS, exFAT, whole seconds, FAT) may be
// the source's rounded to that step either way.
bool SameLastWriteTime(const FileStamp& source, const FileStamp& copy) {
    constexpr std::int64_t kSecond = 1'000'000'000;
    const std::int64_t sourceTime = source.LastWriteTime * kSecond + source.LastWriteNanoseconds;
    const std::int64_t copyTime = copy.LastWriteTime * kSecond + copy.LastWriteNanoseconds;
    std::int64_t step = 1;
    for (const std::int64_t coarser : {std::int64_t{100}, kSecond / 100, kSecond, 2 * kSecond})
        if (copyTime % coarser == 0) step = coarser;
    return sourceTime - copyTime < step && copyTime - sourceTime < step;
}

// The copy is still what the run made: another file than the source (not the source itself, nor a
// link between them), of the source's size and last write time, both of which the copy kept. An edited
// copy, or a file put in its place, is no longer the copy.
bool IsUntouchedCopy(FileSystem& fs, const std::string& source, const std::string& copy) {
    const auto original = fs.StampOf(source);
    const auto made = fs.StampOf(copy);
    return original && made && !original->IsFolder && !made->IsFolder &&
           (original->Device != made->Device || original->Inode != made->Inode) &&
           original->Size == made->Size && SameLastWriteTime(*original, *made);
}

// Moving back never replaces: when something new stands at the old path, the moved file stays where it
// is (the move itself refuses to replace, and refuses a folder). A copy is deleted only while it is
// still the untouched copy of its source; otherwise both stay.
// The folders down to `folder` that are missing, made again: the user may have removed or renamed the
// source folders a run emptied.
FsResult MakeMissingFolders(FileSystem& fs, const std::string& folder) {
    std::vector<std::string> missing;
    for (std::string level = folder; level.size() > 1 && !fs.FolderExists(level);) {
        missing.push_back(level);
        level = FolderPartOf(level);
        if (level.size() > 1 && level.back() == '/') level.pop_back();
    }
    for (auto level = missing.rbegin(); level != missing.rend(); ++level)
        if (const FsResult made = fs.MakeFolder(*level); !made && !fs.FolderExists(*level)) return made;
    return {};
}

// A moved file, folder or saved page's folder goes back to its old place, made again where it is gone;
// never over something that stands there now.
FsResult MoveBack(FileSystem& fs, const std::string& from, const std::string& to) {
    FsResult moved = fs.MoveFile(from, to);
    if (moved || !fs.EntryExists(from)) return moved;
    if (moved.Error() == std::errc::no_such_file_or_directory) {
        if (const FsResult made = MakeMissingFolders(fs, FolderPartOf(to)); !made) return made;
        moved = fs.MoveFile(from, to);
    }
    if (moved.Error() != std::errc::is_a_directory) return moved;
    if (fs.EntryExists(to)) return FsResult::Failed(EEXIST);
    // A folder move takes the next free name when its own is taken meanwhile; back where it was, then.
    std::string placedAt;
    const FsResult folderMoved = fs.MoveFolder(from, to, &placedAt);
    if (!folderMoved || placedAt == to) return folderMoved;
    static_cast<void>(fs.MoveFolder(placedAt, from));
    return FsResult::Failed(EEXIST);
}

// An undo cut short and started again meets the pairs it put back already: the item is at its old
// place and gone from where the run put it.
bool PutBackAlready(FileSystem& fs, const std::string& source, const std::string& destination) {
    return !fs.EntryExists(destination) && fs.EntryExists(source);
}

FsResult RestorePair(FileSystem& fs, bool moveMode, const std::string& source, const std::string& destination,
                     const PlacedIdentity& identity, Step& step) {
    step = Step::Restore;
    if (PutBackAlready(fs, source, destination)) return {};
    // Only the item the run placed goes back: a file put at its name since stays where it is.
    if (identity.What != PlacedIdentity::Kind::Unknown) {
        const auto now = fs.StampOf(destination);
        if (now && IsAnotherItem(identity, *now, !moveMode)) {
            if (!moveMode && fs.FileExists(source)) step = Step::Remove;
            return MakeError(EngineError::ReplacedSinceRun);
        }
    }
    if (moveMode) return MoveBack(fs, destination, source);
    if (fs.FileExists(source)) {
        step = Step::Remove;
        if (!IsUntouchedCopy(fs, source, destination)) return MakeError(EngineError::NotTheItemPlaced);
        return fs.DeleteFile(destination);
    }
    if (fs.FileExists(destination)) return MoveBack(fs, destination, source);
    if (fs.FolderExists(destination)) return MakeError(EngineError::CopiedFolderStays);
    return FsResult::Failed(ENOENT);
}

// Whether a pair that was not restored is worth a later undo: not an edited copy, which stays by design
// with its source beside it, nor a file that is gone from where the run put it.
bool StillToUndo(FileSystem& fs, const FsResult& failure, const std::string& destination) {
    return failure.Error() != MakeError(EngineError::NotTheItemPlaced) &&
           failure.Error() != MakeError(EngineError::CopiedFolderStays) && fs.EntryExists(destination);
}

// Removing the journal of a million pairs frees some 150 MB: tens of milliseconds in the kernel, which
// the window waits out on its turns. A journal of a piece or less goes at once.
void RemoveJournal(FileSystem& fs, const std::string& path, const std::function<void()>& serve) {
    constexpr std::uint64_t kLargeJournalBytes = 1 << 20;
    const auto info = fs.ReadItemInfo(path);
    if (info && info->Size > kLargeJournalBytes)
        ServeWhile([&] { return static_cast<bool>(fs.DeleteFile(path)); }, serve);
    else
        static_cast<void>(fs.DeleteFile(path));
    static_cast<void>(fs.DeleteFile(path + kIdentitiesSuffix));
}

} // namespace

void Engine::UndoLastRun() {
    if (IsBusy()) return;
    if (!Ask(Decision::ConfirmUndo)) return;
    BeginTally(CommandKind::Undo);

    // Another process's run or undo may be writing the journal.
    JournalLock lock;
    if (!LockJournal(lock)) return EndCommand(Outcome::Refused);
    FileSystem& fs = services_.Fs;
    if (!fs.EntryExists(JournalPath())) {
        Refuse(Notice::NothingToUndo);
        return EndCommand(Outcome::Refused);
    }
    FsResult read;
    FsResult kept;
    bool hadLeft = false;
    {
        // Busy from the first turn the window gets while the journal comes in.
        UndoBusy busy(state_);
        RunJournal left;
        const std::string marker = dataFolder_ + kUndoInProgressFileName;
        const bool cutShort = fs.EntryExists(marker);
        std::string markerError;
        static_cast<void>(fs.ReplaceFile(marker, {}, markerError));
        read = RestorePairs(left, cutShort);
        // A journal that could not be read to its end stays, so that the undo can be started again; one
        // whose pairs did not all come back gives way to the pairs left, which a later undo finishes.
        if (!read) {
            left.Discard();
        } else if (hadLeft = !left.IsEmpty(); hadLeft) {
            kept = left.Save([this] { services_.Pump.Pump(); });
        } else {
            left.Discard();
            RemoveJournal(fs, JournalPath(), [this] { services_.Pump.Pump(); });
        }
    }
    static_cast<void>(fs.DeleteFile(dataFolder_ + kUndoInProgressFileName));
    lock.Held.reset();
    if (!read) {
        Refuse(Notice::JournalUnreadable, std::nullopt, JournalPath(), read.Error());
        return EndCommand(Outcome::Failed);
    }
    if (!kept) Refuse(Notice::JournalIncomplete, std::nullopt, dataFolder_, kept.Error());
    tally_.UndoAvailable = hadLeft && kept;
    EndCommand(Outcome::Completed);
}

std::optional<std::size_t> Engine::CountJournalLines(FsResult& result) {
    std::size_t count = 0;
    PieceLineReader lines([&](std::string_view) { ++count; });
    result = services_.Fs.ReadInPieces(JournalPath(), [&](std::string_view piece) {
        lines.Feed(piece);
        services_.Pump.Pump();
    });
    if (!result) return std::nullopt;
    lines.Finish();
    return count;
}

// The journal is read twice, a piece at a time: once for the count the progress shows, once to put the
// pairs back; a journal of a million pairs is never held whole.
FsResult Engine::RestorePairs(RunJournal& left, bool cutShort) {
    FileSystem& fs = services_.Fs;
    FsResult counted;
    const auto lineCount = CountJournalLines(counted);
    if (!lineCount) return counted;
    const std::size_t total = *lineCount == 0 ? 0 : (*lineCount - 1) / 2;
    tally_.Total = static_cast<std::int64_t>(total);
    // Only the direct folders go, and only when emptied (the removal itself refuses a folder with
    // anything in it, which spares listing a large category); outer category levels and the result
    // location stay. Each is tried once, after the pairs are back, inner folders before outer ones; a run
    // of more than kEmptiedFoldersHeld folders has them tried each time the set fills.
    std::set<std::string> folders;
    const auto removeEmptied = [&] {
        for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
            static_cast<void>(fs.RemoveFolder(*folder));
            services_.Pump.Pump();
        }
        folders.clear();
    };
    std::size_t lineNumber = 0, restored = 0;
    bool moveMode = false;
    // Begun at the first pair to keep: most undos have none.
    bool leftBegun = false;
    FsResult leftWritable;
    std::string source;
    std::unordered_set<std::string> partialsLookedFor;
    IdentityReader identities(fs, JournalPath());
    PieceLineReader lines([&](std::string_view line) {
        if (lineNumber++ == 0) {
            moveMode = line.find("Move") != std::string_view::npos;
            tally_.Moving = moveMode;
            host_.Started({CommandKind::Undo, moveMode, static_cast<std::int64_t>(total)});
        } else if (restored == total) {
            return; // an unpaired last line
        } else if (lineNumber % 2 == 0) {
            source.assign(line);
        } else {
            const std::string destination(line);
            if (cutShort && partialsLookedFor.insert(FolderPartOf(source)).second)
                static_cast<void>(fs.RemoveLeftoverPartials(FolderPartOf(source)));
            Step step = Step::Restore;
            const PlacedIdentity identity = identities.Next();
            // A run never places into the program's own folder nor takes from it: a journal that names a
            // file there is not a run's, and the file stays as it is.
            const bool ownFile = source.starts_with(dataFolder_) || destination.starts_with(dataFolder_);
            if (const FsResult back = ownFile
                                          ? FsResult(MakeError(EngineError::NotTheItemPlaced))
                                          : RestorePair(fs, moveMode, source, destination, identity, step);
                back) {
                ++tally_.Placed;
            } else {
                Fail(destination, step, back.Error(), source);
                if (StillToUndo(fs, back, destination) && leftWritable) {
                    if (!leftBegun)
                        leftWritable = left.Begin(fs, dataFolder_, moveMode ? kMoveModeLine : kCopyModeLine,
                                                  kJournalLeftFileName);
                    leftBegun = true;
                    if (leftWritable) leftWritable = left.AppendPair(source, destination, identity);
                }
            }
            ++restored;
            host_.Progress({CommandKind::Undo, static_cast<std::int64_t>(restored),
                            static_cast<std::int64_t>(total), 0});
            std::string folder = FolderPartOf(destination);
            if (folders.size() == kEmptiedFoldersHeld && !folders.contains(folder)) removeEmptied();
            folders.insert(std::move(folder));
            services_.Pump.Pump();
        }
    });
    const FsResult read = fs.ReadInPieces(JournalPath(), [&](std::string_view piece) {
        lines.Feed(piece);
        services_.Pump.Pump();
    });
    if (read) lines.Finish();
    removeEmptied();
    return read;
}

} // namespace varnolt
