// The schedule window as a user drives it beside the main window.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QWindow>

#include <sys/stat.h>

#include "app/schedule_window.h"
#include "rating/grid_cells.h"
#include "schedule/schedule_model.h"
#include "test_support.h"
#include "window_fixture.h"

namespace {
QSettings ScheduleSettings() {
    return QSettings(QStringLiteral("VB and VBA Program Settings"),
                     QStringLiteral("GreenGuideSchedule"));
}
}  // namespace

class ScheduleWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ScheduleSettings().clear();
    }
    void TearDown() override {
        WindowTest::TearDown();
        ScheduleSettings().clear();
    }
    // File > Window Schedule... by its key, from the active main window.
    ScheduleWindow* OpenSchedule() {
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(window_.get(), Qt::Key_L, Qt::ControlModifier);
        ScheduleWindow* schedule = window_->OpenScheduleWindow();
        EXPECT_NE(schedule, nullptr);
        if (schedule != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(schedule));
        }
        return schedule;
    }
    QString Cell(ScheduleWindow* s, int row, int column) const {
        return s->Model()->index(row, column).data().toString();
    }
    void AddCurrentWindow(ScheduleWindow* s) {
        QTest::mouseClick(s->findChild<QPushButton*>("AddCurrentWindowButton"), Qt::LeftButton);
    }
    // Makes the window the one that gets the keys, as a click on it does.
    static bool Activate(QWidget* window) {
        window->activateWindow();
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    }
    static QString ShownTitle(ScheduleWindow* s) { return s->windowHandle()->title(); }
};

