// SPDX-License-Identifier: MIT
// The start procedure and the settings file as the window reads, saves and resets it.
#include "colornumbers.h"
#include "windowfixture.h"

#include "colorbutton.h"
#include "toolbar.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace Velloquin;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QRgb pixel(MainWindow &w, int x, int y)
{
    return control<PictureBox>(w, "picView")->picture().pixel(x, y);
}

constexpr qint32 number(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void firstStartWithAgreementCreatesEmptySettingsFile();
    void firstStartWithoutAgreementEndsBeforeSettingsFile();
    void secondStartShowsNoAgreement();
    void settingsFileThatCannotBeMadeLeavesDefaultsInMemory();
    void settingsGoToConfigFolderWhenProgramFolderIsUnusable();
    void outlineSettingChecksButtonWithoutHidingPicker();
    void savedSettingsComeBackAtNextStart();
    void resetFlow_data();
    void resetFlow();
    void startsWithSettingsFromFile();
    void settingsThatCannotBeSavedAreReported();
    void unreadableSettingsFileGivesDefaultsAndSaysWhy();
    void moreColorsGoesThroughTheWindowsDialogs();
};

void tst_Startup::firstStartWithAgreementCreatesEmptySettingsFile()
{
    WindowFixture f;
    auto w = f.start();
    QVERIFY(w);
    QCOMPARE(f.agreementShown, 1);
    QVERIFY(QFile::exists(f.settingsFile()));
    QCOMPARE(QFileInfo(f.settingsFile()).size(), 0);
    QVERIFY(f.dialogs.shown.isEmpty());

    QCOMPARE(w->document().puzzle().width, 16);
    QCOMPARE(w->document().puzzle().height, 16);
    QVERIFY(w->document().puzzle().isEmpty);
    QCOMPARE(numberFromColor(control<ColorButton>(*w, "ColorPicker1_0")->color()), 0);
    QCOMPARE(numberFromColor(control<ColorButton>(*w, "ColorPicker1_1")->color()),
             number(97, 97, 97));
    QCOMPARE(numberFromColor(control<ColorButton>(*w, "ColorPicker1_2")->color()), 16777215);
    QVERIFY(!w->commandContext().drawOptions().outlineMode);
    QVERIFY(w->commandContext().drawOptions().redrawAll);
    QCOMPARE(shownTitle(*w), QStringLiteral("Velloquin"));
    QCOMPARE(control<QComboBox>(*w, "txtXSize")->currentText(), QStringLiteral("16"));
    QCOMPARE(control<QComboBox>(*w, "txtYSize")->currentText(), QStringLiteral("16"));
    QVERIFY(w->isVisible());
}

void tst_Startup::firstStartWithoutAgreementEndsBeforeSettingsFile()
{
    WindowFixture f;
    f.agreeAnswer = false;
    QVERIFY(!f.start());
    QCOMPARE(f.agreementShown, 1);
    QVERIFY(!QFile::exists(f.settingsFile()));
    QVERIFY(!QFile::exists(f.configFolder() + QStringLiteral("/Crossword.ini")));

    // So the next start asks again.
    f.agreeAnswer = true;
    QVERIFY(f.start());
    QCOMPARE(f.agreementShown, 2);
}

void tst_Startup::secondStartShowsNoAgreement()
{
    WindowFixture f;
    QVERIFY(f.start());
    QCOMPARE(f.agreementShown, 1);
    auto second = f.start();
    QVERIFY(second);
    QCOMPARE(f.agreementShown, 1);
}

void tst_Startup::settingsFileThatCannotBeMadeLeavesDefaultsInMemory()
{
    WindowFixture f;
    // No home folder: neither folder can exist, both lie below a plain file.
    const QString blocker = f.dir.path() + QStringLiteral("/blocker");
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    StartOptions o = f.options();
    o.programFolder = blocker + QStringLiteral("/program");
    o.configFolder = blocker + QStringLiteral("/config");
    auto w = startProgram(o);
    QVERIFY(w);
    QCOMPARE(f.agreementShown, 1);
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown.first().icon, Icon::Warning);
    QVERIFY(f.dialogs.shown.first().text.contains(
        QDir::toNativeSeparators(blocker + QStringLiteral("/config/Crossword.ini"))));
    QCOMPARE(control<QComboBox>(*w, "txtXSize")->currentText(), QStringLiteral("16"));

    // Saving the settings is refused with a reason; closing the window writes nothing.
    QVERIFY(!writeDefaultSettings(w->commandContext().paths.settingsFile, factorySettings()));
    w->close();
    w.reset();
    QCOMPARE(QFileInfo(blocker).size(), 0);
    QCOMPARE(f.dialogs.shown.size(), 1);
}

