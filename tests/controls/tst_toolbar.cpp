// SPDX-License-Identifier: MIT
#include "toolbar.h"
#include "toolbarband.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using namespace Velloquin;

namespace {

const QColor Green(0, 255, 0);

// A strip of `count` images: each a solid square of its own colour with a one-pixel
// mask-green border, so the border must come out transparent.
QImage makeStrip(int count, int size = 16)
{
    QImage strip(count * size, size, QImage::Format_RGB32);
    strip.fill(QColor(0, 255, 0));
    for (int i = 0; i < count; ++i)
        for (int y = 1; y < size - 1; ++y)
            for (int x = 1; x < size - 1; ++x)
                strip.setPixel(i * size + x, y, qRgb(200, 20 * i % 256, 40));
    return strip;
}

QPoint centre(const Toolbar &bar, int index)
{
    return bar.buttonRect(index).center();
}

// The right and bottom of a button's rectangle, exclusive.
int right(const Toolbar &bar, int index)
{
    return bar.buttonRect(index).x() + bar.buttonRect(index).width();
}

int bottom(const Toolbar &bar, int index)
{
    return bar.buttonRect(index).y() + bar.buttonRect(index).height();
}

// A point well outside button index, in the button's own coordinates.
QPoint outside(const Toolbar &bar, int index)
{
    return QPoint(bar.width() + 50, bar.buttonRect(index).height() + 50);
}

void click(Toolbar &bar, int index)
{
    QTest::mouseMove(&bar, centre(bar, index));
    QTest::mouseClick(bar.button(index), Qt::LeftButton);
}

// Hover moves (no button held) reach the widget through the cursor, so it must be shown.
void showAndWait(QWidget &widget)
{
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
}

} // namespace

class TestToolbar : public QObject
{
    Q_OBJECT

private slots:
    void layoutGivesButtonGeometry_data();
    void layoutGivesButtonGeometry();
    void separatorsFollowTheirButtons();
    void buttonsBeyondTheCountAreEmpty();
    void rebuildingReplacesTheButtons();
    void tooltipsNameTheirButtons();
    void buttonFollowsItsAction_data();
    void buttonFollowsItsAction();

    void mouseRaisesOneEventPerClick_data();
    void mouseRaisesOneEventPerClick();
    void checkButtonWithoutEventIsSilent();
    void optionButtonsUncheckOnlyTheirGroup();
    void hoverLightsButtonAndLeavingDarkensIt();
    void everyPressClicksOnceWhereverTheLastReleaseWent_data();
    void everyPressClicksOnceWhereverTheLastReleaseWent();
    void keyboardReachesAndPressesButtons();

    void maskColorIsTransparent();
    void disabledImageIsGreyed();
    void litButtonsUseTheirGradients();
    void bandPaintsGradientAndSetsToolbarColors();

    void buttonsAreAccessiblePushButtons();
    void shippedStripsHoldOneImagePerButton_data();
    void shippedStripsHoldOneImagePerButton();
};

void TestToolbar::layoutGivesButtonGeometry_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("images");
    QTest::addColumn<int>("imageSize");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<QRect>("last"); // left, top, right, bottom as the bar reports them
    QTest::addColumn<QSize>("barSize");

    // QRect here carries (left, top) and (right, bottom) through x/y/width/height.
    QTest::newRow("main strip") << "NNN|N|NC|NN|C" << 9 << 16 << 0 << "NNNNNCNNC"
                                << QRect(209, 1, 232, 23) << QSize(233, 24);
    QTest::newRow("lower case") << "nnn|n|nc|nn|c" << 9 << 16 << 0 << "NNNNNCNNC"
                                << QRect(209, 1, 232, 23) << QSize(233, 24);
    QTest::newRow("unknown characters skipped")
        << "N x-N?C" << 3 << 16 << 0 << "NNC" << QRect(47, 1, 70, 23) << QSize(71, 24);
    QTest::newRow("empty layout, one per image")
        << "" << 3 << 16 << 0 << "NNN" << QRect(47, 1, 70, 23) << QSize(71, 24);
    QTest::newRow("option group") << "OO|N" << 3 << 16 << 0 << "OON" << QRect(53, 1, 76, 23)
                                  << QSize(77, 24);
    QTest::newRow("leading separator dropped")
        << "|NN" << 2 << 16 << 0 << "NN" << QRect(24, 1, 47, 23) << QSize(48, 24);
    QTest::newRow("vertical") << "N|N" << 2 << 16 << 1 << "NN" << QRect(1, 30, 23, 53)
                              << QSize(24, 54);
    QTest::newRow("24-pixel images")
        << "NN" << 2 << 24 << 0 << "NN" << QRect(32, 1, 63, 31) << QSize(64, 32);
    QTest::newRow("image size 0 taken as 1")
        << "NN" << 2 << 0 << 0 << "NN" << QRect(9, 1, 17, 8) << QSize(18, 9);
}

