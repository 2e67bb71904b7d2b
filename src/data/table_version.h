// Which tables a result was made from: for each of the two data tables, the file it was read
// from (or that it is the built-in table), that file's last change and a hash of the table, so
// that a certificate, a schedule or a rating can be traced to the very tables that made it.
#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

// Where a table's text came from: the file it was read from or last saved to, or none (the
// built-in table), and whether it has been edited since.
struct TableSource {
    QString path;  // empty: the built-in table
    bool edited = false;
};

struct TableVersion {
    QString fileName;    // "GGWeights.Dat" or "GGSystem.Dat"
    QString path;        // the file read; empty for the built-in table
    QDateTime modified;  // the file's last change; invalid when built in or edited since
    bool edited = false;
    // SHA-256 of the table's text as its file holds it (Windows-1252, CR LF line breaks): for a
    // file the program wrote (a save, a publish), what `sha256sum` prints for it.
    QString sha256;

    // The first 8 hexadecimal digits of the hash, as the texts show it.
    QString ShortHash() const { return sha256.left(8); }
};

// The version of one table: its text, named by fileName, taken from source.
TableVersion TableVersionOf(const QString& fileName, const TableSource& source,
                            const QString& text);

// The hexadecimal SHA-256 of bytes.
QString Sha256Hex(const QByteArray& bytes);

// One table's version in a line: "GGWeights.Dat 2024-05-01 14:03 1a2b3c4d",
// "GGWeights.Dat built in 1a2b3c4d" or "GGWeights.Dat edited 1a2b3c4d" (local time).
QString TableVersionText(const TableVersion& version);

// Every table's version in one line, "; " between them: the data version that the About box,
// the PDFs' keywords and a schedule's summary show.
QString DataVersionText(const std::vector<TableVersion>& versions);
