// Schedules in Excel workbooks: read as the sheet shows its cells (workbooks made by openpyxl and
// by hand), refused with a clear error when they are no schedule or no workbook, and written
// back so that a spreadsheet library reads what the schedule holds.
#include "schedule/workbook.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "schedule/workbook_cells.h"
#include "test_support.h"

namespace {

ScheduleReading ReadTestWorkbook(const QString& name, const WorkbookReading& which = {}) {
    return ReadScheduleFile(QDir(TestWorkbooks()).filePath(name), which).reading;
}

}  // namespace

TEST(WorkbookCells, NumbersAsTheSheetShowsThem) {
    const struct {
        const char* stored;
        const char* format;
        const char* shown;
    } cases[] = {
        {"4", "General", "4"},
        {"0.30000000000000004", "General", "0.3"},
        {"1200", "#,##0.00", "1,200.00"},
        {"-1234.5", "#,##0.0", "-1,234.5"},
        {"1234567", "#,##0", "1,234,567"},
        {"0.125", "0.0%", "12.5%"},
        {"1500", "0 \"mm\"", "1500 mm"},
        {"0.5", "#.00", ".50"},
        {"12345", "0.00E+00", "1.23E+04"},
        {"-5", "0.00;(0.00)", "(5.00)"},
        {"0", "0.00;-0.00;\"nil\"", "nil"},
        {"1", "[Red]0.0", "1.0"},
        {"45413", "dd/mm/yyyy", "01/05/2024"},
        {"45413.5", "d mmm yyyy hh:mm", "1 May 2024 12:00"},
        {"45413", "[$-809]dddd d mmmm yy", "Wednesday 1 May 24"},
        {"45413", "mmm-yy", "May-24"},
        {"0.75", "h:mm AM/PM", "6:00 PM"},
        {"0.0006944444", "mm:ss", "01:00"},
        {"1.5", "[h]:mm", "36:00"},
        {"abc", "0.00", "abc"},
        {"7", "@", "7"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShownNumber(c.stored, QString::fromUtf8(c.format), false), c.shown)
            << c.stored << " as " << c.format;
    }
    EXPECT_EQ(ShownNumber("0", "yyyy-mm-dd", true), "1904-01-01");
    NumberFormats formats;
    formats.styleFormats = {0, 14, 164};
    formats.codes.insert(164, "0.000");
    EXPECT_EQ(FormatCodeOfStyle(formats, 1), "dd/mm/yyyy");
    EXPECT_EQ(FormatCodeOfStyle(formats, 2), "0.000");
    EXPECT_EQ(FormatCodeOfStyle(formats, 7), "General");
}

TEST(WorkbookReading, AnArchitectsSheetAsItShows) {
    const ScheduleReading reading = ReadTestWorkbook("architect.xlsx");
    ASSERT_TRUE(reading.schedule) << reading.error.toStdString();
    const Schedule& s = *reading.schedule;
    EXPECT_EQ(s.Columns(), QStringList({"Ref", "Qty", "System", "Outer Frame", "Building", "Width",
                                        "Delivery", "Share"}));
    // The header on row 4, below a title block and an empty row; an empty row between rows.
    EXPECT_EQ(s.titleRows, QList<QStringList>({{QString::fromUtf8("Riverside School – window "
                                                                  "schedule")},
                                               {"Project:", "Riverside School, Block B"},
                                               {}}));
    EXPECT_EQ(s.report.project, "Riverside School, Block B");
    const QList<QStringList> rows = {
        {"W01", "4", "Pelvanor 47", "PRF010", "Domestic", "1,200.00", "1 May 2024", "25.0%"},
        {"W02", "2", "Pelvanor 55", "prf110", "Commercial", "1,500.50", "12 Jun 2024", "12.5%"},
        {"W03", "1", QString::fromUtf8("Café 62"), "", "", "900.00", "", ""}};
    ASSERT_EQ(s.RowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(s.RowCells(row), rows[row]);
    }
    EXPECT_EQ(s.RowLine(0), 5);
    EXPECT_EQ(s.RowLine(2), 8);
    EXPECT_TRUE(s.format.workbook);
    EXPECT_EQ(s.format.sheetName, "Windows");
    EXPECT_TRUE(s.format.otherSheets.isEmpty());  // not asked for

    // Another sheet by its name, whatever its letter case; the others kept when asked.
    const ScheduleReading other = ReadTestWorkbook("architect.xlsx", {"other BLOCK", true});
    ASSERT_TRUE(other.schedule) << other.error.toStdString();
    EXPECT_EQ(other.schedule->Value(0, ScheduleField::System), "Pelvanor 62");
    EXPECT_EQ(other.schedule->format.sheetIndex, 1);
    ASSERT_EQ(other.schedule->format.otherSheets.size(), 1);
    EXPECT_EQ(other.schedule->format.otherSheets[0].name, "Windows");
    EXPECT_EQ(other.schedule->format.otherSheets[0].rows.value(4), rows[0]);

    // Inline strings with rich-text runs, a formula's text, a truth value, no cell references.
    const ScheduleReading inline_ = ReadTestWorkbook("inline.xlsx");
    ASSERT_TRUE(inline_.schedule) << inline_.error.toStdString();
    EXPECT_EQ(inline_.schedule->Columns(), QStringList({"ref", "system", "", ""}));
    EXPECT_EQ(inline_.schedule->RowCells(0), QStringList({"W1", "Pelvanor 47", "", "TRUE"}));
}

