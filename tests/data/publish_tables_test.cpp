// Publishing the tables into a shared folder: whole files, the stamp beside them, and never
// through a planted link or into a system folder (refusal on findings: tests/cli, tests/app).
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "data/data_files.h"
#include "data/publish_tables.h"
#include "test_support.h"

namespace {

const PublishStamp kStamp{"anna@office", QDateTime(QDate(2024, 5, 1), QTime(14, 3), Qt::UTC),
                          "BRE Green Guide 1.0"};

TablesToPublish BuiltInTables() {
    return {BuiltInWeightsTable(), BuiltInSystemCatalogue(), {}};
}

}  // namespace

TEST(PublishTables, BothTablesAreWrittenWholeWithTheStampBesideThem) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("shared");
    WriteBytes(folder + "/GGWeights.Dat", "an older table\r\n");
    const PublishResult result = PublishTables(folder, BuiltInTables(), kStamp);
    ASSERT_TRUE(result.Published()) << result.error.toStdString();
    EXPECT_EQ(Files(folder), QStringList({"GGSystem.Dat", "GGTables.txt", "GGWeights.Dat"}));
    EXPECT_EQ(ReadBytes(folder + "/GGWeights.Dat"), FileBytesOfTableText(BuiltInWeightsTable()));
    EXPECT_EQ(ReadBytes(folder + "/GGSystem.Dat"), FileBytesOfTableText(BuiltInSystemCatalogue()));
    EXPECT_EQ(ReadBytes(folder + "/GGTables.txt"),
              "# The tables of the BRE Green Guide calculator, published for everyone who reads "
              "this\n"
              "# folder. Check them with: sha256sum -c GGTables.txt\n"
              "# Published by: anna@office\n"
              "# Published at: 2024-05-01T14:03:00Z\n"
              "# Program: BRE Green Guide 1.0\n"
              "c9902cb4fc94b24d453d6f6eee9c3bbaba9c4f40bc96cb37a30741b1d6d935b8  GGWeights.Dat\n"
              "b2bad3ba8c2c429be256009ada0f2d3344832cca4dca0915e8d399728a3f41c4  GGSystem.Dat\n");
    QProcess check;
    check.setWorkingDirectory(folder);
    check.start("sha256sum", {"-c", "--strict", "GGTables.txt"});
    ASSERT_TRUE(check.waitForFinished());
    EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
}

TEST(PublishTables, APlantedLinkOrASystemFolderIsNeverWrittenThrough) {
    QTemporaryDir dir;
    const QString target = dir.filePath("elsewhere.txt");
    WriteBytes(target, "keep me");
    const QString folder = dir.filePath("shared");
    QDir().mkpath(folder);
    ASSERT_TRUE(QFile::link(target, folder + "/GGSystem.Dat"));
    const PublishResult linked = PublishTables(folder, BuiltInTables(), kStamp);
    EXPECT_TRUE(linked.error.startsWith("Cannot create file " + folder + "/GGSystem.Dat\n"))
        << linked.error.toStdString();
    EXPECT_EQ(linked.written, QStringList{folder + "/GGWeights.Dat"});
    EXPECT_EQ(ReadBytes(target), "keep me");

    const PublishResult system = PublishTables("/usr/share/greenguide", BuiltInTables(), kStamp);
    EXPECT_EQ(system.error,
              "/usr/share/greenguide is a system folder: the program never writes "
              "there");
    EXPECT_FALSE(QFileInfo::exists("/usr/share/greenguide/GGWeights.Dat"));
}

TEST(PublishTables, TheStampNamesTheAccountEvenWithoutALoginsVariables) {
    QProcess id;
    id.start("id", {"-un"});
    ASSERT_TRUE(id.waitForFinished());
    const QString account = QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed();
    const QByteArray saved[] = {qgetenv("USER"), qgetenv("LOGNAME"), qgetenv("USERNAME")};
    const struct {
        const char* user;
        QString who;
    } cases[] = {{"anna", "anna@"}, {"", account + "@"}};
    for (const auto& c : cases) {
        qputenv("USER", c.user);
        qunsetenv("LOGNAME");
        qunsetenv("USERNAME");
        EXPECT_TRUE(StampOfNow("BRE Green Guide 1.0").who.startsWith(c.who)) << c.who.toStdString();
    }
    qputenv("USER", saved[0]);
    qputenv("LOGNAME", saved[1]);
    qputenv("USERNAME", saved[2]);
}
