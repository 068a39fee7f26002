// SPDX-License-Identifier: MIT
// The word and clue panel: grid clicks, Update, Delete, the word list, the place search,
// the key filter of the word box and the keyboard.
#include "editinghelpers.h"

#include "colorpicker.h"

#include "gridedit.h"
#include "wordpanel.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace editing;

namespace {

const QString kNoGridWordsText =
    QStringLiteral("There are currently no words in the grid.\n"
                   "You may place this word at any positions that it will fit.\n"
                   "Click on the square you would like the word to start at,\n"
                   "select the orientation - Across/Down\n"
                   "Click the 'Update' button to add the word at this location.");

// Types each character as a key press and release (also characters beyond ASCII).
void typeKeys(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
    }
}

} // namespace

class tst_WordPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clickOnEmptySquareSelectsOnlyTheSquare();
    void clickOnAWordStartSelectsTheWord_data();
    void clickOnAWordStartSelectsTheWord();
    void downWinsOnASharedStartSquare();
    void orientationTwinsShowTheWordOfTheirOrientation();
    void orientationWithoutAWordKeepsTheTexts();

    void updateAddsANewWordAndTakesItOffTheList();
    void updateRefusedByThePlacementRulesChangesNothing();
    void updateRefusals_data();
    void updateRefusals();
    void updateChangesAPlacedWord();
    void updateOfAPlacedWordIsCheckedLikeANewWord_data();
    void updateOfAPlacedWordIsCheckedLikeANewWord();
    void updateWithDownOnAnAcrossStartAddsADownWord();

    void deletePutsTheWordBackInTheList();
    void deleteWithAShortTextDeletesThenRefusesToStore();
    void deleteWithNothingThereChangesNothing();

    void storeKeepsWordAndClue();
    void storeDoesNothingForAWordAlreadyKept_data();
    void storeDoesNothingForAWordAlreadyKept();
    void storeRefusesShortWords();
    void removeTakesTheWordOffTheList();
    void removeOfAnUnlistedWordKeepsTheTexts();
    void choosingAListedWordFillsItsClue();

    void searchMarksEveryPlaceInOrder();
    void searchIgnoresCase();
    void searchWithoutAPlaceRemovesOldMarkers();
    void searchRefusals_data();
    void searchRefusals();

    void keyFilterUpperCasesAndDropsBlanks_data();
    void keyFilterUpperCasesAndDropsBlanks();
    void enterInTheWordBoxStoresTheWord();
    void tabRunsThroughThePanelTopToBottom();
    void tabRunsThroughTheSettingsPanelTopToBottom();
    void menuAccessKeysOpenTheMenus();
    void gridKeysMoveSwapStartTheWordAndUpdate();
    void wordToolbarPressedFromTheKeyboard();

private:
    frmCWord &w() { return *m_window; }
    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }
    void newGrid(int width, int height);

    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<frmCWord> m_window;
};

void tst_WordPanel::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    m_window = m_fixture->start();
    QVERIFY(m_window);
    newGrid(15, 15);
    m_fixture->dialogs.clearShown();
}

void tst_WordPanel::cleanup()
{
    m_window.reset();
    m_fixture.reset();
}

void tst_WordPanel::newGrid(int width, int height)
{
    newCrossword(w().puzzle(), qint16(width), qint16(height));
    w().Redraw_Grid();
    w().Reset_Cell_Values();
}

// --- Clicks on the grid ----------------------------------------------------------------

void tst_WordPanel::clickOnEmptySquareSelectsOnlyTheSquare()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    w().txtWord->setEditText(QStringLiteral("KEEP"));
    w().txtClue->setText(QStringLiteral("kept clue"));

    clickSquare(w(), 7, 4);
    QCOMPARE(w().txtX->currentText(), QStringLiteral("7"));
    QCOMPARE(w().txtY->currentText(), QStringLiteral("4"));
    QVERIFY(w().Shape1->isVisible());
    QVERIFY2(coversSquares(w().Shape1->geometry(), squaresPixels(w(), 7, 4, 1, 1)),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(w().Shape1->x())
                            .arg(w().Shape1->y())
                            .arg(w().Shape1->width())
                            .arg(w().Shape1->height())));
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("KEEP"));
    QCOMPARE(w().txtClue->text(), QStringLiteral("kept clue"));

    // A square inside a word, not its start, selects only the square too.
    clickSquare(w(), 3, 2);
    QCOMPARE(w().txtX->currentText(), QStringLiteral("3"));
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("KEEP"));
    QVERIFY(coversSquares(w().Shape1->geometry(), squaresPixels(w(), 3, 2, 1, 1)));
}

