#pragma once
// Pictures, and pictures used as buttons: a bitmap at a twips position, with
// a button's caption laid over it as separate labels. Buttons with a pressed
// look move to a fixed pressed position when pressed and to a fixed release
// position when released.
#include <QAbstractButton>
#include <QPoint>
#include <QWidget>

#include "ui/bitmaps.h"

namespace vellimar {

// A bitmap at a twips position, drawn by a widget of kind W.
template <typename W> class Bitmapped : public W {
  public:
    QPoint positionTwips() const { return position_; }

  protected:
    // `left` and `top` are the position in twips.
    Bitmapped(QWidget* parent, const char* name, Bitmap bitmap, int left, int top);
    void paintEvent(QPaintEvent* event) override;
    void moveTo(QPoint twipsPosition);
    Bitmap bitmap() const { return bitmap_; }

  private:
    Bitmap bitmap_;
    QPoint position_;
};
extern template class Bitmapped<QWidget>;
extern template class Bitmapped<QAbstractButton>;

// A bitmap that does not react to the mouse.
class Picture : public Bitmapped<QWidget> {
    Q_OBJECT
  public:
    Picture(QWidget* parent, const char* name, Bitmap bitmap, int left, int top);
};

// A push button as Qt has it (down while pressed, clicked on release, Space,
// the animated click), reached by Tab only, where
//  - any mouse button presses it, only the left one clicks, and the click is
//    decided by where the release falls on the picture once it is back in
//    its release position; moving the mouse off it and back does not move it;
//  - Return and Enter act as Space;
//  - the first key on a button the keyboard has not marked yet shows the
//    focus mark and does nothing else.
class ImageButton : public Bitmapped<QAbstractButton> {
    Q_OBJECT
  public:
    ImageButton(QWidget* parent, const char* name, Bitmap bitmap, int left, int top);

    // Gives the button its pressed look: the two absolute positions (twips)
    // that a press and a release set.
    void setPressPositions(QPoint pressed, QPoint released);

    // The focus mark shows only while the focus is the keyboard's.
    bool showsFocusFrame() const;
    // A help or information icon, rather than a button with a caption.
    bool isIcon() const { return bitmap() == Bitmap::Help || bitmap() == Bitmap::Info; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    QPoint released_;
    bool keyboardFocus_ = false;
};

} // namespace vellimar
