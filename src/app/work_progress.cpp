#include "app/work_progress.h"

#include <QApplication>
#include <QProgressDialog>

WorkProgress::WorkProgress(QWidget* parent, const QString& label, bool cancellable)
    : dialog_(new QProgressDialog(parent)), cancellable_(cancellable) {
    dialog_->setObjectName(QStringLiteral("WorkProgress"));
    dialog_->setWindowTitle(QApplication::applicationDisplayName());
    dialog_->setLabelText(label);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    if (!cancellable) {
        dialog_->setCancelButton(nullptr);
    }
    dialog_->setValue(0);
    dialog_->show();
    QCoreApplication::processEvents();
}

WorkProgress::~WorkProgress() {
    delete dialog_;
}

bool WorkProgress::Step(int done, int total) {
    // The window that the work is for went while events were handled: the work stops.
    if (dialog_.isNull()) {
        return false;
    }
    dialog_->setMaximum(total);
    dialog_->setValue(done);
    // The dialog itself handles events only once it has decided to show; the window must
    // repaint from the first step.
    QCoreApplication::processEvents();
    return !dialog_.isNull() && (!cancellable_ || !dialog_->wasCanceled());
}
