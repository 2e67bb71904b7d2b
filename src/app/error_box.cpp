#include "app/error_box.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

#include "platform/program_error.h"

void ShowProgramError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), text);
}

void RunGuarded(QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const ProgramError& error) {
        ShowProgramError(parent, error.text());
    } catch (const std::exception& error) {
        ShowProgramError(parent, QString::fromLocal8Bit(error.what()));
    }
}
