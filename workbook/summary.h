// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/facility/facility_file.h"
#include "model/finance/cash_flow.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace workbook {

// One facility file as a line of the summary: its totals and, when it names
// an investment, how that pays back.
struct SummaryRow {
    QString fileName; // without its folder
    QString customer;
    QString site;
    QString currency = QStringLiteral("$"); // the symbol its figures are in
    double currentTotal = 0;
    double velmorTotal = 0;
    double savingsTotal = 0;
    // The months also when the payback falls after the period, which
    // paybackState says; none without an investment, or when it never pays back.
    std::optional<double> paybackMonths;
    std::optional<double> npv;                       // none without an investment
    std::optional<model::PaybackState> paybackState; // none without an investment
    std::optional<double> hardNpv;                   // on the hard savings alone, where the savings are split
};

struct SummaryReading {
    std::vector<SummaryRow> rows; // in the order the files were given
    QString problem;              // the first file that cannot be summed up, named; empty when all can
};

// Why the figures of a facility file cannot be summed up (a figure that is no
// number, named and quoted from its start; arithmetic that faults; a wrong
// investment or capital input text), as one or two sentences; nothing when
// they compute.
std::optional<QString> figuresProblem(const model::FacilityFigures &figures);

// The line of one facility's figures, computed in the regional settings the
// file was saved in with its own reductions, investment and capital inputs,
// or the problem, naming the file at path, when they cannot be summed up.
SummaryReading summaryOf(const QString &path, const model::FacilityFigures &figures);

// The rows and a total row as comma-separated text: plain numbers with a
// decimal point and no grouping whatever the regional settings, fields
// quoted as RFC 4180 wants, lines ending in CR LF; the header and the total
// row's name in English in every language. A text a spreadsheet would take
// for a formula (beginning with =, +, -, @, a tab or a carriage return) is
// quoted after an apostrophe; any other control character than a tab or a
// line break is a blank. Each row names its currency; the total row
// sums the money only when all rows share one, as there is no rate to add
// another at. Money is rounded to the cent as the report rounds it and the
// total sums the rounded figures; the workbook stores the same figures.
QByteArray summaryCsv(const std::vector<SummaryRow> &rows);

// Writes the summary to path, as CSV or as a workbook by its suffix (.csv,
// .xlsx), through model::writeFileSafely(). False, with a sentence naming the
// file in error, when it cannot.
bool writeSummary(const QString &path, const std::vector<SummaryRow> &rows, QString *error);

} // namespace workbook
