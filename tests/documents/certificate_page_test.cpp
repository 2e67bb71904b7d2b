#include "documents/certificate_page.h"

#include <QFile>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/rating_colours.h"
#include "pixel_checks.h"

namespace {

const QColor kBlack(Qt::black);
const QColor kWhite(Qt::white);
const QColor kGreen(0, 128, 0);

constexpr int kScreenW = 630, kScreenH = 891;
constexpr int kPrinterW = 4960, kPrinterH = 7016;
constexpr double kBadgeScale = 1.26103404791929376;

// Pixels per page unit, font width factor and body row height on a page W pixels wide, found
// the way the page finds them: the reference sentence, bold at 14 units, is 481 units wide.
struct PageMetrics {
    double r = 1, s = 1;
    int lineH = 0;     // height of "A" in the body font
    int headingH = 0;  // height of "A" in the heading font
};

PageMetrics MetricsFor(int W) {
    PageMetrics m;
    Drawn(8, 8, [&](Canvas& canvas) {
        m.r = W / 630.0;
        canvas.SetFontName(QStringLiteral("Arial"));
        canvas.SetFontBold(true);
        canvas.SetFontHeight(Trunc(14 * m.r));
        const int w0 = canvas.TextWidth(QStringLiteral(
            "WER U Value of window calculated using the methods and conventions set out in BR "
            "443"));
        m.s = 481.0 * W / (630.0 * w0);
        canvas.SetFontHeight(Trunc(14 * m.r * m.s));
        m.lineH = canvas.TextHeight(QStringLiteral("A"));
        canvas.SetFontHeight(Trunc(18 * m.r * m.s));
        m.headingH = canvas.TextHeight(QStringLiteral("A"));
    });
    return m;
}

int BlockHeight(int lines, const PageMetrics& m) {
    return Trunc(lines * m.lineH / m.r);
}

// The record as the report driver fills it for a typical Commercial window.
CertificateData TypicalRecord() {
    CertificateData data;
    const char* const categories[] = {"Climate Change",
                                      "Water Extraction",
                                      "Mineral Resource Extraction",
                                      "Stratospheric Ozone Depletion",
                                      "Human Toxicity",
                                      "Ecotoxicity to Freshwater",
                                      "Nuclear Waste (higher level)",
                                      "Ecotoxicity to Land",
                                      "Waste Disposal",
                                      "Fossil Fuel Depletion",
                                      "Eutrophication",
                                      "Photochemical Ozone Creation",
                                      "Acidification",
                                      "Kg CO2 eq. (60 years)"};
    for (const char* category : categories) {
        data.ProfileLines << QStringLiteral("#%1:A").arg(QLatin1String(category));
    }
    return data;
}

QImage Page(const CertificateData& data, int W = kScreenW, int H = kScreenH) {
    return Drawn(W, H, [&](Canvas& canvas) { DrawCertificatePage(data, canvas, W, H); });
}

// Top of the summary rating block in page units, where the badge's origin lies.
int SummaryBlockTop(const PageMetrics& m) {
    return 100 + BlockHeight(6, m) + BlockHeight(4, m) + BlockHeight(17, m);
}

}  // namespace

// ---- The page on the screen: one pixel per page unit ------------------------------------------

TEST(CertificatePageScreen, ClearsThePageWithABorderAndDrawsTheBands) {
    const QImage page = Page(TypicalRecord());
    for (const QPoint& corner : {QPoint(0, 0), QPoint(629, 0), QPoint(0, 890), QPoint(629, 890)}) {
        EXPECT_EQ(PixelAt(page, corner.x(), corner.y()), kBlack) << "border at " << corner.x();
    }
    EXPECT_EQ(PixelAt(page, 5, 5), kWhite);

    // Title band (15, 15)-(615, 70) and footer band (15, 831)-(615, 876), right and bottom
    // edges exclusive; the texts on them are white.
    for (const QRect& band : {Span(15, 15, 614, 69), Span(15, 831, 614, 875)}) {
        EXPECT_EQ(PixelAt(page, band.left(), band.top()), kBlack);
        EXPECT_EQ(PixelAt(page, band.right(), band.bottom()), kBlack);
        EXPECT_EQ(PixelAt(page, band.left() - 1, band.top()), kWhite);
        EXPECT_EQ(PixelAt(page, band.right() + 1, band.bottom()), kWhite);
        EXPECT_EQ(PixelAt(page, band.left(), band.top() - 1), kWhite);
        EXPECT_EQ(PixelAt(page, band.right(), band.bottom() + 1), kWhite);
        EXPECT_GT(LightPixels(page, band), 300) << "band texts";
    }
    // Title at 20, subtitle below it; footer lines from 40.
    EXPECT_GT(LightPixels(page, Span(20, 20, 60, 40)), 20);
    EXPECT_GT(LightPixels(page, Span(20, 46, 60, 62)), 20);
    EXPECT_EQ(LightPixels(page, Span(16, 16, 19, 68)), 0);
    EXPECT_EQ(LightPixels(page, Span(16, 832, 39, 874)), 0);
    for (int line = 0; line < 3; ++line) {
        const int top = 836 + line * 10;
        EXPECT_GT(LightPixels(page, Span(40, top, 80, top + 9)), 20) << "footer line " << line;
    }
}

