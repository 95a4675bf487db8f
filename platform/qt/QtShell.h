// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Shell.h"

#include <QString>

namespace varnolt {

// The desktop's file manager and browser, through QDesktopServices.
class QtShell : public Shell {
  public:
    explicit QtShell(QString helpPage) : helpPage_(std::move(helpPage)) {}

    void OpenFolder(const std::string& folder) override;
    void OpenHelpPage() override;

  private:
    QString helpPage_;
};

} // namespace varnolt
