// SPDX-License-Identifier: MIT
#include "settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace Velloquin;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    void sizeReadsLeadingNumber_data();
    void sizeReadsLeadingNumber();
    void colorReadsSignedAndUnsignedForms_data();
    void colorReadsSignedAndUnsignedForms();
    void booleanTextAcceptsWordsAndNumbers_data();
    void booleanTextAcceptsWordsAndNumbers();
    void missingOrEmptyFileGivesDefaults_data();
    void missingOrEmptyFileGivesDefaults();
    void readsEveryKey();
    void layoutMethodReadsBack_data();
    void layoutMethodReadsBack();
    void saveWritesKeysInOrder();
    void factoryValuesLeaveOutlineAndOtherSectionsAlone();
    void failedWriteIsReportedAndKeepsTheFile();
    void settingsFolder_data();
    void settingsFolder();
    void folderPathsEndInOneSlash_data();
    void folderPathsEndInOneSlash();
};

void tst_Settings::sizeReadsLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << "16" << 16;
    QTest::newRow("trailing letters") << "12abc" << 12;
    QTest::newRow("no number") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("half to even down") << "12.5" << 12;
    QTest::newRow("half to even up") << "13.5" << 14;
    QTest::newRow("negative") << "-3" << -3;
    QTest::newRow("too large") << "99999" << 32767;
}

void tst_Settings::sizeReadsLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(int(readSettingsSize(text)), expected);
}

void tst_Settings::colorReadsSignedAndUnsignedForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("present");
    QTest::addColumn<qint32>("expected");
    QTest::newRow("grey") << "6381921" << true << qint32(6381921);
    QTest::newRow("system colour 5 signed") << "-2147483643" << true << qint32(0x80000005u);
    QTest::newRow("system colour 5 unsigned") << "2147483653" << true << qint32(0x80000005u);
    QTest::newRow("leading number") << "255xyz" << true << qint32(255);
    QTest::newRow("empty is missing") << "" << false << qint32(0);
    QTest::newRow("blank is missing") << "   " << false << qint32(0);
    QTest::newRow("no number reads 0") << "red" << true << qint32(0);
}

void tst_Settings::colorReadsSignedAndUnsignedForms()
{
    QFETCH(QString, text);
    QFETCH(bool, present);
    QFETCH(qint32, expected);
    const auto color = readSettingsColor(text);
    QCOMPARE(color.has_value(), present);
    if (present)
        QCOMPARE(*color, expected);
}

void tst_Settings::booleanTextAcceptsWordsAndNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fallback");
    QTest::addColumn<bool>("expected");
    QTest::newRow("True") << "True" << false << true;
    QTest::newRow("upper case") << "TRUE" << false << true;
    QTest::newRow("false lower case") << "false" << true << false;
    QTest::newRow("zero") << "0" << true << false;
    QTest::newRow("minus one") << "-1" << false << true;
    QTest::newRow("seven") << "7" << false << true;
    QTest::newRow("other word keeps fallback") << "yes" << false << false;
    QTest::newRow("other word keeps fallback true") << "maybe" << true << true;
}

void tst_Settings::booleanTextAcceptsWordsAndNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, fallback);
    QFETCH(bool, expected);
    QCOMPARE(readBooleanText(text, fallback), expected);
}

void tst_Settings::missingOrEmptyFileGivesDefaults_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing file") << false;
    QTest::newRow("empty file") << true;
}

void tst_Settings::missingOrEmptyFileGivesDefaults()
{
    QFETCH(bool, exists);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Crossword.ini"));
    if (exists)
        writeAll(path, QByteArray());
    Result<> status = Result<>::refused(QString(), QString(), Icon::None);
    const DefaultSettings s = readDefaultSettings(path, &status);
    QVERIFY(status.ok());
    QCOMPARE(s.title, QStringLiteral("Crossword"));
    QCOMPARE(s.topic, QString());
    QCOMPARE(s.width, qint16(16));
    QCOMPARE(s.height, qint16(16));
    QVERIFY(!s.background && !s.gridLines && !s.squares);
    QVERIFY(!s.useOutline);
    QCOMPARE(s.layoutMethod, LayoutMethod::Classic);
}

