// The data pages' buttons for tables shared between colleagues: "Publish..." checks the tables
// as the editors hold them and writes them into a folder for everyone (data/publish_tables.h);
// "Use tables from folder..." chooses the user's shared data folder (data/shared_folder.h), from
// which the window then reads the tables it has no own copy of. Kept apart from the main window,
// which only hands it what it needs.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

#include "data/data_check.h"
#include "data/publish_tables.h"

class QPushButton;
class QWidget;

// The default folder choice: the folder dialog.
QString ChooseFolderWithDialog(QWidget* parent, const QString& title, const QString& startFolder);

class DataSharing : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        // The folder dialog; empty when cancelled.
        std::function<QString(QWidget* parent, const QString& title, const QString& start)>
            chooseFolder;
        // Reads the tables again in the read order, the shared folder's setting taken anew.
        std::function<void()> readTablesAgain;
        // Says something in the window's status text.
        std::function<void(const QString&)> note;
        // Runs a handler at the edge of the event loop (errors shown, the program goes on).
        std::function<void(const std::function<void()>&)> guarded;
        // The tables as the editors hold them now, and where a zero byte cut their files.
        std::function<TablesToPublish()> tables;
        // Lists findings in the data check's box under the summary.
        std::function<void(const QString& summary, const std::vector<DataFinding>&)> showFindings;
        // The shared data folder in force (empty: none), where Publish offers to write.
        std::function<QString()> sharedFolder;
    };

    DataSharing(QWidget* window, Hooks hooks);

    // Puts the buttons on a data page's right-hand panel, from top down; suffix tells the
    // pages' buttons apart ("Weights", "System"). The panel asks for the room of its widest
    // button and gives it back when the window is narrow: the window's smallest size stays.
    void AddButtons(QWidget* panel, int top, const QString& suffix);

    // "Publish...": the tables checked, then written into a chosen folder, or the findings
    // listed and nothing written.
    void Publish();
    // "Use tables from folder...": the user's shared data folder chosen, or dropped.
    void UseTablesFromFolder();

private:
    QWidget* window_;
    Hooks hooks_;
};
