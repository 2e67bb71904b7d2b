// Writes the README's pictures: the main window as it opens with the built-in tables, a
// certificate drawn by the page routine and a schedule's summary page, so that they show the
// program as it is built. Run by the "screenshots" target (without a display) after a change to
// what the program draws.
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
#include "schedule/schedule_export.h"
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

// The first summary page of a schedule's PDF: a school's windows with the architect's Qty and
// Location columns, one row whose system is misspelt.
QImage SummaryPicture() {
    const ProductTables tables = LoadProductTables(QString());
    const ScheduleReading reading = ReadSchedule(QStringLiteral(
        "Ref,Qty,Location,System,Outer,Vent,Transom,Building\n"
        "W01,12,Classrooms 1-6 (north elevation),Pelvanor 55,PRF110,PRF120,PRF130,Commercial\n"
        "W02,4,Main hall,Pelvanor 75,PRF314,PRF322,PRF331,Commercial\n"
        "W03,6,Staff room and offices,Pelvanor 62 (Slim),PRF210,PRF220,PRF230,Commercial\n"
        "W04,2,Reception,Pelvanor 90 Vantrel,VTR410,VTR420,PRF430,Commercial\n"
        "W05,8,First floor corridor,Meridan 50,SLM110,SLM120,SLM130,Commercial\n"
        "W06,3,Caretaker's house,Pelvanor 47,PRF010,PRF020,PRF020,Domestic\n"
        "W07,1,Plant room,Pelvanr 47,,,,Commercial\n"
        "W08,5,Library,Pelvanor 110,PRF510,PRF520B,PRF530,Commercial\n"));
    if (!reading.schedule) {
        std::fprintf(stderr, "write_screenshots: %s\n", qPrintable(reading.error));
        return {};
    }
    Schedule schedule = *reading.schedule;
    schedule.report = {QStringLiteral("Acme Glazing Ltd\nUnit 4 Riverside Park, Leeds LS1 4AB"),
                       QStringLiteral("Riverside Primary School – Phase 2"),
                       QStringLiteral("1 May 2024")};
    const QList<ScheduleRowRating> ratings = RateSchedule(tables, schedule);
    const ScheduleDocument document(tables, schedule, ratings, SummaryExtraColumns(schedule));
    // The page's upper part, where the table, the totals and the legend are; in few colours, to
    // keep it small.
    QImage page(900, 1273, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        document.DrawPage(0, painter, page.width(), page.height());
    }
    return page.copy(0, 0, page.width(), 870)
        .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
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
                    {"certificate.png", CertificatePicture(), 360},
                    {"summary.png", SummaryPicture(), 640}};
    for (const auto& p : pictures) {
        const QString path = folder.filePath(QLatin1String(p.name));
        const QString guidePath = QDir(guide).filePath(QLatin1String(p.name));
        QImage scaled = p.picture.scaledToWidth(p.guideWidth, Qt::SmoothTransformation);
        if (p.picture.format() == QImage::Format_Indexed8) {
            scaled = scaled.convertToFormat(QImage::Format_Indexed8,
                                            Qt::ThresholdDither | Qt::AvoidDither);
        }
        if (p.picture.isNull() || !p.picture.save(path, "PNG") ||
            (!guide.isEmpty() && !scaled.save(guidePath, "PNG"))) {
            std::fprintf(stderr, "write_screenshots: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
