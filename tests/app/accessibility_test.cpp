// The main window and the schedule window as a screen reader meets them, through Qt's
// accessibility interfaces: every control named, the selectors' values as shown, the ratings
// grid as a table, the pictures described, and the windows' keys from inside text fields.
#include <QAccessible>
#include <QAction>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableView>

#include <functional>
#include <set>

#include "app/schedule_window.h"
#include "schedule/schedule_model.h"
#include "test_support.h"
#include "widgets/widgets.h"
#include "window_fixture.h"

namespace {

QAccessibleInterface* Interface(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// Every interface below root that is not hidden, depth first.
void Walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child != nullptr && !child->state().invisible) {
            visit(child);
            Walk(child, visit);
        }
    }
}

// A name that is a control's internal identifier: "Button12", "TabSheet8", "Edit1", "ComboBox5
// item 1".
bool IsIdentifier(const QString& name) {
    static const QRegularExpression identifier(
        QStringLiteral("^([A-Z][a-z]+)+[0-9]+( item [0-9]+)?$"));
    return identifier.match(name).hasMatch();
}

// The names of a window's focusable controls; a control without a name, or named by an
// internal identifier, is a failure. A table's cells are named by their data, which may be
// empty.
std::set<QString> FocusableNames(QWidget* window) {
    std::set<QString> names;
    Walk(Interface(window), [&names](QAccessibleInterface* iface) {
        const QString name = iface->text(QAccessible::Name);
        EXPECT_FALSE(IsIdentifier(name)) << name.toStdString();
        if (!iface->state().focusable || iface->role() == QAccessible::PageTab ||
            iface->role() == QAccessible::Cell) {
            return;
        }
        QObject* object = iface->object();
        EXPECT_FALSE(name.isEmpty()) << (object ? object->objectName().toStdString() : "cell");
        names.insert(name);
    });
    return names;
}

}  // namespace

class Accessibility : public WindowTest {
protected:
    QString Value(const char* control) const {
        return Interface(Find<QWidget>(control))->text(QAccessible::Value);
    }
    QAccessibleTableInterface* GridTable() const { return Interface(Grid())->tableInterface(); }
    // Shows a data page as a click on its tab does.
    void DataPage(int index) {
        Find<PageControl>("PageControl1")->TabBar()->setCurrentIndex(index);
    }
    QString CellText(int row, int column) const {
        QAccessibleInterface* cell = GridTable()->cellAt(row, column);
        return cell != nullptr ? cell->text(QAccessible::Name) : QStringLiteral("(none)");
    }
};

TEST_F(Accessibility, EveryFocusableControlOfTheMainWindowIsNamedByItsCaption) {
    Start();
    const struct {
        const char* view;
        std::function<void()> show;
        std::set<QString> names;
    } views[] = {
        {"specification",
         [] {},
         {"Window Specification", "Outer Frame", "Vent Frame", "Transom Mullion", "Commercial",
          "Domestic", "BRE Green Guide Environmental Profile", "BRE Green Guide"}},
        {"report",
         [this] { Find<QTabBar>("TabSet1")->setCurrentIndex(1); },
         {"Company", "Project", "Date", "Print", "Export PDF", "Report"}},
        {"data pages revealed",
         [this] {
             Find<QTabBar>("TabSet1")->setCurrentIndex(0);
             QTest::keyClick(window_.get(), Qt::Key_F11, Qt::ControlModifier);
         },
         {"Window Specification", "Outer Frame", "Vent Frame", "Transom Mullion", "Profile weight",
          "Outer Frame weight", "Vent Frame weight", "Transom Mullion weight", "Commercial",
          "Domestic", "Green Guide", "BRE Green Guide Environmental Profile"}},
        {"weights page", [this] { DataPage(1); }, {"Frame Weights table", "Save", "Check"}},
        {"system page",
         [this] { DataPage(2); },
         {"System Data table", "Product List table", "Save", "Check"}},
        {"ratings page", [this] { DataPage(3); }, {"BRE Ratings table"}},
    };
    for (const auto& view : views) {
        SCOPED_TRACE(view.view);
        view.show();
        QCoreApplication::processEvents();
        const std::set<QString> names = FocusableNames(window_.get());
        for (const QString& name : view.names) {
            EXPECT_EQ(names.count(name), 1u) << name.toStdString();
        }
    }
    // A selector's value is its entry as shown: the system's name, never its catalogue line.
    EXPECT_EQ(Value("ComboBox5"), "Pelvanor 47");
    EXPECT_EQ(Value("ComboBox1"), "PRF010");
    EXPECT_EQ(Interface(Find<QWidget>("ComboBox5"))->textInterface()->text(0, 100), "Pelvanor 47");
    QAccessibleInterface* list = Interface(Find<QWidget>("ComboBox5"))->child(0);
    ASSERT_NE(list, nullptr);
    ASSERT_GT(list->childCount(), 0);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), "Pelvanor 47");
}

