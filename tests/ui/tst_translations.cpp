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
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>

using namespace Velloquin;

namespace {

// Every visible caption of top whose text needs more room than its widget has, or whose
// widget overlaps a captioned sibling: "objectName 'text' needs N, has M".
QStringList cutOffCaptions(QWidget &top)
{
    QStringList problems;
    QList<QWidget *> captioned;
    for (QWidget *w : top.findChildren<QWidget *>()) {
        if (!w->isVisibleTo(&top) || qobject_cast<QMenu *>(w))
            continue;
        QString text;
        int needed = 0;
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty()) {
            text = label->text();
            needed = label->wordWrap()
                         ? label->heightForWidth(label->contentsRect().width())
                         : label->fontMetrics().size(Qt::TextShowMnemonic, text).width();
            if (label->wordWrap() && needed > label->contentsRect().height())
                problems << QStringLiteral("%1 '%2' needs height %3, has %4")
                                .arg(w->objectName(), text)
                                .arg(needed)
                                .arg(label->contentsRect().height());
            needed = label->wordWrap() ? 0 : needed;
        } else if (auto *button = qobject_cast<QAbstractButton *>(w);
                   button && !button->text().isEmpty()) {
            text = button->text();
            // Radio buttons and check boxes need their mark too; a push button its padding.
            needed = qobject_cast<QRadioButton *>(w) || w->inherits("QCheckBox")
                         ? button->sizeHint().width()
                         : button->fontMetrics().size(Qt::TextShowMnemonic, text).width() + 8;
        } else if (auto *box = qobject_cast<QComboBox *>(w); box && !box->isEditable()) {
            for (int i = 0; i < box->count(); ++i)
                needed = qMax(needed, box->fontMetrics().horizontalAdvance(box->itemText(i)));
            text = box->currentText();
            needed += box->height(); // the arrow's square
        } else {
            continue;
        }
        if (needed > w->width())
            problems << QStringLiteral("%1 '%2' needs %3, has %4")
                            .arg(w->objectName(), text)
                            .arg(needed)
                            .arg(w->width());
        const QRect place(w->mapTo(&top, QPoint(0, 0)), w->size());
        for (QWidget *other : std::as_const(captioned))
            if (other->parentWidget() == w->parentWidget() &&
                QRect(other->mapTo(&top, QPoint(0, 0)), other->size()).intersects(place))
                problems
                    << QStringLiteral("%1 overlaps %2").arg(w->objectName(), other->objectName());
        captioned << w;
    }
    if (auto *bar = top.findChild<QMenuBar *>(); bar && bar->sizeHint().width() > top.width())
        problems << QStringLiteral("menu bar needs %1, has %2")
                        .arg(bar->sizeHint().width())
                        .arg(top.width());
    return problems;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { useWindowLanguage(QStringLiteral("en")); }

    void choiceOrDesktopGivesLanguage_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("language");
        QTest::newRow("desktop German") << "System" << QStringList{"de-AT", "en"} << "de";
        QTest::newRow("first spoken wins") << "System" << QStringList{"pt-BR", "fr-CA"} << "fr";
        QTest::newRow("none spoken") << "System" << QStringList{"pt", "it"} << "en";
        QTest::newRow("English desktop") << "System" << QStringList{"en-US", "de"} << "en";
        QTest::newRow("choice beats desktop") << "es" << QStringList{"de"} << "es";
        QTest::newRow("unknown choice") << "xx" << QStringList{"fr"} << "fr";
    }
    void choiceOrDesktopGivesLanguage()
    {
        QFETCH(QString, choice);
        QFETCH(QStringList, desktop);
        QFETCH(QString, language);
        QCOMPARE(languageFor(choice, desktop), language);
    }

    void windowSpeaksChosenLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("captions"); // Language menu, Words Panel, Update
        QTest::newRow("en") << "en" << QStringList{"&Language", "&Words Panel", "Update"};
        QTest::newRow("de") << "de" << QStringList{"&Sprache", "&Wörterliste", "Eintragen"};
        QTest::newRow("fr") << "fr" << QStringList{"&Langue", "Liste des &mots", "Valider"};
        QTest::newRow("es") << "es" << QStringList{"&Idioma", "Lista de &palabras", "Aplicar"};
    }
    void windowSpeaksChosenLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, captions);
        QVERIFY(useWindowLanguage(language));
        WindowFixture f;
        f.writeSettings({"[Default Settings]"});
        const std::unique_ptr<MainWindow> w = f.start();
        QCOMPARE(QStringList({control<QMenu>(*w, "mnuLanguage")->title(),
                              control<QAction>(*w, "mnuWordsPanel")->text(),
                              control<GradientButton>(*w, "cmdOKAddWord")->text()}),
                 captions);

        // A choice is kept in the settings file and said to take effect at the next start.
        control<QAction>(*w, "mnuLanguage_es")->trigger();
        QCOMPARE(readLanguageSetting(f.settingsFile()), "es");
        QCOMPARE(f.dialogs.shown.size(), 1);
        QCOMPARE(windowLanguage(), language);
    }

    void captionsFitTheirRoom_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        for (const WindowLanguage &language : windowLanguages())
            for (const char *window : {"main window", "agreement", "print", "web page"})
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
        if (window == "main window")
            shown = f.start();
        else if (window == "agreement")
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

    void everyCatalogueIsComplete_data()
    {
        QTest::addColumn<QString>("catalogue");
        for (const WindowLanguage &language : windowLanguages())
            if (language.code != "en")
                QTest::newRow(qPrintable(language.code))
                    << QStringLiteral(VELLOQUIN_TRANSLATIONS "/velloquin_%1.ts").arg(language.code);
    }
    void everyCatalogueIsComplete()
    {
        QFETCH(QString, catalogue);
        QTemporaryDir out;
        QProcess lrelease;
        lrelease.start(QStringLiteral(VELLOQUIN_LRELEASE),
                       {catalogue, QStringLiteral("-qm"), out.filePath("out.qm")});
        QVERIFY(lrelease.waitForFinished(60000));
        const QString report = QString::fromUtf8(lrelease.readAllStandardOutput());
        QCOMPARE(lrelease.exitCode(), 0);
        const QRegularExpressionMatch counts =
            QRegularExpression(QStringLiteral("\\((\\d+) finished and (\\d+) unfinished\\)"))
                .match(report);
        QVERIFY2(counts.hasMatch(), qPrintable(report));
        QVERIFY(counts.captured(1).toInt() > 0);
        QCOMPARE(counts.captured(2).toInt(), 0);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
