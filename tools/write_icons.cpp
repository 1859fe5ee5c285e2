// Writes the window icon as PNG files for the desktop's icon theme, drawn by
// the same code as the icon the screens show. Usage: write_icons DIR SIZE...
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "ui/bitmaps.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: write_icons DIR SIZE...\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        int size = QString::fromLatin1(argv[i]).toInt();
        QString path = dir.filePath(QStringLiteral("vellimar-ups-selector-%1.png").arg(size));
        if (size <= 0 || !vellimar::application_icon_pixmap(size).save(path, "PNG")) {
            std::fprintf(stderr, "write_icons: could not write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