TEST_F(Accessibility, RatingsGridIsATableOfCategoriesAndRatingsToldOfEveryReRating) {
    Start();
    QAccessibleTableInterface* table = GridTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(Interface(Grid())->role(), QAccessible::Table);
    EXPECT_EQ(table->rowCount(), 15);
    EXPECT_EQ(table->columnCount(), 2);
    EXPECT_EQ(table->columnDescription(1), "Rating");
    QAccessibleTableCellInterface* rating = table->cellAt(0, 1)->tableCellInterface();
    ASSERT_EQ(rating->columnHeaderCells().size(), 1);
    EXPECT_EQ(rating->columnHeaderCells()[0]->text(QAccessible::Name), "Rating");
    EXPECT_EQ(rating->rowHeaderCells()[0]->text(QAccessible::Name), "Climate Change");

    // Column 8 of the ratings table, by a heavy outer frame: every cell reads its new text.
    Memo("Memo1")->setPlainText(QStringLiteral("Profile,Area\nPRF010,2\n"));
    ASSERT_EQ(EditText("Edit1"), "8");
    const struct {
        int row;
        const char* category;
        const char* rating;
    } cells[] = {
        {0, "Climate Change", "C"},
        {1, "Water Extraction", "A"},
        {2, "Mineral Resource Extraction", "E"},
        {4, "Human Toxicity", "E"},
        {6, "Nuclear Waste (higher level)", "D"},
        {12, "Acidification", "A"},
        {13, "Kg of CO2\u00A0eq. (60 years)", "130"},
        {14, "Summary Rating", "C"},
    };
    for (const auto& cell : cells) {
        SCOPED_TRACE(cell.category);
        EXPECT_EQ(CellText(cell.row, 0), QString::fromUtf8(cell.category));
        EXPECT_EQ(CellText(cell.row, 1), cell.rating);
    }
    // No ratings column: "npd" in every rating cell.
    Memo("Memo1")->setPlainText(QStringLiteral("Profile,Area\n"));
    EXPECT_EQ(CellText(0, 1), "npd");
    EXPECT_EQ(CellText(14, 1), "npd");

    // The focus: the selected row's rating cell, and a move to the next row tells it.
    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_Down);
    QAccessibleInterface* focused = Interface(Grid())->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused, table->cellAt(1, 1));
    EXPECT_TRUE(focused->state().focused);
    EXPECT_TRUE(focused->state().selected);
    EXPECT_EQ(table->selectedRows(), QList<int>{1});
}

