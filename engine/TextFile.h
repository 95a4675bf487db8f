// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's text files (journal, word list, source list): lines ended by CR LF. Reading honours a
// UTF-8, UTF-16 LE or UTF-16 BE byte-order mark; without one the bytes are taken as they are (UTF-8).
// A word list may also be Windows-1252 (see WordListFile.h).
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace varnolt {

enum class TextEncoding { Plain, Utf8WithMark, Utf16LE, Utf16BE, Windows1252 };

struct TextFileContent {
    std::vector<std::string> Lines; // UTF-8
    TextEncoding Encoding = TextEncoding::Plain;
};

// A line ends at CR LF, CR or LF; a break at the very end adds no empty line.
TextFileContent DecodeTextFile(std::string_view bytes);

// The lines of a text file that comes in pieces, decoded and split as DecodeTextFile does the whole (which
// reads through it): only the line in progress, and a character cut in two, are held between pieces.
class PieceLineReader {
  public:
    using LineSink = std::function<void(std::string_view)>;
    explicit PieceLineReader(LineSink line) : line_(std::move(line)) {}
    void Feed(std::string_view bytes);
    // The end of the text: its last line when no break ends it.
    void Finish();
    // Known once the first bytes are in, or at Finish.
    TextEncoding Encoding() const { return encoding_; }

  private:
    bool TellEncoding(std::string_view& bytes, bool atEnd);
    void FeedUtf16(std::string_view bytes, bool atEnd);
    void FeedText(std::string_view text);

    LineSink line_;
    std::string head_; // the first bytes, until the mark can be told
    bool encodingKnown_ = false;
    TextEncoding encoding_ = TextEncoding::Plain;
    std::string undecoded_; // UTF-16: an odd byte, or a high surrogate waiting for its pair
    std::string partial_;   // the line in progress
    bool afterCr_ = false;  // the text so far ends with CR: an LF coming next belongs to it
};

// Every line, the last one included, ends with CR LF; a mark is written for every encoding but Plain.
std::string EncodeTextFile(const std::vector<std::string>& lines, TextEncoding encoding);
// The text with the mark of its encoding; line breaks stay as they are. In Windows-1252 a character
// the code page has no byte for becomes "?".
std::string EncodeText(std::string_view text, TextEncoding encoding);

// Windows-1252 bytes as UTF-8. Every byte has a character (the five bytes the code page leaves free
// stand for the control characters of the same number), so the bytes come back unchanged from
// EncodeText.
std::string Windows1252ToUtf8(std::string_view bytes);
// Whether every character of the UTF-8 text has a byte in Windows-1252.
bool FitsWindows1252(std::string_view text);

} // namespace varnolt
