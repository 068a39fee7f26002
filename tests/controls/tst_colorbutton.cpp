// SPDX-License-Identifier: MIT
#include "colorbutton.h"
#include "colornumbers.h"
#include "colorpalettepopup.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <deque>

using namespace Velloquin;

namespace {

const QColor kWhite(255, 255, 255);

// Answers the colour dialog from a queue and records what it was asked.
struct ScriptedChooser
{
    std::deque<std::optional<QColor>> answers;
    int calls = 0;

    void install()
    {
        ColorPalettePopup::setColorChooser([this](const QColor &, QWidget *) {
            ++calls;
            if (answers.empty())
                return std::optional<QColor>();
            auto answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
};

QColor colorOf(int r, int g, int b)
{
    return QColor(r, g, b);
}

} // namespace

class tst_ColorButton : public QObject
{
    Q_OBJECT

private:
    ColorPalettePopup *openPalette(ColorButton &picker)
    {
        picker.showPalette();
        ColorPalettePopup *palette = ColorPalettePopup::current();
        if (palette)
            QTest::qWait(0);
        return palette;
    }

    void clickCell(ColorPalettePopup *palette, int cell)
    {
        QVERIFY(palette->cellVisible(cell));
        QTest::mouseClick(palette, Qt::LeftButton, {}, palette->cellRect(cell).center());
    }

private slots:
    void init()
    {
        ColorPalettePopup::clearCustomColors();
        ColorPalettePopup::setColorChooser({});
    }

    void cleanup()
    {
        if (ColorPalettePopup *open = ColorPalettePopup::current())
            open->close();
        ColorPalettePopup::setColorChooser({});
    }

    void choosingDefaultGivesDefaultColor_data()
    {
        QTest::addColumn<QColor>("defaultColor");
        QTest::newRow("plain colour") << QColor(12, 34, 56);
        QTest::newRow("system colour") << systemColor(15);
        QTest::newRow("black") << QColor(0, 0, 0);
    }

    void choosingDefaultGivesDefaultColor()
    {
        QFETCH(QColor, defaultColor);
        ColorButton picker;
        picker.setColor(QColor(1, 2, 3));
        picker.setDefaultColor(defaultColor);
        picker.show();
        QSignalSpy changed(&picker, &ColorButton::changed);
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        QCOMPARE(palette->cellColor(ColorPalettePopup::DefaultCell), defaultColor);
        clickCell(palette, ColorPalettePopup::DefaultCell);
        QCOMPARE(picker.color(), defaultColor);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<QColor>(), defaultColor);
        QVERIFY(!ColorPalettePopup::current());
    }

    void choosingGridCellGivesItsColor_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("first cell") << 2 << QColor(255, 255, 255);
        QTest::newRow("row 1 last") << 9 << QColor(255, 192, 255);
        QTest::newRow("red") << 19 << QColor(255, 0, 0);
        QTest::newRow("orange-brown") << 28 << QColor(192, 64, 0);
        QTest::newRow("black") << 42 << QColor(0, 0, 0);
        QTest::newRow("last cell") << 49 << QColor(64, 0, 64);
    }

    void choosingGridCellGivesItsColor()
    {
        QFETCH(int, cell);
        QFETCH(QColor, expected);
        ColorButton picker;
        picker.setColor(QColor(9, 9, 9));
        picker.show();
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        clickCell(palette, cell);
        QCOMPARE(picker.color(), expected);
    }

