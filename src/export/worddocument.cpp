// SPDX-License-Identifier: MIT
#include "worddocument.h"

#include "zippackage.h"

#include <QBuffer>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>

namespace Velloquin {

namespace {

const QString kW = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString kR =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString kWp =
    QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing");
const QString kA = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/main");
const QString kPic = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/picture");
const QString kPackageRels =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");
const QString kRelBase =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/");

constexpr qint64 kEmuPerPixel = 9525; // at 96 dots per inch
constexpr qint64 kDotsPerMeter96Dpi = 3780;
constexpr qint64 kEmuPerTwip = 635;     // 914400 / 1440
constexpr int kPictureBorderEmu = 6350; // half a point
constexpr int kPageBorderSpace = 12;    // points between the text area and the page border

// The relationship id of picture i; rId1 is the style part.
QString pictureRelId(int i)
{
    return QStringLiteral("rId%1").arg(i + 2);
}

QString pictureEntry(int i)
{
    return QStringLiteral("media/image%1.png").arg(i + 1);
}

QString num(qint64 v)
{
    return QString::number(v);
}

// One writer per part: UTF-8, standalone declaration, no indentation (blanks between
// elements would be harmless, but text runs must stay exact).
struct PartWriter
{
    QByteArray bytes;
    QBuffer buffer{&bytes};
    QXmlStreamWriter xml;

