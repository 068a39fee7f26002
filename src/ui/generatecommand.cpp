// SPDX-License-Identifier: MIT
#include "generatecommand.h"

#include "gradientpanel.h"
#include "layoutgenerator.h"
#include "mainwindow.h"
#include "thoroughlayout.h"
#include "wordpanel.h"
#include "xp_progressbar.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

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
    explicit BusyWindow(frmCWord &window)
    {
        QList<QWidget *> parts{window.menuBar()};
        for (QObject *child : window.client->children()) {
            auto *widget = qobject_cast<QWidget *>(child);
            if (widget && widget != window.pGress)
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

void generateClassic(frmCWord &window)
{
    CrosswordData &puzzle = window.puzzle();
    LayoutOutcome outcome;
    {
        CloseBlocker blocker(&window);
        window.setEnabled(false);
        outcome = generateLayout(puzzle, window.extraWords(), window.random(),
                                 [&window](int attempt) { ReportProgress(*window.XP2, attempt); });
        window.setEnabled(true);
    }

    if (outcome.placed()) {
        window.extraWords() = newExtraWords();
        window.txtWord->clear();
        window.Redraw_Grid();
    } else {
        for (const Message &message : outcome.messages())
            window.dialogs().message(message);
    }
    window.pGress->hide();
}

// The thorough layout. Whatever does not end with words placed (Cancel, No to placing only
// some of them, no word placed at all) leaves the grid and the word list as they were
// before the button was pressed.
void generateThoroughly(frmCWord &window, const CrosswordData &puzzleBefore,
                        const ExtraWords &extraBefore)
{
    CrosswordData &puzzle = window.puzzle();
    bool cancelRequested = false;
    ThoroughLayout layout;
    {
        CloseBlocker blocker(&window);
        BusyWindow busy(window);
        window.setWaitCancellable(true);
        window.cmdCancelGenerate->setFocus();
        const QMetaObject::Connection cancel =
            QObject::connect(window.cmdCancelGenerate, &QPushButton::clicked,
                             [&cancelRequested] { cancelRequested = true; });
        layout = findThoroughLayout(puzzle.Width, puzzle.Height, window.extraWords(),
                                    window.random(), {}, [&](int percent) {
                                        ReportProgress(*window.XP2, qMax(1, percent));
                                        return !cancelRequested;
                                    });
        QObject::disconnect(cancel);
        window.setWaitCancellable(false);
    }
    window.pGress->hide();

    auto keepAsBefore = [&] {
        puzzle = puzzleBefore;
        window.extraWords() = extraBefore;
        window.wordPanel()->refillWordList();
        window.Redraw_Grid();
    };
    if (layout.result == ThoroughResult::Cancelled) {
        keepAsBefore();
        return;
    }
    if (layout.allPlaced()) {
        applyThoroughLayout(puzzle, window.extraWords(), layout);
        window.txtWord->clear();
        window.Redraw_Grid();
        return;
    }
    if (layout.words.isEmpty()) {
        for (const qsizetype entry : std::as_const(layout.leftOut)) {
            const qsizetype length = window.extraWords().at(entry).Word.size();
            if (length > puzzle.Width && length > puzzle.Height) {
                window.dialogs().message(wordTooBigMessage());
                break;
            }
        }
        window.dialogs().message(generateErrorMessage());
        keepAsBefore();
        return;
    }
    const int placed = int(layout.words.size());
    const int total = placed + int(layout.leftOut.size());
    const Dialogs::Answer answer =
        window.dialogs().question(QStringLiteral("Generate Crossword"),
                                  partialLayoutQuestion(placed, total), Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes) {
        keepAsBefore();
        return;
    }
    applyThoroughLayout(puzzle, window.extraWords(), layout);
    window.wordPanel()->refillWordList();
    window.Redraw_Grid();
}

} // namespace

void ReportProgress(XP_ProgressBar &bar, int attempt)
{
    QCoreApplication::processEvents();
    bar.setValue(wrapProgress(attempt, bar.Max()));
    QCoreApplication::processEvents();
}

void Generate(frmCWord &window)
{
    // The window is disabled while a layout runs; nothing starts a second one.
    if (!window.isEnabled() || g_layoutRunning)
        return;
    window.Remove_Shapes();

    CrosswordData &puzzle = window.puzzle();
    const CrosswordData puzzleBefore = puzzle;
    const ExtraWords extraBefore = window.extraWords();
    if (!puzzle.IsEmpty) {
        const QStringList moved = gatherGridWords(puzzle, window.extraWords());
        for (const QString &word : moved)
            window.wordPanel()->appendListWord(word);
        window.Redraw_Grid();
    }
    if (window.txtWord->count() == 0) {
        window.dialogs().message(noWordsMessage());
        return;
    }

    window.Label4->setText(frmCWord::GenerateCaption);
    window.pGress->show();
    window.pGress->raise();
    QCoreApplication::processEvents();

    g_layoutRunning = true;
    if (window.layoutMethod() == LayoutMethod::Thorough)
        generateThoroughly(window, puzzleBefore, extraBefore);
    else
        generateClassic(window);
    g_layoutRunning = false;
}
