#include "engine/RunJournal.h"

#include "engine/TextFile.h"

#include <chrono>
#include <future>
#include <optional>

namespace varnolt {

namespace {

std::string LineBytes(const std::string& line) { return line + "\r\n"; }

// The sync runs on a thread of its own so that the caller can keep serving the window until it is done.
bool SyncServing(AppendFile& file, const std::function<void()>& serve) {
    std::future<bool> synced = std::async(std::launch::async, [&file] { return file.Sync(); });
    while (synced.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
        if (serve) serve();
    }
    return synced.get();
}

} // namespace

void RunJournal::Begin(FileSystem& fs, const std::string& dataFolder, const std::string& modeLine) {
    fs_ = &fs;
    dataFolder_ = dataFolder;
    pending_.clear();
    lineCount_ = 0;
    committedBytes_ = 0;
    std::string ignored;
    sideFile_ = fs.CreateAppendFile(dataFolder + kJournalInProgressFileName, ignored);
    Write(LineBytes(modeLine));
    if (!sideFile_) pending_.push_back(modeLine);
    lineCount_ = 1;
}

bool RunJournal::Write(const std::string& bytes) {
    // A side file that stops taking lines is given up; the lines then stay in memory for Save.
    if (sideFile_ && !sideFile_->Append(bytes)) sideFile_.reset();
    if (sideFile_) committedBytes_ += bytes.size();
    return sideFile_ != nullptr;
}

void RunJournal::AppendPair(const std::string& source, const std::string& destination) {
    if (!sideFile_) {
        pending_.push_back(source);
        pending_.push_back(destination);
    } else if (!Write(LineBytes(source) + LineBytes(destination))) {
        // Keep the whole lines the side file took; Save then writes the journal from memory.
        pending_ = DecodeTextFile(ReadSideFile().substr(0, committedBytes_)).Lines;
        pending_.push_back(source);
        pending_.push_back(destination);
    }
    lineCount_ += 2;
}

std::string RunJournal::ReadSideFile() {
    std::string ignored;
    return fs_->ReadWholeFile(dataFolder_ + kJournalInProgressFileName, ignored).value_or("");
}

bool RunJournal::Save(std::string& error, const std::function<void()>& serve) {
    if (!fs_) return false;
    const std::string journalPath = dataFolder_ + kJournalFileName;
    const std::string sidePath = dataFolder_ + kJournalInProgressFileName;
    bool saved = false;
    if (sideFile_) {
        saved = SyncServing(*sideFile_, serve);
        sideFile_.reset();
        saved = saved && fs_->ReplaceWith(sidePath, journalPath);
        if (!saved) error = "The journal could not be completed in " + dataFolder_;
    } else {
        saved = fs_->ReplaceFile(journalPath, EncodeTextFile(pending_, TextEncoding::Plain), error);
        if (saved) fs_->DeleteFile(sidePath);
    }
    pending_.clear();
    lineCount_ = 0;
    return saved;
}

JournalLock TakeJournalLock(FileSystem& fs, const std::string& dataFolder) {
    JournalLock lock;
    lock.Held = fs.TryLock(dataFolder + kJournalLockFileName, lock.HeldElsewhere);
    return lock;
}

bool RecoverInterruptedJournalIfFree(FileSystem& fs, const std::string& dataFolder) {
    const JournalLock lock = TakeJournalLock(fs, dataFolder);
    return lock.Held && RecoverInterruptedJournal(fs, dataFolder);
}

bool RecoverInterruptedJournal(FileSystem& fs, const std::string& dataFolder) {
    const std::string sidePath = dataFolder + kJournalInProgressFileName;
    if (!fs.FileExists(sidePath)) return false;
    std::string error;
    std::optional<std::string> bytes = fs.ReadWholeFile(sidePath, error);
    if (!bytes) return false;
    // A power cut can leave the last line cut short, and a cut path may name some other file: only
    // whole lines are kept.
    const auto lastBreak = bytes->rfind('\n');
    bytes->resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
    if (!fs.ReplaceFile(dataFolder + kJournalFileName, *bytes, error)) return false;
    fs.DeleteFile(sidePath);
    return true;
}

} // namespace varnolt
