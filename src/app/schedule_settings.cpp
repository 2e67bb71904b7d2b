#include "app/schedule_settings.h"

#include "app/settings_store.h"

QSettings ScheduleSettings() {
    return QSettings(kSettingsOrganisation, QStringLiteral("GreenGuideSchedule"));
}