void tst_Settings::readsEveryKey()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Crossword.ini"));
    writeAll(path, "[default settings]\r\ntitle=Birds\r\nTopic=Nature\r\nWidth=12abc\r\n"
                   "Height=9\r\nBackground=-2147483643\r\nGridLines=\r\nSquares=65280\r\n"
                   "UseOutline=true\r\nLayoutMethod=thorough\r\n");
    const DefaultSettings s = readDefaultSettings(path);
    QCOMPARE(s.title, QStringLiteral("Birds"));
    QCOMPARE(s.topic, QStringLiteral("Nature"));
    QCOMPARE(s.width, qint16(12));
    QCOMPARE(s.height, qint16(9));
    QCOMPARE(s.background, std::optional<qint32>(qint32(0x80000005u)));
    QVERIFY(!s.gridLines);
    QCOMPARE(s.squares, std::optional<qint32>(65280));
    QVERIFY(s.useOutline);
    QCOMPARE(s.layoutMethod, LayoutMethod::Thorough);
}

void tst_Settings::layoutMethodReadsBack_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<LayoutMethod>("method");
    QTest::newRow("fit") << QByteArray("fit") << LayoutMethod::Fit;
    QTest::newRow("Fit") << QByteArray(" Fit ") << LayoutMethod::Fit;
    QTest::newRow("thorough") << QByteArray("Thorough") << LayoutMethod::Thorough;
    QTest::newRow("unknown, from a newer version")
        << QByteArray("Fastest") << LayoutMethod::Classic;
}

void tst_Settings::layoutMethodReadsBack()
{
    QFETCH(QByteArray, stored);
    QFETCH(LayoutMethod, method);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Crossword.ini"));
    writeAll(path, "[Default Settings]\r\nLayoutMethod=" + stored + "\r\n");
    QCOMPARE(readDefaultSettings(path).layoutMethod, method);
    // Written back under its own name, it reads as the same method.
    SettingsValues v;
    v.layoutMethod = method;
    QVERIFY(writeDefaultSettings(path, v).ok());
    QCOMPARE(readDefaultSettings(path).layoutMethod, method);
}

void tst_Settings::saveWritesKeysInOrder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Crossword.ini"));
    writeAll(path, QByteArray());
    SettingsValues v;
    v.title = QStringLiteral("Birds");
    v.topic = QString();
    v.width = QStringLiteral("20");
    v.height = QStringLiteral("12");
    v.background = qint32(0x80000005u);
    v.gridLines = 200;
    v.squares = 16777215;
    v.useOutline = false;
    v.layoutMethod = LayoutMethod::Thorough;
    QVERIFY(writeDefaultSettings(path, v).ok());
    QCOMPARE(readAll(path),
             QByteArray("[Default Settings]\r\nTitle=Birds\r\nTopic=\r\nWidth=20\r\nHeight=12\r\n"
                        "Background=-2147483643\r\nGridLines=200\r\nSquares=16777215\r\n"
                        "UseOutline=False\r\nLayoutMethod=Thorough\r\n"));
    // And it reads back as written.
    const DefaultSettings s = readDefaultSettings(path);
    QCOMPARE(s.width, qint16(20));
    QCOMPARE(s.background, std::optional<qint32>(qint32(0x80000005u)));
    QVERIFY(!s.useOutline);
    QCOMPARE(s.layoutMethod, LayoutMethod::Thorough);
}

