// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers message boxes from a script and records every box shown.
#include "platform/MessageBoxes.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace varnolt {

struct ShownMessage {
    std::string Text;
    std::string Caption;
    varnolt::Buttons Buttons = varnolt::Buttons::Ok;
    varnolt::Icon Icon = varnolt::Icon::Information;
};

class ScriptedMessageBoxes : public MessageBoxes {
  public:
    // Next answers, first to last. When none is left: Yes to a question, Ok, or Abort.
    std::deque<Answer> Answers;
    std::vector<ShownMessage> Shown;
    std::function<void(const ShownMessage&)> OnShow;

    Answer Show(const std::string& text, const std::string& caption, varnolt::Buttons buttons,
                varnolt::Icon icon) override;

    // The texts shown so far, in order.
    std::vector<std::string> Texts() const;
};

} // namespace varnolt
