// The schedule window's layout, its commands on rows and its part in closing and leaving.
#include "app/schedule_window.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <set>

#include "app/error_box.h"
#include "app/schedule_delegate.h"
#include "app/schedule_output_commands.h"
#include "app/twer.h"
#include "schedule/schedule.h"
#include "schedule/schedule_model.h"
#include "widgets/command_keys.h"
#include "widgets/cut_text_mark.h"

namespace {
// Report fields keep their own undo out of the way of the schedule's: Ctrl+Z undoes the last
// edit of the schedule wherever the focus is.
bool IsUndoOrRedo(const QKeyEvent* key) {
    const QKeySequence pressed(key->keyCombination());
    return pressed == QKeySequence(Qt::CTRL | Qt::Key_Z) ||
           pressed == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) ||
           pressed == QKeySequence(Qt::CTRL | Qt::Key_Y);
}

// A column is made no wider than this many characters; its tooltip and resizing show the rest.
constexpr int kWidestColumnChars = 48;

// The commands on rows: a button above the table and an item of the Edit menu each.
struct RowCommand {
    const char* button;
    const char* action;
    const char* caption;
    QKeyCombination key;
    void (*run)(ScheduleWindow&);
};
const RowCommand kRowCommands[] = {
    {"AddCurrentWindowButton", "ScheduleAddCurrent", "&Add Current Window",
     Qt::CTRL | Qt::SHIFT | Qt::Key_A, [](ScheduleWindow& w) { w.AddCurrentWindowClick(); }},
    {"DuplicateButton", "ScheduleDuplicate", "D&uplicate", Qt::CTRL | Qt::Key_D,
     [](ScheduleWindow& w) { w.DuplicateClick(); }},
    {"RemoveButton", "ScheduleRemove", "&Remove", Qt::CTRL | Qt::Key_Delete,
     [](ScheduleWindow& w) { w.RemoveClick(); }},
    // Alt+Up and Alt+Down stay a cell's: they open and close its list.
    {"MoveUpButton", "ScheduleMoveUp", "Move U&p", Qt::CTRL | Qt::SHIFT | Qt::Key_Up,
     [](ScheduleWindow& w) { w.MoveClick(-1); }},
    {"MoveDownButton", "ScheduleMoveDown", "Move Do&wn", Qt::CTRL | Qt::SHIFT | Qt::Key_Down,
     [](ScheduleWindow& w) { w.MoveClick(1); }},
};

template <typename T>
T* Named(T* object, const char* name) {
    object->setObjectName(QLatin1String(name));
    return object;
}

// A field's caption: the field is its buddy, and a screen reader names it by the caption.
QLabel* Caption(const char* text, QWidget* field) {
    auto* label = new QLabel(QLatin1String(text), field->parentWidget());
    label->setBuddy(field);
    field->setAccessibleName(label->text().chopped(1));  // without the colon
    return label;
}
}  // namespace

