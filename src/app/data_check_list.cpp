#include "app/data_check_list.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kListWidth = 820;
constexpr int kListHeight = 260;
// Rows listed at most: a table of millions of faulty lines would otherwise cost an item each.
constexpr std::size_t kMostListed = 10000;
}  // namespace

DataCheckList::DataCheckList(QWidget* parent)
    : QDialog(parent), summary_(new QLabel(this)), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("DataCheckBox"));
    setWindowTitle(QStringLiteral("Data check"));
    setWindowModality(Qt::NonModal);
    summary_->setObjectName(QStringLiteral("DataCheckSummary"));
    list_->setObjectName(QStringLiteral("DataCheckFindings"));
    list_->setUniformItemSizes(true);
    list_->setToolTip(QStringLiteral("Double-click a finding, or press Enter, to see its line."));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Enter belongs to the list's rows, never to the Close button.
    for (QAbstractButton* button : buttons->buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(button)) {
            push->setAutoDefault(false);
        }
    }
    auto* column = new QVBoxLayout(this);
    column->addWidget(summary_);
    column->addWidget(list_, 1);
    column->addWidget(buttons);
    resize(kListWidth, kListHeight);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    // Enter on a row activates it, as a double-click does.
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int row = list_->row(item);
        if (row >= 0 && row < static_cast<int>(findings_.size())) {
            emit FindingChosen(findings_[row].fileName, findings_[row].line);
        }
    });
}

void DataCheckList::ShowFindings(const QString& summary, const std::vector<DataFinding>& findings) {
    findings_.assign(findings.begin(), findings.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                              findings.size(), kMostListed)));
    summary_->setText(summary);
    list_->clear();
    for (const DataFinding& finding : findings_) {
        auto* item = new QListWidgetItem(FindingLine(finding), list_);
        item->setToolTip(item->text());
    }
    if (findings.size() > findings_.size()) {
        // A row that is no finding: it can be neither chosen nor activated.
        auto* more =
            new QListWidgetItem(QStringLiteral("... and %1 more (greenguide check lists them all)")
                                    .arg(findings.size() - findings_.size()),
                                list_);
        more->setFlags(Qt::NoItemFlags);
    }
    list_->setVisible(!findings_.empty());
    list_->setCurrentRow(findings_.empty() ? -1 : 0);
    show();
    raise();
}
