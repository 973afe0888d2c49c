// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/costs/lost_production.h"

#include "model/costs/formula_prose.h"
#include "model/text/formula_term.h"
#include "model/text/list_text.h"
#include "model/text/money_text.h"
#include "model/text/percentage_text.h"

#include <QCoreApplication>
#include <QStringList>

namespace model {
namespace {

struct LostProductionText {
    Q_DECLARE_TR_FUNCTIONS(LostProductionText)
};

template <typename N, typename Figure, typename Stop>
N lostProductionFrom(const Figure &figure, const Stop &stop)
{
    return lostProductionOf<N>(figure(Input::BearingFailures), stop(StopFigure::StopHours),
                               figure(Input::ProductionRate), stop(StopFigure::Margin), stop(StopFigure::MadeUp),
                               stop(StopFigure::IdleCrew), stop(StopFigure::IdleCrewRate));
}

} // namespace

double largestStopFigure(StopFigure figure)
{
    switch (figure) {
    case StopFigure::Margin:
    case StopFigure::MadeUp:
        return 100;
    case StopFigure::IdleCrew:
    case StopFigure::IdleCrewRate:
        return kMaxStopCrew;
    case StopFigure::StopHours:
        break;
    }
    return kMaxStopHours;
}

std::optional<double> LostProductionRule::*stopFigureMember(StopFigure figure)
{
    switch (figure) {
    case StopFigure::Margin:
        return &LostProductionRule::marginPercent;
    case StopFigure::MadeUp:
        return &LostProductionRule::madeUpPercent;
    case StopFigure::IdleCrew:
        return &LostProductionRule::idleCrew;
    case StopFigure::IdleCrewRate:
        return &LostProductionRule::idleCrewRate;
    case StopFigure::StopHours:
        break;
    }
    return &LostProductionRule::stopHours;
}

double stopFigureValue(StopFigure figure, const LostProductionRule &rule, const InputValues &values)
{
    switch (figure) {
    case StopFigure::Margin:
        return rule.margin();
    case StopFigure::MadeUp:
        return rule.madeUpPercent.value_or(0);
    case StopFigure::IdleCrew:
        return rule.idleCrew.value_or(0);
    case StopFigure::IdleCrewRate:
        return rule.idleCrewRate.value_or(0);
    case StopFigure::StopHours:
        break;
    }
    return rule.stopHours.value_or(inputValue(values, Input::HoursPerReplacement));
}

double lostProductionRow(const InputValues &values, const LostProductionRule &rule)
{
    return lostProductionFrom<double>([&](Input input) { return inputValue(values, input); },
                                      [&](StopFigure figure) { return stopFigureValue(figure, rule, values); });
}

QString lostProductionFormula(const std::function<QString(Input)> &figure,
                              const std::function<QString(StopFigure)> &stop)
{
    return lostProductionFrom<FormulaTerm>([&](Input input) { return FormulaTerm::cell(figure(input)); },
                                           [&](StopFigure s) { return FormulaTerm::cell(stop(s)); })
        .text();
}

QString lostProductionProse(const LostProductionRule &rule, Units units, const QLocale &locale)
{
    const auto stopName = [&](StopFigure figure) {
        switch (figure) {
        case StopFigure::Margin:
            return LostProductionText::tr("margin %");
        case StopFigure::MadeUp:
            return LostProductionText::tr("made up %");
        case StopFigure::IdleCrew:
            return LostProductionText::tr("idle crew");
        case StopFigure::IdleCrewRate:
            return LostProductionText::tr("their rate");
        case StopFigure::StopHours:
            break;
        }
        return rule.stopHours ? LostProductionText::tr("stop hours")
                              : formulaNameText(Input::HoursPerReplacement, units);
    };
    return lostProductionFrom<FormulaTerm>(
               [&](Input input) {
        return FormulaTerm::named(formulaNameText(input, units), locale);
               },
               [&](StopFigure figure) {
        return FormulaTerm::named(stopName(figure), locale);
    }).text();
}

QString lostProductionSentence(const LostProductionRule &rule, const QLocale &locale, QStringView symbol)
{
    QStringList sentences;
    if (rule.soldOut)
        sentences << LostProductionText::tr("The plant is sold out: a lost hour is valued at the whole production "
                                            "value.");
    else if (rule.marginPercent)
        sentences << LostProductionText::tr("A lost hour is valued at its contribution margin, %1 of the production "
                                            "value.")
                         .arg(percentageText(*rule.marginPercent, locale));
    if (rule.madeUpPercent)
        sentences << LostProductionText::tr("%1 of the lost output is made up later and not counted as lost.")
                         .arg(percentageText(*rule.madeUpPercent, locale));
    if (rule.stopHours)
        sentences << LostProductionText::tr("A failure stops production for %1 hour(s); the labor to replace the "
                                            "bearing is counted over the hours to replace it.",
                                            "", *rule.stopHours == 1 ? 1 : 2)
                         .arg(locale.toString(*rule.stopHours, 'f', QLocale::FloatingPointShortest));
    if (rule.idleCrew && *rule.idleCrew != 0)
        sentences << LostProductionText::tr("%1 people stand idle during a stop, at %2 an hour each.")
                         .arg(locale.toString(*rule.idleCrew, 'f', QLocale::FloatingPointShortest),
                              moneyText(rule.idleCrewRate.value_or(0), locale, symbol));
    return sentencesText(sentences);
}

} // namespace model
