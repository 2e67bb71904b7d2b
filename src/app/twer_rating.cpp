// The main window's rating recalculation and the ratings grid.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStatusBar>

#include "app/draw_grid.h"
#include "app/twer.h"
#include "app/widgets.h"
#include "data/data_check.h"
#include "data/table_text.h"
#include "rating/grid_cells.h"
#include "rating/rating.h"

void TWER::Button12Click(QObject* sender) {
    DrawGrid1->SetRowCount(GridRowCount(LinesOfText(MemoText(Memo2)).size()));
    EditOF->clear();
    EditVF->clear();
    EditTM->clear();
    const WindowRating rating =
        RateWindow(LinesOfText(MemoText(Memo1)), ComboBox1->currentText(), ComboBox2->currentText(),
                   ComboBox3->currentText(), Commercial());
    EditOF->setText(rating.weightTexts.outerFrame);
    EditVF->setText(rating.weightTexts.ventFrame);
    EditTM->setText(rating.weightTexts.transomMullion);
    Edit1->setText(QString::number(rating.column));
    EditOA->setText(FormatProfileWeight(rating.weight));
    ShowRatingProblem();
    DrawGrid1->RepaintNow();
    BtnWerDraw(sender);
    RefreshPreview(sender);
}

void TWER::ShowRatingProblem() {
    const QStringList weights = LinesOfText(MemoText(Memo1));
    const struct {
        QLineEdit* field;
        QComboBox* selector;
        const char* role;
    } profiles[] = {{EditOF, ComboBox1, "outer frame"},
                    {EditVF, ComboBox2, "vent frame"},
                    {EditTM, ComboBox3, "transom/mullion"}};
    QString reason;
    for (const auto& profile : profiles) {
        const QString problem = WeightProblem(weights, profile.selector->currentText());
        profile.field->setToolTip(problem);
        // Commercial buildings are rated by the outer frame alone.
        const bool counts = profile.field == EditOF || !Commercial();
        if (reason.isEmpty() && counts && !problem.isEmpty()) {
            reason = QStringLiteral("No rating, %1: %2").arg(QLatin1String(profile.role), problem);
        }
    }
    if (RatingsColumn() > 0) {
        reason.clear();
    }
    EditOA->setToolTip(reason);
    statusBar()->showMessage(reason);
    statusBar()->setVisible(!reason.isEmpty());
}

QString TWER::GridCellTextAt(int col, int row) const {
    return GridCellText(LinesOfText(MemoText(Memo2)), RatingsColumn(), col, row);
}

void TWER::DrawGrid1DrawCell(QObject*, int col, int row, const QRect& rect, bool, Canvas& canvas) {
    DrawGridCell(canvas, LinesOfText(MemoText(Memo2)), RatingsColumn(), col, row, rect);
}
