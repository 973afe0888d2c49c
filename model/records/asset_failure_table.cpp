// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/asset_failure_table.h"

#include "model/text/percentage_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace model {
namespace {

struct AssetTableText {
    Q_DECLARE_TR_FUNCTIONS(AssetTableText)
};

} // namespace

QString assetColumnCaption(AssetColumn column)
{
    static const char *const captions[] = {
        QT_TRANSLATE_NOOP("AssetTableText", "Asset"),
        QT_TRANSLATE_NOOP("AssetTableText", "Failures"),
        QT_TRANSLATE_NOOP("AssetTableText", "A year"),
        QT_TRANSLATE_NOOP("AssetTableText", "Share of all failures"),
        QT_TRANSLATE_NOOP("AssetTableText", "Median repair hours"),
        QT_TRANSLATE_NOOP("AssetTableText", "Median downtime hours"),
        QT_TRANSLATE_NOOP("AssetTableText", "Repeat failures"),
    };
    static_assert(std::size(captions) == std::size_t(kAssetColumnCount));
    return AssetTableText::tr(captions[std::size_t(column)]);
}

std::optional<double> assetFailuresPerYear(const AssetFailures &asset, const RecordsSummary &summary)
{
    if (!summary.rate || !(summary.rate->years > 0))
        return std::nullopt;
    return asset.failures / summary.rate->years;
}

double assetShareOfFailures(const AssetFailures &asset, const RecordsSummary &summary)
{
    return double(asset.failures) / std::max(summary.failures, 1);
}

QString assetShareText(const AssetFailures &asset, const RecordsSummary &summary, const QLocale &locale)
{
    return percentageText(std::round(100 * assetShareOfFailures(asset, summary)), locale);
}

//: In the column "Repeat failures", for an asset that failed three times or more.
QString repeatFailuresMark() { return AssetTableText::tr("yes"); }

std::vector<QStringList> assetTableTexts(const RecordsSummary &summary, const QLocale &locale)
{
    const auto tenths = [&](const std::optional<double> &value) {
        return value ? locale.toString(*value, 'f', 1) : QStringLiteral("–");
    };
    std::vector<QStringList> rows;
    for (const AssetFailures &asset : summary.worstAssets)
        rows.push_back({asset.asset, locale.toString(asset.failures), tenths(assetFailuresPerYear(asset, summary)),
                        assetShareText(asset, summary, locale), tenths(asset.medianRepairHours),
                        tenths(asset.medianDowntime),
                        asset.failures >= kRepeatFailures ? repeatFailuresMark() : QString()});
    return rows;
}

} // namespace model
