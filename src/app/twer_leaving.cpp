// Leaving the program. Whichever way it is left, File > Exit and Ctrl+Q (which close the
// window), the window's close button or the desktop session ending, one path asks about unsaved
// work, once, and remembers the window only after the last answer.
#include <QCloseEvent>
#include <QGuiApplication>
#include <QSessionManager>
#include <QThread>

#include "app/twer.h"

void TWER::closeEvent(QCloseEvent* event) {
    if (!ConfirmLeaving()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    // Closing the main window ends the program whatever other windows are open: their unsaved
    // work has been asked about above, so they are not closed (and asked) one by one. Outside a
    // running loop there is nothing to end.
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(0);
    }
}

void TWER::CommitSessionData(QSessionManager& manager) {
    // A session that lets nothing ask is not asked; the window is then closed as usual, if the
    // program is still running, and asks there.
    if (!manager.allowsInteraction()) {
        return;
    }
    if (!ConfirmLeaving()) {
        manager.cancel();
    }
    manager.release();
}
