// What the main window gives the schedule window: its tables, its selection and its report
// fields as they stand; File > Window Schedule... opens it through the link (ScheduleLink).
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextDocument>

#include "app/schedule_link.h"
#include "app/table_files.h"
#include "app/twer.h"
#include "data/product_tables.h"
#include "rating/rated_window.h"
#include "schedule/schedule.h"
#include "widgets/table_memo.h"
#include "widgets/widgets.h"

ProductTables TWER::CurrentTables() const {
    ProductTables tables = ProductTablesOf(weightsTable_->PlainText(), systemTable_->PlainText(),
                                           breTable_->PlainText(), productTable_->PlainText());
    tables.weightsSource = {tableFiles_->Source(kWeightsFileName).path,
                            Memo1->document()->isModified()};
    tables.catalogueSource = {tableFiles_->Source(kSystemFileName).path,
                              MemoSystem->document()->isModified()};
    return tables;
}

QString TWER::CurrentDataVersion() const {
    return DataVersionText(DataVersionOf(CurrentTables()));
}

WindowRequest TWER::CurrentWindowRequest() const {
    WindowRequest request;
    request.system = ComboBox5->currentText();
    request.outerFrame = ComboBox1->currentText();
    request.ventFrame = ComboBox2->currentText();
    request.transomMullion = ComboBox3->currentText();
    request.commercial = Commercial();
    return request;
}

ScheduleReport TWER::CurrentReportFields() const {
    return {MemoText(MemoSim), MemoText(MemoPro), MemoText(MemoDate)};
}

ScheduleWindow* TWER::OpenScheduleWindow() const {
    return scheduleLink_->Window();
}

void TWER::Schedule1Click(QObject*) {
    scheduleLink_->Open();
}
