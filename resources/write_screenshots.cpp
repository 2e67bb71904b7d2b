// Writes the README's pictures: the main window as it opens with the built-in tables, and a
// certificate drawn by the page routine, so that they show the program as it is built. Run by
// the "screenshots" target (without a display) after a change to what the program draws.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

#include "app/twer.h"
#include "data/product_tables.h"
#include "documents/certificate_output.h"
#include "platform/fonts.h"
#include "rating/rated_window.h"
#include "schedule/schedule_rating.h"

namespace {

// The window over an empty program folder and no picture store, with nothing remembered: as a
// new user first sees it.
QImage WindowPicture() {
    QTemporaryDir folder;
    TwerEnvironment environment = TwerEnvironment::Default();
    environment.programFolder = folder.path() + QLatin1Char('/');
    environment.pictureBase = folder.filePath(QStringLiteral("Updates"));
    TWER window(environment);
    window.show();
    // Showing runs the first recalculation; a few rounds of the loop let it settle.
    QElapsedTimer settling;
    settling.start();
    while (settling.elapsed() < 300) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return window.grab().toImage();
}

// The certificate of a domestic window with the report texts filled in, at twice the preview's
// size.
QImage CertificatePicture() {
    const ProductTables tables = LoadProductTables(QString());
    WindowRequest request;
    request.system = QStringLiteral("Pelvanor 55");
    request.commercial = false;
    QString error;
    const std::optional<RatedWindow> window = RateRequest(tables, request, &error);
    if (!window) {
        std::fprintf(stderr, "write_screenshots: %s\n", qPrintable(error));
        return {};
    }
    const CertificateData data = CertificateOfWindow(
        tables.breRatingLines, *window, QStringLiteral("Acme Glazing Ltd\nUnit 4 Riverside Park"),
        QStringLiteral("Riverside School"), QStringLiteral("1 May 2024"));
    QImage page(1260, 1782, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    DrawFittedCertificatePage(data, painter, page.width(), page.height());
    return page;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The user's own settings and data files stay out of the pictures.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("BRE Green Guide"));
    InstallFontSubstitutes();
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: write_screenshots FOLDER [GUIDE_FOLDER]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    // The user guide's copies, scaled to the width its page gives them.
    const QString guide = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    const struct {
        const char* name;
        QImage picture;
        int guideWidth;
    } pictures[] = {{"window.png", WindowPicture(), 640},
                    {"certificate.png", CertificatePicture(), 360}};
    for (const auto& p : pictures) {
        const QString path = folder.filePath(QLatin1String(p.name));
        const QString guidePath = QDir(guide).filePath(QLatin1String(p.name));
        if (p.picture.isNull() || !p.picture.save(path, "PNG") ||
            (!guide.isEmpty() && !p.picture.scaledToWidth(p.guideWidth, Qt::SmoothTransformation)
                                      .save(guidePath, "PNG"))) {
            std::fprintf(stderr, "write_screenshots: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
