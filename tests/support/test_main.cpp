#include <gtest/gtest.h>

#include <QApplication>

#include "platform/fonts.h"
#include "shell/application.h"

// Every test binary runs with a QApplication, set up as the program sets it
// up (Persian, right to left), on the offscreen platform unless told otherwise.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    pentarix::prepareApplication(app);
    pentarix::fonts::finishWarmup();
    return RUN_ALL_TESTS();
}