    void dialogColorsFillCustomCellsAsARingSeenByEveryPicker()
    {
        ScriptedChooser chooser;
        for (int i = 1; i <= 9; ++i)
            chooser.answers.push_back(colorOf(10 * i, 0, 0));
        chooser.install();
        ColorButton first;
        ColorButton second;
        first.show();
        second.show();
        for (int i = 1; i <= 9; ++i) {
            ColorButton &picker = i % 2 ? first : second;
            ColorPalettePopup *palette = openPalette(picker);
            QVERIFY(palette);
            clickCell(palette, ColorPalettePopup::MoreColorsCell);
            QCOMPARE(picker.color(), QColor(10 * i, 0, 0));
            QVERIFY(!ColorPalettePopup::current());
            if (i <= 8) {
                // The new colour sits in custom cell i, seen from the other picker too.
                ColorButton &other = i % 2 ? second : first;
                ColorPalettePopup *seen = openPalette(other);
                QVERIFY(seen);
                QCOMPARE(seen->cellColor(ColorPalettePopup::FirstCustomCell + i - 1),
                         QColor(10 * i, 0, 0));
                if (i < 8)
                    QCOMPARE(seen->cellColor(ColorPalettePopup::FirstCustomCell + i), kWhite);
                seen->close();
            }
        }
        QCOMPARE(chooser.calls, 9);
        // The ninth colour replaced cell 1; the rest stay.
        ColorPalettePopup *palette = openPalette(second);
        QVERIFY(palette);
        QCOMPARE(palette->cellColor(ColorPalettePopup::FirstCustomCell), QColor(90, 0, 0));
        QCOMPARE(palette->cellColor(ColorPalettePopup::FirstCustomCell + 1), QColor(20, 0, 0));
        QCOMPARE(palette->cellColor(ColorPalettePopup::LastCustomCell), QColor(80, 0, 0));
        // Choosing a custom cell gives its colour.
        clickCell(palette, ColorPalettePopup::FirstCustomCell + 2);
        QCOMPARE(second.color(), QColor(30, 0, 0));
    }

    void cancellingTheDialogLeavesColorAndCustomColors()
    {
        ScriptedChooser chooser;
        chooser.answers.push_back(std::nullopt);
        chooser.install();
        ColorButton picker;
        picker.setColor(QColor(5, 6, 7));
        picker.show();
        QSignalSpy changed(&picker, &ColorButton::changed);
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        clickCell(palette, ColorPalettePopup::MoreColorsCell);
        QCOMPARE(chooser.calls, 1);
        QCOMPARE(picker.color(), QColor(5, 6, 7));
        QCOMPARE(changed.count(), 0);
        QVERIFY(ColorPalettePopup::customColors().isEmpty());
        QVERIFY(!ColorPalettePopup::current());
    }

    void dialogStartsFromThePickersColor()
    {
        QColor asked;
        ColorPalettePopup::setColorChooser([&](const QColor &initial, QWidget *) {
            asked = initial;
            return std::optional<QColor>();
        });
        ColorButton picker;
        picker.setColor(QColor(10, 20, 30));
        picker.setDefaultColor(QColor(200, 200, 200));
        picker.show();
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        clickCell(palette, ColorPalettePopup::MoreColorsCell);
        QCOMPARE(asked, QColor(10, 20, 30));
    }

    void pickerDestroyedWhileTheDialogIsUpIsHarmless()
    {
        auto *picker = new ColorButton;
        picker->show();
        ColorPalettePopup::setColorChooser([&](const QColor &, QWidget *) {
            delete picker;
            picker = nullptr;
            return std::optional<QColor>(QColor(1, 2, 3));
        });
        ColorPalettePopup *palette = openPalette(*picker);
        QVERIFY(palette);
        clickCell(palette, ColorPalettePopup::MoreColorsCell);
        QVERIFY(!picker);
        QVERIFY(!ColorPalettePopup::current());
    }

    void unfilledCustomCellOffersWhite()
    {
        ColorButton picker;
        picker.setColor(QColor(0, 0, 0));
        picker.show();
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        clickCell(palette, ColorPalettePopup::LastCustomCell);
        QCOMPARE(picker.color(), kWhite);
    }

    void systemModeOffersSystemColorsThenWhite()
    {
        ColorButton picker;
        picker.setShowSystemColors(true);
        picker.show();
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        QCOMPARE(palette->mode(), ColorPalettePopup::Mode::Normal);
        clickCell(palette, ColorPalettePopup::SystemCell);
        QCOMPARE(palette->mode(), ColorPalettePopup::Mode::System);
        QCOMPARE(ColorPalettePopup::current(), palette); // switching keeps it open
        for (int i = 0; i < 25; ++i)
            QCOMPARE(palette->cellColor(2 + i), systemColor(i));
        for (int cell = 27; cell <= 49; ++cell) {
            QCOMPARE(palette->cellColor(cell), kWhite);
            QVERIFY(palette->cellName(cell).isEmpty());
        }
        QCOMPARE(palette->cellName(2), QStringLiteral("Scroll Bars"));
        QCOMPARE(palette->cellName(5), QStringLiteral("Inactive Titl Bar"));
        QCOMPARE(palette->cellName(26), QStringLiteral("ToolTip"));
        clickCell(palette, ColorPalettePopup::NormalCell);
        QCOMPARE(palette->mode(), ColorPalettePopup::Mode::Normal);
        QCOMPARE(palette->cellColor(19), QColor(255, 0, 0));
        clickCell(palette, ColorPalettePopup::SystemCell);
        clickCell(palette, 27);
        QCOMPARE(picker.color(), kWhite);
    }

