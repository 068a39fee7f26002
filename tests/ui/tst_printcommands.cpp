// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "../export/pdftestutil.h"
#include "exportcommands.h"
#include "gridedit.h"
#include "printcommands.h"
#include "wordexport.h"

#include <QAction>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

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

// Print dialogs that answer from their fields and never show anything. The print dialog
// turns the printer into a PDF printer writing to printPath; the preview paints its pages
// onto a PDF printer of its own writing to previewPath, as the preview would show them.
struct ScriptedPrintDialogs : PrintDialogs
{
    Action action = Action::Print;
    PrintParts chosen = PrintParts::PuzzleAndKey;
    bool acceptPrinter = true;
    QString printPath;
    QString previewPath;
    QList<PrintParts> offered;
    int printerDialogs = 0;
    int previews = 0;

    Action chooseParts(PrintParts &parts) override
    {
        offered << parts;
        if (action != Action::Cancel)
            parts = chosen;
        return action;
    }
    bool setUpPrinter(QPrinter &printer) override
    {
        ++printerDialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printPath);
        return acceptPrinter;
    }
    bool preview(QPrinter &printer, const std::function<void(QPrinter &)> &paint) override
    {
        ++previews;
        QPrinter shown(QPrinter::HighResolution);
        shown.setOutputFormat(QPrinter::PdfFormat);
        shown.setOutputFileName(previewPath);
        shown.setPageLayout(printer.pageLayout());
        paint(shown);
        return false;
    }
};

} // namespace

class TestPrintCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<MainWindow> m_window;
    ScriptedPrintDialogs m_print;

    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }
    QString file(const QString &name) const { return m_fixture->dir.filePath(name); }
    void trigger(const char *name)
    {
        auto *action = m_window->findChild<QAction *>(QLatin1String(name));
        QVERIFY2(action, name);
        action->trigger();
    }
    void placeWords()
    {
        CrosswordData p = m_window->document().puzzle();
        p.title = QStringLiteral("Harbour Words");
        p.subject = QStringLiteral("Boats");
        QVERIFY(addWord(p, 1, 1, QStringLiteral("KAYAK"), Direction::Across,
                        QStringLiteral("paddled craft"), false, PlacementCheck::ApplyRules)
                    .ok());
        QVERIFY(addWord(p, 1, 1, QStringLiteral("KETCH"), Direction::Down,
                        QStringLiteral("two masted sailer"), false, PlacementCheck::ApplyRules)
                    .ok());
        setPuzzle(*m_window, p);
    }

