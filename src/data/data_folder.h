// Where the two data files are read from and saved to. Save writes beside the program, as
// always, when its folder can be written and is none of the system's own folders; otherwise
// (an installed program, or one run as root from /usr/bin) it writes to the user's data folder.
// A table is read from the first of these that holds its file: the user's own copy (where Save
// writes), the shared data folder (data/shared_folder.h), the program's folder; else the
// built-in table is used.
#pragma once

#include <QString>

#include <vector>

// The user's data folder for the tables, ending with a separator.
QString UserDataFolder();

// Whether folder is, or lies in, one of the system's own folders (/usr, /opt, /bin, /lib,
// /etc, /boot, /snap; on Windows the program files and Windows folders), where the program
// never writes, even when it could.
bool IsSystemFolder(const QString& folder);

// Why Save does not write beside a program in programFolder: "the program's folder <folder> is
// a system folder" or "... cannot be written"; empty when it does.
QString WhyNotBesideTheProgram(const QString& programFolder);

// The folders a table is looked for in, each ending with a separator: own is where Save writes
// (the program's folder, or the user's data folder), shared the shared data folder (or empty),
// program the program's folder.
struct DataFolders {
    QString own;
    QString shared;
    QString program;
};
DataFolders DataFoldersOf(const QString& programFolder, const QString& sharedFolder);

enum class DataOrigin { OwnCopy, Shared, Program, BuiltIn };

// A data file and the folder it is in; BuiltIn with an empty path for the built-in table.
struct DataFileChoice {
    QString path;
    DataOrigin origin = DataOrigin::BuiltIn;
};

// The files a table may be read from, first to last, each folder once (the user's data folder
// is OwnCopy, the program's folder Program even when Save writes there).
std::vector<DataFileChoice> DataFileCandidates(const DataFolders& folders, const QString& fileName);

// The first candidate that holds the file (DataFileExists); BuiltIn when none does.
DataFileChoice DataFileToLoad(const DataFolders& folders, const QString& fileName);

// Where Save writes the file; the user's data folder is made when it is used and missing.
QString DataFileToSave(const DataFolders& folders, const QString& fileName);

// Where a table came from, in words: "your copy in <folder>", "the shared folder <folder>",
// "beside the program in <folder>", "built in".
QString OriginText(const DataFileChoice& choice);

// When the table read is the user's own (read from where Save writes) and a later candidate's
// file is newer (technical staff keep the shared folder, or an installed program's tables, up
// to date), a note that says so, naming both files; empty otherwise.
QString OlderOwnCopyNote(const DataFolders& folders, const QString& fileName,
                         const DataFileChoice& read);
