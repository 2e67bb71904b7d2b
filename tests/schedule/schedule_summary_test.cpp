// The summary pages and the certificate pages of a schedule's combined PDF, read back with
// poppler's tools as the client reads them: every text whole, the totals, the bands.
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "data/rating_colours.h"
#include "documents/certificate_output.h"
#include "schedule/schedule_export.h"
#include "schedule/schedule_summary_layout.h"
#include "schedule/schedule_totals.h"
#include "test_support.h"

namespace {

ProductTables BuiltInTables() {
    return ProductTablesOf(BuiltInWeightsTable(), BuiltInSystemCatalogue(),
                           BuiltInBreRatingsTable(), BuiltInProductList());
}

// Rows whose texts are longer than any column of an A4 page has room for.
Schedule LongTexts() {
    Schedule s = *ReadSchedule(
                      "ref,Qty,Location,system,outer,vent,transom,building\n"
                      "W01,4,Ground floor classroom 1 (north elevation) beside the main entrance "
                      "and the bicycle store,Pelvanor 90 Vantrel,VTR410,VTR420,PRF430,Commercial\n"
                      "W17,12,Plant room,Meridan 50,SLM110,SLM120,SLM130,Domestic\n"
                      "Block B stair core 2 level 3 landing,1,Stair,Pelvanor 75,PRF314,PRF322,"
                      "PRF331,Commercial\n"
                      "W19,two,Reception,Pelvanr 47,,,,\n")
                      .schedule;
    s.report = {"Acme Glazing Ltd\nUnit 4 Riverside Park, Leeds LS1 4AB",
                "Riverside Primary School – Phase 2", "1 May 2024"};
    return s;
}

QStringList Words(const QString& text) {
    return text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

}  // namespace

TEST(ScheduleSummary, EveryTextWholeWithUnitsTotalsAndLegend) {
    const ProductTables tables = BuiltInTables();
    const Schedule s = LongTexts();
    const QList<ScheduleRowRating> ratings = RateSchedule(tables, s);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("summary.pdf");
    WriteBytes(pdf, CombinedSchedulePdf(tables, s, ratings, SummaryExtraColumns(s), "x"));
    const QString summary = Tool("pdftotext", {"-layout", pdf, "-"}).section('\f', 0, 0);
    const QStringList words = Words(summary);
    EXPECT_FALSE(summary.contains("...") || summary.contains(QChar(0x2026)));
    QStringList expected = {"Qty",
                            "Location",
                            "Weight",
                            "(kg/m)",
                            "kg",
                            "CO2e",
                            "(60",
                            "years)",
                            "Totals",
                            "Window",
                            "types",
                            "Not",
                            "rated:",
                            "unknown",
                            "Data",
                            "GGWeights.Dat",
                            "GGSystem.Dat",
                            "Ratings",
                            "table:",
                            "Page",
                            "1",
                            "of",
                            "4"};
    for (int row = 0; row < s.RowCount(); ++row) {
        for (const QString& cell : s.RowCells(row)) {
            expected << Words(cell);
        }
    }
    expected.removeAll("Pelvanr");  // the unknown system is named quoted in its reason
    for (const QString& word : Words(s.report.company + ' ' + s.report.project)) {
        expected << word.chopped(word.endsWith(',') ? 1 : 0);
    }
    for (const QString& word : expected) {
        EXPECT_TRUE(words.contains(word) || summary.contains(word)) << word.toStdString();
    }
    // Totals: three window types rated, one not; 17 windows rated, and one row without a number.
    EXPECT_TRUE(summary.contains(QRegularExpression("All\\s+4\\s+17"))) << summary.toStdString();
    EXPECT_TRUE(summary.contains("1 of the rows give no number in the \"Qty\" column"));
}

TEST(ScheduleSummary, TotalsPerRatingAndQuantityColumnsByTheirNames) {
    struct Case {
        const char* header;
        QStringList quantities;
        QString expected;  // rating:types:quantity ..., then the rows without a number
    };
    const Case cases[] = {
        {"Qty", {"4", "1", "2", "3"}, "A+:2:7 B:1:1 :1:2 / 0"},
        {" QUANTITY ", {"4", "", "2.5", "x"}, "A+:2:4 B:1:0 :1:2.5 / 2"},
        {"no.", {"1", "1", "1", "1"}, "A+:2:2 B:1:1 :1:1 / 0"},
        {"Number", {"1", "1", "1", "1"}, "A+:2:0 B:1:0 :1:0 / 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        Schedule s;
        const int column = s.AddOtherColumn(c.header);
        for (int row = 0; row < 4; ++row) {
            s.InsertRow(row);
            s.SetCell(row, column, c.quantities[row]);
        }
        QList<ScheduleRowRating> ratings(4);
        ratings[0].summaryRating = ratings[3].summaryRating = "A+";
        ratings[1].summaryRating = "B";
        ratings[2].note = "unknown system";
        const ScheduleTotals totals = TotalsOf(s, ratings);
        QStringList got;
        for (const RatingTotal& t : totals.byRating) {
            got << QString("%1:%2:%3").arg(t.rating).arg(t.types).arg(QuantityText(t.quantity));
        }
        EXPECT_EQ(got.join(' ') + " / " + QString::number(totals.rowsWithoutQuantity), c.expected);
        EXPECT_EQ(totals.hasQuantity, QString(c.header) != "Number");
    }
}

TEST(ScheduleSummary, RatingLettersReadOnTheirColours) {
    const std::pair<const char*, QColor> cases[] = {{"A+", Qt::white}, {"A", Qt::black},
                                                    {"B", Qt::black},  {"C", Qt::black},
                                                    {"D", Qt::black},  {"E", Qt::black}};
    for (const auto& [rating, letter] : cases) {
        EXPECT_EQ(LegibleTextColour(*RatingColourOf(rating)), letter) << rating;
    }
}

TEST(ScheduleSummary, LongCellsWrapWithinTheirColumnAndRowsGrow) {
    const Schedule s = LongTexts();
    const QList<ScheduleRowRating> ratings = RateSchedule(BuiltInTables(), s);
    const SummaryLayout layout = LayOutSummary(s, ratings, SummaryExtraColumns(s), "v");
    ASSERT_EQ(layout.columns.size(), 10);
    EXPECT_NEAR(layout.columns.last().left + layout.columns.last().width, 600, 0.01);
    const struct {
        int row;
        int column;
        const char* firstLine;
    } cases[] = {{0, 2, "Ground floor"}, {2, 0, "Block B"}, {1, 2, "Plant room"}};
    for (const auto& c : cases) {
        const QStringList lines = layout.rows[c.row].lines[c.column];
        EXPECT_TRUE(lines.first().startsWith(c.firstLine)) << lines.join('|').toStdString();
        EXPECT_EQ(lines.join(' '), s.Cell(c.row, c.column).simplified());
    }
    EXPECT_GT(layout.rows[0].height, layout.rows[1].height);
}

TEST(ScheduleDocumentPages, EveryPageNumberedAndEachCertificateBandedWithItsRef) {
    const ProductTables tables = BuiltInTables();
    const Schedule s = LongTexts();
    const QList<ScheduleRowRating> ratings = RateSchedule(tables, s);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("document.pdf");
    WriteBytes(pdf, CombinedSchedulePdf(tables, s, ratings, {}, "x"));
    const QStringList pages = Tool("pdftotext", {pdf, "-"}).split('\f');
    ASSERT_EQ(pages.size(), 5);  // a summary page, three certificates, and the end
    const char* refs[] = {nullptr, "Ref W01", "Ref W17", "Ref Block B stair core 2 level 3"};
    for (int page = 0; page < 4; ++page) {
        EXPECT_TRUE(pages[page].contains(QString("Page %1 of 4").arg(page + 1))) << page;
        if (refs[page] != nullptr) {
            EXPECT_TRUE(pages[page].contains(refs[page])) << refs[page];
            EXPECT_TRUE(pages[page].contains("Riverside Primary School – Phase 2")) << page;
        }
    }
}

TEST(ScheduleDocumentPages, TheCertificateInsideItsBandIsDrawnPixelForPixel) {
    const ProductTables tables = BuiltInTables();
    const Schedule s = LongTexts();
    const QList<ScheduleRowRating> ratings = RateSchedule(tables, s);
    const ScheduleDocument document(tables, s, ratings, {});
    // Room below the certificate for its band, as a page's margin gives it.
    for (const QSize size : {QSize(1240, 1800), QSize(600, 900)}) {
        QImage page(size, QImage::Format_RGB32);
        QImage alone(size, QImage::Format_RGB32);
        page.fill(Qt::white);
        alone.fill(Qt::white);
        {
            QPainter painter(&page);
            document.DrawPage(2, painter, size.width(), size.height());
        }
        {
            QPainter painter(&alone);
            DrawFittedCertificatePage(CertificateOfRow(tables, s, 1, ratings[1]), painter,
                                      size.width(), size.height());
        }
        const QRect fitted = FittedCertificateRect(size.width(), size.height());
        EXPECT_EQ(page.copy(fitted), alone.copy(fitted)) << size.width();
        EXPECT_NE(page, alone) << "the band below the certificate";
    }
}

TEST(ScheduleSummary, ARowTallerThanAPageGoesOnOnTheNext) {
    Schedule s;
    const int notes = s.AddOtherColumn("Notes");
    s.InsertRow(0, {"W01", "Pelvanor 55"});
    QStringList words;
    for (int k = 0; k < 1500; ++k) {
        words << QString("note%1").arg(k);
    }
    s.SetCell(0, notes, words.join(' '));
    const SummaryLayout layout = LayOutSummary(s, RateSchedule(BuiltInTables(), s), {notes}, "v");
    QStringList printed;
    for (const SummaryRow& piece : layout.rows) {
        EXPECT_LE(layout.tableTop + layout.headingHeight + piece.height, summary_units::kBottom);
        printed << piece.lines[1];
    }
    EXPECT_GE(layout.rows.size(), 2);
    EXPECT_GE(layout.PageCount(), layout.rows.size());  // a piece a page
    EXPECT_EQ(printed.join(' '), words.join(' '));
}
