// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/Copying.h"

#include "platform/posix/Paths.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace varnolt::posix {

namespace {

constexpr mode_t PermissionBits = 0777;
// Our own folders stay open to us until the copy is complete; their final bits come last.
constexpr mode_t WorkingFolderMode = 0700;

std::string Join(const std::string& root, const std::string& relative) {
    return relative.empty() ? root : root + "/" + relative;
}

// The errors by which a file system says it cannot clone or copy in the kernel; reading and writing
// may still work there.
bool IsUnsupported(int error) {
    return error == EOPNOTSUPP || error == ENOTTY || error == EXDEV || error == EINVAL || error == ENOSYS;
}

enum class Outcome { Done, Failed, Unsupported };

// In the kernel, which also shares the blocks where the file system can (a reflink), up to the size
// the file had when it was opened.
Outcome CopyRanges(SystemCalls& sys, int from, int to, const std::string& toPath, off_t size) {
    constexpr std::size_t Chunk = std::size_t{1} << 30;
    off_t total = 0;
    for (;;) {
        const long copied = sys.CopyRange(to, from, toPath, Chunk);
        const bool copiedAny = total > 0;
        if (copied > 0) {
            total += copied;
            if (total >= size) return Outcome::Done;
            continue;
        }
        // Files of pseudo file systems give nothing here although they have content: reading tells.
        if (copied == 0) return copiedAny ? Outcome::Done : Outcome::Unsupported;
        return !copiedAny && IsUnsupported(errno) ? Outcome::Unsupported : Outcome::Failed;
    }
}

bool CopyByReading(SystemCalls& sys, int from, const std::string& fromPath, int to,
                   const std::string& toPath) {
    constexpr std::size_t BufferSize = 256 * 1024;
    const auto buffer = std::make_unique<char[]>(BufferSize);
    for (;;) {
        const long got = sys.Read(from, fromPath, buffer.get(), BufferSize);
        if (got < 0) return false;
        if (got == 0) return true;
        if (!sys.WriteAll(to, toPath, {buffer.get(), static_cast<std::size_t>(got)})) return false;
    }
}

// In the kernel where it can, else by reading and writing.
bool CopyData(SystemCalls& sys, int from, const std::string& fromPath, off_t size, int to,
              const std::string& toPath) {
    switch (CopyRanges(sys, from, to, toPath, size)) {
    case Outcome::Done:
        return true;
    case Outcome::Failed:
        return false;
    case Outcome::Unsupported:
        break;
    }
    return CopyByReading(sys, from, fromPath, to, toPath);
}

// The errors by which a file system says that it cannot hold permission bits or times as asked (FAT,
// exFAT and FUSE file systems): the data is what counts, as with mv and cp.
bool CannotHoldAttributes(int error) {
    return error == EPERM || error == ENOSYS || error == EOPNOTSUPP || error == EINVAL;
}

bool ApplyAttributes(SystemCalls& sys, int fd, const std::string& path, mode_t mode,
                     const struct timespec times[2]) {
    return (sys.ChangeMode(fd, path, mode) || CannotHoldAttributes(errno)) &&
           (sys.SetTimes(fd, path, times) || CannotHoldAttributes(errno));
}

// The copy as its file system keeps it, once its times are set: what tells it from a file put in its
// place later. Only wanted, not needed: a look that fails leaves it unknown.
void StampCopy(SystemCalls& sys, const FileDescriptor& to, const std::string& toPath,
               std::optional<struct stat>* made) {
    if (!made) return;
    struct stat info;
    if (sys.FileStat(to.Get(), toPath, info))
        *made = info;
    else
        made->reset();
}

bool FillCopy(SystemCalls& sys, int from, const std::string& fromPath, const struct stat& info,
              FileDescriptor& to, const std::string& toPath, Durability durability,
              std::optional<struct stat>* made) {
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    if (!CopyData(sys, from, fromPath, info.st_size, to.Get(), toPath) ||
        !ApplyAttributes(sys, to.Get(), toPath, info.st_mode & PermissionBits, times))
        return false;
    StampCopy(sys, to, toPath, made);
    return (durability == Durability::Lazy || sys.Sync(to.Get(), toPath)) && to.Close();
}

} // namespace

