// What the benchmarks of the window share: a main window over a folder of their own, a long
// weights table to load, keystrokes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include "app/twer.h"

// The window's surroundings with dir as the program folder and an empty picture store.
TwerEnvironment EnvironmentIn(const QTemporaryDir& dir);

// A weights table of the given number of lines; the built-in systems' codes stay at the end,
// so every lookup runs through the whole table.
QByteArray LargeWeightsFile(int lines);

// One keystroke as the keyboard delivers it, its events handled; letters and Backspace take
// turns so that the text keeps its length. Not inlined, so that callgrind can count it alone:
//   valgrind --tool=callgrind --toggle-collect='*Keystroke*' bench/responsiveness_bench ...
[[gnu::noinline]] void Keystroke(QWidget* target, bool letter);

// Writes the bytes to path; a benchmark cannot go on without them, so a failure aborts.
void WriteFile(const QString& path, const QByteArray& bytes);
