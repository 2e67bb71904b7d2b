// What the main window takes from its surroundings (folders, the dialogs that choose a printer,
// a file or a folder), with the real defaults; tests give their own.
#pragma once

#include <QString>

#include <functional>

#include "app/page_printing.h"

class QWidget;

// What the main window takes from its surroundings, with the real defaults; tests give their
// own folders and printer choice.
struct TwerEnvironment {
    // Folder of the data files, ending with a separator.
    QString programFolder;
    // Base folder of the picture store's update folders.
    QString pictureBase;
    // Lets the user choose a printer; true when confirmed. The default shows the print dialog.
    PrinterChoice choosePrinter;
    // Lets the user choose the file to export the certificate to, starting from the suggested
    // path; empty when cancelled. The default shows the save dialog.
    std::function<QString(QWidget* parent, const QString& suggestedPath)> chooseExportFile;
    // The site-wide settings file that may name a shared data folder; none when empty.
    QString siteConfigFile;
    // Lets the user choose a folder (the shared data folder, a folder to publish to); empty
    // when cancelled. The default shows the folder dialog.
    std::function<QString(QWidget* parent, const QString& title, const QString& startFolder)>
        chooseFolder;

    static TwerEnvironment Default();
};

// The default export file choice: the save dialog for PDF files.
QString ChooseExportFileWithDialog(QWidget* parent, const QString& suggestedPath);
