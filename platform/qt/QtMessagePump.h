#pragma once
#include "platform/MessagePump.h"

namespace varnolt {

// Runs the window events that are waiting, then returns to the command.
class QtMessagePump : public MessagePump {
public:
    void Pump() override;
};

} // namespace varnolt
