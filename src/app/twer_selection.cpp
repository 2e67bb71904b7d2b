// The main window's selection of system and profiles: the system selector filled from the
// catalogue, the profile selectors from the chosen system's block.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>

#include "app/twer.h"
#include "data/system_catalogue.h"
#include "data/table_fields.h"
#include "widgets/table_memo.h"

void TWER::ButtonSystem(QObject*) {
    ComboBox5->clear();
    const bool variants = VariantSystemsOffered(productTable_->PlainText());
    ComboBox5->addItems(SystemSelectorEntries(LinesOfText(systemTable_->PlainText()), variants));
}

void TWER::ButtonRefreshSystem(QObject* sender) {
    FillProfileSelectors();
    Button12Click(sender);
}

void TWER::FillProfileSelectors() {
    // A system that no block names leaves the selectors as they are.
    const std::optional<SystemCodes> codes =
        FindSystemCodes(LinesOfText(systemTable_->PlainText()), ComboBox5->currentText());
    if (!codes) {
        return;
    }
    const std::pair<QComboBox*, const QStringList*> selectors[3] = {
        {ComboBox1, &codes->outerFrames},
        {ComboBox2, &codes->ventFrames},
        {ComboBox3, &codes->transomMullions}};
    for (const auto& [selector, offered] : selectors) {
        selector->clear();
        selector->addItems(*offered);
        selector->setCurrentIndex(selector->count() > 0 ? 0 : -1);
    }
}

void TWER::ComboBox1Change(QObject* sender) {
    Button12Click(sender);
}

void TWER::ButtonDefaultsClick(QObject*) {
    const QString last = settings_->value(QStringLiteral("LastSystem"), QString()).toString();
    ComboBox5->setCurrentIndex(
        ComboBox5->findText(last, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QString TWER::SystemDisplayName() const {
    return ::SystemDisplayName(ComboBox5->currentText());
}

bool TWER::Commercial() const {
    return RadioButton1->isChecked();
}

int TWER::RatingsColumn() const {
    return WholeNumberOr(Edit1->text(), -1);
}
