// The main window's documents: the specification sheet, the certificate preview, printing and
// PDF export, and the owner-drawn entries of the selectors.
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSettings>
#include <QStandardPaths>

#include "app/page_printing.h"
#include "app/selector_drawing.h"
#include "app/settings_store.h"
#include "app/twer.h"
#include "data/table_fields.h"
#include "documents/certificate_output.h"
#include "documents/certificate_page.h"
#include "documents/certificate_record.h"
#include "documents/specification_sheet.h"
#include "platform/canvas.h"
#include "platform/pictures.h"
#include "platform/program_error.h"
#include "platform/program_info.h"
#include "widgets/cut_text_mark.h"
#include "widgets/widgets.h"

namespace {
// The preview draws the page at one pixel per page unit.
constexpr double kPreviewZoom = 1.0;
constexpr int kPageUnitsWide = 630;
constexpr int kPreviewTop = 11;
constexpr int kPreviewMinLeft = 10;

// The folder of the last export, kept in a section of the settings store of its own beside the
// window's "TarvexWER".
const QString kExportSection = QStringLiteral("GreenGuideExport");
const QString kLastExportFolder = QStringLiteral("LastFolder");
}  // namespace

void TWER::BtnWerDraw(QObject*) {
    const SpecificationSheetData data = SpecificationSheetDataOf(
        BreRatingLines(), RatingsColumn(), SystemDisplayName(), ComboBox1->currentText(),
        ComboBox2->currentText(), ComboBox3->currentText(), Commercial());
    // Texts are never clipped, so a long value of the last run may lie outside the frame:
    // every run starts again from the sheet's art on white, at the screen's resolution.
    Image1->SetPicture(SpecificationSheetImage(data, Image1->devicePixelRatio()));
    Image1->setAccessibleDescription(SpecificationSheetText(data));
    Image1->show();
}

void TWER::RedrawForScreen() {
    if (shown_ && Image1->Bitmap().devicePixelRatio() != Image1->devicePixelRatio()) {
        Image12->SetPicture(SmallLogo(Image12->devicePixelRatio()));
        Image3->SetPicture(GreenGuideLogo(Image3->devicePixelRatio()));
        Guarded([this] {
            BtnWerDraw(this);
            RefreshPreview(this);
        });
    }
}

void TWER::RefreshPreview(QObject* sender) {
    const bool printing = sender == ButtonPrint;
    std::unique_ptr<QPrinter> printer;
    const int width = Trunc(kPageUnitsWide * kPreviewZoom);
    const int height = width * 297 / 210;
    if (printing) {
        printer = ChosenPrinter(this, env_.choosePrinter);
        if (!printer) {
            return;
        }
    } else {
        Image2->resize(width, height);
        ScrollBox2Resize(sender);
        Image2->show();
    }

    const CertificateData data = CurrentCertificateData();
    if (!printing) {
        Image2->setAccessibleDescription(CertificateText(data));
        // The page covers the whole preview, so only the latest one need be drawn, when the
        // report view shows it; its record is taken now, from the controls as they are.
        Image2->DrawWhenNeeded(width, height, [data, width, height](QImage& bitmap) {
            QPainter painter(&bitmap);
            DrawFittedCertificatePage(data, painter, width, height);
        });
        ++previewRefreshes_;
        return;
    }

    PrintCertificate(*printer, data);
}

CertificateData TWER::CurrentCertificateData() const {
    CertificateInputs inputs;
    inputs.breRatingLines = BreRatingLines();
    inputs.ratingsColumn = RatingsColumn();
    inputs.systemName = SystemDisplayName();
    inputs.outerFrame = ComboBox1->currentText();
    inputs.ventFrame = ComboBox2->currentText();
    inputs.transomMullion = ComboBox3->currentText();
    inputs.commercial = Commercial();
    inputs.company = MemoText(MemoSim);
    inputs.project = MemoText(MemoPro);
    inputs.date = MemoText(MemoDate);
    return CertificateDataOf(inputs);
}

void TWER::PrintCertificate(QPrinter& printer, const CertificateData& data) {
    // A file says what an exported one says; the print job keeps its empty name.
    CertificatePdfSettings info;
    SetCertificatePdfMetadata(info, data, ProgramNameAndVersion(), CurrentDataVersion());
    PrintPages(printer, info, 1, [&data](int, QPainter& painter, int W, int H) {
        DrawFittedCertificatePage(data, painter, W, H);
    });
}

void TWER::MarkTooLongForCertificate(QPlainTextEdit* memo) {
    MarkCutText(memo, MemoText(memo));
}

void TWER::ButtonPrintClick(QObject*) {
    RefreshPreview(ButtonPrint);
}

void TWER::Print1Click(QObject*) {
    RefreshPreview(ButtonPrint);
}

QString ChooseExportFileWithDialog(QWidget* parent, const QString& suggestedPath) {
    QFileDialog dialog(parent, QStringLiteral("Export PDF"), suggestedPath,
                       QStringLiteral("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void TWER::Export1Click(QObject*) {
    const CertificateData data = CurrentCertificateData();
    QSettings exports(kSettingsOrganisation, kExportSection);
    QString folder = exports.value(kLastExportFolder).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    const auto choose = env_.chooseExportFile ? env_.chooseExportFile : ChooseExportFileWithDialog;
    const QString path = choose(this, QDir(folder).filePath(SuggestedCertificateFileName(data)));
    if (path.isEmpty()) {
        return;
    }
    const WholeFileResult result = WriteCertificatePdf(
        path, data, ExportPdfSettings(data, ProgramNameAndVersion(), CurrentDataVersion()));
    if (!result.written) {
        throw ProgramError(CannotCreateFileText(path, result.reason));
    }
    exports.setValue(kLastExportFolder, QFileInfo(path).absolutePath());
}

void TWER::ScrollBox2Resize(QObject*) {
    int left = (ScrollBox2->width() - Image2->width()) / 2;
    if (left < kPreviewMinLeft) {
        left = kPreviewMinLeft;
    }
    Image2->move(left, kPreviewTop);
    // The scrolled area reaches past the page by the same margin as above it.
    ScrollBox2->widget()->setFixedSize(left + Image2->width() + kPreviewTop,
                                       kPreviewTop + Image2->height() + kPreviewTop);
}

bool TWER::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ScrollBox2 && event->type() == QEvent::Resize) {
        Guarded([this] { ScrollBox2Resize(ScrollBox2); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TWER::ComboBox5DrawItem(QObject* sender, int index, const QRect& rect, bool, Canvas& canvas) {
    auto* combo = qobject_cast<QComboBox*>(sender);
    if (combo == nullptr) {
        return;
    }
    DrawSystemEntry(canvas, rect, combo->itemText(index));
}

void TWER::ComboBoxProfileDrawItem(QObject* sender, int index, const QRect& rect, bool,
                                   Canvas& canvas) {
    // Only combo boxes have entries to draw.
    auto* combo = qobject_cast<QComboBox*>(sender);
    if (combo == nullptr) {
        return;
    }
    DrawProfileEntry(canvas, rect, combo->itemText(index), env_.pictureBase);
}
