// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/media/TakenDateReaders.h"

#include "platform/media/ContainerBoxes.h"

#include <MediaInfo/MediaInfo.h>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <exiv2/bmffimage.hpp>
#include <exiv2/exiv2.hpp>
#include <exiv2/webpimage.hpp>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace varnolt::media {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

struct ExifDateTags {
    std::uint16_t Date;
    const char* Folder;
    std::uint16_t Zone;
};
// DateTimeOriginal with OffsetTimeOriginal (TIFF/EP raws write it in the first image's folder), then
// DateTimeDigitized with OffsetTimeDigitized.
constexpr std::array<ExifDateTags, 3> kExifDates{
    {{0x9003, "Photo", 0x9011}, {0x9003, "Image", 0x9011}, {0x9004, "Photo", 0x9012}}};
constexpr std::array<const char*, 3> kXmpDates{"Xmp.exif.DateTimeOriginal", "Xmp.xmp.CreateDate",
                                               "Xmp.photoshop.DateCreated"};

std::optional<std::string> ExifText(const Exiv2::ExifData& exif, std::uint16_t tag, const char* folder) {
    const auto found = exif.findKey(Exiv2::ExifKey(tag, folder));
    if (found == exif.end()) return std::nullopt;
    return found->toString();
}

// Cameras without a set clock write zeros (or blanks, which do not parse).
bool IsUnset(const WrittenTime& time) {
    return time.Year == 0 && time.Month == 0 && time.Day == 0;
}

std::optional<TakenDate> FirstXmpDate(const Exiv2::XmpData& xmp) {
    for (const char* key : kXmpDates) {
        const auto found = xmp.findKey(Exiv2::XmpKey(key));
        if (found == xmp.end()) continue;
        const std::optional<TakenDate> taken = ParseClockText(found->toString());
        if (taken && !IsUnset(taken->Time)) return taken;
    }
    return std::nullopt;
}

// The library's readers of the photo formats; its video readers are never let at the bytes (they are not
// made for hostile files, and videos are read with libmediainfo).
bool IsPhotoType(int type) {
    namespace T = Exiv2::ImageType;
    for (const int photo : {T::jpeg, T::tiff, T::cr2, T::orf, T::rw2, T::raf, T::png, T::webp, T::bmff})
        if (type == photo) return true;
    return false;
}

constexpr std::size_t kVideoChunk = 64u << 10;
constexpr std::size_t kFinalisedStatus = 0x08;
constexpr ZenLib::int64u kNoJump = static_cast<ZenLib::int64u>(-1);

// MediaInfo's texts of a date are plain ASCII.
std::string Narrow(const MediaInfoLib::String& text) {
    std::string narrow;
    for (const auto c : text)
        narrow += c >= 0 && c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
}

struct ContainerDate {
    const MediaInfoLib::Char* Field;
    std::optional<TakenDate> (*Parse)(std::string_view text);
};
// The Apple capture date (with its zone) first: the container's own date is the end of the recording, in UTC.
constexpr std::array<ContainerDate, 5> kContainerDates{
    {{__T("com.apple.quicktime.creationdate"), ParseClockText},
     {__T("Encoded_Date"), ParseTakenText},
     {__T("Tagged_Date"), ParseTakenText},
     // AVI: IDIT, then ICRD.
     {__T("Mastered_Date"), ParseTakenText},
     {__T("Recorded_Date"), ParseTakenText}}};

// AVCHD camcorders write the recording date into the H.264 stream's user data ("MDPM"), which the container
// library does not report; the first within the read cap is taken.
constexpr std::array<std::uint8_t, 20> kMdpmMark{0x17, 0xee, 0x8c, 0x60, 0xf8, 0x4d, 0x11, 0xd9, 0x8c, 0xd6,
                                                 0x08, 0x00, 0x20, 0x0c, 0x9a, 0x66, 'M',  'D',  'P',  'M'};
// The entry count and up to 51 entries of a tag and four bytes.
constexpr std::size_t kMdpmLength = 256;
constexpr std::uint8_t kMdpmDate = 0x18, kMdpmTime = 0x19;

std::optional<int> Bcd(std::uint8_t byte) {
    if ((byte >> 4) > 9 || (byte & 0x0f) > 9) return std::nullopt;
    return (byte >> 4) * 10 + (byte & 0x0f);
}

