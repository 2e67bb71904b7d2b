#include "data/shared_folder.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include "platform/settings_store.h"
#include "platform/system_calls.h"

namespace {

const QString kDataSection = QStringLiteral("GreenGuideData");
const QString kDataKey = QStringLiteral("Data");
// A settings file is a few lines; more is not read.
constexpr qint64 kLongestConfig = 64 * 1024;

QString AsFolder(const QString& path) {
    if (path.isEmpty() || !QDir::isAbsolutePath(path)) {
        return {};
    }
    QString folder = QDir::cleanPath(path);
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

}  // namespace

QString SiteConfigFile() {
#ifdef Q_OS_WIN
    return qEnvironmentVariable("ProgramData", QStringLiteral("C:/ProgramData")) +
           QStringLiteral("/greenguide/greenguide.conf");
#else
    return QStringLiteral("/etc/greenguide/greenguide.conf");
#endif
}

QString SiteSharedFolder(const QString& siteConfigFile) {
    // Opened without waiting, and only when it is a regular file: a pipe put in its place would
    // otherwise hold up every start.
    const OpenedFile opened =
        siteConfigFile.isEmpty() ? OpenedFile{} : OpenRegularFileToRead(siteConfigFile);
    QFile file;
    if (opened.handle < 0 ||
        !file.open(opened.handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        return {};
    }
    QString folder;
    const QStringList lines = QString::fromUtf8(file.read(kLongestConfig)).split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';'))) {
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && line.left(equals).trimmed().compare(kDataKey, Qt::CaseInsensitive) == 0) {
            folder = AsFolder(line.mid(equals + 1).trimmed());
        }
    }
    return folder;
}

QString UserSharedFolder() {
    return AsFolder(QSettings(kSettingsOrganisation, kDataSection).value(kDataKey).toString());
}

void SetUserSharedFolder(const QString& folder) {
    QSettings settings(kSettingsOrganisation, kDataSection);
    if (folder.isEmpty()) {
        settings.remove(kDataKey);
    } else {
        settings.setValue(kDataKey, QDir::cleanPath(folder));
    }
}

QString SharedDataFolder(const QString& siteConfigFile) {
    const QString own = UserSharedFolder();
    return own.isEmpty() ? SiteSharedFolder(siteConfigFile) : own;
}
