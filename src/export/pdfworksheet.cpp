// SPDX-License-Identifier: MIT
#include "pdfworksheet.h"

#include "gridedit.h"
#include "safefile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace Velloquin {

namespace {

// Sizes on paper.
constexpr double kMaxPuzzleSquareMm = 9.0; // large enough to write a letter in
constexpr double kMaxKeySquareMm = 5.5;    // the key only has to be read
// Squares below these sizes leave no room for a legible number beside the letter; a
// large grid takes more of the page, up to all of it, before it goes below them.
constexpr double kMinPuzzleSquareMm = 6.0;
constexpr double kMinKeySquareMm = 5.5;
constexpr int kMinNumberPoints = 6;
constexpr double kPuzzleGridShare = 0.62; // of the page height left under the heading
constexpr double kKeyGridShare = 0.45;
constexpr double kKeyGridWidthShare = 0.7; // of the text width
constexpr double kGapAfterHeadingMm = 4.0;
constexpr double kGapAfterGridMm = 8.0;
constexpr double kColumnGapMm = 10.0;
constexpr double kGapAfterListHeadingMm = 1.5;
constexpr double kGapBetweenCluesMm = 1.3;
constexpr double kNumberGapMm = 1.8;
constexpr double kFooterMm = 8.0;

constexpr int kTitlePoints = 16;
constexpr int kKeyTitlePoints = 14;
constexpr int kListHeadingPoints = 11;
constexpr int kCluePoints = 10;
constexpr int kFooterPoints = 8;

const QColor kInk(Qt::black);
const QColor kFooterInk(90, 90, 90);

QFont textFont(int points, bool bold = false, bool underline = false)
{
    QFont font = puzzleFont(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

// The text without control characters, which a font has no glyph for and would print
// as boxes; line breaks (CR, LF) stay for withLineSeparators.
QString printable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool control =
            (u < 0x20 && u != u'\t' && u != u'\r' && u != u'\n') || (u >= 0x7f && u <= 0x9f);
        if (!control)
            out.append(c);
    }
    return out;
}

// Line breaks inside a clue (CR LF, CR or LF) as the layout's own line separator.
QString withLineSeparators(QString text)
{
    const QChar separator = QChar::LineSeparator;
    return replaceLineBreaks(printable(text), QStringView(&separator, 1));
}

// QTextLayout breaks a run of characters without a blank anywhere, but its time grows with
// the square of the run's length (a long unbroken clue or title takes minutes). Such a run
// gets a zero-width space wherever it would pass the line's width, so that each piece fits
// on a line and the layout only breaks between pieces. The pieces are measured in bold,
// the widest face used, and formats are moved along with the text.
QString breakOverlongRuns(const QString &text, const QFont &font, const QPaintDevice &device,
                          qreal width, QList<QTextLayout::FormatRange> &formats)
{
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics(bold, &device);
    const qreal limit = width * 0.95;
    QString out;
    QList<int> inserted; // original positions a space was put before
    qreal run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isSpace() || c == QChar::LineSeparator) {
            run = 0;
            out += c;
            continue;
        }
        // A surrogate pair and a combining mark stay with the character before them.
        const bool startsCharacter = !c.isLowSurrogate() && !c.isMark();
        const qreal advance = c.isHighSurrogate() && i + 1 < text.size()
                                  ? metrics.horizontalAdvance(text.mid(i, 2))
                                  : metrics.horizontalAdvance(c);
        if (startsCharacter && run > 0 && run + advance > limit) {
            out += QChar(0x200b);
            inserted << int(i);
            run = 0;
        }
        if (!c.isLowSurrogate())
            run += advance;
        out += c;
    }
    if (inserted.isEmpty())
        return text;
    auto moved = [&inserted](int position) {
        return position + int(std::lower_bound(inserted.cbegin(), inserted.cend(), position) -
                              inserted.cbegin());
    };
    for (QTextLayout::FormatRange &range : formats) {
        const int end = moved(range.start + range.length);
        range.start = moved(range.start);
        range.length = end - range.start;
    }
    return out;
}

