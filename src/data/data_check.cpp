#include "data/data_check.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <limits>

#include "data/catalogue_shift.h"
#include "data/data_files.h"
#include "data/system_catalogue.h"
#include "data/table_fields.h"

namespace {

const QString kWeightsHeading = QStringLiteral("Profile,Area");
constexpr int kBlockLines = 5;
constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
// The heaviest profile weight that is taken as meant, in kg/m; the built-in profiles weigh at
// most about 2.3.
constexpr double kHeaviestProfile = 10;
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

// Two lines give one weight when their texts read as one number, or, not being numbers, are
// the same text (both count as 0 in the lookup, but they are told apart for the reader).
bool SameWeight(const QStringList& lines, const std::vector<double>& weights, int a, int b) {
    if (std::isnan(weights[a]) || std::isnan(weights[b])) {
        return std::isnan(weights[a]) && std::isnan(weights[b]) &&
               CsvFieldView(lines[a], 1) == CsvFieldView(lines[b], 1);
    }
    return weights[a] == weights[b];
}

QString WeightShown(const QString& line, double weight) {
    const QString text = CsvField(line, 1);
    return std::isnan(weight) ? Quoted(text) : text;
}

// "PRF314 has two weights: 1.2 on line 3 and 1.3867 on line 43; line 43 counts": the last line
// counts, as in the weights lookup. Empty when the code's lines give one weight.
QString SeveralWeightsText(const QString& code, const QStringList& lines,
                           const std::vector<double>& weights, const QList<int>& ofCode) {
    QList<QList<int>> groups;
    for (int i : ofCode) {
        auto group = std::find_if(groups.begin(), groups.end(), [&](const QList<int>& g) {
            return SameWeight(lines, weights, g.first(), i);
        });
        if (group == groups.end()) {
            groups.append(QList<int>{i});
        } else {
            group->append(i);
        }
    }
    if (groups.size() < 2) {
        return {};
    }
    QStringList parts;
    bool severalLines = false;
    for (const QList<int>& group : groups) {
        parts << WeightShown(lines[group.first()], weights[group.first()]) + QLatin1Char(' ') +
                     OnLines(group);
        severalLines = severalLines || group.size() > 1;
    }
    const QString last = parts.takeLast();
    const QString list =
        parts.join(QStringLiteral(", ")) + (severalLines ? ", and " : " and ") + last;
    return QStringLiteral("%1 has %2 weights: %3; line %4 counts")
        .arg(code, WeightsWord(static_cast<int>(groups.size())), list)
        .arg(ofCode.last() + 1);
}

// "1637": decimal digits only.
bool IsDigits(QStringView text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A weight that the lookup reads, but not as it was meant: typed with a decimal comma
// ("PRF120,1,1637" reads 1), a number after the weight that is never read, or a weight no
// aluminium profile has. Empty when the weight is plausible, or not a number (told apart).
QString WeightSlipText(const QString& line, double weight) {
    const bool furtherField = line.count(QLatin1Char(',')) >= 2;
    // Most lines: one weight, plausible; nothing to copy.
    if (std::isnan(weight) || (!furtherField && weight > 0 && weight <= kHeaviestProfile)) {
        return {};
    }
    const QString code = CsvField(line, 0);
    const QString read = TrimSpacesAndControls(CsvField(line, 1));
    if (furtherField) {
        const QString next = TrimSpacesAndControls(CsvField(line, 2));
        if (!std::isnan(TextToNumber(next, kNotANumber))) {
            if (IsWholeNumber(read) && IsDigits(next)) {
                return QStringLiteral(
                           "%1 reads %2; did you mean %2.%3? a comma is the field "
                           "separator")
                    .arg(code, read, next);
            }
            return QStringLiteral(
                       "%1 reads %2; the number %3 after the next comma is not read: "
                       "a comma is the field separator")
                .arg(code, read, next);
        }
    }
    if (weight <= 0) {
        return QStringLiteral("%1 weighs %2 kg/m; a weight must be more than 0").arg(code, read);
    }
    if (weight > kHeaviestProfile) {
        return QStringLiteral(
                   "%1 weighs %2 kg/m, more than an aluminium profile weighs (at most "
                   "%3 kg/m)")
            .arg(code, read)
            .arg(kHeaviestProfile);
    }
    return {};
}

void CheckWeights(const QStringList& lines, std::vector<DataFinding>& findings) {
    // One pass: each line's weight and code, each code's last line and how many lines it has.
    // A long table has mostly codes of one line, which need nothing more.
    const int count = static_cast<int>(lines.size());
    std::vector<double> weights(count, 0.0);
    std::vector<int> codeOfLine(count, -1);
    QHash<QString, int> codeIndex;
    std::vector<int> lastLine, lineCount;
    for (int i = 0; i < count; ++i) {
        if (!IsWeightLine(lines, i)) {
            continue;
        }
        weights[i] = WeightOf(lines[i]);
        const auto found = codeIndex.constFind(CsvFieldView(lines[i], 0).toString());
        const int code = found != codeIndex.constEnd()
                             ? *found
                             : *codeIndex.insert(CsvField(lines[i], 0), int(lastLine.size()));
        if (code == int(lastLine.size())) {
            lastLine.push_back(i);
            lineCount.push_back(0);
        }
        codeOfLine[i] = code;
        lastLine[code] = i;
        ++lineCount[code];
    }
    QHash<int, QList<int>> linesOfRepeatedCode;
    for (int i = 0; i < count; ++i) {
        const int code = codeOfLine[i];
        if (code < 0) {
            continue;
        }
        if (lineCount[code] > 1) {
            linesOfRepeatedCode[code].append(i);
        }
        if (const QString slip = WeightSlipText(lines[i], weights[i]); !slip.isEmpty()) {
            findings.push_back({kWeightsFileName, i + 1, slip});
        }
        if (std::isnan(weights[i])) {
            const QString name = CsvField(lines[i], 0);
            const QString text =
                lines[i].contains(QLatin1Char(','))
                    ? QStringLiteral("%1 has the weight %2, which is not a number")
                          .arg(name, Quoted(CsvField(lines[i], 1)))
                    : QStringLiteral("%1 has no weight: the line has no comma").arg(name);
            const QString counts =
                i == lastLine[code] ? QStringLiteral("; it counts as 0") : QString();
            findings.push_back({kWeightsFileName, i + 1, text + counts});
        }
    }
    for (auto it = linesOfRepeatedCode.cbegin(); it != linesOfRepeatedCode.cend(); ++it) {
        const QString text =
            SeveralWeightsText(CsvField(lines[it->first()], 0), lines, weights, *it);
        if (!text.isEmpty()) {
            findings.push_back({kWeightsFileName, it->last() + 1, text});
        }
    }
}

void CheckCatalogue(const QStringList& lines, const QStringList& weightsLines,
                    std::vector<DataFinding>& findings) {
    QHash<QString, bool> weighed;
    for (int i = 0; i < weightsLines.size(); ++i) {
        weighed.insert(CsvField(weightsLines[i], 0), true);
    }
    // After a slip, every block is read from the wrong lines: only the slip is told.
    const std::optional<CatalogueShift> shift = FindCatalogueShift(lines, weighed);
    if (shift) {
        findings.push_back({kSystemFileName, shift->line, shift->text});
    }
    QStringList headers;  // in the order of their first blocks
    QHash<QString, QList<int>> blocksOfHeader;
    const std::vector<int> starts = CompleteBlockStarts(static_cast<int>(lines.size()));
    for (int start : starts) {
        if (shift && start >= shift->shiftedFrom) {
            break;
        }
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
    for (int i = rest; i < lines.size() && !shift; ++i) {
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
