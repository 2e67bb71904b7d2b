// Table text and data-file decoding: the bytes of a data file decoded as the program reads it,
// split into lines and fields, the fields read as numbers, and written back.
#include "data/data_files.h"
#include "data/table_fields.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = TableTextOfFileBytes(BytesOf(data, size));
    const QStringList lines = LinesOfText(text);
    for (const QString& line : lines.mid(0, 64)) {
        for (int n = 0; n < 4; ++n) {
            const QString field = CsvField(line, n);
            if (CsvFieldView(line, n) != field) {
                __builtin_trap();  // the view and the copy are one rule
            }
            TextToNumber(field, 0.0);
            WholeNumberOr(field, -1);
            TrimSpacesAndControls(field);
        }
    }
    // Text written and read again keeps its lines.
    if (LinesOfText(TableTextOfFileBytes(FileBytesOfTableText(TextOfLines(lines)))).size() !=
        lines.size()) {
        __builtin_trap();
    }
    return 0;
}