    PartWriter()
    {
        buffer.open(QIODevice::WriteOnly);
        xml.setDevice(&buffer);
        xml.writeStartDocument(QStringLiteral("1.0"), true);
    }
    // The part, or nothing when the writer failed.
    QByteArray finish()
    {
        xml.writeEndDocument();
        return xml.hasError() ? QByteArray() : bytes;
    }
};

void writeRunProperties(QXmlStreamWriter &xml, const WordFormat &f)
{
    xml.writeStartElement(kW, QStringLiteral("rPr"));
    if (f.bold) {
        xml.writeEmptyElement(kW, QStringLiteral("b"));
        xml.writeEmptyElement(kW, QStringLiteral("bCs"));
    }
    if (f.italic) {
        xml.writeEmptyElement(kW, QStringLiteral("i"));
        xml.writeEmptyElement(kW, QStringLiteral("iCs"));
    }
    const QString halfPoints = QString::number(f.size * 2);
    xml.writeEmptyElement(kW, QStringLiteral("sz"));
    xml.writeAttribute(kW, QStringLiteral("val"), halfPoints);
    xml.writeEmptyElement(kW, QStringLiteral("szCs"));
    xml.writeAttribute(kW, QStringLiteral("val"), halfPoints);
    if (f.underline == WordUnderline::Single) {
        xml.writeEmptyElement(kW, QStringLiteral("u"));
        xml.writeAttribute(kW, QStringLiteral("val"), QStringLiteral("single"));
    }
    xml.writeEndElement();
}

void writeTextRun(QXmlStreamWriter &xml, const WordFormat &f, const QString &text)
{
    xml.writeStartElement(kW, QStringLiteral("r"));
    writeRunProperties(xml, f);
    // Tabs become tab elements; the pieces between them are text elements.
    const QStringList pieces = text.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            xml.writeEmptyElement(kW, QStringLiteral("tab"));
        const QString &piece = pieces.at(i);
        if (piece.isEmpty())
            continue;
        xml.writeStartElement(kW, QStringLiteral("t"));
        if (piece.front().isSpace() || piece.back().isSpace())
            xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        xml.writeCharacters(piece);
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

void writePictureRun(QXmlStreamWriter &xml, const WordFormat &f, const WordPicture &p, int index)
{
    const QString id = QString::number(index + 1);
    const QString name = QStringLiteral("Picture %1").arg(index + 1);
    xml.writeStartElement(kW, QStringLiteral("r"));
    writeRunProperties(xml, f);
    xml.writeStartElement(kW, QStringLiteral("drawing"));
    xml.writeStartElement(kWp, QStringLiteral("inline"));
    for (const char *side : {"distT", "distB", "distL", "distR"})
        xml.writeAttribute(QLatin1String(side), QStringLiteral("0"));
    xml.writeEmptyElement(kWp, QStringLiteral("extent"));
    xml.writeAttribute(QStringLiteral("cx"), num(p.widthEmu));
    xml.writeAttribute(QStringLiteral("cy"), num(p.heightEmu));
    // Room for the border line, which is drawn centred on the picture's edge.
    const QString spread = num(p.border ? kPictureBorderEmu / 2 : 0);
    xml.writeEmptyElement(kWp, QStringLiteral("effectExtent"));
    for (const char *side : {"l", "t", "r", "b"})
        xml.writeAttribute(QLatin1String(side), spread);
    xml.writeEmptyElement(kWp, QStringLiteral("docPr"));
    xml.writeAttribute(QStringLiteral("id"), id);
    xml.writeAttribute(QStringLiteral("name"), name);
    xml.writeStartElement(kWp, QStringLiteral("cNvGraphicFramePr"));
    xml.writeEmptyElement(kA, QStringLiteral("graphicFrameLocks"));
    xml.writeAttribute(QStringLiteral("noChangeAspect"), QStringLiteral("1"));
    xml.writeEndElement();
    xml.writeStartElement(kA, QStringLiteral("graphic"));
    xml.writeStartElement(kA, QStringLiteral("graphicData"));
    xml.writeAttribute(QStringLiteral("uri"), kPic);
    xml.writeStartElement(kPic, QStringLiteral("pic"));

    xml.writeStartElement(kPic, QStringLiteral("nvPicPr"));
    xml.writeEmptyElement(kPic, QStringLiteral("cNvPr"));
    xml.writeAttribute(QStringLiteral("id"), id);
    xml.writeAttribute(QStringLiteral("name"), name);
    xml.writeEmptyElement(kPic, QStringLiteral("cNvPicPr"));
    xml.writeEndElement();

    xml.writeStartElement(kPic, QStringLiteral("blipFill"));
    xml.writeEmptyElement(kA, QStringLiteral("blip"));
    xml.writeAttribute(kR, QStringLiteral("embed"), pictureRelId(index));
    xml.writeStartElement(kA, QStringLiteral("stretch"));
    xml.writeEmptyElement(kA, QStringLiteral("fillRect"));
    xml.writeEndElement();
    xml.writeEndElement();

    xml.writeStartElement(kPic, QStringLiteral("spPr"));
    xml.writeStartElement(kA, QStringLiteral("xfrm"));
    xml.writeEmptyElement(kA, QStringLiteral("off"));
    xml.writeAttribute(QStringLiteral("x"), QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("y"), QStringLiteral("0"));
    xml.writeEmptyElement(kA, QStringLiteral("ext"));
    xml.writeAttribute(QStringLiteral("cx"), num(p.widthEmu));
    xml.writeAttribute(QStringLiteral("cy"), num(p.heightEmu));
    xml.writeEndElement(); // xfrm
    xml.writeStartElement(kA, QStringLiteral("prstGeom"));
    xml.writeAttribute(QStringLiteral("prst"), QStringLiteral("rect"));
    xml.writeEmptyElement(kA, QStringLiteral("avLst"));
    xml.writeEndElement();
    if (p.border) {
        xml.writeStartElement(kA, QStringLiteral("ln"));
        xml.writeAttribute(QStringLiteral("w"), QString::number(kPictureBorderEmu));
        xml.writeStartElement(kA, QStringLiteral("solidFill"));
        xml.writeEmptyElement(kA, QStringLiteral("srgbClr"));
        xml.writeAttribute(QStringLiteral("val"), QStringLiteral("000000"));
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement(); // spPr

    xml.writeEndElement(); // pic
    xml.writeEndElement(); // graphicData
    xml.writeEndElement(); // graphic
    xml.writeEndElement(); // inline
    xml.writeEndElement(); // drawing
    xml.writeEndElement(); // r
}

void writeParagraph(QXmlStreamWriter &xml, const WordParagraph &p,
                    const QList<WordPicture> &pictures)
{
    xml.writeStartElement(kW, QStringLiteral("p"));
    xml.writeStartElement(kW, QStringLiteral("pPr"));
    xml.writeEmptyElement(kW, QStringLiteral("jc"));
    xml.writeAttribute(kW, QStringLiteral("val"),
                       p.format.alignment == WordAlignment::Centre ? QStringLiteral("center")
                                                                   : QStringLiteral("left"));
    // The paragraph mark's own formatting gives an empty paragraph its height.
    writeRunProperties(xml, p.format);
    xml.writeEndElement(); // pPr
    if (p.picture >= 0 && p.picture < pictures.size())
        writePictureRun(xml, p.format, pictures.at(p.picture), p.picture);
    const QString text = xmlSafeText(p.text);
    if (!text.isEmpty())
        writeTextRun(xml, p.format, text);
    xml.writeEndElement(); // p
}

struct Relationship
{
    QString id;
    QString type;
    QString target;
};

// A relationships part: the relationships in the order given.
QByteArray relationshipsXml(const QList<Relationship> &relationships)
{
    PartWriter part;
    QXmlStreamWriter &xml = part.xml;
    xml.writeDefaultNamespace(kPackageRels);
    xml.writeStartElement(QStringLiteral("Relationships"));
    for (const Relationship &r : relationships) {
        xml.writeEmptyElement(QStringLiteral("Relationship"));
        xml.writeAttribute(QStringLiteral("Id"), r.id);
        xml.writeAttribute(QStringLiteral("Type"), r.type);
        xml.writeAttribute(QStringLiteral("Target"), r.target);
    }
    xml.writeEndElement();
    return part.finish();
}

// The page size in twips, from the size's own definition so that A4 and Letter come
// out exactly as the word processor writes them (11906 x 16838, 12240 x 15840).
QSize portraitTwips(QPageSize::PageSizeId id)
{
    const QSizeF size = QPageSize::definitionSize(id);
    double perUnit = 20.0; // points
    switch (QPageSize::definitionUnits(id)) {
    case QPageSize::Millimeter:
        perUnit = 1440.0 / 25.4;
        break;
    case QPageSize::Inch:
        perUnit = 1440.0;
        break;
    case QPageSize::Cicero:
        perUnit = 20.0 * 12.0 * 0.376065 / 0.3514598;
        break;
    case QPageSize::Didot:
        perUnit = 20.0 * 0.376065 / 0.3514598;
        break;
    case QPageSize::Pica:
        perUnit = 240.0;
        break;
    case QPageSize::Point:
        perUnit = 20.0;
        break;
    }
    QSize twips(int(std::lround(size.width() * perUnit)),
                int(std::lround(size.height() * perUnit)));
    if (twips.width() > twips.height())
        twips.transpose();
    return twips;
}

} // namespace

QStringList splitParagraphs(const QString &text)
{
    QStringList lines;
    QString current;
    bool open = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            lines.append(current);
            current.clear();
            open = false;
        } else {
            current.append(c);
            open = true;
        }
    }
    if (open)
        lines.append(current);
    return lines;
}

QString xmlSafeText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out.append(c);
            out.append(text.at(++i));
            continue;
        }
        if (c.isSurrogate())
            continue;
        if (u < 0x20 && u != 0x09 && u != 0x0A && u != 0x0D)
            continue;
        if (u == 0xFFFE || u == 0xFFFF)
            continue;
        out.append(c);
    }
    return out;
}

