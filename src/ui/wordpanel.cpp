// SPDX-License-Identifier: MIT
#include "wordpanel.h"

#include "colornumbers.h"
#include "commandcontext.h"
#include "dialogs.h"
#include "drawing.h"
#include "gradientbutton.h"
#include "gridedit.h"
#include "numberreading.h"
#include "panelparts.h"
#include "picturebox.h"
#include "pictures.h"
#include "placementsearch.h"
#include "toolbar.h"
#include "twips.h"
#include "wordrules.h"
#include "wordsmodel.h"

#include <QComboBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace Velloquin {

namespace {

// Made when shown, so that they speak the window's language.
Message badPosition()
{
    return {WordPanel::tr("Error"),
            WordPanel::tr("Please enter valid numbers for Number, X, and Y."), Icon::Error};
}
Message noWord()
{
    return {WordPanel::tr("No Word"),
            WordPanel::tr("Please enter a word to search for a grid position."), Icon::Information};
}
Message noGridWords()
{
    return {WordPanel::tr("No Grid Words"),
            WordPanel::tr("There are currently no words in the grid.\n"
                          "You may place this word at any positions that it "
                          "will fit.\n"
                          "Click on the square you would like the word to start "
                          "at,\n"
                          "select the orientation - Across/Down\n"
                          "Click the 'Update' button to add the word at this "
                          "location."),
            Icon::Information};
}

} // namespace

using namespace panel;

// Text pasted into the word box gets the same treatment as typed text (typedWord). Text set
// by the program (a word chosen from the list) is not touched.
class WordBoxValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        // The rule keeps one letter to one character, so the cursor stays behind the same letter.
        pos = int(typedWord(QStringView(input).left(pos)).size());
        input = typedWord(input);
        return Acceptable;
    }
};

WordPanel::WordPanel(PuzzleDocument &document, Dialogs &dialogs, PictureBox *gridView,
                     QWidget *parent)
    : GradientPanel(parent), m_document(document), m_dialogs(dialogs), m_gridView(gridView)
{
    setObjectName(QStringLiteral("picAddWord"));
    setAccessibleName(tr("Edit Words & Clues"));
    setBaseColor(QColor(226, 236, 252));
    buildControls();

    m_selection = new ShapeFrame(m_gridView);
    m_selection->setObjectName(QStringLiteral("Shape1"));
    m_selection->setAccessibleName(tr("Selection"));
    m_selection->setBorderColor(QColor(0, 0, 255));
    m_selection->hide();
    addMarker();

    connect(m_gridView, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton, QPoint pos) { gridClick(pos); });
    connect(m_acrossOption, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            orientationSelected(Direction::Across);
    });
    connect(m_downOption, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            orientationSelected(Direction::Down);
    });
    connect(m_updateButton, &GradientButton::clicked, this, &WordPanel::updateWord);
    connect(m_deleteButton, &GradientButton::clicked, this, &WordPanel::deletePlacedWord);
    // The word list commands: one action each, shown by its toolbar button and its menu item.
    auto wordListAction = [this](const QString &name, const QString &caption,
                                 const QKeySequence &shortcut, void (WordPanel::*run)()) {
        QAction *action = makeCommandAction(
            this, name, caption, [this, run] { (this->*run)(); }, shortcut);
        const int button = int(m_wordListActions.size()) + 1;
        // The buttons keep their own tips, without the keys.
        setCommandTip(action, m_wordToolbar->buttonToolTip(button), false);
        m_wordToolbar->setButtonAction(button, action);
        m_wordListActions.append(action);
    };
    wordListAction(QStringLiteral("mnuStoreWord"), tr("S&tore Word in the List"), {},
                   &WordPanel::storeWord);
    wordListAction(QStringLiteral("mnuRemoveWord"), tr("Re&move Word from the List"), {},
                   &WordPanel::removeStoredWord);
    wordListAction(QStringLiteral("mnuSearchPlaces"), tr("Search for &Places for the Word"),
                   QKeySequence::Find, &WordPanel::findPlacesForWord);
    connect(m_wordBox, &QComboBox::activated, this, [this](int) { wordChosen(); });
    // Enter in the clue box finishes the word as Enter on the grid does.
    connect(m_clueEdit, &QLineEdit::returnPressed, this, &WordPanel::updateWord);
    connect(m_generateButton, &GradientButton::clicked, this, &WordPanel::generateRequested);

    // The key filter sees each key before the box does, whether the combo box or its
    // line edit has the focus.
    m_wordBox->installEventFilter(this);
    if (m_wordBox->lineEdit()) {
        m_wordBox->lineEdit()->installEventFilter(this);
        m_wordBox->lineEdit()->setValidator(new WordBoxValidator(m_wordBox));
    }

    // The grid takes the focus from the keyboard (Tab), not from a click, so a click on a
    // square leaves the typing where it was.
    m_gridView->setFocusPolicy(Qt::TabFocus);
    m_gridView->setAcceptDrops(true);
    m_gridView->installEventFilter(this);
    connect(m_columnBox, &QComboBox::currentIndexChanged, this, [this] { updateFocusMark(); });
    connect(m_rowBox, &QComboBox::currentIndexChanged, this, [this] { updateFocusMark(); });

    // The lists follow the document.
    connect(&m_document, &PuzzleDocument::storedWordsChanged, this, &WordPanel::refillWordList);
    connect(&m_document, &PuzzleDocument::puzzleChanged, this, [this] {
        const CrosswordData &p = m_document.puzzle();
        if (QSize(p.width, p.height) != m_listedSize)
            fillPositionLists();
    });
    // Undo and redo bring back what the panel showed selected when the step was made.
    m_document.setSelectionReader([this] { return QVariant::fromValue(selection()); });
    connect(&m_document, &PuzzleDocument::selectionRestored, this, [this](const QVariant &kept) {
        if (kept.canConvert<Selection>())
            restoreSelection(kept.value<Selection>());
    });
    connect(&m_document, &PuzzleDocument::documentReplaced, this, [this] {
        hideMarks();
        fillPositionLists();
    });
    fillPositionLists();
    m_acrossOption->setChecked(true);
}

