// The schedule window's "Export Certificates..." and "Print All..." as a user meets them: the
// choice remembered, a progress dialog whose Cancel leaves no cut file, a failed write told, and
// every page printed as one job.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <csignal>

#include <gtest/gtest.h>

#include "app/schedule_exporting.h"
#include "app/schedule_output_commands.h"
#include "app/schedule_printing.h"
#include "app/schedule_settings.h"
#include "app/schedule_window.h"
#include "data/builtin_tables.h"
#include "test_support.h"
#include "window_fixture.h"

namespace {

// Presses the progress dialog's Cancel once it shows `step` steps done.
class CancelAt {
public:
    explicit CancelAt(int step) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this, step] {
            auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr && dialog->value() >= step) {
                QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
                timer_.stop();
            }
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

// Files of this process may not grow past 4 KiB while it lives, as on a disk that fills up. In
// the process itself, since a forked child cannot paint the progress dialog (Qt's drawing
// threads do not survive the fork).
class FileSizeLimit {
public:
    FileSizeLimit() {
        getrlimit(RLIMIT_FSIZE, &old_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, signal_);
    }

private:
    rlimit old_{};
    void (*signal_)(int) = nullptr;
};

class ScheduleExportWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ScheduleSettings().clear();
        input_.tables = ProductTablesOf(BuiltInWeightsTable(), BuiltInSystemCatalogue(),
                                        BuiltInBreRatingsTable(), BuiltInProductList());
        input_.schedule = *ReadSchedule(
                               "ref,system,outer,building\n"
                               "W01,Pelvanor 47,PRF010,Domestic\n"
                               "W02,Pelvanr 47,,\n"
                               "W03,Pelvanor 62,,\n")
                               .schedule;
        input_.schedule.report = {"Acme Glazing Ltd", "Riverside School", "1 May 2024"};
        input_.ratings = RateSchedule(input_.tables, input_.schedule);
        input_.creator = "BRE Green Guide 1.0";
        window_.show();
    }
    ScheduleExportOutcome Export(ScheduleExportMode mode, const QString& path) {
        return RunScheduleExport(&window_, {mode, path, {}}, input_);
    }

    QTemporaryDir dir_;
    ScheduleCertificates input_;
    QWidget window_;
};

}  // namespace

TEST_F(ScheduleExportWindow, OnePdfOrCancelledKeepingTheOldFileWhole) {
    const QString pdf = dir_.filePath("schedule.pdf");
    const ScheduleExportOutcome made = Export(ScheduleExportMode::CombinedPdf, pdf);
    EXPECT_EQ(made.kind, ScheduleExportOutcome::Kind::Written);
    EXPECT_EQ(made.text, "2 certificates and a summary of 3 windows written to " + pdf +
                             ".\n\nWithout a certificate:\nW02: " + input_.ratings[1].note);
    EXPECT_TRUE(Tool("pdfinfo", {pdf}).contains("Pages:           3\n"));

    const QByteArray old = ReadBytes(pdf);
    const CancelAt cancel(2);
    const ScheduleExportOutcome cancelled = Export(ScheduleExportMode::CombinedPdf, pdf);
    EXPECT_EQ(cancelled.kind, ScheduleExportOutcome::Kind::Cancelled);
    EXPECT_EQ(cancelled.text, "Cancelled: nothing was written; " + pdf + " is as it was.");
    EXPECT_EQ(ReadBytes(pdf), old);
    EXPECT_EQ(Files(dir_.path()), QStringList{"schedule.pdf"});
}

