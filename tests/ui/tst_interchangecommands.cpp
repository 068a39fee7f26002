// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "gridedit.h"
#include "interchangecommands.h"
#include "ipuzreader.h"
#include "ipuzwriter.h"
#include "puzwriter.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

using namespace Velloquin;

namespace {

using Kind = ScriptedDialogs::Kind;

QStringList captions(const QList<QAction *> &actions)
{
    QStringList list;
    for (QAction *a : actions)
        list << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return list;
}

// With VELLOQUIN_SCREENSHOT_DIR set, saves a picture of the widget there for a person to
// look at.
void screenshot(QWidget *widget, const QString &name)
{
    const QString dir = qEnvironmentVariable("VELLOQUIN_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        widget->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList comboItems(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QStringList answers(const CrosswordData &puzzle)
{
    QStringList list;
    if (!puzzle.isEmpty) {
        for (const GridWord &w : puzzle.words)
            list << QStringLiteral("%1 %2,%3,%4 %5")
                        .arg(w.answer)
                        .arg(w.x)
                        .arg(w.y)
                        .arg(qint32(w.orientation))
                        .arg(w.clue);
    }
    return list;
}

} // namespace

class TestInterchangeCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<MainWindow> m_window;
    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }
    QString file(const QString &name) const { return m_fixture->dir.filePath(name); }
    void trigger(const char *name)
    {
        auto *action = m_window->findChild<QAction *>(QLatin1String(name));
        QVERIFY2(action, name);
        action->trigger();
    }
    // A small puzzle placed through the window's model.
    void placeWords()
    {
        CrosswordData p = m_window->document().puzzle();
        QVERIFY(addWord(p, 2, 2, "CASTLE", Direction::Across, "Fortress", true,
                        PlacementCheck::ApplyRules)
                    .ok());
        QVERIFY(addWord(p, 2, 2, "CROWN", Direction::Down, "Worn by a king", true,
                        PlacementCheck::ApplyRules)
                    .ok());
        QVERIFY(addWord(p, 5, 1, "STONE", Direction::Down, "Building material", true,
                        PlacementCheck::ApplyRules)
                    .ok());
        setPuzzle(*m_window, p);
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<WindowFixture>();
        m_window = m_fixture->start();
        QVERIFY(m_window);
        dialogs().clearShown();
    }
    void cleanup()
    {
        m_window.reset();
        m_fixture.reset();
    }

    void importsFormTheirOwnGroupInTheFileMenu()
    {
        // The imports form their own group in "&File", whose items keep their order.
        QCOMPARE(captions(m_window->menuBar()->actions()).mid(0, 4),
                 (QStringList{"&File", "&Edit", "&Copy..", "E&xport"}));
        const QStringList file = captions(control<QMenu>(*m_window, "mnuFile")->actions());
        const qsizetype wordList = file.indexOf("&Import Word List...");
        QVERIFY(wordList > 0);
        QCOMPARE(file.at(wordList - 1), QString("-"));
        QCOMPARE(file.at(wordList + 1), QString("Import ip&uz..."));
        QCOMPARE(file.at(wordList + 2), QString("-"));
        QStringList original = file;
        original.removeAll("&Import Word List...");
        original.removeAll("Import ip&uz...");
        for (const char *item : {"&New", "&Open", "&Save", "Save &As...", "E&xit"})
            QVERIFY2(original.contains(QLatin1String(item)), item);
        QVERIFY(original.indexOf("&New") < original.indexOf("&Open"));
        QVERIFY(original.indexOf("&Open") < original.indexOf("&Save"));
        QCOMPARE(original.indexOf("Save &As..."), original.indexOf("&Save") + 1);
        QVERIFY(wordList > file.indexOf("Save &As..."));
        QCOMPARE(file.last(), QString("E&xit"));
        QCOMPARE(captions(control<QMenu>(*m_window, "mnuCopy")->actions()),
                 (QStringList{"Copy Crossword &Picture", "Copy Crossword &Clues"}));
        screenshot(m_window->menuBar(), "menubar");
        control<QMenu>(*m_window, "mnuFile")->adjustSize();
        screenshot(control<QMenu>(*m_window, "mnuFile"), "file-menu");
        control<QMenu>(*m_window, "mnuExport")->adjustSize();
        screenshot(control<QMenu>(*m_window, "mnuExport"), "export-menu");
    }

