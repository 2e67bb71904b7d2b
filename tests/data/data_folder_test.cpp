#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

#include "data/data_files.h"
#include "data/data_folder.h"
#include "test_support.h"

namespace {

// Holds, in a copy of this program run as an unprivileged user, the program folder it cannot
// write.
const char kUnwritableFolder[] = "GG_TEST_UNWRITABLE_PROGRAM_FOLDER";

bool SetModified(const QString& path, const QDateTime& when) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(when, QFileDevice::FileModificationTime);
}

// With programFolder not writable and holding a weights file but no catalogue: reads come from
// beside the program until the user saves, saves and later reads go to the user's folder.
void CheckFallBack(const QString& programFolder) {
    ASSERT_FALSE(QFileInfo(programFolder).isWritable());
    const QString beside = programFolder + kWeightsFileName;
    const QString own = UserDataFolder() + kWeightsFileName;
    QFile::remove(own);
    EXPECT_EQ(DataFilePath(programFolder, kWeightsFileName, DataFileUse::Read), beside);
    EXPECT_EQ(DataFilePath(programFolder, kSystemFileName, DataFileUse::Read),
              programFolder + kSystemFileName);
    const QString saveTo = DataFilePath(programFolder, kWeightsFileName, DataFileUse::Save);
    ASSERT_EQ(saveTo, own);
    WriteTableFile(saveTo, QStringLiteral("Profile,Area\nOWN1,1.5\n"));
    EXPECT_EQ(DataFilePath(programFolder, kWeightsFileName, DataFileUse::Read), own);
    EXPECT_EQ(ReadTableFile(own), QStringLiteral("Profile,Area\nOWN1,1.5\n"));
    // The file beside the program is left as it was.
    EXPECT_EQ(ReadBytes(beside), QByteArray("Profile,Area\r\nPRF010,1\r\n"));
    QFile::remove(own);
}

}  // namespace

TEST(DataFolder, AWritableProgramFolderKeepsTheTablesBesideTheProgram) {
    QTemporaryDir program;
    const QString folder = program.path() + QLatin1Char('/');
    for (const QString& name : {kWeightsFileName, kSystemFileName}) {
        for (DataFileUse use : {DataFileUse::Read, DataFileUse::Save}) {
            EXPECT_EQ(DataFilePath(folder, name, use), folder + name);
        }
    }
    // Even when the user has a copy of their own.
    WriteBytes(UserDataFolder() + kSystemFileName, "x\r\n");
    EXPECT_EQ(DataFilePath(folder, kSystemFileName, DataFileUse::Read), folder + kSystemFileName);
    QFile::remove(UserDataFolder() + kSystemFileName);
}

// Runs in a copy of this program under an unprivileged user, started by the test below.
TEST(DataFolderInChild, UnprivilegedUserFallsBackToTheirOwnFolder) {
    const QString folder = qEnvironmentVariable(kUnwritableFolder);
    if (folder.isEmpty()) {
        GTEST_SKIP() << "runs only as an unprivileged user, started by the test below";
    }
    CheckFallBack(folder);
}

TEST(DataFolder, AnUnwritableProgramFolderFallsBackToTheUsersFolder) {
    QTemporaryDir program;
    const QString folder = program.path() + QLatin1Char('/');
    WriteBytes(folder + kWeightsFileName, "Profile,Area\r\nPRF010,1\r\n");
    if (geteuid() != 0) {
        // An ordinary user cannot write a read-only folder.
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);
        CheckFallBack(folder);
        QFile::setPermissions(program.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return;
    }
    // The superuser writes anywhere: the check runs as an unprivileged user instead.
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty()) {
        GTEST_SKIP() << "running as root without setpriv: the fall-back folder is not checked";
    }
    QTemporaryDir home;
    const QFile::Permissions open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                    QFile::ExeOther;
    QFile::setPermissions(program.path(), open);
    ASSERT_EQ(chown(home.path().toLocal8Bit().constData(), kNobody, kNobody), 0);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kUnwritableFolder), folder);
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    environment.remove(QStringLiteral("XDG_DATA_HOME"));
    ExpectTestPassesAsNobody(QStringLiteral("DataFolderInChild.Unprivileged*"), environment);
}

TEST(DataFolder, AnOwnCopyOlderThanTheOneBesideTheProgramIsNamedWithIt) {
    QTemporaryDir program;
    QTemporaryDir user;
    const QString beside = program.filePath(kWeightsFileName);
    const QString own = user.filePath(kWeightsFileName);
    const QDateTime now = QDateTime::currentDateTime();
    struct Case {
        const char* name;
        int ownAgeDays;
        int besideAgeDays;  // -1: no file beside the program
        bool noted;
    };
    const Case cases[] = {
        {"own older", 30, 1, true},
        {"own newer", 1, 30, false},
        {"same age", 5, 5, false},
        {"nothing beside", 30, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(beside);
        WriteBytes(own, "Profile,Area\r\n");
        ASSERT_TRUE(SetModified(own, now.addDays(-c.ownAgeDays)));
        if (c.besideAgeDays >= 0) {
            WriteBytes(beside, "Profile,Area\r\n");
            ASSERT_TRUE(SetModified(beside, now.addDays(-c.besideAgeDays)));
        }
        const QString note = OlderOwnCopyNote(own, beside);
        EXPECT_EQ(!note.isEmpty(), c.noted) << note.toStdString();
        if (c.noted) {
            EXPECT_TRUE(note.contains(own) && note.contains(beside)) << note.toStdString();
        }
    }
    // A table read from beside the program has no older copy of the user's.
    EXPECT_EQ(OlderOwnCopyNote(beside, beside), QString());
}