// --- Range -----------------------------------------------------------------------

int WordDocument::Range::firstParagraph() const
{
    return m_document->m_ranges.at(m_index).first;
}

void WordDocument::Range::setFont(int size, bool bold, WordUnderline underline, bool italic)
{
    RangeState &r = m_document->m_ranges[m_index];
    r.format.size = size;
    r.format.bold = bold;
    r.format.underline = underline;
    r.format.italic = italic;
    for (qsizetype i = r.first; i < m_document->m_paragraphs.size(); ++i) {
        WordFormat &f = m_document->m_paragraphs[i].format;
        f.size = size;
        f.bold = bold;
        f.underline = underline;
        f.italic = italic;
    }
}

void WordDocument::Range::setAlignment(WordAlignment alignment)
{
    RangeState &r = m_document->m_ranges[m_index];
    r.format.alignment = alignment;
    for (qsizetype i = r.first; i < m_document->m_paragraphs.size(); ++i)
        m_document->m_paragraphs[i].format.alignment = alignment;
}

void WordDocument::Range::insertAfter(const QString &text)
{
    const RangeState &r = m_document->m_ranges.at(m_index);
    m_document->insertLines(int(m_document->m_paragraphs.size()), text, r.format);
}

void WordDocument::Range::insertBefore(const QString &text)
{
    const RangeState &r = m_document->m_ranges.at(m_index);
    m_document->insertLines(r.first, text, r.format);
}