TEST_F(ScheduleExportWindow, AFailedWriteLeavesNoCutFileAndSaysWhy) {
    const QByteArray old = "%PDF-1.4 an older schedule";
    const QString pdf = dir_.filePath("old.pdf");
    WriteBytes(pdf, old);
    const QString inTheWay = dir_.filePath("in the way.pdf");
    ASSERT_TRUE(QDir().mkpath(inTheWay));
    EXPECT_EQ(Export(ScheduleExportMode::CombinedPdf, inTheWay).text,
              "Cannot create file " + inTheWay + "\nIs a directory");
    // A disk that fills up part way: the old file stays, no temporary file is left.
    {
        const FileSizeLimit limit;
        EXPECT_EQ(Export(ScheduleExportMode::CombinedPdf, pdf).text,
                  "Cannot create file " + pdf + "\nFile too large");
    }
    EXPECT_EQ(ReadBytes(pdf), old);
    EXPECT_EQ(Files(dir_.path()), QStringList{"old.pdf"});
    // A summary.csv that cannot be made: no certificate is written, and it says why.
    const QString blocked = dir_.filePath("blocked");
    ASSERT_TRUE(QDir().mkpath(blocked + "/summary.csv"));
    const ScheduleExportOutcome noSummary = Export(ScheduleExportMode::Folder, blocked);
    EXPECT_EQ(noSummary.kind, ScheduleExportOutcome::Kind::Failed);
    EXPECT_TRUE(noSummary.text.startsWith("Cannot create file " + blocked + "/summary.csv\n"));
    EXPECT_TRUE(
        noSummary.text.endsWith("0 certificates written to " + blocked + " before it stopped."));
    EXPECT_EQ(Files(blocked), QStringList());
    // A folder that cannot be made.
    EXPECT_EQ(Export(ScheduleExportMode::Folder, pdf + "/certificates").text,
              "Cannot create folder " + pdf + "/certificates");
}

TEST_F(ScheduleExportWindow, AFolderCancelledKeepsWholeFilesAndASummaryOfThem) {
    const QString folder = dir_.filePath("certificates");
    const ScheduleExportOutcome all = Export(ScheduleExportMode::Folder, folder);
    EXPECT_EQ(all.certificates, 2);
    EXPECT_EQ(Files(folder), QStringList({"W01.pdf", "W03.pdf", "summary.csv", "summary.xlsx"}));
    EXPECT_TRUE(all.text.startsWith("2 certificates written to " + folder +
                                    ", with summary.csv and summary.xlsx.\n\nWithout a "
                                    "certificate:\nW02: "));

    const QString cancelledFolder = dir_.filePath("cancelled");
    const CancelAt cancel(1);
    const ScheduleExportOutcome cancelled = Export(ScheduleExportMode::Folder, cancelledFolder);
    EXPECT_EQ(cancelled.kind, ScheduleExportOutcome::Kind::Cancelled);
    EXPECT_EQ(cancelled.text, "Cancelled after 1 of 3 windows: 1 certificate written to " +
                                  cancelledFolder +
                                  "; summary.csv and summary.xlsx list them and the windows not "
                                  "reached.");
    EXPECT_EQ(Files(cancelledFolder), QStringList({"W01.pdf", "summary.csv", "summary.xlsx"}));
    EXPECT_TRUE(Tool("pdfinfo", {cancelledFolder + "/W01.pdf"}).contains("Pages:           1\n"));
    const QStringList summary = QString::fromUtf8(ReadBytes(cancelledFolder + "/summary.csv"))
                                    .split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(summary.size(), 4);
    EXPECT_TRUE(summary[1].startsWith("W01,Pelvanor 47,PRF010,")) << summary[1].toStdString();
    EXPECT_TRUE(summary[2].endsWith(",cancelled") && summary[3].endsWith(",cancelled"));
}

TEST_F(ScheduleExportWindow, TheChoiceIsRememberedInTheScheduleWindowsOwnSection) {
    const QString folder = dir_.filePath("out");
    QDir().mkpath(folder);
    {
        ScheduleExportDialog dialog(input_.schedule);
        EXPECT_TRUE(dialog.findChild<QRadioButton*>("CombinedButton")->isChecked());
        EXPECT_TRUE(dialog.Choice().path.endsWith("/Riverside School - Window Schedule.pdf"));
        dialog.findChild<QRadioButton*>("FolderButton")->click();
        dialog.findChild<QLineEdit*>("FolderPath")->setText(folder);
        dialog.Remember();
    }
    ScheduleExportDialog again(input_.schedule);
    EXPECT_EQ(again.Choice().mode, ScheduleExportMode::Folder);
    EXPECT_EQ(again.Choice().path, folder);
    again.findChild<QLineEdit*>("FolderPath")->clear();
    EXPECT_FALSE(again.findChild<QPushButton*>("ExportButton")->isEnabled());
    EXPECT_TRUE(QSettings("VB and VBA Program Settings", "TarvexWER").allKeys().isEmpty());
}

