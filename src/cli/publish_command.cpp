#include "cli/publish_command.h"

#include <QDir>

#include "data/product_tables.h"
#include "data/publish_tables.h"
#include "platform/program_info.h"

int RunPublish(const QCommandLineParser& parser, CommandIo& io) {
    const QString folder = parser.positionalArguments().value(0);
    const ProductTables tables = LoadProductTables(io.dataFolder);
    const PublishResult result =
        PublishTables(folder, {tables.weightsText, tables.catalogueText, tables.cuts},
                      StampOfNow(ProgramNameAndVersion()));
    if (!result.findings.empty()) {
        io.err << "greenguide: not published: the data check found " << result.findings.size()
               << (result.findings.size() == 1 ? " problem" : " problems") << Qt::endl;
        for (const DataFinding& finding : result.findings) {
            io.err << OneLine(FindingLine(finding)) << '\n';
        }
        io.err.flush();
        return kExitFindings;
    }
    if (!result.error.isEmpty()) {
        for (const QString& path : result.written) {
            io.err << "greenguide: written: " << OneLine(path) << '\n';
        }
        io.err << "greenguide: " << OneLine(result.error) << Qt::endl;
        return kExitFailed;
    }
    for (const TableVersion& version : result.versions) {
        io.out << "published " << QDir::toNativeSeparators(version.path) << ' '
               << version.ShortHash() << '\n';
    }
    io.out.flush();
    return kExitDone;
}
