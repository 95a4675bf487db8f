// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/media/ContainerBoxes.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnolt::media {

namespace {

// Counts what is read against the cap, so that a corrupt size cannot make the walk read on.
class Reader {
  public:
    Reader(const ReadAt& read, std::uint64_t fileSize, std::uint64_t cap)
        : read_(read), size_(fileSize), left_(cap) {}
    std::uint64_t Size() const { return size_; }
    // Exactly `count` bytes at `offset`, or false.
    bool Get(std::uint64_t offset, std::uint8_t* buffer, std::size_t count) {
        if (count > left_ || offset > size_ || count > size_ - offset) return false;
        left_ -= count;
        for (std::size_t got = 0; got < count;) {
            const std::size_t n = read_(offset + got, buffer + got, count - got);
            if (n == 0) return false;
            got += n;
        }
        return true;
    }

  private:
    const ReadAt& read_;
    std::uint64_t size_;
    std::uint64_t left_;
};

std::uint64_t BigEndian(const std::uint8_t* bytes, std::size_t count) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value = value << 8 | bytes[i];
    return value;
}

constexpr std::uint32_t FourCc(const char (&name)[5]) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(name[0])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[3]));
}

// A UTC moment in seconds since the Unix epoch, as a calendar time; none before 1900 or past 9999. Counted
// here rather than with gmtime_r, whose zone lock a child process forked from a busy program may find held.
std::optional<TakenDate> UtcMoment(std::int64_t seconds) {
    constexpr std::int64_t kYear1900 = -2208988800, kYear10000 = 253402300800, kDay = 86400;
    if (seconds < kYear1900 || seconds >= kYear10000) return std::nullopt;
    const std::int64_t days = (seconds >= 0 ? seconds : seconds - (kDay - 1)) / kDay;
    const std::int64_t time = seconds - days * kDay;
    // Days since 1970-01-01 to the proleptic Gregorian calendar, in eras of 400 years from 0000-03-01.
    const std::int64_t shifted = days + 719468;
    const std::int64_t era = (shifted >= 0 ? shifted : shifted - 146096) / 146097;
    const std::int64_t dayOfEra = shifted - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
    return TakenDate{true,
                     {year, month, day, static_cast<int>(time / 3600), static_cast<int>(time / 60 % 60),
                      static_cast<int>(time % 60)},
                     std::nullopt};
}

// A walk touches at most this many boxes or elements: a file of millions of tiny ones ends it.
constexpr int kMostSteps = 4096;
// A box whose content is read whole (metadata, keys) is no larger.
constexpr std::uint64_t kMostMetadata = 256u << 10;

struct Box {
    std::uint32_t Type = 0;
    std::uint64_t Content = 0; // where its content starts
    std::uint64_t End = 0;
};

// The box at `offset`, ending no later than `end`.
std::optional<Box> BoxAt(Reader& file, std::uint64_t offset, std::uint64_t end) {
    std::array<std::uint8_t, 16> head{};
    if (end < offset || end - offset < 8 || !file.Get(offset, head.data(), 8)) return std::nullopt;
    Box box{static_cast<std::uint32_t>(BigEndian(head.data() + 4, 4)), offset + 8, 0};
    std::uint64_t size = BigEndian(head.data(), 4);
    if (size == 1) {
        if (end - offset < 16 || !file.Get(offset + 8, head.data() + 8, 8)) return std::nullopt;
        size = BigEndian(head.data() + 8, 8);
        box.Content = offset + 16;
    } else if (size == 0) {
        size = end - offset;
    }
    if (size < box.Content - offset || size > end - offset) return std::nullopt;
    box.End = offset + size;
    return box;
}

