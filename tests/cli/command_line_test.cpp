// The command line as a user runs it: the program itself, without a display.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>
#include <functional>

#include <gtest/gtest.h>

#include "cli/greenguide_run.h"
#include "rating/rating.h"
#include "schedule/csv_text.h"
#include "test_support.h"

namespace {

// A data folder whose weights table lacks the vent frame and transom of Pelvanor 47.
void WriteShortWeights(const QString& folder) {
    WriteBytes(folder + QStringLiteral("/GGWeights.Dat"), "Profile,Area\r\nPRF010,0.698112\r\n");
}

const QStringList kJsonKeys = {
    "building",      "co2",           "co2Text",    "column",         "data",
    "elementNumber", "headroom",      "outerFrame", "profileWeight",  "profileWeightText",
    "ratings",       "summaryRating", "system",     "transomMullion", "ventFrame",
    "weightBand"};

}  // namespace

TEST(CommandLine, RateGivesTheWorkedExamplesAsJson) {
    struct Case {
        QStringList arguments;
        const char* codes[3];
        const char* building;
        double weight;
        int column;
        const char* band;
        const char* element;
        const char* co2;
        const char* climateChange;
    };
    const Case cases[] = {
        {{"--system", "Pelvanor 47", "--domestic", "--outer", "PRF010", "--vent", "PRF020",
          "--transom", "PRF020"},
         {"PRF010", "PRF020", "PRF020"},
         "Domestic",
         ProfileWeightOf(false, 0.698112, 0.71928, 0.71928),
         1,
         "< 0.88",
         "1213100007",
         "240",
         "B"},
        // Codes left out are the system's first.
        {{"--system", "Pelvanor 55", "--domestic"},
         {"PRF110", "PRF120", "PRF130"},
         "Domestic",
         ProfileWeightOf(false, 0.918, 1.1637, 0.93096),
         2,
         "< 1.08",
         "1213100004",
         "250",
         "C"},
        // The system by its header; Commercial by default.
        {{"--system", "Pelvanor 55,0.00", "--outer", "PRF110", "--vent", "PRF123"},
         {"PRF110", "PRF123", "PRF130"},
         "Commercial",
         0.918,
         5,
         "<1.25",
         "1231500007",
         "110",
         "A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome run = Greenguide(QStringList{"rate", "--json"} + c.arguments);
        ASSERT_EQ(run.code, 0) << run.err.toStdString();
        const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
        EXPECT_EQ(json.keys(), kJsonKeys);
        EXPECT_EQ(json["system"].toString(), c.arguments[1].section(',', 0, 0));
        EXPECT_EQ(json["outerFrame"].toString(), c.codes[0]);
        EXPECT_EQ(json["ventFrame"].toString(), c.codes[1]);
        EXPECT_EQ(json["transomMullion"].toString(), c.codes[2]);
        EXPECT_EQ(json["building"].toString(), c.building);
        // The exact weight that chose the column; the text as the window shows it.
        EXPECT_EQ(json["profileWeight"].toDouble(), c.weight);
        EXPECT_EQ(json["profileWeightText"].toString(), FormatProfileWeight(c.weight));
        EXPECT_EQ(json["column"].toInt(), c.column);
        EXPECT_EQ(json["weightBand"].toString(), c.band);
        EXPECT_EQ(json["elementNumber"].toString(), c.element);
        EXPECT_EQ(json["summaryRating"].toString(), "A");
        EXPECT_EQ(json["co2Text"].toString(), c.co2);
        EXPECT_EQ(json["co2"].toDouble(), QString(c.co2).toDouble());
        const QJsonObject ratings = json["ratings"].toObject();
        EXPECT_EQ(ratings.size(), 13);
        EXPECT_EQ(ratings["Climate Change"].toString(), c.climateChange);
        EXPECT_EQ(ratings["Stratospheric Ozone Depletion"].toString(), "A+");
    }
}

TEST(CommandLine, RateGivesTheHeadroomExactlyAndInOneLine) {
    const QStringList window = {"--system", "Pelvanor 55", "--outer", "PRF110"};
    const QJsonObject headroom =
        QJsonDocument::fromJson(Greenguide(QStringList{"rate", "--json"} + window).out.toUtf8())
            .object()["headroom"]
            .toObject();
    const QJsonObject better = headroom["better"].toObject();
    const QJsonObject worse = headroom["worse"].toObject();
    EXPECT_EQ(better["rating"].toString(), "A+");
    EXPECT_EQ(better["below"].toDouble(), 0.9);
    EXPECT_EQ(better["lose"].toDouble(), 0.918 - 0.9);
    EXPECT_EQ(worse["rating"].toString(), "B");
    EXPECT_EQ(worse["from"].toDouble(), 1.5);
    EXPECT_EQ(worse["gain"].toDouble(), 1.5 - 0.918);
    EXPECT_TRUE(Greenguide(QStringList{"rate"} + window)
                    .out.contains("Headroom:                      0.918 kg/m: A, 0.018 over the A+ "
                                  "limit 0.9; B from 1.5\n"));
    // Domestic 1.013 is "A" as the lighter band is: no better side.
    const QJsonObject domestic =
        QJsonDocument::fromJson(
            Greenguide({"rate", "--json", "--system", "Pelvanor 55", "--domestic"}).out.toUtf8())
            .object()["headroom"]
            .toObject();
    EXPECT_TRUE(domestic["better"].isNull());
    EXPECT_EQ(domestic["worse"].toObject()["from"].toDouble(), 1.08);
}

TEST(CommandLine, WithoutARatingsColumnTheFallBackFieldsAreNull) {
    QTemporaryDir data;
    WriteShortWeights(data.path());
    const QStringList window = {"--system", "Pelvanor 47", "--domestic", "--data", data.path()};
    const Outcome json = Greenguide(QStringList{"rate", "--json"} + window);
    EXPECT_EQ(json.code, 2);
    EXPECT_TRUE(json.err.contains("vent frame: PRF020 has no line in GGWeights.Dat"))
        << json.err.toStdString();
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(object.keys(), kJsonKeys);
    EXPECT_EQ(object["column"].toInt(), -1);
    EXPECT_EQ(object["profileWeight"].toDouble(), 0.0);
    for (const char* key :
         {"elementNumber", "weightBand", "summaryRating", "co2", "co2Text", "headroom"}) {
        EXPECT_TRUE(object[key].isNull()) << key;
    }
    EXPECT_EQ(object["ratings"].toObject().size(), 13);
    EXPECT_TRUE(object["ratings"].toObject()["Climate Change"].isNull());
    // As text, the certificate's fall-backs.
    const Outcome text = Greenguide(QStringList{"rate"} + window);
    EXPECT_TRUE(text.out.contains(QRegularExpression("Summary rating: +XXXXXXXX\n")));
    EXPECT_TRUE(text.out.contains(QRegularExpression("Climate Change: +npd\n")));
    EXPECT_TRUE(text.out.contains(QRegularExpression("Headroom: +npd\n")));
    EXPECT_EQ(text.code, 2);
    // No certificate rated "X" unless asked for; either way the exit code tells.
    const QString pdf = data.filePath("W01.pdf");
    const Outcome refused = Greenguide(QStringList{"certificate", "-o", pdf} + window);
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(refused.err.contains("no certificate written; --allow-unrated"))
        << refused.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(pdf));
    const Outcome allowed =
        Greenguide(QStringList{"certificate", "--allow-unrated", "-o", pdf} + window);
    EXPECT_EQ(allowed.code, 2);
    EXPECT_TRUE(Tool("pdftotext", {pdf, "-"}).contains("summary rating of 'XXXXXXXX'"));
}

