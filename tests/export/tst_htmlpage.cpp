// SPDX-License-Identifier: MIT
// The web page writer without a browser: what it refuses, how it escapes, and that the
// page names nothing outside itself. tst_webpage_browser.py solves the page in Chromium.
#include "htmlpage.h"

#include "crossworddata.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

namespace {

// CASTLE across at (3,2), CROWN down from its C, STONE down from its S: numbered
// 1 (CASTLE, CROWN) and 2 (STONE), added here out of number order.
CrosswordData castle()
{
    CrosswordData p;
    p.width = 12;
    p.height = 10;
    p.title = QStringLiteral("Castle");
    const bool placed = addWord(p, 5, 2, QStringLiteral("STONE"), Direction::Down,
                                QStringLiteral("Rock"), true, PlacementCheck::ApplyRules)
                            .ok() &&
                        addWord(p, 3, 2, QStringLiteral("CASTLE"), Direction::Across,
                                QStringLiteral("Fort"), true, PlacementCheck::ApplyRules)
                            .ok() &&
                        addWord(p, 3, 2, QStringLiteral("CROWN"), Direction::Down,
                                QStringLiteral("Worn"), true, PlacementCheck::ApplyRules)
                            .ok();
    if (!placed)
        qFatal("the castle puzzle could not be placed");
    return p;
}

QString page(const CrosswordData &puzzle)
{
    const Result<QByteArray> made = webPageBytes(puzzle);
    if (!made) {
        qWarning() << made.message().text;
        return QString();
    }
    return QString::fromUtf8(made.value());
}

GridWord word(qint16 x, qint16 y, const QString &answer, Direction orientation)
{
    GridWord w;
    w.x = x;
    w.y = y;
    w.answer = answer;
    w.orientation = orientation;
    return w;
}

} // namespace

class TestHtmlPage : public QObject
{
    Q_OBJECT

private slots:
    void refusesWhatItCannotHold_data()
    {
        QTest::addColumn<CrosswordData>("puzzle");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty") << CrosswordData() << "It has no words.";
        const auto with = [](QList<GridWord> words) {
            CrosswordData p;
            p.width = 6;
            p.height = 6;
            p.isEmpty = false;
            p.words = words;
            return p;
        };
        QTest::newRow("outside the grid")
            << with({word(4, 0, "LONG", Direction::Across)}) << "does not lie inside the grid";
        QTest::newRow("letters disagree")
            << with({word(0, 0, "CAT", Direction::Across), word(0, 0, "DOG", Direction::Down)})
            << "different letters at (0,0)";
        QTest::newRow("blank letter")
            << with({word(0, 0, "A B", Direction::Across)}) << "cannot be typed into a square";
        QTest::newRow("control character") << with({word(0, 0,
                                                         QStringLiteral("A\x01"
                                                                        "B"),
                                                         Direction::Across)})
                                           << "cannot be typed into a square";
        QTest::newRow("no direction")
            << with({word(0, 0, "CAT", Direction(2))}) << "has no direction";
    }
    void refusesWhatItCannotHold()
    {
        QFETCH(CrosswordData, puzzle);
        QFETCH(QString, problem);
        const Result<QByteArray> made = webPageBytes(puzzle);
        QVERIFY(!made.ok());
        QCOMPARE(made.message().title, QString("Export Error"));
        QVERIFY2(made.message().text.startsWith("The puzzle cannot be written as a web page.\n"),
                 qPrintable(made.message().text));
        QVERIFY2(made.message().text.contains(problem), qPrintable(made.message().text));

        QTemporaryDir dir;
        const QString path = dir.filePath("page.html");
        QVERIFY(!writeWebPage(path, puzzle).ok());
        QVERIFY(!QFile::exists(path));
    }

    void escapesEveryTextAndKeepsClueLineBreaks()
    {
        CrosswordData p = castle();
        p.title = QStringLiteral("Tom & Jerry's <b>\"Zoo\"</b>");
        p.subject = QStringLiteral("</script><script>alert(1)</script>\x02");
        p.words[1].clue = QStringLiteral("First <line>\r\nsecond & last");
        const QString html = page(p);
        QVERIFY(!html.isEmpty());
        QVERIFY(!html.contains("<b>"));
        QCOMPARE(html.count("<script"), 3); // the page's data, its texts and its own script
        QVERIFY(!html.contains(QChar(0x02)));
        QCOMPARE(html.count("<title>Tom &amp; Jerry&#39;s &lt;b&gt;&quot;Zoo&quot;&lt;/b&gt;"
                            "</title>"),
                 1);
        QVERIFY(html.contains("&lt;/script&gt;&lt;script&gt;alert(1)&lt;/script&gt;\uFFFD"));
        QVERIFY(html.contains("First &lt;line&gt;<br>second &amp; last"));
    }

