// The main window's memory between runs, kept in the settings store's section "TarvexWER": the
// system, profiles and building type as the user chooses them, the company and project texts
// and the window's frame as they are at close. A remembered value that the tables no longer
// offer is ignored, and with nothing remembered the window starts as designed.
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>

#include "app/twer.h"
#include "app/window_placement.h"
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
}  // namespace

QRect TWER::StartFrame() const {
    QRect frame = FrameOfText(settings_->value(kWindowFrameKey).toString());
    if (frame.isEmpty()) {
        frame = kDesignFrame;
    }
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? FitFrameIntoArea(frame, screen->availableGeometry()) : frame;
}

void TWER::ApplyRememberedSystem(QObject* sender) {
    if (settings_->contains(kLastSystem) &&
        EntryOf(ComboBox5, settings_->value(kLastSystem).toString()) >= 0) {
        ButtonDefaultsClick(sender);
    }
    const QString type = settings_->value(kBuildingTypeKey).toString();
    if (type == kDomestic) {
        RadioButton2->setChecked(true);
    } else if (type == kCommercial) {
        RadioButton1->setChecked(true);
    }
    // The recalculation that follows draws the preview with these texts.
    const std::pair<QPlainTextEdit*, const QString*> texts[] = {{MemoSim, &kCompanyKey},
                                                                {MemoPro, &kProjectKey}};
    for (const auto& [memo, key] : texts) {
        const QString text = settings_->value(*key).toString();
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
        if (!settings_->contains(kProfileKeys[k])) {
            continue;
        }
        const int entry = EntryOf(selectors[k], settings_->value(kProfileKeys[k]).toString());
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
    settings_->setValue(kWindowFrameKey, FrameText(frameGeometry()));
    settings_->sync();
}

void TWER::closeEvent(QCloseEvent* event) {
    if (!ConfirmUnsavedTables()) {
        event->ignore();
        return;
    }
    RememberWindow();
    QMainWindow::closeEvent(event);
}
