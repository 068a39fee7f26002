// SPDX-License-Identifier: MIT
#include "pdftestutil.h"

#include "crossworddata.h"
#include "crosswordfile.h"
#include "gridedit.h"
#include "pdfworksheet.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace Velloquin;

namespace {

struct Entry
{
    int x;
    int y;
    const char *answer;
    Direction orientation;
    const char *clue;
};

// A small puzzle whose answers appear in no clue, title or subject.
const Entry kShort[] = {
    {0, 0, "BADGER", Direction::Across, "Striped digger"},
    {0, 0, "BEAVER", Direction::Down, "Builds dams"},
    {5, 0, "RACCOON", Direction::Down, "Masked bandit"},
    {2, 3, "OTTER", Direction::Across, "River swimmer"},
    {4, 3, "EMU", Direction::Down, "Tall bird of the outback"},
};

CrosswordData puzzleOf(const Entry *entries, int count, int width = 12, int height = 12)
{
    CrosswordData p;
    newCrossword(p, qint16(width), qint16(height));
    p.title = QStringLiteral("Woodland Quiz");
    p.subject = QStringLiteral("Class four");
    for (int i = 0; i < count; ++i) {
        const Entry &e = entries[i];
        const Result<> added =
            addWord(p, qint16(e.x), qint16(e.y), QLatin1String(e.answer), e.orientation,
                    QLatin1String(e.clue), false, PlacementCheck::SkipRules);
        if (!added.ok())
            qFatal("fixture word refused");
    }
    numberSquares(p);
    return p;
}

CrosswordData shortPuzzle()
{
    return puzzleOf(kShort, int(std::size(kShort)));
}

// Sixty words, every third with a clue long enough to wrap over several lines, and
// answers made of letters that appear in no clue text (all clues are lower case).
CrosswordData longPuzzle()
{
    CrosswordData p;
    newCrossword(p, 30, 30);
    p.title = QStringLiteral("Long List");
    p.subject = QStringLiteral("Many clues");
    for (int i = 0; i < 60; ++i) {
        const bool across = i % 2 == 0;
        const int lane = i / 2;
        const QString answer = QStringLiteral("WQ%1X").arg(QChar(u'A' + i % 26)) +
                               QString(i / 26 + 1, QLatin1Char('Z'));
        QString clue = QStringLiteral("clue number %1 of the list").arg(i + 1);
        if (i % 3 == 0)
            clue += QStringLiteral(" with a long tail of words that wraps onto a second and a "
                                   "third line of its column so the lists flow over pages");
        const Result<> added = addWord(p, qint16(across ? 0 : lane), qint16(across ? lane : 0),
                                       answer, across ? Direction::Across : Direction::Down, clue,
                                       false, PlacementCheck::SkipRules);
        if (!added.ok())
            qFatal("fixture word refused");
    }
    numberSquares(p);
    return p;
}

QPageLayout worksheetPage(QPageSize::PageSizeId paper)
{
    const qreal m = kWorksheetMarginMm;
    return QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(m, m, m, m),
                       QPageLayout::Millimeter);
}

// The layout as the PDF writer sees it.
WorksheetLayout pdfLayout(const CrosswordData &puzzle, const WorksheetOptions &options)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(worksheetPage(options.paper));
    return layoutWorksheet(puzzle, options, writer);
}

WorksheetOptions optionsFor(bool puzzle, bool key, QPageSize::PageSizeId paper = QPageSize::A4)
{
    WorksheetOptions o;
    o.paper = paper;
    o.puzzle = puzzle;
    o.answerKey = key;
    o.drawing = printDrawOptions();
    return o;
}

// What is left of a page's text once every text the worksheet may show besides the
// grid letters is taken out: headings, clues, numbers, the footer.
QString leftoverText(QString text, const CrosswordData &p)
{
    QStringList known{p.title,
                      p.subject,
                      QStringLiteral("ACROSS (continued)"),
                      QStringLiteral("DOWN (continued)"),
                      QStringLiteral("ACROSS"),
                      QStringLiteral("DOWN"),
                      QStringLiteral("Page"),
                      QStringLiteral("of")};
    for (const GridWord &w : p.words)
        known << w.clue;
    std::sort(known.begin(), known.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    for (const QString &k : known) {
        if (!k.isEmpty())
            text.remove(k);
    }
    static const QRegularExpression digitsAndMarks(QStringLiteral("[\\d.\\s]"));
    return text.remove(digitsAndMarks);
}

} // namespace

class TestPdfWorksheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageCountFollowsPartsAndListLength_data();
    void pageCountFollowsPartsAndListLength();
    void puzzlePagesShowEveryClueAndNoAnswer_data();
    void puzzlePagesShowEveryClueAndNoAnswer();
    void keyPagesShowEveryClueWithItsAnswer();
    void pageSizeIsTheOneChosen_data();
    void pageSizeIsTheOneChosen();
    void gridIsDrawnAsVectorsWithFontsEmbedded();
    void cluesFollowSquareNumbers();
    void longListsFlowWithoutOverlap_data();
    void longListsFlowWithoutOverlap();
    void clueLongerThanAPageIsSplitNotLost();
    void clueLineBreaksAndEmptyCluesSurvive();
    void gridIsCutToTheWordsAndFitsTheWidth();
    void refusesAndLeavesExistingFile_data();
    void refusesAndLeavesExistingFile();
    void printsThroughAPrinterInPdfMode();
    void closedInSquareDoesNotLookLikeALetterSquare();
    void squareNumbersAreLegibleOnPaper();
    void eachPartNumbersItsOwnPages();
    void controlCharactersAreDropped();
    void tenMegabyteClueIsWritten();

private:
    QString write(const CrosswordData &p, const WorksheetOptions &o, const QString &name);
    QTemporaryDir m_dir;
};

void TestPdfWorksheet::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (!pdftest::popplerAvailable())
        QSKIP("poppler-utils (pdfinfo, pdftotext, pdfimages, pdffonts, pdftoppm) is not installed");
}

QString TestPdfWorksheet::write(const CrosswordData &p, const WorksheetOptions &o,
                                const QString &name)
{
    const QString path = m_dir.filePath(name);
    const Result<> written = writePdfWorksheet(path, p, o);
    if (!written.ok())
        qWarning() << written.message().text;
    return written.ok() ? path : QString();
}

void TestPdfWorksheet::pageCountFollowsPartsAndListLength_data()
{
    QTest::addColumn<bool>("longList");
    QTest::addColumn<bool>("puzzle");
    QTest::addColumn<bool>("key");
    QTest::addColumn<int>("minPuzzlePages");
    QTest::addColumn<int>("minKeyPages");
    QTest::addColumn<int>("maxPages");
    QTest::newRow("short, puzzle and key") << false << true << true << 1 << 1 << 2;
    QTest::newRow("short, puzzle only") << false << true << false << 1 << 0 << 1;
    QTest::newRow("short, key only") << false << false << true << 0 << 1 << 1;
    QTest::newRow("long, puzzle and key") << true << true << true << 2 << 2 << 8;
    QTest::newRow("long, puzzle only") << true << true << false << 2 << 0 << 4;
}

void TestPdfWorksheet::pageCountFollowsPartsAndListLength()
{
    QFETCH(bool, longList);
    QFETCH(bool, puzzle);
    QFETCH(bool, key);
    QFETCH(int, minPuzzlePages);
    QFETCH(int, minKeyPages);
    QFETCH(int, maxPages);
    const CrosswordData p = longList ? longPuzzle() : shortPuzzle();
    const WorksheetOptions o = optionsFor(puzzle, key);
    const WorksheetLayout layout = pdfLayout(p, o);
    QVERIFY(layout.puzzlePages >= minPuzzlePages);
    QVERIFY(layout.keyPages >= minKeyPages);
    QCOMPARE(layout.puzzlePages > 0, puzzle);
    QCOMPARE(layout.keyPages > 0, key);
    QVERIFY(layout.pageCount <= maxPages);
    if (!longList)
        QCOMPARE(layout.pageCount, int(puzzle) + int(key));

    const QString path = write(p, o, QStringLiteral("count.pdf"));
    QVERIFY(!path.isEmpty());
    QCOMPARE(pdftest::pageCount(path), layout.pageCount);
}