    void numbersCluesAndGridFollowTheProgram()
    {
        const QString html = page(castle());
        // Cut down to columns 3..8 and rows 2..6; the words keep their numbers.
        QVERIFY(html.contains("--cols: 6; --rows: 5"));
        QRegularExpression clue("<li id=\"clue-(\\d+)\"[^>]*><span class=\"clue-number\">(\\d+)"
                                "</span> <span class=\"clue-text\">([^<]*)</span>");
        QStringList clues;
        for (const auto &m : clue.globalMatch(html))
            clues << m.captured(1) + ':' + m.captured(2) + ' ' + m.captured(3);
        QCOMPARE(clues, (QStringList{"0:1 Fort", "1:1 Worn", "2:2 Rock"}));
        // Each square by its index in the cut grid: the number over it, its label and
        // whether it is in the Tab order.
        QRegularExpression square("(?:<span class=\"num\"[^>]*>(\\d+)</span>)?<input id=\"sq-"
                                  "(\\d+)\"[^>]*tabindex=\"(-?\\d)\"[^>]*aria-label=\"([^\"]*)\"");
        QMap<int, QStringList> squares;
        for (const auto &m : square.globalMatch(html))
            squares[m.captured(2).toInt()] = {m.captured(1), m.captured(3), m.captured(4)};
        QCOMPARE(squares.size(), 14);
        // STONE starts at column 2, row 0 of the cut grid (square 2), a square of CASTLE;
        // square 6 is CROWN's second letter. Only CASTLE's first square is tabbable.
        QCOMPARE(squares.value(2), (QStringList{"2", "-1", "1 Across, letter 3 of 6"}));
        QCOMPARE(squares.value(6), (QStringList{"", "-1", "1 Down, letter 2 of 5"}));
        QCOMPARE(squares.value(0).at(1), QString("0"));
        int tabbable = 0;
        for (const QStringList &sq : std::as_const(squares))
            tabbable += sq.at(1) == QLatin1String("0");
        QCOMPARE(tabbable, 1);
        QVERIFY(html.contains("\"words\":[[1,0,0,0,6],[1,1,0,0,5],[2,1,2,0,5]]"));
    }

    void teachersChoicesShapeThePage_data()
    {
        QTest::addColumn<bool>("check");
        QTest::addColumn<bool>("reveal");
        QTest::addColumn<QString>("language");
        QTest::newRow("everything, German") << true << true << "de";
        QTest::newRow("no reveal, French") << true << false << "FR";
        QTest::newRow("no check, Spanish") << false << true << "es";
        QTest::newRow("neither, Turkish") << false << false << "tr";
    }
    void teachersChoicesShapeThePage()
    {
        QFETCH(bool, check);
        QFETCH(bool, reveal);
        QFETCH(QString, language);
        const Result<QByteArray> made = webPageBytes(castle(), {check, reveal, language});
        QVERIFY(made.ok());
        const QString html = QString::fromUtf8(made.value());
        QVERIFY(html.contains(QStringLiteral("<html lang=\"%1\">").arg(language.toLower())));
        QCOMPARE(html.contains("id=\"check\""), check);
        QCOMPARE(html.count("id=\"reveal-"), reveal ? 3 : 0);
        QVERIFY(html.contains(QStringLiteral("\"check\":%1,\"reveal\":%2")
                                  .arg(check ? "true" : "false", reveal ? "true" : "false")));
        // No English word of the page's own is left in another language's page.
        for (const char *english : {">Clear<", "Solved!", "Across", "Type the letters"})
            QVERIFY2(!html.contains(QLatin1String(english)), english);
    }

    void unknownLanguageIsRefused()
    {
        const Result<QByteArray> made = webPageBytes(castle(), {true, true, "xx"});
        QVERIFY(!made.ok());
        QVERIFY(made.message().text.contains("'xx'"));
    }

    void pageIsSelfContainedAndHidesTheAnswers()
    {
        const QString html = page(castle());
        QVERIFY(html.startsWith("<!DOCTYPE html>\n<html lang=\"en\">"));
        QVERIFY(html.contains("<meta http-equiv=\"Content-Security-Policy\" "
                              "content=\"default-src 'none';"));
        for (const char *outside : {"src=", "href=", "http:", "https:", "url(", "@import"})
            QVERIFY2(!html.contains(QLatin1String(outside), Qt::CaseInsensitive), outside);
        for (const char *answer : {"STONE", "CASTLE", "CROWN"})
            QVERIFY2(!html.contains(QLatin1String(answer)), answer);
        // Another puzzle keeps its progress under another name.
        CrosswordData other = castle();
        other.words[0].answer = QStringLiteral("STOVE");
        const QRegularExpression id("\"id\":\"([0-9a-f]{8})\"");
        QVERIFY(id.match(html).hasMatch());
        QVERIFY(id.match(page(other)).captured(1) != id.match(html).captured(1));
    }

    void writeFailureNamesThePathAndLeavesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("no/such/folder/page.html");
        const Result<> written = writeWebPage(path, castle());
        QVERIFY(!written.ok());
        QVERIFY2(written.message().text.startsWith("Could not write " + path + ":\n"),
                 qPrintable(written.message().text));
        QVERIFY(QFile::exists(dir.path()));
        QVERIFY(!QFile::exists(path));

        const QString good = dir.filePath("page.html");
        QVERIFY(writeWebPage(good, castle()).ok());
        QFile file(good);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), page(castle()));
    }
};

QTEST_GUILESS_MAIN(TestHtmlPage)
#include "tst_htmlpage.moc"