TEST(CertificatePageScreen, RatingBoxHasAGreenFrameAndTheRatingInTwoSizes) {
    const QImage page = Page(TypicalRecord());
    // Frame (400, 95)-(600, 180), outline only.
    EXPECT_EQ(ColourPixels(page, Span(400, 95, 599, 95), kGreen), 200);
    EXPECT_EQ(ColourPixels(page, Span(400, 179, 599, 179), kGreen), 200);
    EXPECT_EQ(ColourPixels(page, Span(400, 95, 400, 179), kGreen), 85);
    EXPECT_EQ(ColourPixels(page, Span(599, 95, 599, 179), kGreen), 85);
    EXPECT_EQ(PixelAt(page, 401, 170), kWhite);

    // "A" large at 420, "+" small at 460, "BRE" grey at 479, the small lines at 480. The large
    // letter's right edge may reach a pixel or two past 460, so the "+" is looked for from 462.
    const QRect letter = Span(420, 100, 459, 178);
    const QRect suffix = Span(462, 105, 478, 134);
    EXPECT_GT(ColourPixels(page, letter, kGreen), 300);
    EXPECT_GT(ColourPixels(page, suffix, kGreen), 10);
    EXPECT_GT(CountPixels(page, Span(479, 105, 560, 134),
                          [](const QColor& c) { return c == QColor(128, 128, 128); }),
              50);
    EXPECT_GT(ColourPixels(page, Span(480, 135, 598, 170), kGreen), 100);

    CertificateData oneLetter = TypicalRecord();
    oneLetter.SummaryRating = QStringLiteral("B");
    const QImage b = Page(oneLetter);
    EXPECT_GT(ColourPixels(b, letter, kGreen), 300);
    EXPECT_EQ(ColourPixels(b, suffix, kGreen), 0);
}

TEST(CertificatePageScreen, BlocksFollowEachOtherByTheHeightsTheyReturn) {
    const PageMetrics m = MetricsFor(kScreenW);
    const QImage page = Page(TypicalRecord());

    // The declaration is the only block with a visible frame; its top edge lies 4 units above
    // the block, after blocks of 6, 4, 17 and 16 lines.
    const int declarationTop = SummaryBlockTop(m) + BlockHeight(16, m);
    const int frameTop = declarationTop - 4;
    EXPECT_EQ(ColourPixels(page, Span(100, frameTop, 380, frameTop), kBlack), 281);
    EXPECT_EQ(DarkPixels(page, Span(100, frameTop - 3, 380, frameTop - 1)), 0);
    EXPECT_EQ(PixelAt(page, 16, frameTop + 10), kBlack);
    EXPECT_EQ(PixelAt(page, 599, frameTop + 10), kBlack);
    const int frameBottom = Trunc(7.5 * m.lineH + declarationTop) - 1;
    EXPECT_EQ(ColourPixels(page, Span(100, frameBottom, 380, frameBottom), kBlack), 281);
    EXPECT_EQ(DarkPixels(page, Span(100, frameBottom + 1, 380, frameBottom + 10)), 0);

    // Blocks 1 to 4 have invisible frames: nothing dark on the left edge of the page area.
    EXPECT_EQ(DarkPixels(page, Span(14, 80, 18, frameTop - 1)), 0);

    // Headings at x 20 on the block tops; block 3's labels at 30, ratings at 260.
    const int profileTop = 100 + BlockHeight(6, m) + BlockHeight(4, m);
    EXPECT_GT(DarkPixels(page, Span(20, profileTop, 60, profileTop + m.headingH - 1)), 20);
    const int firstLabelRow = profileTop + 2 * m.lineH;
    EXPECT_GT(DarkPixels(page, Span(30, firstLabelRow, 60, firstLabelRow + m.lineH - 1)), 10);
    EXPECT_GT(DarkPixels(page, Span(260, firstLabelRow, 275, firstLabelRow + m.lineH - 1)), 5);
}

