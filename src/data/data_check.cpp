#include "data/data_check.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <limits>

#include "data/data_files.h"
#include "data/system_catalogue.h"
#include "data/table_text.h"

namespace {

const QString kWeightsHeading = QStringLiteral("Profile,Area");
constexpr int kBlockLines = 5;
constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
const char* const kProfileKinds[] = {"outer frame", "vent frame", "transom/mullion"};

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

QString CountWord(int count) {
    static const char* const words[] = {"", "once", "twice", "three times", "four times"};
    return count < 5 ? QLatin1String(words[count]) : QStringLiteral("%1 times").arg(count);
}

QString WeightsWord(int count) {
    static const char* const words[] = {"", "one", "two", "three", "four"};
    return count < 5 ? QLatin1String(words[count]) : QString::number(count);
}

// "3", "3 and 43", "3, 9 and 43": line numbers from 1.
QString ListOfLines(const QList<int>& lines) {
    QStringList numbers;
    for (int line : lines) {
        numbers << QString::number(line + 1);
    }
    const QString last = numbers.takeLast();
    return numbers.isEmpty() ? last : numbers.join(QStringLiteral(", ")) + " and " + last;
}

QString OnLines(const QList<int>& lines) {
    return (lines.size() == 1 ? QStringLiteral("on line ") : QStringLiteral("on lines ")) +
           ListOfLines(lines);
}

// How a weight reads for the lookup: lines whose texts read as one number have one weight.
QString WeightKey(const QString& line) {
    const double weight = WeightOf(line);
    return std::isnan(weight) ? QStringLiteral("t") + CsvField(line, 1)
                              : QStringLiteral("n") + QString::number(weight, 'g', 17);
}

QString WeightShown(const QString& line) {
    const QString text = CsvField(line, 1);
    return std::isnan(WeightOf(line)) ? Quoted(text) : text;
}

// "PRF314 has two weights: 1.2 on line 3 and 1.3867 on line 43; line 43 counts": the last line
// counts, as in the weights lookup.
QString TwoWeightsText(const QString& code, const QStringList& lines, const QList<int>& ofCode) {
    QStringList keys;
    QList<QList<int>> groups;
    for (int i : ofCode) {
        const qsizetype k = keys.indexOf(WeightKey(lines[i]));
        if (k < 0) {
            keys << WeightKey(lines[i]);
            groups.append(QList<int>{i});
        } else {
            groups[k].append(i);
        }
    }
    if (groups.size() < 2) {
        return {};
    }
    QStringList parts;
    bool severalLines = false;
    for (const QList<int>& group : groups) {
        parts << WeightShown(lines[group.first()]) + QLatin1Char(' ') + OnLines(group);
        severalLines = severalLines || group.size() > 1;
    }
    const QString last = parts.takeLast();
    const QString list =
        parts.join(QStringLiteral(", ")) + (severalLines ? ", and " : " and ") + last;
    return QStringLiteral("%1 has %2 weights: %3; line %4 counts")
        .arg(code, WeightsWord(static_cast<int>(groups.size())), list)
        .arg(ofCode.last() + 1);
}

void CheckWeights(const QStringList& lines, std::vector<DataFinding>& findings) {
    QStringList codes;  // in the order of their first lines
    QHash<QString, QList<int>> linesOfCode;
    for (int i = 0; i < lines.size(); ++i) {
        if (IsWeightLine(lines, i)) {
            const QString code = CsvField(lines[i], 0);
            if (!linesOfCode.contains(code)) {
                codes << code;
            }
            linesOfCode[code].append(i);
        }
    }
    for (const QString& code : codes) {
        const QList<int>& ofCode = linesOfCode[code];
        for (int i : ofCode) {
            if (!std::isnan(WeightOf(lines[i]))) {
                continue;
            }
            const QString counts = i == ofCode.last() ? QStringLiteral("; it counts as 0") : "";
            const QString text =
                lines[i].contains(QLatin1Char(','))
                    ? QStringLiteral("%1 has the weight %2, which is not a number")
                          .arg(code, Quoted(CsvField(lines[i], 1)))
                    : QStringLiteral("%1 has no weight: the line has no comma").arg(code);
            findings.push_back({kWeightsFileName, i + 1, text + counts});
        }
        const QString twoWeights = TwoWeightsText(code, lines, ofCode);
        if (!twoWeights.isEmpty()) {
            findings.push_back({kWeightsFileName, ofCode.last() + 1, twoWeights});
        }
    }
}

void CheckCatalogue(const QStringList& lines, const QStringList& weightsLines,
                    std::vector<DataFinding>& findings) {
    QHash<QString, bool> weighed;
    for (int i = 0; i < weightsLines.size(); ++i) {
        weighed.insert(CsvField(weightsLines[i], 0), true);
    }
    QStringList headers;  // in the order of their first blocks
    QHash<QString, QList<int>> blocksOfHeader;
    const std::vector<int> starts = CompleteBlockStarts(static_cast<int>(lines.size()));
    for (int start : starts) {
        const QString& header = lines[start];
        if (!blocksOfHeader.contains(header)) {
            headers << header;
        }
        blocksOfHeader[header].append(start);
        for (int k = 0; k < 3; ++k) {
            for (const QString& code : OfferedProfileCodes(lines[start + 1 + k])) {
                if (code.isEmpty() || weighed.contains(code)) {
                    continue;
                }
                // Commercial rates by the outer frame alone, Domestic by all three.
                const QString window =
                    k == 0 ? QStringLiteral("a window") : QStringLiteral("a Domestic window");
                findings.push_back({kSystemFileName, start + k + 2,
                                    QStringLiteral("%1 offers the %2 %3, which has no line in "
                                                   "%4, so %5 with it has no rating")
                                        .arg(CsvField(header, 0), QLatin1String(kProfileKinds[k]),
                                             code, kWeightsFileName, window)});
            }
        }
    }
    // The selector lists each copy, and every copy offers the profiles of the last block.
    for (const QString& header : headers) {
        const QList<int>& blocks = blocksOfHeader[header];
        if (blocks.size() > 1) {
            findings.push_back({kSystemFileName, blocks.last() + 1,
                                QStringLiteral("the system %1 is listed %2, %3; each entry "
                                               "offers the profiles on lines %4 to %5")
                                    .arg(Quoted(header), CountWord(static_cast<int>(blocks.size())),
                                         OnLines(blocks))
                                    .arg(blocks.last() + 2)
                                    .arg(blocks.last() + 4)});
        }
    }
    // A remainder shorter than a block is not offered; an empty last line is no fault.
    const int rest = starts.empty() ? 0 : starts.back() + kBlockLines;
    for (int i = rest; i < lines.size(); ++i) {
        if (!lines[i].isEmpty()) {
            const QString name =
                lines[rest].isEmpty()
                    ? QStringLiteral("the last system")
                    : QStringLiteral("the last system, %1,").arg(Quoted(lines[rest]));
            findings.push_back({kSystemFileName, rest + 1,
                                QStringLiteral("%1 has only %2 of its %3 lines, so it is not "
                                               "offered")
                                    .arg(name)
                                    .arg(lines.size() - rest)
                                    .arg(kBlockLines)});
            break;
        }
    }
}

// The finding of a file whose text a zero byte cut short, when anything was left unread.
void CheckCut(const QString& fileName, const TextCut& cut, std::vector<DataFinding>& findings) {
    if (cut.line > 0 && cut.linesNotRead > 0) {
        findings.push_back(
            {fileName, cut.line,
             QStringLiteral("the text after a zero byte is not read: %1 %2")
                 .arg(cut.linesNotRead)
                 .arg(cut.linesNotRead == 1 ? QStringLiteral("line") : QStringLiteral("lines"))});
    }
}

void SortByLine(std::vector<DataFinding>& findings, std::size_t from) {
    std::stable_sort(findings.begin() + static_cast<std::ptrdiff_t>(from), findings.end(),
                     [](const DataFinding& a, const DataFinding& b) { return a.line < b.line; });
}

}  // namespace

std::vector<DataFinding> CheckDataTables(const QStringList& weightsLines,
                                         const QStringList& catalogueLines, const TableCuts& cuts) {
    std::vector<DataFinding> findings;
    CheckWeights(weightsLines, findings);
    CheckCut(kWeightsFileName, cuts.weights, findings);
    SortByLine(findings, 0);
    const std::size_t catalogueFrom = findings.size();
    CheckCatalogue(catalogueLines, weightsLines, findings);
    CheckCut(kSystemFileName, cuts.catalogue, findings);
    SortByLine(findings, catalogueFrom);
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