void tst_Startup::settingsGoToConfigFolderWhenProgramFolderIsUnusable()
{
    WindowFixture f;
    StartOptions o = f.options();
    o.programFolder = f.dir.path() + QStringLiteral("/missing-program-folder");
    auto w = startProgram(o);
    QVERIFY(w);
    QVERIFY(QFile::exists(f.configFolder() + QStringLiteral("/Crossword.ini")));
    QCOMPARE(w->commandContext().paths.settingsFile,
             f.configFolder() + QStringLiteral("/Crossword.ini"));
    QCOMPARE(w->commandContext().paths.dialogFolder, f.dir.path() + QStringLiteral("/documents/"));
}

void tst_Startup::outlineSettingChecksButtonWithoutHidingPicker()
{
    WindowFixture f;
    f.writeSettings({QStringLiteral("[Default Settings]"), QStringLiteral("UseOutline=True")});
    auto w = f.start();
    QVERIFY(w);
    QCOMPARE(f.agreementShown, 0);
    QVERIFY(w->commandContext().drawOptions().outlineMode);
    QVERIFY(control<Toolbar>(*w, "TB1")->isButtonChecked(9));
    QVERIFY(control<ColorButton>(*w, "ColorPicker1_1")->isVisible());
    QVERIFY(control<QLabel>(*w, "Label3_1")->isVisible());
    // No grid lines: the top row of the empty grid is background, not grid-line colour.
    const int cw = control<PictureBox>(*w, "picView")->width() / 16;
    QCOMPARE(pixel(*w, cw / 2, 0), qRgb(0, 0, 0));

    // The first click turns outline mode off; the picker stays visible and lines come back.
    control<Toolbar>(*w, "TB1")->activateButton(9);
    QVERIFY(!w->commandContext().drawOptions().outlineMode);
    QVERIFY(!control<Toolbar>(*w, "TB1")->isButtonChecked(9));
    QVERIFY(control<ColorButton>(*w, "ColorPicker1_1")->isVisible());
    QCOMPARE(pixel(*w, cw / 2, 0), qRgb(97, 97, 97));

    // The next click hides it.
    control<Toolbar>(*w, "TB1")->activateButton(9);
    QVERIFY(w->commandContext().drawOptions().outlineMode);
    QVERIFY(!control<ColorButton>(*w, "ColorPicker1_1")->isVisible());
    QVERIFY(!control<QLabel>(*w, "Label3_1")->isVisible());
    QCOMPARE(pixel(*w, cw / 2, 0), qRgb(0, 0, 0));
}

