#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "rating/rating.h"
#include "window_fixture.h"

using BetterChoices = WindowTest;

namespace {

QTableView* List(QDialog* dialog) {
    return dialog->findChild<QTableView*>("BetterChoicesList");
}

QString Cell(QDialog* dialog, int row, int column) {
    return List(dialog)->model()->index(row, column).data().toString();
}

QString Caption(QDialog* dialog) {
    return dialog->findChild<QLabel*>("BetterChoicesCaption")->text();
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
    WithDialog(
        [this] { Find<QAction>("BetterChoices1")->trigger(); },
        [&picked](QDialog* dialog) {
            EXPECT_TRUE(
                Caption(dialog).startsWith("Profiles of Pelvanor 75 that give "
                                           "better than B"));
            EXPECT_EQ(dialog->findChild<QLabel*>("BetterChoicesWhy")->text(),
                      "For domestic buildings all three profiles count, each by its "
                      "length in a standard window.");
            QTableView* list = List(dialog);
            ASSERT_GT(list->model()->rowCount(), 2);
            for (int row = 0; row < list->model()->rowCount(); ++row) {
                EXPECT_EQ(Cell(dialog, row, 0), "Pelvanor 75");
                EXPECT_EQ(Cell(dialog, row, 5), "A");
                if (row > 0) {
                    EXPECT_LE(Cell(dialog, row - 1, 4).toDouble(), Cell(dialog, row, 4).toDouble());
                }
            }
            auto* choose = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            EXPECT_FALSE(choose->isEnabled());
            list->selectRow(2);
            for (int k = 0; k < 3; ++k) {
                picked[k] = Cell(dialog, 2, 1 + k);
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

    // Now "A", the best a Domestic window gets: nothing anywhere; cancelling changes nothing.
    EXPECT_TRUE(window_->StatusTextOf(StatusTopic::Rating).endsWith("\u2014 best possible"));
    WithDialog([this] { Find<QAction>("BetterChoices1")->trigger(); },
               [](QDialog* dialog) {
                   EXPECT_EQ(List(dialog)->model()->rowCount(), 0);
                   EXPECT_EQ(Caption(dialog),
                             "No other profiles of Pelvanor 75 give better than A. No system "
                             "gives better than A: this is the best possible.");
                   dialog->reject();
               });
    EXPECT_EQ(window_->PreviewRefreshCount(), refreshes + 1);
}

// "Can you reach A+?" for Pelvanor 55 at A: its own profiles cannot, so the other systems'
// outer frames show at once, one line each; a pick of another system sets it and its profiles
// with one recalculation. The scope the user picks is remembered.
TEST_F(BetterChoices, AnotherSystemsLineSetsTheSystemAndItsProfilesInOneRecalculation) {
    Start();
    Choose("ComboBox5", 1);
    ASSERT_EQ(Combo("ComboBox5")->currentText(), "Pelvanor 55,0.00");
    ASSERT_EQ(window_->GridCellTextAt(1, 15), "A");
    EXPECT_TRUE(window_->StatusTextOf(StatusTopic::Rating)
                    .endsWith("; B from 1.5 \u2014 Better Choices (Ctrl+B)"));
    const int refreshes = window_->PreviewRefreshCount();
    WithDialog(
        [this] { Find<QAction>("BetterChoices1")->trigger(); },
        [](QDialog* dialog) {
            EXPECT_EQ(Caption(dialog),
                      "No other profiles of Pelvanor 55 give better than A. Other systems "
                      "that do, best first:");
            EXPECT_EQ(dialog->findChild<QLabel*>("BetterChoicesWhy")->text(),
                      "For commercial buildings the rating depends on the outer frame "
                      "alone.");
            EXPECT_TRUE(dialog->findChild<QRadioButton*>("BetterChoicesAllSystems")->isChecked());
            ASSERT_EQ(List(dialog)->model()->rowCount(), 13);
            const QStringList first = {Cell(dialog, 0, 0), Cell(dialog, 0, 1), Cell(dialog, 0, 2),
                                       Cell(dialog, 0, 3), Cell(dialog, 0, 4), Cell(dialog, 0, 5)};
            EXPECT_EQ(first, QStringList({"Meridan 50", "SLM110", "any", "any", "0.633", "A+"}));
            EXPECT_EQ(Cell(dialog, 6, 1), "PRF012");
            List(dialog)->selectRow(6);
            dialog->accept();
        });
    EXPECT_EQ(Combo("ComboBox5")->currentText(), "Pelvanor 47,0.01");
    // Pelvanor 55's vent frame and transom/mullion are none of Pelvanor 47's: its first ones.
    EXPECT_EQ(Combo("ComboBox1")->currentText(), "PRF012");
    EXPECT_EQ(Combo("ComboBox2")->currentText(), "PRF020");
    EXPECT_EQ(Combo("ComboBox3")->currentText(), "PRF020");
    EXPECT_EQ(window_->GridCellTextAt(1, 15), "A+");
    EXPECT_EQ(window_->PreviewRefreshCount(), refreshes + 1);
    EXPECT_TRUE(window_->StatusTextOf(StatusTopic::Rating).endsWith("best possible"));

    // The scope picked is what the next opening lists (Pelvanor 75's PRF311 at B has better
    // choices of its own).
    Choose("ComboBox5", 3);
    Choose("ComboBox1", 1);
    ASSERT_EQ(window_->GridCellTextAt(1, 15), "B");
    for (const char* scope : {"BetterChoicesThisSystem", "BetterChoicesAllSystems"}) {
        WithDialog([this] { Find<QAction>("BetterChoices1")->trigger(); },
                   [scope](QDialog* dialog) {
                       QTest::mouseClick(dialog->findChild<QRadioButton*>(scope), Qt::LeftButton);
                       dialog->reject();
                   });
        WithDialog([this] { Find<QAction>("BetterChoices1")->trigger(); },
                   [scope](QDialog* dialog) {
                       EXPECT_TRUE(dialog->findChild<QRadioButton*>(scope)->isChecked()) << scope;
                       dialog->reject();
                   });
    }
}
