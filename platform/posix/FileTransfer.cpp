// SPDX-License-Identifier: GPL-3.0-or-later
// Moving and copying the user's files and folders. No path here replaces an existing entry: renames
// refuse a taken name, and every new entry is created exclusively.
#include "platform/posix/Copying.h"
#include "platform/posix/Paths.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/SystemCalls.h"

#include <algorithm>
#include <cerrno>
#include <optional>

namespace varnolt {

using posix::Durability;
using posix::SystemCalls;

namespace {

constexpr mode_t NewFolderMode = 0777;
constexpr mode_t ClaimedFolderMode = 0700;
// Where the search for a free "Name (n)" gives up; only a broken file system would get this far.
constexpr int LastFreeNameNumber = 100000;

// Whether a rename failed only because it cannot work here, so that copying may.
bool RenameCannotWorkHere(int error) {
    return error == EXDEV || error == EINVAL || error == ENOSYS;
}

// Removes a file just created by a move that then failed; keeps the errno of that failure.
void TakeBack(SystemCalls& sys, const std::string& created) {
    const int error = errno;
    sys.Unlink(created);
    errno = error;
}

// Goes up from `path` to the nearest level that exists, listing the missing ones on the way, deepest
// first. False when a level cannot be looked at for another reason than its absence.
bool FindNearestExisting(SystemCalls& sys, std::string& path, struct stat& info,
                         std::vector<std::string>& missing) {
    while (!sys.Stat(path, info)) {
        const std::string parent = posix::ParentOf(path);
        if (errno != ENOENT || parent == path) return false;
        missing.push_back(path);
        path = parent;
    }
    return true;
}

// The missing folders above a destination, made for it and taken away again when it fails.
class MissingParents {
  public:
    explicit MissingParents(SystemCalls& sys) : sys_(sys) {}
    MissingParents(const MissingParents&) = delete;
    MissingParents& operator=(const MissingParents&) = delete;
    ~MissingParents() {
        if (kept_) return;
        const int error = errno;
        for (auto folder = created_.rbegin(); folder != created_.rend(); ++folder)
            sys_.RemoveDirectory(*folder);
        errno = error;
    }

    bool Make(const std::string& folder) {
        std::vector<std::string> missing;
        std::string existing = folder;
        struct stat info;
        if (!FindNearestExisting(sys_, existing, info, missing)) return false;
        for (auto next = missing.rbegin(); next != missing.rend(); ++next) {
            if (!sys_.MakeDirectory(*next, NewFolderMode)) return false;
            created_.push_back(*next);
        }
        return true;
    }

    void Keep() { kept_ = true; }