void TestPdfWorksheet::puzzlePagesShowEveryClueAndNoAnswer_data()
{
    QTest::addColumn<bool>("longList");
    QTest::newRow("short") << false;
    QTest::newRow("long") << true;
}

void TestPdfWorksheet::puzzlePagesShowEveryClueAndNoAnswer()
{
    QFETCH(bool, longList);
    const CrosswordData p = longList ? longPuzzle() : shortPuzzle();
    const WorksheetOptions o = optionsFor(true, true);
    const WorksheetLayout layout = pdfLayout(p, o);
    const QString path = write(p, o, QStringLiteral("puzzle.pdf"));
    QVERIFY(!path.isEmpty());

    QString puzzleText;
    for (int page = 1; page <= layout.puzzlePages; ++page)
        puzzleText += pdftest::pageText(path, page) + QLatin1Char(' ');
    const QString first = pdftest::pageText(path, 1);
    QVERIFY2(first.startsWith(p.title + QLatin1Char(' ') + p.subject), qPrintable(first));
    for (const GridWord &w : p.words) {
        QVERIFY2(puzzleText.contains(w.clue), qPrintable(w.clue));
        QVERIFY2(!puzzleText.contains(w.answer, Qt::CaseInsensitive), qPrintable(w.answer));
    }
    // Not a single grid letter: take out every known text and only numbers remain.
    QCOMPARE(leftoverText(puzzleText, p), QString());
}

void TestPdfWorksheet::keyPagesShowEveryClueWithItsAnswer()
{
    const CrosswordData p = longPuzzle();
    const WorksheetOptions o = optionsFor(true, true);
    const WorksheetLayout layout = pdfLayout(p, o);
    const QString path = write(p, o, QStringLiteral("key.pdf"));
    QVERIFY(!path.isEmpty());
    QString keyText;
    for (int page = layout.puzzlePages + 1; page <= layout.pageCount; ++page)
        keyText += pdftest::pageText(path, page) + QLatin1Char(' ');
    QVERIFY(keyText.contains(QStringLiteral("answer key")));
    for (const GridWord &w : p.words) {
        const QString line = w.clue + QLatin1Char(' ') + w.answer;
        QVERIFY2(keyText.contains(line), qPrintable(line));
    }
    // The grid with its letters is there too: more letters than the lists hold.
    QVERIFY(!leftoverText(keyText, p).isEmpty());
}

void TestPdfWorksheet::pageSizeIsTheOneChosen_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<QString>("size");
    QTest::newRow("A4") << int(QPageSize::A4) << QStringLiteral("595 x 842");
    QTest::newRow("Letter") << int(QPageSize::Letter) << QStringLiteral("612 x 792");
}

void TestPdfWorksheet::pageSizeIsTheOneChosen()
{
    QFETCH(int, paper);
    QFETCH(QString, size);
    const WorksheetOptions o = optionsFor(true, true, QPageSize::PageSizeId(paper));
    const QString path = write(longPuzzle(), o, QStringLiteral("size.pdf"));
    QVERIFY(!path.isEmpty());
    const int pages = pdftest::pageCount(path);
    QVERIFY(pages >= 4);
    for (int page = 1; page <= pages; ++page)
        QCOMPARE(pdftest::pageSize(path, page), size);
}

void TestPdfWorksheet::gridIsDrawnAsVectorsWithFontsEmbedded()
{
    const QString path = write(shortPuzzle(), optionsFor(true, true), QStringLiteral("vec.pdf"));
    QVERIFY(!path.isEmpty());
    QCOMPARE(pdftest::imageCount(path), 0);
    const QStringList fonts = pdftest::fonts(path);
    QVERIFY(!fonts.isEmpty());
    for (const QString &font : fonts) {
        // Columns: name type encoding emb sub uni object ID; the type may hold blanks.
        const QStringList columns = font.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY2(columns.size() >= 6, qPrintable(font));
        QVERIFY2(columns.at(columns.size() - 5) == QLatin1String("yes"), qPrintable(font));
    }
}

