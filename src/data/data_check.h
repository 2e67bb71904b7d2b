// The data check: faults in the weights table and the system catalogue that the program would
// otherwise pass over in silence (a code the catalogue offers but no weight line gives, a weight
// that is not a number, a code with two different weights, a catalogue block that is cut short
// or listed twice, a file whose text a zero byte cut short). It reports and never changes
// anything. Its texts say, in plain words, what the program makes of each fault.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "data/data_files.h"

struct DataFinding {
    QString fileName;  // "GGWeights.Dat" or "GGSystem.Dat"
    int line = 0;      // counted from 1, as an editor shows it
    QString text;
};

// Where a zero byte cut each table's file as it was read (ReadTableFile); nothing by default.
struct TableCuts {
    TextCut weights;
    TextCut catalogue;
};

// Every finding of both tables, the weights table's first, each table's in line order.
std::vector<DataFinding> CheckDataTables(const QStringList& weightsLines,
                                         const QStringList& catalogueLines,
                                         const TableCuts& cuts = {});

// One finding as "GGWeights.Dat:LINE: text".
QString FindingLine(const DataFinding& finding);

// Why a profile code has no usable weight in the weights table (none chosen, no line, or a last
// line whose weight is not a number, or is 0 or less); empty when its weight is above 0. Given
// the code's last line as the weights lookup (FindWeightLines) finds it: its number (from 0; -1
// when the code has no line) and its weight text (field 1).
QString WeightProblemOfLine(const QString& code, int lastLine, const QString& weightText);
