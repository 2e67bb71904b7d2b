#include "data/product_tables.h"

#include "data/builtin_tables.h"
#include "data/data_files.h"
#include "data/data_folder.h"
#include "data/system_catalogue.h"
#include "data/table_text.h"

namespace {

QString TableText(const QString& folder, const QString& fileName, const QString& builtIn) {
    const QString path = folder.isEmpty()
                             ? DataFilePath(ProgramFolder(), fileName, DataFileUse::Read)
                             : folder + fileName;
    return DataFileToRead(path) ? ReadTableFile(path) : builtIn;
}

}  // namespace

ProductTables ProductTablesOf(const QString& weightsText, const QString& catalogueText,
                              const QString& breRatingsText, const QString& productListText) {
    ProductTables tables;
    tables.weightsText = weightsText;
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
    return ProductTablesOf(TableText(folder, kWeightsFileName, BuiltInWeightsTable()),
                           TableText(folder, kSystemFileName, BuiltInSystemCatalogue()),
                           BuiltInBreRatingsTable(), BuiltInProductList());
}
