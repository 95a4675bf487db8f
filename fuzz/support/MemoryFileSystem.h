// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file system in memory for the fuzz targets: fast, deterministic, and strict. It keeps the promises
// of the FileSystem interface (a move or copy never replaces an entry) and records every change, so a
// target can check what the engine asked for.
#include "platform/FileSystem.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace varnolt::fuzz {

struct MemoryFile {
    std::string Content;
    ItemInfo Info;
};

struct Change {
    enum Kind { MakeFolder, RemoveFolder, DeleteFile, MoveFile, CopyFile, MoveFolder, CopyFolder } What;
    std::string From; // empty for a change of one path
    std::string To;
};

class MemoryFileSystem final : public FileSystem {
  public:
    // Paths are absolute, "/" between levels, no trailing "/"; "/" itself always exists.
    std::map<std::string, MemoryFile> Files;
    std::set<std::string> Folders{"/"};
    std::vector<Change> Changes;

    void AddFolderWithParents(const std::string& path);
    void AddFile(const std::string& path, MemoryFile file);
    // Every file whose path lies below `folder`.
    std::vector<std::string> FilesBelow(const std::string& folder) const;

    bool FolderExists(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    std::optional<ItemInfo> ReadItemInfo(const std::string& path) override;
    std::optional<FolderIdentity> IdentifyFolder(const std::string& path) override;
    std::optional<FileStamp> StampOf(const std::string& path) override;
    bool EntryExists(const std::string& path) override;
    std::unique_ptr<ListedFolder> ListFolder(const std::string& path,
                                             std::vector<FolderEntry>& entries) override;

    FsResult MakeFolder(const std::string& path) override;
    FsResult RemoveFolder(const std::string& path) override;
    FsResult DeleteFile(const std::string& path) override;

    FsResult MoveFile(const std::string& from, const std::string& to) override;
    FsResult CopyFile(const std::string& from, const std::string& to, PlacedFile* placed = nullptr) override;
    FsResult MoveFolder(const std::string& from, const std::string& to, std::string* placedAt = nullptr,
                        std::int64_t* nextNumber = nullptr) override;
    FsResult CopyFolder(const std::string& from, const std::string& to, std::string* placedAt = nullptr,
                        std::int64_t* nextNumber = nullptr) override;

    std::optional<std::string> ReadWholeFile(const std::string& path, std::string& error) override;
    FsResult ReadInPieces(const std::string& path,
                          const std::function<void(std::string_view)>& piece) override;
    FsResult ReadPart(const std::string& path, std::uint64_t offset, std::size_t size,
                      std::string& bytes) override;
    bool ReplaceFile(const std::string& path, std::string_view content, std::string& error) override;
    std::unique_ptr<AppendFile> CreateAppendFile(const std::string& path, std::error_code& error) override;
    FsResult ReplaceWith(const std::string& from, const std::string& to) override;
    std::unique_ptr<FileLock> TryLock(const std::string& folder, bool& heldElsewhere,
                                      std::error_code& error) override;
    FsResult RemoveLeftoverPartials(const std::string& folder) override;

  private:
    bool Taken(const std::string& path) const;
    bool HasParentFolder(const std::string& path) const;
    bool CanPlaceFile(const std::string& from, const std::string& to) const;
    bool TransferFolder(const std::string& from, const std::string& to, bool move, std::string* placedAt,
                        std::int64_t* nextNumber);
};

// The path as the file system resolves it: "//" and trailing "/" dropped; "." and ".." kept as they are.
std::string Canonical(const std::string& path);

} // namespace varnolt::fuzz
