// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// What the command line asks for, decided before any application exists.

#include "app/command_line.h"

#include <QTest>

#include <algorithm>

using app::CommandLine;
Q_DECLARE_METATYPE(CommandLine::Action)

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void summaryTakesEveryFile();
    void language_data();
    void language();
};

// clang-format off
void CommandLineTest::parse_data()
{
    using A = CommandLine::Action;
    QTest::addColumn<QStringList>("arguments"); // after the program's name
    QTest::addColumn<A>("action");
    QTest::addColumn<QString>("figuresFile");
    QTest::addColumn<QString>("reportFile");
    QTest::addColumn<QString>("textHolds");
    QTest::addColumn<QString>("textStarts");
    QTest::newRow("nothing: the window") << QStringList{} << A::ShowWindow << "" << "" << "" << "";
    QTest::newRow("a file: the window with it") << QStringList{"plant.velmor"} << A::ShowWindow << "plant.velmor" << "" << "" << "";
    QTest::newRow("report of the defaults") << QStringList{"--report", "out.pdf"} << A::WriteReport << "" << "out.pdf" << "" << "";
    QTest::newRow("report of a file") << QStringList{"--report", "out.pdf", "plant.velmor"} << A::WriteReport << "plant.velmor" << "out.pdf" << "" << "";
    QTest::newRow("report written as --report=OUT") << QStringList{"plant.velmor", "--report=out.pdf"} << A::WriteReport << "plant.velmor" << "out.pdf" << "" << "";
    // The parser runs before any application object knows the program's name.
    QTest::newRow("help") << QStringList{"--help"} << A::PrintText << "" << "" << "--summary <OUT>"
                          << "Usage: velmor-calculator [options] [FILE]\n";
    QTest::newRow("version") << QStringList{"--version"} << A::PrintText << "" << "" << "" << "velmor-calculator 1.2.3\n";
    QTest::newRow("report without its file") << QStringList{"--report"} << A::Refuse << "" << "" << "Missing value after '--report'" << "";
    QTest::newRow("empty report file") << QStringList{"--report="} << A::Refuse << "" << "" << "--report needs" << "";
    QTest::newRow("unknown option") << QStringList{"--colour"} << A::Refuse << "" << "" << "Unknown option 'colour'" << "";
    QTest::newRow("two files") << QStringList{"a.velmor", "b.velmor"} << A::Refuse << "" << "" << "one facility file at a time" << "";
    QTest::newRow("workbook of a file") << QStringList{"--workbook", "out.xlsx", "plant.velmor"} << A::WriteWorkbook << "plant.velmor" << "out.xlsx" << "" << "";
    QTest::newRow("workbook of two files") << QStringList{"--workbook", "out.xlsx", "a.velmor", "b.velmor"} << A::Refuse << "" << "" << "one facility file at a time" << "";
    QTest::newRow("summary without files") << QStringList{"--summary", "out.csv"} << A::Refuse << "" << "" << "at least one facility file" << "";
    QTest::newRow("report and workbook at once") << QStringList{"--report", "a.pdf", "--workbook", "b.xlsx"} << A::Refuse << "" << "" << "at a time" << "";
    // A second OUT must not silently win over the first.
    QTest::newRow("summary given twice") << QStringList{"--summary", "a.csv", "--summary=b.csv", "x.velmor"} << A::Refuse << "" << "" << "--summary is given more than once" << "";
    QTest::newRow("report given twice") << QStringList{"--report", "a.pdf", "--report", "a.pdf"} << A::Refuse << "" << "" << "--report is given more than once" << "";
    QTest::newRow("workbook given twice") << QStringList{"--workbook=a.xlsx", "--workbook=b.xlsx"} << A::Refuse << "" << "" << "--workbook is given more than once" << "";
    // Counted twice, one plant would double the total.
    QTest::newRow("summary of one file twice") << QStringList{"--summary", "o.csv", "a.velmor", "b.velmor", "a.velmor"} << A::Refuse << "" << "" << "lists \u201Ca.velmor\u201D twice" << "";
    QTest::newRow("summary of one file by two names") << QStringList{"--summary", "o.csv", "d/a.velmor", "d/../d/./a.velmor"} << A::Refuse << "" << "" << "as \u201Cd/a.velmor\u201D and as \u201Cd/../d/./a.velmor\u201D" << "";
    QTest::newRow("records alone: their evidence") << QStringList{"--records", "orders.csv"} << A::PrintRecords << "" << "" << "" << "";
    QTest::newRow("records with a facility file") << QStringList{"--records=orders.xlsx", "plant.velmor"} << A::PrintRecords << "plant.velmor" << "" << "" << "";
    QTest::newRow("records applied to a report") << QStringList{"--records", "orders.csv", "--report", "out.pdf", "plant.velmor"} << A::WriteReport << "plant.velmor" << "out.pdf" << "" << "";
    QTest::newRow("records applied to a workbook") << QStringList{"--workbook", "out.xlsx", "--records", "orders.csv"} << A::WriteWorkbook << "" << "out.xlsx" << "" << "";
    QTest::newRow("records given twice") << QStringList{"--records", "a.csv", "--records", "b.csv"} << A::Refuse << "" << "" << "--records is given more than once" << "";
    QTest::newRow("empty records file") << QStringList{"--records="} << A::Refuse << "" << "" << "--records needs" << "";
    QTest::newRow("records with a summary") << QStringList{"--records", "a.csv", "--summary", "o.csv", "x.velmor"} << A::Refuse << "" << "" << "not with --summary" << "";
    QTest::newRow("help names records") << QStringList{"--help"} << A::PrintText << "" << "" << "--records <EXPORT>" << "";
    QTest::newRow("records read as told") << QStringList{"--records", "a.csv", "--sheet", "2", "--records-columns", "date=Datum", "--records-words", "Lager", "--date-order", "dmy"} << A::PrintRecords << "" << "" << "" << "";
    QTest::newRow("records column unknown") << QStringList{"--records", "a.csv", "--records-columns", "when=Datum"} << A::Refuse << "" << "" << "no column=name" << "";
    QTest::newRow("date order unknown") << QStringList{"--records", "a.csv", "--date-order", "ymd"} << A::Refuse << "" << "" << "dmy or mdy" << "";
    QTest::newRow("records words without records") << QStringList{"--records-words", "Lager"} << A::Refuse << "" << "" << "goes with --records" << "";
    QTest::newRow("unknown option with a terminal escape") << QStringList{"--x\x1B]0;owned\x07"} << A::Refuse << "" << "" << "Unknown option 'x\\x1B]0;owned\\x07'" << "";
}
// clang-format on

