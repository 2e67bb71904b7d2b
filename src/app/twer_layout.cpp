// The main window's layout: every control with its name, place, caption and properties, and
// the binding of each control's events to its handler.
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/data_sharing.h"
#include "app/main_window_names.h"
#include "app/schedule_link.h"
#include "app/settings_store.h"
#include "app/table_files.h"
#include "app/twer.h"
#include "app/window_placement.h"
#include "data/builtin_tables.h"
#include "data/data_files.h"
#include "data/picture_store.h"
#include "data/shared_folder.h"
#include "platform/pictures.h"
#include "rating/grid_cells.h"
#include "widgets/draw_grid.h"
#include "widgets/line_number_editor.h"
#include "widgets/owner_draw_combo.h"
#include "widgets/status_line.h"
#include "widgets/table_memo.h"
#include "widgets/widgets.h"

namespace {

// The data pages' button that runs the data check, below their "Save" buttons.
const QString kCheckCaption = QStringLiteral("&Check");

template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int x, int y) {
    auto* label = Named(new QLabel(caption, parent), name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

// A memo of the layout: no word wrap, and like every memo of the form toolkit it does not take
// Tab, which moves the focus on.
template <typename Memo = QPlainTextEdit>
Memo* MakeMemo(QWidget* parent, const char* name) {
    auto* memo = Named(new Memo(parent), name);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    PassTabOn(memo);
    return memo;
}

// A scroll box of the layout: it scrolls, but is no Tab stop of its own.
QScrollArea* MakeScrollBox(QWidget* parent, const char* name) {
    auto* box = Named(new QScrollArea(parent), name);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QLineEdit* MakeWeightEdit(QWidget* parent, const char* name, int x, bool bold) {
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setGeometry(x, 8, 50, 19);
    edit->setReadOnly(true);
    edit->setFrame(false);
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Base, QColor(192, 192, 192));
    edit->setPalette(pal);
    QFont f = edit->font();
    f.setBold(bold);
    edit->setFont(f);
    edit->hide();
    return edit;
}

OwnerDrawComboBox* MakeSelector(QWidget* parent, const char* name, int x, int width) {
    auto* combo = Named(new OwnerDrawComboBox(parent), name);
    combo->setGeometry(x, 28, width, 36);
    combo->setItemHeight(30);
    combo->setMaxVisibleItems(20);
    return combo;
}

// A panel docked on the right of its parent's row layout.
QWidget* MakeRightPanel(QWidget* parent, const char* name, int width, Bevel bevel) {
    auto* panel = Named(MakePanel(parent, bevel), name);
    panel->setFixedWidth(width);
    return panel;
}

// The panel on the right of a data page, with the page's "Save" and "Check" buttons.
QWidget* MakeTableButtons(QWidget* page, const char* panelName, const char* saveName,
                          QPushButton** save, const char* checkName, QPushButton** check) {
    QWidget* panel = MakeRightPanel(page, panelName, 106, Bevel::None);
    *save = Named(new QPushButton(QStringLiteral("&Save"), panel), saveName);
    (*save)->setGeometry(16, 8, 75, 25);
    *check = Named(new QPushButton(kCheckCaption, panel), checkName);
    (*check)->setGeometry(16, 40, 75, 25);
    return panel;
}

QHBoxLayout* RowLayout(QWidget* parent) {
    auto* layout = new QHBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

QVBoxLayout* ColumnLayout(QWidget* parent) {
    auto* layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

}  // namespace

void TWER::BuildLayout() {
    setWindowTitle(QStringLiteral("BRE Green Guide"));
    setWindowIcon(ProgramIcon());
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* windowColumn = ColumnLayout(central);
    BuildBanner(central, windowColumn);

    // The two views.
    PageControl2 = Named(new PageControl(central), "PageControl2");
    windowColumn->addWidget(PageControl2, 1);
    TabSheet7 = Named(new QWidget, "TabSheet7");
    TabSheet8 = Named(new QWidget, "TabSheet8");
    PageControl2->AddPage(TabSheet7, QStringLiteral("TabSheet7"));
    PageControl2->AddPage(TabSheet8, QStringLiteral("TabSheet8"));

    // Main page: selection and grid on the left, specification sheet on the right.
    auto* mainRow = RowLayout(TabSheet7);
    Panel3 = Named(MakePanel(TabSheet7, Bevel::Raised), "Panel3");
    Panel1 = MakeRightPanel(TabSheet7, "Panel1", 440, Bevel::Raised);
    mainRow->addWidget(Panel3, 1);
    mainRow->addWidget(Panel1);
    auto* leftColumn = ColumnLayout(Panel3);
    BuildSelection(leftColumn, windowFont);
    BuildDataPages(leftColumn);
    BuildSheet();
    BuildReportPage();
    BuildTabSet(central, windowColumn);
}

void TWER::BuildBanner(QWidget* central, QVBoxLayout* windowColumn) {
    Panel15 = Named(MakePanel(central, Bevel::None), "Panel15");
    Panel15->setFixedHeight(25);
    windowColumn->addWidget(Panel15);
    auto* bannerLayout = ColumnLayout(Panel15);
    Image11 = Named(new ImageWidget(Panel15), "Image11");
    Image11->SetPicture(BannerBackground());
    Image11->SetStretch(true);
    bannerLayout->addWidget(Image11);
    Label8 = MakeLabel(Panel15, "Label8", QStringLiteral("WER"), 12, 8);
    QFont werFont = Label8->font();
    werFont.setPixelSize(13);
    Label8->setFont(werFont);
    Label8->adjustSize();
    Image12 = Named(new ImageWidget(Panel15), "Image12");
    Image12->setGeometry(4, 4, 48, 20);
    Image12->SetPicture(SmallLogo(Image12->devicePixelRatio()));
    Label9 = MakeLabel(Panel15, "Label9", QStringLiteral("BRE Green Guide Rating"), 60, 6);
    QFont bannerFont = Label9->font();
    bannerFont.setBold(true);
    Label9->setFont(bannerFont);
    Label9->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    Label9->adjustSize();
    Label8->raise();
    Image12->raise();
    Label9->raise();
}

// The window's selection: system, profiles and building type, with their weights.
void TWER::BuildSelection(QVBoxLayout* leftColumn, const QFont& windowFont) {
    ScrollBox3 = MakeScrollBox(Panel3, "ScrollBox3");
    ScrollBox3->setFixedHeight(120);
    ScrollBox3->setFrameShape(QFrame::NoFrame);
    ScrollBox3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    leftColumn->addWidget(ScrollBox3);
    Panel2 = Named(MakePanel(nullptr, Bevel::None), "Panel2");
    Panel2->setFixedSize(585, 105);
    ScrollBox3->setWidget(Panel2);

    Label5 = MakeLabel(Panel2, "Label5", QStringLiteral("Window Specification"), 12, 12);
    QFont boldFont = windowFont;
    boldFont.setBold(true);
    Label5->setFont(boldFont);
    Label5->setStyleSheet(QStringLiteral("color: black;"));
    Label5->adjustSize();
    auto* systemSelector = MakeSelector(Panel2, "ComboBox5", 12, 213);
    systemSelector->setFont(boldFont);
    ComboBox5 = systemSelector;
    for (int i = 0; i < 5; ++i) {
        ComboBox5->addItem(QStringLiteral("ComboBox5 item %1").arg(i + 1));
    }
    ComboBox5->setCurrentIndex(-1);
    Label15 = MakeLabel(Panel2, "Label15", QStringLiteral("Outer Frame"), 232, 12);
    ComboBox1 = MakeSelector(Panel2, "ComboBox1", 232, 113);
    Label12 = MakeLabel(Panel2, "Label12", QStringLiteral("Vent Frame"), 348, 12);
    ComboBox2 = MakeSelector(Panel2, "ComboBox2", 348, 113);
    Label10 = MakeLabel(Panel2, "Label10", QStringLiteral("Transom Mullion"), 464, 12);
    ComboBox3 = MakeSelector(Panel2, "ComboBox3", 464, 113);
    for (QComboBox* profile : {ComboBox1, ComboBox2, ComboBox3}) {
        profile->addItem(profile->objectName());
        profile->setCurrentIndex(-1);
    }
    EditOA = MakeWeightEdit(Panel2, "EditOA", 170, true);
    EditOF = MakeWeightEdit(Panel2, "EditOF", 292, false);
    EditVF = MakeWeightEdit(Panel2, "EditVF", 408, false);
    EditTM = MakeWeightEdit(Panel2, "EditTM", 524, false);
    RadioButton1 = Named(new QRadioButton(QStringLiteral("Commercial"), Panel2), "RadioButton1");
    RadioButton1->setGeometry(32, 72, 113, 17);
    RadioButton1->setChecked(true);
    RadioButton2 = Named(new QRadioButton(QStringLiteral("Domestic"), Panel2), "RadioButton2");
    RadioButton2->setGeometry(32, 88, 113, 17);
}

// The data pages below the selection: the ratings grid, the two saved tables and the BRE
// ratings table.
void TWER::BuildDataPages(QVBoxLayout* leftColumn) {
    PageControl1 = Named(new PageControl(Panel3), "PageControl1");
    leftColumn->addWidget(PageControl1, 1);
    TabSheet9 = Named(new QWidget, "TabSheet9");
    TabSheet2 = Named(new QWidget, "TabSheet2");
    TabSheet5 = Named(new QWidget, "TabSheet5");
    TabSheet6 = Named(new QWidget, "TabSheet6");
    PageControl1->AddPage(TabSheet9, QStringLiteral("Green Guide"));
    PageControl1->AddPage(TabSheet2, QStringLiteral("Frame Weights"));
    PageControl1->AddPage(TabSheet5, QStringLiteral("System Data"));
    PageControl1->AddPage(TabSheet6, QStringLiteral("BRE Ratings"));

    auto* guideColumn = ColumnLayout(TabSheet9);
    Panel9 = Named(MakePanel(TabSheet9, Bevel::None), "Panel9");
    Panel9->setFixedHeight(17);
    guideColumn->addWidget(Panel9);
    Label2 =
        MakeLabel(Panel9, "Label2", QStringLiteral("BRE Green Guide Environmental Profile:"), 8, 0);
    Button12 = Named(new QPushButton(QStringLiteral("Button12"), Panel9), "Button12");
    Button12->setGeometry(456, 0, 75, 25);
    Button12->hide();
    Edit1 = Named(new QLineEdit(QStringLiteral("Edit1"), Panel9), "Edit1");
    Edit1->setGeometry(320, 24, 121, 21);
    Edit1->hide();
    Panel11 = Named(MakePanel(TabSheet9, Bevel::None), "Panel11");
    guideColumn->addWidget(Panel11, 1);
    DrawGrid1 = Named(new DrawGrid(Panel11), "DrawGrid1");
    DrawGrid1->SetColumnWidths({kGridColumnWidths[0], kGridColumnWidths[1]});
    DrawGrid1->SetDefaultRowHeight(kGridDefaultRowHeight);
    ColumnLayout(Panel11)->addWidget(DrawGrid1);

    auto* weightsRow = RowLayout(TabSheet2);
    Memo1 = MakeMemo<LineNumberEditor>(TabSheet2, "Memo1");
    weightsTable_ = new TableText(Memo1, BuiltInWeightsTable());
    Panel4 = MakeTableButtons(TabSheet2, "Panel4", "Button1", &Button1, "ButtonCheckWeights",
                              &ButtonCheckWeights);
    weightsRow->addWidget(Memo1, 1);
    weightsRow->addWidget(Panel4);

    auto* systemRow = RowLayout(TabSheet5);
    MemoSystem = MakeMemo<LineNumberEditor>(TabSheet5, "MemoSystem");
    systemTable_ = new TableText(MemoSystem, BuiltInSystemCatalogue());
    Memo3 = MakeMemo(TabSheet5, "Memo3");
    Memo3->setFixedWidth(89);
    productTable_ = new TableText(Memo3, BuiltInProductList());
    Panel5 = MakeTableButtons(TabSheet5, "Panel5", "Button2", &Button2, "ButtonCheckSystem",
                              &ButtonCheckSystem);
    systemRow->addWidget(MemoSystem, 1);
    systemRow->addWidget(Memo3);
    systemRow->addWidget(Panel5);
    // The buttons for tables shared with colleagues, below Save and Check.
    DataSharing::Hooks hooks;
    hooks.chooseFolder = env_.chooseFolder ? env_.chooseFolder : ChooseFolderWithDialog;
    hooks.readTablesAgain = [this] { ReloadDataFiles(); };
    hooks.note = [this](const QString& note) { ShowDataFileNote(note); };
    hooks.guarded = [this](const std::function<void()>& handler) { Guarded(handler); };
    hooks.tables = [this] {
        return TablesToPublish{weightsTable_->PlainText(),
                               systemTable_->PlainText(),
                               {tableCuts_.value(Memo1), tableCuts_.value(MemoSystem)}};
    };
    hooks.showFindings = [this](const QString& summary, const std::vector<DataFinding>& findings) {
        ShowFindings(summary, findings);
    };
    hooks.sharedFolder = [this] { return tableFiles_->Folders().shared; };
    auto* sharing = new DataSharing(this, std::move(hooks));
    sharing->AddButtons(Panel4, 72, QStringLiteral("Weights"));
    sharing->AddButtons(Panel5, 72, QStringLiteral("System"));

    Memo2 = MakeMemo(TabSheet6, "Memo2");
    Memo2->setReadOnly(true);
    QPalette greyPalette = Memo2->palette();
    greyPalette.setColor(QPalette::Base, QColor(192, 192, 192));
    Memo2->setPalette(greyPalette);
    breTable_ = new TableText(Memo2, BuiltInBreRatingsTable());
    ColumnLayout(TabSheet6)->addWidget(Memo2);
    // As designed, the data pages' control opens on "System Data" until the window is shown.
    PageControl1->SetActivePage(TabSheet5);
}

void TWER::BuildSheet() {
    ScrollBox1 = MakeScrollBox(Panel1, "ScrollBox1");
    ColumnLayout(Panel1)->addWidget(ScrollBox1);
    auto* sheetArea = new QWidget;
    sheetArea->setAutoFillBackground(true);
    QPalette whitePalette = sheetArea->palette();
    whitePalette.setColor(QPalette::Window, Qt::white);
    sheetArea->setPalette(whitePalette);
    ScrollBox1->setPalette(whitePalette);
    ScrollBox1->setWidget(sheetArea);
    sheetArea->setFixedSize(417, 580);
    Image1 = Named(new ImageWidget(sheetArea), "Image1");
    Image1->setGeometry(0, 0, 417, 580);
    Image3 = Named(new ImageWidget(sheetArea), "Image3");
    Image3->setGeometry(16, 5, 312, 99);
    Image3->SetPicture(GreenGuideLogo(Image3->devicePixelRatio()));
}

// The report page: the certificate preview and the company, project and date fields.
void TWER::BuildReportPage() {
    auto* reportRow = RowLayout(TabSheet8);
    ScrollBox2 = MakeScrollBox(TabSheet8, "ScrollBox2");
    Panel8 = MakeRightPanel(TabSheet8, "Panel8", 134, Bevel::None);
    reportRow->addWidget(ScrollBox2, 1);
    reportRow->addWidget(Panel8);
    auto* previewArea = new QWidget;
    ScrollBox2->setWidget(previewArea);
    Image2 = Named(new ImageWidget(previewArea), "Image2");
    Image2->setGeometry(11, 11, 761, 3449);
    Label36 = MakeLabel(Panel8, "Label36", QStringLiteral("Company"), 8, 5);
    MemoSim = MakeMemo(Panel8, "MemoSim");
    MemoSim->setGeometry(8, 20, 113, 45);
    Label20 = MakeLabel(Panel8, "Label20", QStringLiteral("Project"), 8, 73);
    MemoPro = MakeMemo(Panel8, "MemoPro");
    MemoPro->setGeometry(8, 88, 113, 45);
    Label21 = MakeLabel(Panel8, "Label21", QStringLiteral("Date"), 10, 141);
    MemoDate = MakeMemo(Panel8, "MemoDate");
    MemoDate->setGeometry(8, 156, 113, 21);
    MemoDate->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoDate->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ButtonPrint = Named(new QPushButton(QStringLiteral("&Print"), Panel8), "ButtonPrint");
    ButtonPrint->setGeometry(56, 192, 75, 25);
    ButtonExport = Named(new QPushButton(QStringLiteral("&Export PDF"), Panel8), "ButtonExport");
    ButtonExport->setGeometry(56, 222, 75, 25);
    // As designed, the views' control opens on the report page until the window is shown.
    PageControl2->SetActivePage(TabSheet8);
}

// The tab set at the bottom, with the status text in its empty part.
void TWER::BuildTabSet(QWidget* central, QVBoxLayout* windowColumn) {
    TabSet1 = Named(new QTabBar(central), "TabSet1");
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setExpanding(false);
    TabSet1->setDrawBase(false);
    TabSet1->addTab(QStringLiteral("BRE Green Guide"));
    TabSet1->addTab(QStringLiteral("Report"));
    TabSet1->setCurrentIndex(0);
    TabSet1->setFixedHeight(21);
    KeepScrollArrowsOutOfTabChain(TabSet1);
    windowColumn->addWidget(TabSet1);

    // The status text lies in the tab set's empty part, so it never moves the layout.
    StatusText = Named(new StatusLine(TabSet1), "StatusText");
}
