// The main window "BRE Green Guide": the selection of window system and profiles, the ratings
// grid, the specification sheet, the certificate preview and the data pages. State lives in
// the controls; every handler reads what it needs from them and writes its results back.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

#include "app/leaving_guards.h"
#include "app/twer_controls.h"
#include "app/twer_environment.h"
#include "data/data_files.h"

class QPlainTextEdit;
class QPrinter;
class QSessionManager;
class QFont;
class QSettings;
class QVBoxLayout;
class QWidget;
class Canvas;
struct CertificateData;
struct DataFinding;
struct FoundWeightLines;
class DataFileWatcher;
class TableFiles;
class TFormAbt;
class ScheduleLink;
class ScheduleWindow;
struct ProductTables;
struct ScheduleReport;
struct WindowRequest;

// What the status text in the tab set's row speaks of; each topic keeps its own text, shown
// side by side in this order.
enum class StatusTopic { Rating, DataFiles, DataCheck, TableSources };

class TWER : public QMainWindow, private TwerControls {
    Q_OBJECT
public:
    explicit TWER(TwerEnvironment environment, QWidget* parent = nullptr);
    ~TWER() override;

    // The About box that the window shows as its start-up splash and from Help > About.
    void SetAboutBox(TFormAbt* aboutBox) { formAbt_ = aboutBox; }

    // The one path for leaving, whichever way the program is left (File > Exit, Ctrl+Q, the
    // window's close button, the session ending): the window's own two tables are asked about,
    // then each guard added (as the schedule window asks "Save changes to <file>?"), then the
    // window is remembered. False when the user cancelled.
    void AddUnsavedWorkGuard(LeavingGuards::Guard guard) { leaving_.Add(std::move(guard)); }
    bool ConfirmLeaving() { return leaving_.Confirm(); }
    void ForgetLeavingAnswer() { leaving_.Forget(); }

    // What the schedule window takes from this one: the four tables as the editors hold them
    // now, the current selection of system, profiles and building type, and the report view's
    // company, project and date.
    ProductTables CurrentTables() const;
    WindowRequest CurrentWindowRequest() const;
    ScheduleReport CurrentReportFields() const;
    // The data version of the tables as the editors hold them now (DataVersionText).
    QString CurrentDataVersion() const;
    // The schedule window while it is open, else nullptr.
    ScheduleWindow* OpenScheduleWindow() const;

    // Handlers, named after their controls and events.
    void ComboBox5DrawItem(QObject* sender, int index, const QRect& rect, bool selected,
                           Canvas& canvas);
    void ButtonSystem(QObject* sender);
    void ButtonRefreshSystem(QObject* sender);
    void ComboBoxProfileDrawItem(QObject* sender, int index, const QRect& rect, bool selected,
                                 Canvas& canvas);
    void FormShow(QObject* sender);
    void ButtonDefaultsClick(QObject* sender);
    void BtnWerDraw(QObject* sender);
    void About1Click(QObject* sender);
    // Help > User Guide (F1): the guide shipped inside the program, in a window of its own.
    void UserGuide1Click(QObject* sender);
    void DrawGrid1DrawCell(QObject* sender, int col, int row, const QRect& rect, bool selected,
                           Canvas& canvas);
    void Button12Click(QObject* sender);
    void ComboBox1Change(QObject* sender);
    void RefreshPreview(QObject* sender);
    void ScrollBox2Resize(QObject* sender);
    void TabSet1Change(QObject* sender, int newTab);
    void WebLink1Click(QObject* sender);
    void Report1Click(QObject* sender);
    void Print1Click(QObject* sender);
    void Exit1Click(QObject* sender);
    void AAAClick(QObject* sender);
    void Button1Click(QObject* sender);
    void Button2Click(QObject* sender);
    void ButtonPrintClick(QObject* sender);
    // "Check" on the data pages: the data check's findings for both tables.
    void ButtonCheckClick(QObject* sender);
    // File > Export PDF... and the report's "Export PDF" button: the certificate as a PDF file.
    void Export1Click(QObject* sender);
    // View > Better Choices...: the windows of this system or of all that rate better; the one
    // picked is chosen as a user's choice is.
    void BetterChoices1Click(QObject* sender);
    // File > Window Schedule...: opens the schedule window, or brings the open one forward.
    void Schedule1Click(QObject* sender);

