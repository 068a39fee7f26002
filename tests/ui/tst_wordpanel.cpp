// SPDX-License-Identifier: MIT
// The word and clue panel: grid clicks, Update, Delete, the word list, the place search,
// the key filter of the word box and the keyboard.
#include "editinghelpers.h"

#include "colorbutton.h"

#include "gridedit.h"
#include "wordpanel.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace Velloquin;

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
    MainWindow &w() { return *m_window; }
    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }
    void newGrid(int width, int height);

    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<MainWindow> m_window;
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
    newPuzzle(w(), width, height);
}

// --- Clicks on the grid ----------------------------------------------------------------

void tst_WordPanel::clickOnEmptySquareSelectsOnlyTheSquare()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    control<QComboBox>(w(), "txtWord")->setEditText(QStringLiteral("KEEP"));
    control<QLineEdit>(w(), "txtClue")->setText(QStringLiteral("kept clue"));

    clickSquare(w(), 7, 4);
    QCOMPARE(control<QComboBox>(w(), "txtX")->currentText(), QStringLiteral("7"));
    QCOMPARE(control<QComboBox>(w(), "txtY")->currentText(), QStringLiteral("4"));
    QVERIFY(control<ShapeFrame>(w(), "Shape1")->isVisible());
    QVERIFY2(coversSquares(control<ShapeFrame>(w(), "Shape1")->geometry(),
                           squaresPixels(w(), 7, 4, 1, 1)),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(control<ShapeFrame>(w(), "Shape1")->x())
                            .arg(control<ShapeFrame>(w(), "Shape1")->y())
                            .arg(control<ShapeFrame>(w(), "Shape1")->width())
                            .arg(control<ShapeFrame>(w(), "Shape1")->height())));
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("KEEP"));
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QStringLiteral("kept clue"));

    // A square inside a word, not its start, selects only the square too.
    clickSquare(w(), 3, 2);
    QCOMPARE(control<QComboBox>(w(), "txtX")->currentText(), QStringLiteral("3"));
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("KEEP"));
    QVERIFY(coversSquares(control<ShapeFrame>(w(), "Shape1")->geometry(),
                          squaresPixels(w(), 3, 2, 1, 1)));
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
        control<QRadioButton>(w(), "optDown")->setChecked(true); // the click must switch it

    clickSquare(w(), x, y);
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("HORSE"));
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QStringLiteral("Rides well"));
    QCOMPARE(control<QRadioButton>(w(), "optAcross")->isChecked(),
             orientation == Direction::Across);
    QCOMPARE(control<QRadioButton>(w(), "optDown")->isChecked(), orientation == Direction::Down);
    QCOMPARE(control<QComboBox>(w(), "txtX")->currentText(), QString::number(x));
    QCOMPARE(control<QComboBox>(w(), "txtY")->currentText(), QString::number(y));
    const QRect expected = orientation == Direction::Across ? squaresPixels(w(), x, y, 5, 1)
                                                            : squaresPixels(w(), x, y, 1, 5);
    QVERIFY(control<ShapeFrame>(w(), "Shape1")->isVisible());
    QVERIFY(coversSquares(control<ShapeFrame>(w(), "Shape1")->geometry(), expected));
}

void tst_WordPanel::downWinsOnASharedStartSquare()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    putWord(w(), 2, 2, Direction::Down, QStringLiteral("CUP"), QStringLiteral("Holds tea"));

    clickSquare(w(), 2, 2);
    QVERIFY(control<QRadioButton>(w(), "optDown")->isChecked());
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("CUP"));
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QStringLiteral("Holds tea"));
    QVERIFY(coversSquares(control<ShapeFrame>(w(), "Shape1")->geometry(),
                          squaresPixels(w(), 2, 2, 1, 3)));
}

void tst_WordPanel::orientationTwinsShowTheWordOfTheirOrientation()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    putWord(w(), 2, 2, Direction::Down, QStringLiteral("CUPS"), QStringLiteral("Hold tea"));
    clickSquare(w(), 2, 2);

    chooseOrientation(w(), Direction::Across);
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("CAT"));
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QStringLiteral("Pet"));
    QVERIFY(coversSquares(control<ShapeFrame>(w(), "Shape1")->geometry(),
                          squaresPixels(w(), 2, 2, 3, 1)));

    chooseOrientation(w(), Direction::Down);
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("CUPS"));
    QVERIFY(coversSquares(control<ShapeFrame>(w(), "Shape1")->geometry(),
                          squaresPixels(w(), 2, 2, 1, 4)));
}

