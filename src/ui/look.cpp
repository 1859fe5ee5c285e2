#include "ui/look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTimer>
#include <cmath>

#include "ui/accessibility.h"
#include "ui/image_button.h"

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

double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// The mark: a ring two pixels wide just outside the control (on an icon's
// own edge, as the icons stand close to their texts). Beside an option
// button or a tick box the ring goes round the box only.
class FocusMark : public QWidget {
  public:
    explicit FocusMark(QWidget* window) : QWidget(window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        // A picture only: screen readers say where the focus is themselves.
        hideFromScreenReaders(this);
        hide();
        connect(qApp, &QApplication::focusChanged, this, [this] { refreshSoon(); });
        qApp->installEventFilter(this);
    }

    static constexpr int Width = 2;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress) {
            keyboard_ = true;
            refreshSoon();
        } else if (type == QEvent::MouseButtonPress) {
            keyboard_ = false;
            refreshSoon();
        } else if (watched == target_ && (type == QEvent::Move || type == QEvent::Resize ||
                                          type == QEvent::Hide || type == QEvent::Show)) {
            refreshSoon();
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor background = parentWidget()->palette().color(QPalette::Window);
        const QColor yellow(255, 255, 0);
        painter.setPen(QPen(contrastRatio(yellow, background) >= 3.0 ? yellow : QColor(Qt::black), Width,
                            Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(rect()).adjusted(Width / 2.0, Width / 2.0, -Width / 2.0, -Width / 2.0));
    }

  private:
    // After the event at hand has been handled, when the focus and the
    // control's own look are settled.
    void refreshSoon() {
        QTimer::singleShot(0, this, [this] { refresh(); });
    }

    void refresh() {
        QWidget* window = parentWidget();
        QWidget* focused = window->focusWidget();
        if (focused != target_) {
            if (target_)
                target_->removeEventFilter(this);
            target_ = focused;
            if (target_)
                target_->installEventFilter(this);
        }
        const auto* button = qobject_cast<const ImageButton*>(focused);
        const bool shown = focused && focused != window && focused->isVisible() && window->isActiveWindow() &&
                           (button ? button->showsFocusFrame() : keyboard_);
        if (!shown) {
            hide();
            return;
        }
        const QRect area(focused->mapTo(window, QPoint(0, 0)), focused->size());
        const bool icon = button && button->isIcon();
        setGeometry(icon ? area : area.adjusted(-Width, -Width, Width, Width));
        show();
        raise();
        update();
    }

    QPointer<QWidget> target_;
    bool keyboard_ = false;
};

} // namespace

double contrastRatio(const QColor& one, const QColor& other) {
    const double a = luminance(one) + 0.05;
    const double b = luminance(other) + 0.05;
    return a > b ? a / b : b / a;
}

QPalette fixedPalette(const QColor& window) {
    QPalette palette = QApplication::style()->standardPalette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    palette.setColor(QPalette::Window, window);
    return palette;
}

QPoint placeWithin(const QSize& size, const QRect& area) {
    const QPoint centred = area.center() - QRect(QPoint(0, 0), size).center();
    return QPoint(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
}

void markFocus(QWidget* window) {
    new FocusMark(window);
}

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
