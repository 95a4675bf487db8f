// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Utf8.h"

#include <locale.h>
#include <wctype.h>

namespace varnolt {

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// Length of the UTF-8 sequence that starts at text[at], or 1 for a byte that starts no valid sequence.
std::size_t SequenceLength(std::string_view text, std::size_t at, char32_t* codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 1;
    char32_t value = lead;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    }
    if (length == 1 || at + length > text.size()) {
        if (codePoint) *codePoint = lead < 0x80 ? lead : kInvalidCodePoint;
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            if (codePoint) *codePoint = kInvalidCodePoint;
            return 1;
        }
        value = (value << 6) | (byte(at + i) & 0x3F);
    }
    // Overlong forms and surrogates are not valid UTF-8.
    const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    if (overlong || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) {
        if (codePoint) *codePoint = kInvalidCodePoint;
        return 1;
    }
    if (codePoint) *codePoint = value;
    return length;
}

} // namespace

bool IsValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        char32_t c = 0;
        at += DecodeUtf8(text, at, c);
        if (c == kInvalidCodePoint) return false;
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::size_t DecodeUtf8(std::string_view text, std::size_t at, char32_t& codePoint) {
    return SequenceLength(text, at, &codePoint);
}

namespace {

// Unicode case mapping independent of the program's locale.
locale_t Utf8Locale() {
    static const locale_t locale = [] {
        locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        return l ? l : newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(nullptr));
    }();
    return locale;
}

char32_t LowerCodePoint(char32_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), Utf8Locale()));
}

} // namespace

std::string Trim(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string TrimLeft(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin]))
        ++begin;
    return std::string(text.substr(begin));
}

std::string LowerAsciiLetters(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return out;
}

std::string UpperAsciiLetters(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return out;
}

std::string LowerAllLetters(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t c = 0;
        const std::size_t length = SequenceLength(text, at, &c);
        if (c == kInvalidCodePoint)
            out += text[at];
        else
            AppendUtf8(out, LowerCodePoint(c));
        at += length;
    }
    return out;
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += SequenceLength(text, at, nullptr))
        ++count;
    return count;
}

std::string FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t taken = 0; taken < count && at < text.size(); ++taken)
        at += SequenceLength(text, at, nullptr);
    return std::string(text.substr(0, at));
}

} // namespace varnolt
