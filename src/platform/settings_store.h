// The settings store: "Software\VB and VBA Program Settings\<section>" for the current user on
// Windows, an INI file in the user's configuration folder elsewhere. Each window keeps a section
// of its own: the main window "TarvexWER" (read, never written), the single export
// "GreenGuideExport", the schedule window "GreenGuideSchedule", and the shared data folder
// "GreenGuideData" (read by the command line too).
#pragma once

#include <QString>

inline const QString kSettingsOrganisation = QStringLiteral("VB and VBA Program Settings");