void tst_WordPanel::clickOnAWordStartSelectsTheWord_data()
{
    QTest::addColumn<int>("orientationNumber");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("across") << int(Direction::Across) << 4 << 6;
    QTest::newRow("down") << int(Direction::Down) << 11 << 3;
    QTest::newRow("corner") << int(Direction::Across) << 0 << 0;
    QTest::newRow("last column down") << int(Direction::Down) << 14 << 10;
}

void tst_WordPanel::clickOnAWordStartSelectsTheWord()
{
    QFETCH(int, orientationNumber);
    const Direction orientation = Direction(orientationNumber);
    QFETCH(int, x);
    QFETCH(int, y);
    putWord(w(), x, y, orientation, QStringLiteral("HORSE"), QStringLiteral("Rides well"));
    if (orientation == Direction::Across)
        w().optDown->setChecked(true); // the click must switch it

    clickSquare(w(), x, y);
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("HORSE"));
    QCOMPARE(w().txtClue->text(), QStringLiteral("Rides well"));
    QCOMPARE(w().optAcross->isChecked(), orientation == Direction::Across);
    QCOMPARE(w().optDown->isChecked(), orientation == Direction::Down);
    QCOMPARE(w().txtX->currentText(), QString::number(x));
    QCOMPARE(w().txtY->currentText(), QString::number(y));
    const QRect expected =
        orientation == Direction::Across ? squaresPixels(w(), x, y, 5, 1) : squaresPixels(w(), x, y, 1, 5);
    QVERIFY(w().Shape1->isVisible());
    QVERIFY(coversSquares(w().Shape1->geometry(), expected));
}

void tst_WordPanel::downWinsOnASharedStartSquare()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    putWord(w(), 2, 2, Direction::Down, QStringLiteral("CUP"), QStringLiteral("Holds tea"));

    clickSquare(w(), 2, 2);
    QVERIFY(w().optDown->isChecked());
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("CUP"));
    QCOMPARE(w().txtClue->text(), QStringLiteral("Holds tea"));
    QVERIFY(coversSquares(w().Shape1->geometry(), squaresPixels(w(), 2, 2, 1, 3)));
}

void tst_WordPanel::orientationTwinsShowTheWordOfTheirOrientation()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    putWord(w(), 2, 2, Direction::Down, QStringLiteral("CUPS"), QStringLiteral("Hold tea"));
    clickSquare(w(), 2, 2);

    chooseOrientation(w(), Direction::Across);
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("CAT"));
    QCOMPARE(w().txtClue->text(), QStringLiteral("Pet"));
    QVERIFY(coversSquares(w().Shape1->geometry(), squaresPixels(w(), 2, 2, 3, 1)));

    chooseOrientation(w(), Direction::Down);
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("CUPS"));
    QVERIFY(coversSquares(w().Shape1->geometry(), squaresPixels(w(), 2, 2, 1, 4)));
}

void tst_WordPanel::orientationWithoutAWordKeepsTheTexts()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    clickSquare(w(), 2, 2);
    const QRect before = w().Shape1->geometry();
    chooseOrientation(w(), Direction::Down);
    QVERIFY(w().optDown->isChecked());
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("CAT"));
    QCOMPARE(w().txtClue->text(), QStringLiteral("Pet"));
    QCOMPARE(w().Shape1->geometry(), before);
}

// --- Update ------------------------------------------------------------------------------

