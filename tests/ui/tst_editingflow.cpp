// SPDX-License-Identifier: MIT
// A whole session driven as a user does: words typed with their clues, two placed by hand
// crossing each other, a third kept in the list, a generated layout, hidden answers,
// copied clues, save, New, open again.
#include "editinghelpers.h"

#include "filedialogs.h"
#include "gridedit.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <QtTest>

using namespace Velloquin;

using namespace editing;

namespace {

void clickToolbarButton(Toolbar *bar, int index)
{
    QTest::mouseMove(bar, bar->buttonRect(index).center());
    QTest::mouseClick(bar->button(index), Qt::LeftButton);
}

int redPixelsOn(const QImage &image, const QRect &rect)
{
    int red = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                ++red;
        }
    return red;
}

} // namespace

class tst_EditingFlow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aWholeSessionFromWordsToFileAndBack();
    void generatedPuzzleShowsSearchMarkers();

private:
    MainWindow &w() { return *m_window; }
    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }
    void setSize(int width, int height);

    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<MainWindow> m_window;
};

void tst_EditingFlow::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    m_window = m_fixture->start();
    QVERIFY(m_window);
    m_fixture->dialogs.clearShown();
}

void tst_EditingFlow::cleanup()
{
    m_window.reset();
    m_fixture.reset();
}

void tst_EditingFlow::setSize(int width, int height)
{
    control<QComboBox>(w(), "txtXSize")
        ->setCurrentIndex(control<QComboBox>(w(), "txtXSize")->findText(QString::number(width)));
    control<QComboBox>(w(), "txtYSize")
        ->setCurrentIndex(control<QComboBox>(w(), "txtYSize")->findText(QString::number(height)));
    // The grid is still empty: no words to lose, no question.
    clickButton(control<GradientButton>(w(), "cmdUpdateProperties"));
    QCOMPARE(w().document().puzzle().width, width);
    QCOMPARE(w().document().puzzle().height, height);
}

void tst_EditingFlow::aWholeSessionFromWordsToFileAndBack()
{
    // Title, topic and a 15 x 15 grid.
    control<QLineEdit>(w(), "txtTitle")->clear();
    QTest::keyClicks(control<QLineEdit>(w(), "txtTitle"), QStringLiteral("Animals"));
    control<QLineEdit>(w(), "txtSubject")->clear();
    QTest::keyClicks(control<QLineEdit>(w(), "txtSubject"), QStringLiteral("Zoo"));
    setSize(15, 15);
    QCOMPARE(w().document().puzzle().title, QStringLiteral("Animals"));
    QCOMPARE(control<QComboBox>(w(), "txtX")->count(), 15);

    // Two words by hand, crossing at the T.
    placeByHand(w(), 2, 2, Direction::Across, QStringLiteral("cat"),
                QStringLiteral("Pet that purrs"));
    placeByHand(w(), 4, 2, Direction::Down, QStringLiteral("tiger"),
                QStringLiteral("Striped big cat"));
    QCOMPARE(dialogs().shown.size(), 0); // no box so far
    QCOMPARE(gridAnswers(w()), (QStringList{QStringLiteral("CAT"), QStringLiteral("TIGER")}));
    QCOMPARE(w().document().puzzle().words.at(1).clue, QStringLiteral("Striped big cat"));

    // A third word kept in the list with Enter.
    typeWord(w(), QStringLiteral("otter"));
    typeClue(w(), QStringLiteral("River swimmer"));
    QTest::keyClick(control<QComboBox>(w(), "txtWord"), Qt::Key_Return);
    QCOMPARE(listedWords(w()), QStringList{QStringLiteral("OTTER")});

    // Generate a layout of all three.
    QVERIFY(generateAndWait(w()));
    QCOMPARE(dialogs().shown.size(), 0);
    QCOMPARE(gridAnswers(w()), (QStringList{QStringLiteral("OTTER"), QStringLiteral("CAT"),
                                            QStringLiteral("TIGER")}));
    QCOMPARE(listedWords(w()), QStringList());
    const CrosswordData generated = w().document().puzzle();

    // Hide the answers, copy the clues.
    clickToolbarButton(control<Toolbar>(w(), "TB1"), 6);
    QVERIFY(w().commandContext().drawOptions().answersHidden);
    control<QAction>(w(), "mnuCopyClues")->trigger();
    const QString clues = QGuiApplication::clipboard()->text();
    for (const GridWord &word : generated.words)
        QVERIFY2(clues.contains(QStringLiteral(" - ") + word.clue + QStringLiteral("\r\n")),
                 qPrintable(clues));

    // Save: asks for a name, the extension is added.
    const QString path = m_fixture->dir.path() + QStringLiteral("/animals.cwd");
    dialogs().paths.enqueue(m_fixture->dir.path() + QStringLiteral("/animals"));
    clickToolbarButton(control<Toolbar>(w(), "TB1"), 3);
    QCOMPARE(w().document().fileName(), path);
    QCOMPARE(shownTitle(w()), QStringLiteral("Velloquin - ") + shortenPath(path, 50));

    // New, without saving again.
    dialogs().answers.enqueue(Dialogs::Answer::No);
    clickToolbarButton(control<Toolbar>(w(), "TB1"), 1);
    QVERIFY(w().document().puzzle().isEmpty);
    QCOMPARE(shownTitle(w()), QStringLiteral("Velloquin"));
    control<QAction>(w(), "mnuCopyClues")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ACROSS\r\n\r\nDOWN\r\n"));

    // Open it again.
    dialogs().paths.enqueue(path);
    clickToolbarButton(control<Toolbar>(w(), "TB1"), 2);
    QCOMPARE(w().document().fileName(), path);
    QCOMPARE(w().document().puzzle().title, QStringLiteral("Animals"));
    QCOMPARE(control<QLineEdit>(w(), "txtSubject")->text(), QStringLiteral("Zoo"));
    // The words come back as they were laid out, numbered the same.
    QCOMPARE(w().document().puzzle(), generated);
    control<QAction>(w(), "mnuCopyClues")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), clues);

    // Only the expected boxes and dialogs came up, in order.
    QCOMPARE(dialogs().titles(), (QStringList{QStringLiteral(" Save this Crossword as:"),
                                              QStringLiteral("Save Changes"),
                                              QStringLiteral(" Select Crossword file to open:")}));
    QCOMPARE(dialogs().unscripted, 0);
}

