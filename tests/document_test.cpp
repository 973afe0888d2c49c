// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The facility document: what an edit recomputes and says, what counts as a
// change not saved, and what a file brings back.

#include "document/facility_document.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using document::FacilityDocument;

namespace {

enum class Edit { Figure, Details, Investment, Capital, Assumptions, Symbol, Units, Records, AppliedRecords, Ranges };

// Capital inputs with one text typed, and a depreciation.
model::CapitalTexts capitalWith(QString model::CapitalTexts::*text, const QString &typed,
                                model::Depreciation depreciation = model::Depreciation::None)
{
    model::CapitalTexts capital;
    capital.*text = typed;
    capital.depreciation = depreciation;
    return capital;
}

// Records of 17 failures over two years, 4.2 hours median.
model::RecordsEvidence records()
{
    model::RecordsEvidence evidence;
    evidence.fileName = u"orders.csv"_qs;
    evidence.sha256 = QString(64, u'0');
    model::RecordsSummary &summary = evidence.summary;
    summary.workOrders = 120;
    summary.failures = 17;
    summary.first = QDate(2023, 3, 1);
    summary.last = QDate(2025, 3, 1);
    summary.rate = model::failureRateOf(17, summary.first.daysTo(summary.last) / 365.25);
    summary.medianHours = 4.2;
    summary.hours10 = 2.5;
    summary.hours90 = 7;
    return evidence;
}

// An edit of each kind that changes something in a document of the defaults.
void applyEdit(FacilityDocument &facility, Edit edit)
{
    model::Assumptions assumptions = facility.assumptions();
    assumptions.reductionPercent[0] = 45;
    switch (edit) {
    case Edit::Figure:
        return facility.setFigureText(3, u"2"_qs);
    case Edit::Details:
        return facility.setReportDetails({u"Riverside Mill"_qs, {}, {}});
    case Edit::Investment:
        return facility.setInvestment({u"20000"_qs, {}, {}, {}, {}});
    case Edit::Capital:
        return facility.setCapital(capitalWith(&model::CapitalTexts::taxRate, u"25"_qs));
    case Edit::Assumptions:
        return facility.setAssumptions(assumptions);
    case Edit::Symbol:
        return facility.setCurrencyUnits({u"€"_qs, model::Units::Imperial});
    case Edit::Units:
        return facility.setCurrencyUnits({u"$"_qs, model::Units::Metric});
    case Edit::Records:
        return facility.setRecords(records());
    case Edit::AppliedRecords:
        return facility.applyRecords(records());
    case Edit::Ranges: {
        model::RiskRanges ranges;
        ranges.seed = 7;
        return facility.setRiskRanges(ranges);
    }
    }
}

double savings(const FacilityDocument &facility) { return facility.results().table(model::Table::Savings).row(6); }

const QLocale kUs(QLocale::English, QLocale::UnitedStates);

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT
private slots:
    void figureChangeRecomputesOnce_data();
    void figureChangeRecomputesOnce();
    void sameValueSaysNothing_data();
    void sameValueSaysNothing();
    void modifiedUntilSavedOrOpened_data() { sameValueSaysNothing_data(); }
    void modifiedUntilSavedOrOpened();
    void fileRoundTrip_data();
    void fileRoundTrip();
    void badFigureFails_data();
    void badFigureFails();
    void investmentGivesBusinessCase_data();
    void investmentGivesBusinessCase();
    void capitalInputsShapeBusinessCase_data();
    void capitalInputsShapeBusinessCase();
    void recordsShapeFiguresAndRisk();
    void recordsAppliedWhileTheFiguresAreTheirs_data();
    void recordsAppliedWhileTheFiguresAreTheirs();
    void firstCurrency_data();
    void firstCurrency();

private:
    QTemporaryDir m_dir;
};

void DocumentTest::figureChangeRecomputesOnce_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("savings");
    // The defaults save 50,020 a year, 12,960 of them in lubrication labour
    // (row 1) and 2,500 in lubricant (row 2).
    QTest::newRow("frequency doubles row 1") << 3 << "2" << 62980.0;
    QTest::newRow("quantity doubles row 2") << 4 << "2000" << 52520.0;
    QTest::newRow("grouped in the settings") << 4 << "2,000" << 52520.0;
}

