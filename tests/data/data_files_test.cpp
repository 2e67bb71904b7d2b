#include "data/data_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "data/table_fields.h"
#include "platform/program_error.h"
#include "test_support.h"

TEST(Windows1252, EveryByteRoundTrips) {
    QByteArray all;
    for (int b = 1; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
    EXPECT_EQ(DecodeWindows1252(QByteArray("\x80\xA0\xE9")), QString::fromUtf8("€\u00A0é"));
    EXPECT_EQ(EncodeWindows1252(QString::fromUtf8("€ – é")), QByteArray("\x80 \x96 \xE9"));
    // A character the code page has no byte for.
    EXPECT_EQ(EncodeWindows1252(QString::fromUtf8("a\u4E2Db")), QByteArray("a?b"));
}

TEST(TableFileText, LineBreaksAreNormalised) {
    EXPECT_EQ(TableTextOfFileBytes("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(TableTextOfFileBytes("a\rb\r"), "a\nb\n");
    EXPECT_EQ(TableTextOfFileBytes("a\nb"), "a\nb");
    // LF followed by CR is two line breaks.
    EXPECT_EQ(TableTextOfFileBytes("a\n\rb"), "a\n\nb");
    EXPECT_EQ(TableTextOfFileBytes("a\r\r\nb"), "a\n\nb");
    // Text after a zero byte is lost.
    EXPECT_EQ(TableTextOfFileBytes(QByteArray("a,1\r\nb\0c\r\nd", 12)), "a,1\nb");
    EXPECT_EQ(TableTextOfFileBytes(QByteArray()), "");
    EXPECT_EQ(FileBytesOfTableText(QStringLiteral("a\nb\n")), QByteArray("a\r\nb\r\n"));
}

TEST(TableFileText, PiecesDecodeAsTheWholeFile) {
    // A file read piece by piece: a CR LF split between two pieces is still one line break.
    const QByteArray file("a\r\nb\rc\n\rd\r\r\ne\0f\r\n", 17);
    for (qsizetype cut = 0; cut <= file.size(); ++cut) {
        TableTextDecoder decoder(1);
        // The zero byte is at 13; the pieces after it are only counted.
        EXPECT_EQ(decoder.Feed(file.constData(), cut), cut <= 13) << cut;
        EXPECT_FALSE(decoder.Feed(file.constData() + cut, file.size() - cut)) << cut;
        EXPECT_EQ(decoder.Cut().line, 7) << cut;
        EXPECT_EQ(decoder.Cut().linesNotRead, 1) << cut;
        EXPECT_EQ(decoder.Take(), "a\nb\nc\n\nd\n\ne") << cut;
    }
}

TEST(TableFileText, AZeroByteCutIsNamedByItsLineAndTheLinesNotRead) {
    const struct {
        QByteArray bytes;
        int line;
        int linesNotRead;
    } cases[] = {
        {QByteArray("a\r\nb\0c\r\nd", 10), 2, 2},     // the cut line's rest and one more
        {QByteArray("a\r\nb\0\r\nd\r\n", 10), 2, 1},  // nothing left of the cut line
        {QByteArray("a\r\n\0b\r\n\r\n", 9), 2, 2},    // an empty line counts
        {QByteArray("a\r\nb\0", 5), 2, 0},
        {QByteArray("a\r\0\nb\0c", 7), 2, 1},  // the zero parts CR from LF; a second zero
        {QByteArray("a\r\nb", 4), 0, 0},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("GGWeights.Dat"));
    for (const auto& c : cases) {
        TextCut cut;
        TableTextOfFileBytes(c.bytes, &cut);
        EXPECT_EQ(cut.line, c.line) << c.bytes.toHex().toStdString();
        EXPECT_EQ(cut.linesNotRead, c.linesNotRead) << c.bytes.toHex().toStdString();
        // Read from a file, the same cut.
        WriteBytes(path, c.bytes);
        TextCut read;
        EXPECT_EQ(ReadTableFile(path, &read), TableTextOfFileBytes(c.bytes));
        EXPECT_EQ(read.line, c.line);
        EXPECT_EQ(read.linesNotRead, c.linesNotRead);
    }
}

TEST(DataFileExists, OnlyOrdinaryFilesCount) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("GGWeights.Dat"));
    EXPECT_FALSE(DataFileExists(file));
    WriteBytes(file, "Profile,Area\r\n");
    EXPECT_TRUE(DataFileExists(file));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("GGSystem.Dat")));
    EXPECT_FALSE(DataFileExists(dir.filePath(QStringLiteral("GGSystem.Dat"))));
    WriteBytes(dir.filePath(QStringLiteral(".hidden")), "x");
    EXPECT_FALSE(DataFileExists(dir.filePath(QStringLiteral(".hidden"))));
    EXPECT_TRUE(ProgramFolder().endsWith(QLatin1Char('/')));
}