void tst_WordPanel::orientationWithoutAWordKeepsTheTexts()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    clickSquare(w(), 2, 2);
    const QRect before = control<ShapeFrame>(w(), "Shape1")->geometry();
    chooseOrientation(w(), Direction::Down);
    QVERIFY(control<QRadioButton>(w(), "optDown")->isChecked());
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("CAT"));
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QStringLiteral("Pet"));
    QCOMPARE(control<ShapeFrame>(w(), "Shape1")->geometry(), before);
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
    clickButton(control<GradientButton>(w(), "cmdOKAddWord"));

    QCOMPARE(dialogs().shown.size(), 0);
    const qint16 index = findWordAt(w().document().puzzle(), 3, 5, Direction::Down);
    QVERIFY(index >= 0);
    QCOMPARE(w().document().puzzle().words.at(index).answer, QStringLiteral("ZEBRA"));
    QCOMPARE(w().document().puzzle().words.at(index).clue, QStringLiteral("Striped horse"));
    QVERIFY(w().document().puzzle().words.at(index).showLetters);
    QCOMPARE(listedWords(w()), QStringList());
    QCOMPARE(storedWords(w()), QStringList());
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QString());
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QString());
    // Position reset.
    QVERIFY(control<QRadioButton>(w(), "optAcross")->isChecked());
    QCOMPARE(control<QComboBox>(w(), "txtX")->currentText(), QStringLiteral("0"));
    QCOMPARE(control<QComboBox>(w(), "txtY")->currentText(), QStringLiteral("0"));
    QVERIFY(!control<ShapeFrame>(w(), "Shape1")->isVisible());
}

void tst_WordPanel::updateRefusedByThePlacementRulesChangesNothing()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"));
    const CrosswordData before = w().document().puzzle();
    // DOG down through the A of CAT: the letters differ.
    clickSquare(w(), 3, 1);
    chooseOrientation(w(), Direction::Down);
    typeWord(w(), QStringLiteral("DOG"));
    clickButton(control<GradientButton>(w(), "cmdOKAddWord"));
    QCOMPARE(dialogs().titles(), QStringList{QStringLiteral("Add Word Error")});
    QCOMPARE(w().document().puzzle().words, before.words);
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("DOG"));
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
    control<QComboBox>(w(), "txtWord")->setEditText(word);
    if (emptyPositions) {
        control<QComboBox>(w(), "txtX")->clear();
        control<QComboBox>(w(), "txtY")->clear();
    }
    clickButton(control<GradientButton>(w(), "cmdOKAddWord"));
    QCOMPARE(dialogs().shown.size(), 1);
    QCOMPARE(dialogs().shown.first().title, title);
    QCOMPARE(dialogs().shown.first().text, text);
    QCOMPARE(dialogs().shown.first().icon, Icon::Error);
    QVERIFY(w().document().puzzle().isEmpty);
}

void tst_WordPanel::updateChangesAPlacedWord()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    clickSquare(w(), 2, 2);
    typeWord(w(), QStringLiteral("cart"));
    typeClue(w(), QStringLiteral("Horse drawn"));
    clickButton(control<GradientButton>(w(), "cmdOKAddWord"));

    QCOMPARE(dialogs().shown.size(), 0);
    QCOMPARE(w().document().puzzle().words.size(), 1);
    QCOMPARE(w().document().puzzle().words.at(0).answer, QStringLiteral("CART"));
    QCOMPARE(w().document().puzzle().words.at(0).clue, QStringLiteral("Horse drawn"));
    QCOMPARE(w().document().puzzle().words.at(0).x, 2);
    QCOMPARE(control<QComboBox>(w(), "txtX")->currentText(), QStringLiteral("0"));
}

