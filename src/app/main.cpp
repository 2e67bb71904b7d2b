// Program entry: the application object, the main window and the About box, then the loop.
#include <QApplication>

#include "platform/fonts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("BRE Green Guide"));
    InstallFontSubstitutes();
    return 0;
}