TEST(CertificatePageScreen, BadgeSitsOnTheSummaryBlockWithItsOwnScale) {
    const PageMetrics m = MetricsFor(kScreenW);
    const int y = SummaryBlockTop(m);
    const double d = kBadgeScale * m.r;
    for (const char* rating : {"A+", "C", "XXXXXXXX"}) {
        SCOPED_TRACE(rating);
        CertificateData data = TypicalRecord();
        data.SummaryRating = QLatin1String(rating);
        const QImage page = Page(data);
        const char* const letters[] = {"A+", "A", "B", "C", "D", "E", "F"};
        for (int i = 0; i < 7; ++i) {
            const int left = 130 + 40 * i;
            const QRect inside = Span(Trunc(left * d) + 1, Trunc((y + 10) * d) + 1,
                                      Trunc((left + 40) * d) - 1, Trunc((y + 40) * d) - 1);
            EXPECT_GT(ColourPixels(page, inside, *RatingColourOf(QLatin1String(letters[i]))),
                      inside.width() * inside.height() / 3)
                << "bar " << letters[i];
            const int centre = Trunc((left + 20) * d);
            const int pointerInk = DarkPixels(
                page, Span(centre - 1, Trunc((y - 68) * d), centre + 1, Trunc((y - 27) * d)));
            if (QLatin1String(rating) == QLatin1String(letters[i])) {
                EXPECT_GT(pointerInk, 0) << "pointer over " << letters[i];
            } else {
                EXPECT_EQ(pointerInk, 0) << "pointer over " << letters[i];
            }
        }
    }
}

TEST(CertificatePageScreen, DeclarationAndHeadingStayBlackWhenTheLastBarIsMarked) {
    const PageMetrics m = MetricsFor(kScreenW);
    CertificateData data = TypicalRecord();
    data.SummaryRating = QStringLiteral("F");
    const QImage page = Page(data);
    const int y = SummaryBlockTop(m);
    EXPECT_GT(DarkPixels(page, Span(20, y, 120, y + m.headingH - 1)), 50) << "Summary Rating:";
    const int declaration = y + BlockHeight(16, m);
    EXPECT_GT(DarkPixels(page, Span(140, declaration, 400, declaration + m.lineH - 1)), 100);
}

TEST(CertificatePageScreen, ATinyOrEmptyRecordStillDrawsWithoutFailing) {
    // No profile lines, no texts at all, and a page far too small to read.
    CertificateData empty;
    empty.SummaryRating.clear();
    empty.ProductName.clear();
    empty.ElementReference.clear();
    const QImage page = Page(empty);
    EXPECT_EQ(PixelAt(page, 15, 15), kBlack);
    EXPECT_EQ(ColourPixels(page, Span(400, 95, 599, 95), kGreen), 200);
    const QImage tiny = Page(TypicalRecord(), 3, 4);
    EXPECT_GT(DarkPixels(tiny, tiny.rect()), 0);
}

// ---- Company, project and date box -------------------------------------------------------------

namespace {

// Rows between 190 and 420 on which the box draws a rule across its middle (x 480 to 520).
std::vector<int> RuleRows(const CertificateData& data) {
    const QImage page = Page(data);
    std::vector<int> rows;
    for (int y = 190; y < 420; ++y) {
        if (ColourPixels(page, Span(480, y, 520, y), kBlack) == 41) {
            rows.push_back(y);
        }
    }
    return rows;
}

CertificateData WithCompanyBox(const QString& company, const QString& project,
                               const QString& date) {
    CertificateData data = TypicalRecord();
    data.Company = company;
    data.Project = project;
    data.Date = date;
    return data;
}

}  // namespace

