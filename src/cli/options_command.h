// The command line's "options": the choices of a system's profiles, or of every system's, with
// their profile weight, ratings column and summary rating, as the window's Better Choices lists
// them (WindowChoicesOf).
#pragma once

#include <QCommandLineParser>
#include <QJsonArray>
#include <QString>

#include <optional>

#include "cli/command_line.h"
#include "rating/window_choices.h"

// One object a line: system, outerFrame, ventFrame, transomMullion (null for a profile that does
// not count), profileWeight (exact), column and summaryRating (null when no ratings column
// applies).
QJsonArray OptionsJson(const WindowChoices& choices);

// A table with a heading line and one line a choice, the weight to the thousandth, "any" for a
// profile that does not count.
QString OptionsText(const WindowChoices& choices);

// What "options --system NAME | --all-systems [--domestic] [--better-than RATING]" asks for;
// nullopt with the reason when the arguments make no sense.
std::optional<ChoicesQuery> OptionsQueryOf(const QCommandLineParser& parser, QString* problem);

// Runs the query: the list on the output (as JSON with json), and on stderr whether it was cut.
int RunOptions(const ChoicesQuery& query, bool json, CommandIo& io);
