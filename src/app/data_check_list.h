// The data check's findings in a window beside the main window, which stays usable: one finding
// a row, as "GGWeights.Dat:34: text". A double-click or Enter on a row asks for its line to be
// shown (FindingChosen), which the main window does on its data page.
#pragma once

#include <QDialog>

#include <vector>

#include "data/data_check.h"

class QLabel;
class QListWidget;

class DataCheckList : public QDialog {
    Q_OBJECT
public:
    explicit DataCheckList(QWidget* parent);
    // Shows these findings under the summary, the first row current.
    void ShowFindings(const QString& summary, const std::vector<DataFinding>& findings);
    QListWidget* List() const { return list_; }

signals:
    void FindingChosen(const QString& fileName, int line);

private:
    QLabel* summary_;
    QListWidget* list_;
    std::vector<DataFinding> findings_;
};
