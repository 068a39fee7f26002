// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "message.h"
#include "randomsource.h"

#include <QLatin1String>
#include <QList>
#include <QStringView>

#include <atomic>
#include <functional>
#include <span>

namespace Velloquin {

// How "Create / Regenerate Crossword" lays out the words: the quick classic layout, the
// thorough search that fits words into tighter grids, or the thorough search that also
// chooses the smallest square grid holding every word.
enum class LayoutMethod { Classic, Thorough, Fit };

// The one line between a layout run and whoever waits for it, which may be on another
// thread: the run reports its progress through it and stops at its next report once a
// cancel was asked for. The run works only on its own copies, so this is all they share.
class LayoutChannel
{
public:
    LayoutChannel() = default;
    // onReport, when set, is called on the run's thread with every report.
    explicit LayoutChannel(std::function<void(int value)> onReport)
        : m_onReport(std::move(onReport))
    {}
    LayoutChannel(const LayoutChannel &) = delete;
    LayoutChannel &operator=(const LayoutChannel &) = delete;

    // Any thread: the run stops at its next report and ends Cancelled.
    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    bool isCancelled() const { return m_cancelled.load(std::memory_order_relaxed); }
    // The run's last report (0 before the first), readable from any thread: the attempt
    // number of the classic layout, the share of the budget used by a search.
    int progress() const { return m_progress.load(std::memory_order_relaxed); }

    // The run's thread: records value; false when the run is to stop.
    bool report(int value);
    // report() in the shape the layout functions take.
    std::function<bool(int)> reporter();

private:
    std::atomic<bool> m_cancelled{false};
    std::atomic<int> m_progress{0};
    std::function<void(int)> m_onReport;
};

enum class LayoutEnding {
    AllPlaced, // every stored word is on the grid
    Partial,   // some words have a place, the others stay stored; the user decides
    Failed,    // nothing placed that could be kept; messages tell why
    Cancelled, // stopped through the channel; nothing to apply
};

// The end of one layout run on copies of the words and the grid. Invariant: for AllPlaced
// and Partial, puzzle holds the grid with the words placed (on the size a method chose for
// it) and stored the words left out, ready for the document to take as one change.
struct LayoutRun
{
    LayoutEnding ending = LayoutEnding::Failed;
    CrosswordData puzzle;
    ExtraWords stored;
    // The words placed, and the entries of the given words (1..n) that have none.
    int placed = 0;
    QList<qsizetype> leftOut;
    // Unless every word was placed: the messages a refusal shows, in order (the
    // generator's own, then "Generate Error").
    QList<Message> messages;
    // How it went, for the command line ("attempt 3", "thorough layout, 52 crossings").
    QString summary;

    int total() const { return placed + int(leftOut.size()); }
};

// A run lays out the stored words (entries 1..n of words) on `grid`, an empty puzzle whose
// title and size it keeps (unless it chooses the size), drawing from random. budgetMs 0
// means the method's own default.
using LayoutRunFunction = LayoutRun (*)(const ExtraWords &words, const CrosswordData &grid,
                                        RandomSource &random, LayoutChannel &channel, int budgetMs);

// One layout method. Adding a method is one run function and one row of layoutMethods().
struct LayoutMethodInfo
{
    LayoutMethod method;
    // The command line's word for it (its flag: --thorough, --fit).
    QLatin1String name;
    // What the settings file stores as LayoutMethod.
    QLatin1String settingsText;
    // A search within a time budget that the user may stop and that may place only some
    // of the words; the classic layout is none of these and, when it fails, leaves the grid
    // empty with every word stored.
    bool searches;
    // The method chooses the grid's size itself.
    bool choosesSize;
    LayoutRunFunction run;
};

// Every layout method, in the order of the window's Layout choice.
std::span<const LayoutMethodInfo> layoutMethods();
const LayoutMethodInfo &layoutMethodInfo(LayoutMethod method);
// The method whose command-line name or settings text is `word`, in any letter case.
const LayoutMethodInfo *findLayoutMethod(QStringView word);

} // namespace Velloquin
