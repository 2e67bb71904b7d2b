// The schedule window's table model: edits re-rate their rows, each edit is one undo step, and
// the file's own columns come back as they were read.
#include "schedule/schedule_model.h"

#include <QBrush>

#include <functional>

#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "data/rating_colours.h"

namespace {

const char kFile[] =
    "ref,Qty,system,outer,vent,transom,building,Width\r\n"
    "W01,4,Pelvanor 47,PRF010,PRF020,PRF020,Domestic,1200\r\n"
    "W02,2,Pelvanor 55,PRF110,,,Commercial,900\r\n";

ProductTables BuiltInTables(const QString& weights = BuiltInWeightsTable()) {
    return ProductTablesOf(weights, BuiltInSystemCatalogue(), BuiltInBreRatingsTable(),
                           BuiltInProductList());
}

// Each row as the table shows it: ref, system, outer, building, weight, rating, Qty; with "!"
// when the row has a note.
QStringList Shown(const ScheduleModel& model) {
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column : {0, 1, 2, 5, 6, 7, 11}) {
            cells << model.index(row, column).data().toString();
        }
        const bool noted = !model.index(row, ScheduleModel::NoteColumn).data().toString().isEmpty();
        rows << cells.join(QLatin1Char(' ')) + (noted ? QStringLiteral(" !") : QString());
    }
    return rows;
}

void Load(ScheduleModel& model, const char* text) {
    model.SetTables(BuiltInTables());
    model.SetSchedule(*ReadScheduleBytes(text).schedule);
}

}  // namespace

