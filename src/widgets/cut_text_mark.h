// A company, project or date field whose text the certificate cannot hold whole: framed in the
// "E" rating colour with the warning (CutTextWarning) as its tooltip, in the report view and in
// the schedule window alike.
#pragma once

#include <QString>

class QWidget;

// Marks field (a QPlainTextEdit or QLineEdit) for its text, or clears the mark when it fits.
void MarkCutText(QWidget* field, const QString& text);