WordPanel::~WordPanel()
{
    m_document.setSelectionReader({});
    // The grid view outlives the panel only while the window is torn down.
    m_gridView->removeEventFilter(this);
}

void WordPanel::buildControls()
{
    m_heading = makeHeading(this, QStringLiteral("Label2"), tr("Edit Words & Clues"));
    m_heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_heading->setIndent(6);
    auto box = [this](const QString &name, const QString &caption) {
        auto *b = new QComboBox(this);
        b->setObjectName(name);
        b->setAccessibleName(caption);
        return b;
    };
    m_wordLabel = makeLabel(this, QStringLiteral("lblWord"), tr("Word:"));
    m_wordBox = box(QStringLiteral("txtWord"), tr("Word:"));
    m_wordBox->setEditable(true);
    m_wordBox->setInsertPolicy(QComboBox::NoInsert);
    m_clueLabel = makeLabel(this, QStringLiteral("lblClue"), tr("Clue:"));
    m_clueEdit = new QLineEdit(this);
    m_clueEdit->setObjectName(QStringLiteral("txtClue"));
    m_clueEdit->setAccessibleName(tr("Clue:"));
    m_columnLabel = makeLabel(this, QStringLiteral("lblX"), tr("X:"));
    m_columnBox = box(QStringLiteral("txtX"), tr("X:"));
    m_rowLabel = makeLabel(this, QStringLiteral("lblY"), tr("Y:"));
    m_rowBox = box(QStringLiteral("txtY"), tr("Y:"));
    m_wordLabel->setBuddy(m_wordBox);
    m_clueLabel->setBuddy(m_clueEdit);
    m_columnLabel->setBuddy(m_columnBox);
    m_rowLabel->setBuddy(m_rowBox);
    m_acrossOption = new QRadioButton(tr("Across"), this);
    m_acrossOption->setObjectName(QStringLiteral("optAcross"));
    m_acrossOption->setAccessibleName(tr("Across"));
    m_downOption = new QRadioButton(tr("Down"), this);
    m_downOption->setObjectName(QStringLiteral("optDown"));
    m_downOption->setAccessibleName(tr("Down"));

    m_updateButton = makeButton(this, QStringLiteral("cmdOKAddWord"), tr("Update"),
                                tr("Add / Update word on grid"), 3);
    m_deleteButton = makeButton(this, QStringLiteral("cmdDelete"), QString(),
                                tr("Delete the selected word from grid"), 3);
    m_deleteButton->setText(QString());
    m_deleteButton->setPicture(deletePicture());
    m_wordToolbar = new Toolbar(this);
    m_wordToolbar->setObjectName(QStringLiteral("TB2"));
    m_wordToolbar->setAccessibleName(tr("Word list toolbar"));
    m_wordToolbar->setBackgroundColor(QColor(226, 236, 252));
    m_wordToolbar->build(toolbarStrip(3), QColor(0, 255, 0), 16, QStringLiteral("NNN"));
    m_wordToolbar->setButtonToolTips(
        tr("Store this  word in the dropdown list for inclusion later|Delete this "
           "word from the dropdown list.|Search for locations to place the word."));
    m_generateButton = makeButton(this, QStringLiteral("CandyButton2"), QString(),
                                  tr("Create / Regenerate Crossword"), 3);
    m_generateButton->setText(QString());
    m_generateButton->setPicture(generatePicture());
}

