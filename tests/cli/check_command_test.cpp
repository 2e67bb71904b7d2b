// "greenguide check" as a user runs it: the data check on the tables the program would read.
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

struct Checked {
    int code = -1;
    QString out;
};

Checked Check(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(GREENGUIDE_PROGRAM),
                  QStringList{QStringLiteral("check")} + arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

}  // namespace

TEST(CheckCommand, OneFindingALineAndExitCodeOneWhenAnythingIsWrong) {
    QTemporaryDir data;
    // No data files: the built-in tables, which have no faults.
    Checked clean = Check({QStringLiteral("--data"), data.path()});
    EXPECT_EQ(clean.code, 0);
    EXPECT_EQ(clean.out, "");

    WriteBytes(data.filePath(QStringLiteral("GGWeights.Dat")),
               "Profile,Area\r\nA1,x\r\nB1,1\r\nB1,2\r\n");
    // The catalogue's last two lines are behind a zero byte.
    WriteBytes(data.filePath(QStringLiteral("GGSystem.Dat")),
               QByteArray("Sys,0.00\r\nA1,C9\r\nB1\r\nB1\r\nXX\r\nHalf\r\n\0XX\r\nYY\r\n", 44));
    const Checked faulty = Check({QStringLiteral("--data"), data.path()});
    EXPECT_EQ(faulty.code, 1);
    EXPECT_EQ(faulty.out,
              "GGWeights.Dat:2: A1 has the weight \"x\", which is not a number; it counts as 0\n"
              "GGWeights.Dat:4: B1 has two weights: 1 on line 3 and 2 on line 4; line 4 counts\n"
              "GGSystem.Dat:2: Sys offers the outer frame C9, which has no line in GGWeights.Dat, "
              "so a window with it has no rating\n"
              "GGSystem.Dat:6: the last system, \"Half\", has only 1 of its 5 lines, so it is not "
              "offered\n"
              "GGSystem.Dat:7: the text after a zero byte is not read: 2 lines\n");

    EXPECT_EQ(Check({QStringLiteral("--data"), data.filePath(QStringLiteral("none"))}).code, 2);
    EXPECT_EQ(Check({QStringLiteral("extra")}).code, 64);
}
