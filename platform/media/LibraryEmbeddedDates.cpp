// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/media/LibraryEmbeddedDates.h"

#include "platform/media/ChildProcess.h"
#include "platform/media/TakenDateReaders.h"

#include <exiv2/exiv2.hpp>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <string_view>

namespace varnolt {

namespace {

enum class MediaKind { Other, Photo, Video };

constexpr std::string_view kPhotoExtensions[] = {"jpg", "jpeg", "jpe", "tif", "tiff", "heic", "heif", "png",
                                                 "webp", "cr2",  "cr3", "nef", "arw",  "dng",  "orf", "rw2", "raf"};
constexpr std::string_view kVideoExtensions[] = {"mp4", "mov", "m4v", "3gp"};

MediaKind KindOf(const std::string& path) {
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return MediaKind::Other;
    std::string extension = path.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto listed = [&](const auto& list) { return std::find(std::begin(list), std::end(list), extension) != std::end(list); };
    if (listed(kPhotoExtensions)) return MediaKind::Photo;
    if (listed(kVideoExtensions)) return MediaKind::Video;
    return MediaKind::Other;
}

class OpenFile {
public:
    // Without blocking: a fifo or a device that bears a photo's name is refused, not waited on.
    explicit OpenFile(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)) {
        struct stat info {};
        if (fd_ >= 0 && ::fstat(fd_, &info) == 0 && S_ISREG(info.st_mode)) size_ = static_cast<std::uint64_t>(info.st_size);
    }
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    // Zero for anything but a regular file with content.
    std::uint64_t Size() const { return size_; }
    int Descriptor() const { return fd_; }

    std::size_t ReadAt(std::uint64_t offset, std::uint8_t* buffer, std::size_t size) const {
        for (;;) {
            const ssize_t got = ::pread(fd_, buffer, size, static_cast<off_t>(offset));
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) return 0;
        }
    }

private:
    int fd_;
    std::uint64_t size_ = 0;
};

// The start of the photo is mapped rather than read: the library touches only the pages it parses.
std::optional<TakenDate> PhotoTakenDate(const OpenFile& file) {
    const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(file.Size(), media::kPhotoViewCap));
    void* view = ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE, file.Descriptor(), 0);
    if (view == MAP_FAILED) return std::nullopt;
    const std::optional<TakenDate> taken = media::ExifTakenDate(static_cast<const std::uint8_t*>(view), length);
    ::munmap(view, length);
    return taken;
}

// In a child process: a corrupt sample table can keep the library counting for seconds.
std::optional<TakenDate> VideoTakenDate(const OpenFile& file) {
    return media::ReadInChild([&] {
        return media::ContainerTakenDate(
            [&](std::uint64_t offset, std::uint8_t* buffer, std::size_t size) { return file.ReadAt(offset, buffer, size); },
            file.Size());
    });
}

} // namespace

LibraryEmbeddedDates::LibraryEmbeddedDates() {
    // HEIC, HEIF and CR3 are read only when asked for; the library's warnings about odd files would go to
    // the terminal.
    Exiv2::enableBMFF(true);
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    media::PrepareContainerReader();
}

std::optional<TakenDate> LibraryEmbeddedDates::ReadTakenDate(const std::string& path) {
    const MediaKind kind = KindOf(path);
    if (kind == MediaKind::Other) return std::nullopt;
    const OpenFile file(path);
    if (file.Size() == 0) return std::nullopt;
    return kind == MediaKind::Photo ? PhotoTakenDate(file) : VideoTakenDate(file);
}

} // namespace varnolt
