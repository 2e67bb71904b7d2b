// The main window's event wiring: every control's event connected to its named handler, run at
// the edge of the event loop so that a program error is shown and the program goes on.
#include <QComboBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSessionManager>
#include <QTabBar>
#include <QTextDocument>

#include "app/error_box.h"
#include "app/twer.h"
#include "widgets/draw_grid.h"
#include "widgets/owner_draw_combo.h"
#include "widgets/table_memo.h"

void TWER::Guarded(const std::function<void()>& handler) {
    RunGuarded(this, handler);
}

void TWER::ProfileChosen(QComboBox* selector) {
    ComboBox1Change(selector);
    RememberSelection();
}

void TWER::ConnectEvents() {
    auto* systemSelector = static_cast<OwnerDrawComboBox*>(ComboBox5);
    systemSelector->setDrawItemHandler(
        [this](QObject* sender, int index, const QRect& rect, bool selected, Canvas& canvas) {
            ComboBox5DrawItem(sender, index, rect, selected, canvas);
        });
    connect(ComboBox5, &QComboBox::activated, this, [this] {
        Guarded([this] {
            ButtonRefreshSystem(ComboBox5);
            RememberSelection();
        });
    });
    for (QComboBox* profile : {ComboBox1, ComboBox2, ComboBox3}) {
        static_cast<OwnerDrawComboBox*>(profile)->setDrawItemHandler(
            [this](QObject* sender, int index, const QRect& rect, bool selected, Canvas& canvas) {
                ComboBoxProfileDrawItem(sender, index, rect, selected, canvas);
            });
        connect(profile, &QComboBox::activated, this,
                [this, profile] { Guarded([this, profile] { ProfileChosen(profile); }); });
    }
    for (QRadioButton* type : {RadioButton1, RadioButton2}) {
        connect(type, &QRadioButton::clicked, this, [this, type] {
            Guarded([this, type] {
                Button12Click(type);
                RememberBuildingType();
            });
        });
    }
    connect(Button12, &QPushButton::clicked, this,
            [this] { Guarded([this] { Button12Click(Button12); }); });
    DrawGrid1->SetDrawCellHandler(
        [this](QObject* sender, int col, int row, const QRect& rect, bool selected,
               Canvas& canvas) { DrawGrid1DrawCell(sender, col, row, rect, selected, canvas); });
    // The tables that the data files fill before the window first shows need no recalculation
    // of their own: showing the window runs the whole chain once over them.
    connect(weightsTable_, &TableText::Changed, this, [this] {
        if (shown_) {
            Guarded([this] { Button12Click(Memo1); });
        }
    });
    connect(systemTable_, &TableText::Changed, this, [this] {
        if (shown_) {
            Guarded([this] { ButtonRefreshSystem(MemoSystem); });
        }
    });
    // After the window's own handlers: the schedule window rates again from what they left.
    for (TableText* table : {weightsTable_, systemTable_, productTable_, breTable_}) {
        connect(table, &TableText::Changed, this, &TWER::TablesChanged);
    }
    connect(Button1, &QPushButton::clicked, this,
            [this] { Guarded([this] { Button1Click(Button1); }); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { Guarded([this] { Button2Click(Button2); }); });
    for (QPushButton* check : {ButtonCheckWeights, ButtonCheckSystem}) {
        connect(check, &QPushButton::clicked, this,
                [this, check] { Guarded([this, check] { ButtonCheckClick(check); }); });
    }
    for (QPlainTextEdit* table : {Memo1, MemoSystem}) {
        connect(table->document(), &QTextDocument::modificationChanged, this,
                [this] { ShowUnsavedMarks(); });
        // An answer to the leaving question covers the tables as they were then.
        connect(table, &QPlainTextEdit::textChanged, this, [this] { ForgetLeavingAnswer(); });
    }
    // The session manager waits for the answer, so the question is asked inside the signal.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &TWER::CommitSessionData,
            Qt::DirectConnection);
    for (QPlainTextEdit* memo : {MemoSim, MemoPro, MemoDate}) {
        connect(memo, &QPlainTextEdit::textChanged, this,
                [this, memo] { Guarded([this, memo] { RefreshPreview(memo); }); });
        connect(memo, &QPlainTextEdit::textChanged, this,
                [this, memo] { MarkTooLongForCertificate(memo); });
    }
    connect(ButtonPrint, &QPushButton::clicked, this,
            [this] { Guarded([this] { ButtonPrintClick(ButtonPrint); }); });
    connect(ButtonExport, &QPushButton::clicked, this,
            [this] { Guarded([this] { Export1Click(ButtonExport); }); });
    ScrollBox2->installEventFilter(this);
    connect(TabSet1, &QTabBar::currentChanged, this,
            [this](int index) { Guarded([this, index] { TabSet1Change(TabSet1, index); }); });
}
