// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text helpers over UTF-8 byte strings. A "character" is a Unicode code point; a byte that is not part
// of valid UTF-8 counts as one character and is kept as it is.
#include <cstddef>
#include <string>
#include <string_view>

namespace varnolt {

inline constexpr char32_t kInvalidCodePoint = 0xFFFFFFFF;
// Decodes the character at text[at]: returns its length in bytes (1 for a byte that starts no valid
// sequence, whose codePoint is then kInvalidCodePoint, or the byte itself below 0x80).
std::size_t DecodeUtf8(std::string_view text, std::size_t at, char32_t& codePoint);
void AppendUtf8(std::string& out, char32_t codePoint);
bool IsValidUtf8(std::string_view text);

// Removes characters with codes up to and including 32 from both ends.
std::string Trim(std::string_view text);
// Removes them from the start only.
std::string TrimLeft(std::string_view text);

std::string LowerAsciiLetters(std::string_view text); // A-Z only
std::string UpperAsciiLetters(std::string_view text); // a-z only
// Unicode simple lower-casing of every code point; invalid bytes are kept.
std::string LowerAllLetters(std::string_view text);

std::size_t CharacterCount(std::string_view text);
std::string FirstCharacters(std::string_view text, std::size_t count);

} // namespace varnolt
