// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/costs/results.h"

#include "model/text/money_text.h"
#include "model/text/numeric_text.h"

namespace model {

Results computeResults(const std::array<QString, kInputCount> &fieldTexts, const QLocale &locale,
                       const Assumptions &assumptions)
{
    // The figure computed with is the one the numeric test read.
    InputValues v{};
    for (int i = 0; i < kInputCount; ++i) {
        const std::optional<double> figure = readFigure(fieldTexts[std::size_t(i)], locale);
        if (!figure) {
            Results results;
            results.failedField = i;
            return results;
        }
        v[std::size_t(i)] = *figure;
    }
    return computeResults(v, assumptions);
}

Results computeResults(const InputValues &v, const Assumptions &assumptions)
{
    Results results;
    results.values = v;
    auto &[current, velmor, savings] = results.tables;
    try {
        computeCurrentCost(v, current, assumptions.lostProduction);
        results.finishedTables = 1;
        computeVelmorCost(current, velmor, assumptions);
        results.finishedTables = 2;
        computeSavings(current, velmor, savings);
        results.finishedTables = 3;
    } catch (const ArithmeticError &error) {
        results.fault = error.fault();
    }
    return results;
}

ChartFigures chartFigures(const Results &results)
{
    ChartFigures figures{};
    for (int r = 1; r <= kReducedRowCount; ++r) {
        for (int t = 0; t < kTableCount; ++t)
            figures[std::size_t(r - 1)][std::size_t(t)] = results.tables[std::size_t(t)].row(r);
    }
    return figures;
}

ResultTexts resultTexts(const Results &results, const QLocale &locale, QStringView symbol)
{
    ResultTexts texts;
    for (int t = 0; t < results.finishedTables; ++t) {
        for (int k = 1; k <= kRowCount; ++k)
            texts[std::size_t(t)][std::size_t(k - 1)] =
                currencyText(results.tables[std::size_t(t)].row(k), locale, symbol);
    }
    return texts;
}

} // namespace model
