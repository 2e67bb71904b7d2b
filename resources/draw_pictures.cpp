// Draws the pictures that never change with the program's own drawing routines, at the ratios
// the program holds them at, into a folder, with the resource file that lists them:
//   draw_pictures FOLDER
// Run at build time without a display; the build compiles FOLDER/pictures.qrc into the windows.
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <vector>

#include "documents/specification_sheet.h"
#include "platform/built_pictures.h"
#include "platform/fonts.h"
#include "platform/pictures.h"

namespace {

bool Write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return true;
    }
    std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_pictures FOLDER\n");
        return 2;
    }
    // As the program does before it draws anything.
    InstallFontSubstitutes();
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "draw_pictures: cannot make %s\n", argv[1]);
        return 1;
    }
    std::vector<FixedPicture> pictures = ProgramPictures();
    pictures.push_back(SpecificationSheetArtPicture());
    QByteArray list = "<RCC>\n  <qresource prefix=\"/pictures\">\n";
    for (const FixedPicture& picture : pictures) {
        for (const qreal ratio : kBuiltRatios) {
            if (ratio != 1.0 && !picture.screenRatios) {
                continue;
            }
            const QString name = BuiltPictureFile(picture, ratio);
            if (!Write(folder.filePath(name), BuiltPictureBytes(picture.draw(ratio)))) {
                return 1;
            }
            list += "    <file>" + name.toUtf8() + "</file>\n";
        }
    }
    list += "  </qresource>\n</RCC>\n";
    return Write(folder.filePath(QStringLiteral("pictures.qrc")), list) ? 0 : 1;
}
