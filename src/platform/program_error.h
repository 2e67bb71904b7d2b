// The program's error: raised with the exact text that the user is shown in a message box
// ("Cannot open file ...", "Cannot create file ...", "Cannot make a visible window modal").
#pragma once

#include <QString>

#include <stdexcept>

class ProgramError : public std::runtime_error {
public:
    explicit ProgramError(const QString& text)
        : std::runtime_error(text.toStdString()), text_(text) {}
    QString text() const { return text_; }

private:
    QString text_;
};