    void choosingASystemColorGivesItsColor()
    {
        ColorButton picker;
        picker.setShowSystemColors(true);
        picker.show();
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        clickCell(palette, ColorPalettePopup::SystemCell);
        clickCell(palette, 2 + 13); // Highlight
        QCOMPARE(picker.color(), systemColor(13));
    }

    void clickOutsideLeavesColorUnchanged_data()
    {
        QTest::addColumn<QPoint>("where");
        QTest::newRow("left of it") << QPoint(-20, 50);
        QTest::newRow("below it") << QPoint(70, 400);
        QTest::newRow("above it") << QPoint(70, -3);
    }

    void clickOutsideLeavesColorUnchanged()
    {
        QFETCH(QPoint, where);
        ColorButton picker;
        picker.setColor(QColor(40, 50, 60));
        picker.show();
        QSignalSpy changed(&picker, &ColorButton::changed);
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        QSignalSpy finished(palette, &ColorPalettePopup::finished);
        QTest::mouseClick(palette, Qt::LeftButton, {}, where);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toBool(), true);
        QVERIFY(!ColorPalettePopup::current());
        QCOMPARE(picker.color(), QColor(40, 50, 60));
        QCOMPARE(changed.count(), 0);
    }

    void releaseOutsideAfterPressOnACellCancels()
    {
        ColorButton picker;
        picker.setColor(QColor(40, 50, 60));
        picker.show();
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        const QPoint cell = palette->cellRect(19).center();
        QTest::mousePress(palette, Qt::LeftButton, {}, cell);
        QCOMPARE(palette->pressedCell(), 19);
        QTest::mouseRelease(palette, Qt::LeftButton, {}, QPoint(300, 300));
        QVERIFY(!ColorPalettePopup::current());
        QCOMPARE(picker.color(), QColor(40, 50, 60));
    }

    void releaseOnAnotherCellInsideKeepsPaletteOpen()
    {
        ColorButton picker;
        picker.setColor(QColor(40, 50, 60));
        picker.show();
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        QTest::mousePress(palette, Qt::LeftButton, {}, palette->cellRect(19).center());
        QTest::mouseRelease(palette, Qt::LeftButton, {}, palette->cellRect(30).center());
        QCOMPARE(ColorPalettePopup::current(), palette);
        QCOMPARE(palette->pressedCell(), -1);
        QCOMPARE(picker.color(), QColor(40, 50, 60));
    }

    void escapeClosesAsCancelled()
    {
        ColorButton picker;
        picker.setColor(QColor(1, 1, 1));
        picker.show();
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        QSignalSpy finished(palette, &ColorPalettePopup::finished);
        QTest::keyClick(palette, Qt::Key_Escape);
        QCOMPARE(finished.count(), 1);
        QVERIFY(finished.at(0).at(0).toBool());
        QVERIFY(!ColorPalettePopup::current());
        QCOMPARE(picker.color(), QColor(1, 1, 1));
    }

    void hotAndPressedCellsFollowTheMouse()
    {
        ColorButton picker;
        picker.show();
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        QCOMPARE(palette->hotCell(), -1);
        QCOMPARE(palette->pressedCell(), -1);
        QTest::mouseMove(palette, palette->cellRect(10).center());
        QCOMPARE(palette->hotCell(), 10);
        QTest::mouseMove(palette, QPoint(1, 1)); // the window edge, no cell
        QCOMPARE(palette->hotCell(), -1);
        QTest::mousePress(palette, Qt::LeftButton, {}, palette->cellRect(12).center());
        QCOMPARE(palette->pressedCell(), 12);
        // While a cell is pressed, moving does not change the hot cell.
        QTest::mouseMove(palette, palette->cellRect(13).center());
        QCOMPARE(palette->hotCell(), 12);
        palette->close();
    }

