#include "app/start_check.h"

#include <QThread>

#include "data/table_fields.h"

StartCheck::StartCheck(QObject* parent) : QObject(parent) {}

StartCheck::~StartCheck() {
    if (thread_ != nullptr) {
        thread_->wait();
        delete thread_;
    }
}

void StartCheck::Run(const QString& weightsText, const QString& catalogueText,
                     const TableCuts& cuts) {
    if (thread_ != nullptr) {
        return;  // once, at start
    }
    thread_ = QThread::create([this, weightsText, catalogueText, cuts] {
        findings_ = static_cast<int>(
            CheckDataTables(LinesOfText(weightsText), LinesOfText(catalogueText), cuts).size());
    });
    // finished is delivered on this object's thread, after the check's last write.
    connect(thread_, &QThread::finished, this, [this] { emit Counted(findings_); });
    thread_->start(QThread::LowPriority);
}

QString StartCheck::NoteOf(int findings) {
    if (findings <= 0) {
        return {};
    }
    return QStringLiteral("%1 %2 in the tables: Ctrl+F11, then Check")
        .arg(findings)
        .arg(findings == 1 ? QStringLiteral("finding") : QStringLiteral("findings"));
}
