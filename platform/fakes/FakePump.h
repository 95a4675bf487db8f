// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/MessagePump.h"

#include <functional>

namespace varnolt {

// Counts the turns of the message pump; a test can act at a turn (press Stop, change an option).
class FakePump : public MessagePump {
  public:
    int Count = 0;
    std::function<void()> OnPump;

    void Pump() override {
        ++Count;
        if (OnPump) OnPump();
    }
};

} // namespace varnolt
