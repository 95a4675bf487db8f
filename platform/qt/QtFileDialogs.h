// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/FileDialogs.h"

namespace varnolt {

// QFileDialog, modal and without an owner window.
class QtFileDialogs : public FileDialogs {
  public:
    std::string BrowseForFolder(const std::string& title) override;
    std::vector<std::string> OpenFiles(const std::string& filter, bool several) override;
    std::string SaveFile(const std::string& filter, const std::string& defaultSuffix) override;
};

} // namespace varnolt
