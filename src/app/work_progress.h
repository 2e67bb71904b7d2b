// A progress dialog over a window while long work (a schedule's export or print) runs on the
// window's own thread, which the drawing needs: every step moves the bar and lets the program
// handle its events, so windows repaint and the other windows stay usable, while the dialog,
// modal to its window, keeps the user from changing what is being written.
#pragma once

#include <QPointer>
#include <QProgressDialog>
#include <QString>

class QWidget;

class WorkProgress {
public:
    // Shown at once over parent; without a Cancel button unless cancellable.
    WorkProgress(QWidget* parent, const QString& label, bool cancellable);
    ~WorkProgress();
    WorkProgress(const WorkProgress&) = delete;
    WorkProgress& operator=(const WorkProgress&) = delete;

    // One step done of total; false once the user has cancelled (or the window has gone).
    bool Step(int done, int total);

private:
    QPointer<QProgressDialog> dialog_;  // goes with its window, if that goes first
    bool cancellable_;
};
