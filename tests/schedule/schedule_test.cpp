// The window schedule as data: reading schedules as people write them, writing them back, the
// system-name rule and every row rated.
#include "schedule/schedule.h"

#include <QTemporaryDir>

#include <sys/stat.h>

#include <cstring>
#include <functional>

#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "data/product_tables.h"
#include "data/system_names.h"
#include "schedule/csv_text.h"
#include "schedule/schedule_rating.h"
#include "test_support.h"

namespace {

ProductTables BuiltInTables() {
    return ProductTablesOf(BuiltInWeightsTable(), BuiltInSystemCatalogue(),
                           BuiltInBreRatingsTable(), BuiltInProductList());
}

}  // namespace

TEST(ScheduleReading, SchedulesAsPeopleWriteThem) {
    struct Case {
        const char* text;
        char separator;
        QStringList columns;
        int rowCount;
        QString ref, system, outer, extra;  // of the last row; extra is its cell of column 2
        const char* company;                // the schedule's report company
        bool writtenAlike;                  // saving gives the same text back
    };
    const Case cases[] = {
        // The format batch reads; extra columns in between, kept in their place.
        {"ref,Qty,system,outer,Width\r\nW01,4,Pelvanor 47,PRF010,1200\r\n"
         "W02,2,Pelvanor 55,,\"1,5\"\r\n",
         ',',
         {"ref", "Qty", "system", "outer", "Width"},
         2,
         "W02",
         "Pelvanor 55",
         "",
         "Pelvanor 55",
         "",
         true},
        // A spreadsheet's ";" with a BOM-free header in other case and order, CR only.
        {"SYSTEM;Location;Ref\rPelvanor 47;Hall; W1 \r",
         ';',
         {"SYSTEM", "Location", "Ref"},
         1,
         "W1",
         "Pelvanor 47",
         "",
         "W1",
         "",
         false},
        // Tab separated, the window's headings, a comma inside a cell.
        {"Ref\tSystem\tOuter Frame\tNote\nW1\tPelvanor 62 (Slim)\tPRF210\ta, b\n",
         '\t',
         {"Ref", "System", "Outer Frame", "Note"},
         1,
         "W1",
         "Pelvanor 62 (Slim)",
         "PRF210",
         "PRF210",
         "",
         false},
        // A company every row shares becomes the schedule's; saving writes it back.
        {"ref,system,company\r\nW1,Pelvanor 47,Acme|Unit 4\r\nW2,Pelvanor 55,Acme|Unit 4\r\n",
         ',',
         {"ref", "system", "company"},
         2,
         "W2",
         "Pelvanor 55",
         "",
         "",
         "Acme|Unit 4",
         true},
        // Rows of their own companies keep them; a long row gets an unnamed column.
        {"ref,system,company\r\nW1,Pelvanor 47,A\r\nW2,Pelvanor 55,B,x\r\n",
         ',',
         {"ref", "system", "company", ""},
         2,
         "W2",
         "Pelvanor 55",
         "",
         "B",
         "",
         false},
        // Tab separated with commas in a heading: written quoted, so the tab is found again.
        {"ref\tsystem\t\"Qty, pcs, each, all\"\nW1\tPelvanor 47\t4\n",
         '\t',
         {"ref", "system", "Qty, pcs, each, all"},
         1,
         "W1",
         "Pelvanor 47",
         "",
         "4",
         "",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ScheduleReading reading = ReadScheduleBytes(QByteArray(c.text));
        ASSERT_TRUE(reading.schedule) << reading.error.toStdString();
        const Schedule& s = *reading.schedule;
        EXPECT_EQ(s.format.separator, QLatin1Char(c.separator));
        EXPECT_EQ(s.Columns(), c.columns);
        ASSERT_EQ(s.RowCount(), c.rowCount);
        const int last = s.RowCount() - 1;
        EXPECT_EQ(s.Value(last, ScheduleField::Ref), c.ref);
        EXPECT_EQ(s.Value(last, ScheduleField::System), c.system);
        EXPECT_EQ(s.Value(last, ScheduleField::Outer), c.outer);
        EXPECT_EQ(s.Cell(last, 2), c.extra);
        EXPECT_EQ(s.report.company, QString::fromUtf8(c.company));
        const QString written = ScheduleCsv(s);
        if (c.writtenAlike) {
            EXPECT_EQ(written, QString::fromUtf8(c.text));
        }
        // Whatever was read reads back the same from what is written.
        const ScheduleReading again = ReadSchedule(written);
        ASSERT_TRUE(again.schedule);
        EXPECT_EQ(again.schedule->Columns(), s.Columns());
        for (int row = 0; row < s.RowCount(); ++row) {
            EXPECT_EQ(again.schedule->RowCells(row), s.RowCells(row));
        }
        EXPECT_EQ(again.schedule->report.company, s.report.company);
    }
}

TEST(ScheduleReading, TheEncodingsSpreadsheetsSaveIn) {
    const QString text = QString::fromUtf8("Ref\tsystem\nW1\tCafé \u20AC\n");
    const auto utf16 = [&text](QSysInfo::Endian endian) {
        QByteArray bytes = endian == QSysInfo::LittleEndian ? "\xFF\xFE" : "\xFE\xFF";
        for (const QChar c : text) {
            const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
            bytes.append(endian == QSysInfo::LittleEndian ? low : high);
            bytes.append(endian == QSysInfo::LittleEndian ? high : low);
        }
        return bytes;
    };
    const struct {
        const char* what;
        QByteArray bytes;
        const char* system;  // of the row; else the error
        const char* error;
    } cases[] = {
        {"UTF-8", text.toUtf8(), "Café €", ""},
        {"UTF-8, byte order mark", "\xEF\xBB\xBF" + text.toUtf8(), "Café €", ""},
        {"Windows-1252", "Ref\tsystem\nW1\tCaf\xE9 \x80\n", "Café €", ""},
        {"UTF-16, as Unicode Text", utf16(QSysInfo::LittleEndian), "Café €", ""},
        {"UTF-16, big end first", utf16(QSysInfo::BigEndian), "Café €", ""},
        {"a byte order mark of UTF-8 on Windows-1252", "\xEF\xBB\xBFref,system\nW1,Caf\xE9\n", "",
         "the file begins with the byte order mark of UTF-8, but line 2 is no UTF-8 "
         "(Windows-1252?); save it again from the spreadsheet as \"CSV UTF-8\" (or \"CSV\")"},
        {"UTF-16 without its mark", utf16(QSysInfo::LittleEndian).mid(2), "",
         "the file holds zero bytes, so it is no text a spreadsheet writes as CSV (UTF-16 "
         "without a byte order mark?); save it again"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ScheduleReading reading = ReadScheduleBytes(c.bytes);
        EXPECT_EQ(reading.error.left(int(strlen(c.error))), c.error);
        if (*c.error == '\0') {
            ASSERT_TRUE(reading.schedule) << reading.error.toStdString();
            EXPECT_EQ(reading.schedule->Columns()[0], "Ref");
            EXPECT_EQ(reading.schedule->Value(0, ScheduleField::System),
                      QString::fromUtf8(c.system));
        }
    }
}

TEST(ScheduleReading, OddCellsAreWrittenBackAsReadAndABarBreaksOnlyACompanysLines) {
    const QString text = QString::fromUtf8(
        "ref,system,company,project,date\r\n"
        "W01,Pelvanor 47,Acme|Unit 4,\"Tower | Phase 2\r\nNorth\",\u00A01 May\u00A0\r\n"
        "W02,Pelvanor 55,Acme|Unit 4,\"Block\rB\",\u00A01 May\u00A0\r\n"
        "W03,Pelvanor 62,\"Acme\nUnit 4\",Hall\u2028East|West,\u00A01 May\u00A0\r\n");
    const ScheduleReading reading = ReadSchedule(text);
    ASSERT_TRUE(reading.schedule);
    const Schedule& s = *reading.schedule;
    EXPECT_EQ(ScheduleCsv(s), text);
    EXPECT_EQ(s.report.date, QString::fromUtf8("\u00A01 May\u00A0"));
    const struct {
        int row;
        ScheduleField field;
        const char* lines;  // as the row's certificate has them
    } cases[] = {
        {0, ScheduleField::Company, "Acme\nUnit 4"},
        {2, ScheduleField::Company, "Acme\nUnit 4"},
        {0, ScheduleField::Project, "Tower | Phase 2\nNorth"},
        {1, ScheduleField::Project, "Block\nB"},
        {2, ScheduleField::Project, "Hall\nEast|West"},
        {2, ScheduleField::Date, "\u00A01 May\u00A0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(s.ReportText(c.row, c.field), QString::fromUtf8(c.lines)) << c.lines;
    }
}

TEST(ScheduleReading, AHeaderThatIsNoScheduleHeader) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "the schedule is empty"},
        {"\r\n\r\n", "the schedule is empty"},
        // Lines of nothing but spaces, tabs and separators name no line.
        {"\r\n  \r\n\t\r\n", "the schedule is empty"},
        {",,,\n, ,\n\nsystem,Qty\n", "line 4: the header names no \"ref\" column"},
        {"ref;outer\nW1;PRF010\n", "line 1: the header names no \"system\" column"},
        {"\nsystem,Qty\n", "line 2: the header names no \"ref\" column"},
        {"ref,system,Outer Frame,OUTER\n", "line 1: the column \"OUTER\" is named twice"},
        {"ref,system\nW1,x\nW2,\"Pelvanor 47\nW3,y\n",
         "line 3: a quote opened on this line is never closed"},
        {"ref,\"system\nW1,x\n", "line 1: a quote opened on this line is never closed"},
    };
    for (const auto& [text, error] : cases) {
        const ScheduleReading reading = ReadSchedule(QString::fromUtf8(text));
        EXPECT_FALSE(reading.schedule) << text;
        EXPECT_TRUE(reading.error.startsWith(QString::fromUtf8(error)))
            << reading.error.toStdString();
    }
}