void tst_WordPanel::updateOfAPlacedWordIsCheckedLikeANewWord_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("refusal"); // empty: accepted
    // CAT across at (5,2), ARM down from its A at (6,2). The rules are the engine's
    // (replaceWord); here the window either takes the answer or shows the refusal.
    QTest::newRow("same letter at the crossing") << "OAK" << QString();
    QTest::newRow("different letter at the crossing") << "COT"
                                                      << "Add Word Error";
}

void tst_WordPanel::updateOfAPlacedWordIsCheckedLikeANewWord()
{
    QFETCH(QString, answer);
    QFETCH(QString, refusal);
    putWord(w(), 5, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    putWord(w(), 6, 2, Direction::Down, QStringLiteral("ARM"), QStringLiteral("Limb"));
    const CrosswordData before = w().document().puzzle();

    clickSquare(w(), 5, 2);
    QVERIFY(control<QRadioButton>(w(), "optAcross")->isChecked());
    typeWord(w(), answer);
    clickButton(control<GradientButton>(w(), "cmdOKAddWord"));

    if (refusal.isEmpty()) {
        QCOMPARE(dialogs().shown.size(), 0);
        QCOMPARE(w().document().puzzle().words.at(0).answer, answer);
        QCOMPARE(w().document().puzzle().words.at(1), before.words.at(1));
    } else {
        QCOMPARE(dialogs().titles(), QStringList{refusal});
        QCOMPARE(w().document().puzzle().words, before.words);
        QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), answer);
    }
}

void tst_WordPanel::updateWithDownOnAnAcrossStartAddsADownWord()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    clickSquare(w(), 2, 2);
    chooseOrientation(w(), Direction::Down);
    typeWord(w(), QStringLiteral("CUP"));
    typeClue(w(), QStringLiteral("Holds tea"));
    clickButton(control<GradientButton>(w(), "cmdOKAddWord"));

    QCOMPARE(dialogs().shown.size(), 0);
    QCOMPARE(gridAnswers(w()), (QStringList{QStringLiteral("CAT"), QStringLiteral("CUP")}));
    QCOMPARE(w().document().puzzle().words.at(1).orientation, Direction::Down);
    QCOMPARE(w().document().puzzle().words.at(0).clue, QStringLiteral("Pet"));
}

// --- Delete --------------------------------------------------------------------------------

void tst_WordPanel::deletePutsTheWordBackInTheList()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    putWord(w(), 3, 2, Direction::Down, QStringLiteral("ARM"), QStringLiteral("Limb"));
    clickSquare(w(), 3, 2);
    clickButton(control<GradientButton>(w(), "cmdDelete"));

    QCOMPARE(dialogs().shown.size(), 0);
    QCOMPARE(gridAnswers(w()), QStringList{QStringLiteral("CAT")});
    QCOMPARE(listedWords(w()), QStringList{QStringLiteral("ARM")});
    QCOMPARE(w().document().storedWords().last(),
             (ExtraWord{QStringLiteral("ARM"), QStringLiteral("Limb")}));
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QString());
    QCOMPARE(control<QComboBox>(w(), "txtX")->currentText(), QStringLiteral("0"));
    QCOMPARE(control<QComboBox>(w(), "txtY")->currentText(), QStringLiteral("0"));
    QVERIFY(!control<ShapeFrame>(w(), "Shape1")->isVisible());
}

void tst_WordPanel::deleteWithAShortTextDeletesThenRefusesToStore()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    clickSquare(w(), 2, 2);
    typeWord(w(), QStringLiteral("CA"));
    clickButton(control<GradientButton>(w(), "cmdDelete"));

    QVERIFY(w().document().puzzle().isEmpty);
    QCOMPARE(dialogs().titles(), QStringList{QStringLiteral("Word Legth Error")});
    QCOMPARE(dialogs().shown.first().text,
             QStringLiteral("Sorry, the mimimum leghth for a word is 3 characters."));
    QCOMPARE(dialogs().shown.first().icon, Icon::Information);
    QCOMPARE(listedWords(w()), QStringList());
}

