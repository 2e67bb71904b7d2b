// The main window's View > Better Choices...: the profiles of the current system that rate
// better than the current window, and the one picked chosen as a user chooses it.
#include <QComboBox>
#include <QPlainTextEdit>

#include "app/better_choices_dialog.h"
#include "app/twer.h"
#include "data/product_tables.h"
#include "rating/window_options.h"
#include "widgets/table_memo.h"

void TWER::BetterChoices1Click(QObject*) {
    const ProductTables tables =
        ProductTablesOf(weightsTable_->PlainText(), systemTable_->PlainText(),
                        breTable_->PlainText(), productTable_->PlainText());
    const QString current = RatingsColumn() > 0
                                ? SummaryRatingOfColumn(tables.breRatingLines, RatingsColumn())
                                : QString();
    QString error;
    const auto options = WindowOptionsOf(tables, ComboBox5->currentText(), Commercial(), &error);
    BetterChoicesDialog dialog(
        options ? BetterChoicesOf(*options, current) : std::vector<RatedWindow>(),
        SystemDisplayName(), current, this);
    if (dialog.exec() != QDialog::Accepted || dialog.Picked() == nullptr) {
        return;
    }
    const RatedWindow& picked = *dialog.Picked();
    const std::pair<QComboBox*, const QString&> selections[] = {{ComboBox1, picked.outerFrame},
                                                                {ComboBox2, picked.ventFrame},
                                                                {ComboBox3, picked.transomMullion}};
    // Set as the program sets a selector, raising no change; then the one change of a user's
    // choice runs the recalculation once for all three.
    for (const auto& [selector, code] : selections) {
        selector->setCurrentIndex(
            selector->findText(code, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
    ProfileChosen(ComboBox1);
}
