// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/PosixFileSystem.h"

#include "platform/posix/AppendFile.h"
#include "platform/posix/Copying.h"
#include "platform/posix/Paths.h"
#include "platform/posix/SystemCalls.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <unistd.h>

namespace varnolt {

using posix::FileDescriptor;
using posix::SystemCalls;

const char* SyscallName(Syscall call) {
    switch (call) {
    case Syscall::Stat:
        return "stat";
    case Syscall::OpenDir:
        return "opendir";
    case Syscall::ReadDir:
        return "readdir";
    case Syscall::MakeDir:
        return "mkdir";
    case Syscall::RemoveDir:
        return "rmdir";
    case Syscall::Unlink:
        return "unlink";
    case Syscall::Rename:
        return "rename";
    case Syscall::Link:
        return "link";
    case Syscall::Symlink:
        return "symlink";
    case Syscall::Open:
        return "open";
    case Syscall::Read:
        return "read";
    case Syscall::Write:
        return "write";
    case Syscall::Sync:
        return "fsync";
    case Syscall::Copy:
        return "copy";
    case Syscall::Chmod:
        return "chmod";
    case Syscall::Utimens:
        return "utimens";
    case Syscall::ReadLink:
        return "readlink";
    case Syscall::Reserve:
        return "reserve";
    }
    return "?";
}

namespace {

constexpr mode_t NewFileMode = 0666; // narrowed by the umask
constexpr mode_t NewFolderMode = 0777;

std::string ErrorText(int error) {
    return std::strerror(error);
}

ItemInfo InfoOf(const struct statx& info) {
    ItemInfo item;
    item.Size = info.stx_size;
    item.LastAccessTime = info.stx_atime.tv_sec;
    item.LastWriteTime = info.stx_mtime.tv_sec;
    item.CreationTime = (info.stx_mask & STATX_BTIME) ? info.stx_btime.tv_sec : item.LastWriteTime;
    item.IsFolder = S_ISDIR(info.stx_mode);
    return item;
}

class PosixListedFolder final : public ListedFolder {
  public:
    PosixListedFolder(SystemCalls sys, posix::DirectoryHandle dir, std::string base)
        : sys_(sys), dir_(std::move(dir)), base_(std::move(base)) {}

    std::optional<ItemInfo> ReadItemInfo(const std::string& path) override {
        struct statx info;
        const bool inHere = path.size() > base_.size() && path.starts_with(base_);
        const bool read = inHere ? sys_.ExtendedStatIn(::dirfd(dir_.get()), path, base_.size(), info)
                                 : sys_.ExtendedStat(path, info);
        return read ? std::optional(InfoOf(info)) : std::nullopt;
    }

  private:
    SystemCalls sys_;
    posix::DirectoryHandle dir_;
    std::string base_; // ends with "/"
};

// What the entry `name` at `path` of a listing is: a folder (following a link to where it points), a
// link. Looked at only where the listing's type does not tell.
FolderEntry ListedEntry(SystemCalls& sys, std::string name, const std::string& path, unsigned char type,
                        ino_t inode) {
    FolderEntry entry{std::move(name), type == DT_DIR, type == DT_LNK, static_cast<std::uint64_t>(inode)};
    struct stat info;
    if (type == DT_UNKNOWN && sys.LinkStat(path, info)) {
        entry.IsLink = S_ISLNK(info.st_mode);
        entry.IsFolder = S_ISDIR(info.st_mode);
    }
    if (entry.IsLink) entry.IsFolder = sys.Stat(path, info) && S_ISDIR(info.st_mode);
    return entry;
}

// The lock goes with the descriptor: closed on destruction, and at the end of the process however it ends.
class PosixFileLock final : public FileLock {
  public:
    explicit PosixFileLock(FileDescriptor fd) : fd_(std::move(fd)) {}

