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
inline constexpr const char* kMoveModeLine = "Move Mode";
inline constexpr const char* kCopyModeLine = "Copy Mode";

// Runs `work` on a thread of its own and calls `serve` every few milliseconds until it is done, so that
// the window keeps its turns through a call that can take long (a sync on a busy disk, the removal of a
// large journal).
bool ServeWhile(const std::function<bool()>& work, const std::function<void()>& serve);

// Each pair goes in before its move is tried, and is taken back when the move fails: a kill at any
// moment leaves every move made in the side file, and at most its last pairs (one item's) for a move that
// may not have happened, which the recovery looks at.
class RunJournal {
  public:
    // Creates the side file `fileName` in `dataFolder` with the mode line, on the disk before the first move.
    FsResult Begin(FileSystem& fs, const std::string& dataFolder, const std::string& modeLine,
                   const char* fileName = kJournalInProgressFileName);
    // The pair of a move about to be tried.
    FsResult AppendPair(const std::string& source, const std::string& destination);
    // The move of the last pair appended did not happen.
    void TakeBackPair();
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

// A side file left behind by a crashed run becomes "undo.udo", so that the run can be undone. Only
// while holding the journal lock: a side file is left behind only when its writer is gone.
// Returns whether there was one.
bool RecoverInterruptedJournal(FileSystem& fs, const std::string& dataFolder);
// The recovery, when the lock is free; a side file whose run still goes on is not touched.
bool RecoverInterruptedJournalIfFree(FileSystem& fs, const std::string& dataFolder);

} // namespace varnolt
