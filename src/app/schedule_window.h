// The window schedule: a window beside the main window that lists one row per window type of a
// project, rated by the main window's routine against its tables as they stand, and read from
// and saved to the CSV files and Excel workbooks that "greenguide batch" reads. The rows live in a
// ScheduleModel (src/schedule), whose undo stack holds every edit.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QString>

#include <functional>

class QAbstractButton;
class QAction;
class QFileSystemWatcher;
class QHBoxLayout;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTableView;
class QTimer;
class TWER;
class Schedule;
class ScheduleModel;
enum class ScheduleField;
struct ProductTables;
struct ScheduleRowRating;

class ScheduleWindow : public QMainWindow {
    Q_OBJECT
public:
    // A window over a new schedule, its report texts taken from the main window's report view.
    explicit ScheduleWindow(TWER* mainWindow);
    ~ScheduleWindow() override;

    // What the schedule holds and what its rows are rated, for whatever acts on all of it
    // (export, printing). The report texts (company, project, date) are CurrentSchedule().report;
    // a row's certificate is CertificateOfRow(Tables(), CurrentSchedule(), row, Ratings()[row]).
    ScheduleModel* Model() const { return model_; }
    const Schedule& CurrentSchedule() const;
    const QList<ScheduleRowRating>& Ratings() const;
    const ProductTables& Tables() const;
    // The file the schedule was read from or saved to; empty before its first save.
    QString FilePath() const { return path_; }
    // The selected rows, in order (the current row when nothing is selected).
    QList<int> SelectedRows() const;

    // Places for further commands: the File menu and the row of buttons above the table.
    QMenu* FileMenu() const { return fileMenu_; }
    void AddButton(QAbstractButton* button);

    // The file dialogs, replaced by tests: a chosen path, empty when cancelled.
    using ChooseFile = std::function<QString(QWidget* parent, const QString& startPath)>;
    void SetFileChoosers(ChooseFile open, ChooseFile save);

    // Asks "Save changes to <file>?" when there are unsaved edits; false when the user cancels
    // or the save fails, so the edits stay.
    bool ConfirmUnsavedChanges();
    // The schedule's part in leaving the program (TWER's guard): asked once; until the schedule
    // changes again, closing this window asks nothing more.
    bool ConfirmLeaving();

    // Commands, as the menus and buttons run them.
    void NewClick();
    void OpenClick();
    // File > Import Rows...: the rows of another schedule file (CSV or workbook) added by its
    // header, as a paste is, in one undo step.
    void ImportClick();
    bool SaveClick();
    bool SaveAsClick();
    void AddCurrentWindowClick();
    void DuplicateClick();
    void RemoveClick();
    void MoveClick(int delta);
    void PasteClick();
    // Edit > Better Choices for This Row... (also the row's context menu): the main window's
    // Better Choices for the current row; the line picked replaces the row's system and
    // profiles in one undo step.
    void BetterChoicesClick();
    // Reads a schedule file; on an error says why and keeps the schedule as it is.
    bool OpenFile(const QString& path);
    // Writes the schedule whole; on an error says why and leaves the old file as it was.
    bool SaveFile(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void BuildMenus();
    void AddBetterChoices(QMenu* edit);
    void StartSchedule(const Schedule& schedule, const QString& path);
    // The report fields show the schedule's company, project and date; a field changed by the
    // user (and only then) sets the schedule's text.
    void ShowReport();
    QString ReportFieldText(ScheduleField field) const;
    void ReportFieldChanged(ScheduleField field);
    // Columns as wide as their texts, a long note or extra text cut at a readable width.
    void FitColumns();
    void ShowState();
    void RememberFrame();
    void RestoreFrame();
    QString StartFolder() const;
    void RememberFolder(const QString& path);
    // The file watched from its reading or saving on, with the SHA-256 of its bytes then: a
    // change by another program reads an unedited schedule again and asks about an edited one
    // (read again, or keep the edits, which stay to be saved).
    void WatchFile(const QByteArray& hash);
    QByteArray HashOnDisk() const;
    void FileChangedOnDisk();
    // Whether Save may replace the schedule's file: asks when it changed since it was read.
    bool ConfirmReplacingChangedFile();
    // Runs a command at the edge of the event loop: an error is shown and the window goes on.
    void Guarded(const std::function<void()>& command);

    TWER* main_;
    ScheduleModel* model_;
    QTableView* view_ = nullptr;
    QPlainTextEdit* company_ = nullptr;
    QLineEdit* project_ = nullptr;
    QLineEdit* date_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
    int buttonCount_ = 0;
    QMenu* fileMenu_ = nullptr;
    QTimer* rerate_ = nullptr;
    QString path_;
    bool leavingAnswered_ = false;
    bool showingReport_ = false;
    QFileSystemWatcher* fileWatcher_ = nullptr;
    QByteArray fileHash_;
    bool askingAboutFile_ = false;
    QString shownReport_[3];  // what each report field showed of the schedule's text
    ChooseFile chooseOpen_;
    ChooseFile chooseSave_;
};