std::optional<TakenDate> MdpmDate(const std::uint8_t* data, std::size_t size) {
    // Without the stream's emulation-prevention bytes (a 3 after two zeros).
    std::vector<std::uint8_t> bytes;
    int zeros = 0;
    for (std::size_t i = 0; i < size && bytes.size() < kMdpmLength; ++i) {
        if (zeros >= 2 && data[i] == 3) {
            zeros = 0;
            continue;
        }
        zeros = data[i] == 0 ? zeros + 1 : 0;
        bytes.push_back(data[i]);
    }
    const std::uint8_t* date = nullptr;
    const std::uint8_t* time = nullptr;
    for (std::size_t entry = 1, n = 0; !bytes.empty() && n < bytes[0] && entry + 5 <= bytes.size();
         entry += 5, ++n) {
        if (bytes[entry] == kMdpmDate && !date) date = &bytes[entry + 1];
        if (bytes[entry] == kMdpmTime && !time) time = &bytes[entry + 1];
    }
    if (!date || !time) return std::nullopt;
    // The date's first byte is the zone: 0x20 west of UTC, bits 1-4 the hours, bit 0 a half hour.
    const std::array<std::optional<int>, 7> v{Bcd(date[1]), Bcd(date[2]), Bcd(date[3]), Bcd(time[0]),
                                              Bcd(time[1]), Bcd(time[2]), Bcd(time[3])};
    if (std::any_of(v.begin(), v.end(), [](const std::optional<int>& n) { return !n; })) return std::nullopt;
    TakenDate taken{false, {*v[0] * 100 + *v[1], *v[2], *v[3], *v[4], *v[5], *v[6]}, std::nullopt};
    const int zone = ((date[0] >> 1) & 0x0f) * 60 + (date[0] & 1) * 30;
    if (zone <= 14 * 60) taken.OffsetMinutes = date[0] & 0x20 ? -zone : zone;
    return taken;
}

std::optional<TakenDate> CamcorderTakenDate(const ReadAt& read, std::uint64_t fileSize,
                                            std::uint64_t budget) {
    std::vector<std::uint8_t> buffer(kVideoChunk + kMdpmMark.size() + kMdpmLength);
    std::uint64_t offset = 0;
    while (budget > 0 && offset < fileSize) {
        const std::size_t got = read(offset, buffer.data(),
                                     static_cast<std::size_t>(std::min<std::uint64_t>(
                                         buffer.size(), std::min(budget, fileSize - offset))));
        if (got == 0) break;
        budget -= got;
        const std::uint8_t* end = buffer.data() + got;
        const std::uint8_t* mark = std::search(static_cast<const std::uint8_t*>(buffer.data()), end,
                                               kMdpmMark.begin(), kMdpmMark.end());
        if (mark != end) {
            const std::size_t at = static_cast<std::size_t>(mark - buffer.data());
            // Read again from the mark when its entries run past the buffer.
            if (at > 0 && at + kMdpmMark.size() + kMdpmLength > got) {
                offset += at;
                continue;
            }
            return MdpmDate(mark + kMdpmMark.size(), got - at - kMdpmMark.size());
        }
        if (got <= kMdpmMark.size()) break;
        offset += got - (kMdpmMark.size() - 1);
    }
    return std::nullopt;
}

bool IsTransportStream(const std::string& format) {
    return format == "MPEG-TS" || format == "BDAV";
}