QList<QWidget *> WordPanel::tabOrder() const
{
    return {m_wordBox,    m_columnBox,    m_rowBox,       m_clueEdit,    m_acrossOption,
            m_downOption, m_updateButton, m_deleteButton, m_wordToolbar, m_generateButton};
}

void WordPanel::runWordListCommand(WordListCommand command)
{
    m_wordListActions.at(int(command) - 1)->trigger();
}

ShapeFrame *WordPanel::addMarker()
{
    auto *marker = new ShapeFrame(m_gridView);
    marker->setObjectName(QStringLiteral("S1_%1").arg(m_markers.size()));
    marker->setAccessibleName(tr("Place for the word"));
    marker->setBorderColor(QColor(255, 0, 0));
    marker->hide();
    m_markers.append(marker);
    return marker;
}

void WordPanel::hideSelection()
{
    m_selection->hide();
}

void WordPanel::hideMarks()
{
    m_selection->hide();
    for (qsizetype i = m_markers.size() - 1; i >= 1; --i)
        m_markers[i]->hide();
}

void WordPanel::fillPositionLists()
{
    const CrosswordData &p = m_document.puzzle();
    auto fill = [](QComboBox *box, int count) {
        box->clear();
        for (int n = 0; n < count; ++n)
            box->addItem(QString::number(n));
        if (box->count() > 0)
            box->setCurrentIndex(0);
    };
    fill(m_columnBox, p.width);
    fill(m_rowBox, p.height);
    m_listedSize = QSize(p.width, p.height);
}

void WordPanel::resizeEvent(QResizeEvent *event)
{
    GradientPanel::resizeEvent(event);
    const int W = pixelsToTwips(width());
    const int labelHeight = m_heading->sizeHint().height() + 4;
    m_heading->setGeometry(0, 0, width(), labelHeight);
    setBands({{0, labelHeight, HeadingTop, HeadingBottom, 1}});

    const int row1 = pixelsToTwips(labelHeight) + 105;
    const int row2 = row1 + 420;
    const int row3 = row2 + 420;
    // The twips below were chosen for the English captions. A translation that needs more
    // room widens the label column (the word box gives up as much) and the option buttons
    // (the buttons and the word toolbar after them move along).
    const auto needed = [](const QWidget *w, int twips) {
        return qMax(twips, pixelsToTwips(w->sizeHint().width()));
    };
    const int labelWidth = qMax(needed(m_wordLabel, 585), needed(m_clueLabel, 585));
    const int boxLeft = labelWidth > 585 ? labelWidth + 180 : 690;
    const int acrossWidth = needed(m_acrossOption, 1080);
    const int downWidth = needed(m_downOption, 960);
    const int shift = qMax(0, boxLeft + acrossWidth + downWidth - 2730);
    // The generate button keeps the right end; the clue box takes what is left.
    const int generateWidth = 1020;
    const int generateLeft = W - generateWidth - 105;
    m_generateButton->setGeometry(twipsRect(generateLeft, row1, generateWidth, row3 + 390 - row1));

    m_wordLabel->setGeometry(twipsRect(90, row1, labelWidth, EdBoxHeight));
    m_wordBox->setGeometry(twipsRect(boxLeft, row1, 3390 - boxLeft, EdBoxHeight + 15));
    m_columnLabel->setGeometry(twipsRect(3510, row1, 240, EdBoxHeight));
    m_columnBox->setGeometry(twipsRect(3750, row1, 720, EdBoxHeight + 15));
    m_rowLabel->setGeometry(twipsRect(4590, row1, 240, EdBoxHeight));
    m_rowBox->setGeometry(twipsRect(4830, row1, 720, EdBoxHeight + 15));

    m_clueLabel->setGeometry(twipsRect(90, row2, labelWidth, EdBoxHeight));
    m_clueEdit->setGeometry(
        twipsRect(boxLeft, row2, qMax(1500, generateLeft - 150 - boxLeft), EdBoxHeight));

    m_acrossOption->setGeometry(twipsRect(boxLeft, row3 + 30, acrossWidth, 330));
    m_downOption->setGeometry(twipsRect(boxLeft + acrossWidth, row3 + 30, downWidth, 330));
    m_updateButton->setGeometry(twipsRect(2820 + shift, row3, 1140, 390));
    m_deleteButton->setGeometry(twipsRect(4050 + shift, row3, 540, 390));
    m_wordToolbar->move(twipsToPixels(4710 + shift), twipsToPixels(row3) + 1);
}

