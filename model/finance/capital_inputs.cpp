// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/finance/capital_inputs.h"

#include "model/finance/business_case.h"
#include "model/text/numeric_text.h"

#include <QCoreApplication>

#include <cmath>

namespace model {

CapitalReading readCapitalInputs(const CapitalTexts &texts, const QLocale &locale)
{
    CapitalReading reading;
    CapitalInputs inputs;
    inputs.depreciation = texts.depreciation;
    inputs.timing = texts.timing;
    const auto problem = [&](CapitalField field, const char *what, const QString &text, const QString &why) {
        reading.problemField = field;
        reading.problem = readingProblemText(what, text, why);
        return reading;
    };
    const auto notAPercentage = [&](double low, double high) {
        return QCoreApplication::translate("BusinessCase", "is not a percentage from %1 to %2")
            .arg(locale.toString(low), locale.toString(high));
    };

    const struct {
        CapitalField field;
        const char *what;
        const QString &text;
        double &value;
        double low;
        double high;
    } percentages[] = {
        {CapitalField::LabourEscalation, QT_TRANSLATE_NOOP("BusinessCase", "annual escalation of the labor rates"),
         texts.labourEscalation, inputs.labourEscalationPercent, kMinEscalationPercent, kMaxEscalationPercent},
        {CapitalField::LubricantEscalation,
         QT_TRANSLATE_NOOP("BusinessCase", "annual escalation of the lubricant price"), texts.lubricantEscalation,
         inputs.lubricantEscalationPercent, kMinEscalationPercent, kMaxEscalationPercent},
        {CapitalField::BearingEscalation, QT_TRANSLATE_NOOP("BusinessCase", "annual escalation of the bearing price"),
         texts.bearingEscalation, inputs.bearingEscalationPercent, kMinEscalationPercent, kMaxEscalationPercent},
        {CapitalField::ProductionValueEscalation,
         QT_TRANSLATE_NOOP("BusinessCase", "annual escalation of the production value"),
         texts.productionValueEscalation, inputs.productionValueEscalationPercent, kMinEscalationPercent,
         kMaxEscalationPercent},
        {CapitalField::UpkeepEscalation, QT_TRANSLATE_NOOP("BusinessCase", "annual escalation of the upkeep"),
         texts.upkeepEscalation, inputs.upkeepEscalationPercent, kMinEscalationPercent, kMaxEscalationPercent},
        {CapitalField::TaxRate, QT_TRANSLATE_NOOP("BusinessCase", "income tax rate"), texts.taxRate,
         inputs.taxRatePercent, 0, 100},
        {CapitalField::DecliningRate, QT_TRANSLATE_NOOP("BusinessCase", "declining-balance rate"), texts.decliningRate,
         inputs.decliningRatePercent, 0, 100},
        {CapitalField::FirstYearShare, QT_TRANSLATE_NOOP("BusinessCase", "first-year share of the savings"),
         texts.firstYearShare, inputs.firstYearSharePercent, 0, 100},
        {CapitalField::Contingency, QT_TRANSLATE_NOOP("BusinessCase", "contingency"), texts.contingency,
         inputs.contingencyPercent, 0, 100},
    };
    for (const auto &percentage : percentages) {
        if (percentage.text.trimmed().isEmpty())
            continue;
        const std::optional<double> value = readFigure(percentage.text, locale);
        if (!value || !(*value >= percentage.low && *value <= percentage.high))
            return problem(percentage.field, percentage.what, percentage.text,
                           notAPercentage(percentage.low, percentage.high));
        percentage.value = *value;
    }

    // Given or not: none stays none.
    const struct {
        CapitalField field;
        const char *what;
        const QString &text;
        std::optional<double> &value;
        double high;
    } optionalPercentages[] = {
        {CapitalField::AccuracyBelow, QT_TRANSLATE_NOOP("BusinessCase", "accuracy below the estimate"),
         texts.accuracyBelow, inputs.accuracyBelowPercent, 100},
        {CapitalField::AccuracyAbove, QT_TRANSLATE_NOOP("BusinessCase", "accuracy above the estimate"),
         texts.accuracyAbove, inputs.accuracyAbovePercent, 100},
        {CapitalField::HurdleRate, QT_TRANSLATE_NOOP("BusinessCase", "hurdle rate"), texts.hurdleRate,
         inputs.hurdleRatePercent, kMaxHurdleRatePercent},
    };
    for (const auto &percentage : optionalPercentages) {
        if (percentage.text.trimmed().isEmpty())
            continue;
        const std::optional<double> value = readFigure(percentage.text, locale);
        if (!value || !(*value >= 0 && *value <= percentage.high))
            return problem(percentage.field, percentage.what, percentage.text, notAPercentage(0, percentage.high));
        percentage.value = *value;
    }

    if (!texts.depreciationYears.trimmed().isEmpty()) {
        const std::optional<double> years = readFigure(texts.depreciationYears, locale);
        if (!years || !(*years >= 1 && *years <= kMaxDepreciationYears) || *years != std::floor(*years))
            return problem(CapitalField::DepreciationYears, QT_TRANSLATE_NOOP("BusinessCase", "depreciation period"),
                           texts.depreciationYears,
                           QCoreApplication::translate("BusinessCase", "is not a whole number of years from 1 to 50"));
        inputs.depreciationYears = int(*years);
    }

    switch (readInvestmentMoney(texts.residualValue, locale, inputs.residualValue)) {
    case MoneyReading::Read:
        break;
    case MoneyReading::NoSum:
        return problem(CapitalField::ResidualValue, QT_TRANSLATE_NOOP("BusinessCase", "residual value"),
                       texts.residualValue, QCoreApplication::translate("BusinessCase", "is not a sum of money"));
    case MoneyReading::TooLarge:
        return problem(CapitalField::ResidualValue, QT_TRANSLATE_NOOP("BusinessCase", "residual value"),
                       texts.residualValue,
                       QCoreApplication::translate("BusinessCase", "is more than %1")
                           .arg(locale.toString(kMaxInvestmentMoney, 'f', 0)));
    }

    inputs.otherSavings = texts.otherSavings;
    inputs.oneOffs = texts.oneOffs;
    reading.inputs = inputs;
    return reading;
}

} // namespace model
