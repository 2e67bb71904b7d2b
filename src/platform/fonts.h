// The program's font faces and what stands in for them where they are not installed.
#pragma once

#include <QString>

// Maps the faces that the windows and documents name ("Arial", "Arial Black", "MS Sans Serif")
// to installed faces of matching metrics. Called once, after the application object exists and
// before any window or page is drawn.
void InstallFontSubstitutes();

// The cell height per pixel of em size of a face as it was designed, where the face that
// stands in for it has other proportions (0 when the installed face's own metrics apply).
// Sizing the stand-in by the designed face's em keeps its letters within the room that the
// layout gives them.
double DesignCellHeightRatio(const QString& face);
