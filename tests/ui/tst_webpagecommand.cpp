// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "exportcommands.h"
#include "htmlpage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QTimer>

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
        CrosswordData p = m_window->document().puzzle();
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
        dialogs().pageOptions.enqueue(WebPageOptions());
        dialogs().paths.enqueue(file(chosen));
        trigger();
        QCOMPARE(dialogs().titles(), (QStringList{"Web Page Options", " Save this web page as:"}));
        QCOMPARE(dialogs().shown.at(1).filter, QString("Web page (*.html *.htm)"));
        const Result<QByteArray> expected = webPageBytes(m_window->document().puzzle());
        QVERIFY(expected.ok());
        QFile page(file(written));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QCOMPARE(page.readAll(), expected.value());
    }

    void teachersChoicesGoIntoThePageAndAreOfferedAgain()
    {
        placeWords();
        const WebPageOptions test{false, false, QStringLiteral("es")};
        dialogs().pageOptions.enqueue(test);
        dialogs().paths.enqueue(file("test.html"));
        trigger();
        const Result<QByteArray> expected = webPageBytes(m_window->document().puzzle(), test);
        QVERIFY(expected.ok());
        QFile page(file("test.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QCOMPARE(page.readAll(), expected.value());
        dialogs().clearShown();
        trigger(); // cancelled at once: the choices are what counts
        QCOMPARE(dialogs().shown.at(0).text, QString("es, check: no, reveal: no"));
    }

    void optionsDialogHandsBackWhatWasTicked()
    {
        QtDialogs qt(m_window.get());
        QVariant offered;
        QTimer::singleShot(0, this, [&offered] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return; // the test times out rather than guessing
            offered = dialog->findChild<QComboBox *>("cboPageLanguage")->currentData();
            dialog->findChild<QCheckBox *>("chkAllowReveal")->setChecked(false);
            dialog->accept();
        });
        const std::optional<WebPageOptions> chosen =
            qt.webPageOptions({true, true, QStringLiteral("fr")});
        QCOMPARE(offered, QVariant("fr"));
        QVERIFY(chosen);
        QVERIFY(chosen->allowCheck && !chosen->allowReveal);
        QCOMPARE(chosen->language, QString("fr"));
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
        trigger(); // the options are cancelled
        QCOMPARE(dialogs().titles(), QStringList{"Web Page Options"});
        dialogs().clearShown();
        dialogs().pageOptions.enqueue(WebPageOptions());
        trigger(); // the file dialog is cancelled
        QCOMPARE(dialogs().titles(), (QStringList{"Web Page Options", " Save this web page as:"}));
        dialogs().clearShown();
        dialogs().pageOptions.enqueue(WebPageOptions());
        dialogs().paths.enqueue(file("no/such/folder/castle.html"));
        trigger();
        QCOMPARE(dialogs().shown.size(), 3);
        QCOMPARE(dialogs().shown.at(2).title, QString("Export Error"));
        QVERIFY(dialogs().shown.at(2).text.startsWith("Could not write "));
        QCOMPARE(QDir(m_fixture->dir.path()).entryList({"*.html"}, QDir::Files), QStringList());
    }
};

QTEST_MAIN(TestWebPageCommand)
#include "tst_webpagecommand.moc"