void TestToolbar::layoutGivesButtonGeometry()
{
    QFETCH(QString, layout);
    QFETCH(int, images);
    QFETCH(int, imageSize);
    QFETCH(int, orientation);
    QFETCH(QString, kinds);
    QFETCH(QRect, last);
    QFETCH(QSize, barSize);

    Toolbar bar;
    bar.setOrientation(orientation == 0 ? Qt::Horizontal : Qt::Vertical);
    QVERIFY(bar.build(makeStrip(images, qMax(1, imageSize)), Green, imageSize, layout));
    QCOMPARE(bar.buttonCount(), kinds.size());
    QString actual;
    for (int i = 1; i <= bar.buttonCount(); ++i) {
        actual += QLatin1Char("NCO"[int(bar.buttonKind(i))]);
        QCOMPARE(bar.button(i)->isCheckable(), bar.buttonKind(i) != Toolbar::ButtonKind::Push);
    }
    QCOMPARE(actual, kinds);

    const int n = bar.buttonCount();
    QCOMPARE(bar.buttonRect(n).x(), last.x());
    QCOMPARE(bar.buttonRect(n).y(), last.y());
    QCOMPARE(right(bar, n), last.width());
    QCOMPARE(bottom(bar, n), last.height());
    QCOMPARE(bar.buttonRect(n).height(), last.height() - last.y());
    QCOMPARE(bar.size(), barSize);
    QCOMPARE(bar.sizeHint(), barSize);
}

void TestToolbar::separatorsFollowTheirButtons()
{
    Toolbar bar;
    bar.build(makeStrip(9), Green, 16, "NNN|N|NC|NN|C");
    const int lefts[] = {1, 24, 47, 76, 105, 128, 157, 180, 209};
    for (int i = 1; i <= 9; ++i) {
        QCOMPARE(bar.buttonRect(i).x(), lefts[i - 1]);
        QCOMPARE(right(bar, i) - bar.buttonRect(i).x(), 23);
        QCOMPARE(bar.buttonRect(i).height(), 22);
        const bool separated = i == 3 || i == 4 || i == 6 || i == 8;
        QCOMPARE(!bar.separatorRect(i).isEmpty(), separated);
        if (separated) {
            // Two pixels wide, four past the inner rectangle's right edge.
            QCOMPARE(bar.separatorRect(i).left(), right(bar, i) - 2 + 4);
            QCOMPARE(bar.separatorRect(i).width(), 2);
            QCOMPARE(bar.separatorRect(i).top(), bar.buttonRect(i).y() + 2);
        }
    }
}

void TestToolbar::buttonsBeyondTheCountAreEmpty()
{
    Toolbar bar;
    bar.build(makeStrip(3), Green, 16, "NNN");
    for (int index : {0, 4, -1}) {
        QCOMPARE(bar.buttonRect(index).x(), 0);
        QCOMPARE(bar.buttonRect(index).height(), 0);
        QVERIFY(!bar.button(index));
        QVERIFY(!bar.isButtonEnabled(index));
        QVERIFY(!bar.isButtonChecked(index));
        bar.setButtonEnabled(index, false); // ignored, must not crash
        bar.activateButton(index);
        bar.toggleButton(index);
    }
}

