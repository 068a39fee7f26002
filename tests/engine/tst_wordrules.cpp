// SPDX-License-Identifier: MIT
#include "gridedit.h"
#include "wordrules.h"

#include <QTest>

using namespace Velloquin;

namespace {

// CAT across at (5, 2) and ARM down from its A at (6, 2), on a 16 x 16 grid.
CrosswordData catAndArm()
{
    CrosswordData p;
    newCrossword(p, 16, 16);
    addWord(p, 5, 2, QStringLiteral("CAT"), Direction::Across, QStringLiteral("Pet"), true,
            PlacementCheck::ApplyRules);
    addWord(p, 6, 2, QStringLiteral("ARM"), Direction::Down, QStringLiteral("Limb"), true,
            PlacementCheck::ApplyRules);
    return p;
}

} // namespace

class tst_WordRules : public QObject
{
    Q_OBJECT

private slots:
    // A placed word's new answer is checked as a new word would be, with the old one
    // taken off the grid; it keeps its square, direction and place in the list.
    void replaceWordIsCheckedLikeANewWord_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("refusal"); // empty: accepted
        QTest::newRow("same letter at the crossing") << "oak" << QString();
        QTest::newRow("longer, still crossing") << "RATTLE" << QString();
        QTest::newRow("shorter than three") << "CA"
                                            << "Word too small";
        QTest::newRow("different letter at the crossing") << "COT"
                                                          << "Add Word Error";
        QTest::newRow("past the grid's edge") << "CATERPILLARS"
                                              << "Error";
    }
    void replaceWordIsCheckedLikeANewWord()
    {
        QFETCH(QString, answer);
        QFETCH(QString, refusal);
        CrosswordData p = catAndArm();
        const CrosswordData before = p;
        const Result<> r = replaceWord(p, 0, answer, QStringLiteral("New clue"));
        if (refusal.isEmpty()) {
            QVERIFY(r.ok());
            GridWord expected = before.words.at(0);
            expected.answer = answer.toUpper();
            expected.clue = QStringLiteral("New clue");
            QCOMPARE(p.words.at(0), expected);
            QCOMPARE(p.words.at(1), before.words.at(1));
        } else {
            QVERIFY(!r.ok());
            QCOMPARE(r.message().title, refusal);
            QCOMPARE(p, before);
        }
    }

    void storeWordRules_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<StoreWordCheck>("check");
        QTest::addColumn<QStringList>("storedAfter");
        QTest::newRow("new word, upper-cased")
            << "heron" << StoreWordCheck::Stored << QStringList{"OTTER", "HERON"};
        QTest::newRow("already stored")
            << "Otter" << StoreWordCheck::AlreadyUsed << QStringList{"OTTER"};
        QTest::newRow("placed on the grid")
            << "cat" << StoreWordCheck::AlreadyUsed << QStringList{"OTTER"};
        QTest::newRow("shorter than three")
            << "OX" << StoreWordCheck::TooShort << QStringList{"OTTER"};
    }
    void storeWordRules()
    {
        QFETCH(QString, word);
        QFETCH(StoreWordCheck, check);
        QFETCH(QStringList, storedAfter);
        const CrosswordData p = catAndArm();
        ExtraWords stored = newExtraWords();
        stored.append(ExtraWord{QStringLiteral("OTTER"), QStringLiteral("Swims")});
        QCOMPARE(storeWord(stored, p, word, QStringLiteral("clue")), check);
        QStringList words;
        for (qsizetype i = 1; i < stored.size(); ++i)
            words << stored.at(i).word;
        QCOMPARE(words, storedAfter);
        if (check == StoreWordCheck::Stored)
            QCOMPARE(stored.last().clue, QStringLiteral("clue"));
        if (check == StoreWordCheck::TooShort)
            QCOMPARE(storeWordRefusal(check).title, QStringLiteral("Word Legth Error"));
    }

    void storeWordRefusesAFullList()
    {
        ExtraWords stored(kMaxWordIndex + 1);
        QCOMPARE(storeWord(stored, catAndArm(), QStringLiteral("HERON"), {}), StoreWordCheck::Full);
        QCOMPARE(stored.size(), kMaxWordIndex + 1);
        QCOMPARE(storeWordRefusal(StoreWordCheck::Full), storedWordsFullMessage());
    }

    // The first stored entry with the word goes; the placeholder never does.
    void removeStoredWord()
    {
        ExtraWords stored = newExtraWords();
        for (const char *w : {"OTTER", "HERON", "OTTER"})
            stored.append(ExtraWord{QString::fromLatin1(w), {}});
        QVERIFY(::removeStoredWord(stored, QStringLiteral("otter")));
        QCOMPARE(stored.size(), 3);
        QCOMPARE(stored.at(1).word, QStringLiteral("HERON"));
        QCOMPARE(stored.at(2).word, QStringLiteral("OTTER"));
        QVERIFY(!::removeStoredWord(stored, QString()));
        QCOMPARE(stored.size(), 3);
    }
};

QTEST_GUILESS_MAIN(tst_WordRules)
#include "tst_wordrules.moc"
