// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "report/page_layout.h"
#include "report/report_content.h"

namespace report {

// The savings check's page, when the content has one: who it is for, the
// two periods' failures and rates, the measured beside the assumed
// reduction, the chart of the failures counted up and how it is computed.
void layOutSavingsCheckPage(PageLayout &page, const ReportContent &c);

} // namespace report