void TestToolbar::rebuildingReplacesTheButtons()
{
    Toolbar bar;
    bar.build(makeStrip(3), Green, 16, "NNN");
    bar.build(makeStrip(2), Green, 16, "NC");
    QCOMPARE(bar.findChildren<QAbstractButton *>().size(), 2);
    QSignalSpy checks(&bar, &Toolbar::buttonToggled);
    bar.activateButton(2);
    QCOMPARE(checks.count(), 1); // one connection per button, not one per build

    QVERIFY(!bar.build(QImage(), Green, 16, "NNN"));
    QCOMPARE(bar.buttonCount(), 0);
    QCOMPARE(bar.findChildren<QAbstractButton *>().size(), 0);
}

void TestToolbar::tooltipsNameTheirButtons()
{
    Toolbar bar;
    // Tips set before the buttons exist reach them when they are built.
    bar.setButtonToolTips("Store this  word|| Search |Spare");
    bar.build(makeStrip(3), Green, 16, "NNN");
    const QStringList tips{"Store this  word", "", " Search "};
    for (int i = 1; i <= 3; ++i) {
        QCOMPARE(bar.buttonToolTip(i), tips[i - 1]);
        QCOMPARE(bar.button(i)->toolTip(), tips[i - 1]);
        QCOMPARE(QAccessible::queryAccessibleInterface(bar.button(i))->text(QAccessible::Name),
                 tips[i - 1]);
    }
    QCOMPARE(bar.buttonToolTip(4), QString("Spare"));
    QCOMPARE(bar.buttonToolTip(5), QString());
}

void TestToolbar::buttonFollowsItsAction_data()
{
    QTest::addColumn<QString>("layout");
    QTest::newRow("push") << "N";
    QTest::newRow("check") << "C";
}

void TestToolbar::buttonFollowsItsAction()
{
    QFETCH(QString, layout);
    const bool check = layout == QLatin1String("C");
    Toolbar bar;
    bar.setButtonToolTips("Old tip");
    bar.build(makeStrip(1), Green, 16, layout);
    QAction action(QStringLiteral("&Hide"));
    action.setCheckable(check);
    action.setToolTip(QStringLiteral("Hide Answers. (Ctrl+H)"));
    QSignalSpy triggered(&action, &QAction::triggered);
    QSignalSpy toggled(&bar, &Toolbar::buttonToggled);
    bar.setButtonAction(1, &action);
    QCOMPARE(bar.buttonAction(1), &action);
    QCOMPARE(bar.buttonToolTip(1), action.toolTip());
    QCOMPARE(QAccessible::queryAccessibleInterface(bar.button(1))->text(QAccessible::Name),
             action.toolTip());

    // A disabled action cannot be run from its button.
    action.setEnabled(false);
    QVERIFY(!bar.isButtonEnabled(1));
    bar.activateButton(1);
    QCOMPARE(triggered.size(), 0);
    action.setEnabled(true);

    // A press runs the action once; a check button and its action keep one state.
    bar.activateButton(1);
    QCOMPARE(triggered.size(), 1);
    QCOMPARE(action.isChecked(), check);
    QCOMPARE(bar.isButtonChecked(1), check);
    // State set on the action shows on the button without running anything.
    action.setChecked(false);
    QVERIFY(!bar.isButtonChecked(1));
    QCOMPARE(triggered.size(), 1);
    QCOMPARE(toggled.size(), check ? 1 : 0);
    action.setToolTip(QStringLiteral("New tip"));
    QCOMPARE(bar.buttonToolTip(1), QStringLiteral("New tip"));

    // Without its action the button shows its own tip again and runs nothing.
    bar.setButtonAction(1, nullptr);
    QCOMPARE(bar.buttonToolTip(1), QStringLiteral("Old tip"));
    bar.activateButton(1);
    QCOMPARE(triggered.size(), 1);
}

