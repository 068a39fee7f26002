// SPDX-License-Identifier: MIT
// The safe writer replaces a file's content, not what the file is: its permissions and a
// link pointing at it stay. (Its behaviour on a full disk is tested in cli.tst_fulldisk.)
#include "safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

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
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
