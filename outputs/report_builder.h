// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "document/facility_document.h"
#include "model/finance/business_case.h"
#include "report/report_content.h"

#include <QDate>
#include <QString>

#include <optional>

namespace outputs {

// The graph the Graph tab shows, which the report's chart follows: a
// platform::ChartControl type (0 for the stacked bars) and its stacking.
struct GraphChoice {
    int chartType = 0;
    bool stacking = true;
};

struct BuiltReport {
    // The report, when every figure could be computed.
    std::optional<report::ReportContent> content;
    // Otherwise one sentence saying why: a field that is no number (named by
    // its caption), an arithmetic fault, or an investment figure that is no
    // number (then investmentField says which), measures that overflow, or
    // risk ranges whose runs would.
    QString problem;
    std::optional<model::InvestmentField> investmentField;
    // The fault of the tables or of the business case's measures, if that is why.
    std::optional<model::ArithmeticFault> fault;
};

// Lays the report of the facility out of what its figures come to, with
// exactly the captions and currency texts the window shows, dated date; with
// an investment, the business case page too.
BuiltReport buildReport(const document::FacilityDocument &facility, QDate date, GraphChoice graph = {});

// The note under the report's tables: how the figures come about, each cost
// row's formula in words, the reductions and the currency.
QString figuresNote(const model::Assumptions &reductions, const QLocale &locale, const model::CurrencyUnits &currency);

} // namespace outputs
