#include <QApplication>

#include "app/application.h"
#include "app/registry.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vellimar::setup_application(app);
    vellimar::start_selector();
    const int status = app.exec();
    // The screens go before the application they belong to.
    vellimar::registry().reset();
    return status;
}
