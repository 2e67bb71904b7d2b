#include "data/data_check.h"

#include <QHash>

#include <cmath>
#include <limits>

#include "data/data_files.h"
#include "data/system_catalogue.h"
#include "data/table_text.h"

namespace {

const QString kWeightsHeading = QStringLiteral("Profile,Area");
constexpr int kBlockLines = 5;
constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

// The weight of a weights line, or NaN when its text is not a number (the lookup reads it as 0).
double WeightOf(const QString& line) {
    return TextToNumber(CsvField(line, 1), kNotANumber);
}

bool IsWeightLine(const QStringList& lines, int index) {
    return !lines[index].isEmpty() && !(index == 0 && lines[index] == kWeightsHeading);
}

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void CheckWeights(const QStringList& lines, std::vector<DataFinding>& findings) {
    QHash<QString, int> firstLine;
    for (int i = 0; i < lines.size(); ++i) {
        if (!IsWeightLine(lines, i)) {
            continue;
        }
        const QString code = CsvField(lines[i], 0);
        const double weight = WeightOf(lines[i]);
        if (std::isnan(weight)) {
            findings.push_back(
                {kWeightsFileName, i + 1,
                 QStringLiteral("the weight %1 of %2 is not a number; it counts as 0")
                     .arg(Quoted(CsvField(lines[i], 1)), code)});
        }
        const auto earlier = firstLine.constFind(code);
        if (earlier == firstLine.constEnd()) {
            firstLine.insert(code, i);
            continue;
        }
        const double before = WeightOf(lines[*earlier]);
        const bool same = std::isnan(weight) || std::isnan(before)
                              ? CsvField(lines[i], 1) == CsvField(lines[*earlier], 1)
                              : weight == before;
        if (!same) {
            findings.push_back({kWeightsFileName, i + 1,
                                QStringLiteral("%1 weighs %2 here but %3 on line %4; this last "
                                               "line counts")
                                    .arg(code, CsvField(lines[i], 1), CsvField(lines[*earlier], 1))
                                    .arg(*earlier + 1)});
        }
    }
}

void CheckCatalogue(const QStringList& lines, const QStringList& weightsLines,
                    std::vector<DataFinding>& findings) {
    QHash<QString, bool> weighed;
    for (int i = 0; i < weightsLines.size(); ++i) {
        weighed.insert(CsvField(weightsLines[i], 0), true);
    }
    QHash<QString, int> headers;
    const std::vector<int> starts = CompleteBlockStarts(static_cast<int>(lines.size()));
    for (int start : starts) {
        const QString& header = lines[start];
        const auto earlier = headers.constFind(header);
        if (earlier != headers.constEnd()) {
            findings.push_back({kSystemFileName, start + 1,
                                QStringLiteral("the system %1 is listed again (first on line %2)")
                                    .arg(Quoted(header))
                                    .arg(*earlier + 1)});
        } else {
            headers.insert(header, start);
        }
        for (int k = 1; k <= 3; ++k) {
            for (const QString& code : OfferedProfileCodes(lines[start + k])) {
                if (!code.isEmpty() && !weighed.contains(code)) {
                    findings.push_back({kSystemFileName, start + k + 1,
                                        QStringLiteral("%1 of %2 has no line in %3")
                                            .arg(code, CsvField(header, 0), kWeightsFileName)});
                }
            }
        }
    }
    // A remainder shorter than a block is not offered; an empty last line is no fault.
    const int rest = starts.empty() ? 0 : starts.back() + kBlockLines;
    for (int i = rest; i < lines.size(); ++i) {
        if (!lines[i].isEmpty()) {
            findings.push_back(
                {kSystemFileName, rest + 1,
                 QStringLiteral("the last system block has %1 of its %2 lines; it is not offered")
                     .arg(lines.size() - rest)
                     .arg(kBlockLines)});
            break;
        }
    }
}

}  // namespace

std::vector<DataFinding> CheckDataTables(const QStringList& weightsLines,
                                         const QStringList& catalogueLines) {
    std::vector<DataFinding> findings;
    CheckWeights(weightsLines, findings);
    CheckCatalogue(catalogueLines, weightsLines, findings);
    return findings;
}

QString FindingLine(const DataFinding& finding) {
    return QStringLiteral("%1:%2: %3").arg(finding.fileName).arg(finding.line).arg(finding.text);
}

QString WeightProblemOfLine(const QString& code, int lastLine, const QString& weightText) {
    if (code.isEmpty()) {
        return QStringLiteral("no profile is chosen");
    }
    if (lastLine < 0) {
        return QStringLiteral("%1 has no line in %2").arg(code, kWeightsFileName);
    }
    const double weight = TextToNumber(weightText, kNotANumber);
    if (std::isnan(weight)) {
        return QStringLiteral("the weight %1 of %2 on line %3 of %4 is not a number")
            .arg(Quoted(weightText), code)
            .arg(lastLine + 1)
            .arg(kWeightsFileName);
    }
    if (weight <= 0) {
        return QStringLiteral("%1 weighs %2 kg/m on line %3 of %4")
            .arg(code, weightText)
            .arg(lastLine + 1)
            .arg(kWeightsFileName);
    }
    return {};
}
