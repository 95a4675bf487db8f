// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/MessageBoxes.h"

namespace varnolt {

// QMessageBox without a parent window, modal for the whole application.
class QtMessageBoxes : public MessageBoxes {
  public:
    Answer Show(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) override;
};

} // namespace varnolt
