// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/WordListFile.h"

#include "engine/Text.h"

#include <algorithm>

namespace varnolt {

namespace {

std::string WithCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

TextFileContent DecodeWordList(std::string_view bytes) {
    TextFileContent content = DecodeTextFile(bytes);
    const auto valid = [](const std::string& line) { return IsValidUtf8(line); };
    if (content.Encoding != TextEncoding::Plain ||
        std::all_of(content.Lines.begin(), content.Lines.end(), valid))
        return content;
    for (std::string& line : content.Lines)
        line = Windows1252ToUtf8(line);
    content.Encoding = TextEncoding::Windows1252;
    return content;
}

} // namespace

bool SaveWordList(FileSystem& fs, const std::string& path, const std::string& text, TextEncoding encoding,
                  std::string& error) {
    if (encoding == TextEncoding::Windows1252 && !FitsWindows1252(text))
        encoding = TextEncoding::Utf8WithMark;
    return fs.ReplaceFile(path, EncodeText(WithCrLf(text), encoding), error);
}

std::optional<TextFileContent> LoadWordList(FileSystem& fs, const std::string& path, std::string& error) {
    const auto bytes = fs.ReadWholeFile(path, error);
    if (!bytes) return std::nullopt;
    return DecodeWordList(*bytes);
}

std::string JoinWordList(const TextFileContent& content) {
    std::string text;
    for (std::size_t i = 0; i < content.Lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += content.Lines[i];
    }
    return text;
}

} // namespace varnolt
