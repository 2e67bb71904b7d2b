// Writing a file whole or not at all. Every file the program produces (the saved tables, a
// certificate printed to a file, an exported PDF) goes through here, so that a full disk, a
// size limit, a failing sync or a folder standing where the file should be never leaves a cut
// file in place of a good one.
#pragma once

#include <QByteArray>
#include <QString>

struct WholeFileResult {
    bool written = false;
    // The system's reason when the file was not written ("No space left on device").
    QString reason;
};

// Writes bytes to path, creating the file or replacing the whole of an existing one. The bytes
// go to a temporary file beside it, which is flushed and synced to the disk and only then
// renamed over the old file; on any failure the temporary file is removed and the old file
// stays as it was. A device or pipe (an existing path that is no ordinary file) is written
// straight through, every write checked.
[[nodiscard]] WholeFileResult WriteWholeFile(const QString& path, const QByteArray& bytes);

// The one message of a file that could not be written: "Cannot create file <path>", and the
// system's reason on a line of its own after it (a message box shows it so; the command line
// puts it after a colon on the same line).
QString CannotCreateFileText(const QString& path, const QString& reason);

// The text made fit to be a file name on any common system: the characters that a file name
// cannot hold ("/", "\", ":", "*", "?", quotes, "<", ">", "|") become "_", line breaks and
// other control characters become spaces, and spaces and full stops at either end go.
QString SafeFileName(const QString& text);
