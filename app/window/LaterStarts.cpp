#include "app/window/LaterStarts.h"

namespace varnolt {

void BringToFront(QWidget& window) {
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}

void ServeLaterStarts(OneWindow& oneWindow, TForm1& window) {
    oneWindow.OnPaths = [&window](const std::vector<std::string>& paths) {
        BringToFront(window);
        window.OpenPaths(paths);
    };
}

} // namespace varnolt
