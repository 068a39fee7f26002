// SPDX-License-Identifier: MIT
#include "colornumbers.h"
#include "drawing.h"
#include "gridedit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtTest>

using namespace Velloquin;

namespace {

const QColor kBackground(10, 20, 30);
const QColor kGridLines(200, 30, 40);
const QColor kSquares(250, 240, 200);
const QColor kFore(0, 0, 160);
const QColor kStripBack(255, 255, 255);

DrawOptions options()
{
    DrawOptions o;
    o.background = kBackground;
    o.gridLines = kGridLines;
    o.squares = kSquares;
    return o;
}

CrosswordData puzzleOf(int width, int height)
{
    CrosswordData p;
    newCrossword(p, qint16(width), qint16(height));
    return p;
}

// Places a word without the placement rules, so tests can build any layout.
void place(CrosswordData &p, int x, int y, const QString &word, Direction orientation)
{
    QVERIFY(addWord(p, qint16(x), qint16(y), word, orientation, QStringLiteral("clue"), false,
                    PlacementCheck::SkipRules)
                .ok());
}

QImage draw(CrosswordData p, QSize size, const DrawOptions &o)
{
    numberSquares(p);
    ImageSurface view(size, kStripBack, kFore);
    drawCrossword(p, view, nullptr, nullptr, o);
    return view.image();
}

QColor pixel(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

// The pixels of a rectangle that differ from the given colour.
int countOtherThan(const QImage &image, const QRect &rect, const QColor &color)
{
    int n = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixelColor(x, y) != color;
    return n;
}

// Bounding box of the pixels in rect that differ from colour.
QRect inkBox(const QImage &image, const QRect &rect, const QColor &color)
{
    QRect box;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixelColor(x, y) != color)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

private slots:
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void fontSizesFollowCellWidth_data();
    void fontSizesFollowCellWidth();
    void printsNumbersWithBlanks();

    void fillsBackgroundWhereNoWordLies();
    void paintsBackgroundOpaque_data();
    void paintsBackgroundOpaque();
    void fillsLetterSquaresWithSquareColor();
    void drawsGridLineAtEachRowAndColumn_data();
    void drawsGridLineAtEachRowAndColumn();
    void drawsNoGridLinesInOutlineMode();
    void outlinesSquaresOnePixelUpAndLeft();
    void hiddenAnswersLeaveSquaresWithoutLetters();
    void sharedStartSquareCarriesOneNumber();
    void crossingSquareDrawsItsLetterOnce();
    void earlierWordsLetterWinsAtCrossing();
    void nonSquareCellsKeepLetterSizeFromCellWidth();
    void rowLabelsStartAtEightOrTwoPixels();
    void columnLabelsCentredOnTheirDigits();
    void emptyPuzzleShowsBackgroundAndFullGrid();
    void startUpDrawingSkipsStripsAndLines();
    void startUpDrawingShowsOnlyWordsMarkedToShowLetters();
    void notifiesEverySurfaceItDrewOn();
    void zeroSizedGridDrawsOnlyBackground();
    void renderedImageLeavesPuzzleUnchanged();
    void wordsReachingOutsideTheGridAreClipped();
    void paintingOnAnyPainterMatchesTheView_data();
    void paintingOnAnyPainterMatchesTheView();
    void scaledPaintingWidensLinesAndKeepsFontSizes();
    void paintingStaysInsideItsRectangle();
    void paperLinesStayVisibleWhenScaledDown_data();
    void paperLinesStayVisibleWhenScaledDown();
};

void TestDrawing::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("12.5") << 12.5 << 12;
    QTest::newRow("13.5") << 13.5 << 14;
    QTest::newRow("12.51") << 12.51 << 13;
    QTest::newRow("12.49") << 12.49 << 12;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("-1.2") << -1.2 << -1;
}

void TestDrawing::roundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(roundHalfEven(value), expected);
}