// --- Helpers -------------------------------------------------------------------------------

Direction WordPanel::orientation() const
{
    return m_downOption->isChecked() ? Direction::Down : Direction::Across;
}

int WordPanel::comboNumber(const QComboBox *box, bool *ok) const
{
    const auto value = readStrictNumber(box->currentText(), 0, 32767);
    if (ok)
        *ok = value.has_value();
    return value ? int(*value) : 0;
}

void WordPanel::setComboNumber(QComboBox *box, int value)
{
    const int index = box->findText(QString::number(value));
    if (index >= 0)
        box->setCurrentIndex(index);
}

QRect WordPanel::squaresRect(int column, int row, int length, Direction orientation) const
{
    const CrosswordData &p = m_document.puzzle();
    const QSize size = m_gridView->size();
    const double cw = p.width > 0 ? double(size.width()) / p.width : 0;
    const double ch = p.height > 0 ? double(size.height()) / p.height : 0;
    const int columns = orientation == Direction::Across ? length : 1;
    const int rows = orientation == Direction::Down ? length : 1;
    const int left = roundHalfEven(column * cw);
    const int top = roundHalfEven(row * ch);
    const int right = roundHalfEven((column + columns) * cw);
    const int bottom = roundHalfEven((row + rows) * ch);
    // One pixel more, so the frame also covers the grid line after the last square.
    return QRect(left, top, right - left + 1, bottom - top + 1);
}

void WordPanel::showWord(qint16 index)
{
    const GridWord &word = m_document.puzzle().words.at(index);
    m_wordBox->setEditText(word.answer);
    m_clueEdit->setText(word.clue);
}

void WordPanel::resetPosition()
{
    // Switching from Down to Across shows the Across word at the old square, if any (the
    // Across selection runs); only then do the position lists go back to their first
    // entries.
    m_acrossOption->setChecked(true);
    if (m_columnBox->count() > 0)
        m_columnBox->setCurrentIndex(0);
    if (m_rowBox->count() > 0)
        m_rowBox->setCurrentIndex(0);
}

void WordPanel::refillWordList()
{
    // The text being edited stays; refilling an editable combo box would replace it.
    const QString editing = m_wordBox->currentText();
    const QSignalBlocker blocker(m_wordBox);
    m_wordBox->clear();
    for (const ExtraWord &entry : m_document.storedWords())
        if (!entry.word.isEmpty())
            m_wordBox->addItem(entry.word);
    m_wordBox->setEditText(editing);
}

// --- The grid view ---------------------------------------------------------------------------

QPoint WordPanel::squareAt(QPoint pos) const
{
    const CrosswordData &p = m_document.puzzle();
    const QSize size = m_gridView->size();
    if (p.width <= 0 || p.height <= 0 || size.isEmpty())
        return QPoint(-1, -1);
    const double cw = double(size.width()) / p.width;
    const double ch = double(size.height()) / p.height;
    return QPoint(int(std::floor(pos.x() / cw)), int(std::floor(pos.y() / ch)));
}

void WordPanel::gridClick(QPoint pos)
{
    const QPoint square = squareAt(pos);
    if (square.x() >= 0)
        selectSquare(square.x(), square.y());
}

