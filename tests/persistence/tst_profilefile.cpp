// SPDX-License-Identifier: MIT
#include "profilefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Velloquin;

namespace {

// Test texts write line ends as "|" so that rows stay on one line.
QByteArray crlf(const char *text)
{
    return QByteArray(text).replace('|', "\r\n");
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestProfileFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readingRules_data();
    void readingRules();
    void valuesReadBackExactly_data();
    void valuesReadBackExactly();
    void writerQuotesOnlyWhatTrimmingWouldLose_data();
    void writerQuotesOnlyWhatTrimmingWouldLose();
    void lineBreaksInValueCannotStartNewLine();
    void editKeepsOtherLinesAndAppendsInPlace();
    void newDocumentWritesSectionsInOrderWithCrLf();
    void sectionsAndKeysListFirstOccurrences();
    void decoding_data();
    void decoding();
    void encoding_data();
    void encoding();
    void iniHelpersReadDefaultsAndWriteWhole();
    void iniHelpersReportUnreadableFile();
    void saveIntoMissingFolderIsReported();
    void pipeIsRefusedWithoutWaiting();
    void failedWriteLeavesOldFileIntact();
    void fileTooLargeToOpenAgainIsNotSaved();
    void readOnlyFolderIsReported();
};

void TestProfileFile::readingRules_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected"); // "<none>" when the value is missing

    const QString none = "<none>";
    QTest::newRow("plain") << crlf("[Grid]|Title=Animals|") << "Grid"
                           << "Title"
                           << "Animals";
    QTest::newRow("section any case") << crlf("[GRID]|Title=A|") << "grid"
                                      << "Title"
                                      << "A";
    QTest::newRow("key any case") << crlf("[Grid]|tItLe=A|") << "Grid"
                                  << "TITLE"
                                  << "A";
    QTest::newRow("first key wins") << crlf("[Grid]|Title=A|title=B|") << "Grid"
                                    << "Title"
                                    << "A";
    QTest::newRow("first section wins") << crlf("[Grid]|Width=5|[grid]|Width=7|Height=9|") << "Grid"
                                        << "Width"
                                        << "5";
    QTest::newRow("second section of a name unseen")
        << crlf("[Grid]|Width=5|[grid]|Height=9|") << "Grid"
        << "Height" << none;
    QTest::newRow("comment ignored") << crlf("[Grid]|;Title=A|") << "Grid"
                                     << "Title" << none;
    QTest::newRow("indented comment ignored") << crlf("[Grid]|  ; Title=A|Title=B|") << "Grid"
                                              << "Title"
                                              << "B";
    QTest::newRow("blanks trimmed") << crlf("[Grid]|Title=  \tA b \t |") << "Grid"
                                    << "Title"
                                    << "A b";
    QTest::newRow("blanks around key") << crlf("[Grid]|  Title \t=A|") << "Grid"
                                       << "Title"
                                       << "A";
    QTest::newRow("blanks in header") << crlf("[ Grid ]|Title=A|") << "Grid"
                                      << "Title"
                                      << "A";
    QTest::newRow("double quotes removed") << crlf("[Grid]|Title=\" A \"|") << "Grid"
                                           << "Title"
                                           << " A ";
    QTest::newRow("single quotes removed") << crlf("[Grid]|Title='A'|") << "Grid"
                                           << "Title"
                                           << "A";
    QTest::newRow("one pair only") << crlf("[Grid]|Title=\"\"A\"\"|") << "Grid"
                                   << "Title"
                                   << "\"A\"";
    QTest::newRow("quotes after trimming") << crlf("[Grid]|Title=  \"A\"  |") << "Grid"
                                           << "Title"
                                           << "A";
    QTest::newRow("mixed quotes kept") << crlf("[Grid]|Title=\"A'|") << "Grid"
                                       << "Title"
                                       << "\"A'";
    QTest::newRow("lone quote kept") << crlf("[Grid]|Title=\"|") << "Grid"
                                     << "Title"
                                     << "\"";
    QTest::newRow("empty quotes give empty") << crlf("[Grid]|Title=\"\"|") << "Grid"
                                             << "Title"
                                             << "";
    QTest::newRow("empty value not default") << crlf("[Grid]|Title=|") << "Grid"
                                             << "Title"
                                             << "";
    QTest::newRow("equals inside value") << crlf("[Grid]|Title=a=b|") << "Grid"
                                         << "Title"
                                         << "a=b";
    QTest::newRow("key before any section") << crlf("Title=A|[Grid]|") << "Grid"
                                            << "Title" << none;
    QTest::newRow("key of next section") << crlf("[Grid]|[Word0]|Title=A|") << "Grid"
                                         << "Title" << none;
    QTest::newRow("missing section") << crlf("[Grid]|Title=A|") << "Word0"
                                     << "Title" << none;
    QTest::newRow("line without equals") << crlf("[Grid]|Title|Title=B|") << "Grid"
                                         << "Title"
                                         << "B";
    QTest::newRow("lf line ends") << QByteArray("[Grid]\nTitle=A\nSubject=B\n") << "Grid"
                                  << "Subject"
                                  << "B";
    QTest::newRow("cr line ends") << QByteArray("[Grid]\rTitle=A\rSubject=B") << "Grid"
                                  << "Subject"
                                  << "B";
    QTest::newRow("no final line end") << QByteArray("[Grid]\r\nTitle=A") << "Grid"
                                       << "Title"
                                       << "A";
    QTest::newRow("long value whole")
        << crlf("[Grid]|Title=" + QByteArray(1000, 'x') + "|") << "Grid"
        << "Title" << QString(1000, 'x');
    QTest::newRow("unclosed header") << crlf("[Grid|Title=A|") << "Grid"
                                     << "Title"
                                     << "A";
}

