#include "app/data_file_watcher.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QScopeGuard>
#include <QTimer>
#include <QWidget>

#include <utility>

#include "app/error_box.h"
#include "data/data_files.h"

namespace {
// Writers that replace a file in several steps are given this long to finish.
constexpr int kSettleMilliseconds = 150;
}  // namespace

DataFileWatcher::DataFileWatcher(QWidget* window) : QObject(window), window_(window) {}

void DataFileWatcher::Watch(const QString& table, const QString& path, const QString& text) {
    if (watcher_ == nullptr) {
        watcher_ = new QFileSystemWatcher(this);
        connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this](const QString& path) {
            changed_.insert(path);
            LookLater();
        });
        connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
            const QStringList watching = watcher_->files();
            for (auto it = watched_.cbegin(); it != watched_.cend(); ++it) {
                if (!watching.contains(it.key()) && DataFileExists(it.key())) {
                    changed_.insert(it.key());
                }
            }
            LookLater();
        });
    }
    watched_[path] = {table, text};
    if (!DataFileExists(path)) {
        const QString folder = QFileInfo(path).absolutePath();
        if (QFileInfo(folder).isDir() && !watcher_->directories().contains(folder)) {
            watcher_->addPath(folder);
        }
    } else if (!watcher_->files().contains(path)) {
        watcher_->addPath(path);
    }
}

void DataFileWatcher::Unwatch(const QString& table) {
    for (auto it = watched_.begin(); it != watched_.end();) {
        if (it->table != table) {
            ++it;
            continue;
        }
        if (watcher_ != nullptr && watcher_->files().contains(it.key())) {
            watcher_->removePath(it.key());
        }
        it = watched_.erase(it);
    }
}

void DataFileWatcher::LookLater() {
    QTimer::singleShot(kSettleMilliseconds, this,
                       [this] { RunGuarded(window_, [this] { LookAtChangedFiles(); }); });
}

void DataFileWatcher::LookAtChangedFiles() {
    // A receiver asking the user runs an event loop, in which more notices come: the loop below
    // takes them up once it returns.
    if (looking_) {
        return;
    }
    looking_ = true;
    const auto done = qScopeGuard([this] { looking_ = false; });
    while (!changed_.isEmpty()) {
        QStringList tables;
        for (const QString& path : std::exchange(changed_, {})) {
            const auto found = watched_.find(path);
            if (found == watched_.end()) {
                continue;
            }
            const QString table = found->table;
            if (!DataFileExists(path)) {
                Watch(table, path, found->text);
                emit Removed(table);
                continue;
            }
            // A file replaced by a rename is a new file: it is watched afresh.
            watcher_->addPath(path);
            const QString text = ReadTableFile(path);
            if (text != found->text) {
                found->text = text;
                if (!tables.contains(table)) {
                    tables << table;
                }
            }
        }
        if (!tables.isEmpty()) {
            emit Changed(tables);
        }
    }
}
