// The schedule on the command line as a user runs it: batch --combined, list, and systems named
// as a schedule's rows name them.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "cli/greenguide_run.h"
#include "test_support.h"

TEST(Batch, CombinedPdfWithOrWithoutTheFolder) {
    QTemporaryDir dir;
    const QString schedule = EXAMPLES_FOLDER "/window-schedule.csv";
    const QString pdf = dir.filePath("schedule.pdf");
    const Outcome alone = Greenguide({"batch", schedule, "--combined", pdf});
    EXPECT_EQ(alone.code, 0) << alone.err.toStdString();
    EXPECT_EQ(Files(dir.path()), QStringList{"schedule.pdf"});
    EXPECT_TRUE(Tool("pdfinfo", {pdf}).contains("Pages:           6\n"));
    const QString text = Tool("pdftotext", {pdf, "-"});
    EXPECT_TRUE(text.startsWith("Window Schedule")) << text.left(80).toStdString();
    EXPECT_LT(text.indexOf("Page 1 of 6"), text.indexOf("Environmental Profile"));
    EXPECT_GE(text.indexOf("Page 1 of 6"), 0);

    // With the folder too; a row that fails makes exit code 2, the others are still written.
    // A title block above the header gives the schedule's own project.
    const QString bad = dir.filePath("bad.csv");
    WriteBytes(bad,
               "Riverside windows\r\nProject:;Tower B\r\n\r\nref;system;Qty\r\n"
               "W1;pelvanor 62;3\r\nW2;Pelvanr 47;1\r\n");
    const QString out = dir.filePath("out");
    const QString both = dir.filePath("both.pdf");
    const Outcome run = Greenguide({"batch", bad, "-o", out, "--combined", both});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err.count(":6: W2: unknown system"), 1) << run.err.toStdString();
    EXPECT_EQ(Files(out), QStringList({"W1.pdf", "summary.csv", "summary.xlsx"}));
    EXPECT_TRUE(Tool("pdftotext", {out + "/W1.pdf", "-"}).contains("Tower B"));
    EXPECT_TRUE(Tool("pdfinfo", {both}).contains("Pages:           2\n"));
    EXPECT_TRUE(Tool("pdftotext", {both, "-"}).contains("Not rated: unknown system"));

    const Outcome neither = Greenguide({"batch", bad});
    EXPECT_EQ(neither.code, 64);
    EXPECT_TRUE(neither.err.startsWith("greenguide: batch needs -o DIR or --combined FILE.pdf"));
}

TEST(CommandLine, ListGivesTheSystemsAsTheSelectorListsThem) {
    const Outcome json = Greenguide({"list", "--json"});
    ASSERT_EQ(json.code, 0) << json.err.toStdString();
    const QJsonArray systems = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_GE(systems.size(), 3);
    const QJsonObject first = systems[0].toObject();
    EXPECT_EQ(first.keys(),
              QStringList({"header", "name", "outerFrames", "transomMullions", "ventFrames"}));
    EXPECT_EQ(first["header"].toString(), "Pelvanor 47,0.01");
    EXPECT_EQ(first["name"].toString(), "Pelvanor 47");
    // Codes that end in F are not offered.
    EXPECT_EQ(first["outerFrames"].toArray(), QJsonArray({"PRF010", "PRF011", "PRF012", "PRF014"}));
    EXPECT_EQ(first["transomMullions"].toArray(), QJsonArray({"PRF020", "PRF030", "PRF031"}));
    EXPECT_EQ(systems[2].toObject()["name"].toString(), "Pelvanor 62");
    // A catalogue of its own: its one system, and every header as text.
    QTemporaryDir data;
    WriteBytes(data.filePath("GGSystem.Dat"), "Halvorn 60 (Slim)\r\nA1,A2F\r\nB1\r\nC1\r\n\r\n");
    const Outcome text = Greenguide({"list", "--data", data.path()});
    EXPECT_EQ(text.code, 0);
    EXPECT_EQ(text.out,
              "Halvorn 60 (Slim)\n  outer frames:      A1\n  vent frames:       B1\n"
              "  transoms/mullions: C1\n");
}

