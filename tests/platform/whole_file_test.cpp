#include "platform/whole_file.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/program_error.h"
#include "test_support.h"

namespace {

// How the write is made to fail.
enum class Fault {
    None,         // the target itself is the fault
    SizeLimit,    // a child process whose files may not grow past 4 KiB
    FailingSync,  // a child process whose sync reports an I/O error
};

// The write in a child under a 4 KiB file-size limit; the reason comes back as the error text.
WholeFileResult WriteUnderSizeLimit(const QString& path, const QByteArray& bytes) {
    const QString reason = ErrorUnderFileSizeLimit([&] {
        const WholeFileResult result = WriteWholeFile(path, bytes);
        if (!result.written) {
            throw ProgramError(result.reason);
        }
    });
    return {reason.isEmpty(), reason};
}

// Runs the write in a small program with every sync call replaced by one that fails.
WholeFileResult WriteWithFailingSync(const QString& path, const QByteArray& bytes) {
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FAILING_SYNC_LIBRARY));
    // A sanitizer build wants its own runtime first in the list of libraries.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("verify_asan_link_order=0"));
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(WRITE_PROBE), {path, QString::fromLatin1(bytes)});
    probe.waitForFinished(60000);
    return {probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0,
            QString::fromLocal8Bit(probe.readAllStandardOutput())};
}

WholeFileResult WriteWith(Fault fault, const QString& path, const QByteArray& bytes) {
    switch (fault) {
        case Fault::SizeLimit:
            return WriteUnderSizeLimit(path, bytes);
        case Fault::FailingSync:
            return WriteWithFailingSync(path, bytes);
        case Fault::None:
            break;
    }
    return WriteWholeFile(path, bytes);
}

}  // namespace

TEST(WriteWholeFile, AFailedWriteSaysWhyAndKeepsTheOldFileWhole) {
    // A name that the folder takes, but with no room left for ".XXXXXX" after it.
    static const QByteArray kLongName = QByteArray(250, 'w') + ".csv";
    const QByteArray old = "old content\r\n";
    const QByteArray big = QByteArray(20000, 'x');
    struct Case {
        const char* what;
        const char* target;  // inside the test's folder, unless absolute
        bool oldFile;        // an old file stands at the target
        bool folderInTheWay;
        Fault fault;
        const char* reason;
    };
    const Case cases[] = {
        {"folder in the way", "out.pdf", false, true, Fault::None, "Is a directory"},
        {"missing folder", "no/such/folder/out.pdf", false, false, Fault::None,
         "No such file or directory"},
        {"full device", "/dev/full", false, false, Fault::None, "No space left on device"},
        {"size limit", "GGWeights.Dat", true, false, Fault::SizeLimit, "File too large"},
        {"failing sync", "GGWeights.Dat", true, false, Fault::FailingSync, "Input/output error"},
        {"no temporary name", kLongName.constData(), true, false, Fault::None,
         "The name is too long for the temporary file that is written beside it first; a "
         "shorter name will do"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString target = QString::fromLatin1(c.target);
        const QString path = target.startsWith(QLatin1Char('/')) ? target : dir.filePath(target);
        if (c.oldFile) {
            WriteBytes(path, old);
        }
        if (c.folderInTheWay) {
            ASSERT_TRUE(QDir().mkpath(path));
        }
        const WholeFileResult result = WriteWith(c.fault, path, big);
        EXPECT_FALSE(result.written);
        EXPECT_EQ(result.reason, QString::fromLatin1(c.reason));
        if (c.oldFile) {
            EXPECT_EQ(ReadBytes(path), old);
        }
        EXPECT_EQ(QFileInfo(path).isDir(), c.folderInTheWay);
        // Nothing but the old file is left in the folder: no temporary file, no cut file.
        const QStringList expected =
            c.oldFile ? QStringList{QFileInfo(path).fileName()} : QStringList{};
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), expected);
    }
    // The device is still the device.
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
}

TEST(WriteWholeFile, ReplacesTheOldFileWholeAndKeepsItsPermissions) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    WriteBytes(path, QByteArray(50000, 'o'));
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                             QFile::ReadOther | QFile::ReadUser | QFile::WriteUser;
    ASSERT_TRUE(QFile::setPermissions(path, permissions));
    EXPECT_TRUE(WriteWholeFile(path, "new").written);
    EXPECT_EQ(ReadBytes(path), QByteArray("new"));
    EXPECT_EQ(QFile::permissions(path), permissions);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.pdf"});
}