TEST(ScheduleReading, HostileSchedulesAreRefusedWhereTheyPassABoundOrKeptWhole) {
    const QByteArray header = "ref,system,building,project\n";
    // 100 bytes: 9,999 rows and the header end just before the first MiB.
    const QByteArray row = "W1,Pelvanor 55,Domestic,Riverside School " + QByteArray(58, 'x') + "\n";
    const auto rows = [&row](int count) {
        QByteArray text;
        for (int i = 0; i < count; ++i) {
            text += row;
        }
        return text;
    };
    const struct {
        const char* what;
        QByteArray text;
        const char* error;  // empty: read, with rowCount rows
        int rowCount;
    } cases[] = {
        {"an 8 MB ref", header + QByteArray(8 << 20, 'X') + ",Pelvanor 55\n" + row,
         "line 2: a cell holds more than the 65536 characters a schedule's cell may hold", 0},
        {"a quoted company of 3 MB and many lines",
         "ref,system,company\nW1,x,\"" + QByteArray(3 << 20, 'C').replace(1000, 1, "\n") + "\"\n",
         "line 2: a cell holds more than the 65536", 0},
        {"200,000 empty cells, then 2,000 rows",
         header + QByteArray(200000, ',') + "\n" + rows(2000),
         "line 2: a row of more than the 256 cells a schedule's row may hold", 0},
        {"10,001 rows", header + rows(10001), "line 10002: the schedule has more than 10000 rows",
         0},
        {"a header of 257 names", QByteArray("ref,system") + QByteArray(255, ',') + "\n",
         "line 1: a row of more than the 256 cells", 0},
        // On the bounds, read: the widest row, and the longest cell (UTF-8 of two bytes a
        // character) across the first MiB, where the file's second piece is decoded from.
        {"the widest row, 10,000 rows, the longest cell last",
         header + "W00,Pelvanor 55" + QByteArray(254, ',') + "\n" + rows(9998) +
             "W1,Pelvanor 55,,\"" + QByteArray("\xC3\xA9").repeated(65535) + "\n\"\n",
         "", 10000},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(dir.filePath("hostile.csv"), c.text);
        const ScheduleFileReading file = ReadScheduleFile(dir.filePath("hostile.csv"));
        ASSERT_FALSE(file.unreadable);
        EXPECT_EQ(file.reading.error.left(int(strlen(c.error))), c.error);
        EXPECT_EQ(file.reading.schedule.has_value(), *c.error == '\0');
        if (file.reading.schedule) {
            const Schedule& s = *file.reading.schedule;
            EXPECT_EQ(s.RowCount(), c.rowCount);
            EXPECT_EQ(s.ColumnCount(), 256);
            const int last = c.rowCount - 1;
            EXPECT_EQ(s.Value(last, ScheduleField::Project), QString(65535, QChar(0xE9)) + "\n");
            EXPECT_EQ(s.Value(last - 1, ScheduleField::Project),
                      "Riverside School " + QString(58, 'x'));
            EXPECT_EQ(RateScheduleRow(BuiltInTables(), s, last).note,
                      "the project holds 65536 characters, more than the 4096 a certificate can "
                      "show");
        }
    }
}

