#include "cli/rated_window.h"

#include <QJsonValue>

#include <algorithm>
#include <vector>

#include "data/builtin_tables.h"
#include "data/data_check.h"
#include "data/data_files.h"
#include "data/data_folder.h"
#include "data/system_catalogue.h"
#include "data/table_text.h"
#include "documents/certificate_record.h"

namespace {

constexpr int kMostNearestNames = 3;

QString TableText(const QString& folder, const QString& fileName, const QString& builtIn) {
    const QString path = folder.isEmpty()
                             ? DataFilePath(ProgramFolder(), fileName, DataFileUse::Read)
                             : folder + fileName;
    return DataFileExists(path) ? ReadTableFile(path) : builtIn;
}

// Levenshtein distance, letter case ignored.
qsizetype EditDistance(const QString& a, const QString& b) {
    const QString x = a.toCaseFolded();
    const QString y = b.toCaseFolded();
    std::vector<qsizetype> row(y.size() + 1);
    for (qsizetype j = 0; j <= y.size(); ++j) {
        row[j] = j;
    }
    for (qsizetype i = 1; i <= x.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const qsizetype above = row[j];
            row[j] =
                std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[y.size()];
}

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString WithNearest(const QString& message, const QString& text, const QStringList& candidates) {
    const QStringList nearest = NearestNames(text, candidates);
    if (nearest.isEmpty()) {
        return message;
    }
    return message + QStringLiteral("; nearest: ") + nearest.join(QStringLiteral(", "));
}

struct ProfileSlot {
    const char* name;
    const std::optional<QString>& asked;
    QString* chosen;
};

// Why no ratings column applies, for a rating whose column is -1: the first weight that counts
// and is missing or unusable, as the window's status line says it.
QString NoColumnReason(const QStringList& weightsLines, const RatedWindow& w) {
    const struct {
        const char* role;
        const QString& code;
        bool counts;
    } profiles[] = {
        {"outer frame", w.outerFrame, true},
        {"vent frame", w.ventFrame, !w.commercial},
        {"transom/mullion", w.transomMullion, !w.commercial},
    };
    for (const auto& profile : profiles) {
        const QString problem = WeightProblem(weightsLines, profile.code);
        if (profile.counts && !problem.isEmpty()) {
            return QLatin1String(profile.role) + QStringLiteral(": ") + problem;
        }
    }
    return QStringLiteral("the profile weight is ") + FormatProfileWeight(w.rating.weight);
}

}  // namespace

ProductTables LoadProductTables(const QString& folder) {
    ProductTables tables;
    tables.weightsLines = LinesOfText(TableText(folder, kWeightsFileName, BuiltInWeightsTable()));
    tables.catalogueLines =
        LinesOfText(TableText(folder, kSystemFileName, BuiltInSystemCatalogue()));
    tables.breRatingLines = LinesOfText(BuiltInBreRatingsTable());
    tables.systemHeaders =
        SystemSelectorEntries(tables.catalogueLines, VariantSystemsOffered(BuiltInProductList()));
    return tables;
}

QStringList NearestNames(const QString& text, const QStringList& candidates) {
    std::vector<std::pair<qsizetype, qsizetype>> ranked;  // distance, position
    QStringList seen;
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        if (!candidates[i].isEmpty() && !seen.contains(candidates[i])) {
            seen << candidates[i];
            ranked.emplace_back(EditDistance(text, candidates[i]), i);
        }
    }
    std::stable_sort(ranked.begin(), ranked.end());
    QStringList nearest;
    for (const auto& [distance, position] : ranked) {
        if (nearest.size() == kMostNearestNames) {
            break;
        }
        nearest << candidates[position];
    }
    return nearest;
}

std::optional<RatedWindow> RateRequest(const ProductTables& tables, const WindowRequest& request,
                                       QString* error) {
    // The system: its header as the selector lists it, else its name as the documents print it.
    QString header;
    QStringList names;
    for (const QString& entry : tables.systemHeaders) {
        names << SystemDisplayName(entry);
        if (header.isEmpty() && entry == request.system) {
            header = entry;
        }
    }
    for (qsizetype i = 0; header.isEmpty() && i < names.size(); ++i) {
        if (names[i] == request.system) {
            header = tables.systemHeaders[i];
        }
    }
    if (header.isEmpty()) {
        *error = WithNearest(QStringLiteral("unknown system ") + Quoted(request.system),
                             request.system, names);
        return std::nullopt;
    }

    RatedWindow w;
    w.systemHeader = header;
    w.systemName = SystemDisplayName(header);
    w.commercial = request.commercial;
    // The codes of the system's block, as the window's profile selectors offer them; the last
    // block of that header fills them, as it does in the window.
    QStringList offered[3];
    for (int start : CompleteBlockStarts(tables.catalogueLines.size())) {
        if (tables.catalogueLines[start] == header) {
            for (int k = 0; k < 3; ++k) {
                offered[k] = OfferedProfileCodes(tables.catalogueLines[start + 1 + k]);
            }
        }
    }
    const ProfileSlot profiles[3] = {
        {"outer frame", request.outerFrame, &w.outerFrame},
        {"vent frame", request.ventFrame, &w.ventFrame},
        {"transom/mullion", request.transomMullion, &w.transomMullion}};
    for (int k = 0; k < 3; ++k) {
        const ProfileSlot& slot = profiles[k];
        if (!slot.asked) {
            *slot.chosen = offered[k].value(0);
            continue;
        }
        if (!offered[k].contains(*slot.asked)) {
            *error =
                WithNearest(Quoted(*slot.asked) + QStringLiteral(" is no ") +
                                QLatin1String(slot.name) + QStringLiteral(" of ") + w.systemName,
                            *slot.asked, offered[k]);
            return std::nullopt;
        }
        *slot.chosen = *slot.asked;
    }

    w.rating =
        RateWindow(tables.weightsLines, w.outerFrame, w.ventFrame, w.transomMullion, w.commercial);
    w.ratings = RatingsOfColumn(tables.breRatingLines, w.rating.column);
    if (w.rating.column <= 0) {
        w.noColumnReason = NoColumnReason(tables.weightsLines, w);
    }
    return w;
}

