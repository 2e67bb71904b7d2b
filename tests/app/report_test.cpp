#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSettings>

#include "platform/canvas.h"
#include "platform/program_error.h"
#include "test_support.h"
#include "widgets/widgets.h"
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
    void StartPrinting(bool confirm, QPageSize::PageSizeId paper = QPageSize::A4,
                       QPageLayout::Orientation orientation = QPageLayout::Portrait) {
        pdf_ = folder_.filePath(QStringLiteral("certificate.pdf"));
        env_.choosePrinter = [this, confirm, paper, orientation](QPrinter& printer, QWidget*) {
            ++choices_;
            offered_ = printer.pageLayout();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf_);
            printer.setPageSize(QPageSize(paper));
            printer.setPageOrientation(orientation);
            printer.setResolution(600);
            docName_ = printer.docName();
            return confirm;
        };
        Start();
    }
    ImageWidget* Preview() const { return Find<ImageWidget>("Image2"); }

    QString pdf_;
    QPageLayout offered_;
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
    // The file says what an exported certificate says, though the job itself has no name.
    for (const char* expected :
         {"Title:           Environmental Profile Certificate\n",
          "Subject:         Pelvanor 47: outer frame PRF010, vent frame PRF020, transom/mullion "
          "PRF020\n",
          "Author:          Acme Glazing Ltd\n", "Creator:         BRE Green Guide 1.0\n"}) {
        EXPECT_TRUE(info.contains(QLatin1String(expected))) << expected << info.toStdString();
    }
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

