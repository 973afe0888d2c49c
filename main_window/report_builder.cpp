// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/report_builder.h"

#include "about_window/contact_details.h"
#include "main_window/main_layout.h"
#include "main_window/welcome_text.h"
#include "model/money_text.h"
#include "model/numeric_text.h"
#include "model/payback.h"
#include "platform/chart_control.h"
#include "report/report_page.h"

#include <QCoreApplication>
#include <QPainter>

#include <memory>

namespace main_window {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("report", text);
}

// Under the tables: how the figures come about. People who receive such a
// report ask exactly this.
QString assumptions()
{
    return tr("How these figures are computed. The current cost is what lubricating by hand costs a year: "
              "the labour to lubricate (points \u00D7 minutes per point \u00F7 60 \u00D7 labour rate \u00D7 "
              "times per month \u00D7 12), the lubricant (price per lb. \u00D7 lbs. per year), new replacement "
              "bearings (bearing price \u00D7 failures per year), the labour to replace them (failures \u00D7 hours "
              "per replacement \u00D7 labour rate) and lost production, since every bearing failure stops "
              "production for the time its replacement takes (failures \u00D7 hours per replacement \u00D7 "
              "production value per hour). The Velmor cost assumes that automatic lubrication cuts the "
              "lubrication labour by 90 %, the lubricant by 50 %, the replacement bearings by 80 %, the "
              "replacement labour by 80 % and the lost production by 80 %. The savings are the difference. "
              "All figures are yearly, in dollars.");
}

// The chart of the Graph tab, drawn again for the page: a chart of its own,
// so that the window's chart is not disturbed.
std::shared_ptr<platform::ChartControl> chartFor(const ReportRequest &request, const model::Results &results)
{
    auto chart = std::make_shared<platform::ChartControl>();
    chart->setChartType(request.chartType ? request.chartType : int(platform::ChartControl::Bar2d));
    chart->setStacking(request.stacking);
    // The chart reads its cells as the window sends them.
    for (int c = 0; c < model::kTableCount; ++c) {
        for (int r = 1; r <= 5; ++r) {
            chart->setColumn(c + 1);
            chart->setRow(r);
            chart->setData(model::plainNumberText(results.tables[std::size_t(c)].row(r), QLocale()));
        }
    }
    return chart;
}

QStringList paybackLines(const ReportRequest &request, const model::Results &results, double price)
{
    const QLocale &locale = request.locale;
    const double savings = results.table(model::Table::Savings).row(6);
    QStringList lines{tr("Installed system price: %1").arg(model::currencyText(price, locale))};
    const std::optional<model::Payback> payback = model::paybackOf(price, savings);
    if (!payback) {
        lines << tr("No payback: with these figures the system brings no yearly savings to pay for it.");
        return lines;
    }
    lines << tr("Payback period: %1 months").arg(locale.toString(payback->months, 'f', 1))
          << tr("Net savings over 3 years: %1").arg(model::currencyText(payback->netThreeYears, locale))
          << tr("Net savings over 5 years: %1").arg(model::currencyText(payback->netFiveYears, locale));
    return lines;
}

} // namespace

std::optional<double> systemPriceOf(const model::ReportDetails &details, const QLocale &locale, bool *valid)
{
    *valid = true;
    if (details.systemPrice.trimmed().isEmpty())
        return std::nullopt;
    const std::optional<double> price = model::readFigure(details.systemPrice, locale);
    if (!price || *price < 0) {
        *valid = false;
        return std::nullopt;
    }
    return price;
}

BuiltReport buildReport(const ReportRequest &request)
{
    BuiltReport built;
    built.results = model::computeResults(request.fieldTexts, request.locale);
    const model::Results &results = built.results;
    if (results.failedField) {
        const int field = *results.failedField;
        built.problem = tr("The figure \"%1\" is not a number: \"%2\".")
                            .arg(QString::fromUtf8(model::kInputs[std::size_t(field)].caption).trimmed(),
                                 request.fieldTexts[std::size_t(field)]);
        return built;
    }
    if (results.fault) {
        built.problem = tr("%1: the results cannot be computed from these figures.")
                            .arg(QString::fromUtf8(model::faultName(*results.fault)));
        return built;
    }
    bool priceValid = true;
    const std::optional<double> price = systemPriceOf(request.details, request.locale, &priceValid);
    if (!priceValid) {
        built.problem = tr("The installed system price \"%1\" is not a sum of dollars.").arg(request.details.systemPrice);
        return built;
    }

    report::ReportContent content;
    content.maker = QString::fromUtf8(kMakerName);
    content.contact = tr("%1 \u00B7 %2").arg(about_window::kMaker.phone.toString(),
                                             about_window::kMaker.web.toString());
    content.title = tr("Lubrication Cost Savings Report");
    content.customer = request.details.customer;
    content.site = request.details.site;
    content.preparedBy = request.details.preparedBy;
    content.date = request.locale.toString(request.date, QLocale::LongFormat);
    for (int i = 0; i < model::kInputCount; ++i) {
        const model::InputDefinition &input = model::kInputs[std::size_t(i)];
        content.figures[std::size_t(i)] = {QString::fromUtf8(input.caption), request.fieldTexts[std::size_t(i)],
                                           QString::fromUtf8(input.unit)};
    }
    const model::ResultTexts texts = model::resultTexts(results, request.locale);
    for (int t = 0; t < model::kTableCount; ++t) {
        report::CostTableText &table = content.tables[std::size_t(t)];
        table.title = QString::fromUtf8(kResultFrameCaptions[std::size_t(t)]);
        for (int r = 0; r < model::kRowCount; ++r) {
            table.captions[std::size_t(r)] = QString::fromUtf8(kResultRows[std::size_t(t)][std::size_t(r)].caption);
            table.figures[std::size_t(r)] = texts[std::size_t(t)][std::size_t(r)];
        }
    }
    const std::shared_ptr<platform::ChartControl> chart = chartFor(request, results);
    content.drawChart = [chart](QPainter &painter, const QRectF &target) {
        // Laid out as the same area would be on screen, in pixels.
        chart->paintChart(painter, target, target.size() * (96.0 / 72.0));
    };
    if (price)
        content.payback = paybackLines(request, results, *price);
    content.assumptions = assumptions();
    content.pageSize = report::pageSizeFor(request.locale);
    built.content = std::move(content);
    return built;
}

} // namespace main_window
