// A window's command keys before its text fields. A text field claims some keys that are also
// command keys (Ctrl+E is "end of line" in a line edit, Ctrl+D "delete"), and the command then
// never runs while the field has the focus. Given precedence, every key of a command of the window
// runs the command whichever control has the focus, except the keys that edit text (copy, cut,
// paste, undo, redo, select all, deleting a word or a line), which stay the field's.
#pragma once

class QWidget;

void GiveCommandKeysPrecedence(QWidget* window);
