// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/support/MemoryFileSystem.h"

#include "engine/Text.h"

#include <algorithm>
#include <filesystem>
#include <functional>

namespace varnolt::fuzz {

namespace {

// The memory file system does not tell reasons apart.
FsResult Refused() {
    return FsResult::Failed(EPERM);
}

std::string ParentOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

// "a/", "a/." and "a/.." name folders only, as on a real file system.
bool CouldNameFile(const std::string& path) {
    return !path.ends_with('/') && !path.ends_with("/.") && !path.ends_with("/..") && path != "." &&
           path != "..";
}

bool IsBelow(const std::string& path, const std::string& folder) {
    const std::string prefix = folder == "/" ? "/" : folder + "/";
    return path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0;
}

// The journal side file: lines go straight into the file in memory.
class MemoryAppendFile final : public AppendFile {
  public:
    explicit MemoryAppendFile(std::string& content) : content_(content) {}
    FsResult Append(std::string_view bytes) override {
        content_ += bytes;
        return {};
    }
    FsResult Sync() override { return {}; }
    FsResult SyncWritten() override { return {}; }
    FsResult Overwrite(std::uint64_t offset, std::string_view bytes) override {
        if (offset > content_.size() || bytes.size() > content_.size() - offset)
            return FsResult::Failed(EINVAL);
        content_.replace(offset, bytes.size(), bytes);
        return {};
    }
    FsResult TakeBack(std::size_t size) override {
        if (size > content_.size()) return FsResult::Failed(EINVAL);
        content_.resize(content_.size() - size);
        return {};
    }

  private:
    std::string& content_;
};

} // namespace

std::string Canonical(const std::string& path) {
    std::string out = std::filesystem::path(path).lexically_normal().string();
    while (out.size() > 1 && out.back() == '/')
        out.pop_back();
    return out;
}

void MemoryFileSystem::AddFolderWithParents(const std::string& path) {
    for (std::string folder = Canonical(path); folder != "/"; folder = ParentOf(folder))
        Folders.insert(folder);
}

void MemoryFileSystem::AddFile(const std::string& path, MemoryFile file) {
    AddFolderWithParents(ParentOf(Canonical(path)));
    Files[Canonical(path)] = std::move(file);
}

std::vector<std::string> MemoryFileSystem::FilesBelow(const std::string& folder) const {
    std::vector<std::string> found;
    for (const auto& [path, file] : Files)
        if (IsBelow(path, Canonical(folder))) found.push_back(path);
    return found;
}

bool MemoryFileSystem::Taken(const std::string& path) const {
    return Files.count(path) || Folders.count(path);
}

// Only absolute paths name anything, as for a process whose working folder is gone.
bool MemoryFileSystem::HasParentFolder(const std::string& path) const {
    return path.starts_with('/') && path != "/" && Folders.count(ParentOf(path)) > 0;
}

// A file move or copy never replaces anything and needs the destination's folder.
bool MemoryFileSystem::CanPlaceFile(const std::string& from, const std::string& to) const {
    const std::string target = Canonical(to);
    return CouldNameFile(from) && CouldNameFile(to) && !Taken(target) && HasParentFolder(target);
}

bool MemoryFileSystem::FolderExists(const std::string& path) {
    return Folders.count(Canonical(path)) > 0;
}

bool MemoryFileSystem::FileExists(const std::string& path) {
    return CouldNameFile(path) && Files.count(Canonical(path)) > 0;
}

std::optional<ItemInfo> MemoryFileSystem::ReadItemInfo(const std::string& path) {
    const std::string key = Canonical(path);
    if (const auto file = Files.find(key); file != Files.end()) return file->second.Info;
    if (Folders.count(key)) return ItemInfo{0, 0, 0, 0, true};
    return std::nullopt;
}

std::optional<FolderIdentity> MemoryFileSystem::IdentifyFolder(const std::string& path) {
    const auto folder = Folders.find(Canonical(path));
    if (folder == Folders.end()) return std::nullopt;
    return FolderIdentity{1, std::hash<std::string>{}(*folder)};
}

// Every path is its own entry: a copy is another file than its original.
std::optional<FileStamp> MemoryFileSystem::StampOf(const std::string& path) {
    const std::string key = Canonical(path);
    const std::uint64_t inode = std::hash<std::string>{}(key);
    if (const auto file = Files.find(key); file != Files.end())
        return FileStamp{1, inode, file->second.Info.Size, file->second.Info.LastWriteTime, 0, false};
    if (Folders.count(key)) return FileStamp{1, inode, 0, 0, 0, true};
    return std::nullopt;
}

bool MemoryFileSystem::EntryExists(const std::string& path) {
    return Taken(Canonical(path));
}

namespace {

// Nothing is held open in memory: the facts come by path.
class MemoryListedFolder final : public ListedFolder {
  public:
    explicit MemoryListedFolder(MemoryFileSystem& fs) : fs_(fs) {}
    std::optional<ItemInfo> ReadItemInfo(const std::string& path) override { return fs_.ReadItemInfo(path); }

