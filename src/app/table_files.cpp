#include "app/table_files.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "data/data_files.h"
#include "data/shared_folder.h"

TableFiles::TableFiles(QString programFolder, QString siteConfigFile)
    : programFolder_(std::move(programFolder)), siteConfigFile_(std::move(siteConfigFile)) {
    ReadSettings();
}

void TableFiles::ReadSettings() {
    folders_ = DataFoldersOf(programFolder_, SharedDataFolder(siteConfigFile_));
}

DataFileChoice TableFiles::ToLoad(const QString& fileName) const {
    return DataFileToLoad(folders_, fileName);
}

QString TableFiles::ToSave(const QString& fileName) const {
    return DataFileToSave(folders_, fileName);
}

void TableFiles::SetSource(const QString& fileName, const DataFileChoice& source) {
    sources_.insert(fileName, source);
}

bool TableFiles::AnyFromFile() const {
    for (const DataFileChoice& source : sources_) {
        if (source.origin != DataOrigin::BuiltIn) {
            return true;
        }
    }
    return false;
}

QString TableFiles::SourcesText() const {
    if (!AnyFromFile()) {
        return {};
    }
    QStringList parts;
    for (const QString& fileName : {kWeightsFileName, kSystemFileName}) {
        const DataFileChoice source = Source(fileName);
        parts << fileName +
                     (source.origin == DataOrigin::BuiltIn ? QStringLiteral(" ")
                                                           : QStringLiteral(" from ")) +
                     OriginText(source);
    }
    return QStringLiteral("Tables: ") + parts.join(QStringLiteral("; "));
}

QString TableFiles::OlderNote(const QString& fileName) const {
    return OlderOwnCopyNote(folders_, fileName, Source(fileName));
}

QString TableFiles::PageTip(const QString& fileName) const {
    const DataFileChoice source = Source(fileName);
    if (source.origin == DataOrigin::BuiltIn) {
        return {};
    }
    QString tip =
        QStringLiteral("%1 from %2, changed %3")
            .arg(
                QDir::toNativeSeparators(source.path), OriginText(source),
                QFileInfo(source.path).lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    const QString older = OlderNote(fileName);
    if (!older.isEmpty()) {
        tip += QLatin1Char('\n') + older;
    }
    return tip;
}

QString TableFiles::SavedText(const QString& fileName, const QString& path) const {
    const QString saved =
        QStringLiteral("Saved %1 in %2")
            .arg(fileName, QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    const QString why = WhyNotBesideTheProgram(programFolder_);
    return why.isEmpty() ? saved : saved + QStringLiteral(", since ") + why;
}
