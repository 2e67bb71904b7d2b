// The rating of one window as the command line prints it: as JSON and as text.
#pragma once

#include <QJsonObject>
#include <QString>

#include "rating/rated_window.h"

// The rating as one JSON object: system, outerFrame, ventFrame, transomMullion, building,
// profileWeight, column, elementNumber, weightBand, summaryRating, co2 and ratings (category
// label to letter); the texts that the certificate replaces by fall-backs are null when no
// ratings column applies.
QJsonObject RatingJson(const RatedWindow& window);

// The rating as lines of "label: value" text, with the certificate's fall-backs.
QString RatingText(const RatedWindow& window);
