// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace varnolt {

enum class Buttons { Ok, YesNo, AbortRetryIgnore }; // with AbortRetryIgnore, Retry is the default
enum class Icon { Information, Question, Warning, Error };
enum class Answer { Ok, Yes, No, Abort, Retry, Ignore };

// Modal message boxes without an owner window.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual Answer Show(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) = 0;
};

} // namespace varnolt
