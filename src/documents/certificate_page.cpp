#include "documents/certificate_page.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <utility>

#include "data/contact_texts.h"
#include "data/table_fields.h"
#include "documents/rating_badge.h"
#include "platform/canvas.h"

namespace {

// ---- Text block -----------------------------------------------------------------------------

// Font heights in page units; the cell height in pixels is trunc(height * r * s).
constexpr int kBodyHeight = 14;
constexpr int kHeadingHeight = 18;
constexpr double kEmphasisScale = 1.5;

// Frame around the text, from the block's top-left text corner.
constexpr int kFrameInset = 4;
constexpr int kFrameRight = 580;

// Columns from the block's left edge. A "#" label moves column 1 left by kLabelIndent, a "*"
// emphasis by kEmphasisIndent (which replaces the label's indent).
constexpr int kColumn1 = 120;
constexpr int kColumn2 = 240;
constexpr int kColumn3 = 470;
constexpr int kLabelIndent = 110;
constexpr int kEmphasisIndent = 20;

// Longest texts taken after a separator or a markup character.
constexpr int kMaxColumnChars = 100;
constexpr int kMaxLabelChars = 200;

const QString kFace = QStringLiteral("Arial");
const QString kAnyLetter = QStringLiteral("A");  // measured for line heights

int CellHeight(int height, double r, double s) {
    return Trunc(height * r * s);
}

struct Columns {
    QString first, second, third;
};

// Splits a body line at its first ":" (kept in column 1) and then column 1, else column 2, at
// its first "=" (dropped).
Columns SplitColumns(const QString& line) {
    Columns c;
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        c.first = line.left(colon + 1);
        c.second = line.mid(colon + 1, kMaxColumnChars);
    } else {
        c.first = line;
    }
    QString& split = c.first.contains(QLatin1Char('=')) ? c.first : c.second;
    const qsizetype equals = split.indexOf(QLatin1Char('='));
    if (equals >= 0) {
        c.third = split.mid(equals + 1, kMaxColumnChars);
        split.truncate(equals);
    }
    return c;
}

// ---- Page -----------------------------------------------------------------------------------

constexpr double kPageUnits = 630.0;

// s makes text widths device independent: this sentence, bold at the body height, is set to
// be kMeasureUnits page units wide on every device. It is only measured, never drawn.
const QString kMeasureSentence = QStringLiteral(
    "WER U Value of window calculated using the methods and conventions set out in BR 443");
constexpr double kMeasureUnits = 481.0;

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 128, 0);
const QColor kGrey(128, 128, 128);

// Title and footer bands: margins from the page edges, in page units.
constexpr int kBandMargin = 15;
constexpr int kTitleBandBottom = 70;
constexpr int kFooterBandTop = 60;  // above the bottom edge
constexpr int kTitleTextLeft = 20;
constexpr int kTitleTextTop = 20;
constexpr int kTitleHeight = 26;
constexpr int kSubtitleHeight = 19;
constexpr int kFooterTextLeft = 40;
constexpr int kFooterTextTop = 55;  // above the bottom edge
constexpr int kFooterHeight = 12;

const QString kTitleLead = QStringLiteral("Green Guide  ");  // the blanks part it from the rest
const QString kTitleRest = QStringLiteral("Environmental Profile Certificate");
const QString kSubtitle =
    QStringLiteral("BRE Green Guide Environmental Profile for Building Materials and Components");
const QString kFooterAddress =
    QStringLiteral("BRE Green Guide. BRE Global Limited, Watford, WD25 9XX");

// Blocks: top of the first, left edge of all; the badge's origin and scale against the page.
constexpr int kFirstBlockTop = 100;
constexpr int kBlockLeft = 20;
constexpr int kBadgeLeft = 50;
constexpr double kBadgeScale = 1.26103404791929376;
constexpr int kSummaryBlockEmptyLines = 15;

// Rating box, page units.
constexpr int kRatingFrameLeft = 400, kRatingFrameTop = 95;
constexpr int kRatingFrameRight = 600, kRatingFrameBottom = 180;

struct BoxText {
    int x, y, height;
};
constexpr BoxText kRatingLetter{420, 100, 80};
constexpr BoxText kRatingSuffix{460, 105, 35};
constexpr BoxText kRatingBodyMark{479, 105, 35};
constexpr BoxText kRatingReference{480, 135, 12};
constexpr BoxText kRatingWord1{480, 145, 12};
constexpr BoxText kRatingWord2{480, 155, 12};

