// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The facility document: what an edit recomputes and says, what counts as a
// change not saved, and what a file brings back.

#include "document/facility_document.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using document::FacilityDocument;

namespace {

enum class Edit { Figure, Details, Investment, Assumptions, Symbol, Units };

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
    case Edit::Assumptions:
        return facility.setAssumptions(assumptions);
    case Edit::Symbol:
        return facility.setCurrencyUnits({u"€"_qs, model::Units::Imperial});
    case Edit::Units:
        return facility.setCurrencyUnits({u"$"_qs, model::Units::Metric});
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
    QTest::newRow("assumptions") << Edit::Assumptions << FacilityDocument::Changes(Change::Assumptions);
    QTest::newRow("symbol") << Edit::Symbol << FacilityDocument::Changes(Change::CurrencyUnits);
    QTest::newRow("units") << Edit::Units << (Change::CurrencyUnits | Change::FigureTexts);
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

QTEST_GUILESS_MAIN(DocumentTest)
#include "document_test.moc"