TEST(ScheduleEditing, RowsColumnsAndRefs) {
    Schedule s;
    EXPECT_EQ(s.Columns(), QStringList({"ref", "system", "outer", "vent", "transom", "building"}));
    EXPECT_EQ(s.NextFreeRef(), "W01");
    s.InsertRow(0, {"W01", "Pelvanor 47"});
    s.InsertRow(1, {"w02", "Pelvanor 55", "", "", "", "", "cut"});
    EXPECT_EQ(s.RowCells(1).size(), 6);
    EXPECT_EQ(s.NextFreeRef(), "W03");
    s.SetValue(1, ScheduleField::Project, "Riverside");
    EXPECT_EQ(s.ColumnOf(ScheduleField::Project), 6);
    EXPECT_EQ(s.Value(0, ScheduleField::Project), "");
    EXPECT_EQ(s.FieldOfColumn(6), ScheduleField::Project);
    s.report.project = "School";
    EXPECT_EQ(s.ReportText(0, ScheduleField::Project), "School");
    EXPECT_EQ(s.ReportText(1, ScheduleField::Project), "Riverside");
    EXPECT_EQ(s.CommonReportText(ScheduleField::Project), "School");
    s.report.project.clear();
    s.SetValue(0, ScheduleField::Project, "Riverside");
    s.InsertRow(2, {"W03"});
    s.SetValue(2, ScheduleField::Project, "Hall");
    EXPECT_EQ(s.CommonReportText(ScheduleField::Project), "Riverside; Hall");
    // Thousands of projects are named by the first three and a count, not joined whole.
    for (int i = 3; i < 2003; ++i) {
        s.InsertRow(i, {QStringLiteral("W%1").arg(i)});
        s.SetValue(i, ScheduleField::Project, QStringLiteral("Block %1").arg(i % 1000));
    }
    EXPECT_EQ(s.CommonReportText(ScheduleField::Project), "Riverside; Hall; Block 3 and 999 more");
    for (int i = 2002; i >= 3; --i) {
        s.RemoveRow(i);
    }
    s.RemoveRow(2);
    s.SetValue(0, ScheduleField::Project, "");
    s.report.project = "School";
    s.MoveRow(1, 0);
    EXPECT_EQ(s.Value(0, ScheduleField::Ref), "w02");
    s.RemoveRow(0);
    EXPECT_EQ(s.RowCount(), 1);
    EXPECT_EQ(s.NextFreeRef(), "W02");
    // The schedule's own project goes above the header, not into the rows.
    EXPECT_EQ(ScheduleCsv(s),
              "Project,School\r\n\r\n"
              "ref,system,outer,vent,transom,building,project\r\n"
              "W01,Pelvanor 47,,,,,\r\n");
}

