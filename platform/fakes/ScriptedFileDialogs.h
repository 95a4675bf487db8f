// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers the file and folder choosers from a script and records what was asked.
#include "platform/FileDialogs.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace varnolt {

class ScriptedFileDialogs : public FileDialogs {
  public:
    // Next answers, first to last; when none is left the dialog is cancelled.
    std::deque<std::string> Folders;
    std::deque<std::vector<std::string>> OpenedFiles;
    std::deque<std::string> SavedFiles;

    std::vector<std::string> FolderTitles;
    std::vector<std::string> OpenFilters;
    std::vector<std::string> SaveFilters;
    int Shown = 0;

    std::string BrowseForFolder(const std::string& title) override;
    std::vector<std::string> OpenFiles(const std::string& filter, bool several) override;
    std::string SaveFile(const std::string& filter, const std::string& defaultSuffix) override;
};

} // namespace varnolt
