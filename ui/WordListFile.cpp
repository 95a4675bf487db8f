#include "ui/WordListFile.h"

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
} // namespace

bool SaveWordList(FileSystem& fs, const std::string& path, const std::string& text, TextEncoding encoding,
                  std::string& error) {
    return fs.ReplaceFile(path, EncodeText(WithCrLf(text), encoding), error);
}

std::optional<TextFileContent> LoadWordList(FileSystem& fs, const std::string& path, std::string& error) {
    const auto bytes = fs.ReadWholeFile(path, error);
    if (!bytes) return std::nullopt;
    return DecodeTextFile(*bytes);
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
