// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/cost_tables.h"

#include <QLocale>
#include <QString>

namespace model {

// What the refresh needs of a window: the twelve input fields, the 36 result
// labels and the tab control. The chart step is optional.
class ResultView {
public:
    virtual ~ResultView() = default;

    virtual QString fieldText(int field) const = 0;
    virtual void setResultCaption(int label, const QString &caption) = 0;
    virtual void selectTab(int tab) = 0;
    virtual void fillChart(const CostTable &current, const CostTable &velmor,
                           const CostTable &savings);
};

// Result label of cost-table row k (1 to 6).
constexpr int currentCostLabel(int k) { return k - 1; }
constexpr int velmorCostLabel(int k) { return 23 - k; }
constexpr int savingsLabel(int k) { return 35 - k; }

inline constexpr int kYourDataTab = 1;

// Recomputes every figure from the input fields, on every tab change.
class ResultRefresh {
public:
    enum class Outcome { Refreshed, SentBackToInputs, Nested };

    explicit ResultRefresh(QLocale locale = QLocale()) : m_locale(std::move(locale)) {}

    // Reads the fields as figures, then computes and writes the current,
    // Velmor and savings tables one after the other and fills the chart.
    // A field that is not a number selects the "Your Data" tab and changes
    // nothing else. An arithmetic fault throws ArithmeticError; the labels
    // written before it keep their new captions.
    Outcome run(ResultView &view);

    const QLocale &locale() const { return m_locale; }

private:
    QLocale m_locale;
    bool m_running = false;
};

} // namespace model
