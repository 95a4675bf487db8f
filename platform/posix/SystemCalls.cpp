// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/SystemCalls.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>
#include <sys/mman.h>
#include <sys/vfs.h>
#include <type_traits>
#include <unistd.h>

namespace varnolt::posix {

namespace {

// Runs a system call again for as long as a signal interrupts it (slow and network file systems can
// be interrupted in any call).
template <typename Call> auto RetryOnInterrupt(Call call) {
    for (;;) {
        auto result = call();
        bool failed = false;
        if constexpr (std::is_pointer_v<decltype(result)>)
            failed = result == nullptr;
        else
            failed = result == -1;
        if (!failed || errno != EINTR) return result;
    }
}

// The same for the calls whose only result is success or failure.
template <typename Call> bool Succeeds(Call call) {
    return RetryOnInterrupt(call) == 0;
}

// Opens the folder `folder` (ending in "/") a piece at a time, each piece a run of whole names shorter
// than PATH_MAX, so that the kernel resolves every piece (links, "..") as it would the whole path.
FileDescriptor OpenFolderInPieces(std::string_view folder) {
    FileDescriptor at;
    while (!folder.empty()) {
        std::size_t take = folder.size();
        if (take >= PATH_MAX) {
            const std::size_t slash = folder.rfind('/', PATH_MAX - 2);
            if (slash == std::string_view::npos) {
                errno = ENAMETOOLONG; // one name longer than any path
                return FileDescriptor();
            }
            take = slash + 1;
        }
        const std::string piece(folder.substr(0, take));
        const int fd = RetryOnInterrupt([&] {
            return ::openat(at.IsOpen() ? at.Get() : AT_FDCWD, piece.c_str(),
                            O_PATH | O_DIRECTORY | O_CLOEXEC);
        });
        if (fd < 0) return FileDescriptor();
        at = FileDescriptor(fd);
        folder.remove_prefix(take);
        // The next piece is relative to the folder just opened, never to the root.
        while (!folder.empty() && folder.front() == '/')
            folder.remove_prefix(1);
    }
    return at;
}

// A path as the *at calls take it: a folder handle and a name in that folder. A path the kernel takes
// whole stays whole, relative to the working folder; the folder of a longer one is opened in pieces.
class AtPath {
  public:
    explicit AtPath(const std::string& path) : name_(path.c_str()) {
        if (path.size() < PATH_MAX) return;
        // The last name keeps its trailing "/"s: they still ask for a folder.
        const std::size_t end = path.find_last_not_of('/');
        const std::size_t slash = end == std::string::npos ? end : path.rfind('/', end);
        if (slash == std::string::npos) {
            errno = ENAMETOOLONG;
            ready_ = false;
            return;
        }
        name_ = path.c_str() + slash + 1;
        folder_ = OpenFolderInPieces(std::string_view(path).substr(0, slash + 1));
        ready_ = folder_.IsOpen();
    }

    // False, with errno set, when the folder of a long path cannot be opened.
    bool Ready() const { return ready_; }
    int Folder() const { return folder_.IsOpen() ? folder_.Get() : AT_FDCWD; }
    const char* Name() const { return name_; }

  private:
    FileDescriptor folder_;
    const char* name_;
    bool ready_ = true;
};

// Runs `call(folder, name)` for `path`, retried on EINTR; false when it fails.
template <typename Call> bool SucceedsAt(const std::string& path, Call call) {
    const AtPath at(path);
    return at.Ready() && Succeeds([&] { return call(at.Folder(), at.Name()); });
}

// The same for a call that names two entries.
template <typename Call> bool SucceedsBetween(const std::string& from, const std::string& to, Call call) {
    const AtPath source(from);
    if (!source.Ready()) return false;
    const AtPath target(to);
    return target.Ready() &&
           Succeeds([&] { return call(source.Folder(), source.Name(), target.Folder(), target.Name()); });
}

} // namespace

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.Release();
    }
    return *this;
}

FileDescriptor::~FileDescriptor() {
    Close();
}

bool FileDescriptor::Close() {
    if (fd_ < 0) return true;
    // Not retried on EINTR: Linux has released the descriptor already.
    const int result = ::close(Release());
    return result == 0 || errno == EINTR;
}

int FileDescriptor::Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

void CloseDirectory::operator()(DIR* dir) const {
    ::closedir(dir);
}

bool SystemCalls::Allowed(Syscall call, const std::string& path) {
    if (!hook_) return true;
    const int error = hook_->Before(call, path);
    if (error == 0) return true;
    errno = error;
    return false;
}

bool SystemCalls::Stat(const std::string& path, struct stat& info) {
    return Allowed(Syscall::Stat, path) &&
           SucceedsAt(path, [&](int at, const char* name) { return ::fstatat(at, name, &info, 0); });
}

