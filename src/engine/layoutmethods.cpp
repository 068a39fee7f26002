// SPDX-License-Identifier: MIT
#include "layoutmethods.h"

#include "fitlayout.h"
#include "gridedit.h"
#include "layoutgenerator.h"
#include "thoroughlayout.h"

#include <array>

namespace Velloquin {

bool LayoutChannel::report(int value)
{
    m_progress.store(value, std::memory_order_relaxed);
    if (m_onReport)
        m_onReport(value);
    return !isCancelled();
}

std::function<bool(int)> LayoutChannel::reporter()
{
    return [this](int value) { return report(value); };
}

namespace {

LayoutRun runClassic(const ExtraWords &words, const CrosswordData &grid, RandomSource &random,
                     LayoutChannel &channel, int /*budgetMs*/)
{
    LayoutRun run;
    run.puzzle = grid;
    run.stored = words;
    const LayoutOutcome outcome = generateLayout(run.puzzle, words, random, channel.reporter());
    if (outcome.result == LayoutResult::Cancelled) {
        run.ending = LayoutEnding::Cancelled;
        return run;
    }
    if (!outcome.placed()) {
        run.ending = LayoutEnding::Failed;
        for (qsizetype entry = 1; entry < words.size(); ++entry)
            run.leftOut.append(entry);
        run.messages = outcome.messages();
        return run;
    }
    run.ending = LayoutEnding::AllPlaced;
    run.stored = newExtraWords();
    run.placed = int(run.puzzle.words.size());
    run.summary = QStringLiteral("attempt %1").arg(outcome.attempts);
    return run;
}

// A search's layout as a run: what is placed goes onto the grid, the rest stays stored.
LayoutRun fromSearch(const ThoroughLayout &layout, const CrosswordData &grid,
                     const ExtraWords &words, QLatin1String name)
{
    LayoutRun run;
    run.puzzle = grid;
    run.stored = words;
    if (layout.result == ThoroughResult::Cancelled) {
        run.ending = LayoutEnding::Cancelled;
        return run;
    }
    run.placed = int(layout.words.size());
    run.leftOut = layout.leftOut;
    if (!layout.allPlaced()) {
        for (const qsizetype entry : std::as_const(layout.leftOut)) {
            const qsizetype length = words.at(entry).word.size();
            if (length > grid.width && length > grid.height) {
                run.messages.append(wordTooBigMessage());
                break;
            }
        }
        run.messages.append(generateErrorMessage());
    }
    if (layout.words.isEmpty()) {
        run.ending = LayoutEnding::Failed;
        return run;
    }
    applyThoroughLayout(run.puzzle, run.stored, layout);
    run.ending = layout.allPlaced() ? LayoutEnding::AllPlaced : LayoutEnding::Partial;
    run.summary = QStringLiteral("%1 layout, %2 crossings").arg(name).arg(layout.crossings);
    if (!layout.allPlaced())
        run.summary += QStringLiteral(", %1 of %2 words placed").arg(run.placed).arg(run.total());
    return run;
}

LayoutRun runThorough(const ExtraWords &words, const CrosswordData &grid, RandomSource &random,
                      LayoutChannel &channel, int budgetMs)
{
    ThoroughOptions options;
    if (budgetMs > 0)
        options.budgetMs = budgetMs;
    const ThoroughLayout layout =
        findThoroughLayout(grid.width, grid.height, words, random, options, channel.reporter());
    return fromSearch(layout, grid, words, QLatin1String("thorough"));
}

LayoutRun runFit(const ExtraWords &words, const CrosswordData &grid, RandomSource &random,
                 LayoutChannel &channel, int budgetMs)
{
    FitOptions options;
    if (budgetMs > 0)
        options.budgetMs = budgetMs;
    const FitLayout fit = findFitLayout(words, random, options, channel.reporter());
    CrosswordData sized = grid;
    if (fit.side > 0)
        resizeCrossword(sized, qint16(fit.side), qint16(fit.side));
    return fromSearch(fit.layout, sized, words, QLatin1String("fit"));
}

constexpr std::array<LayoutMethodInfo, 3> kMethods{{
    {LayoutMethod::Classic, QLatin1String("classic"), QLatin1String("Classic"), false, false,
     runClassic},
    {LayoutMethod::Thorough, QLatin1String("thorough"), QLatin1String("Thorough"), true, false,
     runThorough},
    {LayoutMethod::Fit, QLatin1String("fit"), QLatin1String("Fit"), true, true, runFit},
}};

} // namespace

std::span<const LayoutMethodInfo> layoutMethods()
{
    return kMethods;
}

const LayoutMethodInfo &layoutMethodInfo(LayoutMethod method)
{
    for (const LayoutMethodInfo &info : kMethods)
        if (info.method == method)
            return info;
    return kMethods.front();
}

const LayoutMethodInfo *findLayoutMethod(QStringView word)
{
    for (const LayoutMethodInfo &info : kMethods) {
        if (word.compare(info.name, Qt::CaseInsensitive) == 0 ||
            word.compare(info.settingsText, Qt::CaseInsensitive) == 0)
            return &info;
    }
    return nullptr;
}

} // namespace Velloquin
