// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/result_refresh.h"

#include "model/money_text.h"
#include "model/numeric_text.h"

namespace model {

void ResultView::fillChart(const CostTable &, const CostTable &, const CostTable &) {}

namespace {

// Clears the running flag however run() ends, exceptions included.
class RunningFlag {
public:
    explicit RunningFlag(bool &flag) : m_flag(flag) { m_flag = true; }
    ~RunningFlag() { m_flag = false; }
    RunningFlag(const RunningFlag &) = delete;
    RunningFlag &operator=(const RunningFlag &) = delete;

private:
    bool &m_flag;
};

} // namespace

ResultRefresh::Outcome ResultRefresh::run(ResultView &view)
{
    // Selecting the "Your Data" tab is itself a tab change, which may bring
    // the window straight back here. The outer refresh has already found the
    // bad field and selected the tab, so the nested one has nothing to add.
    if (m_running)
        return Outcome::Nested;
    RunningFlag running(m_running);

    // Each field is read once: the figure computed with is the one the
    // numeric test read, in the same regional settings.
    InputValues v{};
    for (int i = 0; i < kInputCount; ++i) {
        const std::optional<double> figure = readFigure(view.fieldText(i), m_locale);
        if (!figure) {
            view.selectTab(kYourDataTab);
            return Outcome::SentBackToInputs;
        }
        v[std::size_t(i)] = *figure;
    }

    CostTable current, velmor, savings;
    computeCurrentCost(v, current);
    for (int k = 1; k <= 6; ++k)
        view.setResultCaption(currentCostLabel(k), currencyText(current.row(k), m_locale));

    computeVelmorCost(current, velmor);
    for (int k = 1; k <= 6; ++k)
        view.setResultCaption(velmorCostLabel(k), currencyText(velmor.row(k), m_locale));

    computeSavings(current, velmor, savings);
    for (int k = 1; k <= 6; ++k)
        view.setResultCaption(savingsLabel(k), currencyText(savings.row(k), m_locale));

    view.fillChart(current, velmor, savings);
    return Outcome::Refreshed;
}

} // namespace model
