// Writing a schedule as a workbook, through libxlsxwriter: the schedule's sheet where it stood
// among the workbook's other sheets, its header in bold with a filter, plain numbers as numbers.
#include <xlsxwriter.h>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

#include "schedule/workbook.h"
#include "schedule/workbook_cells.h"

namespace {

const QString kNewSheetName = QStringLiteral("Schedule");
constexpr int kWidestColumn = 50;  // characters; longer texts are cut in the view, not the cell

// A cell that holds a number as the sheet would show it again ("4", "1200", "-0.5"), so that a
// spreadsheet takes it for one; "007", "1.50" and "1e3" stay text, as written.
bool PlainNumber(const QString& text, double* value) {
    static const QRegularExpression number(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]+)?$"));
    if (text.size() > 16 || !number.match(text).hasMatch()) {
        return false;
    }
    *value = text.toDouble();
    return GeneralNumberText(*value) == text;
}

QString ColumnName(int column) {
    QString name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26) {
        name.prepend(QChar('A' + (n - 1) % 26));
    }
    return name;
}

class WorkbookWriter {
public:
    WorkbookWriter(lxw_workbook* book) : book_(book) {
        bold_ = workbook_add_format(book_);
        format_set_bold(bold_);
    }

    // The sheet's cells; false with *error when one cannot be written.
    bool Write(const WorkbookSheet& sheet, QString* error) {
        lxw_worksheet* page = workbook_add_worksheet(book_, sheet.name.toUtf8().constData());
        if (page == nullptr) {
            *error = QStringLiteral("the sheet name \"%1\" cannot be used in a workbook")
                         .arg(sheet.name);
            return false;
        }
        QList<int> widths;
        for (int row = 0; row < sheet.rows.size(); ++row) {
            const QStringList& cells = sheet.rows[row];
            for (int column = 0; column < cells.size(); ++column) {
                const QString& text = cells[column];
                lxw_format* format = row == sheet.headerRow ? bold_ : FillOf(sheet, row, column);
                if (text.isEmpty() && format == nullptr) {
                    continue;
                }
                double number = 0;
                const lxw_error written =
                    PlainNumber(text, &number)
                        ? worksheet_write_number(page, row, column, number, format)
                        : worksheet_write_string(page, row, column, text.toUtf8().constData(),
                                                 format);
                if (written != LXW_NO_ERROR) {
                    *error = QStringLiteral("sheet \"%1\", cell %2%3: %4")
                                 .arg(sheet.name, ColumnName(column))
                                 .arg(row + 1)
                                 .arg(QString::fromUtf8(lxw_strerror(written)));
                    return false;
                }
                while (widths.size() <= column) {
                    widths << 0;
                }
                widths[column] = std::max(widths[column], static_cast<int>(text.size()));
            }
        }
        for (int column = 0; column < widths.size(); ++column) {
            worksheet_set_column(page, column, column,
                                 std::clamp(widths[column] + 2, 8, kWidestColumn), nullptr);
        }
        if (sheet.headerRow >= 0 && sheet.headerRow < sheet.rows.size() && !widths.isEmpty()) {
            worksheet_autofilter(page, sheet.headerRow, 0, sheet.rows.size() - 1,
                                 widths.size() - 1);
        }
        return true;
    }

private:
    lxw_format* FillOf(const WorkbookSheet& sheet, int row, int column) {
        const auto fill = sheet.fills.constFind({row, column});
        if (fill == sheet.fills.constEnd()) {
            return nullptr;
        }
        lxw_format*& format = fills_[*fill];
        if (format == nullptr) {
            format = workbook_add_format(book_);
            format_set_bg_color(format, *fill & 0xFFFFFF);
            format_set_align(format, LXW_ALIGN_CENTER);
        }
        return format;
    }

    lxw_workbook* book_;
    lxw_format* bold_;
    QHash<QRgb, lxw_format*> fills_;
};

}  // namespace

QList<WorkbookSheet> ScheduleWorkbookSheets(const Schedule& schedule) {
    const ScheduleFileFormat& format = schedule.format;
    WorkbookSheet own;
    own.name = format.sheetName.isEmpty() ? kNewSheetName : format.sheetName;
    own.rows = ScheduleFileRows(schedule);
    own.headerRow = static_cast<int>(own.rows.size()) - schedule.RowCount() - 1;
    QList<WorkbookSheet> sheets = format.otherSheets;
    sheets.insert(std::clamp<qsizetype>(format.sheetIndex, 0, sheets.size()), own);
    return sheets;
}

QByteArray WorkbookBytes(const QList<WorkbookSheet>& sheets, QString* error) {
    // The library writes a file: a temporary one, read back, so that the caller writes the
    // workbook whole or not at all.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        *error = QStringLiteral("No temporary folder: ") + folder.errorString();
        return {};
    }
    const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("schedule.xlsx")));
    const QByteArray temporary = QFile::encodeName(folder.path());
    lxw_workbook_options options{};
    options.tmpdir = const_cast<char*>(temporary.constData());
    lxw_workbook* book = workbook_new_opt(path.constData(), &options);
    if (book == nullptr) {
        *error = QStringLiteral("The workbook could not be begun.");
        return {};
    }
    WorkbookWriter writer(book);
    bool written = true;
    for (const WorkbookSheet& sheet : sheets) {
        written = written && writer.Write(sheet, error);
    }
    const lxw_error closed = workbook_close(book);  // frees the book, written or not
    if (!written) {
        return {};
    }
    if (closed != LXW_NO_ERROR) {
        *error = QString::fromUtf8(lxw_strerror(closed));
        return {};
    }
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    return file.readAll();
}
