// SPDX-License-Identifier: MIT
// The classic and the thorough layout side by side. Every case draws one word list per
// seed (4 to 10 letters, about 7.8 letters a word, like a class's spelling list) and lays
// it out with both methods from the same seed. Per case and method it reports the share
// of seeds with every word placed, the median and 90th-percentile time of a run, and the
// crossings per word (median over the seeds where every word was placed). Times are
// processor time of the running thread. The fit cases give the side chosen per list. After the
// benchmarks a table of the same figures is printed, ready for the README.
//
//   cmake --preset release && cmake --build --preset release -j2 --target bench_thorough
//   build/release/bench/bench_thorough
#include "crossworddata.h"
#include "fitlayout.h"
#include "gridedit.h"
#include "layoutgenerator.h"
#include "thoroughlayout.h"

#include <benchmark/benchmark.h>

#include <QList>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <time.h>
#include <vector>

using namespace Velloquin;

namespace {

const char *const kPool[] = {
    "ABSENCE",    "ACADEMY",    "ACCIDENT",   "ACTIVITY",   "ADDRESS",    "ADVENTURE",
    "ADVERTISE",  "AGREEMENT",  "AIRPLANE",   "ALPHABET",   "AMBULANCE",  "ANIMAL",
    "ANSWER",     "APARTMENT",  "APPLE",      "ARCHITECT",  "ASTRONAUT",  "ATMOSPHERE",
    "AUDIENCE",   "AUTUMN",     "AVERAGE",    "BACKPACK",   "BALANCE",    "BALLOON",
    "BANANA",     "BASEMENT",   "BASKET",     "BATHROOM",   "BATTERY",    "BEACH",
    "BEDROOM",    "BICYCLE",    "BIRD",       "BIRTHDAY",   "BLANKET",    "BLUEBERRY",
    "BOOK",       "BOOKSHELF",  "BOTTLE",     "BOUNDARY",   "BREAD",      "BREAKFAST",
    "BRIDGE",     "BROTHER",    "BUCKET",     "BUILDING",   "BUTTERFLY",  "CABBAGE",
    "CAKE",       "CALENDAR",   "CAMERA",     "CANDLE",     "CAPITAL",    "CARDBOARD",
    "CARNIVAL",   "CARPET",     "CARROT",     "CASTLE",     "CATTLE",     "CEILING",
    "CENTURY",    "CHAIR",      "CHAMPION",   "CHAPTER",    "CHARACTER",  "CHEERFUL",
    "CHEMISTRY",  "CHICKEN",    "CHILDREN",   "CHIMNEY",    "CHOCOLATE",  "CIRCLE",
    "CITIZEN",    "CLASSROOM",  "CLIMATE",    "CLOTHING",   "CLOUD",      "COFFEE",
    "COLLECTION", "COLLEGE",    "COMMUNITY",  "COMPANY",    "COMPUTER",   "CONCERT",
    "CONDITION",  "COTTAGE",    "COUNTRY",    "COURAGE",    "CREATURE",   "CROCODILE",
    "CRYSTAL",    "CULTURE",    "CURTAIN",    "CUSTOMER",   "DANCE",      "DANGER",
    "DANGEROUS",  "DAUGHTER",   "DECISION",   "DEMOCRACY",  "DESERT",     "DIAMOND",
    "DICTIONARY", "DINOSAUR",   "DIRECTION",  "DISCOVERY",  "DISTANCE",   "DOCTOR",
    "DOLPHIN",    "DOOR",       "DRAGON",     "DRAWING",    "EAGLE",      "EARTH",
    "ECONOMY",    "EDUCATION",  "ELECTRIC",   "ELEPHANT",   "ELEVATOR",   "EMERGENCY",
    "ENERGY",     "ENGINE",     "ENVELOPE",   "EQUIPMENT",  "EVENING",    "EXAMPLE",
    "EXERCISE",   "EXPLORER",   "FACTORY",    "FAMILY",     "FARMER",     "FEATHER",
    "FESTIVAL",   "FIELD",      "FINGER",     "FIREWORKS",  "FISH",       "FLAME",
    "FLASHLIGHT", "FOOTBALL",   "FOOTPRINT",  "FOREST",     "FORTUNE",    "FOUNTAIN",
    "FREEDOM",    "FRIEND",     "FURNITURE",  "GALAXY",     "GARDEN",     "GARDENER",
    "GENERAL",    "GENERATION", "GEOGRAPHY",  "GIRAFFE",    "GLACIER",    "GOLD",
    "GOVERNOR",   "GRAMMAR",    "GRANDSON",   "GRAPE",      "GRAVITY",    "GREENHOUSE",
    "GUITAR",     "HAMMER",     "HAND",       "HAPPINESS",  "HARBOUR",    "HARVEST",
    "HEADPHONES", "HEALTH",     "HEARING",    "HELICOPTER", "HELMET",     "HIGHWAY",
    "HISTORY",    "HOLIDAY",    "HOMEWORK",   "HORIZON",    "HOSPITAL",   "HOUSE",
    "HUNDRED",    "HUSBAND",    "ICEBERG",    "INSECT",     "INSTRUMENT", "INVENTION",
    "ISLAND",     "JACKET",     "JELLYFISH",  "JOURNEY",    "JUNGLE",     "KANGAROO",
    "KEYBOARD",   "KITCHEN",    "KITE",       "KNOWLEDGE",  "LADDER",     "LAKE",
    "LANDSCAPE",  "LANGUAGE",   "LANTERN",    "LEMON",      "LEMONADE",   "LEMONTREE",
    "LETTER",     "LIBRARY",    "LIGHTHOUSE", "LIGHTNING",  "LIQUID",     "LOBSTER",
    "MACHINE",    "MAGAZINE",   "MAGICIAN",   "MAGNET",     "MANAGER",    "MARATHON",
    "MARKET",     "MEADOW",     "MEDICINE",   "MEMORY",     "MESSAGE",    "MICROSCOPE",
    "MIDNIGHT",   "MINERAL",    "MINUTE",     "MIRROR",     "MONKEY",     "MONSTER",
    "MOON",       "MOONLIGHT",  "MORNING",    "MOTORCYCLE", "MOUNTAIN",   "MOUSE",
    "MUSEUM",     "MUSHROOM",   "MUSIC",      "NATURE",     "NEIGHBOUR",  "NEST",
    "NEWSPAPER",  "NIGHT",      "NIGHTMARE",  "NOTEBOOK",   "NOTEPAPER",  "NUMBER",
    "OBSERVER",   "OCEAN",      "OFFICE",     "OPERATION",  "ORANGE",     "ORCHESTRA",
    "OXYGEN",     "PAINTBRUSH", "PAINTER",    "PALACE",     "PANCAKE",    "PAPER",
    "PARACHUTE",  "PARENT",     "PARROT",     "PASSENGER",  "PENCIL",     "PENGUIN",
    "PEPPER",     "PICTURE",    "PILLOW",     "PINEAPPLE",  "PIRATE",     "PLANET",
    "PLANT",      "PLASTIC",    "PLAYGROUND", "POCKET",     "POETRY",     "POLICE",
    "POSTCARD",   "POTATO",     "PRESIDENT",  "PRINCESS",   "PROBLEM",    "PROGRAM",
    "PUMPKIN",    "PUZZLE",     "PYRAMID",    "QUEEN",      "QUESTION",   "RABBIT",
    "RAILWAY",    "RAIN",       "RAINBOW",    "READER",     "RECTANGLE",  "REPORT",
    "REPUBLIC",   "RESCUE",     "RESTAURANT", "RIBBON",     "RIVER",      "ROAD",
    "ROCKET",     "SADDLE",     "SAILBOAT",   "SANDWICH",   "SCARECROW",  "SCHOOL",
    "SCIENCE",    "SCISSORS",   "SEAHORSE",   "SEASON",     "SECRET",     "SHADOW",
    "SHEEP",      "SHIP",       "SHOPPING",   "SHOULDER",   "SILVER",     "SISTER",
    "SKELETON",   "SKYSCRAPER", "SMILE",      "SNOW",       "SNOWFLAKE",  "SNOWMAN",
    "SOLDIER",    "SPACESHIP",  "SPIDER",     "SQUIRREL",   "STAIRCASE",  "STAR",
    "STATION",    "STOMACH",    "STONE",      "STORY",      "STRANGER",   "STRAWBERRY",
    "STREET",     "STUDENT",    "SUITCASE",   "SUMMER",     "SUNFLOWER",  "SUNSHINE",
    "SURPRISE",   "SWEATER",    "SWIMMING",   "TABLE",      "TEACHER",    "TELEPHONE",
    "TELESCOPE",  "TEMPLE",     "THEATRE",    "THUNDER",    "TICKET",     "TIGER",
    "TOMATO",     "TONGUE",     "TOOTHBRUSH", "TORNADO",    "TRACTOR",    "TRAFFIC",
    "TRAIN",      "TREASURE",   "TREE",       "TRIANGLE",   "TROPHY",     "TRUMPET",
    "TUNNEL",     "TURTLE",     "UMBRELLA",   "UNIVERSE",   "VACATION",   "VALLEY",
    "VEGETABLE",  "VILLAGE",    "VIOLIN",     "VOLCANO",    "VOYAGE",     "WAGON",
    "WALNUT",     "WATER",      "WATERFALL",  "WEATHER",    "WEEKEND",    "WHALE",
    "WHEELCHAIR", "WHISTLE",    "WILDERNESS", "WIND",       "WINDOW",     "WINTER",
    "WIZARD",     "WOLF",       "WOODPECKER", "YELLOW",     "YESTERDAY",  "ZEBRA",
};

// Word lengths are drawn with these weights for 4, 5, ... letters, then a word of that
// length not drawn before. Long: 4 to 10 letters, 7.8 on average. Short: 4 to 6, 5.
using Weights = std::vector<int>;
const Weights kLong{1, 1, 2, 3, 4, 4, 3};
const Weights kShort{1, 2, 1};

// One case: how many words on what grid, over how many seeds.
struct Case
{
    const char *name;
    int words;
    const Weights *lengths;
    int width;
    int height;
    int seeds;
};

const Case kCases[] = {
    {"20 words (4-6 letters), 15x15", 20, &kShort, 15, 15, 100},
    {"40 words, 25x25", 40, &kLong, 25, 25, 100},
    {"40 words, 30x30", 40, &kLong, 30, 30, 100},
    {"80 words, 34x34", 80, &kLong, 34, 34, 20},
    {"80 words, 32x32", 80, &kLong, 32, 32, 20},
    {"40 words, 24x24", 40, &kLong, 24, 24, 20},
    {"40 words, 23x23", 40, &kLong, 23, 23, 20},
    {"80 words, 33x33", 80, &kLong, 33, 33, 20},
};

ExtraWords drawWords(int count, const Weights &weights, quint32 seed)
{
    RandomSource random(seed * 7919u + 17u);
    std::map<int, std::vector<QString>> byLength;
    for (const char *w : kPool)
        byLength[int(qstrlen(w))].push_back(QString::fromLatin1(w));
    int totalWeight = 0;
    for (int w : weights)
        totalWeight += w;
    ExtraWords extra = newExtraWords();
    while (extra.size() <= count) {
        int roll = int(random.next() * float(totalWeight));
        int length = 4;
        for (int w : weights) {
            if (roll < w)
                break;
            roll -= w;
            ++length;
        }
        std::vector<QString> &words = byLength[length];
        if (words.empty())
            continue;
        const size_t at = qMin(words.size() - 1, size_t(random.next() * float(words.size())));
        extra.append(ExtraWord{words[at], QStringLiteral("clue")});
        words.erase(words.begin() + qsizetype(at));
    }
    return extra;
}

// One run of one method on one seed.
struct Run
{
    bool allPlaced = false;
    double ms = 0;
    double crossingsPerWord = 0;
    int placed = 0;
    qint64 steps = 0;
};

struct Figures
{
    int seeds = 0;
    double placedShare = 0;
    double medianMs = 0;
    double p90Ms = 0;
    double crossingsPerWord = 0; // median over the runs with every word placed
    double medianPlaced = 0;
};

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t at = size_t(p * double(values.size() - 1) + 0.5);
    return values[qMin(at, values.size() - 1)];
}

