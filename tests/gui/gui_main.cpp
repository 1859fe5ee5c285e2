#include <QApplication>
#include <gtest/gtest.h>

#include "shell/application.h"

int main(int argc, char** argv) {
    // The screens run on Qt's offscreen platform unless a display is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vellimar::setup_application(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
