// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// What an installed system pays back: months until the savings have paid
// its price, and what is left after three and five years.

#include "model/finance/payback.h"

#include <QTest>

#include <limits>

class PaybackTest : public QObject {
    Q_OBJECT
private slots:
    void payback_data();
    void payback();
};

void PaybackTest::payback_data()
{
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("savings");
    QTest::addColumn<bool>("paysBack");
    QTest::addColumn<double>("months");
    QTest::addColumn<double>("netThree");
    QTest::addColumn<double>("netFive");
    QTest::newRow("default figures, $20,000 system")
        << 20000.0 << 50020.0 << true << 4.798080767692923 << 130060.0 << 230100.0;
    QTest::newRow("a year's savings pays in 12 months") << 1200.0 << 1200.0 << true << 12.0 << 2400.0 << 4800.0;
    QTest::newRow("free system pays at once") << 0.0 << 100.0 << true << 0.0 << 300.0 << 500.0;
    QTest::newRow("dearer than five years of savings") << 10000.0 << 1000.0 << true << 120.0 << -7000.0 << -5000.0;
    QTest::newRow("no savings: no payback") << 20000.0 << 0.0 << false << 0.0 << 0.0 << 0.0;
    QTest::newRow("negative savings: no payback") << 20000.0 << -5.0 << false << 0.0 << 0.0 << 0.0;
    QTest::newRow("savings too small to divide by") << 1e300 << 1e-300 << false << 0.0 << 0.0 << 0.0;
    QTest::newRow("infinite price") << std::numeric_limits<double>::infinity() << 100.0 << false << 0.0 << 0.0 << 0.0;
}

void PaybackTest::payback()
{
    QFETCH(double, price);
    QFETCH(double, savings);
    QFETCH(bool, paysBack);
    QFETCH(double, months);
    QFETCH(double, netThree);
    QFETCH(double, netFive);
    const std::optional<model::Payback> payback = model::paybackOf(price, savings, 0);
    QCOMPARE(payback.has_value(), paysBack);
    if (!payback)
        return;
    QCOMPARE(payback->months, months);
    QCOMPARE(payback->netThreeYears, netThree);
    QCOMPARE(payback->netFiveYears, netFive);
}

QTEST_APPLESS_MAIN(PaybackTest)
#include "payback_test.moc"
