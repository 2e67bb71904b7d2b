// The runners of the command line's commands, one file each (rate_command.cpp and so on; the
// options and publish commands have headers of their own): each reads its parsed options,
// writes on io and returns the exit code.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>

#include <optional>

#include "cli/command_line.h"

struct ProductTables;
struct RatedWindow;

int RunRate(const QCommandLineParser& parser, CommandIo& io);
int RunCertificate(const QCommandLineParser& parser, CommandIo& io);
int RunBatchCommand(const QCommandLineParser& parser, CommandIo& io);
int RunList(const QCommandLineParser& parser, CommandIo& io);
int RunCheck(const QCommandLineParser& parser, CommandIo& io);

// The options that name one window, shared by rate and certificate ("system" alone for options).
QCommandLineOption SystemOption();
QList<QCommandLineOption> WindowOptions();
// The window those options ask for, rated against the tables (read into *tables); nullopt after
// telling why on err. A window that no ratings column applies to is rated, and err says why.
std::optional<RatedWindow> RatedFromOptions(const QCommandLineParser& parser, CommandIo& io,
                                            ProductTables* tables);
