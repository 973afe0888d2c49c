// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QWidget>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace platform {

// The savings chart: a 5 x 3 grid of numbers (rows are the series, columns the
// categories) drawn with Qt Charts in one of six graph types. The window
// talks to it through the six members below and nothing else.
class ChartControl : public QWidget {
    Q_OBJECT
public:
    enum Type { Bar2d = 1, Line2d = 3, Area2d = 5, Step2d = 7, Pie2d = 14 };

    explicit ChartControl(QWidget *parent = nullptr);
    ~ChartControl() override;

    void setChartType(int type);
    void setColumn(int column);        // 1 to 3
    void setRow(int row);              // 1 to 5
    void setData(const QString &text); // the current cell, read with the user's locale
    void setStacking(bool stacking);
    void refresh();

    // Read back, for tests and accessibility.
    int chartType() const;
    bool stacking() const;
    double value(int row, int column) const;
    QChart *chart() const;
};

} // namespace platform
