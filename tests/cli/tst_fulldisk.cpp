// SPDX-License-Identifier: MIT
// Saving onto a file system that is full to the last block: every writer must fail with
// the system's reason and leave the old file exactly as it was, with no temporary file
// beside it. A real full tmpfs is used, since the fault lives in how buffered writers
// and the kernel meet; mounting needs root, so elsewhere the test is skipped.
#include "clirun.h"

#include "settings.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

using namespace Velloquin;

namespace {

QString fixture(const char *name)
{
    return QStringLiteral(VELLOQUIN_TESTDATA "/") + QLatin1String(name);
}

// Fills the file system holding path until not one more byte fits; true on ENOSPC.
bool fillUp(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'x');
    int error = 0;
    for (qsizetype size = block.size(); size > 0; size /= 2) {
        while (::write(fd, block.constData(), size_t(size)) == ssize_t(size)) {
        }
        error = errno;
    }
    ::close(fd);
    return error == ENOSPC;
}

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_mount;
    bool m_mounted = false;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        if (::geteuid() != 0)
            QSKIP("Mounting a small full file system needs root.");
        m_mount = m_dir.filePath(QStringLiteral("full"));
        QVERIFY(QDir().mkpath(m_mount));
        QProcess mount;
        mount.start(QStringLiteral("mount"),
                    {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                     QStringLiteral("size=64k"), QStringLiteral("tmpfs"), m_mount});
        if (!mount.waitForFinished(30000) || mount.exitStatus() != QProcess::NormalExit ||
            mount.exitCode() != 0)
            QSKIP(qPrintable(QStringLiteral("Could not mount a tmpfs: %1")
                                 .arg(QString::fromLocal8Bit(mount.readAllStandardError()))));
        m_mounted = true;
    }

    // Whatever a failed row left behind must not fill the next one's disk.
    void init()
    {
        QDir mount(m_mount);
        for (const QString &name :
             mount.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            QFile::remove(mount.filePath(name));
    }

    void cleanupTestCase()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_mount});
    }

    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("command"); // empty: the settings file is saved
        const QString puzzle = fixture("animals.cwd");
        QTest::newRow("puzzle") << "puzzle.cwd" << QStringList{"store", "@", "HELLO", "hi"};
        QTest::newRow("settings") << "Crossword.ini" << QStringList{};
        for (const char *suffix : {"docx", "pdf", "ipuz", "puz", "png", "bmp"}) {
            const QString name = QStringLiteral("out.") + QLatin1String(suffix);
            QTest::newRow(suffix) << name << QStringList{"export", puzzle, "@"};
        }
        QTest::newRow("render") << "grid.png" << QStringList{"render", puzzle, "@"};
    }

    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, command);
        const QString target = QDir(m_mount).filePath(name);
        const QByteArray old = name.endsWith(QLatin1String(".cwd"))
                                   ? readFileBytes(fixture("animals.cwd"))
                                   : QByteArrayLiteral("[Default Settings]\r\nTitle=Old\r\n");
        QVERIFY(writeFileBytes(target, old));
        const QString filler = QDir(m_mount).filePath(QStringLiteral("filler"));
        QVERIFY(fillUp(filler));

        QString reason;
        if (command.isEmpty()) {
            SettingsValues values = factorySettings();
            values.title = QStringLiteral("New");
            const Result<> saved = writeDefaultSettings(target, values);
            QVERIFY(!saved.ok());
            reason = saved.message().text;
        } else {
            command.replaceInStrings(QStringLiteral("@"), target);
            const CliRun run = runCli(command);
            QVERIFY2(run.exitCode > 0, qPrintable(run.err));
            reason = run.err;
        }
        QFile::remove(filler);

        QVERIFY2(reason.contains(QLatin1String("No space left on device")), qPrintable(reason));
        QCOMPARE(readFileBytes(target), old);
        QCOMPARE(QDir(m_mount).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{name});
    }
};

QTEST_GUILESS_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