// The first box of `type` among those from `offset` to `end`.
std::optional<Box> FindBox(Reader& file, std::uint64_t offset, std::uint64_t end, std::uint32_t type,
                           int& steps) {
    while (offset < end && steps++ < kMostSteps) {
        const std::optional<Box> box = BoxAt(file, offset, end);
        if (!box) return std::nullopt;
        if (box->Type == type) return box;
        offset = box->End;
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> Content(Reader& file, const Box& box) {
    const std::uint64_t size = box.End - box.Content;
    if (size > kMostMetadata) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!file.Get(box.Content, bytes.data(), bytes.size())) return std::nullopt;
    return bytes;
}

// moov/meta: the value in "ilst" of the key "com.apple.quicktime.creationdate" listed in "keys".
std::optional<TakenDate> AppleCreationDate(Reader& file, const Box& meta, int& steps) {
    // QuickTime's meta box has no version and flags, MP4's has four bytes of them, all zero.
    std::array<std::uint8_t, 4> version{};
    if (!file.Get(meta.Content, version.data(), version.size())) return std::nullopt;
    const std::uint64_t first = meta.Content + (BigEndian(version.data(), 4) == 0 ? 4 : 0);
    const std::optional<Box> keysBox = FindBox(file, first, meta.End, FourCc("keys"), steps);
    const std::optional<Box> listBox = FindBox(file, first, meta.End, FourCc("ilst"), steps);
    if (!keysBox || !listBox) return std::nullopt;
    const std::optional<std::vector<std::uint8_t>> keys = Content(file, *keysBox);
    if (!keys || keys->size() < 8) return std::nullopt;
    constexpr std::string_view kKey = "com.apple.quicktime.creationdate";
    std::uint32_t index = 0;
    const std::uint64_t count = BigEndian(keys->data() + 4, 4);
    for (std::size_t at = 8, n = 1; n <= count && at + 8 <= keys->size(); ++n) {
        const std::uint64_t size = BigEndian(keys->data() + at, 4);
        if (size < 8 || size > keys->size() - at) break;
        const std::string_view name(reinterpret_cast<const char*>(keys->data() + at + 8), size - 8);
        if (name == kKey) {
            index = static_cast<std::uint32_t>(n);
            break;
        }
        at += size;
    }
    if (index == 0) return std::nullopt;
    const std::optional<Box> item = FindBox(file, listBox->Content, listBox->End, index, steps);
    const std::optional<Box> data =
        item ? FindBox(file, item->Content, item->End, FourCc("data"), steps) : std::nullopt;
    const std::optional<std::vector<std::uint8_t>> value = data ? Content(file, *data) : std::nullopt;
    // Four bytes of type, four of locale, then the text.
    if (!value || value->size() <= 8) return std::nullopt;
    return ParseClockText({reinterpret_cast<const char*>(value->data() + 8), value->size() - 8});
}

// Seconds from 1904-01-01 (QuickTime's epoch) to 1970-01-01, and from 1970 to 2001-01-01 (Matroska's).
constexpr std::int64_t kQuickTimeEpoch = -2082844800;
constexpr std::int64_t kMatroskaEpoch = 978307200;

std::optional<TakenDate> MovieCreation(Reader& file, const Box& header) {
    std::array<std::uint8_t, 12> bytes{};
    if (!file.Get(header.Content, bytes.data(), 1)) return std::nullopt;
    const bool wide = bytes[0] == 1;
    if (!file.Get(header.Content + 4, bytes.data(), wide ? 8 : 4)) return std::nullopt;
    const std::uint64_t since1904 = BigEndian(bytes.data(), wide ? 8 : 4);
    // Zero is a creation time that was never set.
    if (since1904 == 0 || since1904 > (1ull << 40)) return std::nullopt;
    return UtcMoment(static_cast<std::int64_t>(since1904) + kQuickTimeEpoch);
}

// Matroska's variable-length numbers: an element's ID keeps its length marker, a size does not; a size of
// all ones is unknown.
constexpr std::uint64_t kUnknownSize = ~0ull;

bool VarInt(Reader& file, std::uint64_t& offset, bool keepMarker, std::uint64_t& value) {
    std::uint8_t first = 0;
    if (!file.Get(offset, &first, 1) || first == 0) return false;
    std::size_t length = 1;
    while (!(first & (0x80 >> (length - 1))))
        ++length;
    if (length > 8) return false;
    std::array<std::uint8_t, 8> bytes{first};
    if (length > 1 && !file.Get(offset + 1, bytes.data() + 1, length - 1)) return false;
    offset += length;
    value = BigEndian(bytes.data(), length);
    if (keepMarker) return length <= 4;
    const std::uint64_t marker = 1ull << (7 * length);
    value &= marker - 1;
    if (value == marker - 1) value = kUnknownSize;
    return true;
}

struct Element {
    std::uint64_t Id = 0;
    std::uint64_t Content = 0;
    std::uint64_t End = 0;
};

std::optional<Element> ElementAt(Reader& file, std::uint64_t offset, std::uint64_t end) {
    Element element;
    std::uint64_t size = 0;
    if (!VarInt(file, offset, true, element.Id) || !VarInt(file, offset, false, size) || offset > end)
        return std::nullopt;
    element.Content = offset;
    element.End = size == kUnknownSize ? end : size > end - offset ? end : offset + size;
    return element;
}

std::optional<Element> FindElement(Reader& file, std::uint64_t offset, std::uint64_t end, std::uint64_t id,
                                   int& steps) {
    while (offset < end && steps++ < kMostSteps) {
        const std::optional<Element> element = ElementAt(file, offset, end);
        if (!element) return std::nullopt;
        if (element->Id == id) return element;
        if (element->End == end) return std::nullopt; // an unknown size: what follows cannot be found
        offset = element->End;
    }
    return std::nullopt;
}

std::uint32_t LittleEndian(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16) |
           static_cast<std::uint32_t>(bytes[3]) << 24;
}