void TestToolbar::mouseRaisesOneEventPerClick_data()
{
    // Steps: p/r left press/release on the button, o left release outside it, d the second
    // press of a double click, P/R right press/release.
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("afterPress"); // events once the first step is done
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QList<bool>>("toggles");

    const QList<bool> none;
    QTest::newRow("push, click") << 4 << true << "pr" << 1 << 1 << none;
    QTest::newRow("push, double click") << 4 << true << "prdr" << 1 << 2 << none;
    QTest::newRow("push, released outside") << 4 << true << "po" << 1 << 1 << none;
    QTest::newRow("push, right button") << 4 << true << "PR" << 0 << 0 << none;
    QTest::newRow("push, disabled") << 2 << false << "pr" << 0 << 0 << none;
    QTest::newRow("check, click") << 6 << true << "pr" << 0 << 0 << QList<bool>{true};
    QTest::newRow("check, double click")
        << 6 << true << "prdr" << 0 << 0 << QList<bool>{true, false};
    QTest::newRow("check, released outside") << 6 << true << "po" << 0 << 0 << none;
    QTest::newRow("check, right button") << 6 << true << "PR" << 0 << 0 << none;
    QTest::newRow("check, disabled") << 6 << false << "pr" << 0 << 0 << none;
}

void TestToolbar::mouseRaisesOneEventPerClick()
{
    QFETCH(int, index);
    QFETCH(bool, enabled);
    QFETCH(QString, steps);
    QFETCH(int, afterPress);
    QFETCH(int, clicks);
    QFETCH(QList<bool>, toggles);

    Toolbar bar;
    bar.build(makeStrip(9), Green, 16, "NNN|N|NC|NN|C");
    bar.setButtonEnabled(index, enabled);
    QSignalSpy clickSpy(&bar, &Toolbar::buttonClicked);
    QSignalSpy toggleSpy(&bar, &Toolbar::buttonToggled);
    QAbstractButton *button = bar.button(index);
    for (qsizetype i = 0; i < steps.size(); ++i) {
        switch (steps.at(i).toLatin1()) {
        case 'p':
            QTest::mousePress(button, Qt::LeftButton);
            break;
        case 'r':
            QTest::mouseRelease(button, Qt::LeftButton);
            break;
        case 'o':
            QTest::mouseRelease(button, Qt::LeftButton, {}, outside(bar, index));
            break;
        case 'd':
            QTest::mouseDClick(button, Qt::LeftButton);
            break;
        case 'P':
            QTest::mousePress(button, Qt::RightButton);
            break;
        case 'R':
            QTest::mouseRelease(button, Qt::RightButton);
            break;
        }
        if (i == 0)
            QCOMPARE(clickSpy.count() + toggleSpy.count(), afterPress);
    }

    QCOMPARE(clickSpy.count(), clicks);
    for (const QList<QVariant> &args : std::as_const(clickSpy))
        QCOMPARE(args.at(0).toInt(), index);
    QList<bool> states;
    for (const QList<QVariant> &args : std::as_const(toggleSpy)) {
        QCOMPARE(args.at(0).toInt(), index);
        states << args.at(1).toBool();
    }
    QCOMPARE(states, toggles);
    QCOMPARE(bar.isButtonChecked(index), !toggles.isEmpty() && toggles.last());
    QCOMPARE(bar.buttonLook(index) == Toolbar::ButtonLook::Pressed, bar.isButtonChecked(index));
}

void TestToolbar::checkButtonWithoutEventIsSilent()
{
    Toolbar bar;
    bar.build(makeStrip(9), Green, 16, "NNN|N|NC|NN|C");
    QSignalSpy checks(&bar, &Toolbar::buttonToggled);

    bar.setButtonChecked(9, !bar.isButtonChecked(9));
    QVERIFY(bar.isButtonChecked(9));
    QCOMPARE(bar.buttonLook(9), Toolbar::ButtonLook::Pressed);
    QCOMPARE(checks.count(), 0);
    bar.setButtonChecked(9, !bar.isButtonChecked(9));
    QVERIFY(!bar.isButtonChecked(9));
    QCOMPARE(bar.buttonLook(9), Toolbar::ButtonLook::Flat);
    QCOMPARE(checks.count(), 0);

    bar.toggleButton(9);
    QCOMPARE(checks.count(), 1);
    QCOMPARE(checks.at(0).at(1).toBool(), true);
    // After a silent check, the next click unchecks it.
    bar.setButtonChecked(9, false);
    bar.setButtonChecked(9, true);
    click(bar, 9);
    QCOMPARE(checks.count(), 2);
    QCOMPARE(checks.at(1).at(1).toBool(), false);
}

