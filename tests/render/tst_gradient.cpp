// SPDX-License-Identifier: MIT
#include "colornumbers.h"
#include "gradient.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QtTest>

using namespace Velloquin;

namespace {

const QColor kUntouched(1, 2, 3);

QImage canvas(int width = 40, int height = 30)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kUntouched);
    return image;
}

QImage gradient(int x, int y, int w, int h, const QColor &first, const QColor &second,
                int direction)
{
    QImage image = canvas();
    QPainter painter(&image);
    paintGradient(painter, x, y, w, h, first, second, direction);
    return image;
}

QColor rgb(int r, int g, int b)
{
    return QColor(r, g, b);
}

int untouchedCount(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == kUntouched;
    return n;
}

} // namespace

class TestGradient : public QObject
{
    Q_OBJECT

private slots:
    void emptySizePaintsNothing_data();
    void emptySizePaintsNothing();
    void singleEntryRampIsTheMeanColor_data();
    void singleEntryRampIsTheMeanColor();
    void rampRunsFromFirstToSecondColor_data();
    void rampRunsFromFirstToSecondColor();
    void rampTruncatesTowardZero();
    void paintsOnlyItsRectangle();
    void fillRectRunsFromFirstToSecondColor_data();
    void fillRectRunsFromFirstToSecondColor();
    void fillRectOfNoSizePaintsNothing();
    void translatesColorNumbers_data();
    void translatesColorNumbers();
};

void TestGradient::emptySizePaintsNothing_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("direction");
    QTest::newRow("zero width") << 0 << 10 << 0;
    QTest::newRow("zero height") << 10 << 0 << 1;
    QTest::newRow("both zero") << 0 << 0 << 2;
    QTest::newRow("negative width") << -5 << 10 << 1;
    QTest::newRow("negative height") << 10 << -1 << 2;
    QTest::newRow("unknown direction") << 10 << 10 << 7;
}

void TestGradient::emptySizePaintsNothing()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, direction);
    const QImage image = gradient(2, 2, width, height, rgb(255, 0, 0), rgb(0, 0, 255), direction);
    QCOMPARE(untouchedCount(image), 40 * 30);
}

void TestGradient::singleEntryRampIsTheMeanColor_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("direction");
    QTest::newRow("height 1, vertical") << 12 << 1 << 1;
    QTest::newRow("width 1, horizontal") << 1 << 9 << 0;
    QTest::newRow("one pixel, diagonal") << 1 << 1 << 2;
}

void TestGradient::singleEntryRampIsTheMeanColor()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, direction);
    // Halves truncated separately: 255/2 + 0/2 = 127, 101/2 + 51/2 = 75, 1/2 + 3/2 = 1.
    const QImage image = gradient(3, 4, width, height, rgb(255, 101, 1), rgb(0, 51, 3), direction);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            QCOMPARE(image.pixelColor(3 + x, 4 + y), QColor(127, 75, 1));
    QCOMPARE(untouchedCount(image), 40 * 30 - width * height);
}

void TestGradient::rampRunsFromFirstToSecondColor_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QPoint>("firstPixel");
    QTest::addColumn<QPoint>("lastPixel");
    QTest::addColumn<QPoint>("sameAsFirst");
    QTest::addColumn<QPoint>("sameAsLast");
    // Rectangle 20 x 10 at (0, 0).
    QTest::newRow("horizontal") << 0 << QPoint(0, 0) << QPoint(19, 0) << QPoint(0, 9)
                                << QPoint(19, 9);
    QTest::newRow("vertical") << 1 << QPoint(0, 0) << QPoint(0, 9) << QPoint(19, 0)
                              << QPoint(19, 9);
    QTest::newRow("diagonal") << 2 << QPoint(0, 0) << QPoint(19, 9) << QPoint(0, 0)
                              << QPoint(19, 9);
    QTest::newRow("diagonal from bottom left")
        << 3 << QPoint(0, 9) << QPoint(19, 0) << QPoint(0, 9) << QPoint(19, 0);
}

void TestGradient::rampRunsFromFirstToSecondColor()
{
    QFETCH(int, direction);
    QFETCH(QPoint, firstPixel);
    QFETCH(QPoint, lastPixel);
    QFETCH(QPoint, sameAsFirst);
    QFETCH(QPoint, sameAsLast);
    const QColor first(129, 169, 227);
    const QColor second(226, 36, 55);
    const QImage image = gradient(0, 0, 20, 10, first, second, direction);
    QCOMPARE(image.pixelColor(firstPixel), first);
    QCOMPARE(image.pixelColor(lastPixel), second);
    QCOMPARE(image.pixelColor(sameAsFirst), first);
    QCOMPARE(image.pixelColor(sameAsLast), second);
    // One step in from the first pixel is one ramp entry further.
    const int n = direction == 0 ? 19 : direction == 1 ? 9 : 28;
    const QPoint step = direction == 0   ? QPoint(1, 0)
                        : direction == 1 ? QPoint(0, 1)
                        : direction == 2 ? QPoint(1, 0)
                                         : QPoint(0, -1);
    const QColor next = image.pixelColor(firstPixel + step);
    QCOMPARE(next.red(), 129 + (226 - 129) * 1 / n);
    QCOMPARE(next.green(), 169 + (36 - 169) * 1 / n);
    QCOMPARE(next.blue(), 227 + (55 - 227) * 1 / n);
}

