// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Work-order exports read to the known counts or refused naming the line:
// every delimiter, encoding and date form, decimal commas, quoted line
// breaks, duplicate rows, and files that are no table.

#include "model/records/csv_table.h"
#include "model/records/failure_trend.h"
#include "model/records/failure_types.h"
#include "model/records/records_choice.h"
#include "model/records/records_evidence.h"
#include "model/records/records_request.h"
#include "model/records/savings_check.h"
#include "model/records/savings_check_text.h"
#include "model/records/work_orders.h"
#include "model/records/xlsx_records.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <xlsxwriter.h>

#include <boost/math/distributions/beta.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <map>

namespace {

QByteArray sample(const char *name)
{
    QFile file(QStringLiteral(":/data/%1").arg(QLatin1StringView(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray utf16(const QString &text)
{
    QByteArray bytes("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return bytes;
}

const QByteArray kSmall = "Date,Type,Description,Hours\n"
                          "2024-01-02,Corrective,Bearing replaced,4.5\n"
                          "2024-07-02,Preventive,Lubrication round,1\n"
                          "2025-01-01,Corrective,\"Lager getauscht,\nAntriebsseite\",3.5\n";

} // namespace

class WorkOrdersTest : public QObject {
    Q_OBJECT
private slots:
    void exportsRead_data();
    void exportsRead();
    void workbookRead();
    void mergedCellsRead();
    void datesResolvedFromTheColumn_data();
    void datesResolvedFromTheColumn();
    void exportsAsSystemsWriteThem_data();
    void exportsAsSystemsWriteThem();
    void goLiveSampleCounted();
    void failureTypesGuessed();
    void periodOfTheRecords_data();
    void periodOfTheRecords();
    void failureTrend_data();
    void failureTrend();
    void savingsChecked_data();
    void savingsChecked();
    void namesKeptWithoutDirectionControls();
};

// The samples hold 17 bearing failures over 2023-03-01 to 2025-03-01: 8.5 a
// year, 90 % between 5.41 and 12.74.
void WorkOrdersTest::exportsRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding"); // empty: refused
    QTest::addColumn<int>("failures");     // or the line named
    QTest::addColumn<int>("duplicates");
    QTest::addColumn<double>("medianHours");
    // clang-format off
    QTest::newRow("comma, UTF-8, ISO") << sample("work_orders_comma.csv") << "UTF-8" << 17 << 0 << 4.2;
    QTest::newRow("semicolon, Windows-1252, dd.mm.yyyy, decimal commas")
        << sample("work_orders_semicolon.csv") << "Windows-1252" << 17 << 0 << 4.2;
    QTest::newRow("tab, UTF-16, mm/dd/yyyy") << sample("work_orders_tab.csv") << "UTF-16LE" << 17 << 0 << 4.2;
    QTest::newRow("UTF-8 with a byte-order mark, quoted line break")
        << QByteArray("\xEF\xBB\xBF") + kSmall << "UTF-8" << 2 << 0 << 4.0;
    QTest::newRow("UTF-16, CRLF") << utf16(QString::fromUtf8(kSmall).replace(QStringLiteral("\n"), QStringLiteral("\r\n"))) << "UTF-16LE" << 2 << 0 << 4.0;
    QTest::newRow("duplicate rows counted once") << kSmall + "2024-01-02,Corrective,Bearing replaced,4.5\n"
        << "UTF-8" << 2 << 1 << 4.0;
    QTest::newRow("empty file") << QByteArray() << "" << 1 << 0 << 0.0;
    QTest::newRow("binary file") << QByteArray("PK\x03\x04\0\0\x14\0", 8) << "" << 1 << 0 << 0.0;
    QTest::newRow("quote never closed") << QByteArray("Date,Description\n2024-01-02,ok\n2024-01-03,\"bearing\n")
        << "" << 3 << 0 << 0.0;
    QTest::newRow("more fields than the header") << QByteArray("Date,Description\n2024-01-02,a,b\n") << "" << 2 << 0 << 0.0;
    QTest::newRow("a date that does not read") << QByteArray("Date,Description\n2024-01-02,a\n2024-13-40,b\n")
        << "" << 3 << 0 << 0.0;
    // clang-format on
}

void WorkOrdersTest::exportsRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    QFETCH(int, failures);
    QFETCH(int, duplicates);
    QFETCH(double, medianHours);
    const model::ExportReading csv = model::readCsv(bytes);
    model::RecordsReading records;
    if (csv.table) {
        QCOMPARE(csv.table->encoding, encoding.isEmpty() ? csv.table->encoding : encoding);
        std::vector<QStringView> dates;
        const model::ColumnMapping mapping = model::guessMapping(csv.table->header);
        QVERIFY(mapping[0].has_value());
        for (std::size_t r = 0; r < csv.table->rowCount(); ++r)
            dates.push_back(csv.table->cell(r, *mapping[0]));
        const model::DateColumn column = model::dateFormOf(dates);
        records = model::summariseRecords(*csv.table, mapping, column.form.value_or(model::DateForm::Iso),
                                          model::defaultFailureWords(), QLocale::c());
    }
    if (encoding.isEmpty()) {
        const bool refused = !csv.table || !records.summary;
        QVERIFY(refused);
        const int line = csv.table ? records.line : csv.line;
        const QString problem = csv.table ? records.problem : csv.problem;
        QCOMPARE(line, failures);
        QVERIFY2(!problem.isEmpty() && (line <= 1 || problem.contains(QString::number(line))), qPrintable(problem));
        return;
    }
    QVERIFY2(records.summary, qPrintable(records.problem));
    QCOMPARE(records.summary->failures, failures);
    QCOMPARE(records.summary->duplicates, duplicates);
    QCOMPARE(*records.summary->medianHours, medianHours);
    if (failures == 17) {
        QCOMPARE(records.summary->first, QDate(2023, 3, 1));
        QCOMPARE(records.summary->last, QDate(2025, 3, 1));
        QCOMPARE(qRound(records.summary->rate->perYear * 100), 849); // 17 over 731 days
        QCOMPARE(qRound(records.summary->rate->interval.low * 100), 1083);
        QCOMPARE(qRound(records.summary->rate->interval.high * 100), 2550);
        model::RecordsEvidence evidence;
        evidence.summary = *records.summary;
        // The worst actors, ties by name: Fan F-1 and Pump P-1 with 3 each.
        QCOMPARE(records.summary->worstAssets.at(1),
                 (model::AssetFailures{u"Pump P-1"_qs, 3, 4.7, records.summary->worstAssets.at(1).medianDowntime}));
        // The mean repair time is what replacements cost (the median is 4.2).
        QCOMPARE(model::recordsFigureTexts(*records.summary, QLocale::c()).back().second, u"4.3"_qs);
        // Their spread as STDEV.S computes it, for the mean's standard error.
        QCOMPARE(records.summary->hoursCount, 17);
        QCOMPARE(qRound(*records.summary->hoursDeviation * 1000), 1508);
        QCOMPARE(model::evidenceLines(evidence, QLocale::c()).first(),
                 u"17 bearing failure(s) from 2023-03-01 to 2025-03-01: 8.5 a year, 90% between 5.4 and 12.7"_qs);
    }
}

// The comma sample saved as a workbook by LibreOffice: dates as date cells,
// the quoted line breaks inside shared strings.
void WorkOrdersTest::workbookRead()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.xlsx"));
    QFile::copy(QStringLiteral(":/data/work_orders.xlsx"), path);
    const model::ExportReading xlsx = model::readXlsxRecords(QFile::encodeName(path), 0);
    QVERIFY2(xlsx.table, qPrintable(xlsx.problem));
    const model::ExportTable csv = *model::readCsv(sample("work_orders_comma.csv")).table;
    QCOMPARE(xlsx.table->header, csv.header);
    QCOMPARE(xlsx.table->rowCount(), csv.rowCount());
    QCOMPARE(xlsx.table->cell(5, 0), csv.cell(5, 0));
    const model::RecordsReading records =
        model::summariseRecords(*xlsx.table, model::guessMapping(xlsx.table->header), model::DateForm::Iso,
                                model::defaultFailureWords(), QLocale::c());
    QVERIFY2(records.summary, qPrintable(records.problem));
    QCOMPARE(records.summary->failures, 17);
    QCOMPARE(*records.summary->medianHours, 4.2);
    QVERIFY(!model::readXlsxRecords(QFile::encodeName(path), 3).table);
    const QString text = dir.filePath(QStringLiteral("records.csv"));
    QFile::copy(QStringLiteral(":/data/work_orders_comma.csv"), text);
    QVERIFY(!model::readXlsxRecords(QFile::encodeName(text), 0).table);
}

// A sheet as people lay one out: a title merged across the columns above
// the header, and an asset merged down over its work orders.
void WorkOrdersTest::mergedCellsRead()
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("merged.xlsx")));
    lxw_workbook *book = workbook_new(path.constData());
    lxw_worksheet *sheet = workbook_add_worksheet(book, nullptr);
    worksheet_merge_range(sheet, 0, 0, 0, 2, "Work orders 2024", nullptr);
    const char *header[] = {"Date", "Asset", "Description"};
    for (lxw_col_t c = 0; c < 3; ++c)
        worksheet_write_string(sheet, 1, c, header[c], nullptr);
    worksheet_merge_range(sheet, 2, 1, 4, 1, "Pump 7", nullptr);
    const char *orders[][2] = {{"2024-01-02", "Bearing replaced"}, {"2024-03-04", "Seal"}, {"2024-05-06", "Bearing"}};
    for (lxw_row_t r = 0; r < 3; ++r) {
        worksheet_write_string(sheet, r + 2, 0, orders[r][0], nullptr);
        worksheet_write_string(sheet, r + 2, 2, orders[r][1], nullptr);
    }
    QCOMPARE(workbook_close(book), LXW_NO_ERROR);
    const model::ExportReading reading = model::readXlsxRecords(path, 0);
    QVERIFY2(reading.table, qPrintable(reading.problem));
    QCOMPARE(reading.table->header, (QStringList{"Date", "Asset", "Description"}));
    QCOMPARE(reading.table->rowCount(), std::size_t(3));
    QCOMPARE(reading.table->rowTexts(2), (QStringList{"2024-05-06", "Pump 7", "Bearing"}));
    QCOMPARE(reading.table->lineOf(0), 3);
}