void TestToolbar::optionButtonsUncheckOnlyTheirGroup()
{
    Toolbar bar;
    bar.build(makeStrip(7), Green, 16, "OOO|OON|C");
    QSignalSpy checks(&bar, &Toolbar::buttonToggled);

    click(bar, 1);
    click(bar, 4);
    QVERIFY(bar.isButtonChecked(1));
    QVERIFY(bar.isButtonChecked(4));
    QCOMPARE(checks.count(), 2);

    click(bar, 3); // same group as 1: unchecks 1, not 4
    QVERIFY(!bar.isButtonChecked(1));
    QCOMPARE(bar.buttonLook(1), Toolbar::ButtonLook::Flat);
    QVERIFY(bar.isButtonChecked(3));
    QVERIFY(bar.isButtonChecked(4));
    QCOMPARE(checks.count(), 3); // no event for the button that was unchecked
    QCOMPARE(checks.last().at(0).toInt(), 3);
    QCOMPARE(checks.last().at(1).toBool(), true);

    click(bar, 5);
    QVERIFY(!bar.isButtonChecked(4));
    QVERIFY(bar.isButtonChecked(5));
    QVERIFY(bar.isButtonChecked(3));

    // Clicking a checked option button again leaves it checked, silently.
    click(bar, 5);
    QVERIFY(bar.isButtonChecked(5));
    QCOMPARE(checks.count(), 4);
}

void TestToolbar::hoverLightsButtonAndLeavingDarkensIt()
{
    Toolbar bar;
    bar.build(makeStrip(9), Green, 16, "NNN|N|NC|NN|C");
    bar.setButtonEnabled(2, false);
    showAndWait(bar);
    QTest::mouseMove(&bar, centre(bar, 3));
    QCOMPARE(bar.hotButton(), 3);
    QCOMPARE(bar.buttonLook(3), Toolbar::ButtonLook::Hot);

    QTest::mouseMove(&bar, centre(bar, 5));
    QCOMPARE(bar.hotButton(), 5);
    QCOMPARE(bar.buttonLook(3), Toolbar::ButtonLook::Flat);
    QCOMPARE(bar.buttonLook(5), Toolbar::ButtonLook::Hot);

    // Between buttons, over a disabled one and outside the bar nothing is lit.
    for (const QPoint &p :
         {QPoint(bar.separatorRect(4).left(), 10), centre(bar, 2), QPoint(bar.width() + 20, 10)}) {
        QTest::mouseMove(&bar, centre(bar, 5));
        QTest::mouseMove(&bar, p);
        QCOMPARE(bar.hotButton(), 0);
        QCOMPARE(bar.buttonLook(5), Toolbar::ButtonLook::Flat);
    }
}

void TestToolbar::everyPressClicksOnceWhereverTheLastReleaseWent_data()
{
    QTest::addColumn<QString>("lostBy");
    QTest::addColumn<int>("next");
    QTest::addColumn<bool>("letGo"); // the button stops looking held before the next press
    QTest::newRow("modal box, same button") << "modal" << 1 << true;
    QTest::newRow("modal box, other button") << "modal" << 2 << true;
    QTest::newRow("bar hidden meanwhile") << "hidden" << 1 << true;
    QTest::newRow("window disabled meanwhile") << "disabled" << 1 << true;
    QTest::newRow("release delivered elsewhere, same button") << "elsewhere" << 1 << false;
    QTest::newRow("release delivered elsewhere, other button") << "elsewhere" << 2 << false;
}

