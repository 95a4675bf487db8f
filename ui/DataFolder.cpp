// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DataFolder.h"

#include "engine/Text.h"

#include <QFile>
#include <QStandardPaths>

namespace varnolt {

std::string MakeDataFolder(FileSystem& fs, const std::string& userDataLocation) {
    const std::string folder =
        (userDataLocation.empty() ? std::string() : WithTrailingSlash(userDataLocation)) +
        "Quorvane/Varnolt/";
    // Every missing level, the data location's own included: a fresh account may have no ~/.local/share.
    for (auto slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1)) {
        const std::string level = folder.substr(0, slash + 1);
        if (!fs.FolderExists(level)) fs.MakeFolder(level);
    }
    return folder;
}

std::string UserDataLocation() {
    return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .toStdString();
}

} // namespace varnolt
