#include "documents/certificate_record.h"

#include "data/bre_ratings_rows.h"
#include "data/table_text.h"

namespace {
QString FieldOfRow(const QStringList& lines, int row, int n) {
    return CsvField(row >= 0 && row < lines.size() ? lines[row] : QString(), n);
}
}  // namespace

CertificateData CertificateDataOf(const CertificateInputs& in) {
    CertificateData data;
    const QStringList& lines = in.breRatingLines;
    const int column = in.ratingsColumn;
    data.ProfileLines.clear();
    for (qsizetype r = kFirstImpactRow; r < lines.size() - 1; ++r) {
        const QString label = CsvField(lines[r], 0);
        data.ProfileLines << (column > 0 ? QStringLiteral("#") + label + QStringLiteral(":") +
                                               CsvField(lines[r], column)
                                         : QStringLiteral("#") + label + QStringLiteral(":npd"));
    }
    data.ProductName = in.systemName;
    data.OuterFrame = in.outerFrame;
    data.VentFrame = in.ventFrame;
    data.TransomMullion = in.transomMullion;
    data.BuildingType = in.commercial ? QStringLiteral("Commercial") : QStringLiteral("Domestic");
    if (column > 0) {
        data.SummaryRating = FieldOfRow(lines, kSummaryRatingRow, column);
        data.ProfileWeight = FieldOfRow(lines, kWeightBandRow, column);
        data.ElementReference = FieldOfRow(lines, kElementNumberRow, column);
    } else {
        data.SummaryRating = QStringLiteral("XXXXXXXX");
        data.ProfileWeight = QStringLiteral("??");
        data.ElementReference = QStringLiteral("npd");
    }
    data.Company = in.company;
    data.Project = in.project;
    data.Date = in.date;
    return data;
}
