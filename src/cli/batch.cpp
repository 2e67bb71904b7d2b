#include "cli/batch.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include "cli/command_line.h"
#include "cli/rated_window.h"
#include "data/data_files.h"
#include "documents/certificate_output.h"
#include "platform/program_info.h"
#include "platform/whole_file.h"

namespace {

const QString kSummaryFileName = QStringLiteral("summary.csv");
const QStringList kSummaryColumns = {
    QStringLiteral("ref"),           QStringLiteral("system"),  QStringLiteral("outer"),
    QStringLiteral("vent"),          QStringLiteral("transom"), QStringLiteral("building"),
    QStringLiteral("weight"),        QStringLiteral("column"),  QStringLiteral("elementNumber"),
    QStringLiteral("summaryRating"), QStringLiteral("co2"),     QStringLiteral("error")};
constexpr int kProgressBarWidth = 30;

QString CsvQuoted(const QString& text) {
    const bool plain = !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
                       !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')) &&
                       text.trimmed() == text;
    if (plain) {
        return text;
    }
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString CsvLine(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields) {
        quoted << CsvQuoted(field);
    }
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

// A bar on a terminal that shows how many rows are done; messages go above it.
class ProgressBar {
public:
    ProgressBar(CommandIo& io, qsizetype total) : io_(io), total_(total) {}
    void Show(qsizetype done) {
        if (!io_.errIsTerminal || total_ == 0) {
            return;
        }
        const qsizetype filled = done * kProgressBarWidth / total_;
        io_.err << '\r' << '[' << QString(filled, QLatin1Char('#'))
                << QString(kProgressBarWidth - filled, QLatin1Char(' ')) << "] " << done << '/'
                << total_;
        io_.err.flush();
        shown_ = true;
    }
    void Message(const QString& text) {
        if (shown_) {
            io_.err << "\r\x1b[K";
        }
        io_.err << text << Qt::endl;
    }
    void Finish() {
        if (shown_) {
            io_.err << Qt::endl;
        }
    }

private:
    CommandIo& io_;
    qsizetype total_;
    bool shown_ = false;
};

// What one row came to, as summary.csv lists it.
struct RowOutcome {
    QStringList fields;  // in the order of kSummaryColumns, the error last
    bool ok = false;
};

// Rates one row and writes its certificate; the error text says why not.
RowOutcome RunRow(const ProductTables& tables, const ScheduleRow& row, const QDir& folder,
                  QHash<QString, int>* fileLines) {
    const auto value = [&row](const char* column) {
        return row.values.value(QLatin1String(column));
    };
    const auto optional = [&row](const char* column) -> std::optional<QString> {
        const auto it = row.values.find(QLatin1String(column));
        return it == row.values.end() ? std::nullopt : std::optional<QString>(*it);
    };
    RowOutcome outcome;
    outcome.fields = {value("ref"),  value("system"),  value("outer"),
                      value("vent"), value("transom"), value("building")};
    const auto failed = [&outcome](const QString& error) {
        while (outcome.fields.size() < kSummaryColumns.size() - 1) {
            outcome.fields << QString();
        }
        outcome.fields << error;
        return outcome;
    };

    const QString fileName = SafeFileName(value("ref"));
    if (fileName.isEmpty()) {
        return failed(QStringLiteral("no ref to name the certificate by"));
    }
    const QString fileKey = fileName.toCaseFolded();
    if (fileLines->contains(fileKey)) {
        return failed(QStringLiteral("the ref names the same file as line %1")
                          .arg(fileLines->value(fileKey)));
    }
    fileLines->insert(fileKey, row.line);

    WindowRequest request;
    request.system = value("system");
    request.outerFrame = optional("outer");
    request.ventFrame = optional("vent");
    request.transomMullion = optional("transom");
    const QString building = value("building");
    if (building.isEmpty() ||
        building.compare(QStringLiteral("Commercial"), Qt::CaseInsensitive) == 0) {
        request.commercial = true;
    } else if (building.compare(QStringLiteral("Domestic"), Qt::CaseInsensitive) == 0) {
        request.commercial = false;
    } else {
        return failed(QStringLiteral("building type \"%1\" is neither Commercial nor Domestic")
                          .arg(building));
    }

    QString error;
    const std::optional<RatedWindow> window = RateRequest(tables, request, &error);
    if (!window) {
        return failed(error);
    }
    outcome.fields = {
        value("ref"),
        window->systemName,
        window->outerFrame,
        window->ventFrame,
        window->transomMullion,
        window->commercial ? QStringLiteral("Commercial") : QStringLiteral("Domestic"),
        FormatProfileWeight(window->rating.weight),
        QString::number(window->rating.column)};
    if (!window->noColumnReason.isEmpty()) {
        return failed(QStringLiteral("no ratings column applies: ") + window->noColumnReason);
    }
    outcome.fields << window->ratings.elementNumber << window->ratings.summaryRating
                   << window->ratings.co2;

    const CertificateData data = CertificateOfWindow(
        tables, *window, value("company").replace(QLatin1Char('|'), QLatin1Char('\n')),
        value("project"), value("date"));
    const QString path = folder.filePath(fileName + QStringLiteral(".pdf"));
    const WholeFileResult result =
        WriteCertificatePdf(path, data, ExportPdfSettings(data, ProgramNameAndVersion()));
    if (!result.written) {
        return failed(QStringLiteral("Cannot create file ") + path + QStringLiteral(": ") +
                      result.reason);
    }
    outcome.fields << QString();
    outcome.ok = true;
    return outcome;
}

}  // namespace

bool CsvReader::Next(CsvRecord* record) {
    const QString& text = text_;
    *record = CsvRecord();
    QString field;
    bool quoted = false;    // the field began with a quote
    bool inQuotes = false;  // inside its quotes now
    bool blank = true;      // the record so far is an empty line
    record->line = line_;
    const auto endField = [&] {
        blank = blank && !quoted && field.trimmed().isEmpty() && record->fields.isEmpty();
        record->fields << (quoted ? field : field.trimmed());
        field.clear();
        quoted = false;
    };
    for (; pos_ < text.size(); ++pos_) {
        const QChar c = text[pos_];
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (pos_ + 1 < text.size() && text[pos_ + 1] == QLatin1Char('"')) {
                    field += c;
                    ++pos_;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == QLatin1Char('\n')) {
                    ++line_;
                }
                field += c;
            }
        } else if (c == QLatin1Char('"') && !quoted && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
            inQuotes = true;
        } else if (c == QLatin1Char(',')) {
            endField();
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && pos_ + 1 < text.size() &&
                text[pos_ + 1] == QLatin1Char('\n')) {
                ++pos_;
            }
            ++line_;
            endField();
            if (!blank) {
                ++pos_;
                return true;
            }
            *record = CsvRecord();
            record->line = line_;
            blank = true;
        } else if (!quoted || !c.isSpace()) {
            // Spaces after a closing quote are dropped; anything else is kept as written.
            field += c;
        }
    }
    // The last record, when the text does not end with a line break.
    if (!field.isEmpty() || quoted || !record->fields.isEmpty()) {
        endField();
        return !blank;
    }
    return false;
}