// A paragraph laid out in lines at a given width, measured for a paint device.
class Paragraph
{
public:
    Paragraph(const QString &text, const QFont &font, const QPaintDevice &device, qreal width,
              Qt::Alignment alignment = Qt::AlignLeft, QList<QTextLayout::FormatRange> formats = {})
        : m_layout(std::make_unique<QTextLayout>(
              breakOverlongRuns(text, font, device, width, formats), font, &device))
    {
        QTextOption option(alignment);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        m_layout->setTextOption(option);
        m_layout->setFormats(formats);
        m_layout->setCacheEnabled(true);
        m_layout->beginLayout();
        // The lines' tops are kept here rather than as the lines' positions: the layout
        // holds positions in 26.6 fixed point, which overflows a few thousand pages down a
        // very long clue, and the tail of the clue would be lost.
        qreal y = 0;
        for (QTextLine line = m_layout->createLine(); line.isValid();
             line = m_layout->createLine()) {
            line.setLineWidth(std::max<qreal>(width, 1));
            line.setPosition(QPointF(0, 0));
            m_tops.append(y);
            y += line.height();
        }
        m_layout->endLayout();
    }

    int lineCount() const { return m_layout->lineCount(); }
    // Height from the top of line first to the bottom of line first + count - 1.
    qreal height(int first, int count) const
    {
        if (count <= 0)
            return 0;
        const int last = first + count - 1;
        return m_tops.at(last) + m_layout->lineAt(last).height() - m_tops.at(first);
    }
    qreal height() const { return height(0, lineCount()); }
    qreal firstAscent() const { return lineCount() > 0 ? m_layout->lineAt(0).ascent() : 0; }

    // Draws lines first .. first + count - 1 with the top of line first at topLeft.
    void draw(QPainter &painter, const QPointF &topLeft, int first, int count) const
    {
        if (count <= 0)
            return;
        for (int i = first; i < first + count && i < lineCount(); ++i)
            m_layout->lineAt(i).draw(&painter,
                                     topLeft + QPointF(0, m_tops.at(i) - m_tops.at(first)));
    }

private:
    std::unique_ptr<QTextLayout> m_layout;
    QList<qreal> m_tops;
};

// The clue text as a paragraph; on the answer key the answer follows the clue in bold.
std::unique_ptr<Paragraph> clueParagraph(const GridWord &word, bool answerKey,
                                         const QPaintDevice &device, qreal width)
{
    QString text = withLineSeparators(word.clue);
    QList<QTextLayout::FormatRange> formats;
    if (answerKey) {
        if (!text.isEmpty())
            text += QStringLiteral("  ");
        QTextLayout::FormatRange answer;
        answer.start = int(text.size());
        answer.length = int(word.answer.size());
        answer.format.setFontWeight(QFont::Bold);
        text += word.answer.toUpper();
        formats << answer;
    }
    return std::make_unique<Paragraph>(text, textFont(kCluePoints), device, width, Qt::AlignLeft,
                                       formats);
}

QString clueNumber(const GridWord &word)
{
    return QString::number(word.number) + QLatin1Char('.');
}

// The words of one list in the order of their square numbers; words that got no
// number (they start outside the grid) come last, in list order.
QList<int> listOrder(const CrosswordData &puzzle, Direction orientation)
{
    QList<int> order;
    if (puzzle.isEmpty)
        return order;
    for (int i = 0; i < puzzle.words.size(); ++i) {
        if (puzzle.words.at(i).orientation == orientation)
            order << i;
    }
    std::stable_sort(order.begin(), order.end(), [&puzzle](int a, int b) {
        const int na = puzzle.words.at(a).number > 0 ? puzzle.words.at(a).number : INT_MAX;
        const int nb = puzzle.words.at(b).number > 0 ? puzzle.words.at(b).number : INT_MAX;
        return na < nb;
    });
    return order;
}

