// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TextFile.h"

#include "engine/Text.h"

#include <algorithm>

namespace varnolt {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
        const auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
        return static_cast<char32_t>((hi << 8) | lo);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            } else {
                c = 0xFFFD;
            }
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

// UTF-8 to UTF-16; a byte that starts no valid sequence becomes U+FFFD.
std::string Utf8ToUtf16(std::string_view text, bool bigEndian) {
    std::string out;
    out.reserve(text.size() * 2);
    const auto put = [&](char32_t u) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const std::size_t length = DecodeUtf8(text, i, c);
        if (c == kInvalidCodePoint) c = 0xFFFD;
        if (c >= 0x10000) {
            c -= 0x10000;
            put(0xD800 + (c >> 10));
            put(0xDC00 + (c & 0x3FF));
        } else {
            put(c);
        }
        i += length;
    }
    return out;
}

// The characters of the bytes 0x80 to 0x9F; the rest of the upper half is Latin-1.
constexpr char16_t kWindows1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a character in Windows-1252, or -1.
int Windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (kWindows1252High[i] == c) return 0x80 + i;
    return -1;
}

std::string Utf8ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        i += DecodeUtf8(text, i, c);
        const int byte = c == kInvalidCodePoint ? -1 : Windows1252Byte(c);
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

// The first CR or LF at or after `from`, by two memchr scans rather than find_first_of's test of every
// byte against the set.
std::size_t FindLineBreak(std::string_view text, std::size_t from) {
    const std::size_t lf = text.find('\n', from);
    return std::min(text.substr(0, lf).find('\r', from), lf);
}

} // namespace

void PieceLineReader::Feed(std::string_view bytes) {
    if (!encodingKnown_ && !TellEncoding(bytes, false)) return;
    if (encoding_ == TextEncoding::Utf16LE || encoding_ == TextEncoding::Utf16BE)
        FeedUtf16(bytes, false);
    else
        FeedText(bytes);
}

void PieceLineReader::Finish() {
    std::string_view rest;
    if (!encodingKnown_) TellEncoding(rest, true);
    if (encoding_ == TextEncoding::Utf16LE || encoding_ == TextEncoding::Utf16BE)
        FeedUtf16(rest, true);
    else
        FeedText(rest);
    if (!partial_.empty()) line_(partial_);
    partial_.clear();
}

// Once the first three bytes are in (or the text ends before), the mark is known; `bytes` becomes what
// follows it.
bool PieceLineReader::TellEncoding(std::string_view& bytes, bool atEnd) {
    if (head_.size() + bytes.size() < kUtf8Mark.size() && !atEnd) {
        head_ += bytes;
        return false;
    }
    const std::size_t taken =
        std::min(bytes.size(), kUtf8Mark.size() - std::min(head_.size(), kUtf8Mark.size()));
    head_ += bytes.substr(0, taken);
    bytes.remove_prefix(taken);
    encodingKnown_ = true;
    std::size_t mark = 0;
    if (head_.starts_with(kUtf8Mark)) {
        encoding_ = TextEncoding::Utf8WithMark;
        mark = kUtf8Mark.size();
    } else if (head_.starts_with(kUtf16LEMark) || head_.starts_with(kUtf16BEMark)) {
        encoding_ = head_.starts_with(kUtf16LEMark) ? TextEncoding::Utf16LE : TextEncoding::Utf16BE;
        mark = kUtf16LEMark.size();
    }
    const std::string afterMark = head_.substr(mark);
    head_.clear();
    if (encoding_ == TextEncoding::Utf16LE || encoding_ == TextEncoding::Utf16BE)
        undecoded_ = afterMark;
    else
        FeedText(afterMark);
    return true;
}

// Whole units only, and never a high surrogate without what follows it, so that the pieces decode as
// the whole would.
void PieceLineReader::FeedUtf16(std::string_view bytes, bool atEnd) {
    const bool bigEndian = encoding_ == TextEncoding::Utf16BE;
    undecoded_ += bytes;
    std::size_t ready = undecoded_.size() & ~std::size_t{1};
    if (!atEnd && ready >= 2) {
        const auto high = static_cast<unsigned char>(undecoded_[bigEndian ? ready - 2 : ready - 1]);
        if (high >= 0xD8 && high <= 0xDB) ready -= 2;
    }
    if (atEnd) ready = undecoded_.size();
    FeedText(Utf16ToUtf8(std::string_view(undecoded_).substr(0, ready), bigEndian));
    undecoded_.erase(0, ready);
}

void PieceLineReader::FeedText(std::string_view text) {
    std::size_t start = 0;
    if (afterCr_ && !text.empty()) {
        afterCr_ = false;
        if (text.front() == '\n') start = 1;
    }
    for (std::size_t end; (end = FindLineBreak(text, start)) != std::string_view::npos; start = end + 1) {
        const std::string_view rest = text.substr(start, end - start);
        if (partial_.empty()) {
            line_(rest);
        } else {
            partial_ += rest;
            line_(partial_);
            partial_.clear();
        }
        if (text[end] == '\r') {
            if (end + 1 == text.size())
                afterCr_ = true;
            else if (text[end + 1] == '\n')
                ++end;
        }
    }
    partial_ += text.substr(start);
}

TextFileContent DecodeTextFile(std::string_view bytes) {
    TextFileContent content;
    PieceLineReader reader([&content](std::string_view line) { content.Lines.emplace_back(line); });
    reader.Feed(bytes);
    reader.Finish();
    content.Encoding = reader.Encoding();
    return content;
}

std::string EncodeTextFile(const std::vector<std::string>& lines, TextEncoding encoding) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return EncodeText(text, encoding);
}

std::string EncodeText(std::string_view text, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Plain:
        return std::string(text);
    case TextEncoding::Utf8WithMark:
        return std::string(kUtf8Mark).append(text);
    case TextEncoding::Utf16LE:
        return std::string(kUtf16LEMark) + Utf8ToUtf16(text, false);
    case TextEncoding::Utf16BE:
        return std::string(kUtf16BEMark) + Utf8ToUtf16(text, true);
    case TextEncoding::Windows1252:
        return Utf8ToWindows1252(text);
    }
    return std::string(text);
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte);
    }
    return out;
}

bool FitsWindows1252(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        i += DecodeUtf8(text, i, c);
        if (c == kInvalidCodePoint || Windows1252Byte(c) < 0) return false;
    }
    return true;
}

} // namespace varnolt
