// What batch writes and what every command reads, as a user (or someone who planted files in the
// output folder) meets it: no link followed, no pipe waited on, a stopped run's summary true to
// the folder, data that cannot be read an error and not the built-in tables.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "cli/greenguide_run.h"
#include "test_support.h"

namespace {

void MakeFifo(const QString& path) {
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
}

// A schedule of many rows, each rated and written in a few milliseconds.
QString LongSchedule(const QString& folder, int rows) {
    QByteArray text = "ref,system\r\n";
    for (int i = 1; i <= rows; ++i) {
        text += QByteArray("R") + QByteArray::number(i) + ",Pelvanor 55\r\n";
    }
    const QString path = folder + "/long.csv";
    WriteBytes(path, text);
    return path;
}

}  // namespace

TEST(Batch, PlantedLinksAndPipesFailTheirRowAndNothingOutsideChanges) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out");
    WriteBytes(dir.filePath("elsewhere/report.docx"), "the report");
    ASSERT_TRUE(QDir().mkpath(out));
    ASSERT_TRUE(QFile::link("../elsewhere/report.docx", out + "/W01.pdf"));
    MakeFifo(out + "/W02.pdf");
    ASSERT_TRUE(QFile::link("../elsewhere/new.pdf", out + "/W03.pdf"));
    const QString schedule = EXAMPLES_FOLDER "/window-schedule.csv";
    const Outcome run = Greenguide({"batch", schedule, "-o", out});
    EXPECT_EQ(run.code, 2);
    const QString link = "It is a symbolic link, not a regular file";
    EXPECT_EQ(run.err.split('\n', Qt::SkipEmptyParts),
              QStringList({schedule + ":2: W01: Cannot create file " + out + "/W01.pdf: " + link,
                           schedule + ":3: W02: Cannot create file " + out +
                               "/W02.pdf: It is not a regular file",
                           schedule + ":4: W03: Cannot create file " + out + "/W03.pdf: " + link}));
    EXPECT_EQ(ReadBytes(dir.filePath("elsewhere/report.docx")), "the report");
    EXPECT_EQ(Files(dir.filePath("elsewhere")), QStringList{"report.docx"});
    EXPECT_TRUE(QFileInfo(out + "/W01.pdf").isSymLink() && QFileInfo(out + "/W03.pdf").isSymLink());
    EXPECT_EQ(Files(out),
              QStringList({"W01.pdf", "W04.pdf", "W05.pdf", "summary.csv", "summary.xlsx"}));
    EXPECT_TRUE(ReadBytes(out + "/summary.csv").contains("W02.pdf: It is not a regular file"));
}

TEST(Batch, AStoppedRunLeavesTheSummaryOfWhatItMade) {
    QTemporaryDir dir;
    const QString schedule = LongSchedule(dir.path(), 4000);
    const struct {
        const char* what;
        bool kill;  // else a polite stop, as Ctrl+C
    } cases[] = {{"terminated", false}, {"killed", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString out = dir.filePath(c.what);
        WriteBytes(out + "/summary.csv", "ref\r\nan older run's row\r\n");
        QProcess batch;
        batch.start(GREENGUIDE_PROGRAM, {"batch", schedule, "-o", out});
        QElapsedTimer waited;
        waited.start();
        while (!QFileInfo::exists(out + "/R3.pdf") && waited.elapsed() < 60000) {
            QThread::msleep(20);
        }
        c.kill ? batch.kill() : batch.terminate();
        ASSERT_TRUE(batch.waitForFinished(60000));
        const QStringList lines =
            QString::fromUtf8(ReadBytes(out + "/summary.csv")).split("\r\n", Qt::SkipEmptyParts);
        const qsizetype made = QDir(out).entryList({"*.pdf"}, QDir::Files).size();
        ASSERT_GE(made, 3);
        ASSERT_LT(made, 4000) << "the run ended before it was stopped";
        EXPECT_FALSE(lines.join('\n').contains("older run"));
        if (c.kill) {
            EXPECT_EQ(batch.exitStatus(), QProcess::CrashExit);
            // Every row done is there; the one being written may have its file without its line.
            EXPECT_GE(lines.size() - 1, made - 1);
            EXPECT_LE(lines.size() - 1, made);
            continue;
        }
        EXPECT_EQ(batch.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(batch.exitCode(), 130);
        EXPECT_EQ(QString::fromUtf8(batch.readAllStandardError()), "greenguide: stopped\n");
        ASSERT_EQ(lines.size(), 4001);
        EXPECT_EQ(lines.filter(",cancelled").size(), 4000 - made);
        EXPECT_TRUE(lines[made + 1].endsWith(",cancelled"));
        EXPECT_FALSE(lines[made].endsWith(",cancelled"));
    }
}

TEST(CommandLine, DataThatCannotBeReadIsAnErrorNotTheBuiltInTables) {
    QTemporaryDir dir;
    const auto folder = [&dir](const QString& name) { return dir.filePath(name); };
    ASSERT_TRUE(QDir().mkpath(folder("folder/GGWeights.Dat")));
    ASSERT_TRUE(QDir().mkpath(folder("fifo")));
    MakeFifo(folder("fifo/GGSystem.Dat"));
    ASSERT_TRUE(QDir().mkpath(folder("device")));
    ASSERT_TRUE(QFile::link("/dev/zero", folder("device/GGWeights.Dat")));
    ASSERT_TRUE(QDir().mkpath(folder("dangling")));
    ASSERT_TRUE(QFile::link("gone.Dat", folder("dangling/GGSystem.Dat")));
    const struct {
        const char* folder;
        const char* file;
        const char* reason;
    } cases[] = {
        {"folder", "GGWeights.Dat", "Is a directory"},
        {"fifo", "GGSystem.Dat", "it is not a regular file"},
        {"device", "GGWeights.Dat", "it is not a regular file"},
        {"dangling", "GGSystem.Dat", "the link leads to no file"},
    };
    for (const auto& c : cases) {
        for (const QStringList& command :
             {QStringList{"check"}, QStringList{"list"}, QStringList{"rate", "--system", "x"}}) {
            SCOPED_TRACE(c.folder + (" " + command.join(' ')).toStdString());
            const Outcome run = Greenguide(command + QStringList{"--data", folder(c.folder)});
            EXPECT_EQ(run.code, 2);
            EXPECT_EQ(run.err, QStringLiteral("greenguide: cannot read %1/%2: %3\n")
                                   .arg(folder(c.folder), c.file, c.reason));
        }
    }
    // A folder that cannot be looked into, as a user who may not (the superuser may anything).
    ASSERT_TRUE(QDir().mkpath(folder("closed")));
    ASSERT_TRUE(QFile::setPermissions(folder("closed"), QFileDevice::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(
        dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ExeOther));
    const Outcome closed = Greenguide({"check", "--data", folder("closed")}, [] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(77);
        }
    });
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (closed.code == 77) {
        GTEST_SKIP() << "the superuser cannot run the program as an unprivileged user here";
    }
    EXPECT_EQ(closed.code, 2);
    EXPECT_EQ(closed.err, "greenguide: cannot read " + folder("closed") + ": Permission denied\n");
}
