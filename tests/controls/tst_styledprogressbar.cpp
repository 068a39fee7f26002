// SPDX-License-Identifier: MIT
#include "colornumbers.h"
#include "styledprogressbar.h"

#include <QPainter>
#include <QTest>

using namespace Velloquin;

namespace {

constexpr int W = 200;
constexpr int H = 20;
const QColor Blue(40, 80, 200);

QImage render(int look, int value, int orientation = 0, QSize size = QSize(W, H))
{
    StyledProgressBar bar;
    bar.resize(size);
    bar.setColor(Blue);
    bar.setLook(StyledProgressBar::Look(look));
    bar.setOrientation(orientation == 0 ? Qt::Horizontal : Qt::Vertical);
    bar.setValue(value);
    return bar.grab().toImage();
}

bool isWhite(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y)) == QColor(Qt::white);
}

// A pixel that carries the bar colour: more blue than red, not grey.
bool isBarColored(const QImage &image, int x, int y)
{
    const QColor c = image.pixel(x, y);
    return c.blue() - c.red() > 20;
}

QColor at(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

} // namespace

class TestProgressBar : public QObject
{
    Q_OBJECT

private slots:
    void textScalesValueByMax_data();
    void textScalesValueByMax();
    void lightenMixesWithWhite_data();
    void lightenMixesWithWhite();
    void blendWeighsTwoColors();
    void withoutAColorTheBarUsesTheHighlight();

    void segmentedBarIsEmptyAtZero();
    void segmentedBarFillsWholeBlocks_data();
    void segmentedBarFillsWholeBlocks();
    void continuousBarEndsAtFillPosition();
    void verticalBarGrowsFromTheBottom();
    void roundedFrameHasGreyBorderAndSoftCorners();
    void looksDrawTheirFramesAndFill_data();
    void looksDrawTheirFramesAndFill();
    void patternLookTilesTheImage();
    void hatchedLookUsesTheBarColor();
    void minDoesNotChangeTheDrawing();
    void textIsDrawnOnlyWhenShown();
    void valueOutOfRangeStaysInsideTheBar();

    void offscreenPictureGrowsAndNeverShrinks();
};

void TestProgressBar::textScalesValueByMax_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("look");
    QTest::addColumn<QString>("text");

    QTest::newRow("half of 100") << 50 << 100 << 0 << "50 %";
    QTest::newRow("half of 200") << 50 << 200 << 0 << "100 %";
    QTest::newRow("fraction") << 1 << 3 << 1 << "0.03 %";
    QTest::newRow("zero") << 0 << 100 << 5 << "0 %";
    QTest::newRow("searching look") << 50 << 100 << 2 << "Searching..";
}

void TestProgressBar::textScalesValueByMax()
{
    QFETCH(int, value);
    QFETCH(int, max);
    QFETCH(int, look);
    QFETCH(QString, text);
    StyledProgressBar bar;
    bar.setLook(StyledProgressBar::Look(look));
    bar.setMaximum(max);
    bar.setValue(value);
    QCOMPARE(bar.text(), text);
}

void TestProgressBar::lightenMixesWithWhite_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("amount");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("none") << QColor(10, 20, 30) << 0 << QColor(10, 20, 30);
    QTest::newRow("black by 150") << QColor(0, 0, 0) << 150 << QColor(150, 150, 150);
    // 150 + 255 * 105 / 255 = 255; 150 + 100 * 105 / 255 = 191 (whole-number division)
    QTest::newRow("blue by 150") << QColor(0, 100, 255) << 150 << QColor(150, 191, 255);
    QTest::newRow("full") << QColor(1, 2, 3) << 255 << QColor(255, 255, 255);
}

void TestProgressBar::lightenMixesWithWhite()
{
    QFETCH(QColor, color);
    QFETCH(int, amount);
    QFETCH(QColor, expected);
    QCOMPARE(StyledProgressBar::lighten(color, amount), expected);
}

void TestProgressBar::blendWeighsTwoColors()
{
    QCOMPARE(StyledProgressBar::blend(QColor(255, 0, 100), Qt::black, 200), QColor(200, 0, 78));
    QCOMPARE(StyledProgressBar::blend(QColor(255, 255, 255), QColor(0, 0, 0), 255),
             QColor(255, 255, 255));
    QCOMPARE(StyledProgressBar::blend(QColor(255, 255, 255), QColor(10, 20, 30), 0),
             QColor(10, 20, 30));
}

void TestProgressBar::withoutAColorTheBarUsesTheHighlight()
{
    StyledProgressBar bar;
    bar.resize(W, H);
    bar.setValue(50);
    QVERIFY(!bar.color().isValid());
    const QImage unset = bar.grab().toImage();
    bar.setColor(systemColor(13));
    QCOMPARE(bar.grab().toImage(), unset);
    bar.setColor(Blue);
    QVERIFY(bar.grab().toImage() != unset);
}

