// Tables shared between colleagues, as the window reads and saves them: the shared data folder
// (the site's setting, or the user's own chosen on the data pages) in the read order, where each
// table came from, and saves that never land in a system folder.
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>

#include "data/builtin_tables.h"
#include "data/data_files.h"
#include "data/data_folder.h"
#include "data/publish_tables.h"
#include "data/shared_folder.h"
#include "test_support.h"
#include "widgets/widgets.h"
#include "window_fixture.h"

namespace {

// The built-in weights with the first system's outer frame at another weight: the rating
// column ("Edit1") tells which table was read.
QString WeightsWithOuterFrame(const char* weight) {
    return QString(BuiltInWeightsTable())
        .replace(QStringLiteral("PRF010,0.698112"), QStringLiteral("PRF010,") + weight);
}

class SharedTables : public WindowTest {
protected:
    void TearDown() override {
        WindowTest::TearDown();
        SetUserSharedFolder(QString());
    }
    QString Sources() const { return window_->StatusTextOf(StatusTopic::TableSources); }
    QString Tip(int tab) const {
        return Find<PageControl>("PageControl1")->TabBar()->tabToolTip(tab);
    }
    QTemporaryDir shared_;
    QTemporaryDir site_;
};

}  // namespace

TEST_F(SharedTables, TheSitesSharedFolderComesBeforeTheProgramsAndIsWatched) {
    WriteBytes(site_.filePath("greenguide.conf"), ("Data=" + shared_.path() + "\n").toUtf8());
    env_.siteConfigFile = site_.filePath("greenguide.conf");
    WriteTableFile(shared_.filePath(kWeightsFileName), WeightsWithOuterFrame("1.3"));
    Start();
    EXPECT_EQ(EditText("Edit1"), "6");
    EXPECT_EQ(Sources(), QStringLiteral("Tables: GGWeights.Dat from the shared folder %1; "
                                        "GGSystem.Dat built in")
                             .arg(shared_.path()));
    EXPECT_TRUE(Tip(1).startsWith(shared_.filePath(kWeightsFileName) + " from the shared folder " +
                                  shared_.path() + ", changed "))
        << Tip(1).toStdString();
    EXPECT_EQ(Tip(2), "");

    // Published anew into the shared folder: read again, as for the program's folder, the
    // catalogue that appears there too, and both named in one note.
    ASSERT_TRUE(PublishTables(shared_.path(),
                              {WeightsWithOuterFrame("1.6"), BuiltInSystemCatalogue(), {}},
                              StampOfNow("BRE Green Guide 1.0"))
                    .Published());
    EXPECT_TRUE(QTest::qWaitFor([this] { return EditText("Edit1") == "7"; }));
    EXPECT_TRUE(QTest::qWaitFor([this] { return Sources().endsWith(shared_.path()); }))
        << Sources().toStdString();
    EXPECT_EQ(window_->StatusTextOf(StatusTopic::DataFiles),
              "GGWeights.Dat and GGSystem.Dat were changed on the disk and have been read again.");

    // The user's own copy (saved beside this program, whose folder can be written) comes first.
    window_->AAAClick(nullptr);
    Memo("Memo1")->setPlainText(WeightsWithOuterFrame("1.3"));
    QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_EQ(EditText("Edit1"), "6");
    EXPECT_TRUE(Sources().startsWith("Tables: GGWeights.Dat from beside the program in "))
        << Sources().toStdString();
    EXPECT_EQ(ReadBytes(shared_.filePath(kWeightsFileName)),
              FileBytesOfTableText(WeightsWithOuterFrame("1.6")));
}

