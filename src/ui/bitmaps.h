#pragma once
// The pictures of the fixed screens, drawn in code so they stay crisp at any
// scale factor: the three button faces, the help and information icons and
// the logo; and the window icon.
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
// The window icon of every screen: the application icon, 16 to 256 pixels.
QIcon application_icon();

} // namespace vellimar
