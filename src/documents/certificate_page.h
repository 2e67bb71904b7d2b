// The "Environmental Profile Certificate" page: title and footer bands, the framed text blocks
// (product, reference, environmental profile, summary rating with its badge, declaration), the
// green rating box and the company/project/date box. One routine serves the screen preview and
// the printed page; only the canvas size differs, and the layout scales with the width.
#pragma once

#include <QString>
#include <QStringList>

class Canvas;

// Everything the certificate shows. The report driver fills every field before drawing; the
// values below are only what a fresh record holds.
struct CertificateData {
    // One "#label:value" line per impact category and the kg CO2 row, in table order.
    QStringList ProfileLines;
    QString SummaryRating = QStringLiteral("A+");
    QString ProductName = QStringLiteral("Pelvanor 47");
    QString BuildingType = QStringLiteral("Commercial");
    QString ProfileWeight = QStringLiteral("< 0.9");
    QString ElementReference = QStringLiteral("1231500011");
    QString OuterFrame = QStringLiteral("PRF010");
    QString VentFrame = QStringLiteral("PRF020");
    QString TransomMullion = QStringLiteral("PRF020");
    // Free texts of the report view; each may hold several lines.
    QString Company;
    QString Project;
    QString Date;
};

// Draws one framed text block with its top-left text corner at (left, top) page units, r pixels
// per page unit and font width factor s, and returns the block's height in page units.
//
// Line 0 is the heading ("#" in it breaks it into several heading lines); body line i stands on
// row i - 1, so line 1 shares the heading's row. A body line splits into column 1 (up to and
// including the first ":"), column 2 (after it) and column 3 (after the first "=" of column 1,
// else of column 2). Column 1 starts at left + 120, or at left + 10 when it begins with "#";
// a leading "*" (after any "#") sets it at left + 100 in bold at 1.5 times the current body
// height, and the enlargement stays for the rest of the block. Column 2 stands at left + 240,
// column 3 at left + 470, in bold when the pen is black.
//
// The frame is drawn first with the canvas's current pen and brush, which the caller chooses.
int DrawTextBlock(Canvas& canvas, const QStringList& lines, double s, double r, int top, int left);

// The declaration block as the page prints it: its heading "declaration:", then its lines.
QStringList CertificateDeclarationLines(const CertificateData& data);

// A free text of several lines (a company, project or date) on one line: its lines joined by
// ", ", empty ones left out.
QString LinesOnOneLine(const QString& text);

// What the certificate says, one line per part: title, product and profiles, reference, summary
// rating, the declaration as one sentence, then company (its lines joined by ", "), project and
// date; for a screen reader.
QString CertificateText(const CertificateData& data);

// Paints the whole W x H pixel area and lays the certificate out on it, 630 page units wide.
void DrawCertificatePage(const CertificateData& data, Canvas& canvas, int W, int H);

// The most characters a company, project or date text can hold. The page runs out of room long
// before (some fifty lines of some forty characters), so a longer text is none a user typed.
inline constexpr qsizetype kLongestFieldText = 4096;

// The part of a company, project or date text that does not fit its place on the certificate:
// of the first line that runs past the end of its rule, the characters beyond it, measured as
// the page draws them (the same on every device). Empty when every line fits.
QString CertificateFieldOverflow(const QString& text);
