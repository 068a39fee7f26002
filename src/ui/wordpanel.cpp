// SPDX-License-Identifier: MIT
#include "wordpanel.h"

#include "candybutton.h"
#include "colorpicker.h"
#include "drawing.h"
#include "generatecommand.h"
#include "gridedit.h"
#include "mainwindow.h"
#include "numberreading.h"
#include "picturebox.h"
#include "placementsearch.h"
#include "toolbar.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QValidator>

#include <cmath>
#include <iterator>

namespace {

const Message NoWordEntered{QStringLiteral("No Word Entered"),
                            QStringLiteral("Please enter a word to add."), Icon::Error};
const Message BadPosition{QStringLiteral("Error"),
                          QStringLiteral("Please enter valid numbers for Number, X, and Y."),
                          Icon::Error};
const Message WordTooSmall{QStringLiteral("Word too small"),
                           QStringLiteral("Sorry but you cannot add a word with less than 3 "
                                          "characters."),
                           Icon::Error};
const Message WordLengthError{QStringLiteral("Word Legth Error"),
                              QStringLiteral("Sorry, the mimimum leghth for a word is 3 "
                                             "characters."),
                              Icon::Information};
const Message NoWord{QStringLiteral("No Word"),
                     QStringLiteral("Please enter a word to search for a grid position."),
                     Icon::Information};
const Message NoGridWords{QStringLiteral("No Grid Words"),
                          QStringLiteral("There are currently no words in the grid.\n"
                                         "You may place this word at any positions that it "
                                         "will fit.\n"
                                         "Click on the square you would like the word to start "
                                         "at,\n"
                                         "select the orientation - Across/Down\n"
                                         "Click the 'Update' button to add the word at this "
                                         "location."),
                          Icon::Information};

} // namespace

// Text pasted into the word box gets the same treatment as typed text: blanks dropped,
// a to z upper-cased. Text set by the program (a word chosen from the list) is not touched.
class WordBoxValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        QString cleaned;
        cleaned.reserve(input.size());
        int newPos = pos;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            if (c == QLatin1Char(' ')) {
                if (i < pos)
                    --newPos;
                continue;
            }
            cleaned += (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? c.toUpper() : c;
        }
        input = cleaned;
        pos = newPos;
        return Acceptable;
    }
};

WordPanel::WordPanel(frmCWord &window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("WordPanel"));
    frmCWord &w = m_window;

    connect(w.picView, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton, QPoint pos) { gridClick(pos); });
    connect(w.optAcross, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            orientationSelected(Direction::Across);
    });
    connect(w.optDown, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            orientationSelected(Direction::Down);
    });
    connect(w.cmdOKAddWord, &CandyButton::clicked, this, &WordPanel::updateWord);
    connect(w.cmdDelete, &CandyButton::clicked, this, &WordPanel::removeWordFromGrid);
    connect(w.TB2, &Toolbar::buttonClick, this, [this](int index) {
        switch (index) {
        case 1:
            storeWord();
            break;
        case 2:
            removeWordFromList();
            break;
        case 3:
            findPlacesForWord();
            break;
        default:
            break;
        }
    });
    connect(w.txtWord, &QComboBox::activated, this, [this](int) { wordChosen(); });
    connect(w.CandyButton2, &CandyButton::clicked, this, [this] { Generate(m_window); });

    // The key filter sees each key before the box does, whether the combo box or its
    // line edit has the focus.
    w.txtWord->installEventFilter(this);
    if (w.txtWord->lineEdit()) {
        w.txtWord->lineEdit()->installEventFilter(this);
        w.txtWord->lineEdit()->setValidator(new WordBoxValidator(w.txtWord));
    }

    // The grid takes the focus from the keyboard (Tab), not from a click, so a click on a
    // square leaves the typing where it was.
    w.picView->setFocusPolicy(Qt::TabFocus);
    w.picView->installEventFilter(this);
    connect(w.txtX, &QComboBox::currentIndexChanged, this, [this] { updateFocusMark(); });
    connect(w.txtY, &QComboBox::currentIndexChanged, this, [this] { updateFocusMark(); });

    // Tab runs through the main toolbar, then each panel from top to bottom (left to
    // right within a row): the settings panel, the grid, then the word panel.
    QWidget *order[] = {w.TB1,
                        w.txtTitle,
                        w.txtSubject,
                        w.txtXSize,
                        w.txtYSize,
                        w.cmdUpdateProperties,
                        w.ColorPicker1[0],
                        w.ColorPicker1[2],
                        w.ColorPicker1[1],
                        w.CandyButton1[2],
                        w.CandyButton1[0],
                        w.CandyButton1[1],
                        w.CandyButton1[3],
                        w.picView,
                        w.txtWord,
                        w.txtX,
                        w.txtY,
                        w.txtClue,
                        w.optAcross,
                        w.optDown,
                        w.cmdOKAddWord,
                        w.cmdDelete,
                        w.TB2,
                        w.CandyButton2};
    for (QWidget *control : order)
        if (control->focusPolicy() == Qt::NoFocus)
            control->setFocusPolicy(Qt::StrongFocus);
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// --- Helpers -------------------------------------------------------------------------------

