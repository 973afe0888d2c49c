// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/costs/savings_kinds.h"

#include "model/costs/cost_formulas.h"
#include "model/costs/model_text.h"
#include "model/text/list_text.h"

#include <QCoreApplication>
#include <QStringList>

namespace model {
namespace {

struct SavingsKindsText {
    Q_DECLARE_TR_FUNCTIONS(SavingsKindsText)
};

constexpr int kLabourRow = 1;

bool valuedAtMargin(const LostProductionRule &rule) { return rule.soldOut || rule.marginPercent.has_value(); }

// The rows named as the reductions sentence names them, joined as a list.
QString rowList(const SavingsKinds &kinds, bool hard)
{
    QStringList rows;
    for (int k = 1; k <= kReducedRowCount; ++k) {
        if (kinds.isHard(k) == hard)
            rows << costRowText(kCostRows[std::size_t(k - 1)].reducedCost);
    }
    if (rows.size() < 2)
        return rows.join(QString());
    const QString last = rows.takeLast();
    return SavingsKindsText::tr("%1 and %2").arg(listText(rows), last);
}

} // namespace

SavingsKinds defaultSavingsKinds(const LostProductionRule &lostProduction)
{
    SavingsKinds kinds;
    kinds.hard = {false, true, true, true, valuedAtMargin(lostProduction)};
    return kinds;
}

CostTable hardSavingsOf(const CostTable &savings, const SavingsKinds &kinds)
{
    CostTable hard;
    for (int k = 1; k <= kReducedRowCount; ++k)
        hard.row(k) = kinds.isHard(k) ? savings.row(k) : 0;
    hard.row(kRowCount) = totalRow(hard);
    return hard;
}

QString savingsKindsSentence(const SavingsKinds &kinds, const LostProductionRule &lostProduction)
{
    QStringList sentences;
    if (const QString hard = rowList(kinds, true); !hard.isEmpty())
        sentences << SavingsKindsText::tr("Hard savings, cash the plant no longer pays: %1.").arg(hard);
    if (const QString soft = rowList(kinds, false); !soft.isEmpty())
        sentences
            << SavingsKindsText::tr("Soft savings, not cash until they replace costs the plant pays: %1.").arg(soft);
    const QString freed = kinds.freedHoursTo.trimmed();
    if (kinds.isHard(kLabourRow))
        sentences << (freed.isEmpty()
                          ? SavingsKindsText::tr("The freed lubrication hours are counted as cash.")
                          : SavingsKindsText::tr("The freed lubrication hours go to %1, counted as cash.").arg(freed));
    else
        sentences
            << (freed.isEmpty()
                    ? SavingsKindsText::tr("Nothing says what the freed lubrication hours will do.")
                    : SavingsKindsText::tr("The freed lubrication hours go to %1, not counted as cash.").arg(freed));
    const int lost = kLostProductionRow;
    if (kinds.isHard(lost) && valuedAtMargin(lostProduction))
        sentences << SavingsKindsText::tr("The lost production is cash at its contribution margin.");
    else if (kinds.isHard(lost))
        sentences << SavingsKindsText::tr("The lost production is counted as cash at the full production value.");
    else if (!valuedAtMargin(lostProduction))
        sentences << SavingsKindsText::tr("The lost production is valued at revenue, not at its margin.");
    return sentencesText(sentences);
}

} // namespace model