bool WordDocument::Range::addPicture(const QImage &image, bool border)
{
    if (image.isNull())
        return false;
    WordPicture picture;
    QBuffer buffer(&picture.png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return false;
    picture.pixels = image.size();
    picture.border = border;
    // Shown at the size its resolution gives it: a pixel of a 96 dpi picture is 9525 EMU,
    // one of a 384 dpi picture a quarter of that.
    const auto emu = [](int pixels, int dotsPerMeter) {
        if (dotsPerMeter <= 0)
            dotsPerMeter = kDotsPerMeter96Dpi;
        return (qint64(pixels) * kEmuPerPixel * kDotsPerMeter96Dpi + dotsPerMeter / 2) /
               dotsPerMeter;
    };
    picture.widthEmu = emu(image.width(), image.dotsPerMeterX());
    picture.heightEmu = emu(image.height(), image.dotsPerMeterY());
    // A picture wider or taller than the text area is shrunk to fit, keeping its
    // proportions, as the word processor does when it inserts one.
    const QSize area = m_document->textAreaTwips();
    const double fit = std::min({1.0, double(area.width()) * kEmuPerTwip / picture.widthEmu,
                                 double(area.height()) * kEmuPerTwip / picture.heightEmu});
    if (fit < 1.0) {
        picture.widthEmu = qint64(std::floor(picture.widthEmu * fit));
        picture.heightEmu = qint64(std::floor(picture.heightEmu * fit));
    }
    m_document->m_pictures.append(picture);

    WordParagraph paragraph;
    paragraph.format = m_document->m_ranges.at(m_index).format;
    paragraph.picture = int(m_document->m_pictures.size() - 1);
    m_document->m_paragraphs.append(paragraph);
    return true;
}

// --- WordDocument ------------------------------------------------------------------

WordDocument::WordDocument() = default;

WordDocument::Range WordDocument::appendRange()
{
    RangeState state;
    state.first = m_ranges.isEmpty() ? 0 : int(m_paragraphs.size());
    // A new range picks up the formatting at the end of the document, as a range over
    // the last paragraph mark would.
    if (!m_paragraphs.isEmpty())
        state.format = m_paragraphs.constLast().format;
    m_ranges.append(state);
    return Range(this, int(m_ranges.size() - 1));
}

void WordDocument::clearRanges()
{
    m_ranges.clear();
}

void WordDocument::appendText(int size, bool bold, WordUnderline underline, bool italic,
                              WordAlignment alignment, const QString &text)
{
    Range range = appendRange();
    range.setFont(size, bold, underline, italic);
    range.setAlignment(alignment);
    range.insertAfter(text);
}

void WordDocument::setPageLayout(PageOrientation orientation, bool pageBorder)
{
    m_orientation = orientation;
    if (pageBorder)
        m_pageBorder = true;
}

void WordDocument::typeParagraph()
{
    WordParagraph paragraph;
    if (!m_paragraphs.isEmpty())
        paragraph.format = m_paragraphs.constLast().format;
    m_paragraphs.append(paragraph);
}

void WordDocument::insertLines(int at, const QString &text, const WordFormat &format)
{
    const QStringList lines = splitParagraphs(text);
    for (const QString &line : lines) {
        WordParagraph paragraph;
        paragraph.format = format;
        paragraph.text = line;
        m_paragraphs.insert(at++, paragraph);
    }
}

void WordDocument::setProperties(const QString &title, const QString &subject,
                                 const QString &creator)
{
    m_title = title;
    m_subject = subject;
    m_creator = creator;
}

QSize WordDocument::pageTwips() const
{
    QSize size = portraitTwips(m_pageSize);
    if (m_orientation == PageOrientation::Landscape)
        size.transpose();
    return size;
}

QSize WordDocument::textAreaTwips() const
{
    const QSize page = pageTwips();
    return QSize(std::max(1, page.width() - 2 * m_marginTwips),
                 std::max(1, page.height() - 2 * m_marginTwips));
}

QByteArray WordDocument::documentXml() const
{
    PartWriter part;
    QXmlStreamWriter &xml = part.xml;
    xml.writeNamespace(kW, QStringLiteral("w"));
    xml.writeNamespace(kR, QStringLiteral("r"));
    xml.writeNamespace(kWp, QStringLiteral("wp"));
    xml.writeNamespace(kA, QStringLiteral("a"));
    xml.writeNamespace(kPic, QStringLiteral("pic"));
    xml.writeStartElement(kW, QStringLiteral("document"));
    xml.writeStartElement(kW, QStringLiteral("body"));
    for (const WordParagraph &p : m_paragraphs)
        writeParagraph(xml, p, m_pictures);

    xml.writeStartElement(kW, QStringLiteral("sectPr"));
    const QSize page = pageTwips();
    xml.writeEmptyElement(kW, QStringLiteral("pgSz"));
    xml.writeAttribute(kW, QStringLiteral("w"), num(page.width()));
    xml.writeAttribute(kW, QStringLiteral("h"), num(page.height()));
    if (m_orientation == PageOrientation::Landscape)
        xml.writeAttribute(kW, QStringLiteral("orient"), QStringLiteral("landscape"));
    xml.writeEmptyElement(kW, QStringLiteral("pgMar"));
    for (const char *side : {"top", "right", "bottom", "left"})
        xml.writeAttribute(kW, QLatin1String(side), num(m_marginTwips));
    xml.writeAttribute(kW, QStringLiteral("header"), QStringLiteral("720"));
    xml.writeAttribute(kW, QStringLiteral("footer"), QStringLiteral("720"));
    xml.writeAttribute(kW, QStringLiteral("gutter"), QStringLiteral("0"));
    if (m_pageBorder) {
        // Measured from the text, kPageBorderSpace points around the text area, so
        // the heading does not touch the frame.
        xml.writeStartElement(kW, QStringLiteral("pgBorders"));
        xml.writeAttribute(kW, QStringLiteral("offsetFrom"), QStringLiteral("text"));
        for (const char *side : {"top", "left", "bottom", "right"}) {
            xml.writeEmptyElement(kW, QLatin1String(side));
            xml.writeAttribute(kW, QStringLiteral("val"), QStringLiteral("single"));
            xml.writeAttribute(kW, QStringLiteral("sz"), QStringLiteral("4"));
            xml.writeAttribute(kW, QStringLiteral("space"), num(kPageBorderSpace));
            xml.writeAttribute(kW, QStringLiteral("color"), QStringLiteral("auto"));
        }
        xml.writeEndElement();
    }
    xml.writeEmptyElement(kW, QStringLiteral("cols"));
    xml.writeAttribute(kW, QStringLiteral("space"), QStringLiteral("720"));
    xml.writeEndElement(); // sectPr

    xml.writeEndElement(); // body
    xml.writeEndElement(); // document
    return part.finish();
}

QByteArray WordDocument::stylesXml() const
{
    PartWriter part;
    QXmlStreamWriter &xml = part.xml;
    xml.writeNamespace(kW, QStringLiteral("w"));
    xml.writeStartElement(kW, QStringLiteral("styles"));
    xml.writeStartElement(kW, QStringLiteral("docDefaults"));
    xml.writeStartElement(kW, QStringLiteral("rPrDefault"));
    xml.writeStartElement(kW, QStringLiteral("rPr"));
    xml.writeEmptyElement(kW, QStringLiteral("rFonts"));
    const QString font = xmlSafeText(m_defaultFont);
    for (const char *which : {"ascii", "eastAsia", "hAnsi", "cs"})
        xml.writeAttribute(kW, QLatin1String(which), font);
    xml.writeEmptyElement(kW, QStringLiteral("sz"));
    xml.writeAttribute(kW, QStringLiteral("val"), QStringLiteral("20"));
    xml.writeEmptyElement(kW, QStringLiteral("szCs"));
    xml.writeAttribute(kW, QStringLiteral("val"), QStringLiteral("20"));
    xml.writeEndElement(); // rPr
    xml.writeEndElement(); // rPrDefault
    xml.writeStartElement(kW, QStringLiteral("pPrDefault"));
    xml.writeStartElement(kW, QStringLiteral("pPr"));
    // Single line spacing and no space between paragraphs: clue lines sit tight.
    xml.writeEmptyElement(kW, QStringLiteral("spacing"));
    xml.writeAttribute(kW, QStringLiteral("after"), QStringLiteral("0"));
    xml.writeAttribute(kW, QStringLiteral("line"), QStringLiteral("240"));
    xml.writeAttribute(kW, QStringLiteral("lineRule"), QStringLiteral("auto"));
    xml.writeEndElement(); // pPr
    xml.writeEndElement(); // pPrDefault
    xml.writeEndElement(); // docDefaults

    xml.writeStartElement(kW, QStringLiteral("style"));
    xml.writeAttribute(kW, QStringLiteral("type"), QStringLiteral("paragraph"));
    xml.writeAttribute(kW, QStringLiteral("default"), QStringLiteral("1"));
    xml.writeAttribute(kW, QStringLiteral("styleId"), QStringLiteral("Normal"));
    xml.writeEmptyElement(kW, QStringLiteral("name"));
    xml.writeAttribute(kW, QStringLiteral("val"), QStringLiteral("Normal"));
    xml.writeEmptyElement(kW, QStringLiteral("qFormat"));
    xml.writeEndElement();

    xml.writeEndElement(); // styles
    return part.finish();
}

QByteArray WordDocument::contentTypesXml() const
{
    PartWriter part;
    QXmlStreamWriter &xml = part.xml;
    xml.writeDefaultNamespace(
        QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types"));
    xml.writeStartElement(QStringLiteral("Types"));
    const struct
    {
        const char *extension;
        const char *type;
    } defaults[] = {
        {"rels", "application/vnd.openxmlformats-package.relationships+xml"},
        {"xml", "application/xml"},
        {"png", "image/png"},
    };
    for (const auto &d : defaults) {
        xml.writeEmptyElement(QStringLiteral("Default"));
        xml.writeAttribute(QStringLiteral("Extension"), QLatin1String(d.extension));
        xml.writeAttribute(QStringLiteral("ContentType"), QLatin1String(d.type));
    }
    const struct
    {
        const char *part;
        const char *type;
    } overrides[] = {
        {"/word/document.xml",
         "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"},
        {"/word/styles.xml",
         "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"},
        {"/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml"},
    };
    for (const auto &o : overrides) {
        xml.writeEmptyElement(QStringLiteral("Override"));
        xml.writeAttribute(QStringLiteral("PartName"), QLatin1String(o.part));
        xml.writeAttribute(QStringLiteral("ContentType"), QLatin1String(o.type));
    }
    xml.writeEndElement();
    return part.finish();
}

QByteArray WordDocument::packageRelsXml() const
{
    return relationshipsXml(
        {{QStringLiteral("rId1"), kRelBase + QStringLiteral("officeDocument"),
          QStringLiteral("word/document.xml")},
         {QStringLiteral("rId2"),
          QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships/"
                         "metadata/core-properties"),
          QStringLiteral("docProps/core.xml")}});
}

QByteArray WordDocument::documentRelsXml() const
{
    QList<Relationship> relationships{{QStringLiteral("rId1"), kRelBase + QStringLiteral("styles"),
                                       QStringLiteral("styles.xml")}};
    for (int i = 0; i < m_pictures.size(); ++i)
        relationships.append(
            {pictureRelId(i), kRelBase + QStringLiteral("image"), pictureEntry(i)});
    return relationshipsXml(relationships);
}

QByteArray WordDocument::corePropertiesXml() const
{
    const QString cp =
        QStringLiteral("http://schemas.openxmlformats.org/package/2006/metadata/core-properties");
    const QString dc = QStringLiteral("http://purl.org/dc/elements/1.1/");
    PartWriter part;
    QXmlStreamWriter &xml = part.xml;
    xml.writeNamespace(cp, QStringLiteral("cp"));
    xml.writeNamespace(dc, QStringLiteral("dc"));
    xml.writeStartElement(cp, QStringLiteral("coreProperties"));
    if (!m_title.isEmpty())
        xml.writeTextElement(dc, QStringLiteral("title"), xmlSafeText(m_title));
    if (!m_subject.isEmpty())
        xml.writeTextElement(dc, QStringLiteral("subject"), xmlSafeText(m_subject));
    if (!m_creator.isEmpty())
        xml.writeTextElement(dc, QStringLiteral("creator"), xmlSafeText(m_creator));
    xml.writeEndElement();
    return part.finish();
}

ZipPackage WordDocument::package() const
{
    ZipPackage zip;
    zip.addEntry(QStringLiteral("[Content_Types].xml"), contentTypesXml());
    zip.addEntry(QStringLiteral("_rels/.rels"), packageRelsXml());
    zip.addEntry(QStringLiteral("docProps/core.xml"), corePropertiesXml());
    zip.addEntry(QStringLiteral("word/document.xml"), documentXml());
    zip.addEntry(QStringLiteral("word/styles.xml"), stylesXml());
    zip.addEntry(QStringLiteral("word/_rels/document.xml.rels"), documentRelsXml());
    for (int i = 0; i < m_pictures.size(); ++i)
        zip.addEntry(QStringLiteral("word/") + pictureEntry(i), m_pictures.at(i).png);
    return zip;
}

Result<> WordDocument::save(const QString &path) const
{
    const ZipPackage zip = package();
    for (const QString &name : zip.entryNames()) {
        if (name.endsWith(QLatin1String(".xml")) || name.endsWith(QLatin1String(".rels"))) {
            if (zip.entry(name).isEmpty())
                return Result<>::refused(
                    Message::tr("Word Document"),
                    Message::tr("The document part \"%1\" could not be written.").arg(name),
                    Icon::Error);
        }
    }
    return zip.writeTo(path);
}

} // namespace Velloquin
