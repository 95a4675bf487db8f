#pragma once
// The program's text files (journal, word list, source list): lines ended by CR LF. Reading honours a
// UTF-8, UTF-16 LE or UTF-16 BE byte-order mark; without one the bytes are taken as they are (UTF-8).
#include <string>
#include <string_view>
#include <vector>

namespace varnolt {

enum class TextEncoding { Plain, Utf8WithMark, Utf16LE, Utf16BE };

struct TextFileContent {
    std::vector<std::string> Lines; // UTF-8
    TextEncoding Encoding = TextEncoding::Plain;
};

// A line ends at CR LF, CR or LF; a break at the very end adds no empty line.
TextFileContent DecodeTextFile(std::string_view bytes);
// Every line, the last one included, ends with CR LF; a mark is written for every encoding but Plain.
std::string EncodeTextFile(const std::vector<std::string>& lines, TextEncoding encoding);
// The text with the mark of its encoding; line breaks stay as they are.
std::string EncodeText(std::string_view text, TextEncoding encoding);

} // namespace varnolt
