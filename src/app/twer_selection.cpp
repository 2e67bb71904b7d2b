// The main window's selection of system and profiles: the system selector filled from the
// catalogue, the profile selectors from the chosen system's block.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>

#include "app/twer.h"
#include "data/system_catalogue.h"
#include "data/table_text.h"
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
    const QStringList catalogue = LinesOfText(systemTable_->PlainText());
    const QString selected = ComboBox5->currentText();
    QComboBox* const selectors[3] = {ComboBox1, ComboBox2, ComboBox3};
    for (int i : CompleteBlockStarts(catalogue.size())) {
        if (catalogue[i] != selected) {
            continue;
        }
        for (int k = 0; k < 3; ++k) {
            selectors[k]->clear();
            selectors[k]->addItems(OfferedProfileCodes(catalogue[i + 1 + k]));
            selectors[k]->setCurrentIndex(selectors[k]->count() > 0 ? 0 : -1);
        }
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