void TestGradient::rampTruncatesTowardZero()
{
    // n = 3; entry 1 of red: 200 + (-200 * 1) / 3 = 200 - 66 = 134 (not 133).
    const QImage image = gradient(0, 0, 4, 1, rgb(200, 0, 10), rgb(0, 200, 0), 0);
    QCOMPARE(image.pixelColor(1, 0), QColor(134, 66, 7));
    QCOMPARE(image.pixelColor(2, 0), QColor(67, 133, 4));
}

void TestGradient::paintsOnlyItsRectangle()
{
    const QImage image = gradient(5, 7, 10, 6, rgb(0, 0, 0), rgb(255, 255, 255), 1);
    QCOMPARE(untouchedCount(image), 40 * 30 - 60);
    QCOMPARE(image.pixelColor(4, 7), kUntouched);
    QCOMPARE(image.pixelColor(15, 7), kUntouched);
    QCOMPARE(image.pixelColor(5, 6), kUntouched);
    QCOMPARE(image.pixelColor(5, 13), kUntouched);
    QCOMPARE(image.pixelColor(5, 7), QColor(0, 0, 0));
    QCOMPARE(image.pixelColor(14, 12), QColor(255, 255, 255));
}

void TestGradient::fillRectRunsFromFirstToSecondColor_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::newRow("horizontal") << false;
    QTest::newRow("vertical") << true;
}

void TestGradient::fillRectRunsFromFirstToSecondColor()
{
    QFETCH(bool, vertical);
    const QColor first(129, 169, 227);
    const QColor second(226, 236, 255);
    QImage image = canvas();
    {
        QPainter painter(&image);
        fillLinearGradient(painter, 4, 3, 36, 27, first, second, vertical);
    }
    // Right and bottom edges are excluded.
    QCOMPARE(untouchedCount(image), 40 * 30 - 32 * 24);
    QCOMPARE(image.pixelColor(36, 10), kUntouched);
    QCOMPARE(image.pixelColor(10, 27), kUntouched);
    QCOMPARE(image.pixelColor(4, 3), first);
    QCOMPARE(image.pixelColor(35, 26), second);
    if (vertical) {
        QCOMPARE(image.pixelColor(35, 3), first);
        QCOMPARE(image.pixelColor(4, 26), second);
    } else {
        QCOMPARE(image.pixelColor(4, 26), first);
        QCOMPARE(image.pixelColor(35, 3), second);
    }
    // Half way along, close to the mean.
    const QColor middle = vertical ? image.pixelColor(10, 15) : image.pixelColor(20, 10);
    QVERIFY(qAbs(middle.red() - (129 + 226) / 2) <= 4);
    QVERIFY(qAbs(middle.green() - (169 + 236) / 2) <= 4);
}

void TestGradient::fillRectOfNoSizePaintsNothing()
{
    QImage image = canvas();
    {
        QPainter painter(&image);
        fillLinearGradient(painter, 5, 5, 5, 20, rgb(255, 0, 0), rgb(0, 0, 255), true);
        fillLinearGradient(painter, 5, 5, 20, 5, rgb(255, 0, 0), rgb(0, 0, 255), false);
        fillLinearGradient(painter, 20, 20, 5, 5, rgb(255, 0, 0), rgb(0, 0, 255), false);
    }
    QCOMPARE(untouchedCount(image), 40 * 30);
    {
        // One pixel: the first colour.
        QPainter painter(&image);
        fillLinearGradient(painter, 5, 5, 6, 6, rgb(9, 8, 7), rgb(0, 0, 255), false);
    }
    QCOMPARE(image.pixelColor(5, 5), rgb(9, 8, 7));
}

void TestGradient::translatesColorNumbers_data()
{
    QTest::addColumn<qint32>("color");
    QTest::addColumn<qint32>("expected");
    QTest::newRow("no colour") << qint32(-1) << qint32(-1);
    QTest::newRow("black") << qint32(0) << qint32(0);
    QTest::newRow("plain colour") << qint32(0x123456) << qint32(0x123456);
    QTest::newRow("white") << qint32(16777215) << qint32(16777215);
    QTest::newRow("high byte dropped") << qint32(0x02123456) << qint32(0x123456);
    QTest::newRow("window background")
        << systemColorNumber(5)
        << numberFromColor(QGuiApplication::palette().color(QPalette::Active, QPalette::Base));
    QTest::newRow("button face") << systemColorNumber(15)
                                 << numberFromColor(QGuiApplication::palette().color(
                                        QPalette::Active, QPalette::Button));
    QTest::newRow("stored negative") << qint32(-2147483643) << numberFromColor(systemColor(5));
    QTest::newRow("unknown system colour") << systemColorNumber(40) << qint32(0);
}

void TestGradient::translatesColorNumbers()
{
    QFETCH(qint32, color);
    QFETCH(qint32, expected);
    QCOMPARE(plainColorNumber(color), expected);
    if (expected != -1)
        QCOMPARE(numberFromColor(colorFromNumber(color)), expected);
    else
        QVERIFY(!colorFromNumber(color).isValid());
}

QTEST_MAIN(TestGradient)
#include "tst_gradient.moc"
