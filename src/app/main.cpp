// Program entry. With arguments the program is its command line; without, the application
// object, the main window and the About box, then the loop.
#include <QApplication>

#include <optional>

#include "about/form_abt.h"
#include "app/desktop_guard.h"
#include "app/error_box.h"
#include "app/twer.h"
#include "cli/command_line.h"
#include "platform/fonts.h"
#include "platform/program_error.h"
#include "platform/system_calls.h"

int main(int argc, char* argv[]) {
    // Past a file-size limit a write must fail and be reported, not end the program with the
    // unsaved edits of the other table.
    IgnoreFileSizeLimitSignal();
    if (argc > 1) {
        return RunCommandLine(argc, argv);
    }
    std::optional<DesktopGuard> noDesktop(std::in_place);
    QApplication app(argc, argv);
    noDesktop.reset();
    QApplication::setApplicationDisplayName(QStringLiteral("BRE Green Guide"));
    InstallFontSubstitutes();
    try {
        TWER window(TwerEnvironment::Default());
        TFormAbt formAbt;
        window.SetAboutBox(&formAbt);
        window.show();
        return QApplication::exec();
    } catch (const ProgramError& error) {
        // An error while the windows are made ends the program before its window shows.
        ShowProgramError(nullptr, error.text());
        return 1;
    }
}