bool IsFourCc(const std::uint8_t* bytes, std::string_view name) {
    return std::string_view(reinterpret_cast<const char*>(bytes), 4) == name;
}

// "MON JUN 01 08:00:00 2015", as cameras write IDIT; other forms as dates are written elsewhere.
std::optional<TakenDate> ParseAviDate(std::string_view text) {
    constexpr std::string_view kMonths = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
    std::string upper;
    for (const char c : text)
        upper += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    const std::size_t space = upper.find(' ');
    const std::size_t name =
        space == std::string::npos ? std::string::npos : kMonths.find(upper.substr(space + 1, 3));
    if (name == std::string_view::npos || name % 3 != 0 || upper.size() < space + 4)
        return ParseTakenText(text);
    // Day, time and year after the month's name, put in the order of the other forms.
    const std::string rest = upper.substr(space + 4);
    int day = 0, hour = 0, minute = 0, second = 0, year = 0;
    if (std::sscanf(rest.c_str(), " %2d %2d:%2d:%2d %4d", &day, &hour, &minute, &second, &year) != 5)
        return std::nullopt;
    return TakenDate{false, {year, static_cast<int>(name / 3) + 1, day, hour, minute, second}, std::nullopt};
}

// The text of chunk `id` in the list `list` at the top of an AVI file.
std::optional<std::string> AviText(Reader& file, std::string_view list, std::string_view id, int& steps) {
    std::array<std::uint8_t, 12> head{};
    for (std::uint64_t offset = 12; offset + 12 <= file.Size() && steps++ < kMostSteps;) {
        if (!file.Get(offset, head.data(), 12)) return std::nullopt;
        const std::uint64_t end = offset + 8 + LittleEndian(head.data() + 4);
        if (IsFourCc(head.data(), "LIST") && IsFourCc(head.data() + 8, list)) {
            for (std::uint64_t at = offset + 12;
                 at + 8 <= std::min(end, file.Size()) && steps++ < kMostSteps;) {
                if (!file.Get(at, head.data(), 8)) return std::nullopt;
                const std::uint32_t size = LittleEndian(head.data() + 4);
                if (IsFourCc(head.data(), id)) {
                    if (size > kMostMetadata) return std::nullopt;
                    std::string text(size, '\0');
                    if (!file.Get(at + 8, reinterpret_cast<std::uint8_t*>(text.data()), size))
                        return std::nullopt;
                    return text.substr(0, text.find('\0'));
                }
                at += 8 + size + (size & 1);
            }
            return std::nullopt;
        }
        // Chunks are padded to an even length.
        offset = end + (end & 1);
    }
    return std::nullopt;
}

} // namespace

