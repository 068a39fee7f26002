// SPDX-License-Identifier: MIT
// The safe writer replaces a file's content, not what the file is: its permissions and a
// link pointing at it stay. (Its behaviour on a full disk is tested in cli.tst_fulldisk.)
#include "safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <utime.h>

using namespace Velloquin;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestSafeFile : public QObject
{
    Q_OBJECT

private slots:
    void keepsPermissionsAndLinks()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("puzzle.cwd"));
        QVERIFY(!writeFileSafely(file, "old"));
        const QFileDevice::Permissions mode =
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(file, mode));
        const QString link = dir.filePath(QStringLiteral("link.cwd"));
        QVERIFY(QFile::link(file, link));

        QCOMPARE(writeFileSafely(link, "new"), std::nullopt);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readAll(file), QByteArray("new"));
        QCOMPARE(QFile::permissions(file) & 0x7077, mode & 0x7077);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 (QStringList{"link.cwd", "puzzle.cwd"}));
    }

    void failureGivesTheSystemReasonAndLeavesNothing()
    {
        QTemporaryDir dir;
        const std::optional<QString> missing =
            writeFileSafely(dir.filePath(QStringLiteral("no/such/folder.cwd")), "x");
        QCOMPARE(missing, QStringLiteral("No such file or directory"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.cwd")));
        QCOMPARE(writeFileSafely(dir.filePath(QStringLiteral("folder.cwd")), "x"),
                 QStringLiteral("Is a directory"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"folder.cwd"});
    }

    // Odd targets: each row is written whole or refused, and leaves no temporary file.
    void oddTargets_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("linkTo"); // the name is made a link to this, if given
        QTest::addColumn<QString>("reason"); // empty: written
        QTest::newRow("name of 255 bytes") << QString(251, QLatin1Char('n')) + ".cwd"
                                           << ""
                                           << "";
        QTest::newRow("link to itself") << "loop.cwd"
                                        << "loop.cwd"
                                        << "Too many levels of symbolic links";
        QTest::newRow("dangling link makes its file") << "link.cwd"
                                                      << "made.cwd"
                                                      << "";
    }

    void oddTargets()
    {
        QFETCH(QString, name);
        QFETCH(QString, linkTo);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (!linkTo.isEmpty())
            QVERIFY(QFile::link(dir.filePath(linkTo), path));
        QCOMPARE(writeFileSafely(path, "new").value_or(QString()), reason);
        QCOMPARE(QFileInfo(path).isSymLink(), !linkTo.isEmpty());
        if (reason.isEmpty())
            QCOMPARE(readAll(path), QByteArray("new"));
        QVERIFY(QDir(dir.path()).entryList({".velloquin-*"}, QDir::Files | QDir::Hidden).isEmpty());
    }

    // A temporary file left by a killed write is removed once it is a day old; a newer one
    // may belong to a save under way, and a file of another name is not ours.
    void removesStaleTemporaryFiles()
    {
        QTemporaryDir dir;
        const QStringList names{".velloquin-aB3xYz", ".velloquin-Q1w2E3", ".other-aB3xYz"};
        for (const QString &name : names)
            QVERIFY(!writeFileSafely(dir.filePath(name), "left over"));
        const time_t twoDaysAgo = ::time(nullptr) - 2 * 24 * 60 * 60;
        const struct utimbuf old
        {
            twoDaysAgo, twoDaysAgo
        };
        QCOMPARE(::utime(QFile::encodeName(dir.filePath(names.at(0))).constData(), &old), 0);
        QCOMPARE(::utime(QFile::encodeName(dir.filePath(names.at(2))).constData(), &old), 0);

        QVERIFY(!writeFileSafely(dir.filePath(QStringLiteral("puzzle.cwd")), "x"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{".other-aB3xYz", ".velloquin-Q1w2E3", "puzzle.cwd"}));
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