void tst_WordPanel::updateAddsANewWordAndTakesItOffTheList()
{
    // Kept in the list first, then placed from there.
    typeWord(w(), QStringLiteral("zebra"));
    typeClue(w(), QStringLiteral("Striped"));
    clickWordToolbar(w(), 1);
    QCOMPARE(listedWords(w()), QStringList{QStringLiteral("ZEBRA")});

    clickSquare(w(), 3, 5);
    chooseOrientation(w(), Direction::Down);
    typeWord(w(), QStringLiteral("ZEBRA"));
    typeClue(w(), QStringLiteral("Striped horse"));
    clickButton(w().cmdOKAddWord);

    QCOMPARE(dialogs().shown.size(), 0);
    const qint16 index = findWordAt(w().puzzle(), 3, 5, Direction::Down);
    QVERIFY(index >= 0);
    QCOMPARE(w().puzzle().Words.at(index).Answer, QStringLiteral("ZEBRA"));
    QCOMPARE(w().puzzle().Words.at(index).Clue, QStringLiteral("Striped horse"));
    QVERIFY(w().puzzle().Words.at(index).ShowLetters);
    QCOMPARE(listedWords(w()), QStringList());
    QCOMPARE(storedWords(w()), QStringList());
    QCOMPARE(w().txtWord->currentText(), QString());
    QCOMPARE(w().txtClue->text(), QString());
    // Position reset.
    QVERIFY(w().optAcross->isChecked());
    QCOMPARE(w().txtX->currentText(), QStringLiteral("0"));
    QCOMPARE(w().txtY->currentText(), QStringLiteral("0"));
    QVERIFY(!w().Shape1->isVisible());
}

void tst_WordPanel::updateRefusedByThePlacementRulesChangesNothing()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"));
    const CrosswordData before = w().puzzle();
    // DOG down through the A of CAT: the letters differ.
    clickSquare(w(), 3, 1);
    chooseOrientation(w(), Direction::Down);
    typeWord(w(), QStringLiteral("DOG"));
    clickButton(w().cmdOKAddWord);
    QCOMPARE(dialogs().titles(), QStringList{QStringLiteral("Add Word Error")});
    QCOMPARE(w().puzzle().Words, before.Words);
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("DOG"));
}

void tst_WordPanel::updateRefusals_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("emptyPositions");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty word") << QString() << false << "No Word Entered"
                                << "Please enter a word to add.";
    QTest::newRow("blanks only") << QStringLiteral("   ") << false << "No Word Entered"
                                 << "Please enter a word to add.";
    QTest::newRow("no position") << QStringLiteral("WORD") << true << "Error"
                                 << "Please enter valid numbers for Number, X, and Y.";
}

void tst_WordPanel::updateRefusals()
{
    QFETCH(QString, word);
    QFETCH(bool, emptyPositions);
    QFETCH(QString, title);
    QFETCH(QString, text);
    w().txtWord->setEditText(word);
    if (emptyPositions) {
        w().txtX->clear();
        w().txtY->clear();
    }
    clickButton(w().cmdOKAddWord);
    QCOMPARE(dialogs().shown.size(), 1);
    QCOMPARE(dialogs().shown.first().title, title);
    QCOMPARE(dialogs().shown.first().text, text);
    QCOMPARE(dialogs().shown.first().icon, Icon::Error);
    QVERIFY(w().puzzle().IsEmpty);
}

void tst_WordPanel::updateChangesAPlacedWord()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    clickSquare(w(), 2, 2);
    typeWord(w(), QStringLiteral("cart"));
    typeClue(w(), QStringLiteral("Horse drawn"));
    clickButton(w().cmdOKAddWord);

    QCOMPARE(dialogs().shown.size(), 0);
    QCOMPARE(w().puzzle().Words.size(), 1);
    QCOMPARE(w().puzzle().Words.at(0).Answer, QStringLiteral("CART"));
    QCOMPARE(w().puzzle().Words.at(0).Clue, QStringLiteral("Horse drawn"));
    QCOMPARE(w().puzzle().Words.at(0).X, 2);
    QCOMPARE(w().txtX->currentText(), QStringLiteral("0"));

    // Fewer than three characters: refused, nothing changes.
    clickSquare(w(), 2, 2);
    typeWord(w(), QStringLiteral("CA"));
    clickButton(w().cmdOKAddWord);
    QCOMPARE(dialogs().titles(), QStringList{QStringLiteral("Word too small")});
    QCOMPARE(dialogs().shown.first().text,
             QStringLiteral("Sorry but you cannot add a word with less than 3 characters."));
    QCOMPARE(w().puzzle().Words.at(0).Answer, QStringLiteral("CART"));
}