TEST(CommandLine, NamesAreTrimmedAsTheCertificatePrintsThem) {
    const Outcome json = Greenguide({"rate", "--system", "Pelvanor 62 (Slim)", "--json"});
    EXPECT_EQ(QJsonDocument::fromJson(json.out.toUtf8()).object()["system"].toString(),
              "Pelvanor 62");
    EXPECT_TRUE(Greenguide({"rate", "--system", "Pelvanor 62 (Slim)"})
                    .out.contains(QRegularExpression("System: +Pelvanor 62\n")));
}

TEST(CommandLine, WithoutADisplayTheWindowSaysHowToUseTheCommandLine) {
    const Outcome start = Greenguide({});
    EXPECT_TRUE(start.exited);
    EXPECT_EQ(start.code, 2);
    EXPECT_EQ(start.err,
              "greenguide: the window needs a desktop and none was found; without one, use the "
              "command line: greenguide --help\n");
    EXPECT_EQ(start.out, "");
}

TEST(CommandLine, BadArgumentsShowTheUsageAndWriteNothing) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("out.pdf");
    const QStringList cases[] = {
        {"print"},
        {"rate", "--system", "Pelvanor 47", "--colour", "red"},
        {"rate", "--outer", "PRF010"},
        {"rate", "--system"},
        {"rate", "--system", "Pelvanor 47", "extra.csv"},
        {"certificate", "--system", "Pelvanor 47"},
        {"certificate", "-o", pdf},
        {"certificate", "--system", "Pelvanor 47", "--json", "-o", pdf},
        {"batch", "-o", dir.path()},
        {"batch", EXAMPLES_FOLDER "/window-schedule.csv"},
        {"batch", EXAMPLES_FOLDER "/window-schedule.csv", "--combined"},
        {"list", "--system", "Pelvanor 47"},
        {"options", "--domestic"},
        {"options", "--system", "Pelvanor 47", "--outer", "PRF010"},
        {"options", "--all-systems", "--better-than", "Z"},
        // One value each, except the company's lines.
        {"rate", "--system", "Pelvanor 47", "--system", "Pelvanor 55"},
        {"list", "--json", "--json"},
        {"batch", dir.filePath("out/summary.csv"), "-o", dir.filePath("out/")},
        {"batch", dir.filePath("out/summary.csv"), "--combined", dir.filePath("out/summary.csv")},
    };
    WriteBytes(dir.filePath("out/summary.csv"), "ref,system\r\nW1,Pelvanor 47\r\n");
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Outcome run = Greenguide(arguments);
        EXPECT_EQ(run.code, 64);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith("greenguide: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("\nUsage: greenguide"));
        EXPECT_EQ(Files(dir.path()), QStringList());
        EXPECT_EQ(Files(dir.filePath("out")), QStringList{"summary.csv"});
    }
    EXPECT_EQ(ReadBytes(dir.filePath("out/summary.csv")), "ref,system\r\nW1,Pelvanor 47\r\n");
}

