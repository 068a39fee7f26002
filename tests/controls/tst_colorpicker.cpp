// SPDX-License-Identifier: MIT
#include "colorpalette.h"
#include "colorpicker.h"
#include "colournumbers.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <deque>

namespace {

constexpr qint32 rgbNumber(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}
constexpr qint32 kWhite = rgbNumber(255, 255, 255);

// Answers the colour dialog from a queue and records what it was asked.
struct ScriptedChooser
{
    std::deque<std::optional<QColor>> answers;
    int calls = 0;

    void install()
    {
        frmColorPalette::setColorChooser([this](const QColor &, QWidget *) {
            ++calls;
            if (answers.empty())
                return std::optional<QColor>();
            auto answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
};

QColor colourOf(int r, int g, int b)
{
    return QColor(r, g, b);
}

} // namespace

class tst_ColorPicker : public QObject
{
    Q_OBJECT

private:
    frmColorPalette *openPalette(ColorPicker &picker)
    {
        picker.showPalette();
        frmColorPalette *palette = frmColorPalette::current();
        if (palette)
            QTest::qWait(0);
        return palette;
    }

    void clickCell(frmColorPalette *palette, int cell)
    {
        QVERIFY(palette->cellVisible(cell));
        QTest::mouseClick(palette, Qt::LeftButton, {}, palette->cellRect(cell).center());
    }

private slots:
    void init()
    {
        frmColorPalette::clearCustomColors();
        frmColorPalette::setColorChooser({});
    }

    void cleanup()
    {
        if (frmColorPalette *open = frmColorPalette::current())
            open->close();
        frmColorPalette::setColorChooser({});
    }

    void newPickerHasDocumentedDefaults()
    {
        ColorPicker picker;
        QCOMPARE(picker.defaultColor(), kWhite);
        QCOMPARE(picker.color(), kWhite);
        QCOMPARE(picker.appearance(), 1);
        QCOMPARE(picker.backColor(), qint32(0x8000000C));
        QVERIFY(picker.showDefault());
        QVERIFY(picker.showCustomColors());
        QVERIFY(picker.showMoreColors());
        QVERIFY(!picker.showSysColorButton());
        QVERIFY(!picker.showToolTips());
        QCOMPARE(picker.defaultCaption(), QStringLiteral("Default"));
        QCOMPARE(picker.moreColorsCaption(), QStringLiteral("More Colors..."));
        QCOMPARE(picker.height(), 21); // 315 twips
        QCOMPARE(picker.property("Color").value<qint32>(), kWhite);
    }

    void choosingDefaultGivesDefaultColor_data()
    {
        QTest::addColumn<qint32>("defaultColor");
        QTest::newRow("plain colour") << rgbNumber(12, 34, 56);
        QTest::newRow("system colour") << systemColourNumber(15);
        QTest::newRow("black") << qint32(0);
    }

    void choosingDefaultGivesDefaultColor()
    {
        QFETCH(qint32, defaultColor);
        ColorPicker picker;
        picker.setColor(rgbNumber(1, 2, 3));
        picker.setDefaultColor(defaultColor);
        picker.show();
        QSignalSpy changed(&picker, &ColorPicker::colorChanged);
        frmColorPalette *palette = openPalette(picker);
        QVERIFY(palette);
        QCOMPARE(palette->cellColor(frmColorPalette::DefaultCell), defaultColor);
        clickCell(palette, frmColorPalette::DefaultCell);
        QCOMPARE(picker.color(), defaultColor);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<qint32>(), defaultColor);
        QVERIFY(!frmColorPalette::current());
    }

    void choosingGridCellGivesItsColour_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<qint32>("expected");
        QTest::newRow("first cell") << 2 << rgbNumber(255, 255, 255);
        QTest::newRow("row 1 last") << 9 << rgbNumber(255, 192, 255);
        QTest::newRow("red") << 19 << rgbNumber(255, 0, 0);
        QTest::newRow("orange-brown") << 28 << rgbNumber(192, 64, 0);
        QTest::newRow("black") << 42 << rgbNumber(0, 0, 0);
        QTest::newRow("last cell") << 49 << rgbNumber(64, 0, 64);
    }

    void choosingGridCellGivesItsColour()
    {
        QFETCH(int, cell);
        QFETCH(qint32, expected);
        ColorPicker picker;
        picker.setColor(rgbNumber(9, 9, 9));
        picker.show();
        frmColorPalette *palette = openPalette(picker);
        QVERIFY(palette);
        clickCell(palette, cell);
        QCOMPARE(picker.color(), expected);
    }