void tst_WordPanel::updateOfAPlacedWordIsCheckedLikeANewWord_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("refusal"); // empty: accepted
    // CAT across at (2,2), ARM down from its A at (3,2).
    QTest::newRow("same letter at the crossing") << "OAK" << QString();
    QTest::newRow("longer, still crossing") << "RATTLE" << QString();
    QTest::newRow("different letter at the crossing") << "COT"
                                                      << "Add Word Error";
    QTest::newRow("past the grid's edge") << "CATERPILLARS"
                                          << "Error";
}

void tst_WordPanel::updateOfAPlacedWordIsCheckedLikeANewWord()
{
    QFETCH(QString, answer);
    QFETCH(QString, refusal);
    putWord(w(), 5, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    putWord(w(), 6, 2, Direction::Down, QStringLiteral("ARM"), QStringLiteral("Limb"));
    const CrosswordData before = w().puzzle();

    clickSquare(w(), 5, 2);
    QVERIFY(w().optAcross->isChecked());
    typeWord(w(), answer);
    clickButton(w().cmdOKAddWord);

    if (refusal.isEmpty()) {
        QCOMPARE(dialogs().shown.size(), 0);
        QCOMPARE(w().puzzle().Words.at(0).Answer, answer);
        QCOMPARE(w().puzzle().Words.at(1), before.Words.at(1));
    } else {
        QCOMPARE(dialogs().titles(), QStringList{refusal});
        QCOMPARE(w().puzzle().Words, before.Words);
        QCOMPARE(w().txtWord->currentText(), answer);
    }
}

void tst_WordPanel::updateWithDownOnAnAcrossStartAddsADownWord()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    clickSquare(w(), 2, 2);
    chooseOrientation(w(), Direction::Down);
    typeWord(w(), QStringLiteral("CUP"));
    typeClue(w(), QStringLiteral("Holds tea"));
    clickButton(w().cmdOKAddWord);

    QCOMPARE(dialogs().shown.size(), 0);
    QCOMPARE(gridAnswers(w()), (QStringList{QStringLiteral("CAT"), QStringLiteral("CUP")}));
    QCOMPARE(w().puzzle().Words.at(1).Orientation, Direction::Down);
    QCOMPARE(w().puzzle().Words.at(0).Clue, QStringLiteral("Pet"));
}

// --- Delete --------------------------------------------------------------------------------

void tst_WordPanel::deletePutsTheWordBackInTheList()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    putWord(w(), 3, 2, Direction::Down, QStringLiteral("ARM"), QStringLiteral("Limb"));
    clickSquare(w(), 3, 2);
    clickButton(w().cmdDelete);

    QCOMPARE(dialogs().shown.size(), 0);
    QCOMPARE(gridAnswers(w()), QStringList{QStringLiteral("CAT")});
    QCOMPARE(listedWords(w()), QStringList{QStringLiteral("ARM")});
    QCOMPARE(w().extraWords().last(), (ExtraWord{QStringLiteral("ARM"), QStringLiteral("Limb")}));
    QCOMPARE(w().txtWord->currentText(), QString());
    QCOMPARE(w().txtX->currentText(), QStringLiteral("0"));
    QCOMPARE(w().txtY->currentText(), QStringLiteral("0"));
    QVERIFY(!w().Shape1->isVisible());
}

void tst_WordPanel::deleteWithAShortTextDeletesThenRefusesToStore()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    clickSquare(w(), 2, 2);
    typeWord(w(), QStringLiteral("CA"));
    clickButton(w().cmdDelete);

    QVERIFY(w().puzzle().IsEmpty);
    QCOMPARE(dialogs().titles(), QStringList{QStringLiteral("Word Legth Error")});
    QCOMPARE(dialogs().shown.first().text,
             QStringLiteral("Sorry, the mimimum leghth for a word is 3 characters."));
    QCOMPARE(dialogs().shown.first().icon, Icon::Information);
    QCOMPARE(listedWords(w()), QStringList());
}

