// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal of a run: the mode line, then a source line and a destination line per successful
// transfer. It is written to a side file as the run goes, so that a crash leaves behind every transfer
// made so far; the end of the run syncs it and renames it to "undo.udo".
#include "platform/FileSystem.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace varnolt {

inline constexpr const char* kJournalFileName = "undo.udo";
inline constexpr const char* kJournalInProgressFileName = "undo.udo.partial";
// The whole lines of a side file left by a crash, on their way to becoming the journal.
inline constexpr const char* kJournalRecoveryFileName = "undo.udo.recovered";
// The pairs an undo could not restore, on their way to becoming the journal.
inline constexpr const char* kJournalLeftFileName = "undo.udo.left";
// There while an undo goes on: found at the start of the next one, it tells that an undo was cut short,
// which may have left a copy's hidden partial file beside an old path.
inline constexpr const char* kUndoInProgressFileName = "undo.udo.undoing";
// The companion of each of these files: the identities of the items its pairs placed, one record per
// pair in the same order ("undo.udo.ids" beside "undo.udo").
inline constexpr const char* kIdentitiesSuffix = ".ids";
inline constexpr const char* kMoveModeLine = "Move Mode";
inline constexpr const char* kCopyModeLine = "Copy Mode";

// What the journal keeps of an item it placed, so that an undo takes back that item only, never a file
// put at its name since: its file system and inode (a rename keeps the source's), and for a file the
// transfer made anew its size and last write time too.
struct PlacedIdentity {
    enum class Kind : std::uint8_t { Unknown, Entry, Stamp };
    Kind What = Kind::Unknown;
    FileStamp Stamp; // Device and Inode; for a Stamp also Size and the last write time

    static PlacedIdentity OfEntry(const FolderIdentity& entry);
    static PlacedIdentity OfStamp(const std::optional<FileStamp>& stamp);
};

// Whether `now`, what stands at a pair's destination, is known to be another item than the one placed
// there. Unknown, or on another file system than the one recorded (a device numbered anew), it cannot
// be told: the undo goes on as without identities. `copied`: the item was a copy, which must also keep
// its size and last write time.
bool IsAnotherItem(const PlacedIdentity& placed, const FileStamp& now, bool copied);

// The identities of a journal's pairs in turn, read a block at a time. A companion file that is
// missing, damaged or another journal's gives Unknown for every pair.
class IdentityReader {
  public:
    IdentityReader(FileSystem& fs, const std::string& journalPath);
    PlacedIdentity Next();

  private:
    FileSystem& fs_;
    std::string path_;
    bool usable_ = false;
    std::uint64_t next_ = 0; // the pair whose record comes next
    std::uint64_t blockFirst_ = 0;
    std::uint64_t end_ = UINT64_MAX; // the pairs with a record, once the file's end is met
    std::string block_;
};

// Runs `work` on a thread of its own and calls `serve` every few milliseconds until it is done, so that
// the window keeps its turns through a call that can take long (a sync on a busy disk, the removal of a
// large journal).
bool ServeWhile(const std::function<bool()>& work, const std::function<void()>& serve);

// The pairs of the moves about to be made are on the disk before the first of them: a run writes the
// pairs of a batch of items, syncs them once, then moves the items. A power cut at any moment thus
// leaves every move made in the journal; the pairs at its end whose moves did not happen are passed
// over by the recovery. The batches grow from the first size to the last, so that a small run is
// synced often and a large one pays for few syncs.
inline constexpr std::size_t kFirstIntentsPerSync = 64;
inline constexpr std::size_t kIntentsPerSync = 4096;

// Each pair goes in before its move is tried, and is taken back, or blanked, when the move fails: a kill
// at any moment leaves every move made in the side file, and at most its last pairs (a batch of items)
// for moves that may not have happened, which the recovery looks at.
class RunJournal {
  public:
    // Where a pair lies in the side file.
    struct PairMark {
        std::uint64_t Offset = 0;
        std::size_t Size = 0;       // both lines with their breaks
        std::size_t SourceSize = 0; // the source line without its break
        std::uint64_t Index = 0;    // the pair's place among all pairs, blanked ones included
    };

    // Creates the side file `fileName` in `dataFolder` with the mode line, on the disk before the first move.
    FsResult Begin(FileSystem& fs, const std::string& dataFolder, const std::string& modeLine,
                   const char* fileName = kJournalInProgressFileName);
    // The pair of a move about to be tried, with the identity of the item when known before the move.
    FsResult AppendPair(const std::string& source, const std::string& destination,
                        const PlacedIdentity& identity = {});
    // The identity of an item learnt once it is placed (a copy's), in place of what its pair took.
    void NoteIdentity(PairMark pair, const PlacedIdentity& identity);
    // The pair appended last.
    PairMark LastPair() const { return lastPair_; }
    // The pairs appended so far onto the disk, before the moves they describe, and the identities
    // noted so far.
    FsResult SyncPairs();
    // The move of the last pair appended did not happen.
    void TakeBackPair();
    // The move of an earlier pair did not happen: its lines become blanks, which the save and the
    // recovery leave out.
    void CancelPair(PairMark pair);
    bool IsEmpty() const { return lineCount_ <= 1; }
    // Makes the journal "undo.udo", replacing an earlier one. `serve` is called every few milliseconds
    // while the journal is synced to the disk, which can take long on a busy disk.
    FsResult Save(const std::function<void()>& serve = {});
    // Ends a journal that took no pair: the journal of the run before stays as it was.
    void Discard();

  private:
    FileSystem* fs_ = nullptr;
    std::string dataFolder_;
    std::string sidePath_;
    std::unique_ptr<AppendFile> sideFile_;
    std::int64_t lineCount_ = 0;
    std::uint64_t appended_ = 0; // the bytes in the side file
    std::size_t cancelled_ = 0;  // the pairs blanked
    PairMark lastPair_;
    // The companion file of identities; gone, with its file, after any failure to write it, so that the
    // journal is saved without one rather than with records out of step.
    std::unique_ptr<AppendFile> identities_;
    std::uint64_t pairs_ = 0;
    void DropIdentities();
    std::string pairBytes_; // kept between pairs, so that appending one allocates nothing
    // The sizes of the last pairs appended, for taking them back: a saved page's two at most.
    std::array<std::size_t, 2> lastPairSizes_{};
    std::size_t pairsToTakeBack_ = 0;
};

// Exactly one process writes the journal at a time: a run and an undo hold this lock on the data folder
// for their whole length. It dies with its process, so a killed run leaves it free.
struct JournalLock {
    std::unique_ptr<FileLock> Held; // null when it could not be had
    bool HeldElsewhere = false;     // another run or undo has it
    // Neither held nor held elsewhere: why the data folder cannot be locked (ENOENT, ENOTDIR when it is
    // a file, EACCES). Nothing may then touch the journal, as if another process had it.
    std::error_code Error;
    std::string Folder; // the folder locked, or that could not be
};
JournalLock TakeJournalLock(FileSystem& fs, const std::string& dataFolder);

// Whether a line of a side file is a blanked pair's: a path is never blank.
bool IsBlankedLine(std::string_view line);

// A side file left behind by a crashed run becomes "undo.udo", so that the run can be undone. Only
// while holding the journal lock: a side file is left behind only when its writer is gone.
// Returns whether there was one.
bool RecoverInterruptedJournal(FileSystem& fs, const std::string& dataFolder);
// The recovery, when the lock is free; a side file whose run still goes on is not touched.
bool RecoverInterruptedJournalIfFree(FileSystem& fs, const std::string& dataFolder);

} // namespace varnolt