Figures summarise(const std::vector<Run> &runs)
{
    Figures f;
    f.seeds = int(runs.size());
    std::vector<double> times, crossings, placed;
    int all = 0;
    for (const Run &r : runs) {
        times.push_back(r.ms);
        placed.push_back(r.placed);
        if (r.allPlaced) {
            ++all;
            crossings.push_back(r.crossingsPerWord);
        }
    }
    f.placedShare = runs.empty() ? 0 : 100.0 * all / double(runs.size());
    f.medianMs = percentile(times, 0.5);
    f.p90Ms = percentile(times, 0.9);
    f.crossingsPerWord = percentile(crossings, 0.5);
    f.medianPlaced = percentile(placed, 0.5);
    return f;
}

// Processor time of this thread, so that other programs on a busy machine do not count.
double threadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

Run runClassic(const Case &c, const ExtraWords &extra, quint32 seed)
{
    CrosswordData puzzle;
    newCrossword(puzzle, qint16(c.width), qint16(c.height));
    RandomSource random(seed);
    const double start = threadMs();
    const LayoutOutcome outcome = generateLayout(puzzle, extra, random, {});
    Run run;
    run.ms = threadMs() - start;
    run.allPlaced = outcome.placed();
    const LayoutQuality q = measureLayout(puzzle);
    run.placed = q.words;
    run.crossingsPerWord = q.words > 0 ? double(q.crossings) / q.words : 0;
    return run;
}

