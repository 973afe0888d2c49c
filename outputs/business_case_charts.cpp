// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "outputs/business_case_charts.h"

#include "model/costs/cost_rows.h"
#include "model/costs/currency_units.h"
#include "model/costs/input_table.h"
#include "model/text/list_text.h"
#include "model/text/money_scale.h"
#include "model/text/money_text.h"
#include "model/text/regional_digits.h"
#include "outputs/chart_colours.h"
#include "platform/designed_look.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QHorizontalStackedBarSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QStackedBarSeries>
#include <QTextLayout>
#include <QTimer>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <optional>

namespace outputs {
namespace {

// The context the translations of these texts are found under.
struct BusinessCaseText {
    Q_DECLARE_TR_FUNCTIONS(BusinessCaseText)
};

// The title in lines as wide as width at most, broken where the language
// allows (between words; between characters in Chinese), as the chart's
// rich text: a title wider than its chart would be cut to "…".
QString titleLines(const QString &title, const QFont &font, qreal width)
{
    QTextLayout layout(title, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << title.mid(line.textStart(), line.textLength()).trimmed().toHtmlEscaped();
    }
    layout.endLayout();
    return lines.size() > 1 ? lines.join(QStringLiteral("<br>")) : title;
}

// The chart's property that holds its title as written, on one line, and
// the room a title's rich text keeps beside it, in pixels (its document's
// margins and rounding).
constexpr qreal kTitleSlack = 12;
constexpr char kWholeTitle[] = "wholeTitle";

// Where the regional settings write a minus as the Arabic letter mark and a
// hyphen ("\u061C-\u0665"), the charts' own axis labels would show it after
// the number ("\u0665-"): each label the chart has written is put in written
// order, as every other text beside it.
void keepLabelsInWrittenOrder(QGraphicsItem &item)
{
    for (QGraphicsItem *child : item.childItems()) {
        if (auto *text = dynamic_cast<QGraphicsTextItem *>(child)) {
            const QString shown = text->toPlainText();
            if (shown.contains(u'\u061C'))
                text->setPlainText(model::keptInWrittenOrder(shown));
        }
        keepLabelsInWrittenOrder(*child);
    }
}

std::unique_ptr<QChart> plainChart(const QString &title, const QLocale &locale)
{
    auto chart = std::make_unique<QChart>();
    // Axis labels written by the regional settings, grouped: "300,000".
    chart->setLocalizeNumbers(true);
    chart->setLocale(locale);
    chart->setTitle(title);
    QFont titleFont(QStringLiteral("Liberation Sans"), 10, QFont::Bold);
    chart->setTitleFont(titleFont);
    chart->setTitleBrush(platform::kNavy);
    // Each time the chart is sized, the title takes the lines it needs.
    chart->setProperty(kWholeTitle, title);
    QChart *sized = chart.get();
    QObject::connect(sized, &QGraphicsWidget::geometryChanged, sized, [sized] {
        const QString whole = sized->property(kWholeTitle).toString();
        qreal left = 0;
        qreal top = 0;
        qreal right = 0;
        qreal bottom = 0;
        sized->layout()->getContentsMargins(&left, &top, &right, &bottom);
        const QMargins margins = sized->margins();
        const qreal room = sized->size().width() - left - right - margins.left() - margins.right() - kTitleSlack;
        const QString lines = titleLines(whole, sized->titleFont(), room);
        if (!whole.isEmpty() && lines != sized->title())
            sized->setTitle(lines);
    });
    // An axis's title too, along its side of the plot: lines that take more
    // room across the axis leave the plot's length along it as it was.
    QObject::connect(sized, &QChart::plotAreaChanged, sized, [sized](const QRectF &plot) {
        for (QAbstractAxis *axis : sized->axes()) {
            if (!axis->property(kWholeTitle).isValid())
                axis->setProperty(kWholeTitle, axis->titleText());
            const QString whole = axis->property(kWholeTitle).toString();
            const qreal along = (axis->orientation() == Qt::Vertical ? plot.height() : plot.width()) - kTitleSlack;
            const QString lines = titleLines(whole, axis->titleFont(), along);
            if (!whole.isEmpty() && lines != axis->titleText())
                axis->setTitleText(lines);
        }
    });
    // The labels are written anew as the chart is laid out, so once it is.
    if (locale.negativeSign().contains(u'\u061C'))
        QObject::connect(sized, &QChart::plotAreaChanged, sized,
                         [sized] { QTimer::singleShot(0, sized, [sized] { keepLabelsInWrittenOrder(*sized); }); });
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

// Sets the axis to lo to hi with room around the bars, labelled in whole
// dollars grouped as the chart's regional settings write them.
void setMoneyRange(QValueAxis *axis, double lo, double hi)
{
    if (!(hi > lo)) {
        lo -= 1;
        hi += 1;
    }
    axis->setRange(lo, hi);
    axis->applyNiceNumbers();
    // Whole dollars while they stay short, then in the exponent form.
    const double span = std::max(std::abs(axis->min()), std::abs(axis->max()));
    axis->setLabelFormat(span >= 1e9 ? QStringLiteral("%.2g") : QStringLiteral("%.0f"));
    // Labelled in whole dollars, the ticks stand a whole number of dollars
    // apart: over a few dollars (nothing saved) the nice ticks would be
    // halves, labelled "-1 -1 0 1 1".
    const double interval = (axis->max() - axis->min()) / (axis->tickCount() - 1);
    if (span < 1e9 && interval != std::ceil(interval)) {
        const double whole = std::ceil(interval);
        const double min = std::floor(axis->min() / whole) * whole;
        const double max = std::ceil(axis->max() / whole) * whole;
        axis->setRange(min, max);
        axis->setTickCount(int(std::lround((max - min) / whole)) + 1);
    }
}

QValueAxis *moneyAxis(double lo, double hi)
{
    auto *axis = new QValueAxis;
    setMoneyRange(axis, lo, hi);
    axis->setLabelsFont(QFont(QStringLiteral("Liberation Sans"), 7));
    return axis;
}

constexpr std::size_t kSavingsBarCount = model::kInputCount + model::kReducedRowCount;

// A figure written beside the end of a tornado's bar: at the change `at`
// of row `row` (0 at the bottom), on the side away from the bar's middle.
struct EndFigure {
    int row = 0;
    double at = 0;
    bool leftward = false;
    QGraphicsSimpleTextItem *item = nullptr;
};

// Places the figures once the plot area is laid out, and each time it
// changes: the value axis, centred on no change, is first widened so that
// the longest bar's figure fits inside the plot area (the axis at the bottom
// takes no width, so this does not change the area again). Too narrow a plot
// shows the bars without their figures.
// The names are placed left of the plot, a row each: the category axis
// would leave every other one out where the rows are closer than its labels'
// margins allow.
void placeRowTexts(QValueAxis *axis, double reach, const std::vector<QGraphicsSimpleTextItem *> &names,
                   const std::vector<EndFigure> &figures, const QRectF &plot)
{
    constexpr qreal gap = 3;
    const int rows = int(names.size());
    for (int row = 0; row < rows; ++row) {
        QGraphicsSimpleTextItem *name = names[std::size_t(row)];
        const QRectF box = name->boundingRect();
        name->setPos(plot.left() - 2 * gap - box.width(),
                     plot.bottom() - (row + 0.5) / rows * plot.height() - box.height() / 2);
    }
    const qreal half = plot.width() / 2;
    double needed = reach;
    bool fits = rows > 0;
    for (const EndFigure &figure : figures) {
        const qreal room = half - gap - figure.item->boundingRect().width();
        fits = fits && room > 0;
        // The bar's end at |at| ÷ needed × half, its figure beyond it.
        if (fits && (figure.at < 0) == figure.leftward)
            needed = std::max(needed, std::abs(figure.at) * half / room);
    }
    if (fits) {
        QValueAxis wanted;
        setMoneyRange(&wanted, -needed, needed);
        // The range alone: how many of its ticks are labelled is chosen after
        // it, for the room the labels have, and asking for the range's own
        // count again would undo that choice and lay the chart out anew.
        if (wanted.min() != axis->min() || wanted.max() != axis->max()) {
            axis->setRange(wanted.min(), wanted.max());
            axis->setTickCount(wanted.tickCount());
            axis->setLabelFormat(wanted.labelFormat());
        }
    }
    const double span = axis->max() - axis->min();
    for (const EndFigure &figure : figures) {
        QGraphicsSimpleTextItem *item = figure.item;
        item->setVisible(fits && span > 0);
        const QRectF box = item->boundingRect();
        const qreal x = plot.left() + (figure.at - axis->min()) / span * plot.width();
        const qreal y = plot.bottom() - (figure.row + 0.5) / rows * plot.height();
        item->setPos(figure.leftward ? x - gap - box.width() : x + gap, y - box.height() / 2);
    }
}

// The tornado of bars moving a measure from base: the change of each bar's
// low and high value, with those values written at the bars' ends.
template <typename Name>
std::unique_ptr<QChart> tornadoOf(const std::vector<model::SensitivityBar> &bars, double base, double stepPercent,
                                  const QString &title, Name name, const QLocale &locale, QStringView symbol)
{
    const QString step = model::percentText(stepPercent, locale);
    double reach = 0;
    for (const model::SensitivityBar &bar : bars)
        reach = std::max({reach, std::abs(bar.low - base), std::abs(bar.high - base)});
    const model::MoneyScale scale = model::moneyScale(reach, symbol);
    auto chart = plainChart(model::withCurrencySymbol(title, scale.unit).arg(step), locale);
    auto *lowered = new QBarSet(BusinessCaseText::tr("Lowered by %1%").arg(step));
    auto *raised = new QBarSet(BusinessCaseText::tr("Raised by %1%").arg(step));
    lowered->setColor(kLowered);
    raised->setColor(kRaised);
    QStringList names;
    std::vector<QGraphicsSimpleTextItem *> nameItems;
    std::vector<EndFigure> figures;
    // The savings' seventeen bars in the axes' type; the NPV's more in a
    // smaller one, to stay apart.
    const QFont nameFont(QStringLiteral("Liberation Sans"), bars.size() > kSavingsBarCount ? 6 : 7);
    const QFont figureFont(QStringLiteral("Liberation Sans"), 6);
    const auto addFigure = [&](int row, double at, bool leftward, double value) {
        auto *item = new QGraphicsSimpleTextItem(model::keptInWrittenOrder(model::chartMoneyText(value, scale, locale)),
                                                 chart.get());
        item->setFont(figureFont);
        item->setBrush(QColor(64, 64, 64));
        item->setZValue(100); // above the bars
        item->setVisible(false);
        figures.push_back({row, at / scale.divisor, leftward, item});
    };
    // Horizontal bars run from the bottom up: the largest effect goes last.
    int row = 0;
    for (auto bar = bars.rbegin(); bar != bars.rend(); ++bar, ++row) {
        const double down = bar->low - base;
        const double up = bar->high - base;
        *lowered << down / scale.divisor;
        *raised << up / scale.divisor;
        names << name(*bar);
        nameItems.push_back(new QGraphicsSimpleTextItem(names.back(), chart.get()));
        nameItems.back()->setFont(nameFont);
        // One figure where the move changes nothing; otherwise each beyond
        // its end, the lower change's to the left.
        if (bar->low == bar->high) {
            addFigure(row, 0, false, bar->low);
        } else {
            addFigure(row, down, down < up, bar->low);
            addFigure(row, up, up < down, bar->high);
        }
    }
    auto *series = new QHorizontalStackedBarSeries;
    series->append(lowered);
    series->append(raised);
    series->setBarWidth(0.7);
    chart->addSeries(series);
    auto *nameAxis = new QBarCategoryAxis;
    nameAxis->append(names);
    nameAxis->setLabelsVisible(false);
    qreal nameWidth = 0;
    for (const QGraphicsSimpleTextItem *item : nameItems)
        nameWidth = std::max(nameWidth, item->boundingRect().width());
    // The names take their room through the left margin, which would narrow
    // the chart's own title too and cut it short: the title is drawn over the
    // chart's whole width instead, in the room a title takes.
    auto *titleItem = new QGraphicsSimpleTextItem(chart->title(), chart.get());
    titleItem->setFont(chart->titleFont());
    titleItem->setBrush(chart->titleBrush());
    chart->setTitle(QString());
    chart->setProperty(kWholeTitle, QString());
    const QRectF titleBox = titleItem->boundingRect();
    chart->setMargins(chart->margins()
                      + QMargins(int(std::ceil(nameWidth)) + 6, int(std::ceil(titleBox.height())) + 12, 0, 0));
    chart->addAxis(nameAxis, Qt::AlignLeft);
    series->attachAxis(nameAxis);
    for (QGraphicsSimpleTextItem *item : nameItems)
        item->setBrush(nameAxis->labelsBrush()); // the theme's, as the axes' labels
    reach /= scale.divisor;
    QValueAxis *valueAxis = moneyAxis(-reach, reach);
    chart->addAxis(valueAxis, Qt::AlignBottom);
    series->attachAxis(valueAxis);
    // The legend too takes the chart's whole width, under the room kept for
    // it: within the margins the names take it would be cut to "Lowered b…".
    QLegend *legend = chart->legend();
    legend->detachFromChart();
    const qreal legendHeight = std::ceil(QFontMetricsF(legend->font()).height() + 12);
    chart->setMargins(chart->margins() + QMargins(0, 0, 0, int(legendHeight)));
    QChart *placed = chart.get();
    // Placing can change the axis, which lays the chart out again at once:
    // that layout's plot area is placed for once the placing under way ends.
    const auto place = [valueAxis, reach, nameItems = std::move(nameItems), figures = std::move(figures), placed,
                        titleItem, legend, legendHeight](const QRectF &plot) {
        placeRowTexts(valueAxis, reach, nameItems, figures, plot);
        // Five labels where they fit side by side with a fifth to spare, else
        // the ends and the middle: a narrow page would cut each to "-20,…".
        // The spare room keeps the choice the same where a system's hinted
        // glyphs are a few pixels narrower, so a report reads alike on each.
        const QFontMetricsF labelMetrics(valueAxis->labelsFont());
        const qreal labelWidth =
            labelMetrics.horizontalAdvance(u'-' + placed->locale().toString(valueAxis->max(), 'f', 0)) + 12;
        const int ticks = labelWidth * 5 <= plot.width() * 0.8 ? 5 : 3;
        const double step = (valueAxis->max() - valueAxis->min()) / (ticks - 1);
        if (valueAxis->tickCount() != ticks && step == std::floor(step)) // whole dollars apart, as labelled
            valueAxis->setTickCount(ticks);
        const qreal width = titleItem->boundingRect().width();
        titleItem->setPos(std::max(0.0, (placed->size().width() - width) / 2),
                          plot.top() - titleItem->boundingRect().height() - 6);
        // Centred, as an attached legend would be, as far as the chart is wide.
        const qreal chartWidth = placed->size().width();
        const QFontMetricsF metrics(legend->font());
        qreal needed = 0;
        for (const QLegendMarker *marker : legend->markers()) // its box, its text and the space between
            needed += metrics.height() + metrics.horizontalAdvance(marker->label()) + 16;
        const qreal legendWidth = std::min(chartWidth, needed * 1.25 + 24); // and the legend's own margins
        legend->setGeometry(QRectF((chartWidth - legendWidth) / 2, placed->size().height() - legendHeight - 2,
                                   legendWidth, legendHeight));
        legend->update();
    };
    struct Placing {
        bool busy = false;
        std::optional<QRectF> newer; // a plot area laid out while placing
    };
    auto placing = std::make_shared<Placing>();
    QObject::connect(chart.get(), &QChart::plotAreaChanged, valueAxis, [place, placing](const QRectF &plot) {
        if (placing->busy)
            return void(placing->newer = plot);
        placing->busy = true;
        QRectF at = plot;
        // A few passes settle it; texts that kept moving the plot would
        // otherwise lay it out for ever.
        for (int pass = 0; pass < 4; ++pass) {
            placing->newer.reset();
            place(at);
            if (!placing->newer)
                break;
            at = *placing->newer;
        }
        placing->busy = false;
    });
    return chart;
}

// The legend beside the plot, at its right, as wide as its longest name:
// attached, it gets a share of the chart's width that cuts a long name
// short ("Lost production reduction (8…").
void placeLegendBeside(QChart &chart)
{
    QLegend *legend = chart.legend();
    legend->setAlignment(Qt::AlignRight); // a name a row
    legend->detachFromChart();
    const QFontMetricsF metrics(legend->font());
    qreal widest = 0;
    qreal tallest = metrics.height();
    int names = 0;
    for (const QLegendMarker *marker : legend->markers()) {
        widest = std::max(widest, metrics.horizontalAdvance(marker->label()));
        // Chinese names are drawn in a fallback font, taller than the legend's.
        tallest = std::max(tallest, metrics.boundingRect(marker->label()).height());
        ++names;
    }
    // The marker's box, the gaps and the legend's own margins beside the name.
    const int width = int(std::ceil(widest * 1.1 + metrics.height() + 32));
    const qreal height = names * (tallest + 12) + 16;
    chart.setMargins(chart.margins() + QMargins(0, 0, width, 0));
    QChart *placed = &chart;
    QObject::connect(placed, &QGraphicsWidget::geometryChanged, legend, [placed, legend, width, height] {
        const QSizeF size = placed->size();
        const qreal shown = std::min(height, size.height() - 8);
        legend->setGeometry(QRectF(size.width() - width - 4, (size.height() - shown) / 2, width, shown));
        legend->update();
    });
}

QString investmentInputName(model::InvestmentInput input, const model::BusinessCaseStudy &study, const QLocale &locale)
{
    const model::CapitalInputs &capital = study.capital;
    const auto rate = [&](const char *caption, double percent) {
        return BusinessCaseText::tr(caption).arg(model::percentText(percent, locale));
    };
    switch (input) {
    case model::InvestmentInput::None:
        break;
    case model::InvestmentInput::SystemPrice:
        return BusinessCaseText::tr("System price");
    case model::InvestmentInput::InstallationCost:
        return BusinessCaseText::tr("Installation cost");
    case model::InvestmentInput::YearlyUpkeep:
        return BusinessCaseText::tr("Annual upkeep");
    case model::InvestmentInput::DiscountRate:
        return rate(QT_TRANSLATE_NOOP("BusinessCaseText", "Discount rate (%1%)"), study.investment.discountRatePercent);
    case model::InvestmentInput::LabourEscalation:
        return rate(QT_TRANSLATE_NOOP("BusinessCaseText", "Labor rates' escalation (%1%)"),
                    capital.labourEscalationPercent);
    case model::InvestmentInput::LubricantEscalation:
        return rate(QT_TRANSLATE_NOOP("BusinessCaseText", "Lubricant price's escalation (%1%)"),
                    capital.lubricantEscalationPercent);
    case model::InvestmentInput::BearingEscalation:
        return rate(QT_TRANSLATE_NOOP("BusinessCaseText", "Bearing price's escalation (%1%)"),
                    capital.bearingEscalationPercent);
    case model::InvestmentInput::ProductionValueEscalation:
        return rate(QT_TRANSLATE_NOOP("BusinessCaseText", "Production value's escalation (%1%)"),
                    capital.productionValueEscalationPercent);
    case model::InvestmentInput::UpkeepEscalation:
        return rate(QT_TRANSLATE_NOOP("BusinessCaseText", "Upkeep's escalation (%1%)"),
                    capital.upkeepEscalationPercent);
    case model::InvestmentInput::TaxRate:
        return rate(QT_TRANSLATE_NOOP("BusinessCaseText", "Income tax rate (%1%)"), capital.taxRatePercent);
    }
    return QString();
}

// The name of a bar of the study's, whichever measure it moves.
QString barName(const model::SensitivityBar &bar, const model::BusinessCaseStudy &study, const QLocale &locale)
{
    if (bar.input != model::InvestmentInput::None)
        return investmentInputName(bar.input, study, locale);
    return sensitivityName(bar, study.cases[std::size_t(model::Scenario::Assumed)].assumptions, locale);
}

} // namespace

std::unique_ptr<QChart> cashFlowChart(const model::BusinessCase &measures, const QLocale &locale, QStringView symbol,
                                      CashFlowBasis basis)
{
    const bool discounted = basis == CashFlowBasis::Discounted;
    std::vector<double> values;
    for (const model::CashFlowYear &year : measures.cashFlow.years) {
        const double cumulative = discounted ? year.cumulativeDiscounted : year.cumulative;
        values.push_back(std::isfinite(cumulative) ? cumulative : 0);
    }
    double reach = 0;
    for (const double value : values)
        reach = std::max(reach, std::abs(value));
    const model::MoneyScale scale = model::moneyScale(reach, symbol);
    auto chart = plainChart(
        model::withCurrencySymbol(discounted ? BusinessCaseText::tr("Cumulative discounted cash flow ($)")
                                             : BusinessCaseText::tr("Cumulative cash flow, undiscounted ($)"),
                                  scale.unit),
        locale);
    // Two sets so that the years still in debt and those in profit differ
    // in colour; each year has its value in one of them.
    auto *debt = new QBarSet(BusinessCaseText::tr("Not yet paid back"));
    auto *profit = new QBarSet(BusinessCaseText::tr("Paid back"));
    debt->setColor(kLoss);
    profit->setColor(kGain);
    double lo = 0;
    double hi = 0;
    for (double value : values) {
        value /= scale.divisor;
        *debt << (value < 0 ? value : 0);
        *profit << (value >= 0 ? value : 0);
        lo = std::min(lo, value);
        hi = std::max(hi, value);
    }
    auto *series = new QStackedBarSeries;
    series->append(debt);
    series->append(profit);
    series->setBarWidth(0.6);
    chart->addSeries(series);
    // Years on a value axis, bar t at t, labelled every few years: a label
    // for each of thirty years would be cut to "…" on the page.
    const int count = int(measures.cashFlow.years.size());
    auto *yearAxis = new QValueAxis;
    yearAxis->setRange(-0.5, std::max(0, count - 1) + 0.5);
    yearAxis->setTickType(QValueAxis::TicksDynamic);
    yearAxis->setTickAnchor(0);
    yearAxis->setTickInterval(count <= 11 ? 1 : count <= 21 ? 2 : count <= 31 ? 5 : 10);
    yearAxis->setLabelFormat(QStringLiteral("%.0f"));
    yearAxis->setGridLineVisible(false);
    yearAxis->setTitleText(BusinessCaseText::tr("Year"));
    yearAxis->setTitleFont(QFont(QStringLiteral("Liberation Sans"), 7));
    yearAxis->setLabelsFont(QFont(QStringLiteral("Liberation Sans"), 7));
    chart->addAxis(yearAxis, Qt::AlignBottom);
    series->attachAxis(yearAxis);
    QValueAxis *valueAxis = moneyAxis(lo, hi);
    chart->addAxis(valueAxis, Qt::AlignLeft);
    series->attachAxis(valueAxis);
    return chart;
}

QString sensitivityName(const model::SensitivityBar &bar, const model::Assumptions &assumptions, const QLocale &locale)
{
    // Short enough for the chart's axis; the field captions alone would not
    // say which "Lubrication" or "Bearing Replacement" is meant.
    static const char *const figures[model::kInputCount] = {
        QT_TRANSLATE_NOOP("BusinessCaseText", "Bearings in facility"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Bearing failures"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Lubrication points"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Lubrication frequency"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Lubricant quantity"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Hourly production rate"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Cost of lubricant"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Cost of a bearing"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Lubrication labor rate"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Replacement labor rate"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Time to lubricate a point"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Time to replace a bearing"),
    };
    static const char *const rows[model::kReducedRowCount] = {
        QT_TRANSLATE_NOOP("BusinessCaseText", "Lubrication labor reduction (%1%)"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Lubricant reduction (%1%)"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Bearings reduction (%1%)"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Replacement labor reduction (%1%)"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Lost production reduction (%1%)"),
    };
    if (!bar.isReduction)
        return BusinessCaseText::tr(figures[bar.index]);
    return BusinessCaseText::tr(rows[bar.index - 1])
        .arg(model::percentText(assumptions.reductionPercent[std::size_t(bar.index - 1)], locale));
}

std::unique_ptr<QChart> tornadoChart(const std::vector<model::SensitivityBar> &bars, double baseSavings,
                                     double stepPercent, const model::Assumptions &assumptions, const QLocale &locale,
                                     QStringView symbol)
{
    return tornadoOf(
        bars, baseSavings, stepPercent, BusinessCaseText::tr("Change of the annual savings ($) at \u00B1%1%"),
        [&](const model::SensitivityBar &bar) { return sensitivityName(bar, assumptions, locale); }, locale, symbol);
}

std::unique_ptr<QChart> tornadoChart(const model::BusinessCaseStudy &study, SensitivityMeasure measure,
                                     const QLocale &locale, QStringView symbol)
{
    if (measure == SensitivityMeasure::AnnualSavings)
        return tornadoChart(study.sensitivity, study.annualSavings, study.stepPercent,
                            study.cases[std::size_t(model::Scenario::Assumed)].assumptions, locale, symbol);
    return tornadoOf(
        study.npvSensitivity, study.measures.npv, study.stepPercent,
        BusinessCaseText::tr("Change of the net present value ($) at \u00B1%1%"),
        [&](const model::SensitivityBar &bar) { return barName(bar, study, locale); }, locale, symbol);
}

std::unique_ptr<QChart> spiderChart(const model::BusinessCaseStudy &study, const QLocale &locale, QStringView symbol)
{
    double lo = study.measures.npv;
    double hi = study.measures.npv;
    for (const model::SpiderLine &line : study.npvSpider) {
        lo = std::min(lo, *std::min_element(line.npv.begin(), line.npv.end()));
        hi = std::max(hi, *std::max_element(line.npv.begin(), line.npv.end()));
    }
    const model::MoneyScale scale = model::moneyScale(std::max(std::abs(lo), std::abs(hi)), symbol);
    auto chart =
        plainChart(model::withCurrencySymbol(
                       BusinessCaseText::tr("Net present value ($) as the five strongest inputs move"), scale.unit),
                   locale);
    auto *changeAxis = new QValueAxis;
    changeAxis->setRange(model::kSpiderStepsPercent.front(), model::kSpiderStepsPercent.back());
    changeAxis->setTickCount(int(model::kSpiderStepsPercent.size()));
    changeAxis->setLabelFormat(QStringLiteral("%.0f"));
    changeAxis->setLabelsFont(QFont(QStringLiteral("Liberation Sans"), 7));
    changeAxis->setTitleText(BusinessCaseText::tr("Change of the input (%)"));
    changeAxis->setTitleFont(QFont(QStringLiteral("Liberation Sans"), 7));
    chart->addAxis(changeAxis, Qt::AlignBottom);
    QValueAxis *npvAxis = moneyAxis(lo / scale.divisor, hi / scale.divisor);
    chart->addAxis(npvAxis, Qt::AlignLeft);
    // Inputs that move the NPV alike (the failures, the hours and the
    // production value all scale the lost production) share one line and one
    // legend entry: drawn apart, the later would hide the earlier.
    std::vector<std::pair<const model::SpiderLine *, QStringList>> shown;
    for (const model::SpiderLine &line : study.npvSpider) {
        const auto alike = std::find_if(shown.begin(), shown.end(), [&](const auto &other) {
            return std::equal(line.npv.begin(), line.npv.end(), other.first->npv.begin(),
                              [](double a, double b) { return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(a)); });
        });
        if (alike != shown.end())
            alike->second << barName(line.bar, study, locale);
        else
            shown.push_back({&line, {barName(line.bar, study, locale)}});
    }
    for (const auto &[spider, names] : shown) {
        const model::SpiderLine &line = *spider;
        auto *series = new QLineSeries;
        series->setName(model::listText(names));
        series->setPointsVisible(true);
        for (std::size_t p = 0; p < line.npv.size(); ++p)
            series->append(model::kSpiderStepsPercent[p], line.npv[p] / scale.divisor);
        chart->addSeries(series);
        series->attachAxis(changeAxis);
        series->attachAxis(npvAxis);
    }
    placeLegendBeside(*chart);
    return chart;
}

std::unique_ptr<QChart> styledChart(const QString &title, const QLocale &locale) { return plainChart(title, locale); }

QValueAxis *moneyValueAxis(double lo, double hi) { return moneyAxis(lo, hi); }

void paintChart(QChart &chart, QPainter &painter, const QRectF &target, const QSizeF &layoutSize)
{
    QGraphicsScene scene;
    scene.addItem(&chart);
    chart.resize(layoutSize);
    // Twice: laying it out the first time can break a title into lines,
    // which asks for the layout again.
    chart.layout()->activate();
    chart.layout()->activate();
    keepLabelsInWrittenOrder(chart);
    scene.render(&painter, target, QRectF(chart.pos(), layoutSize), Qt::IgnoreAspectRatio);
    scene.removeItem(&chart);
}

} // namespace outputs