void CommandLineTest::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Action, action);
    QFETCH(QString, figuresFile);
    QFETCH(QString, reportFile);
    QFETCH(QString, textHolds);
    QFETCH(QString, textStarts);
    // Started by its path, as the desktop's menu entry does.
    const CommandLine line = app::parseCommandLine(QStringList{"/usr/bin/velmor-calculator"} + arguments, "1.2.3");
    QCOMPARE(line.action, action);
    QCOMPARE(line.figuresFile, figuresFile);
    QCOMPARE(line.reportFile, reportFile);
    QVERIFY2(line.text.contains(textHolds), qPrintable(line.text));
    QVERIFY2(textStarts.isEmpty() || line.text.startsWith(textStarts), qPrintable(line.text));
    // The export is kept for what it is read for.
    if (action != CommandLine::Action::Refuse)
        QCOMPARE(!line.records.file.isEmpty(), arguments.join(u' ').contains(QLatin1StringView("--records")));
    // A refusal is one line that names the program.
    if (action == CommandLine::Action::Refuse)
        QVERIFY(line.text.startsWith("velmor-calculator: ") && !line.text.contains(u'\n'));
    // Nothing typed reaches the terminal as a control character.
    if (action == CommandLine::Action::Refuse)
        QVERIFY2(std::none_of(line.text.cbegin(), line.text.cend(),
                              [](QChar c) { return c.category() == QChar::Other_Control; }),
                 qPrintable(line.text));
}

void CommandLineTest::summaryTakesEveryFile()
{
    const CommandLine line =
        app::parseCommandLine({"velmor-calculator", "--summary=all.xlsx", "a.velmor", "b.velmor", "c.velmor"}, "1.2.3");
    QCOMPARE(line.action, CommandLine::Action::WriteSummary);
    QCOMPARE(line.reportFile, QStringLiteral("all.xlsx"));
    QCOMPARE(line.summaryFiles, QStringList({"a.velmor", "b.velmor", "c.velmor"}));
}

// clang-format off
void CommandLineTest::language_data()
{
    using A = CommandLine::Action;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<A>("action");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("textHolds");
    QTest::newRow("none given") << QStringList{} << A::ShowWindow << "" << "";
    QTest::newRow("window in German") << QStringList{"--language", "de"} << A::ShowWindow << "de" << "";
    QTest::newRow("report in Brazilian Portuguese") << QStringList{"--language=pt_BR", "--report", "o.pdf"}
                                                    << A::WriteReport << "pt_BR" << "";
    QTest::newRow("English by its code") << QStringList{"--language", "en"} << A::ShowWindow << "en" << "";
    QTest::newRow("unknown code") << QStringList{"--language", "xx"} << A::Refuse << "xx" << "no language \"xx\"";
    QTest::newRow("a locale name is no code") << QStringList{"--language", "de_DE"} << A::Refuse << "de_DE" << "pt_BR";
    QTest::newRow("code with a terminal escape") << QStringList{"--language", "de\x1B[2J"} << A::Refuse << "de\x1B[2J" << "no language \"de\\x1B[2J\"";
    QTest::newRow("code in another case") << QStringList{"--language", "PT_br"} << A::Refuse << "PT_br" << "zh_CN";
    QTest::newRow("empty code") << QStringList{"--language="} << A::Refuse << "" << "no language";
    QTest::newRow("code missing") << QStringList{"--language"} << A::Refuse << "" << "Missing value";
    QTest::newRow("help in a language") << QStringList{"--language", "fr", "--help"} << A::PrintText << "fr" << "--language";
    QTest::newRow("help lists the codes") << QStringList{"--help"} << A::PrintText << "" << "en, de, fr, es, pt_BR, zh_CN";
}
// clang-format on

void CommandLineTest::language()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Action, action);
    QFETCH(QString, language);
    QFETCH(QString, textHolds);
    const CommandLine line = app::parseCommandLine(QStringList{"velmor-calculator"} + arguments, "1.2.3");
    QCOMPARE(line.action, action);
    QCOMPARE(line.language, language);
    QVERIFY2(line.text.contains(textHolds), qPrintable(line.text));
    if (action == CommandLine::Action::Refuse)
        QVERIFY(line.text.startsWith("velmor-calculator: ") && !line.text.contains(u'\n')
                && !line.text.contains(u'\x1B'));
}

QTEST_APPLESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
