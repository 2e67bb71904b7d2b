// The two data files beside the program ("GGWeights.Dat" and "GGSystem.Dat"): 8-bit text in
// the Windows code page with CR LF line breaks, read at start and written by the "Save" buttons.
#pragma once

#include <QByteArray>
#include <QString>

#include <utility>

inline const QString kWeightsFileName = QStringLiteral("GGWeights.Dat");
inline const QString kSystemFileName = QStringLiteral("GGSystem.Dat");

// Text of 8-bit Windows-1252 bytes and back. Every byte value round-trips: the five byte values
// that the code page leaves undefined map to the control characters of the same number.
// Characters that the code page cannot hold are written as "?".
QString DecodeWindows1252(const QByteArray& bytes);
QByteArray EncodeWindows1252(const QString& text);

// Where a zero byte ended a file's text, so that the data check can say what was not read.
struct TextCut {
    int line = 0;          // the line (from 1) that holds the zero byte; 0 when nothing was cut
    int linesNotRead = 0;  // lines of the file from the zero byte on, a cut line's rest included
};

// A file's bytes as a table's text: everything after a zero byte is dropped, and every CR LF,
// lone CR and lone LF becomes one line break ("\n").
QString TableTextOfFileBytes(const QByteArray& bytes, TextCut* cut = nullptr);
// The same, piece by piece as a file is read, so that its bytes need not be held whole.
class TableTextDecoder {
public:
    explicit TableTextDecoder(qsizetype expectedSize);
    // Decodes the next piece; false once a zero byte has ended the text. Pieces after that are
    // only counted, for Cut().
    bool Feed(const char* bytes, qsizetype size);
    QString Take() { return std::move(text_); }
    // Where the text was cut, once every piece has been fed; call it before Take().
    TextCut Cut() const;

private:
    void CountRest(const char* bytes, qsizetype size);

    QString text_;
    bool afterCr_ = false;
    bool ended_ = false;
    // The rest after a zero byte: the cut line, its line breaks, and whether the line being
    // counted, and the cut line's own rest, hold anything.
    int cutLine_ = 0;
    int restBreaks_ = 0;
    bool restLineHasText_ = false;
    bool cutLineRestHasText_ = false;
};
// A table's text as file bytes: each line break becomes CR LF.
QByteArray FileBytesOfTableText(const QString& text);

// The folder of the running program file, ending with a separator.
QString ProgramFolder();

// True when an ordinary file of that path exists; a folder or a hidden file does not count.
bool DataFileExists(const QString& path);

// Whether a data file stands at path to be read in place of its built-in table, for the command
// line: false when nothing (or a hidden file) is there. Throws ProgramError "cannot read <path>:
// <reason>" when something stands there that is no table to read: a folder, a pipe, a device, a
// link to one of them or to nothing, a name the system will not look up. Never opens it, so a
// pipe cannot block.
bool DataFileToRead(const QString& path);

// Reads a data file as a table's text, and where a zero byte cut it. Throws ProgramError "Cannot
// open file <path>" when the file cannot be opened or read.
QString ReadTableFile(const QString& path, TextCut* cut = nullptr);

// Writes a table's text to a data file, creating it or replacing the whole of it, through
// WriteWholeFile. On any failure the old file stays whole and ProgramError "Cannot create file
// <path>" is thrown, with the system's reason on a second line.
void WriteTableFile(const QString& path, const QString& text);
