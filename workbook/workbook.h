// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/facility/facility_file.h"
#include "model/facility_outcome.h"

#include <QLocale>
#include <QString>

namespace workbook {

// The figures of one facility as a spreadsheet (.xlsx) with three sheets:
//
//   Figures        the twelve figures with their captions and units, the five
//                  reductions in per cent and, with an investment, its price,
//                  installation, upkeep, years and discount rate, and the
//                  capital inputs (escalations, tax, depreciation, residual
//                  value, first-year share, timing; the two choices by their
//                  codes): numbers.
//   Costs          the current, Velmor and savings tables, six rows each,
//                  every cost a formula over the Figures cells in the order
//                  the program computes it, so that a changed figure
//                  recomputes every row.
//   Business Case  with an investment only: the cash-flow table of years 0
//                  to 50 (0 after the period's end) and the measures taken
//                  from it (payback, return on investment, NPV, IRR,
//                  profitability index, discounted payback), every cell a
//                  formula over the other two sheets that computes what
//                  model::cashFlowTableOf() and model::measuresOf() compute.
//   Risk, Risk runs  given risk ranges whose simulation computes: the runs'
//                  summary and the first runs' drawn inputs and results
//                  (workbook/risk_sheets.h), values, not formulas.
//   Records, Savings check  given records: the assets with the most failures
//                  and what the records come to, and where they have a
//                  savings check its periods, rates and reduction
//                  (workbook/records_sheets.h), numbers, and formulas where a
//                  figure is one of others.
//
// Every formula also holds the program's own result, for viewers that show
// what was saved without computing.
//
// The workbook is written from the facts and what they come to
// (model::outcomeOf(), typed in locale): the figures, assumptions, currency
// and units and the investment of facts, the risk sheets where facts.risk
// gives ranges, the records' sheets where facts.records holds records. The
// file is written through model::writeFileSafely(), so a failed write leaves
// the target as it was. Returns false, with one or two sentences naming the
// file in error, when a figure is no number, the arithmetic faults, an
// investment or capital text is wrong, a risk range lets runs overflow or the
// file cannot be written.
//
// The cached results are the program's or zeros, as a writer that does not
// compute leaves them. With zeros, what a spreadsheet shows is all its own
// computation, which is how the formulas themselves are checked.
enum class CachedResults { Computed, Zero };

// The runs, when given, are those the document simulated of the same
// figures and ranges (FacilityDocument::riskSummary()), so the export need not
// draw its ten thousand again.
bool exportWorkbook(const QString &path, const model::FacilityFigures &facts, const QLocale &locale,
                    const model::FacilityOutcome &outcome, QString *error,
                    CachedResults cached = CachedResults::Computed,
                    const std::optional<model::RiskSummary> &runs = std::nullopt);

} // namespace workbook