TEST_F(Report, AFailedPrintToAFileSaysWhyAndKeepsTheOldFile) {
    StartPrinting(true);
    const QByteArray old = "%PDF-1.4 an older certificate";
    struct Case {
        const char* what;
        QString target;
        bool folderInTheWay;
        bool sizeLimit;  // printed in a child whose files may not grow past 4 KiB
        const char* reason;
    };
    const Case cases[] = {
        {"folder in the way", folder_.filePath("in the way.pdf"), true, false, "Is a directory"},
        {"full device", QStringLiteral("/dev/full"), false, false, "No space left on device"},
        {"size limit", folder_.filePath("old.pdf"), false, true, "File too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        pdf_ = c.target;
        const QString expected =
            QStringLiteral("Cannot print to ") + pdf_ + QLatin1Char('\n') + QLatin1String(c.reason);
        if (c.folderInTheWay) {
            ASSERT_TRUE(QDir().mkpath(pdf_));
        }
        if (!c.sizeLimit) {
            EXPECT_EQ(MessageShownBy([this] {
                          QTest::mouseClick(Find<QPushButton>("ButtonPrint"), Qt::LeftButton);
                      }),
                      expected);
            continue;
        }
        WriteBytes(pdf_, old);
        EXPECT_EQ(ErrorUnderFileSizeLimit([this] { window_->Print1Click(nullptr); }), expected);
        EXPECT_EQ(ReadBytes(pdf_), old);
        EXPECT_EQ(QDir(folder_.path()).entryList({"*.pdf*"}, QDir::Files), QStringList{"old.pdf"});
    }
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
}

TEST_F(Report, EveryPaperHoldsTheWholeCertificateCentred) {
    struct Case {
        const char* what;
        QPageSize::PageSizeId paper;
        QPageLayout::Orientation orientation;
    };
    const Case cases[] = {
        {"A4 portrait", QPageSize::A4, QPageLayout::Portrait},
        {"A4 landscape", QPageSize::A4, QPageLayout::Landscape},
        {"Letter", QPageSize::Letter, QPageLayout::Portrait},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window_.reset();
        StartPrinting(true, c.paper, c.orientation);
        window_->Print1Click(nullptr);
        // The print dialog opens on A4 portrait, whatever is chosen in it.
        EXPECT_EQ(offered_.pageSize().id(), QPageSize::A4);
        EXPECT_EQ(offered_.orientation(), QPageLayout::Portrait);
        const QString png = folder_.filePath(QStringLiteral("page"));
        RunTool(QStringLiteral("pdftoppm"),
                {"-r", "100", "-aa", "no", "-aaVector", "no", "-png", "-singlefile", pdf_, png});
        const QImage sheet(png + QStringLiteral(".png"));
        ASSERT_FALSE(sheet.isNull());
        EXPECT_EQ(sheet.width() > sheet.height(), c.orientation == QPageLayout::Landscape);
        // The page's outline is the outermost dark line: the certificate's proportions, centred.
        const QRect page = BoxOf(sheet, sheet.rect(), [](QColor p) { return p.value() < 128; });
        ASSERT_FALSE(page.isEmpty());
        EXPECT_NEAR(page.width() * 891.0 / (page.height() * 630.0), 1.0, 0.01);
        EXPECT_NEAR(page.left(), sheet.width() - 1 - page.right(), 2);
        EXPECT_NEAR(page.top(), sheet.height() - 1 - page.bottom(), 2);
        const auto at = [&page](double x, double y) {
            return QPoint(page.left() + Trunc(x * page.width() / 630),
                          page.top() + Trunc(y * page.height() / 891));
        };
        // The footer band is whole: its four corners and its middle are black.
        for (const QPoint p :
             {at(17, 833), at(613, 833), at(17, 874), at(613, 874), at(315, 846)}) {
            EXPECT_EQ(PixelAt(sheet, p.x(), p.y()), QColor(Qt::black)) << p.x() << "," << p.y();
        }
        // The rating box is whole and where it belongs.
        const QRect box = BoxOf(sheet, QRect(at(380, 80), at(620, 200)),
                                [](QColor p) { return p.green() > 100 && p.red() < 60; });
        EXPECT_NEAR(box.left(), at(400, 0).x(), 3);
        EXPECT_NEAR(box.right(), at(600, 0).x(), 3);
        EXPECT_NEAR(box.top(), at(0, 95).y(), 3);
        EXPECT_NEAR(box.bottom(), at(0, 180).y(), 3);
    }
}

class Export : public Report {
protected:
    void SetUp() override {
        Report::SetUp();
        ForgetExports();
        env_.chooseExportFile = [this](QWidget*, const QString& suggested) {
            suggestions_ << suggested;
            return chosen_;
        };
    }
    void TearDown() override {
        ForgetExports();
        Report::TearDown();
    }
    static void ForgetExports() {
        QSettings(QStringLiteral("VB and VBA Program Settings"), QStringLiteral("GreenGuideExport"))
            .clear();
    }

    QStringList suggestions_;
    QString chosen_;
};

TEST_F(Export, CtrlEWritesOneA4PageWithItsMetadataAndRemembersTheFolder) {
    Start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    Memo("MemoSim")->setPlainText(QStringLiteral("Acme Glazing Ltd\nUnit 4"));
    Memo("MemoPro")->setPlainText(QStringLiteral("Riverside: Block B/2"));
    chosen_ = folder_.filePath(QStringLiteral("exported.pdf"));
    QTest::keyClick(window_.get(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(suggestions_.size(), 1);
    EXPECT_EQ(QFileInfo(suggestions_[0]).fileName(),
              QStringLiteral("Riverside_ Block B_2 - Pelvanor 47 - A+.pdf"));

    const QString info = RunTool(QStringLiteral("pdfinfo"), {chosen_});
    for (const char* expected :
         {"Title:           Environmental Profile Certificate\n",
          "Subject:         Pelvanor 47: outer frame PRF010, vent frame PRF020, transom/mullion "
          "PRF020\n",
          "Author:          Acme Glazing Ltd\n", "Creator:         BRE Green Guide 1.0\n",
          "Pages:           1\n",
          // The tables that made it, as the editors hold them.
          "Keywords:        GGWeights.Dat built in c9902cb4; GGSystem.Dat built in b2bad3ba\n"}) {
        EXPECT_TRUE(info.contains(QLatin1String(expected))) << expected << info.toStdString();
    }
    const QString text = RunTool(QStringLiteral("pdftotext"), {chosen_, QStringLiteral("-")});
    for (const char* expected :
         {"Tarvex Pelvanor 47", "1231500011", "Unit 4", "Riverside: Block"}) {
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected;
    }
    const QStringList fonts = RunTool(QStringLiteral("pdffonts"), {chosen_})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                  .mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& row : fonts) {
        EXPECT_TRUE(row.contains(QStringLiteral(" yes "))) << row.toStdString();
    }

    // The report's button exports too, and offers the folder used last.
    chosen_.clear();
    QTest::mouseClick(Find<QPushButton>("ButtonExport"), Qt::LeftButton);
    ASSERT_EQ(suggestions_.size(), 2);
    EXPECT_EQ(QFileInfo(suggestions_[1]).absolutePath(),
              QFileInfo(folder_.path()).absoluteFilePath());
}

TEST_F(Export, AFailedExportSaysWhyAndACancelWritesNothing) {
    Start();
    chosen_ = folder_.filePath(QStringLiteral("in the way.pdf"));
    ASSERT_TRUE(QDir().mkpath(chosen_));
    EXPECT_EQ(MessageShownBy(
                  [this] { QTest::mouseClick(Find<QPushButton>("ButtonExport"), Qt::LeftButton); }),
              QStringLiteral("Cannot create file ") + chosen_ + QStringLiteral("\nIs a directory"));
    chosen_.clear();
    window_->Export1Click(nullptr);
    EXPECT_EQ(suggestions_.size(), 2);
    EXPECT_EQ(QDir(folder_.path()).entryList({"*.pdf"}, QDir::Files), QStringList());
    // A failed export remembers no folder.
    EXPECT_NE(QFileInfo(suggestions_[1]).absolutePath(),
              QFileInfo(folder_.path()).absoluteFilePath());
}
