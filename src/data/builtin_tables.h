// The built-in content of the four data tables: what the editors hold at start, before the data
// files (if any) replace the weights table and the system catalogue.
//
// Each function returns the table's whole text: lines separated by "\n", every line, the last
// included, followed by "\n", so LinesOfText gives back exactly the table's lines.
#pragma once

#include <QString>

// The profile weights: the heading "Profile,Area", then one "code,weight" line per profile
// (weights in kg per metre, "." as decimal point), with a few empty lines between groups.
QString BuiltInWeightsTable();

// The window systems: five-line blocks (header, outer-frame codes, vent-frame codes,
// transom/mullion codes, further codes) followed by one empty line.
QString BuiltInSystemCatalogue();

// The BRE Green Guide ratings of the eight generic specifications the program can assign.
QString BuiltInBreRatingsTable();

// The short product list whose text decides whether the variant systems are offered.
QString BuiltInProductList();