std::optional<TakenDate> AviTakenDate(const ReadAt& read, std::uint64_t fileSize, std::uint64_t readCap) {
    Reader file(read, fileSize, readCap);
    std::array<std::uint8_t, 12> head{};
    if (!file.Get(0, head.data(), 12) || !IsFourCc(head.data(), "RIFF") || !IsFourCc(head.data() + 8, "AVI "))
        return std::nullopt;
    int steps = 0;
    // The camera's IDIT in the header list, else the ICRD of the information list.
    for (const auto& [list, id] : {std::pair{"hdrl", "IDIT"}, std::pair{"INFO", "ICRD"}}) {
        const std::optional<std::string> text = AviText(file, list, id, steps);
        if (std::optional<TakenDate> taken = text ? ParseAviDate(*text) : std::nullopt) return taken;
    }
    return std::nullopt;
}

std::optional<TakenDate> QuickTimeTakenDate(const ReadAt& read, std::uint64_t fileSize,
                                            std::uint64_t readCap) {
    Reader file(read, fileSize, readCap);
    int steps = 0;
    const std::optional<Box> movie = FindBox(file, 0, fileSize, FourCc("moov"), steps);
    if (!movie) return std::nullopt;
    // The capture date first: the movie's creation time is the end of the recording, in UTC. Phones write
    // it in moov/meta, other writers in moov/udta/meta.
    if (const std::optional<Box> meta = FindBox(file, movie->Content, movie->End, FourCc("meta"), steps))
        if (std::optional<TakenDate> apple = AppleCreationDate(file, *meta, steps)) return apple;
    if (const std::optional<Box> user = FindBox(file, movie->Content, movie->End, FourCc("udta"), steps))
        if (const std::optional<Box> meta = FindBox(file, user->Content, user->End, FourCc("meta"), steps))
            if (std::optional<TakenDate> apple = AppleCreationDate(file, *meta, steps)) return apple;
    const std::optional<Box> header = FindBox(file, movie->Content, movie->End, FourCc("mvhd"), steps);
    return header ? MovieCreation(file, *header) : std::nullopt;
}

std::optional<TakenDate> MatroskaTakenDate(const ReadAt& read, std::uint64_t fileSize,
                                           std::uint64_t readCap) {
    constexpr std::uint64_t kEbml = 0x1A45DFA3, kSegment = 0x18538067, kInfo = 0x1549A966, kDateUtc = 0x4461;
    Reader file(read, fileSize, readCap);
    int steps = 0;
    const std::optional<Element> header = ElementAt(file, 0, fileSize);
    if (!header || header->Id != kEbml) return std::nullopt;
    const std::optional<Element> segment = FindElement(file, header->End, fileSize, kSegment, steps);
    const std::optional<Element> info =
        segment ? FindElement(file, segment->Content, segment->End, kInfo, steps) : std::nullopt;
    const std::optional<Element> date =
        info ? FindElement(file, info->Content, info->End, kDateUtc, steps) : std::nullopt;
    std::array<std::uint8_t, 8> bytes{};
    if (!date || date->End - date->Content != 8 || !file.Get(date->Content, bytes.data(), 8))
        return std::nullopt;
    // Nanoseconds since 2001-01-01 UTC; zero is a date that was never set.
    const auto nanoseconds = static_cast<std::int64_t>(BigEndian(bytes.data(), 8));
    if (nanoseconds == 0) return std::nullopt;
    return UtcMoment(nanoseconds / 1000000000 + kMatroskaEpoch);
}

} // namespace varnolt::media