bool SystemCalls::LinkStat(const std::string& path, struct stat& info) {
    return Allowed(Syscall::Stat, path) && SucceedsAt(path, [&](int at, const char* name) {
               return ::fstatat(at, name, &info, AT_SYMLINK_NOFOLLOW);
           });
}

bool SystemCalls::FileStat(int fd, const std::string& path, struct stat& info) {
    return Allowed(Syscall::Stat, path) && Succeeds([&] { return ::fstat(fd, &info); });
}

namespace {

int ExtendedStatCall(int at, const char* name, struct statx& info) {
    return ::statx(at, name, AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS | STATX_BTIME, &info);
}

} // namespace

bool SystemCalls::ExtendedStat(const std::string& path, struct statx& info) {
    return Allowed(Syscall::Stat, path) &&
           SucceedsAt(path, [&](int at, const char* name) { return ExtendedStatCall(at, name, info); });
}

bool SystemCalls::ExtendedStatIn(int folderFd, const std::string& path, std::size_t nameStart,
                                 struct statx& info) {
    return Allowed(Syscall::Stat, path) &&
           Succeeds([&] { return ExtendedStatCall(folderFd, path.c_str() + nameStart, info); });
}

DirectoryHandle SystemCalls::OpenDirectory(const std::string& path) {
    if (!Allowed(Syscall::OpenDir, path)) return nullptr;
    const AtPath at(path);
    if (!at.Ready()) return nullptr;
    FileDescriptor fd(RetryOnInterrupt(
        [&] { return ::openat(at.Folder(), at.Name(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
    if (!fd.IsOpen()) return nullptr;
    DIR* dir = ::fdopendir(fd.Get());
    if (dir) fd.Release();
    return DirectoryHandle(dir);
}

dirent* SystemCalls::ReadDirectory(DIR* dir, const std::string& path) {
    if (!Allowed(Syscall::ReadDir, path)) return nullptr;
    errno = 0;
    return ::readdir(dir);
}

bool SystemCalls::MakeDirectory(const std::string& path, mode_t mode) {
    return Allowed(Syscall::MakeDir, path) &&
           SucceedsAt(path, [&](int at, const char* name) { return ::mkdirat(at, name, mode); });
}

bool SystemCalls::RemoveDirectory(const std::string& path) {
    return Allowed(Syscall::RemoveDir, path) &&
           SucceedsAt(path, [&](int at, const char* name) { return ::unlinkat(at, name, AT_REMOVEDIR); });
}

bool SystemCalls::Unlink(const std::string& path) {
    return Allowed(Syscall::Unlink, path) &&
           SucceedsAt(path, [&](int at, const char* name) { return ::unlinkat(at, name, 0); });
}

bool SystemCalls::RenameNoReplace(const std::string& from, const std::string& to) {
    return Allowed(Syscall::Rename, to) &&
           SucceedsBetween(from, to, [](int fromAt, const char* fromName, int toAt, const char* toName) {
               return ::renameat2(fromAt, fromName, toAt, toName, RENAME_NOREPLACE);
           });
}

bool SystemCalls::RenameHidden(const std::string& from, const std::string& to) {
    const std::size_t nameStart = to.rfind('/') + 1; // 0 without a folder
    const bool toHidden = std::string_view(to).substr(nameStart).starts_with(kPartialCopyPrefix);
    return Allowed(Syscall::Rename, toHidden ? to : from) &&
           SucceedsBetween(from, to, [](int fromAt, const char* fromName, int toAt, const char* toName) {
               return ::renameat2(fromAt, fromName, toAt, toName, RENAME_NOREPLACE);
           });
}

bool SystemCalls::RenameReplacing(const std::string& from, const std::string& to) {
    return Allowed(Syscall::Rename, to) &&
           SucceedsBetween(from, to, [](int fromAt, const char* fromName, int toAt, const char* toName) {
               return ::renameat(fromAt, fromName, toAt, toName);
           });
}

bool SystemCalls::Link(const std::string& from, const std::string& to) {
    // Flags 0: the link itself gets the new name, as link() does on Linux.
    return Allowed(Syscall::Link, to) &&
           SucceedsBetween(from, to, [](int fromAt, const char* fromName, int toAt, const char* toName) {
               return ::linkat(fromAt, fromName, toAt, toName, 0);
           });
}

bool SystemCalls::Symlink(const std::string& target, const std::string& path) {
    return Allowed(Syscall::Symlink, path) &&
           SucceedsAt(path, [&](int at, const char* name) { return ::symlinkat(target.c_str(), at, name); });
}

std::optional<std::string> SystemCalls::ReadLink(const std::string& path) {
    if (!Allowed(Syscall::ReadLink, path)) return std::nullopt;
    // A link's target can be as long as PATH_MAX; a result that fills the buffer may have been cut.
    std::string target(PATH_MAX, '\0');
    const AtPath at(path);
    if (!at.Ready()) return std::nullopt;
    const ssize_t length =
        RetryOnInterrupt([&] { return ::readlinkat(at.Folder(), at.Name(), target.data(), target.size()); });
    if (length < 0) return std::nullopt;
    if (static_cast<std::size_t>(length) == target.size()) {
        errno = ENAMETOOLONG;
        return std::nullopt;
    }
    target.resize(static_cast<std::size_t>(length));
    return target;
}

FileDescriptor SystemCalls::Open(const std::string& path, int flags, mode_t mode) {
    if (!Allowed(Syscall::Open, path)) return FileDescriptor();
    const AtPath at(path);
    if (!at.Ready()) return FileDescriptor();
    return FileDescriptor(
        RetryOnInterrupt([&] { return ::openat(at.Folder(), at.Name(), flags | O_CLOEXEC, mode); }));
}

long SystemCalls::Read(int fd, const std::string& path, char* buffer, std::size_t size) {
    if (!Allowed(Syscall::Read, path)) return -1;
    return RetryOnInterrupt([&] { return ::read(fd, buffer, size); });
}

long SystemCalls::ReadAt(int fd, const std::string& path, char* buffer, std::size_t size, off_t offset) {
    if (!Allowed(Syscall::Read, path)) return -1;
    return RetryOnInterrupt([&] { return ::pread(fd, buffer, size, offset); });
}

bool SystemCalls::WriteAll(int fd, const std::string& path, std::string_view bytes) {
    while (!bytes.empty()) {
        if (!Allowed(Syscall::Write, path)) return false;
        const ssize_t written = RetryOnInterrupt([&] { return ::write(fd, bytes.data(), bytes.size()); });
        if (written < 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool SystemCalls::WriteAllAt(int fd, const std::string& path, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        if (!Allowed(Syscall::Write, path)) return false;
        const ssize_t written =
            RetryOnInterrupt([&] { return ::pwrite(fd, bytes.data(), bytes.size(), offset); });
        if (written < 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

bool SystemCalls::Sync(int fd, const std::string& path) {
    return Allowed(Syscall::Sync, path) && Succeeds([&] { return ::fsync(fd); });
}

bool SystemCalls::SyncData(int fd, const std::string& path) {
    return Allowed(Syscall::Sync, path) && Succeeds([&] { return ::fdatasync(fd); });
}

bool SystemCalls::Reserve(int fd, const std::string& path, off_t length) {
    return Allowed(Syscall::Reserve, path) && Succeeds([&] { return ::fallocate(fd, 0, 0, length); });
}

bool SystemCalls::Truncate(int fd, const std::string& path, off_t length) {
    return Allowed(Syscall::Reserve, path) && Succeeds([&] { return ::ftruncate(fd, length); });
}

char* SystemCalls::Map(int fd, const std::string& path, off_t offset, std::size_t length) {
    if (!Allowed(Syscall::Reserve, path)) return nullptr;
    void* start = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_SHARED, fd, offset);
    return start == MAP_FAILED ? nullptr : static_cast<char*>(start);
}

void SystemCalls::Unmap(char* start, std::size_t length) {
    ::munmap(start, length);
}

bool SystemCalls::WriteMapped(char* at, const std::string& path, std::string_view bytes) {
    if (!Allowed(Syscall::Write, path)) return false;
    std::memcpy(at, bytes.data(), bytes.size());
    return true;
}

std::optional<long> SystemCalls::FileSystemKind(int fd, const std::string& path) {
    struct statfs info;
    if (!Allowed(Syscall::Stat, path) || !Succeeds([&] { return ::fstatfs(fd, &info); })) return std::nullopt;
    return static_cast<long>(info.f_type);
}

bool SystemCalls::SyncFileSystem(int fd, const std::string& path) {
    return Allowed(Syscall::Sync, path) && Succeeds([&] { return ::syncfs(fd); });
}

long SystemCalls::CopyRange(int to, int from, const std::string& path, std::size_t size) {
    if (!Allowed(Syscall::Copy, path)) return -1;
    return RetryOnInterrupt([&] { return ::copy_file_range(from, nullptr, to, nullptr, size, 0); });
}

bool SystemCalls::ChangeMode(int fd, const std::string& path, mode_t mode) {
    return Allowed(Syscall::Chmod, path) && Succeeds([&] { return ::fchmod(fd, mode); });
}

bool SystemCalls::SetTimes(int fd, const std::string& path, const struct timespec times[2]) {
    return Allowed(Syscall::Utimens, path) && Succeeds([&] { return ::futimens(fd, times); });
}

bool SystemCalls::ChangeModeAt(const std::string& path, mode_t mode) {
    return Allowed(Syscall::Chmod, path) &&
           SucceedsAt(path, [&](int at, const char* name) { return ::fchmodat(at, name, mode, 0); });
}

} // namespace varnolt::posix
