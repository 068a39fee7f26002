// SPDX-License-Identifier: MIT
// The Words panel beside the grid, the status bar, dropped files and the keys the window
// answers.
#include "editinghelpers.h"

#include "wordsdock.h"
#include "wordsmodel.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QTreeView>
#include <QUndoStack>
#include <QtTest>

using namespace Velloquin;
using namespace Velloquin::editing;

namespace {

// The model's rows as "group: number answer clue" lines, in view order.
QStringList listing(const WordsModel &model)
{
    QStringList rows;
    for (int g = 0; g < model.rowCount(); ++g) {
        const QModelIndex group = model.index(g, 0);
        for (int r = 0; r < model.rowCount(group); ++r) {
            QStringList cells;
            for (int c = 0; c < WordsModel::ColumnCount; ++c)
                cells << model.index(r, c, group).data().toString();
            rows << group.data().toString() + QStringLiteral(": ") + cells.join(QLatin1Char(' '));
        }
    }
    return rows;
}

QModelIndex cell(const WordsModel &model, WordsModel::Group group, int row, int column)
{
    return model.index(row, column, model.groupIndex(group));
}

} // namespace

class tst_WordsDock : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<WindowFixture>();
        m_window = m_fixture->start();
        QVERIFY(m_window);
        m_fixture->dialogs.clearShown();
    }
    void cleanup()
    {
        m_window.reset();
        m_fixture.reset();
    }

    void modelFollowsTheDocument_data();
    void modelFollowsTheDocument();
    void rowAndGridSelectEachOther();
    void statusBarCountsAndReports();
    void droppedFilesOpenAsTheirMenuCommands_data();
    void droppedFilesOpenAsTheirMenuCommands();
    void storedWordDroppedOnASquareIsPlaced();
    void zoomGrowsTheGridAndItsNumbers();
    void enterInTheClueBoxUpdates();
    void everyMenuItemHasAnAccessKey();

private:
    MainWindow &w() { return *m_window; }
    WordsDock &dock() { return *w().findChild<WordsDock *>(); }
    WordsModel &model() { return *dock().model(); }

    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<MainWindow> m_window;
};

void tst_WordsDock::modelFollowsTheDocument_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("undoText");
    QTest::addColumn<int>("refusals");

    const QString cat = QStringLiteral("ACROSS: 1 CAT Pet");
    const QString cow = QStringLiteral("DOWN: 1 COW Moo");
    const QString emu = QStringLiteral("NOT PLACED:  EMU Big bird");
    QTest::newRow("as set up") << "" << QStringList{cat, cow, emu} << "Store EMU" << 0;
    QTest::newRow("place") << "place" << QStringList{cat, cow, "DOWN: 2 TOE Foot end", emu}
                           << "Place TOE" << 0;
    QTest::newRow("edit clue") << "clue" << QStringList{"ACROSS: 1 CAT Mouser", cow, emu}
                               << "Change Clue" << 0;
    QTest::newRow("edit answer") << "answer" << QStringList{"ACROSS: 1 COT Pet", cow, emu}
                                 << "Update COT" << 0;
    QTest::newRow("refused answer") << "refused" << QStringList{cat, cow, emu} << "Store EMU" << 1;
    QTest::newRow("delete placed")
        << "delete" << QStringList{cat, emu, "NOT PLACED:  COW Moo"} << "Delete COW" << 0;
    QTest::newRow("delete stored") << "unstore" << QStringList{cat, cow} << "Remove EMU" << 0;
    QTest::newRow("undo") << "undo" << QStringList{cat, cow} << "Place COW" << 0;
    QTest::newRow("generate") << "generate" << QStringList{"ACROSS: 1 EMU Big bird"} << "Generate"
                              << 0;
}