ScheduleWindow::ScheduleWindow(TWER* mainWindow)
    : QMainWindow(mainWindow), main_(mainWindow), model_(new ScheduleModel(this)) {
    setObjectName(QStringLiteral("ScheduleWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    BuildLayout();
    BuildMenus();
    new ScheduleOutputCommands(this);

    // Edits of the main window's tables come keystroke by keystroke: the rows are rated again
    // once the events in hand are done, not at every one of them.
    rerate_ = new QTimer(this);
    rerate_->setSingleShot(true);
    rerate_->setInterval(0);
    connect(main_, &TWER::TablesChanged, rerate_, qOverload<>(&QTimer::start));
    connect(rerate_, &QTimer::timeout, this,
            [this] { Guarded([this] { model_->SetTables(main_->CurrentTables()); }); });
    model_->SetTables(main_->CurrentTables());

    QUndoStack* undo = model_->UndoStack();
    connect(undo, &QUndoStack::cleanChanged, this, [this] { ShowState(); });
    connect(undo, &QUndoStack::indexChanged, this, [this] {
        // An answer to the leaving question covers the schedule as it was then.
        leavingAnswered_ = false;
        main_->ForgetLeavingAnswer();
        ShowState();
    });
    connect(model_, &ScheduleModel::ReportChanged, this, [this] { ShowReport(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { ShowState(); });
    NewClick();
    RestoreFrame();
}

ScheduleWindow::~ScheduleWindow() = default;

const Schedule& ScheduleWindow::CurrentSchedule() const {
    return model_->CurrentSchedule();
}

const QList<ScheduleRowRating>& ScheduleWindow::Ratings() const {
    return model_->Ratings();
}

const ProductTables& ScheduleWindow::Tables() const {
    return model_->Tables();
}

void ScheduleWindow::BuildLayout() {
    auto* centre = new QWidget(this);
    auto* column = new QVBoxLayout(centre);

    auto* report = new QGridLayout;
    company_ = Named(new QPlainTextEdit(centre), "ScheduleCompany");
    company_->setTabChangesFocus(true);
    company_->setUndoRedoEnabled(false);
    company_->setFixedHeight(company_->fontMetrics().lineSpacing() * 3 + 8);
    project_ = Named(new QLineEdit(centre), "ScheduleProject");
    date_ = Named(new QLineEdit(centre), "ScheduleDate");
    report->addWidget(Caption("Company:", company_), 0, 0, Qt::AlignTop);
    report->addWidget(company_, 0, 1, 2, 1);
    report->addWidget(Caption("Project:", project_), 0, 2);
    report->addWidget(project_, 0, 3);
    report->addWidget(Caption("Date:", date_), 1, 2);
    report->addWidget(date_, 1, 3);
    report->setColumnStretch(1, 1);
    report->setColumnStretch(3, 1);
    column->addLayout(report);
    for (QWidget* field : {static_cast<QWidget*>(company_), static_cast<QWidget*>(project_),
                           static_cast<QWidget*>(date_)}) {
        field->installEventFilter(this);
    }
    // A field shows the whole of a cell the schedule may hold, never cut by the widget.
    project_->setMaxLength(int(kLongestScheduleCell));
    date_->setMaxLength(int(kLongestScheduleCell));
    connect(company_, &QPlainTextEdit::textChanged, this,
            [this] { ReportFieldChanged(ScheduleField::Company); });
    connect(project_, &QLineEdit::textChanged, this,
            [this] { ReportFieldChanged(ScheduleField::Project); });
    connect(date_, &QLineEdit::textChanged, this,
            [this] { ReportFieldChanged(ScheduleField::Date); });
    // Marked as the report view's fields are, for the certificates of the rows that take them.
    connect(company_, &QPlainTextEdit::textChanged, this,
            [this] { MarkCutText(company_, company_->toPlainText()); });
    for (QLineEdit* field : {project_, date_}) {
        connect(field, &QLineEdit::textChanged, this,
                [field](const QString& text) { MarkCutText(field, text); });
    }

    buttons_ = new QHBoxLayout;
    for (const RowCommand& command : kRowCommands) {
        auto* button =
            Named(new QPushButton(QLatin1String(command.caption), centre), command.button);
        connect(button, &QPushButton::clicked, this,
                [this, run = command.run] { Guarded([this, run] { run(*this); }); });
        buttons_->addWidget(button);
        ++buttonCount_;
    }
    buttons_->addStretch(1);
    column->addLayout(buttons_);

    view_ = Named(new QTableView(centre), "ScheduleView");
    view_->setAccessibleName(QStringLiteral("Window types"));
    view_->setModel(model_);
    view_->setItemDelegate(new ScheduleChoiceDelegate(view_));
    view_->setSelectionBehavior(QAbstractItemView::SelectItems);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    view_->horizontalHeader()->setStretchLastSection(false);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 8);
    column->addWidget(view_, 1);
    setCentralWidget(centre);
    statusBar()->setObjectName(QStringLiteral("ScheduleStatus"));
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] { ShowState(); });
    connect(model_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                // The first rows of an empty schedule size the columns to their texts.
                if (first == 0 && last + 1 == model_->rowCount()) {
                    FitColumns();
                }
                ShowState();
            });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] { ShowState(); });
}

