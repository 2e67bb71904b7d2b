#include "data/table_version.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include "data/data_files.h"

namespace {
// Characters of a table hashed at a time.
constexpr qsizetype kHashPiece = 1 << 20;
}  // namespace

TableVersion TableVersionOf(const QString& fileName, const TableSource& source,
                            const QString& text) {
    TableVersion version;
    version.fileName = fileName;
    version.path = source.path;
    version.edited = source.edited;
    if (!source.path.isEmpty() && !source.edited) {
        version.modified = QFileInfo(source.path).lastModified();
    }
    // Piece by piece: a long table is not held a second time as its file's bytes.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (qsizetype at = 0; at < text.size(); at += kHashPiece) {
        hash.addData(FileBytesOfTableText(text.mid(at, kHashPiece)));
    }
    version.sha256 = QString::fromLatin1(hash.result().toHex());
    return version;
}

QString Sha256Hex(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString TableVersionText(const TableVersion& version) {
    QString when;
    if (version.edited) {
        when = QStringLiteral("edited");
    } else if (version.path.isEmpty()) {
        when = QStringLiteral("built in");
    } else if (version.modified.isValid()) {
        when = version.modified.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    } else {
        when = QStringLiteral("(date unknown)");
    }
    return version.fileName + QLatin1Char(' ') + when + QLatin1Char(' ') + version.ShortHash();
}

QString DataVersionText(const std::vector<TableVersion>& versions) {
    QStringList parts;
    for (const TableVersion& version : versions) {
        parts << TableVersionText(version);
    }
    return parts.join(QStringLiteral("; "));
}
