// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtShell.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QFile>
#include <QUrl>

namespace varnolt {

void QtShell::OpenFolder(const std::string& folder) {
    // Paths are native bytes; decodeName keeps a name that is not UTF-8 reachable.
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(folder))));
}

void QtShell::OpenHelpPage() {
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpPage_));
}

} // namespace varnolt
