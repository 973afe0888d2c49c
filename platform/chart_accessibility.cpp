// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/chart_accessibility.h"

#include "platform/chart_control.h"
#include "platform/chart_design.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace platform {

using namespace chart_design;

namespace {

// The categories as a screen reader speaks them.
const char *const spokenColumnLabels[] = {QT_TRANSLATE_NOOP("ChartControl", "current cost"),
                                          QT_TRANSLATE_NOOP("ChartControl", "Velmor cost"),
                                          QT_TRANSLATE_NOOP("ChartControl", "savings")};

// A dollar figure for a screen reader: grouped, with cents only where there
// are any.
QString spokenFigure(double value, const QLocale &locale)
{
    QString text = locale.toString(value, 'f', 2);
    const QString noCents = locale.decimalPoint() + QStringLiteral("00");
    if (text.endsWith(noCents))
        text.chop(noCents.size());
    return text;
}

// Qt describes a plain widget as a client area; this one is a chart, and its
// description is its figures as they are now.
class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ChartControl *chart) : QAccessibleWidget(chart, QAccessible::Chart) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return static_cast<const ChartControl *>(widget())->figuresDescription();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *chartAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(ChartControl::staticMetaObject.className()) && object->isWidgetType())
        return new ChartAccessible(static_cast<ChartControl *>(object));
    return nullptr;
}

} // namespace

void installChartAccessibility()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(chartAccessible);
        return true;
    }();
}

QString ChartControl::figuresDescription() const
{
    const QLocale locale;
    QStringList rows;
    for (int row = 0; row < Rows; ++row) {
        QStringList cells;
        for (int column = 0; column < Columns; ++column)
            cells << QStringLiteral("%1 %2").arg(label(spokenColumnLabels[column]),
                                                 spokenFigure(m_values[row][column], locale));
        rows << QCoreApplication::translate("ChartControl", "%1: %2")
                    .arg(label(rowLabels[row]), cells.join(QStringLiteral(", ")));
    }
    return rows.join(QStringLiteral("; "));
}

} // namespace platform