void TestDrawing::fontSizesFollowCellWidth_data()
{
    QTest::addColumn<QSize>("surface");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("cw");
    QTest::addColumn<double>("ch");
    QTest::addColumn<int>("numberPoints");
    QTest::addColumn<int>("letterPoints");
    QTest::newRow("30 px square") << QSize(300, 300) << 10 << 10 << 30.0 << 30.0 << 5 << 12;
    // 0.17 x 50 is exactly 8.5: half to even gives 8.
    QTest::newRow("number half to even") << QSize(500, 500) << 10 << 10 << 50.0 << 50.0 << 8 << 20;
    // 0.4 x 31.25 = 12.5 -> 12; 0.4 x 33.75 = 13.5 -> 14.
    QTest::newRow("letter half down") << QSize(250, 250) << 8 << 8 << 31.25 << 31.25 << 5 << 12;
    QTest::newRow("letter half up") << QSize(135, 135) << 4 << 4 << 33.75 << 33.75 << 6 << 14;
    QTest::newRow("tall cells") << QSize(300, 600) << 10 << 10 << 30.0 << 60.0 << 5 << 12;
    QTest::newRow("wide cells") << QSize(600, 300) << 10 << 10 << 60.0 << 30.0 << 10 << 24;
    QTest::newRow("uneven grid") << QSize(400, 300) << 16 << 12 << 25.0 << 25.0 << 4 << 10;
    QTest::newRow("tiny cells") << QSize(20, 20) << 20 << 20 << 1.0 << 1.0 << 0 << 0;
}

void TestDrawing::fontSizesFollowCellWidth()
{
    QFETCH(QSize, surface);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, cw);
    QFETCH(double, ch);
    QFETCH(int, numberPoints);
    QFETCH(int, letterPoints);
    const CellMetrics m = cellMetrics(puzzleOf(width, height), surface);
    QCOMPARE(m.cw, cw);
    QCOMPARE(m.ch, ch);
    QCOMPARE(m.numberPoints, numberPoints);
    QCOMPARE(m.letterPoints, letterPoints);
}

void TestDrawing::printsNumbersWithBlanks()
{
    QCOMPARE(numberPrintForm(7), QStringLiteral(" 7 "));
    QCOMPARE(numberPrintForm(12), QStringLiteral(" 12 "));
    QCOMPARE(numberPrintForm(0), QStringLiteral(" 0 "));
}

void TestDrawing::fillsBackgroundWhereNoWordLies()
{
    CrosswordData p = puzzleOf(10, 10);
    place(p, 2, 3, QStringLiteral("CAT"), Direction::Across);
    const QImage image = draw(p, QSize(300, 300), options());
    QCOMPARE(image.size(), QSize(300, 300));
    // Cell centres away from the word and away from any grid line.
    for (const QPoint cell : {QPoint(0, 0), QPoint(5, 3), QPoint(9, 9), QPoint(2, 4)})
        QCOMPARE(pixel(image, cell.x() * 30 + 15, cell.y() * 30 + 15), kBackground);
}

void TestDrawing::paintsBackgroundOpaque_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("painted");
    QTest::newRow("no colour") << QColor() << QColor(Qt::black);
    QTest::newRow("see-through") << QColor(200, 100, 50, 40) << QColor(200, 100, 50);
    QTest::newRow("system colour") << systemColor(5) << systemColor(5);
}

void TestDrawing::paintsBackgroundOpaque()
{
    QFETCH(QColor, background);
    QFETCH(QColor, painted);
    DrawOptions o = options();
    o.background = background;
    // The surface's back colour is white, so a see-through fill would show as a mix.
    const QImage image = draw(puzzleOf(5, 5), QSize(100, 100), o);
    QCOMPARE(pixel(image, 10, 10), painted);
    QCOMPARE(renderCrosswordImage(puzzleOf(5, 5), QSize(100, 100), o).pixelColor(10, 10), painted);
}