void WordPanel::selectWord(qint16 index)
{
    const CrosswordData &p = m_document.puzzle();
    if (p.isEmpty || index < 0 || index >= p.words.size())
        return;
    const GridWord word = p.words.at(index);
    selectSquare(word.x, word.y);
    // Where an across and a down word start on one square the click shows the down word;
    // choosing the option then shows this one.
    QRadioButton *option = word.orientation == Direction::Down ? m_downOption : m_acrossOption;
    if (!option->isChecked())
        option->setChecked(true);
}

void WordPanel::chooseStoredWord(const QString &word)
{
    m_wordBox->setEditText(word);
    wordChosen();
}

void WordPanel::dropStoredWord(const QString &word, QPoint pos)
{
    const QPoint square = squareAt(pos);
    if (square.x() < 0)
        return;
    const Direction way = orientation();
    selectSquare(square.x(), square.y());
    (way == Direction::Down ? m_downOption : m_acrossOption)->setChecked(true);
    chooseStoredWord(word);
    updateWord();
}

void WordPanel::selectSquare(int column, int row)
{
    const CrosswordData &p = m_document.puzzle();
    if (p.width <= 0 || p.height <= 0)
        return;
    const int c = qBound(0, column, p.width - 1);
    const int r = qBound(0, row, p.height - 1);

    frameSquares(c, r, 1, Direction::Across);
    m_selection->show();
    m_selection->raise();
    setComboNumber(m_columnBox, c);
    setComboNumber(m_rowBox, r);

    qint16 index = findWordAt(p, qint16(c), qint16(r), Direction::Across);
    Direction found = Direction::Across;
    const qint16 down = findWordAt(p, qint16(c), qint16(r), Direction::Down);
    if (down >= 0) {
        index = down;
        found = Direction::Down;
    }
    if (index < 0) {
        emit wordSelected(-1);
        return;
    }

    const GridWord &word = p.words.at(index);
    frameSquares(c, r, word.length(), found);
    showWord(index);
    (found == Direction::Down ? m_downOption : m_acrossOption)->setChecked(true);
    emit wordSelected(index);
}

void WordPanel::frameSquares(int column, int row, int length, Direction orientation)
{
    m_frame = {column, row, length, orientation};
    m_selection->setGeometry(squaresRect(column, row, length, orientation));
}

WordPanel::Selection WordPanel::selection() const
{
    Selection kept;
    kept.column = comboNumber(m_columnBox);
    kept.row = comboNumber(m_rowBox);
    kept.orientation = orientation();
    kept.word = m_wordBox->currentText();
    kept.clue = m_clueEdit->text();
    kept.framed = !m_selection->isHidden();
    kept.frame = m_frame;
    return kept;
}

void WordPanel::restoreSelection(const Selection &kept)
{
    hideMarks();
    setComboNumber(m_columnBox, kept.column);
    setComboNumber(m_rowBox, kept.row);
    {
        // The option alone; choosing it would show the word found there instead.
        const QSignalBlocker across(m_acrossOption);
        const QSignalBlocker down(m_downOption);
        (kept.orientation == Direction::Down ? m_downOption : m_acrossOption)->setChecked(true);
    }
    m_wordBox->setEditText(kept.word);
    m_clueEdit->setText(kept.clue);
    const CrosswordData &p = m_document.puzzle();
    if (kept.framed && kept.frame.column < p.width && kept.frame.row < p.height) {
        frameSquares(kept.frame.column, kept.frame.row, kept.frame.length, kept.frame.orientation);
        m_selection->show();
        m_selection->raise();
        // The Words list follows back to the word the step was made on.
        emit wordSelected(findWordAt(p, qint16(kept.frame.column), qint16(kept.frame.row),
                                     kept.frame.orientation));
    }
}

void WordPanel::orientationSelected(Direction orientation)
{
    const QRadioButton *button = orientation == Direction::Down ? m_downOption : m_acrossOption;
    if (!button->isChecked())
        return;
    bool okX = false;
    bool okY = false;
    const int c = comboNumber(m_columnBox, &okX);
    const int r = comboNumber(m_rowBox, &okY);
    if (!okX || !okY)
        return;
    const qint16 index = findWordAt(m_document.puzzle(), qint16(c), qint16(r), orientation);
    if (index < 0)
        return;
    showWord(index);
    frameSquares(c, r, m_document.puzzle().words.at(index).length(), orientation);
    emit wordSelected(index);
}

// --- Panel buttons ---------------------------------------------------------------------------

