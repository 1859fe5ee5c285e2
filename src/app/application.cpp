#include "app/application.h"

#include <QApplication>

#include "app/registry.h"
#include "screens/category_menu.h"
#include "ui/accessibility.h"
#include "ui/bitmaps.h"
#include "ui/look.h"

namespace vellimar {

void setup_application(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Vellimar UPS Selector"));
    QGuiApplication::setDesktopFileName(QStringLiteral("vellimar-ups-selector"));
    // One style everywhere, so the screens look as laid out on any desktop.
    QApplication::setStyle(make_style());
    install_font_substitutes();
    install_accessibility();
    app.setWindowIcon(application_icon());
}

} // namespace vellimar

namespace vellimar {

void start_selector() {
    registry().categoryMenu().show();
}

} // namespace vellimar
