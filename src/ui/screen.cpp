#include "ui/screen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QStyleHints>
#include <QWindow>

#include "ui/bitmaps.h"
#include "ui/look.h"
#include "ui/platform.h"

namespace vellimar {

namespace {

// What the user did last, whichever window it went to: a key, or a mouse
// button pressed at a time of the window system's clock.
class InputWatch : public QObject {
  public:
    using QObject::QObject;
    bool keyboard = false;
    bool pressed = false;
    quint64 pressTime = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            keyboard = true;
        } else if (event->type() == QEvent::MouseButtonPress) {
            keyboard = false;
            pressed = true;
            pressTime = static_cast<QInputEvent*>(event)->timestamp();
        }
        return false;
    }
};

// The watch belongs to the application it watches, and goes with it; a new
// application gets a new watch.
InputWatch& inputWatch() {
    static QPointer<InputWatch> watch;
    if (!watch) {
        watch = new InputWatch(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(watch);
    }
    return *watch;
}

} // namespace

bool lastInputWasKeyboard() {
    return inputWatch().keyboard;
}

Screen::Screen(const char* name, const QString& title, int widthTwips, int heightTwips)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(title);
    setWindowIcon(applicationIcon());
    setFixedSize(twips(widthTwips), twips(heightTwips));
    setAutoFillBackground(true);
    setPalette(fixedPalette(ScreenBlue));
    setFont(screenFont());
    inputWatch();
    markFocus(this);
}

void Screen::activate() {
    raise();
    activateWindow();
}

void Screen::handOverTo(Screen& next) {
    next.show();
    hide();
    next.activate();
}

void Screen::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            move(placeWithin(size(), screen->availableGeometry()));
        }
        windowHandle()->installEventFilter(this);
    }
    const InputWatch& input = inputWatch();
    shownByClick_ = input.pressed && !input.keyboard;
    showingPress_ = input.pressTime;
    // Shown by the mouse (or at start), no control has the keyboard until
    // the first Tab; the window itself holds it. From the keyboard, the
    // focus goes where it always went.
    if (!input.keyboard)
        setFocus(Qt::OtherFocusReason);
    else if (focusWidget() == this)
        clearFocus();
    QWidget::showEvent(event);
}

bool Screen::eventFilter(QObject* watched, QEvent* event) {
    if (watched != windowHandle())
        return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        const quint64 at = static_cast<QMouseEvent*>(event)->timestamp();
        const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        if (shownByClick_ && at >= showingPress_ && at - showingPress_ < quint64(interval))
            ignoringClick_ = true;
        return ignoringClick_;
    }
    if (type == QEvent::MouseButtonRelease && ignoringClick_) {
        ignoringClick_ = static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton;
        return true;
    }
    return false;
}

void Screen::closeEvent(QCloseEvent* event) {
    // The program ends here; the window itself is never closed on its own.
    event->ignore();
    platform().process->end();
}

} // namespace vellimar
