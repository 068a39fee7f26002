// SPDX-License-Identifier: MIT
// The exported document read by independent clients: python-docx and LibreOffice.
#include "docxtestutil.h"
#include "wordexport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

namespace {

const QString kTitle = QStringLiteral("Garden <Birds> & \"Friends\"");
const QString kSubject = QStringLiteral("Nature · Природа");
const QStringList kClueLines = {
    QStringLiteral("ACROSS"),
    QStringLiteral("1. Bird that hoots at night (3)"),
    QStringLiteral("3. Red-breasted visitor (5)"),
    QStringLiteral(""),
    QStringLiteral("DOWN"),
    QStringLiteral("1. Large black bird & cousin of the crow (5)"),
    QStringLiteral("2. Sings at dawn, 'early' riser (4)"),
};
const QSize kPictureSize(241, 181);

// Debian's interpreter: a python3 earlier on the PATH may not see Debian's modules.
QString systemPython()
{
    return QFile::exists(QStringLiteral("/usr/bin/python3"))
               ? QStringLiteral("/usr/bin/python3")
               : QStandardPaths::findExecutable(QStringLiteral("python3"));
}

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QString &program, const QStringList &args, int timeoutMs = 180000)
{
    QProcess p;
    p.start(program, args);
    Run r;
    if (!p.waitForStarted(10000))
        return r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

} // namespace

class TestWordClients : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_docx;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        if (qEnvironmentVariableIsSet("VELLOQUIN_KEEP_TEST_OUTPUT")) {
            m_dir.setAutoRemove(false);
            qInfo() << "output kept in" << m_dir.path();
        }
        const QImage picture = docxtest::testPicture(kPictureSize.width(), kPictureSize.height());
        m_docx = m_dir.filePath(QStringLiteral("puzzle.docx"));
        const Result<> r =
            writeDocx(picture, kClueLines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"),
                      kTitle, kSubject, m_docx, {}, QPageSize::A4);
        QVERIFY(r.ok());
    }

    void pythonDocxReadsPageParagraphsAndPicture()
    {
        const QString python = systemPython();
        if (python.isEmpty() || run(python, {"-c", "import docx"}).exitCode != 0)
            QSKIP("python3-docx is not installed (Debian package python3-docx); the reader test "
                  "needs it");
        const char *script = R"(
import docx, json, sys
d = docx.Document(sys.argv[1])
s = d.sections[0]
out = {"width": s.page_width, "height": s.page_height, "paragraphs": [],
       "shapes": [[i.width, i.height] for i in d.inline_shapes]}
for p in d.paragraphs:
    out["paragraphs"].append({"text": p.text,
        "alignment": None if p.alignment is None else int(p.alignment),
        "runs": [{"bold": bool(r.bold), "underline": bool(r.underline),
                  "size": None if r.font.size is None else r.font.size.pt} for r in p.runs]})
print(json.dumps(out))
)";
        const Run r = run(systemPython(), {"-c", QString::fromLatin1(script), m_docx});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        const QJsonObject doc = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(doc.value("width").toInteger(), 11906LL * 635);
        QCOMPARE(doc.value("height").toInteger(), 16838LL * 635);
        const QJsonArray shapes = doc.value("shapes").toArray();
        QCOMPARE(shapes.size(), 1);
        QCOMPARE(shapes[0].toArray()[0].toInteger(), qint64(kPictureSize.width()) * 9525);
        QCOMPARE(shapes[0].toArray()[1].toInteger(), qint64(kPictureSize.height()) * 9525);

        const QJsonArray paragraphs = doc.value("paragraphs").toArray();
        QCOMPARE(paragraphs.size(), 6 + kClueLines.size());
        QStringList texts;
        for (const QJsonValue &p : paragraphs)
            texts << p.toObject().value("text").toString();
        QCOMPARE(texts.mid(0, 6), (QStringList{kTitle, kSubject, "", "", "", ""}));
        QCOMPARE(texts.mid(6), kClueLines);
        const int centre = 1; // WD_ALIGN_PARAGRAPH.CENTER
        for (int i = 0; i < 2; ++i) {
            const QJsonObject p = paragraphs[i].toObject();
            QCOMPARE(p.value("alignment").toInt(), centre);
            const QJsonObject run = p.value("runs").toArray().first().toObject();
            QVERIFY(run.value("bold").toBool());
            QVERIFY(run.value("underline").toBool());
            QCOMPARE(run.value("size").toDouble(), 16.0);
        }
        QCOMPARE(paragraphs[3].toObject().value("alignment").toInt(), centre);
        for (int i = 6; i < paragraphs.size(); ++i) {
            const QJsonObject p = paragraphs[i].toObject();
            QCOMPARE(p.value("alignment").toInt(), 0);
            for (const QJsonValue &run : p.value("runs").toArray()) {
                QVERIFY(!run.toObject().value("bold").toBool());
                QVERIFY(!run.toObject().value("underline").toBool());
                QCOMPARE(run.toObject().value("size").toDouble(), 10.0);
            }
        }
    }

    void libreOfficeMakesAPdfWithTextInOrderAndThePicture()
    {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice (soffice, Debian package libreoffice-writer-nogui) is not "
                  "installed; the document is not converted by a real word processor here");
        for (const char *tool : {"pdftotext", "pdfimages", "pdfinfo"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP("poppler-utils (pdftotext, pdfimages, pdfinfo) is not installed");
        }
        const QString profile = m_dir.filePath(QStringLiteral("lo-profile"));
        const Run convert =
            run(soffice,
                {"-env:UserInstallation=" + QUrl::fromLocalFile(profile).toString(), "--headless",
                 "--norestore", "--convert-to", "pdf", "--outdir", m_dir.path(), m_docx});
        const QString pdf = m_dir.filePath(QStringLiteral("puzzle.pdf"));
        QVERIFY2(convert.exitCode == 0 && QFile::exists(pdf),
                 (convert.out + convert.err).constData());

        const Run info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.exitCode == 0);
        QVERIFY2(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))
                     .match(QString::fromUtf8(info.out))
                     .hasMatch(),
                 info.out.constData());
        // A4 portrait: 595.3 x 841.9 points.
        QVERIFY2(QRegularExpression(QStringLiteral("Page size:\\s+595\\.\\d* x 841\\.\\d*"))
                     .match(QString::fromUtf8(info.out))
                     .hasMatch(),
                 info.out.constData());

        const Run text = run(QStringLiteral("pdftotext"), {"-enc", "UTF-8", pdf, "-"});
        QVERIFY(text.exitCode == 0);
        const QString all = QString::fromUtf8(text.out);
        QStringList expected{kTitle, kSubject};
        for (const QString &line : kClueLines) {
            if (!line.isEmpty())
                expected << line;
        }
        qsizetype from = 0;
        for (const QString &piece : expected) {
            const qsizetype at = all.indexOf(piece, from);
            QVERIFY2(
                at >= 0,
                qPrintable(QStringLiteral("\"%1\" not found in order in:\n%2").arg(piece, all)));
            from = at + piece.size();
        }

        const Run images = run(QStringLiteral("pdfimages"), {"-list", pdf});
        QVERIFY(images.exitCode == 0);
        // Two heading lines, then one line per image: page num type width height ...
        const QList<QByteArray> lines = images.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 3);
        const QStringList fields =
            QString::fromUtf8(lines[2]).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY(fields.size() > 4);
        QCOMPARE(fields[3].toInt(), kPictureSize.width());
        QCOMPARE(fields[4].toInt(), kPictureSize.height());
    }
};

QTEST_MAIN(TestWordClients)
#include "tst_wordclients.moc"