TEST(CommandLine, OptionsListTheChoicesAsRateRatesThem) {
    const QStringList system = {"--system", "Pelvanor 47", "--domestic"};
    const Outcome json = Greenguide(QStringList{"options", "--json"} + system);
    ASSERT_EQ(json.code, 0) << json.err.toStdString();
    const QJsonArray options = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_EQ(options.size(), 4 * 3 * 3);
    const QJsonObject first = options.first().toObject();
    EXPECT_EQ(first.keys(), QStringList({"column", "outerFrame", "profileWeight", "summaryRating",
                                         "system", "transomMullion", "ventFrame"}));
    // The first and the last agree with rate on the same window.
    for (const QJsonValue& option : {options.first(), options.last()}) {
        const QJsonObject o = option.toObject();
        const QJsonObject rated =
            QJsonDocument::fromJson(
                Greenguide(QStringList{"rate", "--json"} + system +
                           QStringList{"--outer", o["outerFrame"].toString(), "--vent",
                                       o["ventFrame"].toString(), "--transom",
                                       o["transomMullion"].toString()})
                    .out.toUtf8())
                .object();
        EXPECT_EQ(rated["profileWeight"].toDouble(), o["profileWeight"].toDouble());
        EXPECT_EQ(rated["column"].toInt(), o["column"].toInt());
        EXPECT_EQ(rated["summaryRating"], o["summaryRating"]);
        EXPECT_EQ(rated["system"], o["system"]);
    }
    // As text: a heading, then one line a choice.
    const Outcome text = Greenguide(QStringList{"options"} + system);
    const QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + options.size());
    EXPECT_TRUE(
        lines[0].startsWith("System       Outer frame  Vent frame  Transom/mullion  Weight"))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("Pelvanor 47  " + first["outerFrame"].toString()))
        << lines[1].toStdString();

    // The worked example: what reaches A+ from Pelvanor 55, one line an outer frame, the
    // profiles that do not count null; the same as the window lists.
    const Outcome better = Greenguide(
        {"options", "--system", "Pelvanor 55", "--all-systems", "--better-than", "A", "--json"});
    ASSERT_EQ(better.code, 0) << better.err.toStdString();
    const QJsonArray reach = QJsonDocument::fromJson(better.out.toUtf8()).array();
    ASSERT_EQ(reach.size(), 13);
    EXPECT_EQ(reach.first()["system"], "Meridan 50");
    EXPECT_EQ(reach.first()["outerFrame"], "SLM110");
    EXPECT_TRUE(reach.first()["ventFrame"].isNull());
    EXPECT_TRUE(reach.first()["transomMullion"].isNull());
    EXPECT_EQ(reach.last()["outerFrame"], "PRF212");
    const QString anyLine =
        Greenguide({"options", "--all-systems", "--better-than", "a"}).out.split('\n').value(1);
    EXPECT_EQ(anyLine.simplified(), "Meridan 50 SLM110 any any 0.633 4 A+");
}

