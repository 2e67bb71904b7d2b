// Why a window has no ratings column, as the main window's status line, the schedule and the
// command line all say it.
#pragma once

#include <QString>

#include <array>

#include "rating/rating.h"

// What is wrong with each of a window's three weights as the weights lookup found them
// (WeightProblemOfLine, data/data_check.h): outer frame, vent frame and transom/mullion, each
// empty where nothing is.
std::array<QString, 3> WeightProblemsOf(const FoundWeightLines& found, const QString& outerFrame,
                                        const QString& ventFrame, const QString& transomMullion);

// Why no ratings column applies: "<profile>: <problem>" for the first weight that counts (the
// outer frame alone for Commercial buildings) and has a problem, as "outer frame: PRF9 has no
// line in GGWeights.Dat"; else "the profile weight is <weight as shown>".
QString NoColumnReason(const std::array<QString, 3>& problems, bool commercial, double weight);
