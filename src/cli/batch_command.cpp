#include "cli/command_runners.h"

#include "cli/batch.h"
#include "schedule/schedule_export.h"

int RunBatchCommand(const QCommandLineParser& parser, CommandIo& io) {
    const QString schedule = parser.positionalArguments().value(0);
    const QString folder = parser.value(QStringLiteral("o"));
    const QString combined = parser.value(QStringLiteral("combined"));
    if (folder.isEmpty() && combined.isEmpty()) {
        return UsageError(io, QStringLiteral("batch needs -o DIR or --combined FILE.pdf"));
    }
    // The schedule would be lost under what the run writes.
    switch (ExportOverwritesSchedule(schedule, combined, folder)) {
        case ScheduleOverwrite::FolderSummary:
            return UsageError(io, QStringLiteral("the schedule %1 is a summary that batch "
                                                 "writes into %2; choose another folder")
                                      .arg(schedule, folder));
        case ScheduleOverwrite::CombinedPdf:
            return UsageError(io,
                              QStringLiteral("the schedule %1 is the --combined file; name another")
                                  .arg(schedule));
        case ScheduleOverwrite::None:
            break;
    }
    return RunBatch(schedule, parser.value(QStringLiteral("sheet")), folder, combined, io);
}
