// The certificates of a whole schedule: the combined PDF, checked with poppler's tools as a
// reader sees it, and the folder; neither leaves a cut file when cancelled or when a write fails.
#include "schedule/schedule_export.h"

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "documents/certificate_page.h"
#include "schedule/csv_text.h"
#include "schedule/schedule_summary_page.h"
#include "test_support.h"

namespace {

ProductTables BuiltInTables() {
    return ProductTablesOf(BuiltInWeightsTable(), BuiltInSystemCatalogue(),
                           BuiltInBreRatingsTable(), BuiltInProductList());
}

Schedule ThreeRows() {
    Schedule s = *ReadSchedule(
                      "ref,system,outer,building,Qty\n"
                      "W01,Pelvanor 47,PRF010,Domestic,4\n"
                      "W02,Pelvanr 47,,,1\n"
                      "W03,Pelvanor 62,,,2\n")
                      .schedule;
    s.report = {"Acme Glazing Ltd\nUnit 4", "Riverside School", "1 May 2024"};
    return s;
}

// The combined PDF of the schedule, rated by the built-in tables, written to path.
CombinedPdfResult WriteCombined(const QString& path, const Schedule& schedule,
                                const ExportProgress& progress = {}) {
    const ProductTables tables = BuiltInTables();
    return WriteCombinedSchedulePdf(path, tables, schedule, RateSchedule(tables, schedule), {},
                                    "BRE Green Guide 1.0", progress);
}

}  // namespace

TEST(CombinedPdf, SummaryThenOneCertificatePerRatedRowInOrder) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("schedule.pdf");
    const CombinedPdfResult result = WriteCombined(pdf, ThreeRows());
    ASSERT_TRUE(result.written) << result.error.toStdString();
    EXPECT_EQ(result.certificates, 2);
    const QString info = Tool("pdfinfo", {pdf});
    for (const char* expected :
         {"Title:           Window Schedule\n",
          "Subject:         Riverside School: 2 Environmental Profile Certificates\n",
          "Author:          Acme Glazing Ltd\n", "Creator:         BRE Green Guide 1.0\n",
          "Pages:           3\n"}) {
        EXPECT_TRUE(info.contains(expected)) << expected << info.toStdString();
    }
    EXPECT_TRUE(info.contains(QRegularExpression("Page size: +595[.0-9]* x 84[12][.0-9]* pts")));
    // Page by page: the summary with every row, then W01's and W03's certificates.
    const QStringList pages = Tool("pdftotext", {"-layout", pdf, "-"}).split('\f');
    ASSERT_GE(pages.size(), 3);
    const QString& summary = pages[0];
    for (const char* expected :
         {"Window Schedule", "Acme Glazing Ltd, Unit 4", "Riverside School", "1 May 2024", "W01",
          "PRF010 / PRF020 / PRF020", "0.709", "1213100007", "W02", "Not rated: unknown system",
          "W03", "Pelvanor 62", "Page 1 of 3"}) {
        EXPECT_TRUE(summary.contains(expected)) << expected;
    }
    EXPECT_LT(summary.indexOf("W01"), summary.indexOf("W02"));
    EXPECT_LT(summary.indexOf("W02"), summary.indexOf("W03"));
    EXPECT_TRUE(pages[1].contains("PRF010") && pages[1].contains("Domestic"));
    EXPECT_TRUE(pages[2].contains("PRF210") && pages[2].contains("Riverside School"));
    // Fonts embedded, each face once for the whole document.
    const QStringList fonts = Tool("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    QStringList names;
    for (const QString& row : fonts) {
        EXPECT_TRUE(row.contains(" yes ")) << row.toStdString();
        names << row.section(' ', 0, 0);
    }
    EXPECT_EQ(names.removeDuplicates(), 0) << names.join(' ').toStdString();
}