void TestPdfWorksheet::cluesFollowSquareNumbers()
{
    // Listed out of number order in the puzzle; the sheet orders them by number.
    const Entry entries[] = {
        {4, 4, "SLOTH", Direction::Across, "third clue slow mover"},
        {0, 0, "LYNX", Direction::Across, "first clue wild cat"},
        {2, 2, "MOLE", Direction::Across, "second clue burrower"},
    };
    const CrosswordData p = puzzleOf(entries, 3);
    const QString path = write(p, optionsFor(true, false), QStringLiteral("order.pdf"));
    QVERIFY(!path.isEmpty());
    const QString text = pdftest::pageText(path, 1);
    const qsizetype first = text.indexOf(QStringLiteral("1. first clue"));
    const qsizetype second = text.indexOf(QStringLiteral("2. second clue"));
    const qsizetype third = text.indexOf(QStringLiteral("3. third clue"));
    QVERIFY2(first >= 0 && first < second && second < third, qPrintable(text));
}

void TestPdfWorksheet::longListsFlowWithoutOverlap_data()
{
    QTest::addColumn<int>("paper");
    QTest::newRow("A4") << int(QPageSize::A4);
    QTest::newRow("Letter") << int(QPageSize::Letter);
}

void TestPdfWorksheet::longListsFlowWithoutOverlap()
{
    QFETCH(int, paper);
    const CrosswordData p = longPuzzle();
    const WorksheetLayout layout =
        pdfLayout(p, optionsFor(true, true, QPageSize::PageSizeId(paper)));
    QVERIFY(layout.pageCount >= 4);
    const QRectF area = layout.area.adjusted(-0.5, -0.5, 0.5, 0.5);
    for (int i = 0; i < layout.blocks.size(); ++i) {
        const WorksheetBlock &a = layout.blocks.at(i);
        QVERIFY(a.page >= 0 && a.page < layout.pageCount);
        QVERIFY2(area.contains(a.rect), qPrintable(QStringLiteral("block %1 off the page").arg(i)));
        QCOMPARE(a.answerKey, a.page >= layout.puzzlePages);
        for (int j = i + 1; j < layout.blocks.size(); ++j) {
            const WorksheetBlock &b = layout.blocks.at(j);
            if (a.page == b.page)
                QVERIFY2(!a.rect.intersects(b.rect),
                         qPrintable(QStringLiteral("blocks %1 and %2 overlap").arg(i).arg(j)));
        }
    }
    // Every word once in each part, its lines in order with none left out.
    for (bool key : {false, true}) {
        QList<int> nextLine(p.words.size(), 0);
        for (const WorksheetBlock &b : layout.blocks) {
            if (b.kind != WorksheetBlock::Clue || b.answerKey != key)
                continue;
            QCOMPARE(b.firstLine, nextLine[b.word]);
            QVERIFY(b.lineCount > 0);
            nextLine[b.word] += b.lineCount;
        }
        for (int w = 0; w < p.words.size(); ++w)
            QVERIFY2(nextLine.at(w) >= 1, qPrintable(p.words.at(w).clue));
    }
}

void TestPdfWorksheet::clueLongerThanAPageIsSplitNotLost()
{
    CrosswordData p = shortPuzzle();
    QString huge;
    for (int i = 0; i < 700; ++i)
        huge += QStringLiteral("part%1 ").arg(i);
    p.words[1].clue = huge.trimmed();
    const WorksheetOptions o = optionsFor(true, false);
    const WorksheetLayout layout = pdfLayout(p, o);
    QVERIFY(layout.pageCount >= 2);
    int pieces = 0;
    for (const WorksheetBlock &b : layout.blocks)
        pieces += b.kind == WorksheetBlock::Clue && b.word == 1;
    QVERIFY(pieces >= 2);

    const QString path = write(p, o, QStringLiteral("huge.pdf"));
    QVERIFY(!path.isEmpty());
    QString text;
    for (int page = 1; page <= layout.pageCount; ++page)
        text += pdftest::pageText(path, page) + QLatin1Char(' ');
    for (int i = 0; i < 700; i += 7)
        QVERIFY2(text.contains(QStringLiteral("part%1 ").arg(i)), qPrintable(QString::number(i)));
}