void tst_Settings::factoryValuesLeaveOutlineAndOtherSectionsAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Crossword.ini"));
    writeAll(path, "[Default Settings]\r\nTitle=Old\r\nUseOutline=True\r\nWidth=9\r\n"
                   "[Other]\r\nKey=1\r\n");
    QVERIFY(writeDefaultSettings(path, factorySettings()).ok());
    QCOMPARE(readAll(path),
             QByteArray("[Default Settings]\r\nTitle=Crossword\r\nUseOutline=True\r\nWidth=16\r\n"
                        "Topic=\r\nHeight=16\r\nBackground=0\r\nGridLines=6381921\r\n"
                        "Squares=16777215\r\n[Other]\r\nKey=1\r\n"));
}

void tst_Settings::failedWriteIsReportedAndKeepsTheFile()
{
    QTemporaryDir dir;
    // The "file" is a folder: nothing can be written there.
    const QString path = dir.filePath(QStringLiteral("Crossword.ini"));
    QVERIFY(QDir().mkpath(path));
    const Result<> r = writeDefaultSettings(path, factorySettings());
    QVERIFY(!r.ok());
    QVERIFY(!r.message().text.isEmpty());
    QVERIFY(QFileInfo(path).isDir());
}

void tst_Settings::settingsFolder_data()
{
    QTest::addColumn<QString>("program");   // the program's folder, below the test folder
    QTest::addColumn<QString>("installed"); // the install prefix's bin folder; @ the program's
    QTest::addColumn<bool>("oldIni");       // it holds a Crossword.ini
    QTest::addColumn<bool>("foreign");      // another user owns it
    QTest::addColumn<bool>("beside");       // the settings live beside the program

    const QString bin = QStringLiteral("/usr/bin");
    QTest::newRow("build or portable folder") << "program" << bin << false << false << true;
    QTest::newRow("portable, read-only with its ini") << "readonly" << bin << true << false << true;
    QTest::newRow("missing folder") << "not-there" << bin << false << false << false;
    // Root can write to the install folder; the settings still go to root's own folder.
    QTest::newRow("installed, writable") << "program"
                                         << "@" << false << false << false;
    // A settings file an older version left there is no longer everyone's.
    QTest::newRow("installed, old ini beside it") << "program"
                                                  << "@" << true << false << false;
    QTest::newRow("unpacked package") << "root/usr/bin" << bin << false << false << false;
    QTest::newRow("another user's folder") << "program" << bin << false << true << false;
}

void tst_Settings::settingsFolder()
{
    QFETCH(QString, program);
    QFETCH(QString, installed);
    QFETCH(bool, oldIni);
    QFETCH(bool, foreign);
    QFETCH(bool, beside);
    QTemporaryDir dir;
    const QString folder = dir.filePath(program);
    if (program != QLatin1String("not-there"))
        QVERIFY(QDir().mkpath(folder));
    if (oldIni) {
        QFile ini(folder + QStringLiteral("/Crossword.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
    }
    if (program == QLatin1String("readonly"))
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    if (foreign && ::chown(QFile::encodeName(folder).constData(), 65534, 65534) != 0)
        QSKIP("only root can give a folder to another user");

    const AppPaths p = resolveAppPaths(folder, dir.filePath(QStringLiteral("config")),
                                       dir.filePath(QStringLiteral("docs")),
                                       installed == QLatin1String("@") ? folder : installed);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString expected = beside ? folder + QLatin1Char('/') : dir.filePath("config/");
    QCOMPARE(p.settingsFolder, expected);
    QCOMPARE(p.settingsFile, expected + QStringLiteral("Crossword.ini"));
    QCOMPARE(p.dialogFolder, beside ? expected : dir.filePath(QStringLiteral("docs/")));
}

void tst_Settings::folderPathsEndInOneSlash_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << "/opt/velloquin"
                          << "/opt/velloquin/";
    QTest::newRow("one") << "/opt/velloquin/"
                         << "/opt/velloquin/";
    QTest::newRow("two") << "/opt/velloquin//"
                         << "/opt/velloquin/";
    QTest::newRow("root") << "/"
                          << "/";
}

void tst_Settings::folderPathsEndInOneSlash()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(withTrailingSlash(folder), expected);
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_settings.moc"
