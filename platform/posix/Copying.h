// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Copying files, links and whole folders so that a failure leaves nothing behind at the destination.
#include "platform/posix/SystemCalls.h"

#include <optional>
#include <string>
#include <vector>

namespace varnolt::posix {

inline bool IsSameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the entry at `path` is still the one that `seen` describes: the same file, with the same size
// and times. A write or a replacement since (an editor saving over it) shows here; errno is EBUSY then.
bool StillAsSeen(SystemCalls& sys, const std::string& path, const struct stat& seen);

// Whether a copy must be on the disk before the call returns: a move deletes its source right after.
enum class Durability { Lazy, Synced };

// Copies the regular file `from` to the new file `to`: data, permission bits, access and modification
// times. `expected` is what a stat of `from` found; the copy fails when the file opened is another one
// or no regular file, so a fifo or a device is never read. The copy grows under a hidden name beside
// `to` (PartialNameBeside), created exclusively, and takes the name `to` only once it is whole, without
// replacing anything there: a process killed meanwhile leaves no fragment under a real name. A failure
// on the way removes the hidden file again. `inHiddenFolder`: `to` lies in a folder copy that is hidden
// itself until whole, and the file is made at its own name. `made`, when given, receives the copy's
// stat, or nothing when that look fails (the copy does not).
bool CopyRegularFile(SystemCalls& sys, const std::string& from, const struct stat& expected,
                     const std::string& to, Durability durability, bool inHiddenFolder = false,
                     std::optional<struct stat>* made = nullptr);

// A name in the folder of `to`, made of kPartialCopyPrefix, this process's id, a serial new with every
// call and the name of `to` (cut to fit): for a copy of `to` while it grows.
std::string PartialNameBeside(const std::string& to);

// How a finished copy at its hidden name takes its own name.
enum class Naming { Done, Failed, Unsupported };
// Renames `partial` to `to` without replacing an entry there; where the file system cannot rename so,
// by a second name and the hidden one removed. Unsupported (with nothing changed) where neither works.
Naming NameFinishedCopy(SystemCalls& sys, const std::string& partial, const std::string& to);

// Removes the leftovers of killed copies in `folder` (see FileSystem::RemoveLeftoverPartials).
bool RemoveLeftoverPartials(SystemCalls& sys, const std::string& folder);

// Forces the entries of a folder onto the disk, so that a name just made there survives a crash.
bool SyncFolder(SystemCalls& sys, const std::string& folder);
// Forces everything written to the file system that holds `folder` onto the disk: one flush for a
// whole copied tree instead of one per entry.
bool SyncFileSystemOf(SystemCalls& sys, const std::string& folder);

// Creates `to` as a symbolic link with the target of the link `from`.
bool CopySymbolicLink(SystemCalls& sys, const std::string& from, const std::string& to);

// Copies what a folder holds into a fresh, empty folder of ours, remembering every entry it creates, so
// that a failed copy can be taken back and a moved tree removed entry by entry: only what was copied.
class TreeCopy {
  public:
    explicit TreeCopy(SystemCalls& sys) : sys_(sys) {}

    // Copies the content of `from` (which a stat found to be `root`) into the empty folder `to`, which
    // counts as one of the copied entries, and then gives every copied folder the permission bits and
    // times of its original. Files are copied as CopyRegularFile does (not synced), links as links; any
    // other kind of entry (fifo, socket, device) makes the copy fail.
    bool Copy(const std::string& from, const struct stat& root, const std::string& to);

    // Removes the entries created below `root` by Copy, the last first, and forgets them, so that Copy
    // can start afresh. False when one stays.
    bool RemoveCopies(const std::string& root);
    // Removes the originals of the copied entries below `root`, the last first; false when one stays.
    // `removedAny` tells whether at least one was removed. None is removed when a file or link changed
    // since it was copied: its copy would be out of date.
    bool RemoveOriginals(const std::string& root, bool& removedAny);

  private:
    struct Entry {
        std::string Relative; // from the root, without a leading "/"
        bool IsFolder = false;
        mode_t FolderMode = 0;
        struct timespec Times[2] = {};
        bool AttributesApplied = false;
        struct stat Seen = {}; // of a file or link, when it was copied
    };

    bool CopyContent(const std::string& from, const std::string& to, const std::string& relative);
    bool CopyEntry(const std::string& from, const std::string& to, const std::string& relative);
    bool ApplyFolderAttributes(const std::string& root, Entry& folder);
    bool Remove(const std::string& root, const Entry& entry);

    SystemCalls& sys_;
    std::vector<Entry> entries_;
};

} // namespace varnolt::posix
