#include "platform/bounded_read.h"

#include <QFile>

#include <algorithm>

#include "platform/system_calls.h"

namespace {

constexpr qint64 kReadPiece = 1 << 20;

}  // namespace

BoundedReading ReadFileUpTo(const QString& path, qint64 limit) {
    BoundedReading reading;
    const OpenedFile opened = OpenRegularFileToRead(path);
    if (opened.handle < 0) {
        reading.reason = opened.notRegular && opened.error == 0
                             ? QStringLiteral("It is not a regular file")
                             : qt_error_string(opened.error);
        return reading;
    }
    QFile file;
    if (!file.open(opened.handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        reading.reason = file.errorString();
        return reading;
    }
    // One byte past the limit tells a file that is too large from one that fills it exactly.
    while (reading.size <= limit) {
        const qint64 want = std::min(kReadPiece, limit + 1 - reading.size);
        const QByteArray piece = file.read(want);
        if (file.error() != QFileDevice::NoError) {
            reading.reason = file.errorString();
            reading.pieces.clear();
            return reading;
        }
        if (piece.isEmpty()) {
            break;
        }
        reading.size += piece.size();
        reading.pieces << piece;
    }
    if (reading.size > limit) {
        reading.tooLarge = true;
        reading.pieces.clear();
        return reading;
    }
    reading.read = true;
    return reading;
}
