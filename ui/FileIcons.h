// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Icons of files and folders for the source list and the result tree, worked out once per extension:
// looking an icon up in the theme costs far more than drawing a row. Nothing here looks at the disk.
#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QString>
#include <optional>

namespace varnolt {

class FileIcons {
  public:
    QIcon ForFolder();
    // The icon of a type, from a bare file name whether or not such a file exists.
    QIcon ForFileName(const QString& name);
    // What the icon of a name is cached under; none for a name that is its own type.
    std::optional<QString> CacheKey(const QString& name) const;

  private:
    QIcon ByType(const QString& name);

    QFileIconProvider provider_;
    QMimeDatabase mimeTypes_;
    QHash<QString, QIcon> byExtension_;
    QIcon folder_;
};

// When the desktop's icon theme lacks an icon, look in a complete theme that is installed.
void UseFallbackIconTheme();

} // namespace varnolt
