#include "platform/posix/SystemCalls.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>
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
    return Allowed(Syscall::Stat, path) && Succeeds([&] { return ::stat(path.c_str(), &info); });
}

bool SystemCalls::LinkStat(const std::string& path, struct stat& info) {
    return Allowed(Syscall::Stat, path) && Succeeds([&] { return ::lstat(path.c_str(), &info); });
}

bool SystemCalls::FileStat(int fd, const std::string& path, struct stat& info) {
    return Allowed(Syscall::Stat, path) && Succeeds([&] { return ::fstat(fd, &info); });
}

bool SystemCalls::ExtendedStat(const std::string& path, struct statx& info) {
    return Allowed(Syscall::Stat, path) && Succeeds([&] {
               return ::statx(AT_FDCWD, path.c_str(), AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS | STATX_BTIME,
                              &info);
           });
}

DirectoryHandle SystemCalls::OpenDirectory(const std::string& path) {
    if (!Allowed(Syscall::OpenDir, path)) return nullptr;
    return DirectoryHandle(RetryOnInterrupt([&] { return ::opendir(path.c_str()); }));
}

dirent* SystemCalls::ReadDirectory(DIR* dir, const std::string& path) {
    if (!Allowed(Syscall::ReadDir, path)) return nullptr;
    errno = 0;
    return ::readdir(dir);
}

bool SystemCalls::MakeDirectory(const std::string& path, mode_t mode) {
    return Allowed(Syscall::MakeDir, path) && Succeeds([&] { return ::mkdir(path.c_str(), mode); });
}

bool SystemCalls::RemoveDirectory(const std::string& path) {
    return Allowed(Syscall::RemoveDir, path) && Succeeds([&] { return ::rmdir(path.c_str()); });
}

bool SystemCalls::Unlink(const std::string& path) {
    return Allowed(Syscall::Unlink, path) && Succeeds([&] { return ::unlink(path.c_str()); });
}

bool SystemCalls::RenameNoReplace(const std::string& from, const std::string& to) {
    return Allowed(Syscall::Rename, to) && Succeeds([&] {
               return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
           });
}

bool SystemCalls::RenameReplacing(const std::string& from, const std::string& to) {
    return Allowed(Syscall::Rename, to) && Succeeds([&] { return ::rename(from.c_str(), to.c_str()); });
}

bool SystemCalls::Link(const std::string& from, const std::string& to) {
    return Allowed(Syscall::Link, to) && Succeeds([&] { return ::link(from.c_str(), to.c_str()); });
}

bool SystemCalls::Symlink(const std::string& target, const std::string& path) {
    return Allowed(Syscall::Symlink, path) &&
           Succeeds([&] { return ::symlink(target.c_str(), path.c_str()); });
}

std::optional<std::string> SystemCalls::ReadLink(const std::string& path) {
    if (!Allowed(Syscall::ReadLink, path)) return std::nullopt;
    // A link's target can be as long as PATH_MAX; a result that fills the buffer may have been cut.
    std::string target(PATH_MAX, '\0');
    const ssize_t length =
        RetryOnInterrupt([&] { return ::readlink(path.c_str(), target.data(), target.size()); });
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
    return FileDescriptor(RetryOnInterrupt([&] { return ::open(path.c_str(), flags | O_CLOEXEC, mode); }));
}

long SystemCalls::Read(int fd, const std::string& path, char* buffer, std::size_t size) {
    if (!Allowed(Syscall::Read, path)) return -1;
    return RetryOnInterrupt([&] { return ::read(fd, buffer, size); });
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

bool SystemCalls::Sync(int fd, const std::string& path) {
    return Allowed(Syscall::Sync, path) && Succeeds([&] { return ::fsync(fd); });
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
    return Allowed(Syscall::Chmod, path) && Succeeds([&] { return ::chmod(path.c_str(), mode); });
}

} // namespace varnolt::posix