void WorkOrdersTest::datesResolvedFromTheColumn_data()
{
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<int>("form"); // -1 ambiguous, -2 unread
    QTest::newRow("ISO") << QStringList{"2024-01-02", "2024-12-31"} << int(model::DateForm::Iso);
    QTest::newRow("dotted") << QStringList{"02.01.2024", "31.12.2024"} << int(model::DateForm::DottedDayMonth);
    QTest::newRow("day first, told by 31")
        << QStringList{"02/01/2024", "31/12/2024"} << int(model::DateForm::SlashDayMonth);
    QTest::newRow("month first, told by 31")
        << QStringList{"01/02/2024", "12/31/2024"} << int(model::DateForm::SlashMonthDay);
    QTest::newRow("nothing above 12: asked") << QStringList{"01/02/2024", "12/11/2024"} << -1;
    QTest::newRow("forms mixed") << QStringList{"2024-01-02", "02.01.2024"} << -2;
}

void WorkOrdersTest::datesResolvedFromTheColumn()
{
    QFETCH(QStringList, dates);
    QFETCH(int, form);
    const model::DateColumn column = model::dateFormOf(std::vector<QStringView>(dates.begin(), dates.end()));
    QCOMPARE(column.form ? int(*column.form) : column.ambiguous ? -1 : -2, form);
    if (column.form)
        QCOMPARE(*model::readDate(dates.back(), *column.form), QDate(2024, 12, 31));
}

