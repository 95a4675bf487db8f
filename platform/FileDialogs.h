// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's folder and file choosers. Paths are native byte strings; a cancelled dialog answers
// with nothing.
#include <string>
#include <vector>

namespace varnolt {

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen folder, or "".
    virtual std::string BrowseForFolder(const std::string& title) = 0;
    // Existing files in the order the dialog gives them; `filter` as "Text Files (*.txt);;All Files (*)".
    virtual std::vector<std::string> OpenFiles(const std::string& filter, bool several) = 0;
    // The file to write, or ""; asks before an existing file is replaced, and adds `defaultSuffix` to
    // a name that has none.
    virtual std::string SaveFile(const std::string& filter, const std::string& defaultSuffix) = 0;
};

} // namespace varnolt
