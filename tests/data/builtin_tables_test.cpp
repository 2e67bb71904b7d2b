// Shape of the built-in tables: line counts, code families, the block structure of the system
// catalogue, the weights that the catalogue relies on, and the exact ratings table.
#include "data/builtin_tables.h"
#include "data/table_fields.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringEncoder>

#include <algorithm>

namespace {

// A profile code: a letter prefix, digits, and at most one trailing letter.
const QRegularExpression kCodePattern(QStringLiteral("^([A-Z]+)[0-9]+[A-Z]?$"));

QString FamilyOf(const QString& code) {
    const QRegularExpressionMatch match = kCodePattern.match(code);
    return match.hasMatch() ? match.captured(1) : QString();
}

// The pieces of a code line, cut at every comma as the profile selectors cut them.
QStringList PiecesOf(const QString& line) {
    return line.split(QLatin1Char(','));
}

bool IsNotOffered(const QString& code) {
    return code.endsWith(QLatin1Char('F'));
}

struct SystemBlock {
    QString header;
    QStringList codeLines;  // outer frame, vent frame, transom/mullion
    QString fifthLine;
};

QList<SystemBlock> BlocksOf(const QStringList& lines) {
    QList<SystemBlock> blocks;
    for (int i = 0; i + 4 < lines.size(); i += 5) {
        blocks.append({lines[i], {lines[i + 1], lines[i + 2], lines[i + 3]}, lines[i + 4]});
    }
    return blocks;
}

// The weight of every code in the weights table; a later line overrides an earlier one, as in
// the rating lookup.
QMap<QString, QString> WeightTexts() {
    QMap<QString, QString> weights;
    for (const QString& line : LinesOfText(BuiltInWeightsTable())) {
        weights[CsvField(line, 0)] = CsvField(line, 1);
    }
    return weights;
}

}  // namespace

TEST(BuiltInTablesTest, EveryLineIsFollowedByALineBreak) {
    const struct {
        QString text;
        int lines;
    } tables[] = {{BuiltInWeightsTable(), 143},
                  {BuiltInSystemCatalogue(), 71},
                  {BuiltInBreRatingsTable(), 19},
                  {BuiltInProductList(), 14}};
    for (const auto& table : tables) {
        EXPECT_EQ(LinesOfText(table.text).size(), table.lines);
        EXPECT_EQ(table.text.count(QLatin1Char('\n')), table.lines);
        EXPECT_TRUE(table.text.endsWith(QLatin1Char('\n')));
        EXPECT_FALSE(table.text.contains(QLatin1Char('\r')));
    }
}

TEST(BuiltInWeightsTableTest, FamiliesCodesAndDuplicates) {
    const QStringList lines = LinesOfText(BuiltInWeightsTable());
    ASSERT_EQ(lines.size(), 143);
    EXPECT_EQ(lines[0], QStringLiteral("Profile,Area"));

    int emptyLines = 0;
    QStringList codeLines;
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) {
            ++emptyLines;
        } else {
            codeLines.append(lines[i]);
        }
    }
    EXPECT_EQ(emptyLines, 3);
    ASSERT_EQ(codeLines.size(), 139);

    QMap<QString, int> linesPerFamily;
    QMap<QString, int> linesPerCode;
    QMap<QString, int> timesPerLine;
    for (const QString& line : codeLines) {
        EXPECT_EQ(line.count(QLatin1Char(',')), 1) << line.toStdString();
        const QString code = CsvField(line, 0);
        const QString family = FamilyOf(code);
        EXPECT_FALSE(family.isEmpty()) << line.toStdString();
        EXPECT_FALSE(IsNotOffered(code))
            << "codes ending in F need no weight: " << line.toStdString();
        ++linesPerFamily[family];
        ++linesPerCode[code];
        ++timesPerLine[line];
    }
    EXPECT_EQ(linesPerFamily.size(), 7);
    EXPECT_EQ(linesPerFamily.value(QStringLiteral("PRF")), 92);
    EXPECT_EQ(linesPerFamily.value(QStringLiteral("QMT")), 4);
    EXPECT_EQ(linesPerCode.size(), 133);

    // A code that stands twice must stand as the very same line, so either line gives the same
    // weight to the lookup.
    int codesTwice = 0;
    for (auto it = linesPerCode.cbegin(); it != linesPerCode.cend(); ++it) {
        EXPECT_LE(it.value(), 2) << it.key().toStdString();
        if (it.value() == 2) {
            ++codesTwice;
        }
    }
    int linesTwice = 0;
    for (auto it = timesPerLine.cbegin(); it != timesPerLine.cend(); ++it) {
        if (it.value() == 2) {
            ++linesTwice;
        }
    }
    EXPECT_EQ(codesTwice, 6);
    EXPECT_EQ(linesTwice, 6);
    EXPECT_EQ(timesPerLine.value(QStringLiteral("PRF320,0.719")), 2);
}