void TestProfileFile::readingRules()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    const ProfileFile doc = ProfileFile::fromBytes(file);
    const std::optional<QString> v = doc.value(section, key);
    QCOMPARE(v.value_or("<none>"), expected);
    QCOMPARE(doc.value(section, key, "dflt"), v.value_or("dflt"));
}

void TestProfileFile::valuesReadBackExactly_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("empty") << "";
    QTest::newRow("plain") << "Small pet";
    QTest::newRow("leading blank") << " lead";
    QTest::newRow("trailing blank") << "trail ";
    QTest::newRow("only blanks") << "   ";
    QTest::newRow("tabs") << "\tx\t";
    QTest::newRow("double quoted") << "\"quoted\"";
    QTest::newRow("single quoted") << "'single'";
    QTest::newRow("two quotes") << "\"\"";
    QTest::newRow("lone quote") << "\"";
    QTest::newRow("half quoted") << "\"half";
    QTest::newRow("quoted with blanks") << " \"x\" ";
    QTest::newRow("semicolon first") << ";not a comment";
    QTest::newRow("bracket first") << "[not a section]";
    QTest::newRow("equals") << "a=b";
    QTest::newRow("western") << "Café crème €5 – “quoted”";
    QTest::newRow("beyond the code page") << "猫 and Ω";
    QTest::newRow("looks like utf8 in 1252") << "Ã©";
    QTest::newRow("long") << QString(5000, 'y');
}

void TestProfileFile::valuesReadBackExactly()
{
    QFETCH(QString, value);
    ProfileFile doc;
    doc.setValue("Grid", "Title", value);
    doc.setValue("Grid", "Next", "after");
    QCOMPARE(doc.value("Grid", "Title", "<none>"), value);
    const ProfileFile read = ProfileFile::fromBytes(doc.toBytes());
    QCOMPARE(read.value("Grid", "Title", "<none>"), value);
    QCOMPARE(read.value("Grid", "Next", "<none>"), QString("after"));
}

void TestProfileFile::writerQuotesOnlyWhatTrimmingWouldLose_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain") << "a b"
                           << "a b";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("leading blank") << " a"
                                   << "\" a\"";
    QTest::newRow("quoted") << "\"a\""
                            << "\"\"a\"\"";
    QTest::newRow("single quoted") << "'a'"
                                   << "\"'a'\"";
    QTest::newRow("inner quotes") << "a \"b\" c"
                                  << "a \"b\" c";
    QTest::newRow("lone quote") << "\""
                                << "\"";
}

void TestProfileFile::writerQuotesOnlyWhatTrimmingWouldLose()
{
    QFETCH(QString, value);
    QFETCH(QString, written);
    QCOMPARE(ProfileFile::encodeValue(value), written);
    QCOMPARE(ProfileFile::decodeValue(written), value);
}

