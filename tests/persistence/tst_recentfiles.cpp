// SPDX-License-Identifier: MIT
#include "recentfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

class TestRecentFiles : public QObject
{
    Q_OBJECT

private slots:
    void newestFirstWithoutRepeats_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("first") << QStringList{} << QStringList{"x"};
        QTest::newRow("moves to the front")
            << QStringList{"a", "x", "b"} << QStringList{"x", "a", "b"};
        QTest::newRow("the oldest goes") << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}
                                         << QStringList{"x", "1", "2", "3", "4", "5", "6", "7"};
    }

    void newestFirstWithoutRepeats()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QTemporaryDir dir;
        const QString settings = dir.filePath("Crossword.ini");
        // A longer list written first leaves nothing behind when a shorter one follows.
        QVERIFY(writeRecentFiles(settings,
                                 {"old1", "old2", "old3", "old4", "old5", "old6", "old7", "old8"}));
        QVERIFY(writeRecentFiles(settings, withRecentFile(before, "x")));
        QCOMPARE(readRecentFiles(settings), after);
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