// Lays out a puzzle already numbered and cropped.
WorksheetLayout layoutCropped(const CrosswordData &puzzle, const WorksheetOptions &options,
                              const QPaintDevice &device);

class LayoutBuilder
{
public:
    LayoutBuilder(const CrosswordData &puzzle, const QPaintDevice &device)
        : m_puzzle(puzzle), m_device(device), m_perMm(device.logicalDpiY() / 25.4)
    {
        m_out.area = QRectF(0, 0, device.width(), device.height());
        m_bottom = m_out.area.height() - mm(kFooterMm);
        m_columnWidth = (m_out.area.width() - mm(kColumnGapMm)) / 2;
        // Room for the widest number with its full stop.
        int widest = 1;
        for (const GridWord &w : puzzle.words)
            widest = std::max<int>(widest, w.number);
        const QFontMetricsF metrics(textFont(kCluePoints, true), &device);
        m_gutter =
            metrics.horizontalAdvance(QString(QString::number(widest).size(), QLatin1Char('8')) +
                                      QLatin1Char('.')) +
            mm(kNumberGapMm);
        m_out.gutter = m_gutter;
        m_out.numberGap = mm(kNumberGapMm);
    }

    // Lays out one part starting on a fresh page; returns the number of pages it takes.
    int addPart(bool answerKey, int firstPage)
    {
        qreal y = 0;
        if (!answerKey) {
            const QFont font = textFont(kTitlePoints, true, true);
            y = addHeading(m_puzzle.title, font, false, firstPage, y);
            if (!m_puzzle.subject.isEmpty())
                y = addHeading(m_puzzle.subject, font, false, firstPage, y);
        } else {
            const QString heading = m_puzzle.title.isEmpty()
                                        ? QStringLiteral("Answer key")
                                        : m_puzzle.title + QStringLiteral(" \u2013 answer key");
            y = addHeading(heading, textFont(kKeyTitlePoints, true), true, firstPage, y);
        }
        y += mm(kGapAfterHeadingMm);
        y = addGrid(answerKey, firstPage, y);

        const int acrossEnd = addList(Direction::Across, answerKey, 0, firstPage, y);
        const int downEnd =
            addList(Direction::Down, answerKey, m_columnWidth + mm(kColumnGapMm), firstPage, y);
        return std::max(acrossEnd, downEnd) - firstPage + 1;
    }

    WorksheetLayout finish(int puzzlePages, int keyPages)
    {
        m_out.puzzlePages = puzzlePages;
        m_out.keyPages = keyPages;
        m_out.pageCount = puzzlePages + keyPages;
        if (m_out.pageCount > 1) {
            const QFont font = textFont(kFooterPoints);
            for (int page = 0; page < m_out.pageCount; ++page) {
                WorksheetBlock footer;
                footer.kind = WorksheetBlock::Footer;
                footer.page = page;
                footer.answerKey = page >= puzzlePages;
                // Each part counts its own pages, so the puzzle pages can be printed alone.
                footer.text = footer.answerKey
                                  ? QStringLiteral("Answer key, page %1 of %2")
                                        .arg(page - puzzlePages + 1)
                                        .arg(keyPages)
                                  : QStringLiteral("Page %1 of %2").arg(page + 1).arg(puzzlePages);
                footer.font = font;
                footer.alignment = Qt::AlignHCenter;
                const Paragraph p(footer.text, font, m_device, m_out.area.width());
                footer.rect =
                    QRectF(0, m_out.area.height() - p.height(), m_out.area.width(), p.height());
                m_out.blocks << footer;
            }
        }
        return m_out;
    }

private:
    qreal mm(double millimetres) const { return millimetres * m_perMm; }

    qreal addHeading(const QString &text, const QFont &font, bool answerKey, int page, qreal y)
    {
        WorksheetBlock block;
        block.kind = WorksheetBlock::Heading;
        block.page = page;
        block.answerKey = answerKey;
        block.text = withLineSeparators(text);
        block.font = font;
        block.alignment = Qt::AlignHCenter;
        const Paragraph p(block.text, font, m_device, m_out.area.width(), block.alignment);
        block.lineCount = p.lineCount();
        block.rect = QRectF(0, y, m_out.area.width(), p.height());
        m_out.blocks << block;
        return y + p.height();
    }

