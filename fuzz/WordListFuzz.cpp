// The word list as the window saves and loads it: the box's text comes back as it was, in the encoding
// it was saved in, for every text a file can hold that way.
#include "engine/Text.h"
#include "fuzz/support/FuzzEngine.h"
#include "ui/WordListFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

using namespace varnolt;
using namespace varnolt::fuzz;

namespace {

// What a file in that encoding cannot hold: a CR (a line break when read), a last empty line (no break at
// the end adds one), bytes at the start that read as a mark, invalid UTF-8 in UTF-16.
bool Holdable(const std::string& text, TextEncoding encoding) {
    if (text.find('\r') != std::string::npos || text.ends_with('\n')) return false;
    if (encoding == TextEncoding::Plain &&
        (text.starts_with("\xEF\xBB\xBF") || text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")))
        return false;
    if ((encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE) && !IsValidUtf8(text)) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto encoding = input.PickValueInArray(
        {TextEncoding::Plain, TextEncoding::Utf8WithMark, TextEncoding::Utf16LE, TextEncoding::Utf16BE});
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
    if (!Holdable(text, encoding)) return 0;
    Expect(JoinWordList(*loaded) == text, "the word list reads back otherwise", text);
    Expect(loaded->Encoding == encoding || text.empty(), "the word list reads back in another encoding");
    return 0;
}
