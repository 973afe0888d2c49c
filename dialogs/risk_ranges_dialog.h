// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_rows.h"
#include "model/costs/input_table.h"
#include "model/finance/cash_flow.h"
#include "model/finance/risk_simulation.h"

#include <QDialog>
#include <QLocale>

#include <array>
#include <optional>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QLineEdit;
class QSpinBox;
QT_END_NAMESPACE

// "Risk Ranges": for each of the eight uncertain inputs a low, most likely
// and high value (all three empty: fixed at its figure), the seed that draws
// the runs and their number. An input the records give (the defaults'
// fromRecords) has a "From the records" box and, below, how the records
// give it; checked, its fields show the records' values (a gamma's P10, P50
// and P90) and take nothing typed; unchecked, they take the user's own
// range. "Restore Defaults" shows the defaults again. OK refuses, naming the
// input and keeping what was typed, values that are no number, out of order
// (low ≤ most likely ≤ high), a reduction outside 0 to 100, a negative
// figure or a range whose runs would overflow.
class RiskRangesDialog : public QDialog {
    Q_OBJECT
public:
    // defaults: what the facility's ranges are without the user's own;
    // values and assumptions: the figures a fixed input keeps; recordsTexts:
    // how the records give each input the defaults take from them
    // (model::recordsDrawText()).
    RiskRangesDialog(const model::RiskRanges &ranges, const model::RiskRanges &defaults,
                     const model::InputValues &values, const model::Assumptions &assumptions, const QLocale &locale,
                     qreal zoom, QWidget *parent = nullptr, QStringView symbol = u"$",
                     const std::array<QString, model::kRiskInputCount> &recordsTexts = {});

    // The ranges as accepted; none when they are the defaults, so that the
    // facility keeps following its assumptions and records.
    const std::optional<model::RiskRanges> &ranges() const { return m_accepted; }

    // The investment the runs evaluate, none without one: OK refuses ranges
    // whose net present value would overflow as well.
    void setInvestment(const std::optional<model::Investment> &investment, const model::CapitalInputs &capital);

    void accept() override;

    // The fewest and most runs the dialog takes.
    static constexpr int kMinRuns = 100;
    static constexpr int kMaxRuns = 100000;

protected:
    void showEvent(QShowEvent *event) override;

private:
    enum Column { Low, Likely, High };
    void show(const model::RiskRanges &ranges);
    // The input's fields with the values of ranges, taking what is typed
    // unless they are the records'.
    void showRange(int input, const model::RiskRanges &ranges, bool fromRecords);
    // The field's value: the one it was shown with while its text is
    // unchanged (a shown text is rounded), otherwise its text read.
    std::optional<double> valueOf(int input, Column column) const;
    bool refuse(QLineEdit *field, const QString &message);

    QLocale m_locale;
    QString m_symbol;
    model::InputValues m_values;
    model::Assumptions m_assumptions;
    std::optional<model::Investment> m_investment;
    model::CapitalInputs m_capital;
    model::RiskRanges m_defaults;
    std::optional<model::RiskRanges> m_accepted;
    std::array<std::array<QLineEdit *, 3>, model::kRiskInputCount> m_fields{};
    std::array<QCheckBox *, model::kRiskInputCount> m_fromRecords{}; // none where the records give nothing
    std::array<std::array<std::pair<QString, double>, 3>, model::kRiskInputCount> m_shown{};
    QLineEdit *m_seed = nullptr;
    QSpinBox *m_runs = nullptr;
};