void tst_WordsDock::modelFollowsTheDocument()
{
    QFETCH(QString, step);
    QFETCH(QStringList, rows);
    QFETCH(QString, undoText);
    QFETCH(int, refusals);
    PuzzleDocument &doc = w().document();
    QVERIFY(doc.placeWord(0, 0, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet")));
    QVERIFY(doc.placeWord(0, 0, Direction::Down, QStringLiteral("COW"), QStringLiteral("Moo")));
    QCOMPARE(doc.storeWord(QStringLiteral("EMU"), QStringLiteral("Big bird")),
             StoreWordCheck::Stored);
    int refused = 0;
    connect(&model(), &WordsModel::refused, this, [&refused] { ++refused; });

    const QModelIndex catRow = cell(model(), WordsModel::AcrossGroup, 0, WordsModel::AnswerColumn);
    if (step == "place")
        QVERIFY(doc.placeWord(2, 0, Direction::Down, QStringLiteral("TOE"),
                              QStringLiteral("Foot end")));
    else if (step == "clue")
        QVERIFY(model().setData(catRow.siblingAtColumn(WordsModel::ClueColumn), "Mouser"));
    else if (step == "answer")
        QVERIFY(model().setData(catRow, "cot"));
    else if (step == "refused")
        QVERIFY(!model().setData(catRow, "DOG")); // D cannot cross COW's C
    else if (step == "delete")
        QVERIFY(model().removeWord(cell(model(), WordsModel::DownGroup, 0, 0)));
    else if (step == "unstore")
        QVERIFY(model().removeWord(cell(model(), WordsModel::StoredGroup, 0, 0)));
    else if (step == "undo")
        doc.undoStack()->undo();
    else if (step == "generate")
        doc.replaceLayout(
            [] {
                CrosswordData p;
                addWord(p, 1, 1, "EMU", Direction::Across, "Big bird", true,
                        PlacementCheck::SkipRules);
                return p;
            }(),
            newExtraWords());

    QCOMPARE(listing(model()), rows);
    QCOMPARE(doc.undoStack()->undoText(), undoText);
    QCOMPARE(refused, refusals);
    QCOMPARE(m_fixture->dialogs.shown.size(), refusals); // the refusal is shown
}

void tst_WordsDock::rowAndGridSelectEachOther()
{
    // CAT and COW start on one square: a click there shows the down word.
    putWord(w(), 0, 0, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    putWord(w(), 0, 0, Direction::Down, QStringLiteral("COW"), QStringLiteral("Moo"));
    QTreeView *view = dock().view();
    const QModelIndex catClue = cell(model(), WordsModel::AcrossGroup, 0, WordsModel::ClueColumn);
    view->setCurrentIndex(catClue);
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("CAT"));
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QStringLiteral("Pet"));
    QVERIFY(control<QRadioButton>(w(), "optAcross")->isChecked());

    clickSquare(w(), 0, 0);
    QCOMPARE(view->currentIndex(), cell(model(), WordsModel::DownGroup, 0, WordsModel::ClueColumn));
    QVERIFY(view->selectionModel()->isSelected(view->currentIndex()));

    // F2 edits the clue in place; Enter keeps it as one step.
    QTest::keyClick(view, Qt::Key_F2);
    auto *editor = view->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("Says moo"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the view takes the edit once the key is handled
    QCOMPARE(w().document().puzzle().words.at(1).clue, QStringLiteral("Says moo"));
    QCOMPARE(w().document().undoStack()->undoText(), QStringLiteral("Change Clue"));
}

void tst_WordsDock::statusBarCountsAndReports()
{
    auto text = [this](const char *name) { return control<QLabel>(w(), name)->text(); };
    QVERIFY(text("lblStatus").startsWith(QStringLiteral("Click a square")));
    placeByHand(w(), 3, 4, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    QCOMPARE(text("lblStatus"), QStringLiteral("Placed CAT at 3,4 across"));
    placeByHand(w(), 3, 4, Direction::Down, QStringLiteral("COW"), QStringLiteral("Moo"));
    QCOMPARE(text("lblGridSize"), QStringLiteral("16 × 16"));
    QCOMPARE(text("lblWordCount"), QStringLiteral("2 placed, 0 stored"));
    QCOMPARE(text("lblCrossings"), QStringLiteral("1 crossing"));
    QCOMPARE(text("lblGridUsed"), QStringLiteral("2% used")); // 5 of 256 squares

    typeWord(w(), QStringLiteral("QUIZ"));
    w().findChild<WordPanel *>(QStringLiteral("picAddWord"))
        ->runWordListCommand(WordListCommand::SearchPlaces);
    QCOMPARE(text("lblStatus"), QStringLiteral("No place found for QUIZ"));

    // Back to an empty grid the hint returns; words coming back without a command's
    // outcome take it away.
    w().document().undoStack()->undo();
    w().document().undoStack()->undo();
    QVERIFY(text("lblStatus").startsWith(QStringLiteral("Click a square")));
    w().document().undoStack()->redo();
    QVERIFY(!text("lblStatus").startsWith(QStringLiteral("Click a square")));
}

void tst_WordsDock::droppedFilesOpenAsTheirMenuCommands_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("stored");
    QTest::newRow("puzzle") << "animals.cwd" << false << "Animals" << 1;
    QTest::newRow("puzzle over unsaved work, cancelled")
        << "animals.cwd" << true << "Crossword" << 0;
    QTest::newRow("word list") << "formats/animals40.txt" << false << "Crossword" << 40;
    QTest::newRow("other file") << "../ui/tst_wordsdock.cpp" << false << "Crossword" << 0;
}

void tst_WordsDock::droppedFilesOpenAsTheirMenuCommands()
{
    QFETCH(QString, file);
    QFETCH(bool, unsaved);
    QFETCH(QString, title);
    QFETCH(int, stored);
    if (unsaved) {
        putWord(w(), 1, 1, Direction::Across, QStringLiteral("OWL"));
        m_fixture->dialogs.answers.enqueue(Dialogs::Answer::Cancel);
    }
    auto *data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(QStringLiteral(VELLOQUIN_TESTDATA "/") + file)});
    const QPoint at = w().rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w(), &enter);
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted())
        QApplication::sendEvent(&w(), &drop);
    QCoreApplication::processEvents();
    QCOMPARE(w().document().puzzle().title, title);
    QCOMPARE(storedWords(w()).size(), stored);
    // Replacing unsaved work asks first, as File > Open does.
    QCOMPARE(m_fixture->dialogs.titles().contains(QStringLiteral("Save Changes")), unsaved);
    delete data;
}