void tst_WordPanel::deleteWithNothingThereChangesNothing()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    const CrosswordData before = w().puzzle();
    clickSquare(w(), 2, 2);
    chooseOrientation(w(), Direction::Down); // no Down word starts there
    clickButton(w().cmdDelete);
    QCOMPARE(dialogs().shown.size(), 0);
    QCOMPARE(w().puzzle().Words, before.Words);
    QCOMPARE(listedWords(w()), QStringList());
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("CAT"));
    QCOMPARE(w().txtX->currentText(), QStringLiteral("2"));
}

// --- The word list -------------------------------------------------------------------------

void tst_WordPanel::storeKeepsWordAndClue()
{
    typeWord(w(), QStringLiteral("otter"));
    typeClue(w(), QStringLiteral("River swimmer"));
    clickWordToolbar(w(), 1);
    typeWord(w(), QStringLiteral("heron"));
    clickWordToolbar(w(), 1);

    QCOMPARE(listedWords(w()), (QStringList{QStringLiteral("OTTER"), QStringLiteral("HERON")}));
    QCOMPARE(w().extraWords().size(), 3);
    QCOMPARE(w().extraWords().at(0), ExtraWord{});
    QCOMPARE(w().extraWords().at(1),
             (ExtraWord{QStringLiteral("OTTER"), QStringLiteral("River swimmer")}));
    QCOMPARE(w().extraWords().at(2), (ExtraWord{QStringLiteral("HERON"), QString()}));
    QCOMPARE(w().txtWord->currentText(), QString());
    QCOMPARE(w().txtClue->text(), QString());
}

void tst_WordPanel::storeDoesNothingForAWordAlreadyKept_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("listed") << QStringLiteral("OTTER");
    QTest::newRow("placed on the grid") << QStringLiteral("CAT");
}

void tst_WordPanel::storeDoesNothingForAWordAlreadyKept()
{
    QFETCH(QString, typed);
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    w().txtWord->setEditText(QStringLiteral("OTTER"));
    clickWordToolbar(w(), 1);

    w().txtWord->setEditText(typed);
    w().txtClue->setText(QStringLiteral("another clue"));
    clickWordToolbar(w(), 1);
    QCOMPARE(dialogs().shown.size(), 0);
    QCOMPARE(listedWords(w()), QStringList{QStringLiteral("OTTER")});
    QCOMPARE(w().extraWords().size(), 2);
    QCOMPARE(w().txtWord->currentText(), typed);
    QCOMPARE(w().txtClue->text(), QStringLiteral("another clue"));
}

void tst_WordPanel::storeRefusesShortWords()
{
    w().txtWord->setEditText(QStringLiteral("AB"));
    clickWordToolbar(w(), 1);
    QCOMPARE(dialogs().titles(), QStringList{QStringLiteral("Word Legth Error")});
    QCOMPARE(listedWords(w()), QStringList());
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("AB"));
}

void tst_WordPanel::removeTakesTheWordOffTheList()
{
    for (const char *word : {"OTTER", "HERON", "EGRET"}) {
        w().txtWord->setEditText(QString::fromLatin1(word));
        clickWordToolbar(w(), 1);
    }
    typeWord(w(), QStringLiteral("heron"));
    w().txtClue->setText(QStringLiteral("x"));
    clickWordToolbar(w(), 2);
    QCOMPARE(listedWords(w()), (QStringList{QStringLiteral("OTTER"), QStringLiteral("EGRET")}));
    QCOMPARE(storedWords(w()), (QStringList{QStringLiteral("OTTER"), QStringLiteral("EGRET")}));
    QCOMPARE(w().txtWord->currentText(), QString());
    QCOMPARE(w().txtClue->text(), QString());
}

void tst_WordPanel::removeOfAnUnlistedWordKeepsTheTexts()
{
    w().txtWord->setEditText(QStringLiteral("OTTER"));
    clickWordToolbar(w(), 1);
    w().txtWord->setEditText(QStringLiteral("WREN"));
    w().txtClue->setText(QStringLiteral("Small bird"));
    clickWordToolbar(w(), 2);
    QCOMPARE(listedWords(w()), QStringList{QStringLiteral("OTTER")});
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("WREN"));
    QCOMPARE(w().txtClue->text(), QStringLiteral("Small bird"));

    // An empty word box removes nothing.
    w().txtWord->setEditText(QString());
    clickWordToolbar(w(), 2);
    QCOMPARE(listedWords(w()), QStringList{QStringLiteral("OTTER")});
    QCOMPARE(dialogs().shown.size(), 0);
}