void tst_WordPanel::deleteWithNothingThereChangesNothing()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    const CrosswordData before = w().document().puzzle();
    clickSquare(w(), 2, 2);
    chooseOrientation(w(), Direction::Down); // no Down word starts there
    clickButton(control<GradientButton>(w(), "cmdDelete"));
    QCOMPARE(dialogs().shown.size(), 0);
    QCOMPARE(w().document().puzzle().words, before.words);
    QCOMPARE(listedWords(w()), QStringList());
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("CAT"));
    QCOMPARE(control<QComboBox>(w(), "txtX")->currentText(), QStringLiteral("2"));
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
    QCOMPARE(w().document().storedWords().size(), 3);
    QCOMPARE(w().document().storedWords().at(0), ExtraWord{});
    QCOMPARE(w().document().storedWords().at(1),
             (ExtraWord{QStringLiteral("OTTER"), QStringLiteral("River swimmer")}));
    QCOMPARE(w().document().storedWords().at(2), (ExtraWord{QStringLiteral("HERON"), QString()}));
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QString());
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QString());
}

void tst_WordPanel::storeDoesNothingForAWordAlreadyKept_data()
{
    QTest::addColumn<QString>("typed");
    // Which words count as kept is the engine's rule (storeWord); one of each is enough here.
    QTest::newRow("listed") << QStringLiteral("OTTER");
}

void tst_WordPanel::storeDoesNothingForAWordAlreadyKept()
{
    QFETCH(QString, typed);
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    control<QComboBox>(w(), "txtWord")->setEditText(QStringLiteral("OTTER"));
    clickWordToolbar(w(), 1);

    control<QComboBox>(w(), "txtWord")->setEditText(typed);
    control<QLineEdit>(w(), "txtClue")->setText(QStringLiteral("another clue"));
    clickWordToolbar(w(), 1);
    QCOMPARE(dialogs().shown.size(), 0);
    QCOMPARE(listedWords(w()), QStringList{QStringLiteral("OTTER")});
    QCOMPARE(w().document().storedWords().size(), 2);
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), typed);
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QStringLiteral("another clue"));
}

void tst_WordPanel::storeRefusesShortWords()
{
    control<QComboBox>(w(), "txtWord")->setEditText(QStringLiteral("AB"));
    clickWordToolbar(w(), 1);
    QCOMPARE(dialogs().titles(), QStringList{QStringLiteral("Word Legth Error")});
    QCOMPARE(listedWords(w()), QStringList());
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("AB"));
}

void tst_WordPanel::removeTakesTheWordOffTheList()
{
    for (const char *word : {"OTTER", "HERON", "EGRET"}) {
        control<QComboBox>(w(), "txtWord")->setEditText(QString::fromLatin1(word));
        clickWordToolbar(w(), 1);
    }
    typeWord(w(), QStringLiteral("heron"));
    control<QLineEdit>(w(), "txtClue")->setText(QStringLiteral("x"));
    clickWordToolbar(w(), 2);
    QCOMPARE(listedWords(w()), (QStringList{QStringLiteral("OTTER"), QStringLiteral("EGRET")}));
    QCOMPARE(storedWords(w()), (QStringList{QStringLiteral("OTTER"), QStringLiteral("EGRET")}));
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QString());
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QString());
}

void tst_WordPanel::removeOfAnUnlistedWordKeepsTheTexts()
{
    control<QComboBox>(w(), "txtWord")->setEditText(QStringLiteral("OTTER"));
    clickWordToolbar(w(), 1);
    control<QComboBox>(w(), "txtWord")->setEditText(QStringLiteral("WREN"));
    control<QLineEdit>(w(), "txtClue")->setText(QStringLiteral("Small bird"));
    clickWordToolbar(w(), 2);
    QCOMPARE(listedWords(w()), QStringList{QStringLiteral("OTTER")});
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("WREN"));
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QStringLiteral("Small bird"));

    // An empty word box removes nothing.
    control<QComboBox>(w(), "txtWord")->setEditText(QString());
    clickWordToolbar(w(), 2);
    QCOMPARE(listedWords(w()), QStringList{QStringLiteral("OTTER")});
    QCOMPARE(dialogs().shown.size(), 0);
}

