// The calls that exist in one form on POSIX systems and in another (or not at all) on Windows,
// behind one small interface: the rest of the program never includes a system header for them.
// Files are replaced by QSaveFile's rename, which Qt makes work on both.
#pragma once

class QString;

// Flushes the file's data to the disk; false (errno set) when the system reports a failure.
bool SyncFileToDisk(int fileHandle);

// Makes a write past a file-size limit fail with an error instead of ending the process
// (SIGXFSZ ignored); nothing to do where there is no such signal.
void IgnoreFileSizeLimitSignal();

// The name of the account the program runs as: the login's, else (a service, a container, sudo
// without a login) the one the system knows by the user id; empty when none is known.
QString UserAccountName();

// Whether the standard error stream is a terminal, where a progress bar can be drawn.
bool StandardErrorIsTerminal();

// What stands at a path, as the file system tells it without opening it.
enum class PathKind { Nothing, RegularFile, Folder, SymbolicLink, Other };
struct PathState {
    PathKind kind = PathKind::Nothing;
    // The system's error number when the path could not be looked at for another reason than
    // that nothing is there (no permission to search a folder on the way, a loop of links).
    int error = 0;
};
// With followLinks, what a link leads to (nothing, for a dangling link); without, the link.
PathState StateOfPath(const QString& path, bool followLinks);

// Zero when the folder's entries can be listed and searched, else the system's error number.
int FolderAccessError(const QString& path);

// A file opened for reading only when it is a regular file. The name is opened without waiting
// (a pipe or device that it may have become since anyone looked would block an ordinary open
// until a writer comes) and what was opened is looked at: handle is -1 when it is no regular
// file (notRegular, with EISDIR in error for a folder) or could not be opened (error, the
// system's error number). A handle is the caller's to close.
struct OpenedFile {
    int handle = -1;
    int error = 0;
    bool notRegular = false;
};
OpenedFile OpenRegularFileToRead(const QString& path);
// The same to write at the end of a file the program has just made, where a link put in its
// place since is not followed (it is refused as a loop of links).
OpenedFile OpenRegularFileToAppend(const QString& path);

// The most bytes a file's name may have in the folder (its encoded name, without the folder).
int LongestFileName(const QString& folder);