private slots:
    void initTestCase()
    {
        if (!pdftest::popplerAvailable())
            QSKIP("poppler-utils (pdfinfo, pdftotext, pdfimages, pdffonts) is not installed");
    }

    void init()
    {
        m_fixture = std::make_unique<WindowFixture>();
        m_window = m_fixture->start();
        QVERIFY(m_window);
        m_print = ScriptedPrintDialogs();
        m_print.printPath = file(QStringLiteral("printed.pdf"));
        m_print.previewPath = file(QStringLiteral("preview.pdf"));
        QVERIFY(printCommands(*m_window));
        printCommands(*m_window)->setDialogs(&m_print);
        placeWords();
    }

    void cleanup()
    {
        m_window.reset();
        m_fixture.reset();
    }

    void printSitsInFileAndWorksheetInExport()
    {
        const QStringList file = captions(control<QMenu>(*m_window, "mnuFile")->actions());
        const qsizetype print = file.indexOf(kPrintCaption);
        QVERIFY(print > 0);
        QCOMPARE(file.mid(print - 1), (QStringList{"-", "&Print...", "-", "E&xit"}));
        auto *printAction = m_window->findChild<QAction *>(QStringLiteral("mnuPrint"));
        QVERIFY(printAction);
        QCOMPARE(printAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));

        const QStringList bar = captions(m_window->menuBar()->actions());
        QCOMPARE(bar.indexOf(QStringLiteral("E&xport")),
                 bar.indexOf(QStringLiteral("&Copy..")) + 1);
        control<QMenu>(*m_window, "mnuFile")->adjustSize();
        screenshot(control<QMenu>(*m_window, "mnuFile"), QStringLiteral("print-file-menu"));
    }

    void printsTheChosenPages_data()
    {
        QTest::addColumn<int>("parts");
        QTest::addColumn<int>("pages");
        QTest::addColumn<bool>("answers");
        QTest::newRow("puzzle and key") << int(PrintParts::PuzzleAndKey) << 2 << true;
        QTest::newRow("puzzle only") << int(PrintParts::PuzzleOnly) << 1 << false;
        QTest::newRow("key only") << int(PrintParts::KeyOnly) << 1 << true;
    }

    void printsTheChosenPages()
    {
        QFETCH(int, parts);
        QFETCH(int, pages);
        QFETCH(bool, answers);
        m_print.chosen = PrintParts(parts);
        QVERIFY(printCommands(*m_window)->print());
        QCOMPARE(m_print.printerDialogs, 1);
        QCOMPARE(m_print.previews, 0);
        QCOMPARE(pdftest::pageCount(m_print.printPath), pages);
        QString text;
        for (int page = 1; page <= pages; ++page)
            text += pdftest::pageText(m_print.printPath, page) + QLatin1Char(' ');
        QVERIFY2(text.contains(QStringLiteral("paddled craft")), qPrintable(text));
        QCOMPARE(text.contains(QStringLiteral("KAYAK")), answers);
        QCOMPARE(text.contains(QStringLiteral("KETCH")), answers);
        QCOMPARE(text.contains(QStringLiteral("Harbour Words Boats")),
                 PrintParts(parts) != PrintParts::KeyOnly);
        QVERIFY(dialogs().shown.isEmpty());
    }

    void previewShowsThePagesWithoutPrinting()
    {
        m_print.action = PrintDialogs::Action::Preview;
        m_print.chosen = PrintParts::KeyOnly;
        trigger("mnuPrint");
        QCOMPARE(m_print.previews, 1);
        QCOMPARE(m_print.printerDialogs, 0);
        QVERIFY(!QFile::exists(m_print.printPath));
        QCOMPARE(pdftest::pageCount(m_print.previewPath), 1);
        QVERIFY(pdftest::pageText(m_print.previewPath, 1).contains(QStringLiteral("answer key")));
    }

    void cancellingPrintsNothing_data()
    {
        QTest::addColumn<bool>("atChoice");
        QTest::newRow("choice of pages") << true;
        QTest::newRow("print dialog") << false;
    }

    void cancellingPrintsNothing()
    {
        QFETCH(bool, atChoice);
        if (atChoice)
            m_print.action = PrintDialogs::Action::Cancel;
        else
            m_print.acceptPrinter = false;
        m_print.chosen = PrintParts::KeyOnly;
        QVERIFY(!printCommands(*m_window)->print());
        QCOMPARE(m_print.printerDialogs, atChoice ? 0 : 1);
        QVERIFY(!QFile::exists(m_print.printPath));
        // A cancelled choice is not remembered.
        QCOMPARE(printCommands(*m_window)->lastParts() == PrintParts::KeyOnly, !atChoice);
    }

    void nextPrintOffersTheLastChoice()
    {
        m_print.chosen = PrintParts::PuzzleOnly;
        trigger("mnuPrint");
        m_print.chosen = PrintParts::KeyOnly;
        trigger("mnuPrint");
        QCOMPARE(m_print.offered,
                 (QList<PrintParts>{PrintParts::PuzzleAndKey, PrintParts::PuzzleOnly}));
    }

    void printerStartsOnTheSystemPaperWithWorksheetMargins()
    {
        QPrinter &printer = printCommands(*m_window)->printer();
        QCOMPARE(printer.pageLayout().pageSize().id(), systemPaperSize());
        const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
        QCOMPARE(qRound(margins.left()), 15);
        QCOMPARE(qRound(margins.top()), 15);
        QCOMPARE(qRound(margins.right()), 15);
        QCOMPARE(qRound(margins.bottom()), 15);
    }

    void worksheetExportAsksForKeyAndFile_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("pages");
        QTest::newRow("with key") << int(Dialogs::Answer::Yes) << "sheet.pdf"
                                  << "sheet.pdf" << 2;
        QTest::newRow("without key") << int(Dialogs::Answer::No) << "sheet.PDF"
                                     << "sheet.PDF" << 1;
        QTest::newRow("extension added") << int(Dialogs::Answer::Yes) << "sheet"
                                         << "sheet.pdf" << 2;
    }

    void worksheetExportAsksForKeyAndFile()
    {
        QFETCH(int, answer);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(int, pages);
        dialogs().answers.enqueue(Dialogs::Answer(answer));
        dialogs().paths.enqueue(file(typed));
        QCOMPARE(exportFromWindow(m_window->commandContext(), QStringLiteral("pdf")),
                 file(written));
        QCOMPARE(dialogs().shown.size(), 2);
        QCOMPARE(dialogs().shown.at(0).kind, Kind::Question);
        QCOMPARE(dialogs().shown.at(0).title, kWorksheetQuestionTitle);
        QCOMPARE(dialogs().shown.at(0).buttons, Dialogs::Buttons::YesNoCancel);
        QCOMPARE(dialogs().shown.at(1).kind, Kind::SaveFile);
        QCOMPARE(dialogs().shown.at(1).filter, QStringLiteral("PDF document (*.pdf)"));
        QCOMPARE(pdftest::pageCount(file(written)), pages);
        QCOMPARE(pdftest::pageSize(file(written), 1), systemPaperSize() == QPageSize::Letter
                                                          ? QStringLiteral("612 x 792")
                                                          : QStringLiteral("595 x 842"));
        QVERIFY(!pdftest::pageText(file(written), 1).contains(QStringLiteral("KAYAK")));
    }

    void worksheetExportStopsWhenCancelled_data()
    {
        QTest::addColumn<bool>("atQuestion");
        QTest::newRow("question") << true;
        QTest::newRow("file dialog") << false;
    }

    void worksheetExportStopsWhenCancelled()
    {
        QFETCH(bool, atQuestion);
        dialogs().answers.enqueue(atQuestion ? Dialogs::Answer::Cancel : Dialogs::Answer::Yes);
        trigger("mnuExportPdf");
        QCOMPARE(dialogs().shown.size(), atQuestion ? 1 : 2);
        QCOMPARE(dialogs().unscripted, atQuestion ? 0 : 1); // the file dialog, cancelled
        QVERIFY(QDir(m_fixture->dir.path()).entryList({"*.pdf"}).isEmpty());
    }

    void worksheetExportReportsAFileItCannotWrite()
    {
        dialogs().answers.enqueue(Dialogs::Answer::Yes);
        dialogs().paths.enqueue(file(QStringLiteral("no/such/folder/sheet.pdf")));
        QCOMPARE(exportFromWindow(m_window->commandContext(), QStringLiteral("pdf")), QString());
        QCOMPARE(dialogs().shown.size(), 3);
        QCOMPARE(dialogs().shown.at(2).kind, Kind::Message);
        QCOMPARE(dialogs().shown.at(2).title, kWorksheetErrorTitle);
        QVERIFY(dialogs().shown.at(2).text.contains(QStringLiteral("sheet.pdf")));
    }

    void qtPreviewShowsTheWorksheetPages()
    {
        // The real preview dialog, closed by a timer once it has drawn its pages.
        QtPrintDialogs qt(m_window.get());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file(QStringLiteral("never.pdf")));
        int pagesShown = -1;
        int paints = 0;
        QTimer::singleShot(0, this, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *dialog = qobject_cast<QPrintPreviewDialog *>(w);
                if (!dialog || !dialog->isVisible())
                    continue;
                auto *view = dialog->findChild<QPrintPreviewWidget *>();
                pagesShown = view ? view->pageCount() : -1;
                dialog->resize(900, 700);
                screenshot(dialog, QStringLiteral("print-preview"));
                dialog->reject();
            }
        });
        const bool printed = qt.preview(printer, [&](QPrinter &onto) {
            ++paints;
            printWorksheet(m_fixture->dialogs, m_window->document().puzzle(), onto,
                           PrintParts::PuzzleAndKey);
        });
        QVERIFY(!printed);
        QVERIFY(paints >= 1);
        QCOMPARE(pagesShown, 2);
        QVERIFY(!QFile::exists(file(QStringLiteral("never.pdf"))));
        QVERIFY(dialogs().shown.isEmpty());
    }

    void partsDialogStartsAtTheGivenChoiceAndTellsTheButton_data()
    {
        QTest::addColumn<int>("parts");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("action");
        QTest::newRow("both, print") << int(PrintParts::PuzzleAndKey) << "optPrintBoth"
                                     << "cmdPrint" << int(PrintDialogs::Action::Print);
        QTest::newRow("puzzle, preview") << int(PrintParts::PuzzleOnly) << "optPrintPuzzle"
                                         << "cmdPreview" << int(PrintDialogs::Action::Preview);
        QTest::newRow("key, cancel") << int(PrintParts::KeyOnly) << "optPrintKey"
                                     << "cmdCancel" << int(PrintDialogs::Action::Cancel);
    }

    void partsDialogStartsAtTheGivenChoiceAndTellsTheButton()
    {
        QFETCH(int, parts);
        QFETCH(QString, checked);
        QFETCH(QString, button);
        QFETCH(int, action);
        PrintPartsDialog dialog(PrintParts(parts), m_window.get());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.findChild<QRadioButton *>(checked)->isChecked());
        QCOMPARE(dialog.parts(), PrintParts(parts));
        screenshot(&dialog, QStringLiteral("print-parts-") + checked);
        // Another choice, then the button.
        dialog.findChild<QRadioButton *>(QStringLiteral("optPrintKey"))->click();
        dialog.findChild<QPushButton *>(button)->click();
        QCOMPARE(dialog.action(), PrintDialogs::Action(action));
        QCOMPARE(dialog.parts(), PrintParts::KeyOnly);
        QCOMPARE(dialog.result(), action == int(PrintDialogs::Action::Cancel)
                                      ? int(QDialog::Rejected)
                                      : int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestPrintCommands)
#include "tst_printcommands.moc"