// Feeds the library the container's header.
void ReadHeader(MediaInfoLib::MediaInfo& info, const char* parser, const ReadAt& read,
                std::uint64_t fileSize) {
    // Only the header: no frames are looked at, and no figure is made readable. A parser named up front
    // spares the library trying each of its formats on the bytes, which costs more than the reading.
    info.Option(__T("ParseSpeed"), __T("0"));
    info.Option(__T("ReadByHuman"), __T("0"));
    if (parser)
        info.Option(__T("File_ForceParser"), MediaInfoLib::String(parser, parser + std::strlen(parser)));
    info.Open_Buffer_Init(fileSize, 0);
    std::vector<std::uint8_t> buffer(kVideoChunk);
    for (std::uint64_t offset = 0;;) {
        const std::size_t got = read(offset, buffer.data(), buffer.size());
        if (got == 0) break;
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
}

struct JpegSegment {
    std::uint8_t Marker = 0;
    std::size_t Payload = 0;                                         // after its length
    std::size_t Next = 0;                                            // where the next marker starts
    bool IsLast() const { return Marker == 0xDA || Marker == 0xD9; } // the image data, or the end
};

// The JPEG segment whose marker is at `at` in the first `size` bytes; none when it is not a marker or the
// bytes end first, `needed` then telling how many would do.
std::optional<JpegSegment> JpegSegmentAt(const std::uint8_t* data, std::size_t size, std::size_t at,
                                         std::size_t& needed) {
    needed = at + 2;
    if (size < needed || data[at] != 0xFF) return std::nullopt;
    JpegSegment segment{data[at + 1], at + 2, at + 2};
    // A fill byte, or a marker without a length.
    if (segment.Marker == 0xFF) segment.Next = at + 1;
    if (segment.Marker == 0xFF || segment.IsLast() || segment.Marker == 0x01 ||
        (segment.Marker >= 0xD0 && segment.Marker <= 0xD7))
        return segment;
    needed = at + 4;
    if (size < needed) return std::nullopt;
    const std::size_t length = static_cast<std::size_t>(data[at + 2]) << 8 | data[at + 3];
    if (length < 2) return std::nullopt;
    segment.Payload = at + 4;
    segment.Next = at + 2 + length;
    return segment;
}

// The TIFF structure of an Exif block, read where it lies in memory.
class ExifBlock {
  public:
    ExifBlock(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Valid() const {
        return size_ >= 8 && (std::memcmp(data_, "II*\0", 4) == 0 || std::memcmp(data_, "MM\0*", 4) == 0);
    }
    std::uint32_t FirstFolder() const { return Number(4, 4); }
    // The entry `tag` of the folder at `folder`: its type, count and value (or where the value is).
    struct Entry {
        std::uint16_t Type = 0;
        std::uint32_t Count = 0;
        std::size_t Value = 0;
    };
    std::optional<Entry> Find(std::uint32_t folder, std::uint16_t tag) const {
        if (folder > size_ || size_ - folder < 2) return std::nullopt;
        const std::uint32_t entries = Number(folder, 2);
        for (std::uint32_t i = 0; i < entries; ++i) {
            const std::size_t at = folder + 2 + std::size_t{12} * i;
            if (at + 12 > size_) return std::nullopt;
            if (Number(at, 2) != tag) continue;
            const Entry entry{static_cast<std::uint16_t>(Number(at + 2, 2)), Number(at + 4, 4), at + 8};
            return entry;
        }
        return std::nullopt;
    }
    std::uint32_t Number(std::size_t at, int width) const {
        std::uint32_t value = 0;
        for (int i = 0; i < width; ++i)
            value |= static_cast<std::uint32_t>(data_[at + (data_[0] == 'I' ? i : width - 1 - i)]) << (8 * i);
        return value;
    }
    // An ASCII entry's text.
    std::optional<std::string_view> Text(std::uint32_t folder, std::uint16_t tag) const {
        const std::optional<Entry> entry = Find(folder, tag);
        if (!entry || entry->Type != 2) return std::nullopt;
        const std::size_t at = entry->Count <= 4 ? entry->Value : Number(entry->Value, 4);
        if (at > size_ || entry->Count > size_ - at) return std::nullopt;
        const std::string_view text(reinterpret_cast<const char*>(data_ + at), entry->Count);
        return text.substr(0, text.find('\0'));
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// The dates of a JPEG's Exif segment, read without the library: it parses every tag of the file, which
// costs far more than the few that carry the date. None when there is no such segment or date in it.
std::optional<TakenDate> JpegExifDate(const std::uint8_t* data, std::size_t size) {
    for (std::size_t at = 2, needed = 0;;) {
        const std::optional<JpegSegment> segment = JpegSegmentAt(data, size, at, needed);
        if (!segment || segment->IsLast() || segment->Next > size) return std::nullopt;
        constexpr std::string_view kExif("Exif\0\0", 6);
        const std::size_t payload = segment->Next - segment->Payload;
        if (segment->Marker == 0xE1 && payload > kExif.size() &&
            std::memcmp(data + segment->Payload, kExif.data(), kExif.size()) == 0) {
            const ExifBlock exif(data + segment->Payload + kExif.size(), payload - kExif.size());
            if (!exif.Valid()) return std::nullopt;
            const std::uint32_t first = exif.FirstFolder();
            const std::optional<ExifBlock::Entry> pointer = exif.Find(first, 0x8769);
            const bool hasPhoto = pointer && pointer->Type == 4;
            const std::uint32_t photo = hasPhoto ? exif.Number(pointer->Value, 4) : 0;
            for (const ExifDateTags& tags : kExifDates) {
                const bool inPhoto = std::string_view(tags.Folder) == "Photo";
                if (inPhoto && !hasPhoto) continue;
                const std::optional<std::string_view> text = exif.Text(inPhoto ? photo : first, tags.Date);
                std::optional<TakenDate> taken = text ? ParseTakenText(*text) : std::nullopt;
                if (!taken || taken->IsUtc || IsUnset(taken->Time)) continue;
                if (hasPhoto)
                    if (const std::optional<std::string_view> zone = exif.Text(photo, tags.Zone))
                        taken->OffsetMinutes = ParseZoneOffset(*zone);
                return taken;
            }
            return std::nullopt;
        }
        at = segment->Next;
    }
}

} // namespace

std::optional<TakenDate> ParseTakenText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && !IsDigit(text[i]))
        ++i;
    TakenDate taken{text.substr(0, i).find("UTC") != std::string_view::npos, {}, std::nullopt};
    std::array<int, 6> fields{};
    std::size_t found = 0;
    for (; found < fields.size(); ++found) {
        if (found > 0) {
            // One separator: within the date, between the date and the time, within the time.
            const std::string_view separators = found < 3 ? "-:/." : found == 3 ? " T" : ":";
            if (i + 1 >= text.size() || separators.find(text[i]) == std::string_view::npos ||
                !IsDigit(text[i + 1]))
                break;
            ++i;
        }
        const std::size_t start = i;
        int value = 0;
        for (; i < text.size() && IsDigit(text[i]) && i - start < 5; ++i)
            value = value * 10 + (text[i] - '0');
        // A year of four digits, the other fields of at most two.
        const std::size_t digits = i - start;
        if (found == 0 ? digits != 4 : digits == 0 || digits > 2) return std::nullopt;
        fields[found] = value;
    }
    // A date alone, or with hours and minutes.
    if (found < 3 || found == 4) return std::nullopt;
    taken.Time = {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && IsDigit(text[i]);)
            ++i;
    std::string_view zone = text.substr(i);
    while (!zone.empty() && zone.front() == ' ')
        zone.remove_prefix(1);
    if (zone.starts_with('Z') || zone.starts_with("UTC"))
        taken.IsUtc = true;
    else if (!taken.IsUtc)
        taken.OffsetMinutes = ParseZoneOffset(zone);
    return taken;
}

std::optional<TakenDate> ParseClockText(std::string_view text) {
    std::optional<TakenDate> taken = ParseTakenText(text);
    if (taken && taken->IsUtc) {
        taken->IsUtc = false;
        taken->OffsetMinutes = 0;
    }
    return taken;
}

std::optional<int> ParseZoneOffset(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0'))
        text.remove_suffix(1);
    if (text.size() < 3 || (text[0] != '+' && text[0] != '-') || !IsDigit(text[1]) || !IsDigit(text[2]))
        return std::nullopt;
    // Hours alone, or with minutes after a colon or none.
    std::string_view rest = text.substr(3);
    const bool colon = rest.starts_with(':');
    if (colon) rest.remove_prefix(1);
    if ((colon || !rest.empty()) && (rest.size() != 2 || !IsDigit(rest[0]) || !IsDigit(rest[1])))
        return std::nullopt;
    const int hours = (text[1] - '0') * 10 + (text[2] - '0');
    const int minutes = rest.empty() ? 0 : (rest[0] - '0') * 10 + (rest[1] - '0');
    if (hours > 14 || minutes > 59) return std::nullopt;
    const int offset = hours * 60 + minutes;
    return text[0] == '-' ? -offset : offset;
}

std::optional<TakenDate> ExifTakenDate(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return std::nullopt;
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8)
        if (std::optional<TakenDate> taken = JpegExifDate(data, size)) return taken;
    try {
        if (!IsPhotoType(Exiv2::ImageFactory::getType(data, static_cast<long>(size)))) return std::nullopt;
        // The bytes are only looked at, not copied.
        const auto image = Exiv2::ImageFactory::open(data, static_cast<long>(size));
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        for (const ExifDateTags& tags : kExifDates) {
            const std::optional<std::string> text = ExifText(exif, tags.Date, tags.Folder);
            std::optional<TakenDate> taken = text ? ParseTakenText(*text) : std::nullopt;
            if (!taken || taken->IsUtc || IsUnset(taken->Time)) continue;
            if (const std::optional<std::string> zone = ExifText(exif, tags.Zone, "Photo"))
                taken->OffsetMinutes = ParseZoneOffset(*zone);
            return taken;
        }
        return FirstXmpDate(image->xmpData());
    } catch (...) {
        // A file the library cannot make sense of has no date.
    }
    return std::nullopt;
}