    void dialogColoursFillCustomCellsAsARingSeenByEveryPicker()
    {
        ScriptedChooser chooser;
        for (int i = 1; i <= 9; ++i)
            chooser.answers.push_back(colourOf(10 * i, 0, 0));
        chooser.install();
        ColorPicker first;
        ColorPicker second;
        first.show();
        second.show();
        for (int i = 1; i <= 9; ++i) {
            ColorPicker &picker = i % 2 ? first : second;
            frmColorPalette *palette = openPalette(picker);
            QVERIFY(palette);
            clickCell(palette, frmColorPalette::MoreColorsCell);
            QCOMPARE(picker.color(), rgbNumber(10 * i, 0, 0));
            QVERIFY(!frmColorPalette::current());
            if (i <= 8) {
                // The new colour sits in custom cell i, seen from the other picker too.
                ColorPicker &other = i % 2 ? second : first;
                frmColorPalette *seen = openPalette(other);
                QVERIFY(seen);
                QCOMPARE(seen->cellColor(frmColorPalette::FirstCustomCell + i - 1),
                         rgbNumber(10 * i, 0, 0));
                if (i < 8)
                    QCOMPARE(seen->cellColor(frmColorPalette::FirstCustomCell + i), kWhite);
                seen->close();
            }
        }
        QCOMPARE(chooser.calls, 9);
        // The ninth colour replaced cell 1; the rest stay.
        frmColorPalette *palette = openPalette(second);
        QVERIFY(palette);
        QCOMPARE(palette->cellColor(frmColorPalette::FirstCustomCell), rgbNumber(90, 0, 0));
        QCOMPARE(palette->cellColor(frmColorPalette::FirstCustomCell + 1), rgbNumber(20, 0, 0));
        QCOMPARE(palette->cellColor(frmColorPalette::LastCustomCell), rgbNumber(80, 0, 0));
        // Choosing a custom cell gives its colour.
        clickCell(palette, frmColorPalette::FirstCustomCell + 2);
        QCOMPARE(second.color(), rgbNumber(30, 0, 0));
    }

    void cancellingTheDialogLeavesColourAndCustomColours()
    {
        ScriptedChooser chooser;
        chooser.answers.push_back(std::nullopt);
        chooser.install();
        ColorPicker picker;
        picker.setColor(rgbNumber(5, 6, 7));
        picker.show();
        QSignalSpy changed(&picker, &ColorPicker::colorChanged);
        frmColorPalette *palette = openPalette(picker);
        QVERIFY(palette);
        clickCell(palette, frmColorPalette::MoreColorsCell);
        QCOMPARE(chooser.calls, 1);
        QCOMPARE(picker.color(), rgbNumber(5, 6, 7));
        QCOMPARE(changed.count(), 0);
        QVERIFY(frmColorPalette::customColors().isEmpty());
        QVERIFY(!frmColorPalette::current());
    }

    void dialogStartsFromThePickersColour()
    {
        QColor asked;
        frmColorPalette::setColorChooser([&](const QColor &initial, QWidget *) {
            asked = initial;
            return std::optional<QColor>();
        });
        ColorPicker picker;
        picker.setColor(rgbNumber(10, 20, 30));
        picker.setDefaultColor(rgbNumber(200, 200, 200));
        picker.show();
        frmColorPalette *palette = openPalette(picker);
        QVERIFY(palette);
        clickCell(palette, frmColorPalette::MoreColorsCell);
        QCOMPARE(asked, QColor(10, 20, 30));
    }

    void pickerDestroyedWhileTheDialogIsUpIsHarmless()
    {
        auto *picker = new ColorPicker;
        picker->show();
        frmColorPalette::setColorChooser([&](const QColor &, QWidget *) {
            delete picker;
            picker = nullptr;
            return std::optional<QColor>(QColor(1, 2, 3));
        });
        frmColorPalette *palette = openPalette(*picker);
        QVERIFY(palette);
        clickCell(palette, frmColorPalette::MoreColorsCell);
        QVERIFY(!picker);
        QVERIFY(!frmColorPalette::current());
    }