    qreal addGrid(bool answerKey, int page, qreal y)
    {
        const int columns = std::max<int>(m_puzzle.width, 1);
        const int rows = std::max<int>(m_puzzle.height, 1);
        const qreal room = std::max<qreal>(m_bottom - y, 0);
        const qreal widthShare = answerKey ? kKeyGridWidthShare : 1.0;
        const qreal share = answerKey ? kKeyGridShare : kPuzzleGridShare;
        const qreal largest = mm(answerKey ? kMaxKeySquareMm : kMaxPuzzleSquareMm);
        const qreal wanted =
            std::min({largest, m_out.area.width() * widthShare / columns, room * share / rows});
        const qreal legible = std::min({mm(answerKey ? kMinKeySquareMm : kMinPuzzleSquareMm),
                                        m_out.area.width() / columns, room / rows});
        const qreal square = std::max(wanted, legible);
        // Whole device units a square, so every square comes out the same size.
        const int side = std::max(1, int(std::floor(square)));
        WorksheetBlock block;
        block.kind = WorksheetBlock::Grid;
        block.page = page;
        block.answerKey = answerKey;
        const QSizeF size(side * columns, side * rows);
        block.rect = QRectF(QPointF(std::round((m_out.area.width() - size.width()) / 2), y), size);
        m_out.blocks << block;
        return y + size.height() + mm(kGapAfterGridMm);
    }

    // Places a list heading, keeping at least `following` of room under it; returns the
    // page and y below it.
    qreal addListHeading(const QString &text, bool answerKey, qreal x, int &page, qreal y,
                         qreal following)
    {
        const QFont font = textFont(kListHeadingPoints, true);
        const Paragraph p(text, font, m_device, m_columnWidth);
        if (y > 0 && y + p.height() + mm(kGapAfterListHeadingMm) + following > m_bottom) {
            ++page;
            y = 0;
        }
        WorksheetBlock block;
        block.kind = WorksheetBlock::ListHeading;
        block.page = page;
        block.answerKey = answerKey;
        block.text = text;
        block.font = font;
        block.lineCount = p.lineCount();
        block.rect = QRectF(x, y, m_columnWidth, p.height());
        m_out.blocks << block;
        return y + p.height() + mm(kGapAfterListHeadingMm);
    }

    // Flows one clue list down its column from (x, y) on page, onto further pages as
    // needed; returns the last page it uses.
    int addList(Direction orientation, bool answerKey, qreal x, int page, qreal y)
    {
        const QString name =
            orientation == Direction::Across ? QStringLiteral("ACROSS") : QStringLiteral("DOWN");
        // A page the key runs on to says it belongs to the key.
        const QString continued = answerKey ? QStringLiteral("Answer key: %1 (continued)").arg(name)
                                            : QStringLiteral("%1 (continued)").arg(name);
        const QList<int> order = listOrder(m_puzzle, orientation);
        const qreal textWidth = m_columnWidth - m_gutter;
        // Each clue is laid out once: a very long one takes as long to lay out as to print.
        std::unique_ptr<Paragraph> paragraph;
        if (!order.isEmpty())
            paragraph =
                clueParagraph(m_puzzle.words.at(order.first()), answerKey, m_device, textWidth);
        y = addListHeading(name, answerKey, x, page, y, paragraph ? paragraph->height(0, 1) : 0);

        for (int index : order) {
            if (!paragraph)
                paragraph = clueParagraph(m_puzzle.words.at(index), answerKey, m_device, textWidth);
            const int lines = paragraph->lineCount();
            int line = 0;
            while (line < lines) {
                int fit = 0;
                while (line + fit < lines && y + paragraph->height(line, fit + 1) <= m_bottom)
                    ++fit;
                const bool wholeFitsFreshColumn =
                    line == 0 && paragraph->height() <= m_bottom * 0.5;
                const bool atColumnTop = y <= mm(20); // nothing to gain from a new page
                if (fit < lines - line && (fit == 0 || wholeFitsFreshColumn) && !atColumnTop) {
                    // Carry the clue over whole (or its next line) to the next page.
                    ++page;
                    y = addListHeading(continued, answerKey, x, page, 0, 0);
                    continue;
                }
                fit = std::max(fit, 1); // a line taller than a whole column still goes somewhere
                WorksheetBlock block;
                block.kind = WorksheetBlock::Clue;
                block.page = page;
                block.answerKey = answerKey;
                block.word = index;
                block.firstLine = line;
                block.lineCount = fit;
                block.rect = QRectF(x, y, m_columnWidth, paragraph->height(line, fit));
                m_out.blocks << block;
                y += block.rect.height();
                line += fit;
            }
            paragraph.reset();
            y += mm(kGapBetweenCluesMm);
        }
        return page;
    }

