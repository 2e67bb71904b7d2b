// Reading a window schedule as people write them: any bytes as a schedule file, its records, and
// the schedule written out and read again.
#include "fuzz_input.h"
#include "schedule/csv_text.h"
#include "schedule/schedule.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = BytesOf(data, size);
    const QString text = ScheduleText(bytes);
    CsvRecords(text, SeparatorOfHeader(text));
    const ScheduleReading reading = ReadScheduleBytes(bytes);
    if (reading.schedule) {
        const ScheduleReading again = ReadScheduleBytes(ScheduleFileBytes(*reading.schedule));
        if (!again.schedule || again.schedule->RowCount() != reading.schedule->RowCount()) {
            __builtin_trap();  // a schedule written out reads back with all its rows
        }
    }
    return 0;
}