// A catalogue of 300 codes a profile (27 million Domestic combinations) is listed at once, cut
// and said so.
TEST(CommandLine, OptionsOfALongCatalogueAreCutAndSaySo) {
    QTemporaryDir dir;
    QStringList codes;
    QByteArray weights = "Profile,Area\r\n";
    for (int i = 0; i < 300; ++i) {
        codes << QStringLiteral("X%1").arg(i, 3, 10, QLatin1Char('0'));
        weights += codes.last().toLatin1() + ',' + QByteArray::number(0.6 + i * 0.003) + "\r\n";
    }
    const QByteArray line = codes.join(',').toLatin1() + "\r\n";
    WriteBytes(dir.filePath("GGSystem.Dat"), "Big,0.00\r\n" + line + line + line + "\r\n");
    WriteBytes(dir.filePath("GGWeights.Dat"), weights);
    const Outcome run =
        Greenguide({"options", "--system", "Big", "--domestic", "--data", dir.path()});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "greenguide: only the first 10000 lines are listed\n");
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 10000);
    EXPECT_EQ(lines[1].simplified(), "Big X000 X000 X000 0.600 1 A");
}

TEST(CommandLine, HelpVersionAndTheNearestNames) {
    const Outcome help = Greenguide({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: greenguide")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("greenguide batch SCHEDULE.csv -o DIR"));
    const Outcome version = Greenguide({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "greenguide 1.0\n");
    const Outcome system = Greenguide({"rate", "--system", "Pelvanr 47"});
    EXPECT_EQ(system.code, 2);
    EXPECT_TRUE(system.out.isEmpty());
    EXPECT_EQ(system.err,
              "greenguide: unknown system \"Pelvanr 47\"; nearest: Pelvanor 47, Pelvanor 55, "
              "Pelvanor 75\n");
    // A code that ends in F is never offered.
    const Outcome code = Greenguide({"rate", "--system", "Pelvanor 47", "--outer", "PRF013F"});
    EXPECT_EQ(code.code, 2);
    EXPECT_TRUE(
        code.err.startsWith("greenguide: \"PRF013F\" is no outer frame of Pelvanor 47; "
                            "nearest: PRF01"))
        << code.err.toStdString();
    // A code typed in another case is the one code it fits.
    const Outcome lower = Greenguide({"rate", "--system", "pelvanor 55", "--outer", "prf111"});
    EXPECT_EQ(lower.code, 0) << lower.err.toStdString();
    EXPECT_TRUE(lower.out.contains("PRF111")) << lower.out.toStdString();
}

TEST(CommandLine, CertificateIsOneA4PageWithItsTextsAndMetadata) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("W01.pdf");
    const Outcome run =
        Greenguide({"certificate", "--system", "Pelvanor 55", "--domestic", "--company",
                    "Acme Glazing Ltd", "--company", "Unit 4", "--project", "Riverside School",
                    "--date", "1 May 2024", "-o", pdf});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    const QString info = Tool("pdfinfo", {pdf});
    for (const char* expected :
         {"Title:           Environmental Profile Certificate\n",
          "Subject:         Pelvanor 55: outer frame PRF110, vent frame PRF120, transom/mullion "
          "PRF130\n",
          "Author:          Acme Glazing Ltd\n", "Creator:         BRE Green Guide 1.0\n",
          "Pages:           1\n"}) {
        EXPECT_TRUE(info.contains(expected)) << expected << info.toStdString();
    }
    EXPECT_TRUE(
        info.contains(QRegularExpression("Page size: +595[.0-9]* x 84[12][.0-9]* pts \\(A4\\)")))
        << info.toStdString();
    const QString text = Tool("pdftotext", {pdf, "-"});
    for (const char* expected :
         {"Tarvex Pelvanor 55", "PRF120", "1213100004", "Acme Glazing Ltd", "Unit 4",
          "Riverside School", "1 May 2024", "within Domestic Buildings"}) {
        EXPECT_TRUE(text.contains(expected)) << expected;
    }
    const QStringList fonts = Tool("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& row : fonts) {
        EXPECT_TRUE(row.contains(" yes ")) << row.toStdString();
    }
}

TEST(CommandLine, AFailedWriteLeavesNoCutFile) {
    QTemporaryDir dir;
    const QByteArray old = "%PDF-1.4 an older certificate";
    const QString folderInTheWay = dir.filePath("in the way.pdf");
    ASSERT_TRUE(QDir().mkpath(folderInTheWay));
    const QStringList window = {"certificate", "--system", "Pelvanor 47", "-o"};
    const Outcome blocked = Greenguide(window + QStringList{folderInTheWay});
    EXPECT_EQ(blocked.code, 2);
    EXPECT_EQ(blocked.err,
              "greenguide: Cannot create file " + folderInTheWay + ": Is a directory\n");

    // Files may not grow past 4 KiB, with the size signal at its default (ending the process):
    // the program must ignore it, fail the write and keep the old file.
    const QString pdf = dir.filePath("old.pdf");
    WriteBytes(pdf, old);
    const Outcome limited = Greenguide(window + QStringList{pdf}, [] {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_TRUE(limited.exited);
    EXPECT_EQ(limited.code, 2);
    EXPECT_EQ(limited.err, "greenguide: Cannot create file " + pdf + ": File too large\n");
    EXPECT_EQ(ReadBytes(pdf), old);
    EXPECT_EQ(Files(dir.path()), QStringList{"old.pdf"});
}

TEST(Batch, TheExampleScheduleMakesEveryCertificate) {
    QTemporaryDir dir;
    const Outcome run =
        Greenguide({"batch", EXAMPLES_FOLDER "/window-schedule.csv", "-o", dir.path()});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());  // no progress bar where stderr is no terminal
    EXPECT_EQ(Files(dir.path()), QStringList({"W01.pdf", "W02.pdf", "W03.pdf", "W04.pdf", "W05.pdf",
                                              "summary.csv", "summary.xlsx"}));
    const QStringList summary =
        QString::fromUtf8(ReadBytes(dir.filePath("summary.csv"))).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(summary.size(), 6);
    EXPECT_EQ(summary[0],
              "ref,system,outer,vent,transom,building,weight,column,elementNumber,summaryRating,"
              "co2,error");
    EXPECT_EQ(summary[1],
              "W01,Pelvanor 47,PRF010,PRF020,PRF020,Domestic,0.709,1,1213100007,A,240,");
    EXPECT_EQ(summary[3],
              "W03,Pelvanor 55,PRF110,PRF120,PRF130,Commercial,0.918,5,1231500007,A,110,");
    EXPECT_TRUE(
        Tool("pdftotext", {dir.filePath("W04.pdf"), "-"}).contains("Riverside School, Block B"));
}

TEST(Batch, BadRowsAreReportedAndDoNotStopTheOthers) {
    QTemporaryDir data;
    WriteShortWeights(data.path());
    QTemporaryDir dir;
    const QString schedule = dir.filePath("schedule.csv");
    WriteBytes(schedule,
               "Ref, System ,Outer,Building,Company\r\n"
               "G1,Pelvanor 47,PRF010,Commercial,\"Acme | Unit 4\"\r\n"
               "B1,Pelvanr 47,PRF010,Commercial,\r\n"
               "B2,Pelvanor 47,PRF999,Commercial,\r\n"
               "B3,Pelvanor 47,PRF010,Offices,\r\n"
               "B4,Pelvanor 47,,Domestic,\r\n"
               "g1,Pelvanor 47,,,\r\n"
               "\r\n"
               "\"G/2\",Pelvanor 47,,commercial,\r\n"
               "\"B5\x1b]0;owned\x07\x1b[2J\r\",Pelvanr 47,PRF010,Commercial,\r\n");
    const QString out = dir.filePath("out");
    const Outcome run = Greenguide({"batch", schedule, "-o", out, "--data", data.path()});
    EXPECT_EQ(run.code, 2);
    const QStringList errors = run.err.split('\n', Qt::SkipEmptyParts);
    const QStringList expected = {
        schedule +
            ":3: B1: unknown system \"Pelvanr 47\"; nearest: Pelvanor 47, Pelvanor 55, "
            "Pelvanor 75",
        schedule +
            ":4: B2: \"PRF999\" is no outer frame of Pelvanor 47; nearest: PRF010, "
            "PRF011, PRF012",
        schedule + ":5: B3: building type \"Offices\" is neither Commercial nor Domestic",
        schedule +
            ":6: B4: no ratings column applies: vent frame: PRF020 has no line in "
            "GGWeights.Dat",
        schedule + ":7: g1: the ref names the same file as line 2",
        // A cell's control characters reach the terminal escaped, never as themselves.
        schedule +
            ":10: B5\\x1b]0;owned\\x07\\x1b[2J\\r: unknown system \"Pelvanr 47\"; nearest: "
            "Pelvanor 47, Pelvanor 55, Pelvanor 75",
    };
    EXPECT_EQ(errors, expected);
    EXPECT_EQ(Files(out), QStringList({"G1.pdf", "G_2.pdf", "summary.csv", "summary.xlsx"}));
    const QStringList summary =
        QString::fromUtf8(ReadBytes(out + "/summary.csv")).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(summary.size(), 9);
    EXPECT_EQ(summary[1],
              "G1,Pelvanor 47,PRF010,PRF020,PRF020,Commercial,0.698,4,1231500011,A+,100,");
    EXPECT_EQ(summary[2],
              "B1,Pelvanr 47,PRF010,,,Commercial,,,,,,\"unknown system \"\"Pelvanr 47\"\"; "
              "nearest: Pelvanor 47, Pelvanor 55, Pelvanor 75\"");
    EXPECT_EQ(summary[5],
              "B4,Pelvanor 47,PRF010,PRF020,PRF020,Domestic,0.000,-1,,,,no ratings column "
              "applies: vent frame: PRF020 has no line in GGWeights.Dat");
    EXPECT_TRUE(summary[7].startsWith("G/2,Pelvanor 47,PRF010,PRF020,PRF020,Commercial,0.698,4,"));
    EXPECT_TRUE(Tool("pdftotext", {out + "/G1.pdf", "-"}).contains("Unit 4"));
}

TEST(Batch, AScheduleThatIsNoScheduleWritesNothing) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out");
    struct Case {
        const char* content;
        const char* error;
    };
    const Case cases[] = {
        {"", "the schedule is empty"},
        // Columns that are not the schedule's are kept; a schedule still needs its system.
        {"Ref;Colour;Outer\r\nW1;red;PRF010\r\n", "line 1: the header names no \"system\" column"},
        {"ref,outer\r\nW1,PRF010\r\n", "line 1: the header names no \"system\" column"},
        {"ref,system,Ref\r\n", "line 1: the column \"Ref\" is named twice"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        const QString schedule = dir.filePath("schedule.csv");
        WriteBytes(schedule, c.content);
        const Outcome run = Greenguide({"batch", schedule, "-o", out});
        EXPECT_EQ(run.code, 2);
        EXPECT_TRUE(run.err.startsWith(schedule + ": " + c.error)) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out));
    }
    const Outcome missing = Greenguide({"batch", dir.filePath("none.csv"), "-o", out});
    EXPECT_EQ(missing.code, 2);
    EXPECT_FALSE(QFileInfo::exists(out));
    // Nothing but a regular file is read: no device read on and on, no pipe waited on.
    const QString pipe = dir.filePath("pipe.csv");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {QStringLiteral("/dev/zero"), pipe}) {
        const Outcome refused = Greenguide({"batch", path, "-o", out});
        EXPECT_EQ(refused.code, 2);
        EXPECT_EQ(refused.err,
                  "greenguide: Cannot open file " + path + ": It is not a regular file\n");
        EXPECT_FALSE(QFileInfo::exists(out));
    }
}

TEST(Csv, QuotesLineBreaksAndSpaces) {
    const QList<CsvRecord> records =
        CsvRecords(QStringLiteral(" a , \"b, \"\"c\"\"\" ,\r\n\r\n\"two\nlines\",x\ry\n\"\"\n"));
    ASSERT_EQ(records.size(), 4);
    EXPECT_EQ(records[0].line, 1);
    EXPECT_EQ(records[0].fields, QStringList({"a", "b, \"c\"", ""}));
    EXPECT_EQ(records[1].line, 3);
    EXPECT_EQ(records[1].fields, QStringList({"two\nlines", "x"}));
    EXPECT_EQ(records[2].line, 5);
    EXPECT_EQ(records[2].fields, QStringList({"y"}));
    // A quoted empty field is a record; an empty line is not.
    EXPECT_EQ(records[3].fields, QStringList({""}));
    EXPECT_EQ(ScheduleText(QByteArray("\xEF\xBB\xBFref")), "ref");
    EXPECT_EQ(ScheduleText(QByteArray("caf\xE9")), QString::fromUtf8("café"));
}
