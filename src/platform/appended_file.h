// A file that grows as work is done, each piece handed to the system as soon as it is made: a
// batch's summary, so that a run stopped part-way (killed, its terminal closed) leaves the lines
// of the rows it finished, and never the lines of an older run.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

class AppendedFile {
public:
    // Makes the file anew at path, a name the program made itself (WriteTarget::NamedByProgram),
    // holding first: it replaces an old regular file of that name whole, or (a full disk)
    // leaves it as it was; a link, folder, pipe or device there is refused and left as it is.
    // Returns the reason when it could not, else an empty text.
    QString Start(const QString& path, const QByteArray& first);
    // Writes bytes at the end, straight to the system; the reason when it could not, and then
    // the file ends where it ended before, with no piece cut short.
    QString Append(const QByteArray& bytes);
    // Syncs the file to the disk and closes it; the reason when the sync failed.
    QString Finish();

private:
    QFile file_;
    qint64 size_ = 0;  // the bytes of the whole pieces written
};