void tst_Startup::savedSettingsComeBackAtNextStart()
{
    WindowFixture f;
    {
        auto w = f.start();
        QVERIFY(w);
        control<Toolbar>(*w, "TB1")->activateButton(9);
        QVERIFY(w->commandContext().drawOptions().outlineMode);
        control<QLineEdit>(*w, "txtTitle")->setText(QStringLiteral("Birds"));
        control<QLineEdit>(*w, "txtSubject")->setText(QStringLiteral("Nature"));
        control<QComboBox>(*w, "txtXSize")->setCurrentText(QStringLiteral("20"));
        control<QComboBox>(*w, "txtYSize")->setCurrentText(QStringLiteral("12"));
        // A colour choice redraws at once but leaves the typed settings alone.
        control<ColorButton>(*w, "ColorPicker1_0")->setColor(colorFromNumber(number(0, 0, 128)));
        control<ColorButton>(*w, "ColorPicker1_1")->setColor(colorFromNumber(number(200, 0, 0)));
        control<ColorButton>(*w, "ColorPicker1_2")
            ->setColor(colorFromNumber(number(255, 255, 200)));
        QCOMPARE(control<QLineEdit>(*w, "txtTitle")->text(), QStringLiteral("Birds"));
        QCOMPARE(control<QComboBox>(*w, "txtXSize")->currentText(), QStringLiteral("20"));
        QCOMPARE(w->commandContext().layoutMethod(), LayoutMethod::Classic); // no key in the file
        control<QComboBox>(*w, "cboMethod")->setCurrentIndex(1);
        control<Toolbar>(*w, "TB1")->activateButton(7);
        QVERIFY(f.dialogs.shown.isEmpty());
    }
    QCOMPARE(fileBytes(f.settingsFile()),
             QByteArray("[Default Settings]\r\nTitle=Birds\r\nTopic=Nature\r\nWidth=20\r\n"
                        "Height=12\r\nBackground=8388608\r\nGridLines=200\r\n"
                        "Squares=13172735\r\nUseOutline=True\r\nLayoutMethod=Thorough\r\n"));

    auto w = f.start();
    QVERIFY(w);
    QCOMPARE(w->commandContext().layoutMethod(), LayoutMethod::Thorough);
    QVERIFY(w->commandContext().drawOptions().outlineMode);
    QVERIFY(control<Toolbar>(*w, "TB1")->isButtonChecked(9));
    QCOMPARE(w->document().puzzle().width, 20);
    QCOMPARE(w->document().puzzle().height, 12);
    QCOMPARE(control<QComboBox>(*w, "txtXSize")->currentText(), QStringLiteral("20"));
    QCOMPARE(control<QComboBox>(*w, "txtX")->count(), 20);
    QCOMPARE(control<QComboBox>(*w, "txtY")->count(), 12);
    QCOMPARE(w->commandContext().defaults.title, QStringLiteral("Birds"));
    QCOMPARE(control<QLineEdit>(*w, "txtTitle")->text(), QStringLiteral("Birds"));
    QCOMPARE(control<QLineEdit>(*w, "txtSubject")->text(), QStringLiteral("Nature"));
    QCOMPARE(numberFromColor(control<ColorButton>(*w, "ColorPicker1_0")->color()),
             number(0, 0, 128));
    QCOMPARE(numberFromColor(control<ColorButton>(*w, "ColorPicker1_1")->color()),
             number(200, 0, 0));
    QCOMPARE(numberFromColor(control<ColorButton>(*w, "ColorPicker1_2")->color()),
             number(255, 255, 200));
    // Each picker's "Default" stays the factory colour.
    QCOMPARE(control<ColorButton>(*w, "ColorPicker1_0")->defaultColor(), 0);
    QCOMPARE(control<ColorButton>(*w, "ColorPicker1_1")->defaultColor(), number(97, 97, 97));
    QCOMPARE(control<ColorButton>(*w, "ColorPicker1_2")->defaultColor(), 16777215);
}

void tst_Startup::resetFlow_data()
{
    QTest::addColumn<bool>("applyNow");
    QTest::newRow("Yes applies at once") << true;
    QTest::newRow("No keeps the window as it is") << false;
}