TEST_F(SharedTables, UseTablesFromFolderChoosesTheUsersOwnSharedFolderOrDropsIt) {
    WriteTableFile(shared_.filePath(kWeightsFileName), WeightsWithOuterFrame("1.3"));
    QStringList titles;
    env_.chooseFolder = [this, &titles](QWidget*, const QString& title, const QString&) {
        titles << title;
        return shared_.path();
    };
    Start();
    EXPECT_EQ(EditText("Edit1"), "4");
    EXPECT_EQ(Sources(), "");
    window_->AAAClick(nullptr);
    QTest::mouseClick(Find<QPushButton>("ButtonUseFolderWeights"), Qt::LeftButton);
    EXPECT_EQ(titles, QStringList{"Use tables from folder"});
    EXPECT_EQ(UserSharedFolder(), shared_.path() + '/');
    EXPECT_EQ(EditText("Edit1"), "6");
    EXPECT_TRUE(Sources().contains("GGWeights.Dat from the shared folder"));

    // Asked again: stop reading from it, and the built-in table is back.
    const QStringList asked = Answering({QMessageBox::No}, [this] {
        QTest::mouseClick(Find<QPushButton>("ButtonUseFolderSystem"), Qt::LeftButton);
    });
    EXPECT_EQ(asked, QStringList{"The tables are read from the folder " + shared_.path() + "/."});
    EXPECT_EQ(UserSharedFolder(), "");
    EXPECT_EQ(EditText("Edit1"), "4");
    EXPECT_EQ(Sources(), "");
}

TEST_F(SharedTables, ASaveNeverLandsInASystemFolder) {
    const QString inBin = QStringLiteral("/usr/bin/") + kWeightsFileName;
    ASSERT_FALSE(QFile::exists(inBin));
    env_.programFolder = QStringLiteral("/usr/bin/");
    env_.pictureBase = pictures_.filePath(QStringLiteral("Updates"));
    window_ = std::make_unique<TWER>(env_);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    window_->AAAClick(nullptr);
    QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);
    const bool landedInBin = QFile::exists(inBin);
    if (landedInBin) {
        QFile::remove(inBin);
    }
    EXPECT_FALSE(landedInBin);
    EXPECT_EQ(ReadBytes(UserDataFolder() + kWeightsFileName),
              FileBytesOfTableText(BuiltInWeightsTable()));
    EXPECT_EQ(window_->StatusTextOf(StatusTopic::DataFiles),
              "Saved GGWeights.Dat in " +
                  QDir::toNativeSeparators(QDir::cleanPath(UserDataFolder())) +
                  ", since the program's folder /usr/bin is a system folder");
    QFile::remove(UserDataFolder() + kWeightsFileName);
}

TEST_F(SharedTables, PublishWritesTheEditorsTablesOrListsWhyNot) {
    const QString folder = shared_.filePath("published");
    env_.chooseFolder = [&folder](QWidget*, const QString&, const QString&) { return folder; };
    Start();
    window_->AAAClick(nullptr);
    // A slip typed into the weights table: listed, nothing written.
    Memo("Memo1")->setPlainText(
        QString(BuiltInWeightsTable()).replace("PRF120,1.1637", "PRF120,1,1637"));
    QTest::mouseClick(Find<QPushButton>("ButtonPublishWeights"), Qt::LeftButton);
    auto* box = window_->findChild<QDialog*>("DataCheckBox");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->findChild<QLabel*>() != nullptr &&
                box->findChild<QLabel*>()->text().startsWith("Not published: the data check found "
                                                             "1 problem(s):"));
    EXPECT_FALSE(QFileInfo::exists(folder));

    // Mended, it is published as the editors hold it, unsaved.
    Memo("Memo1")->setPlainText(WeightsWithOuterFrame("1.3"));
    QTest::mouseClick(Find<QPushButton>("ButtonPublishSystem"), Qt::LeftButton);
    EXPECT_EQ(ReadBytes(folder + '/' + kWeightsFileName),
              FileBytesOfTableText(WeightsWithOuterFrame("1.3")));
    EXPECT_TRUE(QFileInfo::exists(folder + "/GGTables.txt"));
    EXPECT_TRUE(
        window_->StatusTextOf(StatusTopic::DataFiles).startsWith("Published GGWeights.Dat "));
    EXPECT_TRUE(window_->StatusTextOf(StatusTopic::DataFiles)
                    .endsWith(" and GGSystem.Dat b2bad3ba to " + folder));
    EXPECT_FALSE(QFileInfo::exists(DataPath(kWeightsFileName)));
}