Run runThorough(const Case &c, const ExtraWords &extra, quint32 seed)
{
    RandomSource random(seed);
    // The step limit of the default two-second budget bounds the search; the clock is
    // set far out so that a busy machine does not cut the search short.
    ThoroughOptions options;
    options.stepLimit = qint64(options.budgetMs) * kThoroughStepsPerMs;
    options.budgetMs = 60000;
    const double start = threadMs();
    const ThoroughLayout layout = findThoroughLayout(c.width, c.height, extra, random, options);
    Run run;
    run.ms = threadMs() - start;
    run.allPlaced = layout.allPlaced();
    run.placed = int(layout.words.size());
    run.crossingsPerWord = run.placed > 0 ? double(layout.crossings) / run.placed : 0;
    run.steps = layout.steps;
    return run;
}

// Figures per case and method, for the table at the end.
std::map<std::string, Figures> g_figures;
// Per case: seeds where classic placed every word, and of those, where thorough did too.
std::map<std::string, std::pair<int, int>> g_classicWins;
std::map<std::string, std::vector<Run>> g_classicRuns;

void report(benchmark::State &state, const Figures &f)
{
    state.counters["seeds"] = f.seeds;
    state.counters["all_placed_%"] = f.placedShare;
    state.counters["median_ms"] = f.medianMs;
    state.counters["p90_ms"] = f.p90Ms;
    state.counters["crossings/word"] = f.crossingsPerWord;
    state.counters["median_placed"] = f.medianPlaced;
}

