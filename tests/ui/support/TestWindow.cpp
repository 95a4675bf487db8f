#include "support/TestWindow.h"

#include <QLocale>
#include <QTreeWidget>

namespace varnolt {

TestWindow::TestWindow() : window(std::make_unique<TForm1>(fs, boxes, pump, shell, settings, dialogs, data.Path())) {}

void TestWindow::AddSource(const std::string& path) {
    window->ListView1->addTopLevelItem(new QTreeWidgetItem({QString::fromStdString(path)}));
}

void UseTestLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

} // namespace varnolt
