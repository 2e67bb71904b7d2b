// The Better Choices window: the windows of the current system, or of every system, that rate
// better than the current window, best rating first, then the current system's, then lightest
// (WindowChoicesOf); lines whose profiles do not all count are one line. The line picked
// (double-click or "Choose") is the window to choose. The main window and the schedule's rows
// share it.
#pragma once

#include <QDialog>
#include <QString>

#include <optional>

#include "data/product_tables.h"
#include "rating/window_choices.h"

class QAbstractTableModel;
class QDialogButtonBox;
class QLabel;
class QRadioButton;
class QTableView;
class ChoicesTable;

class BetterChoicesDialog : public QDialog {
    Q_OBJECT
public:
    // The window's tables, the window itself and its summary rating ("" when none applies).
    // Whether "This system" or "All systems" is listed first is remembered.
    BetterChoicesDialog(const ProductTables& tables, const WindowRequest& window,
                        const QString& currentRating, QWidget* parent = nullptr);
    ~BetterChoicesDialog() override;

    // The line picked; nullptr before one is picked.
    const WindowChoice* Picked() const;
    // The window that the line picked makes of the current one (RequestOfChoice).
    std::optional<WindowRequest> PickedWindow() const;

private:
    // Lists the choices of the scope; "This system" without any shows every system's at once.
    void List(bool allSystems);

    ProductTables tables_;
    WindowRequest window_;
    QString rating_;
    QString systemName_;
    QLabel* why_ = nullptr;
    QRadioButton* thisSystem_ = nullptr;
    QRadioButton* allSystems_ = nullptr;
    QLabel* caption_ = nullptr;
    ChoicesTable* model_ = nullptr;
    QTableView* list_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

// What the main window's status text ends with: "Better Choices (<key>)" when a window of any
// system rates better than the window (rated as currentRating, "" when it has no rating),
// "best possible" when none does; empty when neither applies (nothing is rated) or the
// window's system is not in the tables.
QString BetterChoicesHint(const ProductTables& tables, const WindowRequest& window,
                          const QString& currentRating, const QString& key);
