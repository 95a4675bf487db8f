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
    // The desktop has no program for folders or pages: every opening is asked for, and fails.
    bool Fails = false;

    bool OpenFolder(const std::string& folder) override {
        OpenedFolders.push_back(folder);
        return !Fails;
    }
    bool OpenHelpPage() override {
        ++HelpPagesOpened;
        return !Fails;
    }
    std::string HelpPage() const override { return "/usr/share/varnolt/help/index.html"; }
};

} // namespace varnolt
