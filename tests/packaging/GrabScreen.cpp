// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures the whole X screen into a PNG, for the launcher check under Xvfb. Exits 1 when the screen is
// one flat colour, i.e. no window appeared.  Usage: varnolt_grab_screen OUTPUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: varnolt_grab_screen OUTPUT.png\n");
        return 2;
    }
    const QImage picture = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    if (!picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "varnolt_grab_screen: cannot write %s\n", argv[1]);
        return 1;
    }
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height() && colours.size() < 2; y += 7)
        for (int x = 0; x < picture.width() && colours.size() < 2; x += 7)
            colours.insert(picture.pixel(x, y));
    return colours.size() < 2 ? 1 : 0;
}