void TestToolbar::everyPressClicksOnceWhereverTheLastReleaseWent()
{
    QFETCH(QString, lostBy);
    QFETCH(int, next);
    QFETCH(bool, letGo);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *bar = new Toolbar(&window);
    bar->build(makeStrip(3), Green, 16, "NN|C");
    auto *other = new QLineEdit(&window);
    layout->addWidget(bar);
    layout->addWidget(other);
    showAndWait(window);

    QList<int> clicks;
    bool opened = false;
    connect(bar, &Toolbar::buttonClicked, bar, [&](int index) {
        clicks << index;
        if (lostBy != QLatin1String("modal") || opened)
            return;
        opened = true;
        // A real modal box, opened on the press; the user lets go of the mouse over it
        // and closes it, so the bar never sees the release.
        QMessageBox box(QMessageBox::Information, "Title", "Text", QMessageBox::Ok, &window);
        QTimer::singleShot(0, &box, [&box] {
            QTest::mouseRelease(&box, Qt::LeftButton);
            box.accept();
        });
        box.exec();
    });

    QTest::mousePress(bar->button(1), Qt::LeftButton);
    if (lostBy == QLatin1String("hidden")) {
        bar->hide();
        bar->show();
    } else if (lostBy == QLatin1String("disabled")) {
        window.setEnabled(false);
        window.setEnabled(true);
    }
    if (lostBy != QLatin1String("modal"))
        QTest::mouseRelease(other, Qt::LeftButton);
    QCOMPARE(clicks, QList<int>{1});
    QCOMPARE(bar->buttonLook(1) != Toolbar::ButtonLook::Pressed, letGo);

    QTest::mousePress(bar->button(next), Qt::LeftButton);
    QCOMPARE(clicks, QList<int>({1, next}));
    QTest::mouseRelease(bar->button(next), Qt::LeftButton);
    click(*bar, next);
    QCOMPARE(clicks, QList<int>({1, next, next}));
    QVERIFY(bar->buttonLook(1) != Toolbar::ButtonLook::Pressed);
}

void TestToolbar::keyboardReachesAndPressesButtons()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *before = new QLineEdit(&window);
    auto *bar = new Toolbar(&window);
    bar->build(makeStrip(4), Green, 16, "NN|NC");
    bar->setButtonEnabled(2, false);
    layout->addWidget(before);
    layout->addWidget(bar);
    showAndWait(window);
    before->setFocus();
    QTRY_VERIFY(before->hasFocus());

    // The focus mark: dark dots just inside the marked button, none without the focus.
    auto markShows = [bar](int index) {
        const QImage image = bar->grab().toImage();
        const QRect mark = bar->buttonRect(index).adjusted(1, 1, -2, -2);
        for (int x = mark.left(); x <= mark.right(); ++x)
            if (qGray(image.pixel(x, mark.top())) < 60)
                return true;
        return false;
    };
    QVERIFY(!markShows(1));

    QTest::keyClick(before, Qt::Key_Tab);
    QVERIFY(bar->hasFocus());
    QCOMPARE(bar->focusButton(), 1);
    QVERIFY(markShows(1));

    QSignalSpy clicks(bar, &Toolbar::buttonClicked);
    QSignalSpy checks(bar, &Toolbar::buttonToggled);
    QTest::keyClick(bar, Qt::Key_Right); // the disabled button 2 is passed over
    QCOMPARE(bar->focusButton(), 3);
    QVERIFY(markShows(3));
    QVERIFY(!markShows(1));
    QTest::keyPress(bar, Qt::Key_Space);
    QCOMPARE(clicks.count(), 1); // on the press, as a click
    QCOMPARE(clicks.at(0).at(0).toInt(), 3);
    QCOMPARE(bar->buttonLook(3), Toolbar::ButtonLook::Pressed);
    QTest::keyRelease(bar, Qt::Key_Space);
    QCOMPARE(bar->buttonLook(3), Toolbar::ButtonLook::Flat);
    QTest::keyClick(bar, Qt::Key_End);
    QCOMPARE(bar->focusButton(), 4);
    QTest::keyClick(bar, Qt::Key_Space);
    QTest::keyClick(bar, Qt::Key_Return);
    QCOMPARE(checks.count(), 2);
    QVERIFY(!bar->isButtonChecked(4));
    QTest::keyClick(bar, Qt::Key_Home);
    QTest::keyClick(bar, Qt::Key_Left); // stays on the first button
    QCOMPARE(bar->focusButton(), 1);
    QCOMPARE(clicks.count(), 1);

    // Disabling the marked button moves the mark on.
    bar->setButtonEnabled(1, false);
    QCOMPARE(bar->focusButton(), 3);

    QAccessibleInterface *third = QAccessible::queryAccessibleInterface(bar)->child(2);
    QVERIFY(third->state().focusable);
    QVERIFY(third->state().focused);

    // A click does not take the focus: the box being edited keeps it.
    before->setFocus();
    click(*bar, 4);
    QVERIFY(before->hasFocus());
    QVERIFY(!third->state().focused);
}

