// SPDX-License-Identifier: MIT
#include "../export/pdftestutil.h"
#include "clirun.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

namespace {

// animals.cwd: "Animals", "Pets", CAT across ("Small pet") and COW down ("Gives milk").
QString fixture()
{
    return QStringLiteral(VELLOQUIN_TESTDATA "/animals.cwd");
}

} // namespace

class TestPdfExportCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        if (!pdftest::popplerAvailable())
            QSKIP("poppler-utils (pdfinfo, pdftotext, pdfimages, pdffonts) is not installed");
    }

    void writesTheWorksheet_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("size");
        QTest::newRow("key, A4") << QStringList{"--paper", "a4"} << 2 << "595 x 842";
        QTest::newRow("key, Letter") << QStringList{"--paper", "letter"} << 2 << "612 x 792";
        QTest::newRow("no key, Letter")
            << QStringList{"--no-key", "--paper", "LETTER"} << 1 << "612 x 792";
    }

    void writesTheWorksheet()
    {
        QFETCH(QStringList, options);
        QFETCH(int, pages);
        QFETCH(QString, size);
        const QString out = m_dir.filePath(QStringLiteral("animals.pdf"));
        QFile::remove(out);
        const CliRun r = runCli(QStringList{"export", fixture(), out} + options);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
        QCOMPARE(pdftest::pageCount(out), pages);
        for (int page = 1; page <= pages; ++page)
            QCOMPARE(pdftest::pageSize(out, page), size);
        const QString puzzle = pdftest::pageText(out, 1);
        QVERIFY2(puzzle.startsWith(QStringLiteral("Animals Pets")), qPrintable(puzzle));
        QVERIFY(puzzle.contains(QStringLiteral("1. Small pet")));
        QVERIFY(!puzzle.contains(QStringLiteral("CAT")));
        QVERIFY(!puzzle.contains(QStringLiteral("COW")));
        if (pages == 2) {
            const QString key = pdftest::pageText(out, 2);
            QVERIFY2(key.contains(QStringLiteral("Small pet CAT")), qPrintable(key));
            QVERIFY2(key.contains(QStringLiteral("COW")), qPrintable(key));
        }
    }

    void refusesBadOptions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown paper") << QStringList{"--paper", "a3"} << "--paper";
        QTest::newRow("paper without value") << QStringList{"--paper"} << "--paper";
        QTest::newRow("no key for docx") << QStringList{"--no-key", "out.docx"} << "--no-key";
        // Not silently the same as --no-key: the puzzle pages never show answers.
        QTest::newRow("hidden answers") << QStringList{"--hide-answers"} << "--no-key";
    }

    void refusesBadOptions()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, reason);
        QStringList full{"export", fixture()};
        if (!args.last().endsWith(QLatin1String(".docx")))
            full << m_dir.filePath(QStringLiteral("bad.pdf")) << args;
        else
            full << m_dir.filePath(args.last()) << args.mid(0, args.size() - 1);
        const CliRun r = runCli(full);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(reason), qPrintable(r.err));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("bad.pdf"))));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("out.docx"))));
    }

    void reportsAnOutputItCannotWrite()
    {
        const QString out = m_dir.filePath(QStringLiteral("missing/folder/sheet.pdf"));
        const CliRun r = runCli({"export", fixture(), out});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.startsWith(QStringLiteral("Velloquin: ")), qPrintable(r.err));
        QVERIFY(!QFile::exists(out));
    }
};

QTEST_GUILESS_MAIN(TestPdfExportCommand)
#include "tst_pdfexport.moc"
