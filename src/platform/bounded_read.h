// Reading a file that the user names whole, but never more of it than the program can use: a
// huge file gives a clear error instead of filling the memory, and a pipe or device (a FIFO
// that never gets a writer, /dev/zero) is refused before anything waits on it.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct BoundedReading {
    bool read = false;
    // The file's bytes in the order read, in pieces of at most 1 MiB, so that a reader can let
    // go of each piece once it has used it.
    QList<QByteArray> pieces;
    qint64 size = 0;
    bool tooLarge = false;
    // The system's reason when the file could not be opened or read.
    QString reason;
};

// The bytes of the regular file at path, at most limit of them; a file that holds more is read
// no further than one byte past limit and comes back tooLarge, not read. Anything else at path
// (a pipe, a device, a folder) is not read at all, and never waited on: its reason says what it
// is.
BoundedReading ReadFileUpTo(const QString& path, qint64 limit);
