// The data check of the tables as read at start, on a thread of its own: a long weights table
// takes a second or more to check, and the window neither waits for it to show nor stops
// answering. Its only outcome is the count of findings, said once in the status text.
#pragma once

#include <QObject>
#include <QString>

#include "data/data_check.h"

class QThread;

class StartCheck : public QObject {
    Q_OBJECT
public:
    explicit StartCheck(QObject* parent);
    // Waits for a check still running: its thread must not outlive the window.
    ~StartCheck() override;

    // Checks the tables' texts (copies: the window's tables may change meanwhile); Counted is
    // emitted on the window's thread when done.
    void Run(const QString& weightsText, const QString& catalogueText, const TableCuts& cuts);

    // "3 findings in the tables: Ctrl+F11, then Check"; empty for none.
    static QString NoteOf(int findings);

signals:
    void Counted(int findings);

private:
    QThread* thread_ = nullptr;
    int findings_ = 0;
};
