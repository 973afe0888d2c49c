// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/business_case.h"
#include "model/facility_file.h"
#include "model/input_table.h"
#include "model/results.h"
#include "report/report_content.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace outputs {

// What a customer report is made from: the fields as typed, the report's
// details, the graph shown on the Graph tab and the day it is made.
struct ReportRequest {
    std::array<QString, model::kInputCount> fieldTexts;
    model::ReportDetails details;
    model::InvestmentTexts investment;
    model::Assumptions assumptions = model::Assumptions::designed();
    int chartType = 0; // a platform::ChartControl::Type; 0 for the stacked bars
    bool stacking = true;
    QDate date;
    QLocale locale;
    model::CurrencyUnits currency;
};

struct BuiltReport {
    // The same computation a tab change runs, so that the caller can answer
    // a failure the way a tab change does.
    model::Results results;
    // The report, when every figure could be computed.
    std::optional<report::ReportContent> content;
    // Otherwise one sentence saying why: a field that is no number (named by
    // its caption), an arithmetic fault, or an investment figure that is no
    // number (then investmentField says which), or measures that overflow.
    QString problem;
    std::optional<model::InvestmentField> investmentField;
    // The fault of the tables or of the business case's measures, if that is why.
    std::optional<model::ArithmeticFault> fault;
};

// Lays the report's texts out of the model's results, with exactly the
// captions and currency texts the window shows; with an investment, the
// business case page too.
BuiltReport buildReport(const ReportRequest &request);

} // namespace outputs