TEST(ScheduleModel, EachEditRatesAgainAndIsOneUndoStep) {
    const QStringList start = {"W01 Pelvanor 47 PRF010 Domestic 0.709 A 4",
                               "W02 Pelvanor 55 PRF110 Commercial 0.918 A 2"};
    WindowRequest current{"Pelvanor 62 (Slim),0.12", QStringLiteral("PRF211"),
                          QStringLiteral("PRF220"), QStringLiteral("PRF230"), false};
    struct Case {
        const char* name;
        std::function<void(ScheduleModel&)> edit;
        QStringList shown;
    };
    const auto set = [](int row, int column, const char* text) {
        return [=](ScheduleModel& m) { EXPECT_TRUE(m.setData(m.index(row, column), text)); };
    };
    const Case cases[] = {
        {"outer frame",
         set(1, ScheduleModel::OuterColumn, "PRF111"),
         {start[0], "W02 Pelvanor 55 PRF111 Commercial 0.900 A 2"}},
        {"building",
         set(0, ScheduleModel::BuildingColumn, "Commercial"),
         {"W01 Pelvanor 47 PRF010 Commercial 0.698 A+ 4", start[1]}},
        // Another system: its first codes for the codes it does not offer, in the same step.
        {"system",
         set(0, ScheduleModel::SystemColumn, "Pelvanor 55"),
         {"W01 Pelvanor 55 PRF110 Domestic 1.013 A 4", start[1]}},
        // Bad rows stay, with the reason.
        {"unknown system",
         set(0, ScheduleModel::SystemColumn, "Pelvanr 47"),
         {"W01 Pelvanr 47 PRF010 Domestic   4 !", start[1]}},
        {"bad building",
         set(1, ScheduleModel::BuildingColumn, "Offices"),
         {start[0], "W02 Pelvanor 55 PRF110 Offices   2 !"}},
        {"extra column", set(0, 11, "6"), {"W01 Pelvanor 47 PRF010 Domestic 0.709 A 6", start[1]}},
        {"paste with header",
         [](ScheduleModel& m) {
             EXPECT_TRUE(m.PasteRows("System\tQty\toUTER\nPelvanor 55\t7\tPRF999\n"));
         },
         {start[0], start[1], "W03 Pelvanor 55 PRF999    7 !"}},
        // A column the schedule lacks comes with the rows, in the same step.
        {"paste with a new column",
         [](ScheduleModel& m) {
             EXPECT_TRUE(m.PasteRows("Colour\tref\tsystem\nred\tX1\tPelvanor 47\n"));
             EXPECT_EQ(m.headerData(13, Qt::Horizontal), "Colour");
             EXPECT_EQ(m.index(2, 13).data(), "red");
         },
         {start[0], start[1], "X1 Pelvanor 47   0.698 A+ "}},
        // Without a header: the columns as shown, so Qty takes the seventh cell.
        {"paste without header",
         [](ScheduleModel& m) {
             EXPECT_TRUE(m.PasteRows("X1,Pelvanor 55,PRF111,,,Commercial,9,1500\n"));
         },
         {start[0], start[1], "X1 Pelvanor 55 PRF111 Commercial 0.900 A 9"}},
        {"paste of two rows",
         [](ScheduleModel& m) {
             EXPECT_TRUE(m.PasteRows("ref\tsystem\nX1\tPelvanor 47\nX2\tPelvanor 55\n"));
         },
         {start[0], start[1], "X1 Pelvanor 47   0.698 A+ ", "X2 Pelvanor 55   0.918 A "}},
        {"duplicate",
         [](ScheduleModel& m) { m.DuplicateRow(0); },
         {start[0], "W03 Pelvanor 47 PRF010 Domestic 0.709 A 4", start[1]}},
        {"remove", [](ScheduleModel& m) { m.RemoveRows(0, 1); }, {start[1]}},
        {"move down", [](ScheduleModel& m) { m.MoveRow(0, 1); }, {start[1], start[0]}},
        {"move up", [](ScheduleModel& m) { m.MoveRow(1, 0); }, {start[1], start[0]}},
        {"add current window",
         [&](ScheduleModel& m) { m.AddWindow(current); },
         {start[0], start[1], "W03 Pelvanor 62 (Slim) PRF211 Domestic 0.800 A "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScheduleModel model;
        Load(model, kFile);
        ASSERT_EQ(Shown(model), start);
        c.edit(model);
        EXPECT_EQ(Shown(model), c.shown);
        ASSERT_EQ(model.UndoStack()->count(), 1);
        model.UndoStack()->undo();
        EXPECT_EQ(Shown(model), start);
        EXPECT_EQ(model.columnCount(), ScheduleModel::kFixedColumnCount + 2);
        EXPECT_EQ(model.Ratings().size(), model.rowCount());
        model.UndoStack()->redo();
        EXPECT_EQ(Shown(model), c.shown);
    }
}

TEST(ScheduleModel, ARowsOwnProjectIsHeadedAsTheFieldButSavedAsTheFileNamedIt) {
    ScheduleModel model;
    const char* const file = "ref,system,PROJECT\r\nW1,Pelvanor 47,A\r\nW2,Pelvanor 55,B\r\n";
    Load(model, file);
    EXPECT_EQ(model.headerData(ScheduleModel::kFixedColumnCount, Qt::Horizontal), "Project");
    EXPECT_EQ(ScheduleCsv(model.CurrentSchedule()), QString::fromLatin1(file));
}

TEST(ScheduleModel, TheFilesColumnsComeBackAsTheyWere) {
    ScheduleModel model;
    Load(model, kFile);
    EXPECT_EQ(model.columnCount(), ScheduleModel::kFixedColumnCount + 2);
    EXPECT_EQ(model.headerData(11, Qt::Horizontal).toString(), "Qty");
    EXPECT_EQ(model.headerData(12, Qt::Horizontal).toString(), "Width");
    model.setData(model.index(0, ScheduleModel::OuterColumn), "PRF011");
    QString expected = QString::fromLatin1(kFile);
    expected.replace(QLatin1String("PRF010"), QLatin1String("PRF011"));
    EXPECT_EQ(ScheduleCsv(model.CurrentSchedule()), expected);

    // A field the file lacks gets a column at the end; its undo takes the column away again.
    const char shortFile[] = "Qty;Ref;System\r\n3;W01;Pelvanor 47\r\n";
    Load(model, shortFile);
    model.setData(model.index(0, ScheduleModel::BuildingColumn), "Domestic");
    EXPECT_EQ(ScheduleCsv(model.CurrentSchedule()),
              "Qty;Ref;System;building\r\n3;W01;Pelvanor 47;Domestic\r\n");
    model.UndoStack()->undo();
    EXPECT_EQ(ScheduleCsv(model.CurrentSchedule()), shortFile);
    model.AddWindow({"Pelvanor 55,0.00", QStringLiteral("PRF110"), {}, {}, true});
    EXPECT_EQ(model.CurrentSchedule().Columns(),
              QStringList({"Qty", "Ref", "System", "outer", "vent", "transom", "building"}));
    model.UndoStack()->undo();
    EXPECT_EQ(ScheduleCsv(model.CurrentSchedule()), shortFile);
}

TEST(ScheduleModel, RatedAgainWhenTheTablesChangeAndShownAsTheGridShowsIt) {
    ScheduleModel model;
    Load(model, kFile);
    const QModelIndex rating = model.index(0, ScheduleModel::RatingColumn);
    EXPECT_EQ(rating.data(Qt::BackgroundRole).value<QBrush>().color(),
              *RatingColourOf(QStringLiteral("A")));
    EXPECT_FALSE(model.flags(rating) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.flags(model.index(0, 12)) & Qt::ItemIsEditable);

    // Without PRF010's weight the first row has no ratings column, and says why.
    QString weights = BuiltInWeightsTable();
    weights.replace(QLatin1String("PRF010,"), QLatin1String("PRF01X,"));
    model.SetTables(BuiltInTables(weights));
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(rating.data().toString(), "");
    EXPECT_TRUE(model.index(0, ScheduleModel::NoteColumn)
                    .data()
                    .toString()
                    .startsWith("no ratings column applies: outer frame"));
    EXPECT_EQ(rating.data(Qt::ToolTipRole), model.index(0, ScheduleModel::NoteColumn).data());
    EXPECT_EQ(model.index(1, ScheduleModel::RatingColumn).data().toString(), "A");
    EXPECT_EQ(model.index(1, ScheduleModel::RatingColumn).data(Qt::ToolTipRole).toString(),
              "0.918 kg/m: A, 0.018 over the A+ limit 0.9; B from 1.5\n"
              "Better Choices for This Row... in the Edit menu or the row's context menu");

    // The editors' choices: the systems, the codes the row's system offers, the building types.
    const auto choices = [&](int row, int column) {
        return model.index(row, column).data(ScheduleModel::ChoicesRole).toStringList();
    };
    EXPECT_TRUE(choices(0, ScheduleModel::SystemColumn).contains("Pelvanor 62 (Slim)"));
    EXPECT_EQ(choices(0, ScheduleModel::OuterColumn),
              QStringList({"PRF010", "PRF011", "PRF012", "PRF014"}));
    EXPECT_EQ(choices(1, ScheduleModel::BuildingColumn), QStringList({"Commercial", "Domestic"}));
    EXPECT_EQ(choices(1, ScheduleModel::RefColumn), QStringList());
}

TEST(ScheduleModel, ReportTextsTypedAreOneStepPerField) {
    ScheduleModel model;
    model.SetSchedule(Schedule());
    int told = 0;
    QObject::connect(&model, &ScheduleModel::ReportChanged, [&] { ++told; });
    for (const char* typed : {"A", "Ac", "Acme"}) {
        model.SetReportText(ScheduleField::Company, typed);
    }
    model.SetReportText(ScheduleField::Date, "1 May");
    EXPECT_EQ(model.UndoStack()->count(), 2);
    EXPECT_EQ(told, 4);
    model.UndoStack()->undo();
    EXPECT_EQ(model.CurrentSchedule().report.date, "");
    model.UndoStack()->undo();
    EXPECT_EQ(model.CurrentSchedule().report.company, "");
    // A headerless paste fills a new schedule's columns in order; refs are given where missing.
    // A ref the paste brings itself is not given again.
    EXPECT_TRUE(model.PasteRows("\tPelvanor 47\tPRF011\nw01\tPelvanor 55\n"));
    EXPECT_EQ(model.CurrentSchedule().Value(0, ScheduleField::Ref), "W02");
    EXPECT_EQ(model.CurrentSchedule().Value(0, ScheduleField::Outer), "PRF011");
    EXPECT_EQ(model.CurrentSchedule().Value(1, ScheduleField::Ref), "w01");
    EXPECT_FALSE(model.PasteRows(""));
}
