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
    WriteBytes(data.filePath(QStringLiteral("GGSystem.Dat")),
               "Sys,0.00\r\nA1,C9\r\nB1\r\nB1\r\nXX\r\nHalf\r\n");
    const Checked faulty = Check({QStringLiteral("--data"), data.path()});
    EXPECT_EQ(faulty.code, 1);
    EXPECT_EQ(faulty.out,
              "GGWeights.Dat:2: the weight \"x\" of A1 is not a number; it counts as 0\n"
              "GGWeights.Dat:4: B1 weighs 2 here but 1 on line 3; this last line counts\n"
              "GGSystem.Dat:2: C9 of Sys has no line in GGWeights.Dat\n"
              "GGSystem.Dat:6: the last system block has 1 of its 5 lines; it is not offered\n");

    EXPECT_EQ(Check({QStringLiteral("--data"), data.filePath(QStringLiteral("none"))}).code, 2);
    EXPECT_EQ(Check({QStringLiteral("extra")}).code, 64);
}
