#pragma once
// The journal of a run: the mode line, then a source line and a destination line per successful
// transfer. It is written to a side file as the run goes, so that a crash leaves behind every transfer
// made so far; the end of the run syncs it and renames it to "undo.udo".
#include "platform/FileSystem.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace varnolt {

inline constexpr const char* kJournalFileName = "undo.udo";
inline constexpr const char* kJournalInProgressFileName = "undo.udo.partial";
// The whole lines of a side file left by a crash, on their way to becoming the journal.
inline constexpr const char* kJournalRecoveryFileName = "undo.udo.recovered";
inline constexpr const char* kMoveModeLine = "Move Mode";
inline constexpr const char* kCopyModeLine = "Copy Mode";

// Runs `work` on a thread of its own and calls `serve` every few milliseconds until it is done, so that
// the window keeps its turns through a call that can take long (a sync on a busy disk, the removal of a
// large journal).
bool ServeWhile(const std::function<bool()>& work, const std::function<void()>& serve);

class RunJournal {
public:
    // Empties the journal and adds the mode line. When the side file in `dataFolder` cannot be created,
    // the lines are kept in memory and written at Save.
    void Begin(FileSystem& fs, const std::string& dataFolder, const std::string& modeLine);
    void AppendPair(const std::string& source, const std::string& destination);
    std::int64_t LineCount() const { return lineCount_; }
    bool IsEmpty() const { return lineCount_ == 0; }
    // Makes the journal "undo.udo", replacing an earlier one, then empties it. `serve` is called every few
    // milliseconds while the journal is synced to the disk, which can take long on a busy disk.
    FsResult Save(const std::function<void()>& serve = {});
    // Ends a journal that took no pair: the journal of the run before stays as it was.
    void Discard();

private:
    bool Write(const std::string& bytes);
    std::string ReadSideFile();

    FileSystem* fs_ = nullptr;
    std::string dataFolder_;
    std::unique_ptr<AppendFile> sideFile_;
    std::vector<std::string> pending_; // the lines, when there is no side file
    std::int64_t lineCount_ = 0;
    std::size_t committedBytes_ = 0; // what the side file took in whole writes
    std::string pairBytes_;          // kept between pairs, so that appending one allocates nothing
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
