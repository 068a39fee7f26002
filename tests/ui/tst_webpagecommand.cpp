// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "htmlpage.h"
#include "webpagecommand.h"

#include <QAction>
#include <QMenu>
#include <QTest>

using namespace Velloquin;

class TestWebPageCommand : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<MainWindow> m_window;
    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }
    QString file(const QString &name) const { return m_fixture->dir.filePath(name); }
    void trigger()
    {
        auto *action = m_window->findChild<QAction *>(QStringLiteral("mnuExportHtml"));
        QVERIFY(action);
        action->trigger();
    }
    void placeWords()
    {
        CrosswordData p = m_window->puzzle();
        QVERIFY(addWord(p, 2, 2, "CASTLE", Direction::Across, "Fortress", true,
                        PlacementCheck::ApplyRules)
                    .ok());
        QVERIFY(addWord(p, 2, 2, "CROWN", Direction::Down, "Worn by a king", true,
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

    void commandIsInTheExportMenu()
    {
        QCOMPARE(m_window->findChildren<QMenu *>(QStringLiteral("mnuExport")).size(), 1);
        auto *exportMenu = m_window->findChild<QMenu *>(QStringLiteral("mnuExport"));
        QVERIFY(exportMenu);
        auto *action = m_window->findChild<QAction *>(QStringLiteral("mnuExportHtml"));
        QVERIFY(action);
        QVERIFY(exportMenu->actions().contains(action));
        QCOMPARE(action->text(), QString("&Web Page (HTML)..."));
    }

    void writesThePageAddingTheExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "castle"
                                      << "castle.html";
        QTest::newRow(".htm kept") << "castle.HTM"
                                   << "castle.HTM";
        QTest::newRow("other extension") << "castle.txt"
                                         << "castle.txt.html";
    }
    void writesThePageAddingTheExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        placeWords();
        dialogs().paths.enqueue(file(chosen));
        trigger();
        QCOMPARE(dialogs().titles(), QStringList{" Save this web page as:"});
        QCOMPARE(dialogs().shown.at(0).filter, QString("Web page (*.html *.htm)"));
        const Result<QByteArray> expected = webPageBytes(m_window->puzzle());
        QVERIFY(expected.ok());
        QFile page(file(written));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QCOMPARE(page.readAll(), expected.value());
    }

    void emptyPuzzleIsRefusedBeforeAskingForAFile()
    {
        trigger();
        QCOMPARE(dialogs().shown.size(), 1);
        QCOMPARE(dialogs().shown.at(0).kind, ScriptedDialogs::Kind::Message);
        QCOMPARE(dialogs().shown.at(0).text,
                 QString("The puzzle cannot be written as a web page.\nIt has no words."));
        QCOMPARE(dialogs().unscripted, 0);
    }

    void cancelOrUnwritableWritesNothing()
    {
        placeWords();
        trigger(); // the file dialog is cancelled
        QCOMPARE(dialogs().titles(), QStringList{" Save this web page as:"});
        dialogs().clearShown();
        dialogs().paths.enqueue(file("no/such/folder/castle.html"));
        trigger();
        QCOMPARE(dialogs().shown.size(), 2);
        QCOMPARE(dialogs().shown.at(1).title, QString("Export Error"));
        QVERIFY(dialogs().shown.at(1).text.startsWith("Could not write "));
        QCOMPARE(QDir(m_fixture->dir.path()).entryList({"*.html"}, QDir::Files), QStringList());
    }
};

QTEST_MAIN(TestWebPageCommand)
#include "tst_webpagecommand.moc"
