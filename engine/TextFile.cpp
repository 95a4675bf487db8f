#include "engine/TextFile.h"

#include "engine/Text.h"

#include <algorithm>
#include <cstring>

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

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    LineReader reader(text);
    for (std::string_view line; reader.Next(line);) lines.emplace_back(line);
    return lines;
}

} // namespace

LineReader::LineReader(std::string_view text) : text_(text), nextCr_(Find('\r')), nextLf_(Find('\n')) {}

std::size_t LineReader::Find(char c) const {
    if (position_ >= text_.size()) return std::string_view::npos;
    const void* found = std::memchr(text_.data() + position_, c, text_.size() - position_);
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text_.data()) : std::string_view::npos;
}

std::size_t LineReader::NextOf(char c, std::size_t& cached) const {
    if (cached != std::string_view::npos && cached < position_) cached = Find(c);
    return cached;
}

bool LineReader::Next(std::string_view& line) {
    if (position_ >= text_.size()) return false;
    const std::size_t end = std::min(NextOf('\r', nextCr_), NextOf('\n', nextLf_));
    if (end == std::string_view::npos) {
        line = text_.substr(position_);
        position_ = text_.size();
        return true;
    }
    line = text_.substr(position_, end - position_);
    position_ = end + (text_.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    return true;
}

DecodedText DecodeText(std::string bytes) {
    DecodedText decoded;
    const std::string_view view = bytes;
    if (view.starts_with(kUtf8Mark)) {
        decoded.Encoding = TextEncoding::Utf8WithMark;
        bytes.erase(0, kUtf8Mark.size());
        decoded.Text = std::move(bytes);
    } else if (view.starts_with(kUtf16LEMark)) {
        decoded.Encoding = TextEncoding::Utf16LE;
        decoded.Text = Utf16ToUtf8(view.substr(2), false);
    } else if (view.starts_with(kUtf16BEMark)) {
        decoded.Encoding = TextEncoding::Utf16BE;
        decoded.Text = Utf16ToUtf8(view.substr(2), true);
    } else {
        decoded.Text = std::move(bytes);
    }
    return decoded;
}

TextFileContent DecodeTextFile(std::string_view bytes) {
    DecodedText decoded = DecodeText(std::string(bytes));
    return {SplitLines(decoded.Text), decoded.Encoding};
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
    }
    return std::string(text);
}

} // namespace varnolt
