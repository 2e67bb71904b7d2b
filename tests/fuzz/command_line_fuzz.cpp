// The command line's argument parsing: the input's lines are the arguments after the command,
// which the input's first byte picks among those that write nothing (a command that writes files
// would write them wherever the input says). Output goes to strings.
#include <QGuiApplication>

#include "cli/command_line.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "greenguide";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    if (size == 0) {
        return 0;
    }
    static const char* const kFirst[] = {"rate", "list", "check", "--help", "--version", "nope"};
    QStringList arguments = {QStringLiteral("greenguide"),
                             QLatin1String(kFirst[data[0] % std::size(kFirst)])};
    arguments += TextOf(data + 1, size - 1).split(QLatin1Char('\n'));
    // --data names a folder to read from; the harness keeps to the built-in tables.
    arguments.removeIf([](const QString& a) { return a.startsWith(QLatin1String("--data")); });
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    CommandIo io{outStream, errStream, QString(), false};
    const int code = RunCommands(arguments, io);
    if (code != kExitDone && code != kExitFindings && code != kExitFailed && code != kExitUsage) {
        __builtin_trap();
    }
    return 0;
}
