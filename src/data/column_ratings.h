// One ratings column of the BRE ratings table, read by row position (data/bre_ratings_rows.h),
// and what every document shows of it.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// What one ratings column of the BRE ratings table says, read by row position: the weight band
// label (row 1), the element number (row 2), the thirteen impact categories (rows 4 to 16, label
// and letter), the kg of CO2 (row 17) and the summary rating (row 18).
struct ColumnRatings {
    QString weightBand;
    QString elementNumber;
    QList<std::pair<QString, QString>> impacts;
    QString co2Label;
    QString co2;
    QString summaryRating;
};
ColumnRatings RatingsOfColumn(const QStringList& breRatingLines, int column);

// The ratings column as every document shows it (the certificate, the specification sheet, the
// command line's text): the column's own texts when one applies (column 1 or more); else the
// labels with "XXXXXXXX" for the summary rating, "??" for the weight band, and kNoRating for the
// element number, the kg of CO2 and every impact's letter.
ColumnRatings ShownRatingsOfColumn(const QStringList& breRatingLines, int column);
// The same from the texts already read: those of column 0 (the labels) when none applies.
ColumnRatings ShownRatings(ColumnRatings ratings, bool rated);
// What a rating cell says when no ratings column applies.
inline const QString kNoRating = QStringLiteral("npd");
// Only its summary rating (row 18).
QString SummaryRatingOfColumn(const QStringList& breRatingLines, int column);
