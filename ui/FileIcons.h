#pragma once
// Icons of files and folders for the source list and the result tree, worked out once per extension:
// looking an icon up in the theme costs far more than drawing a row.
#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QString>

namespace varnolt {

class FileIcons {
public:
    // The icon of a real path: a folder's, or that of the file's type.
    QIcon ForPath(const QString& path);
    // The icon of a type, from a bare file name whether or not such a file exists.
    QIcon ForFileName(const QString& name);

private:
    QFileIconProvider provider_;
    QMimeDatabase mimeTypes_;
    QHash<QString, QIcon> byExtension_;
    QIcon folder_;
};

// When the desktop's icon theme lacks an icon, look in a complete theme that is installed.
void UseFallbackIconTheme();

} // namespace varnolt