void ScheduleWindow::BuildMenus() {
    auto add = [this](QMenu* menu, const char* name, const char* caption,
                      const QList<QKeySequence>& keys, std::function<void()> command) {
        QAction* action = Named(menu->addAction(QLatin1String(caption)), name);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, command] { Guarded(command); });
        return action;
    };
    fileMenu_ = Named(menuBar()->addMenu(QStringLiteral("&File")), "ScheduleFile");
    add(fileMenu_, "ScheduleNew", "&New", {QKeySequence(Qt::CTRL | Qt::Key_N)},
        [this] { NewClick(); });
    add(fileMenu_, "ScheduleOpen", "&Open...", {QKeySequence(Qt::CTRL | Qt::Key_O)},
        [this] { OpenClick(); });
    add(fileMenu_, "ScheduleImport", "&Import Rows...", {QKeySequence(Qt::CTRL | Qt::Key_I)},
        [this] { ImportClick(); });
    add(fileMenu_, "ScheduleSave", "&Save", {QKeySequence(Qt::CTRL | Qt::Key_S)},
        [this] { SaveClick(); });
    add(fileMenu_, "ScheduleSaveAs", "Save &As...",
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, [this] { SaveAsClick(); });
    fileMenu_->addSeparator();
    add(fileMenu_, "ScheduleClose", "&Close", {QKeySequence(Qt::CTRL | Qt::Key_W)},
        [this] { close(); });

    QMenu* edit = Named(menuBar()->addMenu(QStringLiteral("&Edit")), "ScheduleEdit");
    QUndoStack* undo = model_->UndoStack();
    QAction* undoAction = add(edit, "ScheduleUndo", "&Undo", {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                              [undo] { undo->undo(); });
    QAction* redoAction =
        add(edit, "ScheduleRedo", "&Redo",
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
            [undo] { undo->redo(); });
    connect(undo, &QUndoStack::canUndoChanged, undoAction, &QAction::setEnabled);
    connect(undo, &QUndoStack::canRedoChanged, redoAction, &QAction::setEnabled);
    undoAction->setEnabled(false);
    redoAction->setEnabled(false);
    edit->addSeparator();
    add(edit, "SchedulePaste", "&Paste Rows", {QKeySequence(Qt::CTRL | Qt::Key_V)},
        [this] { PasteClick(); });
    edit->addSeparator();
    for (const RowCommand& command : kRowCommands) {
        add(edit, command.action, command.caption, {QKeySequence(command.key)},
            [this, run = command.run] { run(*this); });
    }
    AddBetterChoices(edit);
    GiveCommandKeysPrecedence(this);
}

void ScheduleWindow::AddButton(QAbstractButton* button) {
    buttons_->insertWidget(buttonCount_++, button);
}

void ScheduleWindow::Guarded(const std::function<void()>& command) {
    RunGuarded(this, command);
}

QList<int> ScheduleWindow::SelectedRows() const {
    std::set<int> rows;  // a selected cell of every column of many rows: each row once
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes()) {
        rows.insert(index.row());
    }
    if (rows.empty() && view_->currentIndex().isValid()) {
        rows.insert(view_->currentIndex().row());
    }
    return QList<int>(rows.begin(), rows.end());
}

void ScheduleWindow::AddCurrentWindowClick() {
    model_->AddWindow(main_->CurrentWindowRequest());
    view_->setCurrentIndex(model_->index(model_->rowCount() - 1, ScheduleModel::RefColumn));
}

void ScheduleWindow::DuplicateClick() {
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty()) {
        return;
    }
    model_->DuplicateRow(rows.last());
    view_->setCurrentIndex(model_->index(rows.last() + 1, view_->currentIndex().column()));
}

void ScheduleWindow::RemoveClick() {
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty()) {
        return;
    }
    // One step for the whole selection, from the bottom so that the rows above keep their place.
    QUndoStack* undo = model_->UndoStack();
    undo->beginMacro(QStringLiteral("Remove %1 row(s)").arg(rows.size()));
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        model_->RemoveRows(*it, 1);
    }
    undo->endMacro();
}

