#pragma once
// The word list on disk. It is written in the encoding of the file it was last loaded from, with that
// encoding's mark, so a list that came in as UTF-16 goes back out as UTF-16.
#include "engine/TextFile.h"
#include "platform/FileSystem.h"

#include <optional>
#include <string>

namespace varnolt {

// `text` is the box's text with "\n" between lines; the file holds it exactly, with CR LF between
// lines and no break added after the last one.
bool SaveWordList(FileSystem& fs, const std::string& path, const std::string& text, TextEncoding encoding,
                  std::string& error);

// The file's lines, empty ones included, and the encoding its mark names.
std::optional<TextFileContent> LoadWordList(FileSystem& fs, const std::string& path, std::string& error);

// The box's text for those lines.
std::string JoinWordList(const TextFileContent& content);

} // namespace varnolt
