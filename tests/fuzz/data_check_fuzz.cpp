// The data check of the "Check" buttons and the check command: a weights table and a system
// catalogue from the input, every finding made into its line.
#include "data/data_check.h"
#include "data/table_fields.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList parts = PartsOf(data, size, 2);
    const QStringList weights = LinesOfText(parts[0]);
    const QStringList catalogue = LinesOfText(parts[1]);
    for (const DataFinding& finding : CheckDataTables(weights, catalogue)) {
        if (FindingLine(finding).isEmpty()) {
            __builtin_trap();
        }
    }
    return 0;
}
