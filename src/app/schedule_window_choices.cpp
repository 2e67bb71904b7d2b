// The schedule window's "Better Choices for This Row...": the main window's Better Choices for a
// row's system, profiles and building; the line picked replaces the row's system and profiles.
#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QTableView>
#include <QUndoStack>

#include "app/better_choices_dialog.h"
#include "app/schedule_window.h"
#include "schedule/schedule_model.h"

void ScheduleWindow::AddBetterChoices(QMenu* edit) {
    edit->addSeparator();
    QAction* choices = edit->addAction(QStringLiteral("&Better Choices for This Row..."));
    choices->setObjectName(QStringLiteral("ScheduleBetterChoices"));
    connect(choices, &QAction::triggered, this,
            [this] { Guarded([this] { BetterChoicesClick(); }); });
    // The row's context menu: the row under the pointer becomes the current one.
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this, [this, choices](const QPoint& at) {
        const QModelIndex index = view_->indexAt(at);
        if (!index.isValid()) {
            return;
        }
        view_->setCurrentIndex(index);
        QMenu menu(this);
        menu.addAction(choices);
        menu.exec(view_->viewport()->mapToGlobal(at));
    });
}

void ScheduleWindow::BetterChoicesClick() {
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid()) {
        statusBar()->showMessage(QStringLiteral("Choose a row first."), 5000);
        return;
    }
    const int row = current.row();
    const QString ref = model_->CurrentSchedule().Value(row, ScheduleField::Ref);
    const ScheduleRowRating& rating = model_->Ratings()[row];
    if (!rating.window) {
        statusBar()->showMessage(QStringLiteral("%1: %2").arg(ref, rating.note), 10000);
        return;
    }
    const RatedWindow& w = *rating.window;
    BetterChoicesDialog dialog(
        model_->Tables(),
        {w.systemHeader, w.outerFrame, w.ventFrame, w.transomMullion, w.commercial},
        w.rating.column > 0 ? w.ratings.summaryRating : QString(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::optional<WindowRequest> picked = dialog.PickedWindow();
    if (!picked) {
        return;
    }
    const std::pair<int, QString> cells[] = {
        {ScheduleModel::SystemColumn, ScheduleSystemName(model_->Tables(), picked->system)},
        {ScheduleModel::OuterColumn, picked->outerFrame.value_or(QString())},
        {ScheduleModel::VentColumn, picked->ventFrame.value_or(QString())},
        {ScheduleModel::TransomColumn, picked->transomMullion.value_or(QString())}};
    QUndoStack* undo = model_->UndoStack();
    undo->beginMacro(QStringLiteral("Better choice for %1").arg(ref));
    for (const auto& [column, text] : cells) {
        model_->setData(model_->index(row, column), text);
    }
    undo->endMacro();
}
