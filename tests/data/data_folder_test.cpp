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
    const DataFolders folders = DataFoldersOf(programFolder, QString());
    const QString beside = programFolder + kWeightsFileName;
    const QString own = UserDataFolder() + kWeightsFileName;
    QFile::remove(own);
    EXPECT_EQ(DataFileToLoad(folders, kWeightsFileName).path, beside);
    EXPECT_EQ(DataFileToLoad(folders, kSystemFileName).origin, DataOrigin::BuiltIn);
    const QString saveTo = DataFileToSave(folders, kWeightsFileName);
    ASSERT_EQ(saveTo, own);
    WriteTableFile(saveTo, QStringLiteral("Profile,Area\nOWN1,1.5\n"));
    EXPECT_EQ(DataFileToLoad(folders, kWeightsFileName).path, own);
    EXPECT_EQ(ReadTableFile(own), QStringLiteral("Profile,Area\nOWN1,1.5\n"));
    // The file beside the program is left as it was.
    EXPECT_EQ(ReadBytes(beside), QByteArray("Profile,Area\r\nPRF010,1\r\n"));
    QFile::remove(own);
}

}  // namespace

TEST(DataFolder, AWritableProgramFolderKeepsTheTablesBesideTheProgram) {
    QTemporaryDir program;
    const QString folder = program.path() + QLatin1Char('/');
    const DataFolders folders = DataFoldersOf(folder, QString());
    for (const QString& name : {kWeightsFileName, kSystemFileName}) {
        EXPECT_EQ(DataFileToSave(folders, name), folder + name);
        WriteBytes(folder + name, "x\r\n");
        EXPECT_EQ(DataFileToLoad(folders, name).path, folder + name);
    }
    // Even when the user has a copy of their own.
    WriteBytes(UserDataFolder() + kSystemFileName, "x\r\n");
    EXPECT_EQ(DataFileToLoad(folders, kSystemFileName).path, folder + kSystemFileName);
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

TEST(DataFolder, AnOwnCopyOlderThanTheSharedOrTheProgramsIsNamedWithIt) {
    QTemporaryDir program;
    QTemporaryDir shared;
    QTemporaryDir user;
    const DataFolders folders{user.path() + '/', shared.path() + '/', program.path() + '/'};
    const QString beside = program.filePath(kWeightsFileName);
    const QString inShared = shared.filePath(kWeightsFileName);
    const QString own = user.filePath(kWeightsFileName);
    const QDateTime now = QDateTime::currentDateTime();
    struct Case {
        const char* name;
        int ownAgeDays;
        int sharedAgeDays;  // -1: no such file
        int besideAgeDays;
        const char* newer;  // the file named, or nullptr for no note
    };
    const Case cases[] = {
        {"own older than beside", 30, -1, 1, "beside the program"},
        {"own older than shared", 30, 1, -1, "in the shared folder"},
        {"own older than both: the shared one is named", 30, 2, 1, "in the shared folder"},
        {"own newer", 1, 30, 30, nullptr},
        {"same age", 5, 5, 5, nullptr},
        {"nothing else", 30, -1, -1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& [path, age] : {std::pair{own, c.ownAgeDays},
                                        {inShared, c.sharedAgeDays},
                                        {beside, c.besideAgeDays}}) {
            QFile::remove(path);
            if (age >= 0) {
                WriteBytes(path, "Profile,Area\r\n");
                ASSERT_TRUE(SetModified(path, now.addDays(-age)));
            }
        }
        const DataFileChoice read = DataFileToLoad(folders, kWeightsFileName);
        ASSERT_EQ(read.path, own);
        const QString note = OlderOwnCopyNote(folders, kWeightsFileName, read);
        EXPECT_EQ(!note.isEmpty(), c.newer != nullptr) << note.toStdString();
        if (c.newer != nullptr) {
            EXPECT_TRUE(note.contains(own) && note.contains(QLatin1String(c.newer)))
                << note.toStdString();
        }
    }
    // A table read from beside the program, or from the shared folder, has no older copy.
    QFile::remove(own);
    EXPECT_EQ(
        OlderOwnCopyNote(folders, kWeightsFileName, DataFileToLoad(folders, kWeightsFileName)),
        QString());
}

TEST(DataFolder, TablesAreReadFromTheOwnCopyTheSharedFolderTheProgramsOrBuiltIn) {
    QTemporaryDir program;
    QTemporaryDir shared;
    QTemporaryDir user;
    const DataFolders folders{user.path() + '/', shared.path() + '/', program.path() + '/'};
    struct Case {
        bool own, inShared, beside;
        DataOrigin read;
    };
    const Case cases[] = {
        {true, true, true, DataOrigin::OwnCopy},   {false, true, true, DataOrigin::Shared},
        {false, false, true, DataOrigin::Program}, {false, false, false, DataOrigin::BuiltIn},
        {true, false, false, DataOrigin::OwnCopy}, {false, true, false, DataOrigin::Shared},
    };
    for (const Case& c : cases) {
        for (const auto& [folder, there] : {std::pair{user.path(), c.own},
                                            {shared.path(), c.inShared},
                                            {program.path(), c.beside}}) {
            const QString path = folder + '/' + kSystemFileName;
            QFile::remove(path);
            if (there) {
                WriteBytes(path, "S\r\n");
            }
        }
        const DataFileChoice read = DataFileToLoad(folders, kSystemFileName);
        EXPECT_EQ(read.origin, c.read) << read.path.toStdString();
    }
    // No shared folder set: the own copy, then the program's.
    EXPECT_EQ(
        DataFileCandidates({user.path() + '/', QString(), program.path() + '/'}, kSystemFileName)
            .size(),
        2u);
    // Saves go to the own folder, whatever was read.
    EXPECT_EQ(DataFileToSave(folders, kSystemFileName), user.filePath(kSystemFileName));
}

TEST(DataFolder, ASystemFolderIsNeverWrittenEvenWhenItCouldBe) {
    const std::pair<const char*, bool> folders[] = {
        {"/usr/bin/", true},
        {"/usr/local/bin", true},
        {"/opt/greenguide/bin/", true},
        {"/bin", true},
        {"/etc/greenguide", true},
        {"/home/anna/greenguide/", false},
        {"/tmp/build/src/", false},
        {"/usr2/bin", false},
        {"/optional/", false},
    };
    for (const auto& [folder, system] : folders) {
        EXPECT_EQ(IsSystemFolder(QLatin1String(folder)), system) << folder;
    }
    // Run from /usr/bin (even by root, who could write there), a save goes to the user's folder
    // and says why.
    const DataFolders installed = DataFoldersOf(QStringLiteral("/usr/bin/"), QString());
    EXPECT_EQ(installed.own, UserDataFolder());
    EXPECT_EQ(DataFileToSave(installed, kWeightsFileName), UserDataFolder() + kWeightsFileName);
    EXPECT_EQ(WhyNotBesideTheProgram(QStringLiteral("/usr/bin/")),
              "the program's folder /usr/bin is a system folder");
}
