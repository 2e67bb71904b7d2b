// The schedule window's section of the settings store, "GreenGuideSchedule", beside the main
// window's "TarvexWER", which the schedule window never reads or writes: the window's frame and
// last folder, and the export's choice, file and folder.
#pragma once

#include <QSettings>

QSettings ScheduleSettings();
