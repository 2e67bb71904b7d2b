// The main window's memory between runs, kept in the settings store's section "TarvexWER": the
// system, profiles and building type as the user chooses them, the company and project texts
// and the window's frame as they are at close. A remembered value that the tables no longer
// offer is ignored, and with nothing remembered the window starts as designed.
#include <QComboBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>

#include <optional>

#include "app/twer.h"
#include "app/window_placement.h"
#include "documents/certificate_page.h"
#include "widgets/widgets.h"

namespace {
const QString kLastSystem = QStringLiteral("LastSystem");
const QString kProfileKeys[3] = {QStringLiteral("LastOuterFrame"), QStringLiteral("LastVentFrame"),
                                 QStringLiteral("LastTransomFrame")};
const QString kBuildingTypeKey = QStringLiteral("LastBuildingType");
const QString kCompanyKey = QStringLiteral("LastCompany");
const QString kProjectKey = QStringLiteral("LastProject");
const QString kWindowFrameKey = QStringLiteral("WindowFrame");
const QString kDomestic = QStringLiteral("Domestic");
const QString kCommercial = QStringLiteral("Commercial");

int EntryOf(const QComboBox* combo, const QString& text) {
    return combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// A remembered text; none when it is missing or longer than any field of the window
// can hold: such a value was never typed there, and taking it in would hold up the start.
std::optional<QString> RememberedText(const QSettings& settings, const QString& key) {
    if (!settings.contains(key)) {
        return std::nullopt;
    }
    QString text = settings.value(key).toString();
    if (text.size() > kLongestFieldText) {
        return std::nullopt;
    }
    return text;
}
}  // namespace

QRect TWER::StartFrame() {
    QRect frame = FrameOfText(RememberedText(*settings_, kWindowFrameKey).value_or(QString()));
    if (frame.isEmpty()) {
        frame = kDesignFrame;
    }
    chosenFrame_ = frame;
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? FitFrameIntoArea(frame, screen->availableGeometry()) : frame;
}

void TWER::ApplyRememberedSystem(QObject* sender) {
    const std::optional<QString> system = RememberedText(*settings_, kLastSystem);
    if (system && EntryOf(ComboBox5, *system) >= 0) {
        ButtonDefaultsClick(sender);
    }
    const QString type = RememberedText(*settings_, kBuildingTypeKey).value_or(QString());
    if (type == kDomestic) {
        RadioButton2->setChecked(true);
    } else if (type == kCommercial) {
        RadioButton1->setChecked(true);
    }
    // The recalculation that follows draws the preview with these texts.
    const std::pair<QPlainTextEdit*, const QString*> texts[] = {{MemoSim, &kCompanyKey},
                                                                {MemoPro, &kProjectKey}};
    for (const auto& [memo, key] : texts) {
        const QString text = RememberedText(*settings_, *key).value_or(QString());
        if (!text.isEmpty()) {
            const QSignalBlocker quiet(memo);
            memo->setPlainText(text);
        }
    }
}

void TWER::ApplyRememberedProfiles(QObject* sender) {
    QComboBox* const selectors[3] = {ComboBox1, ComboBox2, ComboBox3};
    bool changed = false;
    for (int k = 0; k < 3; ++k) {
        const std::optional<QString> code = RememberedText(*settings_, kProfileKeys[k]);
        const int entry = code ? EntryOf(selectors[k], *code) : -1;
        if (entry >= 0 && entry != selectors[k]->currentIndex()) {
            selectors[k]->setCurrentIndex(entry);
            changed = true;
        }
    }
    if (changed) {
        Button12Click(sender);
    }
}

void TWER::RememberSelection() {
    settings_->setValue(kLastSystem, ComboBox5->currentText());
    QComboBox* const selectors[3] = {ComboBox1, ComboBox2, ComboBox3};
    for (int k = 0; k < 3; ++k) {
        settings_->setValue(kProfileKeys[k], selectors[k]->currentText());
    }
}

void TWER::RememberBuildingType() {
    settings_->setValue(kBuildingTypeKey, Commercial() ? kCommercial : kDomestic);
}

void TWER::RememberWindow() {
    settings_->setValue(kCompanyKey, MemoText(MemoSim));
    settings_->setValue(kProjectKey, MemoText(MemoPro));
    // What the program forced on the window to fit its screen is no choice of the user's: a
    // size or place left as placed keeps the one chosen before.
    QRect frame = frameGeometry();
    if (frame.size() == wantedFrame_.size()) {
        frame.setSize(chosenFrame_.size());
    }
    if (frame.topLeft() == wantedFrame_.topLeft()) {
        frame.moveTopLeft(chosenFrame_.topLeft());
    }
    settings_->setValue(kWindowFrameKey, FrameText(frame));
    settings_->sync();
}
