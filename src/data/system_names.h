// How a person may name a window system outside the selector: the rule that the schedule's rows,
// and --system of the command line, both go through.
#pragma once

#include <QString>
#include <QStringList>

// The system that name means among the offered headers (the system selector's entries). A name
// may be, in this order of precedence:
//   1. the catalogue's header line ("Pelvanor 55,0.00"),
//   2. the name the selector lists, the header's first field ("Pelvanor 62 (Slim)"),
//   3. the name the certificate prints (SystemDisplayName, "Pelvanor 62"),
// each compared with spaces trimmed from both ends. The first kind that fits decides, exactly
// first, then with letter case ignored. Equal headers (a system listed twice) are one system.
struct SystemMatch {
    // The matching header, empty when none (or more than one) fits, and its place in headers.
    QString header;
    int index = -1;
    // Why not: an unknown name with the nearest names, or a name that fits two systems,
    // naming both.
    QString error;
};
SystemMatch FindSystem(const QStringList& headers, const QString& name);
// The same with each header's SystemDisplayName given beside it (names[i] of headers[i]).
SystemMatch FindSystem(const QStringList& headers, const QStringList& names, const QString& name);

// The code among a system's offered codes that a person's code names: the same code, else the
// one offered code that differs from it in letter case alone ("prf112" for "PRF112"); empty when
// none fits, or when two codes of different case both do.
QString FindProfileCode(const QStringList& offered, const QString& code);

// Up to three of the candidates nearest to text (fewest edits, letter case ignored), in order;
// empty and repeated candidates are passed over.
QStringList NearestNames(const QString& text, const QStringList& candidates);

// "<message>; nearest: a, b, c", or the message alone when there is nothing near.
QString WithNearestNames(const QString& message, const QString& text,
                         const QStringList& candidates);
