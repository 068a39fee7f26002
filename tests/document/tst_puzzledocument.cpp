// SPDX-License-Identifier: MIT
#include "crosswordfile.h"
#include "gridedit.h"
#include "puzzledocument.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Velloquin;

namespace {

using Operation = std::function<void(PuzzleDocument &)>;

// CAT across from (2, 2) and COW down from (2, 2) on a 10 x 10 grid; OTTER stored.
void fill(PuzzleDocument &d)
{
    d.newPuzzle(10, 10, QStringLiteral("Farm"), QStringLiteral("Animals"));
    QVERIFY(
        d.placeWord(2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet")).ok());
    QVERIFY(d.placeWord(2, 2, Direction::Down, QStringLiteral("COW"), QStringLiteral("Milk")).ok());
    QCOMPARE(d.storeWord(QStringLiteral("otter"), QStringLiteral("Swims")), StoreWordCheck::Stored);
}

QStringList answers(const PuzzleDocument &d)
{
    QStringList list;
    if (!d.puzzle().isEmpty)
        for (const GridWord &w : d.puzzle().words)
            list << w.answer;
    return list;
}

QStringList stored(const PuzzleDocument &d)
{
    QStringList list;
    for (qsizetype i = 1; i < d.storedWords().size(); ++i)
        list << d.storedWords().at(i).word;
    return list;
}

} // namespace

class tst_PuzzleDocument : public QObject
{
    Q_OBJECT

private slots:
    // Each edit announces what it changed, marks the document modified and leaves the
    // squares numbered; the rest stays as it was.
    void editsAnnounceWhatChanged_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<bool>("puzzleChanges");
        QTest::addColumn<bool>("storedChanges");
        QTest::addColumn<QStringList>("answersAfter");
        QTest::addColumn<QStringList>("storedAfter");

        const QStringList both{QStringLiteral("CAT"), QStringLiteral("COW")};
        const QStringList otter{QStringLiteral("OTTER")};
        QTest::newRow("place a stored word") << Operation([](PuzzleDocument &d) {
            QVERIFY(d.placeWord(4, 1, Direction::Down, QStringLiteral("otter"), {}).ok());
        }) << true << true << QStringList{"CAT", "COW", "OTTER"}
                                             << QStringList();
        QTest::newRow("place a new word") << Operation([](PuzzleDocument &d) {
            QVERIFY(d.placeWord(4, 2, Direction::Down, QStringLiteral("TOE"), {}).ok());
        }) << true << false << QStringList{"CAT", "COW", "TOE"}
                                          << otter;
        QTest::newRow("replace a word") << Operation([](PuzzleDocument &d) {
            QVERIFY(d.replaceWord(0, QStringLiteral("cab"), QStringLiteral("Taxi")).ok());
        }) << true << false << QStringList{"CAB", "COW"}
                                        << otter;
        QTest::newRow("delete stores the word again") << Operation([](PuzzleDocument &d) {
            QCOMPARE(d.deleteWord(1, QStringLiteral("cow"), {}), StoreWordCheck::Stored);
        }) << true << true << QStringList{"CAT"} << QStringList{"OTTER", "COW"};
        QTest::newRow("move") << Operation([](PuzzleDocument &d) {
            QVERIFY(d.movePuzzle(MoveDirection::Right).ok());
        }) << true << false << both
                              << otter;
        QTest::newRow("resize drops what no longer fits") << Operation([](PuzzleDocument &d) {
            d.changeProperties(QStringLiteral("Farm"), QStringLiteral("Animals"), 5, 4);
        }) << true << false << QStringList{"CAT"} << otter;
        QTest::newRow("title") << Operation([](PuzzleDocument &d) {
            d.changeProperties(QStringLiteral("Zoo"), QStringLiteral("Animals"), 10, 10);
        }) << true << false << both
                               << otter;
        QTest::newRow("store") << Operation([](PuzzleDocument &d) {
            QCOMPARE(d.storeWord(QStringLiteral("heron"), {}), StoreWordCheck::Stored);
        }) << false << true << both
                               << QStringList{"OTTER", "HERON"};
        QTest::newRow("remove stored") << Operation([](PuzzleDocument &d) {
            QVERIFY(d.removeStoredWord(QStringLiteral("Otter")));
        }) << false << true << both << QStringList();
        QTest::newRow("new layout") << Operation([](PuzzleDocument &d) {
            CrosswordData p;
            newCrossword(p, 10, 10);
            QVERIFY(addWord(p, 0, 0, QStringLiteral("OTTER"), Direction::Down, {}, true,
                            PlacementCheck::ApplyRules)
                        .ok());
            d.replaceLayout(p, newExtraWords());
        }) << true << true << QStringList{"OTTER"}
                                    << QStringList();
    }
    void editsAnnounceWhatChanged()
    {
        QFETCH(Operation, operation);
        QFETCH(bool, puzzleChanges);
        QFETCH(bool, storedChanges);
        QFETCH(QStringList, answersAfter);
        QFETCH(QStringList, storedAfter);

        PuzzleDocument d;
        fill(d);
        QVERIFY(d.save(m_dir.filePath(QStringLiteral("farm.cwd"))).ok());
        QVERIFY(!d.isModified());
        QSignalSpy puzzleSpy(&d, &PuzzleDocument::puzzleChanged);
        QSignalSpy storedSpy(&d, &PuzzleDocument::storedWordsChanged);
        QSignalSpy modifiedSpy(&d, &PuzzleDocument::modifiedChanged);
        QSignalSpy replacedSpy(&d, &PuzzleDocument::documentReplaced);

        operation(d);
        QCOMPARE(answers(d), answersAfter);
        QCOMPARE(stored(d), storedAfter);
        QCOMPARE(puzzleSpy.size(), puzzleChanges ? 1 : 0);
        QCOMPARE(storedSpy.size(), storedChanges ? 1 : 0);
        QCOMPARE(modifiedSpy.size(), 1);
        QVERIFY(d.isModified());
        QCOMPARE(replacedSpy.size(), 0);
        CrosswordData numbered = d.puzzle();
        numberSquares(numbered);
        QCOMPARE(d.puzzle(), numbered);
    }

    // A refused edit changes nothing and announces nothing.
    void refusalsLeaveTheDocumentAsItWas_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::newRow("place clashing") << Operation([](PuzzleDocument &d) {
            QVERIFY(!d.placeWord(1, 3, Direction::Across, QStringLiteral("DIG"), {}).ok());
        });
        QTest::newRow("replace clashing") << Operation(
            [](PuzzleDocument &d) { QVERIFY(!d.replaceWord(1, QStringLiteral("DOG"), {}).ok()); });
        QTest::newRow("store twice") << Operation([](PuzzleDocument &d) {
            QCOMPARE(d.storeWord(QStringLiteral("OTTER"), {}), StoreWordCheck::AlreadyUsed);
            QCOMPARE(d.storeWord(QStringLiteral("cow"), {}), StoreWordCheck::AlreadyUsed);
            QCOMPARE(d.storeWord(QStringLiteral("OX"), {}), StoreWordCheck::TooShort);
        });
        QTest::newRow("remove what is not stored") << Operation(
            [](PuzzleDocument &d) { QVERIFY(!d.removeStoredWord(QStringLiteral("CAT"))); });
        QTest::newRow("same title") << Operation([](PuzzleDocument &d) {
            d.changeProperties(QStringLiteral("Farm"), QStringLiteral("Animals"), 10, 10);
        });
        QTest::newRow("word list that cannot be read") << Operation([](PuzzleDocument &d) {
            WordList list;
            QVERIFY(!d.importWordList(QStringLiteral("/no/such/list.txt"), &list).ok());
        });
        QTest::newRow("file that cannot be read") << Operation([](PuzzleDocument &d) {
            QVERIFY(!d.open(QStringLiteral("/no/such/file.cwd"), 16, 16).ok());
        });
    }
    void refusalsLeaveTheDocumentAsItWas()
    {
        QFETCH(Operation, operation);
        PuzzleDocument d;
        fill(d);
        const QString path = m_dir.filePath(QStringLiteral("kept.cwd"));
        QVERIFY(d.save(path).ok());
        const CrosswordData puzzle = d.puzzle();
        const ExtraWords words = d.storedWords();
        QSignalSpy modifiedSpy(&d, &PuzzleDocument::modifiedChanged);
        QSignalSpy puzzleSpy(&d, &PuzzleDocument::puzzleChanged);
        operation(d);
        QCOMPARE(d.puzzle(), puzzle);
        QCOMPARE(d.storedWords(), words);
        QCOMPARE(d.fileName(), path);
        QVERIFY(!d.isModified());
        QCOMPARE(modifiedSpy.size(), 0);
        QCOMPARE(puzzleSpy.size(), 0);
    }

