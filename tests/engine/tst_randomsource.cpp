// SPDX-License-Identifier: MIT
#include "randomsource.h"

#include <QTest>

#include <vector>

using namespace Velloquin;

class TestRandomSource : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsFromFixedState();
    void sameSeedSameSequence();
    void seedKeepsLow24Bits();
    void everyValueExactAndInRange();
    void visitsEveryStateOnce();
    void nearestRoundsHalfToEven_data();
    void nearestRoundsHalfToEven();
    void floorRoundsDown_data();
    void floorRoundsDown();
};

void TestRandomSource::startsFromFixedState()
{
    // The first values of the sequence every program start sees, worked out by hand
    // from x := (1140671485 x + 12820163) mod 2^24 with x = 327680.
    RandomSource random;
    QCOMPARE(random.state(), 327680u);
    const quint32 expected[] = {11837123u, 8949370u, 9722709u, 4858052u, 5065847u};
    for (const quint32 x : expected) {
        const float r = random.next();
        QCOMPARE(random.state(), x);
        QCOMPARE(r, float(x) / 16777216.0f);
    }
}

void TestRandomSource::sameSeedSameSequence()
{
    RandomSource a(12345);
    RandomSource b(12345);
    RandomSource c(12346);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const float ra = a.next();
        QCOMPARE(b.next(), ra);
        differs = differs || c.next() != ra;
    }
    QVERIFY(differs);
}

void TestRandomSource::seedKeepsLow24Bits()
{
    RandomSource a(0x01000000u + 7u);
    RandomSource b(7u);
    QCOMPARE(a.state(), 7u);
    QCOMPARE(a.next(), b.next());
}

void TestRandomSource::everyValueExactAndInRange()
{
    RandomSource random(1);
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        QVERIFY(r >= 0.0f);
        QVERIFY(r < 1.0f);
        // r * 2^24 gives back the state exactly: nothing was lost to rounding.
        QCOMPARE(quint32(double(r) * 16777216.0), random.state());
    }
}

void TestRandomSource::visitsEveryStateOnce()
{
    // A full-period generator returns to its start after exactly 2^24 steps and
    // meets every state on the way.
    std::vector<bool> seen(RandomSource::kModulus, false);
    RandomSource random;
    for (quint32 i = 0; i < RandomSource::kModulus; ++i) {
        random.next();
        QVERIFY(!seen[random.state()]);
        seen[random.state()] = true;
    }
    QCOMPARE(random.state(), RandomSource::kDefaultState);
}

void TestRandomSource::nearestRoundsHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("0.5 down to 0") << 0.5 << 0;
    QTest::newRow("1.5 up to 2") << 1.5 << 2;
    QTest::newRow("2.5 down to 2") << 2.5 << 2;
    QTest::newRow("3.5 up to 4") << 3.5 << 4;
    QTest::newRow("just below half") << 2.4999999 << 2;
    QTest::newRow("just above half") << 2.5000001 << 3;
    QTest::newRow("whole number") << 7.0 << 7;
    QTest::newRow("-0.5 to 0") << -0.5 << 0;
    QTest::newRow("-1.5 to -2") << -1.5 << -2;
    QTest::newRow("-2.5 to -2") << -2.5 << -2;
    QTest::newRow("-2.6 to -3") << -2.6 << -3;
}

void TestRandomSource::nearestRoundsHalfToEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(roundHalfEven(value), expected);
}

void TestRandomSource::floorRoundsDown_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("whole") << 3.0 << 3;
    QTest::newRow("fraction") << 2.999 << 2;
    QTest::newRow("negative fraction") << -0.5 << -1;
    QTest::newRow("negative whole") << -2.0 << -2;
}

void TestRandomSource::floorRoundsDown()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(floorToInt(value), expected);
}

QTEST_GUILESS_MAIN(TestRandomSource)
#include "tst_randomsource.moc"
