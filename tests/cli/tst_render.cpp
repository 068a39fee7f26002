// SPDX-License-Identifier: MIT
#include "clirun.h"
#include "crosswordfile.h"
#include "gridedit.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace Velloquin;

namespace {

const QColor kDefaultBackground(0, 0, 0);
const QColor kDefaultGridLines(97, 97, 97);
const QColor kDefaultSquares(255, 255, 255);

} // namespace

class TestCliRender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printsCluesWithCrLf();
    void rendersThirtyPixelsASquare();
    void rendersAtGivenSize();
    void hidesAnswers();
    void outlineModeDrawsNoGridLines();
    void takesColorNumbers_data();
    void takesColorNumbers();
    void writesStandardBitmap();
    void rejectsBadInvocations_data();
    void rejectsBadInvocations();

private:
    QTemporaryDir m_dir;
    QString m_puzzle;
};

void TestCliRender::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // 6 x 5 squares: PET across at (1, 1), PIG down from the same square, OWL across at (3, 3).
    CrosswordData p;
    newCrossword(p, 6, 5);
    QVERIFY(addWord(p, 1, 1, QStringLiteral("PET"), Direction::Across,
                    QStringLiteral("Animal at home"), true, PlacementCheck::ApplyRules)
                .ok());
    QVERIFY(addWord(p, 1, 1, QStringLiteral("PIG"), Direction::Down,
                    QStringLiteral("Oinker\r\n(3)"), true, PlacementCheck::ApplyRules)
                .ok());
    QVERIFY(addWord(p, 3, 4, QStringLiteral("OWL"), Direction::Across, QString(), true,
                    PlacementCheck::ApplyRules)
                .ok());
    m_puzzle = m_dir.filePath(QStringLiteral("pets.cwd"));
    QVERIFY(saveCrosswordFile(m_puzzle, p, newExtraWords()).ok());
}

void TestCliRender::printsCluesWithCrLf()
{
    const CliRun run = runCli({QStringLiteral("clues"), m_puzzle});
    QCOMPARE(run.exitCode, 0);
    // Numbers come from the squares (the file keeps none); the empty clue ends in " - ".
    QCOMPARE(run.outBytes, QByteArray("ACROSS\r\n1 - Animal at home\r\n2 - \r\n\r\n"
                                      "DOWN\r\n1 - Oinker\r\n(3)\r\n"));
    QCOMPARE(run.errBytes, QByteArray());
}

void TestCliRender::rendersThirtyPixelsASquare()
{
    const QString out = m_dir.filePath(QStringLiteral("default.png"));
    const CliRun run = runCli({QStringLiteral("render"), m_puzzle, out});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errBytes, QByteArray());
    const QImage image(out);
    QCOMPARE(image.size(), QSize(180, 150));
    QCOMPARE(image.pixelColor(15 + 150, 15), kDefaultBackground);  // square (5, 0)
    QCOMPARE(image.pixelColor(30 + 27, 30 + 27), kDefaultSquares); // square (1, 1)
    QCOMPARE(image.pixelColor(30 + 27, 90 + 27), kDefaultSquares); // square (1, 3)
    QCOMPARE(image.pixelColor(150 + 15, 90), kDefaultGridLines);   // line at row 3
    QCOMPARE(image.pixelColor(179, 15), kDefaultGridLines);        // right border
    QCOMPARE(image.pixelColor(15, 149), kDefaultGridLines);        // bottom border
}

void TestCliRender::rendersAtGivenSize()
{
    const QString out = m_dir.filePath(QStringLiteral("sized.png"));
    const CliRun run =
        runCli({QStringLiteral("render"), m_puzzle, out, QStringLiteral("--width-px"),
                QStringLiteral("300"), QStringLiteral("--height-px"), QStringLiteral("100")});
    QCOMPARE(run.exitCode, 0);
    const QImage image(out);
    QCOMPARE(image.size(), QSize(300, 100));
    // Cells of 50 x 20: square (3, 4) of OWL.
    QCOMPARE(image.pixelColor(150 + 47, 80 + 18), kDefaultSquares);
    QCOMPARE(image.pixelColor(150 + 47, 60 + 18), kDefaultBackground);
}

