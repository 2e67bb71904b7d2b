#include "data/product_tables.h"

#include "data/builtin_tables.h"
#include "data/data_files.h"
#include "data/data_folder.h"
#include "data/shared_folder.h"
#include "data/system_catalogue.h"
#include "data/table_fields.h"

namespace {

QString FileOrBuiltInText(const QString& folder, const QString& fileName, const QString& builtIn,
                          TextCut* cut, TableSource* source) {
    // The window's order, or the one folder asked for.
    std::vector<DataFileChoice> candidates = {{folder + fileName, DataOrigin::Program}};
    if (folder.isEmpty()) {
        candidates = DataFileCandidates(
            DataFoldersOf(ProgramFolder(), SharedDataFolder(SiteConfigFile())), fileName);
    }
    for (const DataFileChoice& candidate : candidates) {
        if (DataFileToRead(candidate.path)) {
            source->path = candidate.path;
            return ReadTableFile(candidate.path, cut);
        }
    }
    return builtIn;
}

}  // namespace

ProductTables ProductTablesOf(const QString& weightsText, const QString& catalogueText,
                              const QString& breRatingsText, const QString& productListText) {
    ProductTables tables;
    tables.weightsText = weightsText;
    tables.catalogueText = catalogueText;
    tables.catalogueLines = LinesOfText(catalogueText);
    tables.breRatingLines = LinesOfText(breRatingsText);
    tables.systemHeaders =
        SystemSelectorEntries(tables.catalogueLines, VariantSystemsOffered(productListText));
    for (const QString& header : tables.systemHeaders) {
        tables.systemNames << SystemDisplayName(header);
    }
    return tables;
}

ProductTables LoadProductTables(const QString& folder) {
    TableCuts cuts;
    TableSource weightsSource, catalogueSource;
    const QString weights = FileOrBuiltInText(folder, kWeightsFileName, BuiltInWeightsTable(),
                                              &cuts.weights, &weightsSource);
    const QString catalogue = FileOrBuiltInText(folder, kSystemFileName, BuiltInSystemCatalogue(),
                                                &cuts.catalogue, &catalogueSource);
    ProductTables tables =
        ProductTablesOf(weights, catalogue, BuiltInBreRatingsTable(), BuiltInProductList());
    tables.cuts = cuts;
    tables.weightsSource = weightsSource;
    tables.catalogueSource = catalogueSource;
    return tables;
}

std::vector<TableVersion> DataVersionOf(const ProductTables& tables) {
    return {TableVersionOf(kWeightsFileName, tables.weightsSource, tables.weightsText),
            TableVersionOf(kSystemFileName, tables.catalogueSource, tables.catalogueText)};
}