TEST_F(Accessibility, SheetAndPreviewDescribeWhatTheyShowAfterEveryRedraw) {
    Start();
    QAccessibleInterface* sheet = Interface(Find<QWidget>("Image1"));
    QAccessibleInterface* preview = Interface(Find<QWidget>("Image2"));
    EXPECT_EQ(sheet->role(), QAccessible::Graphic);
    EXPECT_EQ(sheet->text(QAccessible::Name), "Specification sheet");
    EXPECT_EQ(sheet->text(QAccessible::Description),
              "Product Name: Tarvex Pelvanor 47\n"
              "Generic element reference: 1231500011\n"
              "Specification: System: Pelvanor 47; Outerframe: PRF010; Vent: PRF020; Mullion: "
              "PRF020\n"
              "Green Guide Summary Rating: A+\n"
              "Declaration: Pelvanor 47 correspond(s) to the BRE Global Green Guide online "
              "generic specification Powder coated aluminium window (profile <0.9 kg/m), double "
              "glazed (ref. 1231500011) which achieves a summary rating of 'A+' within "
              "Commercial Buildings.");

    QTest::mouseClick(Find<QRadioButton>("RadioButton2"), Qt::LeftButton);
    Memo("MemoSim")->setPlainText(QStringLiteral("Acme Glazing\nUnit 4"));
    Memo("MemoPro")->setPlainText(QStringLiteral("Riverside School"));
    EXPECT_TRUE(sheet->text(QAccessible::Description).contains("within Domestic Buildings."));
    EXPECT_EQ(preview->text(QAccessible::Name), "Environmental Profile Certificate");
    const QStringList certificate = preview->text(QAccessible::Description).split('\n');
    ASSERT_EQ(certificate.size(), 6);
    EXPECT_EQ(certificate[0], "Environmental Profile Certificate");
    EXPECT_EQ(certificate[1],
              "Product: Tarvex Pelvanor 47; Outer Frame: PRF010; Vent Frame: PRF020; Transom "
              "Mullion: PRF020");
    EXPECT_EQ(certificate[3], "Summary Rating: A");
    EXPECT_TRUE(certificate[4].endsWith("within Domestic Buildings."));
    EXPECT_EQ(certificate[5], "Company: Acme Glazing, Unit 4; Project: Riverside School; Date: ");
}

class ScheduleAccessibility : public Accessibility {
protected:
    ScheduleWindow* OpenSchedule() {
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(window_.get(), Qt::Key_L, Qt::ControlModifier);
        ScheduleWindow* schedule = window_->OpenScheduleWindow();
        if (schedule != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(schedule));
        }
        return schedule;
    }
    // Makes the window the one that gets the keys, as a click on it does.
    static bool Activate(QWidget* window) {
        window->activateWindow();
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    }
    // Whether the key, typed into the field, runs the action (its handlers are taken away first,
    // so that no dialog opens).
    static bool KeyRuns(QWidget* field, QAction* action, QKeyCombination key) {
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        QSignalSpy triggered(action, &QAction::triggered);
        field->setFocus();
        QTest::keyClick(field, key.key(), key.keyboardModifiers());
        return triggered.count() == 1;
    }
};

TEST_F(ScheduleAccessibility, EveryControlNamedAndTheRatingCellsRead) {
    Start();
    ScheduleWindow* s = OpenSchedule();
    ASSERT_NE(s, nullptr);
    QTest::mouseClick(s->findChild<QPushButton*>("AddCurrentWindowButton"), Qt::LeftButton);
    s->Model()->setData(s->Model()->index(0, ScheduleModel::OuterColumn), "PRF999");
    QTest::mouseClick(s->findChild<QPushButton*>("AddCurrentWindowButton"), Qt::LeftButton);
    const std::set<QString> names = FocusableNames(s);
    for (const char* name : {"Company", "Project", "Date", "Add Current Window", "Duplicate",
                             "Remove", "Move Up", "Move Down", "Window types"}) {
        EXPECT_EQ(names.count(name), 1u) << name;
    }
    // The rating column reads the letter, or why there is none.
    QAccessibleTableInterface* table = Interface(s->findChild<QTableView*>())->tableInterface();
    ASSERT_NE(table, nullptr);
    QAccessibleInterface* unrated = table->cellAt(0, ScheduleModel::RatingColumn);
    EXPECT_TRUE(unrated->text(QAccessible::Name).startsWith("Not rated: "))
        << unrated->text(QAccessible::Name).toStdString();
    QAccessibleInterface* rated = table->cellAt(1, ScheduleModel::RatingColumn);
    EXPECT_EQ(rated->text(QAccessible::Name), "A+");
    EXPECT_EQ(rated->text(QAccessible::Description),
              "0.698 kg/m: A+, no lighter band rates better; A from 0.9\n"
              "Better Choices for This Row... in the Edit menu or the row's context menu");
}