void TestPdfWorksheet::clueLineBreaksAndEmptyCluesSurvive()
{
    CrosswordData p = shortPuzzle();
    p.words[0].clue = QStringLiteral("upper line\r\nlower line");
    p.words[2].clue.clear();
    const QString path = write(p, optionsFor(true, true), QStringLiteral("breaks.pdf"));
    QVERIFY(!path.isEmpty());
    const QString puzzle = pdftest::pageText(path, 1);
    QVERIFY2(puzzle.contains(QStringLiteral("upper line lower line")), qPrintable(puzzle));
    const QString key = pdftest::pageText(path, 2);
    QVERIFY2(key.contains(QStringLiteral("lower line BADGER")), qPrintable(key));
    // The clueless word still shows its number and, on the key, its answer.
    const QString number = QString::number(p.words[2].number) + QLatin1Char('.');
    QVERIFY2(key.contains(number + QLatin1Char(' ') + QStringLiteral("RACCOON")), qPrintable(key));
}

void TestPdfWorksheet::gridIsCutToTheWordsAndFitsTheWidth()
{
    // Words in the middle of a large grid: the sheet shows just their rows and columns.
    const Entry entries[] = {{10, 12, "HERON", Direction::Across, "wader"},
                             {10, 12, "HAWK", Direction::Down, "raptor"}};
    const CrosswordData p = puzzleOf(entries, 2, 40, 40);
    const WorksheetLayout layout = pdfLayout(p, optionsFor(true, true));
    QList<QRectF> grids;
    for (const WorksheetBlock &b : layout.blocks) {
        if (b.kind == WorksheetBlock::Grid)
            grids << b.rect;
    }
    QCOMPARE(grids.size(), 2);
    // Five columns by four rows, square, at most 9 mm a square on the puzzle page.
    const qreal perMm = layout.area.width() / (210.0 - 2 * kWorksheetMarginMm);
    QCOMPARE(qRound(grids[0].width() * 4), qRound(grids[0].height() * 5));
    QVERIFY(grids[0].width() / 5 <= 9.0 * perMm + 1);
    QVERIFY(grids[0].width() / 5 >= 8.5 * perMm);
    // The key's grid is smaller, and both are centred.
    QVERIFY(grids[1].width() < grids[0].width());
    for (const QRectF &g : grids)
        QVERIFY(qAbs(g.center().x() - layout.area.center().x()) <= 1);

    // A very wide grid is scaled down to the text width.
    const Entry wide[] = {
        {0, 0, "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN", Direction::Across, "alphabet"}};
    const WorksheetLayout wideLayout = pdfLayout(puzzleOf(wide, 1, 40, 3), optionsFor(true, false));
    for (const WorksheetBlock &b : wideLayout.blocks) {
        if (b.kind == WorksheetBlock::Grid)
            QVERIFY(b.rect.width() <= wideLayout.area.width());
    }
}

void TestPdfWorksheet::refusesAndLeavesExistingFile_data()
{
    QTest::addColumn<QString>("target"); // relative to the test folder; "" for none
    QTest::addColumn<bool>("puzzle");
    QTest::addColumn<bool>("key");
    QTest::newRow("nothing chosen") << QStringLiteral("keep.pdf") << false << false;
    QTest::newRow("no file name") << QString() << true << true;
    QTest::newRow("a folder") << QStringLiteral("folder") << true << true;
    QTest::newRow("missing folder") << QStringLiteral("missing/out.pdf") << true << true;
}

void TestPdfWorksheet::refusesAndLeavesExistingFile()
{
    QFETCH(QString, target);
    QFETCH(bool, puzzle);
    QFETCH(bool, key);
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder")));
    const QString keep = m_dir.filePath(QStringLiteral("keep.pdf"));
    {
        QFile f(keep);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("earlier content");
    }
    const QString path = target.isEmpty() ? QString() : m_dir.filePath(target);
    const Result<> r = writePdfWorksheet(path, shortPuzzle(), optionsFor(puzzle, key));
    QVERIFY(!r.ok());
    QCOMPARE(r.message().title, kWorksheetErrorTitle);
    QVERIFY(!r.message().text.isEmpty());
    QFile f(keep);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("earlier content"));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("missing/out.pdf"))));
}

