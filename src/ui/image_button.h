#pragma once
// A picture control used as a button: a bitmap with its caption laid over it
// as separate labels. Buttons with a pressed look move to a fixed pressed
// position while the mouse is down and to a fixed release position after.
#include <QPoint>
#include <QWidget>

#include "ui/bitmaps.h"

namespace vellimar {

// A bitmap at a twips position that does not react to the mouse.
class Picture : public QWidget {
    Q_OBJECT
  public:
    // `left` and `top` are the position in twips.
    Picture(QWidget* parent, const char* name, Bitmap bitmap, int left, int top);
    QPoint positionTwips() const { return position_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void moveTo(QPoint twipsPosition);
    Bitmap bitmap() const { return bitmap_; }

  private:
    Bitmap bitmap_;
    QPoint position_;
};

class ImageButton : public Picture {
    Q_OBJECT
  public:
    ImageButton(QWidget* parent, const char* name, Bitmap bitmap, int left, int top);

    // Gives the button its pressed look: the two absolute positions (twips)
    // that a press and a release set.
    void setPressPositions(QPoint pressed, QPoint released);
    // Caption (or purpose) read out by screen readers.
    void setCaption(const QString& caption);

    // The focus mark shows only while the focus is the keyboard's.
    bool showsFocusFrame() const;
    // A help or information icon, rather than a button with a caption.
    bool isIcon() const { return bitmap() == Bitmap::Help || bitmap() == Bitmap::Info; }
    // Held down by the mouse, the keyboard or a click in progress.
    bool isDown() const { return down_; }
    // A click as the keyboard gives it, for screen readers: pressed now,
    // released and clicked a moment later, once the caller has had its
    // answer (the click may open a modal message box).
    void animateClick();

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    void press();
    void release();

    QPoint pressed_;
    QPoint released_;
    bool hasPressLook_ = false;
    bool keyDown_ = false;
    bool keyboardFocus_ = false;
    bool down_ = false;
};

} // namespace vellimar
