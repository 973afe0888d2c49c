// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "app/command_line.h"

#include "language/language.h"
#include "model/text/message_text.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <array>
#include <optional>

namespace app {

namespace {

QStringList languageCodes()
{
    QStringList codes;
    for (const language::Language &language : language::kLanguages)
        codes << QString::fromLatin1(language.code);
    return codes;
}

// A file as the file system knows it: links followed and the path made
// absolute, so that "a.velmor", "./a.velmor" and a link to it are one file.
QString fileIdentity(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// How the export is read: sheet, columns, words and date order; why not.
std::optional<QString> readRecordsOptions(const QCommandLineParser &parser,
                                          const std::array<const QCommandLineOption *, 9> &options,
                                          model::RecordsRequest &request)
{
    const auto &[sheet, columns, words, types, installed, dateOrder, window, repeatDays, downtime] = options;
    for (const QCommandLineOption *option : options) {
        if (parser.isSet(*option) && request.file.isEmpty())
            return QCoreApplication::translate("main", "--%1 goes with --records").arg(option->names().constFirst());
        if (parser.values(*option).size() > 1)
            return QCoreApplication::translate("main", "--%1 is given more than once")
                .arg(option->names().constFirst());
    }
    request.sheet = parser.value(*sheet);
    request.stopsOnDowntime = parser.isSet(*downtime);
    if (parser.isSet(*columns))
        if (const std::optional<QString> why = model::readColumnsOption(parser.value(*columns), request.columns))
            return QStringLiteral("--records-columns: ") + model::escapedForMessage(*why);
    if (parser.isSet(*words))
        request.failureWords = model::failureWordsOf(parser.value(*words));
    if (parser.isSet(*types))
        request.failureTypes = model::failureWordsOf(parser.value(*types));
    if (parser.isSet(*installed)) {
        request.installed = QDate::fromString(parser.value(*installed), Qt::ISODate);
        if (!request.installed.isValid())
            return QCoreApplication::translate("main", "--installed takes a date such as 2024-03-01, not \"%1\"")
                .arg(model::escapedForMessage(parser.value(*installed)));
    }
    if (parser.isSet(*window))
        if (const std::optional<QString> why = model::readPeriodOption(parser.value(*window), request))
            return QStringLiteral("--window: ") + *why;
    if (parser.isSet(*repeatDays)) {
        bool read = false;
        request.repeatDays = parser.value(*repeatDays).toInt(&read);
        if (!read || *request.repeatDays < 0 || *request.repeatDays > model::kMaxRepeatDays)
            return QCoreApplication::translate("main", "--repeat-days takes a number of days from 0 to %1, not \"%2\"")
                .arg(model::kMaxRepeatDays)
                .arg(model::escapedForMessage(parser.value(*repeatDays)));
    }
    if (parser.isSet(*dateOrder)) {
        request.slashOrder = model::slashOrderNamed(parser.value(*dateOrder));
        if (!request.slashOrder)
            return QCoreApplication::translate("main", "--date-order is dmy or mdy, not \"%1\"")
                .arg(model::escapedForMessage(parser.value(*dateOrder)));
    }
    return std::nullopt;
}

// The options the program takes, each with its help text, in the order the
// help lists them.
struct Options {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption report;
    QCommandLineOption workbook;
    QCommandLineOption summary;
    QCommandLineOption records;
    QCommandLineOption sheet;
    QCommandLineOption columns;
    QCommandLineOption words;
    QCommandLineOption types;
    QCommandLineOption installed;
    QCommandLineOption dateOrder;
    QCommandLineOption window;
    QCommandLineOption repeatDays;
    QCommandLineOption downtime;
    QCommandLineOption language;

    // Those that say how --records reads its export.
    std::array<const QCommandLineOption *, 9> recordsReading() const
    {
        return {&sheet, &columns, &words, &types, &installed, &dateOrder, &window, &repeatDays, &downtime};
    }
};

// The options, added to parser with the program's description and its FILE.
Options addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Compares the annual cost of lubricating a facility by hand with the cost of a Velmor "
                "automatic lubrication system."));
    Options o{
        .help = QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                   QCoreApplication::translate("main", "Shows this help and exits.")),
        .version = QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                      QCoreApplication::translate("main", "Shows the version and exits.")),
        .report = QCommandLineOption(
            QStringLiteral("report"),
            QCoreApplication::translate("main", "Writes the customer report of FILE, or of the default figures, "
                                                "to OUT as a PDF, without opening a window."),
            QStringLiteral("OUT")),
        .workbook = QCommandLineOption(
            QStringLiteral("workbook"),
            QCoreApplication::translate("main", "Writes the figures of FILE, or the default figures, to OUT as a "
                                                "workbook (.xlsx) whose costs are formulas, without opening a window."),
            QStringLiteral("OUT")),
        .summary = QCommandLineOption(
            QStringLiteral("summary"),
            QCoreApplication::translate("main", "Writes one row for each FILE (its totals, payback and net present "
                                                "value) and a total row to OUT, a .csv or .xlsx file. A file listed "
                                                "twice, by any name, is refused rather than counted twice."),
            QStringLiteral("OUT")),
        .records = QCommandLineOption(
            QStringLiteral("records"),
            QCoreApplication::translate("main", "Reads a work-order export (.csv, .txt or .xlsx) with the columns "
                                                "guessed from its header and writes what its bearing failures and "
                                                "repair hours come to; with --report or --workbook, applies them to "
                                                "the figures of FILE, or the default figures, before writing."),
            QStringLiteral("EXPORT")),
        .sheet =
            QCommandLineOption(QStringLiteral("sheet"),
                               QCoreApplication::translate(
                                   "main", "With --records, reads the workbook's sheet SHEET, by its number from 1 "
                                           "or its name, instead of the first."),
                               QStringLiteral("SHEET")),
        .columns =
            QCommandLineOption(QStringLiteral("records-columns"),
                               QCoreApplication::translate(
                                   "main", "With --records, reads the columns named in COLUMNS "
                                           "(\"date=Datum,description=Text,repairHours=Ist-Arbeit\"; also asset, "
                                           "workType and downtimeHours) instead of those guessed from the header."),
                               QStringLiteral("COLUMNS")),
        .words =
            QCommandLineOption(QStringLiteral("records-words"),
                               QCoreApplication::translate(
                                   "main", "With --records, counts the work orders whose type or description holds "
                                           "one of WORDS (separated by commas) as bearing failures; given, no "
                                           "failure found is a result, not a refusal."),
                               QStringLiteral("WORDS")),
        .types = QCommandLineOption(
            QStringLiteral("records-types"),
            QCoreApplication::translate("main", "With --records, counts only the work orders of the work types TYPES "
                                                "(separated by commas, e.g. \"CM,EM\") as failures, instead of the "
                                                "corrective and breakdown types guessed from the work-type column."),
            QStringLiteral("TYPES")),
        .installed =
            QCommandLineOption(QStringLiteral("installed"),
                               QCoreApplication::translate(
                                   "main", "With --records, checks the failures before the system was installed on "
                                           "DATE (2024-03-01) against those after it, beside the reduction the case "
                                           "assumes."),
                               QStringLiteral("DATE")),
        .dateOrder = QCommandLineOption(
            QStringLiteral("date-order"),
            QCoreApplication::translate("main", "With --records, reads dates such as 03/04/2024 day first (dmy) or "
                                                "month first (mdy) where the export does not tell."),
            QStringLiteral("ORDER")),
        .window =
            QCommandLineOption(QStringLiteral("window"),
                               QCoreApplication::translate(
                                   "main", "With --records, counts the failures from FROM to TO "
                                           "(2023-01-01:2024-12-31), the period the export covers, instead of from "
                                           "its first order to its last."),
                               QStringLiteral("FROM:TO")),
        .repeatDays = QCommandLineOption(
            QStringLiteral("repeat-days"),
            QCoreApplication::translate("main", "With --records, counts orders on one asset within DAYS days of each "
                                                "other as one failure (7 unless given)."),
            QStringLiteral("DAYS")),
        .downtime = QCommandLineOption(
            QStringLiteral("records-downtime"),
            QCoreApplication::translate("main", "With --records, values the lost production of a failure over the "
                                                "export's mean downtime instead of the repair hours, where the export "
                                                "has downtime hours.")),
        .language = QCommandLineOption(
            QStringLiteral("language"),
            QCoreApplication::translate("main", "Shows the window and writes the report in LANGUAGE: %1.")
                .arg(languageCodes().join(QStringLiteral(", "))),
            QStringLiteral("LANGUAGE")),
    };
    for (const QCommandLineOption *option : {&o.help, &o.version, &o.report, &o.workbook, &o.summary, &o.records})
        parser.addOption(*option);
    for (const QCommandLineOption *option : o.recordsReading())
        parser.addOption(*option);
    parser.addOption(o.language);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("main", "A facility file (.velmor) to open."),
                                 QStringLiteral("[FILE]"));
    return o;
}