TEST(BuiltInWeightsTableTest, WeightsAreDecimalsWithinTheirRange) {
    const QStringList lines = LinesOfText(BuiltInWeightsTable());
    const QRegularExpression decimal(QStringLiteral("^[0-9]+\\.[0-9]+$"));
    double lightest = 1e9;
    double heaviest = -1e9;
    QString lightestText;
    QString heaviestText;
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) {
            continue;
        }
        const QString text = CsvField(lines[i], 1);
        EXPECT_TRUE(decimal.match(text).hasMatch()) << lines[i].toStdString();
        const double weight = TextToNumber(text, 0);
        if (weight < lightest) {
            lightest = weight;
            lightestText = text;
        }
        if (weight > heaviest) {
            heaviest = weight;
            heaviestText = text;
        }
    }
    EXPECT_EQ(lightestText, QStringLiteral("0.633"));
    EXPECT_EQ(heaviestText, QStringLiteral("2.253"));
    EXPECT_DOUBLE_EQ(lightest, 0.633);
    EXPECT_DOUBLE_EQ(heaviest, 2.253);

    // The lines that the worked rating examples rely on.
    for (const char* line : {"PRF010,0.698112", "PRF020,0.71928", "PRF110,0.918", "PRF120,1.1637",
                             "PRF130,0.93096", "PRF320,0.719"}) {
        EXPECT_TRUE(lines.contains(QString::fromLatin1(line))) << line;
    }
}

TEST(BuiltInSystemCatalogueTest, BlocksAndHeaders) {
    const QStringList lines = LinesOfText(BuiltInSystemCatalogue());
    ASSERT_EQ(lines.size(), 71);
    EXPECT_TRUE(lines[70].isEmpty());
    const QList<SystemBlock> blocks = BlocksOf(lines);
    ASSERT_EQ(blocks.size(), 14);

    EXPECT_EQ(blocks[0].header, QStringLiteral("Pelvanor 47,0.01"));
    EXPECT_EQ(CsvField(blocks[0].codeLines[0], 0), QStringLiteral("PRF010"));
    EXPECT_EQ(CsvField(blocks[0].codeLines[1], 0), QStringLiteral("PRF020"));
    EXPECT_EQ(CsvField(blocks[0].codeLines[2], 0), QStringLiteral("PRF020"));

    const QSet<QString> numbers = {QStringLiteral("0.00"), QStringLiteral("0.01"),
                                   QStringLiteral("0.12"), QStringLiteral("0.45")};
    const QRegularExpression remark(QStringLiteral("^[^(]+ \\([^)]+\\)$"));
    QSet<QString> headers;
    int pelvanor = 0;
    int withRemark = 0;
    int withoutNumber = 0;
    int variants = 0;
    for (const SystemBlock& block : blocks) {
        const std::string header = block.header.toStdString();
        // The header is the key that ties a selected system to its block.
        EXPECT_FALSE(headers.contains(block.header)) << header;
        headers.insert(block.header);
        EXPECT_LE(block.header.count(QLatin1Char(',')), 1) << header;
        if (block.header.contains(QLatin1Char(','))) {
            EXPECT_TRUE(numbers.contains(CsvField(block.header, 1))) << header;
        } else {
            ++withoutNumber;
        }
        const QString name = CsvField(block.header, 0);
        if (name.contains(QStringLiteral("Pelvanor"))) {
            ++pelvanor;
        }
        if (name.contains(QLatin1Char('('))) {
            EXPECT_TRUE(remark.match(name).hasMatch()) << header;
            ++withRemark;
        }
        if (block.header.contains(QStringLiteral("Vantrel"))) {
            ++variants;
        }
    }
    EXPECT_EQ(pelvanor, 8);
    EXPECT_EQ(withRemark, 1);
    EXPECT_EQ(withoutNumber, 1);
    EXPECT_GE(variants, 2);
    EXPECT_LE(variants, 3);
}

