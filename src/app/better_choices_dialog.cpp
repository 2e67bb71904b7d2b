#include "app/better_choices_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/rating_colours.h"

namespace {
const QStringList kHeadings = {QStringLiteral("Outer Frame"), QStringLiteral("Vent Frame"),
                               QStringLiteral("Transom Mullion"), QStringLiteral("Weight (kg/m)"),
                               QStringLiteral("Rating")};
constexpr int kRatingColumn = 4;
}  // namespace

BetterChoicesDialog::BetterChoicesDialog(std::vector<RatedWindow> choices,
                                         const QString& systemName, const QString& currentRating,
                                         QWidget* parent)
    : QDialog(parent), choices_(std::move(choices)) {
    setObjectName(QStringLiteral("BetterChoicesDialog"));
    setWindowTitle(QStringLiteral("Better Choices"));
    const QString than = currentRating.isEmpty() ? QStringLiteral("a rating")
                                                 : QStringLiteral("better than ") + currentRating;
    caption_ = new QLabel(
        choices_.empty()
            ? QStringLiteral("No other profiles of %1 give %2.").arg(systemName, than)
            : QStringLiteral("Profiles of %1 that give %2, lightest first:").arg(systemName, than),
        this);
    caption_->setObjectName(QStringLiteral("BetterChoicesCaption"));

    list_ = new QTableWidget(static_cast<int>(choices_.size()), kHeadings.size(), this);
    list_->setObjectName(QStringLiteral("BetterChoicesList"));
    list_->setHorizontalHeaderLabels(kHeadings);
    list_->verticalHeader()->hide();
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < list_->rowCount(); ++row) {
        const RatedWindow& w = choices_[static_cast<size_t>(row)];
        const QString cells[] = {w.outerFrame, w.ventFrame, w.transomMullion,
                                 FormatProfileWeight(w.rating.weight), w.ratings.summaryRating};
        for (int col = 0; col < kHeadings.size(); ++col) {
            auto* item = new QTableWidgetItem(cells[col]);
            if (col == kRatingColumn) {
                item->setTextAlignment(Qt::AlignCenter);
                if (const auto colour = RatingColourOf(cells[col])) {
                    item->setBackground(*colour);
                    item->setForeground(Qt::black);
                }
            }
            list_->setItem(row, col, item);
        }
    }
    list_->resizeColumnsToContents();
    list_->horizontalHeader()->setStretchLastSection(true);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* choose = buttons_->button(QDialogButtonBox::Ok);
    choose->setText(QStringLiteral("&Choose"));
    choose->setEnabled(false);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTableWidget::itemSelectionChanged, this,
            [this, choose] { choose->setEnabled(Picked() != nullptr); });
    connect(list_, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons_);
    resize(520, 360);
}

const RatedWindow* BetterChoicesDialog::Picked() const {
    const QList<QTableWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) {
        return nullptr;
    }
    return &choices_[static_cast<size_t>(selected.first()->row())];
}
