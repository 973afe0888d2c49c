// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

namespace platform {

// Makes screen readers see every ChartControl as a chart whose description
// is its figures as they are now. Safe to call any number of times.
void installChartAccessibility();

} // namespace platform
