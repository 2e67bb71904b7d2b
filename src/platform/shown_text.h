// Texts from files and arguments as the program shows them in its own messages and names: a
// character that would act rather than show (a terminal's escape sequence, a reordering mark)
// never reaches a terminal or a file name as itself.
#pragma once

#include <QString>

// Characters that reorder the text around them when shown: a name holding one can read as
// another ("W01<RLO>fdp.exe" shows as "W01exe.pdf").
bool IsBidiControl(char16_t c);

// The text with every control character (C0 but the tab, DEL, C1), line or paragraph
// separator and reordering mark written as an escape: "\x1b", "\n", "\u202e". A terminal then
// shows a schedule's ESC sequence as text instead of running it.
QString EscapedControls(const QString& text);