void tst_WordPanel::choosingAListedWordFillsItsClue()
{
    const QStringList words{QStringLiteral("OTTER"), QStringLiteral("HERON")};
    const QStringList clues{QStringLiteral("River swimmer"), QStringLiteral("Wader")};
    for (int i = 0; i < 2; ++i) {
        control<QComboBox>(w(), "txtWord")->setEditText(words[i]);
        control<QLineEdit>(w(), "txtClue")->setText(clues[i]);
        clickWordToolbar(w(), 1);
    }
    control<QComboBox>(w(), "txtWord")->setFocus();
    // Choosing with the keyboard, as from the open list.
    control<QComboBox>(w(), "txtWord")->setCurrentIndex(0);
    control<QLineEdit>(w(), "txtClue")->setText(QStringLiteral("typed"));
    QTest::keyClick(control<QComboBox>(w(), "txtWord"), Qt::Key_Down);
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("HERON"));
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QStringLiteral("Wader"));
    QTest::keyClick(control<QComboBox>(w(), "txtWord"), Qt::Key_Up);
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QStringLiteral("River swimmer"));

    // Typing a listed word changes nothing else.
    control<QLineEdit>(w(), "txtClue")->setText(QStringLiteral("mine"));
    typeWord(w(), QStringLiteral("HERON"));
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QStringLiteral("mine"));
}

// --- Search --------------------------------------------------------------------------------

void tst_WordPanel::searchMarksEveryPlaceInOrder()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"));
    control<QComboBox>(w(), "txtWord")->setEditText(QStringLiteral("ACT"));
    clickWordToolbar(w(), 3);
    QCOMPARE(dialogs().shown.size(), 0);
    const QList<QRect> markers = visibleMarkers(w());
    QCOMPARE(markers.size(), 3);
    // Down at (4, 0) crossing the T, (2, 1) the C, (3, 2) the A.
    QVERIFY(coversSquares(markers[0], squaresPixels(w(), 4, 0, 1, 3)));
    QVERIFY(coversSquares(markers[1], squaresPixels(w(), 2, 1, 1, 3)));
    QVERIFY(coversSquares(markers[2], squaresPixels(w(), 3, 2, 1, 3)));
    QVERIFY(!::markers(w()).first()->isVisible());

    // The markers stay while the window handles its events; they sit over the grid.
    QTest::qWait(50);
    QCOMPARE(visibleMarkers(w()).size(), 3);
    QCOMPARE(::markers(w()).at(1)->parentWidget(), control<PictureBox>(w(), "picView"));
}

void tst_WordPanel::searchIgnoresCase()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"));
    control<QComboBox>(w(), "txtWord")->setEditText(QStringLiteral("ACT"));
    w().findChild<WordPanel *>(QStringLiteral("picAddWord"))->findPlacesForWord();
    const QList<QRect> upper = visibleMarkers(w());
    control<QComboBox>(w(), "txtWord")->setEditText(QStringLiteral("act"));
    w().findChild<WordPanel *>(QStringLiteral("picAddWord"))->findPlacesForWord();
    QCOMPARE(visibleMarkers(w()), upper);
}

void tst_WordPanel::searchWithoutAPlaceRemovesOldMarkers()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"));
    control<QComboBox>(w(), "txtWord")->setEditText(QStringLiteral("ACT"));
    clickWordToolbar(w(), 3);
    QCOMPARE(visibleMarkers(w()).size(), 3);
    control<QComboBox>(w(), "txtWord")->setEditText(QStringLiteral("DOG"));
    clickWordToolbar(w(), 3);
    QCOMPARE(visibleMarkers(w()).size(), 0);
    QCOMPARE(dialogs().shown.size(), 0);

    // A shorter list of places hides the markers left over from a longer one.
    control<QComboBox>(w(), "txtWord")->setEditText(QStringLiteral("ACT"));
    clickWordToolbar(w(), 3);
    control<QComboBox>(w(), "txtWord")->setEditText(QStringLiteral("TO"));
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
    control<QComboBox>(w(), "txtWord")->setEditText(word);
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
    QTest::newRow("letters beyond a-z")
        << QStringLiteral("caf\u00e9") << QStringLiteral("CAF\u00c9");
    QTest::newRow("a longer capital keeps its letter")
        << QStringLiteral("stra\u00dfe") << QStringLiteral("STRA\u00dfE");
}

