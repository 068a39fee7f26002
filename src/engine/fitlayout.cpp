// SPDX-License-Identifier: MIT
#include "fitlayout.h"

#include "gridedit.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <optional>

namespace Velloquin {

namespace {

// The layout's words moved so that its bounding box starts at the grid's corner.
ThoroughLayout movedToCorner(ThoroughLayout layout)
{
    const QPoint offset = layout.bounds.topLeft();
    for (GridWord &w : layout.words) {
        w.x = qint16(w.x - offset.x());
        w.y = qint16(w.y - offset.y());
    }
    layout.bounds.translate(-offset);
    return layout;
}

// How to lay a layout onto a grid one square narrower than its box: of the shifts that
// cut the first or the last row and column, the one that keeps the most letters inside.
QPoint bestShift(const ThoroughLayout &layout, int side)
{
    const int extraX = qMax(0, layout.bounds.width() - side);
    const int extraY = qMax(0, layout.bounds.height() - side);
    QPoint best;
    int bestKept = -1;
    for (const int dx : {0, -extraX}) {
        for (const int dy : {0, -extraY}) {
            int kept = 0;
            for (const GridWord &w : layout.words) {
                const int x = w.x + dx;
                const int y = w.y + dy;
                const int endX = w.orientation == Direction::Down ? x : x + w.length() - 1;
                const int endY = w.orientation == Direction::Down ? y + w.length() - 1 : y;
                if (x >= 0 && y >= 0 && endX < side && endY < side)
                    kept += w.length();
            }
            if (kept > bestKept) {
                bestKept = kept;
                best = QPoint(dx, dy);
            }
        }
    }
    return best;
}

int sideOf(const ThoroughLayout &layout)
{
    return qMax(layout.bounds.width(), layout.bounds.height());
}

} // namespace

FitLayout findFitLayout(const ExtraWords &extra, RandomSource &random, const FitOptions &options,
                        const std::function<bool(int percent)> &progress)
{
    QElapsedTimer clock;
    clock.start();
    const qint64 budgetMs = qMax(1, options.budgetMs);
    const qint64 total = options.stepLimit > 0 ? options.stepLimit : budgetMs * kThoroughStepsPerMs;

    int longest = 1;
    qint64 letters = 0;
    for (qsizetype i = 1; i < extra.size(); ++i) {
        longest = qMax(longest, int(extra.at(i).word.size()));
        letters += extra.at(i).word.size();
    }
    // Every letter square holds at most two letters, so fewer squares than half the
    // letters cannot hold them.
    const int floorSide =
        qMin(kMaxFitSide,
             std::max({kMinGridSide, longest, int(std::ceil(std::sqrt(double(letters) / 2.0)))}));
    // A roomy first guess: the letters fill about a third of it.
    int side = qBound(floorSide, int(std::ceil(std::sqrt(double(letters) * 3.0))), kMaxFitSide);

    FitLayout fit;
    bool haveFit = false;
    bool cancelled = false;
    // Runs the thorough search on one side with up to `share` steps; nothing once the
    // budget is spent or the user cancelled.
    auto trySide = [&](int s, qint64 share, const ThoroughLayout *start, QPoint shift,
                       bool polish = false) -> std::optional<ThoroughLayout> {
        const qint64 leftMs = budgetMs - clock.elapsed();
        if (share <= 0 || leftMs <= 0)
            return std::nullopt;
        ThoroughOptions o;
        o.budgetMs = int(leftMs);
        o.stepLimit = share;
        o.start = start;
        o.startShift = shift;
        o.stopWhenAllPlaced = !polish;
        o.wander = !polish;
        const qint64 before = fit.steps;
        std::function<bool(int)> report;
        if (progress) {
            report = [&](int percent) {
                const qint64 done = before + share * percent / 100;
                const qint64 byClock = clock.elapsed() * 100 / budgetMs;
                return progress(int(qMin<qint64>(100, qMax(done * 100 / total, byClock))));
            };
        }
        fit.sidesTried.append(s);
        ThoroughLayout layout = findThoroughLayout(s, s, extra, random, o, report);
        fit.steps += layout.steps;
        if (layout.result == ThoroughResult::Cancelled) {
            cancelled = true;
            return std::nullopt;
        }
        return layout;
    };

    // Grow until some size holds every word; meanwhile keep the layout with the most.
    while (!haveFit) {
        const qint64 share = (total - fit.steps) / 3;
        const std::optional<ThoroughLayout> layout = trySide(side, share, nullptr, {});
        if (!layout)
            break;
        if (layout->allPlaced() || fit.sidesTried.size() == 1 ||
            layout->words.size() > fit.layout.words.size()) {
            fit.layout = *layout;
            fit.side = side;
        }
        // A search that gave up before its share was spent has placed every word it ever
        // can (the others share no letter with the rest): more room would not help.
        if (layout->allPlaced()) {
            haveFit = true;
        } else if (side == kMaxFitSide || (layout->steps < share && !layout->stoppedByClock)) {
            break;
        } else {
            side = qMin(kMaxFitSide, side + qMax(2, side / 4));
        }
    }

    // Shrink: the fit's box is a fit itself; then one square less, from the fit cut to it.
    // A size that fails is tried again with half of what is left, as long as there is some.
    // The searches on the way stop as soon as every word is placed; a tenth of the budget
    // is kept to look for more crossings on the smallest grid at the end. One square less
    // than the last success is always tried while any steps are left, even at the cost of
    // that tenth: a smaller grid matters more to the user than a few more crossings.
    const qint64 smallest = qMax<qint64>(1, total / 64);
    const qint64 polish = total / 10;
    int failedSide = 0;
    while (haveFit && !cancelled) {
        fit.layout = movedToCorner(fit.layout);
        fit.side = qMax(floorSide, sideOf(fit.layout));
        const int target = fit.side - 1;
        if (target < floorSide)
            break;
        const qint64 left = total - polish - fit.steps;
        qint64 share = qMax(smallest, left / 2);
        if (left < smallest) {
            if (target == failedSide)
                break;
            share = total - fit.steps;
        }
        const std::optional<ThoroughLayout> layout =
            trySide(target, share, &fit.layout, bestShift(fit.layout, target));
        if (!layout)
            break;
        if (layout->allPlaced())
            fit.layout = *layout;
        else
            failedSide = target;
    }
    if (haveFit && !cancelled) {
        fit.layout = movedToCorner(fit.layout);
        if (const std::optional<ThoroughLayout> layout = trySide(
                qMax(floorSide, sideOf(fit.layout)), total - fit.steps, &fit.layout, {}, true);
            layout && layout->allPlaced())
            fit.layout = *layout;
    }
    if (haveFit && !fit.layout.words.isEmpty()) {
        fit.layout = movedToCorner(fit.layout);
        fit.side = qMax(floorSide, sideOf(fit.layout));
    }
    if (cancelled)
        fit.layout.result = ThoroughResult::Cancelled;
    return fit;
}

} // namespace Velloquin