void TestPdfWorksheet::printsThroughAPrinterInPdfMode()
{
    const CrosswordData p = shortPuzzle();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = m_dir.filePath(QStringLiteral("printed.pdf"));
    printer.setOutputFileName(path);
    printer.setPageLayout(worksheetPage(QPageSize::Letter));
    QPainter painter;
    QVERIFY(painter.begin(&printer));
    QVERIFY(paintWorksheet(painter, printer, p, optionsFor(false, true)));
    painter.end();

    QCOMPARE(pdftest::pageCount(path), 1);
    QCOMPARE(pdftest::pageSize(path, 1), QStringLiteral("612 x 792"));
    const QString text = pdftest::pageText(path, 1);
    QVERIFY2(text.startsWith(p.title + QStringLiteral(" \u2013 answer key")), qPrintable(text));
    for (const GridWord &w : p.words)
        QVERIFY2(text.contains(w.clue + QLatin1Char(' ') + w.answer), qPrintable(w.clue));
    QCOMPARE(pdftest::imageCount(path), 0);
}

void TestPdfWorksheet::closedInSquareDoesNotLookLikeALetterSquare()
{
    // In this puzzle the square right of and below "1" belongs to no word, but CAT,
    // COW, TOAD and WHALE close it in on all four sides.
    const Result<CrosswordFileContent> file =
        loadCrosswordFile(QStringLiteral(VELLOQUIN_TESTDATA "/window_zoo.cwd"), 16, 16);
    QVERIFY(file.ok());
    CrosswordData p = file.value().puzzle;
    numberSquares(p);
    const WorksheetOptions o = optionsFor(true, true);
    const WorksheetLayout layout = pdfLayout(p, o);
    const QString path = write(p, o, QStringLiteral("zoo.pdf"));
    QVERIFY(!path.isEmpty());

    constexpr int dpi = 100;
    const qreal unitsPerMm = layout.area.width() / (210.0 - 2 * kWorksheetMarginMm);
    const auto pixel = [&](qreal units) {
        return qRound((kWorksheetMarginMm + units / unitsPerMm) * dpi / 25.4);
    };
    for (int page : {1, 2}) {
        const QString png = m_dir.filePath(QStringLiteral("zoo-%1").arg(page));
        pdftest::run(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                      QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-f"),
                      QString::number(page), QStringLiteral("-l"), QString::number(page), path,
                      png});
        const QImage image(png + QStringLiteral(".png"));
        QVERIFY(!image.isNull());
        QRectF grid;
        for (const WorksheetBlock &b : layout.blocks) {
            if (b.kind == WorksheetBlock::Grid && b.page == page - 1)
                grid = b.rect;
        }
        QVERIFY(!grid.isEmpty());
        const qreal side = grid.width() / 9; // the words use nine columns
        // A point of the square clear of its number, letter and borders.
        const auto shade = [&](int x, int y) {
            return qGray(image.pixel(pixel(grid.left() + (x + 0.2) * side),
                                     pixel(grid.top() + (y + 0.8) * side)));
        };
        QVERIFY2(shade(1, 0) > 230, "the letter square of A is white");
        QVERIFY2(shade(1, 1) < 160, qPrintable(QStringLiteral("page %1: the closed-in square "
                                                              "is as light as %2")
                                                   .arg(page)
                                                   .arg(shade(1, 1))));
        QVERIFY2(shade(5, 0) > 230, "the open paper beside the grid stays white");
    }
}

