// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/media/LibraryEmbeddedDates.h"

#include "platform/media/ChildProcess.h"
#include "platform/media/TakenDateReaders.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <exiv2/exiv2.hpp>
#include <fcntl.h>
#include <string_view>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace varnolt {

namespace {

enum class MediaKind { Other, Photo, Video };

constexpr std::string_view kPhotoExtensions[] = {"jpg",  "jpeg", "jpe",  "tif", "tiff", "heic",
                                                 "heif", "png",  "webp", "cr2", "cr3",  "nef",
                                                 "arw",  "dng",  "orf",  "rw2", "raf"};
struct VideoType {
    std::string_view Extension;
    // The container library's parser for it.
    const char* Parser;
};
constexpr VideoType kVideoTypes[] = {{"mp4", "Mpeg4"}, {"mov", "Mpeg4"},  {"m4v", "Mpeg4"},
                                     {"3gp", "Mpeg4"}, {"mkv", "Mk"},     {"webm", "Mk"},
                                     {"avi", "Riff"},  {"mts", "MpegTs"}, {"m2ts", "MpegTs"}};

// What the child is asked: the kind's letter, then the path.
constexpr char kPhotoRequest = 'P';
constexpr char kVideoRequest = 'V';

std::string LowerExtension(std::string_view path) {
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos || path.find('/', dot) != std::string_view::npos) return {};
    std::string extension(path.substr(dot + 1));
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

const VideoType* VideoTypeOf(std::string_view path) {
    const std::string extension = LowerExtension(path);
    const auto found = std::find_if(std::begin(kVideoTypes), std::end(kVideoTypes),
                                    [&](const VideoType& type) { return type.Extension == extension; });
    return found == std::end(kVideoTypes) ? nullptr : found;
}

MediaKind KindOf(std::string_view path) {
    const std::string extension = LowerExtension(path);
    if (std::find(std::begin(kPhotoExtensions), std::end(kPhotoExtensions), extension) !=
        std::end(kPhotoExtensions))
        return MediaKind::Photo;
    return VideoTypeOf(path) ? MediaKind::Video : MediaKind::Other;
}

class OpenFile {
  public:
    // Without blocking: a fifo or a device that bears a photo's name is refused, not waited on.
    explicit OpenFile(const std::string& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)) {
        struct stat info {};
        if (fd_ >= 0 && ::fstat(fd_, &info) == 0 && S_ISREG(info.st_mode))
            size_ = static_cast<std::uint64_t>(info.st_size);
    }
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    // Zero for anything but a regular file with content.
    std::uint64_t Size() const { return size_; }

    std::size_t ReadAt(std::uint64_t offset, std::uint8_t* buffer, std::size_t size) const {
        for (;;) {
            const ssize_t got = ::pread(fd_, buffer, size, static_cast<off_t>(offset));
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) return 0;
        }
    }

    // The first `length` bytes, mapped rather than read: a library touches only the pages it parses.
    class View {
      public:
        View(int fd, std::size_t length)
            : length_(length),
              data_(length > 0 ? ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fd, 0) : MAP_FAILED) {}
        ~View() {
            if (data_ != MAP_FAILED) ::munmap(data_, length_);
        }
        View(const View&) = delete;
        View& operator=(const View&) = delete;
        const std::uint8_t* Data() const {
            return data_ == MAP_FAILED ? nullptr : static_cast<const std::uint8_t*>(data_);
        }
        std::size_t Size() const { return data_ == MAP_FAILED ? 0 : length_; }

      private:
        std::size_t length_;
        void* data_;
    };
    View Map(std::uint64_t cap) const { return View(fd_, static_cast<std::size_t>(std::min(size_, cap))); }

  private:
    int fd_;
    std::uint64_t size_ = 0;
};

// What the child process does with a request.
std::optional<TakenDate> ReadInReader(std::string_view request) {
    if (request.empty()) return std::nullopt;
    const std::string_view path = request.substr(1);
    const OpenFile file{std::string(path)};
    if (file.Size() == 0) return std::nullopt;
    if (request[0] == kPhotoRequest) {
        const OpenFile::View view = file.Map(file.Size());
        return media::ExifTakenDate(view.Data(), view.Size());
    }
    const VideoType* type = VideoTypeOf(path);
    return media::ContainerTakenDate([&](std::uint64_t offset, std::uint8_t* buffer,
                                         std::size_t size) { return file.ReadAt(offset, buffer, size); },
                                     file.Size(), media::kVideoReadCap, type ? type->Parser : nullptr);
}

// A sidecar beside the photo: "IMG_1234.CR2.xmp", else "IMG_1234.xmp".
std::optional<TakenDate> SidecarTakenDate(const std::string& path) {
    const std::string stem = path.substr(0, path.rfind('.'));
    for (const std::string& sidecar : {path + ".xmp", path + ".XMP", stem + ".xmp", stem + ".XMP"}) {
        const OpenFile file(sidecar);
        if (file.Size() == 0 || file.Size() > media::kSidecarCap) continue;
        std::string packet(static_cast<std::size_t>(file.Size()), '\0');
        packet.resize(file.ReadAt(0, reinterpret_cast<std::uint8_t*>(packet.data()), packet.size()));
        return media::XmpTakenDate(packet);
    }
    return std::nullopt;
}

// The date in the file itself: a JPEG from its segments, a large TIFF-based raw and a video in the child
// process, any other photo from the mapped start of it.
std::optional<TakenDate> OwnDate(const std::string& path, MediaKind kind, media::ChildReader& reader) {
    const OpenFile file(path);
    if (file.Size() == 0) return std::nullopt;
    if (kind == MediaKind::Video) return reader.Ask(kVideoRequest + path);
    thread_local std::vector<std::uint8_t> head;
    const media::ReadAt read = [&](std::uint64_t offset, std::uint8_t* buffer, std::size_t size) {
        return file.ReadAt(offset, buffer, size);
    };
    if (media::ReadJpegHead(read, file.Size(), head)) return media::ExifTakenDate(head.data(), head.size());
    const OpenFile::View view = file.Map(media::kPhotoViewCap);
    // A TIFF's folders may lie anywhere in it: a large one is read whole, where its cost is bounded.
    if (file.Size() > media::kPhotoViewCap && media::IsTiffBased(view.Data(), view.Size()))
        return reader.Ask(kPhotoRequest + path);
    return media::ExifTakenDate(view.Data(), view.Size());
}

} // namespace

LibraryEmbeddedDates::LibraryEmbeddedDates() : reader_(std::make_unique<media::ChildReader>(ReadInReader)) {
    // HEIC, HEIF and CR3 are read only when asked for; the library's warnings about odd files would go to
    // the terminal.
    Exiv2::enableBMFF(true);
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    media::PrepareReaders();
}

LibraryEmbeddedDates::~LibraryEmbeddedDates() = default;

std::optional<TakenDate> LibraryEmbeddedDates::ReadTakenDate(const std::string& path) {
    const MediaKind kind = KindOf(path);
    if (kind == MediaKind::Other) return std::nullopt;
    const std::optional<TakenDate> own = OwnDate(path, kind, *reader_);
    return own || kind == MediaKind::Video ? own : SidecarTakenDate(path);
}

} // namespace varnolt
