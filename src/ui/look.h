#pragma once
// The common look of the fixed screens: twips to pixels, the dark blue, the
// fonts, and small helpers that place labels the way the screens lay them out.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <Qt>
#include <utility>

class QLabel;
class QStyle;

namespace vellimar {

// 15 twips make one pixel at 96 DPI; Qt scales pixels on high-DPI screens.
constexpr int twips(int tw) {
    return (tw * 2 + 15) / 30;
}
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

inline const QColor ScreenBlue{51, 51, 153};
inline const QColor CaptionGrey{224, 224, 224};

// The contrast of two colours as the accessibility guidelines measure it,
// from 1 (alike) to 21 (black and white).
double contrastRatio(const QColor& one, const QColor& other);

// The palette of the fixed screens: Qt's own light colours around `window`,
// each of them set, so that a desktop's dark or high-contrast palette
// changes none (a light box on the blue stays light, its text dark).
QPalette fixedPalette(const QColor& window);

// Where a window of `size` goes in the available `area`: centred, but never
// above or left of it, so that a window larger than the area keeps its
// title bar, and with it the way to move it, on the screen.
QPoint placeWithin(const QSize& size, const QRect& area);

// Shows the keyboard's focus on `window` with a mark around the control
// that has it, clear of the control's text, in a colour that stands out from
// the window's background. It shows while the keyboard is in use.
void markFocus(QWidget* window);

// "MS Sans Serif" and "Arial" are not on Linux; both are mapped to their
// metric twin Liberation Sans, so captions fit their labels as laid out.
void installFontSubstitutes();

// The one style of every window: Fusion, whose scroll bar handles here stand
// out from their grooves.
QStyle* makeStyle();

// The fonts of the layout: 8.25 point "MS Sans Serif" plain, bold or italic,
// 9.75 point bold for headings, 8.25 point Arial, and 9.75 point Arial for
// the product information text.
enum class Font { Screen, Bold, Italic, Heading, Arial, InfoText };
// The font at 96 DPI.
QFont screenFont(Font font = Font::Screen);

// A control of type W made with `args` on `parent`, carrying `name` as its
// objectName and placed at a twips area.
template <typename W, typename... Args>
W* makeControl(QWidget* parent, const char* name, const QRect& twipsArea, Args&&... args) {
    auto* control = new W(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twipsArea);
    return control;
}

// A transparent label at a twips position, shown as plain text.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& twipsArea,
                  const QFont& font, const QColor& colour = Qt::white,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// The caption of an image button: black text that takes no mouse input, so
// a press on it reaches the button beneath.
QLabel* makeCaption(QWidget* parent, const char* name, const QString& text, const QRect& twipsArea,
                    const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

} // namespace vellimar
