#include "ui/FileIcons.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStyle>

namespace varnolt {

namespace {

// The extension with its dot, as the cache key; "" for a name without one.
QString ExtensionKey(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot).toLower();
}

} // namespace

QIcon FileIcons::ForPath(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        if (folder_.isNull()) folder_ = provider_.icon(QFileIconProvider::Folder);
        return folder_;
    }
    return ForFileName(info.fileName());
}

QIcon FileIcons::ForFileName(const QString& name) {
    const QString key = ExtensionKey(name);
    if (const auto found = byExtension_.constFind(key); found != byExtension_.cend()) return *found;
    const QMimeType type = mimeTypes_.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull()) icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull()) icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    byExtension_.insert(key, icon);
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