void ScheduleWindow::MoveClick(int delta) {
    const QModelIndex current = view_->currentIndex();
    const int to = current.row() + delta;
    if (!current.isValid() || to < 0 || to >= model_->rowCount()) {
        return;
    }
    model_->MoveRow(current.row(), to);
    view_->setCurrentIndex(model_->index(to, current.column()));
}

void ScheduleWindow::PasteClick() {
    if (!model_->PasteRows(QGuiApplication::clipboard()->text())) {
        statusBar()->showMessage(QStringLiteral("The clipboard holds no rows to add."), 5000);
    }
}

void ScheduleWindow::FitColumns() {
    view_->resizeColumnsToContents();
    QHeaderView* header = view_->horizontalHeader();
    const int widest = header->fontMetrics().averageCharWidth() * kWidestColumnChars;
    for (int column = 0; column < header->count(); ++column) {
        header->resizeSection(column, std::min(header->sectionSize(column), widest));
    }
}

QString ScheduleWindow::ReportFieldText(ScheduleField field) const {
    switch (field) {
        case ScheduleField::Company:
            // The text as typed: no-break spaces kept, paragraphs as line breaks.
            return company_->document()->toRawText().replace(QChar::ParagraphSeparator,
                                                             QLatin1Char('\n'));
        case ScheduleField::Project:
            return project_->text();
        default:
            return date_->text();
    }
}

void ScheduleWindow::ShowReport() {
    const ScheduleReport& report = model_->CurrentSchedule().report;
    const std::pair<ScheduleField, const QString*> fields[] = {
        {ScheduleField::Company, &report.company},
        {ScheduleField::Project, &report.project},
        {ScheduleField::Date, &report.date}};
    for (const auto& [field, cell] : fields) {
        // A company's lines one a line; project and date as they are.
        const QString shown =
            field == ScheduleField::Company ? ReportLinesOfCell(field, *cell) : *cell;
        // Only a text that differs is set, so that typing keeps its cursor.
        if (ReportFieldText(field) != shown) {
            showingReport_ = true;
            if (field == ScheduleField::Company) {
                company_->setPlainText(shown);
            } else {
                (field == ScheduleField::Project ? project_ : date_)->setText(shown);
            }
            showingReport_ = false;
        }
        shownReport_[int(field) - int(ScheduleField::Company)] = ReportFieldText(field);
    }
}

void ScheduleWindow::ReportFieldChanged(ScheduleField field) {
    const QString text = ReportFieldText(field);
    // Showing the schedule's text is no edit: the cell stays exactly as it was read.
    if (showingReport_ || text == shownReport_[int(field) - int(ScheduleField::Company)]) {
        return;
    }
    model_->SetReportText(field, field == ScheduleField::Company ? CellOfCompanyLines(text) : text);
}

void ScheduleWindow::ShowState() {
    const QString name = path_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path_).fileName();
    setWindowTitle(QStringLiteral("Window Schedule - %1[*]").arg(name));
    setWindowModified(!model_->UndoStack()->isClean());
    int notRated = 0;
    for (const ScheduleRowRating& rating : model_->Ratings()) {
        notRated += rating.Rated() ? 0 : 1;
    }
    statusBar()->showMessage(
        QStringLiteral("%1 window type(s), %2 not rated").arg(model_->rowCount()).arg(notRated));
}

bool ScheduleWindow::ConfirmLeaving() {
    if (!leavingAnswered_ && !ConfirmUnsavedChanges()) {
        return false;
    }
    leavingAnswered_ = true;
    RememberFrame();
    return true;
}

void ScheduleWindow::closeEvent(QCloseEvent* event) {
    if (!ConfirmLeaving()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool ScheduleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && IsUndoOrRedo(static_cast<QKeyEvent*>(event))) {
        // Not taken by the field: the window's Undo and Redo get the keys.
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
