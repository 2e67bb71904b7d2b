// The program's font faces and what stands in for them where they are not installed.
#pragma once

// Maps the faces that the windows and documents name ("Arial", "Arial Black", "MS Sans Serif")
// to installed faces of matching metrics. Called once, after the application object exists and
// before any window or page is drawn.
void InstallFontSubstitutes();
