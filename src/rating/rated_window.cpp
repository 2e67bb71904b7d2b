#include "rating/rated_window.h"

#include <algorithm>

#include "data/system_catalogue.h"
#include "data/system_names.h"
#include "rating/no_column_reason.h"

namespace {

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

}  // namespace

WindowRater::WindowRater(const ProductTables& tables)
    : tables_(tables), weights_(tables.weightsText) {
    for (const QString& header : tables.systemHeaders) {
        codes_ << SystemCodesOf(tables.catalogueLines, header);
    }
    for (int column = 0; column <= kMaxRatingsColumn; ++column) {
        columns_[column] = RatingsOfColumn(tables.breRatingLines, column);
    }
}

QString HeadroomTextOf(const RatedWindow& w) {
    return w.headroom ? HeadroomText(w.rating.weight, w.ratings.summaryRating, *w.headroom)
                      : QString();
}

std::optional<RatedWindow> RateRequest(const ProductTables& tables, const WindowRequest& request,
                                       QString* error) {
    return WindowRater(tables).Rate(request, error);
}

std::optional<RatedWindow> WindowRater::Rate(const WindowRequest& request, QString* error) const {
    const ProductTables& tables = tables_;
    const SystemMatch system = FindSystem(tables.systemHeaders, tables.systemNames, request.system);
    if (system.header.isEmpty()) {
        *error = system.error;
        return std::nullopt;
    }

    RatedWindow w;
    w.systemHeader = system.header;
    // As the certificate shows it: "Pelvanor 62 (Slim)" leaves "Pelvanor 62 " before its
    // bracket, whose space no text, JSON or summary should carry.
    w.systemName = tables.systemNames[system.index].trimmed();
    w.commercial = request.commercial;
    const SystemCodes& codes = codes_[system.index];
    const struct {
        const char* name;
        const std::optional<QString>& asked;
        QString* chosen;
        const QStringList& offered;
    } profiles[3] = {
        {"outer frame", request.outerFrame, &w.outerFrame, codes.outerFrames},
        {"vent frame", request.ventFrame, &w.ventFrame, codes.ventFrames},
        {"transom/mullion", request.transomMullion, &w.transomMullion, codes.transomMullions}};
    for (int k = 0; k < 3; ++k) {
        const auto& slot = profiles[k];
        const QStringList& offered = slot.offered;
        if (!slot.asked) {
            *slot.chosen = offered.value(0);
            continue;
        }
        const QString code = FindProfileCode(offered, *slot.asked);
        if (code.isEmpty()) {
            *error = WithNearestNames(Quoted(*slot.asked) + QStringLiteral(" is no ") +
                                          QLatin1String(slot.name) + QStringLiteral(" of ") +
                                          w.systemName,
                                      *slot.asked, offered);
            return std::nullopt;
        }
        *slot.chosen = code;
    }

    const FoundWeightLines found = weights_.Find(w.outerFrame, w.ventFrame, w.transomMullion);
    w.rating = RateWindow(found.texts, w.commercial);
    // Column -1 reads as column 0: every field the labels' (CsvField of n <= 0).
    w.ratings = columns_[std::clamp(w.rating.column, 0, kMaxRatingsColumn)];
    w.headroom = HeadroomOf(w.commercial, w.rating.weight, tables.breRatingLines);
    if (w.rating.column <= 0) {
        w.noColumnReason =
            NoColumnReason(WeightProblemsOf(found, w.outerFrame, w.ventFrame, w.transomMullion),
                           w.commercial, w.rating.weight);
    }
    return w;
}
