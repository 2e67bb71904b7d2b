#include "cli/command_runners.h"

#include "data/product_tables.h"
#include "documents/certificate_output.h"
#include "platform/program_info.h"
#include "rating/rated_window.h"
#include "schedule/schedule_rating.h"

int RunCertificate(const QCommandLineParser& parser, CommandIo& io) {
    ProductTables tables;
    const std::optional<RatedWindow> window = RatedFromOptions(parser, io, &tables);
    if (!window) {
        return kExitFailed;
    }
    // A certificate rated "X" with "npd" throughout is handed out only when asked for.
    const bool unrated = !window->noColumnReason.isEmpty();
    if (unrated && !parser.isSet(QStringLiteral("allow-unrated"))) {
        io.err << "greenguide: no certificate written; --allow-unrated writes it without a rating"
               << Qt::endl;
        return kExitFailed;
    }
    const CertificateData data = CertificateOfWindow(
        tables.breRatingLines, *window,
        parser.values(QStringLiteral("company")).join(QLatin1Char('\n')),
        parser.value(QStringLiteral("project")), parser.value(QStringLiteral("date")));
    const QString path = parser.value(QStringLiteral("o"));
    const WholeFileResult result = WriteCertificatePdf(
        path, data,
        ExportPdfSettings(data, ProgramNameAndVersion(), DataVersionText(DataVersionOf(tables))));
    if (!result.written) {
        io.err << "greenguide: " << OneLine(CannotCreateFileText(path, result.reason)) << Qt::endl;
        return kExitFailed;
    }
    // Written as asked, but still no rating: the exit code says so, as rate's does.
    return unrated ? kExitFailed : kExitDone;
}
