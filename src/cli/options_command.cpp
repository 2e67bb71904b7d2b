#include "cli/options_command.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

#include "data/product_tables.h"
#include "data/rating_colours.h"
#include "rating/rating.h"

namespace {

QJsonValue TextOrNull(const std::optional<QString>& text) {
    return text ? QJsonValue(*text) : QJsonValue(QJsonValue::Null);
}

}  // namespace

QJsonArray OptionsJson(const WindowChoices& choices) {
    QJsonArray array;
    for (const WindowChoice& c : choices.lines) {
        QJsonObject json;
        json.insert(QStringLiteral("system"), c.systemName);
        json.insert(QStringLiteral("outerFrame"), c.outerFrame);
        json.insert(QStringLiteral("ventFrame"), TextOrNull(c.ventFrame));
        json.insert(QStringLiteral("transomMullion"), TextOrNull(c.transomMullion));
        json.insert(QStringLiteral("profileWeight"), c.weight);
        json.insert(QStringLiteral("column"), c.column);
        json.insert(QStringLiteral("summaryRating"),
                    TextOrNull(c.column > 0 ? std::optional(c.summaryRating) : std::nullopt));
        array.append(json);
    }
    return array;
}

QString OptionsText(const WindowChoices& choices) {
    const QString any = QStringLiteral("any");
    QList<QStringList> rows = {{QStringLiteral("System"), QStringLiteral("Outer frame"),
                                QStringLiteral("Vent frame"), QStringLiteral("Transom/mullion"),
                                QStringLiteral("Weight"), QStringLiteral("Column"),
                                QStringLiteral("Rating")}};
    for (const WindowChoice& c : choices.lines) {
        rows.append({c.systemName.trimmed(), c.outerFrame, c.ventFrame.value_or(any),
                     c.transomMullion.value_or(any), FormatProfileWeight(c.weight),
                     QString::number(c.column), c.ShownSummaryRating()});
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

std::optional<ChoicesQuery> OptionsQueryOf(const QCommandLineParser& parser, QString* problem) {
    ChoicesQuery query;
    query.system = parser.value(QStringLiteral("system"));
    query.allSystems = parser.isSet(QStringLiteral("all-systems"));
    query.commercial = !parser.isSet(QStringLiteral("domestic"));
    if (!parser.isSet(QStringLiteral("system")) && !query.allSystems) {
        *problem = QStringLiteral("options needs --system or --all-systems");
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("better-than"))) {
        const QString rating = parser.value(QStringLiteral("better-than")).trimmed().toUpper();
        if (RatingLetterRank(rating) < 0) {
            *problem = QStringLiteral("--better-than takes a rating: A+, A, B, C, D, E, F or G");
            return std::nullopt;
        }
        query.betterThan = rating;
    }
    return query;
}

int RunOptions(const ChoicesQuery& query, bool json, CommandIo& io) {
    const ProductTables tables = LoadProductTables(io.dataFolder);
    QString error;
    const auto choices = WindowChoicesOf(tables, query, &error);
    if (!choices) {
        io.err << "greenguide: " << OneLine(error) << Qt::endl;
        return kExitFailed;
    }
    for (const QString& system : choices->codesLeftOut) {
        io.err << "greenguide: " << OneLine(system) << " offers more than " << kMostCodesCombined
               << " codes of a profile: only the first " << kMostCodesCombined
               << " of each are combined" << Qt::endl;
    }
    if (choices->cut) {
        io.err << "greenguide: only the first " << query.limit << " lines are listed" << Qt::endl;
    }
    if (json) {
        io.out << QJsonDocument(OptionsJson(*choices)).toJson(QJsonDocument::Indented);
    } else {
        io.out << OptionsText(*choices);
    }
    io.out.flush();
    return kExitDone;
}
