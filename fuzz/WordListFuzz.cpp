// SPDX-License-Identifier: GPL-3.0-or-later
// The word list as the window saves and loads it: the box's text comes back as it was, in the encoding
// it was saved in, for every text a file can hold that way.
#include "engine/Text.h"
#include "engine/TextFile.h"
#include "engine/WordListFile.h"
#include "fuzz/support/FuzzEngine.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>

using namespace varnolt;
using namespace varnolt::fuzz;

namespace {

bool StartsWithMark(const std::string& bytes) {
    return bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
           bytes.starts_with("\xFE\xFF");
}

// The encoding the list reads back in, or nothing when a file in that encoding cannot hold the text: a CR
// (a line break when read), a last empty line (no break at the end adds one), bytes at the start that
// read as a mark, invalid UTF-8 in UTF-16, and without a mark bytes that read as the other of UTF-8 and
// Windows-1252. A text Windows-1252 has no bytes for is written as UTF-8 with its mark.
std::optional<TextEncoding> ReadBack(const std::string& text, TextEncoding encoding) {
    if (text.find('\r') != std::string::npos || text.ends_with('\n')) return std::nullopt;
    switch (encoding) {
    case TextEncoding::Plain:
        if (StartsWithMark(text) || !IsValidUtf8(text)) return std::nullopt;
        return encoding;
    case TextEncoding::Utf8WithMark:
        return encoding;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        if (!IsValidUtf8(text)) return std::nullopt;
        return encoding;
    case TextEncoding::Windows1252: {
        if (!FitsWindows1252(text)) return TextEncoding::Utf8WithMark;
        const std::string bytes = EncodeText(text, encoding);
        if (StartsWithMark(bytes)) return std::nullopt;
        if (!IsValidUtf8(bytes)) return encoding;
        if (bytes != text) return std::nullopt;
        return TextEncoding::Plain;
    }
    }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto encoding =
        input.PickValueInArray({TextEncoding::Plain, TextEncoding::Utf8WithMark, TextEncoding::Utf16LE,
                                TextEncoding::Utf16BE, TextEncoding::Windows1252});
    const std::string text = input.ConsumeRemainingBytesAsString();
    MemoryFileSystem fs;
    fs.AddFolderWithParents(kDataFolder);
    const std::string path = std::string(kDataFolder) + "Wordfilter.txt";
    std::string error;
    Expect(SaveWordList(fs, path, text, encoding, error), "the word list was not saved", error);
    const auto loaded = LoadWordList(fs, path, error);
    Expect(loaded.has_value(), "the word list was not loaded", error);
    for (const std::string& line : loaded->Lines)
        Expect(line.find_first_of("\r\n") == std::string::npos, "a word holds a line break", line);
    const auto readBack = ReadBack(text, encoding);
    if (!readBack) return 0;
    Expect(JoinWordList(*loaded) == text, "the word list reads back otherwise", text);
    Expect(loaded->Encoding == *readBack || text.empty(), "the word list reads back in another encoding");
    return 0;
}