    const CrosswordData &m_puzzle;
    const QPaintDevice &m_device;
    double m_perMm;
    WorksheetLayout m_out;
    qreal m_bottom = 0;
    qreal m_columnWidth = 0;
    qreal m_gutter = 0;
};

void paintBlock(QPainter &painter, const WorksheetBlock &block, const CrosswordData &puzzle,
                const WorksheetOptions &options, const QPaintDevice &device)
{
    switch (block.kind) {
    case WorksheetBlock::Heading:
    case WorksheetBlock::ListHeading:
    case WorksheetBlock::Footer: {
        const Paragraph p(block.text, block.font, device, block.rect.width(), block.alignment);
        painter.setPen(block.kind == WorksheetBlock::Footer ? kFooterInk : kInk);
        p.draw(painter, block.rect.topLeft(), 0, p.lineCount());
        break;
    }
    case WorksheetBlock::Grid: {
        DrawOptions drawing = options.drawing;
        drawing.answersHidden = !block.answerKey;
        drawing.redrawAll = true;
        painter.save();
        painter.translate(block.rect.topLeft());
        paintCrossword(painter, puzzle, block.rect.size().toSize(), drawing, kInk,
                       device.logicalDpiX() / 96.0);
        painter.restore();
        break;
    }
    case WorksheetBlock::Clue:
        break; // paintClue, with the paragraph laid out once for all its pieces
    }
}

// One piece of a clue: the lines of its paragraph the block shows and, on the first
// piece, the clue's number.
void paintClue(QPainter &painter, const WorksheetBlock &block, const GridWord &word,
               const Paragraph &paragraph, const QPaintDevice &device, qreal gutter,
               qreal numberGap)
{
    painter.setPen(kInk);
    if (block.firstLine == 0) {
        // The number right-aligned in the gutter, on the first line's baseline; drawn
        // first, so text extracted from the page reads "12. clue".
        const QFont font = textFont(kCluePoints, true);
        const QFontMetricsF metrics(font, &device);
        const QString number = clueNumber(word);
        painter.setFont(font);
        const qreal right = block.rect.left() + gutter - numberGap;
        painter.drawText(QPointF(right - metrics.horizontalAdvance(number),
                                 block.rect.top() + paragraph.firstAscent()),
                         number);
    }
    paragraph.draw(painter, block.rect.topLeft() + QPointF(gutter, 0), block.firstLine,
                   block.lineCount);
}

} // namespace

DrawOptions printDrawOptions()
{
    DrawOptions o;
    o.background = QColor(Qt::white);
    o.gridLines = QColor(97, 97, 97);
    o.squares = QColor(Qt::white);
    o.outlineMode = true;
    o.answersHidden = false;
    o.redrawAll = true;
    o.fillClosedIn = true;
    o.minNumberPoints = kMinNumberPoints;
    return o;
}

WorksheetLayout layoutWorksheet(const CrosswordData &puzzle, const WorksheetOptions &options,
                                const QPaintDevice &device)
{
    return layoutCropped(cropToWords(puzzle), options, device);
}

