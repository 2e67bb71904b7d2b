#include "platform/program_info.h"

QString ProgramVersion() {
    return QStringLiteral(PROGRAM_VERSION);
}

QString ProgramNameAndVersion() {
    return kProgramName + QLatin1Char(' ') + ProgramVersion();
}
