// Reading a workbook as a schedule: any bytes as an .xlsx file (the seeds are stored uncompressed
// as well, so that changes reach the XML), and a schedule read from one written as a workbook and
// read again.
#include "fuzz_input.h"
#include "schedule/workbook.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WorkbookReading which;
    which.keepOtherSheets = true;
    const ScheduleReading reading = ReadWorkbookSchedule(BytesOf(data, size), which);
    if (reading.schedule) {
        QString error;
        const QByteArray written = WorkbookBytes(ScheduleWorkbookSheets(*reading.schedule), &error);
        const ScheduleReading again = ReadWorkbookSchedule(written, which);
        if (!written.isEmpty() &&
            (!again.schedule || again.schedule->RowCount() != reading.schedule->RowCount())) {
            __builtin_trap();  // a schedule written as a workbook reads back with all its rows
        }
    }
    return 0;
}
