#include "cli/command_runners.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "data/product_tables.h"
#include "data/system_catalogue.h"

// The systems as the selector lists them, each with the codes its profile selectors offer.
int RunList(const QCommandLineParser& parser, CommandIo& io) {
    const ProductTables tables = LoadProductTables(io.dataFolder);
    QJsonArray systems;
    for (qsizetype i = 0; i < tables.systemHeaders.size(); ++i) {
        const QString& header = tables.systemHeaders[i];
        const SystemCodes codes = SystemCodesOf(tables.catalogueLines, header);
        if (parser.isSet(QStringLiteral("json"))) {
            QJsonObject system;
            system.insert(QStringLiteral("header"), header);
            system.insert(QStringLiteral("name"), tables.systemNames[i].trimmed());
            system.insert(QStringLiteral("outerFrames"),
                          QJsonArray::fromStringList(codes.outerFrames));
            system.insert(QStringLiteral("ventFrames"),
                          QJsonArray::fromStringList(codes.ventFrames));
            system.insert(QStringLiteral("transomMullions"),
                          QJsonArray::fromStringList(codes.transomMullions));
            systems.append(system);
            continue;
        }
        io.out << header << '\n'
               << "  outer frames:      " << codes.outerFrames.join(QStringLiteral(", ")) << '\n'
               << "  vent frames:       " << codes.ventFrames.join(QStringLiteral(", ")) << '\n'
               << "  transoms/mullions: " << codes.transomMullions.join(QStringLiteral(", "))
               << '\n';
    }
    if (parser.isSet(QStringLiteral("json"))) {
        io.out << QJsonDocument(systems).toJson(QJsonDocument::Indented);
    }
    io.out.flush();
    return kExitDone;
}