TEST(CombinedPdf, ASummaryOfManyRowsTakesPagesOfItsOwn) {
    Schedule s;
    for (int i = 0; i < 120; ++i) {
        s.InsertRow(i, {QStringLiteral("R%1").arg(i), "Pelvanor 55"});
    }
    const ProductTables tables = BuiltInTables();
    const QList<ScheduleRowRating> ratings = RateSchedule(tables, s);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("many.pdf");
    WriteBytes(pdf, CombinedSchedulePdf(tables, s, ratings, {}, "x"));
    const int summaryPages = LayOutSummary(s, ratings, {}, "").PageCount();
    EXPECT_EQ(summaryPages, 3);
    EXPECT_TRUE(Tool("pdfinfo", {pdf}).contains(QString("Pages:           %1\n").arg(120 + 3)));
    const QStringList pages = Tool("pdftotext", {pdf, "-"}).split('\f');
    EXPECT_TRUE(pages[2].contains("R119") &&
                pages[2].contains(QString("Page 3 of %1").arg(120 + summaryPages)));
    EXPECT_FALSE(pages[0].contains("R119"));
}

TEST(CombinedPdf, CancelOrAFailedWriteLeavesNoCutFile) {
    QTemporaryDir dir;
    const QByteArray old = "%PDF-1.4 an older schedule";
    const QString pdf = dir.filePath("schedule.pdf");
    WriteBytes(pdf, old);
    int calls = 0;
    const CombinedPdfResult cancelled =
        WriteCombined(pdf, ThreeRows(), [&calls](int done, int total) {
            EXPECT_EQ(total, 3);
            ++calls;
            return done < 2;
        });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_FALSE(cancelled.written);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(ReadBytes(pdf), old);

    const QString folderInTheWay = dir.filePath("in the way.pdf");
    ASSERT_TRUE(QDir().mkpath(folderInTheWay));
    const CombinedPdfResult blocked = WriteCombined(folderInTheWay, ThreeRows());
    EXPECT_FALSE(blocked.written);
    EXPECT_EQ(blocked.error, "Cannot create file " + folderInTheWay + "\nIs a directory");
    EXPECT_EQ(Files(dir.path()), QStringList{"schedule.pdf"});
}

