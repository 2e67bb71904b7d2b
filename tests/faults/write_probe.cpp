// Writes one file through WriteWholeFile in a process of its own, for tests that change how the
// system behaves for that process only. Usage: write_probe PATH TEXT. Prints the reason of a
// failed write; the exit code is 0 when the file was written, 1 when not, 64 on bad usage.
#include <cstdio>

#include "platform/whole_file.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        return 64;
    }
    const WholeFileResult result =
        WriteWholeFile(QString::fromLocal8Bit(argv[1]), QByteArray(argv[2]));
    if (!result.written) {
        std::fputs(result.reason.toLocal8Bit().constData(), stdout);
        return 1;
    }
    return 0;
}
