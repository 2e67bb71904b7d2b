// The command line's "options": every combination of a system's profile codes with its profile
// weight, ratings column and summary rating, best summary rating first, then lightest.
#pragma once

#include <QCommandLineParser>
#include <QJsonArray>
#include <QString>

#include <vector>

#include "cli/command_line.h"
#include "rating/rated_window.h"

// One object a combination: outerFrame, ventFrame, transomMullion, profileWeight (exact),
// column and summaryRating (null when no ratings column applies).
QJsonArray OptionsJson(const std::vector<RatedWindow>& options);

// A table with a heading line and one line a combination, the weight to the thousandth.
QString OptionsText(const std::vector<RatedWindow>& options);

// Runs "options --system NAME [--domestic] [--json]".
int RunOptions(const QCommandLineParser& parser, CommandIo& io);
