// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtShell.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QFile>
#include <QUrl>

namespace varnolt {

bool QtShell::OpenFolder(const std::string& folder) {
    // Paths are native bytes; decodeName keeps a name that is not UTF-8 reachable.
    return QDesktopServices::openUrl(
        QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(folder))));
}

bool QtShell::OpenHelpPage() {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(helpPage_));
}

std::string QtShell::HelpPage() const {
    return QFile::encodeName(helpPage_).toStdString();
}

} // namespace varnolt