void tst_WordPanel::choosingAListedWordFillsItsClue()
{
    const QStringList words{QStringLiteral("OTTER"), QStringLiteral("HERON")};
    const QStringList clues{QStringLiteral("River swimmer"), QStringLiteral("Wader")};
    for (int i = 0; i < 2; ++i) {
        w().txtWord->setEditText(words[i]);
        w().txtClue->setText(clues[i]);
        clickWordToolbar(w(), 1);
    }
    w().txtWord->setFocus();
    // Choosing with the keyboard, as from the open list.
    w().txtWord->setCurrentIndex(0);
    w().txtClue->setText(QStringLiteral("typed"));
    QTest::keyClick(w().txtWord, Qt::Key_Down);
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("HERON"));
    QCOMPARE(w().txtClue->text(), QStringLiteral("Wader"));
    QTest::keyClick(w().txtWord, Qt::Key_Up);
    QCOMPARE(w().txtClue->text(), QStringLiteral("River swimmer"));

    // Typing a listed word changes nothing else.
    w().txtClue->setText(QStringLiteral("mine"));
    typeWord(w(), QStringLiteral("HERON"));
    QCOMPARE(w().txtClue->text(), QStringLiteral("mine"));
}

// --- Search --------------------------------------------------------------------------------

void tst_WordPanel::searchMarksEveryPlaceInOrder()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"));
    w().txtWord->setEditText(QStringLiteral("ACT"));
    clickWordToolbar(w(), 3);
    QCOMPARE(dialogs().shown.size(), 0);
    const QList<QRect> markers = visibleMarkers(w());
    QCOMPARE(markers.size(), 3);
    // Down at (4, 0) crossing the T, (2, 1) the C, (3, 2) the A.
    QVERIFY(coversSquares(markers[0], squaresPixels(w(), 4, 0, 1, 3)));
    QVERIFY(coversSquares(markers[1], squaresPixels(w(), 2, 1, 1, 3)));
    QVERIFY(coversSquares(markers[2], squaresPixels(w(), 3, 2, 1, 3)));
    QVERIFY(!w().markers().first()->isVisible());

    // The markers stay while the window handles its events; they sit over the grid.
    QTest::qWait(50);
    QCOMPARE(visibleMarkers(w()).size(), 3);
    QCOMPARE(w().markers().at(1)->parentWidget(), w().picView);
}

void tst_WordPanel::searchIgnoresCase()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"));
    w().txtWord->setEditText(QStringLiteral("ACT"));
    w().wordPanel()->markPlacesForWord();
    const QList<QRect> upper = visibleMarkers(w());
    w().txtWord->setEditText(QStringLiteral("act"));
    w().wordPanel()->markPlacesForWord();
    QCOMPARE(visibleMarkers(w()), upper);
}

void tst_WordPanel::searchWithoutAPlaceRemovesOldMarkers()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"));
    w().txtWord->setEditText(QStringLiteral("ACT"));
    clickWordToolbar(w(), 3);
    QCOMPARE(visibleMarkers(w()).size(), 3);
    w().txtWord->setEditText(QStringLiteral("DOG"));
    clickWordToolbar(w(), 3);
    QCOMPARE(visibleMarkers(w()).size(), 0);
    QCOMPARE(dialogs().shown.size(), 0);

    // A shorter list of places hides the markers left over from a longer one.
    w().txtWord->setEditText(QStringLiteral("ACT"));
    clickWordToolbar(w(), 3);
    w().txtWord->setEditText(QStringLiteral("TO"));
    clickWordToolbar(w(), 3);
    QCOMPARE(visibleMarkers(w()).size(), 1);
}

