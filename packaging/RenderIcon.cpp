// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: renders the application's SVG icon to the PNG sizes of the hicolor theme.
// Usage: varnolt_render_icon ICON.svg OUTPUT_FOLDER SIZE...  (writes OUTPUT_FOLDER/SIZExSIZE/varnolt.png)
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: varnolt_render_icon ICON.svg OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "varnolt_render_icon: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    for (const QString& sizeText : args.mid(3)) {
        const int size = sizeText.toInt();
        if (size <= 0) {
            std::fprintf(stderr, "varnolt_render_icon: bad size %s\n", qPrintable(sizeText));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2").arg(args[2]).arg(size);
        const QString file = folder + QStringLiteral("/varnolt.png");
        if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "varnolt_render_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