TEST_F(ScheduleWindowTest, RowsRatedAsTheMainWindowRatesThemAndEditedWithUndo) {
    Start();
    Memo("MemoSim")->setPlainText("Acme Glazing");
    Memo("MemoPro")->setPlainText("Riverside");
    ScheduleWindow* s = OpenSchedule();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(ShownTitle(s), "Window Schedule - Untitled");
    EXPECT_EQ(s->CurrentSchedule().report.company, "Acme Glazing");
    EXPECT_EQ(s->findChild<QLineEdit*>("ScheduleProject")->text(), "Riverside");
    window_->Schedule1Click(nullptr);
    EXPECT_EQ(window_->OpenScheduleWindow(), s);  // one schedule at a time

    AddCurrentWindow(s);
    EXPECT_EQ(Cell(s, 0, ScheduleModel::RefColumn), "W01");
    EXPECT_EQ(Cell(s, 0, ScheduleModel::SystemColumn), "Pelvanor 47");
    EXPECT_EQ(Cell(s, 0, ScheduleModel::WeightColumn), EditText("EditOA"));
    EXPECT_EQ(Cell(s, 0, ScheduleModel::RatingColumn), window_->GridCellTextAt(1, kGridSummaryRow));

    // The outer frame picked in the cell's list, then the same in the main window.
    auto* view = s->findChild<QTableView*>("ScheduleView");
    const QModelIndex outer = s->Model()->index(0, ScheduleModel::OuterColumn);
    view->setCurrentIndex(outer);
    view->edit(outer);
    auto* editor = view->findChild<QComboBox*>("ScheduleChoiceEditor");
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Down);
    EXPECT_EQ(Cell(s, 0, ScheduleModel::OuterColumn), "PRF011");
    ASSERT_TRUE(Activate(window_.get()));
    Choose("ComboBox1", 1);
    EXPECT_EQ(Cell(s, 0, ScheduleModel::WeightColumn), EditText("EditOA"));
    QTest::mouseClick(Find<QRadioButton>("RadioButton2"), Qt::LeftButton);
    AddCurrentWindow(s);
    EXPECT_EQ(Cell(s, 1, ScheduleModel::BuildingColumn), "Domestic");
    EXPECT_EQ(Cell(s, 1, ScheduleModel::WeightColumn), EditText("EditOA"));

    // An edit of the weights table on the data page: the rows are rated again, none dropped.
    QPlainTextEdit* weights = Memo("Memo1");
    ASSERT_TRUE(weights->find("PRF011,"));
    weights->setFocus();
    QTest::keyClicks(weights, "PRF01Y,");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !Cell(s, 0, ScheduleModel::NoteColumn).isEmpty(); }, 2000));
    EXPECT_TRUE(Cell(s, 0, ScheduleModel::NoteColumn).startsWith("no ratings column applies"));
    EXPECT_EQ(s->Model()->rowCount(), 2);

    // Undo and redo by their keys, also with the focus in a report field.
    ASSERT_TRUE(Activate(s));
    EXPECT_TRUE(s->isWindowModified());
    view->setFocus();
    QTest::keyClick(s, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s->Model()->rowCount(), 1);
    QTest::keyClick(s, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(s->Model()->rowCount(), 2);
    auto* project = s->findChild<QLineEdit*>("ScheduleProject");
    project->setFocus();
    project->end(false);
    QTest::keyClicks(project, "XY");
    EXPECT_EQ(s->CurrentSchedule().report.project, "RiversideXY");
    QTest::keyClick(project, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(project->text(), "Riverside");
    EXPECT_EQ(s->Model()->rowCount(), 2);

    // Rows from a spreadsheet, as one step.
    QGuiApplication::clipboard()->setText("ref\tsystem\nP1\tPelvanor 55\nP2\tNo Such\n");
    view->setFocus();
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(s->Model()->rowCount(), 4);
    EXPECT_EQ(Cell(s, 2, ScheduleModel::RefColumn), "P1");
    EXPECT_TRUE(Cell(s, 3, ScheduleModel::NoteColumn).startsWith("unknown system"));
    QTest::keyClick(s, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s->Model()->rowCount(), 2);

    // The selected rows removed at once, as one step; a duplicate and a move.
    const auto click = [s](const char* button) {
        QTest::mouseClick(s->findChild<QPushButton*>(button), Qt::LeftButton);
    };
    const auto refs = [&] {
        QStringList texts;
        for (int row = 0; row < s->Model()->rowCount(); ++row) {
            texts << Cell(s, row, ScheduleModel::RefColumn);
        }
        return texts;
    };
    view->setCurrentIndex(s->Model()->index(0, ScheduleModel::RefColumn));
    click("DuplicateButton");
    QTest::keyClick(view, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);  // Edit > Move Up
    EXPECT_EQ(refs(), QStringList({"W03", "W01", "W02"}));
    view->selectionModel()->select(s->Model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
    view->selectionModel()->select(s->Model()->index(2, 1), QItemSelectionModel::Select);
    click("RemoveButton");
    EXPECT_EQ(refs(), QStringList({"W01"}));
    QTest::keyClick(s, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(refs(), QStringList({"W03", "W01", "W02"}));
}

TEST_F(ScheduleWindowTest, OpenAndSaveKeepTheFileAndSayWhyWhenTheyCannot) {
    Start();
    const QSettings mainSettings(QStringLiteral("VB and VBA Program Settings"),
                                 QStringLiteral("TarvexWER"));
    const QStringList mainKeys = mainSettings.allKeys();
    ScheduleWindow* s = OpenSchedule();
    ASSERT_NE(s, nullptr);
    QString openPath, savePath;
    s->SetFileChoosers([&](QWidget*, const QString&) { return openPath; },
                       [&](QWidget*, const QString&) { return savePath; });
    WriteBytes(DataPath("in.csv"), "Ref;Qty;System\r\nW01;4;Pelvanor 47\r\n");
    openPath = DataPath("in.csv");
    s->OpenClick();
    EXPECT_EQ(ShownTitle(s), "Window Schedule - in.csv");
    EXPECT_EQ(Cell(s, 0, ScheduleModel::kFixedColumnCount), "4");
    s->Model()->setData(s->Model()->index(0, ScheduleModel::OuterColumn), "PRF011");
    EXPECT_EQ(ShownTitle(s), "Window Schedule - in.csv*");

    savePath = DataPath("out.csv");
    EXPECT_TRUE(s->SaveAsClick());
    EXPECT_EQ(ReadBytes(savePath), "Ref;Qty;System;outer\r\nW01;4;Pelvanor 47;PRF011\r\n");
    EXPECT_EQ(ShownTitle(s), "Window Schedule - out.csv");
    EXPECT_EQ(ReadBytes(openPath), "Ref;Qty;System\r\nW01;4;Pelvanor 47\r\n");
    EXPECT_EQ(ScheduleSettings().value("LastFolder").toString(), QDir(folder_.path()).path());

    // A file that is no schedule: the reader's error, and the schedule stays.
    WriteBytes(DataPath("bad.csv"), "Qty,Width\n1,2\n");
    openPath = DataPath("bad.csv");
    EXPECT_TRUE(MessageShownBy([&] {
                    s->OpenClick();
                }).endsWith("line 1: the header names no \"ref\" column"));
    EXPECT_EQ(s->FilePath(), savePath);
    EXPECT_EQ(s->Model()->rowCount(), 1);

    // A folder or a pipe where the file should be: nothing waits on the pipe, opening or saving
    // fails and says why, the schedule stays and an edit stays unsaved.
    QDir().mkpath(DataPath("taken.csv"));
    ASSERT_EQ(mkfifo(QFile::encodeName(DataPath("pipe.csv")).constData(), 0600), 0);
    const std::pair<const char*, const char*> inTheWay[] = {
        {"taken.csv", "Is a directory"}, {"pipe.csv", "It is not a regular file"}};
    for (const auto& [name, reason] : inTheWay) {
        openPath = DataPath(name);
        EXPECT_EQ(MessageShownBy([&] { s->OpenClick(); }),
                  "Cannot open file " + openPath + "\n" + reason);
    }
    s->Model()->DuplicateRow(0);
    for (const auto& [name, reason] : inTheWay) {
        savePath = DataPath(name);
        EXPECT_EQ(MessageShownBy([&] { EXPECT_FALSE(s->SaveAsClick()); }),
                  "Cannot create file " + savePath + "\n" + reason);
        EXPECT_TRUE(s->isWindowModified());
        EXPECT_EQ(s->FilePath(), DataPath("out.csv"));
    }
    // The main window's section of the settings store is not the schedule's.
    Answering({QMessageBox::Discard}, [s] { EXPECT_TRUE(s->ConfirmLeaving()); });
    EXPECT_TRUE(ScheduleSettings().contains("WindowGeometry"));
    EXPECT_EQ(mainSettings.allKeys(), mainKeys);

    // A new schedule without rows keeps its company, project and date, typed in its fields.
    Answering({QMessageBox::Discard}, [s] { s->NewClick(); });
    QTest::keyClicks(s->findChild<QLineEdit*>("ScheduleProject"), "Tower");
    QTest::keyClicks(s->findChild<QLineEdit*>("ScheduleDate"), "1 May");
    savePath = DataPath("empty.csv");
    EXPECT_TRUE(s->SaveAsClick());
    s->NewClick();
    openPath = savePath;
    s->OpenClick();
    EXPECT_EQ(s->findChild<QLineEdit*>("ScheduleProject")->text(), "Tower");
    EXPECT_EQ(s->findChild<QLineEdit*>("ScheduleDate")->text(), "1 May");
}

TEST_F(ScheduleWindowTest, OpeningIsNoEditAndSaveWritesUntouchedCellsAsTheyWere) {
    Start();
    ScheduleWindow* s = OpenSchedule();
    ASSERT_NE(s, nullptr);
    // A company of two lines parted by a carriage return, a project longer than a certificate
    // shows (and than a line edit holds at first), a date with a line separator and no-break
    // spaces: every row the same, so they are the schedule's own fields.
    const QByteArray row = ",\"Acme\rUnit 4\"," + QByteArray(40000, 'P') +
                           ",\xC2\xA0"
                           "1 May\xE2\x80\xA8"
                           "2024\xC2\xA0\r\n";
    const QByteArray file =
        "ref,system,company,project,date\r\nW01,Pelvanor 47" + row + "W02,Pelvanor 55" + row;
    const QString path = DataPath("odd.csv");
    WriteBytes(path, file);
    ASSERT_TRUE(s->OpenFile(path));
    EXPECT_FALSE(s->isWindowModified());
    EXPECT_EQ(s->findChild<QPlainTextEdit*>("ScheduleCompany")->toPlainText(), "Acme\nUnit 4");
    EXPECT_EQ(s->findChild<QLineEdit*>("ScheduleProject")->text().size(), 40000);
    EXPECT_EQ(Cell(s, 1, ScheduleModel::NoteColumn),
              "the project holds 40000 characters, more than the 4096 a certificate can show");
    ASSERT_TRUE(s->SaveFile(path));
    EXPECT_EQ(ReadBytes(path), file);

    // A "|" typed in the project stays a "|", read again and on the certificate.
    s->findChild<QLineEdit*>("ScheduleProject")->setText("Tower | Phase 2");
    EXPECT_TRUE(s->isWindowModified());
    ASSERT_TRUE(s->SaveFile(path));
    ASSERT_TRUE(s->OpenFile(path));
    EXPECT_EQ(s->findChild<QLineEdit*>("ScheduleProject")->text(), "Tower | Phase 2");
    EXPECT_EQ(s->CurrentSchedule().ReportText(0, ScheduleField::Project), "Tower | Phase 2");
    EXPECT_EQ(s->CurrentSchedule().ReportText(0, ScheduleField::Company), "Acme\nUnit 4");
}

TEST_F(ScheduleWindowTest, AFileChangedByAnotherProgramIsReadAgainOrAskedAbout) {
    Start();
    ScheduleWindow* s = OpenSchedule();
    ASSERT_NE(s, nullptr);
    const QString path = DataPath("shared.csv");
    const QByteArray mine = "ref,system\r\nW01,Pelvanor 47\r\n";
    const QByteArray theirs = "ref,system\r\nW01,Pelvanor 47\r\nW03,Pelvanor 55\r\n";
    using B = QMessageBox::StandardButton;
    const struct {
        const char* what;
        bool edited;    // a row added in the window before the file changes
        B answer;       // to "Read it again?", when asked
        bool modified;  // the window's "*" then
    } cases[] = {
        {"unedited: read again unasked", false, B::NoButton, false},
        {"edited, read again", true, B::Yes, false},
        {"edited, edits kept", true, B::No, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(path, mine);
        ASSERT_TRUE(s->OpenFile(path));
        if (c.edited) {
            s->Model()->DuplicateRow(0);
        }
        const QStringList asked = Answering({c.answer}, [&] {
            WriteBytes(path, theirs);
            EXPECT_TRUE(QTest::qWaitFor([&] {
                return s->statusBar()->currentMessage().contains("changed by another program") &&
                       !QApplication::activeModalWidget();
            }));
        });
        EXPECT_EQ(asked.size(), c.edited ? 1 : 0);
        EXPECT_EQ(s->Model()->rowCount(), 2);
        EXPECT_EQ(s->isWindowModified(), c.modified);
        EXPECT_EQ(s->Model()->index(1, ScheduleModel::RefColumn).data().toString(),
                  c.answer == B::No ? "W02" : "W03");
    }
    // Kept edits are saved over the file knowingly; a change not yet seen is asked about once:
    // not replaced, the window's rows stay as an edit.
    ASSERT_TRUE(s->SaveFile(path));
    WriteBytes(path, theirs);
    EXPECT_EQ(Answering({B::Cancel}, [&] { EXPECT_FALSE(s->SaveFile(path)); }).size(), 1);
    EXPECT_EQ(ReadBytes(path), theirs);
    EXPECT_TRUE(s->isWindowModified());
    QTest::qWait(400);
    EXPECT_EQ(Answering({}, [&] { EXPECT_TRUE(s->SaveFile(path)); }).size(), 0);
    EXPECT_NE(ReadBytes(path), theirs);
    QTest::qWait(400);  // the window's own save is no change by another program
    EXPECT_FALSE(s->isWindowModified());
}

TEST_F(ScheduleWindowTest, UnsavedEditsAreAskedAboutOnceWhicheverWindowCloses) {
    using B = QMessageBox::StandardButton;
    const QStringList once = {"Save changes to Untitled?"};
    Start();
    QPointer<ScheduleWindow> s = OpenSchedule();
    ASSERT_NE(s, nullptr);
    s->resize(900, 450);
    AddCurrentWindow(s);
    const auto exit = [this] { Find<QAction>("Exit1")->trigger(); };

    // Leaving the program: the schedule's question joins the main window's, once.
    EXPECT_EQ(Answering({B::Cancel}, exit), once);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(Answering({B::Discard}, exit), once);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(Answering({}, [&] { s->close(); }), QStringList());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(s.isNull());
    EXPECT_TRUE(ScheduleSettings().contains("WindowGeometry"));

    // Closing the schedule window alone, saved on the way out.
    window_.reset();
    Start();
    s = OpenSchedule();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->size(), QSize(900, 450));  // as it was left
    EXPECT_EQ(ShownTitle(s), "Window Schedule - Untitled");
    const QString path = DataPath("closed.csv");
    s->SetFileChoosers({}, [&](QWidget*, const QString&) { return path; });
    AddCurrentWindow(s);
    EXPECT_EQ(Answering({B::Save}, [&] { s->close(); }), once);
    // A new file: UTF-8 with a byte order mark, so spreadsheets read it as such.
    EXPECT_TRUE(ReadBytes(path).startsWith("\xEF\xBB\xBFref,system,outer,vent,transom,building"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(s.isNull());
    EXPECT_EQ(Answering({}, exit), QStringList());
}

TEST_F(ScheduleWindowTest, AWorkbookOpenedPastedIntoAndSavedKeepsWhatTheArchitectWrote) {
    Start();
    ScheduleWindow* s = OpenSchedule();
    ASSERT_NE(s, nullptr);
    const QString book = DataPath("architect.xlsx");
    ASSERT_TRUE(QFile::copy(TestWorkbooks() + "/architect.xlsx", book));
    QString openPath = book;
    s->SetFileChoosers([&](QWidget*, const QString&) { return openPath; },
                       [&](QWidget*, const QString&) { return QString(); });
    s->OpenClick();
    EXPECT_EQ(ShownTitle(s), "Window Schedule - architect.xlsx");
    EXPECT_EQ(s->findChild<QLineEdit*>("ScheduleProject")->text(), "Riverside School, Block B");
    QGuiApplication::clipboard()->setText("Ref\tSystem\tLocation\nW04\tPelvanor 47\tHall\n");
    s->PasteClick();
    // File > Import Rows...: another file's rows, by its header, in one more step.
    openPath = TestWorkbooks() + "/inline.xlsx";
    s->ImportClick();
    ASSERT_EQ(s->Model()->rowCount(), 5);
    EXPECT_EQ(s->Model()->UndoStack()->count(), 2);
    EXPECT_TRUE(s->SaveClick());  // over the workbook, as a workbook

    EXPECT_EQ(RunPython("import openpyxl, sys\n"
                        "book = openpyxl.load_workbook(sys.argv[1])\n"
                        "sheet = book['Windows']\n"
                        "print(book.sheetnames, sheet.max_row)\n"
                        "for row in (1, 2, 4, 5, 8, 9):\n"
                        "    print([c.value for c in sheet[row] if c.value is not None])\n"
                        "print(book['Other Block']['A2'].value)\n",
                        {book}),
              "['Windows', 'Other Block'] 9\n"
              "['Riverside School – window schedule']\n"
              "['Project:', 'Riverside School, Block B']\n"
              "['Ref', 'Qty', 'System', 'Outer Frame', 'Building', 'Width', 'Delivery', 'Share', "
              "'Location']\n"
              "['W01', 4, 'Pelvanor 47', 'PRF010', 'Domestic', '1,200.00', '1 May 2024', '25.0%']\n"
              "['W04', 'Pelvanor 47', 'Hall']\n"
              "['W1', 'Pelvanor 47', 'TRUE']\n"
              "N1\n");
}

TEST_F(ScheduleWindowTest, ReportFieldsWarnOfCutTextsAsTheReportViewDoes) {
    Start();
    ScheduleWindow* s = OpenSchedule();
    ASSERT_NE(s, nullptr);
    const QColor eRating(255, 178, 0);
    const struct {
        const char* field;
        const char* text;
        bool cut;
    } cases[] = {
        {"ScheduleProject", "Riverside Primary School – Phase 2", true},
        {"ScheduleProject", "Riverside School", false},
        {"ScheduleDate", "Thursday the first of May two thousand and twenty-four", true},
        {"ScheduleCompany", "Acme Glazing Ltd\nUnit 4 Riverside Park, Leeds LS1 4AB", true},
        {"ScheduleCompany", "Acme Glazing Ltd", false},
    };
    for (const auto& c : cases) {
        QWidget* field = s->findChild<QWidget*>(c.field);
        const QString text = QString::fromUtf8(c.text);
        if (auto* line = qobject_cast<QLineEdit*>(field)) {
            line->setText(text);
        } else {
            qobject_cast<QPlainTextEdit*>(field)->setPlainText(text);
        }
        // The report view's field says the same of the same text.
        QPlainTextEdit* memo = Memo("MemoPro");
        memo->setPlainText(text);
        EXPECT_EQ(field->toolTip(), memo->toolTip()) << c.text;
        EXPECT_EQ(field->toolTip().endsWith("\" will be cut"), c.cut) << c.text;
        const QImage look = field->grab().toImage();
        EXPECT_EQ(PixelAt(look, 0, look.height() / 2) == eRating, c.cut) << c.text;
    }
}
