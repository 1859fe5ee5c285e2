#include "ui/image_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "ui/look.h"
#include "ui/screen.h"

namespace vellimar {

Picture::Picture(QWidget* parent, const char* name, Bitmap bitmap, int left, int top)
    : QWidget(parent), bitmap_(bitmap) {
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(bitmapSize(bitmap));
    moveTo(QPoint(left, top));
}

void Picture::moveTo(QPoint twipsPosition) {
    position_ = twipsPosition;
    move(twips(position_.x()), twips(position_.y()));
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, bitmapPixmap(bitmap_, devicePixelRatioF()));
}

ImageButton::ImageButton(QWidget* parent, const char* name, Bitmap bitmap, int left, int top)
    : Picture(parent, name, bitmap, left, top) {
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    // A click does not take the focus; Tab does.
    setFocusPolicy(Qt::TabFocus);
}

void ImageButton::setPressPositions(QPoint pressed, QPoint released) {
    pressed_ = pressed;
    released_ = released;
    hasPressLook_ = true;
}

void ImageButton::setCaption(const QString& caption) {
    setAccessibleName(caption);
}

void ImageButton::animateClick() {
    if (down_)
        return;
    press();
    // As long as Qt's own buttons show an animated click.
    QTimer::singleShot(100, this, [this] {
        release();
        emit clicked();
    });
}

void ImageButton::press() {
    down_ = true;
    // Top first, then left, as the handlers set them.
    if (hasPressLook_)
        moveTo(pressed_);
}

void ImageButton::release() {
    down_ = false;
    if (hasPressLook_)
        moveTo(released_);
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    press();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    // Where the mouse is released decides the click; the picture may have
    // moved since the press, so compare against where it is now.
    // Any button gives the pressed look; only the left one clicks.
    QPointF global = event->globalPosition();
    release();
    if (event->button() == Qt::LeftButton && rect().contains(mapFromGlobal(global).toPoint()))
        emit clicked();
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
    Picture::focusInEvent(event);
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    const bool clicking = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!keyboardFocus_) {
        // The first key shows where the focus is; only a framed button clicks.
        keyboardFocus_ = true;
        update();
        if (clicking) {
            event->accept();
            return;
        }
    }
    if (clicking) {
        if (!event->isAutoRepeat() && !keyDown_) {
            keyDown_ = true;
            press();
        }
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ImageButton::keyReleaseEvent(QKeyEvent* event) {
    int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        if (keyDown_) {
            keyDown_ = false;
            release();
            emit clicked();
        }
        return;
    }
    QWidget::keyReleaseEvent(event);
}

} // namespace vellimar
