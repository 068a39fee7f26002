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
        wait.start(WaitPanel::GenerateCaption, true);
        const QMetaObject::Connection cancel = QObject::connect(
            &wait, &WaitPanel::cancelClicked, [&cancelRequested] { cancelRequested = true; });
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

    if (layout.result == ThoroughResult::Cancelled)
        return;
    if (layout.allPlaced()) {
        applyThoroughLayout(puzzle, stored, layout);
        window.document().replaceLayout(puzzle, stored);
        window.wordPanel().clearWord();
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
    const Dialogs::Answer answer =
        window.dialogs().question(QStringLiteral("Generate Crossword"),
                                  partialLayoutQuestion(placed, total), Dialogs::Buttons::YesNo);
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

    window.waitPanel().start(WaitPanel::GenerateCaption);
    QCoreApplication::processEvents();

    g_layoutRunning = true;
    if (window.layoutMethod() == LayoutMethod::Classic)
        generateClassic(window, puzzle, stored);
    else
        generateThoroughly(window, puzzle, stored, window.layoutMethod() == LayoutMethod::Fit);
    g_layoutRunning = false;
}

} // namespace Velloquin