// Exports as maintenance systems and spreadsheets write them, read on the
// desktop's regional settings: what they come to, or the line refused.
void WorkOrdersTest::exportsAsSystemsWriteThem_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("failures"); // -1: refused, at the line of undated
    QTest::addColumn<int>("undated");
    QTest::addColumn<double>("medianHours");
    const QByteArray sap = "Datum;Anlage;Auftragsart;Beschreibung;Ist-Arbeit\n"
                           "05.02.24;P-7;Störung;Lager getauscht;2,500\n"
                           "06.03.24;P-8;Störung;Lager defekt;3,000\n";
    const QByteArray english = "Date,Asset Description,Description,Repair hours\n"
                               "2024-02-05,Pump bearing housing,Seal replaced,1.125\n"
                               "2024-03-06,Fan,Bearing replaced,1.125\n";
    // clang-format off
    QTest::newRow("SAP hours with three decimals, US desktop") << sap << "en_US" << 2 << 0 << 2.75;
    QTest::newRow("English hours with three decimals, German desktop") << english << "de_DE" << 1 << 0 << 1.125;
    QTest::newRow("exact header name before a longer one") << english << "en_US" << 1 << 0 << 1.125;
    QTest::newRow("title line, open order, blank and total rows")
        << "Work orders 2024;;;;\n" + sap + "01.04.24;P-9;Störung;Lager offen;\n;P-9;Störung;Lager offen;\n;;;;\nSumme;;;;5,500\n"
        << "de_DE" << 3 << 2 << 2.75;
    QTest::newRow("a row repeated with a trailing blank")
        << english + "2024-03-06,Fan ,Bearing replaced ,1.125\n" << "en_US" << 1 << 0 << 1.125;
    QTest::newRow("dates with a time of day") << QByteArray("Date,Description\n2024-01-02 08:15,Bearing\n2024-02-03T16:30:00,Bearing\n") << "en_US" << 2 << 0 << -1.0;
    QTest::newRow("a date with more after it") << QByteArray("Date,Description\n2024-01-02,a\n2024-01-05x,b\n") << "en_US" << -1 << 3 << 0.0;
    QTest::newRow("hours that are not a number") << QByteArray("Date,Description,Hours\n2024-01-02,Bearing,nan\n") << "en_US" << -1 << 2 << 0.0;
    QTest::newRow("preventive orders are no failures")
        << QByteArray("Date,Type,Description,Hours\n2024-01-02,PM,Grease motor bearings,1\n2024-02-03,CM,Bearing replaced,4\n"
                      "2024-03-04,Inspektion,Lagerbestand prüfen,1\n") << "en_US" << 1 << 0 << 4.0;
    QTest::newRow("a breakdown and its repair order are one failure")
        << QByteArray("Date,Asset,Type,Description,Hours\n2024-01-02,P-7,CM,Bearing seized,2\n2024-01-05,p-7 ,CM,Bearing replaced,3\n"
                      "2024-03-01,P-7,CM,Bearing replaced,4\n2024-01-03,P-8,CM,Bearing replaced,1\n") << "en_US" << 3 << 0 << 4.0;
    QTest::newRow("hours of weeks") << QByteArray("Date,Description,Hours\n2024-01-02,Bearing,400\n") << "en_US" << -1 << 2 << 0.0;
    // clang-format on
}

