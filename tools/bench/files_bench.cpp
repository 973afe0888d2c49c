// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Times what the program computes, writes and reads on request: the
// business case with its sensitivity and cases (median of 200), the
// business case of a 30-year capital request (median of 200), 10,000 runs
// of the risk simulation (median of 20), a 100,000-row work-order export
// read (median of 5), the four-page customer report exported to PDF from the
// window (median of 20; the Risk page's runs are simulated once, as the
// document keeps them),
// the workbook exported from the window (median of 20), and a facility file
// saved and opened (median of 200 each). Prints
// key=value lines in milliseconds.

#include "app/application_setup.h"
#include "main_window/figure_commands.h"
#include "main_window/form1.h"
#include "model/costs/results.h"
#include "model/finance/business_case.h"
#include "model/finance/risk_simulation.h"
#include "model/records/csv_table.h"
#include "model/records/records_choice.h"
#include "model/records/work_orders.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<bool()> &work)
{
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        if (!work())
            return -1;
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app::setUpApplication();
    QTemporaryDir dir;
    Form1 window;
    window.show();
    QApplication::processEvents();
    FigureCommands &commands = *window.figureCommands();
    document::FacilityDocument &facility = *window.document();
    facility.setReportDetails(
        {QStringLiteral("Riverside Mill"), QStringLiteral("Line 3"), QStringLiteral("J. Example")});
    // With an investment the report has its second page, the business case.
    facility.setInvestment(
        {QStringLiteral("20000"), QStringLiteral("5000"), QStringLiteral("1000"), QString(), QString()});

    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const QString figures = dir.filePath(QStringLiteral("plant.velmor"));
    const model::InvestmentReading investment = model::readInvestment(facility.investment(), facility.locale());
    const double businessCase = medianMs(200, [&] {
        const model::Results results = model::computeResults(facility.figureTexts(), facility.locale());
        const model::BusinessCaseStudy study =
            model::studyOf(results.values, facility.assumptions(), *investment.investment);
        return !study.sensitivity.empty();
    });
    // A capital request over 30 years: escalations, tax with straight-line
    // depreciation, a residual value, a ramp-up and mid-year flows, with the
    // cash-flow table, the break-even values and both tornados.
    model::Investment capitalInvestment = *investment.investment;
    capitalInvestment.years = 30;
    model::CapitalInputs capital;
    capital.labourEscalationPercent = 3;
    capital.lubricantEscalationPercent = 2;
    capital.taxRatePercent = 30;
    capital.depreciation = model::Depreciation::StraightLine;
    capital.residualValue = 2000;
    capital.firstYearSharePercent = 60;
    capital.timing = model::CashFlowTiming::MidYear;
    const double capitalCase = medianMs(200, [&] {
        const model::Results results = model::computeResults(facility.figureTexts(), facility.locale());
        const model::BusinessCaseStudy study = model::studyOf(results.values, facility.assumptions(), capitalInvestment,
                                                              model::kDefaultSensitivityStepPercent, capital);
        return !study.npvSensitivity.empty() && study.breakEven.systemPrice.has_value();
    });
    // 10,000 runs of the risk simulation: the five reductions, the failures
    // and the hours to replace drawn, with the NPV and payback of each.
    model::RiskRanges ranges = model::defaultRiskRanges(facility.assumptions());
    ranges.ranges[std::size_t(model::RiskInput::BearingFailures)] = model::PertRange{0.5, 1, 3};
    ranges.ranges[std::size_t(model::RiskInput::HoursPerReplacement)] = model::PertRange{2, 4, 8};
    const double risk = medianMs(20, [&] {
        const model::Results results = model::computeResults(facility.figureTexts(), facility.locale());
        return model::simulateRisk(results.values, facility.assumptions(), capitalInvestment, capital, ranges)
            .has_value();
    });
    // A work-order export of 100,000 rows on 5,000 assets read, grouped and tested.
    QByteArray records("Date,Asset,Work type,Description,Repair hours\n");
    for (int r = 0; r < 100000; ++r)
        records +=
            QDate(2020, 1, 1).addDays(r / 60).toString(Qt::ISODate).toLatin1() + ",Fan F-"
            + QByteArray::number(r % 5000)
            + (r % 40 ? ",Preventive,Lubrication round,1.5\n" : ",Corrective,\"Bearing replaced,\nnoise\",4.5\n");
    const double import = medianMs(5, [&] {
        const model::ExportReading csv = model::readCsv(records);
        if (!csv.table)
            return false;
        const model::RecordsChoice choice = model::startingChoice(*csv.table, std::nullopt, QLocale::c());
        return model::evidenceOf(*csv.table, choice, QStringLiteral("orders.csv"), QString(64, u'0'), QString(),
                                 QLocale::c())
            .evidence.has_value();
    });
    const double report = medianMs(20, [&] { return commands.exportReport(pdf); });
    const QString xlsx = dir.filePath(QStringLiteral("figures.xlsx"));
    const double workbook = medianMs(20, [&] { return commands.exportWorkbook(xlsx); });
    const double save = medianMs(200, [&] { return commands.saveFigures(figures); });
    const double open = medianMs(200, [&] { return commands.openFigures(figures); });
    std::printf("business_case_median_ms=%.4f\ncapital_case_median_ms=%.4f\nrisk_simulation_median_ms=%.2f\nrecords_"
                "import_median_ms=%.1f\nreport_"
                "export_median_ms=%.3f\nworkbook_"
                "export_median_ms=%.3f\n"
                "facility_save_median_ms=%.3f\nfacility_open_median_ms=%.3f\n",
                businessCase, capitalCase, risk, import, report, workbook, save, open);
    return businessCase < 0 || capitalCase < 0 || risk < 0 || import < 0 || report < 0 || workbook < 0 || save < 0
                   || open < 0
               ? 1
               : 0;
}
