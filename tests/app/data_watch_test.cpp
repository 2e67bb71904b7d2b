#include <QAbstractButton>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

#include <unistd.h>

#include "data/builtin_tables.h"
#include "data/data_files.h"
#include "data/data_folder.h"
#include "test_support.h"
#include "widgets/widgets.h"
#include "window_fixture.h"

namespace {

// The built-in weights with the first system's outer frame at another weight, which moves the
// rating to another ratings column.
QString WeightsWithOuterFrame(const char* weight) {
    QString weights = BuiltInWeightsTable();
    weights.replace(QStringLiteral("PRF010,0.698112"),
                    QStringLiteral("PRF010,") + QLatin1String(weight));
    return weights;
}

}  // namespace

class DataWatch : public WindowTest {
protected:
    // Waits for the window to take in a change of its files, answering the question about an
    // edited table with the button named answer; returns the questions put.
    QStringList Settle(const char* answer) {
        QStringList asked;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&asked, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr) {
                asked << box->text();
                box->findChild<QAbstractButton*>(QLatin1String(answer))->click();
            }
        });
        poll.start();
        // Longer than the window waits for a writer to finish.
        QTest::qWait(600);
        return asked;
    }
    QString Note() const { return window_->StatusTextOf(StatusTopic::DataFiles); }
    bool Unsaved() const { return Memo("Memo1")->document()->isModified(); }
};

TEST_F(DataWatch, ChangesByOthersAreReadAgainOrAskedAboutAndOwnSavesAreNot) {
    const QString path = DataPath(kWeightsFileName);
    WriteTableFile(path, WeightsWithOuterFrame("1.3"));
    Start();
    ASSERT_EQ(EditText("Edit1"), "6");
    const QString changed =
        QStringLiteral("GGWeights.Dat was changed on the disk by another program.");

    // Another window saves (a whole new file): the unedited table is read again and rated.
    WriteTableFile(path, WeightsWithOuterFrame("1.9"));
    EXPECT_EQ(Settle("ReloadButton"), QStringList());
    EXPECT_EQ(EditText("Edit1"), "8");
    EXPECT_EQ(Note(), "GGWeights.Dat was changed on the disk and has been read again.");
    EXPECT_FALSE(Unsaved());

    // A catalogue file that was not there at start is taken in when another window saves it.
    const QString catalogue = BuiltInSystemCatalogue() + QStringLiteral("Saved elsewhere\n");
    WriteTableFile(DataPath(kSystemFileName), catalogue);
    EXPECT_EQ(Settle("ReloadButton"), QStringList());
    EXPECT_EQ(MemoText(Memo("MemoSystem")), catalogue);

    // This window's own save asks nothing and reads nothing again.
    QPlainTextEdit* table = Memo("Memo1");
    table->moveCursor(QTextCursor::End);
    table->setFocus();
    QTest::keyClicks(table, "PRF999,1");
    const int refreshes = window_->PreviewRefreshCount();
    QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_EQ(Settle("ReloadButton"), QStringList());
    EXPECT_EQ(window_->PreviewRefreshCount(), refreshes);
    EXPECT_TRUE(MemoText(table).endsWith("PRF999,1"));

    // Edited here and changed elsewhere, written in place or replaced: the user decides.
    struct Case {
        const char* answer;
        bool inPlace;
        const char* weight;
        const char* column;
        bool keptEdit;
    };
    const Case cases[] = {
        {"KeepEditsButton", true, "0.8", "8", true},
        {"ReloadButton", false, "1.3", "6", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        table->moveCursor(QTextCursor::End);
        QTest::keyClicks(table, "X");
        ASSERT_TRUE(Unsaved());
        const QByteArray bytes = FileBytesOfTableText(WeightsWithOuterFrame(c.weight));
        if (c.inPlace) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
        } else {
            WriteTableFile(path, WeightsWithOuterFrame(c.weight));
        }
        EXPECT_EQ(Settle(c.answer), QStringList{changed});
        EXPECT_EQ(Unsaved(), c.keptEdit);
        EXPECT_EQ(MemoText(table).endsWith(QLatin1Char('X')), c.keptEdit);
        EXPECT_EQ(EditText("Edit1"), c.column);
        EXPECT_EQ(Find<PageControl>("PageControl1")->TabBar()->tabText(1),
                  c.keptEdit ? "Frame Weights*" : "Frame Weights");
    }
}

namespace {
// Holds, in a copy of this program run as an unprivileged user, the program folder it cannot
// write, with a weights table newer than the user's own copy.
const char kUnwritableFolder[] = "GG_TEST_UNWRITABLE_PROGRAM_FOLDER";
}  // namespace

// Runs as an unprivileged user, started by the test below.
using DataWatchInChild = DataWatch;
TEST_F(DataWatchInChild, AnOlderOwnCopyIsNamedAtStart) {
    const QString program = qEnvironmentVariable(kUnwritableFolder);
    if (program.isEmpty()) {
        GTEST_SKIP() << "runs only as an unprivileged user, started by the test below";
    }
    ASSERT_FALSE(QFileInfo(program).isWritable());
    const QString own = UserDataFolder() + kWeightsFileName;
    ASSERT_TRUE(QDir().mkpath(UserDataFolder()));
    WriteTableFile(own, BuiltInWeightsTable());
    QFile file(own);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-30),
                                 QFileDevice::FileModificationTime));
    file.close();
    env_.programFolder = program;
    env_.pictureBase = pictures_.filePath(QStringLiteral("Updates"));
    window_ = std::make_unique<TWER>(env_);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    const QString note = Note();
    EXPECT_TRUE(note.contains(own) && note.contains(program + kWeightsFileName))
        << note.toStdString();
    EXPECT_TRUE(Find<QLabel>("StatusText")->isVisible());
    EXPECT_TRUE(Find<QLabel>("StatusText")->toolTip().contains(note));
    // The page's tooltip names the file read, then the note.
    const QString tip = Find<PageControl>("PageControl1")->TabBar()->tabToolTip(1);
    EXPECT_TRUE(tip.startsWith(own + " from your copy in ") && tip.endsWith("\n" + note))
        << tip.toStdString();
    // The user's own copy is the one used.
    EXPECT_EQ(EditText("Edit1"), "4");
}

TEST(DataWatchAtStart, AnOlderOwnCopyIsNamedWithTheNewerOneBesideTheProgram) {
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (geteuid() != 0 || setpriv.isEmpty()) {
        GTEST_SKIP() << "needs root and setpriv to run the window as an unprivileged user";
    }
    QTemporaryDir program;
    QTemporaryDir home;
    WriteTableFile(program.filePath(kWeightsFileName), WeightsWithOuterFrame("1.3"));
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    ASSERT_EQ(chown(home.path().toLocal8Bit().constData(), kNobody, kNobody), 0);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kUnwritableFolder), program.path() + QLatin1Char('/'));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    environment.remove(QStringLiteral("XDG_DATA_HOME"));
    environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
    ExpectTestPassesAsNobody(QStringLiteral("DataWatchInChild.*"), environment);
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
