// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/AppendFile.h"

#include <algorithm>
#include <cstring>
#include <linux/magic.h>
#include <unistd.h>

namespace varnolt::posix {

namespace {

// Small enough to add little to the resident memory, large enough that remapping is rare.
constexpr std::size_t kWindowBytes = std::size_t{2} << 20;

// File systems that write in place, so that space reserved by fallocate is there when the mapping's
// pages are written back. On btrfs a write needs new room whatever was reserved, and running out of it
// under a mapping kills the process.
bool KeepsReservedRoom(long kind) {
    return kind == EXT4_SUPER_MAGIC || kind == XFS_SUPER_MAGIC || kind == TMPFS_MAGIC;
}

std::size_t RoundUp(std::size_t value, std::size_t step) {
    return (value + step - 1) / step * step;
}

} // namespace

PosixAppendFile::PosixAppendFile(SystemCalls sys, FileDescriptor fd, std::string path)
    : sys_(sys), fd_(std::move(fd)), path_(std::move(path)) {
    const auto kind = sys_.FileSystemKind(fd_.Get(), path_);
    mapped_ = kind && KeepsReservedRoom(*kind);
}

PosixAppendFile::~PosixAppendFile() {
    if (mapped_) EndMapping();
}

FsResult PosixAppendFile::Append(std::string_view bytes) {
    return FsResult::FromErrno(AppendBytes(bytes));
}

FsResult PosixAppendFile::Sync() {
    // The next append maps a window again.
    return FsResult::FromErrno((!mapped_ || EndMapping()) && sys_.Sync(fd_.Get(), path_));
}

FsResult PosixAppendFile::SyncWritten() {
    // The mapping's dirty pages are the file's pages in the page cache: fdatasync writes them too.
    return FsResult::FromErrno(sys_.SyncData(fd_.Get(), path_));
}

FsResult PosixAppendFile::Overwrite(std::uint64_t offset, std::string_view bytes) {
    const auto start = static_cast<off_t>(offset);
    if (start < 0 || start + static_cast<off_t>(bytes.size()) > length_) return FsResult::Failed(EINVAL);
    if (mapped_ && window_ && start >= windowStart_)
        return FsResult::FromErrno(sys_.WriteMapped(window_ + (start - windowStart_), path_, bytes));
    return FsResult::FromErrno(sys_.WriteAllAt(fd_.Get(), path_, bytes, start));
}

bool PosixAppendFile::AppendBytes(std::string_view bytes) {
    if (mapped_ && !HasRoomFor(bytes.size()) && !MapRoomFor(bytes.size())) {
        // Written from here on, after the true end; a file that cannot get it back takes no more.
        if (!EndMapping()) return false;
        mapped_ = false;
    }
    if (mapped_ ? !sys_.WriteMapped(window_ + (length_ - windowStart_), path_, bytes)
                : !sys_.WriteAllAt(fd_.Get(), path_, bytes, length_))
        return false;
    length_ += static_cast<off_t>(bytes.size());
    return true;
}

FsResult PosixAppendFile::TakeBack(std::size_t size) {
    const off_t end = length_ - static_cast<off_t>(size);
    if (end < 0) return FsResult::Failed(EINVAL);
    // Zeros end the lines a recovery reads, as in the room reserved ahead.
    if (mapped_ && window_ && end >= windowStart_) {
        std::memset(window_ + (end - windowStart_), 0, size);
        length_ = end;
        return {};
    }
    if (mapped_ && !EndMapping()) return FsResult::FromErrno(false);
    if (!sys_.Truncate(fd_.Get(), path_, end)) return FsResult::FromErrno(false);
    length_ = end;
    return {};
}

bool PosixAppendFile::HasRoomFor(std::size_t size) const {
    return window_ && length_ + static_cast<off_t>(size) <= windowStart_ + static_cast<off_t>(windowSize_);
}

// A window from the page that holds the end, reserved and mapped in place of the last one.
bool PosixAppendFile::MapRoomFor(std::size_t size) {
    ReleaseWindow();
    const auto page = static_cast<off_t>(::sysconf(_SC_PAGESIZE));
    const off_t start = length_ / page * page;
    // At least one window, also for an empty append: neither call takes a length of 0.
    const std::size_t needed = static_cast<std::size_t>(length_ - start) + size;
    const std::size_t span = std::max(kWindowBytes, RoundUp(needed, kWindowBytes));
    if (!sys_.Reserve(fd_.Get(), path_, start + static_cast<off_t>(span))) return false;
    window_ = sys_.Map(fd_.Get(), path_, start, span);
    if (!window_) return false;
    windowStart_ = start;
    windowSize_ = span;
    return true;
}

void PosixAppendFile::ReleaseWindow() {
    if (window_) sys_.Unmap(window_, windowSize_);
    window_ = nullptr;
}

bool PosixAppendFile::EndMapping() {
    ReleaseWindow();
    return sys_.Truncate(fd_.Get(), path_, length_);
}

} // namespace varnolt::posix