TEST(BuiltInSystemCatalogueTest, CodeLinesAndFurtherCodes) {
    const QList<SystemBlock> blocks = BlocksOf(LinesOfText(BuiltInSystemCatalogue()));
    ASSERT_EQ(blocks.size(), 14);

    // Fewest and most codes on the outer-frame, vent-frame and transom/mullion lines.
    const int fewest[3] = {1, 1, 1};
    const int most[3] = {12, 9, 6};
    int seenFewest[3] = {99, 99, 99};
    int seenMost[3] = {0, 0, 0};
    int systemsWithFCodes = 0;
    int slashLines = 0;
    int slashAndCommaLines = 0;
    QStringList placeholders;
    for (const SystemBlock& block : blocks) {
        const std::string header = block.header.toStdString();
        bool hasFCode = false;
        for (int k = 0; k < 3; ++k) {
            const QStringList pieces = PiecesOf(block.codeLines[k]);
            seenFewest[k] = std::min(seenFewest[k], static_cast<int>(pieces.size()));
            seenMost[k] = std::max(seenMost[k], static_cast<int>(pieces.size()));
            int offered = 0;
            for (const QString& piece : pieces) {
                EXPECT_FALSE(FamilyOf(piece).isEmpty()) << header << ": " << piece.toStdString();
                if (IsNotOffered(piece)) {
                    hasFCode = true;
                } else {
                    ++offered;
                }
            }
            // The first entry of each selector is what a freshly chosen system is rated with.
            EXPECT_FALSE(IsNotOffered(pieces[0])) << header;
            EXPECT_GE(offered, 1) << header;
        }
        if (hasFCode) {
            ++systemsWithFCodes;
        }

        const QString& fifth = block.fifthLine;
        if (fifth == QStringLiteral("XXX") || fifth == QStringLiteral("XX")) {
            placeholders.append(fifth);
            continue;
        }
        if (fifth.contains(QLatin1Char('/'))) {
            ++slashLines;
            if (fifth.contains(QLatin1Char(','))) {
                ++slashAndCommaLines;
            }
        }
        for (const QString& code : fifth.split(QRegularExpression(QStringLiteral("[/,]")))) {
            EXPECT_FALSE(FamilyOf(code).isEmpty()) << header << ": " << fifth.toStdString();
        }
    }
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(seenFewest[k], fewest[k]) << "code line " << k;
        EXPECT_EQ(seenMost[k], most[k]) << "code line " << k;
    }
    EXPECT_EQ(systemsWithFCodes, 5);
    EXPECT_EQ(slashLines, 4);
    EXPECT_EQ(slashAndCommaLines, 1);
    placeholders.sort();
    EXPECT_EQ(placeholders, (QStringList{QStringLiteral("XX"), QStringLiteral("XXX")}));
}

TEST(BuiltInSystemCatalogueTest, EveryOfferedCodeHasAWeight) {
    const QMap<QString, QString> weights = WeightTexts();
    const QList<SystemBlock> blocks = BlocksOf(LinesOfText(BuiltInSystemCatalogue()));
    ASSERT_EQ(blocks.size(), 14);

    int offeredCodes = 0;
    for (const SystemBlock& block : blocks) {
        for (const QString& line : block.codeLines) {
            for (const QString& code : PiecesOf(line)) {
                if (IsNotOffered(code)) {
                    continue;
                }
                ++offeredCodes;
                ASSERT_TRUE(weights.contains(code))
                    << block.header.toStdString() << ": " << code.toStdString();
                EXPECT_GT(TextToNumber(weights.value(code), 0), 0) << code.toStdString();
            }
        }
    }
    EXPECT_GT(offeredCodes, 0);

    // A freshly chosen system is rated with its first outer frame; between them the systems
    // reach every Commercial weight band.
    const double bands[] = {0.9, 1.25, 1.5, 1.75};
    QSet<int> bandsReached;
    for (const SystemBlock& block : blocks) {
        const double weight = TextToNumber(weights.value(CsvField(block.codeLines[0], 0)), 0);
        bandsReached.insert(static_cast<int>(
            std::upper_bound(std::begin(bands), std::end(bands), weight) - std::begin(bands)));
    }
    EXPECT_EQ(bandsReached, (QSet<int>{0, 1, 2, 3, 4}));

    // The second system's first profiles are those of the worked Domestic example.
    EXPECT_EQ(CsvField(blocks[1].codeLines[0], 0), QStringLiteral("PRF110"));
    EXPECT_EQ(CsvField(blocks[1].codeLines[1], 0), QStringLiteral("PRF120"));
    EXPECT_EQ(CsvField(blocks[1].codeLines[2], 0), QStringLiteral("PRF130"));
}

