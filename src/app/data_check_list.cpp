#include "app/data_check_list.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kListWidth = 820;
constexpr int kListHeight = 260;
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
    findings_ = findings;
    summary_->setText(summary);
    list_->clear();
    for (const DataFinding& finding : findings_) {
        auto* item = new QListWidgetItem(FindingLine(finding), list_);
        item->setToolTip(item->text());
    }
    list_->setVisible(!findings_.empty());
    list_->setCurrentRow(findings_.empty() ? -1 : 0);
    show();
    raise();
}
