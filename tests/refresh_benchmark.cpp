// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Cost of one whole refresh: twelve fields tested and converted, three tables
// computed, eighteen captions formatted, the chart handed its figures.

#include "model/input_table.h"
#include "model/result_refresh.h"

#include <QTest>

#include <array>

namespace {

// Keeps only what a window would keep, so the loop measures the refresh.
class QuietWindow : public model::ResultView {
public:
    QuietWindow()
    {
        for (int i = 0; i < model::kInputCount; ++i)
            fields[std::size_t(i)] = QString::fromLatin1(model::kInputs[std::size_t(i)].defaultText);
    }

    QString fieldText(int field) const override { return fields[std::size_t(field)]; }
    void setResultCaption(int label, const QString &caption) override
    {
        captions[std::size_t(label)] = caption;
    }
    void selectTab(int tab) override { currentTab = tab; }
    void fillChart(const model::CostTable &current, const model::CostTable &,
                   const model::CostTable &) override
    {
        chartTotal = current.row(6);
    }

    std::array<QString, model::kInputCount> fields;
    std::array<QString, 36> captions;
    int currentTab = 0;
    double chartTotal = 0;
};

} // namespace

class RefreshBenchmark : public QObject {
    Q_OBJECT

private slots:
    void wholeRefresh();
};

void RefreshBenchmark::wholeRefresh()
{
    QuietWindow window;
    model::ResultRefresh refresh(QLocale("en_US"));
    model::ResultRefresh::Outcome outcome{};

    QBENCHMARK {
        outcome = refresh.run(window);
    }

    // Make sure the loop timed a full refresh, not an early way out.
    QCOMPARE(outcome, model::ResultRefresh::Outcome::Refreshed);
    QCOMPARE(window.captions[std::size_t(model::savingsLabel(6))], QStringLiteral("$50,020.00"));
    QCOMPARE(window.chartTotal, 62600.0);
}

QTEST_APPLESS_MAIN(RefreshBenchmark)

#include "refresh_benchmark.moc"
