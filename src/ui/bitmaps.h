#pragma once
// The pictures of the fixed screens, drawn in code so they stay crisp at any
// scale factor: the three button faces, the help and information icons, the
// logo and the window icon.
#include <QIcon>
#include <QPixmap>
#include <QSize>

class QPainter;

namespace vellimar {

enum class Bitmap { LongFace, Face, LargeFace, Help, Info, Logo };

// Size in pixels at scale 1.
QSize bitmap_size(Bitmap bitmap);
// The picture for a device pixel ratio (cached).
QPixmap bitmap_pixmap(Bitmap bitmap, qreal device_pixel_ratio);
// The window icon of every screen, with 16, 32, 48 and 256 pixel images.
QIcon application_icon();
// Draws the window icon into a square of `size` pixels.
QPixmap application_icon_pixmap(int size);

} // namespace vellimar
