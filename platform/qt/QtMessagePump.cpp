// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtMessagePump.h"

#include <QCoreApplication>

namespace varnolt {

void QtMessagePump::Pump() {
    if (sinceLastRun_.isValid() && sinceLastRun_.nsecsElapsed() < kIntervalNanoseconds) return;
    QCoreApplication::processEvents();
    sinceLastRun_.start();
}

} // namespace varnolt
