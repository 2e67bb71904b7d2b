#include "data/table_fields.h"

#include <QLocale>

#include <clocale>

#include <gtest/gtest.h>

TEST(LinesOfText, FinalLineBreakAddsNoLine) {
    EXPECT_EQ(LinesOfText(QStringLiteral("a\nb\n")), QStringList({"a", "b"}));
    EXPECT_EQ(LinesOfText(QStringLiteral("a\nb")), QStringList({"a", "b"}));
    EXPECT_EQ(LinesOfText(QStringLiteral("a\n\n")), QStringList({"a", ""}));
    EXPECT_EQ(LinesOfText(QString()), QStringList());
    EXPECT_EQ(LinesOfText(QStringLiteral("\n")), QStringList({""}));
}

TEST(CsvField, FieldsAndTheLastFieldRule) {
    const QString line = QStringLiteral("a,b,c");
    EXPECT_EQ(CsvField(line, 0), "a");
    EXPECT_EQ(CsvField(line, 1), "b");
    EXPECT_EQ(CsvField(line, 2), "c");
    EXPECT_EQ(CsvField(line, 5), "c");
    EXPECT_EQ(CsvField(QString(), 0), "");
    EXPECT_EQ(CsvField(QString(), 3), "");
    EXPECT_EQ(CsvField(QStringLiteral(",b"), 0), "");
    EXPECT_EQ(CsvField(QStringLiteral("a,b"), -1), "a");
    EXPECT_EQ(CsvField(QStringLiteral(" a ,b"), 0), " a ");
    // A line without a comma is its own field 0 and field 1.
    EXPECT_EQ(CsvField(QStringLiteral("PRF901"), 1), "PRF901");
    EXPECT_EQ(CsvField(QStringLiteral("a,,c"), 1), "");
    EXPECT_EQ(CsvField(QStringLiteral("a,b,"), 2), "");
}

TEST(CsvField, LongLinesKeepTheirLaterFields) {
    QString line;
    for (int i = 0; i < 5000; ++i) {
        line += QStringLiteral("field%1,").arg(i);
    }
    line += QStringLiteral("last");
    EXPECT_EQ(CsvField(line, 4999), "field4999");
    EXPECT_EQ(CsvField(line, 5000), "last");
    const QString wide = QString(100000, QLatin1Char('x')) + QStringLiteral(",tail");
    EXPECT_EQ(CsvField(wide, 1), "tail");
}

TEST(TextToNumber, NumbersAndDefaults) {
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("  1.5  "), 0), 1.5);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("12"), 0), 12);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("-999"), 0), -999);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("\t0.698112\r"), 0), 0.698112);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral(".5"), 0), 0.5);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("-0.25"), 0), -0.25);
    for (const char* bad : {"", "   ", "abc", "1.2.3", "5.x", ".", "1,5", "Area", "1e3", "+"}) {
        EXPECT_DOUBLE_EQ(TextToNumber(QString::fromLatin1(bad), -7), -7) << bad;
    }
}

TEST(TextToNumber, PointIsTheDecimalSeparatorInEveryLocale) {
    // A user whose number format uses a comma must still read the tables' weights.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* savedC = std::setlocale(LC_NUMERIC, nullptr);
    const std::string savedCopy = savedC ? savedC : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("0.918"), 0), 0.918);
    EXPECT_DOUBLE_EQ(TextToNumber(QStringLiteral("1.1637"), 0), 1.1637);
    std::setlocale(LC_NUMERIC, savedCopy.c_str());
    QLocale::setDefault(saved);
}

TEST(WholeNumberOr, ReadsTheRatingsColumn) {
    EXPECT_EQ(WholeNumberOr(QStringLiteral("4"), -1), 4);
    EXPECT_EQ(WholeNumberOr(QStringLiteral("-1"), 0), -1);
    EXPECT_EQ(WholeNumberOr(QStringLiteral("Edit1"), -1), -1);
    EXPECT_EQ(WholeNumberOr(QStringLiteral("4.0"), -1), -1);
    EXPECT_EQ(WholeNumberOr(QString(), -1), -1);
    EXPECT_EQ(WholeNumberOr(QStringLiteral("99999999999999"), -1), -1);
}