    void unfilledCustomCellOffersWhite()
    {
        ColorPicker picker;
        picker.setColor(0);
        picker.show();
        frmColorPalette *palette = openPalette(picker);
        QVERIFY(palette);
        clickCell(palette, frmColorPalette::LastCustomCell);
        QCOMPARE(picker.color(), kWhite);
    }

    void systemModeOffersSystemColoursThenWhite()
    {
        ColorPicker picker;
        picker.setShowSysColorButton(true);
        picker.show();
        frmColorPalette *palette = openPalette(picker);
        QVERIFY(palette);
        QCOMPARE(palette->mode(), frmColorPalette::Mode::Normal);
        clickCell(palette, frmColorPalette::SystemCell);
        QCOMPARE(palette->mode(), frmColorPalette::Mode::System);
        QCOMPARE(frmColorPalette::current(), palette); // switching keeps it open
        for (int i = 0; i < 25; ++i)
            QCOMPARE(palette->cellColor(2 + i), systemColourNumber(i));
        for (int cell = 27; cell <= 49; ++cell) {
            QCOMPARE(palette->cellColor(cell), kWhite);
            QVERIFY(palette->cellName(cell).isEmpty());
        }
        QCOMPARE(palette->cellName(2), QStringLiteral("Scroll Bars"));
        QCOMPARE(palette->cellName(5), QStringLiteral("Inactive Titl Bar"));
        QCOMPARE(palette->cellName(26), QStringLiteral("ToolTip"));
        clickCell(palette, frmColorPalette::NormalCell);
        QCOMPARE(palette->mode(), frmColorPalette::Mode::Normal);
        QCOMPARE(palette->cellColor(19), rgbNumber(255, 0, 0));
        clickCell(palette, frmColorPalette::SystemCell);
        clickCell(palette, 27);
        QCOMPARE(picker.color(), kWhite);
    }

    void choosingASystemColourKeepsItsNumber()
    {
        ColorPicker picker;
        picker.setShowSysColorButton(true);
        picker.show();
        frmColorPalette *palette = openPalette(picker);
        QVERIFY(palette);
        clickCell(palette, frmColorPalette::SystemCell);
        clickCell(palette, 2 + 13); // Highlight
        QCOMPARE(picker.color(), qint32(0x8000000D));
    }

    void cellNamesAreKept()
    {
        frmColorPalette palette;
        QCOMPARE(palette.cellName(1), QStringLiteral("Default"));
        QCOMPARE(palette.cellName(50), QStringLiteral("Custom Color 1"));
        QCOMPARE(palette.cellName(57), QStringLiteral("Custom Color 8"));
        QCOMPARE(palette.cellName(58), QStringLiteral("Normal Colors"));
        QCOMPARE(palette.cellName(59), QStringLiteral("System Colors"));
        QCOMPARE(palette.cellName(60), QStringLiteral("Show Color Dialog"));
    }

    void clickOutsideLeavesColourUnchanged_data()
    {
        QTest::addColumn<QPoint>("where");
        QTest::newRow("left of it") << QPoint(-20, 50);
        QTest::newRow("below it") << QPoint(70, 400);
        QTest::newRow("above it") << QPoint(70, -3);
    }

    void clickOutsideLeavesColourUnchanged()
    {
        QFETCH(QPoint, where);
        ColorPicker picker;
        picker.setColor(rgbNumber(40, 50, 60));
        picker.show();
        QSignalSpy changed(&picker, &ColorPicker::colorChanged);
        frmColorPalette *palette = openPalette(picker);
        QVERIFY(palette);
        QSignalSpy finished(palette, &frmColorPalette::finished);
        QTest::mouseClick(palette, Qt::LeftButton, {}, where);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toBool(), true);
        QVERIFY(!frmColorPalette::current());
        QCOMPARE(picker.color(), rgbNumber(40, 50, 60));
        QCOMPARE(changed.count(), 0);
    }

    void releaseOutsideAfterPressOnACellCancels()
    {
        ColorPicker picker;
        picker.setColor(rgbNumber(40, 50, 60));
        picker.show();
        frmColorPalette *palette = openPalette(picker);
        QVERIFY(palette);
        const QPoint cell = palette->cellRect(19).center();
        QTest::mousePress(palette, Qt::LeftButton, {}, cell);
        QCOMPARE(palette->pressedCell(), 19);
        QTest::mouseRelease(palette, Qt::LeftButton, {}, QPoint(300, 300));
        QVERIFY(!frmColorPalette::current());
        QCOMPARE(picker.color(), rgbNumber(40, 50, 60));
    }

