// A window schedule as data: one row per window type, in the columns a schedule file names.
// The schedule's own columns (ref, system, outer, vent, transom, building and, per row,
// company, project, date) are known by their field; any other column of the file ("Qty",
// "Width", "Location", ...) is kept with its header name and place, ignored for rating and
// written back unchanged. The same file is read by the schedule window and by "greenguide
// batch", so one file serves both. No widgets here: the window's table model sits on top.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QMap>
#include <QRgb>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "schedule/csv_text.h"

class Schedule;
struct ScheduleReading;

// The schedule's own columns, in the order a new schedule lists them.
enum class ScheduleField { Ref, System, Outer, Vent, Transom, Building, Company, Project, Date };
constexpr int kScheduleFieldCount = 9;

// The column name a schedule file uses for the field ("ref", "system", "outer", "vent",
// "transom", "building", "company", "project", "date").
QString ScheduleFieldName(ScheduleField field);

// The field a header name stands for, letter case, spaces and the characters " /_-" ignored:
// the names above, and the window's headings "Outer Frame", "Vent Frame", "Transom Mullion"
// (or "Transom/Mullion"); nullopt for any other column.
std::optional<ScheduleField> ScheduleFieldOfName(const QString& name);

// Company, project and date for every row of the schedule whose own cell is empty, as a cell
// holds them, so that they are written back as they were read.
struct ScheduleReport {
    QString company;
    QString project;
    QString date;
    // The text of Company, Project or Date.
    QString& Text(ScheduleField field);
    const QString& Text(ScheduleField field) const;
};

// The schedule's own company, project or date that a row above the header gives: its first cell
// names the field ("Project", "Project:", any letter case) and its second cell holds the text.
std::optional<ScheduleField> ReportFieldOfTitleRow(const QStringList& row);

// A sheet of a workbook (.xlsx) as rows of the texts its cells show, empty rows included.
struct WorkbookSheet {
    QString name;
    QList<QStringList> rows;
    // The row (from 0) written in bold with a filter: a schedule's header; -1 for none.
    int headerRow = -1;
    // Cells filled with a colour, by (row, column): a summary's ratings.
    QMap<std::pair<int, int>, QRgb> fills;
};

// How a schedule's file is written: as the file was read, or as a new file is (",", CR LF,
// UTF-8 with a byte order mark, which spreadsheets and "batch" both read).
struct ScheduleFileFormat {
    QChar separator = QLatin1Char(',');
    QString lineBreak = QStringLiteral("\r\n");
    ScheduleEncoding encoding = ScheduleEncoding::Utf8WithBom;
    // Read from a workbook (.xlsx): the schedule's sheet, where it stands among the workbook's
    // other sheets (kept as the texts their cells show), and the names of sheets that could not
    // be kept (past a schedule's bounds), which saving over the workbook would lose.
    bool workbook = false;
    QString sheetName;
    int sheetIndex = 0;
    QList<WorkbookSheet> otherSheets;
    QStringList sheetsLeftOut;
};

// The one rule for "|": the lines a company, project or date cell stands for on a certificate.
// Line breaks of any kind ("\r\n", "\r", "\n", U+2028, U+2029) end a line; in a company "|"
// does too, as "batch" has always read it; a project or date keeps its "|". Lines are joined by
// "\n".
QString ReportLinesOfCell(ScheduleField field, const QString& cell);
// Company lines as a cell writes them: separated by "|".
QString CellOfCompanyLines(const QString& lines);

class Schedule {
public:
    // A new schedule: the columns ref, system, outer, vent, transom, building; no rows.
    Schedule();

