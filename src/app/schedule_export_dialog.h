// The question "Export Certificates..." of the schedule window asks: one PDF for the whole
// schedule (a summary, then one certificate per rated row), or, as "greenguide batch -o DIR"
// writes them, one <ref>.pdf per row and summary.csv into a folder. The last choice, file and
// folder are remembered in the schedule window's own section of the settings store, as are the
// schedule's own columns (Qty, Location, ...) ticked for the PDF's summary.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include <optional>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Schedule;

enum class ScheduleExportMode { CombinedPdf, Folder };

struct ScheduleExportChoice {
    ScheduleExportMode mode = ScheduleExportMode::CombinedPdf;
    QString path;  // the PDF, or the folder
    // The schedule's own columns the PDF's summary prints after the Ref column.
    QList<int> summaryColumns;
};

// The schedule's extra columns (SummaryExtraColumns) that the summary prints: all but those
// whose names the export dialog last saw unticked ("Print All..." prints the same).
QList<int> RememberedSummaryColumns(const Schedule& schedule);

// The name the combined PDF is offered under: "<project> - Window Schedule.pdf" with the
// schedule's project, else "Window Schedule.pdf", made safe as a file name.
QString SuggestedSchedulePdfName(const Schedule& schedule);

class ScheduleExportDialog : public QDialog {
    Q_OBJECT
public:
    // Starts from the remembered choice, the remembered file's folder with the name suggested
    // for this schedule, and the remembered folder (else the user's documents folder).
    ScheduleExportDialog(const Schedule& schedule, QWidget* parent = nullptr);

    ScheduleExportChoice Choice() const;
    // Keeps the choice for the next export.
    void Remember() const;

    // Export: a PDF that is there already is replaced only when the user says so, with the
    // question the platform's save dialog asks (unless that dialog asked it for this file); so
    // are the certificates and summaries a folder holds already, asked once for all of them.
    void accept() override;

private:
    void ShowChoice();
    void BrowseFile();
    void BrowseFolder();
    // The question before a folder export replaces files there: true to go on.
    bool ConfirmFolderReplace(const QString& folder);

    QRadioButton* combinedButton_ = nullptr;
    QRadioButton* folderButton_ = nullptr;
    QLineEdit* filePath_ = nullptr;
    QLineEdit* folderPath_ = nullptr;
    QPushButton* fileBrowse_ = nullptr;
    QPushButton* folderBrowse_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    // A tick per extra column of the schedule, with its column.
    QGroupBox* columnsBox_ = nullptr;
    QList<std::pair<QCheckBox*, int>> columnTicks_;
    QString confirmedFile_;  // the file the save dialog asked about and the user chose
    const Schedule& schedule_;
};

// Asks with the dialog; the choice (remembered) when the user pressed "Export", else nullopt.
std::optional<ScheduleExportChoice> ChooseScheduleExportWithDialog(QWidget* parent,
                                                                   const Schedule& schedule);
