#include "data/product_tables.h"

#include "data/builtin_tables.h"
#include "data/data_files.h"
#include "data/data_folder.h"
#include "data/system_catalogue.h"
#include "data/table_text.h"

namespace {

QString TableText(const QString& folder, const QString& fileName, const QString& builtIn,
                  TextCut* cut, TableSource* source) {
    const QString path = folder.isEmpty()
                             ? DataFilePath(ProgramFolder(), fileName, DataFileUse::Read)
                             : folder + fileName;
    if (!DataFileToRead(path)) {
        return builtIn;
    }
    source->path = path;
    return ReadTableFile(path, cut);
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
    const QString weights =
        TableText(folder, kWeightsFileName, BuiltInWeightsTable(), &cuts.weights, &weightsSource);
    const QString catalogue = TableText(folder, kSystemFileName, BuiltInSystemCatalogue(),
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
