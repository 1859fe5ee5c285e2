#include "ui/look.h"

#include <QLabel>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include "ui/accessibility.h"

namespace vellimar {

namespace {

// Fusion draws a scroll bar's handle in nearly the light grey of its groove;
// here it takes the palette's mid tone, so a list shows that it holds more.
class Style : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_ScrollBar || !bar)
            return QProxyStyle::drawComplexControl(control, option, painter, widget);
        QStyleOptionSlider rest = *bar;
        rest.subControls &= ~SC_ScrollBarSlider;
        QProxyStyle::drawComplexControl(control, &rest, painter, widget);
        QStyleOptionSlider handle = *bar;
        handle.subControls = bar->subControls & SC_ScrollBarSlider;
        handle.palette.setColor(QPalette::Button, bar->palette.color(QPalette::Mid));
        QProxyStyle::drawComplexControl(control, &handle, painter, widget);
    }
};

} // namespace

QStyle* makeStyle() {
    return new Style(QStyleFactory::create(QStringLiteral("Fusion")));
}

void installFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QFont screenFont(Font font) {
    const bool arial = font == Font::Arial || font == Font::InfoText;
    QFont made(arial ? QStringLiteral("Arial") : QStringLiteral("MS Sans Serif"));
    const double points = font == Font::Heading || font == Font::InfoText ? 9.75 : 8.25;
    made.setPixelSize(static_cast<int>(points * 96.0 / 72.0 + 0.5));
    made.setBold(font == Font::Bold || font == Font::Heading);
    made.setItalic(font == Font::Italic);
    return made;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& twipsArea,
                  const QFont& font, const QColor& colour, Qt::Alignment alignment) {
    auto* label = makeControl<QLabel>(parent, name, twipsArea, text);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QLabel* makeCaption(QWidget* parent, const char* name, const QString& text, const QRect& twipsArea,
                    const QFont& font, Qt::Alignment alignment) {
    QLabel* label = makeLabel(parent, name, text, twipsArea, font, Qt::black, alignment);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setWordWrap(true);
    hideFromScreenReaders(label);
    return label;
}

} // namespace vellimar