TEST(ReadTableFile, UnreadableFileRaisesCannotOpen) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("none.Dat"));
    try {
        ReadTableFile(missing);
        FAIL() << "no error";
    } catch (const ProgramError& error) {
        EXPECT_EQ(error.text(), QStringLiteral("Cannot open file ") + missing);
    }
    // A file that opens but fails on reading (the kernel refuses to read this one).
    const QString broken = dir.filePath(QStringLiteral("GGWeights.Dat"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), broken));
    EXPECT_THROW(ReadTableFile(broken), ProgramError);
}

TEST(WriteTableFile, BuiltInCatalogueRoundTripsByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kSystemFileName);
    WriteTableFile(path, BuiltInSystemCatalogue());
    const QByteArray bytes = ReadBytes(path);
    EXPECT_EQ(bytes.count("\r\n"), 71);
    EXPECT_TRUE(bytes.endsWith("XX\r\n\r\n") || bytes.endsWith("\r\n\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    const QString back = ReadTableFile(path);
    EXPECT_EQ(back, BuiltInSystemCatalogue());
    EXPECT_EQ(LinesOfText(back).size(), 71);
    // Saving what was read gives the same bytes again, with or without a final line break.
    WriteTableFile(path, back);
    EXPECT_EQ(ReadBytes(path), bytes);
    WriteTableFile(path, QStringLiteral("a\nb"));
    EXPECT_EQ(ReadBytes(path), QByteArray("a\r\nb"));
    // The no-break space of the code page survives as its one byte.
    WriteTableFile(path, QStringLiteral("Kg of CO2\u00A0eq.\n"));
    EXPECT_EQ(ReadBytes(path), QByteArray("Kg of CO2\xA0"
                                          "eq.\r\n"));
}

TEST(WriteTableFile, AFolderInTheWayKeepsEverythingAndReportsCannotCreate) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kWeightsFileName);
    ASSERT_TRUE(QDir(dir.path()).mkdir(kWeightsFileName));
    try {
        WriteTableFile(path, QStringLiteral("Profile,Area\n"));
        FAIL() << "no error";
    } catch (const ProgramError& error) {
        EXPECT_EQ(error.text(), QStringLiteral("Cannot create file ") + path +
                                    QStringLiteral("\nIs a directory"));
    }
    EXPECT_TRUE(QFileInfo(path).isDir());
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);
}

TEST(WriteTableFile, AFailedWriteLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kWeightsFileName);
    const QByteArray old = "Profile,Area\r\nPRF010,0.698112\r\n";
    WriteBytes(path, old);
    QString big = QStringLiteral("Profile,Area\n");
    for (int i = 0; i < 20000; ++i) {
        big += QStringLiteral("PRF%1,1.0\n").arg(i);
    }
    // The write runs in a child whose files may not grow past 4 KiB, so the disk "fills up"
    // part way through the new content.
    EXPECT_EQ(ErrorUnderFileSizeLimit([&] { WriteTableFile(path, big); }),
              QStringLiteral("Cannot create file ") + path + QStringLiteral("\nFile too large"));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({kWeightsFileName}));
}

TEST(ReadTableFile, BadContentLoadsWithoutHarm) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kWeightsFileName);
    // Binary noise.
    QByteArray noise;
    for (int i = 0; i < 70000; ++i) {
        noise.append(static_cast<char>((i * 7919 + 13) % 255 + 1));
    }
    WriteBytes(path, noise);
    EXPECT_FALSE(ReadTableFile(path).contains(QLatin1Char('\r')));
    // Empty file.
    WriteBytes(path, QByteArray());
    EXPECT_TRUE(LinesOfText(ReadTableFile(path)).isEmpty());
    // One line of 100,000 characters, and 200,000 lines.
    WriteBytes(path, QByteArray(100000, 'x') + ",1.0\r\n");
    EXPECT_EQ(CsvField(LinesOfText(ReadTableFile(path)).first(), 1), "1.0");
    QByteArray many;
    for (int i = 0; i < 200000; ++i) {
        many += "PRF" + QByteArray::number(i) + ",0.5\n";
    }
    WriteBytes(path, many);
    EXPECT_EQ(LinesOfText(ReadTableFile(path)).size(), 200000);
}
