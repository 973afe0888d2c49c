// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/facility_file.h"
#include "model/input_table.h"
#include "model/results.h"
#include "report/report_content.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace main_window {

// What a customer report is made from: the fields as typed, the report's
// details, the graph shown on the Graph tab and the day it is made.
struct ReportRequest {
    std::array<QString, model::kInputCount> fieldTexts;
    model::ReportDetails details;
    int chartType = 0; // a platform::ChartControl::Type; 0 for the stacked bars
    bool stacking = true;
    QDate date;
    QLocale locale;
};

struct BuiltReport {
    // The same computation a tab change runs, so that the caller can answer
    // a failure the way a tab change does.
    model::Results results;
    // The report, when every figure could be computed.
    std::optional<report::ReportContent> content;
    // Otherwise one sentence saying why: a field that is no number (named by
    // its caption), an arithmetic fault, or a system price that is no number.
    QString problem;
};

// Lays the report's texts out of the model's results, with exactly the
// captions and currency texts the window shows.
BuiltReport buildReport(const ReportRequest &request);

// The system price of the details as a figure: nothing when none is given,
// or when it is no number or below zero (then *valid is false).
std::optional<double> systemPriceOf(const model::ReportDetails &details, const QLocale &locale, bool *valid);

} // namespace main_window
