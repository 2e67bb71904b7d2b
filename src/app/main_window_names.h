// What a screen reader calls the main window's controls: each control by its caption (its label
// made its buddy), and those without a caption by what they are. Names only: nothing drawn or
// laid out changes.
#pragma once

class QWidget;

// Names the controls of a main window built by its layout (found by their object names).
void NameMainWindowControls(QWidget* window);