void DocumentTest::figureChangeRecomputesOnce()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(double, savings);
    FacilityDocument facility(kUs);
    QSignalSpy changed(&facility, &FacilityDocument::changed);
    facility.setFigureText(index, text);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(::savings(facility), savings);
}

void DocumentTest::sameValueSaysNothing_data()
{
    // What the change says it touched: a view redraws that alone.
    using Change = FacilityDocument::Change;
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<FacilityDocument::Changes>("what");
    QTest::newRow("figure") << Edit::Figure << FacilityDocument::Changes(Change::FigureTexts);
    QTest::newRow("details") << Edit::Details << FacilityDocument::Changes(Change::ReportDetails);
    QTest::newRow("investment") << Edit::Investment << FacilityDocument::Changes(Change::Investment);
    QTest::newRow("capital") << Edit::Capital << FacilityDocument::Changes(Change::Capital);
    QTest::newRow("assumptions") << Edit::Assumptions << FacilityDocument::Changes(Change::Assumptions);
    QTest::newRow("symbol") << Edit::Symbol << FacilityDocument::Changes(Change::CurrencyUnits);
    QTest::newRow("units") << Edit::Units << (Change::CurrencyUnits | Change::FigureTexts);
    QTest::newRow("records") << Edit::Records << (Change::Records | Change::Risk);
    QTest::newRow("records applied") << Edit::AppliedRecords << (Change::Records | Change::Risk | Change::FigureTexts);
    QTest::newRow("ranges") << Edit::Ranges << FacilityDocument::Changes(Change::Risk);
}

void DocumentTest::sameValueSaysNothing()
{
    QFETCH(Edit, edit);
    QFETCH(FacilityDocument::Changes, what);
    FacilityDocument facility(kUs);
    QSignalSpy changed(&facility, &FacilityDocument::changed);
    applyEdit(facility, edit);
    const model::FacilityFigures after = facility.figures();
    applyEdit(facility, edit);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().value<FacilityDocument::Changes>(), what);
    QCOMPARE(facility.figures(), after);
}

// Every edit marks the document; saving or opening the file clears the mark,
// and a file that cannot be opened changes nothing.
void DocumentTest::modifiedUntilSavedOrOpened()
{
    QFETCH(Edit, edit);
    const QString path = m_dir.filePath(u"modified.velmor"_qs);
    for (const bool byOpening : {false, true}) {
        FacilityDocument facility(kUs);
        QVERIFY(facility.save(path));
        QSignalSpy modified(&facility, &FacilityDocument::modifiedChanged);
        applyEdit(facility, edit);
        QVERIFY(facility.isModified());
        QVERIFY(byOpening ? bool(facility.open(path)) : bool(facility.save(path)));
        QCOMPARE(modified.count(), 2);
        QVERIFY(!facility.isModified());
        facility.setFigureText(0, u"999"_qs);
        QVERIFY(!facility.open(m_dir.filePath(u"missing.velmor"_qs)));
        QVERIFY(facility.isModified());
        QCOMPARE(facility.figureTexts()[0], u"999"_qs);
    }
}

// clang-format off
void DocumentTest::fileRoundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<model::Units>("units");
    QTest::newRow("en_US, no number") << "en_US" << "a thousand" << model::Units::Imperial;
    QTest::newRow("de_DE, grouped, metric") << "de_DE" << "2.000,5" << model::Units::Metric;
    QTest::newRow("fr_FR") << "fr_FR" << "5,25" << model::Units::Imperial;
}
// clang-format on

void DocumentTest::fileRoundTrip()
{
    QFETCH(QString, locale);
    FacilityDocument facility{QLocale(locale)};
    QFETCH(QString, quantity);
    facility.setFigureText(4, quantity);
    facility.setReportDetails({u"Mühle «Nord»"_qs, u"Halle 2"_qs, u"J. Doe"_qs});
    facility.setInvestment({u"20000"_qs, u"1500"_qs, u"300"_qs, u"7"_qs, u"8"_qs});
    facility.setCapital(capitalWith(&model::CapitalTexts::taxRate, u"30"_qs, model::Depreciation::StraightLine));
    model::Assumptions assumptions = facility.assumptions();
    assumptions.reductionPercent[4] = 65.5;
    facility.setAssumptions(assumptions);
    QFETCH(model::Units, units);
    facility.setCurrencyUnits({u"CHF"_qs, units});
    const QString path = m_dir.filePath(locale + u".velmor"_qs);
    QVERIFY(facility.save(path));
    FacilityDocument reopened(kUs);
    QVERIFY(reopened.open(path));
    QCOMPARE(reopened.figures(), facility.figures());
    // The same facts given at once, as a file gives them.
    FacilityDocument given(kUs);
    given.setFacts(facility.figures());
    QCOMPARE(given.figures(), facility.figures());
    QVERIFY(!given.isModified());
    QCOMPARE(reopened.locale(), QLocale(locale));
    QCOMPARE(savings(reopened), savings(facility));
}

