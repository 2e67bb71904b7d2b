#include "cli/batch.h"

#include <QDir>

#include "cli/command_line.h"
#include "data/product_tables.h"
#include "platform/program_info.h"
#include "platform/stop_signals.h"
#include "schedule/schedule.h"
#include "schedule/schedule_export.h"
#include "schedule/workbook.h"

namespace {

constexpr int kProgressBarWidth = 30;

// A bar on a terminal that shows how many steps are done; messages go above it.
class ProgressBar {
public:
    explicit ProgressBar(CommandIo& io) : io_(io) {}
    bool Show(int done, int total) {
        if (!io_.errIsTerminal || total == 0) {
            return true;
        }
        const int filled = done * kProgressBarWidth / total;
        io_.err << '\r' << '[' << QString(filled, QLatin1Char('#'))
                << QString(kProgressBarWidth - filled, QLatin1Char(' ')) << "] " << done << '/'
                << total;
        io_.err.flush();
        shown_ = true;
        return true;
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
            shown_ = false;
        }
    }

private:
    CommandIo& io_;
    bool shown_ = false;
};

}  // namespace

int RunBatch(const QString& schedulePath, const QString& sheet, const QString& outputFolder,
             const QString& combinedPath, CommandIo& io) {
    const ProductTables tables = LoadProductTables(io.dataFolder);
    WorkbookReading workbook;
    workbook.sheet = sheet;
    const ScheduleFileReading file = ReadScheduleFile(schedulePath, workbook);
    if (file.unreadable) {
        io.err << "greenguide: Cannot open file " << OneLine(schedulePath + ": " + file.reason)
               << Qt::endl;
        return kExitFailed;
    }
    const ScheduleReading& reading = file.reading;
    if (!reading.schedule) {
        io.err << OneLine(schedulePath + ": " + reading.error) << Qt::endl;
        return kExitFailed;
    }
    const Schedule& schedule = *reading.schedule;
    const QString creator = ProgramNameAndVersion();
    ProgressBar progress(io);
    // Ctrl+C, a kill or a closed terminal ends the run after the row at hand, as a cancel does.
    CatchStopSignals();
    const auto show = [&progress](int done, int total) {
        return progress.Show(done, total) && !StopAsked();
    };
    const auto tell = [&](int row, const QString& reason) {
        const QString ref = schedule.Value(row, ScheduleField::Ref);
        progress.Message(OneLine(QStringLiteral("%1:%2: %3%4")
                                     .arg(schedulePath)
                                     .arg(schedule.RowLine(row))
                                     .arg(ref.isEmpty() ? QString() : ref + QStringLiteral(": "))
                                     .arg(reason)));
    };
    const auto stopped = [&io] {
        io.err << "greenguide: stopped" << Qt::endl;
        return kExitStopped;
    };
    bool allDone = true;
    // Rated once: for the texts cut below and the combined PDF.
    const QList<ScheduleRowRating> ratings = RateSchedule(tables, schedule);
    // Told, not refused: the certificate is still written, its text cut as the window warns.
    for (const auto& [row, texts] : CutTextRows(schedule, ratings)) {
        for (const QString& text : texts) {
            tell(row, text + QStringLiteral(" on the certificate"));
        }
    }

    if (!outputFolder.isEmpty()) {
        if (!QDir().mkpath(outputFolder)) {
            io.err << "greenguide: Cannot create folder " << OneLine(outputFolder) << Qt::endl;
            return kExitFailed;
        }
        const FolderExportResult folder =
            ExportScheduleFolder(outputFolder, tables, schedule, creator, show, tell);
        progress.Finish();
        if (!folder.summaryError.isEmpty()) {
            io.err << "greenguide: " << OneLine(folder.summaryError) << Qt::endl;
            return kExitFailed;
        }
        if (folder.cancelled) {
            return stopped();
        }
        allDone = folder.AllDone();
    }

    if (!combinedPath.isEmpty()) {
        if (outputFolder.isEmpty()) {
            // The folder's run told of the failed rows already.
            for (int row = 0; row < ratings.size(); ++row) {
                if (!ratings[row].Rated()) {
                    tell(row, ratings[row].note);
                    allDone = false;
                }
            }
        }
        const CombinedPdfResult combined = WriteCombinedSchedulePdf(
            combinedPath, tables, schedule, ratings, SummaryExtraColumns(schedule), creator, show);
        progress.Finish();
        if (combined.cancelled) {
            return stopped();
        }
        if (!combined.written) {
            io.err << "greenguide: " << OneLine(combined.error) << Qt::endl;
            return kExitFailed;
        }
    }
    return allDone ? kExitDone : kExitFailed;
}
