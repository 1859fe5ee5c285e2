#include "ui/screen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "ui/bitmaps.h"
#include "ui/look.h"
#include "ui/platform.h"

namespace vellimar {

Screen::Screen(const char* name, const QString& title, int width_twips, int height_twips)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(title);
    setWindowIcon(application_icon());
    setFixedSize(twips(width_twips), twips(height_twips));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ScreenBlue);
    setPalette(palette);
    setFont(screen_font());
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
            QRect area = screen->availableGeometry();
            move(area.center() - rect().center());
        }
    }
    QWidget::showEvent(event);
}

void Screen::closeEvent(QCloseEvent* event) {
    // The program ends here; the window itself is never closed on its own.
    event->ignore();
    platform().process->end();
}

} // namespace vellimar
