#include "cli/command_line.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <exception>
#include <new>
#include <optional>

#include "cli/command_runners.h"
#include "cli/data_version_output.h"
#include "cli/options_command.h"
#include "cli/publish_command.h"
#include "data/product_tables.h"
#include "platform/fonts.h"
#include "platform/program_error.h"
#include "platform/program_info.h"
#include "platform/shown_text.h"
#include "platform/system_calls.h"

namespace {

const QString kProgram = QStringLiteral("greenguide");

QCommandLineOption OutputOption(const QString& valueName) {
    return {QStringLiteral("o"), QStringLiteral("Output."), valueName};
}
QCommandLineOption DataOption() {
    return {QStringLiteral("data"), QStringLiteral("Folder of the data files."),
            QStringLiteral("DIR")};
}
QCommandLineOption HelpOption() {
    return {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("This text.")};
}

QtMessageHandler standardHandler = nullptr;

// Without a desktop session Qt warns that it has no runtime folder; the command line needs none,
// and the warning would bury the program's own messages.
void QuietSessionWarnings(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")) ||
        message.startsWith(QLatin1String("QStandardPaths: runtime directory"))) {
        return;
    }
    standardHandler(type, context, message);
}

QString Usage() {
    QString text =
        QStringLiteral("Usage: %1                      start the window\n").arg(kProgram);
    for (const Command& command : Commands()) {
        text += QStringLiteral("       %1 %2\n").arg(kProgram, command.usage);
    }
    text += QStringLiteral("       %1 --help | --version [--verbose]\n\nCommands:\n").arg(kProgram);
    for (const Command& command : Commands()) {
        text += QStringLiteral("  %1%2\n").arg(command.name.leftJustified(13), command.summary);
    }
    text += QStringLiteral(
        "\nOptions of every command:\n"
        "  --data DIR     read GGWeights.Dat and GGSystem.Dat from DIR instead of where the\n"
        "                 window reads them; a file that is not there leaves its built-in table\n"
        "\nA code left out is the system's first; the building is Commercial unless --domestic.\n"
        "Exit codes: 0 done, 2 something could not be rated, read or written (rate and\n"
        "certificate: no ratings column applies; certificate then writes nothing unless\n"
        "--allow-unrated), 64 bad arguments;\n"
        "check, publish: 1 when the check finds anything, each finding as FILE:LINE: text\n"
        "(publish then writes nothing); batch: 130 when stopped by Ctrl+C or a signal, the\n"
        "rows not reached listed as cancelled.\n");
    return text;
}

// An option as it is typed: "-o", "--system".
QString OptionText(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

}  // namespace

int UsageError(CommandIo& io, const QString& message) {
    io.err << "greenguide: " << OneLine(message) << "\n\n" << Usage();
    io.err.flush();
    return kExitUsage;
}

