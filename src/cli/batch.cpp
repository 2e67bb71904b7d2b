#include "cli/batch.h"

#include <QDir>
#include <QFile>

#include "cli/command_line.h"
#include "data/product_tables.h"
#include "documents/certificate_output.h"
#include "platform/program_info.h"
#include "platform/whole_file.h"
#include "schedule/csv_text.h"
#include "schedule/schedule.h"
#include "schedule/schedule_rating.h"

namespace {

const QString kSummaryFileName = QStringLiteral("summary.csv");
const QStringList kSummaryColumns = {
    QStringLiteral("ref"),           QStringLiteral("system"),  QStringLiteral("outer"),
    QStringLiteral("vent"),          QStringLiteral("transom"), QStringLiteral("building"),
    QStringLiteral("weight"),        QStringLiteral("column"),  QStringLiteral("elementNumber"),
    QStringLiteral("summaryRating"), QStringLiteral("co2"),     QStringLiteral("error")};
constexpr int kProgressBarWidth = 30;

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
RowOutcome RunRow(const ProductTables& tables, const Schedule& schedule, int row,
                  const QDir& folder, QHash<QString, int>* fileLines) {
    const auto value = [&](ScheduleField field) { return schedule.Value(row, field); };
    RowOutcome outcome;
    outcome.fields = {value(ScheduleField::Ref),     value(ScheduleField::System),
                      value(ScheduleField::Outer),   value(ScheduleField::Vent),
                      value(ScheduleField::Transom), value(ScheduleField::Building)};
    const auto failed = [&outcome](const QString& error) {
        while (outcome.fields.size() < kSummaryColumns.size() - 1) {
            outcome.fields << QString();
        }
        outcome.fields << error;
        return outcome;
    };

    const QString fileName = SafeFileName(value(ScheduleField::Ref));
    if (fileName.isEmpty()) {
        return failed(QStringLiteral("no ref to name the certificate by"));
    }
    const QString fileKey = fileName.toCaseFolded();
    if (fileLines->contains(fileKey)) {
        return failed(QStringLiteral("the ref names the same file as line %1")
                          .arg(fileLines->value(fileKey)));
    }
    fileLines->insert(fileKey, schedule.RowLine(row));

    const ScheduleRowRating rating = RateScheduleRow(tables, schedule, row);
    if (!rating.window) {
        return failed(rating.note);
    }
    const RatedWindow& window = *rating.window;
    outcome.fields = {value(ScheduleField::Ref),
                      window.systemName,
                      window.outerFrame,
                      window.ventFrame,
                      window.transomMullion,
                      window.commercial ? QStringLiteral("Commercial") : QStringLiteral("Domestic"),
                      rating.weightText,
                      QString::number(rating.column)};
    if (!rating.Rated()) {
        return failed(rating.note);
    }
    outcome.fields << rating.elementNumber << rating.summaryRating << rating.co2;

    const CertificateData data = CertificateOfRow(tables, schedule, row, rating);
    const QString path = folder.filePath(fileName + QStringLiteral(".pdf"));
    const WholeFileResult result =
        WriteCertificatePdf(path, data, ExportPdfSettings(data, ProgramNameAndVersion()));
    if (!result.written) {
        return failed(OneLine(CannotCreateFileText(path, result.reason)));
    }
    outcome.fields << QString();
    outcome.ok = true;
    return outcome;
}

}  // namespace

int RunBatch(const QString& schedulePath, const QString& outputFolder, CommandIo& io) {
    const ProductTables tables = LoadProductTables(io.dataFolder);
    QFile file(schedulePath);
    if (!file.open(QIODevice::ReadOnly)) {
        io.err << "greenguide: Cannot open file " << schedulePath << ": " << file.errorString()
               << Qt::endl;
        return kExitFailed;
    }
    const ScheduleReading reading = ReadScheduleBytes(file.readAll());
    file.close();
    if (!reading.schedule) {
        io.err << schedulePath << ": " << reading.error << Qt::endl;
        return kExitFailed;
    }
    const Schedule& schedule = *reading.schedule;
    if (!QDir().mkpath(outputFolder)) {
        io.err << "greenguide: Cannot create folder " << outputFolder << Qt::endl;
        return kExitFailed;
    }
    const QDir folder(outputFolder);
    const qsizetype total = schedule.RowCount();
    QByteArray summary = CsvLine(kSummaryColumns).toUtf8();
    QHash<QString, int> fileLines;
    ProgressBar progress(io, total);
    bool allDone = true;
    qsizetype done = 0;
    for (int row = 0; row < schedule.RowCount(); ++row) {
        const RowOutcome outcome = RunRow(tables, schedule, row, folder, &fileLines);
        if (!outcome.ok) {
            allDone = false;
            const QString ref = schedule.Value(row, ScheduleField::Ref);
            progress.Message(QStringLiteral("%1:%2: %3%4")
                                 .arg(schedulePath)
                                 .arg(schedule.RowLine(row))
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
        io.err << "greenguide: " << OneLine(CannotCreateFileText(summaryPath, written.reason))
               << Qt::endl;
        return kExitFailed;
    }
    return allDone ? kExitDone : kExitFailed;
}
