// The calls that exist in one form on POSIX systems and in another (or not at all) on Windows,
// behind one small interface: the rest of the program never includes a system header for them.
// Files are replaced by QSaveFile's rename, which Qt makes work on both.
#pragma once

// Flushes the file's data to the disk; false (errno set) when the system reports a failure.
bool SyncFileToDisk(int fileHandle);

// Makes a write past a file-size limit fail with an error instead of ending the process
// (SIGXFSZ ignored); nothing to do where there is no such signal.
void IgnoreFileSizeLimitSignal();

// Whether the standard error stream is a terminal, where a progress bar can be drawn.
bool StandardErrorIsTerminal();
