// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/finance/cash_flow.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace model {

// The capital request's inputs as the user typed them, beside the two
// choices; every text may be empty, which is the default of CapitalInputs.
struct CapitalTexts {
    // Yearly escalations in per cent.
    QString labourEscalation;
    QString lubricantEscalation;
    QString bearingEscalation;
    QString productionValueEscalation;
    QString upkeepEscalation;
    QString taxRate; // income tax, in per cent
    Depreciation depreciation = Depreciation::None;
    QString depreciationYears; // straight-line; empty: 5
    QString decliningRate;     // declining balance, per cent of the book value a year; empty: 20
    QString residualValue;     // money, at the period's end
    QString firstYearShare;    // per cent of year 1's savings; empty: 100
    CashFlowTiming timing = CashFlowTiming::YearEnd;
    // What an approver asks beside the flows, each empty unless given: a
    // contingency on the price and installation, in per cent; the estimate's
    // accuracy class, per cent below and above; the company's hurdle rate.
    QString contingency;
    QString accuracyBelow;
    QString accuracyAbove;
    QString hurdleRate;
    // Savings beyond the cost rows and one-off items, as their dialog read them.
    std::vector<OtherSaving> otherSavings;
    std::vector<OneOffItem> oneOffs;

    // Whether one of the approver's inputs or an item is given, which a file
    // keeps only then.
    bool hasApproverInputs() const
    {
        return !contingency.isEmpty() || !accuracyBelow.isEmpty() || !accuracyAbove.isEmpty() || !hurdleRate.isEmpty()
               || !otherSavings.empty() || !oneOffs.empty();
    }
    bool isEmpty() const { return *this == CapitalTexts(); }
    friend bool operator==(const CapitalTexts &, const CapitalTexts &) = default;
};

// The ranges accepted. An escalation below −50 % a year wipes out a cost
// within a few years, one above 100 % doubles it every year: neither is a
// plant's forecast, and within them fifty years stay far from overflowing.
inline constexpr double kMinEscalationPercent = -50;
inline constexpr double kMaxEscalationPercent = 100;
inline constexpr int kMaxDepreciationYears = 50;

// The texts' fields.
enum class CapitalField {
    LabourEscalation,
    LubricantEscalation,
    BearingEscalation,
    ProductionValueEscalation,
    UpkeepEscalation,
    TaxRate,
    DepreciationYears,
    DecliningRate,
    ResidualValue,
    FirstYearShare,
    Contingency,
    AccuracyBelow,
    AccuracyAbove,
    HurdleRate,
};
inline constexpr int kCapitalFieldCount = 14;
// The highest hurdle rate taken, in per cent a year.
inline constexpr double kMaxHurdleRatePercent = 1000;

// The inputs read in the regional settings as readInvestment() reads the
// investment: an empty text is the default; otherwise escalations from −50 %
// to 100 %, a tax rate, a declining-balance rate and a first-year share from
// 0 to 100 %, a depreciation period of 1 to 50 whole years, and a residual
// value from 0 to 10^12, rounded to the cent. Every text is read whichever
// depreciation is chosen, so that what is kept always reads. A text out of
// range or no number gives a problem naming it instead. A contingency and
// the accuracy's shares are 0 to 100 %, a hurdle rate 0 to 1,000 % a year.
struct CapitalReading {
    std::optional<CapitalInputs> inputs;
    QString problem; // one sentence, empty when the texts are fine
    std::optional<CapitalField> problemField;
};
CapitalReading readCapitalInputs(const CapitalTexts &texts, const QLocale &locale);

} // namespace model
