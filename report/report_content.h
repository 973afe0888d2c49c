// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_rows.h"
#include "model/costs/input_table.h"
#include "model/costs/results.h"
#include "model/finance/business_case.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QRectF;

namespace report {

// One figure of the facility as the "Your Data" tab shows it.
struct FigureLine {
    QString caption;
    QString text;
    QString unit;
};

// One cost table as its result tab shows it: the frame's caption and six
// rows of caption and currency text.
struct CostTableText {
    QString title;
    std::array<QString, model::kRowCount> captions;
    std::array<QString, model::kRowCount> figures;
};

// A case of the business case page, as its table row shows it.
struct CaseText {
    QString name;
    QString reductions;
    QString savings;
    QString payback;
    QString npv;
};

// The cash flows year by year: the headings and a row of texts a year, the
// first column the year's number.
struct CashFlowTableText {
    QStringList headings;
    std::vector<QStringList> rows;
};

// The report's second page, when an investment is given: the measures, the
// cases, the cash flows, both charts and every assumption they rest on.
struct BusinessCasePage {
    QString title;
    QString forWhom; // customer, site and date in one line
    QStringList measures;
    CaseText caseHeadings;
    std::array<CaseText, model::kScenarioCount> cases;
    QString cashFlowTitle;
    CashFlowTableText cashFlow;
    QStringList assumptions;
    QString note;
    std::function<void(QPainter &, const QRectF &)> drawCashFlow;
    std::function<void(QPainter &, const QRectF &)> drawTornado;
    // The third page: how the net present value moves with each input.
    QString sensitivityTitle;
    QString cashFlowAndSensitivityTitle; // when the cash flow goes on that page too
    std::function<void(QPainter &, const QRectF &)> drawNpvTornado;
    std::function<void(QPainter &, const QRectF &)> drawSpider;
};

// A table of texts: its headings and a row of texts each, the first column
// a name, the others figures.
struct TableText {
    QStringList headings;
    std::vector<QStringList> rows;
};

// The page of the risk simulation, when the figures compute: the P10, P50
// and P90 of the measures, the chance of a negative NPV, the runs and the
// seed, both charts and the ranges the runs were drawn from.
struct RiskPage {
    QString title;
    QString forWhom; // customer, site and date in one line
    TableText quantiles;
    QStringList facts;
    QString rangesTitle;
    TableText ranges;
    QString note;
    std::function<void(QPainter &, const QRectF &)> drawHistogram;
    std::function<void(QPainter &, const QRectF &)> drawCurve;
};

// The page of the savings check, when the records have one: the failures
// before and after the installation, the reduction they measure beside the
// one assumed, and the failures counted up over the records' days.
struct SavingsCheckPage {
    QString title;
    QString forWhom; // customer, site and date in one line
    TableText periods;
    QString comparison;
    QString note;
    std::function<void(QPainter &, const QRectF &)> drawEvents;
};

// The page of the alternatives considered, where the case weighs more than
// one option: doing nothing and each option side by side, and what they say.
struct AlternativesPage {
    QString title;
    QString forWhom; // customer, site and date in one line
    TableText options;
    TableText increments; // each option against the next cheaper
    QStringList sentences;
};

// Everything the customer report shows, as finished texts: the page only
// lays them out, so that it shows exactly what the window shows.
struct ReportContent {
    QString maker;
    QString contact; // the maker's telephone and web address
    QString title;
    QString customer;
    QString site;
    QString preparedBy;
    QString date;
    std::array<FigureLine, model::kInputCount> figures;
    std::array<CostTableText, model::kTableCount> tables;
    // Draws the savings chart into the rectangle, as vectors.
    std::function<void(QPainter &, const QRectF &)> drawChart;
    // Payback lines, empty when no system price was given.
    QStringList payback;
    QString assumptions;
    // The records' assets with the most failures, under their title; no
    // rows without records that name assets.
    QString assetsTitle;
    TableText assets;
    QPageSize pageSize{QPageSize::A4};
    // The second page, when an investment is given.
    std::optional<BusinessCasePage> businessCase;
    // After its sensitivity page, when the case weighs other options.
    std::optional<AlternativesPage> alternatives;
    // The page after those, when the figures can be simulated.
    std::optional<RiskPage> risk;
    // The last page, when the records have a savings check.
    std::optional<SavingsCheckPage> savingsCheck;
};

} // namespace report