void tst_Startup::resetFlow()
{
    QFETCH(bool, applyNow);
    WindowFixture f;
    f.writeSettings({QStringLiteral("[Default Settings]"), QStringLiteral("Title=Old"),
                     QStringLiteral("Topic=Things"), QStringLiteral("Width=10"),
                     QStringLiteral("Height=8"), QStringLiteral("Background=255"),
                     QStringLiteral("GridLines=65280"), QStringLiteral("Squares=12345"),
                     QStringLiteral("UseOutline=True")});
    auto w = f.start();
    QVERIFY(w);
    QCOMPARE(w->document().puzzle().width, 10);
    QCOMPARE(numberFromColor(control<ColorButton>(*w, "ColorPicker1_0")->color()), 255);

    f.dialogs.answers.enqueue(applyNow ? Dialogs::Answer::Yes : Dialogs::Answer::No);
    control<Toolbar>(*w, "TB1")->activateButton(8);

    QVERIFY(f.dialogs.shown.size() >= 1);
    const ScriptedDialogs::Shown &q = f.dialogs.shown.first();
    QCOMPARE(q.title, QStringLiteral("Reset Default Settings"));
    QCOMPARE(q.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(q.text,
             QStringLiteral("The original default settings have been restored.\nIf you would like "
                            "these settings to take effect imediately then select 'Yes'\n"
                            "otherwise the settings will take effect when you next start the "
                            "application.\n\nChange settings now?"));

    // The file holds the factory values whatever the answer; UseOutline keeps its value.
    QCOMPARE(fileBytes(f.settingsFile()),
             QByteArray("[Default Settings]\r\nTitle=Crossword\r\nTopic=\r\nWidth=16\r\n"
                        "Height=16\r\nBackground=0\r\nGridLines=6381921\r\nSquares=16777215\r\n"
                        "UseOutline=True\r\n"));

    if (applyNow) {
        // The grid is empty, so it takes the new size without asking.
        QCOMPARE(f.dialogs.titles(), QStringList({QStringLiteral("Reset Default Settings")}));
        QCOMPARE(numberFromColor(control<ColorButton>(*w, "ColorPicker1_0")->color()), 0);
        QCOMPARE(numberFromColor(control<ColorButton>(*w, "ColorPicker1_1")->color()),
                 number(97, 97, 97));
        QCOMPARE(numberFromColor(control<ColorButton>(*w, "ColorPicker1_2")->color()), 16777215);
        QCOMPARE(w->document().puzzle().width, 16);
        QCOMPARE(w->document().puzzle().height, 16);
        QCOMPARE(control<QComboBox>(*w, "txtX")->count(), 16);
        QCOMPARE(w->commandContext().defaults.title, QStringLiteral("Crossword"));
        // Outline mode is still on and the button still shows it.
        QVERIFY(w->commandContext().drawOptions().outlineMode);
        QVERIFY(control<Toolbar>(*w, "TB1")->isButtonChecked(9));
    } else {
        QCOMPARE(f.dialogs.shown.size(), 1);
        QCOMPARE(numberFromColor(control<ColorButton>(*w, "ColorPicker1_0")->color()), 255);
        QCOMPARE(w->document().puzzle().width, 10);
        QCOMPARE(w->commandContext().defaults.title, QStringLiteral("Old"));
    }
    QCOMPARE(f.dialogs.unscripted, 0);
}

void tst_Startup::startsWithSettingsFromFile()
{
    WindowFixture f;
    f.writeSettings({QStringLiteral("[Default Settings]"), QStringLiteral("Width=12abc"),
                     QStringLiteral("Height=7"), QStringLiteral("Background=-2147483643"),
                     QStringLiteral("GridLines="), QStringLiteral("Squares=")});
    auto w = f.start();
    QVERIFY(w);
    QCOMPARE(w->document().puzzle().width, 12);
    QCOMPARE(w->document().puzzle().height, 7);
    QCOMPARE(numberFromColor(control<ColorButton>(*w, "ColorPicker1_0")->color()),
             numberFromColor(systemColor(5)));
    // Empty colours take the factory colours.
    QCOMPARE(numberFromColor(control<ColorButton>(*w, "ColorPicker1_1")->color()),
             number(97, 97, 97));
    QCOMPARE(numberFromColor(control<ColorButton>(*w, "ColorPicker1_2")->color()), 16777215);
    QCOMPARE(control<QComboBox>(*w, "txtXSize")->currentText(), QStringLiteral("12"));
    QCOMPARE(control<QComboBox>(*w, "txtYSize")->currentText(), QStringLiteral("7"));
}

void tst_Startup::settingsThatCannotBeSavedAreReported()
{
    WindowFixture f;
    auto w = f.start();
    QVERIFY(w);
    // The settings file has become a folder: nothing can be written there.
    QVERIFY(QFile::remove(f.settingsFile()));
    QVERIFY(QDir().mkpath(f.settingsFile()));
    control<Toolbar>(*w, "TB1")->activateButton(7);
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown.first().kind, ScriptedDialogs::Kind::Message);
    QVERIFY(!f.dialogs.shown.first().text.isEmpty());
}

void tst_Startup::unreadableSettingsFileGivesDefaultsAndSaysWhy()
{
    WindowFixture f;
    QVERIFY(QDir().mkpath(f.settingsFile()));
    auto w = f.start();
    QVERIFY(w);
    QCOMPARE(f.agreementShown, 0);
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(w->document().puzzle().width, 16);
    QCOMPARE(numberFromColor(control<ColorButton>(*w, "ColorPicker1_1")->color()),
             number(97, 97, 97));
    QVERIFY(!w->commandContext().drawOptions().outlineMode);
}

void tst_Startup::moreColorsGoesThroughTheWindowsDialogs()
{
    WindowFixture f;
    auto w = f.start();
    QVERIFY(w);
    f.dialogs.colors.enqueue(QColor(10, 20, 30));
    const std::optional<QColor> chosen = ColorPalettePopup::colorChooser()(
        QColor(Qt::white), control<ColorButton>(*w, "ColorPicker1_0"));
    QCOMPARE(chosen, std::optional<QColor>(QColor(10, 20, 30)));
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown.first().kind, ScriptedDialogs::Kind::ChooseColor);
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