void TestProfileFile::lineBreaksInValueCannotStartNewLine()
{
    ProfileFile doc;
    doc.setValue("Grid", "Title", "one\r\ntwo\nthree\rfour");
    doc.setValue("Grid", "Subject", "x\n[Evil]\nTitle=y");
    const QByteArray bytes = doc.toBytes();
    QCOMPARE(bytes, crlf("[Grid]|Title=one two three four|Subject=x [Evil] Title=y|"));
    QVERIFY(!ProfileFile::fromBytes(bytes).hasSection("Evil"));
}

void TestProfileFile::editKeepsOtherLinesAndAppendsInPlace()
{
    ProfileFile doc = ProfileFile::fromBytes(
        crlf("; settings|[Default Settings]|Title=Old|Width=16||; end of section|[other]|k=v|"));
    doc.setValue("default settings", "TITLE", "New");
    doc.setValue("Default Settings", "Height", "12");
    doc.setValue("Other", "k2", " v2 ");
    doc.setValue("Added", "Key", "1");
    QCOMPARE(doc.toBytes(), crlf("; settings|[Default Settings]|TITLE=New|Width=16|Height=12||"
                                 "; end of section|[other]|k=v|k2=\" v2 \"|[Added]|Key=1|"));
}

void TestProfileFile::newDocumentWritesSectionsInOrderWithCrLf()
{
    ProfileFile doc;
    doc.setValue("B", "x", "1");
    doc.setValue("A", "y", "2");
    doc.setValue("B", "z", "3");
    doc.setValue("b", "X", "4");
    QCOMPARE(doc.toBytes(), crlf("[B]|X=4|z=3|[A]|y=2|"));
}

void TestProfileFile::sectionsAndKeysListFirstOccurrences()
{
    const ProfileFile doc =
        ProfileFile::fromBytes(crlf("[Grid]|Title=A|title=B|Width=3|[Word0]|[GRID]|Height=2|"));
    QCOMPARE(doc.sections(), QStringList({"Grid", "Word0"}));
    QCOMPARE(doc.keys("grid"), QStringList({"Title", "Width"}));
    QVERIFY(doc.contains("GRID", "width"));
    QVERIFY(!doc.contains("Grid", "Height"));
}

void TestProfileFile::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("title");
    QTest::newRow("ascii") << crlf("[G]|T=Cat|") << "Cat";
    QTest::newRow("utf8") << crlf("[G]|T=Caf\xc3\xa9 \xe7\x8c\xab|") << "Café 猫";
    QTest::newRow("utf8 with bom") << crlf("\xef\xbb\xbf[G]|T=\xc3\xa9|") << "é";
    QTest::newRow("windows-1252") << crlf("[G]|T=Caf\xe9 \x80 \x96x\x94|") << "Café € –x”";
    QTest::newRow("1252 undefined bytes") << crlf("[G]|T=\x81\x8d|") << "\u0081\u008d";
    QTest::newRow("broken utf8 read as 1252") << crlf("[G]|T=\xc3\xa9\xff|") << "Ã©ÿ";
    QTest::newRow("bom before windows-1252") << crlf("\xef\xbb\xbf[G]|T=Caf\xe9|") << "Café";
}

void TestProfileFile::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    QCOMPARE(ProfileFile::fromBytes(bytes).value("G", "T", "<none>"), title);
}

void TestProfileFile::encoding_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << "Cat" << crlf("[G]|T=Cat|");
    QTest::newRow("fits 1252") << "Café €" << crlf("[G]|T=Caf\xe9 \x80|");
    QTest::newRow("beyond 1252") << "Café 猫" << crlf("[G]|T=Caf\xc3\xa9 \xe7\x8c\xab|");
    QTest::newRow("1252 bytes that look like utf8") << "Ã©" << crlf("[G]|T=\xc3\x83\xc2\xa9|");
}

void TestProfileFile::encoding()
{
    QFETCH(QString, title);
    QFETCH(QByteArray, bytes);
    ProfileFile doc;
    doc.setValue("G", "T", title);
    QCOMPARE(doc.toBytes(), bytes);
    QCOMPARE(ProfileFile::fromBytes(bytes).value("G", "T", "<none>"), title);
}

