#include "platform/canvas.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

// Bounding box of the pixels that differ from white.
QRect InkBox(const QImage& image) {
    return BoxOf(image, image.rect(), [](QColor c) { return c != QColor(Qt::white); });
}

// Runs the drawing on a canvas over a screen image, or over a PDF page at a printer resolution.
void OnDevice(int dpi, const std::function<void(Canvas&)>& draw) {
    if (dpi == 96) {
        QImage image = WhiteImage(8, 8);
        QPainter painter(&image);
        Canvas canvas(painter);
        draw(canvas);
        return;
    }
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(dpi);
    QPainter painter(&writer);
    Canvas canvas(painter);
    draw(canvas);
}

}  // namespace

TEST(CanvasFont, CellHeightIsExactOnScreenAndAtPrinterResolutions) {
    // The screen takes every height from 6 to 120; a printer the sizes the certificate asks for.
    struct Case {
        int dpi;
        std::vector<int> heights;
    };
    std::vector<int> screen;
    for (int h = 6; h <= 120; ++h) {
        screen.push_back(h);
    }
    const Case cases[] = {
        {96, screen}, {600, {83, 97, 125, 144, 553}}, {1200, {166, 193, 250, 1107}}};
    // The glyphs are sized by the cell: a long text's width grows in proportion with the height
    // (a whole-pixel em would make it up to 4 % too wide or too narrow, some 20 pixels at 14;
    // the em may differ from the designed one by 1/64 pixel where that gives the cell exactly).
    const QString sentence = QStringLiteral(
        "WER U Value of window calculated using the methods and conventions set out in BR 443");
    for (const Case& c : cases) {
        OnDevice(c.dpi, [&](Canvas& canvas) {
            for (const bool bold : {false, true}) {
                canvas.SetFontBold(bold);
                canvas.SetFontHeight(1000);
                const double widthPerPixel = canvas.TextWidth(sentence) / 1000.0;
                for (const int h : c.heights) {
                    canvas.SetFontHeight(h);
                    EXPECT_EQ(canvas.TextHeight(QStringLiteral("A")), h)
                        << c.dpi << " dpi, bold " << bold;
                    EXPECT_NEAR(canvas.TextWidth(sentence), widthPerPixel * h, 3)
                        << c.dpi << " dpi, bold " << bold << ", height " << h;
                }
            }
        });
    }
}

TEST(CanvasFont, FacesMissingHereAreDrawnInTheInstalledStandInQtWouldPick) {
    const QStringList installed = QFontDatabase::families();
    for (const bool bold : {false, true}) {
        for (const char* face : {"Arial", "Arial Black", "MS Sans Serif"}) {
            const QString name = QLatin1String(face);
            if (installed.contains(name, Qt::CaseInsensitive)) {
                GTEST_SKIP() << face << " is installed here";
            }
            QFont asked(name);
            asked.setBold(bold);
            asked.setPixelSize(100);
            const QRawFont qtsOwn = QRawFont::fromFont(asked);
            const auto font = CellFontOf(name, 14, bold);
            EXPECT_EQ(font->glyphs.familyName(), qtsOwn.familyName()) << face;
            EXPECT_EQ(font->glyphs.styleName(), qtsOwn.styleName()) << face << " bold " << bold;
            EXPECT_EQ(font->glyphs.familyName().toLower(), "liberation sans") << face;
            // Widgets keep the face's own name, which Qt resolves for them as before.
            EXPECT_EQ(font->wholePixel.family(), name);
        }
    }
}

TEST(CanvasFont, PositiveHeightIsTheCellHeight) {
    for (int h : {11, 14, 18, 25, 30, 60, 177}) {
        QFontMetrics metrics(FontOfCellHeight(QStringLiteral("Arial"), h, false));
        EXPECT_NEAR(metrics.height(), h, 1 + h / 30) << "cell height " << h;
        QFontMetrics bold(FontOfCellHeight(QStringLiteral("Arial"), h, true));
        EXPECT_NEAR(bold.height(), h, 1 + h / 30) << "bold cell height " << h;
    }
}

