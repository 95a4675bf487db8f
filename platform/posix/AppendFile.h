// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/FileSystem.h"
#include "platform/posix/SystemCalls.h"

#include <string>
#include <sys/types.h>

namespace varnolt::posix {

// Appends by copying into a shared mapping of the file, a few mebibytes at a time, with the room
// reserved on the disk first. The bytes are in the page cache once copied, so they survive a kill of the
// process as a write would, without a system call for every line of a million-file run. A killed run
// leaves the reserved rest as zero bytes after the last line. Where a reservation may not hold
// (copy-on-write and FUSE file systems) or fails, each append is written.
class PosixAppendFile final : public AppendFile {
  public:
    PosixAppendFile(SystemCalls sys, FileDescriptor fd, std::string path);
    ~PosixAppendFile() override;

    FsResult Append(std::string_view bytes) override;
    FsResult Sync() override;
    FsResult SyncWritten() override;
    FsResult Overwrite(std::uint64_t offset, std::string_view bytes) override;
    FsResult TakeBack(std::size_t size) override;

  private:
    bool AppendBytes(std::string_view bytes);
    bool HasRoomFor(std::size_t size) const;
    bool MapRoomFor(std::size_t size);
    void ReleaseWindow();
    // Unmaps and gives the file back its true length; false leaves zero bytes after the lines.
    bool EndMapping();

    SystemCalls sys_;
    FileDescriptor fd_;
    std::string path_;
    bool mapped_ = false; // appends go through the mapping; once false, they are written for good
    off_t length_ = 0;    // the bytes appended, through the mapping or written
    char* window_ = nullptr;
    off_t windowStart_ = 0;
    std::size_t windowSize_ = 0;
};

} // namespace varnolt::posix
