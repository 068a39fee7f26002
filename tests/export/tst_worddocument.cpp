// SPDX-License-Identifier: MIT
#include "docxtestutil.h"
#include "worddocument.h"
#include "wordexport.h"
#include "zippackage.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

using namespace docxtest;

namespace {

const QString kClues =
    QStringLiteral("ACROSS\r\n1. A small feline (3)\r\n4. Opposite of out (2)\r\n"
                   "\r\nDOWN\r\n1. Vehicle (3)\r\n2. Before noon (2)\r\n");

struct Exported
{
    Result<> result = Result<>::success();
    QMap<QString, QByteArray> entries;
    Node document;
    QList<const Node *> paragraphs; // the body's w:p in order
    QList<int> progress;
};

} // namespace

class TestWordDocument : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_counter = 0;

    // A picture of the given pixels at dpi dots per inch.
    static QImage picture(int width = 140, int height = 100, int dpi = 96)
    {
        QImage image = testPicture(width, height);
        image.setDotsPerMeterX(3780 * dpi / 96);
        image.setDotsPerMeterY(3780 * dpi / 96);
        return image;
    }

    Exported exportPage(const QString &title, const QString &subject, const QString &clues,
                        const QImage &picture, QPageSize::PageSizeId paper = QPageSize::A4)
    {
        Exported e;
        const QString out = m_dir.filePath(QStringLiteral("out%1.docx").arg(++m_counter));
        e.result = writeDocx(
            picture, clues, title, subject, out, [&e](int v) { e.progress.append(v); }, paper);
        if (!e.result.ok())
            return e;
        const Result<QMap<QString, QByteArray>> entries = readZipEntries(out);
        if (!entries) {
            qWarning() << entries.message().text;
            return e;
        }
        e.entries = entries.value();
        bool ok = false;
        e.document = parse(e.entries.value(QStringLiteral("word/document.xml")), &ok);
        if (const Node *body = e.document.find(QStringLiteral("body")))
            e.paragraphs = body->all(QStringLiteral("p"));
        return e;
    }

    static void checkFormat(const Node &p, int size, bool bold, bool underline,
                            const QString &alignment)
    {
        const Node *pPr = p.child(QStringLiteral("pPr"));
        QVERIFY(pPr);
        const Node *jc = pPr->child(QStringLiteral("jc"));
        QVERIFY(jc);
        QCOMPARE(jc->attr(QStringLiteral("w:val")), alignment);
        // Every run and the paragraph mark carry the same formatting.
        QList<const Node *> rPrs;
        p.collect(QStringLiteral("rPr"), &rPrs);
        QVERIFY(!rPrs.isEmpty());
        for (const Node *rPr : rPrs) {
            const Node *sz = rPr->child(QStringLiteral("sz"));
            QVERIFY(sz);
            QCOMPARE(sz->attr(QStringLiteral("w:val")), QString::number(size * 2));
            const Node *szCs = rPr->child(QStringLiteral("szCs"));
            QVERIFY(szCs);
            QCOMPARE(szCs->attr(QStringLiteral("w:val")), QString::number(size * 2));
            QCOMPARE(rPr->child(QStringLiteral("b")) != nullptr, bold);
            const Node *u = rPr->child(QStringLiteral("u"));
            QCOMPARE(u != nullptr, underline);
            if (u)
                QCOMPARE(u->attr(QStringLiteral("w:val")), QStringLiteral("single"));
            QVERIFY(!rPr->child(QStringLiteral("i")));
        }
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void packageHasPartsContentTypesAndRelationships()
    {
        const Exported e = exportPage(QStringLiteral("T"), QStringLiteral("S"), kClues, picture());
        QVERIFY(e.result.ok());
        for (const char *name :
             {"[Content_Types].xml", "_rels/.rels", "word/document.xml", "word/styles.xml",
              "word/_rels/document.xml.rels", "word/media/image1.png", "docProps/core.xml"})
            QVERIFY2(e.entries.contains(QLatin1String(name)), name);

        bool ok = false;
        const Node types = parse(e.entries.value(QStringLiteral("[Content_Types].xml")), &ok);
        QVERIFY(ok);
        QMap<QString, QString> defaults, overrides;
        QList<const Node *> nodes;
        types.collect(QStringLiteral("Default"), &nodes);
        for (const Node *n : nodes)
            defaults.insert(n->attr(QStringLiteral("Extension")),
                            n->attr(QStringLiteral("ContentType")));
        nodes.clear();
        types.collect(QStringLiteral("Override"), &nodes);
        for (const Node *n : nodes)
            overrides.insert(n->attr(QStringLiteral("PartName")),
                             n->attr(QStringLiteral("ContentType")));
        QCOMPARE(defaults.value(QStringLiteral("png")), QStringLiteral("image/png"));
        QCOMPARE(defaults.value(QStringLiteral("rels")),
                 QStringLiteral("application/vnd.openxmlformats-package.relationships+xml"));
        QCOMPARE(overrides.value(QStringLiteral("/word/document.xml")),
                 QStringLiteral("application/vnd.openxmlformats-officedocument."
                                "wordprocessingml.document.main+xml"));
        QCOMPARE(overrides.value(QStringLiteral("/word/styles.xml")),
                 QStringLiteral("application/vnd.openxmlformats-officedocument."
                                "wordprocessingml.styles+xml"));

        const Node rels = parse(e.entries.value(QStringLiteral("_rels/.rels")), &ok);
        QVERIFY(ok);
        nodes.clear();
        rels.collect(QStringLiteral("Relationship"), &nodes);
        bool main = false;
        for (const Node *n : nodes) {
            if (n->attr(QStringLiteral("Type"))
                    .endsWith(QLatin1String("/relationships/officeDocument")))
                main = n->attr(QStringLiteral("Target")) == QLatin1String("word/document.xml");
        }
        QVERIFY(main);

        // The picture's r:embed id names an image relationship pointing at the part.
        const Node *blip = e.document.find(QStringLiteral("blip"));
        QVERIFY(blip);
        const QString embed = blip->attr(QStringLiteral("r:embed"));
        QVERIFY(embed.startsWith(QLatin1String("rId")));
        const Node docRels =
            parse(e.entries.value(QStringLiteral("word/_rels/document.xml.rels")), &ok);
        QVERIFY(ok);
        nodes.clear();
        docRels.collect(QStringLiteral("Relationship"), &nodes);
        QString target;
        for (const Node *n : nodes) {
            if (n->attr(QStringLiteral("Id")) == embed) {
                QVERIFY(n->attr(QStringLiteral("Type"))
                            .endsWith(QLatin1String("/relationships/image")));
                target = n->attr(QStringLiteral("Target"));
            }
        }
        QCOMPARE(target, QStringLiteral("media/image1.png"));
    }

    void pageHasSingleHalfPointBorderOnAllFourSides()
    {
        const Exported e = exportPage(QStringLiteral("T"), QStringLiteral("S"), kClues, picture());
        QVERIFY(e.result.ok());
        const Node *body = e.document.find(QStringLiteral("body"));
        QVERIFY(body);
        QCOMPARE(body->children.last().name, QStringLiteral("sectPr"));
        const Node &sectPr = body->children.last();
        QStringList order;
        for (const Node &c : sectPr.children)
            order << c.name;
        QCOMPARE(order.indexOf(QStringLiteral("pgSz")), 0);
        QVERIFY(order.indexOf(QStringLiteral("pgMar")) <
                order.indexOf(QStringLiteral("pgBorders")));
        const Node *borders = sectPr.child(QStringLiteral("pgBorders"));
        QVERIFY(borders);
        QStringList sides;
        for (const Node &side : borders->children) {
            sides << side.name;
            QCOMPARE(side.attr(QStringLiteral("w:val")), QStringLiteral("single"));
            QCOMPARE(side.attr(QStringLiteral("w:sz")), QStringLiteral("4"));
        }
        QCOMPARE(sides, (QStringList{"top", "left", "bottom", "right"}));
        const Node *pgMar = sectPr.child(QStringLiteral("pgMar"));
        QVERIFY(pgMar);
        for (const char *a : {"top", "right", "bottom", "left", "header", "footer", "gutter"})
            QVERIFY2(pgMar->attributes.contains(QStringLiteral("w:") + QLatin1String(a)), a);
    }

    void pageSizeFollowsPaper_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::newRow("A4") << int(QPageSize::A4) << "11906"
                            << "16838";
        QTest::newRow("Letter") << int(QPageSize::Letter) << "12240"
                                << "15840";
    }
    void pageSizeFollowsPaper()
    {
        QFETCH(int, paper);
        QFETCH(QString, width);
        QFETCH(QString, height);
        const Exported e = exportPage(QStringLiteral("T"), QString(), kClues, picture(),
                                      QPageSize::PageSizeId(paper));
        QVERIFY(e.result.ok());
        const Node *pgSz = e.document.find(QStringLiteral("pgSz"));
        QVERIFY(pgSz);
        QCOMPARE(pgSz->attr(QStringLiteral("w:w")), width);
        QCOMPARE(pgSz->attr(QStringLiteral("w:h")), height);
        QVERIFY(!pgSz->attributes.contains(QStringLiteral("w:orient")));
    }

    void paperFollowsLocaleTerritory_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("paper");
        QTest::newRow("en_US") << "en_US" << int(QPageSize::Letter);
        QTest::newRow("en_CA") << "en_CA" << int(QPageSize::Letter);
        QTest::newRow("es_MX") << "es_MX" << int(QPageSize::Letter);
        QTest::newRow("en_GB") << "en_GB" << int(QPageSize::A4);
        QTest::newRow("de_DE") << "de_DE" << int(QPageSize::A4);
        QTest::newRow("ja_JP") << "ja_JP" << int(QPageSize::A4);
        QTest::newRow("C") << "C" << int(QPageSize::A4);
    }
    void paperFollowsLocaleTerritory()
    {
        QFETCH(QString, locale);
        QFETCH(int, paper);
        QCOMPARE(int(paperSizeForLocale(QLocale(locale))), paper);
    }

    void paragraphsComeInOrderWithTheirFormatting()
    {
        const Exported e =
            exportPage(QStringLiteral("Animals"), QStringLiteral("Pets"), kClues, picture());
        QVERIFY(e.result.ok());
        const QStringList clueLines = splitParagraphs(kClues);
        QCOMPARE(e.paragraphs.size(), 3 + 1 + 2 + clueLines.size());

        QCOMPARE(paragraphText(*e.paragraphs[0]), QStringLiteral("Animals"));
        QCOMPARE(paragraphText(*e.paragraphs[1]), QStringLiteral("Pets"));
        QCOMPARE(paragraphText(*e.paragraphs[2]), QString());
        for (int i = 0; i < 3; ++i)
            checkFormat(*e.paragraphs[i], 16, true, true, QStringLiteral("center"));

        QVERIFY(e.paragraphs[3]->find(QStringLiteral("drawing")));
        QCOMPARE(paragraphText(*e.paragraphs[3]), QString());
        checkFormat(*e.paragraphs[3], 14, false, false, QStringLiteral("center"));
        for (int i = 4; i < 6; ++i) {
            QCOMPARE(paragraphText(*e.paragraphs[i]), QString());
            QVERIFY(!e.paragraphs[i]->find(QStringLiteral("drawing")));
        }
        for (int i = 0; i < clueLines.size(); ++i) {
            const Node &p = *e.paragraphs[6 + i];
            QCOMPARE(paragraphText(p), clueLines[i]);
            checkFormat(p, 10, false, false, QStringLiteral("left"));
        }
        // The one picture, nothing else drawn.
        QList<const Node *> drawings;
        e.document.collect(QStringLiteral("drawing"), &drawings);
        QCOMPARE(drawings.size(), 1);
    }

    void clueLinesKeepEmptyLines_data()
    {
        QTest::addColumn<QString>("clues");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("headers only") << "ACROSS\r\n\r\nDOWN\r\n"
                                      << QStringList{"ACROSS", "", "DOWN"};
        QTest::newRow("no final line end")
            << "ACROSS\r\n1. X\r\n\r\nDOWN" << QStringList{"ACROSS", "1. X", "", "DOWN"};
        QTest::newRow("two empty lines") << "A\r\n\r\n\r\nB\r\n" << QStringList{"A", "", "", "B"};
        QTest::newRow("bare LF") << "A\nB\n" << QStringList{"A", "B"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void clueLinesKeepEmptyLines()
    {
        QFETCH(QString, clues);
        QFETCH(QStringList, lines);
        const Exported e = exportPage(QStringLiteral("T"), QStringLiteral("S"), clues, picture());
        QVERIFY(e.result.ok());
        QCOMPARE(e.paragraphs.size(), 6 + lines.size());
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(paragraphText(*e.paragraphs[6 + i]), lines[i]);
    }

    void emptySubjectStillGivesItsLine()
    {
        const Exported e = exportPage(QStringLiteral("Only a title"), QString(), kClues, picture());
        QVERIFY(e.result.ok());
        QCOMPARE(paragraphText(*e.paragraphs[0]), QStringLiteral("Only a title"));
        QCOMPARE(paragraphText(*e.paragraphs[1]), QString());
        QCOMPARE(paragraphText(*e.paragraphs[2]), QString());
        checkFormat(*e.paragraphs[1], 16, true, true, QStringLiteral("center"));
        QVERIFY(e.paragraphs[3]->find(QStringLiteral("drawing")));
    }

    void pictureExtentMatchesPixelSize_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("dpi");
        QTest::newRow("small") << 140 << 100 << 96;
        QTest::newRow("square") << 321 << 321 << 96;
        QTest::newRow("one pixel") << 1 << 1 << 96;
        QTest::newRow("text width") << 601 << 400 << 96;
        // The print picture: four times the pixels, shown at the same size.
        QTest::newRow("print resolution") << 560 << 400 << 384;
    }
    void pictureExtentMatchesPixelSize()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, dpi);
        const Exported e =
            exportPage(QStringLiteral("T"), QString(), kClues, picture(width, height, dpi));
        QVERIFY(e.result.ok());
        const Node *extent = e.document.find(QStringLiteral("extent"));
        QVERIFY(extent);
        QCOMPARE(extent->attr(QStringLiteral("cx")),
                 QString::number(qint64(width) * 9525 * 96 / dpi));
        QCOMPARE(extent->attr(QStringLiteral("cy")),
                 QString::number(qint64(height) * 9525 * 96 / dpi));
        const Node *ext = e.document.find(QStringLiteral("ext"));
        QVERIFY(ext);
        QCOMPARE(ext->attr(QStringLiteral("cx")), extent->attr(QStringLiteral("cx")));
        QCOMPARE(ext->attr(QStringLiteral("cy")), extent->attr(QStringLiteral("cy")));
        const QImage stored =
            QImage::fromData(e.entries.value(QStringLiteral("word/media/image1.png")), "PNG");
        QCOMPARE(stored.size(), QSize(width, height));
        QCOMPARE(stored.pixel(0, 0), qRgb(0, 0, 0));
        if (width > 30)
            QCOMPARE(stored.pixel(30, 10), qRgb(255, 255, 255));
        // The thin border line around the picture.
        const Node *ln = e.document.find(QStringLiteral("ln"));
        QVERIFY(ln);
        QCOMPARE(ln->attr(QStringLiteral("w")), QStringLiteral("6350"));
        const Node *jc = e.paragraphs[3]->find(QStringLiteral("jc"));
        QCOMPARE(jc->attr(QStringLiteral("w:val")), QStringLiteral("center"));
    }

    void pictureTooWideIsShrunkToTheTextWidth()
    {
        // A4 less two one-inch margins leaves 9026 twips.
        const Exported e = exportPage(QStringLiteral("T"), QString(), kClues, picture(1200, 600));
        QVERIFY(e.result.ok());
        const Node *extent = e.document.find(QStringLiteral("extent"));
        QVERIFY(extent);
        const qint64 cx = extent->attr(QStringLiteral("cx")).toLongLong();
        const qint64 cy = extent->attr(QStringLiteral("cy")).toLongLong();
        QVERIFY(cx <= 9026LL * 635);
        QVERIFY(cx > 9026LL * 635 - 10);
        QVERIFY(qAbs(cx - 2 * cy) <= 2);
        // The stored picture keeps every pixel.
        const QImage stored =
            QImage::fromData(e.entries.value(QStringLiteral("word/media/image1.png")), "PNG");
        QCOMPARE(stored.size(), QSize(1200, 600));
    }

    void textComesOutExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("markup") << "<b>Cats & Dogs</b>"
                                << "<b>Cats & Dogs</b>";
        QTest::newRow("entities") << "&amp; &lt;"
                                  << "&amp; &lt;";
        QTest::newRow("quotes") << "\"double\" and 'single'"
                                << "\"double\" and 'single'";
        QTest::newRow("leading blanks") << "   indented"
                                        << "   indented";
        QTest::newRow("trailing blanks") << "spaced   "
                                         << "spaced   ";
        QTest::newRow("inner blanks") << "a    b"
                                      << "a    b";
        QTest::newRow("cyrillic") << QStringLiteral("Кроссворд") << QStringLiteral("Кроссворд");
        QTest::newRow("greek") << QStringLiteral("Σταυρόλεξο") << QStringLiteral("Σταυρόλεξο");
        QTest::newRow("cjk") << QStringLiteral("字谜游戏") << QStringLiteral("字谜游戏");
        QTest::newRow("emoji") << QStringLiteral("Fun \U0001F600")
                               << QStringLiteral("Fun \U0001F600");
        QTest::newRow("tab") << "1.\tClue"
                             << "1.\tClue";
        QTest::newRow("control chars dropped") << QStringLiteral("a\x01"
                                                                 "b\x0B"
                                                                 "c")
                                               << "abc";
        QTest::newRow("lone surrogate dropped") << QString(QChar(0xD800)) + "x"
                                                << "x";
        QTest::newRow("cdata end") << "]]> done"
                                   << "]]> done";
    }
    void textComesOutExactly()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString clues = QStringLiteral("ACROSS\r\n") + text + QStringLiteral("\r\n");
        const Exported e = exportPage(text, text, clues, picture());
        QVERIFY(e.result.ok());
        bool ok = false;
        QString error;
        parse(e.entries.value(QStringLiteral("word/document.xml")), &ok, &error);
        QVERIFY2(ok, qPrintable(error));
        parse(e.entries.value(QStringLiteral("docProps/core.xml")), &ok, &error);
        QVERIFY2(ok, qPrintable(error));
        QCOMPARE(paragraphText(*e.paragraphs[0]), expected);
        QCOMPARE(paragraphText(*e.paragraphs[1]), expected);
        QCOMPARE(paragraphText(*e.paragraphs[7]), expected);
        // Blanks at either end survive only with xml:space="preserve".
        if (expected.startsWith(QLatin1Char(' ')) || expected.endsWith(QLatin1Char(' '))) {
            const Node *t = e.paragraphs[0]->find(QStringLiteral("t"));
            QVERIFY(t);
            QCOMPARE(t->attr(QStringLiteral("xml:space")), QStringLiteral("preserve"));
        }
    }

    void progressIsReportedInSteps()
    {
        const Exported e = exportPage(QStringLiteral("T"), QStringLiteral("S"), kClues, picture());
        QVERIFY(e.result.ok());
        QCOMPARE(e.progress, (QList<int>{10, 15, 20, 30, 40, 50, 60, 70, 80, 100}));
    }

    void failureLeavesNoFileAndSaysWhy_data()
    {
        QTest::addColumn<bool>("noPicture");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("reasonPart");
        QTest::newRow("no picture") << true << "a.docx"
                                    << "picture";
        QTest::newRow("missing folder") << false << "no/such/folder/c.docx"
                                        << "c.docx";
        QTest::newRow("folder as target") << false << "."
                                          << "folder";
        QTest::newRow("no name") << false << ""
                                 << "No file name";
    }
    void failureLeavesNoFileAndSaysWhy()
    {
        QFETCH(bool, noPicture);
        QFETCH(QString, output);
        QFETCH(QString, reasonPart);
        QTemporaryDir dir;
        const QString out = output.isEmpty() ? QString() : dir.filePath(output);
        QList<int> progress;
        const Result<> r = writeDocx(
            noPicture ? QImage() : picture(), kClues, QStringLiteral("T"), QStringLiteral("S"), out,
            [&](int v) { progress.append(v); }, QPageSize::A4);
        QVERIFY(!r.ok());
        QCOMPARE(r.message().title, kWordExportErrorTitle);
        QVERIFY2(r.message().text.contains(reasonPart), qPrintable(r.message().text));
        QVERIFY(!progress.contains(100));
        if (!out.isEmpty() && output != QLatin1String("."))
            QVERIFY(!QFile::exists(out));
        // Nothing else (no temporary file) is left in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    void failureKeepsAnExistingDocument()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("keep.docx"));
        QFile existing(out);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("previous");
        existing.close();
        const Result<> r =
            writeDocx(QImage(), kClues, QStringLiteral("T"), QString(), out, {}, QPageSize::A4);
        QVERIFY(!r.ok());
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("previous"));
    }

    void successReplacesAnExistingDocument()
    {
        const QString out = m_dir.filePath(QStringLiteral("replace.docx"));
        QFile existing(out);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("previous");
        existing.close();
        const Result<> r =
            writeDocx(picture(), kClues, QStringLiteral("T"), QString(), out, {}, QPageSize::A4);
        QVERIFY(r.ok());
        const Result<QMap<QString, QByteArray>> entries = readZipEntries(out);
        QVERIFY2(entries, entries ? "" : qPrintable(entries.message().text));
        QVERIFY(entries.value().contains(QStringLiteral("word/document.xml")));
    }

    void rangesFormatWhatTheyCover()
    {
        WordDocument doc;
        // The first range is the whole document; formatting it reaches what is added.
        doc.appendText(12, true, WordUnderline::None, false, WordAlignment::Left,
                       QStringLiteral("one\r\ntwo\r\n"));
        WordDocument::Range second = doc.appendRange();
        QCOMPARE(second.firstParagraph(), 2);
        second.insertAfter(QStringLiteral("three"));
        // A later range inherits the formatting at the end of the document.
        QCOMPARE(doc.paragraphs().at(2).format.size, 12);
        second.setFont(8, false, WordUnderline::Single, true);
        QCOMPARE(doc.paragraphs().at(1).format.size, 12);
        QCOMPARE(doc.paragraphs().at(2).format.size, 8);
        QVERIFY(doc.paragraphs().at(2).format.italic);
        second.insertBefore(QStringLiteral("before"));
        QCOMPARE(doc.paragraphs().at(2).text, QStringLiteral("before"));
        QCOMPARE(doc.paragraphs().at(3).text, QStringLiteral("three"));
        // After the list is emptied the next range covers the whole document again.
        doc.clearRanges();
        WordDocument::Range all = doc.appendRange();
        QCOMPARE(all.firstParagraph(), 0);
        all.setAlignment(WordAlignment::Centre);
        for (const WordParagraph &p : doc.paragraphs())
            QCOMPARE(p.format.alignment, WordAlignment::Centre);
    }

    void splitsParagraphsAtLineEnds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("one line end") << "\r\n" << QStringList{""};
        QTest::newRow("CR LF") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("CR") << "a\rb\r" << QStringList{"a", "b"};
        QTest::newRow("LF CR is two") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::newRow("title block") << "T\r\nS\r\n\r\n" << QStringList{"T", "S", ""};
    }
    void splitsParagraphsAtLineEnds()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(splitParagraphs(text), lines);
    }
};

QTEST_MAIN(TestWordDocument)
#include "tst_worddocument.moc"
