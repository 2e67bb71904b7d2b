// The program's command line: "greenguide COMMAND [OPTIONS]" rates windows and writes their
// certificates without a window, on the same routines as the window. Started without arguments
// the program is the window; with any, it is this.
//
// Every command is one entry of a small table (name, usage, options, how many file arguments,
// what it runs), so a further command is one more entry.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

// Exit codes: done; not everything could be done (a window not rated, a file not written); the
// arguments make no sense (the usage text is shown and nothing is written).
constexpr int kExitDone = 0;
// "check" only: the data check found something (each finding is on the output).
constexpr int kExitFindings = 1;
constexpr int kExitFailed = 2;
constexpr int kExitUsage = 64;
// "batch" only: a stop signal (Ctrl+C) ended the run after the row at hand, as shells report it.
constexpr int kExitStopped = 130;

// Where a command writes, and the data folder that --data names (empty: the window's).
struct CommandIo {
    QTextStream& out;
    QTextStream& err;
    QString dataFolder;
    // Whether err is a terminal, so that a progress bar can show there.
    bool errIsTerminal = false;
};

struct Command {
    QString name;
    // Usage lines after "greenguide <name>", and a one-line summary for --help.
    QString usage;
    QString summary;
    QList<QCommandLineOption> options;
    // Options that must be given, by name.
    QStringList requiredOptions;
    // How many file arguments the command takes, and their names for the usage text.
    int fileArguments = 0;
    std::function<int(const QCommandLineParser& parser, CommandIo& io)> run;
};

// A message as the command line prints it, on one line: a message box's further lines (the
// system's reason after "Cannot create file <path>") follow after ": ", and any other control
// character of a name or a cell is shown escaped (EscapedControls), never sent to the terminal.
QString OneLine(const QString& message);

// Prints the message and the usage text on err; returns kExitUsage.
int UsageError(CommandIo& io, const QString& message);

// The commands, in the order that --help lists them.
const std::vector<Command>& Commands();

// Runs the command line of arguments (the program's name first) and returns the exit code.
int RunCommands(const QStringList& arguments, CommandIo& io);

// The program's entry for a command line: sets up an application without a display (the
// offscreen platform, unless another is asked for) and runs the commands on the standard
// streams.
int RunCommandLine(int argc, char* argv[]);
