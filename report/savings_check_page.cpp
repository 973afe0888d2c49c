// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "report/savings_check_page.h"

#include "model/text/message_text.h"
#include "resources/designed_colours.h"

#include <QPainter>

namespace report {
namespace {

constexpr qreal kEventsChartHeight = 360;

} // namespace

void layOutSavingsCheckPage(PageLayout &page, const ReportContent &c)
{
    const SavingsCheckPage &s = *c.savingsCheck;
    const qreal x = page.left();
    const qreal w = page.width();
    layOutHeading(page, c, s.title, s.forWhom);
    layOutTable(page, s.periods, 0.16);
    page.paragraph(s.comparison, page.font(10, true), artwork::kNavy);
    page.down(kGap);
    if (page.drawing() && s.drawEvents)
        s.drawEvents(page.painter(), QRectF(x, page.y(), w, kEventsChartHeight));
    page.down(kEventsChartHeight + kGap);
    page.paragraph(s.note, page.font(7.5), QColor(64, 64, 64));
}

} // namespace report