Direction WordPanel::orientation() const
{
    return m_window.optDown->isChecked() ? Direction::Down : Direction::Across;
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
    const CrosswordData &p = m_window.puzzle();
    const QSize size = m_window.picView->size();
    const double cw = p.Width > 0 ? double(size.width()) / p.Width : 0;
    const double ch = p.Height > 0 ? double(size.height()) / p.Height : 0;
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
    const GridWord &word = m_window.puzzle().Words.at(index);
    m_window.txtWord->setEditText(word.Answer);
    m_window.txtClue->setText(word.Clue);
}

void WordPanel::resetPosition()
{
    // Switching from Down to Across shows the Across word at the old square, if any (the
    // Across selection runs); only then do the position lists go back to their first
    // entries.
    m_window.optAcross->setChecked(true);
    if (m_window.txtX->count() > 0)
        m_window.txtX->setCurrentIndex(0);
    if (m_window.txtY->count() > 0)
        m_window.txtY->setCurrentIndex(0);
}

void WordPanel::appendListWord(const QString &word)
{
    // Adding the first item to an editable combo box would put it into the edit field.
    const QString editing = m_window.txtWord->currentText();
    m_window.txtWord->addItem(word);
    if (m_window.txtWord->currentText() != editing)
        m_window.txtWord->setEditText(editing);
}

void WordPanel::refillWordList()
{
    m_window.txtWord->clear();
    const ExtraWords &extra = m_window.extraWords();
    for (const ExtraWord &entry : extra)
        if (!entry.Word.isEmpty())
            m_window.txtWord->addItem(entry.Word);
}

// --- The grid view ---------------------------------------------------------------------------

void WordPanel::gridClick(QPoint pos)
{
    const CrosswordData &p = m_window.puzzle();
    const QSize size = m_window.picView->size();
    if (p.Width <= 0 || p.Height <= 0 || size.isEmpty())
        return;
    const double cw = double(size.width()) / p.Width;
    const double ch = double(size.height()) / p.Height;
    selectSquare(int(std::floor(pos.x() / cw)), int(std::floor(pos.y() / ch)));
}

void WordPanel::selectSquare(int column, int row)
{
    CrosswordData &p = m_window.puzzle();
    if (p.Width <= 0 || p.Height <= 0)
        return;
    const int c = qBound(0, column, p.Width - 1);
    const int r = qBound(0, row, p.Height - 1);

    m_window.Shape1->setGeometry(squaresRect(c, r, 1, Direction::Across));
    m_window.Shape1->show();
    m_window.Shape1->raise();
    setComboNumber(m_window.txtX, c);
    setComboNumber(m_window.txtY, r);

    qint16 index = findWordAt(p, qint16(c), qint16(r), Direction::Across);
    Direction found = Direction::Across;
    const qint16 down = findWordAt(p, qint16(c), qint16(r), Direction::Down);
    if (down >= 0) {
        index = down;
        found = Direction::Down;
    }
    if (index < 0)
        return;

    const GridWord &word = p.Words.at(index);
    m_window.Shape1->setGeometry(squaresRect(c, r, word.length(), found));
    showWord(index);
    (found == Direction::Down ? m_window.optDown : m_window.optAcross)->setChecked(true);
}