void WorkOrdersTest::exportsAsSystemsWriteThem()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, locale);
    QFETCH(int, failures);
    QFETCH(int, undated);
    QFETCH(double, medianHours);
    const model::ExportReading read = model::readCsv(csv);
    QVERIFY2(read.table, qPrintable(read.problem));
    const model::RecordsChoice choice = model::startingChoice(*read.table, std::nullopt, QLocale(locale));
    const model::RecordsReading records = model::summariseRecords(
        *read.table, choice.mapping, choice.dateForm, choice.failureWords, QLocale(locale), choice.counting);
    if (failures < 0) {
        QVERIFY(!records.summary);
        QCOMPARE(records.line, undated);
        QVERIFY2(records.problem.contains(QString::number(undated)) && records.problem.size() < 120,
                 qPrintable(records.problem));
        return;
    }
    QVERIFY2(records.summary, qPrintable(records.problem));
    QCOMPARE(records.summary->failures, failures);
    QCOMPARE(records.summary->undated, undated);
    if (medianHours >= 0)
        QCOMPARE(*records.summary->medianHours, medianHours);
    QCOMPARE(records.summary->first.year(), 2024);
}

// The period the rate stands for: the export's, ending on a failure or not,
// or given; and the repeat gap.
void WorkOrdersTest::periodOfTheRecords_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("period"); // "from:to", empty: the export's
    QTest::addColumn<int>("repeatDays");
    QTest::addColumn<int>("failures");
    QTest::addColumn<int>("outside");
    QTest::addColumn<bool>("endsOnFailure");
    const QByteArray endsOnFailure = "Date,Asset,Description\n2024-01-01,P-1,Check\n2024-04-01,P-1,Bearing\n"
                                     "2024-04-03,P-1,Bearing\n2024-07-01,P-2,Bearing\n2025-01-01,P-1,Bearing\n";
    // clang-format off
    QTest::newRow("the export's, ending on a failure") << endsOnFailure << "" << 7 << 3 << 0 << true;
    QTest::newRow("the export's, ending on an inspection") << endsOnFailure + "2025-02-01,P-3,Check\n" << "" << 7 << 3 << 0 << false;
    QTest::newRow("given") << endsOnFailure << "2024-03-01:2024-12-31" << 7 << 2 << 2 << false;
    QTest::newRow("no repeat gap") << endsOnFailure << "" << 0 << 4 << 0 << true;
    // clang-format on
}

