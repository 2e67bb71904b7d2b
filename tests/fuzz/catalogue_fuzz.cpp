// The system catalogue and the selection: any catalogue text, its selector entries, each
// system's profile codes, and a name looked up among the systems as the command line and the
// schedule look it up.
#include "data/system_catalogue.h"
#include "data/system_names.h"
#include "data/table_fields.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList parts = PartsOf(data, size, 3);
    const QStringList lines = LinesOfText(parts[0]);
    const QStringList headers = SystemSelectorEntries(lines, VariantSystemsOffered(parts[1]));
    QStringList names;
    for (const QString& header : headers.mid(0, 32)) {
        names << SystemDisplayName(header);
        SystemCodesOf(lines, header);
    }
    for (const QString& line : lines.mid(0, 64)) {
        CodeLinePieces(line);
        OfferedProfileCodes(line);
    }
    const SystemMatch match = FindSystem(headers.mid(0, 32), names, parts[2]);
    if (match.index >= 0 && (match.index >= names.size() || match.header != headers[match.index])) {
        __builtin_trap();  // a match names one of the offered systems
    }
    return 0;
}
