// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "report/page_layout.h"
#include "report/report_content.h"

namespace report {

// The alternatives' page, when the content has one: who it is for, the
// options side by side and the sentences saying what they come to.
void layOutAlternativesPage(PageLayout &page, const ReportContent &c);

} // namespace report