QJsonObject RatingJson(const RatedWindow& w) {
    const bool rated = w.rating.column > 0;
    const auto orNull = [rated](const QString& text) {
        return rated ? QJsonValue(text) : QJsonValue(QJsonValue::Null);
    };
    QJsonObject ratings;
    for (const auto& [label, letter] : w.ratings.impacts) {
        ratings.insert(label, orNull(letter));
    }
    QJsonObject json;
    json.insert(QStringLiteral("system"), w.systemName);
    json.insert(QStringLiteral("outerFrame"), w.outerFrame);
    json.insert(QStringLiteral("ventFrame"), w.ventFrame);
    json.insert(QStringLiteral("transomMullion"), w.transomMullion);
    json.insert(QStringLiteral("building"),
                w.commercial ? QStringLiteral("Commercial") : QStringLiteral("Domestic"));
    // The weight as the window shows it, to the thousandth.
    json.insert(QStringLiteral("profileWeight"), FormatProfileWeight(w.rating.weight).toDouble());
    json.insert(QStringLiteral("column"), w.rating.column);
    json.insert(QStringLiteral("elementNumber"), orNull(w.ratings.elementNumber));
    json.insert(QStringLiteral("weightBand"), orNull(w.ratings.weightBand));
    json.insert(QStringLiteral("summaryRating"), orNull(w.ratings.summaryRating));
    json.insert(QStringLiteral("co2"), orNull(w.ratings.co2));
    json.insert(QStringLiteral("ratings"), ratings);
    return json;
}

QString RatingText(const RatedWindow& w) {
    const bool rated = w.rating.column > 0;
    const auto orFallBack = [rated](const QString& text, const QString& fallBack) {
        return rated ? text : fallBack;
    };
    const QString npd = QStringLiteral("npd");
    QList<std::pair<QString, QString>> rows = {
        {QStringLiteral("System"), w.systemName},
        {QStringLiteral("Outer frame"), w.outerFrame},
        {QStringLiteral("Vent frame"), w.ventFrame},
        {QStringLiteral("Transom/mullion"), w.transomMullion},
        {QStringLiteral("Building"),
         w.commercial ? QStringLiteral("Commercial") : QStringLiteral("Domestic")},
        {QStringLiteral("Profile weight"), FormatProfileWeight(w.rating.weight) + " kg/m"},
        {QStringLiteral("Ratings column"), QString::number(w.rating.column)},
        {QStringLiteral("Element number"), orFallBack(w.ratings.elementNumber, npd)},
        {QStringLiteral("Weight band"), orFallBack(w.ratings.weightBand, QStringLiteral("??"))},
        {QStringLiteral("Summary rating"),
         orFallBack(w.ratings.summaryRating, QStringLiteral("XXXXXXXX"))},
        {w.ratings.co2Label, orFallBack(w.ratings.co2, npd)},
    };
    for (const auto& [label, letter] : w.ratings.impacts) {
        rows.append({label, orFallBack(letter, npd)});
    }
    qsizetype width = 0;
    for (const auto& row : rows) {
        width = std::max(width, row.first.size());
    }
    QString text;
    for (const auto& [label, value] : rows) {
        text += (label + QLatin1Char(':')).leftJustified(width + 2) + value + QLatin1Char('\n');
    }
    return text;
}

CertificateData CertificateOfWindow(const ProductTables& tables, const RatedWindow& w,
                                    const QString& company, const QString& project,
                                    const QString& date) {
    CertificateInputs inputs;
    inputs.breRatingLines = tables.breRatingLines;
    inputs.ratingsColumn = w.rating.column;
    inputs.systemName = w.systemName;
    inputs.outerFrame = w.outerFrame;
    inputs.ventFrame = w.ventFrame;
    inputs.transomMullion = w.transomMullion;
    inputs.commercial = w.commercial;
    inputs.company = company;
    inputs.project = project;
    inputs.date = date;
    return CertificateDataOf(inputs);
}