void WorkOrdersTest::periodOfTheRecords()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, period);
    QFETCH(int, repeatDays);
    QFETCH(int, failures);
    QFETCH(int, outside);
    QFETCH(bool, endsOnFailure);
    const model::ExportReading read = model::readCsv(csv);
    model::RecordsChoice choice = model::startingChoice(*read.table, std::nullopt, QLocale::c());
    model::RecordsRequest request;
    QVERIFY(period.isEmpty() || !model::readPeriodOption(period, request));
    QVERIFY(!model::applyRequest(choice, *read.table, request));
    choice.counting.repeatDays = repeatDays;
    const model::RecordsReading records = model::summariseRecords(*read.table, choice.mapping, choice.dateForm,
                                                                  choice.failureWords, QLocale::c(), choice.counting);
    QVERIFY2(records.summary, qPrintable(records.problem));
    const model::RecordsSummary &summary = *records.summary;
    QCOMPARE(summary.failures, failures);
    QCOMPARE(summary.outsidePeriod, outside);
    QCOMPARE(summary.endsOnFailure, endsOnFailure);
    QCOMPARE(summary.periodGiven, !period.isEmpty());
    // Records that stop at a failure: (n − 1) / T, and 2λT is chi-square of 2n.
    const double years = summary.first.daysTo(summary.last) / 365.25;
    const double high = boost::math::quantile(boost::math::chi_squared(2.0 * failures + (endsOnFailure ? 0 : 2)), 0.95);
    QCOMPARE(summary.rate->perYear, (failures - (endsOnFailure ? 1 : 0)) / years);
    QCOMPARE(summary.rate->perYearInterval.high, high / 2 / years);
}

