// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/LaterStarts.h"

namespace varnolt {

void BringToFront(QWidget& window) {
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}

void ServeLaterStarts(OneWindow& oneWindow, MainWindow& window) {
    oneWindow.OnPaths = [&window](const std::vector<std::string>& paths) {
        BringToFront(window);
        window.OpenPaths(paths);
    };
    // After the window's own handler, which saves the settings that the next window reads.
    QObject::connect(&window, &MainWindow::closing, &window, [&oneWindow] { oneWindow.StopServing(); });
}

} // namespace varnolt
