// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace varnolt {

// The desktop's services: the file manager and the browser. Each opening tells whether the desktop took
// it; one that fails leaves the user to open the path by hand.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual bool OpenFolder(const std::string& folder) = 0;
    virtual bool OpenHelpPage() = 0;
    // The user guide's file.
    virtual std::string HelpPage() const = 0;
};

} // namespace varnolt
