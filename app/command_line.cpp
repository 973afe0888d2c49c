// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "app/command_line.h"

#include "language/language.h"
#include "model/message_text.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

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

} // namespace

CommandLine parseCommandLine(const QStringList &arguments, const QString &version)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Compares the yearly cost of lubricating a facility by hand with the cost of a Velmor "
                "automatic lubrication system."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("main", "Shows this help and exits."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QCoreApplication::translate("main", "Shows the version and exits."));
    const QCommandLineOption report(
        QStringLiteral("report"),
        QCoreApplication::translate("main", "Writes the customer report of FILE, or of the default figures, "
                                            "to OUT as a PDF, without opening a window."),
        QStringLiteral("OUT"));
    const QCommandLineOption workbook(
        QStringLiteral("workbook"),
        QCoreApplication::translate("main", "Writes the figures of FILE, or the default figures, to OUT as a "
                                            "workbook (.xlsx) whose costs are formulas, without opening a window."),
        QStringLiteral("OUT"));
    const QCommandLineOption summary(
        QStringLiteral("summary"),
        QCoreApplication::translate("main", "Writes one row for each FILE (its totals, payback and net present "
                                            "value) and a total row to OUT, a .csv or .xlsx file. A file listed "
                                            "twice, by any name, is refused rather than counted twice."),
        QStringLiteral("OUT"));
    const QCommandLineOption records(
        QStringLiteral("records"),
        QCoreApplication::translate("main", "Reads a work-order export (.csv, .txt or .xlsx) with the columns "
                                            "guessed from its header and writes what its bearing failures and "
                                            "repair hours come to; with --report or --workbook, applies them to "
                                            "the figures of FILE, or the default figures, before writing."),
        QStringLiteral("EXPORT"));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QCoreApplication::translate("main", "Shows the window and writes the report in LANGUAGE: %1.")
            .arg(languageCodes().join(QStringLiteral(", "))),
        QStringLiteral("LANGUAGE"));
    parser.addOption(help);
    parser.addOption(versionOption);
    parser.addOption(report);
    parser.addOption(workbook);
    parser.addOption(summary);
    parser.addOption(records);
    parser.addOption(language);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("main", "A facility file (.velmor) to open."),
                                 QStringLiteral("[FILE]"));

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
    if (parser.isSet(language) && language::isLanguageCode(parser.value(language)))
        line.language = parser.value(language);
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::PrintText;
        // Without an application object the parser does not know the
        // program's name and writes a placeholder in its usage line; with
        // one (help in another language), the path it was started by.
        line.text = parser.helpText();
        const QString placeholder =
            QCoreApplication::instance() ? QCoreApplication::arguments().value(0) : QStringLiteral("<executable_name>");
        const qsizetype at = line.text.indexOf(placeholder);
        if (!placeholder.isEmpty() && at >= 0 && at < line.text.indexOf(u'\n'))
            line.text.replace(at, placeholder.size(), program);
        return line;
    }
    if (parser.isSet(versionOption)) {
        line.action = CommandLine::Action::PrintText;
        line.text = QStringLiteral("velmor-calculator %1\n").arg(version);
        return line;
    }
    if (parser.isSet(language)) {
        line.language = parser.value(language);
        if (!language::isLanguageCode(line.language))
            return refuse(
                QCoreApplication::translate("main", "no language \"%1\"; the languages are %2")
                    .arg(model::escapedForMessage(line.language), languageCodes().join(QStringLiteral(", "))));
    }
    // A second OUT would silently win over the first.
    for (const QCommandLineOption *output : {&report, &workbook, &summary}) {
        if (parser.values(*output).size() > 1)
            return refuse(
                QCoreApplication::translate("main", "--%1 is given more than once; one file is written at a time")
                    .arg(output->names().constFirst()));
    }
    if (parser.values(records).size() > 1)
        return refuse(
            QCoreApplication::translate("main", "--records is given more than once; one export is read at a time"));
    const QStringList files = parser.positionalArguments();
    const int outputs = int(parser.isSet(report)) + int(parser.isSet(workbook)) + int(parser.isSet(summary));
    if (outputs > 1)
        return refuse(QCoreApplication::translate("main", "one of --report, --workbook and --summary at a time"));
    if (parser.isSet(records)) {
        line.recordsFile = parser.value(records);
        if (line.recordsFile.isEmpty())
            return refuse(QCoreApplication::translate("main", "--records needs the name of the export to read"));
        if (parser.isSet(summary))
            return refuse(QCoreApplication::translate("main", "--records goes with --report or --workbook, not with "
                                                              "--summary"));
    }
    if (parser.isSet(summary)) {
        if (parser.value(summary).isEmpty())
            return refuse(QCoreApplication::translate("main", "--summary needs the name of the file to write"));
        if (files.isEmpty())
            return refuse(QCoreApplication::translate("main", "--summary needs at least one facility file"));
        // The same plant twice would be counted twice in the total.
        QHash<QString, QString> given;
        for (const QString &file : files) {
            const QString identity = fileIdentity(file);
            const QString first = given.value(identity);
            if (first == file)
                return refuse(
                    QCoreApplication::translate("main", "--summary lists %1 twice").arg(model::quotedForMessage(file)));
            if (!first.isEmpty())
                return refuse(QCoreApplication::translate("main", "--summary lists one file twice, as %1 and as %2")
                                  .arg(model::quotedForMessage(first), model::quotedForMessage(file)));
            given.insert(identity, file);
        }
        line.action = CommandLine::Action::WriteSummary;
        line.reportFile = parser.value(summary);
        line.summaryFiles = files;
        return line;
    }
    if (files.size() > 1)
        return refuse(QCoreApplication::translate("main", "one facility file at a time, not %1").arg(files.size()));
    line.figuresFile = files.value(0);
    if (parser.isSet(records))
        line.action = CommandLine::Action::PrintRecords;
    if (parser.isSet(report)) {
        line.action = CommandLine::Action::WriteReport;
        line.reportFile = parser.value(report);
        if (line.reportFile.isEmpty())
            return refuse(QCoreApplication::translate("main", "--report needs the name of the PDF file to write"));
    }
    if (parser.isSet(workbook)) {
        line.action = CommandLine::Action::WriteWorkbook;
        line.reportFile = parser.value(workbook);
        if (line.reportFile.isEmpty())
            return refuse(QCoreApplication::translate("main", "--workbook needs the name of the workbook to write"));
    }
    return line;
}

} // namespace app