// The go-live sample, read with nothing told, against the generator's list
// of its true failures: each figure worked here from their dates, the
// period being the sample's first and last order.
void WorkOrdersTest::goLiveSampleCounted()
{
    const model::ExportTable table = *model::readCsv(sample("work_orders_golive.csv")).table;
    model::RecordsChoice choice = model::startingChoice(table, std::nullopt, QLocale::c());
    QCOMPARE(choice.counting.failureTypes, (QStringList{"CM", "EM"}));
    choice.counting.installed = QDate(2024, 7, 1);
    const auto summaryOf = [&](const model::CountingRule &rule) {
        return model::summariseRecords(table, choice.mapping, choice.dateForm, choice.failureWords, QLocale::c(), rule)
            .summary;
    };
    const model::RecordsSummary s = *summaryOf(choice.counting);
    std::vector<QDate> dates;
    std::map<QString, int> perAsset;
    int orders = 0;
    for (const QByteArray &line : sample("work_orders_golive_failures.csv").trimmed().split('\n').mid(1)) {
        const QList<QByteArray> fields = line.split(',');
        dates.push_back(QDate::fromString(QString::fromUtf8(fields[0]), Qt::ISODate));
        ++perAsset[QString::fromUtf8(fields[1])];
        orders += fields[2].toInt();
    }
    QCOMPARE(s.eventDates, dates); // repeat orders merged, preventive and open orders left out
    QCOMPARE(s.failureOrders, orders);
    QCOMPARE(s.undated, 4); // three open orders and the total
    // Without the type rule, preventive greasing rounds would count.
    QVERIFY(summaryOf({})->failures > int(dates.size()));
    const QDate first(2023, 1, 2), installed(2024, 7, 1), last(2025, 12, 30);
    const double n = double(dates.size()), years = first.daysTo(last) / 365.25;
    using boost::math::quantile;
    QVERIFY(s.first == first && s.last == last && !s.endsOnFailure && s.rate && s.trend);
    QCOMPARE(s.rate->perYear, n / years);
    QCOMPARE(s.rate->perYearInterval.low, quantile(boost::math::chi_squared(2 * n), 0.05) / 2 / years);
    QCOMPARE(s.rate->perYearInterval.high, quantile(boost::math::chi_squared(2 * n + 2), 0.95) / 2 / years);
    std::vector<std::pair<int, QString>> worst, counted;
    for (const auto &[asset, failures] : perAsset)
        worst.emplace_back(-failures, asset);
    for (const model::AssetFailures &asset : s.worstAssets)
        counted.emplace_back(-asset.failures, asset.asset);
    std::sort(worst.begin(), worst.end());
    worst.resize(std::min<std::size_t>(worst.size(), model::kWorstAssetsKept));
    QCOMPARE(counted, worst);
    // Each failure at the middle of its day, over the whole days spanned.
    const double window = first.daysTo(last) + 1;
    double sum = 0, logs = 0;
    for (const QDate &d : dates) {
        sum += first.daysTo(d) + 0.5;
        logs += std::log(window / (first.daysTo(d) + 0.5));
    }
    QCOMPARE(s.trend->laplaceU, (sum - n * window / 2) / (window * std::sqrt(n / 12)));
    QCOMPARE(s.trend->beta, n / logs);
    const double after = double(std::count_if(dates.begin(), dates.end(), [&](QDate d) { return d >= installed; }));
    const double t1 = first.daysTo(installed) / 365.25, t2 = installed.daysTo(last) / 365.25;
    const auto reductionAt = [&](double p) { return 1 - p / (1 - p) * t1 / t2; };
    QVERIFY(s.check && s.check->before == int(n - after) && s.check->after == int(after));
    QCOMPARE(s.check->reduction, 1 - (after / t2) / ((n - after) / t1));
    QVERIFY(qAbs(s.check->low - reductionAt(quantile(boost::math::beta_distribution(after + 1, n - after), 0.95)))
            < 1e-9);
    QVERIFY(qAbs(s.check->high - reductionAt(quantile(boost::math::beta_distribution(after, n - after + 1), 0.05)))
            < 1e-9);
}

// Corrective and breakdown codes and words of every language are failures'
// types; preventive orders, inspections and lubrication rounds are not.
void WorkOrdersTest::failureTypesGuessed()
{
    const QStringList values{"CM",         "PM",    "Störung",           "Inspektion", "Wartung",
                             "préventive", "panne", "correctivo",        "preventivo", "corretiva",
                             "Breakdown",  "EM",    "Lubrication round", "故障"};
    std::vector<model::WorkTypeCount> types;
    for (const QString &value : values)
        types.push_back({value, 1});
    QCOMPARE(model::guessFailureTypes(types),
             (QStringList{"CM", "Störung", "panne", "correctivo", "corretiva", "Breakdown", "EM", "故障"}));
}

// The Laplace statistic and the power-law shape, worked by hand:
// U = (Σt − nT/2) / (T√(n/12)), p = erfc(|U|/√2), β = n / Σ ln(T/t).
void WorkOrdersTest::failureTrend_data()
{
    QTest::addColumn<std::vector<double>>("times");
    QTest::addColumn<double>("u"); // NaN: no trend is told
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("beta");
    // (270 − 250) / (100 √(5/12)); 5 / ln(10 · 10/3 · 5/3 · 5/4 · 10/9)
    QTest::newRow("spread evenly") << std::vector<double>{10, 30, 60, 80, 90} << 0.309839 << 0.756684 << 1.150513;
    // (483 − 300) / (100 √(6/12)); the failures crowd toward the end
    QTest::newRow("rising") << std::vector<double>{50, 70, 80, 90, 95, 98} << 2.588011 << 0.009653 << 4.138439;
    QTest::newRow("too few") << std::vector<double>{10, 90} << qQNaN() << 0.0 << 0.0;
}

