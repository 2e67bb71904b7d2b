#include "platform/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include "platform/system_calls.h"

namespace {

WholeFileResult Failed(const QString& reason) {
    return {false, reason};
}

// Writes every byte straight to the system and returns the reason when it could not, or an
// empty text. A short write (disk full, size limit) sets no error on the file, so the reason is
// the system's error number of the failing write.
QString WriteAll(QFileDevice& file, const QByteArray& bytes) {
    errno = 0;
    const qint64 written = file.write(bytes);
    const int error = errno;
    if (file.error() != QFileDevice::NoError) {
        return file.errorString();
    }
    if (written != bytes.size()) {
        return error != 0 ? qt_error_string(error) : qt_error_string(EIO);
    }
    return {};
}

// A device or a pipe is written straight through: there is no old content to keep, and a
// temporary file renamed over it would replace the device itself.
WholeFileResult WriteToDevice(const QString& path, const QByteArray& bytes) {
    QFile device(path);
    if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return Failed(device.errorString());
    }
    const QString reason = WriteAll(device, bytes);
    return {reason.isEmpty(), reason};
}

}  // namespace

WholeFileResult WriteWholeFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo existing(path);
    // QSaveFile would say "Filename refers to a directory"; the system's own words read better
    // beside the other reasons.
    if (existing.isDir()) {
        return Failed(qt_error_string(EISDIR));
    }
    if (existing.exists() && !existing.isFile()) {
        return WriteToDevice(path, bytes);
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // Unbuffered, so that no write error stays hidden in a buffer until the commit; and
    // QSaveFile::commit() ignores a failing sync, so the file is synced here first.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return Failed(file.errorString());
    }
    const QString reason = WriteAll(file, bytes);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return Failed(reason);
    }
    if (!SyncFileToDisk(file.handle())) {
        const QString syncReason = qt_error_string(errno);
        file.cancelWriting();
        return Failed(syncReason);
    }
    if (!file.commit()) {
        return Failed(file.errorString());
    }
    return {true, {}};
}

QString CannotCreateFileText(const QString& path, const QString& reason) {
    QString text = QStringLiteral("Cannot create file ") + path;
    if (!reason.isEmpty()) {
        text += QLatin1Char('\n') + reason;
    }
    return text;
}

QString SafeFileName(const QString& text) {
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    QString name;
    name.reserve(text.size());
    for (const QChar c : text) {
        if (unsafe.contains(c)) {
            name += QLatin1Char('_');
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            name += QLatin1Char(' ');
        } else {
            name += c;
        }
    }
    qsizetype begin = 0;
    qsizetype end = name.size();
    const auto trimmed = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('.'); };
    while (begin < end && trimmed(name[begin])) {
        ++begin;
    }
    while (end > begin && trimmed(name[end - 1])) {
        --end;
    }
    return name.mid(begin, end - begin);
}