    // The columns in file order, by their header names as written.
    const QStringList& Columns() const { return columns_; }
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    // The column of a field, -1 when the schedule has none.
    int ColumnOf(ScheduleField field) const { return fieldColumns_[static_cast<int>(field)]; }
    // The field of a column; nullopt for a column that is not the schedule's.
    std::optional<ScheduleField> FieldOfColumn(int column) const;
    // Adds a column at the end (the field's name for one of the schedule's columns) and returns
    // its number; a field that has a column already keeps it.
    int AddColumn(ScheduleField field);
    // Adds a column that is not the schedule's own, under the name given, and returns its number.
    int AddOtherColumn(const QString& name);
    // The columns the window shows after the rating's, in file order: every column but those
    // of ref to building.
    QList<int> OtherColumns() const;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    // A row's cells, one per column.
    const QStringList& RowCells(int row) const { return rows_[row].cells; }
    // The line of the file the row starts on (from 1), 0 for a row made in the program.
    int RowLine(int row) const { return rows_[row].line; }
    QString Cell(int row, int column) const { return rows_[row].cells.value(column); }
    void SetCell(int row, int column, const QString& text);
    // A field's cell ("" when the schedule has no such column).
    QString Value(int row, ScheduleField field) const;
    // Sets a field's cell, adding the column when the schedule has none.
    void SetValue(int row, ScheduleField field, const QString& text);
    // The row's company, project and date as its certificate shows them: the lines
    // (ReportLinesOfCell) of its own cell, else of the schedule's report text.
    QString ReportText(int row, ScheduleField field) const;

    // The schedule's company, project or date for a document about all of it: the report's
    // text, or when that is empty the rows' own different texts joined by "; ", the first
    // three of them and how many more ("A; B; C and 1997 more").
    QString CommonReportText(ScheduleField field) const;

    // Inserts a row of cells (padded or cut to the columns) before row at (RowCount() appends).
    void InsertRow(int at, const QStringList& cells = {}, int line = 0);
    void RemoveRow(int at);
    // Moves row from to position to, as QList::move.
    void MoveRow(int from, int to);

    // The refs "W01", "W02", ...: the first such ref that no row has.
    QString NextFreeRef() const;
    // The first count such refs that neither a row nor taken has, in order (rows pasted at once).
    QStringList NextFreeRefs(int count, const QStringList& taken = {}) const;

    ScheduleReport report;
    // The rows above the header (a title block), kept for saving; an empty row stands for an
    // empty line. Rows that give the schedule's company, project or date are among them.
    QList<QStringList> titleRows;
    ScheduleFileFormat format;
    // A company, project or date that the file gave in every row of its column (rather than in
    // a title row): saving writes it there again, in the cells left empty.
    bool ReportInColumn(ScheduleField field) const;

private:
    friend class ScheduleBuilder;
    struct Row {
        QStringList cells;
        int line = 0;
    };
    QStringList columns_;
    int fieldColumns_[kScheduleFieldCount];
    QList<Row> rows_;
    bool reportInColumn_[3] = {false, false, false};
};

// A schedule read from a file's text, or why it cannot be one.
struct ScheduleReading {
    std::optional<Schedule> schedule;
    // "line N: ..." of a header that is none (empty file, a column of the schedule named twice,
    // no ref or no system column) or of a quote that is never closed.
    QString error;
};

// The bounds of a schedule that is read: far more than any building's windows need, and a
// bound on the memory and the work that a wrong file (a disk image, /dev/zero, one giant cell,
// a row of countless empty cells) can take. A file past any of them is refused as a whole,
// before anything of it is shown, rated or drawn.
// The largest file.
inline constexpr qint64 kLargestScheduleBytes = qint64(64) << 20;
inline const QString kLargestScheduleText = QStringLiteral("64 MB");
// The longest cell, in characters: twice what a spreadsheet's cell holds (32,767). A cell longer
// than a certificate can show (kLongestFieldText) is kept, and its row says why it gets none.
inline constexpr qsizetype kLongestScheduleCell = 65536;
// The most cells in a row, the header's included (a spreadsheet of old had 256 columns).
inline constexpr qsizetype kWidestScheduleRow = 256;
// The most rows below the header.
inline constexpr int kMostScheduleRows = 10000;

