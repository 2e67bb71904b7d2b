// Test entry shared by every test program: an offscreen application object with the program's
// font substitutes, so that drawing and widgets behave as in the running program.
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/fonts.h"

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform warns about window operations it cannot carry out (raising, size hints,
// keyboard grabs); they mean nothing for the tests and would bury real messages.
void QuietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Each test program keeps its settings store and user data folder in a home of its own, so
    // that tests running side by side never see each other's remembered values.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    standardHandler = qInstallMessageHandler(QuietOffscreenWarnings);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    return RUN_ALL_TESTS();
}
