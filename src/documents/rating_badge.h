// The rating badge of the certificate: a row of seven coloured bars lettered "A+" to "F", and a
// black pointer with the letter in large white type over the bar that matches the summary
// rating. Drawn on any canvas (preview image or printer page) at any scale.
#pragma once

#include <QString>

class Canvas;

// Draws the badge with its origin at (X0, Y0) badge units; a badge point (x, y) lands on the
// pixel (trunc(x * d), trunc(y * d)), so the origin is scaled together with the shape. The
// pointer is drawn only when ratingText equals one bar's letter exactly ("A" never marks "A+";
// "G", "npd" and lower case mark nothing).
//
// Leaves the canvas as the certificate page relies on: pen black, brush hollow (so that the
// frame drawn over the badge afterwards does not paint it out), font bold with the height and
// colour last set here; only the font's face name is put back.
void DrawRatingBadge(Canvas& canvas, const QString& ratingText, int X0, int Y0, double d);