void TestProfileFile::iniHelpersReadDefaultsAndWriteWhole()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("Crossword.ini");
    Result<> status = Result<>::refused("x", "x", Icon::None);
    QCOMPARE(readProfileValue("Default Settings", "Width", "16", path, &status), QString("16"));
    QVERIFY(status.ok());
    QVERIFY(!QFile::exists(path)); // reading creates nothing

    QVERIFY(writeProfileValue("Default Settings", "Width", "12", path).ok());
    QVERIFY(writeProfileValue("Default Settings", "Title", QString(400, 'T'), path).ok());
    QVERIFY(writeProfileValue("Default Settings", "width", "14", path).ok());
    QCOMPARE(readAll(path),
             crlf("[Default Settings]|width=14|Title=" + QByteArray(400, 'T') + "|"));
    QCOMPARE(readProfileValue("default settings", "WIDTH", "16", path), QString("14"));
    QCOMPARE(readProfileValue("Default Settings", "Title", "", path), QString(400, 'T'));
    QCOMPARE(readProfileValue("Default Settings", "Topic", "none", path), QString("none"));
    QCOMPARE(readProfileValue("Other", "Width", "none", path), QString("none"));
}

void TestProfileFile::iniHelpersReportUnreadableFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A folder where the file should be cannot be read, nor replaced.
    QVERIFY(QDir(dir.path()).mkdir("Crossword.ini"));
    const QString path = dir.filePath("Crossword.ini");
    Result<> status = Result<>::success();
    QCOMPARE(readProfileValue("S", "K", "dflt", path, &status), QString("dflt"));
    QVERIFY(!status.ok());
    QVERIFY(status.message().text.contains(path));
    QVERIFY(!writeProfileValue("S", "K", "v", path).ok());
    QVERIFY(QFileInfo(path).isDir());
}

void TestProfileFile::pipeIsRefusedWithoutWaiting()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("pipe.ini");
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    ProfileFile doc;
    const Result<> r = doc.load(path);
    QVERIFY(!r.ok());
    QVERIFY(r.message().text.contains("not a regular file"));
}

void TestProfileFile::saveIntoMissingFolderIsReported()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("missing/Crossword.ini");
    ProfileFile doc;
    doc.setValue("S", "K", "v");
    const Result<> r = doc.save(path);
    QVERIFY(!r.ok());
    QCOMPARE(r.message().title, QString("Save Error"));
    QVERIFY(r.message().text.contains(path));
    QCOMPARE(r.message().icon, Icon::Error);
    QVERIFY(!QFile::exists(path));
}

void TestProfileFile::failedWriteLeavesOldFileIntact()
{
    // A file size limit makes the write fail part-way, as a full disk would, even for root.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("puzzle.cwd");
    const QByteArray old = crlf("[Grid]|Title=Old|");
    QVERIFY(writeAll(path, old));
    ProfileFile doc;
    doc.setValue("Grid", "Title", QString(100000, 'n'));

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Result<> r = doc.save(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!r.ok());
    QCOMPARE(r.message().title, QString("Save Error"));
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"puzzle.cwd"}); // no leftovers
}

void TestProfileFile::fileTooLargeToOpenAgainIsNotSaved()
{
    // Text that fits the reader as Windows-1252 but must be saved as UTF-8 (one character
    // is beyond the code page) grows past the reader's limit.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("big.cwd");
    QVERIFY(writeAll(path, "old"));
    ProfileFile doc;
    doc.setValue("Grid", "Title", QString(u'\u0101') + QString(34 * 1000 * 1000, u'\u00e9'));
    const Result<> r = doc.save(path);
    QVERIFY(!r.ok());
    QVERIFY2(r.message().text.contains("too large"), qPrintable(r.message().text.left(200)));
    QCOMPARE(readAll(path), QByteArray("old"));
}

void TestProfileFile::readOnlyFolderIsReported()
{
    if (geteuid() == 0)
        QSKIP("folder permissions do not bind the superuser");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("puzzle.cwd");
    QVERIFY(writeAll(path, "old"));
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    ProfileFile doc;
    doc.setValue("Grid", "Title", "New");
    const Result<> r = doc.save(path);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!r.ok());
    QCOMPARE(readAll(path), QByteArray("old"));
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
