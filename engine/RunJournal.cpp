#include "engine/RunJournal.h"

#include "engine/Text.h"
#include "engine/TextFile.h"

#include <algorithm>
#include <chrono>
#include <future>
#include <optional>

namespace varnolt {

namespace {

std::string LineBytes(const std::string& line) { return line + "\r\n"; }


// Where the side file's whole lines end: a power cut can leave the last line cut short, and a cut path
// may name some other file. They end before the first zero byte too: the side file's room is reserved
// ahead as zeros, and no path holds one.
std::optional<std::uint64_t> EndOfWholeLines(FileSystem& fs, const std::string& path) {
    std::uint64_t read = 0;
    std::uint64_t end = 0;
    bool atZero = false;
    const FsResult readAll = fs.ReadInPieces(path, [&](std::string_view piece) {
        if (atZero) return;
        if (const auto zero = piece.find('\0'); zero != std::string_view::npos) {
            piece = piece.substr(0, zero);
            atZero = true;
        }
        if (const auto lastBreak = piece.rfind('\n'); lastBreak != std::string_view::npos) end = read + lastBreak + 1;
        read += piece.size();
    });
    return readAll ? std::optional(end) : std::nullopt;
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

void RunJournal::Begin(FileSystem& fs, const std::string& dataFolder, const std::string& modeLine) {
    fs_ = &fs;
    dataFolder_ = dataFolder;
    pending_.clear();
    lineCount_ = 0;
    committedBytes_ = 0;
    std::error_code ignored;
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
    } else if (!Write(pairBytes_.assign(source).append("\r\n").append(destination).append("\r\n"))) {
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

FsResult RunJournal::Save(const std::function<void()>& serve) {
    if (!fs_) return FsResult::Failed(EBADF);
    const std::string journalPath = dataFolder_ + kJournalFileName;
    const std::string sidePath = dataFolder_ + kJournalInProgressFileName;
    FsResult saved;
    if (sideFile_) {
        ServeWhile(
            [&] {
                saved = sideFile_->Sync();
                return static_cast<bool>(saved);
            },
            serve);
        sideFile_.reset();
        if (saved) saved = fs_->ReplaceWith(sidePath, journalPath);
    } else {
        std::string ignored;
        saved = FsResult::FromErrno(fs_->ReplaceFile(journalPath, EncodeTextFile(pending_, TextEncoding::Plain), ignored));
        if (saved) static_cast<void>(fs_->DeleteFile(sidePath));
    }
    pending_.clear();
    lineCount_ = 0;
    return saved;
}

void RunJournal::Discard() {
    if (sideFile_) {
        sideFile_.reset();
        static_cast<void>(fs_->DeleteFile(dataFolder_ + kJournalInProgressFileName));
    }
    pending_.clear();
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
    // Read in pieces, never whole: a killed run of a million files leaves some 150 MB. The whole lines
    // go to a synced copy, which takes the side file's place and then the journal's. Renames only: at
    // every moment a side file or the journal holds the lines, so a crash here still leaves the run
    // undoable, and a side file left behind is recovered to the same journal at the next start.
    const std::string copyPath = dataFolder + kJournalRecoveryFileName;
    const auto end = EndOfWholeLines(fs, sidePath);
    if (!end || !CopyStartSynced(fs, sidePath, copyPath, *end) || !fs.ReplaceWith(copyPath, sidePath)) {
        static_cast<void>(fs.DeleteFile(copyPath));
        return false;
    }
    return static_cast<bool>(fs.ReplaceWith(sidePath, dataFolder + kJournalFileName));
}

} // namespace varnolt