void tst_WordPanel::keyFilterUpperCasesAndDropsBlanks()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    control<QComboBox>(w(), "txtWord")->setFocus();
    typeKeys(control<QComboBox>(w(), "txtWord"), typed);
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), shown);
    // Typing into the line edit itself is filtered the same way.
    control<QComboBox>(w(), "txtWord")->setEditText(QString());
    typeKeys(control<QComboBox>(w(), "txtWord")->lineEdit(), typed);
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), shown);
    // Pasted text gets the same treatment as typed text.
    control<QComboBox>(w(), "txtWord")->setEditText(QString());
    QApplication::clipboard()->setText(typed);
    control<QComboBox>(w(), "txtWord")->lineEdit()->paste();
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), shown);
}

void tst_WordPanel::enterInTheWordBoxStoresTheWord()
{
    QTest::keyClicks(control<QComboBox>(w(), "txtWord"), QStringLiteral("otter"));
    control<QLineEdit>(w(), "txtClue")->setText(QStringLiteral("River swimmer"));
    QTest::keyClick(control<QComboBox>(w(), "txtWord"), Qt::Key_Return);
    QCOMPARE(listedWords(w()), QStringList{QStringLiteral("OTTER")});
    QCOMPARE(w().document().storedWords().last().clue, QStringLiteral("River swimmer"));
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QString());

    QTest::keyClicks(control<QComboBox>(w(), "txtWord"), QStringLiteral("ab"));
    QTest::keyClick(control<QComboBox>(w(), "txtWord"), Qt::Key_Enter);
    QCOMPARE(dialogs().titles(), QStringList{QStringLiteral("Word Legth Error")});
    QCOMPARE(listedWords(w()), QStringList{QStringLiteral("OTTER")});
}

void tst_WordPanel::tabRunsThroughThePanelTopToBottom()
{
    QApplication::setActiveWindow(&w());
    w().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    control<QComboBox>(w(), "txtWord")->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget() != nullptr, true);

    const QList<QWidget *> expected{control<QComboBox>(w(), "txtX"),
                                    control<QComboBox>(w(), "txtY"),
                                    control<QLineEdit>(w(), "txtClue"),
                                    control<QRadioButton>(w(), "optAcross"),
                                    control<GradientButton>(w(), "cmdOKAddWord"),
                                    control<GradientButton>(w(), "cmdDelete"),
                                    control<Toolbar>(w(), "TB2"),
                                    control<GradientButton>(w(), "CandyButton2")};
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
    control<QLineEdit>(w(), "txtTitle")->setFocus(Qt::TabFocusReason);

    // The main toolbar comes before the settings panel.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), control<Toolbar>(w(), "TB1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

    // The Layout box below Change, then the pickers in the order they are shown:
    // Background, Squares, Grid Lines; then the move
    // buttons up, left, right, down; then the grid and on to the word panel.
    const QList<QWidget *> expected{control<QLineEdit>(w(), "txtSubject"),
                                    control<QComboBox>(w(), "txtXSize"),
                                    control<QComboBox>(w(), "txtYSize"),
                                    control<GradientButton>(w(), "cmdUpdateProperties"),
                                    control<QComboBox>(w(), "cboMethod"),
                                    control<ColorButton>(w(), "ColorPicker1_0"),
                                    control<ColorButton>(w(), "ColorPicker1_2"),
                                    control<ColorButton>(w(), "ColorPicker1_1"),
                                    control<GradientButton>(w(), "CandyButton1_2"),
                                    control<GradientButton>(w(), "CandyButton1_0"),
                                    control<GradientButton>(w(), "CandyButton1_1"),
                                    control<GradientButton>(w(), "CandyButton1_3"),
                                    control<PictureBox>(w(), "picView"),
                                    control<QComboBox>(w(), "txtWord")};
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
    control<QComboBox>(w(), "txtWord")->setFocus();
    control<QComboBox>(w(), "txtWord")->setEditText(QStringLiteral("KEEP"));

    // Alt+F opens "&File", also from the word box; N runs New, which asks its question.
    QTest::keyClick(&w(), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(control<QMenu>(w(), "mnuFile")->isVisible());
    dialogs().answers.enqueue(Dialogs::Answer::Cancel);
    QTest::keyClick(control<QMenu>(w(), "mnuFile"), Qt::Key_N);
    QTRY_COMPARE(dialogs().titles(), QStringList{QStringLiteral("Save Changes")});
    QTRY_VERIFY(!control<QMenu>(w(), "mnuFile")->isVisible());
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("KEEP"));

    // Ctrl+A in the word box selects its text instead of typing a letter.
    control<QComboBox>(w(), "txtWord")->setFocus();
    QTest::keyClick(control<QComboBox>(w(), "txtWord"), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("KEEP"));
    QCOMPARE(control<QComboBox>(w(), "txtWord")->lineEdit()->selectedText(),
             QStringLiteral("KEEP"));
}

