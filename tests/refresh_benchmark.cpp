// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Cost of what one tab change asks of the model: twelve fields tested and
// converted, three tables computed, eighteen captions formatted.

#include "model/costs/input_table.h"
#include "model/costs/results.h"

#include <QTest>

#include <array>

class RefreshBenchmark : public QObject {
    Q_OBJECT

private slots:
    void wholeRefresh();
};

void RefreshBenchmark::wholeRefresh()
{
    std::array<QString, model::kInputCount> fields;
    for (int i = 0; i < model::kInputCount; ++i)
        fields[std::size_t(i)] = QString::fromLatin1(model::kInputs[std::size_t(i)].defaultText);
    const QLocale locale("en_US");
    model::Results results;
    model::ResultTexts texts;

    QBENCHMARK {
        results = model::computeResults(fields, locale);
        texts = model::resultTexts(results, locale);
    }

    // Make sure the loop timed a full refresh, not an early way out.
    QVERIFY(results.complete());
    QCOMPARE(texts[2][5], QStringLiteral("$50,020.00"));
}

QTEST_APPLESS_MAIN(RefreshBenchmark)

#include "refresh_benchmark.moc"
