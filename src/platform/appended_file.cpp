#include "platform/appended_file.h"

#include <cerrno>

#include "platform/system_calls.h"
#include "platform/whole_file.h"

QString AppendedFile::Start(const QString& path, const QByteArray& first) {
    // Written whole beside the old file and renamed over it: a disk too full for the first piece
    // leaves the old file, never an empty one in its place.
    const WholeFileResult made = WriteWholeFile(path, first, WriteTarget::NamedByProgram);
    if (!made.written) {
        return made.reason;
    }
    const OpenedFile opened = OpenRegularFileToAppend(path);
    if (opened.handle < 0) {
        return opened.error != 0 ? qt_error_string(opened.error)
                                 : QStringLiteral("It is not a regular file");
    }
    if (!file_.open(opened.handle, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered,
                    QFileDevice::AutoCloseHandle)) {
        return file_.errorString();
    }
    size_ = first.size();
    return {};
}

QString AppendedFile::Append(const QByteArray& bytes) {
    const QString reason = WriteAll(file_, bytes);
    if (reason.isEmpty()) {
        size_ += bytes.size();
    } else {
        file_.resize(size_);  // a piece cut short by a full disk goes
    }
    return reason;
}

QString AppendedFile::Finish() {
    const bool synced = SyncFileToDisk(file_.handle());
    const int error = errno;
    file_.close();
    return synced ? QString() : qt_error_string(error);
}
