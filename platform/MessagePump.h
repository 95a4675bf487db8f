// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace varnolt {

// Lets every pending window event run, then returns. Long commands call it between items so that Stop
// and the rest of the window stay responsive.
class MessagePump {
  public:
    virtual ~MessagePump() = default;
    virtual void Pump() = 0;
};

} // namespace varnolt