TEST(CommandLine, ASystemIsNamedAsASchedulesRowsNameIt) {
    QTemporaryDir data;
    WriteBytes(data.filePath("GGSystem.Dat"),
               "Halvorn 60 (Slim),1\r\nA1\r\nB1\r\nC1\r\n\r\nHalvorn 60 "
               "(Wide),2\r\nA2\r\nB2\r\nC2\r\n\r\n");
    WriteBytes(data.filePath("GGWeights.Dat"), "A1,1.0\r\nA2,2.0\r\n");
    const auto system = [&data](const QString& name) {
        return Greenguide({"rate", "--json", "--data", data.path(), "--system", name});
    };
    const Outcome wide = system("halvorn 60 (wide)");
    EXPECT_EQ(wide.code, 0) << wide.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(wide.out.toUtf8()).object()["outerFrame"].toString(), "A2");
    const Outcome both = system("Halvorn 60");
    EXPECT_EQ(both.code, 2);
    EXPECT_EQ(both.err,
              "greenguide: the system name \"Halvorn 60\" fits both \"Halvorn 60 (Slim),1\" and "
              "\"Halvorn 60 (Wide),2\"\n");
}

TEST(Batch, AWorkbookAsTheArchitectSentIt) {
    QTemporaryDir dir;
    const QString book = TestWorkbooks() + "/architect.xlsx";
    const QString out = dir.filePath("out");
    const Outcome run = Greenguide({"batch", book, "-o", out});
    EXPECT_EQ(run.code, 2);
    // Lines are the sheet's rows; a lower-case code is the catalogue's.
    EXPECT_TRUE(run.err.contains(book + ":8: W03: unknown system")) << run.err.toStdString();
    EXPECT_EQ(Files(out), QStringList({"W01.pdf", "W02.pdf", "summary.csv", "summary.xlsx"}));
    const QString certificate = Tool("pdftotext", {out + "/W02.pdf", "-"});
    EXPECT_TRUE(certificate.contains("PRF110") && certificate.contains("Riverside School, Block B"))
        << certificate.toStdString();
    // The summary as a workbook: each summary rating filled in its colour.
    EXPECT_EQ(
        RunPython("import openpyxl, sys\n"
                  "sheet = openpyxl.load_workbook(sys.argv[1])['Summary']\n"
                  "for row in (2, 3, 4):\n"
                  "    c = sheet.cell(row=row, column=10)\n"
                  "    print(sheet.cell(row=row, column=1).value, c.value, c.fill.fgColor.rgb)\n",
                  {out + "/summary.xlsx"}),
        "W01 A FF00FF00\nW02 A FF00FF00\nW03 None 00000000\n");

    // Another sheet by --sheet; a sheet the workbook lacks is named with those it has.
    const Outcome other =
        Greenguide({"batch", book, "--sheet", "Other Block", "-o", dir.filePath("other")});
    EXPECT_EQ(other.code, 0) << other.err.toStdString();
    EXPECT_EQ(Files(dir.filePath("other")), QStringList({"N1.pdf", "summary.csv", "summary.xlsx"}));
    const Outcome none = Greenguide({"batch", book, "--sheet", "Nope", "-o", dir.filePath("none")});
    EXPECT_EQ(none.code, 2);
    EXPECT_EQ(none.err, book +
                            ": the workbook has no sheet \"Nope\"; its sheets: Windows, Other "
                            "Block\n");
}

TEST(Batch, TextsTheCertificateCutsAreToldPerRowAndTheRunGoesOn) {
    QTemporaryDir dir;
    const QString schedule = dir.filePath("cut.csv");
    WriteBytes(schedule,
               "ref,system,project\n"
               "W1,Pelvanor 55,Riverside Primary School – Phase 2\n"
               "W2,Pelvanor 55,Riverside School\n"
               "W3,Pelvanor 55,Riverside Primary School – Phase 2\n");
    const QString pdf = dir.filePath("cut.pdf");
    const Outcome run = Greenguide({"batch", schedule, "--combined", pdf});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << run.err.toStdString();
    for (const auto& [line, row] :
         {std::pair{0, "cut.csv:2: W1: "}, std::pair{1, "cut.csv:4: W3: "}}) {
        EXPECT_TRUE(lines[line].contains(row)) << lines[line].toStdString();
        EXPECT_TRUE(lines[line].contains(
            QRegularExpression("project \"[^\"]*Phase 2\" will be cut on the certificate$")))
            << lines[line].toStdString();
    }
    EXPECT_TRUE(Tool("pdfinfo", {pdf}).contains("Pages:           4\n"));
}
