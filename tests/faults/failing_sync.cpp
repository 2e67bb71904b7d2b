// Preloaded into a child process (LD_PRELOAD) in place of the C library's sync calls, so that a
// test sees what a write does when the disk reports an I/O error at the sync, as a failing disk
// or a network share does.
#include <cerrno>

extern "C" int fsync(int) {
    errno = EIO;
    return -1;
}

extern "C" int fdatasync(int) {
    errno = EIO;
    return -1;
}
