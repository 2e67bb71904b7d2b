#include "documents/certificate_record.h"

#include "data/bre_ratings_rows.h"
#include "data/column_ratings.h"
#include "data/table_fields.h"

CertificateData CertificateDataOf(const CertificateInputs& in) {
    CertificateData data;
    const QStringList& lines = in.breRatingLines;
    const int column = in.ratingsColumn;
    data.ProfileLines.clear();
    for (qsizetype r = kFirstImpactRow; r < lines.size() - 1; ++r) {
        data.ProfileLines << QStringLiteral("#") + CsvField(lines[r], 0) + QStringLiteral(":") +
                                 (column > 0 ? CsvField(lines[r], column) : kNoRating);
    }
    data.ProductName = in.systemName;
    data.OuterFrame = in.outerFrame;
    data.VentFrame = in.ventFrame;
    data.TransomMullion = in.transomMullion;
    data.BuildingType = in.commercial ? QStringLiteral("Commercial") : QStringLiteral("Domestic");
    const ColumnRatings shown = ShownRatingsOfColumn(lines, column);
    data.SummaryRating = shown.summaryRating;
    data.ProfileWeight = shown.weightBand;
    data.ElementReference = shown.elementNumber;
    data.Company = in.company;
    data.Project = in.project;
    data.Date = in.date;
    return data;
}
