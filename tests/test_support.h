// Small helpers shared by the tests: temporary folders, drawing into images, pixel checks, the
// output of poppler's tools.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <ostream>

// A white RGB32 image of the given size, for drawing tests.
QImage WhiteImage(int width, int height);

// The colour of one pixel, without alpha.
QColor PixelAt(const QImage& image, int x, int y);

// The standard output of a tool (pdfinfo, pdftotext, pdffonts).
QString Tool(const QString& program, const QStringList& arguments);

// The folder of the workbooks that tests/make_workbooks.py writes with openpyxl (Debian's
// python3-openpyxl), made once per test program: architect.xlsx, inline.xlsx, wide.xlsx,
// bomb.xlsx, notes.xlsx. Fails the calling test when they cannot be made.
QString TestWorkbooks();

// Runs Debian's Python 3 (where python3-openpyxl is) on a script with arguments; its standard
// output, or the error it gave as a failure of the calling test.
QString RunPython(const QString& script, const QStringList& arguments = {});

// The names of a folder's files, hidden ones included, in name order.
QStringList Files(const QString& folder);

// Whole contents of a file, or an empty array when it cannot be read.
QByteArray ReadBytes(const QString& path);

// Writes bytes to a file, creating folders as needed; fails the calling test on error.
void WriteBytes(const QString& path, const QByteArray& bytes);

// Runs the action in a forked child whose files may not grow past 4 KiB, with the size signal
// ignored as the program ignores it, so that a write fails part way. Returns the text of the
// ProgramError that the action raised, or an empty text when it raised none.
QString ErrorUnderFileSizeLimit(const std::function<void()>& action);

// An unprivileged user (uid and gid 65534) for the checks that root would pass by its rights.
constexpr int kNobody = 65534;

// Runs the tests of this test program that filter names in a child as kNobody through setpriv,
// with the given environment, and expects exactly one of them to run and pass; skips the
// calling test when the child cannot run as that user here.
void ExpectTestPassesAsNobody(const QString& filter, const QProcessEnvironment& environment);

// Bounding box of the pixels in area that satisfy the test (empty when none does).
QRect BoxOf(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test);

// Rectangles in failure messages as x, y, width x height.
void PrintTo(const QRect& rect, std::ostream* os);

// Texts in failure messages as they read.
void PrintTo(const QString& text, std::ostream* os);
