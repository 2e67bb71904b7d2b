#include "cli/rating_output.h"

#include <QJsonValue>

#include <algorithm>
#include <cmath>
#include <limits>

#include "data/table_fields.h"

namespace {

QJsonValue StepJson(const std::optional<HeadroomStep>& step, const char* limitKey,
                    const char* amountKey) {
    if (!step) {
        return QJsonValue(QJsonValue::Null);
    }
    QJsonObject json;
    json.insert(QStringLiteral("rating"), step->rating);
    json.insert(QLatin1String(limitKey), step->limit);
    json.insert(QLatin1String(amountKey), step->amount);
    return json;
}

}  // namespace

QJsonValue HeadroomJson(const std::optional<Headroom>& headroom) {
    if (!headroom) {
        return QJsonValue(QJsonValue::Null);
    }
    QJsonObject json;
    json.insert(QStringLiteral("better"), StepJson(headroom->better, "below", "lose"));
    json.insert(QStringLiteral("worse"), StepJson(headroom->worse, "from", "gain"));
    return json;
}

QJsonObject RatingJson(const RatedWindow& w) {
    const bool rated = w.rating.column > 0;
    const auto orNull = [rated](const QString& text) {
        return rated ? QJsonValue(text) : QJsonValue(QJsonValue::Null);
    };
    QJsonObject ratings;
    for (const auto& [label, letter] : w.ratings.impacts) {
        ratings.insert(label, orNull(letter));
    }
    const double co2 = TextToNumber(w.ratings.co2, std::numeric_limits<double>::quiet_NaN());
    QJsonObject json;
    json.insert(QStringLiteral("system"), w.systemName);
    json.insert(QStringLiteral("outerFrame"), w.outerFrame);
    json.insert(QStringLiteral("ventFrame"), w.ventFrame);
    json.insert(QStringLiteral("transomMullion"), w.transomMullion);
    json.insert(QStringLiteral("building"),
                w.commercial ? QStringLiteral("Commercial") : QStringLiteral("Domestic"));
    // The weight that chose the column, and as the window shows it.
    json.insert(QStringLiteral("profileWeight"), w.rating.weight);
    json.insert(QStringLiteral("profileWeightText"), FormatProfileWeight(w.rating.weight));
    json.insert(QStringLiteral("column"), w.rating.column);
    json.insert(QStringLiteral("elementNumber"), orNull(w.ratings.elementNumber));
    json.insert(QStringLiteral("weightBand"), orNull(w.ratings.weightBand));
    json.insert(QStringLiteral("summaryRating"), orNull(w.ratings.summaryRating));
    json.insert(QStringLiteral("co2"),
                rated && std::isfinite(co2) ? QJsonValue(co2) : QJsonValue(QJsonValue::Null));
    json.insert(QStringLiteral("co2Text"), orNull(w.ratings.co2));
    json.insert(QStringLiteral("headroom"), HeadroomJson(w.headroom));
    json.insert(QStringLiteral("ratings"), ratings);
    return json;
}

QString RatingText(const RatedWindow& w) {
    const ColumnRatings shown = ShownRatings(w.ratings, w.rating.column > 0);
    QList<std::pair<QString, QString>> rows = {
        {QStringLiteral("System"), w.systemName},
        {QStringLiteral("Outer frame"), w.outerFrame},
        {QStringLiteral("Vent frame"), w.ventFrame},
        {QStringLiteral("Transom/mullion"), w.transomMullion},
        {QStringLiteral("Building"),
         w.commercial ? QStringLiteral("Commercial") : QStringLiteral("Domestic")},
        {QStringLiteral("Profile weight"), FormatProfileWeight(w.rating.weight) + " kg/m"},
        {QStringLiteral("Ratings column"), QString::number(w.rating.column)},
        {QStringLiteral("Element number"), shown.elementNumber},
        {QStringLiteral("Weight band"), shown.weightBand},
        {QStringLiteral("Summary rating"), shown.summaryRating},
        {QStringLiteral("Headroom"), w.headroom ? HeadroomTextOf(w) : kNoRating},
        {shown.co2Label, shown.co2},
    };
    rows.append(shown.impacts);
    qsizetype width = 0;
    for (const auto& row : rows) {
        width = std::max(width, row.first.size());
    }
    QString text;
    for (const auto& [label, value] : rows) {
        text += (label + QLatin1Char(':')).leftJustified(width + 2) + value + QLatin1Char('\n');
    }
    return text;
}
