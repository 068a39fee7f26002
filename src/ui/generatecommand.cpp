// SPDX-License-Identifier: MIT
#include "generatecommand.h"

#include "fitlayout.h"
#include "gradientpanel.h"
#include "gridedit.h"
#include "layoutgenerator.h"
#include "mainwindow.h"
#include "styledprogressbar.h"
#include "thoroughlayout.h"
#include "waitpanel.h"
#include "wordpanel.h"
#include "wordrules.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

namespace Velloquin {

namespace {

// While the layout runs on the window's puzzle, the window must stay: a close request
// is refused until the layout has ended.
class CloseBlocker : public QObject
{
public:
    explicit CloseBlocker(QWidget *window) : m_window(window)
    {
        m_window->installEventFilter(this);
    }
    ~CloseBlocker() override
    {
        if (m_window)
            m_window->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> m_window;
};

// While the thorough layout runs, everything but the wait notice is disabled, so that its
// Cancel button can still be pressed; on leaving, what was enabled is enabled again.
class BusyWindow
{
public:
    explicit BusyWindow(MainWindow &window)
    {
        QList<QWidget *> parts{window.menuBar()};
        for (QObject *child : window.centralWidget()->children()) {
            auto *widget = qobject_cast<QWidget *>(child);
            if (widget && widget != &window.waitPanel())
                parts.append(widget);
        }
        for (QWidget *part : parts) {
            if (part && part->isEnabled()) {
                part->setEnabled(false);
                m_disabled.append(part);
            }
        }
    }
    ~BusyWindow()
    {
        for (const QPointer<QWidget> &part : std::as_const(m_disabled)) {
            if (part)
                part->setEnabled(true);
        }
    }

private:
    QList<QPointer<QWidget>> m_disabled;
};

// True when the stored word at entry has no letter in common with any other stored word.
bool sharesNoLetter(const ExtraWords &stored, qsizetype entry)
{
    const QString word = upperCaseWord(stored.at(entry).word);
    for (qsizetype i = 1; i < stored.size(); ++i) {
        if (i == entry)
            continue;
        const QString other = upperCaseWord(stored.at(i).word);
        for (const QChar c : word)
            if (other.contains(c))
                return false;
    }
    return true;
}

// Set while a layout runs: nothing starts a second one.
bool g_layoutRunning = false;

// The classic layout, on the copies the command prepared: success places every listed
// word and empties the list; a failure tells why and leaves the grid empty with every
// word in the list.
void generateClassic(MainWindow &window, CrosswordData &puzzle, ExtraWords &stored)
{
    LayoutOutcome outcome;
    {
        CloseBlocker blocker(&window);
        window.setEnabled(false);
        outcome = generateLayout(puzzle, stored, window.random(), [&window](int attempt) {
            reportLayoutProgress(window.waitPanel().progressBar(), attempt);
        });
        window.setEnabled(true);
    }
    window.waitPanel().finish();

    if (outcome.placed()) {
        window.document().replaceLayout(puzzle, newExtraWords());
        window.wordPanel().clearWord();
        window.showOutcome(
            QObject::tr("Generate placed %1 words").arg(window.puzzle().words.size()));
    } else {
        window.document().replaceLayout(puzzle, stored);
        for (const Message &message : outcome.messages())
            window.dialogs().message(message);
    }
}

// The thorough layout, and with `fit` the search for the smallest square grid, whose size
// the grid then takes. Whatever does not end with words placed (Cancel, No to placing
// only some of them, no word placed at all) leaves the grid, its size and the word list as
// they were before the button was pressed.
void generateThoroughly(MainWindow &window, CrosswordData &puzzle, ExtraWords &stored, bool fit)
{
    bool cancelRequested = false;
    ThoroughLayout layout;
    {
        CloseBlocker blocker(&window);
        BusyWindow busy(window);
        WaitPanel &wait = window.waitPanel();
        // The notice is up with its Cancel since the command began; a Cancel or Esc from
        // then on counts.
        cancelRequested = wait.cancelRequested();
        const QMetaObject::Connection cancel = QObject::connect(
            &wait, &WaitPanel::cancelClicked, [&cancelRequested] { cancelRequested = true; });
        QCoreApplication::processEvents();
        const auto report = [&](int percent) {
            reportLayoutProgress(wait.progressBar(), qMax(1, percent));
            return !cancelRequested;
        };
        if (fit) {
            const FitLayout found = findFitLayout(stored, window.random(), {}, report);
            layout = found.layout;
            if (found.side > 0)
                resizeCrossword(puzzle, qint16(found.side), qint16(found.side));
        } else {
            layout = findThoroughLayout(puzzle.width, puzzle.height, stored, window.random(), {},
                                        report);
        }
        QObject::disconnect(cancel);
    }
    window.waitPanel().finish();

    if (layout.result == ThoroughResult::Cancelled) {
        window.showOutcome(QObject::tr("Generate cancelled"));
        return;
    }
    if (layout.allPlaced()) {
        applyThoroughLayout(puzzle, stored, layout);
        window.document().replaceLayout(puzzle, stored);
        window.wordPanel().clearWord();
        window.showOutcome(QObject::tr("Generate placed %1 words").arg(layout.words.size()));
        return;
    }
    if (layout.words.isEmpty()) {
        for (const qsizetype entry : std::as_const(layout.leftOut)) {
            const qsizetype length = stored.at(entry).word.size();
            if (length > puzzle.width && length > puzzle.height) {
                window.dialogs().message(wordTooBigMessage());
                break;
            }
        }
        window.dialogs().message(generateErrorMessage());
        return;
    }
    const int placed = int(layout.words.size());
    const int total = placed + int(layout.leftOut.size());
    // A word that shares no letter with any other can never cross one: that, not the grid
    // size, is why it was left out.
    QStringList lonely;
    for (const qsizetype entry : std::as_const(layout.leftOut))
        if (sharesNoLetter(stored, entry))
            lonely << stored.at(entry).word;
    const QString question =
        lonely.isEmpty() ? partialLayoutQuestion(placed, total)
                         : QStringLiteral("%1 shares no letter with the other words, so it cannot "
                                          "cross them. Place the other %2 words and keep it in "
                                          "the word list?")
                               .arg(lonely.join(QStringLiteral(", ")))
                               .arg(placed);
    const Dialogs::Answer answer = window.dialogs().question(QStringLiteral("Generate Crossword"),
                                                             question, Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes)
        return;
    applyThoroughLayout(puzzle, stored, layout);
    window.document().replaceLayout(puzzle, stored);
}

} // namespace

void reportLayoutProgress(StyledProgressBar &bar, int attempt)
{
    QCoreApplication::processEvents();
    bar.setValue(wrapProgress(attempt, bar.maximum()));
    QCoreApplication::processEvents();
}

void generateCrossword(MainWindow &window)
{
    // The window is disabled while a layout runs; nothing starts a second one.
    if (!window.isEnabled() || g_layoutRunning)
        return;
    window.hideMarks();

    // The layout works on copies; the document takes the new layout as one change.
    CrosswordData puzzle = window.puzzle();
    ExtraWords stored = window.document().storedWords();
    if (!puzzle.isEmpty)
        gatherGridWords(puzzle, stored);
    if (!hasStoredWords(stored)) {
        window.dialogs().message(noWordsMessage());
        return;
    }

    // A layout that can be stopped shows its Cancel from the start, before the first pass.
    const bool cancellable = window.layoutMethod() != LayoutMethod::Classic;
    window.waitPanel().start(WaitPanel::GenerateCaption, cancellable);
    QCoreApplication::processEvents();

    g_layoutRunning = true;
    if (!cancellable)
        generateClassic(window, puzzle, stored);
    else
        generateThoroughly(window, puzzle, stored, window.layoutMethod() == LayoutMethod::Fit);
    g_layoutRunning = false;
}

} // namespace Velloquin
