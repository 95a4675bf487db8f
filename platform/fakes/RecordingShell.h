// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Shell.h"

#include <string>
#include <vector>

namespace varnolt {

class RecordingShell : public Shell {
  public:
    std::vector<std::string> OpenedFolders;
    int HelpPagesOpened = 0;

    void OpenFolder(const std::string& folder) override { OpenedFolders.push_back(folder); }
    void OpenHelpPage() override { ++HelpPagesOpened; }
};

} // namespace varnolt