TEST(WorkbookReading, NoScheduleOrNoWorkbookSaysWhy) {
    QTemporaryDir dir;
    WriteBytes(dir.filePath("broken.xlsx"), "PK\x03\x04 this is no archive");
    WriteBytes(dir.filePath("plain.csv"), "ref,system\nW1,Pelvanor 47\n");
    const struct {
        QString path;
        WorkbookReading which;
        const char* error;
    } cases[] = {
        {TestWorkbooks() + "/wide.xlsx", {}, "line 2: a row of more than the 256 cells"},
        {TestWorkbooks() + "/bomb.xlsx",
         {},
         "the workbook's part xl/worksheets/sheet1.xml unpacks to more than 128 MB"},
        {TestWorkbooks() + "/notes.xlsx", {}, "the workbook has no part xl/workbook.xml"},
        {TestWorkbooks() + "/architect.xlsx",
         {"Nope"},
         "the workbook has no sheet \"Nope\"; its sheets: Windows, Other Block"},
        {dir.filePath("broken.xlsx"), {}, "the workbook cannot be unpacked"},
        {dir.filePath("plain.csv"), {"Windows"}, "the schedule is no workbook (.xlsx)"},
    };
    for (const auto& c : cases) {
        const ScheduleFileReading file = ReadScheduleFile(c.path, c.which);
        EXPECT_FALSE(file.reading.schedule) << c.path.toStdString();
        EXPECT_TRUE(file.reading.error.startsWith(QString::fromUtf8(c.error)))
            << file.reading.error.toStdString();
    }
}

TEST(WorkbookWriting, WhatASpreadsheetReadsBack) {
    ScheduleReading reading = ReadTestWorkbook("architect.xlsx", {"", true});
    ASSERT_TRUE(reading.schedule) << reading.error.toStdString();
    Schedule& s = *reading.schedule;
    const QList<QStringList> pasted = PastedRows("Ref\tColour\tQty\nW04\tred\t3\n", &s);
    ASSERT_EQ(pasted.size(), 1);
    s.InsertRow(s.RowCount(), pasted.first());
    s.report.company = "Acme|Unit 4";
    QString error;
    const QByteArray bytes = WorkbookBytes(ScheduleWorkbookSheets(s), &error);
    ASSERT_FALSE(bytes.isEmpty()) << error.toStdString();
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.xlsx");
    WriteBytes(path, bytes);

    // Read back by the program: the same schedule, the other sheet kept in its place.
    const ScheduleReading again = ReadScheduleFile(path, {"", true}).reading;
    ASSERT_TRUE(again.schedule) << again.error.toStdString();
    EXPECT_EQ(again.schedule->Columns(), s.Columns());
    for (int row = 0; row < s.RowCount(); ++row) {
        EXPECT_EQ(again.schedule->RowCells(row), s.RowCells(row));
    }
    EXPECT_EQ(again.schedule->report.company, "Acme|Unit 4");
    EXPECT_EQ(again.schedule->report.project, "Riverside School, Block B");
    ASSERT_EQ(again.schedule->format.otherSheets.size(), 1);
    EXPECT_EQ(again.schedule->format.otherSheets[0].rows,
              QList<QStringList>({{"ref", "system"}, {"N1", "Pelvanor 62"}}));

    // Read back by openpyxl: the sheets in order, plain numbers as numbers, the header bold.
    const QString seen = RunPython(
        "import openpyxl, sys\n"
        "book = openpyxl.load_workbook(sys.argv[1])\n"
        "sheet = book['Windows']\n"
        "print(book.sheetnames)\n"
        "print([(c.value, c.data_type) for c in sheet[6]][:3])\n"
        "print(sheet['A5'].font.b, sheet.auto_filter.ref)\n"
        "print(sheet['A1'].value, '|', sheet['B2'].value, '|', sheet['B3'].value)\n",
        {path});
    EXPECT_EQ(seen,
              "['Windows', 'Other Block']\n"
              "[('W01', 's'), (4, 'n'), ('Pelvanor 47', 's')]\n"
              "True A5:I9\n"
              "Riverside School – window schedule | Riverside School, Block B | Acme|Unit 4\n");
}