// Company, project and date box, page units. Labels carry "##"; the cursor starts above the
// box and each row advances it; texts stand a little below their cursor positions.
const QString kLabelMark = QStringLiteral("##");
constexpr int kCompanyStartY = 60;
constexpr int kCompanyLabelStep = 24;
constexpr int kCompanyLabelAfterLabel = 18;
constexpr int kCompanyValueStep = 16;
constexpr int kCompanyRuleOffset = 120;
constexpr int kCompanyTextOffset = 122;
constexpr int kCompanyLeft = 400, kCompanyRight = 600;
constexpr int kCompanyValueLeft = 420;
constexpr int kCompanyLabelHeight = 11;
constexpr int kCompanyValueHeight = 18;
// Values since the last label; starts high so the first label gets no extra space.
constexpr int kNoLabelYet = 1000;

// Pens are one page unit wide, so the printed lines weigh what the preview shows.
int PenWidthFor(double r) {
    return std::max(1, Trunc(r));
}

void DrawBands(Canvas& canvas, int W, int H, double r, double s) {
    canvas.SetBrushColor(kBlack);
    canvas.SetPenColor(kBlack);
    canvas.SetFontColor(kWhite);

    canvas.Rectangle(Trunc(kBandMargin * r), Trunc(kBandMargin * r), Trunc(W - kBandMargin * r),
                     Trunc(kTitleBandBottom * r));
    const int titleX = Trunc(kTitleTextLeft * r);
    const int titleY = Trunc(kTitleTextTop * r);
    canvas.SetFontHeight(CellHeight(kTitleHeight, r, s));
    canvas.SetFontBold(true);
    canvas.TextOut(titleX, titleY, kTitleLead);
    // The offset is measured in the regular face, as the rest of the title is set.
    canvas.SetFontBold(false);
    const int w1 = canvas.TextWidth(kTitleLead);
    canvas.TextOut(Trunc(kTitleTextLeft * r + w1), titleY, kTitleRest);
    const int h1 = canvas.TextHeight(kAnyLetter);
    canvas.SetFontHeight(CellHeight(kSubtitleHeight, r, s));
    canvas.TextOut(titleX, Trunc(kTitleTextTop * r + h1), kSubtitle);

    canvas.Rectangle(Trunc(kBandMargin * r), Trunc(H - kFooterBandTop * r),
                     Trunc(W - kBandMargin * r), Trunc(H - kBandMargin * r));
    canvas.SetFontHeight(CellHeight(kFooterHeight, r, s));
    const int h2 = canvas.TextHeight(kAnyLetter);
    const int footerX = Trunc(kFooterTextLeft * r);
    const double footerY = H - kFooterTextTop * r;
    canvas.TextOut(footerX, Trunc(footerY), kFooterAddress);
    canvas.TextOut(footerX, Trunc(footerY + h2),
                   QStringLiteral("T: ") + contact::kRatingBodyTelephone + QStringLiteral(" F: ") +
                       contact::kRatingBodyFax);
    canvas.TextOut(footerX, Trunc(footerY + 2 * h2),
                   QStringLiteral("W: ") + contact::kRatingBodyWebSite);
}

void DrawBoxText(Canvas& canvas, const BoxText& item, const QString& text, double r, double s) {
    canvas.SetFontHeight(CellHeight(item.height, r, s));
    canvas.TextOut(Trunc(item.x * r), Trunc(item.y * r), text);
}

// The green "rating" stamp: the letter large, a "+" small beside it, the rating body's mark and
// the element reference. Drawn on the hollow brush, so texts have no background.
void DrawRatingBox(Canvas& canvas, const CertificateData& data, double r, double s) {
    canvas.SetPenColor(kGreen);
    canvas.Rectangle(Trunc(kRatingFrameLeft * r), Trunc(kRatingFrameTop * r),
                     Trunc(kRatingFrameRight * r), Trunc(kRatingFrameBottom * r));
    canvas.SetFontName(kFace);
    canvas.SetFontBold(true);
    canvas.SetFontColor(kGreen);
    DrawBoxText(canvas, kRatingLetter, data.SummaryRating.left(1), r, s);
    DrawBoxText(canvas, kRatingSuffix, data.SummaryRating.mid(1, 1), r, s);
    canvas.SetFontColor(kGrey);
    DrawBoxText(canvas, kRatingBodyMark, QStringLiteral("BRE"), r, s);
    canvas.SetFontColor(kGreen);
    DrawBoxText(canvas, kRatingReference, QStringLiteral("REF:") + data.ElementReference, r, s);
    DrawBoxText(canvas, kRatingWord1, QStringLiteral("ENVIRONMENTAL"), r, s);
    DrawBoxText(canvas, kRatingWord2, QStringLiteral("RATING"), r, s);
}

