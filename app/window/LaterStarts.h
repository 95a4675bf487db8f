// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the open window does with a later start: it comes to the front and adds that start's paths.
#include "app/window/OneWindow.h"
#include "ui/MainWindow.h"

namespace varnolt {

void BringToFront(QWidget& window);

// Routes the paths of every later start to `window`.
void ServeLaterStarts(OneWindow& oneWindow, MainWindow& window);

} // namespace varnolt