void WordPanel::updateWord()
{
    Dialogs &dialogs = m_dialogs;
    const QString text = m_wordBox->currentText();
    if (text.trimmed().isEmpty()) {
        dialogs.message(noWordEnteredMessage());
        return;
    }
    bool okX = false;
    bool okY = false;
    const int c = comboNumber(m_columnBox, &okX);
    const int r = comboNumber(m_rowBox, &okY);
    if (!okX || !okY) {
        dialogs.message(badPosition());
        return;
    }
    const Direction dir = orientation();
    PuzzleDocument &document = m_document;
    const qint16 index = findWordAt(document.puzzle(), qint16(c), qint16(r), dir);
    const QString clue = m_clueEdit->text();

    if (index < 0) {
        // A stored word placed leaves the drop-down list, and the boxes are emptied.
        const bool listed = isListed(text);
        const Result<> added = document.placeWord(c, r, dir, text, clue);
        if (!added) {
            dialogs.message(added.message());
            hideMarks();
            return;
        }
        if (listed)
            clearEntry();
        resetPosition();
        emit outcome(tr("Placed %1 at %2,%3 %4")
                         .arg(upperCaseWord(text.trimmed()))
                         .arg(c)
                         .arg(r)
                         .arg(dir == Direction::Down ? tr("down") : tr("across")));
    } else {
        const Result<> replaced = document.replaceWord(index, text, clue);
        if (!replaced) {
            dialogs.message(replaced.message());
            return;
        }
        clearEntry();
        resetPosition();
        emit outcome(tr("Updated %1").arg(upperCaseWord(text.trimmed())));
    }
    hideMarks();
}

void WordPanel::deletePlacedWord()
{
    bool okX = false;
    bool okY = false;
    const int c = comboNumber(m_columnBox, &okX);
    const int r = comboNumber(m_rowBox, &okY);
    const Direction dir = orientation();
    PuzzleDocument &document = m_document;
    const qint16 index =
        okX && okY ? findWordAt(document.puzzle(), qint16(c), qint16(r), dir) : qint16(-1);
    if (index >= 0) {
        const QString deleted = document.puzzle().words.at(index).answer;
        // The word goes back into the drop-down list.
        const StoreWordCheck stored =
            document.deleteWord(index, m_wordBox->currentText(), m_clueEdit->text());
        if (stored == StoreWordCheck::Stored)
            clearEntry();
        else if (stored != StoreWordCheck::AlreadyUsed)
            m_dialogs.message(storeWordRefusal(stored));
        emit outcome(tr("Deleted %1").arg(deleted));
        setComboNumber(m_columnBox, 0);
        setComboNumber(m_rowBox, 0);
    }
    hideMarks();
}

void WordPanel::storeWord()
{
    const StoreWordCheck stored =
        m_document.storeWord(m_wordBox->currentText(), m_clueEdit->text());
    if (stored == StoreWordCheck::Stored)
        clearEntry();
    else if (stored != StoreWordCheck::AlreadyUsed)
        m_dialogs.message(storeWordRefusal(stored));
}

void WordPanel::removeStoredWord()
{
    const QString text = m_wordBox->currentText();
    if (!text.isEmpty() && m_document.removeStoredWord(text))
        clearEntry();
}

bool WordPanel::isListed(const QString &word) const
{
    const QString upper = upperCaseWord(word);
    const ExtraWords &stored = m_document.storedWords();
    return std::any_of(stored.begin() + 1, stored.end(),
                       [&](const ExtraWord &entry) { return entry.word == upper; });
}

void WordPanel::clearWord()
{
    m_wordBox->setEditText(QString());
}

void WordPanel::clearEntry()
{
    // Set, not cleared: the program's own clearing is no typing for Ctrl+Z to take back.
    m_wordBox->setEditText(QString());
    m_clueEdit->setText(QString());
}

void WordPanel::findPlacesForWord()
{
    if (m_wordBox->currentText().isEmpty()) {
        m_dialogs.message(noWord());
        return;
    }
    if (!m_document.puzzle().isEmpty)
        markPlaces();
    else
        m_dialogs.message(noGridWords());
}

