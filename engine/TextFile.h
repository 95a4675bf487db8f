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

// The whole text as UTF-8 without its mark, for reading a large file line by line without a copy of
// every line.
struct DecodedText {
    std::string Text;
    TextEncoding Encoding = TextEncoding::Plain;
};
DecodedText DecodeText(std::string bytes);

// The lines of a decoded text one at a time, split as DecodeTextFile splits them.
class LineReader {
public:
    explicit LineReader(std::string_view text);
    // False after the last line.
    bool Next(std::string_view& line);

private:
    // The next break of each kind at or after the read position, kept until passed, so that every byte
    // is searched once per kind whatever the line ends.
    std::size_t Find(char c) const;
    std::size_t NextOf(char c, std::size_t& cached) const;

    std::string_view text_;
    std::size_t position_ = 0;
    std::size_t nextCr_;
    std::size_t nextLf_;
};
// Every line, the last one included, ends with CR LF; a mark is written for every encoding but Plain.
std::string EncodeTextFile(const std::vector<std::string>& lines, TextEncoding encoding);
// The text with the mark of its encoding; line breaks stay as they are.
std::string EncodeText(std::string_view text, TextEncoding encoding);

} // namespace varnolt