void TestToolbar::maskColorIsTransparent()
{
    Toolbar bar;
    bar.setBackgroundColor(QColor(128, 128, 128));
    bar.build(makeStrip(3), Green, 16, "NNN");
    const QImage shot = bar.grab().toImage();
    // Image 2 is drawn at the button's corner + 3; its border pixel is mask green.
    const QPoint corner(bar.buttonRect(2).x() + 3, bar.buttonRect(2).y() + 3);
    QCOMPARE(QColor(shot.pixel(corner)), QColor(0x80, 0x80, 0x80));
    QCOMPARE(QColor(shot.pixel(corner + QPoint(8, 8))), QColor(200, 20, 40));
}

void TestToolbar::disabledImageIsGreyed()
{
    Toolbar bar;
    bar.build(makeStrip(3), Green, 16, "NNN");
    bar.setButtonEnabled(1, false);
    const QImage shot = bar.grab().toImage();
    const QColor enabled = shot.pixel(bar.buttonRect(2).x() + 11, bar.buttonRect(2).y() + 11);
    const QColor disabled = shot.pixel(bar.buttonRect(1).x() + 11, bar.buttonRect(1).y() + 11);
    QCOMPARE(enabled, QColor(200, 20, 40));
    QVERIFY2(qAbs(disabled.red() - disabled.green()) < 40 &&
                 qAbs(disabled.red() - disabled.blue()) < 40,
             qPrintable(disabled.name()));
}

void TestToolbar::litButtonsUseTheirGradients()
{
    Toolbar bar;
    bar.build(makeStrip(9), Green, 16, "NNN|N|NC|NN|C");
    showAndWait(bar);
    QTest::mouseMove(&bar, centre(bar, 1));
    QCOMPARE(bar.hotButton(), 1);
    bar.setButtonChecked(6, !bar.isButtonChecked(6));
    const QImage shot = bar.grab().toImage();

    // Just inside the outline, at the top and bottom of the gradient.
    const QColor hotTop = shot.pixel(bar.buttonRect(1).x() + 1, bar.buttonRect(1).y() + 1);
    const QColor hotBottom = shot.pixel(bar.buttonRect(1).x() + 1, bottom(bar, 1) - 2);
    QVERIFY2(hotTop.red() == 255 && hotTop.green() > 240 && hotTop.blue() > 185,
             qPrintable(hotTop.name()));
    QVERIFY2(hotBottom.red() == 255 && hotBottom.green() < 185 && hotBottom.blue() < 100,
             qPrintable(hotBottom.name()));
    const QColor pressedTop = shot.pixel(bar.buttonRect(6).x() + 2, bar.buttonRect(6).y() + 1);
    QVERIFY2(qAbs(pressedTop.red() - 254) <= 2 && qAbs(pressedTop.green() - 148) < 8,
             qPrintable(pressedTop.name()));
    // A flat button shows the bar background.
    const QColor flat = shot.pixel(bar.buttonRect(2).x() + 1, bar.buttonRect(2).y() + 1);
    QCOMPARE(flat, QColor(shot.pixel(0, bar.buttonRect(2).y() + 1)));
}

