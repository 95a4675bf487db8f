// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file system on Linux. Nothing here ever replaces an entry of the user's: moves and copies create
// their destination exclusively, and a failure on the way leaves the source as it was and no partial
// destination behind.
#include "platform/FileSystem.h"

#include <string>

namespace varnolt {

// The kinds of system call this file system makes, each one a point where a hook can make it fail.
enum class Syscall {
    Stat,      // fstatat, fstat, statx
    OpenDir,   // openat of a folder to list
    ReadDir,   // readdir
    MakeDir,   // mkdirat
    RemoveDir, // unlinkat of a folder
    Unlink,    // unlinkat
    Rename,    // renameat2, and renameat where one of the program's own files is replaced on purpose
    Link,      // linkat
    Symlink,   // symlinkat
    Open,      // openat
    Read,      // read
    Write,     // write
    Sync,      // fsync, syncfs
    Copy,      // copy_file_range
    Chmod,     // fchmod, fchmodat
    Utimens,   // futimens
    ReadLink,  // readlinkat
    Reserve,   // fallocate, ftruncate and mmap of the journal's side file
};
inline constexpr int SyscallKindCount = static_cast<int>(Syscall::Reserve) + 1;

const char* SyscallName(Syscall call);

// Sees every system call just before it is made. `path` is the entry the call acts on; for a call that
// involves two paths (rename, link, symlink, copying data) it is the one being created or written.
class SyscallHook {
  public:
    virtual ~SyscallHook() = default;
    // An errno value to make the call fail with (the call is then not made), or 0 to let it run.
    virtual int Before(Syscall call, const std::string& path) = 0;
};

class PosixFileSystem final : public FileSystem {
  public:
    explicit PosixFileSystem(SyscallHook* hook = nullptr);

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
    FsResult MoveKnownFile(const std::string& from, const std::string& to,
                           PlacedFile* placed = nullptr) override;
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
    SyscallHook* hook_;
};

} // namespace varnolt