    void arrowKeysMoveTheHotCellAndEnterChoosesIt()
    {
        ColorButton picker;
        picker.setColor(QColor(0, 0, 0));
        picker.show();
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        QTest::keyClick(palette, Qt::Key_Down);
        QCOMPARE(palette->hotCell(), ColorPalettePopup::DefaultCell);
        QTest::keyClick(palette, Qt::Key_Down);
        QVERIFY(palette->hotCell() >= 2 && palette->hotCell() <= 9);
        for (int i = 0; i < 9; ++i)
            QTest::keyClick(palette, Qt::Key_Left);
        QCOMPARE(palette->hotCell(), 2); // stops at the left edge
        QTest::keyClick(palette, Qt::Key_Up);
        QCOMPARE(palette->hotCell(), ColorPalettePopup::DefaultCell);
        QTest::keyClick(palette, Qt::Key_Down);
        for (int i = 0; i < 9; ++i)
            QTest::keyClick(palette, Qt::Key_Left);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(palette, Qt::Key_Down);
        QCOMPARE(palette->hotCell(), 42);
        QTest::keyClick(palette, Qt::Key_Down);
        QCOMPARE(palette->hotCell(), ColorPalettePopup::FirstCustomCell);
        QTest::keyClick(palette, Qt::Key_Down);
        QCOMPARE(palette->hotCell(), ColorPalettePopup::MoreColorsCell);
        // Up from the wide button lands on the custom cell nearest its middle (the fifth).
        QTest::keyClick(palette, Qt::Key_Up);
        QCOMPARE(palette->hotCell(), 54);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(palette, Qt::Key_Up);
        QCOMPARE(palette->hotCell(), 30);
        QTest::keyClick(palette, Qt::Key_Right);
        QCOMPARE(palette->hotCell(), 31);
        QTest::keyClick(palette, Qt::Key_Return);
        QVERIFY(!ColorPalettePopup::current());
        QCOMPARE(picker.color(), QColor(0, 192, 192));
    }

    void onlyOnePaletteIsOpen()
    {
        ColorButton first;
        ColorButton second;
        first.setColor(QColor(1, 2, 3));
        first.show();
        second.show();
        ColorPalettePopup *a = openPalette(first);
        QVERIFY(a);
        QSignalSpy finished(a, &ColorPalettePopup::finished);
        ColorPalettePopup *b = openPalette(second);
        QVERIFY(b);
        QVERIFY(a != b);
        QCOMPARE(finished.count(), 1);
        QVERIFY(finished.at(0).at(0).toBool());
        QCOMPARE(ColorPalettePopup::current(), b);
        QCOMPARE(first.color(), QColor(1, 2, 3));
        QVERIFY(!first.palette());
        QCOMPARE(second.palette(), b);
    }

    void paletteSizeFollowsOptions_data()
    {
        QTest::addColumn<bool>("showDefault");
        QTest::addColumn<bool>("showCustom");
        QTest::addColumn<bool>("showMore");
        QTest::addColumn<bool>("showSys");
        QTest::addColumn<int>("height");
        QTest::newRow("usual options") << true << true << true << false << 181;
        QTest::newRow("with system buttons") << true << true << true << true << 203;
        QTest::newRow("no default") << false << true << true << false << 155;
        QTest::newRow("no custom colours") << true << false << true << false << 160;
        QTest::newRow("system buttons only") << true << true << false << true << 181;
        QTest::newRow("grid only") << false << false << false << false << 109;
    }