// Company, project and date, each under its label and a rule; an empty field leaves out its
// label too, and a closing rule ends the box when anything was drawn.
void DrawCompanyBox(Canvas& canvas, const CertificateData& data, double r, double s) {
    const std::array<std::pair<QString, const QString*>, 3> fields = {{
        {QStringLiteral("Company"), &data.Company},
        {QStringLiteral("Project"), &data.Project},
        {QStringLiteral("Date"), &data.Date},
    }};
    QStringList lines;
    for (const auto& [label, text] : fields) {
        if (!text->isEmpty()) {
            lines << kLabelMark + label << LinesOfText(*text);
        }
    }
    if (lines.isEmpty()) {
        return;
    }
    lines << kLabelMark;

    canvas.SetFontColor(kBlack);
    canvas.SetPenColor(kBlack);
    canvas.SetFontBold(true);
    canvas.SetFontName(kFace);
    int y = kCompanyStartY;
    int valuesSinceLabel = kNoLabelYet;
    for (const QString& line : lines) {
        if (line.contains(kLabelMark)) {
            y += kCompanyLabelStep;
            if (valuesSinceLabel == 0) {
                y += kCompanyLabelAfterLabel;
            }
            valuesSinceLabel = 0;
            canvas.SetFontHeight(CellHeight(kCompanyLabelHeight, r, s));
            canvas.TextOut(Trunc(kCompanyLeft * r), Trunc((y + kCompanyTextOffset) * r),
                           line.mid(2));
            const int ruleY = Trunc((y + kCompanyRuleOffset) * r);
            canvas.MoveTo(Trunc(kCompanyLeft * r), ruleY);
            canvas.LineTo(Trunc(kCompanyRight * r), ruleY);
        } else {
            ++valuesSinceLabel;
            y += kCompanyValueStep;
            canvas.SetFontHeight(CellHeight(kCompanyValueHeight, r, s));
            canvas.TextOut(Trunc(kCompanyValueLeft * r), Trunc((y + kCompanyTextOffset) * r), line);
        }
    }
}

}  // namespace

int DrawTextBlock(Canvas& canvas, const QStringList& lines, double s, double r, int top, int left) {
    const int n = static_cast<int>(lines.size());
    const int bodyHeight = CellHeight(kBodyHeight, r, s);
    canvas.SetFontHeight(bodyHeight);
    const int lineH = canvas.TextHeight(kAnyLetter);

    // The frame ends half a row below the last row.
    canvas.Rectangle(Trunc((left - kFrameInset) * r), Trunc((top - kFrameInset) * r),
                     Trunc((left + kFrameRight) * r), Trunc((n - 0.5) * lineH + top * r));

    // Heading: each "#" starts another heading line.
    canvas.SetFontBold(true);
    canvas.SetFontHeight(CellHeight(kHeadingHeight, r, s));
    const int headingStep = canvas.TextHeight(kAnyLetter);
    const QStringList headingLines = (lines.value(0) + QLatin1Char('#')).split(QLatin1Char('#'));
    int hy = 0;
    for (int k = 0; k + 1 < headingLines.size(); ++k) {
        canvas.TextOut(Trunc(left * r), Trunc(top * r + hy), headingLines[k]);
        hy += headingStep;
    }

    // Body rows advance by lineH whatever the emphasis; an emphasis enlarges the font for the
    // rest of the block.
    canvas.SetFontHeight(bodyHeight);
    const bool markColumn3 = canvas.PenColor() == kBlack;
    for (int i = 1; i < n; ++i) {
        Columns c = SplitColumns(lines[i]);
        int indent = 0;
        if (c.first.startsWith(QLatin1Char('#'))) {
            indent = kLabelIndent;
            c.first = c.first.mid(1, kMaxLabelChars);
        }
        canvas.SetFontBold(false);
        if (c.first.startsWith(QLatin1Char('*'))) {
            indent = kEmphasisIndent;
            canvas.SetFontBold(true);
            canvas.SetFontHeight(Trunc(kEmphasisScale * canvas.FontHeight()));
            c.first = c.first.mid(1, kMaxLabelChars);
        }
        const int rowTop = Trunc(top * r + (i - 1) * lineH);
        canvas.TextOut(Trunc((left + kColumn1 - indent) * r), rowTop, c.first);
        canvas.TextOut(Trunc((left + kColumn2) * r), rowTop, c.second);
        if (markColumn3) {
            canvas.SetFontBold(true);
        }
        canvas.TextOut(Trunc((left + kColumn3) * r), rowTop, c.third);
    }

    return Trunc(n * lineH / (r > 0 ? r : 1.0));
}