    void releaseOnAnotherCellInsideKeepsPaletteOpen()
    {
        ColorPicker picker;
        picker.setColor(rgbNumber(40, 50, 60));
        picker.show();
        frmColorPalette *palette = openPalette(picker);
        QVERIFY(palette);
        QTest::mousePress(palette, Qt::LeftButton, {}, palette->cellRect(19).center());
        QTest::mouseRelease(palette, Qt::LeftButton, {}, palette->cellRect(30).center());
        QCOMPARE(frmColorPalette::current(), palette);
        QCOMPARE(palette->pressedCell(), -1);
        QCOMPARE(picker.color(), rgbNumber(40, 50, 60));
    }

    void escapeClosesAsCancelled()
    {
        ColorPicker picker;
        picker.setColor(rgbNumber(1, 1, 1));
        picker.show();
        frmColorPalette *palette = openPalette(picker);
        QVERIFY(palette);
        QSignalSpy finished(palette, &frmColorPalette::finished);
        QTest::keyClick(palette, Qt::Key_Escape);
        QCOMPARE(finished.count(), 1);
        QVERIFY(finished.at(0).at(0).toBool());
        QVERIFY(!frmColorPalette::current());
        QCOMPARE(picker.color(), rgbNumber(1, 1, 1));
    }

    void hotAndPressedCellsFollowTheMouse()
    {
        ColorPicker picker;
        picker.show();
        frmColorPalette *palette = openPalette(picker);
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
        ColorPicker picker;
        picker.setColor(0);
        picker.show();
        frmColorPalette *palette = openPalette(picker);
        QVERIFY(palette);
        QTest::keyClick(palette, Qt::Key_Down);
        QCOMPARE(palette->hotCell(), frmColorPalette::DefaultCell);
        QTest::keyClick(palette, Qt::Key_Down);
        QVERIFY(palette->hotCell() >= 2 && palette->hotCell() <= 9);
        for (int i = 0; i < 9; ++i)
            QTest::keyClick(palette, Qt::Key_Left);
        QCOMPARE(palette->hotCell(), 2); // stops at the left edge
        QTest::keyClick(palette, Qt::Key_Up);
        QCOMPARE(palette->hotCell(), frmColorPalette::DefaultCell);
        QTest::keyClick(palette, Qt::Key_Down);
        for (int i = 0; i < 9; ++i)
            QTest::keyClick(palette, Qt::Key_Left);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(palette, Qt::Key_Down);
        QCOMPARE(palette->hotCell(), 42);
        QTest::keyClick(palette, Qt::Key_Down);
        QCOMPARE(palette->hotCell(), frmColorPalette::FirstCustomCell);
        QTest::keyClick(palette, Qt::Key_Down);
        QCOMPARE(palette->hotCell(), frmColorPalette::MoreColorsCell);
        // Up from the wide button lands on the custom cell nearest its middle (the fifth).
        QTest::keyClick(palette, Qt::Key_Up);
        QCOMPARE(palette->hotCell(), 54);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(palette, Qt::Key_Up);
        QCOMPARE(palette->hotCell(), 30);
        QTest::keyClick(palette, Qt::Key_Right);
        QCOMPARE(palette->hotCell(), 31);
        QTest::keyClick(palette, Qt::Key_Return);
        QVERIFY(!frmColorPalette::current());
        QCOMPARE(picker.color(), rgbNumber(0, 192, 192));
    }

