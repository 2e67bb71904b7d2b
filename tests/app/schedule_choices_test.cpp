// The schedule's "Better Choices for This Row...": the main window's Better Choices for a row,
// and the line picked in the row in one undo step.
#include <QAction>
#include <QPushButton>
#include <QTableView>
#include <QUndoStack>

#include "app/schedule_window.h"
#include "schedule/schedule_model.h"
#include "window_fixture.h"

using ScheduleChoices = WindowTest;

TEST_F(ScheduleChoices, APickReplacesTheRowsSystemAndProfilesInOneUndoStep) {
    Start();
    Choose("ComboBox5", 1);  // Pelvanor 55, PRF110: A
    window_->Schedule1Click(nullptr);
    ScheduleWindow* s = window_->OpenScheduleWindow();
    ASSERT_NE(s, nullptr);
    s->AddCurrentWindowClick();
    s->AddCurrentWindowClick();
    const auto cells = [s](int row) {
        QStringList texts;
        for (int column = ScheduleModel::SystemColumn; column <= ScheduleModel::RatingColumn;
             ++column) {
            texts << s->Model()->index(row, column).data().toString();
        }
        return texts;
    };
    const QStringList before = cells(1);
    ASSERT_EQ(before, QStringList({"Pelvanor 55", "PRF110", "PRF120", "PRF130", "Commercial",
                                   "0.918", "A"}));
    auto* view = s->findChild<QTableView*>("ScheduleView");
    EXPECT_EQ(view->contextMenuPolicy(), Qt::CustomContextMenu);
    view->setCurrentIndex(s->Model()->index(1, ScheduleModel::RefColumn));
    const int steps = s->Model()->UndoStack()->count();

    WithDialog([s] { s->findChild<QAction*>("ScheduleBetterChoices")->trigger(); },
               [](QDialog* dialog) {
                   auto* list = dialog->findChild<QTableView*>("BetterChoicesList");
                   ASSERT_EQ(list->model()->index(6, 1).data().toString(), "PRF012");
                   list->selectRow(6);
                   dialog->accept();
               });
    // Pelvanor 55's vent frame and transom/mullion are none of Pelvanor 47's: its first ones.
    EXPECT_EQ(cells(1), QStringList({"Pelvanor 47", "PRF012", "PRF020", "PRF020", "Commercial",
                                     "0.754", "A+"}));
    EXPECT_EQ(cells(0), before);
    EXPECT_EQ(s->Model()->UndoStack()->count(), steps + 1);
    s->Model()->UndoStack()->undo();
    EXPECT_EQ(cells(1), before);
}
