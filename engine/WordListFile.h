// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word list on disk. It is written in the encoding of the file it was last loaded from, with that
// encoding's mark, so a list that came in as UTF-16 goes back out as UTF-16. A file without a mark that
// is no valid UTF-8 is taken as Windows-1252, the code page such lists come in from Windows, so that
// its words read right and its bytes come back unchanged.
#include "engine/TextFile.h"
#include "platform/FileSystem.h"

#include <optional>
#include <string>

namespace varnolt {

// `text` is the box's text with "\n" between lines; the file holds it exactly, with CR LF between
// lines and no break added after the last one. A text that Windows-1252 cannot hold is written as
// UTF-8 with its mark rather than with its characters lost.
bool SaveWordList(FileSystem& fs, const std::string& path, const std::string& text, TextEncoding encoding,
                  std::string& error);

// The file's lines, empty ones included, and its encoding.
std::optional<TextFileContent> LoadWordList(FileSystem& fs, const std::string& path, std::string& error);

// The box's text for those lines.
std::string JoinWordList(const TextFileContent& content);

} // namespace varnolt
