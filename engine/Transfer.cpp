#include "engine/Engine.h"
#include "engine/Text.h"

#include <cstdint>
#include <optional>

namespace varnolt {

namespace {

// The destination itself, or the first of "a(1).txt", "a(2).txt", ... that no file holds. Only files
// count: a folder of the name is left for the transfer to fail on, never to be replaced.
std::string FirstFreeFileName(FileSystem& fs, const std::string& destination) {
    const std::string stem = WithoutExtension(destination);
    const std::string extension = ExtensionOf(destination);
    std::string candidate = destination;
    for (std::int64_t n = 1; fs.FileExists(candidate); ++n) candidate = stem + "(" + std::to_string(n) + ")" + extension;
    return candidate;
}

bool IsWebPage(const std::string& path) {
    const std::string extension = LowerAsciiLetters(ExtensionOf(path));
    return extension == ".htm" || extension == ".html";
}

// The folder of a saved page's resources, "page.files" before "page_files".
std::optional<std::string> CompanionSuffix(FileSystem& fs, const std::string& page) {
    const std::string stem = WithoutExtension(page);
    for (const char* suffix : {".files", "_files"}) {
        if (fs.FolderExists(stem + suffix)) return suffix;
    }
    return std::nullopt;
}

} // namespace

bool Engine::TransferItem(const std::string& source, const std::string& destination) {
    if (source == destination) return true;
    // The journal keeps one path per line; a path with a line break would pair the wrong lines on undo.
    if (ContainsLineBreak(source) || ContainsLineBreak(destination)) return false;

    FileSystem& fs = services_.Fs;
    const bool move = options_.MoveSourceFiles;
    const std::string progress = (move ? "Moving " : "Copying ") + source;
    std::string finalDestination = destination;
    bool transferred = false;
    if (fs.FileExists(source)) {
        finalDestination = FirstFreeFileName(fs, destination);
        if (IsWebPage(source)) {
            if (const auto suffix = CompanionSuffix(fs, source)) {
                TransferItem(WithoutExtension(source) + *suffix, WithoutExtension(finalDestination) + *suffix);
            }
        }
        services_.View.SetStatusText(0, progress);
        transferred = move ? fs.MoveFile(source, finalDestination) : fs.CopyFile(source, finalDestination);
        services_.Pump.Pump();
    } else if (fs.FolderExists(source)) {
        services_.View.SetStatusText(0, progress);
        // The journal names the place the folder got: a file found later at a name it was kept from is
        // not the folder's, and an undo must not take it for a moved file.
        transferred = move ? fs.MoveFolder(source, destination, &finalDestination)
                           : fs.CopyFolder(source, destination, &finalDestination);
    }
    if (!transferred) return false;

    state_.TransferredCount += 1;
    state_.FolderFillCount += 1;
    state_.UndoJournal.AppendPair(source, finalDestination);
    return true;
}

} // namespace varnolt
