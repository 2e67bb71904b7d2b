#include "app/schedule_export_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/schedule_settings.h"
#include "platform/whole_file.h"
#include "schedule/schedule.h"
#include "schedule/schedule_export.h"
#include "schedule/schedule_summary_layout.h"

namespace {

const QString kChoiceKey = QStringLiteral("ExportChoice");
const QString kFileKey = QStringLiteral("ExportFile");
const QString kFolderKey = QStringLiteral("ExportFolder");
const QString kFolderChoice = QStringLiteral("folder");
const QString kPdfChoice = QStringLiteral("pdf");
// The names of the columns left unticked: a column new to the export is printed.
const QString kColumnsLeftOutKey = QStringLiteral("SummaryColumnsLeftOut");

QString ColumnKey(const Schedule& schedule, int column) {
    return schedule.Columns()[column].simplified().toCaseFolded();
}

QString DocumentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// A remembered folder that is still there, else the user's documents folder.
QString FolderOr(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : DocumentsFolder();
}

}  // namespace

QList<int> RememberedSummaryColumns(const Schedule& schedule) {
    const QStringList leftOut = ScheduleSettings().value(kColumnsLeftOutKey).toStringList();
    QList<int> columns;
    for (const int column : SummaryExtraColumns(schedule)) {
        if (!leftOut.contains(ColumnKey(schedule, column))) {
            columns << column;
        }
    }
    return columns;
}

QString SuggestedSchedulePdfName(const Schedule& schedule) {
    // The schedule's own project only: rows of different projects joined would make an odd name.
    const QString project = SafeFileName(schedule.report.project.simplified());
    const QString name = QStringLiteral("Window Schedule.pdf");
    return project.isEmpty() ? name : project + QStringLiteral(" - ") + name;
}

