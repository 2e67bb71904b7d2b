// The main window's rating recalculation, the ratings grid and the status text.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopeGuard>

#include "app/better_choices_dialog.h"
#include "app/twer.h"
#include "data/product_tables.h"
#include "data/table_fields.h"
#include "rating/grid_cells.h"
#include "rating/headroom.h"
#include "rating/no_column_reason.h"
#include "rating/rated_window.h"
#include "rating/rating.h"
#include "widgets/draw_grid.h"
#include "widgets/status_line.h"
#include "widgets/table_memo.h"

void TWER::Button12Click(QObject* sender) {
    // The grid, the sheet and the preview that this run redraws share one reading of the BRE
    // ratings table; the next event reads it again.
    const QStringList breRatings = LinesOfText(breTable_->PlainText());
    breRatingLinesOfRun_ = &breRatings;
    const auto forget = qScopeGuard([this] { breRatingLinesOfRun_ = nullptr; });

    DrawGrid1->SetRowCount(GridRowCount(breRatings.size()));
    EditOF->clear();
    EditVF->clear();
    EditTM->clear();
    // One pass over the weights table finds the three weights and their lines.
    const FoundWeightLines found =
        FindWeightLines(weightsTable_->Text(), ComboBox1->currentText(), ComboBox2->currentText(),
                        ComboBox3->currentText());
    const WindowRating rating = RateWindow(found.texts, Commercial());
    EditOF->setText(rating.weightTexts.outerFrame);
    EditVF->setText(rating.weightTexts.ventFrame);
    EditTM->setText(rating.weightTexts.transomMullion);
    Edit1->setText(QString::number(rating.column));
    EditOA->setText(FormatProfileWeight(rating.weight));
    ShowRatingStatus(found, rating.weight, breRatings);
    DrawGrid1->RepaintNow();
    BtnWerDraw(sender);
    RefreshPreview(sender);
}

void TWER::ShowRatingStatus(const FoundWeightLines& found, double weight,
                            const QStringList& breRatings) {
    const std::array<QString, 3> problems = WeightProblemsOf(
        found, ComboBox1->currentText(), ComboBox2->currentText(), ComboBox3->currentText());
    EditOF->setToolTip(problems[0]);
    EditVF->setToolTip(problems[1]);
    EditTM->setToolTip(problems[2]);
    // Headroom is there exactly when a ratings column applies.
    const std::optional<Headroom> headroom = HeadroomOf(Commercial(), weight, breRatings);
    const QString headroomText =
        headroom
            ? HeadroomText(weight, SummaryRatingOfColumn(breRatings, RatingsColumn()), *headroom)
            : QString();
    const QString reason =
        headroom ? QString()
                 : QStringLiteral("No rating, ") + NoColumnReason(problems, Commercial(), weight);
    EditOA->setToolTip(reason);
    DrawGrid1->SetCellToolTip(1, kGridSummaryRow, headroomText);
    // The weights table as it stands, not copied: an editor's text can be long.
    const QStringView weights = weightsTable_->Text();
    const QString hint = BetterChoicesHint(
        ProductTablesOf(QString::fromRawData(weights.data(), weights.size()),
                        systemTable_->PlainText(), breTable_->PlainText(),
                        productTable_->PlainText()),
        CurrentWindowRequest(),
        RatingsColumn() > 0 ? SummaryRatingOfColumn(breRatings, RatingsColumn()) : QString(),
        BetterChoices1->shortcut().toString(QKeySequence::NativeText));
    const QString status = headroom ? headroomText : reason;
    ShowStatusText(StatusTopic::Rating,
                   hint.isEmpty() ? status : status + QStringLiteral(" \u2014 ") + hint);
}

void TWER::ShowStatusText(StatusTopic topic, const QString& text) {
    StatusText->SetText(static_cast<int>(topic), text);
}

QString TWER::StatusTextOf(StatusTopic topic) const {
    return StatusText->Text(static_cast<int>(topic));
}

QStringList TWER::BreRatingLines() const {
    return breRatingLinesOfRun_ != nullptr ? *breRatingLinesOfRun_
                                           : LinesOfText(breTable_->PlainText());
}

QString TWER::GridCellTextAt(int col, int row) const {
    return GridCellText(BreRatingLines(), RatingsColumn(), col, row);
}

void TWER::DrawGrid1DrawCell(QObject*, int col, int row, const QRect& rect, bool, Canvas& canvas) {
    DrawGridCell(canvas, BreRatingLines(), RatingsColumn(), col, row, rect);
}
