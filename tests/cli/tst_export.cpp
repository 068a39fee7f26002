// SPDX-License-Identifier: MIT
#include "../export/docxtestutil.h"
#include "clirun.h"

#include "cluetext.h"
#include "crosswordfile.h"
#include "gridedit.h"
#include "worddocument.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

using namespace docxtest;

namespace {

QString fixture(const char *name)
{
    return QStringLiteral(VELLOQUIN_TESTDATA "/") + QLatin1String(name);
}

} // namespace

class TestExportCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Exports and returns the document's entries; fails the test on any error.
    QMap<QString, QByteArray> exportDocx(const QStringList &extra, const QString &name)
    {
        const QString out = m_dir.filePath(name);
        const CliRun r = runCli(QStringList{"export", fixture("animals.cwd"), out} + extra);
        if (r.exitCode != 0) {
            qWarning() << r.err;
            return {};
        }
        const Result<QMap<QString, QByteArray>> entries = readZipEntries(out);
        if (!entries) {
            qWarning() << entries.message().text;
            return {};
        }
        return entries.value();
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void writesThePuzzlePageWithTitleSubjectPictureAndClues()
    {
        const QMap<QString, QByteArray> entries = exportDocx({}, QStringLiteral("animals.docx"));
        QVERIFY(entries.contains(QStringLiteral("word/document.xml")));

        const Result<CrosswordFileContent> file = loadCrosswordFile(fixture("animals.cwd"), 16, 16);
        QVERIFY(file.ok());
        CrosswordData puzzle = file.value().puzzle;
        numberSquares(puzzle);
        const QStringList clueLines = splitParagraphs(clueListText(puzzle));
        QVERIFY(clueLines.contains(QStringLiteral("DOWN")));

        bool ok = false;
        const Node doc = parse(entries.value(QStringLiteral("word/document.xml")), &ok);
        QVERIFY(ok);
        const QList<const Node *> paragraphs =
            doc.find(QStringLiteral("body"))->all(QStringLiteral("p"));
        QCOMPARE(paragraphs.size(), 6 + clueLines.size());
        QCOMPARE(paragraphText(*paragraphs[0]), QStringLiteral("Animals"));
        QCOMPARE(paragraphText(*paragraphs[1]), QStringLiteral("Pets"));
        QVERIFY(paragraphs[3]->find(QStringLiteral("drawing")));
        for (int i = 0; i < clueLines.size(); ++i)
            QCOMPARE(paragraphText(*paragraphs[6 + i]), clueLines[i]);

        // The picture holds the whole 10 x 8 grid, 30 screen pixels a square on the page,
        // drawn at print resolution: four times the pixels, at 384 dots per inch.
        const QImage picture =
            QImage::fromData(entries.value(QStringLiteral("word/media/image1.png")), "PNG");
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), QSize(1200, 960));
        QVERIFY(picture.dotsPerMeterX() * 0.0254 >= 300);
        QVERIFY(picture.dotsPerMeterY() * 0.0254 >= 300);
        const Node *extent = doc.find(QStringLiteral("extent"));
        QCOMPARE(extent->attr(QStringLiteral("cx")), QString::number(300 * 9525));
        QCOMPARE(extent->attr(QStringLiteral("cy")), QString::number(240 * 9525));
    }

    void hideAnswersLeavesTheLettersOut()
    {
        const QImage shown = QImage::fromData(exportDocx({}, QStringLiteral("shown.docx"))
                                                  .value(QStringLiteral("word/media/image1.png")),
                                              "PNG");
        const QImage hidden = QImage::fromData(
            exportDocx({QStringLiteral("--hide-answers")}, QStringLiteral("hidden.docx"))
                .value(QStringLiteral("word/media/image1.png")),
            "PNG");
        QVERIFY(!shown.isNull());
        QCOMPARE(hidden.size(), shown.size());
        QVERIFY(hidden != shown);
        // Hiding only removes letter ink: every pixel that differs is dark when shown.
        int differing = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if (shown.pixel(x, y) != hidden.pixel(x, y)) {
                    ++differing;
                    QVERIFY(qGray(shown.pixel(x, y)) < qGray(hidden.pixel(x, y)));
                }
            }
        }
        QVERIFY(differing > 20);
    }

    void picturesMatchTheRenderCommand_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("png") << "png" << QStringList{};
        QTest::newRow("bmp") << "bmp" << QStringList{};
        QTest::newRow("png, answers hidden") << "png" << QStringList{"--hide-answers"};
    }

    // export to a picture draws exactly what render draws with its default size.
    void picturesMatchTheRenderCommand()
    {
        QFETCH(QString, suffix);
        QFETCH(QStringList, options);
        const QString exported = m_dir.filePath("exported." + suffix);
        const QString rendered = m_dir.filePath("rendered." + suffix);
        const CliRun e = runCli(QStringList{"export", fixture("animals.cwd"), exported} + options);
        QCOMPARE(e.exitCode, 0);
        QCOMPARE(runCli(QStringList{"render", fixture("animals.cwd"), rendered} + options).exitCode,
                 0);
        const QImage a(exported);
        const QImage b(rendered);
        QVERIFY(!a.isNull());
        QCOMPARE(a.size(), QSize(300, 240)); // 10 x 8 squares of 30 pixels
        QCOMPARE(a.convertToFormat(QImage::Format_RGB32), b.convertToFormat(QImage::Format_RGB32));
    }

    void refusesWhatItCannotDo_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("errorPart");
        const QString cwd = fixture("animals.cwd");
        QTest::newRow("unknown format") << QStringList{"export", cwd, "out.xyz"} << 2 << ".docx";
        QTest::newRow("no extension") << QStringList{"export", cwd, "out"} << 2 << ".docx";
        QTest::newRow("missing puzzle")
            << QStringList{"export", "no-such.cwd", "out.docx"} << 2 << "";
        QTest::newRow("one file") << QStringList{"export", cwd} << 2 << "export takes";
        QTest::newRow("unknown option")
            << QStringList{"export", cwd, "o.docx", "--shiny"} << 2 << "--shiny";
        QTest::newRow("empty puzzle as web page")
            << QStringList{"export", fixture("empty.cwd"), "out.html"} << 1 << "It has no words.";
        QTest::newRow("unknown page language")
            << QStringList{"export", cwd, "out.html", "--language", "xx"} << 2 << "en, de, fr";
        QTest::newRow("page option for another format")
            << QStringList{"export", cwd, "out.pdf", "--no-reveal"} << 2 << "--no-reveal";
        QTest::newRow("unwritable target")
            << QStringList{"export", cwd, "no/such/dir/out.docx"} << 1 << "Velloquin: ";
    }
    void refusesWhatItCannotDo()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, errorPart);
        QTemporaryDir dir;
        for (QString &a : args) {
            if (a.startsWith(QLatin1String("out")) || a.startsWith(QLatin1String("no/")) ||
                a == QLatin1String("o.docx"))
                a = dir.filePath(a);
        }
        const CliRun r = runCli(args);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY(!r.err.trimmed().isEmpty());
        QVERIFY2(r.err.contains(errorPart), qPrintable(r.err));
        QCOMPARE(r.err.trimmed().count(QLatin1Char('\n')), 0);
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestExportCommand)
#include "tst_export.moc"
