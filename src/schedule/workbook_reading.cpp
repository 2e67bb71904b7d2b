// Reading a schedule from a workbook: the parts found through the package's relationships, the
// shared strings and number formats read first (bounded), then the sheet's rows one at a time
// into the same routine that builds a schedule from CSV records.
#include <QSet>

#include "schedule/workbook.h"
#include "schedule/workbook_cells.h"
#include "schedule/workbook_parts.h"

namespace {

// The most characters of all shared strings together: more than a sheet at a schedule's
// bounds shows.
constexpr qsizetype kMostSharedText = qsizetype(64) << 20;

struct WorkbookInfo {
    QStringList sheetNames;
    QStringList sheetPaths;
    QStringList sharedStrings;
    QSet<int> longStrings;  // shared strings past kLongestScheduleCell, kept empty
    NumberFormats formats;
};

// An attribute by its local name, whatever its namespace prefix ("r:id").
QStringView AttributeOf(const QXmlStreamReader& xml, QLatin1String name, bool namespaced) {
    for (const QXmlStreamAttribute& a : xml.attributes()) {
        if (a.name() == name && a.namespaceUri().isEmpty() != namespaced) {
            return a.value();
        }
    }
    return {};
}

void ReadSharedStrings(QXmlStreamReader& xml, WorkbookInfo* info, WorkbookParts* parts) {
    qsizetype total = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("si")) {
            continue;
        }
        bool tooLong = false;
        info->sharedStrings << TextOfElement(xml, &tooLong);
        total += info->sharedStrings.last().size();
        if (tooLong) {
            info->longStrings.insert(static_cast<int>(info->sharedStrings.size() - 1));
        }
        if (total > kMostSharedText) {
            parts->Refuse(QStringLiteral("the workbook's shared strings hold more than 64 MB"));
            return;
        }
    }
}

void ReadStyles(QXmlStreamReader& xml, NumberFormats* formats) {
    bool cellStyles = false;  // within <cellXfs>, the styles that cells name
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("cellXfs")) {
            cellStyles = false;
        }
        if (token != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("numFmt")) {
            formats->codes.insert(AttributeOf(xml, QLatin1String("numFmtId"), false).toInt(),
                                  AttributeOf(xml, QLatin1String("formatCode"), false).toString());
        } else if (xml.name() == QLatin1String("cellXfs")) {
            cellStyles = true;
        } else if (cellStyles && xml.name() == QLatin1String("xf")) {
            formats->styleFormats << AttributeOf(xml, QLatin1String("numFmtId"), false).toInt();
        }
    }
}

// The workbook's sheets, shared strings and formats; false (the parts' error) when they cannot
// be read.
bool ReadWorkbookInfo(WorkbookParts& parts, WorkbookInfo* info) {
    const QString main = parts.RelationsOf(QString()).byType.value(
        QStringLiteral("officeDocument"), QStringLiteral("xl/workbook.xml"));
    const WorkbookParts::Relations relations = parts.RelationsOf(main);
    parts.ReadPart(main, [&](QXmlStreamReader& xml) {
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == QLatin1String("sheet")) {
                info->sheetNames << AttributeOf(xml, QLatin1String("name"), false).toString();
                info->sheetPaths << relations.byId.value(
                    AttributeOf(xml, QLatin1String("id"), true).toString());
            } else if (xml.name() == QLatin1String("workbookPr")) {
                const QStringView date1904 = AttributeOf(xml, QLatin1String("date1904"), false);
                info->formats.date1904 = date1904 == u"1" || date1904 == u"true";
            }
        }
    });
    const QString strings = relations.byType.value(QStringLiteral("sharedStrings"));
    if (!strings.isEmpty()) {
        parts.ReadPart(
            strings, [&](QXmlStreamReader& xml) { ReadSharedStrings(xml, info, &parts); }, true);
    }
    const QString styles = relations.byType.value(QStringLiteral("styles"));
    if (!styles.isEmpty()) {
        parts.ReadPart(
            styles, [&](QXmlStreamReader& xml) { ReadStyles(xml, &info->formats); }, true);
    }
    return parts.Error().isEmpty();
}

// A sheet's rows as records, one at a time: each cell's text as the sheet shows it, at its
// column; empty rows skipped, as empty lines of a CSV file are. A row past a schedule's bounds
// stops the reading with Error().
class SheetRows {
public:
    SheetRows(QXmlStreamReader& xml, const WorkbookInfo& info) : xml_(xml), info_(info) {}
    const QString& Error() const { return error_; }

    bool Next(CsvRecord* record) {
        *record = CsvRecord();
        while (error_.isEmpty() && !xml_.atEnd()) {
            if (xml_.readNext() == QXmlStreamReader::StartElement &&
                xml_.name() == QLatin1String("row")) {
                bool numbered = false;
                const int number = AttributeOf(xml_, QLatin1String("r"), false).toInt(&numbered);
                line_ = numbered && number > line_ ? number : line_ + 1;
                record->line = line_;
                ReadRow(&record->fields);
                while (!record->fields.isEmpty() && record->fields.last().isEmpty()) {
                    record->fields.removeLast();
                }
                if (error_.isEmpty() && !record->fields.isEmpty()) {
                    return true;
                }
            }
        }
        return false;
    }

private:
    void ReadRow(QStringList* fields) {
        int column = -1;
        while (error_.isEmpty() && xml_.readNextStartElement()) {
            if (xml_.name() != QLatin1String("c")) {
                xml_.skipCurrentElement();
                continue;
            }
            const int named = ColumnOfReference(AttributeOf(xml_, QLatin1String("r"), false));
            column = named >= 0 ? named : column + 1;
            const QString text = ReadCell();
            if (column >= kWidestScheduleRow && !text.isEmpty()) {
                error_ = PastBoundsText(ScheduleBound::WideRow, line_);
            } else if (!text.isEmpty()) {
                while (fields->size() <= column) {
                    *fields << QString();
                }
                (*fields)[column] = text;
            }
        }
    }

