#pragma once
// Text helpers over UTF-8 byte strings. A "character" is a Unicode code point; a byte that is not part
// of valid UTF-8 counts as one character and is kept as it is.
#include <cstddef>
#include <initializer_list>
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

// Paths use "/" between levels.
std::string WithTrailingSlash(std::string_view folder);
// The entry `name` of `folder`, built in one piece.
std::string PathIn(std::string_view folder, std::string_view name);
// The last component of a path (a trailing "/" is dropped first).
std::string NameOf(std::string_view path);
// The same, as a view into `path`: for the checks made of every item.
std::string_view NameViewOf(std::string_view path);
// From the last "." of the name to the end, dot included; empty when the name has no ".".
std::string ExtensionOf(std::string_view path);
// The path with its extension cut off the end.
std::string WithoutExtension(std::string_view path);
// The part up to and including the last "/"; empty when there is none.
std::string FolderPartOf(std::string_view path);
// A saved web page (".htm", ".html" in any letter case), which may have a folder of its resources.
bool IsWebPage(std::string_view path);

// Whether the extension e (without its dot) is an entry of the ";"-separated list; entries compare
// whole, so ".jpg" or " jpg" in the list never match "jpg", and an empty e matches nothing.
bool ExtensionMatches(std::string_view e, std::string_view list);

bool ContainsLineBreak(std::string_view text);

// The pattern with each "%1" ... "%9" replaced by that argument, in one pass: an argument holding "%2"
// (a file name may) is kept as it is. A placeholder without an argument stays.
std::string FillPlaceholders(std::string_view pattern, std::initializer_list<std::string_view> arguments);

} // namespace varnolt
