#pragma once
// Text helpers over UTF-8 byte strings. A "character" is a Unicode code point; a byte that is not part
// of valid UTF-8 counts as one character and is kept as it is.
#include <cstddef>
#include <string>
#include <string_view>

namespace varnolt {

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
// The last component of a path (a trailing "/" is dropped first).
std::string NameOf(std::string_view path);
// From the last "." of the name to the end, dot included; empty when the name has no ".".
std::string ExtensionOf(std::string_view path);
// The path with its extension cut off the end.
std::string WithoutExtension(std::string_view path);
// The part up to and including the last "/"; empty when there is none.
std::string FolderPartOf(std::string_view path);

// Whether the extension e (without its dot) is an entry of the ";"-separated list.
bool ExtensionMatches(std::string_view e, std::string_view list);

// Case-insensitive order with ties broken by bytes, so two different names never compare equal.
bool FolderEntryNameLess(std::string_view a, std::string_view b);

bool ContainsLineBreak(std::string_view text);

} // namespace varnolt