TEST_F(ScheduleExportWindow, ReturnExportsToThePathTyped) {
    ScheduleExportDialog dialog(input_.schedule);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QWidget* typedInto = QApplication::focusWidget();
    ASSERT_EQ(typedInto, dialog.findChild<QLineEdit*>("CombinedPath"));
    QTest::keyClick(typedInto, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(typedInto, "/tmp/typed.pdf");
    QTest::keyClick(typedInto, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Choice().path, "/tmp/typed.pdf");
}

TEST_F(ScheduleExportWindow, NeitherTheScheduleNorAnotherFileIsReplacedUnasked) {
    // The schedule's own file, as the PDF or as the folder's summary.csv: refused, kept whole.
    const QByteArray csv = "ref,system\r\nW01,Pelvanor 47\r\n";
    const struct {
        const char* schedule;
        ScheduleExportMode mode;
        const char* path;  // in the test's folder
        const char* text;
    } refusals[] = {
        {"schedule.csv", ScheduleExportMode::CombinedPdf, "sub/../schedule.csv",
         "Nothing was written: %1/sub/../schedule.csv is the schedule itself. Choose another "
         "name for the PDF."},
        {"summary.csv", ScheduleExportMode::Folder, "sub/..",
         "Nothing was written: the schedule itself is the summary.csv that the export writes "
         "into %1/sub/... Choose another folder."},
    };
    ASSERT_TRUE(QDir().mkpath(dir_.filePath("sub")));
    for (const auto& c : refusals) {
        SCOPED_TRACE(c.schedule);
        WriteBytes(dir_.filePath(c.schedule), csv);
        input_.schedulePath = dir_.filePath(c.schedule);
        const ScheduleExportOutcome refused = Export(c.mode, dir_.filePath(c.path));
        EXPECT_EQ(refused.kind, ScheduleExportOutcome::Kind::Failed);
        EXPECT_EQ(refused.text, QString(c.text).arg(dir_.path()));
        EXPECT_EQ(ReadBytes(dir_.filePath(c.schedule)), csv);
    }
    EXPECT_EQ(Files(dir_.path()), QStringList({"schedule.csv", "summary.csv"}));

    // A PDF that is there: replaced when the user says so, with the save dialog's question.
    const QString pdf = dir_.filePath("old.pdf");
    WriteBytes(pdf, "%PDF-1.4 an older schedule");
    ScheduleExportDialog dialog(input_.schedule);
    dialog.findChild<QLineEdit*>("CombinedPath")->setText(pdf);
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        QString asked;
        QTimer::singleShot(0, [&asked, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            asked = box != nullptr ? box->text() : "no question";
            if (box != nullptr) {
                box->button(answer)->click();
            }
        });
        dialog.findChild<QPushButton*>("ExportButton")->click();
        EXPECT_EQ(asked, "old.pdf already exists.\nDo you want to replace it?");
        EXPECT_EQ(dialog.result(), answer == QMessageBox::Yes ? QDialog::Accepted : 0);
    }

    // A folder asks once for every file of the export that is there; other files are no concern.
    const QString folder = dir_.filePath("out");
    ASSERT_TRUE(QDir().mkpath(folder));
    dialog.findChild<QRadioButton*>("FolderButton")->setChecked(true);
    dialog.findChild<QLineEdit*>("FolderPath")->setText(folder);
    const struct {
        const char* file;  // added to the folder before Export is pressed
        const char* question;
    } folderCases[] = {
        {"notes.txt", ""},
        {"W02.pdf", "W02.pdf already exists in %1.\nDo you want to replace it?"},
        {"summary.csv",
         "2 files already exist in %1: summary.csv, W02.pdf.\nDo you want to replace them?"},
    };
    for (const auto& c : folderCases) {
        SCOPED_TRACE(c.file);
        WriteBytes(QDir(folder).filePath(c.file), "older");
        QString asked;
        QTimer::singleShot(0, [&asked] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr) {
                asked = box->text();
                box->button(QMessageBox::No)->click();
            }
        });
        dialog.setResult(0);
        dialog.findChild<QPushButton*>("ExportButton")->click();
        EXPECT_EQ(asked, QString(c.question).arg(QDir::toNativeSeparators(folder)));
        EXPECT_EQ(dialog.result(), *c.question == 0 ? QDialog::Accepted : 0);
    }
}

