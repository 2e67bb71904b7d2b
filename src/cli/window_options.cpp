#include "cli/command_runners.h"

#include "data/product_tables.h"
#include "rating/rated_window.h"

namespace {

std::optional<QString> ValueIfSet(const QCommandLineParser& parser, const QString& name) {
    if (!parser.isSet(name)) {
        return std::nullopt;
    }
    return parser.value(name);
}

WindowRequest RequestOf(const QCommandLineParser& parser) {
    WindowRequest request;
    request.system = parser.value(QStringLiteral("system"));
    request.outerFrame = ValueIfSet(parser, QStringLiteral("outer"));
    request.ventFrame = ValueIfSet(parser, QStringLiteral("vent"));
    request.transomMullion = ValueIfSet(parser, QStringLiteral("transom"));
    request.commercial = !parser.isSet(QStringLiteral("domestic"));
    return request;
}

}  // namespace

std::optional<RatedWindow> RatedFromOptions(const QCommandLineParser& parser, CommandIo& io,
                                            ProductTables* tables) {
    *tables = LoadProductTables(io.dataFolder);
    QString error;
    std::optional<RatedWindow> window = RateRequest(*tables, RequestOf(parser), &error);
    if (!window) {
        io.err << "greenguide: " << OneLine(error) << Qt::endl;
        return std::nullopt;
    }
    if (!window->noColumnReason.isEmpty()) {
        io.err << "greenguide: no ratings column applies: " << OneLine(window->noColumnReason)
               << Qt::endl;
    }
    return window;
}

QCommandLineOption SystemOption() {
    return {QStringLiteral("system"), QStringLiteral("System, by header or name."),
            QStringLiteral("NAME")};
}
QList<QCommandLineOption> WindowOptions() {
    return {SystemOption(),
            {QStringLiteral("outer"), QStringLiteral("Outer frame code."), QStringLiteral("CODE")},
            {QStringLiteral("vent"), QStringLiteral("Vent frame code."), QStringLiteral("CODE")},
            {QStringLiteral("transom"), QStringLiteral("Transom/mullion code."),
             QStringLiteral("CODE")},
            {QStringLiteral("domestic"), QStringLiteral("Domestic building (else Commercial).")}};
}
