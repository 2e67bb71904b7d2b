#include "platform/system_calls.h"

#include <QtGlobal>

#include <csignal>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

bool SyncFileToDisk(int fileHandle) {
#ifdef Q_OS_WIN
    return _commit(fileHandle) == 0;
#else
    return ::fsync(fileHandle) == 0;
#endif
}

void IgnoreFileSizeLimitSignal() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

bool StandardErrorIsTerminal() {
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return ::isatty(STDERR_FILENO) == 1;
#endif
}
