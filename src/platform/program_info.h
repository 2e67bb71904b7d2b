// The program's name and version as it reports them: the window's title, the command line's
// --version and the creator of the PDFs it writes.
#pragma once

#include <QString>

inline const QString kProgramName = QStringLiteral("BRE Green Guide");

// The version the program was built as ("1.0").
QString ProgramVersion();

// "BRE Green Guide 1.0": the creator that the program's PDFs name.
QString ProgramNameAndVersion();
