#include "data/system_names.h"

#include <algorithm>
#include <vector>

#include "data/system_catalogue.h"
#include "data/table_fields.h"

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

// A header's names by kind: 0 the header, 1 its first field, 2 the certificate's name; all
// trimmed, as views into the header or its display name.
QStringView NameOfKind(const QString& header, const QString& displayName, int kind) {
    switch (kind) {
        case 0:
            return QStringView(header).trimmed();
        case 1:
            return CsvFieldView(header, 0).trimmed();
        default:
            return QStringView(displayName).trimmed();
    }
}

}  // namespace

SystemMatch FindSystem(const QStringList& headers, const QString& name) {
    QStringList names;
    for (const QString& header : headers) {
        names << SystemDisplayName(header);
    }
    return FindSystem(headers, names, name);
}

QString FindProfileCode(const QStringList& offered, const QString& code) {
    if (offered.contains(code)) {
        return code;
    }
    QString found;
    for (const QString& candidate : offered) {
        if (candidate.compare(code, Qt::CaseInsensitive) == 0) {
            if (!found.isEmpty() && found != candidate) {
                return {};
            }
            found = candidate;
        }
    }
    return found;
}

SystemMatch FindSystem(const QStringList& headers, const QStringList& names, const QString& name) {
    const QStringView asked = QStringView(name).trimmed();
    for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (int kind = 0; kind < 3; ++kind) {
            int first = -1;
            for (qsizetype i = 0; i < headers.size(); ++i) {
                if (NameOfKind(headers[i], names[i], kind).compare(asked, sensitivity) != 0) {
                    continue;
                }
                if (first < 0) {
                    first = static_cast<int>(i);
                } else if (headers[i] != headers[first]) {
                    return {{},
                            -1,
                            QStringLiteral("the system name %1 fits both %2 and %3")
                                .arg(Quoted(name), Quoted(headers[first]), Quoted(headers[i]))};
                }
            }
            if (first >= 0) {
                return {headers[first], first, {}};
            }
        }
    }
    return {
        {}, -1, WithNearestNames(QStringLiteral("unknown system ") + Quoted(name), name, names)};
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