    void onlyOnePaletteIsOpen()
    {
        ColorPicker first;
        ColorPicker second;
        first.setColor(rgbNumber(1, 2, 3));
        first.show();
        second.show();
        frmColorPalette *a = openPalette(first);
        QVERIFY(a);
        QSignalSpy finished(a, &frmColorPalette::finished);
        frmColorPalette *b = openPalette(second);
        QVERIFY(b);
        QVERIFY(a != b);
        QCOMPARE(finished.count(), 1);
        QVERIFY(finished.at(0).at(0).toBool());
        QCOMPARE(frmColorPalette::current(), b);
        QCOMPARE(first.color(), rgbNumber(1, 2, 3));
        QVERIFY(!first.paletteWindow());
        QCOMPARE(second.paletteWindow(), b);
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
        frmColorPalette::Options options;
        options.showDefault = showDefault;
        options.showCustomColors = showCustom;
        options.showMoreColors = showMore;
        options.showSysColorButton = showSys;
        frmColorPalette palette(options);
        QCOMPARE(palette.size(), QSize(143, height));
        QCOMPARE(palette.cellVisible(frmColorPalette::DefaultCell), showDefault);
        QCOMPARE(palette.cellVisible(frmColorPalette::FirstCustomCell), showCustom);
        QCOMPARE(palette.cellVisible(frmColorPalette::MoreColorsCell), showMore);
        QCOMPARE(palette.cellVisible(frmColorPalette::SystemCell), showSys);
        QCOMPARE(palette.cellAt(QPoint(70, 10)) == frmColorPalette::DefaultCell, showDefault);
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
        frmColorPalette::Options options;
        options.showSysColorButton = true;
        frmColorPalette palette(options);
        QCOMPARE(palette.cellRect(cell), rect);
        QCOMPARE(palette.cellAt(rect.center()), cell);
    }

