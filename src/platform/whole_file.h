// Writing a file whole or not at all. Every file the program produces (the saved tables, a
// certificate printed to a file, an exported PDF) goes through here, so that a full disk, a
// size limit, a failing sync or a folder standing where the file should be never leaves a cut
// file in place of a good one.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QFileDevice;

struct WholeFileResult {
    bool written = false;
    // The system's reason when the file was not written ("No space left on device").
    QString reason;
};

// Who named the file. A name the user chose (a Save, an export, -o FILE) is theirs: a link of
// their own making is followed and a device or pipe written straight through. A name the
// program makes itself in a folder (a batch's <ref>.pdf and summary.csv) may have been planted
// there: it is written only as a regular file of that folder, never through a link, and never
// onto a pipe or device, which could block the run or reach outside the folder. A document the
// user names and the program reads back (a schedule) follows their link, but is written only as
// a regular file: a pipe there could block the window for ever, and a device could never give
// the document back.
enum class WriteTarget { NamedByUser, NamedByProgram, DocumentByUser };

// Writes bytes to path, creating the file or replacing the whole of an existing one. The bytes
// go to a temporary file beside it, which is flushed and synced to the disk and only then
// renamed over the old file; on any failure the temporary file is removed and the old file
// stays as it was. A device or pipe (an existing path that is no ordinary file) is written
// straight through, every write checked. A name made by the program that stands as a link or
// as anything but a regular file is refused (see ProgramNamedFileRefusal).
[[nodiscard]] WholeFileResult WriteWholeFile(const QString& path, const QByteArray& bytes,
                                             WriteTarget target = WriteTarget::NamedByUser);

// A file written whole or not at all as it is made, piece by piece: the same temporary file,
// checks, sync and rename as WriteWholeFile, for output too large to hold in memory first (a
// PDF of thousands of pages). Destroyed without a successful Finish, it leaves the old file as
// it was and no temporary file behind.
class WholeFileWriter {
public:
    explicit WholeFileWriter(const QString& path, WriteTarget target = WriteTarget::NamedByUser);
    ~WholeFileWriter();
    WholeFileWriter(const WholeFileWriter&) = delete;
    WholeFileWriter& operator=(const WholeFileWriter&) = delete;

    // Opens the temporary file beside path (a device or pipe is opened itself); the reason
    // when it cannot, else an empty text.
    QString Begin();
    // Writes bytes straight to the system; the reason when not every byte was written, which
    // Finish then gives too. Nothing more is written after a failure.
    QString Write(const QByteArray& bytes);
    // Syncs the file and puts it in place of the old one.
    [[nodiscard]] WholeFileResult Finish();

private:
    QString path_;
    WriteTarget target_;
    std::unique_ptr<QFileDevice> file_;
    bool device_ = false;  // written straight through: no temporary file to put in place
    QString failure_;
};

// Why a file the program names itself may not be written at path: the reason when a symbolic
// link (dangling or not), a folder, a pipe or a device stands there; empty for a regular file
// or nothing. Looks at the name only: never opens it, so a pipe cannot block.
QString ProgramNamedFileRefusal(const QString& path);

// Writes every byte straight to the system (the file opened unbuffered) and returns the reason
// when it could not, or an empty text. A short write (disk full, size limit) sets no error on
// the file, so the reason is the system's error number of the failing write.
QString WriteAll(QFileDevice& file, const QByteArray& bytes);

// The one message of a file that could not be written: "Cannot create file <path>", and the
// system's reason on a line of its own after it (a message box shows it so; the command line
// puts it after a colon on the same line).
QString CannotCreateFileText(const QString& path, const QString& reason);

// The text made fit to be a file name on any common system: the characters that a file name
// cannot hold ("/", "\", ":", "*", "?", quotes, "<", ">", "|") become "_", line breaks and
// other control characters become spaces, and spaces and full stops at either end go. The
// characters that reorder text when shown (right-to-left override and the other bidirectional
// controls) become "_" too, and a name that Windows keeps for a device (CON, PRN, AUX, NUL,
// COM1 to COM9, LPT1 to LPT9, any letter case, any extension) gets a "_" in front.
QString SafeFileName(const QString& text);
