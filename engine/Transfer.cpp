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

bool Engine::TransferItem(const std::string& source, const std::string& destination, bool sourceIsFile) {
    if (source == destination) return true;
    // The journal keeps one path per line; a path with a line break would pair the wrong lines on undo.
    if (ContainsLineBreak(source) || ContainsLineBreak(destination)) return false;

    FileSystem& fs = services_.Fs;
    std::string finalDestination = destination;
    bool transferred = false;
    if (sourceIsFile || fs.FileExists(source)) {
        transferred = TransferFile(source, destination, sourceIsFile, finalDestination);
    } else if (fs.FolderExists(source)) {
        services_.View.SetStatusText(0, ProgressText(source));
        // The journal names the place the folder got: a file found later at a name it was kept from is
        // not the folder's, and an undo must not take it for a moved file.
        transferred = options_.MoveSourceFiles ? fs.MoveFolder(source, destination, &finalDestination)
                                               : fs.CopyFolder(source, destination, &finalDestination);
    }
    if (!transferred) return false;

    state_.TransferredCount += 1;
    state_.FolderFillCount += 1;
    state_.UndoJournal.AppendPair(source, finalDestination);
    return true;
}

// A file is placed by trying: the move never replaces and the copy is made exclusively, so a taken name
// only fails, and only then is a free one looked for. A saved page looks first, because its resource
// folder takes the name the page gets.
bool Engine::TransferFile(const std::string& source, const std::string& destination, bool knownFile,
                          std::string& placedAt) {
    FileSystem& fs = services_.Fs;
    const auto place = [&](const std::string& to) {
        if (!options_.MoveSourceFiles) return fs.CopyFile(source, to);
        return knownFile ? fs.MoveKnownFile(source, to) : fs.MoveFile(source, to);
    };
    const bool page = IsWebPage(source);
    placedAt = page ? FirstFreeFileName(fs, destination) : destination;
    if (page) {
        if (const auto suffix = CompanionSuffix(fs, source))
            TransferItem(WithoutExtension(source) + *suffix, WithoutExtension(placedAt) + *suffix);
    }
    services_.View.SetStatusText(0, ProgressText(source));
    bool placed = place(placedAt);
    if (!placed && !page) {
        placedAt = FirstFreeFileName(fs, destination);
        placed = placedAt != destination && place(placedAt);
    }
    services_.Pump.Pump();
    return placed;
}

std::string Engine::ProgressText(const std::string& source) const {
    return (options_.MoveSourceFiles ? "Moving " : "Copying ") + source;
}

} // namespace varnolt
