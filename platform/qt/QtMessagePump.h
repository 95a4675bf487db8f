// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/MessagePump.h"

#include <QElapsedTimer>

namespace varnolt {

// Runs the window events that are waiting, then returns to the command. A command pumps after every
// directory entry and every item, tens of thousands of times a second; asking the event loop that often
// would cost more than the items. So the events run when a millisecond has passed since they last ran:
// still far quicker than anyone can click Stop.
class QtMessagePump : public MessagePump {
  public:
    static constexpr qint64 kIntervalNanoseconds = 1'000'000;

    void Pump() override;

  private:
    QElapsedTimer sinceLastRun_;
};

} // namespace varnolt
