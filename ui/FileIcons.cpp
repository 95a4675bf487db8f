// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileIcons.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStyle>

namespace varnolt {

QIcon FileIcons::ForFolder() {
    if (folder_.isNull()) folder_ = provider_.icon(QFileIconProvider::Folder);
    return folder_;
}

// The whole extension the type is known by ("tar.gz", not "gz"), else the last one. A name without an
// extension is typed by the name itself ("Makefile", "README"), so it has no key: it shares no icon.
std::optional<QString> FileIcons::CacheKey(const QString& name) const {
    QString extension = mimeTypes_.suffixForFileName(name);
    if (extension.isEmpty()) {
        const qsizetype dot = name.lastIndexOf(u'.');
        if (dot <= 0) return std::nullopt;
        extension = name.mid(dot + 1);
    }
    return extension.toLower();
}

QIcon FileIcons::ForFileName(const QString& name) {
    const std::optional<QString> key = CacheKey(name);
    if (!key) return ByType(name);
    if (const auto found = byExtension_.constFind(*key); found != byExtension_.cend()) return *found;
    const QIcon icon = ByType(name);
    byExtension_.insert(*key, icon);
    return icon;
}

QIcon FileIcons::ByType(const QString& name) {
    const QMimeType type = mimeTypes_.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull()) icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull()) icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    return icon;
}

void UseFallbackIconTheme() {
    for (const char* theme : {"Adwaita", "breeze", "gnome"}) {
        for (const QString& base : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
            if (QFileInfo::exists(QDir(base).filePath(QStringLiteral("icons/") + QLatin1String(theme) +
                                                      QStringLiteral("/index.theme")))) {
                QIcon::setFallbackThemeName(QLatin1String(theme));
                return;
            }
        }
    }
}

} // namespace varnolt