void TestProgressBar::segmentedBarIsEmptyAtZero()
{
    const QImage image = render(0, 0);
    for (int x = 3; x < W - 3; ++x)
        QVERIFY2(isWhite(image, x, H / 2), qPrintable(QString::number(x)));
}

void TestProgressBar::segmentedBarFillsWholeBlocks_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("lastLit");   // a pixel inside the last block
    QTest::addColumn<int>("firstDark"); // the first pixel after it that stays white

    // Inner length 194: 50 % fills 98 pixels, cut back to 12 steps of 8 (blocks end at 96).
    QTest::newRow("half") << 50 << 3 + 11 * 8 + 5 << 3 + 11 * 8 + 6;
    // 100 % reaches past the end; the last whole block is block 24 (ends at 192).
    QTest::newRow("full") << 100 << 3 + 23 * 8 + 5 << 3 + 23 * 8 + 6;
    QTest::newRow("one block") << 5 << 3 + 5 << 3 + 6;
}

void TestProgressBar::segmentedBarFillsWholeBlocks()
{
    QFETCH(int, value);
    QFETCH(int, lastLit);
    QFETCH(int, firstDark);
    const QImage image = render(0, value);
    QVERIFY(isBarColored(image, 3, H / 2));
    QVERIFY(isBarColored(image, lastLit, H / 2));
    for (int x = firstDark; x < W - 3; ++x)
        QVERIFY2(isWhite(image, x, H / 2), qPrintable(QString::number(x)));
    // Gaps between blocks are white.
    QVERIFY(isWhite(image, 3 + 6, H / 2));
    QVERIFY(isWhite(image, 3 + 7, H / 2));
    // Shaded: lighter at the long edges than in the middle.
    QVERIFY(at(image, 4, 3).red() > at(image, 4, H / 2).red());
}

void TestProgressBar::continuousBarEndsAtFillPosition()
{
    const QImage image = render(1, 50);             // 50 * 194 / 98 = 98 pixels from x 3
    QVERIFY(isBarColored(image, 3 + 8 + 6, H / 2)); // no gaps
    QVERIFY(isBarColored(image, 3 + 97, H / 2));
    QVERIFY(isWhite(image, 3 + 98, H / 2));
}

void TestProgressBar::verticalBarGrowsFromTheBottom()
{
    const QImage image = render(1, 50, 1, QSize(H, W));
    QVERIFY(isBarColored(image, H / 2, W - 5));
    QVERIFY(isWhite(image, H / 2, 5));
}

void TestProgressBar::roundedFrameHasGreyBorderAndSoftCorners()
{
    const QImage image = render(0, 50);
    QCOMPARE(at(image, W / 2, 0), QColor(104, 104, 104));
    QCOMPARE(at(image, 0, H / 2), QColor(104, 104, 104));
    QCOMPARE(at(image, W / 2, 1), QColor(239, 239, 239));
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(W - 1, 0), QPoint(0, H - 1), QPoint(W - 1, H - 1)}) {
        const QColor c = at(image, corner.x(), corner.y());
        QVERIFY2(c.red() >= 119 && c.red() <= 190 && c.red() == c.blue(), qPrintable(c.name()));
    }
}

void TestProgressBar::looksDrawTheirFramesAndFill_data()
{
    QTest::addColumn<int>("look");
    QTest::addColumn<QPoint>("framePixel");
    QTest::addColumn<QColor>("frameColor");
    QTest::addColumn<QPoint>("lit");   // inside the fill at 50 %
    QTest::addColumn<QPoint>("unlit"); // past the fill end
    QTest::addColumn<QColor>("background");

    const QColor white(Qt::white);
    QTest::newRow("3 flat") << 3 << QPoint(W / 2, 0) << StyledProgressBar::lighten(Blue, 100)
                            << QPoint(W / 2 - 2, H / 2) << QPoint(W / 2 + 1, H / 2) << white;
    QTest::newRow("4 etched") << 4 << QPoint(0, H / 2) << QColor(160, 160, 160) << QPoint(3, H / 2)
                              << QPoint(2 + (W - 4) / 2 + 1, H / 2) << white;
    // The fill of look 5 ends at 50 * 200 / 101 = 99, marked by a line.
    QTest::newRow("5 gauge") << 5 << QPoint(0, H / 2) << StyledProgressBar::lighten(Blue, 10)
                             << QPoint(99, 5) << QPoint(W - 2, H / 2) << white;
    QTest::newRow("6 dark") << 6 << QPoint(0, H / 2)
                            << StyledProgressBar::blend(Blue, Qt::black, 200)
                            << QPoint(2 + (W - 5) / 2 - 2, H / 2) << QPoint(W - 3, H / 2)
                            << QColor(Qt::black);
    QTest::newRow("7 hatched") << 7 << QPoint(0, H / 2) << QColor(227, 227, 227) << QPoint(5, H / 2)
                               << QPoint(W / 2 + 2, H / 2) << white;
}

