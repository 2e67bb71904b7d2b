#include "app/schedule_settings.h"

QSettings ScheduleSettings() {
    return QSettings(QStringLiteral("VB and VBA Program Settings"),
                     QStringLiteral("GreenGuideSchedule"));
}