namespace {

WorksheetLayout layoutCropped(const CrosswordData &puzzle, const WorksheetOptions &options,
                              const QPaintDevice &device)
{
    LayoutBuilder builder(puzzle, device);
    int puzzlePages = 0;
    int keyPages = 0;
    if (options.puzzle)
        puzzlePages = builder.addPart(false, 0);
    if (options.answerKey)
        keyPages = builder.addPart(true, puzzlePages);
    return builder.finish(puzzlePages, keyPages);
}

} // namespace

bool paintWorksheet(QPainter &painter, QPagedPaintDevice &device, const CrosswordData &puzzle,
                    const WorksheetOptions &options)
{
    CrosswordData numbered = puzzle;
    numberSquares(numbered);
    numbered = cropToWords(numbered);
    const WorksheetLayout layout = layoutCropped(numbered, options, device);
    QList<QList<qsizetype>> onPage(std::max(layout.pageCount, 0));
    for (qsizetype i = 0; i < layout.blocks.size(); ++i) {
        const int page = layout.blocks.at(i).page;
        if (page >= 0 && page < onPage.size())
            onPage[page] << i;
    }
    // A clue split over pages is laid out once, when its first piece is painted, and
    // dropped after its last one.
    std::map<std::pair<int, bool>, std::unique_ptr<Paragraph>> clues;
    for (int page = 0; page < layout.pageCount; ++page) {
        if (page > 0 && !device.newPage())
            return false;
        for (const qsizetype i : std::as_const(onPage.at(page))) {
            const WorksheetBlock &block = layout.blocks.at(i);
            if (block.kind != WorksheetBlock::Clue) {
                paintBlock(painter, block, numbered, options, device);
                continue;
            }
            if (block.word < 0 || block.word >= numbered.words.size())
                continue;
            const GridWord &word = numbered.words.at(block.word);
            const std::pair<int, bool> key(block.word, block.answerKey);
            std::unique_ptr<Paragraph> &paragraph = clues[key];
            if (!paragraph)
                paragraph = clueParagraph(word, block.answerKey, device,
                                          block.rect.width() - layout.gutter);
            paintClue(painter, block, word, *paragraph, device, layout.gutter, layout.numberGap);
            if (block.firstLine + block.lineCount >= paragraph->lineCount())
                clues.erase(key);
        }
    }
    return true;
}

Result<> writePdfWorksheet(const QString &path, const CrosswordData &puzzle,
                           const WorksheetOptions &options)
{
    const auto refuse = [](const QString &text) {
        return Result<>::refused(kWorksheetErrorTitle, text, Icon::Warning);
    };
    if (!options.puzzle && !options.answerKey)
        return refuse(Message::tr("Choose the puzzle, the answer key or both."));
    if (path.isEmpty())
        return refuse(Message::tr("No file name was given for the worksheet."));
    if (QFileInfo(path).isDir())
        return refuse(Message::tr("\"%1\" is a folder, not a file name.")
                          .arg(QDir::toNativeSeparators(path)));

    // The document is made in memory and written whole, or not at all.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(printable(puzzle.title));
        writer.setCreator(QStringLiteral("Velloquin"));
        const qreal m = kWorksheetMarginMm;
        writer.setPageLayout(QPageLayout(QPageSize(options.paper), QPageLayout::Portrait,
                                         QMarginsF(m, m, m, m), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer))
            return refuse(Message::tr("The worksheet could not be started."));
        const bool painted = paintWorksheet(painter, writer, puzzle, options);
        painter.end();
        if (!painted)
            return refuse(Message::tr("A page of the worksheet could not be started."));
    }
    if (const std::optional<QString> reason = writeFileSafely(path, bytes))
        return refuse(Message::tr("The worksheet could not be written to \"%1\": %2")
                          .arg(QDir::toNativeSeparators(path), *reason));
    return Result<>::success();
}

} // namespace Velloquin