void tst_WordPanel::searchRefusals_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("gridWord");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("no word") << QString() << true << "No Word"
                             << "Please enter a word to search for a grid position.";
    QTest::newRow("no grid words")
        << QStringLiteral("ACT") << false << "No Grid Words" << kNoGridWordsText;
}

void tst_WordPanel::searchRefusals()
{
    QFETCH(QString, word);
    QFETCH(bool, gridWord);
    QFETCH(QString, title);
    QFETCH(QString, text);
    if (gridWord)
        putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"));
    w().txtWord->setEditText(word);
    clickWordToolbar(w(), 3);
    QCOMPARE(dialogs().shown.size(), 1);
    QCOMPARE(dialogs().shown.first().title, title);
    QCOMPARE(dialogs().shown.first().text, text);
    QCOMPARE(dialogs().shown.first().icon, Icon::Information);
    QCOMPARE(visibleMarkers(w()).size(), 0);
}

// --- Keyboard ------------------------------------------------------------------------------

void tst_WordPanel::keyFilterUpperCasesAndDropsBlanks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lower case") << "zebra"
                                << "ZEBRA";
    QTest::newRow("blanks") << "ice cream van"
                            << "ICECREAMVAN";
    QTest::newRow("digits and punctuation") << "r2-d2's!"
                                            << "R2-D2'S!";
    QTest::newRow("upper case stays") << "MiXeD"
                                      << "MIXED";
    QTest::newRow("letters beyond a-z pass")
        << QStringLiteral("caf\u00e9") << QStringLiteral("CAF\u00e9");
}

void tst_WordPanel::keyFilterUpperCasesAndDropsBlanks()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    w().txtWord->setFocus();
    typeKeys(w().txtWord, typed);
    QCOMPARE(w().txtWord->currentText(), shown);
    // Typing into the line edit itself is filtered the same way.
    w().txtWord->setEditText(QString());
    typeKeys(w().txtWord->lineEdit(), typed);
    QCOMPARE(w().txtWord->currentText(), shown);
    // Pasted text gets the same treatment as typed text.
    w().txtWord->setEditText(QString());
    QApplication::clipboard()->setText(typed);
    w().txtWord->lineEdit()->paste();
    QCOMPARE(w().txtWord->currentText(), shown);
}

void tst_WordPanel::enterInTheWordBoxStoresTheWord()
{
    QTest::keyClicks(w().txtWord, QStringLiteral("otter"));
    w().txtClue->setText(QStringLiteral("River swimmer"));
    QTest::keyClick(w().txtWord, Qt::Key_Return);
    QCOMPARE(listedWords(w()), QStringList{QStringLiteral("OTTER")});
    QCOMPARE(w().extraWords().last().Clue, QStringLiteral("River swimmer"));
    QCOMPARE(w().txtWord->currentText(), QString());

    QTest::keyClicks(w().txtWord, QStringLiteral("ab"));
    QTest::keyClick(w().txtWord, Qt::Key_Enter);
    QCOMPARE(dialogs().titles(), QStringList{QStringLiteral("Word Legth Error")});
    QCOMPARE(listedWords(w()), QStringList{QStringLiteral("OTTER")});
}

void tst_WordPanel::tabRunsThroughThePanelTopToBottom()
{
    QApplication::setActiveWindow(&w());
    w().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    w().txtWord->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget() != nullptr, true);

    const QList<QWidget *> expected{w().txtX,         w().txtY,      w().txtClue, w().optAcross,
                                    w().cmdOKAddWord, w().cmdDelete, w().TB2,     w().CandyButton2};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY2(focus == next || (focus && focus->focusProxy() == next) ||
                     (focus && focus->parentWidget() == next),
                 qPrintable(QStringLiteral("expected %1, focus on %2")
                                .arg(next->objectName(),
                                     focus ? focus->objectName() : QStringLiteral("nothing"))));
    }
}