std::optional<TakenDate> XmpTakenDate(std::string_view packet) {
    if (packet.empty() || packet.size() > kSidecarCap) return std::nullopt;
    try {
        Exiv2::XmpData xmp;
        if (Exiv2::XmpParser::decode(xmp, std::string(packet)) != 0) return std::nullopt;
        return FirstXmpDate(xmp);
    } catch (...) {
        // As for photos: no date.
    }
    return std::nullopt;
}

bool ReadJpegHead(const ReadAt& read, std::uint64_t fileSize, std::vector<std::uint8_t>& head) {
    constexpr std::size_t kFirstRead = 16u << 10;
    const std::uint64_t limit = std::min<std::uint64_t>(fileSize, kPhotoViewCap);
    head.clear();
    // At least the first `count` bytes in `head`, read a doubling amount at a time.
    const auto have = [&](std::size_t count) {
        if (count <= head.size()) return true;
        if (count > limit) return false;
        const std::size_t old = head.size();
        head.resize(
            static_cast<std::size_t>(std::min<std::uint64_t>(std::max({count, old * 2, kFirstRead}), limit)));
        head.resize(old + read(old, head.data() + old, head.size() - old));
        return count <= head.size();
    };
    if (!have(2) || head[0] != 0xFF || head[1] != 0xD8) return false;
    for (std::size_t at = 2, needed = 0;;) {
        const std::optional<JpegSegment> segment = JpegSegmentAt(head.data(), head.size(), at, needed);
        if (!segment) {
            if (needed > head.size() && have(needed)) continue;
            return false;
        }
        if (segment->IsLast()) {
            head.resize(at + 2);
            return true;
        }
        at = segment->Next;
    }
}

