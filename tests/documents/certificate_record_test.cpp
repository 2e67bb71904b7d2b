#include "documents/certificate_record.h"

#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "data/table_fields.h"

namespace {
CertificateInputs Inputs(int column) {
    CertificateInputs in;
    in.breRatingLines = LinesOfText(BuiltInBreRatingsTable());
    in.ratingsColumn = column;
    in.systemName = QStringLiteral("Pelvanor 47");
    in.outerFrame = QStringLiteral("PRF010");
    in.ventFrame = QStringLiteral("PRF020");
    in.transomMullion = QStringLiteral("PRF030");
    return in;
}
}  // namespace

TEST(CertificateRecord, ColumnEightIsTheHeaviestCommercialBand) {
    const CertificateData data = CertificateDataOf(Inputs(8));
    EXPECT_EQ(data.SummaryRating, "C");
    EXPECT_EQ(data.ProfileWeight, ">1.75");
    EXPECT_EQ(data.ElementReference, "1231500004");
    ASSERT_EQ(data.ProfileLines.size(), 14);
    EXPECT_EQ(data.ProfileLines.first(), "#Climate Change:C");
    EXPECT_EQ(data.ProfileLines.last(), QString::fromUtf8("#Kg of CO2\u00A0eq. (60 years):130"));
    EXPECT_EQ(data.ProductName, "Pelvanor 47");
    EXPECT_EQ(data.OuterFrame, "PRF010");
    EXPECT_EQ(data.VentFrame, "PRF020");
    EXPECT_EQ(data.TransomMullion, "PRF030");
    EXPECT_EQ(data.BuildingType, "Commercial");
}

TEST(CertificateRecord, NoColumnUsesTheFallBacks) {
    for (int column : {-1, 0}) {
        const CertificateData data = CertificateDataOf(Inputs(column));
        EXPECT_EQ(data.SummaryRating, "XXXXXXXX");
        EXPECT_EQ(data.ProfileWeight, "??");
        EXPECT_EQ(data.ElementReference, "npd");
        ASSERT_EQ(data.ProfileLines.size(), 14);
        EXPECT_EQ(data.ProfileLines.first(), "#Climate Change:npd");
        for (const QString& line : data.ProfileLines) {
            EXPECT_TRUE(line.endsWith(":npd")) << line.toStdString();
        }
    }
}

TEST(CertificateRecord, DomesticAndMultiLineFields) {
    CertificateInputs in = Inputs(2);
    in.commercial = false;
    in.company = QStringLiteral("Line one\nLine two");
    in.date = QStringLiteral("08/12/2026");
    const CertificateData data = CertificateDataOf(in);
    EXPECT_EQ(data.BuildingType, "Domestic");
    EXPECT_EQ(data.SummaryRating, "A");
    EXPECT_EQ(data.ProfileWeight, "< 1.08");
    EXPECT_EQ(data.Company, "Line one\nLine two");
    EXPECT_EQ(data.Project, "");
    EXPECT_EQ(data.Date, "08/12/2026");
}

TEST(CertificateRecord, ShortOrLongRatingsTables) {
    CertificateInputs in = Inputs(4);
    in.breRatingLines = in.breRatingLines.mid(0, 10);
    CertificateData data = CertificateDataOf(in);
    EXPECT_EQ(data.ProfileLines.size(), 5);  // rows 4 to 8
    EXPECT_EQ(data.SummaryRating, "");       // there is no row 18
    in.breRatingLines.clear();
    data = CertificateDataOf(in);
    EXPECT_TRUE(data.ProfileLines.isEmpty());
    in = Inputs(4);
    in.breRatingLines << QStringLiteral("Extra,1,2,3,4,5,6,7,8");
    data = CertificateDataOf(in);
    EXPECT_EQ(data.ProfileLines.size(), 15);
    EXPECT_EQ(data.ProfileLines.last(), "#Summary Rating:A+");
}
