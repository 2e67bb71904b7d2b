#include "rating/no_column_reason.h"

#include "data/data_check.h"

std::array<QString, 3> WeightProblemsOf(const FoundWeightLines& found, const QString& outerFrame,
                                        const QString& ventFrame, const QString& transomMullion) {
    return {
        WeightProblemOfLine(outerFrame, found.outerFrameLine, found.texts.outerFrame),
        WeightProblemOfLine(ventFrame, found.ventFrameLine, found.texts.ventFrame),
        WeightProblemOfLine(transomMullion, found.transomMullionLine, found.texts.transomMullion)};
}

QString NoColumnReason(const std::array<QString, 3>& problems, bool commercial, double weight) {
    static const char* const kRoles[] = {"outer frame", "vent frame", "transom/mullion"};
    // Commercial buildings are rated by the outer frame alone.
    const std::size_t counted = commercial ? 1 : 3;
    for (std::size_t k = 0; k < counted; ++k) {
        if (!problems[k].isEmpty()) {
            return QLatin1String(kRoles[k]) + QStringLiteral(": ") + problems[k];
        }
    }
    return QStringLiteral("the profile weight is ") + FormatProfileWeight(weight);
}