void TestDrawing::fillsLetterSquaresWithSquareColor()
{
    CrosswordData p = puzzleOf(10, 10);
    place(p, 2, 3, QStringLiteral("CAT"), Direction::Across);
    place(p, 6, 1, QStringLiteral("DOG"), Direction::Down);
    const QImage image = draw(p, QSize(300, 300), options());
    const QList<QPoint> squares = {{2, 3}, {3, 3}, {4, 3}, {6, 1}, {6, 2}, {6, 3}};
    for (const QPoint s : squares) {
        // Inside corners of the square, clear of the grid lines, the number and the letter.
        QCOMPARE(pixel(image, s.x() * 30 + 27, s.y() * 30 + 27), kSquares);
        QCOMPARE(pixel(image, s.x() * 30 + 2, s.y() * 30 + 27), kSquares);
        QCOMPARE(pixel(image, s.x() * 30 + 27, s.y() * 30 + 2), kSquares);
    }
    // Both corners are included: the square's far edge reaches the neighbour's first row,
    // which the grid line then covers; one pixel further is background again.
    QCOMPARE(pixel(image, 4 * 30 + 15, 3 * 30 + 31), kBackground);
}

void TestDrawing::drawsGridLineAtEachRowAndColumn_data()
{
    QTest::addColumn<QSize>("surface");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("whole cells") << QSize(300, 300) << 10 << 10;
    QTest::newRow("fractional cells") << QSize(317, 251) << 7 << 9;
    QTest::newRow("wide grid") << QSize(401, 160) << 30 << 5;
}

void TestDrawing::drawsGridLineAtEachRowAndColumn()
{
    QFETCH(QSize, surface);
    QFETCH(int, width);
    QFETCH(int, height);
    const QImage image = draw(puzzleOf(width, height), surface, options());
    const double cw = double(surface.width()) / width;
    const double ch = double(surface.height()) / height;
    const int midX = int(cw / 2);
    const int midY = int(ch / 2);
    for (int r = 0; r < height; ++r) {
        const int y = roundHalfEven(r * ch);
        QCOMPARE(pixel(image, midX, y), kGridLines);
        QCOMPARE(pixel(image, surface.width() - 1 - midX, y), kGridLines);
        // One pixel high: the row below is background again.
        if (ch >= 3)
            QCOMPARE(pixel(image, midX, y + 1), kBackground);
    }
    for (int c = 0; c < width; ++c) {
        const int x = roundHalfEven(c * cw);
        QCOMPARE(pixel(image, x, midY), kGridLines);
        if (cw >= 3)
            QCOMPARE(pixel(image, x + 1, midY), kBackground);
    }
    // The extra bottom and right border lines.
    QCOMPARE(roundHalfEven(height * ch - 1), surface.height() - 1);
    QCOMPARE(pixel(image, midX, surface.height() - 1), kGridLines);
    QCOMPARE(pixel(image, surface.width() - 1, midY), kGridLines);
    QCOMPARE(pixel(image, midX, surface.height() - 2), kBackground);
    QCOMPARE(pixel(image, surface.width() - 2, midY), kBackground);
}

