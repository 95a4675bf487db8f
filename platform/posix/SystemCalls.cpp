#include "platform/posix/SystemCalls.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace varnolt::posix {

namespace {

// Runs a system call again for as long as a signal interrupts it.
template <typename Call>
auto RetryOnInterrupt(Call call) {
    for (;;) {
        auto result = call();
        if (result != -1 || errno != EINTR) return result;
    }
}

} // namespace

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.Release();
    }
    return *this;
}

FileDescriptor::~FileDescriptor() { Close(); }

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

void CloseDirectory::operator()(DIR* dir) const { ::closedir(dir); }

bool SystemCalls::Allowed(Syscall call, const std::string& path) {
    if (!hook_) return true;
    const int error = hook_->Before(call, path);
    if (error == 0) return true;
    errno = error;
    return false;
}

bool SystemCalls::Stat(const std::string& path, struct stat& info) {
    return Allowed(Syscall::Stat, path) && ::stat(path.c_str(), &info) == 0;
}

bool SystemCalls::LinkStat(const std::string& path, struct stat& info) {
    return Allowed(Syscall::Stat, path) && ::lstat(path.c_str(), &info) == 0;
}

bool SystemCalls::FileStat(int fd, const std::string& path, struct stat& info) {
    return Allowed(Syscall::Stat, path) && ::fstat(fd, &info) == 0;
}

bool SystemCalls::ExtendedStat(const std::string& path, struct statx& info) {
    return Allowed(Syscall::Stat, path) &&
           ::statx(AT_FDCWD, path.c_str(), AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS | STATX_BTIME, &info) == 0;
}

DirectoryHandle SystemCalls::OpenDirectory(const std::string& path) {
    if (!Allowed(Syscall::OpenDir, path)) return nullptr;
    return DirectoryHandle(::opendir(path.c_str()));
}

dirent* SystemCalls::ReadDirectory(DIR* dir, const std::string& path) {
    if (!Allowed(Syscall::ReadDir, path)) return nullptr;
    errno = 0;
    return ::readdir(dir);
}

bool SystemCalls::MakeDirectory(const std::string& path, mode_t mode) {
    return Allowed(Syscall::MakeDir, path) && ::mkdir(path.c_str(), mode) == 0;
}

bool SystemCalls::RemoveDirectory(const std::string& path) {
    return Allowed(Syscall::RemoveDir, path) && ::rmdir(path.c_str()) == 0;
}

bool SystemCalls::Unlink(const std::string& path) {
    return Allowed(Syscall::Unlink, path) && ::unlink(path.c_str()) == 0;
}

bool SystemCalls::RenameNoReplace(const std::string& from, const std::string& to) {
    return Allowed(Syscall::Rename, to) &&
           ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0;
}

bool SystemCalls::RenameReplacing(const std::string& from, const std::string& to) {
    return Allowed(Syscall::Rename, to) && ::rename(from.c_str(), to.c_str()) == 0;
}

bool SystemCalls::Link(const std::string& from, const std::string& to) {
    return Allowed(Syscall::Link, to) && ::link(from.c_str(), to.c_str()) == 0;
}

bool SystemCalls::Symlink(const std::string& target, const std::string& path) {
    return Allowed(Syscall::Symlink, path) && ::symlink(target.c_str(), path.c_str()) == 0;
}

std::optional<std::string> SystemCalls::ReadLink(const std::string& path) {
    if (!Allowed(Syscall::ReadLink, path)) return std::nullopt;
    // A link's target can be as long as PATH_MAX; a result that fills the buffer may have been cut.
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
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
    return Allowed(Syscall::Sync, path) && RetryOnInterrupt([&] { return ::fsync(fd); }) == 0;
}

bool SystemCalls::Clone(int to, int from, const std::string& path) {
    return Allowed(Syscall::Copy, path) && ::ioctl(to, FICLONE, from) == 0;
}

long SystemCalls::CopyRange(int to, int from, const std::string& path, std::size_t size) {
    if (!Allowed(Syscall::Copy, path)) return -1;
    return RetryOnInterrupt([&] { return ::copy_file_range(from, nullptr, to, nullptr, size, 0); });
}

bool SystemCalls::ChangeMode(int fd, const std::string& path, mode_t mode) {
    return Allowed(Syscall::Chmod, path) && ::fchmod(fd, mode) == 0;
}

bool SystemCalls::SetTimes(int fd, const std::string& path, const struct timespec times[2]) {
    return Allowed(Syscall::Utimens, path) && ::futimens(fd, times) == 0;
}

bool SystemCalls::ChangeModeAt(const std::string& path, mode_t mode) {
    return Allowed(Syscall::Chmod, path) && ::chmod(path.c_str(), mode) == 0;
}

} // namespace varnolt::posix
