// SPDX-License-Identifier: MIT
// The longer help of each subcommand. Keep it in step with the manual page
// (resources/man/velloquin-cli.1.in) and the bash completion.
#include "helptexts.h"

#include "exportformats.h"

using namespace Qt::StringLiterals;

namespace Velloquin {

namespace {

struct Help
{
    const char *command;
    const char *text;
};

// The exit statuses: one rule for every command, worded once for each kind.
#define EDITS_FILE                                                                                 \
    "Exit status: 0 done; 1 refused (the reason goes to standard error, the file is left as\n"     \
    "it was); 2 bad command line or missing input.\n"
#define READS_FILE                                                                                 \
    "FILE - reads the puzzle from standard input.\n\n"                                             \
    "Exit status: 0 done; 1 refused (FILE is not a puzzle, or standard output could not be\n"      \
    "written); 2 bad command line or missing input.\n"
#define WRITES_OUTPUT                                                                              \
    "FILE - reads the puzzle from standard input; OUT - writes to standard output (give\n"         \
    "--format).\n\n"                                                                               \
    "Exit status: 0 written; 1 refused (the reason goes to standard error, nothing is\n"           \
    "written); 2 bad command line or missing input.\n"

// The layout options make and generate share.
#define LAYOUT_OPTIONS                                                                             \
    "  --seed N               start of the random sequence, 0 to 4294967295\n"                     \
    "  --thorough             keep searching for a fuller layout for a while\n"                    \
    "  --fit                  search for the smallest square grid that holds every word\n"         \
    "                         and use it (as --thorough, 3 seconds unless --budget-ms)\n"          \
    "  --budget-ms N          with --thorough or --fit: how long to search, in milliseconds\n"     \
    "  --partial              with --thorough or --fit: keep the best layout even if some\n"       \
    "                         words did not fit\n\n"

const Help kHelp[] = {
    {"new",
     "Creates an empty puzzle file (replacing one that is there).\n\n"
     "Options:\n"
     "  --width N, --height N  grid size in squares, 5 to 255 (default 16)\n"
     "  --title T              the puzzle's title (default \"Crossword\")\n"
     "  --subject S            the puzzle's subject (default none)\n\n"
     "Example:\n"
     "  velloquin-cli new animals.cwd --width 12 --height 10 --title Animals\n\n" EDITS_FILE},
    {"add", "Places WORD with its CLUE on the grid, starting at column X and row Y (from 0 at the\n"
            "top left), across or down. The window's placement rules apply: a word that does not\n"
            "fit, clashes with a letter or runs alongside another word is refused.\n\n"
            "Example:\n"
            "  velloquin-cli add animals.cwd 0 0 across CAT \"Small pet\"\n\n" EDITS_FILE},
    {"delete", "Takes the word that starts at column X, row Y in that direction off the grid\n"
               "and keeps it with its clue in the stored words, as the window does.\n\n"
               "Example:\n"
               "  velloquin-cli delete animals.cwd 0 0 across\n\n" EDITS_FILE},
    {"move",
     "Moves every word on the grid one square left, right, up or down; refused when a word\n"
     "would leave the grid.\n\n"
     "Example:\n"
     "  velloquin-cli move animals.cwd right\n\n" EDITS_FILE},
    {"resize",
     "Changes the grid to WIDTH by HEIGHT squares (5 to 255); words that no longer fit are\n"
     "dropped.\n\n"
     "Example:\n"
     "  velloquin-cli resize animals.cwd 20 15\n\n" EDITS_FILE},
    {"trim", "Cuts the grid down to the rows and columns its words use (at least 5 each way); the\n"
             "words keep their places relative to one another.\n\n"
             "Example:\n"
             "  velloquin-cli trim animals.cwd\n\n" EDITS_FILE},
    {"store",
     "Keeps WORD and its CLUE in the file's stored words, off the grid, for the automatic\n"
     "layout (generate). A word already stored or placed changes nothing.\n\n"
     "Example:\n"
     "  velloquin-cli store animals.cwd GIRAFFE \"Tallest animal\"\n\n" EDITS_FILE},
    {"show", "Prints the title, subject and size, the numbered words on the grid with their\n"
             "positions and clues, and the stored words.\n\n"
             "Example:\n"
             "  velloquin-cli show animals.cwd\n\n" READS_FILE},
    {"clues",
     "Prints the ACROSS and DOWN clue lists, numbered as on the grid, with CR LF line ends\n"
     "(as the window copies them).\n\n"
     "Example:\n"
     "  velloquin-cli clues animals.cwd > clues.txt\n\n" READS_FILE},
    {"render",
     "Draws the grid as a PNG or BMP picture, as the window shows it.\n\n"
     "Options:\n"
     "  --format png|bmp              the picture's format when OUT has no extension\n"
     "  --width-px N, --height-px N   picture size in pixels (default 30 a square)\n"
     "  --size-px N                   the longer side N pixels, in the grid's proportions\n"
     "  --hide-answers                empty squares with their numbers only\n"
     "  --outline                     outlined squares without grid lines\n"
     "  --background C, --gridlines C, --squares C\n"
     "                                colour numbers: red + 256 x green + 65536 x blue\n\n"
     "Example:\n"
     "  velloquin-cli render animals.cwd grid.png --hide-answers\n\n" WRITES_OUTPUT},
    // The formats come from the export table (exportHelp).
    {"export", "Writes the puzzle as a document; the output's extension picks the format: %1.\n\n"
               "Options:\n"
               "%2"
               "  --hide-answers        the grid without its letters\n"
               "  --no-key              .pdf only: leave out the answer key\n"
               "  --paper a4|letter     paper of a .pdf or .docx (default: the locale's)\n"
               "  --no-check            .html only: no Check button on the page\n"
               "  --no-reveal           .html only: nothing on the page shows a letter (a test)\n"
               "  --language CODE       .html only: the page's own words in en, de, fr, es or tr\n"
               "                        (default en)\n\n"
               "Example:\n"
               "  velloquin-cli export animals.cwd sheet.pdf --paper a4\n\n" WRITES_OUTPUT},
    {"make",
     "Makes a puzzle from a word list and lays all its words out automatically. The list\n"
     "holds one word a line, the clue after a tab, \" - \" or \" = \"; blank lines and lines\n"
     "starting with # are skipped (each skipped line is reported on standard error).\n\n"
     "Options:\n"
     "  --width N, --height N  grid size in squares, 5 to 255 (both required unless --fit)\n"
     "  --title T, --subject S the puzzle's title and subject\n" LAYOUT_OPTIONS "Example:\n"
     "  velloquin-cli make words.txt puzzle.cwd --width 15 --height 15 --seed 7\n\n"
     "LIST - reads the word list from standard input.\n\n"
     "Exit status: 0 written; 1 refused (the words could not be laid out; nothing is\n"
     "written); 2 bad command line or missing input.\n"},
    {"import",
     "Reads an .ipuz crossword and writes it as a puzzle file. Puzzles whose white squares\n"
     "do not form words the program could have placed are refused.\n\n"
     "Example:\n"
     "  velloquin-cli import puzzle.ipuz puzzle.cwd\n\n"
     "IN - reads the .ipuz text from standard input.\n\n"
     "Exit status: 0 written; 1 refused (not an .ipuz crossword, or one the program could\n"
     "not have made; the reason goes to standard error); 2 bad command line or missing\n"
     "input.\n"},
    {"generate",
     "Lays out all words of the puzzle file, those on the grid and the stored ones, afresh,\n"
     "as the window's generate button does.\n\n"
     "Options:\n" LAYOUT_OPTIONS "Example:\n"
     "  velloquin-cli generate animals.cwd --seed 42\n\n" EDITS_FILE},
    {"search",
     "Prints every place where WORD would cross the words on the grid, one \"X Y across\" or\n"
     "\"X Y down\" a line; nothing when it fits nowhere.\n\n"
     "Example:\n"
     "  velloquin-cli search animals.cwd HORSE\n\n" READS_FILE},
};

#undef EDITS_FILE
#undef READS_FILE
#undef WRITES_OUTPUT
#undef LAYOUT_OPTIONS

// text broken into lines of at most kWidth columns at blanks; every line starts with
// indent, the first after lead.
QString wrapped(const QString &lead, const QString &text, int indent)
{
    constexpr int kWidth = 80;
    QString out = lead;
    qsizetype lineStart = 0;
    const QStringList words = text.split(QLatin1Char(' '));
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i > 0 && out.size() - lineStart + 1 + words.at(i).size() > kWidth) {
            out += QLatin1Char('\n');
            lineStart = out.size();
            out += QString(indent, QLatin1Char(' '));
        } else if (i > 0) {
            out += QLatin1Char(' ');
        }
        out += words.at(i);
    }
    return out + QLatin1Char('\n');
}