void DocumentTest::badFigureFails_data()
{
    QTest::addColumn<QString>("savedIn");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("failedField");
    QTest::newRow("letters") << "en_US" << 5 << "lots" << 5;
    QTest::newRow("emptied") << "en_US" << 0 << "" << 0;
    QTest::newRow("two bad, the first") << "en_US" << 11 << "x" << 9;
    // No number in German settings, a number in American ones: opened there,
    // it is still no number until it is edited.
    QTest::newRow("no number where saved") << "de_DE" << 7 << "1,000.5" << 7;
}

void DocumentTest::badFigureFails()
{
    QFETCH(QString, savedIn);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, failedField);
    FacilityDocument facility{QLocale(savedIn)};
    facility.setFigureText(failedField, u"?"_qs);
    facility.setFigureText(index, text);
    facility.setInvestment({u"20000"_qs, {}, {}, {}, {}});
    const QString path = m_dir.filePath(u"bad.velmor"_qs);
    QVERIFY(facility.save(path));
    FacilityDocument shown(kUs);
    QVERIFY(shown.open(path, kUs));
    for (const FacilityDocument *document : {&facility, &shown}) {
        QCOMPARE(document->results().failedField, std::optional<int>(failedField));
        QCOMPARE(document->results().finishedTables, 0);
        QVERIFY(!document->businessCase());
    }
    shown.setFigureText(failedField, u"200"_qs);
    QVERIFY(shown.results().failedField != std::optional<int>(failedField));
}

void DocumentTest::investmentGivesBusinessCase_data()
{
    QTest::addColumn<model::InvestmentTexts>("investment");
    QTest::addColumn<double>("paybackMonths"); // 0: no business case
    // 50,020 saved a year, less the upkeep, pays back price and installation.
    QTest::newRow("price") << model::InvestmentTexts{"20000", {}, {}, {}, {}} << 20000 / (50020.0 / 12);
    QTest::newRow("upkeep") << model::InvestmentTexts{"20000", {}, "10020", {}, {}} << 6.0;
    QTest::newRow("installation") << model::InvestmentTexts{"15000", "5000", {}, {}, {}} << 20000 / (50020.0 / 12);
    QTest::newRow("no price") << model::InvestmentTexts{{}, "5000", {}, {}, {}} << 0.0;
    QTest::newRow("no number") << model::InvestmentTexts{"much", {}, {}, {}, {}} << 0.0;
}

void DocumentTest::investmentGivesBusinessCase()
{
    QFETCH(model::InvestmentTexts, investment);
    QFETCH(double, paybackMonths);
    FacilityDocument facility(kUs);
    facility.setInvestment(investment);
    QCOMPARE(facility.businessCase().has_value(), paybackMonths > 0);
    if (!facility.businessCase())
        return;
    QCOMPARE(facility.businessCase()->measures.paybackMonths.value_or(-1), paybackMonths);
    facility.setFigureText(3, u"2"_qs);
    QCOMPARE(facility.businessCase()->annualSavings, 62980.0);
}

