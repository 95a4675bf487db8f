// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/media/TakenDateReaders.h"

#include <MediaInfo/MediaInfo.h>
#include <exiv2/bmffimage.hpp>
#include <exiv2/exiv2.hpp>
#include <exiv2/webpimage.hpp>

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>
#include <vector>

namespace varnolt::media {

namespace {

struct ExifDateTags {
    std::uint16_t Date;
    std::uint16_t Zone;
};
// DateTimeOriginal with OffsetTimeOriginal, then DateTimeDigitized with OffsetTimeDigitized.
constexpr std::array<ExifDateTags, 2> kExifDates{{{0x9003, 0x9011}, {0x9004, 0x9012}}};

std::optional<std::string> ExifText(const Exiv2::ExifData& exif, std::uint16_t tag) {
    const auto found = exif.findKey(Exiv2::ExifKey(tag, "Photo"));
    if (found == exif.end()) return std::nullopt;
    return found->toString();
}

// The library's readers of the photo formats; its video readers are never let at the bytes (they are not
// made for hostile files, and videos are read with libmediainfo).
bool IsPhotoType(int type) {
    namespace T = Exiv2::ImageType;
    for (const int photo : {T::jpeg, T::tiff, T::cr2, T::orf, T::rw2, T::raf, T::png, T::webp, T::bmff})
        if (type == photo) return true;
    return false;
}

// Cameras without a set clock write zeros (or blanks, which do not parse).
bool IsUnset(const WrittenTime& time) { return time.Year == 0 && time.Month == 0 && time.Day == 0; }

constexpr std::size_t kVideoChunk = 64u << 10;
constexpr std::size_t kFinalisedStatus = 0x08;
constexpr ZenLib::int64u kNoJump = static_cast<ZenLib::int64u>(-1);

// MediaInfo's texts of a date are plain ASCII.
std::string Narrow(const MediaInfoLib::String& text) {
    std::string narrow;
    for (const auto c : text) narrow += c >= 0 && c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
}

} // namespace

std::optional<WrittenTime> ParseWrittenTime(std::string_view text) {
    std::array<int, 6> numbers{};
    std::size_t found = 0;
    for (std::size_t i = 0; i < text.size() && found < numbers.size();) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        int value = 0;
        std::size_t digits = 0;
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits)
            if (digits < 4) value = value * 10 + (text[i] - '0');
        // A field wider than a year is no date.
        if (digits > 4) return std::nullopt;
        numbers[found++] = value;
    }
    if (found < numbers.size()) return std::nullopt;
    return WrittenTime{numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5]};
}

std::optional<int> ParseZoneOffset(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    const auto digit = [&](std::size_t i) { return std::isdigit(static_cast<unsigned char>(text[i])) != 0; };
    if (text.size() < 6 || (text[0] != '+' && text[0] != '-') || !digit(1) || !digit(2) || text[3] != ':' ||
        !digit(4) || !digit(5))
        return std::nullopt;
    const int hours = (text[1] - '0') * 10 + (text[2] - '0');
    const int minutes = (text[4] - '0') * 10 + (text[5] - '0');
    if (hours > 14 || minutes > 59) return std::nullopt;
    const int offset = hours * 60 + minutes;
    return text[0] == '-' ? -offset : offset;
}

std::optional<TakenDate> ExifTakenDate(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > kPhotoViewCap) return std::nullopt;
    try {
        if (!IsPhotoType(Exiv2::ImageFactory::getType(data, static_cast<long>(size)))) return std::nullopt;
        // The bytes are only looked at, not copied.
        const auto image = Exiv2::ImageFactory::open(data, static_cast<long>(size));
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        for (const ExifDateTags& tags : kExifDates) {
            const std::optional<std::string> text = ExifText(exif, tags.Date);
            const std::optional<WrittenTime> time = text ? ParseWrittenTime(*text) : std::nullopt;
            if (!time || IsUnset(*time)) continue;
            TakenDate taken{false, *time, std::nullopt};
            if (const std::optional<std::string> zone = ExifText(exif, tags.Zone)) taken.OffsetMinutes = ParseZoneOffset(*zone);
            return taken;
        }
    } catch (...) {
        // A file the library cannot make sense of has no date.
    }
    return std::nullopt;
}

void PrepareContainerReader() {
    MediaInfoLib::MediaInfo tables;
    tables.Option(__T("Info_Version"));
}

std::optional<TakenDate> ContainerTakenDate(const ReadAt& read, std::uint64_t fileSize, std::uint64_t readCap) {
    try {
        MediaInfoLib::MediaInfo info;
        // Only the header: no frames are looked at.
        info.Option(__T("ParseSpeed"), __T("0"));
        info.Open_Buffer_Init(fileSize, 0);
        std::vector<std::uint8_t> buffer(kVideoChunk);
        std::uint64_t offset = 0, total = 0;
        while (total < readCap) {
            const std::size_t got = read(offset, buffer.data(), static_cast<std::size_t>(std::min<std::uint64_t>(
                                                                     buffer.size(), readCap - total)));
            if (got == 0) break;
            total += got;
            offset += got;
            if (info.Open_Buffer_Continue(buffer.data(), got) & kFinalisedStatus) break;
            // The library asks to skip the media data to the next header box.
            const ZenLib::int64u jump = info.Open_Buffer_Continue_GoTo_Get();
            if (jump == kNoJump) continue;
            if (jump >= fileSize) break;
            offset = jump;
            info.Open_Buffer_Init(fileSize, jump);
        }
        info.Open_Buffer_Finalize();
        for (const auto* field : {__T("Encoded_Date"), __T("Tagged_Date")}) {
            const std::optional<WrittenTime> time =
                ParseWrittenTime(Narrow(info.Get(MediaInfoLib::Stream_General, 0, field)));
            if (time && !IsUnset(*time)) return TakenDate{true, *time, std::nullopt};
        }
    } catch (...) {
        // As for photos: no date.
    }
    return std::nullopt;
}

} // namespace varnolt::media
