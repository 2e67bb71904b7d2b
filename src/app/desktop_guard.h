// The window's start where there is no desktop to show it on (a server, an SSH session): one
// line that says so and points to the command line, and exit code 2, instead of Qt's abort.
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Held while the application object is made. Qt's own messages about the display platform are
// kept back meanwhile: when no platform loads, Qt's fatal error becomes the program's one line
// on standard error and the program exits with 2; otherwise they are shown when the guard goes.
class DesktopGuard {
public:
    DesktopGuard();
    ~DesktopGuard();
    DesktopGuard(const DesktopGuard&) = delete;
    DesktopGuard& operator=(const DesktopGuard&) = delete;
};

// The line the program says when there is no desktop.
extern const char* const kNoDesktopText;