void TestPdfWorksheet::squareNumbersAreLegibleOnPaper()
{
    // Thirty by thirty squares; the square numbers compared with the 10-point clue text.
    const CrosswordData p = longPuzzle();
    const WorksheetOptions o = optionsFor(true, true);
    const WorksheetLayout layout = pdfLayout(p, o);
    const QString path = write(p, o, QStringLiteral("numbers.pdf"));
    QVERIFY(!path.isEmpty());
    static const QRegularExpression word(
        QStringLiteral("yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">([^<]*)<"));
    for (int page : {1, layout.puzzlePages + 1}) {
        const QString boxes =
            pdftest::run(QStringLiteral("pdftotext"),
                         {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                          QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
        qreal clueHeight = 0;
        qreal smallestNumber = 1000;
        int numbers = 0;
        for (auto it = word.globalMatch(boxes); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const qreal height = m.captured(2).toDouble() - m.captured(1).toDouble();
            if (m.captured(3) == QLatin1String("clue"))
                clueHeight = height;
            bool digits = false;
            m.captured(3).toInt(&digits);
            if (digits) {
                smallestNumber = std::min(smallestNumber, height);
                ++numbers;
            }
        }
        QVERIFY(clueHeight > 0);
        QVERIFY2(numbers >= 30, qPrintable(QString::number(numbers)));
        const qreal points = 10 * smallestNumber / clueHeight;
        QVERIFY2(points >= 5.9,
                 qPrintable(
                     QStringLiteral("page %1: square numbers of %2 points").arg(page).arg(points)));
    }
}

void TestPdfWorksheet::eachPartNumbersItsOwnPages()
{
    const CrosswordData p = longPuzzle();
    const WorksheetOptions o = optionsFor(true, true);
    const WorksheetLayout layout = pdfLayout(p, o);
    QVERIFY(layout.puzzlePages >= 2 && layout.keyPages >= 2);
    const QString path = write(p, o, QStringLiteral("parts.pdf"));
    QVERIFY(!path.isEmpty());
    for (int page = 1; page <= layout.pageCount; ++page) {
        const QString text = pdftest::pageText(path, page);
        const bool key = page > layout.puzzlePages;
        const QString footer =
            key ? QStringLiteral("Answer key, page %1 of %2")
                      .arg(page - layout.puzzlePages)
                      .arg(layout.keyPages)
                : QStringLiteral("Page %1 of %2").arg(page).arg(layout.puzzlePages);
        QVERIFY2(text.endsWith(footer), qPrintable(text.right(60)));
        // A key page after the first says so at its top, too.
        if (key && page > layout.puzzlePages + 1)
            QVERIFY2(text.startsWith(QStringLiteral("Answer key: ")), qPrintable(text.left(60)));
    }
}

void TestPdfWorksheet::controlCharactersAreDropped()
{
    CrosswordData p = shortPuzzle();
    p.title = QStringLiteral("Wood\x01land Quiz");
    p.words[3].clue = QStringLiteral("River\x07 \x1bswimmer\x7f");
    const QString path = write(p, optionsFor(true, false), QStringLiteral("control.pdf"));
    QVERIFY(!path.isEmpty());
    const QString text = pdftest::pageText(path, 1);
    QVERIFY2(text.startsWith(QStringLiteral("Woodland Quiz")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("River swimmer")), qPrintable(text));
    QCOMPARE(pdftest::info(path, QStringLiteral("Title")), QStringLiteral("Woodland Quiz"));
}

void TestPdfWorksheet::tenMegabyteClueIsWritten()
{
    // Laying the clue out again for every page it spans took hours at this size; done
    // once, it finishes well inside the test's time limit (bench_worksheet times it).
    // Past some 8 MB the text layout's own line positions overflow.
#ifdef __SANITIZE_ADDRESS__
    // The sanitizer's allocator makes the PDF writer's thousands of page buffers ten
    // times slower; a clue over hundreds of pages still checks the painting of its
    // pieces, and the plain build writes the full size.
    constexpr qsizetype size = 1'000'000;
#else
    constexpr qsizetype size = 10'000'000;
#endif
    CrosswordData p = shortPuzzle();
    QString clue;
    clue.reserve(size + 100);
    while (clue.size() < size)
        clue += QStringLiteral("plain words of a pasted text ");
    clue += QStringLiteral("lastword");
    p.words[1].clue = clue;
    const QString path = write(p, optionsFor(true, false), QStringLiteral("tenmegabytes.pdf"));
    QVERIFY(!path.isEmpty());
    const int pages = pdftest::pageCount(path);
    QVERIFY2(pages > size / 10'000, qPrintable(QString::number(pages)));
    // Nothing of the clue is lost: its end comes just before the clues that follow it.
    const QString tail =
        pdftest::pageText(path, pages - 1) + QLatin1Char(' ') + pdftest::pageText(path, pages);
    QVERIFY2(tail.contains(QStringLiteral("lastword")), qPrintable(tail.right(300)));
    QVERIFY(tail.indexOf(QStringLiteral("lastword")) < tail.indexOf(p.words[2].clue));
}

QTEST_MAIN(TestPdfWorksheet)
#include "tst_pdfworksheet.moc"