    void paletteSizeFollowsOptions()
    {
        QFETCH(bool, showDefault);
        QFETCH(bool, showCustom);
        QFETCH(bool, showMore);
        QFETCH(bool, showSys);
        QFETCH(int, height);
        ColorPalettePopup::Options options;
        options.showDefault = showDefault;
        options.showCustomColors = showCustom;
        options.showMoreColors = showMore;
        options.showSysColorButton = showSys;
        ColorPalettePopup palette(options);
        QCOMPARE(palette.size(), QSize(143, height));
        QCOMPARE(palette.cellVisible(ColorPalettePopup::DefaultCell), showDefault);
        QCOMPARE(palette.cellVisible(ColorPalettePopup::FirstCustomCell), showCustom);
        QCOMPARE(palette.cellVisible(ColorPalettePopup::MoreColorsCell), showMore);
        QCOMPARE(palette.cellVisible(ColorPalettePopup::SystemCell), showSys);
        QCOMPARE(palette.cellAt(QPoint(70, 10)) == ColorPalettePopup::DefaultCell, showDefault);
    }

    void cellsLieWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QRect>("rect");
        // Usual options plus the system buttons.
        QTest::newRow("default") << 1 << QRect(4, 4, 135, 22);
        QTest::newRow("grid first") << 2 << QRect(4, 30, 16, 16);
        QTest::newRow("grid row 1 last") << 9 << QRect(123, 30, 16, 16);
        QTest::newRow("grid row 2 first") << 10 << QRect(4, 47, 16, 16);
        QTest::newRow("grid last") << 49 << QRect(123, 115, 16, 16);
        QTest::newRow("custom 1") << 50 << QRect(4, 136, 16, 16);
        QTest::newRow("custom 8") << 57 << QRect(123, 136, 16, 16);
        QTest::newRow("normal") << 58 << QRect(4, 157, 64, 20);
        QTest::newRow("system") << 59 << QRect(75, 157, 64, 20);
        QTest::newRow("more colours") << 60 << QRect(4, 179, 135, 20);
    }

    void cellsLieWhereTheLayoutPutsThem()
    {
        QFETCH(int, cell);
        QFETCH(QRect, rect);
        ColorPalettePopup::Options options;
        options.showSysColorButton = true;
        ColorPalettePopup palette(options);
        QCOMPARE(palette.cellRect(cell), rect);
        QCOMPARE(palette.cellAt(rect.center()), cell);
    }

    void paletteDrawsCellColors()
    {
        ColorPalettePopup palette;
        const QImage image = palette.grab().toImage();
        QCOMPARE(image.size(), QSize(143, 181));
        QCOMPARE(QColor(image.pixel(palette.cellRect(19).center())), QColor(255, 0, 0));
        QCOMPARE(QColor(image.pixel(palette.cellRect(49).center())), QColor(64, 0, 64));
        // The swatch is framed 2 pixels inside the cell, in the disabled-text colour.
        const QRect r = palette.cellRect(19);
        QCOMPARE(QColor(image.pixel(r.left() + 2, r.center().y())), systemColor(17));
        QCOMPARE(QColor(image.pixel(r.left(), r.center().y())), systemColor(15));
    }

    void paletteDropsBelowOrAbove_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QPoint>("expected");
        const QRect screen(0, 0, 800, 600);
        QTest::newRow("room below") << QRect(100, 100, 80, 21) << QPoint(100, 121);
        QTest::newRow("exactly fits") << QRect(100, 398, 80, 21) << QPoint(100, 419);
        QTest::newRow("too low") << QRect(100, 500, 80, 21) << QPoint(100, 319);
        QTest::newRow("too far right") << QRect(750, 100, 80, 21) << QPoint(657, 121);
    }

    void paletteDropsBelowOrAbove()
    {
        QFETCH(QRect, anchor);
        QFETCH(QPoint, expected);
        QCOMPARE(ColorPalettePopup::placement(anchor, QSize(143, 181), QRect(0, 0, 800, 600)),
                 expected);
    }

    void pickerGrowsBackToMinimumHeight_data()
    {
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("expected");
        QTest::newRow("lower than 285 twips") << 10 << 19;
        QTest::newRow("zero") << 0 << 19;
        QTest::newRow("exactly 285 twips") << 19 << 19;
        QTest::newRow("higher") << 30 << 30;
    }

    void pickerGrowsBackToMinimumHeight()
    {
        QFETCH(int, requested);
        QFETCH(int, expected);
        ColorButton picker;
        picker.resize(80, requested);
        QCOMPARE(picker.height(), expected);
        picker.setGeometry(0, 0, 80, requested);
        QCOMPARE(picker.height(), expected);
    }

    void pressDrawsTheArrowPressedUntilTheMouseLeaves()
    {
        ColorButton picker;
        picker.resize(80, 21);
        picker.show();
        const QImage up = picker.grab().toImage();
        const QPoint arrow = picker.arrowRect().center();
        QTest::mousePress(&picker, Qt::LeftButton, {}, arrow);
        QVERIFY(picker.grab().toImage() != up);
        QTest::mouseMove(&picker, QPoint(200, 10));
        QCOMPARE(picker.grab().toImage(), up);
        QTest::mouseRelease(&picker, Qt::LeftButton, {}, QPoint(200, 10)); // outside
        QVERIFY(!ColorPalettePopup::current());
        QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(ColorPalettePopup::current()); // a click anywhere on it opens it
    }

    void releaseWithoutPressOnThePickerDoesNotOpen()
    {
        // The press that closes an open palette over its own picker is followed by a release
        // on the picker; that release must not open the palette again.
        ColorButton picker;
        picker.resize(80, 21);
        picker.show();
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        const QPoint onPicker = palette->mapFromGlobal(picker.mapToGlobal(QPoint(10, 10)));
        QTest::mousePress(palette, Qt::LeftButton, {}, onPicker);
        QVERIFY(!ColorPalettePopup::current());
        QTest::mouseRelease(&picker, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!ColorPalettePopup::current());
    }

    void keysOpenThePalette_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("F4") << int(Qt::Key_F4) << int(Qt::NoModifier);
        QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier);
        QTest::newRow("Alt+Up") << int(Qt::Key_Up) << int(Qt::AltModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    }

    void keysOpenThePalette()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        ColorButton picker;
        picker.show();
        QTest::keyClick(&picker, Qt::Key_A);
        QTest::keyClick(&picker, Qt::Key_Down);
        QVERIFY(!ColorPalettePopup::current());
        QTest::keyClick(&picker, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(ColorPalettePopup::current());
    }

    void pickerDrawsSwatchAndArrow_data()
    {
        QTest::addColumn<bool>("flat");
        QTest::addColumn<QColor>("color");
        QTest::newRow("3-D, red") << false << QColor(255, 0, 0);
        QTest::newRow("flat, blue") << true << QColor(0, 0, 255);
    }

    void pickerDrawsSwatchAndArrow()
    {
        QFETCH(bool, flat);
        QFETCH(QColor, color);
        ColorButton picker;
        picker.setFlat(flat);
        picker.setColor(color);
        picker.resize(80, 21);
        const QImage image = picker.grab().toImage();
        QCOMPARE(QColor(image.pixel(20, 10)), color);
        // The swatch frame and the arrow button's face.
        const int inset = flat ? 3 : 4;
        QCOMPARE(QColor(image.pixel(inset, 10)), systemColor(17));
        QCOMPARE(QColor(image.pixel(80 - 15 + 3, 5)), systemColor(15));
        // The arrow: something dark near the button's middle.
        const QRect arrow = picker.arrowRect();
        bool dark = false;
        for (int y = arrow.top() + 3; y <= arrow.bottom() - 3; ++y)
            for (int x = arrow.left() + 3; x <= arrow.right() - 3; ++x)
                dark = dark || qGray(image.pixel(x, y)) < 80;
        QVERIFY(dark);
    }

    void focusRectangleShowsOnlyWithFocus()
    {
        QWidget window;
        auto *other = new ColorButton(&window);
        auto *pickerPtr = new ColorButton(&window);
        ColorButton &picker = *pickerPtr;
        picker.setColor(kWhite);
        picker.setGeometry(0, 30, 80, 21);
        window.show();
        QApplication::setActiveWindow(&window);
        other->setFocus();
        auto dotsOnFocusLine = [&] {
            const QImage image = picker.grab().toImage();
            int dark = 0;
            for (int x = 6; x < 80 - 19; ++x)
                dark += qGray(image.pixel(x, 6)) < 128;
            return dark;
        };
        QCOMPARE(dotsOnFocusLine(), 0);
        picker.setFocus();
        QVERIFY(picker.hasFocus());
        QVERIFY(dotsOnFocusLine() > 10);
    }

    void tooltipsShowCellNamesWhenAsked_data()
    {
        QTest::addColumn<bool>("showToolTips");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }

    void tooltipsShowCellNamesWhenAsked()
    {
        QFETCH(bool, showToolTips);
        ColorPalettePopup::Options options;
        options.showToolTips = showToolTips;
        options.showSysColorButton = true;
        ColorPalettePopup palette(options);
        palette.show();
        palette.setMode(ColorPalettePopup::Mode::System);
        const QPoint pos = palette.cellRect(5).center();
        QHelpEvent help(QEvent::ToolTip, pos, palette.mapToGlobal(pos));
        QApplication::sendEvent(&palette, &help);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(),
                 showToolTips ? QStringLiteral("Inactive Titl Bar") : QString());
        QToolTip::hideText();
        palette.close();
    }

    void paletteForgetsACellWhoseReleaseWentElsewhere()
    {
        ColorButton picker;
        picker.setColor(QColor(0, 0, 0));
        picker.show();
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        const int chosen = ColorPalettePopup::FirstGridCell + 5;
        const QColor expected = palette->cellColor(chosen);
        QVERIFY(expected != QColor(0, 0, 0));
        const QPoint cell = palette->cellRect(chosen).center();
        QTest::mousePress(palette, Qt::LeftButton, {}, cell);
        QCOMPARE(palette->pressedCell(), chosen);
        QWidget elsewhere;
        QTest::mouseRelease(&elsewhere, Qt::LeftButton);
        QMouseEvent move(QEvent::MouseMove, QPointF(cell), palette->mapToGlobal(QPointF(cell)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(palette, &move);
        QCOMPARE(palette->pressedCell(), -1);
        // The keys choose again.
        QTest::keyClick(palette, Qt::Key_Return);
        QCOMPARE(picker.color(), expected);
    }

    void pickerIsAnAccessibleButtonDescribedByItsColor()
    {
        ColorButton picker;
        picker.setAccessibleName(QStringLiteral("Background colour"));
        picker.setColor(QColor(255, 128, 0));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&picker);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Background colour"));
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("#ff8000"));
        picker.setColor(QColor(0, 0, 255));
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("#0000ff"));
        QAccessibleActionInterface *actions = iface->actionInterface();
        QVERIFY(actions);
        picker.show();
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(ColorPalettePopup::current());
    }

    void paletteIsAnAccessibleListOfItsCells()
    {
        ColorButton picker;
        picker.setColor(QColor(0, 0, 0));
        picker.show();
        ColorPalettePopup *palette = openPalette(picker);
        QVERIFY(palette);
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(palette);
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), 1 + 48 + 8 + 1); // the usual options
        QAccessibleInterface *first = list->child(0);
        QVERIFY(first);
        QCOMPARE(first->text(QAccessible::Name), QStringLiteral("Default"));
        QAccessibleInterface *last = list->child(list->childCount() - 1);
        QCOMPARE(last->role(), QAccessible::Button);
        QCOMPARE(last->text(QAccessible::Name), QStringLiteral("Show Color Dialog"));
        QAccessibleInterface *red = list->child(19 - 1);
        QVERIFY(red);
        QCOMPARE(red->role(), QAccessible::ListItem);
        QCOMPARE(red->text(QAccessible::Name), QStringLiteral("#ff0000"));
        QCOMPARE(list->indexOfChild(red), 18);
        const QRect onScreen = red->rect();
        QCOMPARE(list->childAt(onScreen.center().x(), onScreen.center().y()), red);
        QAccessibleActionInterface *action = red->actionInterface();
        QVERIFY(action);
        action->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(picker.color(), QColor(255, 0, 0));
        QVERIFY(!ColorPalettePopup::current());
    }

    void closingThePickerClosesItsPalette()
    {
        auto *picker = new ColorButton;
        picker->show();
        QVERIFY(openPalette(*picker));
        delete picker;
        QTest::qWait(0);
        QVERIFY(!ColorPalettePopup::current());
    }
};

QTEST_MAIN(tst_ColorButton)
#include "tst_colorbutton.moc"
