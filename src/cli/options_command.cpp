#include "cli/options_command.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

#include "data/product_tables.h"
#include "rating/window_options.h"

QJsonArray OptionsJson(const std::vector<RatedWindow>& options) {
    QJsonArray array;
    for (const RatedWindow& w : options) {
        QJsonObject json;
        json.insert(QStringLiteral("outerFrame"), w.outerFrame);
        json.insert(QStringLiteral("ventFrame"), w.ventFrame);
        json.insert(QStringLiteral("transomMullion"), w.transomMullion);
        json.insert(QStringLiteral("profileWeight"), w.rating.weight);
        json.insert(QStringLiteral("column"), w.rating.column);
        json.insert(QStringLiteral("summaryRating"), w.rating.column > 0
                                                         ? QJsonValue(w.ratings.summaryRating)
                                                         : QJsonValue(QJsonValue::Null));
        array.append(json);
    }
    return array;
}

QString OptionsText(const std::vector<RatedWindow>& options) {
    QList<QStringList> rows = {{QStringLiteral("Outer frame"), QStringLiteral("Vent frame"),
                                QStringLiteral("Transom/mullion"), QStringLiteral("Weight"),
                                QStringLiteral("Column"), QStringLiteral("Rating")}};
    for (const RatedWindow& w : options) {
        rows.append({w.outerFrame, w.ventFrame, w.transomMullion,
                     FormatProfileWeight(w.rating.weight), QString::number(w.rating.column),
                     w.rating.column > 0 ? w.ratings.summaryRating : QStringLiteral("npd")});
    }
    QList<qsizetype> widths(rows.first().size(), 0);
    for (const QStringList& row : rows) {
        for (qsizetype k = 0; k < row.size(); ++k) {
            widths[k] = std::max(widths[k], row[k].size());
        }
    }
    QString text;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype k = 0; k < row.size(); ++k) {
            line += row[k].leftJustified(widths[k] + 2);
        }
        while (line.endsWith(QLatin1Char(' '))) {
            line.chop(1);
        }
        text += line + QLatin1Char('\n');
    }
    return text;
}

int RunOptions(const QCommandLineParser& parser, CommandIo& io) {
    const ProductTables tables = LoadProductTables(io.dataFolder);
    QString error;
    const auto options = WindowOptionsOf(tables, parser.value(QStringLiteral("system")),
                                         !parser.isSet(QStringLiteral("domestic")), &error);
    if (!options) {
        io.err << "greenguide: " << error << Qt::endl;
        return kExitFailed;
    }
    if (parser.isSet(QStringLiteral("json"))) {
        io.out << QJsonDocument(OptionsJson(*options)).toJson(QJsonDocument::Indented);
    } else {
        io.out << OptionsText(*options);
    }
    io.out.flush();
    return kExitDone;
}
