#include "ui/bitmaps.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/look.h"

namespace vellimar {

namespace {

// A light pill with a soft shadow on the dark blue, brightening to a white rim.
void paintFace(QPainter& p, QSizeF size) {
    p.fillRect(QRectF(QPointF(0, 0), size), ScreenBlue);
    const qreal radius = (size.height() - 3) / 2;
    QRectF pill(1, 1, size.width() - 3, size.height() - 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 70, 150));
    p.drawRoundedRect(pill.translated(1.2, 1.2), radius, radius);
    QLinearGradient fill(pill.topLeft(), pill.bottomLeft());
    fill.setColorAt(0.0, QColor(255, 255, 255));
    fill.setColorAt(0.35, QColor(242, 242, 242));
    fill.setColorAt(1.0, QColor(214, 214, 222));
    p.setBrush(fill);
    p.setPen(QPen(QColor(255, 255, 255), 0.8));
    p.drawRoundedRect(pill, radius, radius);
}

void paintIcon(QPainter& p, QSizeF size, const QString& glyph) {
    p.fillRect(QRectF(QPointF(0, 0), size), ScreenBlue);
    QRectF square(1, 1, size.width() - 2, size.height() - 2);
    QLinearGradient fill(square.topLeft(), square.bottomRight());
    fill.setColorAt(0.0, QColor(90, 120, 230));
    fill.setColorAt(1.0, QColor(20, 50, 170));
    p.setPen(QPen(QColor(200, 210, 255), 1));
    p.setBrush(fill);
    p.drawRoundedRect(square, 3, 3);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(size.height() * 0.72));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(square, Qt::AlignCenter, glyph);
}

void paintLogo(QPainter& p, QSizeF size) {
    p.fillRect(QRectF(QPointF(0, 0), size), ScreenBlue);
    // A stylised lightning bolt in a shield, then the maker's name.
    QPainterPath bolt;
    bolt.moveTo(17, 4);
    bolt.lineTo(8, 22);
    bolt.lineTo(15, 22);
    bolt.lineTo(11, 37);
    bolt.lineTo(25, 16);
    bolt.lineTo(18, 16);
    bolt.lineTo(23, 4);
    bolt.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 204, 51));
    p.drawPath(bolt);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(29, 5, size.width() - 29, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Vellimar"));
    font.setBold(false);
    font.setPixelSize(8);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.4);
    p.setFont(font);
    p.setPen(QColor(255, 204, 51));
    p.drawText(QRectF(29, 23, size.width() - 29, 12), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("UPS SYSTEMS"));
}

void paint(QPainter& p, Bitmap bitmap, QSizeF size) {
    switch (bitmap) {
    case Bitmap::LongFace:
    case Bitmap::Face:
    case Bitmap::LargeFace:
        paintFace(p, size);
        break;
    case Bitmap::Help:
        paintIcon(p, size, QStringLiteral("?"));
        break;
    case Bitmap::Info:
        paintIcon(p, size, QStringLiteral("i"));
        break;
    case Bitmap::Logo:
        paintLogo(p, size);
        break;
    }
}

} // namespace

QSize bitmapSize(Bitmap bitmap) {
    switch (bitmap) {
    case Bitmap::LongFace:
        return {250, 30};
    case Bitmap::Face:
        return {90, 36};
    case Bitmap::LargeFace:
        return {123, 49};
    case Bitmap::Help:
        return {29, 30};
    case Bitmap::Info:
        return {28, 29};
    case Bitmap::Logo:
        return {100, 41};
    }
    return {};
}

QPixmap bitmapPixmap(Bitmap bitmap, qreal pixelRatio) {
    static QHash<QPair<int, qreal>, QPixmap> cache;
    auto key = qMakePair(static_cast<int>(bitmap), pixelRatio);
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    QSize size = bitmapSize(bitmap);
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paint(painter, bitmap, size);
    }
    cache.insert(key, pixmap);
    return pixmap;
}

QIcon applicationIcon() {
    // Rendered from the application's SVG at build time and embedded.
    static const QIcon icon = [] {
        QIcon made;
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            made.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
        return made;
    }();
    return icon;
}

} // namespace vellimar