// Reads a schedule as people write it: the header is the first row that names a ref and a
// system column, in any order and letter case; rows above it are the title block, kept, whose
// company, project and date rows (ReportFieldOfTitleRow) are the schedule's own. Columns that
// are not the schedule's are kept, the separator found from the first line. Rows are never
// dropped (a short row is padded; cells past the header's columns get columns of their own with
// empty names, so that nothing is lost on saving). When no title row gives the company (or
// project, or date) and every row holds the same one, that text becomes the schedule's and the
// cells are emptied, so that saving writes the same file again. A text past the bounds above is
// refused with the line that passes them.
ScheduleReading ReadSchedule(const QString& text);
// The same from a file's bytes, decoded a piece at a time (ScheduleTextPieces: UTF-8, UTF-16
// or Windows-1252, a byte order mark dropped), so that the memory it takes is about three
// times the file's size at most; saving keeps the encoding and the line breaks.
ScheduleReading ReadScheduleBytes(const QByteArray& bytes);
// The same from a file's bytes in pieces, each let go once decoded.
ScheduleReading ReadScheduleBytes(QList<QByteArray> bytes);
// The same from records as a spreadsheet's rows give them (line: the row's number): next fills
// the next record, false at the end; endError says, once next is done, why the records do not
// hold all of the file (empty when they do). Every record is held to the bounds above here, so
// that no reader passes them: a reader that holds a record in memory bounds it while reading
// too, and says so with PastBoundsText.
using NextRecord = std::function<bool(CsvRecord* record)>;
ScheduleReading ReadScheduleRecords(const NextRecord& next,
                                    const std::function<QString()>& endError);

// "line N: ..." of a record past one of the bounds above.
enum class ScheduleBound { LongCell, WideRow, ManyRows };
QString PastBoundsText(ScheduleBound bound, int line);

// A schedule file as the window's Open and "batch" read it: whole, but never more than
// kLargestScheduleBytes of it.
struct ScheduleFileReading {
    // Set when the file could not be read at all; reason is then the system's.
    bool unreadable = false;
    QString reason;
    // Otherwise the schedule, or why there is none ("the schedule is larger than 64 MB", or the
    // reader's error).
    ScheduleReading reading;
};
// A workbook (.xlsx, known by its first bytes) is read through ReadWorkbookSchedule, its first
// sheet or the one named; naming a sheet of a CSV file is an error.
struct WorkbookReading;
ScheduleFileReading ReadScheduleFile(const QString& path, const WorkbookReading& workbook);
ScheduleFileReading ReadScheduleFile(const QString& path);

// Rows pasted from a spreadsheet (tab-separated, or as the first line's separator says) as cells
// of the schedule's columns, ready for InsertRow. When the first line names one of the
// schedule's own columns it is a header and the cells go to the columns of those names (other
// names: to the schedule's column of the same name, letter case ignored); without one the cells
// fill the columns in the order the window shows them (ref to building, then the others).
// Columns the schedule lacks are added to it first, so that nothing pasted is dropped.
QList<QStringList> PastedRows(const QString& text, Schedule* schedule);
// The rows of another schedule (a file imported) the same way, by its header; its own company,
// project or date, where this schedule's differs, goes into its rows' empty cells.
QList<QStringList> ImportedRows(const Schedule& from, Schedule* into);

// The rows of the schedule's file, as ReadSchedule and "batch" read them: the title rows, the
// header, then one row per window. The schedule's own company, project and date go to title
// rows ("Company", "Project", "Date" and the text, added after the title rows that give them,
// or at the top with an empty row after them), or, where the file gave them in every row of
// their column (Schedule::ReportInColumn), into that column's empty cells again. Columns are
// never added for them.
QList<QStringList> ScheduleFileRows(const Schedule& schedule);
// Those rows as the file's text, with the schedule's separator and line breaks, fields quoted
// where needed.
QString ScheduleCsv(const Schedule& schedule);
// The same as bytes in the schedule's encoding (ScheduleTextBytes), for WriteWholeFile.
QByteArray ScheduleFileBytes(const Schedule& schedule);
