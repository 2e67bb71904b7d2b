#include "cli/command_runners.h"

#include "data/data_check.h"
#include "data/product_tables.h"
#include "data/table_fields.h"

// The data check of the tables as the window would read them: one finding a line.
int RunCheck(const QCommandLineParser&, CommandIo& io) {
    const ProductTables tables = LoadProductTables(io.dataFolder);
    const std::vector<DataFinding> findings =
        CheckDataTables(LinesOfText(tables.weightsText), tables.catalogueLines, tables.cuts);
    for (const DataFinding& finding : findings) {
        io.out << OneLine(FindingLine(finding)) << '\n';
    }
    io.out.flush();
    return findings.empty() ? kExitDone : kExitFindings;
}