TEST(CertificateCompanyBox, RulesStandUnderEachLabelAndCloseTheBox) {
    using Rows = std::vector<int>;
    EXPECT_EQ(RuleRows(WithCompanyBox("Acme", "Hall", "May")), (Rows{204, 244, 284, 324}));
    // Two company lines push the later labels down by one value row.
    EXPECT_EQ(RuleRows(WithCompanyBox("Acme\nLeeds", "Hall", "May")), (Rows{204, 260, 300, 340}));
    // A trailing line break starts no further line.
    EXPECT_EQ(RuleRows(WithCompanyBox("Acme\n", "Hall", "May")), (Rows{204, 244, 284, 324}));
    // An empty project leaves out its label: the date label follows the company value.
    EXPECT_EQ(RuleRows(WithCompanyBox("Acme", "", "May")), (Rows{204, 244, 284}));
    EXPECT_EQ(RuleRows(WithCompanyBox("", "", "May")), (Rows{204, 244}));
    // A memo line with "##" is a label; a label right after a label gets 18 units more.
    EXPECT_EQ(RuleRows(WithCompanyBox("##Site", "", "")), (Rows{204, 246, 288}));
}

TEST(CertificateCompanyBox, LabelsAndValuesStandBelowTheirRules) {
    const QImage page = Page(WithCompanyBox("Acme", "Hall", "May"));
    // Label "Company" 2 units below its rule at 400; value at 420 on 222.
    EXPECT_GT(DarkPixels(page, Span(400, 206, 440, 216)), 10);
    EXPECT_EQ(DarkPixels(page, Span(401, 222, 418, 240)), 0);
    EXPECT_GT(DarkPixels(page, Span(420, 222, 470, 238)), 30);
    // The closing rule has no label below it.
    EXPECT_EQ(DarkPixels(page, Span(400, 325, 600, 345)), 0);
}

TEST(CertificateCompanyBox, DrawsNothingWhenAllFieldsAreEmpty) {
    const QImage page = Page(WithCompanyBox("", "", ""));
    EXPECT_EQ(DarkPixels(page, Span(400, 185, 628, 420)), 0);
}

// ---- Framed text blocks
// --------------------------------------------------------------------------

