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
QSize bitmapSize(Bitmap bitmap);
// The picture for a device pixel ratio (cached).
QPixmap bitmapPixmap(Bitmap bitmap, qreal pixelRatio);
// The window icon of every screen: the application icon, 16 to 256 pixels.
QIcon applicationIcon();

} // namespace vellimar
