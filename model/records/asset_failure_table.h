// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/work_orders.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace model {

// The columns of the table of the assets with the most failures, as the
// report and the workbook show it.
enum class AssetColumn { Asset, Failures, PerYear, Share, MedianRepairHours, MedianDowntime, RepeatFailures };
inline constexpr int kAssetColumnCount = 7;
QString assetColumnCaption(AssetColumn column);

// The asset's failures a year over the records' years, none where the
// records have no rate; and its share of all the failures (0.18: 18 %).
std::optional<double> assetFailuresPerYear(const AssetFailures &asset, const RecordsSummary &summary);
double assetShareOfFailures(const AssetFailures &asset, const RecordsSummary &summary);
// The share as the texts write it, to the whole per cent: "18%".
QString assetShareText(const AssetFailures &asset, const RecordsSummary &summary, const QLocale &locale);

// "yes" in the repeat column where the asset failed kRepeatFailures times or
// more.
QString repeatFailuresMark();

// A row of texts for each of the summary's worst assets, in the columns'
// order: the figures to a tenth, the share to the whole per cent, "–" where
// the export has no hours.
std::vector<QStringList> assetTableTexts(const RecordsSummary &summary, const QLocale &locale);

} // namespace model
