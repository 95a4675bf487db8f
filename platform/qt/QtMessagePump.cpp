#include "platform/qt/QtMessagePump.h"

#include <QCoreApplication>

namespace varnolt {

void QtMessagePump::Pump() { QCoreApplication::processEvents(); }

} // namespace varnolt