// The capital inputs, read in the document's settings, go into the business
// case; one that does not read stops it as an investment that does not read.
void DocumentTest::capitalInputsShapeBusinessCase_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<model::CapitalTexts>("capital");
    QTest::addColumn<double>("npv"); // NaN: no business case
    QTest::addColumn<QString>("problem");
    // 50,020 a year for five years at 10 % against 20,000.
    const double annuity = (1 - std::pow(1.1, -5)) / 0.1;
    const double pretax = -20000 + 50020 * annuity;
    const double none = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("defaults") << "en_US" << model::CapitalTexts() << pretax << QString();
    // 40 % of the savings less a fifth of the price.
    QTest::newRow("tax, straight-line") << "en_US"
                                        << capitalWith(&model::CapitalTexts::taxRate, u"40"_qs,
                                                       model::Depreciation::StraightLine)
                                        << -20000 + (50020 - 0.4 * (50020 - 4000)) * annuity << QString();
    QTest::newRow("residual value, German")
        << "de_DE" << capitalWith(&model::CapitalTexts::residualValue, u"1.000,5"_qs)
        << pretax + 1000.5 / std::pow(1.1, 5) << QString();
    QTest::newRow("tax no number") << "en_US" << capitalWith(&model::CapitalTexts::taxRate, u"much"_qs) << none
                                   << u"The income tax rate \u201Cmuch\u201D is not a percentage from 0 to 100."_qs;
    QTest::newRow("escalation below the range")
        << "en_US" << capitalWith(&model::CapitalTexts::bearingEscalation, u"-60"_qs) << none
        << u"The annual escalation of the bearing price \u201C-60\u201D is not a percentage from -50 to 100."_qs;
    QTest::newRow("period in halves") << "en_US" << capitalWith(&model::CapitalTexts::depreciationYears, u"2.5"_qs)
                                      << none
                                      << u"The depreciation period \u201C2.5\u201D is not a whole number of years "
                                         "from 1 to 50."_qs;
}

void DocumentTest::capitalInputsShapeBusinessCase()
{
    QFETCH(QString, locale);
    QFETCH(model::CapitalTexts, capital);
    QFETCH(double, npv);
    QFETCH(QString, problem);
    FacilityDocument facility{QLocale(locale)};
    facility.setInvestment({u"20000"_qs, {}, {}, {}, {}});
    facility.setCapital(capital);
    QCOMPARE(facility.investmentReading().problem, problem);
    QCOMPARE(facility.businessCase().has_value(), !std::isnan(npv));
    if (facility.businessCase())
        QCOMPARE(facility.businessCase()->measures.npv, npv);
}

// saved: the symbol of a file opened in these settings, "-" a file naming none (as older ones).
// clang-format off
// Applied records give the two figures and, until the user sets ranges, the
// ranges of the failures and the hours; the simulation follows every change.
void DocumentTest::recordsShapeFiguresAndRisk()
{
    FacilityDocument facility(QLocale(QLocale::German, QLocale::Germany));
    facility.applyRecords(records());
    QCOMPARE(facility.figureTexts()[std::size_t(model::Input::BearingFailures)], u"8,5"_qs);
    QCOMPARE(facility.figureTexts()[std::size_t(model::Input::HoursPerReplacement)], u"4,2"_qs);
    QVERIFY(facility.records()->applied);
    const model::RiskRanges ranges = facility.riskRanges();
    const auto failures = std::size_t(model::RiskInput::BearingFailures);
    QCOMPARE(ranges.draws[failures], (model::GammaDraw{17.5, 1 / facility.records()->summary.rate->years}));
    // Records kept without the hours' spread, as files written before: over their percentiles.
    QCOMPARE(ranges.ranges[std::size_t(model::RiskInput::HoursPerReplacement)], (model::PertRange{2.5, 4.2, 7}));
    // Ranges of the user's own keep an input left to the records as that alone, drawn as the records give it.
    model::RiskRanges own;
    own.fromRecords[failures] = true;
    facility.setRiskRanges(own);
    QVERIFY(!facility.figures().risk->draws[failures]);
    QCOMPARE(facility.riskRanges().draws[failures], ranges.draws[failures]);
    const double p50 = facility.riskSummary()->savings.p50;
    facility.setFigureText(int(model::Input::BearingPrice), u"400"_qs);
    QVERIFY(facility.riskSummary()->savings.p50 > p50);
    facility.setRiskRanges(model::RiskRanges());
    QCOMPARE(facility.riskSummary()->savings.p10, facility.riskSummary()->savings.p90);
    facility.setFigureText(0, u"no number"_qs);
    QVERIFY(!facility.riskSummary());

    // Stops valued over the mean downtime: 8.5 failures × 6.3 hours × 1,000.
    model::RecordsEvidence onDowntime = records();
    onDowntime.summary.meanDowntime = 6.26;
    onDowntime.stopsOnDowntime = true;
    facility.setFigureText(0, u"1000"_qs);
    facility.applyRecords(onDowntime);
    QCOMPARE(facility.assumptions().lostProduction.stopHours, std::optional(6.3));
    QCOMPARE(facility.results().table(model::Table::Current).row(5), 8.5 * 6.3 * 1000);
    QCOMPARE(facility.results().table(model::Table::Current).row(4), 8.5 * 4.2 * 30);
}