TEST(CanvasFont, NegativeHeightIsTheEmSize) {
    EXPECT_EQ(FontOfCellHeight(QStringLiteral("MS Sans Serif"), -11, false).pixelSize(), 11);
    EXPECT_EQ(FontOfCellHeight(QStringLiteral("Arial"), -40, true).pixelSize(), 40);
    // On the canvas too: a whole em measures as Qt's own text does.
    const QString text = QStringLiteral("AVAST Tarvex Pelvanor 47 (Slim)");
    QImage image = WhiteImage(8, 8);
    QPainter painter(&image);
    Canvas canvas(painter);
    for (const int em : {8, 11, 13, 14, 40}) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(em);
        canvas.SetFontHeight(-em);
        EXPECT_EQ(canvas.TextHeight(text), QFontMetrics(font).height()) << em;
        EXPECT_EQ(canvas.TextWidth(text), QFontMetrics(font).horizontalAdvance(text)) << em;
    }
}

TEST(CanvasFont, TextsThatNeedQtsLayoutAreDrawnByIt) {
    // A tab moves on to the next tab stop, a soft hyphen stays invisible, a character the face
    // lacks comes from another face: as Qt's own text layout draws them at the whole em.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    QImage image = WhiteImage(300, 40);
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.SetFontHeight(-12);
    for (const QString& text :
         {QStringLiteral("a\tb"), QStringLiteral("soft\u00ADhyphen"), QStringLiteral("x\u4E00y")}) {
        EXPECT_EQ(canvas.TextWidth(text), QFontMetrics(font).horizontalAdvance(text));
    }
    EXPECT_GT(canvas.TextWidth(QStringLiteral("a\tb")),
              3 * canvas.TextWidth(QStringLiteral("a b")));
    canvas.TextOut(0, 0, QStringLiteral("\u4E00"));
    painter.end();
    EXPECT_FALSE(InkBox(image).isEmpty());
}

TEST(CanvasFont, LargeLettersLookTheSameWhateverWasDrawnBefore) {
    // Letters too large for Qt's glyph cache are filled as outlines; smaller text drawn between
    // two of them at sub-pixel positions must not move the second one.
    auto draw = [](int height, const QString& text) {
        QImage image = WhiteImage(320, 130);
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.SetFontBold(true);
        canvas.SetFontHeight(height);
        canvas.SetBrushHollow();
        canvas.TextOut(5, 5, text);
        return image;
    };
    const QImage first = draw(84, QStringLiteral("A+"));
    for (const int height : {30, 13, 19, 60}) {
        draw(height, QStringLiteral("Water Extraction: A+ 1231500011"));
        EXPECT_EQ(draw(84, QStringLiteral("A+")), first) << "after text of height " << height;
    }
}

TEST(CanvasFont, TextHeightAndWidthFollowTheCurrentFont) {
    QImage image = WhiteImage(100, 100);
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.SetFontHeight(20);
    const int small = canvas.TextWidth(QStringLiteral("Green Guide"));
    canvas.SetFontHeight(40);
    EXPECT_GT(canvas.TextWidth(QStringLiteral("Green Guide")), small * 3 / 2);
    EXPECT_NEAR(canvas.TextHeight(QStringLiteral("A")), 40, 2);
    canvas.SetFontBold(true);
    EXPECT_GE(canvas.TextWidth(QStringLiteral("Green Guide")), small * 2);
}

TEST(CanvasRectangle, RightAndBottomEdgesAreExclusive) {
    QImage image = WhiteImage(40, 40);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.SetPenColor(Qt::red);
        canvas.SetBrushColor(Qt::blue);
        canvas.Rectangle(5, 6, 15, 20);
    }
    EXPECT_EQ(InkBox(image), QRect(QPoint(5, 6), QPoint(14, 19)));
    EXPECT_EQ(PixelAt(image, 5, 6), QColor(Qt::red));     // outline, top left
    EXPECT_EQ(PixelAt(image, 14, 19), QColor(Qt::red));   // outline, bottom right
    EXPECT_EQ(PixelAt(image, 10, 12), QColor(Qt::blue));  // fill
}

