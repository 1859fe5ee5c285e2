#include <QApplication>

#include "shell/application.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vellimar::setup_application(app);
    vellimar::start_selector();
    return app.exec();
}