void DocumentTest::recordsAppliedWhileTheFiguresAreTheirs_data()
{
    QTest::addColumn<QString>("given"); // "applied", "kept" (as evidence only) or "file" (a file saying applied)
    QTest::addColumn<int>("figure");    // typed over afterwards, -1 none
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("applied");
    const int failures = int(model::Input::BearingFailures);
    QTest::newRow("applied") << "applied" << -1 << "" << true;
    QTest::newRow("failures typed over") << "applied" << failures << "10" << false;
    QTest::newRow("hours typed over") << "applied" << int(model::Input::HoursPerReplacement) << "4" << false;
    QTest::newRow("the same failures typed otherwise") << "applied" << failures << "8.50" << true;
    QTest::newRow("kept as evidence only") << "kept" << -1 << "" << false;
    QTest::newRow("a file's records of 784 billion a year") << "file" << -1 << "" << false;
}

// The report says the figures are the records' only while they are, and so
// does a file saved; the risk ranges take the records' only then as well.
void DocumentTest::recordsAppliedWhileTheFiguresAreTheirs()
{
    QFETCH(QString, given);
    QFETCH(int, figure);
    QFETCH(QString, text);
    QFETCH(bool, applied);
    FacilityDocument facility(kUs);
    model::RecordsEvidence evidence = records();
    if (given == u"applied")
        facility.applyRecords(evidence);
    else if (given == u"kept")
        facility.setRecords(evidence);
    else {
        evidence.applied = true;
        evidence.summary.failures = evidence.summary.workOrders = std::numeric_limits<int>::max();
        evidence.summary.last = evidence.summary.first.addDays(1);
        evidence.summary.rate = model::failureRateOf(evidence.summary.failures, 1 / 365.25);
        model::FacilityFigures facts = facility.figures();
        facts.records = evidence;
        facility.setFacts(facts);
    }
    if (figure >= 0)
        facility.setFigureText(figure, text);
    QCOMPARE(facility.recordsApplied(), applied);
    QCOMPARE(facility.figures().records->applied, applied);
    const auto failures = std::size_t(model::RiskInput::BearingFailures);
    QCOMPARE(facility.riskRanges().draws[failures].has_value(), applied);
}

void DocumentTest::firstCurrency_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("symbol");
    for (const auto &[locale, saved, symbol] :
         {std::tuple{"en_US", "", "$"}, {"de_DE", "", "€"}, {"fr_FR", "", "€"}, {"es_ES", "", "€"}, {"pt_BR", "", "R$"},
          {"zh_CN", "", "¥"}, {"hi_IN", "", "₹"}, {"ar_EG", "", "EGP"}, {"C", "", "$"}, {"de_DE", "$", "$"},
          {"en_US", "CHF", "CHF"}, {"de_DE", "-", "$"}})
        QTest::addRow("%s %s", locale, saved) << locale << saved << symbol;
}
// clang-format on

void DocumentTest::firstCurrency()
{
    QFETCH(QString, locale);
    QFETCH(QString, saved);
    FacilityDocument facility{QLocale(locale)}, other(kUs);
    other.setCurrencyUnits({saved == u"-" ? u"$"_qs : saved, model::Units::Imperial});
    QJsonObject root = QJsonDocument::fromJson(model::toFacilityJson(other.figures())).object();
    if (saved == u"-")
        root.remove(u"currency"_qs);
    QFile file(m_dir.filePath(u"currency.velmor"_qs));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(root).toJson()) > 0 && file.flush());
    QVERIFY(saved.isEmpty() || facility.open(file.fileName(), facility.locale()));
    QTEST(facility.currencyUnits().symbol, "symbol");
}

QTEST_GUILESS_MAIN(DocumentTest)
#include "document_test.moc"