QString OneLine(const QString& message) {
    return EscapedControls(QString(message).replace(QLatin1Char('\n'), QStringLiteral(": ")));
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = [] {
        const QString window = QStringLiteral(
            "--system NAME [--outer CODE] [--vent CODE] [--transom CODE] [--domestic]");
        std::vector<Command> list;
        Command rate;
        rate.name = QStringLiteral("rate");
        rate.usage = QStringLiteral("rate ") + window + QStringLiteral(" [--json]");
        rate.summary = QStringLiteral("print the rating of one window (as JSON with --json)");
        rate.options = WindowOptions();
        rate.options << QCommandLineOption(QStringLiteral("json"), QStringLiteral("JSON."));
        rate.requiredOptions = {QStringLiteral("system")};
        rate.run = RunRate;
        list.push_back(rate);

        Command certificate;
        certificate.name = QStringLiteral("certificate");
        certificate.usage = QStringLiteral("certificate ") + window +
                            QStringLiteral(
                                "\n                    [--company TEXT]... [--project TEXT] "
                                "[--date TEXT] [--allow-unrated] -o FILE.pdf");
        certificate.summary =
            QStringLiteral("write the certificate of one window as a PDF (one --company a line)");
        certificate.options = WindowOptions();
        certificate.options << QCommandLineOption(QStringLiteral("company"),
                                                  QStringLiteral("Company line."),
                                                  QStringLiteral("TEXT"))
                            << QCommandLineOption(QStringLiteral("project"),
                                                  QStringLiteral("Project."),
                                                  QStringLiteral("TEXT"))
                            << QCommandLineOption(QStringLiteral("date"), QStringLiteral("Date."),
                                                  QStringLiteral("TEXT"))
                            << QCommandLineOption(QStringLiteral("allow-unrated"),
                                                  QStringLiteral("Write it without a rating."))
                            << OutputOption(QStringLiteral("FILE.pdf"));
        certificate.requiredOptions = {QStringLiteral("system"), QStringLiteral("o")};
        certificate.run = RunCertificate;
        list.push_back(certificate);

        Command batch;
        batch.name = QStringLiteral("batch");
        batch.usage = QStringLiteral(
            "batch SCHEDULE.csv -o DIR [--combined FILE.pdf] [--sheet NAME]\n"
            "       greenguide batch SCHEDULE.csv --combined FILE.pdf [--sheet NAME]");
        batch.summary = QStringLiteral(
            "write <ref>.pdf for every row of a window schedule (CSV, or an Excel workbook's "
            "sheet) and DIR/summary.csv and .xlsx, or one PDF");
        batch.options << OutputOption(QStringLiteral("DIR"))
                      << QCommandLineOption(QStringLiteral("combined"),
                                            QStringLiteral("One PDF: a summary and every "
                                                           "certificate."),
                                            QStringLiteral("FILE.pdf"))
                      << QCommandLineOption(QStringLiteral("sheet"),
                                            QStringLiteral("The workbook's sheet that holds the "
                                                           "schedule (the first when not given)."),
                                            QStringLiteral("NAME"));
        batch.fileArguments = 1;
        batch.run = RunBatchCommand;
        list.push_back(batch);

        Command systems;
        systems.name = QStringLiteral("list");
        systems.usage = QStringLiteral("list [--data DIR] [--json]");
        systems.summary =
            QStringLiteral("list the systems as the selector does, with their profile codes");
        systems.options << QCommandLineOption(QStringLiteral("json"), QStringLiteral("JSON."));
        systems.run = RunList;
        list.push_back(systems);

        Command options;
        options.name = QStringLiteral("options");
        options.usage = QStringLiteral(
            "options --system NAME | --all-systems [--domestic] [--better-than RATING]\n"
            "                    [--data DIR] [--json]");
        options.summary = QStringLiteral(
            "list the choices of profiles of a system, or of all, best summary rating first");
        options.options << SystemOption() << WindowOptions().last()
                        << QCommandLineOption(QStringLiteral("all-systems"),
                                              QStringLiteral("Every system's choices."))
                        << QCommandLineOption(QStringLiteral("better-than"),
                                              QStringLiteral("Only those rated better."),
                                              QStringLiteral("RATING"))
                        << QCommandLineOption(QStringLiteral("json"), QStringLiteral("JSON."));
        options.run = [](const QCommandLineParser& parser, CommandIo& io) {
            QString problem;
            const std::optional<ChoicesQuery> query = OptionsQueryOf(parser, &problem);
            if (!query) {
                return UsageError(io, problem);
            }
            return RunOptions(*query, parser.isSet(QStringLiteral("json")), io);
        };
        list.push_back(options);

        Command check;
        check.name = QStringLiteral("check");
        check.usage = QStringLiteral("check [--data DIR]");
        check.summary = QStringLiteral(
            "list the faults of the weights table and the system catalogue, one a line");
        check.run = RunCheck;
        list.push_back(check);

        Command publish;
        publish.name = QStringLiteral("publish");
        publish.usage = QStringLiteral("publish DIR [--data DIR]");
        publish.summary = QStringLiteral(
            "check the tables and, when nothing is found, write them into DIR with GGTables.txt");
        publish.fileArguments = 1;
        publish.run = RunPublish;
        list.push_back(publish);
        return list;
    }();
    return commands;
}