void TestProgressBar::looksDrawTheirFramesAndFill()
{
    QFETCH(int, look);
    QFETCH(QPoint, framePixel);
    QFETCH(QColor, frameColor);
    QFETCH(QPoint, lit);
    QFETCH(QPoint, unlit);
    QFETCH(QColor, background);

    const QImage image = render(look, 50);
    QCOMPARE(at(image, framePixel.x(), framePixel.y()), frameColor);
    QVERIFY2(at(image, lit.x(), lit.y()) != background,
             qPrintable(at(image, lit.x(), lit.y()).name()));
    QCOMPARE(at(image, unlit.x(), unlit.y()), background);
    if (look == 5)
        QCOMPARE(at(image, 99, H / 2), StyledProgressBar::lighten(Blue, 25));

    // Nothing is lit at 0.
    const QImage empty = render(look, 0);
    QCOMPARE(at(empty, framePixel.x(), framePixel.y()), frameColor);
    if (look != 5) // look 5 keeps its track under the fill
        QCOMPARE(at(empty, lit.x(), lit.y()), background);
}

void TestProgressBar::patternLookTilesTheImage()
{
    QPixmap pattern(4, 4);
    pattern.fill(QColor(200, 0, 0));
    StyledProgressBar bar;
    bar.resize(W, H);
    bar.setLook(StyledProgressBar::Look(8));
    bar.setValue(50);
    QImage image = bar.grab().toImage();
    QVERIFY(isWhite(image, 10, H / 2)); // no picture, no fill
    QCOMPARE(at(image, 0, H / 2), QColor(160, 160, 160));

    bar.setPattern(pattern);
    image = bar.grab().toImage();
    QCOMPARE(at(image, 3, 3), QColor(200, 0, 0));
    QCOMPARE(at(image, 2 + 98, H / 2), QColor(200, 0, 0)); // 50 * 200 / 101 = 99 long
    QVERIFY(isWhite(image, 2 + 99 + 1, H / 2));
}

void TestProgressBar::hatchedLookUsesTheBarColor()
{
    const QImage image = render(7, 100);
    int bar = 0, light = 0;
    for (int x = 2; x < 40; ++x) {
        const QColor c = at(image, x, H / 2);
        bar += c == Blue;
        light += c == StyledProgressBar::lighten(Blue, 140);
    }
    QVERIFY(bar > 0);
    QVERIFY(light > 0);
}

void TestProgressBar::minDoesNotChangeTheDrawing()
{
    StyledProgressBar bar;
    bar.resize(W, H);
    bar.setValue(40);
    bar.setTextVisible(true);
    const QImage before = bar.grab().toImage();
    bar.setMinimum(30);
    QCOMPARE(bar.grab().toImage(), before);
}

void TestProgressBar::textIsDrawnOnlyWhenShown()
{
    StyledProgressBar bar;
    bar.resize(W, H);
    bar.setLook(StyledProgressBar::Look(3));
    bar.setValue(0);
    const QImage plain = bar.grab().toImage();
    bar.setTextVisible(true);
    const QImage withText = bar.grab().toImage();
    int dark = 0;
    for (int y = 0; y < H; ++y)
        for (int x = W / 2 - 20; x < W / 2 + 20; ++x) {
            QVERIFY(isWhite(plain, x, y) || y == 0 || y == H - 1);
            dark += qGray(withText.pixel(x, y)) < 100;
        }
    QVERIFY(dark > 5);
}

void TestProgressBar::valueOutOfRangeStaysInsideTheBar()
{
    for (int look = 0; look <= 8; ++look) {
        const QImage over = render(look, 250);
        const QImage under = render(look, -40);
        // The frame's right-hand pixel is the same whatever the value.
        QCOMPARE(at(over, W - 1, H / 2), at(render(look, 50), W - 1, H / 2));
        QCOMPARE(at(under, W - 1, H / 2), at(render(look, 50), W - 1, H / 2));
    }
}

void TestProgressBar::offscreenPictureGrowsAndNeverShrinks()
{
    StyledProgressBar bar;
    bar.resize(100, 20);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCOMPARE(bar.bufferSize(), QSize(100, 20));
    bar.resize(300, 30);
    QTRY_COMPARE(bar.bufferSize(), QSize(300, 30));
    bar.resize(50, 10);
    QTest::qWait(20);
    QCOMPARE(bar.bufferSize(), QSize(300, 30));
    bar.resize(40, 60);
    QTRY_COMPARE(bar.bufferSize(), QSize(300, 60));
    // What the screen shows still matches the control's size.
    QCOMPARE(bar.grab().size(), QSize(40, 60));
}

QTEST_MAIN(TestProgressBar)
#include "tst_styledprogressbar.moc"