namespace {

// Where the file system can neither rename without replacing nor link, the copy is made at its own
// name (`direct`): created exclusively as ever, only not hidden while it grows.
bool CopyRegularFileAs(SystemCalls& sys, const std::string& from, const struct stat& expected,
                       const std::string& to, Durability durability, bool direct,
                       std::optional<struct stat>* made) {
    // Non-blocking, so that a fifo put in the file's place meanwhile cannot hold the open; the check
    // after it refuses anything but the regular file that was looked at.
    FileDescriptor source = sys.Open(from, O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (!source.IsOpen()) return false;
    struct stat info;
    if (!sys.FileStat(source.Get(), from, info)) return false;
    if (!S_ISREG(info.st_mode) || !IsSameFile(info, expected)) {
        errno = EINVAL;
        return false;
    }
    // A taken name fails at once, before the data is copied for nothing; the rename at the end still
    // refuses one taken meanwhile.
    if (struct stat taken; !direct && sys.LinkStat(to, taken)) {
        errno = EEXIST;
        return false;
    } else if (!direct && errno != ENOENT) {
        return false;
    }
    std::string created = direct ? to : PartialNameBeside(to);
    FileDescriptor target = sys.Open(created, O_WRONLY | O_CREAT | O_EXCL, S_IRUSR | S_IWUSR);
    // A leftover of an earlier process of the same number only moves us on to the next name.
    for (int attempt = 1; !direct && !target.IsOpen() && errno == EEXIST && attempt < 100; ++attempt) {
        created = PartialNameBeside(to);
        target = sys.Open(created, O_WRONLY | O_CREAT | O_EXCL, S_IRUSR | S_IWUSR);
    }
    if (!target.IsOpen()) return false;
    Naming named = Naming::Failed;
    if (FillCopy(sys, source.Get(), from, info, target, created, durability, made))
        named = direct ? Naming::Done : NameFinishedCopy(sys, created, to);
    if (named == Naming::Done) return true;
    const int error = errno;
    target.Close();
    sys.Unlink(created);
    errno = error;
    return named == Naming::Unsupported && CopyRegularFileAs(sys, from, expected, to, durability, true, made);
}

// The process that made a partial copy, from its name; nullopt when the name does not tell.
std::optional<pid_t> MakerOf(std::string_view name) {
    name.remove_prefix(kPartialCopyPrefix.size());
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (error != std::errc() || end == name.data() || end == name.data() + name.size() || *end != '-')
        return std::nullopt;
    return pid;
}

bool IsAlive(pid_t pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

// The entry and, for a folder, everything in it, without following links. Our own folders may have got
// the bits of a read-only original; they are opened to us first.
bool RemoveTree(SystemCalls& sys, const std::string& path) {
    struct stat info;
    if (!sys.LinkStat(path, info)) return errno == ENOENT;
    if (!S_ISDIR(info.st_mode)) return sys.Unlink(path) || errno == ENOENT;
    sys.ChangeModeAt(path, WorkingFolderMode);
    bool removedAll = true;
    {
        const DirectoryHandle dir = sys.OpenDirectory(path);
        if (!dir) return false;
        std::vector<std::string> names;
        while (const dirent* entry = sys.ReadDirectory(dir.get(), path)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        if (errno != 0) return false;
        for (const std::string& name : names)
            removedAll = RemoveTree(sys, path + "/" + name) && removedAll;
    }
    return sys.RemoveDirectory(path) && removedAll;
}

} // namespace

bool CopyRegularFile(SystemCalls& sys, const std::string& from, const struct stat& expected,
                     const std::string& to, Durability durability, bool inHiddenFolder,
                     std::optional<struct stat>* made) {
    return CopyRegularFileAs(sys, from, expected, to, durability, inHiddenFolder, made);
}

std::string PartialNameBeside(const std::string& to) {
    static std::atomic<unsigned> serial{0};
    const std::string folder = ParentOf(to);
    const std::string name = to.substr(to.rfind('/') + 1);
    std::string partial =
        std::string(kPartialCopyPrefix) + std::to_string(::getpid()) + "-" + std::to_string(++serial) + "-";
    partial += name.substr(0, NAME_MAX > partial.size() ? NAME_MAX - partial.size() : 0);
    return to.find('/') == std::string::npos ? partial : (folder == "/" ? "/" : folder + "/") + partial;
}

Naming NameFinishedCopy(SystemCalls& sys, const std::string& partial, const std::string& to) {
    if (sys.RenameHidden(partial, to)) return Naming::Done;
    if (errno != EINVAL && errno != ENOSYS) return Naming::Failed;
    if (!sys.Link(partial, to))
        return errno == EPERM || errno == EOPNOTSUPP || errno == ENOSYS ? Naming::Unsupported
                                                                        : Naming::Failed;
    // Should the hidden name stay, it is a second name of the whole copy: the clean-up takes it away.
    sys.Unlink(partial);
    return Naming::Done;
}

bool RemoveLeftoverPartials(SystemCalls& sys, const std::string& folder) {
    std::vector<std::string> names;
    {
        const DirectoryHandle dir = sys.OpenDirectory(folder);
        if (!dir) return errno == ENOENT;
        while (const dirent* entry = sys.ReadDirectory(dir.get(), folder)) {
            const std::string_view name = entry->d_name;
            if (!name.starts_with(kPartialCopyPrefix)) continue;
            const auto maker = MakerOf(name);
            if (maker && *maker != ::getpid() && IsAlive(*maker)) continue;
            names.emplace_back(name);
        }
        if (errno != 0) return false;
    }
    const std::string base = folder.ends_with('/') ? folder : folder + "/";
    bool removedAll = true;
    int firstError = 0;
    for (const std::string& name : names) {
        if (RemoveTree(sys, base + name)) continue;
        if (removedAll) firstError = errno;
        removedAll = false;
    }
    errno = firstError;
    return removedAll;
}

bool StillAsSeen(SystemCalls& sys, const std::string& path, const struct stat& seen) {
    struct stat now;
    if (!sys.LinkStat(path, now)) return false;
    const auto same = [](const struct timespec& a, const struct timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    };
    if (IsSameFile(now, seen) && now.st_size == seen.st_size && same(now.st_mtim, seen.st_mtim) &&
        same(now.st_ctim, seen.st_ctim))
        return true;
    errno = EBUSY;
    return false;
}

bool CopySymbolicLink(SystemCalls& sys, const std::string& from, const std::string& to) {
    const auto target = sys.ReadLink(from);
    return target && sys.Symlink(*target, to);
}

bool SyncFolder(SystemCalls& sys, const std::string& folder) {
    const FileDescriptor fd = sys.Open(folder, O_RDONLY | O_DIRECTORY);
    return fd.IsOpen() && sys.Sync(fd.Get(), folder);
}

bool SyncFileSystemOf(SystemCalls& sys, const std::string& folder) {
    const FileDescriptor fd = sys.Open(folder, O_RDONLY | O_DIRECTORY);
    return fd.IsOpen() && sys.SyncFileSystem(fd.Get(), folder);
}

bool TreeCopy::Copy(const std::string& from, const struct stat& root, const std::string& to) {
    entries_.push_back({"", true, root.st_mode & PermissionBits, {root.st_atim, root.st_mtim}});
    if (!CopyContent(from, to, "")) return false;
    // The last first, so that each folder gets its times after everything inside it was written.
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry)
        if (entry->IsFolder && !ApplyFolderAttributes(to, *entry)) return false;
    return true;
}

bool TreeCopy::CopyContent(const std::string& from, const std::string& to, const std::string& relative) {
    const DirectoryHandle dir = sys_.OpenDirectory(from);
    if (!dir) return false;
    while (const dirent* entry = sys_.ReadDirectory(dir.get(), from)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (!CopyEntry(from + "/" + name, to + "/" + name, relative.empty() ? name : relative + "/" + name))
            return false;
    }
    return errno == 0;
}

bool TreeCopy::CopyEntry(const std::string& from, const std::string& to, const std::string& relative) {
    struct stat info;
    if (!sys_.LinkStat(from, info)) return false;
    if (S_ISDIR(info.st_mode)) {
        if (!sys_.MakeDirectory(to, WorkingFolderMode)) return false;
        entries_.push_back({relative, true, info.st_mode & PermissionBits, {info.st_atim, info.st_mtim}});
        return CopyContent(from, to, relative);
    }
    if (S_ISLNK(info.st_mode)) {
        if (!CopySymbolicLink(sys_, from, to)) return false;
    } else if (S_ISREG(info.st_mode)) {
        // The folder copy is hidden until whole; its files need no hidden names of their own.
        if (!CopyRegularFile(sys_, from, info, to, Durability::Lazy, true)) return false;
    } else {
        // A fifo, socket or device has no content to copy, and reading one could block or have effects.
        errno = EINVAL;
        return false;
    }
    entries_.push_back({relative, false});
    entries_.back().Seen = info;
    return true;
}

bool TreeCopy::ApplyFolderAttributes(const std::string& root, Entry& folder) {
    const std::string path = Join(root, folder.Relative);
    FileDescriptor fd = sys_.Open(path, O_RDONLY | O_DIRECTORY);
    if (!fd.IsOpen()) return false;
    folder.AttributesApplied = true;
    return ApplyAttributes(sys_, fd.Get(), path, folder.FolderMode, folder.Times);
}

bool TreeCopy::RemoveCopies(const std::string& root) {
    // A copied folder may be closed to writing already; open every one of ours again first.
    for (const Entry& entry : entries_)
        if (entry.AttributesApplied) sys_.ChangeModeAt(Join(root, entry.Relative), WorkingFolderMode);
    bool removedAll = true;
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry)
        removedAll = Remove(root, *entry) && removedAll;
    entries_.clear();
    return removedAll;
}

bool TreeCopy::RemoveOriginals(const std::string& root, bool& removedAny) {
    removedAny = false;
    for (const Entry& entry : entries_)
        if (!entry.IsFolder && !StillAsSeen(sys_, Join(root, entry.Relative), entry.Seen)) return false;
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
        if (!Remove(root, *entry)) return false;
        removedAny = true;
    }
    return true;
}

bool TreeCopy::Remove(const std::string& root, const Entry& entry) {
    const std::string path = Join(root, entry.Relative);
    return entry.IsFolder ? sys_.RemoveDirectory(path) : sys_.Unlink(path);
}

} // namespace varnolt::posix
