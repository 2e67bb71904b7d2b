#include "platform/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include "platform/shown_text.h"
#include "platform/system_calls.h"

namespace {

WholeFileResult Failed(const QString& reason) {
    return {false, reason};
}

// Qt names the temporary file of a file it replaces "<name>.XXXXXX"; when that name is too long
// for the folder, no name is left to try and Qt's reason is "Unknown error".
const char* const kNoTemporaryName =
    "The name is too long for the temporary file that is written beside it first; a shorter "
    "name will do";

bool TemporaryNameFits(const QString& path) {
    const QFileInfo info(path);
    return QFile::encodeName(info.fileName()).size() + 7 <= LongestFileName(info.absolutePath());
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

WholeFileWriter::WholeFileWriter(const QString& path, WriteTarget target)
    : path_(path), target_(target) {}

// A QSaveFile closed without commit removes its temporary file.
WholeFileWriter::~WholeFileWriter() = default;

QString WholeFileWriter::Begin() {
    if (target_ == WriteTarget::NamedByProgram) {
        const QString refusal = ProgramNamedFileRefusal(path_);
        if (!refusal.isEmpty()) {
            return failure_ = refusal;
        }
    }
    if (target_ == WriteTarget::DocumentByUser) {
        // What a link of the user's leads to; a pipe put there later is replaced by the rename
        // below, never opened.
        const PathState state = StateOfPath(path_, true);
        if (state.kind == PathKind::Other) {
            return failure_ = state.error != 0 ? qt_error_string(state.error)
                                               : QStringLiteral("It is not a regular file");
        }
    }
    const QFileInfo existing(path_);
    // QSaveFile would say "Filename refers to a directory"; the system's own words read better
    // beside the other reasons.
    if (existing.isDir()) {
        return failure_ = qt_error_string(EISDIR);
    }
    // A device or a pipe is written straight through: there is no old content to keep, and a
    // temporary file renamed over it would replace the device itself.
    device_ = existing.exists() && !existing.isFile();
    if (device_) {
        file_ = std::make_unique<QFile>(path_);
    } else {
        auto file = std::make_unique<QSaveFile>(path_);
        file->setDirectWriteFallback(false);
        file_ = std::move(file);
    }
    // Unbuffered, so that no write error stays hidden in a buffer until the commit.
    if (!file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        failure_ = file_->errorString();
        file_.reset();
    }
    return failure_;
}

QString WholeFileWriter::Write(const QByteArray& bytes) {
    if (failure_.isEmpty() && !file_) {
        failure_ = QStringLiteral("The file was not opened.");
    }
    if (failure_.isEmpty()) {
        failure_ = WriteAll(*file_, bytes);
    }
    return failure_;
}

WholeFileResult WholeFileWriter::Finish() {
    const auto fail = [this](const QString& reason) {
        failure_ = reason;
        file_.reset();  // the temporary file goes
        return Failed(reason);
    };
    if (!failure_.isEmpty() || !file_) {
        return fail(failure_.isEmpty() ? QStringLiteral("The file was not opened.") : failure_);
    }
    if (device_) {
        file_.reset();
        return {true, {}};
    }
    auto& file = static_cast<QSaveFile&>(*file_);
    // QSaveFile::commit() ignores a failing sync, so the file is synced here first.
    if (!SyncFileToDisk(file.handle())) {
        return fail(qt_error_string(errno));
    }
    // QSaveFile follows a link that stands at the name when it opens; one planted since the
    // first look would have been followed, so the name is looked at again. A link planted after
    // this is replaced itself by the rename, its target untouched.
    if (target_ == WriteTarget::NamedByProgram) {
        const QString refusal = ProgramNamedFileRefusal(path_);
        if (!refusal.isEmpty()) {
            return fail(refusal);
        }
    }
    if (!file.commit()) {
        return fail(TemporaryNameFits(path_) ? file.errorString()
                                             : QString::fromLatin1(kNoTemporaryName));
    }
    file_.reset();
    return {true, {}};
}

WholeFileResult WriteWholeFile(const QString& path, const QByteArray& bytes, WriteTarget target) {
    WholeFileWriter writer(path, target);
    writer.Begin();
    writer.Write(bytes);
    return writer.Finish();
}

QString CannotCreateFileText(const QString& path, const QString& reason) {
    QString text = QStringLiteral("Cannot create file ") + path;
    if (!reason.isEmpty()) {
        text += QLatin1Char('\n') + reason;
    }
    return text;
}

namespace {

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
