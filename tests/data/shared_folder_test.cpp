#include <QSettings>
#include <QTemporaryDir>

#include <sys/stat.h>

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
    // A pipe in the settings file's place is not waited on (an ordinary open blocks for ever).
    const QString pipe = dir.filePath("pipe.conf");
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(SiteSharedFolder(pipe), "");

    WriteBytes(conf, "Data=/srv/site\n");
    EXPECT_EQ(SharedDataFolder(conf), "/srv/site/");
    SetUserSharedFolder(QStringLiteral("/home/anna/tables"));
    EXPECT_EQ(UserSharedFolder(), "/home/anna/tables/");
    EXPECT_EQ(SharedDataFolder(conf), "/home/anna/tables/");
    SetUserSharedFolder(QString());
    EXPECT_EQ(SharedDataFolder(conf), "/srv/site/");
}
