#include "app/better_choices_dialog.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTableView>
#include <QVBoxLayout>

#include "app/settings_store.h"
#include "data/rating_colours.h"
#include "data/system_catalogue.h"
#include "rating/rating.h"

// The lines as a table: system, the three profiles ("any" where one does not count), weight and
// rating in its colour.
class ChoicesTable : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    void SetLines(std::vector<WindowChoice> lines) {
        beginResetModel();
        lines_ = std::move(lines);
        endResetModel();
    }
    const std::vector<WindowChoice>& Lines() const { return lines_; }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(lines_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kColumns;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const char* const headings[kColumns] = {
            "System", "Outer Frame", "Vent Frame", "Transom Mullion", "Weight (kg/m)", "Rating"};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
            return QString::fromLatin1(headings[section]);
        }
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const WindowChoice& c = lines_[static_cast<size_t>(index.row())];
        const std::optional<QString> cells[kColumns] = {
            c.systemName.trimmed(),        c.outerFrame,          c.ventFrame, c.transomMullion,
            FormatProfileWeight(c.weight), c.ShownSummaryRating()};
        const std::optional<QString>& cell = cells[index.column()];
        switch (role) {
            case Qt::DisplayRole:
                return cell.value_or(QStringLiteral("any"));
            case Qt::FontRole: {
                QFont italic;
                italic.setItalic(true);
                return cell ? QVariant() : QVariant(italic);
            }
            case Qt::TextAlignmentRole:
                return index.column() >= kWeightColumn ? QVariant(Qt::AlignCenter) : QVariant();
            case Qt::BackgroundRole:
                if (index.column() == kRatingColumn) {
                    if (const auto colour = RatingColourOf(*cell)) {
                        return *colour;
                    }
                }
                return {};
            case Qt::ForegroundRole:
                return index.column() == kRatingColumn ? QVariant(QColor(Qt::black)) : QVariant();
            default:
                return {};
        }
    }

private:
    static constexpr int kColumns = 6;
    static constexpr int kWeightColumn = 4;
    static constexpr int kRatingColumn = 5;
    std::vector<WindowChoice> lines_;
};

namespace {

QSettings ChoicesSettings() {
    return QSettings(kSettingsOrganisation, QStringLiteral("GreenGuideChoices"));
}
const QString kScopeKey = QStringLiteral("Scope");
const QString kAllSystems = QStringLiteral("All systems");

}  // namespace

BetterChoicesDialog::BetterChoicesDialog(const ProductTables& tables, const WindowRequest& window,
                                         const QString& currentRating, QWidget* parent)
    : QDialog(parent),
      tables_(tables),
      window_(window),
      rating_(currentRating),
      systemName_(SystemDisplayName(window.system).trimmed()) {
    setObjectName(QStringLiteral("BetterChoicesDialog"));
    setWindowTitle(QStringLiteral("Better Choices"));
    why_ = new QLabel(window.commercial
                          ? QStringLiteral("For commercial buildings the rating depends on the "
                                           "outer frame alone.")
                          : QStringLiteral("For domestic buildings all three profiles count, "
                                           "each by its length in a standard window."),
                      this);
    why_->setObjectName(QStringLiteral("BetterChoicesWhy"));
    why_->setWordWrap(true);
    thisSystem_ = new QRadioButton(QStringLiteral("&This system"), this);
    thisSystem_->setObjectName(QStringLiteral("BetterChoicesThisSystem"));
    allSystems_ = new QRadioButton(QStringLiteral("A&ll systems"), this);
    allSystems_->setObjectName(QStringLiteral("BetterChoicesAllSystems"));
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("BetterChoicesCaption"));
    caption_->setWordWrap(true);

    model_ = new ChoicesTable(this);
    list_ = new QTableView(this);
    list_->setObjectName(QStringLiteral("BetterChoicesList"));
    list_->setModel(model_);
    list_->verticalHeader()->hide();
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->horizontalHeader()->setStretchLastSection(true);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* choose = buttons_->button(QDialogButtonBox::Ok);
    choose->setText(QStringLiteral("&Choose"));
    choose->setEnabled(false);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, choose] { choose->setEnabled(Picked() != nullptr); });
    connect(model_, &QAbstractItemModel::modelReset, this, [choose] { choose->setEnabled(false); });
    connect(list_, &QTableView::doubleClicked, this, [this] { accept(); });
    for (QRadioButton* scope : {thisSystem_, allSystems_}) {
        connect(scope, &QRadioButton::clicked, this, [this] {
            ChoicesSettings().setValue(
                kScopeKey, allSystems_->isChecked() ? kAllSystems : QStringLiteral("This system"));
            List(allSystems_->isChecked());
        });
    }

    auto* scopes = new QHBoxLayout;
    scopes->addWidget(thisSystem_);
    scopes->addWidget(allSystems_);
    scopes->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(why_);
    layout->addLayout(scopes);
    layout->addWidget(caption_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons_);
    resize(720, 460);
    List(ChoicesSettings().value(kScopeKey).toString() == kAllSystems);
    list_->setFocus();  // Down picks the first line, Return chooses it
}