void BM_Classic(benchmark::State &state, int index)
{
    const Case &c = kCases[index];
    std::vector<Run> runs;
    for (auto _ : state) {
        runs.clear();
        for (int seed = 1; seed <= c.seeds; ++seed)
            runs.push_back(
                runClassic(c, drawWords(c.words, *c.lengths, quint32(seed)), quint32(seed)));
    }
    const Figures f = summarise(runs);
    g_figures[std::string(c.name) + "|classic"] = f;
    g_classicRuns[c.name] = runs;
    report(state, f);
}

void BM_Thorough(benchmark::State &state, int index)
{
    const Case &c = kCases[index];
    std::vector<Run> runs;
    for (auto _ : state) {
        runs.clear();
        for (int seed = 1; seed <= c.seeds; ++seed)
            runs.push_back(
                runThorough(c, drawWords(c.words, *c.lengths, quint32(seed)), quint32(seed)));
    }
    const Figures f = summarise(runs);
    g_figures[std::string(c.name) + "|thorough"] = f;
    // How fast the steps run here, against kThoroughStepsPerMs.
    double steps = 0, ms = 0;
    for (const Run &r : runs) {
        steps += double(r.steps);
        ms += r.ms;
    }
    state.counters["steps/ms"] = ms > 0 ? steps / ms : 0;
    // Where classic placed every word, thorough is to do so too, with as many crossings.
    const auto classic = g_classicRuns.find(c.name);
    if (classic != g_classicRuns.end() && classic->second.size() == runs.size()) {
        int wins = 0, kept = 0;
        std::vector<double> classicCrossings, thoroughCrossings;
        for (size_t i = 0; i < runs.size(); ++i) {
            if (!classic->second[i].allPlaced)
                continue;
            ++wins;
            kept += runs[i].allPlaced ? 1 : 0;
            classicCrossings.push_back(classic->second[i].crossingsPerWord);
            thoroughCrossings.push_back(runs[i].crossingsPerWord);
        }
        g_classicWins[c.name] = {wins, kept};
        state.counters["classic_wins_kept"] = kept;
        state.counters["classic_wins"] = wins;
        state.counters["same_seeds_classic_x/w"] = percentile(classicCrossings, 0.5);
        state.counters["same_seeds_thorough_x/w"] = percentile(thoroughCrossings, 0.5);
    }
    report(state, f);
}

