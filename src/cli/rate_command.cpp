#include "cli/command_runners.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "cli/data_version_output.h"
#include "cli/rating_output.h"
#include "data/product_tables.h"
#include "rating/rated_window.h"

int RunRate(const QCommandLineParser& parser, CommandIo& io) {
    ProductTables tables;
    const std::optional<RatedWindow> window = RatedFromOptions(parser, io, &tables);
    if (!window) {
        return kExitFailed;
    }
    if (parser.isSet(QStringLiteral("json"))) {
        QJsonObject json = RatingJson(*window);
        json.insert(QStringLiteral("data"), DataVersionJson(DataVersionOf(tables)));
        io.out << QJsonDocument(json).toJson(QJsonDocument::Indented);
    } else {
        io.out << RatingText(*window);
    }
    io.out.flush();
    // The rating is printed with its fall-backs, but a script must not take it for one.
    return window->noColumnReason.isEmpty() ? kExitDone : kExitFailed;
}
