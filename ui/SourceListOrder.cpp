// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SourceListOrder.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <algorithm>

namespace varnolt {

namespace {
QString Readable(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}
} // namespace

int CompareSourcePaths(const std::string& a, const std::string& b) {
    if (const int order = QString::localeAwareCompare(Readable(a), Readable(b)); order != 0) return order;
    return a.compare(b);
}

std::size_t SourceInsertPosition(const std::vector<std::string>& sorted, const std::string& path) {
    const auto after = std::upper_bound(sorted.begin(), sorted.end(), path, [](const auto& a, const auto& b) {
        return CompareSourcePaths(a, b) < 0;
    });
    return static_cast<std::size_t>(after - sorted.begin());
}

} // namespace varnolt