BetterChoicesDialog::~BetterChoicesDialog() = default;

void BetterChoicesDialog::List(bool allSystems) {
    const QString than =
        rating_.isEmpty() ? QStringLiteral("a rating") : QStringLiteral("better than ") + rating_;
    QString error;
    ChoicesQuery query{window_.system, allSystems, window_.commercial, rating_, kMostChoices};
    std::optional<WindowChoices> choices = WindowChoicesOf(tables_, query, &error);
    QString caption;
    if (choices && !allSystems && choices->lines.empty()) {
        caption = QStringLiteral("No other profiles of %1 give %2.").arg(systemName_, than);
        query.allSystems = allSystems = true;
        choices = WindowChoicesOf(tables_, query, &error);
        if (choices && !choices->lines.empty()) {
            caption += QStringLiteral(" Other systems that do, best first:");
        }
    } else if (choices && !choices->lines.empty()) {
        caption =
            allSystems
                ? QStringLiteral("Profiles of all systems that give %1, best first:").arg(than)
                : QStringLiteral("Profiles of %1 that give %2, best first:").arg(systemName_, than);
    }
    if (!choices) {
        caption = error;
    } else if (choices->lines.empty() && allSystems) {
        caption += (caption.isEmpty() ? QString() : QStringLiteral(" ")) +
                   QStringLiteral("No system gives %1: this is the best possible.").arg(than);
    }
    if (choices && choices->cut) {
        caption += QStringLiteral(" Only the first %1 are listed.").arg(query.limit);
    }
    if (choices && !choices->codesLeftOut.isEmpty()) {
        caption += QStringLiteral(" Of %1 only the first %2 codes of each profile are combined.")
                       .arg(choices->codesLeftOut.join(QStringLiteral(", ")))
                       .arg(kMostCodesCombined);
    }
    caption_->setText(caption);
    // Shown as listed; remembered only when the user picks a scope.
    (allSystems ? allSystems_ : thisSystem_)->setChecked(true);
    model_->SetLines(choices ? std::move(choices->lines) : std::vector<WindowChoice>());
    list_->resizeColumnsToContents();
}

const WindowChoice* BetterChoicesDialog::Picked() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return nullptr;
    }
    return &model_->Lines()[static_cast<size_t>(rows.first().row())];
}

std::optional<WindowRequest> BetterChoicesDialog::PickedWindow() const {
    const WindowChoice* picked = Picked();
    if (picked == nullptr) {
        return std::nullopt;
    }
    return RequestOfChoice(tables_, *picked, window_);
}

QString BetterChoicesHint(const ProductTables& tables, const WindowRequest& window,
                          const QString& currentRating, const QString& key) {
    QString error;
    const auto first =
        WindowChoicesOf(tables, {window.system, true, window.commercial, currentRating, 1}, &error);
    if (!first) {
        return QString();
    }
    if (!first->lines.empty()) {
        return QStringLiteral("Better Choices (%1)").arg(key);
    }
    return currentRating.isEmpty() ? QString() : QStringLiteral("best possible");
}