void TestCliRender::hidesAnswers()
{
    const QString shown = m_dir.filePath(QStringLiteral("shown.png"));
    const QString hidden = m_dir.filePath(QStringLiteral("hidden.png"));
    QCOMPARE(runCli({QStringLiteral("render"), m_puzzle, shown}).exitCode, 0);
    QCOMPARE(runCli({QStringLiteral("render"), m_puzzle, hidden, QStringLiteral("--hide-answers")})
                 .exitCode,
             0);
    const QImage a(shown);
    const QImage b(hidden);
    // Square (2, 1), the E of PET: no number there, only its letter.
    int letterPixelsShown = 0;
    int letterPixelsHidden = 0;
    for (int y = 31; y < 60; ++y)
        for (int x = 61; x < 90; ++x) {
            letterPixelsShown += a.pixelColor(x, y) != kDefaultSquares;
            letterPixelsHidden += b.pixelColor(x, y) != kDefaultSquares;
        }
    QVERIFY(letterPixelsShown > 0);
    QCOMPARE(letterPixelsHidden, 0);
}

void TestCliRender::outlineModeDrawsNoGridLines()
{
    const QString out = m_dir.filePath(QStringLiteral("outline.png"));
    const CliRun run = runCli({QStringLiteral("render"), m_puzzle, out, QStringLiteral("--outline"),
                               QStringLiteral("--hide-answers")});
    QCOMPARE(run.exitCode, 0);
    const QImage image(out);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY(image.pixelColor(x, y) != kDefaultGridLines);
    QCOMPARE(image.pixelColor(15 + 150, 90), kDefaultBackground);
    QCOMPARE(image.pixelColor(29, 45), QColor(Qt::black)); // PIG's left border, x1 - 1
}

void TestCliRender::takesColorNumbers_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("background red") << "--background"
                                    << "255" << QPoint(165, 15) << QColor(255, 0, 0);
    QTest::newRow("squares green") << "--squares"
                                   << "65280" << QPoint(57, 57) << QColor(0, 255, 0);
    QTest::newRow("grid lines blue") << "--gridlines"
                                     << "16711680" << QPoint(165, 90) << QColor(0, 0, 255);
    QTest::newRow("hexadecimal") << "--background"
                                 << "0x00FFFF" << QPoint(165, 15) << QColor(255, 255, 0);
}

void TestCliRender::takesColorNumbers()
{
    QFETCH(QString, option);
    QFETCH(QString, value);
    QFETCH(QPoint, where);
    QFETCH(QColor, expected);
    const QString out = m_dir.filePath(QStringLiteral("colour.png"));
    const CliRun run = runCli({QStringLiteral("render"), m_puzzle, out, option, value});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QImage(out).pixelColor(where), expected);
}

void TestCliRender::writesStandardBitmap()
{
    const QString out = m_dir.filePath(QStringLiteral("picture.bmp"));
    const CliRun run = runCli({QStringLiteral("render"), m_puzzle, out});
    QCOMPARE(run.exitCode, 0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    const auto *d = reinterpret_cast<const uchar *>(bytes.constData());
    QCOMPARE(qFromLittleEndian<qint32>(d + 18), 180);
    QCOMPARE(qFromLittleEndian<qint32>(d + 22), 150);
    QCOMPARE(qFromLittleEndian<quint16>(d + 28), quint16(24));
    QCOMPARE(QImage(out).pixelColor(57, 57), kDefaultSquares);
}

void TestCliRender::rejectsBadInvocations_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("clues without file") << QStringList{"clues"};
    QTest::newRow("no output") << QStringList{"render", "@puzzle"};
    QTest::newRow("other picture type") << QStringList{"render", "@puzzle", "@out.gif"};
    QTest::newRow("unknown option") << QStringList{"render", "@puzzle", "@out.png", "--big"};
    QTest::newRow("width without value")
        << QStringList{"render", "@puzzle", "@out.png", "--width-px"};
    QTest::newRow("zero width") << QStringList{"render", "@puzzle", "@out.png", "--width-px", "0"};
    QTest::newRow("huge height") << QStringList{"render", "@puzzle", "@out.png", "--height-px",
                                                "999999"};
    QTest::newRow("colour not a number")
        << QStringList{"render", "@puzzle", "@out.png", "--squares", "white"};
    QTest::newRow("colour out of range")
        << QStringList{"render", "@puzzle", "@out.png", "--squares", "99999999999"};
}

void TestCliRender::rejectsBadInvocations()
{
    QFETCH(QStringList, args);
    const QString out = m_dir.filePath(QStringLiteral("out.png"));
    QFile::remove(out);
    for (QString &a : args) {
        if (a == QLatin1String("@puzzle"))
            a = m_puzzle;
        else if (a.startsWith(QLatin1Char('@')))
            a = m_dir.filePath(a.mid(1));
    }
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.outBytes, QByteArray());
    QVERIFY(run.errBytes.startsWith("velloquin-cli: "));
    QCOMPARE(run.errBytes.count('\n'), 1);
    QVERIFY(!QFile::exists(out));
}

QTEST_MAIN(TestCliRender)
#include "tst_render.moc"
