// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/case_alternatives.h"
#include "model/costs/cost_rows.h"
#include "model/costs/results.h"
#include "model/finance/business_case.h"
#include "model/finance/risk_simulation.h"
#include "model/records/records_evidence.h"

#include <QLocale>
#include <QString>

#include <optional>

// The results as Copy Results puts them on the clipboard, so that a
// spreadsheet takes every figure as a number: tab-separated plain text with
// the figures written as the regional settings write numbers (no grouping,
// no currency sign, two decimals), and an HTML table whose cells carry the
// figure's value and number format beside the shown text; money is in the
// currency of symbol, in the text and in the format. A header row, the
// five cost rows and a "Total" row; with a business case (the document's
// study), its assumed case's measures below, as the Business Case window and
// the report show them; with the risk simulation's summary, its P10, P50 and
// P90 of the savings (and of the NPV and the payback), the chance that
// the NPV is below zero and, in a row of its own, riskRecords: which inputs
// the runs draw from the records (model::riskRecordsText()), where any;
// with records that have a savings check, its periods (dates, years,
// failures, rate and interval), the measured reduction with its bounds
// beside the assumed one, and the sentence that compares them; where the
// savings are split, the measures on the hard savings alone (hard); where
// the case weighs other options, those side by side (alternatives).
struct ClipboardResults {
    QString text;
    QString html;
};

ClipboardResults clipboardResults(const model::Results &results, const model::Assumptions &assumptions,
                                  const std::optional<model::BusinessCaseStudy> &study, const QLocale &locale,
                                  QStringView symbol = u"$",
                                  const std::optional<model::RiskSummary> &risk = std::nullopt,
                                  const std::optional<model::RecordsEvidence> &records = std::nullopt,
                                  const QString &riskRecords = QString(),
                                  const std::optional<model::BusinessCase> &hard = std::nullopt,
                                  const model::AlternativesComparison &alternatives = {});
