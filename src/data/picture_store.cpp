#include "data/picture_store.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringList>

#include <algorithm>

#include "data/table_fields.h"

namespace {

const QString kBitmapSuffix = QStringLiteral(".bmp");
// A code ending in F written as a picture name, and what replaces its last five characters.
const QString kFCodeMark = QStringLiteral("F.BMP");
const QString kPlainCodeEnding = QStringLiteral(".BMP");

// The F rule of the picture names, shared by the entry's name and the lookup.
QString WithoutFCode(const QString& name) {
    if (name.toUpper().contains(kFCodeMark)) {
        return name.left(name.size() - kFCodeMark.size()) + kPlainCodeEnding;
    }
    return name;
}

// A name that would lead out of the update folder: a path separator of either system, or a
// ".." on its own. Profile codes come from an editable catalogue, so a code such as
// "../../../../private" must not read pictures from elsewhere on the disk.
bool IsPathLike(const QString& name) {
    return name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
           name == QStringLiteral("..") || name == QStringLiteral(".");
}

enum class Kind { Folder, OrdinaryFile };

bool IsOfKind(const QFileInfo& info, Kind kind) {
    if (kind == Kind::Folder) {
        return info.isDir();
    }
    return info.isFile() && !info.isHidden();
}

// The entry of folder that is called name, ignoring letter case, and is of the wanted kind;
// an entry whose name matches exactly is preferred. Empty when there is none.
QString ChildOf(const QString& folder, const QString& name, Kind kind) {
    const QString exact = folder + QLatin1Char('/') + name;
    if (IsOfKind(QFileInfo(exact), kind)) {
        return exact;
    }
    // Unsorted names only: this runs for every update folder that lacks the file.
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString entry = it.fileName();
        if (entry != name && entry.compare(name, Qt::CaseInsensitive) == 0) {
            if (IsOfKind(it.fileInfo(), kind)) {
                return it.filePath();
            }
        }
    }
    return {};
}

// The ordinary file at folder + inner folders + fileName, names matched without regard to
// case, or empty.
QString ResolveFile(const QString& folder, const QStringList& innerFolders,
                    const QString& fileName) {
    QString path = folder;
    for (const QString& inner : innerFolders) {
        path = ChildOf(path, inner, Kind::Folder);
        if (path.isEmpty()) {
            return {};
        }
    }
    return ChildOf(path, fileName, Kind::OrdinaryFile);
}

// The names of the update folders in the order in which they are tried, newest first.
QStringList UpdateFoldersNewestFirst(const QDir& base) {
    QStringList names;
    const QStringList entries = base.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString& entry : entries) {
        if (!entry.contains(QLatin1Char('.'))) {
            names << entry;
        }
    }
    QCollator collator;  // the user's locale
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        return collator.compare(a, b) > 0;
    });
    return names;
}

}  // namespace

QString PictureFileNameFor(const QString& entryText) {
    const qsizetype bracket = entryText.indexOf(QLatin1Char('('));
    const QString code = bracket < 0 ? entryText : entryText.left(bracket);
    return WithoutFCode(TrimSpacesAndControls(code) + kBitmapSuffix);
}

QString FindUpdateFile(const QString& baseFolder, const QString& innerPath,
                       const QString& fileName) {
    const QString name = TrimSpacesAndControls(WithoutFCode(fileName));
    if (name.isEmpty() || name.contains(QLatin1Char('*')) || IsPathLike(name)) {
        return kPictureNotFound;
    }
    const QDir base(baseFolder);
    if (!base.exists()) {
        return kPictureNotFound;
    }
    // The inner path is written with backslashes; each piece between them is one folder.
    QStringList innerFolders = QString(innerPath)
                                   .replace(QLatin1Char('\\'), QLatin1Char('/'))
                                   .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const QString basePath = QDir::cleanPath(baseFolder);
    for (const QString& update : UpdateFoldersNewestFirst(base)) {
        const QString found = ResolveFile(basePath + QLatin1Char('/') + update, innerFolders, name);
        if (!found.isEmpty()) {
            return found;
        }
    }
    return kPictureNotFound;
}

QString DefaultPictureBaseFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:/TarvexV6/Database/Updates");
#else
    return QDir::homePath() + QStringLiteral("/TarvexV6/Database/Updates");
#endif
}

QImage LoadPicture(const QString& path) {
    // Read as a bitmap whatever the name says; a file of another kind counts as unreadable.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QImageReader reader(&file, "bmp");
    reader.setAutoDetectImageFormat(false);
    QImage image;
    if (!reader.read(&image)) {
        return {};
    }
    return image;
}