    void paletteDrawsCellColours()
    {
        frmColorPalette palette;
        const QImage image = palette.grab().toImage();
        QCOMPARE(image.size(), QSize(143, 181));
        QCOMPARE(QColor(image.pixel(palette.cellRect(19).center())), QColor(255, 0, 0));
        QCOMPARE(QColor(image.pixel(palette.cellRect(49).center())), QColor(64, 0, 64));
        // The swatch is framed 2 pixels inside the cell, in the disabled-text colour.
        const QRect r = palette.cellRect(19);
        QCOMPARE(QColor(image.pixel(r.left() + 2, r.center().y())), systemColour(17));
        QCOMPARE(QColor(image.pixel(r.left(), r.center().y())), systemColour(15));
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
        QCOMPARE(frmColorPalette::placement(anchor, QSize(143, 181), QRect(0, 0, 800, 600)),
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
        ColorPicker picker;
        picker.resize(80, requested);
        QCOMPARE(picker.height(), expected);
        picker.setGeometry(0, 0, 80, requested);
        QCOMPARE(picker.height(), expected);
    }

    void pressOnArrowPressesItUntilTheMouseLeavesIt()
    {
        ColorPicker picker;
        picker.resize(80, 21);
        picker.show();
        const QPoint arrow = picker.arrowRect().center();
        QTest::mousePress(&picker, Qt::LeftButton, {}, arrow);
        QVERIFY(picker.isArrowPressed());
        QTest::mouseMove(&picker, QPoint(10, 10));
        QVERIFY(!picker.isArrowPressed());
        QTest::mouseRelease(&picker, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(frmColorPalette::current()); // a release anywhere inside opens it
        QVERIFY(!picker.isArrowPressed());
    }

    void pressOnSwatchDoesNotPressArrow()
    {
        ColorPicker picker;
        picker.resize(80, 21);
        picker.show();
        QTest::mousePress(&picker, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!picker.isArrowPressed());
        QVERIFY(!frmColorPalette::current());
        QTest::mouseRelease(&picker, Qt::LeftButton, {}, QPoint(200, 10)); // outside
        QVERIFY(!frmColorPalette::current());
    }

    void releaseWithoutPressOnThePickerDoesNotOpen()
    {
        // The press that closes an open palette over its own picker is followed by a release
        // on the picker; that release must not open the palette again.
        ColorPicker picker;
        picker.resize(80, 21);
        picker.show();
        frmColorPalette *palette = openPalette(picker);
        QVERIFY(palette);
        const QPoint onPicker = palette->mapFromGlobal(picker.mapToGlobal(QPoint(10, 10)));
        QTest::mousePress(palette, Qt::LeftButton, {}, onPicker);
        QVERIFY(!frmColorPalette::current());
        QTest::mouseRelease(&picker, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!frmColorPalette::current());
    }

    void pickerPassesMouseEventsOnInTwips()
    {
        ColorPicker picker;
        picker.resize(80, 21);
        picker.show();
        QStringList events;
        connect(&picker, &ColorPicker::mouseDown, this,
                [&](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
                    events << QStringLiteral("down %1 %2 %3").arg(int(b)).arg(x).arg(y);
                });
        connect(&picker, &ColorPicker::mouseUp, this,
                [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                    events << QStringLiteral("up %1 %2").arg(x).arg(y);
                });
        connect(&picker, &ColorPicker::clicked, this, [&] { events << QStringLiteral("click"); });
        QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(10, 7));
        QCOMPARE(events, QStringList({QStringLiteral("down 1 150 105"),
                                      QStringLiteral("up 150 105"), QStringLiteral("click")}));
    }

    void pickerPassesKeysOnAndOpensWithF4()
    {
        ColorPicker picker;
        picker.show();
        QSignalSpy down(&picker, &ColorPicker::keyDown);
        QSignalSpy press(&picker, &ColorPicker::keyPress);
        QSignalSpy up(&picker, &ColorPicker::keyUp);
        QTest::keyClick(&picker, Qt::Key_A);
        QCOMPARE(down.count(), 1);
        QCOMPARE(down.at(0).at(0).toInt(), int(Qt::Key_A));
        QCOMPARE(press.count(), 1);
        QCOMPARE(press.at(0).at(0).toString(), QStringLiteral("a"));
        QCOMPARE(up.count(), 1);
        QVERIFY(!frmColorPalette::current());
        QTest::keyClick(&picker, Qt::Key_F4);
        QVERIFY(frmColorPalette::current());
    }

    void pickerDrawsSwatchAndArrow_data()
    {
        QTest::addColumn<int>("appearance");
        QTest::addColumn<qint32>("colour");
        QTest::newRow("3-D, red") << 1 << rgbNumber(255, 0, 0);
        QTest::newRow("flat, blue") << 0 << rgbNumber(0, 0, 255);
        QTest::newRow("3-D, system highlight") << 1 << systemColourNumber(13);
    }

    void pickerDrawsSwatchAndArrow()
    {
        QFETCH(int, appearance);
        QFETCH(qint32, colour);
        ColorPicker picker;
        picker.setAppearance(appearance);
        picker.setColor(colour);
        picker.resize(80, 21);
        const QImage image = picker.grab().toImage();
        QCOMPARE(QColor(image.pixel(20, 10)), colourFromNumber(colour));
        // The swatch frame and the arrow button's face.
        const int inset = appearance ? 4 : 3;
        QCOMPARE(QColor(image.pixel(inset, 10)), systemColour(17));
        QCOMPARE(QColor(image.pixel(80 - 15 + 3, 5)), systemColour(15));
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
        auto *other = new ColorPicker(&window);
        auto *pickerPtr = new ColorPicker(&window);
        ColorPicker &picker = *pickerPtr;
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
        frmColorPalette::Options options;
        options.showToolTips = showToolTips;
        options.showSysColorButton = true;
        frmColorPalette palette(options);
        palette.show();
        palette.setMode(frmColorPalette::Mode::System);
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
        ColorPicker picker;
        picker.setColor(0);
        picker.show();
        frmColorPalette *palette = openPalette(picker);
        QVERIFY(palette);
        const int chosen = frmColorPalette::FirstGridCell + 5;
        const qint32 expected = palette->cellColor(chosen);
        QVERIFY(expected != 0);
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

    void pickerIsAnAccessibleComboBoxValuedByItsColour()
    {
        ColorPicker picker;
        picker.setAccessibleName(QStringLiteral("Background colour"));
        picker.setColor(rgbNumber(255, 128, 0));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&picker);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::ComboBox);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Background colour"));
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("#ff8000"));
        // The same as its read-only text, which is what the Linux bridge passes on.
        QAccessibleTextInterface *text = iface->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("#ff8000"));
        picker.setColor(systemColourNumber(12));
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("Application Workspace"));
        QCOMPARE(text->text(0, 11), QStringLiteral("Application"));
        QAccessibleActionInterface *actions = iface->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
        picker.show();
        actions->doAction(QAccessibleActionInterface::showMenuAction());
        QVERIFY(frmColorPalette::current());
    }

    void paletteIsAnAccessibleListOfItsCells()
    {
        ColorPicker picker;
        picker.setColor(0);
        picker.show();
        frmColorPalette *palette = openPalette(picker);
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
        QCOMPARE(picker.color(), rgbNumber(255, 0, 0));
        QVERIFY(!frmColorPalette::current());
    }

    void closingThePickerClosesItsPalette()
    {
        auto *picker = new ColorPicker;
        picker->show();
        QVERIFY(openPalette(*picker));
        delete picker;
        QTest::qWait(0);
        QVERIFY(!frmColorPalette::current());
    }
};

QTEST_MAIN(tst_ColorPicker)
#include "tst_colorpicker.moc"
