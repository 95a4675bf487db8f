// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Shell.h"

#include <QString>

namespace varnolt {

// The desktop's file manager and browser, through QDesktopServices.
class QtShell : public Shell {
  public:
    explicit QtShell(QString helpPage) : helpPage_(std::move(helpPage)) {}

    bool OpenFolder(const std::string& folder) override;
    bool OpenHelpPage() override;
    std::string HelpPage() const override;

  private:
    QString helpPage_;
};

} // namespace varnolt
