// Help > User Guide: F1 opens the guide shipped in the program; every link and picture in it
// resolves inside the program's resources, and its figures are those of the program's tables.
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "app/guide_window.h"
#include "data/builtin_tables.h"
#include "data/table_fields.h"
#include "rating/headroom.h"
#include "window_fixture.h"

using UserGuide = WindowTest;

TEST_F(UserGuide, F1OpensTheGuideWhoseLinksAndPicturesAreAllInside) {
    Start();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_.get(), Qt::Key_F1);
    auto* guide = Find<GuideWindow>("GuideWindow");
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    QTextBrowser* browser = guide->Browser();
    EXPECT_EQ(browser->source(), GuideWindow::Home());
    EXPECT_FALSE(browser->openExternalLinks());
    QTextDocument* document = browser->document();
    EXPECT_EQ(document->metaInformation(QTextDocument::DocumentTitle),
              "BRE Green Guide - User Guide");

    QStringList anchors, links, pictures;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            anchors << format.anchorNames();
            if (format.isAnchor()) {
                links << format.anchorHref();
            }
            if (format.isImageFormat()) {
                pictures << format.toImageFormat().name();
            }
        }
    }
    EXPECT_GE(links.size(), 12);
    for (const QString& link : links) {
        const QUrl url = browser->source().resolved(QUrl(link));
        EXPECT_EQ(url.scheme(), "qrc") << link.toStdString();
        EXPECT_TRUE(QFile::exists(QLatin1Char(':') + url.path())) << link.toStdString();
        if (url.hasFragment()) {
            EXPECT_TRUE(anchors.contains(url.fragment())) << link.toStdString();
        }
    }
    EXPECT_EQ(pictures, QStringList({"window.png", "certificate.png", "summary.png"}));
    for (const QString& picture : pictures) {
        const QVariant image = document->resource(QTextDocument::ImageResource, QUrl(picture));
        EXPECT_FALSE(image.value<QImage>().isNull() && image.value<QPixmap>().isNull())
            << picture.toStdString();
    }
    // A link within the guide moves to its heading; Esc puts the guide away.
    browser->setSource(GuideWindow::Home().resolved(QUrl("#commandline")));
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);
    QApplication::setActiveWindow(guide);
    ASSERT_TRUE(QTest::qWaitForWindowActive(guide));
    QTest::keyClick(browser, Qt::Key_Escape);
    EXPECT_FALSE(guide->isVisible());
}

TEST_F(UserGuide, ItsFiguresAreThoseOfTheProgram) {
    QFile file(GuideWindow::Home().path().prepend(QLatin1Char(':')));
    GuideWindow guide(nullptr);  // makes the resources known
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // As the browser reads it: a line break in the text is a space.
    const QString html = QString::fromUtf8(file.readAll()).simplified();
    const QStringList bre = LinesOfText(BuiltInBreRatingsTable());
    // The band table: building, band, element number, summary rating and CO2 of each column.
    const QRegularExpression row(
        QStringLiteral("<tr><td>(\\w+)</td><td>[^<]*</td><td>(\\d+)</td><td>([A-E+]+)</td>"
                       "<td>(\\d+)</td></tr>"));
    int column = 0;
    for (auto it = row.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        ++column;
        EXPECT_EQ(m.captured(1), CsvField(bre[0], column));
        EXPECT_EQ(m.captured(2), CsvField(bre[2], column));
        EXPECT_EQ(m.captured(3), CsvField(bre[3], column));
        EXPECT_EQ(m.captured(4), CsvField(bre[17], column));
    }
    EXPECT_EQ(column, 8);
    for (int line = 4; line <= 16; ++line) {
        EXPECT_TRUE(html.contains(CsvField(bre[line], 0))) << line;
    }
    // The headroom example is the one the program gives for that weight.
    const auto headroom = HeadroomOf(true, 0.918, bre);
    ASSERT_TRUE(headroom);
    EXPECT_TRUE(html.contains(HeadroomText(0.918, "A", *headroom)));
}

TEST_F(UserGuide, F1InAnotherWindowOfTheProgramOpensItToo) {
    Start();
    QWidget other;  // as the schedule window or the findings list stand beside the main window
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QTest::keyClick(&other, Qt::Key_F1);
    auto* guide = Find<GuideWindow>("GuideWindow");
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
}
