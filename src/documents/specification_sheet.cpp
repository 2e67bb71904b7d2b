#include "documents/specification_sheet.h"

#include <QColor>
#include <QLatin1String>
#include <QPainter>
#include <QPoint>
#include <QtMath>

#include <array>
#include <vector>

#include "data/column_ratings.h"
#include "data/contact_texts.h"
#include "data/rating_colours.h"
#include "data/table_fields.h"
#include "platform/canvas.h"

namespace {

const QColor kSheetGreen(86, 177, 70);
const QColor kIvory(255, 255, 250);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

const QString kArial = QStringLiteral("Arial");
const QString kArialBlack = QStringLiteral("Arial Black");

// Outer frame and inner panel, right and bottom edges exclusive.
constexpr int kFrameLeft = 10, kFrameTop = 2, kFrameRight = 410, kFrameBottom = 575;
constexpr int kFramePenWidth = 2;
constexpr int kPanelLeft = 20, kPanelTop = 105, kPanelRight = 400, kPanelBottom = 535;

// One line of the header, drawn transparently in sheet green.
struct HeaderText {
    const char* text;
    int x, y, height;
    bool bold;
};
constexpr std::array<HeaderText, 2> kHeader = {{
    {"bre", 20, 10, 60, true},
    {"Green Guide", 105, 25, 40, false},
}};

// One text of the sheet: Arial of the given cell height; "onWhite" texts fill their cell with
// white (they lie on the white panel), the others are drawn transparently. Fixed texts are the
// same on every sheet and belong to its art.
struct SheetText {
    QString text;
    int x, y, height;
    bool bold;
    QColor colour;
    bool onWhite;
    bool fixed;
};

// The sheet's texts; the first five are the declaration paragraph. The art draws the fixed ones
// in this order, then the data's are drawn in this order over it: no text's cell meets the cell
// of a text drawn after it the other way, so both orders give the same pixels.
std::array<SheetText, 21> SheetTextsOf(const SpecificationSheetData& d) {
    const QString& name = d.systemName;
    return {{
        {QStringLiteral("Declaration:"), 40, 440, 15, true, kBlack, true, true},
        {name + QStringLiteral(" correspond(s) to the BRE Global Green Guide online"), 40, 456, 14,
         false, kBlack, true, false},
        {QStringLiteral("generic specification Powder coated aluminium window "), 40, 472, 14,
         false, kBlack, true, true},
        {QStringLiteral("(profile ") + d.weightBand +
             QStringLiteral(" kg/m), double glazed (ref. ") + d.elementNumber + QStringLiteral(")"),
         40, 488, 14, false, kBlack, true, false},
        {QStringLiteral("which achieves a summary rating of '") + d.summaryRating +
             QStringLiteral("' within ") + d.buildingType + QStringLiteral(" Buildings."),
         40, 504, 14, false, kBlack, true, false},
        {QStringLiteral("Product Name:"), 40, 115, 15, true, kBlack, true, true},
        {QStringLiteral("Tarvex ") + name, 105, 130, 25, true, kBlack, true, false},
        {QStringLiteral("Specification:"), 40, 200, 15, true, kBlack, true, true},
        {QStringLiteral("System:"), 140, 216, 14, false, kBlack, true, true},
        {QStringLiteral("Outerframe:"), 140, 232, 14, false, kBlack, true, true},
        {QStringLiteral("Vent:"), 140, 248, 14, false, kBlack, true, true},
        {QStringLiteral("Mullion:"), 140, 264, 14, false, kBlack, true, true},
        {name, 220, 216, 14, false, kBlack, true, false},
        {d.outerFrame, 220, 232, 14, false, kBlack, true, false},
        {d.ventFrame, 220, 248, 14, false, kBlack, true, false},
        {d.transomMullion, 220, 264, 14, false, kBlack, true, false},
        {QStringLiteral("Generic element reference:"), 40, 160, 15, true, kBlack, true, true},
        {d.elementNumber, 145, 175, 25, false, kBlack, true, false},
        {QStringLiteral("BRE Green Guide. BRE Global Limited, Watford, WD25 9XX"), 40, 540, 11,
         true, kSheetGreen, false, true},
        {contact::RatingBodyContactLine(), 40, 553, 11, true, kSheetGreen, false, true},
        {QStringLiteral("Green Guide Summary Rating:"), 40, 285, 15, true, kBlack, false, true},
    }};
}
constexpr int kDeclarationLineCount = 5;

// The rating boxes from left to right; each takes its fill from the shared rating colours.
constexpr std::array<const char*, 6> kBoxLetters = {"A+", "A", "B", "C", "D", "E"};
constexpr int kFirstBoxLeft = 80;
constexpr int kBoxWidth = 40;

// Outlines relative to (left edge of the box, 0): the box is 40 x 30 with an extra middle
// point on its right side; the marker is a pentagon 70 wide pointing down at the box, its tip 5
// above the box's top edge.
constexpr std::array<QPoint, 5> kBoxOutline = {
    {{0, 395}, {40, 395}, {40, 410}, {40, 425}, {0, 425}}};
constexpr std::array<QPoint, 5> kMarkerOutline = {
    {{55, 315}, {-15, 315}, {-15, 360}, {20, 390}, {55, 360}}};

// Box letter: left edge 10 right of the box, top on the box's top edge.
constexpr int kBoxLetterOffset = 10;
constexpr int kBoxLetterTop = 395;
constexpr int kBoxLetterHeight = 30;
// Marker letter: centred on (box left + 20, 342), the centre of the marker's wide part.
constexpr int kMarkerLetterCentreOffset = 20;
constexpr int kMarkerLetterCentreY = 342;
constexpr int kMarkerLetterHeight = 60;

// The sheet shares its box and marker shapes with the badge drawing, which scales them; on the
// sheet the scale is fixed. It applies to points, the letters' tops and the letter heights, not
// to the letters' left positions.
constexpr double kScale = 1.0;

template <std::size_t N>
std::vector<QPoint> ScaledOutline(const std::array<QPoint, N>& outline, int left) {
    std::vector<QPoint> points;
    points.reserve(N);
    for (const QPoint& p : outline) {
        points.emplace_back(Trunc((left + p.x()) * kScale), Trunc(p.y() * kScale));
    }
    return points;
}

void DrawHeader(Canvas& canvas) {
    canvas.SetBrushHollow();
    canvas.SetFontName(kArial);
    canvas.SetFontColor(kSheetGreen);
    for (const HeaderText& h : kHeader) {
        canvas.SetFontHeight(h.height);
        canvas.SetFontBold(h.bold);
        canvas.TextOut(h.x, h.y, QLatin1String(h.text));
    }
}

// The fixed texts or the data's.
void DrawTexts(Canvas& canvas, const SpecificationSheetData& data, bool fixed) {
    canvas.SetFontName(kArial);
    for (const SheetText& t : SheetTextsOf(data)) {
        if (t.fixed != fixed) {
            continue;
        }
        if (t.onWhite) {
            canvas.SetBrushColor(kWhite);
        } else {
            canvas.SetBrushHollow();
        }
        canvas.SetFontHeight(t.height);
        canvas.SetFontBold(t.bold);
        canvas.SetFontColor(t.colour);
        canvas.TextOut(t.x, t.y, t.text);
    }
}

void DrawMarker(Canvas& canvas, const QString& letter, int left) {
    canvas.SetPenColor(kBlack);
    canvas.SetBrushColor(kBlack);
    canvas.Polygon(ScaledOutline(kMarkerOutline, left));

    canvas.SetBrushHollow();
    canvas.SetFontName(kArial);
    canvas.SetFontBold(true);
    canvas.SetFontHeight(Trunc(kMarkerLetterHeight * kScale));
    canvas.SetFontColor(kWhite);
    const int halfWidth = canvas.TextWidth(letter) / 2;
    const int halfHeight = canvas.TextHeight(letter) / 2;
    canvas.TextOut(left + kMarkerLetterCentreOffset - halfWidth,
                   Trunc(kMarkerLetterCentreY * kScale) - halfHeight, letter);
}

int BoxLeft(std::size_t k) {
    return kFirstBoxLeft + kBoxWidth * static_cast<int>(k);
}

void DrawRatingBoxes(Canvas& canvas) {
    for (std::size_t k = 0; k < kBoxLetters.size(); ++k) {
        const QString letter = QLatin1String(kBoxLetters[k]);
        const int left = BoxLeft(k);

        canvas.SetPenColor(kBlack);
        canvas.SetBrushColor(RatingColourOf(letter).value_or(kWhite));
        canvas.Polygon(ScaledOutline(kBoxOutline, left));

        canvas.SetBrushHollow();
        canvas.SetFontName(kArialBlack);
        canvas.SetFontBold(true);
        canvas.SetFontHeight(Trunc(kBoxLetterHeight * kScale));
        canvas.SetFontColor(kBlack);
        canvas.TextOut(left + kBoxLetterOffset, Trunc(kBoxLetterTop * kScale), letter);
    }
}

// The marker over the box of the summary rating. It lies above the boxes, apart from them and
// from every text, so it is drawn after all of them.
void DrawRatingMarker(Canvas& canvas, const QString& summaryRating) {
    for (std::size_t k = 0; k < kBoxLetters.size(); ++k) {
        if (QLatin1String(kBoxLetters[k]) == summaryRating) {
            DrawMarker(canvas, summaryRating, BoxLeft(k));
        }
    }
}

constexpr int kSheetWidth = 417, kSheetHeight = 580;

QImage DrawSpecificationSheetArtAt(qreal ratio) {
    QImage image(qCeil(kSheetWidth * ratio), qCeil(kSheetHeight * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    Canvas canvas(painter);
    DrawSpecificationSheetArt(canvas);
    return image;
}

}  // namespace

SpecificationSheetData SpecificationSheetDataOf(const QStringList& breRatingLines,
                                                int ratingsColumn, const QString& systemName,
                                                const QString& outerFrame, const QString& ventFrame,
                                                const QString& transomMullion, bool commercial) {
    SpecificationSheetData data;
    data.systemName = systemName;
    data.outerFrame = outerFrame;
    data.ventFrame = ventFrame;
    data.transomMullion = transomMullion;
    data.buildingType = commercial ? QStringLiteral("Commercial") : QStringLiteral("Domestic");
    // What the certificate shows, its fall-backs included.
    const ColumnRatings shown = ShownRatingsOfColumn(breRatingLines, ratingsColumn);
    data.summaryRating = shown.summaryRating;
    data.weightBand = shown.weightBand;
    data.elementNumber = shown.elementNumber;
    return data;
}

QStringList DeclarationLines(const SpecificationSheetData& data) {
    const auto texts = SheetTextsOf(data);
    QStringList lines;
    for (int i = 0; i < kDeclarationLineCount; ++i) {
        lines << texts[i].text;
    }
    return lines;
}

QString SpecificationSheetText(const SpecificationSheetData& data) {
    const auto texts = SheetTextsOf(data);
    const auto pair = [&texts](int label, int value) {
        return texts[label].text + QLatin1Char(' ') + texts[value].text;
    };
    // The places in SheetTextsOf of the labels and their values.
    const QString specification =
        QStringList{pair(8, 12), pair(9, 13), pair(10, 14), pair(11, 15)}.join(
            QStringLiteral("; "));
    QStringList declaration;
    for (int i = 1; i < kDeclarationLineCount; ++i) {
        declaration << texts[i].text.trimmed();
    }
    return QStringList{pair(5, 6), pair(16, 17), texts[7].text + QLatin1Char(' ') + specification,
                       texts[20].text + QLatin1Char(' ') + data.summaryRating,
                       texts[0].text + QLatin1Char(' ') + declaration.join(QLatin1Char(' '))}
        .join(QLatin1Char('\n'));
}

void DrawSpecificationSheetArt(Canvas& canvas) {
    canvas.SetPenColor(kSheetGreen);
    canvas.SetPenWidth(kFramePenWidth);
    canvas.SetBrushColor(kIvory);
    canvas.Rectangle(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom);
    canvas.SetPenWidth(1);

    DrawHeader(canvas);

    canvas.SetPenColor(kSheetGreen);
    canvas.SetBrushColor(kWhite);
    canvas.Rectangle(kPanelLeft, kPanelTop, kPanelRight, kPanelBottom);

    DrawTexts(canvas, SpecificationSheetData(), true);
    DrawRatingBoxes(canvas);
}

void DrawSpecificationSheetTexts(Canvas& canvas, const SpecificationSheetData& data) {
    DrawTexts(canvas, data, false);
    DrawRatingMarker(canvas, data.summaryRating);
}

void DrawSpecificationSheet(Canvas& canvas, const SpecificationSheetData& data) {
    DrawSpecificationSheetArt(canvas);
    DrawSpecificationSheetTexts(canvas, data);
}

const FixedPicture& SpecificationSheetArtPicture() {
    static const FixedPicture art{QStringLiteral("specification_sheet"),
                                  QSize(kSheetWidth, kSheetHeight), true,
                                  DrawSpecificationSheetArtAt};
    return art;
}

QImage SpecificationSheetImage(const SpecificationSheetData& data, qreal ratio) {
    // The art's own pixels are drawn on: the image holds the only reference to them.
    QImage image = FixedPictureAt(SpecificationSheetArtPicture(), ratio);
    QPainter painter(&image);
    Canvas canvas(painter);
    DrawSpecificationSheetTexts(canvas, data);
    return image;
}
