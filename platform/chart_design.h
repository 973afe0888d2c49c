// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QColor>
#include <QString>

// The savings chart's words, colours and typeface as drawn, shared by the
// parts of the chart that build its series, axes, captions and description.
namespace platform::chart_design {

// The series (one a grid row) and the categories (one a grid column), as
// source texts of the "ChartControl" translation context.
extern const char *const rowLabels[5];
extern const char *const columnLabels[3];

// A label of the tables above in the interface language.
QString label(const char *source);

// The designed title, unless another is chosen.
QString shownTitle(const QString &chosen);

// The title's blue is also the third series' colour.
inline constexpr QColor titleColour(0, 0, 202);

QColor seriesColour(int row); // row 0 to 4

QString designFace();

// Lines and stairs are drawn this wide so that each colour reads clearly.
inline constexpr int lineWidth = 3;

} // namespace platform::chart_design
