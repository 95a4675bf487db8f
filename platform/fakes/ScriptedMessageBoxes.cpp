// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/ScriptedMessageBoxes.h"

namespace varnolt {

namespace {
Answer DefaultAnswer(Buttons buttons) {
    switch (buttons) {
    case Buttons::YesNo:
        return Answer::Yes;
    case Buttons::AbortRetryIgnore:
        return Answer::Abort;
    case Buttons::Ok:
        break;
    }
    return Answer::Ok;
}
} // namespace

Answer ScriptedMessageBoxes::Show(const std::string& text, const std::string& caption,
                                  varnolt::Buttons buttons, varnolt::Icon icon) {
    Shown.push_back({text, caption, buttons, icon});
    if (OnShow) OnShow(Shown.back());
    if (Answers.empty()) return DefaultAnswer(buttons);
    const Answer answer = Answers.front();
    Answers.pop_front();
    return answer;
}

std::vector<std::string> ScriptedMessageBoxes::Texts() const {
    std::vector<std::string> texts;
    for (const auto& message : Shown)
        texts.push_back(message.Text);
    return texts;
}

} // namespace varnolt
