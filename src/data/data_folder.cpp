#include "data/data_folder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "data/data_files.h"

QString UserDataFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

QString DataFilePath(const QString& programFolder, const QString& fileName, DataFileUse use) {
    const QString beside = programFolder + fileName;
    if (QFileInfo(programFolder).isWritable()) {
        return beside;
    }
    const QString own = UserDataFolder() + fileName;
    if (use == DataFileUse::Save) {
        // A folder that cannot be made shows as the save's own failure to create the file.
        QDir().mkpath(UserDataFolder());
        return own;
    }
    if (DataFileExists(own)) {
        return own;
    }
    return beside;
}

QString OlderOwnCopyNote(const QString& readPath, const QString& besidePath) {
    if (readPath == besidePath || !DataFileExists(besidePath)) {
        return {};
    }
    if (QFileInfo(besidePath).lastModified() <= QFileInfo(readPath).lastModified()) {
        return {};
    }
    return QStringLiteral("Your copy %1 is older than %2 beside the program; yours is used.")
        .arg(QDir::toNativeSeparators(readPath), QDir::toNativeSeparators(besidePath));
}
