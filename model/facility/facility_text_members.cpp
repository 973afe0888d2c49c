// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/facility/facility_text_members.h"

#include "model/facility/facility_file.h"
#include "model/finance/records_risk.h"

namespace model {
namespace {

const TextMember<InvestmentTexts> kInvestmentMembers[] = {
    {QLatin1StringView("systemPrice"), &InvestmentTexts::systemPrice,
     QT_TRANSLATE_NOOP("FacilityFile", "system price")},
    {QLatin1StringView("installationCost"), &InvestmentTexts::installationCost,
     QT_TRANSLATE_NOOP("FacilityFile", "installation cost")},
    {QLatin1StringView("yearlyUpkeep"), &InvestmentTexts::yearlyUpkeep,
     QT_TRANSLATE_NOOP("FacilityFile", "annual upkeep")},
    {QLatin1StringView("years"), &InvestmentTexts::years, QT_TRANSLATE_NOOP("FacilityFile", "evaluation period")},
    {QLatin1StringView("discountRate"), &InvestmentTexts::discountRate,
     QT_TRANSLATE_NOOP("FacilityFile", "discount rate")},
};
// The texts of "capital", in the order they are written; its two choices
// follow them.
const TextMember<CapitalTexts> kCapitalMembers[] = {
    {QLatin1StringView("labourEscalation"), &CapitalTexts::labourEscalation,
     QT_TRANSLATE_NOOP("FacilityFile", "escalation of the labor rates")},
    {QLatin1StringView("lubricantEscalation"), &CapitalTexts::lubricantEscalation,
     QT_TRANSLATE_NOOP("FacilityFile", "escalation of the lubricant price")},
    {QLatin1StringView("bearingEscalation"), &CapitalTexts::bearingEscalation,
     QT_TRANSLATE_NOOP("FacilityFile", "escalation of the bearing price")},
    {QLatin1StringView("productionValueEscalation"), &CapitalTexts::productionValueEscalation,
     QT_TRANSLATE_NOOP("FacilityFile", "escalation of the production value")},
    {QLatin1StringView("upkeepEscalation"), &CapitalTexts::upkeepEscalation,
     QT_TRANSLATE_NOOP("FacilityFile", "escalation of the upkeep")},
    {QLatin1StringView("taxRate"), &CapitalTexts::taxRate, QT_TRANSLATE_NOOP("FacilityFile", "income tax rate")},
    {QLatin1StringView("depreciationYears"), &CapitalTexts::depreciationYears,
     QT_TRANSLATE_NOOP("FacilityFile", "depreciation period")},
    {QLatin1StringView("decliningRate"), &CapitalTexts::decliningRate,
     QT_TRANSLATE_NOOP("FacilityFile", "declining-balance rate")},
    {QLatin1StringView("residualValue"), &CapitalTexts::residualValue,
     QT_TRANSLATE_NOOP("FacilityFile", "residual value")},
    {QLatin1StringView("firstYearShare"), &CapitalTexts::firstYearShare,
     QT_TRANSLATE_NOOP("FacilityFile", "first-year share")},
    {QLatin1StringView("contingency"), &CapitalTexts::contingency, QT_TRANSLATE_NOOP("FacilityFile", "contingency"),
     true},
    {QLatin1StringView("accuracyBelow"), &CapitalTexts::accuracyBelow,
     QT_TRANSLATE_NOOP("FacilityFile", "accuracy below the estimate"), true},
    {QLatin1StringView("accuracyAbove"), &CapitalTexts::accuracyAbove,
     QT_TRANSLATE_NOOP("FacilityFile", "accuracy above the estimate"), true},
    {QLatin1StringView("hurdleRate"), &CapitalTexts::hurdleRate, QT_TRANSLATE_NOOP("FacilityFile", "hurdle rate"),
     true},
};
// The choices' names in the file, indexed by the enumerations' values.
const std::array<QLatin1StringView, 3> kDepreciationNames{QLatin1StringView("none"), QLatin1StringView("straightLine"),
                                                          QLatin1StringView("decliningBalance")};
const std::array<QLatin1StringView, 2> kTimingNames{QLatin1StringView("yearEnd"), QLatin1StringView("midYear")};
// The name of a choice; one that is none of them (a value cast from a number)
// is written as no name, which no reading takes.
template <std::size_t N, typename Choice>
QLatin1StringView choiceName(const std::array<QLatin1StringView, N> &names, Choice choice)
{
    return std::size_t(choice) < N ? names[std::size_t(choice)] : QLatin1StringView("?");
}

const char kInvestmentDetails[] = QT_TRANSLATE_NOOP("FacilityFile", "investment details");
const char kInvestmentDetail[] = QT_TRANSLATE_NOOP("FacilityFile", "investment detail");
const char kCapitalInputs[] = QT_TRANSLATE_NOOP("FacilityFile", "capital inputs");
const char kCapitalInput[] = QT_TRANSLATE_NOOP("FacilityFile", "capital input");

// The reductions of "assumptions", rows 1 to 5, named as the risk inputs
// that vary them.
QLatin1StringView reductionKey(int row) { return riskInputKey(RiskInput(row)); }

// The name's place in names, or nothing when it is none of them.
template <std::size_t N>
std::optional<int> choiceNamed(const QJsonValue &value, const std::array<QLatin1StringView, N> &names)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (value.isString() && value.toString() == names[i])
            return int(i);
    }
    return std::nullopt;
}

} // namespace

