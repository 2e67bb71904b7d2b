// The picture store: bitmaps of the profiles' sections kept in the update folders of the window
// maker's product database. Each update is a sub-folder of one base folder and holds its
// pictures under "Pics/Bitmap STD/"; when several updates hold the same picture, the update
// whose folder name sorts last wins. Nothing is cached: every lookup lists the folders again,
// so a picture added to a newer update is seen at the next repaint.
#pragma once

#include <QImage>
#include <QString>

// The result of FindUpdateFile when no update folder holds the file.
inline const QString kPictureNotFound = QStringLiteral("Not Found");

// The file name of the picture that an entry's text shows: the text before the first "(",
// trimmed, with ".bmp" appended. A code ending in F shares the picture of the code without the
// F: when the upper-case name contains "F.BMP", its last five characters become ".BMP".
QString PictureFileNameFor(const QString& entryText);

// The full path of fileName in the newest update folder under baseFolder that holds it, or
// "Not Found". innerPath is the folder inside each update, written with backslashes at both
// ends as the database names it ("\Pics\Bitmap STD\"). Update folders are the entries of
// baseFolder whose names hold no full stop, tried from the last to the first in the user's
// locale order without regard to letter case. Only an ordinary, visible file counts, and a
// name with "*", a path separator ("/" or "\") or a ".." never does. The database's names were
// given on a file system that ignores letter case, so folders and the file are found whatever the
// case of their names here.
QString FindUpdateFile(const QString& baseFolder, const QString& innerPath,
                       const QString& fileName);

// The database's update folder "C:\TarvexV6\Database\Updates" itself when built for Windows;
// on other systems the drive root stands for the user's home folder, so it is
// "<home>/TarvexV6/Database/Updates".
QString DefaultPictureBaseFolder();

// The picture at path read as a bitmap file, or a null image when it cannot be read as one.
QImage LoadPicture(const QString& path);
