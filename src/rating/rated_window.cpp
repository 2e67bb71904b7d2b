#include "rating/rated_window.h"

#include "data/data_check.h"
#include "data/system_catalogue.h"
#include "data/system_names.h"

namespace {

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Why no ratings column applies, for a rating whose column is -1: the first weight that counts
// and is missing or unusable.
QString NoColumnReason(const FoundWeightLines& found, const RatedWindow& w) {
    const struct {
        const char* role;
        const QString& code;
        int line;
        const QString& weight;
        bool counts;
    } profiles[] = {
        {"outer frame", w.outerFrame, found.outerFrameLine, found.texts.outerFrame, true},
        {"vent frame", w.ventFrame, found.ventFrameLine, found.texts.ventFrame, !w.commercial},
        {"transom/mullion", w.transomMullion, found.transomMullionLine, found.texts.transomMullion,
         !w.commercial},
    };
    for (const auto& profile : profiles) {
        const QString problem = WeightProblemOfLine(profile.code, profile.line, profile.weight);
        if (profile.counts && !problem.isEmpty()) {
            return QLatin1String(profile.role) + QStringLiteral(": ") + problem;
        }
    }
    return QStringLiteral("the profile weight is ") + FormatProfileWeight(w.rating.weight);
}

}  // namespace

std::optional<RatedWindow> RateRequest(const ProductTables& tables, const WindowRequest& request,
                                       QString* error) {
    const SystemMatch system = FindSystem(tables.systemHeaders, request.system);
    if (system.header.isEmpty()) {
        *error = system.error;
        return std::nullopt;
    }

    RatedWindow w;
    w.systemHeader = system.header;
    w.systemName = SystemDisplayName(system.header);
    w.commercial = request.commercial;
    // The codes of the system's block, as the window's profile selectors offer them; the last
    // block of that header fills them, as it does in the window.
    int block = -1;
    for (int start : CompleteBlockStarts(tables.catalogueLines.size())) {
        if (tables.catalogueLines[start] == system.header) {
            block = start;
        }
    }
    const struct {
        const char* name;
        const std::optional<QString>& asked;
        QString* chosen;
    } profiles[3] = {{"outer frame", request.outerFrame, &w.outerFrame},
                     {"vent frame", request.ventFrame, &w.ventFrame},
                     {"transom/mullion", request.transomMullion, &w.transomMullion}};
    for (int k = 0; k < 3; ++k) {
        const auto& slot = profiles[k];
        const QStringList offered =
            block < 0 ? QStringList() : OfferedProfileCodes(tables.catalogueLines[block + 1 + k]);
        if (!slot.asked) {
            *slot.chosen = offered.value(0);
            continue;
        }
        if (!offered.contains(*slot.asked)) {
            *error = WithNearestNames(Quoted(*slot.asked) + QStringLiteral(" is no ") +
                                          QLatin1String(slot.name) + QStringLiteral(" of ") +
                                          w.systemName,
                                      *slot.asked, offered);
            return std::nullopt;
        }
        *slot.chosen = *slot.asked;
    }

    const FoundWeightLines found =
        FindWeightLines(tables.weightsText, w.outerFrame, w.ventFrame, w.transomMullion);
    w.rating = RateWindow(found.texts, w.commercial);
    w.ratings = RatingsOfColumn(tables.breRatingLines, w.rating.column);
    if (w.rating.column <= 0) {
        w.noColumnReason = NoColumnReason(found, w);
    }
    return w;
}