void WorkOrdersTest::failureTrend()
{
    QFETCH(std::vector<double>, times);
    QFETCH(double, u);
    QFETCH(double, p);
    QFETCH(double, beta);
    const std::optional<model::FailureTrend> trend = model::trendOf(times, 100);
    QCOMPARE(trend.has_value(), !qIsNaN(u));
    if (!trend)
        return;
    QVERIFY(qAbs(trend->laplaceU - u) < 1e-6 && qAbs(trend->p - p) < 1e-6 && qAbs(trend->beta - beta) < 1e-6);
    // Rising, the rate at the records' end stands for the coming year.
    model::RecordsSummary summary;
    summary.rate = model::failureRateOf(int(times.size()), 2);
    summary.trend = trend;
    QCOMPARE(model::ratePerYear(summary), (trend->significant() ? trend->beta : 1.0) * double(times.size()) / 2);
}

// The reduction's bounds are where the binomial tails of the failures after
// the installation, given all failures, are 5 % each: worked in the test.
void WorkOrdersTest::savingsChecked_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<QString>("said"); // beside the 80 % the case assumes
    // clang-format off
    QTest::newRow("no change") << 8 << 9 << "measure 12% more, 90% between 183% more and 55% fewer.";
    QTest::newRow("fewer after") << 20 << 3 << "measure 85% fewer, 90% between 57% and 96% fewer.";
    QTest::newRow("none after") << 10 << 0 << "measure 100% fewer, 90% between 65% and 100% fewer.";
    QTest::newRow("many more after") << 3 << 30 << "measure 895% more, 90% between 256% and 3741% more.";
    // Not rounded to 100 % fewer while there was a failure after.
    QTest::newRow("one after hundreds") << 400 << 1 << "measure 99.8% fewer, 90% between 99% and 99.9% fewer.";
    // clang-format on
}

void WorkOrdersTest::savingsChecked()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(QString, said);
    const QDate first(2022, 1, 1), installed(2023, 7, 1), last(2024, 12, 31);
    const std::optional<model::SavingsCheck> check = model::savingsCheckOf(before, after, first, last, installed);
    QVERIFY(check);
    const QString comparison = model::assumedBesideMeasuredText(*check, 80, QLocale::c());
    QCOMPARE(comparison, "The case assumes 80% fewer bearing failures; the records " + said);
    const double t1 = first.daysTo(installed) / 365.25, t2 = installed.daysTo(last) / 365.25;
    QCOMPARE(check->reduction, 1 - (after / t2) / (before / t1));
    const int n = before + after;
    // The share after at a reduction, and the chance of k or more (or fewer) after.
    const auto shareAt = [&](double reduction) { return (1 - reduction) * t2 / (t1 + (1 - reduction) * t2); };
    const auto tail = [&](double p, bool upper) {
        double sum = 0;
        for (int k = upper ? after : 0; k <= (upper ? n : after); ++k) {
            double choose = 1;
            for (int i = 1; i <= k; ++i)
                choose = choose * (n - k + i) / i;
            sum += choose * std::pow(p, k) * std::pow(1 - p, n - k);
        }
        return sum;
    };
    QVERIFY(qAbs(tail(shareAt(check->low), false) - 0.05) < 1e-9);
    if (after > 0)
        QVERIFY(qAbs(tail(shareAt(check->high), true) - 0.05) < 1e-9);
    else
        QCOMPARE(check->high, 1.0);
    QVERIFY(!model::savingsCheckOf(before, after, first, last, last.addDays(1)));
}

// A name that turns the page's writing direction is kept without the turn,
// from the export and from a facility file alike; a long cell is quoted short.
void WorkOrdersTest::namesKeptWithoutDirectionControls()
{
    const model::ExportTable table = *model::readCsv(kSmall).table;
    const model::RecordsChoice choice = model::startingChoice(table, std::nullopt, QLocale::c());
    const model::EvidenceReading reading =
        model::evidenceOf(table, choice, u"orders\u202EVSC.exe"_qs, QString(64, u'a'), u"Sheet\u2066"_qs, QLocale::c());
    QVERIFY2(reading.evidence, qPrintable(reading.problem));
    QCOMPARE(reading.evidence->fileName, u"ordersVSC.exe"_qs);
    QCOMPARE(reading.evidence->sheet, u"Sheet"_qs);
    const QString quoted = model::cellQuoted(QString(1 << 20, u'x'));
    QCOMPARE(quoted.size(), 41);
}

QTEST_GUILESS_MAIN(WorkOrdersTest)
#include "work_orders_test.moc"
