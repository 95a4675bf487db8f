// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of the program's text files (word lists, the source list, the journal): any bytes give
// lines without line breaks, and whatever the program writes reads back as it was written.
#include "engine/CategoryRules.h"
#include "engine/Text.h"
#include "engine/TextFile.h"
#include "fuzz/support/FuzzEngine.h"

#include <cstdint>

using namespace varnolt;
using namespace varnolt::fuzz;

namespace {

bool StartsWithMark(const std::vector<std::string>& lines) {
    if (lines.empty()) return false;
    const std::string& first = lines.front();
    return first.starts_with("\xEF\xBB\xBF") || first.starts_with("\xFF\xFE") ||
           first.starts_with("\xFE\xFF");
}

void CheckRoundTrip(const std::vector<std::string>& lines, TextEncoding encoding) {
    const TextFileContent again = DecodeTextFile(EncodeTextFile(lines, encoding));
    Expect(again.Lines == lines, "written lines do not read back");
    Expect(again.Encoding == encoding, "a written file reads back in another encoding");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const TextFileContent content = DecodeTextFile(bytes);
    bool allValid = true;
    for (const std::string& line : content.Lines) {
        Expect(line.find_first_of("\r\n") == std::string::npos, "a line holds a line break", line);
        allValid = allValid && IsValidUtf8(line);
    }
    // What the user's words become: the first word found in a name is always one of the words.
    if (!content.Lines.empty()) {
        const std::string found = WordListCategory(bytes, content.Lines);
        Expect(found.empty() || bytes.find(found) != std::string::npos,
               "a word that does not occur in the name");
    }
    // A leading mark in the first line is read as the file's own mark: such a file cannot round-trip plain.
    if (!StartsWithMark(content.Lines)) CheckRoundTrip(content.Lines, TextEncoding::Plain);
    CheckRoundTrip(content.Lines, TextEncoding::Utf8WithMark);
    // UTF-16 holds only valid text; an invalid byte is written as U+FFFD.
    if (allValid) {
        CheckRoundTrip(content.Lines, TextEncoding::Utf16LE);
        CheckRoundTrip(content.Lines, TextEncoding::Utf16BE);
    }
    return 0;
}
