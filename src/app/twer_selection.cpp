// The main window's start-up, data files and selection of system and profiles.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSettings>
#include <QShowEvent>
#include <QTabBar>
#include <QTextDocument>

#include "about/form_abt.h"
#include "app/draw_grid.h"
#include "app/error_box.h"
#include "app/owner_draw_combo.h"
#include "app/twer.h"
#include "app/widgets.h"
#include "data/data_files.h"
#include "data/data_folder.h"
#include "data/system_catalogue.h"
#include "data/table_text.h"

void TWER::Guarded(const std::function<void()>& handler) {
    RunGuarded(this, handler);
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
        connect(profile, &QComboBox::activated, this, [this, profile] {
            Guarded([this, profile] {
                ComboBox1Change(profile);
                RememberSelection();
            });
        });
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
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
        if (shown_) {
            Guarded([this] { Button12Click(Memo1); });
        }
    });
    connect(MemoSystem, &QPlainTextEdit::textChanged, this, [this] {
        if (shown_) {
            Guarded([this] { ButtonRefreshSystem(MemoSystem); });
        }
    });
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
    }
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

void TWER::LoadDataFiles() {
    // Replacing a table's text raises its change handler, as an edit would.
    const QString weightsPath =
        DataFilePath(env_.programFolder, kWeightsFileName, DataFileUse::Read);
    if (DataFileExists(weightsPath)) {
        Memo1->setPlainText(ReadTableFile(weightsPath));
    }
    const QString systemPath = DataFilePath(env_.programFolder, kSystemFileName, DataFileUse::Read);
    if (DataFileExists(systemPath)) {
        MemoSystem->setPlainText(ReadTableFile(systemPath));
    }
}

void TWER::SaveTable(QPlainTextEdit* memo, const QString& fileName) {
    WriteTableFile(DataFilePath(env_.programFolder, fileName, DataFileUse::Save), MemoText(memo));
}

void TWER::Button1Click(QObject*) {
    SaveTable(Memo1, kWeightsFileName);
    Memo1->document()->setModified(false);
    ShowDataCheck(false);
}

void TWER::Button2Click(QObject*) {
    SaveTable(MemoSystem, kSystemFileName);
    MemoSystem->document()->setModified(false);
    ShowDataCheck(false);
}

void TWER::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_ && !event->spontaneous()) {
        shown_ = true;
        Guarded([this] { FormShow(this); });
    }
}

void TWER::FormShow(QObject* sender) {
    if (formAbt_ != nullptr) {
        formAbt_->SetBorderless();
        formAbt_->StartSplash();
    }
    ButtonSystem(sender);
    ComboBox5->setCurrentIndex(ComboBox5->count() > 0 ? 0 : -1);
    ApplyRememberedSystem(sender);
    ButtonRefreshSystem(sender);
    ApplyRememberedProfiles(sender);
    for (int i = 0; i < PageControl1->PageCount(); ++i) {
        PageControl1->SetTabVisible(i, false);
    }
    for (int i = 0; i < PageControl2->PageCount(); ++i) {
        PageControl2->SetTabVisible(i, false);
    }
    PageControl1->SetActivePage(TabSheet9);
    PageControl2->SetActivePage(TabSheet7);
    for (QPlainTextEdit* memo : {MemoSim, MemoPro, MemoDate}) {
        MarkTooLongForCertificate(memo);
    }
}

void TWER::ButtonSystem(QObject*) {
    ComboBox5->clear();
    const bool variants = VariantSystemsOffered(MemoText(Memo3));
    ComboBox5->addItems(SystemSelectorEntries(LinesOfText(MemoText(MemoSystem)), variants));
}

void TWER::ButtonRefreshSystem(QObject* sender) {
    const QStringList catalogue = LinesOfText(MemoText(MemoSystem));
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
    Button12Click(sender);
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
