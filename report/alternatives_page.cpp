// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "report/alternatives_page.h"

#include "resources/designed_colours.h"

namespace report {

void layOutAlternativesPage(PageLayout &page, const ReportContent &c)
{
    const AlternativesPage &a = *c.alternatives;
    layOutHeading(page, c, a.title, a.forWhom);
    layOutTable(page, a.options, 0.24, true);
    layOutTable(page, a.increments, 0.24, true);
    for (const QString &sentence : a.sentences) {
        page.paragraph(sentence, page.font(9), artwork::kNavy);
        page.down(4);
    }
}

} // namespace report
