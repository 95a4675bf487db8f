// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace varnolt {

// The desktop's services: the file manager and the browser. Failures are not reported.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual void OpenFolder(const std::string& folder) = 0;
    virtual void OpenHelpPage() = 0;
};

} // namespace varnolt