void TestToolbar::bandPaintsGradientAndSetsToolbarColors()
{
    QWidget window;
    window.resize(400, 60);
    ToolbarBand band(&window);
    band.setGeometry(0, 0, 400, 29);
    Toolbar bar(&band);
    bar.build(makeStrip(3), Green, 16, "NNN");
    bar.move(4, 2);
    bar.setGradientTop(QColor(0x56, 0x34, 0x12));
    band.setToolbars({&bar});

    QVERIFY(bar.hasGradient());
    QCOMPARE(bar.gradientTop(), QColor(129, 169, 227));
    QCOMPARE(bar.gradientBottom(), QColor(226, 236, 255));
    const QImage shot = window.grab().toImage();
    const QColor top = shot.pixel(300, 0);
    const QColor bottom = shot.pixel(300, 28);
    QVERIFY2(qAbs(top.red() - 129) <= 4 && qAbs(top.blue() - 227) <= 4, qPrintable(top.name()));
    QVERIFY2(qAbs(bottom.red() - 226) <= 6 && qAbs(bottom.green() - 236) <= 6,
             qPrintable(bottom.name()));
    // The bar's own gradient runs over the band's height, so its flat buttons and the
    // band beside it have the same colour on every row.
    for (int y = 0; y < 29; y += 4)
        QCOMPARE(QColor(shot.pixel(bar.x() + bar.buttonRect(2).x() + 1, y)).name(),
                 QColor(shot.pixel(300, y)).name());
}

void TestToolbar::buttonsAreAccessiblePushButtons()
{
    QWidget window;
    Toolbar *bar = new Toolbar(&window);
    bar->build(makeStrip(9), Green, 16, "NNN|N|NC|NN|C");
    bar->setButtonToolTips("New|Open|Save|Copy|Export|Hide|Store|Reset|Outline");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(bar);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::ToolBar);
    QCOMPARE(iface->childCount(), 9);
    QAccessibleInterface *open = iface->child(1);
    QVERIFY(open);
    QCOMPARE(open->role(), QAccessible::Button);
    QCOMPARE(open->text(QAccessible::Name), QString("Open"));
    QVERIFY(!open->state().checkable);
    QCOMPARE(iface->indexOfChild(open), 1);

    QAccessibleInterface *hide = iface->child(5);
    QCOMPARE(hide->role(), QAccessible::Button);
    QCOMPARE(hide->text(QAccessible::Name), QString("Hide"));
    QVERIFY(hide->state().checkable);
    QVERIFY(!hide->state().checked);

    QSignalSpy clicks(bar, &Toolbar::buttonClicked);
    QSignalSpy checks(bar, &Toolbar::buttonToggled);
    open->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 2);
    hide->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(checks.count(), 1);
    QVERIFY(hide->state().checked);

    bar->setButtonEnabled(2, false);
    QVERIFY(open->state().disabled);
    QVERIFY(open->actionInterface()->actionNames().isEmpty());
}

void TestToolbar::shippedStripsHoldOneImagePerButton_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("images");

    QTest::newRow("main") << ":/images/toolbar_main.png"
                          << "NNN|N|NC|NN|C" << 9;
    QTest::newRow("word") << ":/images/toolbar_word.png"
                          << "NNN" << 3;
}

void TestToolbar::shippedStripsHoldOneImagePerButton()
{
    QFETCH(QString, path);
    QFETCH(QString, layout);
    QFETCH(int, images);

    const QImage strip(path);
    QCOMPARE(strip.size(), QSize(16 * images, 16));
    // Every image is drawn on the mask: some pixels are pure green, most of the
    // picture is not, and no two images are the same.
    QList<QImage> seen;
    for (int i = 0; i < images; ++i) {
        const QImage piece = strip.copy(16 * i, 0, 16, 16).convertToFormat(QImage::Format_RGB32);
        int mask = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                mask += (piece.pixel(x, y) & 0xFFFFFF) == 0x00FF00;
        QVERIFY2(mask > 16 && mask < 200, qPrintable(QString::number(i)));
        QVERIFY(!seen.contains(piece));
        seen.append(piece);
    }

    Toolbar bar;
    QVERIFY(bar.build(strip, Green, 16, layout));
    QCOMPARE(bar.buttonCount(), images);
}

QTEST_MAIN(TestToolbar)
#include "tst_toolbar.moc"
