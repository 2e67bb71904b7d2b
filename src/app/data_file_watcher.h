// The data files that the main window read or saved, watched while it runs, so that a table
// another program saves is not silently outdated here. Each file is watched for one table, with
// the table's text as the window last read or wrote it: a change that leaves that text as it
// was (the window's own save) is passed over. A file not there yet is watched through its
// folder: a file that appears is a change of its table.
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

class QFileSystemWatcher;
class QWidget;

class DataFileWatcher : public QObject {
    Q_OBJECT
public:
    // What its reports raise is shown over the window (RunGuarded).
    explicit DataFileWatcher(QWidget* window);

    // Watches the file at path for the table (named by its data file's name).
    void Watch(const QString& table, const QString& path, const QString& text);
    // Every file watched for the table.
    void Unwatch(const QString& table);

signals:
    // The tables whose files now hold another text, all that one look found (a folder published
    // to changes both at once); the watcher holds those texts as the tables'. A receiver may
    // ask the user: what changes meanwhile is reported after it returns.
    void Changed(const QStringList& tables);
    // The table's file was removed from the disk; it is watched for its return.
    void Removed(const QString& table);

private:
    // Several notices of one save come as one: the files are looked at once the writer is done.
    void LookLater();
    void LookAtChangedFiles();

    struct WatchedFile {
        QString table;
        QString text;
    };
    QWidget* window_;
    QFileSystemWatcher* watcher_ = nullptr;  // made when the first file is watched
    QHash<QString, WatchedFile> watched_;    // by path
    QSet<QString> changed_;                  // reported changed, not yet looked at
    bool looking_ = false;
};