// Why a text cannot go into a file and come back into a field of at most
// maxLength characters, or nothing.
std::optional<QString> unfitText(const QString &text, qsizetype maxLength)
{
    // A lone surrogate (from a \uD800 escape, or pasted) has no UTF-8 form.
    if (!text.isValidUtf16())
        return QCoreApplication::translate("FacilityFile", "is not valid text");
    if (text.size() > maxLength)
        return QCoreApplication::translate("FacilityFile", "is longer than a field holds");
    return std::nullopt;
}

void writeInvestmentObject(QByteArray &out, const InvestmentTexts &investment)
{
    writeTextObject(out, "investment", kInvestmentMembers, investment);
}

void writeCapitalObject(QByteArray &out, const CapitalTexts &capital)
{
    writeTextObject(out, "capital", kCapitalMembers, capital,
                    {{"depreciation", choiceName(kDepreciationNames, capital.depreciation)},
                     {"timing", choiceName(kTimingNames, capital.timing)}});
}

void writeReductionsObject(QByteArray &out, const std::array<double, kReducedRowCount> &reductions)
{
    out += ",\n    \"assumptions\": {\n";
    for (int k = 0; k < kReducedRowCount; ++k) {
        out += "        \"";
        out += reductionKey(k).latin1();
        out += "\": ";
        out += jsonNumber(reductions[std::size_t(k)]);
        out += k + 1 < kReducedRowCount ? ",\n" : "\n";
    }
    out += "    }";
}

std::optional<QString> readInvestmentObject(const QJsonValue &value, InvestmentTexts &investment)
{
    return readTextObject(value, kInvestmentDetails, kInvestmentDetail, kInvestmentMembers, investment);
}

std::optional<QString> readCapitalObject(const QJsonValue &value, CapitalTexts &capital)
{
    if (const auto why = readTextObject(value, kCapitalInputs, kCapitalInput, kCapitalMembers, capital))
        return why;
    const QJsonObject object = value.toObject();
    const QJsonValue depreciation = object.value(QLatin1StringView("depreciation"));
    if (!depreciation.isUndefined()) {
        const std::optional<int> named = choiceNamed(depreciation, kDepreciationNames);
        if (!named)
            return QCoreApplication::translate(
                "FacilityFile", "The depreciation is none of \"none\", \"straightLine\" and \"decliningBalance\".");
        capital.depreciation = Depreciation(*named);
    }
    const QJsonValue timing = object.value(QLatin1StringView("timing"));
    if (!timing.isUndefined()) {
        const std::optional<int> named = choiceNamed(timing, kTimingNames);
        if (!named)
            return QCoreApplication::translate("FacilityFile",
                                               "The timing of the cash flows is neither \"yearEnd\" nor \"midYear\".");
        capital.timing = CashFlowTiming(*named);
    }
    return std::nullopt;
}

std::optional<QString> readReductionsObject(const QJsonValue &value, std::array<double, kReducedRowCount> &reductions)
{
    if (!value.isUndefined() && !value.isObject())
        return QCoreApplication::translate("FacilityFile", "The file's assumptions are not valid.");
    const QJsonObject object = value.toObject();
    for (int k = 0; k < kReducedRowCount; ++k) {
        const QJsonValue reduction = object.value(reductionKey(k));
        if (reduction.isUndefined())
            continue;
        const double percent = reduction.toDouble(-1);
        if (!reduction.isDouble() || !isReductionPercent(percent)) {
            return QCoreApplication::translate("FacilityFile",
                                               "The assumed reduction %1 is not a percentage from 0 to 100 in tenths.")
                .arg(quotedForMessage(reductionKey(k)));
        }
        reductions[std::size_t(k)] = percent;
    }
    return std::nullopt;
}

void forEachTypedText(CaseOption &option, const std::function<void(QString &)> &visit)
{
    for (const auto &member : kInvestmentMembers)
        visit(option.investment.*member.text);
    for (const auto &member : kCapitalMembers)
        visit(option.capital.*member.text);
}

std::optional<QString> unfitOption(const CaseOption &option)
{
    if (const auto why = unfitText(option.name, kMaxOptionNameLength))
        return QCoreApplication::translate("FacilityFile", "The option's name %1.").arg(*why);
    for (const auto &member : kInvestmentMembers) {
        if (const auto why = unfitText(option.investment.*member.text, kReportDetailMaxLength))
            return QCoreApplication::translate("FacilityFile", "The investment's %1 %2.")
                .arg(quotedForMessage(QCoreApplication::translate("FacilityFile", member.shownAs)), *why);
    }
    for (const auto &member : kCapitalMembers) {
        if (const auto why = unfitText(option.capital.*member.text, kReportDetailMaxLength))
            return QCoreApplication::translate("FacilityFile", "The capital input %1 %2.")
                .arg(quotedForMessage(QCoreApplication::translate("FacilityFile", member.shownAs)), *why);
    }
    if (choiceName(kDepreciationNames, option.capital.depreciation) == u"?"
        || choiceName(kTimingNames, option.capital.timing) == u"?")
        return QCoreApplication::translate("FacilityFile", "The capital inputs' choices are not valid.");
    for (const double reduction : option.reductionPercent) {
        if (!isReductionPercent(reduction))
            return QCoreApplication::translate("FacilityFile",
                                               "An assumed reduction is not a percentage from 0 to 100 in tenths.");
    }
    return std::nullopt;
}

} // namespace model
