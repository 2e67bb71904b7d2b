// The command line's "publish DIR": the tables the window would read (or those of --data) are
// checked and, when the check finds nothing, written whole into DIR with GGTables.txt beside
// them, for every colleague whose program reads that folder.
#pragma once

#include <QCommandLineParser>

#include "cli/command_line.h"

int RunPublish(const QCommandLineParser& parser, CommandIo& io);
