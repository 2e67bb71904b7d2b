#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/shared_folder.h"
#include "test_support.h"

TEST(SharedFolder, TheSitesSettingAndTheUsersWhichWins) {
    QTemporaryDir dir;
    const QString conf = dir.filePath("greenguide.conf");
    const std::pair<const char*, const char*> files[] = {
        {"# Data=/srv/greenguide/tables\n", ""},  // as the package ships it
        {"Data=/srv/greenguide/tables\n", "/srv/greenguide/tables/"},
        {"  data = /srv/tables/  \r\n", "/srv/tables/"},
        {"[General]\nData=/srv/a\n; Data=/srv/b\nData=/srv/c\n", "/srv/c/"},
        {"Data=relative/path\n", ""},
        {"Data=\n", ""},
    };
    for (const auto& [text, folder] : files) {
        WriteBytes(conf, text);
        EXPECT_EQ(SiteSharedFolder(conf), QLatin1String(folder)) << text;
    }
    EXPECT_EQ(SiteSharedFolder(dir.filePath("none.conf")), "");

    WriteBytes(conf, "Data=/srv/site\n");
    EXPECT_EQ(SharedDataFolder(conf), "/srv/site/");
    SetUserSharedFolder(QStringLiteral("/home/anna/tables"));
    EXPECT_EQ(UserSharedFolder(), "/home/anna/tables/");
    EXPECT_EQ(SharedDataFolder(conf), "/home/anna/tables/");
    SetUserSharedFolder(QString());
    EXPECT_EQ(SharedDataFolder(conf), "/srv/site/");
}