void tst_EditingFlow::generatedPuzzleShowsSearchMarkers()
{
    // A 15 x 15 puzzle laid out from a list of words, then a search for one more word.
    w().resize(900, 720);
    QCoreApplication::processEvents();
    setSize(15, 15);
    const QList<QPair<QString, QString>> words{
        {QStringLiteral("ELEPHANT"), QStringLiteral("Largest land animal")},
        {QStringLiteral("GIRAFFE"), QStringLiteral("Tallest animal")},
        {QStringLiteral("PENGUIN"), QStringLiteral("Flightless swimmer")},
        {QStringLiteral("LEOPARD"), QStringLiteral("Spotted big cat")},
        {QStringLiteral("RABBIT"), QStringLiteral("Long-eared hopper")},
        {QStringLiteral("TIGER"), QStringLiteral("Striped big cat")},
        {QStringLiteral("ZEBRA"), QStringLiteral("Striped horse")},
        {QStringLiteral("OTTER"), QStringLiteral("River swimmer")},
        {QStringLiteral("HERON"), QStringLiteral("Wading bird")},
        {QStringLiteral("LLAMA"), QStringLiteral("Andean pack animal")},
    };
    for (const auto &[word, clue] : words) {
        typeWord(w(), word);
        typeClue(w(), clue);
        QTest::keyClick(control<QComboBox>(w(), "txtWord"), Qt::Key_Return);
    }
    QCOMPARE(control<QComboBox>(w(), "txtWord")->count(), int(words.size()));
    QVERIFY(generateAndWait(w()));
    QCOMPARE(dialogs().titles(), QStringList());
    QCOMPARE(w().document().puzzle().words.size(), words.size());

    typeWord(w(), QStringLiteral("eagle"));
    clickWordToolbar(w(), 3);
    const QList<QRect> markers = visibleMarkers(w());
    QVERIFY(!markers.isEmpty());
    clickSquare(w(), w().document().puzzle().words.at(0).x, w().document().puzzle().words.at(0).y);
    QCoreApplication::processEvents();

    // The markers show in the window's picture: red frames over the grid. The picture is
    // put together from the menu bar and the client area, as a repaint of the window
    // itself would take the markers away.
    QImage shot(w().size(), QImage::Format_ARGB32);
    shot.fill(Qt::white);
    {
        QPainter painter(&shot);
        painter.drawPixmap(w().menuBar()->pos(), w().menuBar()->grab());
        painter.drawPixmap(control<QWidget>(w(), "client")->pos(),
                           control<QWidget>(w(), "client")->grab());
    }
    QCOMPARE(visibleMarkers(w()).size(), markers.size());
    const QPoint offset = control<PictureBox>(w(), "picView")->mapTo(&w(), QPoint(0, 0));
    for (const QRect &marker : markers) {
        const QRect onShot = marker.translated(offset);
        QVERIFY2(redPixelsOn(shot, QRect(onShot.topLeft(), QSize(onShot.width(), 2))) > 0,
                 "marker frame not drawn");
    }
    const QByteArray folder = qgetenv("VELLOQUIN_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(
            shot.save(QString::fromLocal8Bit(folder) + QStringLiteral("/window_generated.png")));
}

QTEST_MAIN(tst_EditingFlow)
#include "tst_editingflow.moc"
