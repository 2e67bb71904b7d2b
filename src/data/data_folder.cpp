#include "data/data_folder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "data/data_files.h"

namespace {

QString WithSeparator(QString folder) {
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

// The system's own folders, as the file system names them (links followed).
QStringList SystemFolders() {
#ifdef Q_OS_WIN
    QStringList folders;
    for (const char* name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "SystemRoot"}) {
        const QString folder = qEnvironmentVariable(name);
        if (!folder.isEmpty()) {
            folders << QDir::fromNativeSeparators(folder);
        }
    }
    return folders;
#else
    return {QStringLiteral("/usr"),   QStringLiteral("/opt"), QStringLiteral("/bin"),
            QStringLiteral("/sbin"),  QStringLiteral("/lib"), QStringLiteral("/lib32"),
            QStringLiteral("/lib64"), QStringLiteral("/etc"), QStringLiteral("/boot"),
            QStringLiteral("/snap")};
#endif
}

bool Within(const QString& path, const QString& folder) {
    const Qt::CaseSensitivity cs =
#ifdef Q_OS_WIN
        Qt::CaseInsensitive;
#else
        Qt::CaseSensitive;
#endif
    return path.compare(folder, cs) == 0 || path.startsWith(WithSeparator(folder), cs);
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

QString UserDataFolder() {
    return WithSeparator(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

bool IsSystemFolder(const QString& folder) {
    // "/bin" is a link to "/usr/bin" on Debian: both the path and the one it leads to count.
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    const QString canonical = QFileInfo(clean).canonicalFilePath();
    for (const QString& system : SystemFolders()) {
        if (Within(clean, system) || (!canonical.isEmpty() && Within(canonical, system))) {
            return true;
        }
    }
    return false;
}

QString WhyNotBesideTheProgram(const QString& programFolder) {
    const QString folder = Native(QDir::cleanPath(programFolder));
    if (IsSystemFolder(programFolder)) {
        return QStringLiteral("the program's folder %1 is a system folder").arg(folder);
    }
    if (!QFileInfo(programFolder).isWritable()) {
        return QStringLiteral("the program's folder %1 cannot be written").arg(folder);
    }
    return {};
}

DataFolders DataFoldersOf(const QString& programFolder, const QString& sharedFolder) {
    DataFolders folders;
    folders.program = WithSeparator(programFolder);
    folders.own =
        WhyNotBesideTheProgram(programFolder).isEmpty() ? folders.program : UserDataFolder();
    folders.shared = WithSeparator(sharedFolder);
    return folders;
}

std::vector<DataFileChoice> DataFileCandidates(const DataFolders& folders,
                                               const QString& fileName) {
    std::vector<DataFileChoice> candidates;
    QStringList seen;
    const auto add = [&](const QString& folder, DataOrigin origin) {
        const QString key = QDir::cleanPath(folder);
        if (folder.isEmpty() || seen.contains(key)) {
            return;
        }
        seen << key;
        candidates.push_back({folder + fileName, origin});
    };
    const bool besideProgram = folders.own == folders.program;
    add(folders.own, besideProgram ? DataOrigin::Program : DataOrigin::OwnCopy);
    add(folders.shared, DataOrigin::Shared);
    add(folders.program, DataOrigin::Program);
    return candidates;
}

DataFileChoice DataFileToLoad(const DataFolders& folders, const QString& fileName) {
    for (const DataFileChoice& candidate : DataFileCandidates(folders, fileName)) {
        if (DataFileExists(candidate.path)) {
            return candidate;
        }
    }
    return {};
}

QString DataFileToSave(const DataFolders& folders, const QString& fileName) {
    // A folder that cannot be made shows as the save's own failure to create the file.
    QDir().mkpath(folders.own);
    return folders.own + fileName;
}

QString OriginText(const DataFileChoice& choice) {
    const QString folder = Native(QFileInfo(choice.path).absolutePath());
    switch (choice.origin) {
        case DataOrigin::OwnCopy:
            return QStringLiteral("your copy in %1").arg(folder);
        case DataOrigin::Shared:
            return QStringLiteral("the shared folder %1").arg(folder);
        case DataOrigin::Program:
            return QStringLiteral("beside the program in %1").arg(folder);
        case DataOrigin::BuiltIn:
            break;
    }
    return QStringLiteral("built in");
}

QString OlderOwnCopyNote(const DataFolders& folders, const QString& fileName,
                         const DataFileChoice& read) {
    const std::vector<DataFileChoice> candidates = DataFileCandidates(folders, fileName);
    if (read.origin == DataOrigin::BuiltIn || candidates.empty() ||
        candidates.front().path != read.path) {
        return {};
    }
    const QDateTime mine = QFileInfo(read.path).lastModified();
    for (std::size_t i = 1; i < candidates.size(); ++i) {
        const DataFileChoice& other = candidates[i];
        if (!DataFileExists(other.path) || QFileInfo(other.path).lastModified() <= mine) {
            continue;
        }
        return QStringLiteral("Your copy %1 is older than %2 %3; yours is used.")
            .arg(Native(read.path), Native(other.path),
                 other.origin == DataOrigin::Shared ? QStringLiteral("in the shared folder")
                                                    : QStringLiteral("beside the program"));
    }
    return {};
}