void WordPanel::orientationSelected(Direction orientation)
{
    const QRadioButton *button = orientation == Direction::Down ? m_window.optDown : m_window.optAcross;
    if (!button->isChecked())
        return;
    bool okX = false;
    bool okY = false;
    const int c = comboNumber(m_window.txtX, &okX);
    const int r = comboNumber(m_window.txtY, &okY);
    if (!okX || !okY)
        return;
    const qint16 index = findWordAt(m_window.puzzle(), qint16(c), qint16(r), orientation);
    if (index < 0)
        return;
    showWord(index);
    m_window.Shape1->setGeometry(
        squaresRect(c, r, m_window.puzzle().Words.at(index).length(), orientation));
}

// --- Panel buttons ---------------------------------------------------------------------------

void WordPanel::updateWord()
{
    Dialogs &dialogs = m_window.dialogs();
    const QString text = m_window.txtWord->currentText();
    if (text.trimmed().isEmpty()) {
        dialogs.message(NoWordEntered);
        return;
    }
    bool okX = false;
    bool okY = false;
    const int c = comboNumber(m_window.txtX, &okX);
    const int r = comboNumber(m_window.txtY, &okY);
    if (!okX || !okY) {
        dialogs.message(BadPosition);
        return;
    }
    const Direction dir = orientation();
    CrosswordData &p = m_window.puzzle();
    const qint16 index = findWordAt(p, qint16(c), qint16(r), dir);

    if (index < 0) {
        const Result<> added =
            addWord(p, qint16(c), qint16(r), text, dir, m_window.txtClue->text(), true, PlacementCheck::ApplyRules);
        if (added) {
            removeWordFromList();
            resetPosition();
        } else {
            dialogs.message(added.message());
        }
    } else {
        if (text.size() < 3) {
            dialogs.message(WordTooSmall);
            return;
        }
        // The new answer must obey the placement rules as a new word would, with the word
        // it replaces taken off the grid; a refusal leaves the puzzle as it was.
        const QString answer = text.toUpper();
        const QString clue = m_window.txtClue->text();
        CrosswordData check = p;
        Result<> result = removeWordAt(check, index);
        if (result)
            result = addWord(check, qint16(c), qint16(r), answer, dir, clue, true, PlacementCheck::ApplyRules);
        if (!result) {
            dialogs.message(result.message());
            return;
        }
        GridWord &word = p.Words[index];
        word.Answer = answer;
        word.Clue = clue;
        m_window.txtWord->setEditText(QString());
        m_window.txtClue->clear();
        resetPosition();
    }
    m_window.Redraw_Grid();
    m_window.Remove_Shapes();
}

void WordPanel::removeWordFromGrid()
{
    bool okX = false;
    bool okY = false;
    const int c = comboNumber(m_window.txtX, &okX);
    const int r = comboNumber(m_window.txtY, &okY);
    const Direction dir = orientation();
    CrosswordData &p = m_window.puzzle();
    const qint16 index = okX && okY ? findWordAt(p, qint16(c), qint16(r), dir) : qint16(-1);
    if (index >= 0) {
        const Result<> removed = removeWordAt(p, index);
        if (!removed)
            m_window.dialogs().message(removed.message());
        storeWord();
        setComboNumber(m_window.txtX, 0);
        setComboNumber(m_window.txtY, 0);
    }
    m_window.Redraw_Grid();
    m_window.Remove_Shapes();
}

void WordPanel::storeWord()
{
    const QString text = m_window.txtWord->currentText();
    if (text.size() < 3) {
        m_window.dialogs().message(WordLengthError);
        return;
    }
    const QString upper = text.toUpper();
    if (m_window.txtWord->findText(upper, Qt::MatchFixedString | Qt::MatchCaseSensitive) >= 0)
        return;
    const CrosswordData &p = m_window.puzzle();
    if (!p.IsEmpty) {
        for (const GridWord &word : p.Words)
            if (word.Answer == upper)
                return;
    }
    if (storedWordsFull(m_window.extraWords())) {
        m_window.dialogs().message(storedWordsFullMessage());
        return;
    }
    appendListWord(upper);
    m_window.extraWords().append(ExtraWord{upper, m_window.txtClue->text()});
    m_window.txtWord->setEditText(QString());
    m_window.txtClue->clear();
}