TEST(ScheduleFile, WrittenBackAsItCame) {
    struct Case {
        const char* name;
        QByteArray read;
        std::function<void(Schedule&)> edit;
        QByteArray written;
    };
    const auto setCell = [](const char* text) {
        return
            [text](Schedule& s) { s.SetValue(0, ScheduleField::Outer, QString::fromUtf8(text)); };
    };
    const Case cases[] = {
        // Excel's "CSV": Windows-1252, ";" in some countries, an en dash and an accent.
        {"cp1252",
         "ref;system;Location\r\nW1;Pelvanor 47;Hall \x96 east\r\nW2;Caf\xE9;\r\n",
         {},
         "ref;system;Location\r\nW1;Pelvanor 47;Hall \x96 east\r\nW2;Caf\xE9;\r\n"},
        {"cp1252 edited to hold what it cannot", "ref,system,outer\nW1,Caf\xE9,\n",
         setCell("\xCE\xA9"), "\xEF\xBB\xBFref,system,outer\nW1,Caf\xC3\xA9,\xCE\xA9\n"},
        {"ASCII stays", "ref\tsystem\rW1\tPelvanor 47\r", {}, "ref\tsystem\rW1\tPelvanor 47\r"},
        {"ASCII given an accent", "ref,system,outer\nW1,x,\n", setCell("\xC3\xA9"),
         "\xEF\xBB\xBFref,system,outer\nW1,x,\xC3\xA9\n"},
        {"UTF-8 stays without a mark",
         "ref,system\nW1,Caf\xC3\xA9\n",
         {},
         "ref,system\nW1,Caf\xC3\xA9\n"},
        // A title block stays; its project row is the schedule's, written with the new text.
        {"title block",
         "Riverside School windows\r\n\r\nProject:,Block A,rev 2\r\n\r\nref,system\r\nW1,x\r\n",
         [](Schedule& s) { s.report.project = "Block B"; },
         "Riverside School windows\r\n\r\nProject:,Block B,rev 2\r\n\r\nref,system\r\nW1,x\r\n"},
        // A company the file gave in every row goes back into the rows, and no title is added.
        {"company in its column",
         "ref,system,company\nW1,x,Acme|Unit 4\nW2,y,\"Acme|Unit 4\"\n",
         {},
         "ref,system,company\nW1,x,Acme|Unit 4\nW2,y,Acme|Unit 4\n"},
        // The architect's file gets no company, project and date columns; a title row instead.
        {"no columns added", "ref,system,Qty\r\nW1,x,4\r\n",
         [](Schedule& s) {
             s.report = {"Acme|Unit 4", "", "1 May"};
         },
         "Company,Acme|Unit 4\r\nDate,1 May\r\n\r\nref,system,Qty\r\nW1,x,4\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScheduleReading reading = ReadScheduleBytes(c.read);
        ASSERT_TRUE(reading.schedule) << reading.error.toStdString();
        Schedule& s = *reading.schedule;
        if (c.edit) {
            c.edit(s);
        }
        EXPECT_EQ(ScheduleFileBytes(s), c.written);
        const ScheduleReading again = ReadScheduleBytes(ScheduleFileBytes(s));
        ASSERT_TRUE(again.schedule);
        EXPECT_EQ(again.schedule->report.project, s.report.project);
        EXPECT_EQ(again.schedule->report.company, s.report.company);
    }

    // Each encoding with each separator reads and writes back byte for byte.
    const std::pair<ScheduleEncoding, QByteArray> encodings[] = {
        {ScheduleEncoding::Ascii, "Cafe"},
        {ScheduleEncoding::Utf8, "Caf\xC3\xA9"},
        {ScheduleEncoding::Utf8WithBom,
         "\xEF\xBB\xBF"
         "Caf\xC3\xA9"},
        {ScheduleEncoding::Windows1252, "Caf\xE9"}};
    for (const auto& [encoding, start] : encodings) {
        for (const char separator : {',', ';', '\t'}) {
            const QByteArray text = start + separator + "ref" + separator + "system\r\nx" +
                                    separator + "W1" + separator + "\"a, b; c\"\r\n";
            const ScheduleReading reading = ReadScheduleBytes(text);
            ASSERT_TRUE(reading.schedule) << text.toStdString();
            EXPECT_EQ(reading.schedule->format.encoding, encoding);
            EXPECT_EQ(reading.schedule->format.separator, QLatin1Char(separator));
            EXPECT_EQ(ScheduleFileBytes(*reading.schedule), text);
        }
    }

    // A new schedule: UTF-8 with a mark, CR LF; its company, project and date kept without rows.
    Schedule fresh;
    fresh.report = {"Acme|Unit 4", "Riverside", "1 May 2024"};
    const QByteArray bytes = ScheduleFileBytes(fresh);
    EXPECT_EQ(bytes,
              "\xEF\xBB\xBF"
              "Company,Acme|Unit 4\r\nProject,Riverside\r\nDate,1 May 2024\r\n\r\n"
              "ref,system,outer,vent,transom,building\r\n");
    const ScheduleReading reread = ReadScheduleBytes(bytes);
    ASSERT_TRUE(reread.schedule);
    EXPECT_EQ(reread.schedule->report.company, fresh.report.company);
    EXPECT_EQ(reread.schedule->report.date, fresh.report.date);
    EXPECT_EQ(ScheduleFileBytes(*reread.schedule), bytes);

    // A file's own line break, never one inside a quoted cell (a spreadsheet's "\n" in a cell).
    const std::pair<const char*, const char*> breaks[] = {
        {"Company,\"Acme\nUnit 4\"\r\nref,system\r\n", "\r\n"},
        {"ref,\"a \"\"b\r\n\"\"\"\nW1,x\n", "\n"},
        {"ref;\t\"a\nb\"\rW1;x\r", "\r"},
        {"ref,5'6\"\nx,y\r\n", "\n"},
        {"ref,system", "\r\n"}};
    for (const auto& [text, lineBreak] : breaks) {
        EXPECT_EQ(LineBreakOf(QString::fromUtf8(text)), lineBreak) << text;
    }
}

TEST(ScheduleEditing, RowsPastedFromASpreadsheet) {
    const QStringList columns = {"ref", "system", "Qty", "building"};
    struct Case {
        const char* text;
        QStringList added;  // columns added to the schedule's
        QList<QStringList> rows;
    };
    const Case cases[] = {
        // No header: the columns as the window shows them, ref to building and then Qty; a
        // field the schedule lacks is added where a row fills it, and so is a column past them.
        {"W1\tPelvanor 47\tPRF010\t\t\tDomestic\t4\nW2\tPelvanor 55\t\t\t\t\t\tspare\n",
         {"outer", ""},
         {{"W1", "Pelvanor 47", "4", "Domestic", "PRF010", ""},
          {"W2", "Pelvanor 55", "", "", "", "spare"}}},
        // A header in its own order: Qty found whatever its case, Colour added.
        {"System\tColour\tqty\tRef\nPelvanor 47\tred\t2\tW3\n",
         {"Colour"},
         {{"W3", "Pelvanor 47", "2", "", "red"}}},
        // A named column comes even when empty; a field named twice gets an unnamed column.
        {"Outer Frame;Location;project;OUTER\nPRF010;;Riverside;x\n",
         {"outer", "Location", "project", ""},
         {{"", "", "", "", "PRF010", "", "Riverside", "x"}}},
        {"", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Schedule s = *ReadSchedule("ref,system,Qty,building\n").schedule;
        EXPECT_EQ(PastedRows(QString::fromUtf8(c.text), &s), c.rows);
        EXPECT_EQ(s.Columns(), columns + c.added);
    }
}

TEST(SystemNames, HeaderSelectorNameOrCertificateName) {
    const QStringList headers = {
        "Pelvanor 47,0.01", "Pelvanor 62 (Slim),0.12", "Halvorn 60 (Wide),1", "Halvorn 60 (Slim),2",
        "Halvorn 60,3",     "Meridan 50 (Slim)",       "meridan 50 (slim)",   "Pelvanor 47,0.01"};
    const std::pair<const char*, const char*> cases[] = {
        {"Pelvanor 47,0.01", "Pelvanor 47,0.01"},
        {"Pelvanor 47", "Pelvanor 47,0.01"},  // listed twice: one system
        {" Pelvanor 62 (Slim) ", "Pelvanor 62 (Slim),0.12"},
        {"Pelvanor 62", "Pelvanor 62 (Slim),0.12"},
        {"pelvanor 62", "Pelvanor 62 (Slim),0.12"},
        // A selector name beats two certificate names.
        {"Halvorn 60", "Halvorn 60,3"},
        {"halvorn 60 (slim)", "Halvorn 60 (Slim),2"},
        {"Meridan 50 (Slim)", "Meridan 50 (Slim)"},
        {"MERIDAN 50 (SLIM)",
         "error: the system name \"MERIDAN 50 (SLIM)\" fits both \"Meridan 50 (Slim)\" and "
         "\"meridan 50 (slim)\""},
        {"MERIDAN 50",
         "error: the system name \"MERIDAN 50\" fits both \"Meridan 50 (Slim)\" and "
         "\"meridan 50 (slim)\""},
        {"Pelvanr 47",
         "error: unknown system \"Pelvanr 47\"; nearest: Pelvanor 47, Pelvanor 62 , Halvorn 60"},
    };
    for (const auto& [name, expected] : cases) {
        const SystemMatch match = FindSystem(headers, QString::fromUtf8(name));
        const QString got = match.header.isEmpty() ? "error: " + match.error : match.header;
        EXPECT_TRUE(got.startsWith(QString::fromUtf8(expected)))
            << name << ": " << got.toStdString();
    }
}

TEST(SystemNames, ProfileCodesWhateverTheirCase) {
    const QStringList offered = {"PRF112", "PRF113", "Prf114", "PRF114", "prf115"};
    const std::pair<const char*, const char*> cases[] = {
        {"PRF112", "PRF112"}, {"prf112", "PRF112"},
        {"pRf113", "PRF113"}, {"PRF115", "prf115"},
        {"Prf114", "Prf114"},  // exact first
        {"prf114", ""},        // two codes fit
        {"PRF11", ""},        {"", ""},
    };
    for (const auto& [code, expected] : cases) {
        EXPECT_EQ(FindProfileCode(offered, QString::fromUtf8(code)), expected) << code;
    }
}

TEST(ScheduleRating, EveryRowRatedOrToldWhy) {
    const ProductTables tables = BuiltInTables();
    const ScheduleReading reading = ReadSchedule(
        "ref,Qty,system,outer,vent,transom,building\n"
        "W1,3,Pelvanor 47,PRF010,PRF020,PRF020,Domestic\n"
        "W2,1,pelvanor 55,,,,\n"
        "W3,,Pelvanor 62,,,,commercial\n"
        "W4,,Pelvanr 47,,,,\n"
        "W5,,Pelvanor 47,PRF999,,,\n"
        "W6,,Pelvanor 47,,,,Offices\n"
        "W7,3,pelvanor 47,prf010,Prf020,pRF020,domestic\n");
    ASSERT_TRUE(reading.schedule);
    struct Expected {
        const char* weight;
        int column;
        const char* summary;
        const char* element;
        const char* note;
    };
    const Expected expected[] = {
        {"0.709", 1, "A", "1213100007", ""},
        {"0.918", 5, "A", "1231500007", ""},
        {"", -1, "", "", ""},  // filled below: rated by the built-in weights
        {"", -1, "", "", "unknown system \"Pelvanr 47\"; nearest: Pelvanor 47"},
        {"", -1, "", "", "\"PRF999\" is no outer frame of Pelvanor 47; nearest: PRF010"},
        {"", -1, "", "", "building type \"Offices\" is neither Commercial nor Domestic"},
        {"0.709", 1, "A", "1213100007", ""},  // codes as typed, whatever their case
    };
    const QList<ScheduleRowRating> ratings = RateSchedule(tables, *reading.schedule);
    ASSERT_EQ(ratings.size(), 7);
    EXPECT_EQ(ratings[6].window->ventFrame, "PRF020");
    for (int row = 0; row < 7; ++row) {
        SCOPED_TRACE(row);
        const ScheduleRowRating& r = ratings[row];
        const Expected& e = expected[row];
        if (row == 2) {
            EXPECT_TRUE(r.Rated());
            EXPECT_EQ(r.window->systemName, "Pelvanor 62");
            EXPECT_EQ(r.window->outerFrame, "PRF210");
            continue;
        }
        EXPECT_EQ(r.weightText, e.weight);
        EXPECT_EQ(r.column, e.column);
        EXPECT_EQ(r.summaryRating, e.summary);
        EXPECT_EQ(r.elementNumber, e.element);
        EXPECT_EQ(r.note.left(int(strlen(e.note))), QString::fromUtf8(e.note));
        EXPECT_EQ(r.Rated(), *e.note == '\0');
    }
    // A weight missing from the table: the window is known, the row is not rated.
    const ProductTables shortWeights =
        ProductTablesOf("Profile,Area\nPRF010,0.698112\n", BuiltInSystemCatalogue(),
                        BuiltInBreRatingsTable(), BuiltInProductList());
    const ScheduleRowRating missing = RateScheduleRow(shortWeights, *reading.schedule, 0);
    ASSERT_TRUE(missing.window);
    EXPECT_EQ(missing.weightText, "0.000");
    EXPECT_EQ(missing.note,
              "no ratings column applies: vent frame: PRF020 has no line in GGWeights.Dat");
    // The row's certificate: its own texts, else the schedule's.
    Schedule s = *reading.schedule;
    s.report.company = "Acme\nUnit 4";
    const CertificateData data = CertificateOfRow(tables, s, 0, ratings[0]);
    EXPECT_EQ(data.Company, "Acme\nUnit 4");
    EXPECT_EQ(data.BuildingType, "Domestic");
    EXPECT_EQ(data.ElementReference, "1213100007");
}

TEST(ScheduleReading, AFileReadWholeButNoFurtherThanASchedule) {
    QTemporaryDir dir;
    const QString good = dir.filePath("good.csv");
    WriteBytes(good, "ref,system\nW1,Pelvanor 47\n");
    const ScheduleFileReading read = ReadScheduleFile(good);
    ASSERT_TRUE(read.reading.schedule);
    EXPECT_EQ(read.reading.schedule->RowCount(), 1);
    WriteBytes(dir.filePath("large.csv"), QByteArray((64 << 20) + 1, 'x'));
    const ScheduleFileReading large = ReadScheduleFile(dir.filePath("large.csv"));
    EXPECT_FALSE(large.unreadable || large.reading.schedule);
    EXPECT_EQ(large.reading.error, "the schedule is larger than 64 MB");
    // Nothing but a regular file is read, and nothing waits on a pipe that gets no writer.
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("pipe.csv")).constData(), 0600), 0);
    const std::pair<QString, const char*> unreadable[] = {
        {dir.filePath("pipe.csv"), "It is not a regular file"},
        {"/dev/zero", "It is not a regular file"},
        {dir.path(), "Is a directory"},
        {dir.filePath("none.csv"), "No such file or directory"}};
    for (const auto& [path, reason] : unreadable) {
        const ScheduleFileReading file = ReadScheduleFile(path);
        EXPECT_TRUE(file.unreadable && !file.reading.schedule);
        EXPECT_EQ(file.reason, reason);
    }
}
