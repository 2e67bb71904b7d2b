// The data version on the command line: which tables a rating or a certificate was made from.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "cli/greenguide_run.h"
#include "data/builtin_tables.h"
#include "data/data_files.h"
#include "test_support.h"

namespace {

// A data folder with a weights file (the built-in weights of Pelvanor 55's codes) of a known
// date, and no catalogue.
class DataVersion : public ::testing::Test {
protected:
    void SetUp() override {
        data_ = dir_.filePath("data");
        weights_ = data_ + "/GGWeights.Dat";
        WriteBytes(weights_, "Profile,Area\r\nPRF110,0.918\r\nPRF120,1.1637\r\nPRF130,0.93096\r\n");
        QFile file(weights_);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2024, 5, 1), QTime(14, 3), Qt::UTC),
                                     QFileDevice::FileModificationTime));
        sha256_ = Tool("sha256sum", {weights_}).left(64);
    }
    QTemporaryDir dir_;
    QString data_;
    QString weights_;
    QString sha256_;
};

const char kBuiltInCatalogueHash[] =
    "b2bad3ba8c2c429be256009ada0f2d3344832cca4dca0915e8d399728a3f41c4";

}  // namespace

TEST_F(DataVersion, RateJsonAndVersionVerboseNameEachTablesFileDateAndHash) {
    const Outcome rate = Greenguide({"rate", "--system", "Pelvanor 55", "--json", "--data", data_});
    ASSERT_EQ(rate.code, 0) << rate.err.toStdString();
    const QJsonArray data = QJsonDocument::fromJson(rate.out.toUtf8()).object()["data"].toArray();
    ASSERT_EQ(data.size(), 2);
    EXPECT_EQ(data[0].toObject(), QJsonObject({{"table", "GGWeights.Dat"},
                                               {"file", weights_},
                                               {"modified", "2024-05-01T14:03:00Z"},
                                               {"sha256", sha256_}}));
    EXPECT_EQ(data[1].toObject(), QJsonObject({{"table", "GGSystem.Dat"},
                                               {"file", QJsonValue::Null},
                                               {"modified", QJsonValue::Null},
                                               {"sha256", kBuiltInCatalogueHash}}));

    const Outcome verbose = Greenguide({"--version", "--verbose"});
    ASSERT_EQ(verbose.code, 0) << verbose.err.toStdString();
    EXPECT_TRUE(verbose.out.startsWith("greenguide 1.0\nQt 6.")) << verbose.out.toStdString();
    EXPECT_TRUE(verbose.out.contains(QRegularExpression(
        "\nGGWeights.Dat: .*sha256 [0-9a-f]{64}\nGGSystem.Dat: .*sha256 [0-9a-f]{64}\n$")))
        << verbose.out.toStdString();
    EXPECT_EQ(Greenguide({"--version", "--json"}).code, 64);
}

TEST_F(DataVersion, EveryCertificateNamesTheTablesInItsKeywords) {
    const QString schedule = dir_.filePath("s.csv");
    WriteBytes(schedule, "ref,system\r\nW1,Pelvanor 55\r\n");
    const QString keywords = QStringLiteral(
                                 "Keywords:        GGWeights.Dat %1 %2; GGSystem.Dat "
                                 "built in b2bad3ba\n")
                                 .arg(QDateTime(QDate(2024, 5, 1), QTime(14, 3), Qt::UTC)
                                          .toLocalTime()
                                          .toString("yyyy-MM-dd HH:mm"),
                                      sha256_.left(8));
    const struct {
        QStringList arguments;
        const char* pdf;
    } runs[] = {
        {{"certificate", "--system", "Pelvanor 55", "-o", dir_.filePath("one.pdf")}, "one.pdf"},
        {{"batch", schedule, "-o", dir_.filePath("out")}, "out/W1.pdf"},
        {{"batch", schedule, "--combined", dir_.filePath("all.pdf")}, "all.pdf"},
    };
    for (const auto& run : runs) {
        const Outcome outcome = Greenguide(run.arguments + QStringList{"--data", data_});
        ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
        const QString info = Tool("pdfinfo", {dir_.filePath(run.pdf)});
        EXPECT_TRUE(info.contains(keywords)) << run.pdf << "\n" << info.toStdString();
    }
}

TEST_F(DataVersion, TheSharedFolderIsReadAsTheWindowReadsIt) {
    // The user's own shared folder in the settings store the program reads.
    const QString store = qEnvironmentVariable("XDG_CONFIG_HOME", QDir::homePath() + "/.config") +
                          "/VB and VBA Program Settings/GreenGuideData.conf";
    WriteBytes(store, ("[General]\nData=" + data_ + "\n").toUtf8());
    const Outcome rate = Greenguide({"rate", "--system", "Pelvanor 55", "--json"});
    QFile::remove(store);
    ASSERT_EQ(rate.code, 0) << rate.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(rate.out.toUtf8()).object();
    EXPECT_EQ(json["data"].toArray()[0].toObject()["file"].toString(), weights_);
    EXPECT_EQ(json["data"].toArray()[1].toObject()["file"], QJsonValue::Null);
}

TEST_F(DataVersion, PublishRefusesTablesWithFindingsAndWritesCleanOnesWhole) {
    const QString shared = dir_.filePath("shared");
    const QString weights = BuiltInWeightsTable();
    WriteBytes(weights_,
               FileBytesOfTableText(QString(weights).replace("PRF120,1.1637", "PRF120,1,1637")));
    const Outcome refused = Greenguide({"publish", shared, "--data", data_});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err,
              "greenguide: not published: the data check found 1 problem\n"
              "GGWeights.Dat:21: PRF120 reads 1; did you mean 1.1637? a comma is the field "
              "separator\n");
    EXPECT_FALSE(QFileInfo::exists(shared));

    WriteBytes(weights_, FileBytesOfTableText(weights));
    const Outcome published = Greenguide({"publish", shared, "--data", data_});
    ASSERT_EQ(published.code, 0) << published.err.toStdString();
    EXPECT_EQ(published.out, QStringLiteral("published %1/GGWeights.Dat c9902cb4\n"
                                            "published %1/GGSystem.Dat b2bad3ba\n")
                                 .arg(shared));
    EXPECT_EQ(ReadBytes(shared + "/GGWeights.Dat"), ReadBytes(weights_));
    EXPECT_TRUE(ReadBytes(shared + "/GGTables.txt").contains(kBuiltInCatalogueHash));
    EXPECT_EQ(Greenguide({"publish", "--data", data_}).code, 64);
    EXPECT_EQ(Greenguide({"publish", "/usr/lib", "--data", data_}).code, 2);
}
