#include "ui/image_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/look.h"
#include "ui/screen.h"

namespace vellimar {

template <typename W>
Bitmapped<W>::Bitmapped(QWidget* parent, const char* name, Bitmap bitmap, int left, int top)
    : W(parent), bitmap_(bitmap) {
    this->setObjectName(QString::fromLatin1(name));
    this->resize(bitmapSize(bitmap));
    moveTo(QPoint(left, top));
}

template <typename W> void Bitmapped<W>::moveTo(QPoint twipsPosition) {
    position_ = twipsPosition;
    this->move(twips(position_.x()), twips(position_.y()));
}

template <typename W> void Bitmapped<W>::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, bitmapPixmap(bitmap_, this->devicePixelRatioF()));
}

template class Bitmapped<QWidget>;
template class Bitmapped<QAbstractButton>;

Picture::Picture(QWidget* parent, const char* name, Bitmap bitmap, int left, int top)
    : Bitmapped(parent, name, bitmap, left, top) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

namespace {

bool clicks(const QKeyEvent* event) {
    const int key = event->key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The key as the Space that Qt's button takes.
QKeyEvent asSpace(const QKeyEvent* event) {
    return QKeyEvent(event->type(), Qt::Key_Space, event->modifiers(), QStringLiteral(" "),
                     event->isAutoRepeat());
}

} // namespace

ImageButton::ImageButton(QWidget* parent, const char* name, Bitmap bitmap, int left, int top)
    : Bitmapped(parent, name, bitmap, left, top), released_(left, top) {
    // A click does not take the focus; Tab does.
    setFocusPolicy(Qt::TabFocus);
    // However it is released: by the mouse, a key or a screen reader.
    connect(this, &QAbstractButton::released, this, [this] { moveTo(released_); });
}

void ImageButton::setPressPositions(QPoint pressed, QPoint released) {
    released_ = released;
    connect(this, &QAbstractButton::pressed, this, [this, pressed] { moveTo(pressed); });
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    // Any mouse button gives the pressed look; Qt's button takes the left.
    if (event->button() == Qt::LeftButton)
        return QAbstractButton::mousePressEvent(event);
    setDown(true);
    emit pressed();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    // Any mouse button puts the picture back, also where the release falls
    // off it; only then is the release's place on the picture known.
    moveTo(released_);
    if (event->button() != Qt::LeftButton) {
        // The left button, if still held, keeps it down to click.
        setDown(event->buttons() & Qt::LeftButton);
        return;
    }
    QMouseEvent here(event->type(), mapFromGlobal(event->globalPosition()), event->scenePosition(),
                     event->globalPosition(), event->button(), event->buttons(), event->modifiers(),
                     event->pointingDevice());
    QAbstractButton::mouseReleaseEvent(&here);
}

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
    // The picture stays pressed until the release, wherever the mouse goes.
    QWidget::mouseMoveEvent(event);
}

bool ImageButton::showsFocusFrame() const {
    return hasFocus() && keyboardFocus_;
}

void ImageButton::focusInEvent(QFocusEvent* event) {
    // The focus a window hands its first control when it opens shows no
    // frame until a key is used.
    const Qt::FocusReason reason = event->reason();
    keyboardFocus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                     reason == Qt::ShortcutFocusReason ||
                     (reason == Qt::ActiveWindowFocusReason && lastInputWasKeyboard());
    QAbstractButton::focusInEvent(event);
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
    if (!keyboardFocus_) {
        // The first key shows where the focus is; only a framed button clicks.
        keyboardFocus_ = true;
        if (clicks(event))
            return;
    }
    if (!clicks(event))
        return QWidget::keyPressEvent(event);
    QKeyEvent space = asSpace(event);
    QAbstractButton::keyPressEvent(&space);
}

void ImageButton::keyReleaseEvent(QKeyEvent* event) {
    if (!clicks(event))
        return QWidget::keyReleaseEvent(event);
    QKeyEvent space = asSpace(event);
    QAbstractButton::keyReleaseEvent(&space);
}

} // namespace vellimar