  private:
    MemoryFileSystem& fs_;
};

} // namespace

std::unique_ptr<ListedFolder> MemoryFileSystem::ListFolder(const std::string& path,
                                                           std::vector<FolderEntry>& entries) {
    const std::string folder = Canonical(path);
    if (!Folders.count(folder)) return nullptr;
    entries.clear();
    for (const auto& [file, content] : Files)
        if (ParentOf(file) == folder) entries.push_back({NameOf(file), false, false});
    for (const std::string& sub : Folders)
        if (sub != "/" && ParentOf(sub) == folder) entries.push_back({NameOf(sub), true, false});
    return std::make_unique<MemoryListedFolder>(*this);
}

FsResult MemoryFileSystem::MakeFolder(const std::string& path) {
    const std::string folder = Canonical(path);
    if (Taken(folder) || !HasParentFolder(folder)) return Refused();
    Folders.insert(folder);
    Changes.push_back({Change::MakeFolder, "", folder});
    return {};
}

FsResult MemoryFileSystem::RemoveFolder(const std::string& path) {
    const std::string folder = Canonical(path);
    if (folder == "/" || !Folders.count(folder)) return Refused();
    for (const auto& [file, content] : Files)
        if (IsBelow(file, folder)) return Refused();
    for (const std::string& sub : Folders)
        if (IsBelow(sub, folder)) return Refused();
    Folders.erase(folder);
    Changes.push_back({Change::RemoveFolder, "", folder});
    return {};
}

FsResult MemoryFileSystem::DeleteFile(const std::string& path) {
    if (!CouldNameFile(path) || !Files.erase(Canonical(path))) return Refused();
    Changes.push_back({Change::DeleteFile, "", Canonical(path)});
    return {};
}

FsResult MemoryFileSystem::MoveFile(const std::string& from, const std::string& to) {
    const std::string source = Canonical(from), target = Canonical(to);
    const auto file = Files.find(source);
    if (file == Files.end() || !CanPlaceFile(from, to)) return Refused();
    MemoryFile moved = std::move(file->second);
    Files.erase(file);
    Files[target] = std::move(moved);
    Changes.push_back({Change::MoveFile, source, target});
    return {};
}

FsResult MemoryFileSystem::CopyFile(const std::string& from, const std::string& to, PlacedFile* placed) {
    const std::string source = Canonical(from), target = Canonical(to);
    const auto file = Files.find(source);
    if (file == Files.end() || !CanPlaceFile(from, to)) return Refused();
    Files[target] = file->second;
    Changes.push_back({Change::CopyFile, source, target});
    if (placed) *placed = {true, StampOf(target)};
    return {};
}

bool MemoryFileSystem::TransferFolder(const std::string& from, const std::string& to, bool move,
                                      std::string* placedAt, std::int64_t* nextNumber) {
    const std::string source = Canonical(from);
    const auto numbered = [&](std::int64_t n) {
        return n == 1 ? Canonical(to) : Canonical(to) + " (" + std::to_string(n) + ")";
    };
    std::int64_t n = nextNumber ? std::max<std::int64_t>(*nextNumber, 1) : 1;
    std::string target = numbered(n);
    if (!Folders.count(source) || !HasParentFolder(target) || IsBelow(target, source)) return false;
    while (Taken(target))
        target = numbered(++n);
    if (nextNumber) *nextNumber = n + 1;
    const auto rebase = [&](const std::string& path) { return target + path.substr(source.size()); };
    std::set<std::string> folders{source};
    for (const std::string& sub : Folders)
        if (IsBelow(sub, source)) folders.insert(sub);
    std::vector<std::string> files;
    for (const auto& [file, content] : Files)
        if (IsBelow(file, source)) files.push_back(file);
    for (const std::string& folder : folders)
        Folders.insert(rebase(folder));
    for (const std::string& file : files)
        Files[rebase(file)] = Files[file];
    if (move) {
        for (const std::string& file : files)
            Files.erase(file);
        for (const std::string& folder : folders)
            Folders.erase(folder);
    }
    Changes.push_back({move ? Change::MoveFolder : Change::CopyFolder, source, target});
    if (placedAt) *placedAt = target;
    return true;
}

FsResult MemoryFileSystem::MoveFolder(const std::string& from, const std::string& to, std::string* placedAt,
                                      std::int64_t* nextNumber) {
    return FsResult::FromErrno(TransferFolder(from, to, true, placedAt, nextNumber));
}

FsResult MemoryFileSystem::CopyFolder(const std::string& from, const std::string& to, std::string* placedAt,
                                      std::int64_t* nextNumber) {
    return FsResult::FromErrno(TransferFolder(from, to, false, placedAt, nextNumber));
}

std::optional<std::string> MemoryFileSystem::ReadWholeFile(const std::string& path, std::string& error) {
    const auto file = Files.find(Canonical(path));
    if (file == Files.end()) {
        error = "No such file: " + path;
        return std::nullopt;
    }
    return file->second.Content;
}

FsResult MemoryFileSystem::ReadInPieces(const std::string& path,
                                        const std::function<void(std::string_view)>& piece) {
    std::string ignored;
    const auto content = ReadWholeFile(path, ignored);
    if (!content) return FsResult::Failed(ENOENT);
    // Small pieces of an odd size, so that lines, CR LF pairs and UTF-16 units fall across their edges.
    constexpr std::size_t PieceSize = 7;
    for (std::size_t at = 0; at < content->size(); at += PieceSize)
        piece(std::string_view(*content).substr(at, PieceSize));
    return {};
}

FsResult MemoryFileSystem::ReadPart(const std::string& path, std::uint64_t offset, std::size_t size,
                                    std::string& bytes) {
    const auto file = Files.find(Canonical(path));
    if (file == Files.end()) return FsResult::Failed(ENOENT);
    const std::string& content = file->second.Content;
    bytes = offset < content.size() ? content.substr(offset, size) : std::string();
    return {};
}

bool MemoryFileSystem::ReplaceFile(const std::string& path, std::string_view content, std::string& error) {
    if (!HasParentFolder(Canonical(path))) {
        error = "No folder for " + path;
        return false;
    }
    Files[Canonical(path)].Content = std::string(content);
    return true;
}

std::unique_ptr<AppendFile> MemoryFileSystem::CreateAppendFile(const std::string& path,
                                                               std::error_code& error) {
    if (!HasParentFolder(Canonical(path))) {
        error = std::make_error_code(std::errc::no_such_file_or_directory);
        return nullptr;
    }
    MemoryFile& file = Files[Canonical(path)];
    file.Content.clear();
    return std::make_unique<MemoryAppendFile>(file.Content);
}

FsResult MemoryFileSystem::ReplaceWith(const std::string& from, const std::string& to) {
    const auto file = Files.find(Canonical(from));
    if (file == Files.end()) return Refused();
    MemoryFile moved = std::move(file->second);
    Files.erase(file);
    Files[Canonical(to)] = std::move(moved);
    return {};
}

// One process: the lock is always free.
std::unique_ptr<FileLock> MemoryFileSystem::TryLock(const std::string&, bool& heldElsewhere,
                                                    std::error_code& error) {
    heldElsewhere = false;
    error.clear();
    return std::make_unique<FileLock>();
}

// Its copies are made whole in one step: none is ever left partial.
FsResult MemoryFileSystem::RemoveLeftoverPartials(const std::string&) {
    return {};
}

} // namespace varnolt::fuzz
