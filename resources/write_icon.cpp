// Writes the program's icon at 256 x 256 pixels as a PNG file, drawn by the same code that
// draws the windows' icon, for the desktop's icon theme. Run at build time, without a display.
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstdio>

#include "platform/pictures.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_icon FILE.png\n");
        return 2;
    }
    const QImage icon = ProgramIcon().pixmap(QSize(256, 256)).toImage();
    if (icon.size() != QSize(256, 256) || !icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "write_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