void tst_WordsDock::storedWordDroppedOnASquareIsPlaced()
{
    putWord(w(), 0, 0, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    QCOMPARE(w().document().storeWord(QStringLiteral("TOE"), QStringLiteral("Foot end")),
             StoreWordCheck::Stored);
    const QModelIndex toe = cell(model(), WordsModel::StoredGroup, 0, 0);
    std::unique_ptr<QMimeData> data(model().mimeData({toe}));
    chooseOrientation(w(), Direction::Down);
    auto *grid = control<PictureBox>(w(), "picView");
    const QPoint at = squareCentre(w(), 2, 0);
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid, &drop);
    QCOMPARE(gridAnswers(w()), (QStringList{QStringLiteral("CAT"), QStringLiteral("TOE")}));
    QCOMPARE(w().document().puzzle().words.at(1).orientation, Direction::Down);
    QCOMPARE(w().document().puzzle().words.at(1).clue, QStringLiteral("Foot end"));
    QVERIFY(storedWords(w()).isEmpty());
}

void tst_WordsDock::zoomGrowsTheGridAndItsNumbers()
{
    auto *grid = control<PictureBox>(w(), "picView");
    const QSize fit = grid->size();
    control<QAction>(w(), "mnuZoomIn")->trigger();
    control<QAction>(w(), "mnuZoomIn")->trigger();
    QCOMPARE(grid->size(), fit * 156 / 100);
    QCOMPARE(grid->picture().size(), grid->size());
    // The numbers keep step with the squares.
    QCOMPARE(control<PictureBox>(w(), "picNumbersAcross")->width(), grid->width());
    QCOMPARE(control<PictureBox>(w(), "picNumbersDown")->height(), grid->height());
    control<QAction>(w(), "mnuZoomFit")->trigger();
    QCOMPARE(grid->size(), fit);
}

void tst_WordsDock::enterInTheClueBoxUpdates()
{
    clickSquare(w(), 1, 1);
    typeWord(w(), QStringLiteral("HEN"));
    typeClue(w(), QStringLiteral("Layer"));
    QTest::keyClick(control<QLineEdit>(w(), "txtClue"), Qt::Key_Return);
    QCOMPARE(gridAnswers(w()), QStringList{QStringLiteral("HEN")});
    QCOMPARE(w().document().puzzle().words.at(0).clue, QStringLiteral("Layer"));
}

void tst_WordsDock::everyMenuItemHasAnAccessKey()
{
    QStringList missing;
    for (const QAction *top : w().menuBar()->actions()) {
        for (const QAction *item : top->menu()->actions())
            if (!item->isSeparator() && !item->text().contains(QLatin1Char('&')))
                missing << top->text() + QStringLiteral(" > ") + item->text();
    }
    QCOMPARE(missing, QStringList());
    // The Word export is found in the Export menu too.
    QVERIFY(control<QMenu>(w(), "mnuExport")
                ->actions()
                .contains(control<QAction>(w(), "mnuExportWord")));
}

QTEST_MAIN(tst_WordsDock)
#include "tst_wordsdock.moc"
