// The shared data folder: one folder of tables that a technical person publishes to and every
// colleague's program reads. Set for the whole site in a settings file that the package ships
// commented ("Data=PATH" in /etc/greenguide/greenguide.conf), or by each user in the settings
// store (chosen in the window from the data pages, "Use tables from folder..."), which wins.
#pragma once

#include <QString>

// The site-wide settings file of this system.
QString SiteConfigFile();

// The folder that the site's settings file names ("Data=PATH"; "#" and ";" start a comment,
// the last setting counts), ending with a separator; empty when the file, or the setting, is
// not there or names no absolute path.
QString SiteSharedFolder(const QString& siteConfigFile);

// The user's own choice in the settings store (section "GreenGuideData", value "Data"), ending
// with a separator; empty for none. Set to an empty text to drop it.
QString UserSharedFolder();
void SetUserSharedFolder(const QString& folder);

// The shared folder in force: the user's own, else the site's; empty for none.
QString SharedDataFolder(const QString& siteConfigFile);