QStringList CertificateDeclarationLines(const CertificateData& data) {
    return {
        QStringLiteral("declaration:"),
        data.ProductName + QStringLiteral(" correspond(s) to the BRE Global Green Guide online"),
        QStringLiteral("generic specification Powder coated aluminium window "),
        QStringLiteral("(profile ") + data.ProfileWeight +
            QStringLiteral(" kg/m), double glazed (ref. ") + data.ElementReference +
            QStringLiteral(")"),
        QStringLiteral("which achieves a summary rating of '") + data.SummaryRating +
            QStringLiteral("' within ") + data.BuildingType + QStringLiteral(" Buildings."),
        QString(),
        QStringLiteral("Access to the Green Guide Online is free at"),
        contact::kRatingBodyWebSite + QStringLiteral(" requires registration first."),
    };
}

void DrawCertificatePage(const CertificateData& data, Canvas& canvas, int W, int H) {
    const double r = W / kPageUnits;
    double s = 1.0;

    canvas.SetPenWidth(PenWidthFor(r));
    canvas.SetBrushColor(kWhite);
    canvas.SetPenColor(kBlack);
    canvas.Rectangle(0, 0, W, H);

    canvas.SetFontName(kFace);
    canvas.SetFontHeight(CellHeight(kBodyHeight, r, s));
    canvas.SetFontBold(true);
    const int w0 = canvas.TextWidth(kMeasureSentence);
    if (w0 > 0) {
        s = kMeasureUnits * W / (kPageUnits * w0);
    }

    DrawBands(canvas, W, H, r, s);

    canvas.SetBrushColor(kWhite);
    canvas.SetFontColor(kBlack);
    canvas.SetPenColor(kWhite);
    int y = kFirstBlockTop;

    const QStringList product = {
        QStringLiteral("Product:"),
        QString(),
        QStringLiteral("#Tarvex ") + data.ProductName,
        QStringLiteral("#Outer Frame:") + data.OuterFrame,
        QStringLiteral("#Vent Frame:") + data.VentFrame,
        QStringLiteral("#Transom Mullion:") + data.TransomMullion,
    };
    y += DrawTextBlock(canvas, product, s, r, y, kBlockLeft);

    const QStringList reference = {QStringLiteral("Reference:"), QString(), QString(),
                                   QStringLiteral("*") + data.ElementReference};
    y += DrawTextBlock(canvas, reference, s, r, y, kBlockLeft);

    QStringList profile = {QStringLiteral("Environmental Profile:"), QString(), QString()};
    profile << data.ProfileLines;
    y += DrawTextBlock(canvas, profile, s, r, y, kBlockLeft);

    // The badge leaves the brush hollow, so the block's white frame does not paint over it.
    DrawRatingBadge(canvas, data.SummaryRating, kBadgeLeft, y, kBadgeScale * r);
    // The badge may leave the font white (after the pointer letter of its last bar); the
    // heading and the declaration below must stay readable.
    canvas.SetFontColor(kBlack);
    canvas.SetPenColor(kWhite);
    QStringList summary = {QStringLiteral("Summary Rating:")};
    for (int k = 0; k < kSummaryBlockEmptyLines; ++k) {
        summary << QString();
    }
    y += DrawTextBlock(canvas, summary, s, r, y, kBlockLeft);
    canvas.SetPenColor(kBlack);

    DrawTextBlock(canvas, CertificateDeclarationLines(data), s, r, y, kBlockLeft);

    DrawRatingBox(canvas, data, r, s);
    DrawCompanyBox(canvas, data, r, s);
}

QString CertificateFieldOverflow(const QString& text) {
    // An empty field, as at start, fits without loading a font to measure it.
    if (text.isEmpty()) {
        return {};
    }
    // The preview's scale, one pixel per page unit; s comes out as the page works it out.
    QImage surface(1, 1, QImage::Format_RGB32);
    QPainter painter(&surface);
    Canvas canvas(painter);
    constexpr double r = 1.0;
    canvas.SetFontName(kFace);
    canvas.SetFontBold(true);
    canvas.SetFontHeight(CellHeight(kBodyHeight, r, 1.0));
    const int w0 = canvas.TextWidth(kMeasureSentence);
    const double s = w0 > 0 ? kMeasureUnits / w0 : 1.0;
    canvas.SetFontHeight(CellHeight(kCompanyValueHeight, r, s));
    const int room = Trunc((kCompanyRight - kCompanyValueLeft) * r);
    for (const QString& line : LinesOfText(text)) {
        const qsizetype fits = canvas.FittingLength(line, room);
        if (fits < line.size()) {
            return line.mid(fits);
        }
    }
    return {};
}
