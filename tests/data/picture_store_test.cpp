#include "data/picture_store.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

const QString kInner = QStringLiteral("\\Pics\\Bitmap STD\\");

// A base folder of update folders in a temporary directory.
class PictureStore : public ::testing::Test {
protected:
    QString Base() const { return dir_.path() + QStringLiteral("/Updates"); }

    // Puts a file into the picture folder of one update and returns its path.
    QString AddPicture(const QString& update, const QString& fileName,
                       const QString& picsFolder = QStringLiteral("Pics/Bitmap STD")) {
        const QString path = Base() + '/' + update + '/' + picsFolder + '/' + fileName;
        WriteBytes(path, QByteArray("BM"));
        return path;
    }
    void AddUpdate(const QString& update) { QDir().mkpath(Base() + '/' + update); }

    QString Find(const QString& fileName) const { return FindUpdateFile(Base(), kInner, fileName); }

    QTemporaryDir dir_;
};

}  // namespace

TEST(PictureFileName, CodeRemarkAndFRules) {
    EXPECT_EQ(PictureFileNameFor("PRF010"), "PRF010.bmp");
    EXPECT_EQ(PictureFileNameFor("PRF010 (old)"), "PRF010.bmp");
    EXPECT_EQ(PictureFileNameFor("  PRF010  "), "PRF010.bmp");
    EXPECT_EQ(PictureFileNameFor("PRF012F"), "PRF012.BMP");
    EXPECT_EQ(PictureFileNameFor("PRF012F (old)"), "PRF012.BMP");
    EXPECT_EQ(PictureFileNameFor("prf012f"), "prf012.BMP");
    // Only the text before the first bracket counts, so a bracketed F changes nothing.
    EXPECT_EQ(PictureFileNameFor("PRF012 (F)"), "PRF012.bmp");
    EXPECT_EQ(PictureFileNameFor(""), ".bmp");
}

TEST_F(PictureStore, NewestUpdateFolderWins) {
    AddPicture("2009", "PRF010.bmp");
    const QString newer = AddPicture("2010", "PRF010.bmp");
    EXPECT_EQ(Find("PRF010.bmp"), newer);
}

TEST_F(PictureStore, OlderFolderServesWhenTheNewerLacksThePicture) {
    const QString older = AddPicture("2009", "PRF010.bmp");
    AddPicture("2010", "PRF999.bmp");
    AddUpdate("2011");
    EXPECT_EQ(Find("PRF010.bmp"), older);
    EXPECT_EQ(Find("PRF011.bmp"), "Not Found");
}

TEST_F(PictureStore, OrderIgnoresLetterCase) {
    AddPicture("A", "PRF010.bmp");
    const QString b = AddPicture("b", "PRF010.bmp");
    // In a case-sensitive order "b" would come after "A" too, so also check "B" against "a".
    EXPECT_EQ(Find("PRF010.bmp"), b);
    AddPicture("a2", "PRF020.bmp");
    const QString upperB = AddPicture("B2", "PRF020.bmp");
    EXPECT_EQ(Find("PRF020.bmp"), upperB);
}

TEST_F(PictureStore, FoldersWithAFullStopAreNoUpdates) {
    AddPicture("2012.old", "PRF010.bmp");
    AddPicture(".hidden", "PRF010.bmp");
    EXPECT_EQ(Find("PRF010.bmp"), "Not Found");
    const QString plain = AddPicture("2009", "PRF010.bmp");
    EXPECT_EQ(Find("PRF010.bmp"), plain);
}

TEST_F(PictureStore, FCodesAndRemarksShareThePlainCodesPicture) {
    const QString plain = AddPicture("2010", "PRF012.bmp");
    for (const char* entry : {"PRF012F (old)", "PRF012F", "PRF012 (old)", "PRF012"}) {
        const QString found = Find(PictureFileNameFor(entry));
        EXPECT_EQ(found, plain) << entry;
    }
    // The lookup applies the F rule itself as well.
    EXPECT_EQ(Find("PRF012F.bmp"), plain);
}

TEST_F(PictureStore, NamesAreFoundWhateverTheirCase) {
    const QString path = AddPicture("2010", "prf030.Bmp", "pics/BITMAP std");
    EXPECT_EQ(Find("PRF030.bmp"), path);
}

TEST_F(PictureStore, OnlyOrdinaryVisibleFilesCount) {
    // An empty entry asks for ".bmp", which is a hidden file here.
    AddPicture("2010", ".bmp");
    AddPicture("2010", ".x");
    EXPECT_EQ(Find(PictureFileNameFor("")), "Not Found");
    EXPECT_EQ(Find(".x"), "Not Found");
    // A folder named like the picture is no picture, and does not hide an older file.
    QDir().mkpath(Base() + "/2011/Pics/Bitmap STD/PRF010.bmp");
    EXPECT_EQ(Find("PRF010.bmp"), "Not Found");
    const QString older = AddPicture("2009", "PRF010.bmp");
    EXPECT_EQ(Find("PRF010.bmp"), older);
}

TEST_F(PictureStore, MissingBaseOrStarredNameIsNotFound) {
    EXPECT_EQ(Find("PRF010.bmp"), "Not Found");  // no base folder yet
    AddPicture("2010", "PRF010.bmp");
    EXPECT_EQ(Find("*.bmp"), "Not Found");
    EXPECT_EQ(Find("PRF0*"), "Not Found");
    EXPECT_EQ(FindUpdateFile(Base() + "/2010/Pics/Bitmap STD/PRF010.bmp", kInner, "PRF010.bmp"),
              "Not Found");  // a file given as the base folder
}

TEST_F(PictureStore, ACodeThatIsAPathHasNoPicture) {
    AddPicture("2010", "PRF010.bmp");
    AddPicture("2010", "PRF010.bmp", "Pics/Bitmap STD/sub");
    WriteBytes(dir_.filePath("private.bmp"), QByteArray("BM"));
    WriteBytes(Base() + "/2010/Pics/Bitmap STD/..\\x.bmp", QByteArray("BM"));
    ASSERT_NE(Find(PictureFileNameFor("PRF010")), "Not Found");
    // Codes that lead elsewhere find nothing, inside the store or outside it.
    for (const char* code :
         {"../../../../private", "..\\..\\..\\..\\private", "sub/PRF010", "./PRF010", "..\\x"}) {
        EXPECT_EQ(Find(PictureFileNameFor(code)), "Not Found") << code;
    }
}

TEST_F(PictureStore, UnreadablePictureLoadsAsNull) {
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const QString good = Base() + "/good.bmp";
    QDir().mkpath(Base());
    ASSERT_TRUE(picture.save(good, "BMP"));
    EXPECT_EQ(LoadPicture(good).size(), QSize(8, 6));

    const QString garbage = AddPicture("2010", "PRF010.bmp");
    WriteBytes(garbage, QByteArray("not a bitmap at all"));
    EXPECT_TRUE(LoadPicture(garbage).isNull());
    // A picture of another kind under a bitmap's name is not read as a bitmap.
    const QString png = Base() + "/png.bmp";
    ASSERT_TRUE(picture.save(png, "PNG"));
    EXPECT_TRUE(LoadPicture(png).isNull());
    EXPECT_TRUE(LoadPicture(Base() + "/missing.bmp").isNull());
}

TEST(PictureStoreDefaults, BaseFolderLiesInTheHomeFolder) {
    EXPECT_EQ(DefaultPictureBaseFolder(), QDir::homePath() + "/TarvexV6/Database/Updates");
}
