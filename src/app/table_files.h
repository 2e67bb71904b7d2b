// Which data file each of the window's two saved tables came from, and where a save goes: the
// read order of data/data_folder.h over the program's folder and the shared data folder in
// force, and the texts the window shows about it (the status text, the data pages' tooltips).
#pragma once

#include <QHash>
#include <QString>

#include "data/data_folder.h"

class TableFiles {
public:
    TableFiles(QString programFolder, QString siteConfigFile);

    // Takes the shared data folder's setting again (after the user chose another).
    void ReadSettings();
    const DataFolders& Folders() const { return folders_; }

    // The file to read a table from now, and where its save goes.
    DataFileChoice ToLoad(const QString& fileName) const;
    QString ToSave(const QString& fileName) const;

    // The table of fileName now holds the text of this file (read or saved; BuiltIn: none).
    void SetSource(const QString& fileName, const DataFileChoice& source);
    DataFileChoice Source(const QString& fileName) const { return sources_.value(fileName); }
    bool AnyFromFile() const;

    // "Tables: GGWeights.Dat from the shared folder /srv/tables; GGSystem.Dat built in"; empty
    // while both are built in.
    QString SourcesText() const;
    // A data page's tab tooltip: where its table came from and when that file was changed, and
    // the note when the user's own copy is older than another (OlderOwnCopyNote).
    QString PageTip(const QString& fileName) const;
    QString OlderNote(const QString& fileName) const;
    // "Saved GGWeights.Dat in <folder>", and why that is not beside the program when it is not.
    QString SavedText(const QString& fileName, const QString& path) const;

private:
    QString programFolder_;
    QString siteConfigFile_;
    DataFolders folders_;
    QHash<QString, DataFileChoice> sources_;
};