void TestDrawing::drawsNoGridLinesInOutlineMode()
{
    DrawOptions o = options();
    o.outlineMode = true;
    const QImage empty = draw(puzzleOf(10, 10), QSize(300, 300), o);
    QCOMPARE(countOtherThan(empty, empty.rect(), kBackground), 0);

    CrosswordData p = puzzleOf(10, 10);
    place(p, 1, 1, QStringLiteral("OUTLINE"), Direction::Across);
    place(p, 1, 1, QStringLiteral("ODD"), Direction::Down);
    o.answersHidden = true;
    const QImage image = draw(p, QSize(300, 300), o);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2(pixel(image, x, y) != kGridLines,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

void TestDrawing::outlinesSquaresOnePixelUpAndLeft()
{
    CrosswordData p = puzzleOf(10, 10);
    place(p, 2, 2, QStringLiteral("AB"), Direction::Across);
    place(p, 0, 0, QStringLiteral("C"), Direction::Across);
    DrawOptions o = options();
    o.outlineMode = true;
    o.answersHidden = true;
    const QImage image = draw(p, QSize(300, 300), o);

    // Square (3, 2): corner (90, 60), border at x 89 and 119, y 59 and 89.
    QCOMPARE(pixel(image, 89, 75), kFore);
    QCOMPARE(pixel(image, 119, 75), kFore);
    QCOMPARE(pixel(image, 100, 59), kFore);
    QCOMPARE(pixel(image, 100, 89), kFore);
    QCOMPARE(pixel(image, 90, 75), kSquares);
    QCOMPARE(pixel(image, 118, 88), kSquares);
    QCOMPARE(pixel(image, 100, 60), kSquares);
    QCOMPARE(pixel(image, 120, 75), kBackground);
    QCOMPARE(pixel(image, 100, 90), kBackground);
    QCOMPARE(pixel(image, 100, 58), kBackground);
    // Square (2, 2) shares its right border with its neighbour's left one.
    QCOMPARE(pixel(image, 59, 75), kFore);
    QCOMPARE(pixel(image, 58, 75), kBackground);
    QCOMPARE(pixel(image, 88, 75), kSquares);
    // A square on the top-left edge starts at 0, not one pixel outside.
    QCOMPARE(pixel(image, 0, 15), kFore);
    QCOMPARE(pixel(image, 15, 0), kFore);
    QCOMPARE(pixel(image, 29, 15), kFore);
    QCOMPARE(pixel(image, 1, 28), kSquares);
    QCOMPARE(pixel(image, 30, 15), kBackground);
}

void TestDrawing::hiddenAnswersLeaveSquaresWithoutLetters()
{
    CrosswordData p = puzzleOf(8, 8);
    place(p, 1, 2, QStringLiteral("WIDE"), Direction::Across);
    DrawOptions o = options();
    const QSize size(320, 320); // 40 px squares
    o.answersHidden = true;
    const QImage hidden = draw(p, size, o);
    o.answersHidden = false;
    const QImage shown = draw(p, size, o);
    for (int j = 0; j < 4; ++j) {
        // The square inside its grid lines; in the first square leave out the number's
        // corner (top-left quarter).
        const QRect inner((1 + j) * 40 + 1, 2 * 40 + 1, 39, 39);
        const QRect letterArea =
            j == 0 ? QRect(inner.left() + 16, inner.top() + 14, 23, 25) : inner;
        QCOMPARE(countOtherThan(hidden, letterArea, kSquares), 0);
        QVERIFY(countOtherThan(shown, letterArea, kSquares) > 0);
    }
    // Numbers are still drawn with hidden answers.
    QVERIFY(countOtherThan(hidden, QRect(41, 81, 14, 12), kSquares) > 0);
}

void TestDrawing::sharedStartSquareCarriesOneNumber()
{
    DrawOptions o = options();
    o.answersHidden = true;
    const QSize size(400, 400); // 40 px squares
    CrosswordData both = puzzleOf(10, 10);
    place(both, 1, 1, QStringLiteral("SHARE"), Direction::Across);
    place(both, 1, 1, QStringLiteral("START"), Direction::Down);
    CrosswordData single = puzzleOf(10, 10);
    place(single, 1, 1, QStringLiteral("SHARE"), Direction::Across);

    const QImage a = draw(both, size, o);
    const QImage b = draw(single, size, o);
    const QRect square(41, 41, 39, 39);
    QVERIFY(countOtherThan(a, square, kSquares) > 0);
    QCOMPARE(a.copy(square), b.copy(square));
}

void TestDrawing::crossingSquareDrawsItsLetterOnce()
{
    const QSize size(400, 400);
    CrosswordData both = puzzleOf(10, 10);
    place(both, 1, 3, QStringLiteral("CROSS"), Direction::Across);
    place(both, 3, 1, QStringLiteral("DROOP"), Direction::Down); // crosses at (3, 3) on 'O'
    CrosswordData single = puzzleOf(10, 10);
    place(single, 1, 3, QStringLiteral("CROSS"), Direction::Across);
    const QImage a = draw(both, size, options());
    const QImage b = draw(single, size, options());
    const QRect crossing(3 * 40 + 1, 3 * 40 + 1, 39, 39);
    QVERIFY(countOtherThan(a, crossing, kSquares) > 0);
    QCOMPARE(a.copy(crossing), b.copy(crossing));
}

void TestDrawing::earlierWordsLetterWinsAtCrossing()
{
    const QSize size(400, 400);
    CrosswordData clash = puzzleOf(10, 10);
    place(clash, 1, 3, QStringLiteral("CROSS"), Direction::Across); // 'O' at (3, 3)
    place(clash, 3, 1, QStringLiteral("DRXWN"), Direction::Down);   // 'X' at (3, 3), listed later
    CrosswordData first = puzzleOf(10, 10);
    place(first, 1, 3, QStringLiteral("CROSS"), Direction::Across);
    CrosswordData second = puzzleOf(10, 10);
    place(second, 3, 1, QStringLiteral("DRXWN"), Direction::Down);
    const QRect crossing(3 * 40 + 1, 3 * 40 + 1, 39, 39);
    const QImage a = draw(clash, size, options());
    QCOMPARE(a.copy(crossing), draw(first, size, options()).copy(crossing));
    QVERIFY(a.copy(crossing) != draw(second, size, options()).copy(crossing));
}

void TestDrawing::nonSquareCellsKeepLetterSizeFromCellWidth()
{
    CrosswordData p = puzzleOf(5, 5);
    place(p, 2, 2, QStringLiteral("H"), Direction::Across);
    DrawOptions o = options();
    const QImage square = draw(p, QSize(300, 300), o); // 60 x 60 cells
    const QImage tall = draw(p, QSize(300, 600), o);   // 60 x 120 cells
    const QImage wide = draw(p, QSize(600, 300), o);   // 120 x 60 cells

    // The letter's ink lies right of the number's corner and clear of the grid lines.
    const QRect squareInk = inkBox(square, QRect(121 + 14, 121 + 12, 44, 46), kSquares);
    const QRect tallInk = inkBox(tall, QRect(121 + 14, 241 + 12, 44, 106), kSquares);
    const QRect wideInk = inkBox(wide, QRect(241 + 24, 121 + 12, 94, 46), kSquares);
    QVERIFY(!squareInk.isEmpty());
    QVERIFY(!tallInk.isEmpty());
    // Same cell width, same letter size, whatever the cell height.
    QCOMPARE(tallInk.size(), squareInk.size());
    // Centred vertically in the taller cell: moved down by half the extra height.
    QCOMPARE(tallInk.top() - 240, squareInk.top() - 120 + 30);
    // Twice the cell width: a bigger letter although the cell height is the same.
    QVERIFY(wideInk.height() > squareInk.height() + 8);
}

void TestDrawing::rowLabelsStartAtEightOrTwoPixels()
{
    CrosswordData p = puzzleOf(12, 12);
    ImageSurface view(QSize(360, 360)), rows(QSize(30, 400), kStripBack, kFore);
    drawCrossword(p, view, &rows, nullptr, options());
    QCOMPARE(rows.image().size(), QSize(30, 400));
    const QFontMetricsF metrics(puzzleFont(8), &rows.image());
    const double blank = metrics.horizontalAdvance(QLatin1Char(' '));
    for (int r = 0; r <= 12; ++r) {
        const double top = r * 30 + 15 - metrics.height() / 2 + 3;
        const QRect band(0, int(top), 30, int(metrics.height()));
        const QRect ink = inkBox(rows.image(), band, kStripBack);
        QVERIFY2(!ink.isEmpty(), qPrintable(QString::number(r)));
        const double digitsStart = (r < 10 ? 8 : 2) + blank;
        QVERIFY2(ink.left() >= digitsStart - 1 && ink.left() <= digitsStart + 3,
                 qPrintable(QStringLiteral("label %1 starts at %2").arg(r).arg(ink.left())));
    }
}

void TestDrawing::columnLabelsCentredOnTheirDigits()
{
    CrosswordData p = puzzleOf(12, 6);
    ImageSurface view(QSize(480, 240)), columns(QSize(520, 14), kStripBack, kFore);
    drawCrossword(p, view, nullptr, &columns, options());
    const QFontMetricsF metrics(puzzleFont(8), &columns.image());
    const double blank = metrics.horizontalAdvance(QLatin1Char(' '));
    for (int c = 0; c <= 12; ++c) {
        const QRect ink = inkBox(columns.image(), QRect(c * 40, 0, 40, 14), kStripBack);
        QVERIFY2(!ink.isEmpty(), qPrintable(QString::number(c)));
        // The digits are centred on the cell, then moved right by the leading blank.
        const double expected = c * 40 + 20 + blank;
        const double centre = (ink.left() + ink.right() + 1) / 2.0;
        QVERIFY2(
            qAbs(centre - expected) <= 2.5,
            qPrintable(
                QStringLiteral("label %1 centred at %2, not %3").arg(c).arg(centre).arg(expected)));
    }
}

void TestDrawing::emptyPuzzleShowsBackgroundAndFullGrid()
{
    CrosswordData p = puzzleOf(6, 4);
    ImageSurface view(QSize(240, 160), kStripBack, kFore);
    ImageSurface rows(QSize(30, 200), kStripBack, kFore);
    ImageSurface columns(QSize(280, 14), kStripBack, kFore);
    drawCrossword(p, view, &rows, &columns, options());
    const QImage &image = view.image();
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(pixel(image, c * 40 + 20, r * 40 + 20), kBackground);
            QCOMPARE(pixel(image, c * 40 + 20, r * 40), kGridLines);
            QCOMPARE(pixel(image, c * 40, r * 40 + 20), kGridLines);
        }
    // Labels 0 to Width and 0 to Height, one more than there are columns and rows.
    for (int c = 0; c <= 6; ++c)
        QVERIFY(countOtherThan(columns.image(), QRect(c * 40 + 10, 0, 30, 14), kStripBack) > 0);
    for (int r = 0; r <= 4; ++r)
        QVERIFY(countOtherThan(rows.image(), QRect(0, r * 40 + 8, 30, 30), kStripBack) > 0);
}

void TestDrawing::startUpDrawingSkipsStripsAndLines()
{
    CrosswordData p = puzzleOf(5, 5);
    place(p, 0, 0, QStringLiteral("ABC"), Direction::Across);
    DrawOptions o = options();
    o.redrawAll = false;
    ImageSurface view(QSize(200, 200), kStripBack, kFore);
    ImageSurface rows(QSize(30, 200)), columns(QSize(200, 14));
    drawCrossword(p, view, &rows, &columns, o);
    QVERIFY(rows.image().isNull());
    QVERIFY(columns.image().isNull());
    QCOMPARE(countOtherThan(view.image(), QRect(0, 0, 200, 200), kGridLines), 200 * 200);
    QCOMPARE(pixel(view.image(), 100, 100), kBackground);
    QCOMPARE(pixel(view.image(), 38, 38), kSquares);
}

void TestDrawing::startUpDrawingShowsOnlyWordsMarkedToShowLetters()
{
    CrosswordData p = puzzleOf(5, 5);
    QVERIFY(addWord(p, 0, 0, QStringLiteral("ABC"), Direction::Across, QString(), true,
                    PlacementCheck::SkipRules)
                .ok());
    QVERIFY(addWord(p, 0, 2, QStringLiteral("DEF"), Direction::Across, QString(), false,
                    PlacementCheck::SkipRules)
                .ok());
    DrawOptions o = options();
    o.redrawAll = false;
    const QImage image = draw(p, QSize(200, 200), o);
    // Second letters: no number in those squares.
    QVERIFY(countOtherThan(image, QRect(41, 1, 38, 38), kSquares) > 0);
    QCOMPARE(countOtherThan(image, QRect(41, 81, 38, 38), kSquares), 0);
}

void TestDrawing::notifiesEverySurfaceItDrewOn()
{
    CrosswordData p = puzzleOf(5, 5);
    ImageSurface view(QSize(100, 100)), rows(QSize(20, 100)), columns(QSize(100, 14));
    drawCrossword(p, view, &rows, &columns, options());
    QCOMPARE(view.changes(), 1);
    QCOMPARE(rows.changes(), 1);
    QCOMPARE(columns.changes(), 1);
    // A resized surface gets an image of its new size.
    view.setInnerSize(QSize(150, 80));
    drawCrossword(p, view, &rows, &columns, options());
    QCOMPARE(view.changes(), 2);
    QCOMPARE(view.image().size(), QSize(150, 80));
}

void TestDrawing::zeroSizedGridDrawsOnlyBackground()
{
    CrosswordData p = puzzleOf(5, 5);
    place(p, 0, 0, QStringLiteral("ABC"), Direction::Across);
    p.width = 0;
    ImageSurface view(QSize(100, 100)), rows(QSize(20, 100), kStripBack);
    drawCrossword(p, view, &rows, nullptr, options());
    QCOMPARE(countOtherThan(view.image(), view.image().rect(), kBackground), 0);
    QCOMPARE(countOtherThan(rows.image(), rows.image().rect(), kStripBack), 0);

    // An empty surface is left empty.
    CrosswordData q = puzzleOf(5, 5);
    ImageSurface none(QSize(0, 0));
    drawCrossword(q, none, nullptr, nullptr, options());
    QVERIFY(none.image().isNull());
}

void TestDrawing::renderedImageLeavesPuzzleUnchanged()
{
    CrosswordData p = puzzleOf(6, 6);
    place(p, 1, 1, QStringLiteral("TEST"), Direction::Across);
    const CrosswordData before = p;
    const QImage image = renderCrosswordImage(p, defaultPictureSize(p), options());
    QCOMPARE(p, before);
    QCOMPARE(image.size(), QSize(180, 180));
    QCOMPARE(pixel(image, 30 + 27, 30 + 27), kSquares);
    QCOMPARE(pixel(image, 15, 15), kBackground);
    QCOMPARE(pixel(image, 15, 30), kGridLines);
}

void TestDrawing::wordsReachingOutsideTheGridAreClipped()
{
    // A puzzle file may hold words that do not fit its grid; the drawing clips them.
    CrosswordData p = puzzleOf(5, 5);
    place(p, 3, 1, QStringLiteral("LONGER"), Direction::Across);
    place(p, -2, 3, QStringLiteral("EDGE"), Direction::Across);
    const QImage image = draw(p, QSize(150, 150), options());
    QCOMPARE(image.size(), QSize(150, 150));
    QCOMPARE(pixel(image, 4 * 30 + 27, 30 + 27), kSquares); // (4, 1), last inside
    QCOMPARE(pixel(image, 30 + 27, 3 * 30 + 27), kSquares); // (1, 3), letter 3 of EDGE
    QCOMPARE(pixel(image, 2 * 30 + 15, 3 * 30 + 15), kBackground);
}

void TestDrawing::paintingOnAnyPainterMatchesTheView_data()
{
    QTest::addColumn<bool>("outline");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("grid lines, letters") << false << false;
    QTest::newRow("grid lines, hidden answers") << false << true;
    QTest::newRow("outline, letters") << true << false;
}

void TestDrawing::paintingOnAnyPainterMatchesTheView()
{
    QFETCH(bool, outline);
    QFETCH(bool, hidden);
    CrosswordData p = puzzleOf(8, 6);
    place(p, 0, 0, QStringLiteral("PRINTED"), Direction::Across);
    place(p, 0, 0, QStringLiteral("PAGE"), Direction::Down);
    place(p, 6, 0, QStringLiteral("DOTS"), Direction::Down);
    numberSquares(p);
    DrawOptions o = options();
    o.outlineMode = outline;
    o.answersHidden = hidden;
    const QImage view = draw(p, QSize(317, 251), o);

    QImage painted(QSize(317, 251), QImage::Format_RGB32);
    painted.setDotsPerMeterX(3780);
    painted.setDotsPerMeterY(3780);
    painted.fill(Qt::green);
    QPainter painter(&painted);
    paintCrossword(painter, p, painted.size(), o, kFore, 1.0);
    painter.end();
    QCOMPARE(painted, view);
}

void TestDrawing::scaledPaintingWidensLinesAndKeepsFontSizes()
{
    // Three device units a screen pixel: lines three units wide, and letters as large
    // relative to the square as on screen.
    CrosswordData p = puzzleOf(5, 5);
    place(p, 0, 2, QStringLiteral("WIDE"), Direction::Across);
    numberSquares(p);
    QImage screen(QSize(150, 150), QImage::Format_RGB32);
    screen.setDotsPerMeterX(3780);
    screen.setDotsPerMeterY(3780);
    QImage paper(QSize(450, 450), QImage::Format_RGB32);
    paper.setDotsPerMeterX(3 * 3780);
    paper.setDotsPerMeterY(3 * 3780);
    {
        QPainter a(&screen);
        paintCrossword(a, p, screen.size(), options(), kFore, 1.0);
        QPainter b(&paper);
        paintCrossword(b, p, paper.size(), options(), kFore, 3.0);
    }
    // Horizontal line at row 1: y 90 .. 92 on paper, background just below.
    for (int y = 90; y < 93; ++y)
        QCOMPARE(pixel(paper, 45, y), kGridLines);
    QCOMPARE(pixel(paper, 45, 93), kBackground);
    QCOMPARE(pixel(paper, 45, 89), kBackground);
    // Bottom border inside the picture, three units high.
    QCOMPARE(pixel(paper, 45, 449), kGridLines);
    QCOMPARE(pixel(paper, 45, 447), kGridLines);
    QCOMPARE(pixel(paper, 45, 446), kBackground);
    // The letter W in square (0, 2) covers three times the width it covers on screen.
    const QRect screenInk = inkBox(screen, QRect(2, 62, 26, 26), kSquares);
    const QRect paperInk = inkBox(paper, QRect(6, 186, 78, 78), kSquares);
    QVERIFY(!screenInk.isEmpty());
    QVERIFY2(qAbs(paperInk.width() - 3 * screenInk.width()) <= 4,
             qPrintable(QStringLiteral("%1 vs %2").arg(paperInk.width()).arg(screenInk.width())));
}

void TestDrawing::paintingStaysInsideItsRectangle()
{
    CrosswordData p = puzzleOf(4, 4);
    place(p, 2, 1, QStringLiteral("OVERHANG"), Direction::Across);
    numberSquares(p);
    QImage page(QSize(200, 200), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.translate(40, 50);
    paintCrossword(painter, p, QSize(100, 80), options(), kFore, 1.0);
    painter.end();
    QCOMPARE(countOtherThan(page, QRect(0, 0, 200, 50), Qt::white), 0);
    QCOMPARE(countOtherThan(page, QRect(0, 130, 200, 70), Qt::white), 0);
    QCOMPARE(countOtherThan(page, QRect(0, 50, 40, 80), Qt::white), 0);
    QCOMPARE(countOtherThan(page, QRect(140, 50, 60, 80), Qt::white), 0);
    QCOMPARE(pixel(page, 40 + 97, 50 + 37), kSquares); // (3, 1), inside
}

void TestDrawing::paperLinesStayVisibleWhenScaledDown_data()
{
    QTest::addColumn<bool>("outline");
    QTest::newRow("grid lines") << false;
    QTest::newRow("outlined squares") << true;
}

void TestDrawing::paperLinesStayVisibleWhenScaledDown()
{
    // A print preview shows a 1200 dpi page at a twentieth of its size: a line 12 units
    // wide becomes 0.6 pixels and must still show wherever it falls between pixels.
    QFETCH(bool, outline);
    CrosswordData p = puzzleOf(5, 5);
    for (int row = 0; row < 5; ++row)
        place(p, 0, row, QStringLiteral("ABCDE"), Direction::Across);
    numberSquares(p);
    DrawOptions o = options();
    o.outlineMode = outline;
    o.answersHidden = true;
    QImage preview(QSize(210, 210), QImage::Format_RGB32);
    preview.fill(Qt::white);
    QPainter painter(&preview);
    painter.scale(0.05, 0.05);
    paintCrossword(painter, p, QSize(4035, 4035), o, kFore, 12.5);
    painter.end();
    QCOMPARE(pixel(preview, 30, 60), kSquares); // inside a square
    for (int r = 1; r < 5; ++r) {
        // Row edge r lies at 40.35 r pixels (one line up in outline mode).
        const double y = r * 40.35 - (outline ? 0.6 : 0);
        int found = 0;
        for (int py = int(y) - 1; py <= int(y) + 2; ++py)
            found += pixel(preview, 30, py) != kSquares; // the line, maybe blended
        QVERIFY2(found > 0, qPrintable(QStringLiteral("row edge %1 vanished").arg(r)));
        int foundColumn = 0;
        for (int px = int(y) - 1; px <= int(y) + 2; ++px)
            foundColumn += pixel(preview, px, 30) != kSquares;
        QVERIFY2(foundColumn > 0, qPrintable(QStringLiteral("column edge %1 vanished").arg(r)));
    }
}

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