TEST_F(ScheduleExportWindow, PrintAllIsOneJobOfEveryPage) {
    const QString pdf = dir_.filePath("printed.pdf");
    int choices = 0;
    const auto toFile = [&](QPrinter& printer, QWidget*) {
        ++choices;
        printer.setOutputFileName(pdf);
        return choices == 1;
    };
    EXPECT_EQ(PrintSchedule(&window_, input_.tables, input_.schedule, input_.ratings, {},
                            input_.creator, toFile),
              3);
    const QString info = Tool("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains("Pages:           3\n")) << info.toStdString();
    EXPECT_TRUE(info.contains("Title:           Window Schedule\n"));
    const QStringList pages = Tool("pdftotext", {pdf, "-"}).split('\f');
    ASSERT_GE(pages.size(), 3);
    EXPECT_TRUE(pages[0].startsWith("Window Schedule") && pages[2].contains("Pelvanor 62"));
    // The dialog cancelled prints nothing; a cancel part way leaves the printed file whole.
    const QByteArray printed = ReadBytes(pdf);
    EXPECT_EQ(PrintSchedule(&window_, input_.tables, input_.schedule, input_.ratings, {},
                            input_.creator, toFile),
              0);
    choices = 0;
    const CancelAt cancel(1);
    EXPECT_EQ(PrintSchedule(&window_, input_.tables, input_.schedule, input_.ratings, {},
                            input_.creator, toFile),
              0);
    EXPECT_EQ(ReadBytes(pdf), printed);
    EXPECT_EQ(Files(dir_.path()), QStringList{"printed.pdf"});
}

TEST_F(ScheduleExportWindow, PrintAllToAFileGivesTheExportsWordsWithTheColumnsTicked) {
    input_.schedule = *ReadSchedule(
                           "ref,Qty,Location,Notes,system,outer,vent,transom\n"
                           "W01,4,Ground floor classroom 1 (north elevation) by the main entrance,"
                           "n,Pelvanor 90 Vantrel,VTR410,VTR420,PRF430\n"
                           "W02,2,Hall,n,Meridan 50,SLM110,SLM120,SLM130\n")
                           .schedule;
    input_.ratings = RateSchedule(input_.tables, input_.schedule);
    {
        ScheduleExportDialog dialog(input_.schedule);
        const QList<QCheckBox*> ticks = dialog.findChildren<QCheckBox*>();
        ASSERT_EQ(ticks.size(), 3);
        EXPECT_TRUE(ticks[0]->isChecked() && ticks[1]->isChecked() && ticks[2]->isChecked());
        ticks[2]->setChecked(false);  // Notes
        EXPECT_EQ(dialog.Choice().summaryColumns, QList<int>({1, 2}));
        dialog.Remember();
    }
    ScheduleExportDialog again(input_.schedule);
    EXPECT_FALSE(again.findChildren<QCheckBox*>()[2]->isChecked());
    EXPECT_EQ(RememberedSummaryColumns(input_.schedule), QList<int>({1, 2}));

    const QString exported = dir_.filePath("exported.pdf");
    const ScheduleExportChoice choice{ScheduleExportMode::CombinedPdf, exported,
                                      again.Choice().summaryColumns};
    ASSERT_EQ(RunScheduleExport(&window_, choice, input_).kind,
              ScheduleExportOutcome::Kind::Written);
    const QString printed = dir_.filePath("printed.pdf");
    const auto toFile = [&](QPrinter& printer, QWidget*) {
        printer.setResolution(1200);
        printer.setOutputFileName(printed);
        return true;
    };
    ASSERT_EQ(PrintSchedule(&window_, input_.tables, input_.schedule, input_.ratings,
                            RememberedSummaryColumns(input_.schedule), input_.creator, toFile),
              3);
    const auto summaryWords = [](const QString& pdf) {
        return Tool("pdftotext", {pdf, "-"})
            .section('\f', 0, 0)
            .split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    };
    const QStringList words = summaryWords(exported);
    EXPECT_EQ(summaryWords(printed), words);
    EXPECT_TRUE(words.contains("Location") && words.contains("Qty") && !words.contains("Notes"));
}

TEST_F(ScheduleExportWindow, CutTextsAreListedBeforeTheExportWhichCanGoBack) {
    input_.schedule.report.project = "Riverside Primary School – Phase 2";
    const QString pdf = dir_.filePath("cut.pdf");
    const auto choose = [&](QWidget*, const Schedule&) {
        return std::optional(ScheduleExportChoice{ScheduleExportMode::CombinedPdf, pdf, {}});
    };
    for (const char* answer : {"Go &Back", "&Export Anyway"}) {
        SCOPED_TRACE(answer);
        // Answers the question, then closes the outcome's box.
        QString question;
        QTimer press;
        press.setInterval(0);
        QObject::connect(&press, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            if (box->objectName() == "CutTextQuestion") {
                question = box->text();
                for (QAbstractButton* button : box->buttons()) {
                    if (button->text() == answer) {
                        button->click();
                    }
                }
            } else {
                box->accept();
            }
        });
        press.start();
        ExportScheduleCertificates(&window_, input_, choose);
        EXPECT_TRUE(question.contains(
            QRegularExpression("W01: project \"[^\"]*Phase 2\" will be cut\nW03: project")))
            << question.toStdString();
        EXPECT_FALSE(question.contains("W02"));  // not rated: no certificate to cut
        EXPECT_EQ(QFileInfo::exists(pdf), answer[0] == '&');
    }
}

