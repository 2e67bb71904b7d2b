// The Better Choices dialog: the combinations of profiles of the current system that reach a
// better summary rating than the current window, lightest first, one a row; the row picked
// (double-click or "Choose") is the window to choose.
#pragma once

#include <QDialog>
#include <QString>

#include <vector>

#include "rating/rated_window.h"

class QDialogButtonBox;
class QLabel;
class QTableWidget;

class BetterChoicesDialog : public QDialog {
    Q_OBJECT
public:
    // The choices (BetterChoicesOf), the system's name and the current summary rating ("" when
    // none applies).
    BetterChoicesDialog(std::vector<RatedWindow> choices, const QString& systemName,
                        const QString& currentRating, QWidget* parent = nullptr);

    // The choice of the row picked; nullptr before one is picked.
    const RatedWindow* Picked() const;

private:
    std::vector<RatedWindow> choices_;
    QLabel* caption_ = nullptr;
    QTableWidget* list_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};
