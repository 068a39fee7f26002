// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "crosswordfile.h"
#include "drawing.h"
#include "gradientpanel.h"
#include "picturebox.h"
#include "styledprogressbar.h"
#include "toolbar.h"
#include "wordexport.h"
#include "wordexportflow.h"
#include "zippackage.h"

#include <QLabel>
#include <QScopeGuard>
#include <QTest>

using namespace Velloquin;

namespace {

using Answer = Dialogs::Answer;
using Kind = ScriptedDialogs::Kind;

QImage documentPicture(const QString &docx)
{
    const Result<QMap<QString, QByteArray>> entries = readZipEntries(docx);
    if (!entries)
        return QImage();
    return QImage::fromData(entries.value().value(QStringLiteral("word/media/image1.png")), "PNG");
}

} // namespace

class TestWordExportFlow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<MainWindow> m_window;
    QList<QUrl> m_opened;
    bool m_openResult = true;

    WordExportDesktop desktop()
    {
        WordExportDesktop d;
        d.openDocument = [this](const QUrl &url) {
            m_opened.append(url);
            return m_openResult;
        };
        d.documentsFolder = m_fixture->dir.path() + QStringLiteral("/documents");
        d.paper = QPageSize::A4;
        return d;
    }

    QString documents() const { return m_fixture->dir.path() + QStringLiteral("/documents"); }
    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }

private slots:
    void init()
    {
        m_fixture = std::make_unique<WindowFixture>();
        QDir().mkpath(documents());
        m_window = m_fixture->start();
        QVERIFY(m_window);
        // The puzzle of a file, in a window that has no file name.
        const Result<CrosswordFileContent> file =
            loadCrosswordFile(QStringLiteral(VELLOQUIN_TESTDATA "/animals.cwd"), 16, 16);
        QVERIFY(file.ok());
        setPuzzle(*m_window, file.value().puzzle);
        dialogs().clearShown();
        m_opened.clear();
        m_openResult = true;
    }
    void cleanup()
    {
        m_window.reset();
        m_fixture.reset();
    }

    void cancelAtTheQuestionDoesNothing()
    {
        dialogs().answers.enqueue(Answer::Cancel);
        QCOMPARE(exportWordDocument(m_window->commandContext(), desktop()), QString());
        QCOMPARE(dialogs().titles(), QStringList{hideAnswersTitle()});
        QCOMPARE(dialogs().shown[0].text, hideAnswersText());
        QCOMPARE(dialogs().shown[0].buttons, Dialogs::Buttons::YesNoCancel);
        QVERIFY(!m_window->commandContext().drawOptions().answersHidden);
        QVERIFY(m_opened.isEmpty());
    }

    void hidingTheAnswersExportsThePuzzleWithoutLettersAndBringsThemBack()
    {
        const QImage withLetters = control<PictureBox>(*m_window, "picView")->image().copy();
        dialogs().answers.enqueue(Answer::Yes);
        const QString target = documents() + QStringLiteral("/animals.docx");
        dialogs().paths.enqueue(target);
        QCOMPARE(exportWordDocument(m_window->commandContext(), desktop()), target);

        QCOMPARE(dialogs().titles(), (QStringList{hideAnswersTitle(), saveWordTitle()}));
        const ScriptedDialogs::Shown &save = dialogs().shown[1];
        QCOMPARE(save.kind, Kind::SaveFile);
        QCOMPARE(save.filter, saveWordFilter());
        // The save dialog suggests the puzzle's title in the documents folder.
        QCOMPARE(save.text, documents() + QStringLiteral("/Animals.docx"));
        QCOMPARE(dialogs().unscripted, 0);

        const QImage exported = documentPicture(target);
        QCOMPARE(exported.size(), withLetters.size() * kPrintPictureScale);
        QVERIFY(exported.convertToFormat(QImage::Format_RGB32) !=
                withLetters.convertToFormat(QImage::Format_RGB32));
        QVERIFY(!m_window->commandContext().drawOptions().answersHidden);
        QCOMPARE(control<PictureBox>(*m_window, "picView")
                     ->image()
                     .convertToFormat(QImage::Format_RGB32),
                 withLetters.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(target)});
    }

    void keepingTheAnswersExportsThePictureAsShown()
    {
        dialogs().answers.enqueue(Answer::No);
        const QString target = documents() + QStringLiteral("/shown.docx");
        dialogs().paths.enqueue(target);
        QCOMPARE(exportWordDocument(m_window->commandContext(), desktop()), target);
        // The view's picture at print resolution: scaled back down it is the view's.
        const QImage exported = documentPicture(target);
        const QImage shown = control<PictureBox>(*m_window, "picView")
                                 ->image()
                                 .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(exported.size(), shown.size() * kPrintPictureScale);
        QVERIFY(exported.dotsPerMeterX() * 0.0254 >= 300);
        const QImage back =
            exported.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
        qint64 difference = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x)
                difference += qAbs(qGray(back.pixel(x, y)) - qGray(shown.pixel(x, y)));
        }
        const double mean = double(difference) / (shown.width() * shown.height());
        QVERIFY2(mean < 6, qPrintable(QString::number(mean)));
    }

    void answersAlreadyHiddenAskNoQuestionAndStayHidden()
    {
        control<QAction>(*m_window, "mnuHideAnswers")->trigger();
        const QString target = documents() + QStringLiteral("/hidden.docx");
        dialogs().paths.enqueue(target);
        QCOMPARE(exportWordDocument(m_window->commandContext(), desktop()), target);
        QCOMPARE(dialogs().titles(), QStringList{saveWordTitle()});
        QVERIFY(m_window->commandContext().drawOptions().answersHidden);
    }

    void cancellingTheSaveDialogWritesNothing()
    {
        dialogs().answers.enqueue(Answer::Yes);
        QCOMPARE(exportWordDocument(m_window->commandContext(), desktop()), QString());
        QCOMPARE(dialogs().titles(), (QStringList{hideAnswersTitle(), saveWordTitle()}));
        QVERIFY(!m_window->commandContext().drawOptions().answersHidden);
        QVERIFY(QDir(documents()).entryList(QDir::Files).isEmpty());
        QVERIFY(m_opened.isEmpty());
    }

    void saveDialogStartsInThePuzzleFilesFolder()
    {
        const QString puzzleFolder = m_fixture->dir.path() + QStringLiteral("/puzzles");
        QDir().mkpath(puzzleFolder);
        nameFile(*m_window, puzzleFolder + QStringLiteral("/mine.cwd"));
        CrosswordData p = m_window->document().puzzle();
        p.title = QStringLiteral("Cats: and/or \"Dogs\"?");
        setPuzzle(*m_window, p);
        dialogs().answers.enqueue(Answer::Cancel);
        control<QAction>(*m_window, "mnuHideAnswers")->trigger();
        exportWordDocument(m_window->commandContext(), desktop());
        QCOMPARE(dialogs().shown.last().text,
                 puzzleFolder + QStringLiteral("/Cats andor Dogs.docx"));
    }

    void aChosenNameWithoutExtensionGetsDocx()
    {
        control<QAction>(*m_window, "mnuHideAnswers")->trigger();
        dialogs().paths.enqueue(documents() + QStringLiteral("/plain"));
        QCOMPARE(exportWordDocument(m_window->commandContext(), desktop()),
                 documents() + QStringLiteral("/plain.docx"));
        QVERIFY(QFile::exists(documents() + QStringLiteral("/plain.docx")));
    }

    void waitPanelShowsProgressWhileTheDocumentIsBuilt()
    {
        control<QAction>(*m_window, "mnuHideAnswers")->trigger();
        dialogs().paths.enqueue(documents() + QStringLiteral("/progress.docx"));
        QList<int> values;
        QStringList captions;
        QList<bool> visible;
        connect(control<StyledProgressBar>(*m_window, "XP2"), &StyledProgressBar::valueChanged,
                this, [&](int v) {
                    values.append(v);
                    captions.append(control<QLabel>(*m_window, "Label4")->text());
                    visible.append(control<GradientPanel>(*m_window, "pGress")->isVisible());
                });
        QVERIFY(!exportWordDocument(m_window->commandContext(), desktop()).isEmpty());
        QCOMPARE(values, (QList<int>{10, 15, 20, 30, 40, 50, 60, 70, 80, 100}));
        for (const QString &c : captions)
            QCOMPARE(c, exportingCaption());
        QVERIFY(!visible.contains(false));
        QVERIFY(!control<GradientPanel>(*m_window, "pGress")->isVisible());
        QCOMPARE(control<QLabel>(*m_window, "Label4")->text(), WaitPanel::GenerateCaption);
    }

    void aSecondExportWhileOneRunsIsIgnored()
    {
        control<QAction>(*m_window, "mnuHideAnswers")->trigger();
        const QString target = documents() + QStringLiteral("/first.docx");
        dialogs().paths.enqueue(target);
        dialogs().paths.enqueue(documents() + QStringLiteral("/second.docx"));
        QStringList nested;
        connect(control<StyledProgressBar>(*m_window, "XP2"), &StyledProgressBar::valueChanged,
                this, [&](int v) {
                    if (v == 50)
                        nested.append(exportWordDocument(m_window->commandContext(), desktop()));
                });
        QCOMPARE(exportWordDocument(m_window->commandContext(), desktop()), target);
        QCOMPARE(nested, QStringList{QString()});
        QCOMPARE(dialogs().titles(), QStringList{saveWordTitle()});
        QVERIFY(!QFile::exists(documents() + QStringLiteral("/second.docx")));
    }

    void failureShowsWhy()
    {
        dialogs().answers.enqueue(Answer::Yes);
        const QString target = documents() + QStringLiteral("/missing/folder/x.docx");
        dialogs().paths.enqueue(target);
        QCOMPARE(exportWordDocument(m_window->commandContext(), desktop()), QString());
        QCOMPARE(dialogs().titles(),
                 (QStringList{hideAnswersTitle(), saveWordTitle(), kWordExportErrorTitle}));
        QVERIFY(dialogs().shown.last().text.contains(QStringLiteral("x.docx")));
        QVERIFY(!QFile::exists(target));
        QVERIFY(!m_window->commandContext().drawOptions().answersHidden);
        QVERIFY(!control<GradientPanel>(*m_window, "pGress")->isVisible());
        QVERIFY(m_opened.isEmpty());
    }

    void noApplicationForTheDocumentSaysWhereItIs()
    {
        m_openResult = false;
        control<QAction>(*m_window, "mnuHideAnswers")->trigger();
        const QString target = documents() + QStringLiteral("/kept.docx");
        dialogs().paths.enqueue(target);
        QCOMPARE(exportWordDocument(m_window->commandContext(), desktop()), target);
        QCOMPARE(dialogs().shown.last().kind, Kind::Message);
        QCOMPARE(dialogs().shown.last().icon, Icon::Information);
        QVERIFY(dialogs().shown.last().text.contains(QDir::toNativeSeparators(target)));
        QVERIFY(QFile::exists(target));
    }

    void exportButtonRunsTheExport()
    {
        windowWordExportDesktop() = desktop();
        const auto restore =
            qScopeGuard([] { windowWordExportDesktop() = WordExportDesktop::system(); });
        dialogs().answers.enqueue(Answer::No);
        const QString target = documents() + QStringLiteral("/button.docx");
        dialogs().paths.enqueue(target);
        control<Toolbar>(*m_window, "TB1")->activateButton(5);
        QCOMPARE(dialogs().titles(), (QStringList{hideAnswersTitle(), saveWordTitle()}));
        QVERIFY(QFile::exists(target));
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(target)});
    }

    void documentNameFromTitle_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "Animals"
                               << "Animals.docx";
        QTest::newRow("refused characters") << "a/b\\c:d*e?f\"g<h>i|j"
                                            << "abcdefghij.docx";
        QTest::newRow("blanks trimmed") << "  Pets  "
                                        << "Pets.docx";
        QTest::newRow("empty") << ""
                               << "Crossword.docx";
        QTest::newRow("dots only") << ".."
                                   << "Crossword.docx";
        QTest::newRow("non-Latin")
            << QStringLiteral("Кроссворд") << QStringLiteral("Кроссворд.docx");
    }
    void documentNameFromTitle()
    {
        QFETCH(QString, title);
        QFETCH(QString, name);
        QCOMPARE(wordDocumentFileName(title), name);
    }
};

QTEST_MAIN(TestWordExportFlow)
#include "tst_wordexportflow.moc"
