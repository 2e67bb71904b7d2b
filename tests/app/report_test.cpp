#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>

#include "app/widgets.h"
#include "test_support.h"
#include "window_fixture.h"

namespace {

QString RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class Report : public WindowTest {
protected:
    // Prints through the window's printer choice into a PDF file; cancels when told to.
    void StartPrinting(bool confirm) {
        pdf_ = folder_.filePath(QStringLiteral("certificate.pdf"));
        env_.choosePrinter = [this, confirm](QPrinter& printer, QWidget*) {
            ++choices_;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf_);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setResolution(600);
            docName_ = printer.docName();
            return confirm;
        };
        Start();
    }
    ImageWidget* Preview() const { return Find<ImageWidget>("Image2"); }

    QString pdf_;
    QString docName_ = QStringLiteral("unset");
    int choices_ = 0;
};

TEST_F(Report, PreviewIsTheA4PageAtOnePixelPerUnit) {
    Start();
    ImageWidget* preview = Preview();
    EXPECT_EQ(preview->size(), QSize(630, 891));
    EXPECT_EQ(preview->Bitmap().size(), QSize(630, 891));
    // The title band is drawn.
    EXPECT_EQ(PixelAt(preview->Bitmap(), 300, 17), QColor(Qt::black));
    EXPECT_EQ(PixelAt(preview->Bitmap(), 300, 833), QColor(Qt::black));
}

TEST_F(Report, TypingInTheFieldsRedrawsThePreviewOncePerKey) {
    Start();
    QPlainTextEdit* date = Memo("MemoDate");
    const int before = window_->PreviewRefreshCount();
    const QImage empty = Preview()->Bitmap().copy();
    date->setFocus();
    QTest::keyClick(date, Qt::Key_1);
    EXPECT_EQ(window_->PreviewRefreshCount(), before + 1);
    QTest::keyClicks(Memo("MemoSim"), "Tarvex");
    EXPECT_EQ(window_->PreviewRefreshCount(), before + 7);
    // The company box now has something in it.
    EXPECT_NE(Preview()->Bitmap().copy(400, 160, 200, 120), empty.copy(400, 160, 200, 120));
}

TEST_F(Report, PreviewIsCentredInItsScrollBox) {
    Start();
    auto* box = Find<QScrollArea>("ScrollBox2");
    auto* views = Find<PageControl>("PageControl2");
    views->SetActivePage(Find<QWidget>("TabSheet8"));
    box->resize(1000, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(Preview()->pos(), QPoint(185, 11));
    box->resize(600, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(Preview()->pos(), QPoint(10, 11));
    window_->ScrollBox2Resize(box);
    EXPECT_EQ(Preview()->x(), 10);
}

TEST_F(Report, PrintMakesOneA4PageWithTheCertificatesTexts) {
    StartPrinting(true);
    Memo("MemoSim")->setPlainText(QStringLiteral("Acme Glazing Ltd"));
    Memo("MemoPro")->setPlainText(QStringLiteral("Riverside School"));
    const QImage previewBefore = Preview()->Bitmap().copy();
    const int refreshes = window_->PreviewRefreshCount();
    QTest::mouseClick(Find<QPushButton>("ButtonPrint"), Qt::LeftButton);
    EXPECT_EQ(choices_, 1);
    EXPECT_EQ(docName_, "");
    ASSERT_TRUE(QFileInfo::exists(pdf_));
    // Printing leaves the preview alone.
    EXPECT_EQ(window_->PreviewRefreshCount(), refreshes);
    EXPECT_EQ(Preview()->Bitmap(), previewBefore);

    const QString info = RunTool(QStringLiteral("pdfinfo"), {pdf_});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
    const QString text = RunTool(QStringLiteral("pdftotext"), {pdf_, QStringLiteral("-")});
    for (const char* expected :
         {"Environmental Profile Certificate", "Tarvex Pelvanor 47", "PRF010", "1231500011",
          "Climate Change:", "Acme Glazing Ltd", "Riverside School", "Commercial Buildings",
          "BRE Green Guide. BRE Global Limited, Watford, WD25 9XX"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    const QString fonts = RunTool(QStringLiteral("pdffonts"), {pdf_});
    const QStringList rows = fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(rows.isEmpty());
    for (const QString& row : rows) {
        EXPECT_TRUE(row.contains(QStringLiteral(" yes "))) << row.toStdString();
    }
}

TEST_F(Report, FileMenuPrintsTheSamePageFromTheSpecificationView) {
    StartPrinting(true);
    window_->Print1Click(nullptr);
    const QString text = RunTool(QStringLiteral("pdftotext"), {pdf_, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Tarvex Pelvanor 47")));
    EXPECT_EQ(Find<PageControl>("PageControl2")->ActivePage()->objectName(), "TabSheet7");
}

TEST_F(Report, CancelPrintsNothingAndKeepsThePreview) {
    StartPrinting(false);
    const QImage before = Preview()->Bitmap().copy();
    const int refreshes = window_->PreviewRefreshCount();
    QTest::mouseClick(Find<QPushButton>("ButtonPrint"), Qt::LeftButton);
    EXPECT_EQ(choices_, 1);
    EXPECT_FALSE(QFileInfo::exists(pdf_));
    EXPECT_EQ(window_->PreviewRefreshCount(), refreshes);
    EXPECT_EQ(Preview()->Bitmap(), before);
}

TEST_F(Report, APrinterThatFailsIsReportedAndTheStateStays) {
    env_.choosePrinter = [this](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder_.filePath(QStringLiteral("no/such/folder/x.pdf")));
        return true;
    };
    Start();
    const QImage before = Preview()->Bitmap().copy();
    const QString message = MessageShownBy(
        [this] { QTest::mouseClick(Find<QPushButton>("ButtonPrint"), Qt::LeftButton); });
    EXPECT_TRUE(message.startsWith(QStringLiteral("Cannot print to "))) << message.toStdString();
    EXPECT_EQ(Preview()->Bitmap(), before);
    EXPECT_EQ(EditText("Edit1"), "4");
}
