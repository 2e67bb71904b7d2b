// Where the two data files are kept. Beside the program, as always, when its folder can be
// written; an installed program's folder cannot, so its tables are then kept in the user's data
// folder instead, and a file beside the program only serves until the user saves their own.
#pragma once

#include <QString>

enum class DataFileUse { Read, Save };

// The user's data folder for the tables, ending with a separator.
QString UserDataFolder();

// The path to read a data file from, or to save it to, for a program in programFolder (ending
// with a separator). Beside the program when programFolder is writable. Otherwise a save goes
// to the user's data folder, which is created for it, and a read takes the file there when it
// exists, else the one beside the program.
QString DataFilePath(const QString& programFolder, const QString& fileName, DataFileUse use);

// When the table read from readPath is the user's own copy and besidePath, the file beside the
// program, is newer (technical staff keep an installed program's tables up to date), a note that
// says so, naming both files; empty otherwise.
QString OlderOwnCopyNote(const QString& readPath, const QString& besidePath);
