// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestWindow.h"

#include <QLocale>
#include <QTreeWidget>

namespace varnolt {

TestWindow::TestWindow()
    : window(std::make_unique<MainWindow>(fs, boxes, pump, shell, settings, dialogs, dates, engineTexts,
                                          data.Path())) {}

void TestWindow::AddSource(const std::string& path) {
    window->sourceList->addTopLevelItem(new QTreeWidgetItem({QString::fromStdString(path)}));
}

QTreeWidgetItem* TestWindow::Entry(const QString& caption) const {
    const auto found = window->methodTree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.size() != 1) qFatal("no single entry %s", qPrintable(caption));
    return found.first();
}

void TestWindow::SelectEntry(const QString& caption) const {
    window->methodTree->setCurrentItem(Entry(caption));
}

QStringList Rows(const QTreeWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows << list->topLevelItem(i)->text(0);
    return rows;
}

void UseTestLocale() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

} // namespace varnolt