// "a, b or c".
QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QLatin1String(", ")) + QLatin1String(" or ") +
           items.last();
}

// The export help with its formats: each with what it is, neighbours that are the same
// thing named together (".png or .bmp").
QString exportHelp(const char *text)
{
    QStringList described;
    QStringList together;
    QStringList suffixes;
    const std::span<const ExportFormat> formats = exportFormats();
    for (size_t i = 0; i < formats.size(); ++i) {
        const QString about = QString::fromUtf8(formats[i].about);
        suffixes << QLatin1String(formats[i].suffix);
        together << QLatin1Char('.') + QLatin1String(formats[i].suffix);
        if (i + 1 < formats.size() && !about.isEmpty() &&
            about == QString::fromUtf8(formats[i + 1].about))
            continue;
        described << listed(together) + (about.isEmpty() ? QString() : " ("_L1 + about + u')');
        together.clear();
    }
    const QString body = QString::fromUtf8(text).arg(described.join(", "_L1));
    const qsizetype options = body.indexOf("\n\n"_L1);
    return wrapped(QString(), body.left(options), 0) +
           body.mid(options + 1)
               .arg(wrapped(QStringLiteral("  --format FORMAT       "),
                            listed(suffixes) +
                                ", when OUT has no extension (as for - , standard output)"_L1,
                            24));
}

} // namespace

QString commandHelp(const QString &command)
{
    for (const Help &h : kHelp) {
        if (command == QLatin1String(h.command))
            return command == "export"_L1 ? exportHelp(h.text) : QString::fromUtf8(h.text);
    }
    return QString();
}

QString exportOutputs()
{
    QStringList outputs;
    for (const ExportFormat &f : exportFormats())
        outputs << "OUT."_L1 + QLatin1String(f.suffix);
    return outputs.join(u'|');
}

} // namespace Velloquin