TEST_F(ScheduleAccessibility, WindowKeysWorkFromInsideEveryTextField) {
    Start();
    ScheduleWindow* s = OpenSchedule();
    ASSERT_NE(s, nullptr);
    const auto action = [](QWidget* window, const char* name) {
        return window->findChild<QAction*>(QLatin1String(name));
    };
    const struct {
        QWidget* window;
        const char* field;
        const char* action;
        QKeyCombination key;
    } keys[] = {
        {s, "ScheduleProject", "ScheduleExport", Qt::CTRL | Qt::Key_E},
        {s, "ScheduleDate", "ScheduleExport", Qt::CTRL | Qt::Key_E},
        {s, "ScheduleCompany", "SchedulePrintAll", Qt::CTRL | Qt::Key_P},
        {s, "ScheduleDate", "ScheduleSave", Qt::CTRL | Qt::Key_S},
        {s, "ScheduleProject", "ScheduleDuplicate", Qt::CTRL | Qt::Key_D},
        {s, "ScheduleProject", "ScheduleMoveDown", Qt::CTRL | Qt::SHIFT | Qt::Key_Down},
        {s, "ScheduleCompany", "ScheduleMoveUp", Qt::CTRL | Qt::SHIFT | Qt::Key_Up},
        {window_.get(), "MemoPro", "Export1", Qt::CTRL | Qt::Key_E},
        {window_.get(), "MemoDate", "Print1", Qt::CTRL | Qt::Key_P},
        {window_.get(), "MemoSim", "Schedule1", Qt::CTRL | Qt::Key_L},
        {window_.get(), "MemoSim", "BetterChoices1", Qt::CTRL | Qt::Key_B},
        {window_.get(), "MemoDate", "UserGuide1", Qt::Key_F1},
        {s, "ScheduleDate", "UserGuide1", Qt::Key_F1},
    };
    for (const auto& key : keys) {
        SCOPED_TRACE(std::string(key.field) + " " + key.action);
        ASSERT_TRUE(Activate(key.window));
        QWidget* field = key.window->findChild<QWidget*>(QLatin1String(key.field));
        QAction* command =
            action(key.window == s ? static_cast<QWidget*>(s) : window_.get(), key.action);
        if (command == nullptr) {
            command = action(window_.get(), key.action);  // F1 is the main window's everywhere
        }
        ASSERT_NE(field, nullptr);
        ASSERT_NE(command, nullptr);
        EXPECT_TRUE(KeyRuns(field, command, key.key));
    }
    // The fields keep the keys that edit text.
    auto* project = s->findChild<QLineEdit*>("ScheduleProject");
    ASSERT_TRUE(Activate(s));
    EXPECT_FALSE(KeyRuns(project, action(s, "SchedulePaste"), Qt::CTRL | Qt::Key_V));
    EXPECT_FALSE(KeyRuns(project, action(s, "ScheduleRemove"), Qt::CTRL | Qt::Key_Delete));
}

TEST_F(ScheduleAccessibility, AltDownOpensACellsListInsteadOfMovingTheRow) {
    Start();
    ScheduleWindow* s = OpenSchedule();
    ASSERT_NE(s, nullptr);
    QTest::mouseClick(s->findChild<QPushButton*>("AddCurrentWindowButton"), Qt::LeftButton);
    QTest::mouseClick(s->findChild<QPushButton*>("AddCurrentWindowButton"), Qt::LeftButton);
    auto* view = s->findChild<QTableView*>("ScheduleView");
    view->setCurrentIndex(s->Model()->index(0, ScheduleModel::SystemColumn));
    view->edit(view->currentIndex());
    auto* editor = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([editor] { return editor->view()->isVisible(); }));
    editor->hidePopup();
    // No row moved.
    EXPECT_EQ(s->Model()->index(0, ScheduleModel::RefColumn).data().toString(), "W01");
}
