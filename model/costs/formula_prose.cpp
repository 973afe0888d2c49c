// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/costs/formula_prose.h"

#include "model/costs/cost_formulas.h"
#include "model/costs/model_text.h"
#include "model/text/formula_term.h"

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
    // The steps as a formula in words, which writes the operations and the
    // constants as the lost production's rule is written.
    const CostFormula &row = kCostFormulas.at(std::size_t(k - 1));
    const auto named = [&](Input input) { return FormulaTerm::named(formulaNameText(input, units), locale); };
    FormulaTerm text = named(row.first);
    for (int s = 0; s < row.stepCount; ++s) {
        const FormulaStep &step = row.steps[std::size_t(s)];
        const FormulaTerm operand = step.input ? named(*step.input) : FormulaTerm(step.constant);
        text = step.operation == FormulaStep::Times ? text * operand : text / operand;
    }
    return text.text();
}

} // namespace model