QList<CsvRecord> CsvRecords(const QString& text) {
    QList<CsvRecord> records;
    CsvReader reader(text);
    for (CsvRecord record; reader.Next(&record);) {
        records << record;
    }
    return records;
}

bool ScheduleReader::ReadHeader(QString* error) {
    CsvRecord header;
    if (!reader_.Next(&header)) {
        *error = QStringLiteral("the schedule is empty: its first row names the columns ") +
                 kScheduleColumns.join(QLatin1Char(','));
        return false;
    }
    for (const QString& name : header.fields) {
        const QString column = name.toLower();
        if (!kScheduleColumns.contains(column)) {
            *error = QStringLiteral("line %1: \"%2\" is no column of a schedule; the columns are ")
                         .arg(header.line)
                         .arg(name) +
                     kScheduleColumns.join(QLatin1Char(','));
            return false;
        }
        if (columns_.contains(column)) {
            *error = QStringLiteral("line %1: the column \"%2\" is named twice")
                         .arg(header.line)
                         .arg(name);
            return false;
        }
        columns_ << column;
    }
    for (const char* needed : {"ref", "system"}) {
        if (!columns_.contains(QLatin1String(needed))) {
            *error = QStringLiteral("line %1: the header names no \"%2\" column")
                         .arg(header.line)
                         .arg(QLatin1String(needed));
            return false;
        }
    }
    return true;
}

bool ScheduleReader::Next(ScheduleRow* row) {
    CsvRecord record;
    if (!reader_.Next(&record)) {
        return false;
    }
    *row = ScheduleRow();
    row->line = record.line;
    for (qsizetype k = 0; k < columns_.size() && k < record.fields.size(); ++k) {
        if (!record.fields[k].isEmpty()) {
            row->values.insert(columns_[k], record.fields[k]);
        }
    }
    return true;
}

QString ScheduleText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        return DecodeWindows1252(bytes);
    }
    return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
}

int RunBatch(const QString& schedulePath, const QString& outputFolder, CommandIo& io) {
    const ProductTables tables = LoadProductTables(io.dataFolder);
    QFile file(schedulePath);
    if (!file.open(QIODevice::ReadOnly)) {
        io.err << "greenguide: Cannot open file " << schedulePath << ": " << file.errorString()
               << Qt::endl;
        return kExitFailed;
    }
    const QString text = ScheduleText(file.readAll());
    file.close();
    QString error;
    ScheduleReader schedule(text);
    if (!schedule.ReadHeader(&error)) {
        io.err << schedulePath << ": " << error << Qt::endl;
        return kExitFailed;
    }
    if (!QDir().mkpath(outputFolder)) {
        io.err << "greenguide: Cannot create folder " << outputFolder << Qt::endl;
        return kExitFailed;
    }
    const QDir folder(outputFolder);

    // The rows are read one at a time and only the summary's lines are kept, so memory does
    // not grow with the schedule beyond its text and those lines.
    qsizetype total = 0;
    {
        ScheduleReader counter(text);
        counter.ReadHeader(&error);
        for (ScheduleRow row; counter.Next(&row);) {
            ++total;
        }
    }
    QByteArray summary = CsvLine(kSummaryColumns).toUtf8();
    QHash<QString, int> fileLines;
    ProgressBar progress(io, total);
    bool allDone = true;
    qsizetype done = 0;
    for (ScheduleRow row; schedule.Next(&row);) {
        const RowOutcome outcome = RunRow(tables, row, folder, &fileLines);
        if (!outcome.ok) {
            allDone = false;
            const QString ref = row.values.value(QStringLiteral("ref"));
            progress.Message(QStringLiteral("%1:%2: %3%4")
                                 .arg(schedulePath)
                                 .arg(row.line)
                                 .arg(ref.isEmpty() ? QString() : ref + QStringLiteral(": "))
                                 .arg(outcome.fields.constLast()));
        }
        summary += CsvLine(outcome.fields).toUtf8();
        progress.Show(++done);
    }
    progress.Finish();

    const QString summaryPath = folder.filePath(kSummaryFileName);
    const WholeFileResult written = WriteWholeFile(summaryPath, summary);
    if (!written.written) {
        io.err << "greenguide: Cannot create file " << summaryPath << ": " << written.reason
               << Qt::endl;
        return kExitFailed;
    }
    return allDone ? kExitDone : kExitFailed;
}
