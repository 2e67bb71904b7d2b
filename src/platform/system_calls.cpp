#include "platform/system_calls.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>

#include <cerrno>

#include <csignal>
#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool SyncFileToDisk(int fileHandle) {
#ifdef Q_OS_WIN
    return _commit(fileHandle) == 0;
#else
    return ::fsync(fileHandle) == 0;
#endif
}

void IgnoreFileSizeLimitSignal() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

QString UserAccountName() {
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty()) {
            return name;
        }
    }
#ifndef Q_OS_WIN
    if (const passwd* account = ::getpwuid(::geteuid())) {
        return QString::fromLocal8Bit(account->pw_name);
    }
#endif
    return {};
}

bool StandardErrorIsTerminal() {
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return ::isatty(STDERR_FILENO) == 1;
#endif
}

PathState StateOfPath(const QString& path, bool followLinks) {
#ifdef Q_OS_WIN
    // No pipes or devices stand in a folder there; links are Qt's to see.
    const QFileInfo info(path);
    if (!followLinks && info.isSymLink()) {
        return {PathKind::SymbolicLink, 0};
    }
    if (!info.exists()) {
        return {};
    }
    return {info.isDir()    ? PathKind::Folder
            : info.isFile() ? PathKind::RegularFile
                            : PathKind::Other,
            0};
#else
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    const int result =
        followLinks ? ::stat(name.constData(), &status) : ::lstat(name.constData(), &status);
    if (result != 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            return {};
        }
        return {PathKind::Other, error};
    }
    if (S_ISLNK(status.st_mode)) {
        return {PathKind::SymbolicLink, 0};
    }
    if (S_ISDIR(status.st_mode)) {
        return {PathKind::Folder, 0};
    }
    return {S_ISREG(status.st_mode) ? PathKind::RegularFile : PathKind::Other, 0};
#endif
}

int FolderAccessError(const QString& path) {
#ifdef Q_OS_WIN
    return QFileInfo(path).isReadable() ? 0 : EACCES;
#else
    return ::access(QFile::encodeName(path).constData(), R_OK | X_OK) == 0 ? 0 : errno;
#endif
}

namespace {

// Opens path as OpenRegularFile tells, toAppend or to read.
OpenedFile OpenRegular(const QString& path, bool toAppend) {
    OpenedFile opened;
#ifdef Q_OS_WIN
    const int handle = ::_wopen(reinterpret_cast<const wchar_t*>(path.utf16()),
                                (toAppend ? _O_WRONLY | _O_APPEND : _O_RDONLY) | _O_BINARY);
    struct _stat64 status {};
    const auto stat = [&status](int h) { return ::_fstat64(h, &status); };
    const auto regular = [&status] { return (status.st_mode & _S_IFREG) != 0; };
    const auto folder = [&status] { return (status.st_mode & _S_IFDIR) != 0; };
    const auto close = [](int h) { ::_close(h); };
#else
    const int handle =
        ::open(QFile::encodeName(path).constData(),
               (toAppend ? O_WRONLY | O_APPEND | O_NOFOLLOW : O_RDONLY) | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    const auto stat = [&status](int h) { return ::fstat(h, &status); };
    const auto regular = [&status] { return S_ISREG(status.st_mode); };
    const auto folder = [&status] { return S_ISDIR(status.st_mode); };
    const auto close = [](int h) { ::close(h); };
#endif
    if (handle < 0) {
        opened.error = errno;
        return opened;
    }
    if (stat(handle) != 0) {
        opened.error = errno;
        close(handle);
        return opened;
    }
    if (!regular()) {
        opened.notRegular = true;
        opened.error = folder() ? EISDIR : 0;
        close(handle);
        return opened;
    }
    opened.handle = handle;
    return opened;
}

}  // namespace

OpenedFile OpenRegularFileToRead(const QString& path) {
    return OpenRegular(path, false);
}

OpenedFile OpenRegularFileToAppend(const QString& path) {
    return OpenRegular(path, true);
}

int LongestFileName(const QString& folder) {
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    return 255;
#else
    const long longest = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return longest > 0 ? int(longest) : 255;
#endif
}