namespace {

constexpr int kTop = 100, kLeft = 20;

struct BlockDrawing {
    QImage image;
    int height = 0;
};

// One block on a white screen page with the given frame pen colour and a solid white brush.
BlockDrawing Block(const QStringList& lines, const QColor& pen = kWhite) {
    const PageMetrics m = MetricsFor(kScreenW);
    BlockDrawing result;
    result.image = Drawn(kScreenW, kScreenH, [&](Canvas& canvas) {
        canvas.SetPenColor(pen);
        canvas.SetBrushColor(kWhite);
        canvas.SetFontColor(kBlack);
        result.height = DrawTextBlock(canvas, lines, m.s, m.r, kTop, kLeft);
    });
    return result;
}

// Row band of body line i (i >= 1) between page x1 and x2.
QRect RowBand(int i, int x1, int x2) {
    const PageMetrics m = MetricsFor(kScreenW);
    const int top = kTop + (i - 1) * m.lineH;
    return Span(x1, top, x2, top + m.lineH - 1);
}

// Height of the ink within a row band: the first to the last row holding dark pixels.
int InkHeight(const QImage& image, const QRect& band) {
    int first = -1, last = -1;
    for (int y = band.top(); y <= band.bottom(); ++y) {
        if (DarkPixels(image, Span(band.left(), y, band.right(), y)) > 0) {
            if (first < 0) {
                first = y;
            }
            last = y;
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

// Leftmost column holding dark pixels within the band, or -1.
int InkLeft(const QImage& image, const QRect& band) {
    for (int x = band.left(); x <= band.right(); ++x) {
        if (DarkPixels(image, Span(x, band.top(), x, band.bottom())) > 0) {
            return x;
        }
    }
    return -1;
}

// Whether a column's text starts at page x (glyphs may keep a pixel or two of side bearing).
::testing::AssertionResult StartsAt(const QImage& image, const QRect& band, int x) {
    const int left = InkLeft(image, band);
    if (left >= x && left <= x + 2) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "ink starts at " << left << ", expected " << x;
}

// Lines for a block: a heading, an empty row beside it, then the given lines.
QStringList BodyLines(const QStringList& body) {
    return QStringList{QStringLiteral("Heading"), QString(), QString()} + body;
}

}  // namespace

TEST(CertificateTextBlock, ReturnsItsHeightInPageUnits) {
    for (int W : {kScreenW, kPrinterW}) {
        const PageMetrics m = MetricsFor(W);
        for (int n : {1, 4, 6, 16, 17}) {
            const QStringList lines = QStringList{QStringLiteral("H")} +
                                      QStringList(n - 1, QStringLiteral("#Label:Value"));
            int height = -1;
            Drawn(16, 16, [&](Canvas& canvas) {
                height = DrawTextBlock(canvas, lines, m.s, m.r, 100, 20);
            });
            EXPECT_EQ(height, Trunc(n * m.lineH / m.r)) << "width " << W << ", lines " << n;
        }
    }
}

TEST(CertificateTextBlock, FrameUsesTheCallersPenAndEndsHalfARowBelowTheLastRow) {
    const PageMetrics m = MetricsFor(kScreenW);
    const BlockDrawing framed = Block(BodyLines({QStringLiteral("x")}), kBlack);
    const int bottom = Trunc(3.5 * m.lineH + kTop) - 1;
    EXPECT_EQ(PixelAt(framed.image, kLeft - 4, kTop - 4), kBlack);
    EXPECT_EQ(PixelAt(framed.image, kLeft + 579, bottom), kBlack);
    EXPECT_EQ(PixelAt(framed.image, kLeft + 580, bottom), kWhite);
    EXPECT_EQ(PixelAt(framed.image, kLeft + 100, bottom + 1), kWhite);
    const BlockDrawing hidden = Block(BodyLines({QStringLiteral("x")}), kWhite);
    EXPECT_EQ(PixelAt(hidden.image, kLeft - 4, kTop - 4), kWhite);
}

TEST(CertificateTextBlock, PlacesTheColumnsByTheirMarkup) {
    const BlockDrawing block = Block(BodyLines({
        QStringLiteral("#Label:Value=Note"),   // line 3: 30, 260, 490
        QStringLiteral("Label:Value"),         // line 4: 140, 260
        QStringLiteral("Label=Note"),          // line 5: 140 and 490, "=" in column 1
        QStringLiteral("Climate Change npd"),  // line 6: all column 1
    }));
    const QImage& image = block.image;
    // Where each column starts.
    EXPECT_TRUE(StartsAt(image, RowBand(3, 20, 100), 30));
    EXPECT_TRUE(StartsAt(image, RowBand(3, 200, 400), 260));
    EXPECT_TRUE(StartsAt(image, RowBand(3, 400, 629), 490));
    EXPECT_TRUE(StartsAt(image, RowBand(4, 20, 200), 140));
    EXPECT_TRUE(StartsAt(image, RowBand(4, 200, 400), 260));
    EXPECT_TRUE(StartsAt(image, RowBand(5, 300, 629), 490));
    // "#": label at left + 10.
    EXPECT_GT(DarkPixels(image, RowBand(3, 30, 60)), 10);
    EXPECT_EQ(DarkPixels(image, RowBand(3, 20, 29)), 0);
    EXPECT_GT(DarkPixels(image, RowBand(3, 260, 290)), 10);
    EXPECT_GT(DarkPixels(image, RowBand(3, 490, 510)), 10);
    EXPECT_EQ(DarkPixels(image, RowBand(3, 320, 480)), 0);
    // Plain label at left + 120.
    EXPECT_EQ(DarkPixels(image, RowBand(4, 20, 139)), 0);
    EXPECT_GT(DarkPixels(image, RowBand(4, 140, 170)), 10);
    EXPECT_GT(DarkPixels(image, RowBand(4, 260, 290)), 10);
    EXPECT_EQ(DarkPixels(image, RowBand(4, 480, 629)), 0);
    // "=" in column 1 sends the rest to column 3; column 2 stays empty.
    EXPECT_GT(DarkPixels(image, RowBand(5, 140, 160)), 10);
    EXPECT_EQ(DarkPixels(image, RowBand(5, 200, 480)), 0);
    EXPECT_GT(DarkPixels(image, RowBand(5, 490, 510)), 10);
    // No ":" at all: one run of text from 140, nothing in columns 2 and 3 positions beyond it.
    EXPECT_GT(DarkPixels(image, RowBand(6, 140, 240)), 50);
    EXPECT_EQ(DarkPixels(image, RowBand(6, 300, 629)), 0);
}

TEST(CertificateTextBlock, ColumnThreeIsBoldOnlyUnderABlackPen) {
    const QStringList lines = BodyLines({QStringLiteral("#Label:Value=Note")});
    const QRect note = RowBand(3, 490, 560);
    const QRect label = RowBand(3, 30, 100);
    const BlockDrawing white = Block(lines, kWhite);
    const BlockDrawing black = Block(lines, kBlack);
    EXPECT_GT(DarkPixels(black.image, note), DarkPixels(white.image, note) * 6 / 5);
    // Column 1 is regular either way.
    EXPECT_EQ(DarkPixels(black.image, label), DarkPixels(white.image, label));
}

TEST(CertificateTextBlock, EmphasisEnlargesItsLineAndEveryLaterLineOfTheBlock) {
    const BlockDrawing plain =
        Block(BodyLines({QStringLiteral("Hb"), QStringLiteral("Hb"), QStringLiteral("Hb")}));
    const BlockDrawing starred =
        Block(BodyLines({QStringLiteral("Hb"), QStringLiteral("*Hb"), QStringLiteral("Hb")}));
    // Emphasis at left + 100, in bold and 1.5 times the height; the row stays where it was.
    EXPECT_GT(DarkPixels(starred.image, RowBand(4, 120, 138)), 10);
    EXPECT_EQ(DarkPixels(starred.image, RowBand(4, 20, 119)), 0);
    const int normal = InkHeight(plain.image, RowBand(3, 140, 200));
    EXPECT_EQ(InkHeight(starred.image, RowBand(3, 140, 200)), normal);
    const PageMetrics m = MetricsFor(kScreenW);
    const QRect bigRow4 = RowBand(4, 120, 200).adjusted(0, 0, 0, m.lineH);
    const QRect bigRow5 = RowBand(5, 140, 220).adjusted(0, 0, 0, m.lineH);
    EXPECT_GE(InkHeight(starred.image, bigRow4), normal * 4 / 3);
    // The line after it keeps the larger size but is no longer bold or indented.
    EXPECT_GE(InkHeight(starred.image, bigRow5), normal * 4 / 3);
    EXPECT_EQ(DarkPixels(starred.image, RowBand(5, 20, 119)), 0);

    // Each further emphasis enlarges again by 1.5.
    const BlockDrawing twoStars =
        Block(BodyLines({QStringLiteral("*Hb"), QString(), QString(), QStringLiteral("*Hb")}));
    const int once = InkHeight(twoStars.image, RowBand(3, 120, 200).adjusted(0, 0, 0, m.lineH));
    const int again =
        InkHeight(twoStars.image, RowBand(6, 120, 200).adjusted(0, 0, 0, 2 * m.lineH));
    EXPECT_TRUE(StartsAt(twoStars.image, RowBand(6, 20, 200), 120));
    EXPECT_GE(again, once * 4 / 3);

    // The next block starts again from the body height.
    const PageMetrics pm = MetricsFor(kScreenW);
    const QImage twice = Drawn(kScreenW, kScreenH, [&](Canvas& canvas) {
        canvas.SetPenColor(kWhite);
        canvas.SetBrushColor(kWhite);
        DrawTextBlock(canvas, {QStringLiteral("H"), QStringLiteral("*Hb")}, pm.s, pm.r, 500, 20);
        DrawTextBlock(canvas, BodyLines({QStringLiteral("Hb")}), pm.s, pm.r, kTop, kLeft);
    });
    EXPECT_EQ(InkHeight(twice, RowBand(3, 140, 200)), normal);
}

TEST(CertificateTextBlock, HashInTheHeadingBreaksItIntoLines) {
    const PageMetrics m = MetricsFor(kScreenW);
    const QRect secondLine = Span(kLeft, kTop + m.headingH, kLeft + 80, kTop + 2 * m.headingH - 1);
    const QRect firstLine = Span(kLeft, kTop, kLeft + 80, kTop + m.headingH - 1);
    const BlockDrawing split = Block({QStringLiteral("Summary#Rating")});
    EXPECT_GT(DarkPixels(split.image, firstLine), 20);
    EXPECT_GT(DarkPixels(split.image, secondLine), 20);
    const BlockDrawing single = Block({QStringLiteral("Summary Rating")});
    EXPECT_EQ(DarkPixels(single.image, secondLine), 0);
    // Body line 1 shares the heading's row.
    const BlockDrawing beside = Block({QStringLiteral("declaration:"), QStringLiteral("Pelvanor")});
    EXPECT_GT(DarkPixels(beside.image, RowBand(1, 140, 200)), 20);
}

// ---- The page at printer resolution ------------------------------------------------------------

TEST(CertificatePagePrinter, BandsBoxesAndBadgeScaleWithTheWidth) {
    const PageMetrics m = MetricsFor(kPrinterW);
    const double r = m.r;
    CertificateData data = WithCompanyBox("Acme", "Hall", "May");
    const QImage page = Page(data, kPrinterW, kPrinterH);
    const int pen = Trunc(r);  // one page unit
    const int slack = pen / 2 + 1;

    auto px = [&](double units) { return Trunc(units * r); };
    // Title band (15r, 15r)-(W - 15r, 70r), footer band (15r, H - 60r)-(W - 15r, H - 15r).
    const QRect title = Span(px(15), px(15), Trunc(kPrinterW - 15 * r) - 1, px(70) - 1);
    const QRect footer = Span(px(15), Trunc(kPrinterH - 60 * r), Trunc(kPrinterW - 15 * r) - 1,
                              Trunc(kPrinterH - 15 * r) - 1);
    for (const QRect& band : {title, footer}) {
        EXPECT_EQ(PixelAt(page, band.left(), band.top()), kBlack);
        EXPECT_EQ(PixelAt(page, band.right(), band.bottom()), kBlack);
        EXPECT_EQ(PixelAt(page, band.left() - slack - 1, band.center().y()), kWhite);
        EXPECT_EQ(PixelAt(page, band.center().x(), band.bottom() + slack + 1), kWhite);
    }

    // The rating box's frame at (400, 95)-(600, 180) units, one unit thick.
    const int frameY = (px(95) + px(180)) / 2;
    EXPECT_EQ(PixelAt(page, px(400), frameY), kGreen);
    EXPECT_EQ(PixelAt(page, px(600) - 1, frameY), kGreen);
    EXPECT_EQ(PixelAt(page, px(500), px(95)), kGreen);
    EXPECT_GE(ColourPixels(page, Span(px(400) - slack, frameY, px(400) + slack, frameY), kGreen),
              pen - 1);
    EXPECT_EQ(PixelAt(page, px(400) + slack + 2, frameY), kWhite);

    // Company box rules at 204, 244, 284 and 324 units, each a unit thick.
    for (int rule : {204, 244, 284, 324}) {
        const int y = px(rule);
        EXPECT_GE(ColourPixels(page, Span(px(500), y - slack, px(500), y + slack), kBlack), pen - 1)
            << "rule at " << rule;
    }

    // The badge on the summary block, scaled by r alone.
    const int y = SummaryBlockTop(m);
    const double d = kBadgeScale * r;
    const char* const letters[] = {"A+", "A", "B", "C", "D", "E", "F"};
    for (int i = 0; i < 7; ++i) {
        const int left = 130 + 40 * i;
        const QRect inside = Span(Trunc(left * d) + slack, Trunc((y + 10) * d) + slack,
                                  Trunc((left + 40) * d) - slack, Trunc((y + 40) * d) - slack);
        EXPECT_GT(ColourPixels(page, inside, *RatingColourOf(QLatin1String(letters[i]))),
                  inside.width() * inside.height() / 3)
            << "bar " << letters[i];
    }
    EXPECT_EQ(PixelAt(page, Trunc(150 * d), Trunc((y + 3) * d)), kBlack) << "pointer tip";
}

TEST(CertificatePagePrinter, DrawsOntoAPdfWriter) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("certificate.pdf"));
    {
        QPdfWriter writer(path);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        Canvas canvas(painter);
        const QRect area = painter.viewport();
        DrawCertificatePage(WithCompanyBox("Acme", "Hall", "May"), canvas, area.width(),
                            area.height());
    }
    const QByteArray bytes = ReadBytes(path);
    ASSERT_TRUE(bytes.startsWith("%PDF"));

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    QProcess process;
    process.start(pdftotext, {path, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* expected :
         {"Environmental Profile Certificate", "Summary Rating:", "Pelvanor 47", "1231500011",
          "Climate Change:", "www.bre.co.uk/greenguide requires registration", "Acme",
          "ENVIRONMENTAL"}) {
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected;
    }
}
