// What the command-line tests share: the program run as a user runs it, poppler's tools, a
// folder's files.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

#include "test_support.h"

struct Outcome {
    int code = -1;
    bool exited = false;  // ended by itself, not by a signal
    QString out;
    QString err;
};

// Runs the program with no display at all: it must find its own way to draw. inChild runs in the
// child before the program starts (a file-size limit, a signal's disposition).
Outcome Greenguide(const QStringList& arguments, const std::function<void()>& inChild = {});