TEST(BuiltInBreRatingsTableTest, NineFieldsOnEveryLine) {
    const QStringList lines = LinesOfText(BuiltInBreRatingsTable());
    ASSERT_EQ(lines.size(), 19);
    for (const QString& line : lines) {
        const QStringList fields = line.split(QLatin1Char(','));
        ASSERT_EQ(fields.size(), 9) << line.toStdString();
        for (const QString& field : fields) {
            EXPECT_FALSE(field.isEmpty()) << line.toStdString();
            EXPECT_FALSE(field.startsWith(QLatin1Char(' ')) || field.endsWith(QLatin1Char(' ')))
                << line.toStdString();
        }
    }
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(CsvField(lines[0], n),
                  n <= 3 ? QStringLiteral("Domestic") : QStringLiteral("Commercial"));
        EXPECT_EQ(CsvField(lines[18], n), CsvField(lines[3], n)) << "column " << n;
    }
    EXPECT_EQ(lines[18], lines[3]);
    EXPECT_EQ(lines[1], QStringLiteral("Profile Weight,< 0.88,< 1.08,> 1.08,<0.9,<1.25,<1.5,<1.75,"
                                       ">1.75"));
    EXPECT_EQ(CsvField(lines[2], 4), QStringLiteral("1231500011"));
    EXPECT_EQ(CsvField(lines[3], 4), QStringLiteral("A+"));

    // Every rating cell is a rating letter; the CO2 figures and element numbers are whole numbers.
    const QSet<QString> letters = {QStringLiteral("A+"), QStringLiteral("A"), QStringLiteral("B"),
                                   QStringLiteral("C"),  QStringLiteral("D"), QStringLiteral("E")};
    const QRegularExpression elementNumber(QStringLiteral("^12[0-9]{8}$"));
    for (int n = 1; n <= 8; ++n) {
        EXPECT_TRUE(elementNumber.match(CsvField(lines[2], n)).hasMatch()) << "column " << n;
        for (int row = 3; row <= 16; ++row) {
            EXPECT_TRUE(letters.contains(CsvField(lines[row], n))) << "row " << row << " col " << n;
        }
        EXPECT_GT(WholeNumberOr(CsvField(lines[17], n), -1), 0) << "column " << n;
    }
}

TEST(BuiltInBreRatingsTableTest, CarbonLabelHoldsANoBreakSpace) {
    const QStringList lines = LinesOfText(BuiltInBreRatingsTable());
    ASSERT_EQ(lines.size(), 19);
    const QString label = CsvField(lines[17], 0);
    EXPECT_EQ(label,
              QStringLiteral("Kg of CO2") + QChar(0x00A0) + QStringLiteral("eq. (60 years)"));
    EXPECT_EQ(label.count(QChar(0x00A0)), 1);
    EXPECT_EQ(BuiltInBreRatingsTable().count(QChar(0x00A0)), 1);

    // In the tables' 8-bit code page the no-break space is the single byte 0xA0.
    QStringEncoder encoder("Windows-1252");
    ASSERT_TRUE(encoder.isValid());
    const QByteArray bytes = encoder.encode(label);
    EXPECT_EQ(bytes, QByteArray("Kg of CO2\xA0"
                                "eq. (60 years)"));
}

TEST(BuiltInProductListTest, TwoGroupsAndTheVariantCode) {
    const QStringList lines = LinesOfText(BuiltInProductList());
    ASSERT_EQ(lines.size(), 14);

    // Runs of non-empty lines are the groups: a name line followed by four codes.
    QList<QStringList> groups;
    bool inGroup = false;
    for (const QString& line : lines) {
        if (line.isEmpty()) {
            inGroup = false;
            continue;
        }
        if (!inGroup) {
            groups.append(QStringList());
            inGroup = true;
        }
        groups.last().append(line);
    }
    ASSERT_EQ(groups.size(), 2);
    for (const QStringList& group : groups) {
        ASSERT_EQ(group.size(), 5);
        EXPECT_TRUE(FamilyOf(group[0]).isEmpty()) << group[0].toStdString();
        for (int i = 1; i < 5; ++i) {
            EXPECT_FALSE(FamilyOf(group[i]).isEmpty()) << group[i].toStdString();
        }
    }
    EXPECT_TRUE(lines.last().isEmpty());
    EXPECT_TRUE(lines.join(QLatin1Char('\n')).contains(QStringLiteral("QMT55")));
    EXPECT_TRUE(groups[0].contains(QStringLiteral("QMT55")) ||
                groups[1].contains(QStringLiteral("QMT55")));
}
