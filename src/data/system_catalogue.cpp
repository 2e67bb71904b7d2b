#include "data/system_catalogue.h"

#include "data/table_fields.h"

std::vector<int> CompleteBlockStarts(int lineCount) {
    std::vector<int> starts;
    for (int i = 0; i + 4 < lineCount; i += 5) {
        starts.push_back(i);
    }
    return starts;
}

bool VariantSystemsOffered(const QString& productListText) {
    return productListText.contains(QStringLiteral("QMT55"));
}

QStringList SystemSelectorEntries(const QStringList& catalogueLines, bool variantsOffered) {
    QStringList entries;
    for (int i : CompleteBlockStarts(catalogueLines.size())) {
        const QString& header = catalogueLines[i];
        if (header.contains(QStringLiteral("Vantrel")) && !variantsOffered) {
            continue;
        }
        entries << header;
    }
    return entries;
}

QStringList CodeLinePieces(const QString& line) {
    return line.split(QLatin1Char(','));
}

QStringList OfferedProfileCodes(const QString& line) {
    QStringList codes;
    for (const QString& piece : CodeLinePieces(line)) {
        if (!piece.endsWith(QLatin1Char('F'))) {
            codes << piece;
        }
    }
    return codes;
}

QString SystemDisplayName(const QString& selectorText) {
    QString name = TrimSpacesAndControls(CsvField(selectorText, 0));
    const qsizetype bracket = name.indexOf(QLatin1Char('('));
    if (bracket >= 0) {
        name.truncate(bracket);
    }
    return name;
}

SystemCodes SystemCodesOf(const QStringList& catalogueLines, const QString& header) {
    return FindSystemCodes(catalogueLines, header).value_or(SystemCodes());
}

std::optional<SystemCodes> FindSystemCodes(const QStringList& catalogueLines,
                                           const QString& header) {
    // The last block with that header counts.
    const std::vector<int> starts = CompleteBlockStarts(static_cast<int>(catalogueLines.size()));
    for (auto start = starts.rbegin(); start != starts.rend(); ++start) {
        if (catalogueLines[*start] == header) {
            return SystemCodes{OfferedProfileCodes(catalogueLines[*start + 1]),
                               OfferedProfileCodes(catalogueLines[*start + 2]),
                               OfferedProfileCodes(catalogueLines[*start + 3])};
        }
    }
    return std::nullopt;
}