  private:
    SystemCalls& sys_;
    std::vector<std::string> created_;
    bool kept_ = false;
};

// Whether the folder that will hold `destination` is `folder` or lies inside it, going up by ".." from
// the nearest existing folder; nullopt when that cannot be told.
std::optional<bool> DestinationLiesWithin(SystemCalls& sys, const std::string& destination,
                                          const struct stat& folder) {
    std::string path = posix::ParentOf(destination);
    struct stat info;
    std::vector<std::string> missing;
    if (!FindNearestExisting(sys, path, info, missing)) return std::nullopt;
    struct stat root;
    if (!sys.Stat("/", root)) return std::nullopt;
    for (;;) {
        if (posix::IsSameFile(info, folder)) return true;
        if (posix::IsSameFile(info, root)) return false;
        path += "/..";
        if (!sys.Stat(path, info)) return std::nullopt;
    }
}

// Makes sure that `destination` can receive the folder `folder`: not inside itself, its parents made.
bool PrepareFolderDestination(SystemCalls& sys, const std::string& destination, const struct stat& folder,
                              MissingParents& parents) {
    const auto within = DestinationLiesWithin(sys, destination, folder);
    if (!within) return false;
    if (*within) {
        errno = EINVAL;
        return false;
    }
    return parents.Make(posix::ParentOf(destination));
}

// The first number to try for a folder's name: past those a command has found taken before.
int FirstNumber(const std::int64_t* next) {
    return next ? static_cast<int>(std::clamp<std::int64_t>(*next, 1, LastFreeNameNumber + 1)) : 1;
}

// Past the number `n` that was taken; or, after a failure, at `n`, the first one not found taken.
void RememberNumber(std::int64_t* next, int n, bool taken) {
    if (next) *next = taken ? n + 1 : n;
}

// Creates an empty folder of ours at the first free name from "Name (n)" on; `n` is left at the number
// taken, or at the first one not found taken.
std::optional<std::string> ClaimFolder(SystemCalls& sys, const std::string& target, int& n) {
    for (; n <= LastFreeNameNumber; ++n) {
        std::string candidate = posix::NumberedName(target, n);
        if (sys.MakeDirectory(candidate, ClaimedFolderMode)) return candidate;
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

// Recreates the link `from` at the first free name from "Name (n)" on and removes the original.
bool MoveLinkAcross(SystemCalls& sys, const std::string& from, const std::string& target, int& n,
                    std::string& placed) {
    for (; n <= LastFreeNameNumber; ++n) {
        const std::string candidate = posix::NumberedName(target, n);
        if (posix::CopySymbolicLink(sys, from, candidate)) {
            placed = candidate;
            if (sys.Unlink(from)) return true;
            TakeBack(sys, candidate);
            return false;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

// Gives the finished copy of a folder at `partial` the first free name from "Name (n)" on; `n` is left
// at the number taken, or at the first one not found taken. Unsupported where renames cannot refuse a
// taken name.
posix::Naming NameFinishedTree(SystemCalls& sys, const std::string& partial, const std::string& target,
                               int& n, std::string& placed) {
    for (; n <= LastFreeNameNumber; ++n) {
        const std::string candidate = posix::NumberedName(target, n);
        if (sys.RenameHidden(partial, candidate)) {
            placed = candidate;
            return posix::Naming::Done;
        }
        if (errno == EINVAL || errno == ENOSYS) return posix::Naming::Unsupported;
        if (errno != EEXIST) return posix::Naming::Failed;
    }
    return posix::Naming::Failed;
}

// Copies the folder to a free name. The copy grows under a hidden name beside `target` and takes its
// own only once whole (and, for a move, on the disk), so that a process killed meanwhile leaves no half
// folder under a real name; where the file system cannot rename without replacing, the copy is made in
// a folder claimed at its own name instead.
bool CopyTreeToFreeName(SystemCalls& sys, posix::TreeCopy& copy, const std::string& from,
                        const struct stat& folder, const std::string& target, int& n, Durability durability,
                        std::string& placed) {
    std::string partial = posix::PartialNameBeside(target);
    for (int attempt = 1; !sys.MakeDirectory(partial, ClaimedFolderMode); ++attempt) {
        if (errno != EEXIST || attempt == 100) return false;
        partial = posix::PartialNameBeside(target);
    }
    const bool whole = copy.Copy(from, folder, partial) &&
                       (durability == Durability::Lazy || posix::SyncFileSystemOf(sys, partial));
    const posix::Naming named =
        whole ? NameFinishedTree(sys, partial, target, n, placed) : posix::Naming::Failed;
    if (named == posix::Naming::Done) return true;
    const int error = errno;
    copy.RemoveCopies(partial);
    errno = error;
    if (named != posix::Naming::Unsupported) return false;
    const auto claimed = ClaimFolder(sys, target, n);
    if (!claimed) return false;
    placed = *claimed;
    if (copy.Copy(from, folder, *claimed) &&
        (durability == Durability::Lazy || posix::SyncFileSystemOf(sys, *claimed)))
        return true;
    copy.RemoveCopies(*claimed);
    return false;
}

// Copies the whole folder to a free name, and removes the source only once everything is copied.
bool MoveTreeAcross(SystemCalls& sys, const std::string& from, const struct stat& folder,
                    const std::string& target, int& n, std::string& placed) {
    posix::TreeCopy copy(sys);
    if (!CopyTreeToFreeName(sys, copy, from, folder, target, n, Durability::Synced, placed)) return false;
    bool removedAny = false;
    if (copy.RemoveOriginals(from, removedAny)) return true;
    // While the source is whole, the failure leaves things as they were; once part of it is gone, the
    // copy is the one complete version: it stays, and the move counts as made, so that it is journaled.
    if (!removedAny) {
        // Hidden again first, so that a kill during the removal leaves no half copy under its name.
        const int error = errno;
        const std::string hidden = posix::PartialNameBeside(target);
        copy.RemoveCopies(sys.RenameHidden(placed, hidden) ? hidden : placed);
        errno = error;
    }
    return removedAny;
}

// What a copy made, for the caller of a transfer that asked.
void TellCopied(PlacedFile* placed, const std::optional<struct stat>& made) {
    if (!placed) return;
    placed->Copied = true;
    placed->Copy.reset();
    if (made)
        placed->Copy = FileStamp{static_cast<std::uint64_t>(made->st_dev),
                                 static_cast<std::uint64_t>(made->st_ino),
                                 static_cast<std::uint64_t>(made->st_size),
                                 made->st_mtim.tv_sec,
                                 made->st_mtim.tv_nsec,
                                 false};
}

// Makes `to` a copy of the entry `from` on another file system, on the disk before the source goes.
bool CopyForMove(SystemCalls& sys, const std::string& from, const struct stat& entry, const std::string& to,
                 std::optional<struct stat>& made) {
    if (S_ISLNK(entry.st_mode)) return posix::CopySymbolicLink(sys, from, to);
    if (!S_ISREG(entry.st_mode)) {
        errno = EXDEV; // a fifo, socket or device has no content to carry over
        return false;
    }
    if (!posix::CopyRegularFile(sys, from, entry, to, Durability::Synced, false, &made)) return false;
    if (posix::SyncFolder(sys, posix::ParentOf(to))) return true;
    TakeBack(sys, to);
    return false;
}

// `entry` is what a look at `from` found just before: a source changed while it was copied stays, and
// the copy goes.
bool MoveFileAcross(SystemCalls& sys, const std::string& from, const struct stat& entry,
                    const std::string& to, PlacedFile* placed) {
    std::optional<struct stat> made;
    if (!CopyForMove(sys, from, entry, to, made)) return false;
    if (posix::StillAsSeen(sys, from, entry) && sys.Unlink(from)) {
        TellCopied(placed, made);
        return true;
    }
    TakeBack(sys, to);
    return false;
}

// Whether a file system refuses hard links as such (or to this user), so that copying may still work.
bool LinkCannotWorkHere(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS;
}

// For file systems that cannot rename without replacing: a second name, then the first one removed;
// where there are no hard links either, a copy.
bool MoveFileByLink(SystemCalls& sys, const std::string& from, const struct stat& entry,
                    const std::string& to, PlacedFile* placed) {
    if (!sys.Link(from, to)) return LinkCannotWorkHere(errno) && MoveFileAcross(sys, from, entry, to, placed);
    if (sys.Unlink(from)) return true;
    TakeBack(sys, to);
    return false;
}

// The entry itself, not what a link points to; a folder is refused.
bool LookAtFileToMove(SystemCalls& sys, const std::string& from, struct stat& entry) {
    if (!sys.LinkStat(from, entry)) return false;
    if (!S_ISDIR(entry.st_mode)) return true;
    errno = EISDIR;
    return false;
}

// `looked` when `entry` holds the source already; else it is looked at only when the rename cannot do.
bool MoveFileEntry(SystemCalls& sys, const std::string& from, const std::string& to, struct stat& entry,
                   bool looked, PlacedFile* placed = nullptr) {
    if (sys.RenameNoReplace(from, to)) return true;
    const int error = errno;
    if (error != EXDEV && error != EINVAL && error != ENOSYS) return false;
    if (!looked && !LookAtFileToMove(sys, from, entry)) return false;
    return error == EXDEV ? MoveFileAcross(sys, from, entry, to, placed)
                          : MoveFileByLink(sys, from, entry, to, placed);
}

bool CopyOneFile(SystemCalls sys, const std::string& from, const std::string& to, PlacedFile* placed);
bool MoveWholeFolder(SystemCalls sys, const std::string& from, const std::string& to, std::string* placedAt,
                     std::int64_t* nextNumber);
bool CopyWholeFolder(SystemCalls sys, const std::string& from, const std::string& to, std::string* placedAt,
                     std::int64_t* nextNumber);

} // namespace

FsResult PosixFileSystem::MoveFile(const std::string& from, const std::string& to) {
    SystemCalls sys(hook_);
    struct stat entry;
    return FsResult::FromErrno(LookAtFileToMove(sys, from, entry) &&
                               MoveFileEntry(sys, from, to, entry, true));
}

FsResult PosixFileSystem::MoveKnownFile(const std::string& from, const std::string& to, PlacedFile* placed) {
    SystemCalls sys(hook_);
    struct stat entry;
    if (placed) *placed = {};
    return FsResult::FromErrno(MoveFileEntry(sys, from, to, entry, false, placed));
}

FsResult PosixFileSystem::CopyFile(const std::string& from, const std::string& to, PlacedFile* placed) {
    return FsResult::FromErrno(CopyOneFile(SystemCalls(hook_), from, to, placed));
}

FsResult PosixFileSystem::RemoveLeftoverPartials(const std::string& folder) {
    SystemCalls sys(hook_);
    return FsResult::FromErrno(posix::RemoveLeftoverPartials(sys, folder));
}

FsResult PosixFileSystem::MoveFolder(const std::string& from, const std::string& to, std::string* placedAt,
                                     std::int64_t* nextNumber) {
    return FsResult::FromErrno(MoveWholeFolder(SystemCalls(hook_), from, to, placedAt, nextNumber));
}

FsResult PosixFileSystem::CopyFolder(const std::string& from, const std::string& to, std::string* placedAt,
                                     std::int64_t* nextNumber) {
    return FsResult::FromErrno(CopyWholeFolder(SystemCalls(hook_), from, to, placedAt, nextNumber));
}

namespace {

bool CopyOneFile(SystemCalls sys, const std::string& from, const std::string& to, PlacedFile* placed) {
    struct stat info;
    if (!sys.Stat(from, info)) return false;
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    std::optional<struct stat> made;
    if (!posix::CopyRegularFile(sys, from, info, to, Durability::Lazy, false, placed ? &made : nullptr))
        return false;
    TellCopied(placed, made);
    return true;
}

bool MoveWholeFolder(SystemCalls sys, const std::string& from, const std::string& to, std::string* placedAt,
                     std::int64_t* nextNumber) {
    const std::string source = posix::WithoutTrailingSlash(from);
    const std::string target = posix::WithoutTrailingSlash(to);
    struct stat entry;
    struct stat folder;
    // A link to a folder moves as the link: the folder it points to stays where it is.
    if (!sys.LinkStat(source, entry) || !sys.Stat(source, folder)) return false;
    if (!S_ISDIR(folder.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    const bool isLink = S_ISLNK(entry.st_mode);
    MissingParents parents(sys);
    // Only a real folder can end up inside itself; a link may well move into the folder it points to.
    if (isLink ? !parents.Make(posix::ParentOf(target))
               : !PrepareFolderDestination(sys, target, folder, parents))
        return false;
    int n = FirstNumber(nextNumber);
    for (; n <= LastFreeNameNumber; ++n) {
        if (sys.RenameNoReplace(source, posix::NumberedName(target, n))) {
            parents.Keep();
            if (placedAt) *placedAt = posix::NumberedName(target, n);
            RememberNumber(nextNumber, n, true);
            return true;
        }
        if (errno != EEXIST) break;
    }
    if (!RenameCannotWorkHere(errno)) {
        RememberNumber(nextNumber, n, false);
        return false;
    }
    std::string placed;
    const bool moved = isLink ? MoveLinkAcross(sys, source, target, n, placed)
                              : MoveTreeAcross(sys, source, entry, target, n, placed);
    RememberNumber(nextNumber, n, moved);
    if (!moved) return false;
    parents.Keep();
    if (placedAt) *placedAt = placed;
    return true;
}

bool CopyWholeFolder(SystemCalls sys, const std::string& from, const std::string& to, std::string* placedAt,
                     std::int64_t* nextNumber) {
    const std::string source = posix::WithoutTrailingSlash(from);
    const std::string target = posix::WithoutTrailingSlash(to);
    struct stat folder;
    if (!sys.Stat(source, folder)) return false;
    if (!S_ISDIR(folder.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    MissingParents parents(sys);
    if (!PrepareFolderDestination(sys, target, folder, parents)) return false;
    int n = FirstNumber(nextNumber);
    posix::TreeCopy copy(sys);
    std::string placed;
    const bool copied = CopyTreeToFreeName(sys, copy, source, folder, target, n, Durability::Lazy, placed);
    RememberNumber(nextNumber, n, copied);
    if (!copied) return false;
    parents.Keep();
    if (placedAt) *placedAt = placed;
    return true;
}

} // namespace

} // namespace varnolt
