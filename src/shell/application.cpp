#include "shell/application.h"

#include <QApplication>
#include <QStyleFactory>

#include "entry/form6.h"
#include "shell/bitmaps.h"
#include "shell/look.h"
#include "shell/screens.h"

namespace vellimar {

void setup_application(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Vellimar UPS Selector"));
    QGuiApplication::setDesktopFileName(QStringLiteral("vellimar-ups-selector"));
    // One style everywhere, so the screens look as laid out on any desktop.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    install_font_substitutes();
    app.setWindowIcon(application_icon());
}

} // namespace vellimar

namespace vellimar {

void start_selector() {
    screens::form6().show();
}

} // namespace vellimar