    // Save, New and Open: the file name, the modified flag and a fresh start.
    void fileOperations()
    {
        PuzzleDocument d;
        QSignalSpy names(&d, &PuzzleDocument::fileNameChanged);
        QSignalSpy replaced(&d, &PuzzleDocument::documentReplaced);
        fill(d);
        QCOMPARE(replaced.size(), 1);
        QVERIFY(d.isModified());
        const QString path = m_dir.filePath(QStringLiteral("farm2.cwd"));
        QVERIFY(d.save(path).ok());
        QCOMPARE(names.size(), 1);
        QCOMPARE(d.fileName(), path);
        QVERIFY(!d.isModified());
        const CrosswordData saved = d.puzzle();
        const ExtraWords savedWords = d.storedWords();

        d.newPuzzle(7, 6, QStringLiteral("Fresh"), QString());
        QCOMPARE(replaced.size(), 2);
        QVERIFY(d.puzzle().isEmpty);
        QCOMPARE(d.fileName(), QString());
        QCOMPARE(d.storedWords(), savedWords); // New keeps the stored words
        QVERIFY(!d.isModified());

        QVERIFY(!d.save(m_dir.filePath(QStringLiteral("missing/x.cwd"))).ok());
        QCOMPARE(d.fileName(), QString());

        PuzzleProblems problems;
        QVERIFY(d.open(path, 16, 16, &problems).ok());
        QCOMPARE(replaced.size(), 3);
        QVERIFY(!problems.any());
        QCOMPARE(d.puzzle(), saved);
        QCOMPARE(d.storedWords(), savedWords);
        QCOMPARE(d.fileName(), path);
        QVERIFY(!d.isModified());

        // An imported puzzle has no file yet and is unsaved work.
        CrosswordData other;
        newCrossword(other, 8, 8);
        QVERIFY(addWord(other, 0, 0, QStringLiteral("HEN"), Direction::Across, {}, true,
                        PlacementCheck::ApplyRules)
                    .ok());
        d.importPuzzle(other);
        QCOMPARE(replaced.size(), 4);
        QCOMPARE(answers(d), QStringList{"HEN"});
        QCOMPARE(d.puzzle().words.at(0).number, qint16(1));
        QCOMPARE(stored(d), QStringList());
        QCOMPARE(d.fileName(), QString());
        QVERIFY(d.isModified());
    }

    // Words already stored or on the grid are skipped by the import.
    void importWordListSkipsWordsInUse()
    {
        PuzzleDocument d;
        fill(d);
        const QString path = m_dir.filePath(QStringLiteral("list.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("cat\nheron\notter\nmole\n");
        file.close();
        QSignalSpy storedSpy(&d, &PuzzleDocument::storedWordsChanged);
        WordList list;
        QVERIFY(d.importWordList(path, &list).ok());
        QCOMPARE(stored(d), (QStringList{"OTTER", "HERON", "MOLE"}));
        QCOMPARE(list.skipped.size(), 2);
        QCOMPARE(storedSpy.size(), 1);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_PuzzleDocument)
#include "tst_puzzledocument.moc"