// The fit: the smallest square side found for each list within its default budget (the
// step limit of three seconds), against a plain loop that runs the thorough search with
// its default budget on each side from a roomy one down, stopping at the first failure.
struct FitCase
{
    const char *name;
    int words;
    int startSide; // where the plain loop starts: every seed fits there
    int seeds;
    int goal; // the side a fit should reach for most lists
};

const FitCase kFitCases[] = {
    {"fit 40 words", 40, 30, 20, 24},
    {"fit 80 words", 80, 40, 20, 33},
};

struct FitFigures
{
    std::vector<double> sides, ms;
};
std::map<std::string, FitFigures> g_fits;

void BM_Fit(benchmark::State &state, int index, bool plain)
{
    const FitCase &c = kFitCases[index];
    FitFigures f;
    for (auto _ : state) {
        f = {};
        for (int seed = 1; seed <= c.seeds; ++seed) {
            const ExtraWords extra = drawWords(c.words, kLong, quint32(seed));
            RandomSource random{quint32(seed)};
            const double start = threadMs();
            int side = 0;
            if (plain) {
                for (int s = c.startSide; s > 0; --s) {
                    ThoroughOptions options;
                    options.stepLimit = qint64(options.budgetMs) * kThoroughStepsPerMs;
                    options.budgetMs = 60000;
                    if (!findThoroughLayout(s, s, extra, random, options).allPlaced())
                        break;
                    side = s;
                }
            } else {
                FitOptions options;
                options.stepLimit = qint64(options.budgetMs) * kThoroughStepsPerMs;
                options.budgetMs = 60000;
                const FitLayout fit = findFitLayout(extra, random, options);
                side = fit.allPlaced() ? fit.side : 0;
            }
            f.ms.push_back(threadMs() - start);
            f.sides.push_back(side);
        }
    }
    g_fits[std::string(c.name) + (plain ? "|plain loop" : "|fit")] = f;
    state.counters["median_side"] = percentile(f.sides, 0.5);
    state.counters["median_ms"] = percentile(f.ms, 0.5);
    state.counters["p90_ms"] = percentile(f.ms, 0.9);
}

void printTable()
{
    std::printf("\n| Case | Method | All placed | Median | 90th pct. | Crossings/word |\n"
                "|---|---|---|---|---|---|\n");
    for (const Case &c : kCases) {
        for (const char *method : {"classic", "thorough"}) {
            const auto it = g_figures.find(std::string(c.name) + "|" + method);
            if (it == g_figures.end())
                continue;
            const Figures &f = it->second;
            std::printf("| %s | %s | %.0f %% of %d | %.1f ms | %.1f ms | %.2f |\n", c.name, method,
                        f.placedShare, f.seeds, f.medianMs, f.p90Ms, f.crossingsPerWord);
        }
    }
    std::printf(
        "\n| List | Method | Side chosen (min / median / max) | At the goal or less | Median "
        "| 90th pct. |\n|---|---|---|---|---|---|\n");
    for (const FitCase &c : kFitCases) {
        for (const char *method : {"fit", "plain loop"}) {
            const auto it = g_fits.find(std::string(c.name) + "|" + method);
            if (it == g_fits.end())
                continue;
            const FitFigures &f = it->second;
            const auto atGoal = std::count_if(f.sides.begin(), f.sides.end(),
                                              [&c](double s) { return s > 0 && s <= c.goal; });
            std::printf("| %s (%d seeds) | %s | %.0f / %.0f / %.0f | %d of %d at %d | %.0f ms | "
                        "%.0f ms |\n",
                        c.name, c.seeds, method, percentile(f.sides, 0), percentile(f.sides, 0.5),
                        percentile(f.sides, 1), int(atGoal), c.seeds, c.goal, percentile(f.ms, 0.5),
                        percentile(f.ms, 0.9));
        }
    }
    for (const auto &[name, wins] : g_classicWins)
        std::printf("%s: thorough placed every word on %d of the %d seeds classic managed\n",
                    name.c_str(), wins.second, wins.first);
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 0; i < int(std::size(kCases)); ++i) {
        const std::string name = kCases[i].name;
        benchmark::RegisterBenchmark(("classic/" + name).c_str(), BM_Classic, i)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("thorough/" + name).c_str(), BM_Thorough, i)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    for (int i = 0; i < int(std::size(kFitCases)); ++i) {
        for (const bool plain : {false, true}) {
            benchmark::RegisterBenchmark(
                (std::string(plain ? "plainloop/" : "fit/") + kFitCases[i].name).c_str(), BM_Fit, i,
                plain)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printTable();
    return 0;
}