    void importWordListFillsDropDownAndReportsSkippedLines()
    {
        QCOMPARE(m_window->document().storeWord("BISHOP", "Diagonal mover"),
                 StoreWordCheck::Stored);
        placeWords();
        QVERIFY(writeFile(file("chess.txt"),
                          "# chess\nqueen\tMost powerful piece\npawn - Front row\nbishop\n"
                          "castle = Again\nrook\n\tNo word\nk\n"));
        dialogs().paths.enqueue(file("chess.txt"));
        trigger("mnuImportWordList");

        QCOMPARE(dialogs().shown.size(), 2);
        QCOMPARE(dialogs().shown.at(0).kind, Kind::OpenFile);
        QCOMPARE(dialogs().shown.at(0).title, kImportWordListTitle);
        QCOMPARE(dialogs().shown.at(0).filter, kWordListFilter);
        QCOMPARE(comboItems(control<QComboBox>(*m_window, "txtWord")),
                 (QStringList{"BISHOP", "QUEEN", "PAWN", "ROOK"}));
        QCOMPARE(m_window->document().storedWords(),
                 (ExtraWords{ExtraWord{}, ExtraWord{"BISHOP", "Diagonal mover"},
                             ExtraWord{"QUEEN", "Most powerful piece"},
                             ExtraWord{"PAWN", "Front row"}, ExtraWord{"ROOK", ""}}));
        const ScriptedDialogs::Shown &report = dialogs().shown.at(1);
        QCOMPARE(report.title, QString("Import Word List"));
        QCOMPARE(report.icon, Icon::Information);
        QCOMPARE(report.text, QString("3 words were added to the list.\n"
                                      "4 lines were skipped:\n"
                                      "Line 4: 'BISHOP' is already listed.\n"
                                      "Line 5: 'CASTLE' is already listed.\n"
                                      "Line 7: no word before the clue.\n"
                                      "Line 8: 'K' is shorter than 3 letters."));
    }

    void cancelledWordListImportChangesNothing()
    {
        trigger("mnuImportWordList");
        QCOMPARE(dialogs().titles(), QStringList{kImportWordListTitle});
        QCOMPARE(control<QComboBox>(*m_window, "txtWord")->count(), 0);
        QCOMPARE(m_window->document().storedWords(), newExtraWords());
    }

    void importIpuzReplacesPuzzleAsOpenDoes()
    {
        QCOMPARE(m_window->document().storeWord("STALE", "Old"), StoreWordCheck::Stored);
        nameFile(*m_window, file("before.cwd"));
        CrosswordData source;
        newCrossword(source, 12, 9);
        source.title = "Castle";
        source.subject = "Chess";
        QVERIFY(addWord(source, 1, 3, "CASTLE", Direction::Across, "Fortress", true,
                        PlacementCheck::ApplyRules)
                    .ok());
        QVERIFY(addWord(source, 1, 3, "CROWN", Direction::Down, "Worn by a king", true,
                        PlacementCheck::ApplyRules)
                    .ok());
        const Result<QByteArray> bytes = ipuzBytes(source);
        QVERIFY(bytes.ok());
        QVERIFY(writeFile(file("castle.ipuz"), bytes.value()));
        dialogs().paths.enqueue(file("castle.ipuz"));
        trigger("mnuImportIpuz");

        QCOMPARE(dialogs().titles(), QStringList{kImportIpuzTitle});
        QCOMPARE(dialogs().shown.at(0).filter, kIpuzFilter);
        QCOMPARE(answers(m_window->document().puzzle()), answers(source));
        QCOMPARE(m_window->document().puzzle().width, qint16(12));
        QCOMPARE(control<QLineEdit>(*m_window, "txtTitle")->text(), QString("Castle"));
        QCOMPARE(control<QLineEdit>(*m_window, "txtSubject")->text(), QString("Chess"));
        QCOMPARE(control<QComboBox>(*m_window, "txtXSize")->currentText(), QString("12"));
        QCOMPARE(control<QComboBox>(*m_window, "txtX")->count(), 12);
        QCOMPARE(control<QComboBox>(*m_window, "txtY")->count(), 9);
        QCOMPARE(control<QComboBox>(*m_window, "txtWord")->count(), 0);
        QCOMPARE(m_window->document().storedWords(), newExtraWords());
        QVERIFY(m_window->document().fileName().isEmpty());
        QCOMPARE(shownTitle(*m_window), QString("Velloquin*"));
        screenshot(m_window.get(), "imported-ipuz");
    }