    // The system's name as the documents print it.
    QString SystemDisplayName() const;
    // The text of a grid cell, worked out as the grid draws it.
    QString GridCellTextAt(int col, int row) const;
    // How many times the report preview has been drawn.
    int PreviewRefreshCount() const { return previewRefreshes_; }
    // The window's status text, in the empty part of the tab set's row: one text per topic
    // (empty: none). Every message of the status line goes through here.
    void ShowStatusText(StatusTopic topic, const QString& text);
    QString StatusTextOf(StatusTopic topic) const;

signals:
    // A table changed: edited, or read again from its data file. Whatever rates outside the
    // window's own chain (the schedule window) rates again.
    void TablesChanged();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The layout, page by page in the order the controls are made (their Tab order).
    void BuildLayout();
    void BuildBanner(QWidget* central, QVBoxLayout* windowColumn);
    void BuildSelection(QVBoxLayout* leftColumn, const QFont& windowFont);
    void BuildDataPages(QVBoxLayout* leftColumn);
    void BuildSheet();
    void BuildReportPage();
    void BuildTabSet(QWidget* central, QVBoxLayout* windowColumn);
    // Puts the window's outer frame at its place and size; once the window manager has framed
    // the window, FitFrame makes the frame, not the inside, that size.
    void PlaceWindow(const QRect& frame);
    void FitFrame();
    // On a screen of another device pixel ratio, draws the sheet and the preview again at it.
    void RedrawForScreen();
    // The frame to start with: the remembered one, else the designed one (kept as the chosen
    // frame), inside the free area of its screen.
    QRect StartFrame();
    // Remembering in the settings store: the choices are applied at start and written as the
    // user makes them; the window's frame and the company and project texts at close.
    void ApplyRememberedSystem(QObject* sender);
    void ApplyRememberedProfiles(QObject* sender);
    void RememberSelection();
    void RememberBuildingType();
    void RememberWindow();
    // A user's choice in a profile selector: the recalculation, and the choice remembered.
    void ProfileChosen(QComboBox* selector);
    // The profile selectors refilled from the selected system's block, without recalculating.
    void FillProfileSelectors();
    // A window chosen in Better Choices: its system and profiles set as a user's choice is,
    // with one recalculation.
    void ChooseWindow(const WindowRequest& window);
    // Unsaved edits of the two saved tables: a "*" on the page's tab and Save button while
    // there are any, and a question for each such table before the program ends; false when
    // the user cancels (or a save fails), so the program goes on.
    void ShowUnsavedMarks();
    bool ConfirmUnsavedTables();
    // The desktop session is ending: asks as leaving does, when the session lets it ask.
    void CommitSessionData(QSessionManager& manager);
    // Shows the data check's findings in a box beside the window (which stays usable); with
    // no findings, only when asked for.
    void ShowDataCheck(bool evenWhenClean);
    // The data check's box with these findings under the summary.
    void ShowFindings(const QString& summary, const std::vector<DataFinding>& findings);
    // Why no ratings column applies, if none does, in the weight fields' tooltips and the
    // status text; else the headroom to the next ratings, in the status text and the tooltip
    // of the grid's summary-rating cell.
    void ShowRatingStatus(const FoundWeightLines& found, double weight,
                          const QStringList& breRatings);
    // A finding chosen in the data check's list: its data page shown, its line selected.
    void ShowFindingLine(const QString& fileName, int line);
    // Frames a company, project or date field in the "E" rating colour, with a tooltip naming
    // what will be cut, while its text does not fit its place on the certificate.
    void MarkTooLongForCertificate(QPlainTextEdit* memo);
    void BuildMenu();
    void ConnectEvents();
    void LoadDataFiles();
    // Reads one table's data file over its editor, at start and whenever it is read again.
    void LoadDataFile(QPlainTextEdit* memo, const QString& fileName);
    // Reads both tables again in the read order (another shared data folder chosen); a table
    // with unsaved edits is asked about first.
    void ReloadDataFiles();
    // Where each table came from, in the status text and the data pages' tab tooltips.
    void ShowTableSources();
    void SaveTable(QPlainTextEdit* memo, const QString& fileName);
    // A data file changed elsewhere (DataFileWatcher) is read again into an unedited table, and
    // asked about (ReloadOverEdits) for an edited one.
    void DataFilesChanged(const QStringList& fileNames);
    bool ReloadOverEdits(const QString& fileName);
    QPlainTextEdit* MemoOfTable(const QString& fileName) const;
    QWidget* PageOfTable(const QPlainTextEdit* memo) const;
    // What the window has to say about its data files, in its status text.
    void ShowDataFileNote(const QString& note) { ShowStatusText(StatusTopic::DataFiles, note); }
    // Prints the page on the chosen printer, or writes it whole when the printer is a file.
    void PrintCertificate(QPrinter& printer, const CertificateData& data);
    // The certificate's record as the controls give it now.
    CertificateData CurrentCertificateData() const;
    int RatingsColumn() const;
    bool Commercial() const;
    // The lines of the BRE ratings table: read once per recalculation for all it redraws.
    QStringList BreRatingLines() const;
    // Runs a handler at the edge of the event loop: a program error is shown in a message box
    // and the program goes on.
    void Guarded(const std::function<void()>& handler);

    TwerEnvironment env_;
    std::unique_ptr<QSettings> settings_;
    TFormAbt* formAbt_ = nullptr;
    LeavingGuards leaving_{[this] { RememberWindow(); }};
    bool shown_ = false;
    // The outer frame the window is to have, and whether the frame has been fitted to it.
    QRect wantedFrame_;
    bool frameFitted_ = false;
    // The frame the user chose last, before it was fitted to the screen.
    QRect chosenFrame_;
    int previewRefreshes_ = 0;
    // Set only while a recalculation runs.
    const QStringList* breRatingLinesOfRun_ = nullptr;
    // The data files this window loaded or saved, watched.
    DataFileWatcher* dataWatcher_ = nullptr;
    // Where a zero byte cut each data file as this window last read it; cleared by a save.
    QHash<const QPlainTextEdit*, TextCut> tableCuts_;
    // Where each data table was read from or saved to, and the read order it was chosen by.
    std::unique_ptr<TableFiles> tableFiles_;
    std::unique_ptr<ScheduleLink> scheduleLink_;
};
