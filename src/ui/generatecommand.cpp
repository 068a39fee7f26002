// SPDX-License-Identifier: MIT
#include "generatecommand.h"

#include "dialogs.h"
#include "layoutgenerator.h"
#include "layoutmethods.h"
#include "puzzledocument.h"
#include "randomsource.h"
#include "styledprogressbar.h"
#include "thoroughlayout.h"
#include "waitpanel.h"
#include "wordrules.h"

#include <QAction>
#include <QEvent>
#include <QFutureWatcher>
#include <QTimer>
#include <QWidget>
#include <QtConcurrent>

#include <memory>

namespace Velloquin {

namespace {

// The name the running layout job goes by among the window's children.
const QString JobName = QStringLiteral("layoutJob");
// How often the wait notice's bar shows the run's progress.
constexpr int ProgressIntervalMs = 20;

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

// What the worker hands back: the run and where its copy of the random source got to.
struct WorkerResult
{
    LayoutRun run;
    RandomSource random;
};

// What the window knew when the button was pressed.
struct LayoutStart
{
    const LayoutMethodInfo *method = nullptr;
    // The document's content then, and the words the run lays out (the grid's words
    // gathered into the stored words).
    CrosswordData puzzleBefore;
    ExtraWords storedBefore;
    CrosswordData grid;
    ExtraWords words;
};

// Tells the user what the run came to and lets the document take it, as one change.
void applyRun(const CommandContext &context, const LayoutStart &start, const LayoutRun &run)
{
    switch (run.ending) {
    case LayoutEnding::Cancelled:
        context.showOutcome(QObject::tr("Generate cancelled"));
        return;
    case LayoutEnding::AllPlaced:
        context.document.replaceLayout(run.puzzle, run.stored);
        context.clearWord();
        context.showOutcome(QObject::tr("Generate placed %1 words").arg(run.placed));
        return;
    case LayoutEnding::Failed:
        if (!start.method->searches)
            context.document.replaceLayout(run.puzzle, run.stored);
        for (const Message &message : run.messages)
            context.dialogs.message(message);
        return;
    case LayoutEnding::Partial:
        break;
    }
    // A word that shares no letter with any other can never cross one: that, not the grid
    // size, is why it was left out.
    QStringList lonely;
    for (const qsizetype entry : std::as_const(run.leftOut))
        if (sharesNoLetter(start.words, entry))
            lonely << start.words.at(entry).word;
    const QString question =
        lonely.isEmpty() ? partialLayoutQuestion(run.placed, run.total())
                         : QObject::tr("%1 shares no letter with the other words, so it cannot "
                                       "cross them. Place the other %2 words and keep it in "
                                       "the word list?")
                               .arg(lonely.join(QStringLiteral(", ")))
                               .arg(run.placed);
    const Dialogs::Answer answer = context.dialogs.question(QObject::tr("Generate Crossword"),
                                                            question, Dialogs::Buttons::YesNo);
    if (answer == Dialogs::Answer::Yes)
        context.document.replaceLayout(run.puzzle, run.stored);
}

// One layout run of the window on a worker thread. It is a child of the window and the
// only thing the worker shares with the window is the channel, so a close, or the
// window's end, only has to cancel the run and wait for it: no thread outlives the job.
class LayoutJob : public QObject
{
public:
    LayoutJob(const CommandContext &context, LayoutStart start)
        : QObject(context.parent), m_context(context), m_start(std::move(start))
    {
        setObjectName(JobName);
        connect(&context.wait, &WaitPanel::cancelClicked, this, [this] { m_channel->cancel(); });
        connect(&m_progressTimer, &QTimer::timeout, this, &LayoutJob::showProgress);
        connect(&m_watcher, &QFutureWatcher<WorkerResult>::finished, this, &LayoutJob::finish);
        context.parent->installEventFilter(this);
        context.setBusy(true);

        // The worker gets copies; they share nothing the window may change meanwhile.
        const LayoutRunFunction run = m_start.method->run;
        m_watcher.setFuture(
            QtConcurrent::run([run, words = m_start.words, grid = m_start.grid,
                               random = context.random, channel = m_channel]() mutable {
                WorkerResult result;
                result.run = run(words, grid, random, *channel, 0);
                result.random = random;
                return result;
            }));
        showProgress();
        m_progressTimer.start(ProgressIntervalMs);
    }

    ~LayoutJob() override { stopAndWait(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A window that closes takes no layout: the run stops and is waited for here. The
        // window is asked as this job's parent, not through the context: the window's end
        // frees the context before its children, and their removal still passes this filter.
        if (watched == parent() && event->type() == QEvent::Close) {
            m_abandoned = true;
            stopAndWait();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void stopAndWait()
    {
        m_channel->cancel();
        m_watcher.waitForFinished();
    }

    void showProgress()
    {
        StyledProgressBar &bar = m_context.wait.progressBar();
        bar.setValue(wrapProgress(qMax(1, m_channel->progress()), bar.maximum()));
    }

    void finish()
    {
        m_progressTimer.stop();
        setObjectName(QString());
        m_context.parent->removeEventFilter(this);
        WorkerResult result = m_watcher.result();
        // The next Generate goes on with the sequence, as if the run had drawn from it.
        m_context.random = result.random;
        m_context.setBusy(false);
        m_context.wait.finish();
        // Whatever changed the document meanwhile is kept; the layout is the one dropped.
        const bool unchanged = m_context.document.puzzle() == m_start.puzzleBefore &&
                               m_context.document.storedWords() == m_start.storedBefore;
        if (m_abandoned || !unchanged)
            result.run.ending = LayoutEnding::Cancelled;
        const LayoutStart start = m_start;
        deleteLater();
        applyRun(m_context, start, result.run);
    }

    // The window's context outlives the job: the job is one of the window's children.
    const CommandContext &m_context;
    LayoutStart m_start;
    std::shared_ptr<LayoutChannel> m_channel = std::make_shared<LayoutChannel>();
    QFutureWatcher<WorkerResult> m_watcher;
    QTimer m_progressTimer;
    bool m_abandoned = false;
};

} // namespace

bool layoutRunning(const CommandContext &context)
{
    return context.parent &&
           context.parent->findChild<QObject *>(JobName, Qt::FindDirectChildrenOnly) != nullptr;
}

void generateCrossword(const CommandContext &context)
{
    // One run at a time; the button is disabled during a run, this covers every other way.
    if (!context.parent->isEnabled() || layoutRunning(context))
        return;
    context.hideMarks();

    LayoutStart start;
    start.method = &layoutMethodInfo(context.layoutMethod());
    start.puzzleBefore = context.document.puzzle();
    start.storedBefore = context.document.storedWords();
    start.words = start.storedBefore;
    start.grid = start.puzzleBefore;
    if (!start.grid.isEmpty)
        gatherGridWords(start.grid, start.words);
    if (!hasStoredWords(start.words)) {
        context.dialogs.message(noWordsMessage());
        return;
    }

    // A layout that can be stopped shows its Cancel from the start.
    context.wait.start(WaitPanel::GenerateCaption, start.method->searches);
    new LayoutJob(context, std::move(start));
}

QList<WindowCommand> generateCommands(const CommandContext &context)
{
    QAction *generate = makeCommandAction(context.parent, QStringLiteral("actGenerate"),
                                          QStringLiteral("Create / Regenerate Crossword"),
                                          [&context] { generateCrossword(context); });
    return {{generate, WindowMenu::WordPanel}};
}

} // namespace Velloquin