void WordPanel::removeWordFromList()
{
    const QString text = m_window.txtWord->currentText();
    if (text.isEmpty())
        return;
    const QString upper = text.toUpper();
    ExtraWords &extra = m_window.extraWords();
    for (qsizetype i = 0; i < extra.size(); ++i) {
        // Entry 0 is the list's blank placeholder and stays.
        if (i > 0 && extra.at(i).Word == upper) {
            extra.removeAt(i);
            break;
        }
    }
    const int item =
        m_window.txtWord->findText(upper, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (item >= 0) {
        m_window.txtWord->removeItem(item);
        m_window.txtWord->setEditText(QString());
        m_window.txtClue->clear();
    }
}

void WordPanel::findPlacesForWord()
{
    if (m_window.txtWord->currentText().isEmpty()) {
        m_window.dialogs().message(NoWord);
        return;
    }
    if (!m_window.puzzle().IsEmpty)
        markPlacesForWord();
    else
        m_window.dialogs().message(NoGridWords);
}

void WordPanel::markPlacesForWord()
{
    const QList<ShapeFrame *> &markers = m_window.markers();
    for (qsizetype i = markers.size() - 1; i >= 1; --i)
        markers.at(i)->hide();

    const QString word = m_window.txtWord->currentText();
    const CandidateList candidates = findPlacements(m_window.puzzle(), word);
    const int length = int(word.size());
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        const qsizetype member = i + 1;
        ShapeFrame *marker = member < m_window.markers().size() ? m_window.markers().at(member)
                                                                : m_window.addMarker();
        const auto &place = candidates.at(i);
        marker->setGeometry(squaresRect(place.X, place.Y, length, place.Orientation));
        marker->show();
        marker->raise();
    }
}

void WordPanel::wordChosen()
{
    const QString upper = m_window.txtWord->currentText().toUpper();
    const ExtraWords &extra = m_window.extraWords();
    for (const ExtraWord &entry : extra) {
        if (entry.Word == upper) {
            m_window.txtClue->setText(entry.Clue);
            return;
        }
    }
}

// --- The grid from the keyboard ----------------------------------------------------------

void WordPanel::updateFocusMark()
{
    bool okX = false;
    bool okY = false;
    const int c = comboNumber(m_window.txtX, &okX);
    const int r = comboNumber(m_window.txtY, &okY);
    const CrosswordData &p = m_window.puzzle();
    const bool inside = okX && okY && c < p.Width && r < p.Height;
    m_window.picView->setFocusMark(inside ? squaresRect(c, r, 1, Direction::Across) : QRect());
}

bool WordPanel::gridKey(const QKeyEvent *key)
{
    const int c = comboNumber(m_window.txtX);
    const int r = comboNumber(m_window.txtY);
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
        (m_window.optAcross->isChecked() ? m_window.optDown : m_window.optAcross)->setChecked(true);
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
        // A letter starts the word at this square: typing goes on in the word box.
        m_window.txtWord->setFocus(Qt::OtherFocusReason);
        m_window.txtWord->setEditText(text.toUpper());
        return true;
    }
    return false;
}

// --- Key filter of txtWord ----------------------------------------------------------------

bool WordPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window.picView) {
        if (event->type() == QEvent::KeyPress && gridKey(static_cast<QKeyEvent *>(event)))
            return true;
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::Resize)
            updateFocusMark();
        return QObject::eventFilter(watched, event);
    }

    const bool wordBox = watched == m_window.txtWord ||
                         (m_window.txtWord && watched == m_window.txtWord->lineEdit());
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
        if (QLineEdit *edit = m_window.txtWord->lineEdit())
            edit->insert(text.toUpper());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
