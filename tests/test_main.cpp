// Test entry shared by every test program: an offscreen application object with the program's
// font substitutes, so that drawing and widgets behave as in the running program.
#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "platform/fonts.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    return RUN_ALL_TESTS();
}
