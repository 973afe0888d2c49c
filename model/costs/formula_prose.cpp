// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/costs/formula_prose.h"

#include "model/costs/cost_formulas.h"
#include "model/costs/model_text.h"

namespace model {

QString formulaNameText(Input input, Units units)
{
    if (units == Units::Metric) {
        for (const auto &[metricInput, name] : kMetricFormulaNames) {
            if (metricInput == input)
                return inputText(name);
        }
    }
    return inputText(kInputs[std::size_t(input)].formulaName);
}

QString costFormulaProse(int k, Units units, const QLocale &locale)
{
    const CostFormula &row = kCostFormulas.at(std::size_t(k - 1));
    QString text = formulaNameText(row.first, units);
    for (int s = 0; s < row.stepCount; ++s) {
        const FormulaStep &step = row.steps[std::size_t(s)];
        text += step.operation == FormulaStep::Times ? u" \u00D7 " : u" \u00F7 ";
        text += step.input ? formulaNameText(*step.input, units)
                           : locale.toString(step.constant, 'g', QLocale::FloatingPointShortest);
    }
    return text;
}

} // namespace model
