// How the stand-in controls meet assistive technology (a screen reader through Qt's
// accessibility bridge): the drawing grid as a table of the texts its owner draws, an owner-drawn
// selector by its name with the entry as shown for its value, and a named image as a picture
// whose description says what it shows.
#pragma once

class DrawGrid;

// Makes Qt build these controls' interfaces; the controls call it when they are made, and it
// installs them once per process.
void InstallAccessibleWidgets();

// Tells assistive technology which of the grid's cells now read otherwise than when it last
// told it (or than when it first asked about the grid). Nothing while none has asked, or while
// it is not active.
void AnnounceGridCells(DrawGrid* grid);

// While the grid has the focus: tells assistive technology that the selected row's last cell has
// it, so that moving between rows reads each row. Nothing while none has asked about the grid.
void AnnounceGridFocus(DrawGrid* grid);
