// The rating of one window as the command line prints it: as JSON and as text.
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <optional>

#include "rating/rated_window.h"

// The rating as one JSON object: system, outerFrame, ventFrame, transomMullion, building,
// profileWeight (the exact weight that chose the column) and profileWeightText (as the window
// shows it), column, elementNumber, weightBand, summaryRating, co2 (kg CO2e, a number) and
// co2Text (as the table holds it), headroom (HeadroomJson) and ratings (category label to
// letter); the texts that the certificate replaces by fall-backs are null when no ratings
// column applies.
QJsonObject RatingJson(const RatedWindow& window);

// {"better": {"rating", "below", "lose"} or null, "worse": {"rating", "from", "gain"} or null},
// or null when no ratings column applies; the numbers exact, not rounded.
QJsonValue HeadroomJson(const std::optional<Headroom>& headroom);

// The rating as lines of "label: value" text, with the certificate's fall-backs; the headroom
// in one line.
QString RatingText(const RatedWindow& window);
