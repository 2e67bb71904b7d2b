// What the benchmarks of the window share: a main window over a folder of their own, and a long
// weights table to load.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "app/twer.h"

// The window's surroundings with dir as the program folder and an empty picture store.
TwerEnvironment EnvironmentIn(const QTemporaryDir& dir);

// A weights table of the given number of lines; the built-in systems' codes stay at the end,
// so every lookup runs through the whole table.
QByteArray LargeWeightsFile(int lines);

// Writes the bytes to path; a benchmark cannot go on without them, so a failure aborts.
void WriteFile(const QString& path, const QByteArray& bytes);