ScheduleExportDialog::ScheduleExportDialog(const Schedule& schedule, QWidget* parent)
    : QDialog(parent), schedule_(schedule) {
    setObjectName(QStringLiteral("ScheduleExportDialog"));
    setWindowTitle(QStringLiteral("Export Certificates"));
    combinedButton_ = new QRadioButton(
        QStringLiteral("One &PDF: a summary, then every rated window's certificate"));
    combinedButton_->setObjectName(QStringLiteral("CombinedButton"));
    folderButton_ =
        new QRadioButton(QStringLiteral("One &file per window, with summary.csv, into a folder"));
    folderButton_->setObjectName(QStringLiteral("FolderButton"));
    filePath_ = new QLineEdit;
    filePath_->setObjectName(QStringLiteral("CombinedPath"));
    folderPath_ = new QLineEdit;
    folderPath_->setObjectName(QStringLiteral("FolderPath"));
    fileBrowse_ = new QPushButton(QStringLiteral("&Browse..."));
    folderBrowse_ = new QPushButton(QStringLiteral("B&rowse..."));
    filePath_->setMinimumWidth(420);

    const QSettings settings = ScheduleSettings();
    const QString lastFile = settings.value(kFileKey).toString();
    const QString fileFolder =
        FolderOr(lastFile.isEmpty() ? QString() : QFileInfo(lastFile).absolutePath());
    filePath_->setText(QDir(fileFolder).filePath(SuggestedSchedulePdfName(schedule)));
    folderPath_->setText(FolderOr(settings.value(kFolderKey).toString()));
    (settings.value(kChoiceKey).toString() == kFolderChoice ? folderButton_ : combinedButton_)
        ->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    exportButton_ = buttons->addButton(QStringLiteral("&Export"), QDialogButtonBox::AcceptRole);
    exportButton_->setObjectName(QStringLiteral("ExportButton"));
    exportButton_->setDefault(true);

    // The schedule's own columns, ticked as last time, for the summary of the PDF.
    const QList<int> printed = RememberedSummaryColumns(schedule);
    const QList<int> extra = SummaryExtraColumns(schedule);
    if (!extra.isEmpty()) {
        columnsBox_ = new QGroupBox(QStringLiteral("The schedule's columns in the PDF's summary"));
        columnsBox_->setObjectName(QStringLiteral("SummaryColumns"));
        auto* ticks = new QGridLayout(columnsBox_);
        for (const int column : extra) {
            auto* tick = new QCheckBox(schedule.Columns()[column].simplified());
            tick->setChecked(printed.contains(column));
            tick->setProperty("columnKey", ColumnKey(schedule, column));
            const int k = static_cast<int>(columnTicks_.size());
            ticks->addWidget(tick, k / 4, k % 4);
            columnTicks_.append({tick, column});
        }
    }

    auto* grid = new QGridLayout;
    grid->addWidget(combinedButton_, 0, 0, 1, 2);
    grid->addWidget(filePath_, 1, 0);
    grid->addWidget(fileBrowse_, 1, 1);
    grid->addWidget(folderButton_, 2, 0, 1, 2);
    grid->addWidget(folderPath_, 3, 0);
    grid->addWidget(folderBrowse_, 3, 1);
    grid->setColumnStretch(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    if (columnsBox_ != nullptr) {
        layout->addWidget(columnsBox_);
    }
    layout->addWidget(buttons);

    connect(combinedButton_, &QRadioButton::toggled, this, &ScheduleExportDialog::ShowChoice);
    connect(filePath_, &QLineEdit::textChanged, this, &ScheduleExportDialog::ShowChoice);
    connect(folderPath_, &QLineEdit::textChanged, this, &ScheduleExportDialog::ShowChoice);
    connect(fileBrowse_, &QPushButton::clicked, this, &ScheduleExportDialog::BrowseFile);
    connect(folderBrowse_, &QPushButton::clicked, this, &ScheduleExportDialog::BrowseFolder);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ShowChoice();
    // Return exports, whatever has the focus; the path to export to has it, ready to be typed.
    // (Qt hands the default to the first autoDefault button when the dialog shows.)
    fileBrowse_->setAutoDefault(false);
    folderBrowse_->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(false);
    (folderButton_->isChecked() ? folderPath_ : filePath_)->setFocus();
}

ScheduleExportChoice ScheduleExportDialog::Choice() const {
    QList<int> columns;
    for (const auto& [tick, column] : columnTicks_) {
        if (tick->isChecked()) {
            columns << column;
        }
    }
    if (folderButton_->isChecked()) {
        return {ScheduleExportMode::Folder, folderPath_->text().trimmed(), columns};
    }
    return {ScheduleExportMode::CombinedPdf, filePath_->text().trimmed(), columns};
}

void ScheduleExportDialog::Remember() const {
    const ScheduleExportChoice choice = Choice();
    QSettings settings = ScheduleSettings();
    const bool folder = choice.mode == ScheduleExportMode::Folder;
    settings.setValue(kChoiceKey, folder ? kFolderChoice : kPdfChoice);
    settings.setValue(folder ? kFolderKey : kFileKey, QFileInfo(choice.path).absoluteFilePath());
    if (columnTicks_.isEmpty()) {
        return;
    }
    // Names left out by another schedule stay left out; this schedule's ticks decide its own.
    QStringList leftOut = settings.value(kColumnsLeftOutKey).toStringList();
    for (const auto& [tick, column] : columnTicks_) {
        const QString key = tick->property("columnKey").toString();
        leftOut.removeAll(key);
        if (!tick->isChecked()) {
            leftOut << key;
        }
    }
    settings.setValue(kColumnsLeftOutKey, leftOut);
}

void ScheduleExportDialog::ShowChoice() {
    const bool folder = folderButton_->isChecked();
    filePath_->setEnabled(!folder);
    fileBrowse_->setEnabled(!folder);
    folderPath_->setEnabled(folder);
    folderBrowse_->setEnabled(folder);
    if (columnsBox_ != nullptr) {
        columnsBox_->setEnabled(!folder);  // the folder's summary.csv has columns of its own
    }
    exportButton_->setEnabled(!Choice().path.isEmpty());
}

void ScheduleExportDialog::BrowseFile() {
    QFileDialog dialog(this, QStringLiteral("Export Certificates"), filePath_->text(),
                       QStringLiteral("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(filePath_->text());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        confirmedFile_ = dialog.selectedFiles().constFirst();
        filePath_->setText(QDir::toNativeSeparators(confirmedFile_));
    }
}

bool ScheduleExportDialog::ConfirmFolderReplace(const QString& folder) {
    const QStringList present = FolderExportFilesPresent(folder, schedule_);
    if (present.isEmpty()) {
        return true;
    }
    constexpr int kNamesShown = 5;
    QString names = present.mid(0, kNamesShown).join(QStringLiteral(", "));
    if (present.size() > kNamesShown) {
        names += QStringLiteral(" and %1 more").arg(present.size() - kNamesShown);
    }
    const QString text =
        present.size() == 1
            ? QStringLiteral("%1 already exists in %2.\nDo you want to replace it?")
                  .arg(names, QDir::toNativeSeparators(folder))
            : QStringLiteral("%1 files already exist in %2: %3.\nDo you want to replace them?")
                  .arg(QString::number(present.size()), QDir::toNativeSeparators(folder), names);
    return QMessageBox::warning(this, windowTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

void ScheduleExportDialog::accept() {
    const ScheduleExportChoice choice = Choice();
    const QFileInfo file(choice.path);
    if (choice.mode == ScheduleExportMode::CombinedPdf && file.exists() && !file.isDir() &&
        file.absoluteFilePath() != QFileInfo(confirmedFile_).absoluteFilePath()) {
        // The words of Qt's own save dialog.
        const auto answer = QMessageBox::warning(
            this, windowTitle(),
            QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(file.fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            return;
        }
    }
    if (choice.mode == ScheduleExportMode::Folder && !ConfirmFolderReplace(choice.path)) {
        return;
    }
    QDialog::accept();
}

void ScheduleExportDialog::BrowseFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Export Certificates into a Folder"), folderPath_->text());
    if (!folder.isEmpty()) {
        folderPath_->setText(QDir::toNativeSeparators(folder));
    }
}

std::optional<ScheduleExportChoice> ChooseScheduleExportWithDialog(QWidget* parent,
                                                                   const Schedule& schedule) {
    ScheduleExportDialog dialog(schedule, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    dialog.Remember();
    return dialog.Choice();
}