    void refusedIpuzLeavesPuzzleAlone()
    {
        placeWords();
        const QStringList before = answers(m_window->document().puzzle());
        dialogs().answers.enqueue(Dialogs::Answer::No); // "Save Changes"
        dialogs().paths.enqueue(
            QStringLiteral(VELLOQUIN_TESTDATA "/formats/packed-blockgrid.ipuz"));
        trigger("mnuImportIpuz");
        QCOMPARE(dialogs().shown.size(), 3);
        QCOMPARE(dialogs().shown.at(2).title, QString("Import Error"));
        QCOMPARE(dialogs().shown.at(2).icon, Icon::Error);
        QVERIFY(dialogs().shown.at(2).text.contains("form a block of four letters"));
        QCOMPARE(answers(m_window->document().puzzle()), before);
    }

    void exportWritesBothFormatsAddingTheExtension()
    {
        placeWords();
        dialogs().paths.enqueue(file("castle"));
        dialogs().paths.enqueue(file("castle.PUZ"));
        trigger("mnuExportIpuz");
        trigger("mnuExportPuz");
        QCOMPARE(dialogs().titles(), (QStringList{" Save this ipuz crossword as:",
                                                  " Save this Across Lite puzzle as:"}));
        QCOMPARE(dialogs().shown.at(0).filter, kIpuzFilter);
        QCOMPARE(dialogs().shown.at(1).filter, QStringLiteral("Across Lite puzzle file (*.puz)"));
        QCOMPARE(dialogs().shown.at(0).text, m_window->commandContext().paths.dialogFolder);
        const IpuzReading back = readIpuzFile(file("castle.ipuz"));
        QVERIFY(back.ok());
        QCOMPARE(answers(back.value()).size(), 3);
        QFile puz(file("castle.PUZ"));
        QVERIFY(puz.open(QIODevice::ReadOnly));
        QCOMPARE(puz.readAll().mid(2, 11), QByteArray("ACROSS&DOWN"));
        QCOMPARE(dialogs().shown.size(), 2); // nothing to say about plain text
    }

    void exportPuzSaysWhatItWritesPlain()
    {
        placeWords();
        CrosswordData p = m_window->document().puzzle();
        p.words[0].clue = QString::fromUtf8("“Home” of a king…");
        setPuzzle(*m_window, p);
        dialogs().paths.enqueue(file("curly.puz"));
        trigger("mnuExportPuz");
        QCOMPARE(dialogs().shown.size(), 2);
        QCOMPARE(dialogs().shown.at(1).title, QString("Export"));
        QCOMPARE(dialogs().shown.at(1).text, kPuzTypographyNote);
        QFile puz(file("curly.puz"));
        QVERIFY(puz.open(QIODevice::ReadOnly));
        QVERIFY(puz.readAll().contains("\"Home\" of a king..."));
    }

    void exportRefusalIsShownAndWritesNothing()
    {
        dialogs().paths.enqueue(file("empty.puz"));
        trigger("mnuExportPuz");
        QCOMPARE(dialogs().shown.size(), 2);
        QCOMPARE(dialogs().shown.at(1).title, QString("Export Error"));
        QCOMPARE(dialogs().shown.at(1).text,
                 QString("The puzzle cannot be written as Across Lite puz.\nIt has no words."));
        QVERIFY(!QFile::exists(file("empty.puz")));
    }
};

QTEST_MAIN(TestInterchangeCommands)
#include "tst_interchangecommands.moc"
