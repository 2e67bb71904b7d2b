#include "data/system_names.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "data/system_catalogue.h"
#include "data/table_text.h"

namespace {

constexpr int kMostNearestNames = 3;

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

// The three ways of naming a system, in order of precedence.
const std::function<QString(const QString&)> kNamings[] = {
    [](const QString& header) { return header.trimmed(); },
    [](const QString& header) { return CsvField(header, 0).trimmed(); },
    [](const QString& header) { return SystemDisplayName(header).trimmed(); },
};

}  // namespace

SystemMatch FindSystem(const QStringList& headers, const QString& name) {
    const QString asked = name.trimmed();
    for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (const auto& naming : kNamings) {
            QStringList fitting;
            for (const QString& header : headers) {
                if (!fitting.contains(header) && naming(header).compare(asked, sensitivity) == 0) {
                    fitting << header;
                }
            }
            if (fitting.size() == 1) {
                return {fitting.constFirst(), {}};
            }
            if (fitting.size() > 1) {
                return {{},
                        QStringLiteral("the system name %1 fits both %2 and %3")
                            .arg(Quoted(name), Quoted(fitting[0]), Quoted(fitting[1]))};
            }
        }
    }
    QStringList names;
    for (const QString& header : headers) {
        names << SystemDisplayName(header);
    }
    return {{}, WithNearestNames(QStringLiteral("unknown system ") + Quoted(name), name, names)};
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

QString WithNearestNames(const QString& message, const QString& text,
                         const QStringList& candidates) {
    const QStringList nearest = NearestNames(text, candidates);
    if (nearest.isEmpty()) {
        return message;
    }
    return message + QStringLiteral("; nearest: ") + nearest.join(QStringLiteral(", "));
}
