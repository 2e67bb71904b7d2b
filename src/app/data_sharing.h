// The data pages' buttons for tables shared between colleagues: "Use tables from folder..."
// chooses the user's shared data folder (data/shared_folder.h), from which the window then
// reads the tables it has no own copy of. Kept apart from the main window, which only hands it
// what it needs.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

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
    };

    DataSharing(QWidget* window, Hooks hooks);

    // Puts the buttons on a data page's right-hand panel, from top down; suffix tells the
    // pages' buttons apart ("Weights", "System"). The panel asks for the room of its widest
    // button and gives it back when the window is narrow: the window's smallest size stays.
    void AddButtons(QWidget* panel, int top, const QString& suffix);

    // "Use tables from folder...": the user's shared data folder chosen, or dropped.
    void UseTablesFromFolder();

private:
    QWidget* window_;
    Hooks hooks_;
};
