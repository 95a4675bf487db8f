#include "engine/Engine.h"
#include "engine/Messages.h"
#include "engine/TextFile.h"
#include "engine/Text.h"

#include <cstddef>
#include <filesystem>
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

// Two spellings of one path ("a//b", "a/./b/"); a run never journals such a pair, a damaged journal may.
bool SamePlace(const std::string& a, const std::string& b) {
    return std::filesystem::path(a).lexically_normal() == std::filesystem::path(b).lexically_normal();
}

// Moving back never replaces: when something new stands at the old path, the moved file stays where it
// is (the move itself refuses to replace, and refuses a folder). A copy is deleted only when it is not
// its own original.
void RestorePair(FileSystem& fs, bool moveMode, const std::string& source, const std::string& destination) {
    if (moveMode) {
        fs.MoveFile(destination, source);
    } else if (fs.FileExists(source)) {
        if (!SamePlace(source, destination)) fs.DeleteFile(destination);
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

    FileSystem& fs = services_.Fs;
    RecoverInterruptedJournal(fs, dataFolder_);
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
    if (!read) {
        boxes.Show(error, Messages::Error, Buttons::Ok, Icon::Error);
        return;
    }
    services_.View.SetStatusText(1, Messages::UndoDone);
    fs.DeleteFile(JournalPath());
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
