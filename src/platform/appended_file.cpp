#include "platform/appended_file.h"

#include <cerrno>

#include "platform/system_calls.h"
#include "platform/whole_file.h"

QString AppendedFile::Start(const QString& path) {
    const QString refusal = ProgramNamedFileRefusal(path);
    if (!refusal.isEmpty()) {
        return refusal;
    }
    file_.setFileName(path);
    if (file_.exists() && !file_.remove()) {
        return file_.errorString();
    }
    // Only a file made here and now: a link planted since the look above is not followed.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        return file_.errorString();
    }
    return {};
}

QString AppendedFile::Append(const QByteArray& bytes) {
    return WriteAll(file_, bytes);
}

QString AppendedFile::Finish() {
    const bool synced = SyncFileToDisk(file_.handle());
    const int error = errno;
    file_.close();
    return synced ? QString() : qt_error_string(error);
}