int RunCommands(const QStringList& arguments, CommandIo& io) {
    const QString first = arguments.value(1);
    if (first == QStringLiteral("--help") || first == QStringLiteral("-h")) {
        io.out << Usage();
        return kExitDone;
    }
    if (first == QStringLiteral("--version")) {
        const QStringList rest = arguments.mid(2);
        if (!rest.isEmpty() && rest != QStringList{QStringLiteral("--verbose")}) {
            return UsageError(io, QStringLiteral("--version takes only --verbose"));
        }
        io.out << kProgram << ' ' << ProgramVersion() << Qt::endl;
        if (rest.isEmpty()) {
            return kExitDone;
        }
        try {
            // The tables as the window would read them now.
            io.out << "Qt " << qVersion() << '\n'
                   << DataVersionLines(DataVersionOf(LoadProductTables(QString())));
            io.out.flush();
        } catch (const ProgramError& error) {
            io.err << "greenguide: " << OneLine(error.text()) << Qt::endl;
            return kExitFailed;
        }
        return kExitDone;
    }
    const auto command = std::find_if(Commands().begin(), Commands().end(),
                                      [&first](const Command& c) { return c.name == first; });
    if (command == Commands().end()) {
        return UsageError(io, first.isEmpty()
                                  ? QStringLiteral("no command")
                                  : QStringLiteral("unknown command \"%1\"").arg(first));
    }

    QCommandLineParser parser;
    parser.addOptions(command->options);
    parser.addOption(DataOption());
    parser.addOption(HelpOption());
    if (!parser.parse(arguments.mid(1))) {
        return UsageError(io, parser.errorText());
    }
    if (parser.isSet(QStringLiteral("help"))) {
        io.out << QStringLiteral("Usage: %1 %2\n").arg(kProgram, command->usage);
        return kExitDone;
    }
    if (parser.positionalArguments().size() != command->fileArguments) {
        return UsageError(io, QStringLiteral("%1 takes %2 file argument(s), not %3")
                                  .arg(command->name)
                                  .arg(command->fileArguments)
                                  .arg(parser.positionalArguments().size()));
    }
    // Only the company's lines add up; any other option given twice would silently take one.
    QStringList given;
    for (const QString& name : parser.optionNames()) {
        if (given.contains(name) && name != QStringLiteral("company")) {
            return UsageError(io,
                              QStringLiteral("%1 is given more than once").arg(OptionText(name)));
        }
        given << name;
    }
    for (const QString& name : command->requiredOptions) {
        if (!parser.isSet(name)) {
            return UsageError(io,
                              QStringLiteral("%1 needs %2").arg(command->name, OptionText(name)));
        }
    }
    if (parser.isSet(QStringLiteral("data"))) {
        const QString folder = parser.value(QStringLiteral("data"));
        if (!QFileInfo(folder).isDir()) {
            io.err << "greenguide: no folder " << OneLine(folder) << Qt::endl;
            return kExitFailed;
        }
        // A folder that cannot be looked into would seem to hold no data files.
        if (const int error = FolderAccessError(folder); error != 0) {
            io.err << "greenguide: cannot read " << OneLine(folder) << ": "
                   << qt_error_string(error) << Qt::endl;
            return kExitFailed;
        }
        io.dataFolder = QDir(folder).absolutePath() + QLatin1Char('/');
    }
    try {
        return command->run(parser, io);
    } catch (const ProgramError& error) {
        io.err << "greenguide: " << OneLine(error.text()) << Qt::endl;
        return kExitFailed;
    } catch (const std::bad_alloc&) {
        // No exception ends the program unexplained, not even the memory running out.
        io.err << "greenguide: not enough memory" << Qt::endl;
        return kExitFailed;
    } catch (const std::exception& error) {
        io.err << "greenguide: " << error.what() << Qt::endl;
        return kExitFailed;
    }
}

int RunCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    // No display is needed: pages are drawn in memory.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    standardHandler = qInstallMessageHandler(QuietSessionWarnings);
    // The application sees only the program's name, so that no argument is taken for one of
    // Qt's own options.
    int appArgc = 1;
    QGuiApplication app(appArgc, argv);
    InstallFontSubstitutes();
    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandIo io{out, err, QString(), StandardErrorIsTerminal()};
    const int code = RunCommands(arguments, io);
    out.flush();
    err.flush();
    return code;
}
