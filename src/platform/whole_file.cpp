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

}  // namespace

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

namespace {

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

QString ProgramNamedFileRefusal(const QString& path) {
    const PathState state = StateOfPath(path, false);
    switch (state.kind) {
        case PathKind::Nothing:
        case PathKind::RegularFile:
            return {};
        case PathKind::Folder:
            return qt_error_string(EISDIR);
        case PathKind::SymbolicLink:
            return QStringLiteral("It is a symbolic link, not a regular file");
        case PathKind::Other:
            break;
    }
    return state.error != 0 ? qt_error_string(state.error)
                            : QStringLiteral("It is not a regular file");
}

WholeFileResult WriteWholeFile(const QString& path, const QByteArray& bytes, WriteTarget target) {
    const bool programNamed = target == WriteTarget::NamedByProgram;
    if (programNamed) {
        const QString refusal = ProgramNamedFileRefusal(path);
        if (!refusal.isEmpty()) {
            return Failed(refusal);
        }
    }
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
    // QSaveFile follows a link that stands at the name when it opens; one planted since the
    // first look would have been followed, so the name is looked at again. A link planted after
    // this is replaced itself by the rename, its target untouched.
    if (programNamed) {
        const QString refusal = ProgramNamedFileRefusal(path);
        if (!refusal.isEmpty()) {
            file.cancelWriting();
            return Failed(refusal);
        }
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

namespace {

// Characters that reorder the text around them when shown: a name holding one can read as
// another ("W01<RLO>fdp.exe" shows as "W01exe.pdf").
bool IsBidiControl(char16_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
           c == 0x200F || c == 0x061C;
}

// Whether Windows takes the name for a device: CON, PRN, AUX, NUL, COM0-9 and LPT0-9 (also with
// a superscript digit), in any letter case, with or without an extension.
bool IsReservedDeviceName(const QString& name) {
    const QString stem = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
        if (stem == QLatin1String(device)) {
            return true;
        }
    }
    static const QString digits = QStringLiteral("0123456789¹²³");
    return stem.size() == 4 &&
           (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT"))) &&
           digits.contains(stem[3]);
}

}  // namespace

QString SafeFileName(const QString& text) {
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    QString name;
    name.reserve(text.size());
    for (const QChar c : text) {
        if (unsafe.contains(c) || IsBidiControl(c.unicode())) {
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
    name = name.mid(begin, end - begin);
    return IsReservedDeviceName(name) ? QLatin1Char('_') + name : name;
}