bool IsTiffBased(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return false;
    // TIFF in either byte order, then the variants of Olympus (ORF) and Panasonic (RW2).
    for (const char* magic : {"II*\0", "MM\0*", "IIRO", "IIU\0"})
        if (std::memcmp(data, magic, 4) == 0) return true;
    return false;
}

void PrepareReaders() {
    MediaInfoLib::MediaInfo tables;
    tables.Option(__T("Info_Version"));
    Exiv2::XmpParser::initialize();
}

std::optional<TakenDate> ContainerTakenDate(const ReadAt& read, std::uint64_t fileSize, std::uint64_t readCap,
                                            const char* parser) {
    // Every reader below shares the one cap.
    std::uint64_t used = 0;
    const ReadAt capped = [&](std::uint64_t offset, std::uint8_t* buffer, std::size_t size) -> std::size_t {
        size = static_cast<std::size_t>(std::min<std::uint64_t>(size, readCap - used));
        const std::size_t got = size > 0 ? read(offset, buffer, size) : 0;
        used += got;
        return got;
    };
    const std::string_view named = parser ? parser : "";
    using Quick = std::optional<TakenDate> (*)(const ReadAt&, std::uint64_t, std::uint64_t);
    const Quick quick = named == "Mpeg4"  ? QuickTimeTakenDate
                        : named == "Mk"   ? MatroskaTakenDate
                        : named == "Riff" ? AviTakenDate
                                          : nullptr;
    if (quick)
        if (std::optional<TakenDate> taken = quick(capped, fileSize, readCap); taken && !IsUnset(taken->Time))
            return taken;
    try {
        auto info = std::make_unique<MediaInfoLib::MediaInfo>();
        ReadHeader(*info, parser, capped, fileSize);
        // Not of the format its name says: every parser is tried.
        if (parser && Narrow(info->Get(MediaInfoLib::Stream_General, 0, __T("Format"))).empty()) {
            info = std::make_unique<MediaInfoLib::MediaInfo>();
            ReadHeader(*info, nullptr, capped, fileSize);
        }
        for (const ContainerDate& date : kContainerDates) {
            const std::optional<TakenDate> taken =
                date.Parse(Narrow(info->Get(MediaInfoLib::Stream_General, 0, date.Field)));
            if (taken && !IsUnset(taken->Time)) return taken;
        }
        if (IsTransportStream(Narrow(info->Get(MediaInfoLib::Stream_General, 0, __T("Format")))))
            return CamcorderTakenDate(capped, fileSize, readCap);
    } catch (...) {
        // As for photos: no date.
    }
    return std::nullopt;
}

} // namespace varnolt::media