void tst_WordPanel::gridKeysMoveSwapStartTheWordAndUpdate()
{
    QApplication::setActiveWindow(&w());
    w().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    control<GradientButton>(w(), "CandyButton1_3")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control<PictureBox>(w(), "picView"));
    QCOMPARE(control<PictureBox>(w(), "picView")->focusMark(),
             w().findChild<WordPanel *>(QStringLiteral("picAddWord"))
                 ->squaresRect(0, 0, 1, Direction::Across));

    // The arrows move the selected square (kept inside the grid) as a click would.
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down,
                              Qt::Key_Down, Qt::Key_Up, Qt::Key_Down})
        QTest::keyClick(control<PictureBox>(w(), "picView"), key);
    QCOMPARE(control<QComboBox>(w(), "txtX")->currentText(), QStringLiteral("2"));
    QCOMPARE(control<QComboBox>(w(), "txtY")->currentText(), QStringLiteral("2"));
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("CAT"));
    QCOMPARE(control<PictureBox>(w(), "picView")->focusMark(),
             w().findChild<WordPanel *>(QStringLiteral("picAddWord"))
                 ->squaresRect(2, 2, 1, Direction::Across));
    // The mark shows on the grid while it has the focus.
    const QImage shown = control<PictureBox>(w(), "picView")->grab().toImage();
    QCOMPARE(
        shown.pixelColor(control<PictureBox>(w(), "picView")->focusMark().topLeft() + QPoint(3, 8)),
        QColor(255, 140, 0));

    // Space swaps Across and Down; a letter starts a new word in the word box, without the
    // clue of the word shown before.
    QTest::keyClick(control<PictureBox>(w(), "picView"), Qt::Key_Space);
    QVERIFY(control<QRadioButton>(w(), "optDown")->isChecked());
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QStringLiteral("Pet"));
    QTest::keyClick(control<PictureBox>(w(), "picView"), Qt::Key_C);
    QVERIFY(control<QComboBox>(w(), "txtWord")->hasFocus());
    QCOMPARE(control<QLineEdit>(w(), "txtClue")->text(), QString());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ow"));
    QCOMPARE(control<QComboBox>(w(), "txtWord")->currentText(), QStringLiteral("COW"));

    // Back on the grid, Enter runs Update: COW goes down from the C of CAT.
    control<PictureBox>(w(), "picView")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control<PictureBox>(w(), "picView"), Qt::Key_Return);
    QCOMPARE(dialogs().titles(), QStringList());
    QCOMPARE(gridAnswers(w()), QStringList({QStringLiteral("CAT"), QStringLiteral("COW")}));
    QCOMPARE(w().document().puzzle().words.last().orientation, Direction::Down);
}

void tst_WordPanel::wordToolbarPressedFromTheKeyboard()
{
    QApplication::setActiveWindow(&w());
    w().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    control<GradientButton>(w(), "cmdDelete")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control<Toolbar>(w(), "TB2"));
    QTest::keyClick(control<Toolbar>(w(), "TB2"), Qt::Key_Right);
    QTest::keyClick(control<Toolbar>(w(), "TB2"), Qt::Key_Right);
    QTest::keyClick(control<Toolbar>(w(), "TB2"), Qt::Key_Space);
    QCOMPARE(dialogs().titles(), QStringList{QStringLiteral("No Word")});
}

QTEST_MAIN(tst_WordPanel)
#include "tst_wordpanel.moc"