void tst_WordPanel::tabRunsThroughTheSettingsPanelTopToBottom()
{
    QApplication::setActiveWindow(&w());
    w().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    w().txtTitle->setFocus(Qt::TabFocusReason);

    // The main toolbar comes before the settings panel.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), w().TB1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

    // Pickers in the order they are shown: Background, Squares, Grid Lines; then the move
    // buttons up, left, right, down; then the grid and on to the word panel.
    const QList<QWidget *> expected{
        w().txtSubject,      w().txtXSize,        w().txtYSize,        w().cmdUpdateProperties,
        w().ColorPicker1[0], w().ColorPicker1[2], w().ColorPicker1[1], w().CandyButton1[2],
        w().CandyButton1[0], w().CandyButton1[1], w().CandyButton1[3], w().picView,
        w().txtWord};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY2(focus == next || (focus && focus->parentWidget() == next),
                 qPrintable(QStringLiteral("expected %1, focus on %2")
                                .arg(next->objectName(),
                                     focus ? focus->objectName() : QStringLiteral("nothing"))));
    }
}

void tst_WordPanel::menuAccessKeysOpenTheMenus()
{
    QApplication::setActiveWindow(&w());
    w().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    w().txtWord->setFocus();
    w().txtWord->setEditText(QStringLiteral("KEEP"));

    // Alt+F opens "&File", also from the word box; N runs New, which asks its question.
    QTest::keyClick(&w(), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(w().mnuFile->isVisible());
    dialogs().answers.enqueue(Dialogs::Answer::Cancel);
    QTest::keyClick(w().mnuFile, Qt::Key_N);
    QTRY_COMPARE(dialogs().titles(), QStringList{QStringLiteral("Save Changes")});
    QTRY_VERIFY(!w().mnuFile->isVisible());
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("KEEP"));

    // Ctrl+A in the word box selects its text instead of typing a letter.
    w().txtWord->setFocus();
    QTest::keyClick(w().txtWord, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("KEEP"));
    QCOMPARE(w().txtWord->lineEdit()->selectedText(), QStringLiteral("KEEP"));
}

void tst_WordPanel::gridKeysMoveSwapStartTheWordAndUpdate()
{
    QApplication::setActiveWindow(&w());
    w().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    w().CandyButton1[3]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w().picView);
    QCOMPARE(w().picView->focusMark(), w().wordPanel()->squaresRect(0, 0, 1, Direction::Across));

    // The arrows move the selected square (kept inside the grid) as a click would.
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down,
                              Qt::Key_Down, Qt::Key_Up, Qt::Key_Down})
        QTest::keyClick(w().picView, key);
    QCOMPARE(w().txtX->currentText(), QStringLiteral("2"));
    QCOMPARE(w().txtY->currentText(), QStringLiteral("2"));
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("CAT"));
    QCOMPARE(w().picView->focusMark(), w().wordPanel()->squaresRect(2, 2, 1, Direction::Across));
    // The mark shows on the grid while it has the focus.
    const QImage shown = w().picView->grab().toImage();
    QCOMPARE(shown.pixelColor(w().picView->focusMark().topLeft() + QPoint(3, 8)),
             QColor(255, 140, 0));

    // Space swaps Across and Down; a letter starts the word in the word box.
    QTest::keyClick(w().picView, Qt::Key_Space);
    QVERIFY(w().optDown->isChecked());
    QTest::keyClick(w().picView, Qt::Key_C);
    QVERIFY(w().txtWord->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ow"));
    QCOMPARE(w().txtWord->currentText(), QStringLiteral("COW"));

    // Back on the grid, Enter runs Update: COW goes down from the C of CAT.
    w().picView->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w().picView, Qt::Key_Return);
    QCOMPARE(dialogs().titles(), QStringList());
    QCOMPARE(gridAnswers(w()), QStringList({QStringLiteral("CAT"), QStringLiteral("COW")}));
    QCOMPARE(w().puzzle().Words.last().Orientation, Direction::Down);
}

void tst_WordPanel::wordToolbarPressedFromTheKeyboard()
{
    QApplication::setActiveWindow(&w());
    w().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    w().cmdDelete->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w().TB2);
    QTest::keyClick(w().TB2, Qt::Key_Right);
    QTest::keyClick(w().TB2, Qt::Key_Right);
    QTest::keyClick(w().TB2, Qt::Key_Space);
    QCOMPARE(dialogs().titles(), QStringList{QStringLiteral("No Word")});
}

QTEST_MAIN(tst_WordPanel)
#include "tst_wordpanel.moc"
