// Where the program shows an error: a message box with the error's text.
#pragma once

#include <QString>

#include <functional>

class QWidget;

// Shows the text in a critical message box over the parent.
void ShowProgramError(QWidget* parent, const QString& text);

// Runs the handler; a ProgramError (or any other exception) it raises is shown in a message
// box and the program goes on with the state that the handler left.
void RunGuarded(QWidget* parent, const std::function<void()>& handler);
