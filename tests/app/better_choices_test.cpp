#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "rating/rating.h"
#include "window_fixture.h"

using BetterChoices = WindowTest;

namespace {

// Runs the action; when the Better Choices dialog shows, hands it to answer (which closes it).
void WithDialog(const std::function<void()>& action, const std::function<void(QDialog*)>& answer) {
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll.stop();
            answer(dialog);
        }
    });
    poll.start();
    action();
}

}  // namespace

TEST_F(BetterChoices, PickingOneSetsTheThreeSelectorsAndRatesOnce) {
    Start();
    // Pelvanor 75 for a Domestic building, with its heaviest vent frame: "B".
    Choose("ComboBox5", 3);
    QTest::mouseClick(Find<QRadioButton>("RadioButton2"), Qt::LeftButton);
    Choose("ComboBox2", Combo("ComboBox2")->count() - 1);
    ASSERT_EQ(window_->GridCellTextAt(1, 15), "B");
    const int refreshes = window_->PreviewRefreshCount();

    QString picked[3];
    WithDialog([this] { Find<QAction>("BetterChoices1")->trigger(); },
               [&picked](QDialog* dialog) {
                   auto* list = dialog->findChild<QTableWidget*>("BetterChoicesList");
                   ASSERT_GT(list->rowCount(), 2);
                   for (int row = 0; row < list->rowCount(); ++row) {
                       EXPECT_EQ(list->item(row, 4)->text(), "A");
                       if (row > 0) {
                           EXPECT_LE(list->item(row - 1, 3)->text().toDouble(),
                                     list->item(row, 3)->text().toDouble());
                       }
                   }
                   auto* choose =
                       dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
                   EXPECT_FALSE(choose->isEnabled());
                   list->selectRow(2);
                   for (int k = 0; k < 3; ++k) {
                       picked[k] = list->item(2, k)->text();
                   }
                   EXPECT_TRUE(choose->isEnabled());
                   // Chosen from the keyboard: Return in the list is "Choose".
                   QTest::keyClick(list, Qt::Key_Return);
                   if (dialog->isVisible()) {
                       ADD_FAILURE() << "Return did not choose";
                       dialog->reject();
                   }
               });
    EXPECT_EQ(Combo("ComboBox1")->currentText(), picked[0]);
    EXPECT_EQ(Combo("ComboBox2")->currentText(), picked[1]);
    EXPECT_EQ(Combo("ComboBox3")->currentText(), picked[2]);
    EXPECT_EQ(window_->GridCellTextAt(1, 15), "A");
    EXPECT_EQ(window_->PreviewRefreshCount(), refreshes + 1);

    // Now "A": no better choice; cancelling changes nothing.
    WithDialog([this] { Find<QAction>("BetterChoices1")->trigger(); },
               [](QDialog* dialog) {
                   EXPECT_EQ(dialog->findChild<QTableWidget*>("BetterChoicesList")->rowCount(), 0);
                   EXPECT_TRUE(dialog->findChild<QLabel*>("BetterChoicesCaption")
                                   ->text()
                                   .startsWith("No other profiles of Pelvanor 75 give better"));
                   dialog->reject();
               });
    EXPECT_EQ(window_->PreviewRefreshCount(), refreshes + 1);
}