    // The cell's text as shown; the reader ends on the cell's end.
    QString ReadCell() {
        const QString type = AttributeOf(xml_, QLatin1String("t"), false).toString();
        const int style = AttributeOf(xml_, QLatin1String("s"), false).toInt();
        QString value;
        bool tooLong = false;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("v") || xml_.name() == QLatin1String("is")) {
                value = TextOfElement(xml_, &tooLong);
            } else {
                xml_.skipCurrentElement();  // a formula: its value is in <v>
            }
        }
        if (type == QLatin1String("s")) {
            bool ok = false;
            const int index = value.toInt(&ok);
            if (!ok || index < 0 || index >= info_.sharedStrings.size()) {
                error_ = QStringLiteral(
                             "line %1: a cell names a shared string that the workbook "
                             "does not have")
                             .arg(line_);
                return {};
            }
            tooLong = info_.longStrings.contains(index);
            value = info_.sharedStrings[index];
        } else if (type == QLatin1String("b")) {
            value = value.trimmed() == QLatin1String("1") ? QStringLiteral("TRUE")
                                                          : QStringLiteral("FALSE");
        } else if (type.isEmpty() || type == QLatin1String("n")) {
            value =
                ShownNumber(value, FormatCodeOfStyle(info_.formats, style), info_.formats.date1904);
        }
        if (tooLong) {
            error_ = PastBoundsText(ScheduleBound::LongCell, line_);
        }
        return value;
    }

    QXmlStreamReader& xml_;
    const WorkbookInfo& info_;
    QString error_;
    int line_ = 0;
};

// Another sheet's rows as the workbook had them, empty rows between them included; false when
// it passes a schedule's bounds.
bool ReadOtherSheet(QXmlStreamReader& xml, const WorkbookInfo& info, WorkbookSheet* sheet) {
    SheetRows rows(xml, info);
    for (CsvRecord record; rows.Next(&record);) {
        while (sheet->rows.size() + 1 < record.line && sheet->rows.size() < kMostScheduleRows) {
            sheet->rows << QStringList();
        }
        if (sheet->rows.size() >= kMostScheduleRows) {
            return false;
        }
        sheet->rows << record.fields;
    }
    return rows.Error().isEmpty();
}

}  // namespace

bool IsWorkbook(const QByteArray& firstBytes) {
    return firstBytes.startsWith("PK\x03\x04");
}

ScheduleReading ReadWorkbookSchedule(const QByteArray& bytes, const WorkbookReading& which) {
    ScheduleReading reading;
    WorkbookParts parts(bytes);
    WorkbookInfo info;
    if (!ReadWorkbookInfo(parts, &info)) {
        reading.error = parts.Error();
        return reading;
    }
    qsizetype index = which.sheet.isEmpty() ? 0 : info.sheetNames.indexOf(which.sheet);
    for (qsizetype k = 0; index < 0 && k < info.sheetNames.size(); ++k) {
        index = info.sheetNames[k].compare(which.sheet, Qt::CaseInsensitive) == 0 ? k : -1;
    }
    if (info.sheetNames.isEmpty() || index < 0) {
        reading.error = info.sheetNames.isEmpty()
                            ? QStringLiteral("the workbook has no sheet")
                            : QStringLiteral("the workbook has no sheet \"%1\"; its sheets: %2")
                                  .arg(which.sheet, info.sheetNames.join(QStringLiteral(", ")));
        return reading;
    }
    parts.ReadPart(info.sheetPaths[index], [&](QXmlStreamReader& xml) {
        SheetRows rows(xml, info);
        reading = ReadScheduleRecords(
            [&rows](CsvRecord* record) { return rows.Next(record); },
            [&] { return rows.Error().isEmpty() ? parts.PartProblem(xml) : rows.Error(); });
    });
    if (!parts.Error().isEmpty() || !reading.schedule) {
        reading.schedule.reset();
        reading.error = parts.Error().isEmpty() ? reading.error : parts.Error();
        return reading;
    }
    ScheduleFileFormat& format = reading.schedule->format;
    format.workbook = true;
    format.sheetName = info.sheetNames[index];
    for (qsizetype k = 0; which.keepOtherSheets && k < info.sheetNames.size(); ++k) {
        if (k == index) {
            format.sheetIndex = static_cast<int>(format.otherSheets.size());
            continue;
        }
        WorkbookSheet sheet;
        sheet.name = info.sheetNames[k];
        bool kept = false;
        parts.ReadPart(info.sheetPaths[k],
                       [&](QXmlStreamReader& xml) { kept = ReadOtherSheet(xml, info, &sheet); });
        const QString problem = parts.TakeError();
        if (kept && problem.isEmpty()) {
            format.otherSheets << sheet;
        } else {
            format.sheetsLeftOut << sheet.name;
        }
    }
    return reading;
}