TEST(CanvasRectangle, OutlineSetsThePixelsOfQtsOwnStroke) {
    // The one-pixel outline is set as spans; it must cover what Qt's aliased stroke covers.
    for (const QRect& r : {QRect(3, 4, 2, 2), QRect(3, 4, 3, 2), QRect(3, 4, 2, 3),
                           QRect(5, 5, 17, 9), QRect(0, 0, 40, 30), QRect(30, 20, 20, 20)}) {
        QImage spans = WhiteImage(40, 30);
        QImage stroke = WhiteImage(40, 30);
        {
            QPainter painter(&spans);
            Canvas canvas(painter);
            canvas.SetPenColor(QColor(200, 0, 0));
            canvas.SetBrushHollow();
            canvas.Rectangle(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
        }
        {
            QPainter painter(&stroke);
            painter.setPen(QPen(QColor(200, 0, 0), 1));
            painter.drawRect(QRect(r.topLeft(), r.size() - QSize(1, 1)));
        }
        EXPECT_EQ(spans, stroke) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    }
}

TEST(CanvasRectangle, HollowBrushLeavesTheInsideAlone) {
    QImage image = WhiteImage(40, 40);
    image.setPixel(10, 12, qRgb(1, 2, 3));
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.SetBrushHollow();
        canvas.Rectangle(5, 6, 15, 20);
    }
    EXPECT_EQ(PixelAt(image, 10, 12), QColor(1, 2, 3));
    EXPECT_EQ(PixelAt(image, 5, 10), QColor(Qt::black));
}

TEST(CanvasPolygon, FillsAndOutlines) {
    QImage image = WhiteImage(60, 60);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.SetPenColor(Qt::black);
        canvas.SetBrushColor(QColor(0, 128, 0));
        canvas.Polygon({{10, 10}, {50, 10}, {50, 25}, {50, 40}, {10, 40}});
    }
    EXPECT_EQ(PixelAt(image, 30, 25), QColor(0, 128, 0));
    EXPECT_EQ(PixelAt(image, 10, 25), QColor(Qt::black));
    EXPECT_EQ(PixelAt(image, 50, 25), QColor(Qt::black));
    EXPECT_EQ(PixelAt(image, 5, 5), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, 55, 45), QColor(Qt::white));
}

TEST(CanvasLines, LineToDrawsFromThePenPosition) {
    QImage image = WhiteImage(40, 40);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.MoveTo(2, 20);
        canvas.LineTo(30, 20);
        EXPECT_EQ(canvas.PenPosition(), QPoint(30, 20));
    }
    EXPECT_EQ(PixelAt(image, 2, 20), QColor(Qt::black));
    EXPECT_EQ(PixelAt(image, 29, 20), QColor(Qt::black));
    EXPECT_EQ(PixelAt(image, 15, 19), QColor(Qt::white));
}

TEST(CanvasText, TopLeftCornerAndSolidBackground) {
    QImage image = WhiteImage(200, 80);
    int width = 0;
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.SetFontHeight(30);
        canvas.SetBrushColor(Qt::yellow);
        width = canvas.TextWidth(QStringLiteral("Hg"));
        canvas.TextOut(20, 10, QStringLiteral("Hg"));
    }
    // The text's cell is filled with the brush colour, starting exactly at (20, 10).
    EXPECT_EQ(PixelAt(image, 20, 10), QColor(Qt::yellow));
    EXPECT_EQ(PixelAt(image, 19, 10), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, 20, 9), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, 20 + width - 1, 10), QColor(Qt::yellow));
    EXPECT_EQ(PixelAt(image, 20 + width, 10), QColor(Qt::white));
    // Glyphs lie inside the cell.
    int dark = 0;
    for (int y = 10; y < 40; ++y) {
        for (int x = 20; x < 20 + width; ++x) {
            dark += PixelAt(image, x, y).value() < 100;
        }
    }
    EXPECT_GT(dark, 20);
}

TEST(CanvasText, HollowBrushKeepsTheBackground) {
    QImage image = WhiteImage(200, 80);
    image.fill(QColor(10, 20, 200));
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.SetFontHeight(30);
        canvas.SetFontColor(Qt::white);
        canvas.SetBrushHollow();
        canvas.TextOut(20, 10, QStringLiteral("H"));
    }
    EXPECT_EQ(PixelAt(image, 20, 10), QColor(10, 20, 200));
    int white = 0;
    for (int y = 10; y < 40; ++y) {
        for (int x = 20; x < 45; ++x) {
            white += PixelAt(image, x, y) == QColor(Qt::white);
        }
    }
    EXPECT_GT(white, 20);
}

TEST(CanvasText, TextRectFillsAndClips) {
    QImage image = WhiteImage(200, 60);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.SetFontHeight(40);
        canvas.SetBrushColor(QColor(0, 255, 0));
        canvas.TextRect(QRect(QPoint(10, 10), QPoint(39, 29)), 0, 5, QStringLiteral("WWWWWW"));
    }
    EXPECT_EQ(PixelAt(image, 10, 10), QColor(0, 255, 0));
    // Nothing outside the rectangle, although the text is far wider and taller.
    EXPECT_EQ(InkBox(image), QRect(QPoint(10, 10), QPoint(39, 29)));
}