void WordPanel::markPlaces()
{
    const QList<ShapeFrame *> &markers = m_markers;
    for (qsizetype i = markers.size() - 1; i >= 1; --i)
        markers.at(i)->hide();

    const QString word = m_wordBox->currentText();
    const CandidateList candidates = findPlacements(m_document.puzzle(), word);
    const int length = int(word.size());
    if (candidates.isEmpty())
        emit outcome(tr("No place found for %1").arg(upperCaseWord(word)));
    else
        emit outcome(
            candidates.size() == 1
                ? tr("1 place found for %1").arg(upperCaseWord(word))
                : tr("%1 places found for %2").arg(candidates.size()).arg(upperCaseWord(word)));
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        const qsizetype member = i + 1;
        ShapeFrame *marker = member < m_markers.size() ? m_markers.at(member) : addMarker();
        const auto &place = candidates.at(i);
        marker->setGeometry(squaresRect(place.x, place.y, length, place.orientation));
        marker->show();
        marker->raise();
    }
}

void WordPanel::wordChosen()
{
    const QString upper = upperCaseWord(m_wordBox->currentText());
    const ExtraWords &extra = m_document.storedWords();
    for (const ExtraWord &entry : extra) {
        if (entry.word == upper) {
            m_clueEdit->setText(entry.clue);
            return;
        }
    }
}

// --- The grid from the keyboard ----------------------------------------------------------

void WordPanel::updateFocusMark()
{
    bool okX = false;
    bool okY = false;
    const int c = comboNumber(m_columnBox, &okX);
    const int r = comboNumber(m_rowBox, &okY);
    const CrosswordData &p = m_document.puzzle();
    const bool inside = okX && okY && c < p.width && r < p.height;
    m_gridView->setFocusMark(inside ? squaresRect(c, r, 1, Direction::Across) : QRect());
}

bool WordPanel::gridKey(const QKeyEvent *key)
{
    const int c = comboNumber(m_columnBox);
    const int r = comboNumber(m_rowBox);
    switch (key->key()) {
    case Qt::Key_Left:
        selectSquare(c - 1, r);
        return true;
    case Qt::Key_Right:
        selectSquare(c + 1, r);
        return true;
    case Qt::Key_Up:
        selectSquare(c, r - 1);
        return true;
    case Qt::Key_Down:
        selectSquare(c, r + 1);
        return true;
    case Qt::Key_Space:
        // Across and Down swap, showing the word that starts here the other way, if any.
        (m_acrossOption->isChecked() ? m_downOption : m_acrossOption)->setChecked(true);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        updateWord();
        return true;
    default:
        break;
    }
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = key->text();
    if (text.size() == 1 && text.at(0).isLetter()) {
        // A letter starts a new word at this square: typing goes on in the word box, and
        // the clue of the word shown before does not stay with it.
        m_wordBox->setFocus(Qt::OtherFocusReason);
        m_wordBox->setEditText(upperCaseWord(text));
        m_clueEdit->clear();
        return true;
    }
    return false;
}

// --- Key filter of txtWord ----------------------------------------------------------------

bool WordPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_gridView) {
        // A stored word dragged from the words list is placed where it is dropped.
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto *drag = static_cast<QDropEvent *>(event);
            if (drag->mimeData()->hasFormat(WordsModel::StoredWordMimeType)) {
                drag->acceptProposedAction();
                return true;
            }
        }
        if (event->type() == QEvent::Drop) {
            auto *drop = static_cast<QDropEvent *>(event);
            if (drop->mimeData()->hasFormat(WordsModel::StoredWordMimeType)) {
                drop->acceptProposedAction();
                dropStoredWord(
                    QString::fromUtf8(drop->mimeData()->data(WordsModel::StoredWordMimeType)),
                    drop->position().toPoint());
                return true;
            }
        }
        if (event->type() == QEvent::KeyPress && gridKey(static_cast<QKeyEvent *>(event)))
            return true;
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::Resize)
            updateFocusMark();
        return QObject::eventFilter(watched, event);
    }

    const bool wordBox = watched == m_wordBox || (m_wordBox && watched == m_wordBox->lineEdit());
    if (!wordBox || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);

    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        storeWord();
        return true;
    }
    // Keys held with Ctrl, Alt or Meta are commands (select all, menu keys), not typing.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QObject::eventFilter(watched, event);
    const QString text = key->text();
    if (text == QStringLiteral(" "))
        return true;
    if (text.size() == 1 && text.at(0) >= QLatin1Char('a') && text.at(0) <= QLatin1Char('z')) {
        if (QLineEdit *edit = m_wordBox->lineEdit())
            edit->insert(upperCaseWord(text));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Velloquin
