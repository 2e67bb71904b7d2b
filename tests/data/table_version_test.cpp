#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/data_files.h"
#include "data/product_tables.h"
#include "data/table_version.h"
#include "test_support.h"

TEST(TableVersion, TheHashIsTheFilesAsTheProgramWritesIt) {
    QTemporaryDir dir;
    // The text's line breaks become CR LF, its characters Windows-1252: what sha256sum prints.
    const TableVersion small = TableVersionOf(kWeightsFileName, {}, "Profile,Area\nA1,1.2\n");
    EXPECT_EQ(small.sha256, "700e312f405c40791aa68864bd41cc9cd7db7afbfb53aaefb6c74cb0df33758e");
    EXPECT_EQ(small.ShortHash(), "700e312f");
    // A table longer than one piece of hashing, with characters beyond ASCII.
    QString longText = QStringLiteral("Profile,Area\n");
    for (int i = 0; i < 120000; ++i) {
        longText += QStringLiteral("PRF%1,1.25 \u20ac\n").arg(i);
    }
    const QString path = dir.filePath(kWeightsFileName);
    WriteTableFile(path, longText);
    const TableVersion written = TableVersionOf(kWeightsFileName, {path, false}, longText);
    EXPECT_EQ(written.sha256, Tool("sha256sum", {path}).left(64));
}

TEST(TableVersion, EachTableSaysWhereItCameFromWhenAndItsHash) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kWeightsFileName);
    WriteBytes(path, "Profile,Area\r\nA1,1.2\r\n");
    const QDateTime when(QDate(2024, 5, 1), QTime(14, 3));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
    }
    const QString text = QStringLiteral("Profile,Area\nA1,1.2\n");
    struct Case {
        TableSource source;
        const char* expected;
    } const cases[] = {
        {{path, false}, "GGWeights.Dat 2024-05-01 14:03 700e312f"},
        {{path, true}, "GGWeights.Dat edited 700e312f"},
        {{}, "GGWeights.Dat built in 700e312f"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TableVersionText(TableVersionOf(kWeightsFileName, c.source, text)), c.expected);
    }
    // Both tables of a folder, as the command line reads them, in one line.
    ProductTables tables = LoadProductTables(dir.path() + QLatin1Char('/'));
    EXPECT_EQ(tables.weightsSource.path, path);
    EXPECT_TRUE(tables.catalogueSource.path.isEmpty());
    tables.catalogueText = QStringLiteral("S\nA1\nA1\nA1\nX\n");
    EXPECT_EQ(DataVersionText(DataVersionOf(tables)),
              "GGWeights.Dat 2024-05-01 14:03 700e312f; GGSystem.Dat built in 55199db3");
}
