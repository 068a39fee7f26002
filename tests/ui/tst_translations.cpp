// SPDX-License-Identifier: MIT
// The window in the user's language: which language a choice gives, the catalogues loaded
// and chosen from the menu, every caption fitting its room, and no unfinished translation.
#include "agreementwindow.h"
#include "dialogs.h"
#include "language.h"
#include "languagesetting.h"
#include "printcommands.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>

using namespace Velloquin;

namespace {

// The room a caption needs: its text's width (with the mark of a radio button or check box,
// the arrow of a combo box), or for a wrapped label the height of its lines at its width.
QSize neededRoom(QWidget *w, QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(w)) {
        text = label->text();
        if (label->wordWrap())
            return {0, label->heightForWidth(label->width())};
        return {label->fontMetrics().size(Qt::TextShowMnemonic, text).width(), 0};
    }
    if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        text = button->text();
        if (qobject_cast<QRadioButton *>(w) || qobject_cast<QCheckBox *>(w))
            return {button->sizeHint().width(), 0};
        return {button->fontMetrics().size(Qt::TextShowMnemonic, text).width() + 8, 0};
    }
    auto *box = qobject_cast<QComboBox *>(w);
    if (!box || box->isEditable())
        return {};
    int widest = 0;
    for (int i = 0; i < box->count(); ++i)
        widest = qMax(widest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
    text = box->currentText();
    return {widest + box->height(), 0};
}

// Every visible caption of top that needs more room than its widget has or overlaps a
// captioned sibling, and a menu bar too wide for the window.
QStringList cutOffCaptions(QWidget &top)
{
    QStringList problems;
    QList<QWidget *> captioned;
    for (QWidget *w : top.findChildren<QWidget *>()) {
        QString text;
        const QSize needed = neededRoom(w, text);
        if (!w->isVisibleTo(&top) || text.isEmpty())
            continue;
        if (needed.width() > w->width() || needed.height() > w->height())
            problems << QStringLiteral("%1 '%2' needs %3x%4, has %5x%6")
                            .arg(w->objectName(), text)
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(w->width())
                            .arg(w->height());
        for (QWidget *other : std::as_const(captioned))
            if (other->parentWidget() == w->parentWidget() &&
                other->geometry().intersects(w->geometry()))
                problems << w->objectName() + QStringLiteral(" overlaps ") + other->objectName();
        captioned << w;
    }
    if (auto *bar = top.findChild<QMenuBar *>(); bar && bar->sizeHint().width() > top.width())
        problems << QStringLiteral("the menu bar needs %1").arg(bar->sizeHint().width());
    return problems;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { useWindowLanguage(QStringLiteral("en")); }

    void windowSpeaksChosenOrDesktopLanguage_data()
    {
        QTest::addColumn<QString>("choice"); // the settings file's Language
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QStringList>("captions"); // Language menu, Words Panel, Update
        QTest::newRow("English desktop") << "System" << QStringList{"en-US", "de"}
                                         << QStringList{"&Language", "&Words Panel", "Update"};
        QTest::newRow("German desktop") << "" << QStringList{"pt", "de-AT", "en"}
                                        << QStringList{"&Sprache", "&Wörterliste", "Eintragen"};
        QTest::newRow("French chosen")
            << "fr" << QStringList{"de"} << QStringList{"&Langue", "Liste des &mots", "Valider"};
        QTest::newRow("unknown choice") << "xx" << QStringList{"es-MX"}
                                        << QStringList{"&Idioma", "Lista de &palabras", "Aplicar"};
        QTest::newRow("none spoken")
            << "System" << QStringList{"it"} << QStringList{"&Language", "&Words Panel", "Update"};
    }
    void windowSpeaksChosenOrDesktopLanguage()
    {
        QFETCH(QString, choice);
        QFETCH(QStringList, desktop);
        QFETCH(QStringList, captions);
        WindowFixture f;
        f.writeSettings({"[Default Settings]", "Language=" + choice});
        StartOptions options = f.options();
        options.chooseLanguage = [desktop](const AppPaths &paths) {
            useWindowLanguage(languageFor(readLanguageSetting(paths.settingsFile), desktop));
        };
        const std::unique_ptr<MainWindow> w = startProgram(options);
        QCOMPARE(QStringList({control<QMenu>(*w, "mnuLanguage")->title(),
                              control<QAction>(*w, "mnuWordsPanel")->text(),
                              control<GradientButton>(*w, "cmdOKAddWord")->text()}),
                 captions);

        // Another choice is kept in the settings file and said to take effect at the next
        // start; the window keeps its language until then.
        const QString before = windowLanguage();
        control<QAction>(*w, "mnuLanguage_de")->trigger();
        QCOMPARE(readLanguageSetting(f.settingsFile()), "de");
        QCOMPARE(f.dialogs.shown.size(), 1);
        QCOMPARE(windowLanguage(), before);
    }

    void captionsFitTheirRoom_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        for (const WindowLanguage &language : windowLanguages())
            for (const char *window :
                 {"main window", "generating", "agreement", "print", "web page"})
                QTest::addRow("%s %s", qPrintable(language.code), window)
                    << language.code << QString::fromLatin1(window);
    }
    void captionsFitTheirRoom()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        QVERIFY(useWindowLanguage(language));
        WindowFixture f;
        f.writeSettings({"[Default Settings]"});
        std::unique_ptr<QWidget> shown;
        if (window == "main window" || window == "generating") {
            std::unique_ptr<MainWindow> w = f.start();
            if (window == "generating")
                w->commandContext().wait.start(WaitPanel::GenerateCaption, true);
            shown = std::move(w);
        } else if (window == "agreement")
            shown = std::make_unique<AgreementWindow>();
        else if (window == "print")
            shown = std::make_unique<PrintPartsDialog>(PrintParts::PuzzleAndKey);
        else
            shown = makeWebPageOptionsDialog(WebPageOptions{});
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        const QStringList problems = cutOffCaptions(*shown);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    void everyCatalogueIsComplete()
    {
        QTemporaryDir out;
        for (const WindowLanguage &language : windowLanguages()) {
            if (language.code == "en")
                continue;
            QProcess lrelease;
            lrelease.start(
                QStringLiteral(VELLOQUIN_LRELEASE),
                {QStringLiteral(VELLOQUIN_TRANSLATIONS "/velloquin_%1.ts").arg(language.code),
                 QStringLiteral("-qm"), out.filePath("out.qm")});
            QVERIFY(lrelease.waitForFinished(60000));
            const QString report = QString::fromUtf8(lrelease.readAllStandardOutput());
            const QRegularExpressionMatch counts =
                QRegularExpression(QStringLiteral("\\((\\d+) finished and 0 unfinished\\)"))
                    .match(report);
            QVERIFY2(lrelease.exitCode() == 0 && counts.hasMatch() && counts.captured(1) != "0",
                     qPrintable(language.code + QLatin1Char(' ') + report));
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
