// The weights lookup and the rating: a weights table and a window request from the input, rated
// over the built-in catalogue and BRE ratings table as the window, the schedule and the command
// line rate.
#include "data/builtin_tables.h"
#include "data/product_tables.h"
#include "data/table_fields.h"
#include "fuzz_input.h"
#include "rating/rated_window.h"
#include "rating/rating.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList parts = PartsOf(data, size, 5);
    const QString& weights = parts[0];
    const FoundWeightLines found = FindWeightLines(weights, parts[2], parts[3], parts[4]);
    const QStringList lines = LinesOfText(weights);
    if (found.outerFrameLine >= lines.size() || found.ventFrameLine >= lines.size() ||
        found.transomMullionLine >= lines.size()) {
        __builtin_trap();  // a found line is a line of the table
    }
    for (const bool commercial : {true, false}) {
        const WindowRating rating = RateWindow(found.texts, commercial);
        if (rating.column != -1 && (rating.column < 1 || rating.column > kMaxRatingsColumn)) {
            __builtin_trap();
        }
    }

    const ProductTables tables = ProductTablesOf(weights, BuiltInSystemCatalogue(),
                                                 BuiltInBreRatingsTable(), BuiltInProductList());
    WindowRequest request;
    request.system = parts[1].isEmpty() ? tables.systemHeaders.value(0) : parts[1];
    if (!parts[2].isEmpty()) {
        request.outerFrame = parts[2];
    }
    request.commercial = size % 2 == 0;
    QString error;
    RateRequest(tables, request, &error);
    return 0;
}
