// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Copying files, links and whole folders so that a failure leaves nothing behind at the destination.
#include "platform/posix/SystemCalls.h"

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
// or no regular file, so a fifo or a device is never read. `to` is created exclusively; a failure on the
// way removes it again.
bool CopyRegularFile(SystemCalls& sys, const std::string& from, const struct stat& expected,
                     const std::string& to, Durability durability);

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

    // Removes the entries created below `root` by Copy, the last first. False when one stays.
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
