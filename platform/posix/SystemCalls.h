// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Thin wrappers over the system calls of the POSIX file system. Each asks the hook first (which may make
// it fail with an errno of its choice), retries on EINTR and reports failure through errno.
#include "platform/posix/PosixFileSystem.h"

#include <dirent.h>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace varnolt::posix {

// An open file descriptor, closed when it goes.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.Release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    ~FileDescriptor();

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Closes now and reports whether the kernel accepted the close (a late write error shows here).
    bool Close();
    // Hands the descriptor over (to a DIR, say): it is no longer closed here.
    int Release();

  private:
    int fd_ = -1;
};

struct CloseDirectory {
    void operator()(DIR* dir) const;
};
using DirectoryHandle = std::unique_ptr<DIR, CloseDirectory>;

class SystemCalls {
  public:
    explicit SystemCalls(SyscallHook* hook) : hook_(hook) {}

    bool Stat(const std::string& path, struct stat& info);     // follows links
    bool LinkStat(const std::string& path, struct stat& info); // the entry itself
    bool FileStat(int fd, const std::string& path, struct stat& info);
    bool ExtendedStat(const std::string& path, struct statx& info); // follows links
    // The same for `path`, whose name from `nameStart` on is an entry of the open folder `folderFd`.
    bool ExtendedStatIn(int folderFd, const std::string& path, std::size_t nameStart, struct statx& info);

    DirectoryHandle OpenDirectory(const std::string& path);
    // The next entry; nullptr at the end (errno 0) or on a failure (errno set).
    dirent* ReadDirectory(DIR* dir, const std::string& path);

    bool MakeDirectory(const std::string& path, mode_t mode);
    bool RemoveDirectory(const std::string& path);
    bool Unlink(const std::string& path);
    // Fails with EEXIST when `to` is taken; never replaces it.
    bool RenameNoReplace(const std::string& from, const std::string& to);
    // RenameNoReplace of a copy of ours between its hidden name and its own, in one folder. The hook
    // sees the hidden one of the two names: this rename never crosses file systems, unlike a move of
    // the user's file.
    bool RenameHidden(const std::string& from, const std::string& to);
    // Replaces `to`: only for the program's own files.
    bool RenameReplacing(const std::string& from, const std::string& to);
    bool Link(const std::string& from, const std::string& to);
    bool Symlink(const std::string& target, const std::string& path);
    std::optional<std::string> ReadLink(const std::string& path);

    FileDescriptor Open(const std::string& path, int flags, mode_t mode = 0);
    // The count of bytes read (0 at the end), or -1.
    long Read(int fd, const std::string& path, char* buffer, std::size_t size);
    // Read at `offset`, leaving the file position alone.
    long ReadAt(int fd, const std::string& path, char* buffer, std::size_t size, off_t offset);
    // Writes every byte, going on after partial writes.
    bool WriteAll(int fd, const std::string& path, std::string_view bytes);
    // WriteAll at `offset`, leaving the file position alone.
    bool WriteAllAt(int fd, const std::string& path, std::string_view bytes, off_t offset);
    bool Sync(int fd, const std::string& path);
    // Sync of the data, and of the metadata only as far as reading the data back needs it (fdatasync).
    bool SyncData(int fd, const std::string& path);
    // The file's size becomes `length`, its space reserved on the disk (fallocate), so that writing
    // into a mapping of it cannot run out of room.
    bool Reserve(int fd, const std::string& path, off_t length);
    bool Truncate(int fd, const std::string& path, off_t length);
    // A shared, writable mapping of `length` bytes of the file from `offset`; nullptr on a failure.
    char* Map(int fd, const std::string& path, off_t offset, std::size_t length);
    void Unmap(char* start, std::size_t length);
    // A write into a mapping: a copy, but a point where the hook can fail it as it would a write.
    bool WriteMapped(char* at, const std::string& path, std::string_view bytes);
    // The f_type of the file system that holds `fd`.
    std::optional<long> FileSystemKind(int fd, const std::string& path);
    // Forces everything written to the file system that holds `fd` onto the disk.
    bool SyncFileSystem(int fd, const std::string& path);
    // The count of bytes copied (0 at the end of the source), or -1.
    long CopyRange(int to, int from, const std::string& path, std::size_t size);
    bool ChangeMode(int fd, const std::string& path, mode_t mode);
    bool SetTimes(int fd, const std::string& path, const struct timespec times[2]);
    bool ChangeModeAt(const std::string& path, mode_t mode);

  private:
    // False (with errno set) when the hook makes this call fail.
    bool Allowed(Syscall call, const std::string& path);

    SyscallHook* hook_;
};

} // namespace varnolt::posix
