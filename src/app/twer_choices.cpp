// The main window's View > Better Choices...: the windows that rate better than the current one,
// and the one picked chosen as a user chooses it.
#include <QComboBox>
#include <QPlainTextEdit>

#include "app/better_choices_dialog.h"
#include "app/twer.h"
#include "data/product_tables.h"
#include "data/system_catalogue.h"
#include "rating/rated_window.h"
#include "rating/rating.h"
#include "widgets/table_memo.h"

void TWER::BetterChoices1Click(QObject*) {
    const ProductTables tables = CurrentTables();
    const QString current = RatingsColumn() > 0
                                ? SummaryRatingOfColumn(tables.breRatingLines, RatingsColumn())
                                : QString();
    BetterChoicesDialog dialog(tables, CurrentWindowRequest(), current, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (const std::optional<WindowRequest> picked = dialog.PickedWindow()) {
        ChooseWindow(*picked);
    }
}

void TWER::ChooseWindow(const WindowRequest& window) {
    const auto entryOf = [](QComboBox* selector, const QString& text) {
        return selector->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    };
    // Set as the program sets a selector, raising no change: another system refills the profile
    // selectors, and then the one change of a user's choice runs the recalculation once.
    const int system = entryOf(ComboBox5, window.system);
    if (system < 0) {
        // The selector is filled at the start: a system added to the catalogue since is not.
        ShowStatusText(StatusTopic::Rating,
                       QStringLiteral("%1 is offered from the next start, once the catalogue is "
                                      "saved")
                           .arg(::SystemDisplayName(window.system).trimmed()));
        return;
    }
    if (system != ComboBox5->currentIndex()) {
        ComboBox5->setCurrentIndex(system);
        FillProfileSelectors();
    }
    const std::pair<QComboBox*, QString> selections[] = {
        {ComboBox1, window.outerFrame.value_or(QString())},
        {ComboBox2, window.ventFrame.value_or(QString())},
        {ComboBox3, window.transomMullion.value_or(QString())}};
    for (const auto& [selector, code] : selections) {
        selector->setCurrentIndex(entryOf(selector, code));
    }
    ProfileChosen(ComboBox1);
}