TEST(ScheduleFolder, EveryRowAFileOrAReasonAndCancelKeepsOnlyWholeFiles) {
    QTemporaryDir dir;
    Schedule s = ThreeRows();
    s.InsertRow(3, {"w01", "Pelvanor 55"}, 5);
    QList<int> told;
    const FolderExportResult all = ExportScheduleFolder(
        dir.path(), BuiltInTables(), s, "x", {}, [&told](int row, const QString&) { told << row; });
    EXPECT_EQ(told, QList<int>({1, 3}));
    EXPECT_FALSE(all.AllDone());
    EXPECT_EQ(all.failedRows[1].second, "the ref names the same file as line 2");
    // Rows made in the window have no line: they are named by their place, never "line 0".
    Schedule made = s;
    made.InsertRow(0, {"W09", "Pelvanor 47"});
    made.InsertRow(2, {"w09", "Pelvanor 47"});
    QTemporaryDir madeDir;
    const FolderExportResult twice =
        ExportScheduleFolder(madeDir.path(), BuiltInTables(), made, "x");
    ASSERT_EQ(twice.failedRows.size(), 3);
    EXPECT_EQ(twice.failedRows[0],
              std::make_pair(2, QString("the ref names the same file as row 1")));
    EXPECT_EQ(Files(dir.path()),
              QStringList({"W01.pdf", "W03.pdf", "summary.csv", "summary.xlsx"}));

    QTemporaryDir cancelledDir;
    const FolderExportResult cancelled = ExportScheduleFolder(
        cancelledDir.path(), BuiltInTables(), s, "x", [](int done, int) { return done < 1; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(Files(cancelledDir.path()), QStringList({"W01.pdf", "summary.csv", "summary.xlsx"}));
    const QStringList summary = QString::fromUtf8(ReadBytes(cancelledDir.filePath("summary.csv")))
                                    .split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(summary.size(), 5);
    EXPECT_TRUE(summary[1].startsWith("W01,Pelvanor 47,PRF010,PRF020,PRF020,Domestic,0.709,1,"));
    EXPECT_EQ(summary[2], "W02,Pelvanr 47,,,,,,,,,,cancelled");
}

TEST(CombinedPdf, ThePagesPrintAsOneJobOnAPrinter) {
    QTemporaryDir dir;
    const ProductTables tables = BuiltInTables();
    const Schedule schedule = ThreeRows();
    const QList<ScheduleRowRating> ratings = RateSchedule(tables, schedule);
    const ScheduleDocument document(tables, schedule, ratings, {});
    ASSERT_EQ(document.PageCount(), 3);
    const auto draw = [&document](int page, QPainter& painter, int W, int H) {
        document.DrawPage(page, painter, W, H);
    };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    EXPECT_EQ(PaintPages(printer, document.PageCount(), draw), PagesPainted::Done);
    const QString printed = Tool("pdftotext", {dir.filePath("printed.pdf"), "-"});
    EXPECT_EQ(printed.count('\f'), 3);
    EXPECT_TRUE(printed.startsWith("Window Schedule"));
    QPrinter cancelled(QPrinter::HighResolution);
    cancelled.setOutputFileName(dir.filePath("cancelled.pdf"));
    EXPECT_EQ(PaintPages(cancelled, 3, draw, [](int done, int) { return done < 2; }),
              PagesPainted::Cancelled);
}

TEST(ScheduleFolder, SummaryCellsReadAsTextAndALinkedSummaryStopsTheRunBeforeItStarts) {
    QTemporaryDir dir;
    Schedule s = *ReadSchedule(
                      "ref,system,outer,company\n"
                      "=HYPERLINK(\"x\"),Pelvanor 47,,a\n"
                      "+1,=cmd|'/c calc'!A1,,b\n"
                      "-2,Pelvanor 47,@SUM(A1),c\n"
                      "\"\tT\",\"\rR\",,d\n"
                      "long,Pelvanor 47,,\"" +
                      QString(kLongestFieldText + 1, 'c') + "\"\n")
                      .schedule;
    WriteBytes(dir.filePath("summary.csv"), "ref\r\nan older run's row\r\n");
    const FolderExportResult run = ExportScheduleFolder(dir.path(), BuiltInTables(), s, "x");
    ASSERT_EQ(run.failedRows.size(), 4);
    EXPECT_EQ(run.failedRows[3].second,
              "the company holds 4097 characters, more than the 4096 a certificate can show");
    const QString text = QString::fromUtf8(ReadBytes(dir.filePath("summary.csv")));
    EXPECT_FALSE(text.contains("older run"));
    const QList<CsvRecord> summary = CsvRecords(text);
    ASSERT_EQ(summary.size(), 6);
    const auto cells = [&summary](int row, int from, int count) {
        return summary[row].fields.mid(from, count);
    };
    EXPECT_EQ(cells(1, 0, 3), QStringList({"'=HYPERLINK(\"x\")", "Pelvanor 47", "PRF010"}));
    EXPECT_EQ(cells(2, 0, 2), QStringList({"'+1", "'=cmd|'/c calc'!A1"}));
    EXPECT_EQ(cells(3, 0, 3), QStringList({"'-2", "Pelvanor 47", "'@SUM(A1)"}));
    EXPECT_EQ(cells(4, 0, 2), QStringList({"'\tT", "'\rR"}));
    EXPECT_EQ(cells(5, 11, 1), QStringList{run.failedRows[3].second});
    QTemporaryDir linked;
    WriteBytes(dir.filePath("elsewhere.csv"), "kept");
    ASSERT_TRUE(QFile::link(dir.filePath("elsewhere.csv"), linked.filePath("summary.csv")));
    const FolderExportResult refused = ExportScheduleFolder(linked.path(), BuiltInTables(), s, "x");
    EXPECT_EQ(refused.summaryError, "Cannot create file " + linked.filePath("summary.csv") +
                                        "\nIt is a symbolic link, not a regular file");
    EXPECT_EQ(Files(linked.path()), QStringList{"summary.csv"});
    EXPECT_EQ(ReadBytes(dir.filePath("elsewhere.csv")), "kept");
}
