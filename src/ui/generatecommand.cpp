// SPDX-License-Identifier: MIT
#include "generatecommand.h"

#include "gradientpanel.h"
#include "layoutgenerator.h"
#include "mainwindow.h"
#include "wordpanel.h"
#include "xp_progressbar.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>

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
    if (!window.isEnabled())
        return;
    window.Remove_Shapes();

    CrosswordData &puzzle = window.puzzle();
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

    LayoutOutcome outcome;
    {
        CloseBlocker blocker(&window);
        window.setEnabled(false);
        outcome = GenerateLayout(puzzle, window.extraWords(), window.random(),
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
