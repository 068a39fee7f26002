// SPDX-License-Identifier: MIT
#include "numberreading.h"

#include <QTest>

using namespace Velloquin;

class TestNumberReading : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void strict_data();
    void strict();
    void lenient_data();
    void lenient();
    void lenientClampsToRange();
};

void TestNumberReading::strict_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("min");
    QTest::addColumn<qint64>("max");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("value");

    QTest::newRow("plain") << "16" << qint64(-32768) << qint64(32767) << true << qint64(16);
    QTest::newRow("negative") << "-3" << qint64(-32768) << qint64(32767) << true << qint64(-3);
    QTest::newRow("plus sign") << "+7" << qint64(-32768) << qint64(32767) << true << qint64(7);
    QTest::newRow("blanks around") << " \t12 " << qint64(0) << qint64(99) << true << qint64(12);
    QTest::newRow("half to even down") << "2.5" << qint64(0) << qint64(99) << true << qint64(2);
    QTest::newRow("half to even up") << "3.5" << qint64(0) << qint64(99) << true << qint64(4);
    QTest::newRow("negative half") << "-2.5" << qint64(-9) << qint64(9) << true << qint64(-2);
    QTest::newRow("negative half up") << "-3.5" << qint64(-9) << qint64(9) << true << qint64(-4);
    QTest::newRow("above half") << "2.500001" << qint64(0) << qint64(9) << true << qint64(3);
    QTest::newRow("below half") << "2.4999" << qint64(0) << qint64(9) << true << qint64(2);
    QTest::newRow("leading point") << ".6" << qint64(0) << qint64(9) << true << qint64(1);
    QTest::newRow("trailing point") << "5." << qint64(0) << qint64(9) << true << qint64(5);
    QTest::newRow("max") << "32767" << qint64(-32768) << qint64(32767) << true << qint64(32767);
    QTest::newRow("past max") << "32768" << qint64(-32768) << qint64(32767) << false << qint64(0);
    QTest::newRow("rounds past max")
        << "32767.5" << qint64(-32768) << qint64(32767) << false << qint64(0);
    QTest::newRow("below min") << "0" << qint64(1) << qint64(255) << false << qint64(0);
    QTest::newRow("huge") << "99999999999999999999999" << qint64(0) << qint64(9) << false
                          << qint64(0);
    QTest::newRow("trailing junk") << "12abc" << qint64(0) << qint64(99) << false << qint64(0);
    QTest::newRow("empty") << "" << qint64(0) << qint64(99) << false << qint64(0);
    QTest::newRow("sign only") << "-" << qint64(0) << qint64(99) << false << qint64(0);
    QTest::newRow("point only") << "." << qint64(0) << qint64(99) << false << qint64(0);
    QTest::newRow("inner blank") << "1 2" << qint64(0) << qint64(99) << false << qint64(0);
    QTest::newRow("exponent") << "1e2" << qint64(0) << qint64(999) << false << qint64(0);
    QTest::newRow("two points") << "1.2.3" << qint64(0) << qint64(99) << false << qint64(0);
}

void TestNumberReading::strict()
{
    QFETCH(QString, text);
    QFETCH(qint64, min);
    QFETCH(qint64, max);
    QFETCH(bool, ok);
    QFETCH(qint64, value);
    const std::optional<qint64> n = readStrictNumber(text, min, max);
    QCOMPARE(n.has_value(), ok);
    if (ok)
        QCOMPARE(*n, value);
}

void TestNumberReading::lenient_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("value");

    QTest::newRow("plain") << "12" << true << qint64(12);
    QTest::newRow("leading number") << "3abc" << true << qint64(3);
    QTest::newRow("12abc") << "12abc" << true << qint64(12);
    QTest::newRow("empty") << "" << true << qint64(0);
    QTest::newRow("no number") << "abc" << true << qint64(0);
    QTest::newRow("negative") << "-4x" << true << qint64(-4);
    QTest::newRow("fraction rounds") << "4.5cm" << true << qint64(4);
    QTest::newRow("fraction rounds up") << "5.5" << true << qint64(6);
    QTest::newRow("blanks first") << "  7" << true << qint64(7);
    QTest::newRow("sign without digits") << "-x" << true << qint64(0);
    QTest::newRow("out of range") << "40000" << false << qint64(0);
}

void TestNumberReading::lenient()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(qint64, value);
    const std::optional<qint64> n = readLenientNumber(text, -32768, 32767);
    QCOMPARE(n.has_value(), ok);
    if (ok)
        QCOMPARE(*n, value);
}

void TestNumberReading::lenientClampsToRange()
{
    QCOMPARE(readLenientNumberClamped(u"40000", -32768, 32767), qint64(32767));
    QCOMPARE(readLenientNumberClamped(u"-40000", -32768, 32767), qint64(-32768));
    QCOMPARE(readLenientNumberClamped(u"-999999999999999999999999", -5, 5), qint64(-5));
    QCOMPARE(readLenientNumberClamped(u"3abc", -5, 5), qint64(3));
    QCOMPARE(readLenientNumberClamped(u"x", 1, 5), qint64(1));
}

QTEST_GUILESS_MAIN(TestNumberReading)
#include "tst_numberreading.moc"