TEST(CanvasStretchDrawAnd, WhiteTakesTheBackgroundAndBlackStays) {
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 255, 255));
    picture.setPixel(1, 0, qRgb(0, 0, 0));
    QImage image = WhiteImage(40, 20);
    image.fill(QColor(51, 153, 255));
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.StretchDrawAnd(QRect(0, 0, 40, 20), picture);
    }
    EXPECT_EQ(PixelAt(image, 5, 10), QColor(51, 153, 255));
    EXPECT_EQ(PixelAt(image, 35, 10), QColor(0, 0, 0));
}

TEST(CanvasStretchDrawAnd, MixedColoursAreAndedBitwise) {
    QImage picture(1, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(0xF0, 0x0F, 0xAA));
    QImage image = WhiteImage(10, 10);
    image.fill(QColor(0x3C, 0xFF, 0x55));
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.StretchDrawAnd(QRect(2, 2, 4, 4), picture);
    }
    EXPECT_EQ(PixelAt(image, 3, 3), QColor(0x30, 0x0F, 0x00));
    EXPECT_EQ(PixelAt(image, 0, 0), QColor(0x3C, 0xFF, 0x55));
}

TEST(CanvasFont, ArialBlackLettersFitTheirBars) {
    // Rating letters are set in "Arial Black" at cell height 30, 10 pixels into a 40-pixel bar.
    QImage image = WhiteImage(100, 100);
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.SetFontName(QStringLiteral("Arial Black"));
    canvas.SetFontBold(true);
    canvas.SetFontHeight(30);
    EXPECT_LE(canvas.TextWidth(QStringLiteral("A+")), 30);
    EXPECT_GE(canvas.TextWidth(QStringLiteral("A+")), 20);
}

TEST(CanvasText, FittingLengthIsTheLongestStartThatFits) {
    OnDevice(96, [](Canvas& canvas) {
        canvas.SetFontHeight(14);
        const QString text = QStringLiteral("Riverside Primary School - Phase 2");
        const QString dots = QStringLiteral("...");
        struct Case {
            int width;
            QString suffix;
        };
        for (const Case& c : {Case{0, {}}, Case{40, {}}, Case{40, dots}, Case{120, dots},
                              Case{canvas.TextWidth(text), {}}, Case{5000, dots}}) {
            const qsizetype n = canvas.FittingLength(text, c.width, c.suffix);
            if (n > 0) {
                EXPECT_LE(canvas.TextWidth(text.left(n) + c.suffix), c.width) << c.width;
            }
            if (n < text.size()) {
                EXPECT_GT(canvas.TextWidth(text.left(n + 1) + c.suffix), c.width) << c.width;
            }
        }
        EXPECT_EQ(canvas.FittingLength(text, 5000), text.size());
        EXPECT_EQ(canvas.FittingLength(text, 0), 0);
    });
}

TEST(CanvasText, LaidOutTextsKeepWithinTheirMemoryWhateverIsMeasured) {
    // Thousands of distinct long texts (a schedule's projects, a text shortened letter by
    // letter) would keep gigabytes if every layout were kept; widths stay right all the same.
    OnDevice(600, [](Canvas& canvas) {
        canvas.SetFontHeight(125);
        const QString block = QStringLiteral("Riverside School Block 12 Level 3; ");
        const int blockWidth = canvas.TextWidth(block.repeated(10));
        for (int i = 0; i < 3000; ++i) {
            canvas.TextOut(0, 0, block.repeated(10) + QString::number(i));
            ASSERT_LE(TextLayoutCacheBytes(), kTextLayoutCacheBytes);
        }
        const QString huge = block.repeated(20000);  // 700,000 characters
        EXPECT_NEAR(canvas.TextWidth(huge), 2000.0 * blockWidth, 2000);
        EXPECT_EQ(canvas.TextWidth(block.repeated(10)), blockWidth);
        EXPECT_EQ(canvas.FittingLength(huge, blockWidth), block.size() * 10);
        EXPECT_LE(TextLayoutCacheBytes(), kTextLayoutCacheBytes);
    });
}
