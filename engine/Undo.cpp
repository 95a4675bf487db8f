#include "engine/Engine.h"
#include "engine/Messages.h"
#include "engine/TextFile.h"
#include "engine/Text.h"

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

namespace varnolt {

namespace {

// Holds the busy state for as long as an undo runs, on every way out.
class UndoBusy {
public:
    UndoBusy(RunState& state, RunView& view) : state_(state), view_(view) {
        state_.UndoInProgress = true;
        view_.SetBusy(true);
    }
    ~UndoBusy() {
        state_.UndoInProgress = false;
        view_.SetBusy(false);
    }
    UndoBusy(const UndoBusy&) = delete;
    UndoBusy& operator=(const UndoBusy&) = delete;

private:
    RunState& state_;
    RunView& view_;
};

std::size_t CountLines(std::string_view text) {
    std::size_t count = 0;
    LineReader reader(text);
    for (std::string_view line; reader.Next(line);) ++count;
    return count;
}

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
           (original->Device != made->Device || original->Inode != made->Inode) && original->Size == made->Size &&
           SameLastWriteTime(*original, *made);
}

// Moving back never replaces: when something new stands at the old path, the moved file stays where it
// is (the move itself refuses to replace, and refuses a folder). A copy is deleted only while it is
// still the untouched copy of its source; otherwise both stay.
void RestorePair(FileSystem& fs, bool moveMode, const std::string& source, const std::string& destination) {
    if (moveMode) {
        fs.MoveFile(destination, source);
    } else if (fs.FileExists(source)) {
        if (IsUntouchedCopy(fs, source, destination)) fs.DeleteFile(destination);
    } else if (fs.FileExists(destination)) {
        fs.MoveFile(destination, source);
    }
}

} // namespace

void Engine::UndoLastRun() {
    if (IsBusy()) return;
    MessageBoxes& boxes = services_.Boxes;
    if (boxes.Show(Messages::ConfirmUndo, Messages::UndoConfirmationCaption, Buttons::YesNo, Icon::Question) !=
        Answer::Yes)
        return;

    // Another process's run or undo may be writing the journal.
    JournalLock lock;
    if (!LockJournal(lock)) return;
    FileSystem& fs = services_.Fs;
    std::string error;
    bool read = false;
    {
        // Busy from the first turn the window gets while the journal comes in.
        UndoBusy busy(state_, services_.View);
        auto bytes = fs.ReadWholeFile(JournalPath(), error, [this] { services_.Pump.Pump(); });
        read = bytes.has_value();
        // Read line by line from the decoded text: a journal of a million pairs would take several
        // times its size as separate lines.
        if (read) RestorePairs(DecodeText(std::move(*bytes)).Text);
    }
    if (read) fs.DeleteFile(JournalPath());
    lock.Held.reset();
    if (!read) {
        boxes.Show(error, Messages::Error, Buttons::Ok, Icon::Error);
        return;
    }
    services_.View.SetStatusText(1, Messages::UndoDone);
    services_.View.SetUndoEnabled(false);
    boxes.Show(Messages::UndoDone, Messages::Information, Buttons::Ok, Icon::Question);
}

void Engine::RestorePairs(std::string_view journal) {
    FileSystem& fs = services_.Fs;
    LineReader lines(journal);
    const std::size_t lineCount = CountLines(journal);
    std::string_view modeLine;
    const bool moveMode = lines.Next(modeLine) && modeLine.find("Move") != std::string_view::npos;
    const std::size_t total = lineCount == 0 ? 0 : (lineCount - 1) / 2;
    // Only the direct folders go, and only when emptied (the removal itself refuses a folder with
    // anything in it, which spares listing a large category); outer category levels and the result
    // location stay. Each is tried once, after every pair is back, inner folders before outer ones.
    std::set<std::string> folders;
    std::string_view sourceLine, destinationLine;
    for (std::size_t k = 1; k <= total && lines.Next(sourceLine) && lines.Next(destinationLine); ++k) {
        const std::string destination(destinationLine);
        RestorePair(fs, moveMode, std::string(sourceLine), destination);
        services_.View.SetStatusText(1, "Undo " + std::to_string(k) + " of " + std::to_string(total));
        folders.insert(FolderPartOf(destination));
        services_.Pump.Pump();
    }
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
        fs.RemoveFolder(*folder);
        services_.Pump.Pump();
    }
}

} // namespace varnolt
