// SPDX-License-Identifier: MIT
#pragma once

#include "message.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPageSize>
#include <QSize>
#include <QString>

namespace Velloquin {

class ZipPackage;

// Paragraph alignment, with the word processor's own codes.
enum class WordAlignment : int { Left = 0, Centre = 1 };

// Underline kind, with the word processor's own codes.
enum class WordUnderline : int { None = 0, Single = 1 };

enum class PageOrientation : int { Portrait = 0, Landscape = 1 };

// Character and paragraph formatting of one paragraph (all its runs share it).
struct WordFormat
{
    int size = 10; // points
    bool bold = false;
    WordUnderline underline = WordUnderline::None;
    bool italic = false;
    WordAlignment alignment = WordAlignment::Left;

    friend bool operator==(const WordFormat &, const WordFormat &) = default;
};

// One paragraph of the document body: text, or an inline picture (picture >= 0,
// an index into the document's pictures). Text never holds line breaks.
struct WordParagraph
{
    WordFormat format;
    QString text;
    int picture = -1;
};

// A picture stored in the document: PNG bytes, its size in pixels and the size it
// is shown at, in EMU (914400 to the inch).
struct WordPicture
{
    QByteArray png;
    QSize pixels;
    qint64 widthEmu = 0;
    qint64 heightEmu = 0;
    bool border = false;
};

// A word-processing document built paragraph by paragraph and written as Office Open
// XML (.docx). The building calls follow the word processor's range model: a range
// covers the document from a paragraph to its end; formatting a range formats every
// paragraph it covers, and text inserted into it takes the range's formatting. Text
// handed in is split into paragraphs at line ends (CR LF, CR or LF); a final line
// end closes the last paragraph without opening an empty one.
class WordDocument
{
public:
    class Range
    {
    public:
        void setFont(int size, bool bold, WordUnderline underline, bool italic);
        void setAlignment(WordAlignment alignment);
        // Adds the text's lines as paragraphs at the end of the range.
        void insertAfter(const QString &text);
        // Adds the text's lines as paragraphs at the start of the range.
        void insertBefore(const QString &text);
        // Adds the picture in its own paragraph at the end of the range, shown at its
        // own size (its pixels at its resolution, 96 dots per inch when it has none),
        // shrunk only where it would not fit the text area. Returns false when the image is null or
        // cannot be encoded.
        bool addPicture(const QImage &image, bool border);

        int firstParagraph() const;

    private:
        friend class WordDocument;
        Range(WordDocument *document, int index) : m_document(document), m_index(index) {}
        WordDocument *m_document;
        int m_index; // into the document's range list
    };

    WordDocument();

    // The next range: the first covers the whole document, every later one starts at
    // the current end of the document (it covers what is added from then on).
    Range appendRange();
    // Forgets every range taken so far; the next appendRange covers the whole document.
    void clearRanges();
    int rangeCount() const { return int(m_ranges.size()); }

    // Takes appendRange, formats it and inserts the text after its content.
    void appendText(int size, bool bold, WordUnderline underline, bool italic,
                    WordAlignment alignment, const QString &text);

    // Page orientation and, when pageBorder is true, a single half-point border on all
    // four sides of every page.
    void setPageLayout(PageOrientation orientation, bool pageBorder);

    // Adds an empty paragraph at the end with the formatting of the last paragraph
    // (like pressing Enter at the end of the document).
    void typeParagraph();

    // Paper size (portrait dimensions; the orientation turns it) and margins.
    void setPageSize(QPageSize::PageSizeId id) { m_pageSize = id; }
    QPageSize::PageSizeId pageSize() const { return m_pageSize; }
    void setMarginTwips(int margin) { m_marginTwips = margin; }
    PageOrientation orientation() const { return m_orientation; }
    bool hasPageBorder() const { return m_pageBorder; }

    // The font of the document's default style and the document properties.
    void setDefaultFont(const QString &family) { m_defaultFont = family; }
    void setProperties(const QString &title, const QString &subject, const QString &creator);

    const QList<WordParagraph> &paragraphs() const { return m_paragraphs; }
    const QList<WordPicture> &pictures() const { return m_pictures; }

    // Page width and height in twips, after orientation.
    QSize pageTwips() const;
    // Width and height of the text area (page less margins) in twips.
    QSize textAreaTwips() const;

    // The package parts. The XML parts are UTF-8; characters XML cannot carry
    // (control characters other than tab) are left out.
    QByteArray documentXml() const;
    QByteArray stylesXml() const;
    QByteArray contentTypesXml() const;
    QByteArray packageRelsXml() const;
    QByteArray documentRelsXml() const;
    QByteArray corePropertiesXml() const;
    ZipPackage package() const;

    // Writes the .docx file, replacing the target only when everything was written; the
    // refusal's text says what went wrong.
    Result<> save(const QString &path) const;

private:
    struct RangeState
    {
        int first = 0;
        WordFormat format;
    };

    void insertLines(int at, const QString &text, const WordFormat &format);

    QList<WordParagraph> m_paragraphs;
    QList<WordPicture> m_pictures;
    QList<RangeState> m_ranges;
    QPageSize::PageSizeId m_pageSize = QPageSize::A4;
    PageOrientation m_orientation = PageOrientation::Portrait;
    bool m_pageBorder = false;
    int m_marginTwips = 1440;
    QString m_defaultFont = QStringLiteral("Times New Roman");
    QString m_title;
    QString m_subject;
    QString m_creator;
};

// Splits text into paragraph texts at CR LF, CR or LF. A final line end does not
// start another (empty) paragraph; "" gives no paragraph at all.
QStringList splitParagraphs(const QString &text);

// Drops the characters XML 1.0 cannot carry (control characters except tab, CR and
// LF, lone surrogates, U+FFFE and U+FFFF).
QString xmlSafeText(const QString &text);

} // namespace Velloquin