class ScheduleWindowOutput : public WindowTest {};

TEST_F(ScheduleWindowOutput, TheWindowsMenuAndButtonsExportAndPrintItsRows) {
    Start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_.get(), Qt::Key_L, Qt::ControlModifier);
    ScheduleWindow* schedule = window_->OpenScheduleWindow();
    ASSERT_NE(schedule, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(schedule));
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(schedule->findChild<QPushButton*>("AddCurrentWindowButton"),
                          Qt::LeftButton);
    }
    auto* commands = schedule->findChild<ScheduleOutputCommands*>();
    ASSERT_NE(commands, nullptr);
    const QString pdf = folder_.filePath("schedule.pdf");
    commands->SetExportChooser([&](QWidget*, const Schedule&) {
        return ScheduleExportChoice{ScheduleExportMode::CombinedPdf, pdf, {}};
    });
    // The keys go to the window that is active, as a click on it makes it.
    schedule->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == schedule; }));
    EXPECT_EQ(MessageShownBy([&] { QTest::keyClick(schedule, Qt::Key_E, Qt::ControlModifier); }),
              "2 certificates and a summary of 2 windows written to " + pdf + ".");
    const QString printed = folder_.filePath("printed.pdf");
    commands->SetPrinterChoice([&](QPrinter& printer, QWidget*) {
        printer.setOutputFileName(printed);
        return true;
    });
    QTest::mouseClick(schedule->findChild<QPushButton*>("PrintAllButton"), Qt::LeftButton);
    EXPECT_TRUE(Tool("pdfinfo", {printed}).contains("Pages:           3\n"));
    EXPECT_EQ(schedule->statusBar()->currentMessage(), "3 pages printed.");
    const QStringList items = {"ScheduleSaveAs",   "", "ScheduleExport",
                               "SchedulePrintAll", "", "ScheduleClose"};
    QStringList names;
    for (const QAction* action : schedule->FileMenu()->actions()) {
        names << action->objectName();
    }
    EXPECT_EQ(names.mid(names.indexOf("ScheduleSaveAs")), items);
}
