// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

// Records of a plant whose system went in on 2024-03-01, a year of records
// either side: the failures before and after spread evenly over each year,
// on two assets, and the savings check they come to.

#include "model/records/records_evidence.h"

inline model::RecordsEvidence checkedRecords(int before, int after)
{
    model::RecordsEvidence evidence;
    evidence.fileName = QStringLiteral("orders.csv");
    evidence.sha256 = QString(64, u'0');
    model::RecordsSummary &summary = evidence.summary;
    const QDate installed(2024, 3, 1);
    summary.first = installed.addYears(-1);
    summary.last = installed.addYears(1);
    for (int i = 0; i < before; ++i)
        summary.eventDates.push_back(summary.first.addDays(1 + i * 360 / before));
    for (int i = 0; i < after; ++i)
        summary.eventDates.push_back(installed.addDays(i * 360 / after));
    summary.failures = before + after;
    summary.workOrders = summary.failures + 2;
    summary.rate = model::failureRateOf(summary.failures, summary.first.daysTo(summary.last) / 365.25);
    summary.worstAssets = {{QStringLiteral("Pump P-1"), (summary.failures + 1) / 2, 4.5, 6.0},
                           {QStringLiteral("Fan F-1"), summary.failures / 2, std::nullopt, std::nullopt}};
    summary.check = model::savingsCheckOf(summary.eventDates, summary.first, summary.last, installed);
    return evidence;
}
