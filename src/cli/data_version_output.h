// The data version as the command line gives it: in `rate --json` and in
// `greenguide --version --verbose`.
#pragma once

#include <QJsonArray>
#include <QString>

#include <vector>

#include "data/table_version.h"

// One object per table: table (its file name), file (the path read, null when built in),
// modified (the file's last change, ISO 8601 in UTC, null when built in) and sha256.
QJsonArray DataVersionJson(const std::vector<TableVersion>& versions);

// One line per table: "GGWeights.Dat: <path>, modified <ISO date>, sha256 <hash>", or
// "GGWeights.Dat: built in, sha256 <hash>".
QString DataVersionLines(const std::vector<TableVersion>& versions);