// The help in the language chosen. Without an application object the parser
// does not know the program's name and writes a placeholder in its usage
// line; with one (help in another language), the path it was started by.
QString helpTextOf(const QCommandLineParser &parser, const QString &program)
{
    QString text = parser.helpText();
    const QString placeholder =
        QCoreApplication::instance() ? QCoreApplication::arguments().value(0) : QStringLiteral("<executable_name>");
    const qsizetype at = text.indexOf(placeholder);
    if (!placeholder.isEmpty() && at >= 0 && at < text.indexOf(u'\n'))
        text.replace(at, placeholder.size(), program);
    return text;
}

// The same plant listed twice would be counted twice in the total: why the
// files cannot be summed up together, or nothing.
std::optional<QString> repeatedSummaryFile(const QStringList &files)
{
    QHash<QString, QString> given;
    for (const QString &file : files) {
        const QString identity = fileIdentity(file);
        const QString first = given.value(identity);
        if (first == file)
            return QCoreApplication::translate("main", "--summary lists %1 twice").arg(model::quotedForMessage(file));
        if (!first.isEmpty())
            return QCoreApplication::translate("main", "--summary lists one file twice, as %1 and as %2")
                .arg(model::quotedForMessage(first), model::quotedForMessage(file));
        given.insert(identity, file);
    }
    return std::nullopt;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments, const QString &version)
{
    QCommandLineParser parser;
    const Options o = addOptions(parser);
    CommandLine line;
    // Named as it was started, without the folder it was started from.
    const QString started = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    const QString program = started.isEmpty() ? QStringLiteral("velmor-calculator") : started;
    const auto refuse = [&](const QString &why) {
        line.action = CommandLine::Action::Refuse;
        line.text = QStringLiteral("%1: %2").arg(program, why);
        return line;
    };
    // The parser's messages quote what was typed, which may hold an escape
    // sequence meant for the terminal.
    if (!parser.parse(arguments))
        return refuse(model::escapedForMessage(parser.errorText()));
    // Known before the help, so that the help is given in it.
    if (parser.isSet(o.language) && language::isLanguageCode(parser.value(o.language)))
        line.language = parser.value(o.language);
    if (parser.isSet(o.help)) {
        line.action = CommandLine::Action::PrintText;
        line.text = helpTextOf(parser, program);
        return line;
    }
    if (parser.isSet(o.version)) {
        line.action = CommandLine::Action::PrintText;
        line.text = QStringLiteral("velmor-calculator %1\n").arg(version);
        return line;
    }
    if (parser.isSet(o.language)) {
        line.language = parser.value(o.language);
        if (!language::isLanguageCode(line.language))
            return refuse(
                QCoreApplication::translate("main", "no language \"%1\"; the languages are %2")
                    .arg(model::escapedForMessage(line.language), languageCodes().join(QStringLiteral(", "))));
    }
    // A second OUT would silently win over the first.
    for (const QCommandLineOption *output : {&o.report, &o.workbook, &o.summary}) {
        if (parser.values(*output).size() > 1)
            return refuse(
                QCoreApplication::translate("main", "--%1 is given more than once; one file is written at a time")
                    .arg(output->names().constFirst()));
    }
    if (parser.values(o.records).size() > 1)
        return refuse(
            QCoreApplication::translate("main", "--records is given more than once; one export is read at a time"));
    const QStringList files = parser.positionalArguments();
    const int outputs = int(parser.isSet(o.report)) + int(parser.isSet(o.workbook)) + int(parser.isSet(o.summary));
    if (outputs > 1)
        return refuse(QCoreApplication::translate("main", "one of --report, --workbook and --summary at a time"));
    if (parser.isSet(o.records)) {
        line.records.file = parser.value(o.records);
        if (line.records.file.isEmpty())
            return refuse(QCoreApplication::translate("main", "--records needs the name of the export to read"));
        if (parser.isSet(o.summary))
            return refuse(QCoreApplication::translate("main", "--records goes with --report or --workbook, not with "
                                                              "--summary"));
    }
    if (const std::optional<QString> why = readRecordsOptions(parser, o.recordsReading(), line.records))
        return refuse(*why);
    if (parser.isSet(o.summary)) {
        if (parser.value(o.summary).isEmpty())
            return refuse(QCoreApplication::translate("main", "--summary needs the name of the file to write"));
        if (files.isEmpty())
            return refuse(QCoreApplication::translate("main", "--summary needs at least one facility file"));
        if (const std::optional<QString> why = repeatedSummaryFile(files))
            return refuse(*why);
        line.action = CommandLine::Action::WriteSummary;
        line.reportFile = parser.value(o.summary);
        line.summaryFiles = files;
        return line;
    }
    if (files.size() > 1)
        return refuse(QCoreApplication::translate("main", "one facility file at a time, not %1").arg(files.size()));
    line.figuresFile = files.value(0);
    if (parser.isSet(o.records))
        line.action = CommandLine::Action::PrintRecords;
    if (parser.isSet(o.report)) {
        line.action = CommandLine::Action::WriteReport;
        line.reportFile = parser.value(o.report);
        if (line.reportFile.isEmpty())
            return refuse(QCoreApplication::translate("main", "--report needs the name of the PDF file to write"));
    }
    if (parser.isSet(o.workbook)) {
        line.action = CommandLine::Action::WriteWorkbook;
        line.reportFile = parser.value(o.workbook);
        if (line.reportFile.isEmpty())
            return refuse(QCoreApplication::translate("main", "--workbook needs the name of the workbook to write"));
    }
    return line;
}

} // namespace app
