// The specification and declaration sheet beside the calculator: product name, generic element
// reference, the chosen system and profiles, the summary rating as a row of coloured rating
// boxes with a marker over the rating achieved, the declaration paragraph and the rating body's
// footer. A screen view only, drawn into a 417 x 580 image at every recalculation: its fixed
// art (frame, header, panel, fixed texts, rating boxes) as drawn at build time, the data's texts
// and the marker over it.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include "platform/built_pictures.h"

class Canvas;

// The texts that the sheet shows, gathered from the selection and the BRE ratings table.
struct SpecificationSheetData {
    QString systemName;
    QString outerFrame;
    QString ventFrame;
    QString transomMullion;
    QString buildingType;  // "Commercial" or "Domestic"
    QString summaryRating;
    QString weightBand;
    QString elementNumber;
};

// Collects the sheet's texts. The summary rating, weight band and element number are field
// ratingsColumn of rows 18, 1 and 2 of the BRE ratings table. When no ratings column applies
// (ratingsColumn below 1) the sheet shows what the certificate shows in that case, "XXXXXXXX",
// "??" and "npd", rather than the table's row labels; no rating box is then marked.
SpecificationSheetData SpecificationSheetDataOf(const QStringList& breRatingLines,
                                                int ratingsColumn, const QString& systemName,
                                                const QString& outerFrame, const QString& ventFrame,
                                                const QString& transomMullion, bool commercial);

// The five lines of the declaration paragraph, heading first, as the sheet prints them.
QStringList DeclarationLines(const SpecificationSheetData& data);

// What the sheet says, in reading order, one line per part: product name, element reference,
// specification, summary rating and the declaration as one sentence; for a screen reader.
QString SpecificationSheetText(const SpecificationSheetData& data);

// Draws the whole sheet inside its outer frame (10, 2)-(410, 575); pixels outside the frame are
// left as they are. Leaves the canvas as the last drawn letter set it. It is the art, then the
// data's texts and the marker over it, which the two routines below draw on their own.
void DrawSpecificationSheet(Canvas& canvas, const SpecificationSheetData& data);
void DrawSpecificationSheetArt(Canvas& canvas);
void DrawSpecificationSheetTexts(Canvas& canvas, const SpecificationSheetData& data);

// The art on a white image of 417 x 580 logical pixels, as the build draws it.
const FixedPicture& SpecificationSheetArtPicture();

// The whole sheet on white, 417 x 580 logical pixels at the device pixel ratio: the art as the
// build drew it (drawn now at a ratio the program holds no copy at), the texts drawn on it.
QImage SpecificationSheetImage(const SpecificationSheetData& data, qreal ratio);
