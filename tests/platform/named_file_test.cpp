// Files whose names the program makes itself (a batch's certificates and summary): never written
// through a planted link nor onto a pipe, names made safe, and reads that stop at a bound.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/appended_file.h"
#include "platform/bounded_read.h"
#include "platform/program_error.h"
#include "platform/shown_text.h"
#include "platform/whole_file.h"
#include "test_support.h"

TEST(NamedByProgram, NoLinkIsFollowedNoPipeOpenedAndTheUsersOwnLinkStillIs) {
    QTemporaryDir dir;
    const QString outside = dir.filePath("elsewhere/report.docx");
    WriteBytes(outside, "the report");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("out/folder.pdf")));
    ASSERT_TRUE(QFile::link("../elsewhere/report.docx", dir.filePath("out/link.pdf")));
    ASSERT_TRUE(QFile::link("../elsewhere/new.docx", dir.filePath("out/dangling.pdf")));
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("out/pipe.pdf")).constData(), 0600), 0);
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"link.pdf", "It is a symbolic link, not a regular file"},
        {"dangling.pdf", "It is a symbolic link, not a regular file"},
        {"pipe.pdf", "It is not a regular file"},
        {"folder.pdf", "Is a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QStringLiteral("out/") + c.name);
        const WholeFileResult whole = WriteWholeFile(path, "pdf", WriteTarget::NamedByProgram);
        EXPECT_FALSE(whole.written);
        EXPECT_EQ(whole.reason, c.reason);
        AppendedFile appended;
        EXPECT_EQ(appended.Start(path, "ref\r\n"), c.reason);
    }
    EXPECT_EQ(ReadBytes(outside), "the report");
    EXPECT_EQ(QDir(dir.filePath("elsewhere")).entryList(QDir::Files), QStringList{"report.docx"});
    EXPECT_EQ(QDir(dir.filePath("out")).entryList(QDir::Files | QDir::System | QDir::Hidden),
              QStringList({"dangling.pdf", "link.pdf", "pipe.pdf"}));

    // A summary starts anew over an old one and grows piece by piece.
    const QString summary = dir.filePath("out/summary.csv");
    WriteBytes(summary, "an older run's rows");
    AppendedFile appended;
    ASSERT_EQ(appended.Start(summary, "ref\r\n"), "");
    EXPECT_EQ(ReadBytes(summary), "ref\r\n");
    EXPECT_EQ(appended.Append("a\r\n"), "");
    EXPECT_EQ(ReadBytes(summary), "ref\r\na\r\n");
    EXPECT_EQ(appended.Finish(), "");

    // A full disk (a 4 KiB limit on the size of files): the old summary stays when not even the
    // first piece fits, and a piece cut short goes.
    const struct {
        QByteArray first;
        QByteArray piece;
        const char* seen;  // the reason, then what the file holds
    } full[] = {
        {QByteArray(5000, 'h'), "", "File too large: an older run's rows"},
        {"ref\r\n", QByteArray(5000, 'x'), "File too large: ref\r\n"},
    };
    for (const auto& c : full) {
        WriteBytes(summary, "an older run's rows");
        EXPECT_EQ(ErrorUnderFileSizeLimit([&] {
                      AppendedFile file;
                      QString reason = file.Start(summary, c.first);
                      if (reason.isEmpty()) {
                          reason = file.Append(c.piece);
                      }
                      throw ProgramError(reason + ": " + QString::fromLatin1(ReadBytes(summary)));
                  }),
                  c.seen);
    }

    // A link the user made to their own table is theirs to follow.
    EXPECT_TRUE(WriteWholeFile(dir.filePath("out/link.pdf"), "saved").written);
    EXPECT_EQ(ReadBytes(outside), "saved");
}

TEST(SafeFileName, ReorderingCharactersAndDeviceNamesAreMadeHarmless) {
    const struct {
        QString ref;
        QString name;
    } cases[] = {
        {QString::fromUtf8("W01\u202Efdp.exe"), "W01_fdp.exe"},
        {QString::fromUtf8("a\u202Ab\u202Bc\u202Cd\u202De\u2066f\u2067g\u2068h\u2069i"),
         "a_b_c_d_e_f_g_h_i"},
        {QString::fromUtf8("\u200EL\u200FR\u061C"), "_L_R_"},
        {"CON", "_CON"},
        {"con.tar.gz", "_con.tar.gz"},
        {" Aux ", "_Aux"},
        {"LPT9.txt", "_LPT9.txt"},
        {"COM10", "COM10"},
        {"CONSOLE", "CONSOLE"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SafeFileName(c.ref), c.name) << c.ref.toStdString();
    }
}

TEST(EscapedControls, WhatWouldActOnATerminalShowsAsText) {
    const std::pair<QString, const char*> cases[] = {
        {"W01", "W01"},
        {QString::fromUtf8("Caf\u00E9\tB\u00A0C"), "Caf\u00E9\tB\u00A0C"},
        {"\x1b]0;title\x07", "\\x1b]0;title\\x07"},
        {"a\r\nb\x7f", "a\\r\\nb\\x7f"},
        {QString::fromUtf8("\u009b2J\u2028\u202Efdp"), "\\x9b2J\\u2028\\u202efdp"},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(EscapedControls(text), QString::fromUtf8(shown));
    }
}

TEST(ReadFileUpTo, AFilePastTheBoundOrADeviceIsNotRead) {
    QTemporaryDir dir;
    WriteBytes(dir.filePath("full"), QByteArray(1000, 'x'));
    const BoundedReading exact = ReadFileUpTo(dir.filePath("full"), 1000);
    EXPECT_TRUE(exact.read);
    EXPECT_EQ(exact.size, 1000);
    EXPECT_EQ(exact.pieces.join(), QByteArray(1000, 'x'));
    const BoundedReading over = ReadFileUpTo(dir.filePath("full"), 999);
    EXPECT_FALSE(over.read);
    EXPECT_TRUE(over.tooLarge);
    const BoundedReading endless = ReadFileUpTo("/dev/zero", 3 << 20);
    EXPECT_FALSE(endless.read || endless.tooLarge);
    EXPECT_EQ(endless.reason, "It is not a regular file");
}