  private:
    FileDescriptor fd_;
};

// Creates a new file of ours beside `path`, under a name that nothing else uses.
FileDescriptor CreateFileBeside(SystemCalls& sys, const std::string& path, std::string& created) {
    const std::string prefix = posix::WithoutTrailingSlash(path) + ".new-" + std::to_string(::getpid()) + "-";
    for (int attempt = 1;; ++attempt) {
        created = prefix + std::to_string(attempt);
        FileDescriptor fd = sys.Open(created, O_WRONLY | O_CREAT | O_EXCL, NewFileMode);
        // A leftover of an earlier process of the same number only moves us on to the next name.
        if (fd.IsOpen() || errno != EEXIST || attempt == 100) return fd;
    }
}

// The file that a replacement of `path` is for: the end of the chain of symbolic links at `path`, so
// that a link stays a link and the file it points to gets the content. Fails with ELOOP on a chain
// that does not end.
std::optional<std::string> LinkedFile(SystemCalls& sys, std::string path) {
    constexpr int MaxLinks = 40; // as the kernel follows them
    for (int links = 0; links <= MaxLinks; ++links) {
        struct stat info;
        if (!sys.LinkStat(path, info) || !S_ISLNK(info.st_mode)) return path;
        const auto target = sys.ReadLink(path);
        if (!target) return std::nullopt;
        if (target->starts_with('/')) {
            path = *target;
        } else {
            const std::string folder = posix::ParentOf(path);
            path = (folder.ends_with('/') ? folder : folder + "/") + *target;
        }
    }
    errno = ELOOP;
    return std::nullopt;
}

// The permission bits of the file that a replacement takes the place of, so that a list kept private
// stays private; none for a new file, which gets the umask's. False when they cannot be read.
bool ModeToKeep(SystemCalls& sys, const std::string& path, std::optional<mode_t>& mode) {
    struct stat info;
    if (sys.Stat(path, info)) mode = info.st_mode & 07777;
    return mode || errno == ENOENT;
}

} // namespace

PosixFileSystem::PosixFileSystem(SyscallHook* hook) : hook_(hook) {}

bool PosixFileSystem::FolderExists(const std::string& path) {
    struct stat info;
    return SystemCalls(hook_).Stat(path, info) && S_ISDIR(info.st_mode);
}

bool PosixFileSystem::FileExists(const std::string& path) {
    struct stat info;
    return SystemCalls(hook_).Stat(path, info) && !S_ISDIR(info.st_mode);
}

std::optional<ItemInfo> PosixFileSystem::ReadItemInfo(const std::string& path) {
    struct statx info;
    if (!SystemCalls(hook_).ExtendedStat(path, info)) return std::nullopt;
    return InfoOf(info);
}

std::optional<FolderIdentity> PosixFileSystem::IdentifyFolder(const std::string& path) {
    struct stat info;
    if (!SystemCalls(hook_).Stat(path, info) || !S_ISDIR(info.st_mode)) return std::nullopt;
    return FolderIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

std::optional<FileStamp> PosixFileSystem::StampOf(const std::string& path) {
    struct stat info;
    if (!SystemCalls(hook_).Stat(path, info)) return std::nullopt;
    return FileStamp{static_cast<std::uint64_t>(info.st_dev),
                     static_cast<std::uint64_t>(info.st_ino),
                     static_cast<std::uint64_t>(info.st_size),
                     info.st_mtim.tv_sec,
                     info.st_mtim.tv_nsec,
                     S_ISDIR(info.st_mode)};
}

bool PosixFileSystem::EntryExists(const std::string& path) {
    struct stat info;
    return SystemCalls(hook_).LinkStat(path, info);
}

std::unique_ptr<ListedFolder> PosixFileSystem::ListFolder(const std::string& path,
                                                          std::vector<FolderEntry>& entries) {
    entries.clear();
    SystemCalls sys(hook_);
    posix::DirectoryHandle dir = sys.OpenDirectory(path);
    if (!dir) return nullptr;
    std::string base = path.ends_with('/') ? path : path + "/";
    while (const dirent* entry = sys.ReadDirectory(dir.get(), path)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        const std::string full = base + name;
        entries.push_back(ListedEntry(sys, std::move(name), full, entry->d_type, entry->d_ino));
    }
    if (errno != 0) return nullptr;
    return std::make_unique<PosixListedFolder>(sys, std::move(dir), std::move(base));
}

FsResult PosixFileSystem::MakeFolder(const std::string& path) {
    return FsResult::FromErrno(SystemCalls(hook_).MakeDirectory(path, NewFolderMode));
}

FsResult PosixFileSystem::RemoveFolder(const std::string& path) {
    return FsResult::FromErrno(SystemCalls(hook_).RemoveDirectory(path));
}

FsResult PosixFileSystem::DeleteFile(const std::string& path) {
    return FsResult::FromErrno(SystemCalls(hook_).Unlink(path));
}

namespace {

// Each piece of the open file in turn.
bool ReadOpenFile(SystemCalls& sys, const FileDescriptor& fd, const std::string& path, std::string& error,
                  const std::function<void(std::string_view)>& piece) {
    constexpr std::size_t PieceSize = 1024 * 1024;
    const auto buffer = std::make_unique<char[]>(PieceSize);
    for (;;) {
        const long got = sys.Read(fd.Get(), path, buffer.get(), PieceSize);
        if (got < 0) {
            error = ErrorText(errno);
            return false;
        }
        if (got == 0) return true;
        piece(std::string_view(buffer.get(), static_cast<std::size_t>(got)));
    }
}

// Non-blocking: a fifo in the file's place must not hang the program.
FileDescriptor OpenOwnFile(SystemCalls& sys, const std::string& path, std::string& error) {
    FileDescriptor fd = sys.Open(path, O_RDONLY | O_NONBLOCK);
    if (!fd.IsOpen()) error = ErrorText(errno);
    return fd;
}

} // namespace

std::optional<std::string> PosixFileSystem::ReadWholeFile(const std::string& path, std::string& error) {
    SystemCalls sys(hook_);
    const FileDescriptor fd = OpenOwnFile(sys, path, error);
    if (!fd.IsOpen()) return std::nullopt;
    std::string content;
    // Grown once for the whole file rather than step by step.
    if (struct stat info; sys.FileStat(fd.Get(), path, info) && S_ISREG(info.st_mode))
        content.reserve(static_cast<std::size_t>(info.st_size));
    if (!ReadOpenFile(sys, fd, path, error, [&](std::string_view piece) { content += piece; }))
        return std::nullopt;
    return content;
}

FsResult PosixFileSystem::ReadInPieces(const std::string& path,
                                       const std::function<void(std::string_view)>& piece) {
    SystemCalls sys(hook_);
    std::string ignored;
    const FileDescriptor fd = OpenOwnFile(sys, path, ignored);
    return FsResult::FromErrno(fd.IsOpen() && ReadOpenFile(sys, fd, path, ignored, piece));
}

FsResult PosixFileSystem::ReadPart(const std::string& path, std::uint64_t offset, std::size_t size,
                                   std::string& bytes) {
    SystemCalls sys(hook_);
    std::string ignored;
    const FileDescriptor fd = OpenOwnFile(sys, path, ignored);
    if (!fd.IsOpen()) return FsResult::FromErrno(false);
    bytes.resize(size);
    std::size_t got = 0;
    while (got < size) {
        const long part =
            sys.ReadAt(fd.Get(), path, bytes.data() + got, size - got, static_cast<off_t>(offset + got));
        if (part < 0) return FsResult::FromErrno(false);
        if (part == 0) break;
        got += static_cast<std::size_t>(part);
    }
    bytes.resize(got);
    return {};
}

bool PosixFileSystem::ReplaceFile(const std::string& linkOrFile, std::string_view content,
                                  std::string& error) {
    SystemCalls sys(hook_);
    const auto file = LinkedFile(sys, linkOrFile);
    std::optional<mode_t> mode;
    if (!file || !ModeToKeep(sys, *file, mode)) {
        error = ErrorText(errno);
        return false;
    }
    const std::string& path = *file;
    std::string temporary;
    FileDescriptor fd = CreateFileBeside(sys, path, temporary);
    if (!fd.IsOpen()) {
        error = ErrorText(errno);
        return false;
    }
    if ((mode && !sys.ChangeMode(fd.Get(), temporary, *mode)) ||
        !sys.WriteAll(fd.Get(), temporary, content) || !sys.Sync(fd.Get(), temporary) || !fd.Close() ||
        !sys.RenameReplacing(temporary, path)) {
        error = ErrorText(errno);
        fd.Close();
        sys.Unlink(temporary);
        return false;
    }
    // The new name must reach the disk too, or a crash could bring back the old file.
    if (!posix::SyncFolder(sys, posix::ParentOf(path))) {
        error = ErrorText(errno);
        return false;
    }
    return true;
}

std::unique_ptr<AppendFile> PosixFileSystem::CreateAppendFile(const std::string& path,
                                                              std::error_code& error) {
    SystemCalls sys(hook_);
    // Readable too, for the mapping. Non-blocking: a fifo in the file's place must not wait for a reader.
    // Not O_APPEND, under which Linux writes every pwrite at the end: appends go at the known length.
    FileDescriptor fd = sys.Open(path, O_RDWR | O_CREAT | O_TRUNC | O_NONBLOCK, NewFileMode);
    struct stat info;
    const bool opened = fd.IsOpen() && sys.FileStat(fd.Get(), path, info);
    if (!opened || !S_ISREG(info.st_mode)) {
        // A fifo or a device would take lines that never reach a disk.
        error = FsResult::Failed(opened ? ENXIO : errno).Error();
        return nullptr;
    }
    return std::make_unique<posix::PosixAppendFile>(sys, std::move(fd), path);
}

FsResult PosixFileSystem::ReplaceWith(const std::string& from, const std::string& to) {
    return FsResult::FromErrno(SystemCalls(hook_).RenameReplacing(from, to));
}

std::unique_ptr<FileLock> PosixFileSystem::TryLock(const std::string& folder, bool& heldElsewhere,
                                                   std::error_code& error) {
    heldElsewhere = false;
    error.clear();
    // The folder itself, not a file in it: a lock file removed or replaced during a run would let a
    // second process lock the new one. Close-on-exec: a file manager started from the program must not
    // keep the lock alive.
    FileDescriptor fd = SystemCalls(hook_).Open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    if (!fd.IsOpen()) {
        error = FsResult::Failed(errno).Error();
        return nullptr;
    }
    int result;
    do
        result = ::flock(fd.Get(), LOCK_EX | LOCK_NB);
    while (result == -1 && errno == EINTR);
    if (result == 0) return std::make_unique<PosixFileLock>(std::move(fd));
    heldElsewhere = errno == EWOULDBLOCK;
    if (!heldElsewhere) error = FsResult::Failed(errno).Error();
    return nullptr;
}

} // namespace varnolt
