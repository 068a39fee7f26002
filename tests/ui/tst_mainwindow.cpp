// SPDX-License-Identifier: MIT
// The main window: layout, toolbar and menu commands, drawing flags and shapes.
#include "colornumbers.h"
#include "windowfixture.h"

#include "cluetext.h"
#include "colorbutton.h"
#include "crosswordfile.h"
#include "gradientbutton.h"
#include "gridedit.h"
#include "picturebox.h"
#include "toolbar.h"
#include "toolbarband.h"
#include "twips.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QtTest>

using namespace Velloquin;

namespace {

constexpr qint32 number(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

int px(int twips)
{
    return qRound(twips / 15.0);
}

// The number of dark pixels in the middle of the square at (column, row) of the grid view:
// the part of the square where its letter is drawn, away from the square number.
int darkPixelsInSquare(MainWindow &w, int column, int row)
{
    const QImage &image = control<PictureBox>(w, "picView")->picture();
    const double cw = double(image.width()) / w.document().puzzle().width;
    const double ch = double(image.height()) / w.document().puzzle().height;
    int dark = 0;
    for (int y = int(row * ch + ch * 0.25); y < int(row * ch + ch * 0.8); ++y)
        for (int x = int(column * cw + cw * 0.25); x < int(column * cw + cw * 0.75); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                ++dark;
    return dark;
}

void loadFixture(MainWindow &w, const QString &name)
{
    loadPuzzle(w, QStringLiteral(VELLOQUIN_TESTDATA "/") + name);
}

// Where a control lies in the window's inner (client) area, whatever holds it there.
QRect inClient(const MainWindow &w, const char *name)
{
    const QWidget *widget = control<QWidget>(w, name);
    return QRect(widget->mapTo(control<QWidget>(w, "client"), QPoint()), widget->size());
}

// Sets the window so that its inner (client) area has this size in pixels.
void setClientSize(MainWindow &w, QSize size)
{
    const QSize extra = w.size() - control<QWidget>(w, "client")->size();
    w.resize(size + extra);
    QCoreApplication::processEvents();
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithDesignedInnerSize();
    void layoutFollowsWindowSize_data();
    void layoutFollowsWindowSize();
    void tooSmallWindowSnapsToMinimum_data();
    void tooSmallWindowSnapsToMinimum();
    void minimisingChangesNoLayout();
    void menusHaveTheirCaptions_data();
    void menusHaveTheirCaptions();
    void mainToolbarHasItsButtonsAndTips();
    void toolbarButtonsShowTheirMenuItems_data();
    void toolbarButtonsShowTheirMenuItems();
    void everyNamedControlHasAnAccessibleName_data();
    void everyNamedControlHasAnAccessibleName();
    void wordPanelHasItsCaptions();
    void settingsPanelStacksPickersBackgroundSquaresGridLines();
    void hideAnswersRedrawsWithoutLetters();
    void copyCommandsPutTheSamePictureOnTheClipboard();
    void copyCluesPutsClueTextOnTheClipboard();
    void colorChoiceRedrawsAtOnce();
    void moveButtonsMoveTheCrossword_data();
    void moveButtonsMoveTheCrossword();
    void refusedMoveShowsItsMessage_data();
    void refusedMoveShowsItsMessage();
    void changeAppliesTitleTopicAndSize();
    void changeWithDeclinedResizeKeepsTheGrid();
    void emptyGridResizesWithoutWarning();
    void removeShapesKeepsFirstMarker();
    void paintingKeepsTheSelection();
    void resetCellValuesFollowsSizeBoxes();
    void viewsFollowTheDocument();
    void exitClosesTheWindow();
    void reopensWhereItWasLeft_data();
    void reopensWhereItWasLeft();
    void shortcutsRunToolbarOnlyCommands_data();
    void shortcutsRunToolbarOnlyCommands();

private:
    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<MainWindow> m_window;
};

void tst_MainWindow::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    m_window = m_fixture->start();
    QVERIFY(m_window);
    m_fixture->dialogs.clearShown();
}

void tst_MainWindow::cleanup()
{
    m_window.reset();
    m_fixture.reset();
}

void tst_MainWindow::opensWithDesignedInnerSize()
{
    // The designed inner size is below the minimum outer height, so the height snaps up;
    // the width (658 pixels inside, 660 outside at least) stays as designed when the
    // frame is no wider than 2 pixels.
    MainWindow &w = *m_window;
    const QSize frame = w.frameGeometry().size() - w.size();
    QVERIFY(w.frameGeometry().width() >= 660);
    QVERIFY(w.frameGeometry().height() >= 600);
    if (frame.width() <= 2)
        QCOMPARE(control<QWidget>(w, "client")->width(), 660 - frame.width());
    else
        QCOMPARE(control<QWidget>(w, "client")->width(), 658);
}

void tst_MainWindow::layoutFollowsWindowSize_data()
{
    QTest::addColumn<QSize>("client");
    QTest::newRow("narrowest") << QSize(660, 600);
    QTest::newRow("wide") << QSize(1024, 700);
    QTest::newRow("large") << QSize(1280, 960);
    QTest::newRow("odd sizes") << QSize(777, 613);
}

void tst_MainWindow::layoutFollowsWindowSize()
{
    QFETCH(QSize, client);
    MainWindow &w = *m_window;
    setClientSize(w, client);
    QCOMPARE(control<QWidget>(w, "client")->size(), client);

    const int W = client.width() * 15;
    const int H = client.height() * 15;
    QCOMPARE(control<ToolbarBand>(w, "PBar")->geometry(), QRect(0, 0, px(W), px(435)));
    QCOMPARE(control<GradientPanel>(w, "picCWEditor")->geometry(),
             QRect(0, px(435), px(1695), px(H - 435)));
    // The view ends 25 twips above the word panel and 45 twips before the right edge.
    const int downHeight = H - 1650 - 795 - 25;
    QCOMPARE(inClient(w, "picNumbersDown"), QRect(px(1695), px(705), px(375), px(downHeight)));
    QCOMPARE(control<GradientPanel>(w, "picAddWord")->geometry(),
             QRect(px(1695 - 1), px(H - 1650), px(W - 1695 + 2), px(1650)));
    const int viewWidth = W - 2070 - 45;
    QCOMPARE(inClient(w, "picView"),
             QRect(px(1695 + 375), px(495 + 300), px(viewWidth), px(downHeight)));
    QCOMPARE(inClient(w, "picNumbersAcross"), QRect(px(2070), px(495), px(viewWidth), px(300)));
    QCOMPARE(control<GradientPanel>(w, "pGress")->geometry(),
             QRect(px(2070 + (viewWidth - 3735) / 2), px(795 + (downHeight - 1245) / 2), px(3735),
                   px(1245)));
    // Line1 runs along the bottom of the toolbar band, over the window's whole width.
    QCOMPARE(control<QFrame>(w, "Line1")->y(), px(435 - 20));
    QCOMPARE(control<QFrame>(w, "Line1")->x(), 0);
    QVERIFY(control<QFrame>(w, "Line1")->width() >= control<ToolbarBand>(w, "PBar")->width());
    // The move panel sits 100 twips above the bottom of the settings panel.
    QCOMPARE(control<GradientPanel>(w, "pMove")->geometry().bottom() + 1,
             px(control<GradientPanel>(w, "picCWEditor")->height() * 15 - 1260 - 100) + px(1260));
    QCOMPARE(control<GradientPanel>(w, "pMove")->x(), px(90));

    // The whole grid view lies inside the window, clear of the word panel.
    QVERIFY(control<QWidget>(w, "client")->rect().contains(inClient(w, "picView")));
    QVERIFY(inClient(w, "picView").bottom() < control<GradientPanel>(w, "picAddWord")->y());
    QVERIFY(inClient(w, "picNumbersDown").bottom() < control<GradientPanel>(w, "picAddWord")->y());
    // The drawing fills the grid view: its picture has the view's size.
    QCOMPARE(control<PictureBox>(w, "picView")->picture().size(),
             control<PictureBox>(w, "picView")->size());
    QCOMPARE(control<PictureBox>(w, "picNumbersAcross")->picture().size(),
             control<PictureBox>(w, "picNumbersAcross")->size());
}

void tst_MainWindow::tooSmallWindowSnapsToMinimum_data()
{
    QTest::addColumn<QSize>("requested");
    QTest::newRow("narrow and low") << QSize(300, 200);
    QTest::newRow("narrow") << QSize(500, 800);
    QTest::newRow("low") << QSize(900, 400);
}

void tst_MainWindow::tooSmallWindowSnapsToMinimum()
{
    QFETCH(QSize, requested);
    MainWindow &w = *m_window;
    const QSize frame = w.frameGeometry().size() - w.size();
    w.resize(requested);
    QCoreApplication::processEvents();
    const QSize outer = w.frameGeometry().size();
    QCOMPARE(outer.width(), qMax(660, requested.width() + frame.width()));
    QCOMPARE(outer.height(), qMax(600, requested.height() + frame.height()));
    // The layout follows the snapped size.
    QCOMPARE(control<GradientPanel>(w, "picAddWord")->geometry().bottom() + 1,
             control<QWidget>(w, "client")->height());
}

void tst_MainWindow::minimisingChangesNoLayout()
{
    MainWindow &w = *m_window;
    setClientSize(w, QSize(800, 640));
    const QRect view = inClient(w, "picView");
    const QRect panel = control<GradientPanel>(w, "picAddWord")->geometry();
    const QImage picture = control<PictureBox>(w, "picView")->picture();

    w.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    // A size change while minimised lays nothing out.
    w.resize(1000, 900);
    QCoreApplication::processEvents();
    QCOMPARE(inClient(w, "picView"), view);
    QCOMPARE(control<GradientPanel>(w, "picAddWord")->geometry(), panel);
    QCOMPARE(control<PictureBox>(w, "picView")->picture(), picture);

    // Restored, the window is laid out for the size it has now.
    w.setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    QCOMPARE(control<GradientPanel>(w, "picAddWord")->geometry().bottom() + 1,
             control<QWidget>(w, "client")->height());
    QCOMPARE(control<PictureBox>(w, "picView")->width(),
             px(control<QWidget>(w, "client")->width() * 15 - 2070 - 45));
}

void tst_MainWindow::menusHaveTheirCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::newRow("mnuFileNew") << "mnuFileNew"
                                << "&New"
                                << "Ctrl+N";
    QTest::newRow("mnuFileOpen") << "mnuFileOpen"
                                 << "&Open"
                                 << "Ctrl+O";
    QTest::newRow("mnuFileSave") << "mnuFileSave"
                                 << "&Save"
                                 << "Ctrl+S";
    QTest::newRow("mnuSaveAs") << "mnuSaveAs"
                               << "Save &As..."
                               << "Ctrl+Shift+S";
    QTest::newRow("mnuExit") << "mnuExit"
                             << "E&xit"
                             << "Ctrl+Q";
    QTest::newRow("mnuUndo") << "mnuUndo"
                             << "&Undo"
                             << "Ctrl+Z";
    QTest::newRow("mnuRedo") << "mnuRedo"
                             << "&Redo"
                             << "Ctrl+Shift+Z";
    QTest::newRow("mnuCopyPic") << "mnuCopyPic"
                                << "Copy Crossword &Picture"
                                << "Ctrl+Shift+C";
    QTest::newRow("mnuCopyClues") << "mnuCopyClues"
                                  << "Copy Crossword &Clues"
                                  << "Ctrl+Shift+L";
}

void tst_MainWindow::menusHaveTheirCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    auto *action = m_window->findChild<QAction *>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut().toString(), shortcut);

    const QList<QAction *> menus = m_window->menuBar()->actions();
    QVERIFY(menus.size() >= 3);
    QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Edit"));
    QCOMPARE(menus[2]->text(), QStringLiteral("&Copy.."));
    // File: New, separator, Open, separator, Save, Save As..., separator, Exit (other
    // commands may sit between them, but not out of this order).
    const QStringList order = {"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuSaveAs", "mnuExit"};
    QStringList file;
    for (QAction *a : control<QMenu>(*m_window, "mnuFile")->actions())
        if (order.contains(a->objectName()))
            file << a->objectName();
    QCOMPARE(file, order);
    const QList<QAction *> items = control<QMenu>(*m_window, "mnuFile")->actions();
    QVERIFY(items.at(1)->isSeparator());
    QVERIFY(items.at(items.indexOf(control<QAction>(*m_window, "mnuExit")) - 1)->isSeparator());
}

void tst_MainWindow::mainToolbarHasItsButtonsAndTips()
{
    Toolbar &tb = *control<Toolbar>(*m_window, "TB1");
    QCOMPARE(tb.buttonCount(), 9);
    // Each tip names the keys of the menu item that does the same.
    const QStringList tips = {"Create a New Crossword. (Ctrl+N)",
                              "Open a Crossword. (Ctrl+O)",
                              "Save the current Crossword. (Ctrl+S)",
                              "Copy Crossword Image to clipboard. (Ctrl+Shift+C)",
                              "Export to MS Word.",
                              "Hide Answers. (Ctrl+H)",
                              "Save current settings as default settings",
                              "Reset settings to original values",
                              "Outline Mode - don't show grid lines. (Ctrl+G)"};
    for (int i = 1; i <= 9; ++i) {
        QCOMPARE(tb.buttonToolTip(i), tips[i - 1]);
        QCOMPARE(tb.buttonKind(i),
                 (i == 6 || i == 9) ? Toolbar::ButtonKind::Check : Toolbar::ButtonKind::Push);
    }
    Toolbar &tb2 = *control<Toolbar>(*m_window, "TB2");
    QCOMPARE(tb2.buttonCount(), 3);
    QCOMPARE(tb2.buttonToolTip(1),
             QStringLiteral("Store this  word in the dropdown list for inclusion later"));
    QCOMPARE(tb2.buttonToolTip(2), QStringLiteral("Delete this word from the dropdown list."));
    QCOMPARE(tb2.buttonToolTip(3), QStringLiteral("Search for locations to place the word."));
    // The band hands its gradient to the toolbar.
    QVERIFY(tb.hasGradient());
}

void tst_MainWindow::toolbarButtonsShowTheirMenuItems_data()
{
    QTest::addColumn<QString>("toolbar");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("item");
    const char *items[] = {"mnuFileNew",      "mnuFileOpen",      "mnuFileSave",
                           "mnuCopyPic",      "mnuWordExport",    "mnuHideAnswers",
                           "mnuSaveSettings", "mnuResetSettings", "mnuOutlineMode",
                           "mnuStoreWord",    "mnuRemoveWord",    "mnuSearchPlaces"};
    for (int i = 0; i < 12; ++i) {
        const char *bar = i < 9 ? "TB1" : "TB2";
        const int button = i < 9 ? i + 1 : i - 8;
        QTest::addRow("%s %d %s", bar, button, items[i])
            << QString::fromLatin1(bar) << button << QString::fromLatin1(items[i]);
    }
}

void tst_MainWindow::toolbarButtonsShowTheirMenuItems()
{
    QFETCH(QString, toolbar);
    QFETCH(int, button);
    QFETCH(QString, item);
    Toolbar &tb = *control<Toolbar>(*m_window, toolbar);
    auto *action = control<QAction>(*m_window, item);
    QCOMPARE(tb.buttonAction(button), action);
    QVERIFY(!action->associatedObjects().isEmpty()); // in its menu too
    QCOMPARE(tb.buttonKind(button) == Toolbar::ButtonKind::Check, action->isCheckable());
    QSignalSpy triggered(action, &QAction::triggered);
    action->setEnabled(false);
    QVERIFY(!tb.isButtonEnabled(button));
    action->setEnabled(true);
    // The questions the commands ask are all declined.
    m_fixture->dialogs.answers.enqueue(Dialogs::Answer::Cancel);
    const bool checked = action->isChecked();
    tb.activateButton(button);
    QCOMPARE(triggered.size(), 1);
    if (action->isCheckable()) {
        // The menu item shows what the button did, and the button what the item does.
        QCOMPARE(action->isChecked(), !checked);
        action->trigger();
        QCOMPARE(tb.isButtonChecked(button), action->isChecked());
        QCOMPARE(triggered.size(), 2);
    }
}

void tst_MainWindow::everyNamedControlHasAnAccessibleName_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"PBar",
                             "TB1",
                             "Line1",
                             "picCWEditor",
                             "Label1",
                             "txtTitle",
                             "txtSubject",
                             "txtXSize",
                             "txtYSize",
                             "cmdUpdateProperties",
                             "ColorPicker1_0",
                             "ColorPicker1_1",
                             "ColorPicker1_2",
                             "Label3_0",
                             "Label3_1",
                             "Label3_2",
                             "pMove",
                             "CandyButton1_0",
                             "CandyButton1_1",
                             "CandyButton1_2",
                             "CandyButton1_3",
                             "picNumbersAcross",
                             "picNumbersDown",
                             "picView",
                             "Shape1",
                             "S1_0",
                             "picAddWord",
                             "Label2",
                             "txtWord",
                             "txtClue",
                             "txtX",
                             "txtY",
                             "optAcross",
                             "optDown",
                             "cmdOKAddWord",
                             "cmdDelete",
                             "TB2",
                             "CandyButton2",
                             "pGress",
                             "XP2",
                             "Label4"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_MainWindow::everyNamedControlHasAnAccessibleName()
{
    QFETCH(QString, name);
    const QList<QWidget *> found = m_window->findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QVERIFY2(!found.first()->accessibleName().isEmpty(), qPrintable(name));
}

void tst_MainWindow::wordPanelHasItsCaptions()
{
    MainWindow &w = *m_window;
    QCOMPARE(control<QLabel>(w, "Label2")->text(), QStringLiteral("Edit Words & Clues"));
    QVERIFY(control<QComboBox>(w, "txtWord")->isEditable());
    QVERIFY(!control<QComboBox>(w, "txtX")->isEditable());
    QVERIFY(!control<QComboBox>(w, "txtY")->isEditable());
    QCOMPARE(control<QRadioButton>(w, "optAcross")->text(), QStringLiteral("Across"));
    QCOMPARE(control<QRadioButton>(w, "optDown")->text(), QStringLiteral("Down"));
    QVERIFY(control<QRadioButton>(w, "optAcross")->isChecked());
    QCOMPARE(control<GradientButton>(w, "cmdOKAddWord")->text(), QStringLiteral("Update"));
    QCOMPARE(control<GradientButton>(w, "cmdOKAddWord")->toolTip(),
             QStringLiteral("Add / Update word on grid"));
    QCOMPARE(control<GradientButton>(w, "cmdDelete")->toolTip(),
             QStringLiteral("Delete the selected word from grid"));
    QVERIFY(!control<GradientButton>(w, "cmdDelete")->icon().isNull());
    QCOMPARE(control<GradientButton>(w, "CandyButton2")->toolTip(),
             QStringLiteral("Create / Regenerate Crossword"));
    QVERIFY(!control<GradientButton>(w, "CandyButton2")->icon().isNull());
    QCOMPARE(control<GradientButton>(w, "cmdUpdateProperties")->text(), QStringLiteral("Change"));
    QCOMPARE(control<GradientButton>(w, "cmdUpdateProperties")->toolTip(),
             QStringLiteral("Change current setting"));
    QCOMPARE(control<QLabel>(w, "Label4")->text(),
             QStringLiteral("Attempting to generate crossword  Please Wait"));
    QVERIFY(!control<GradientPanel>(w, "pGress")->isVisible());
    QCOMPARE(control<QComboBox>(w, "txtXSize")->count(), 26);
    QCOMPARE(control<QComboBox>(w, "txtXSize")->itemText(0), QStringLiteral("5"));
    QCOMPARE(control<QComboBox>(w, "txtXSize")->itemText(25), QStringLiteral("30"));
    // Every child control lies inside the word panel.
    for (QWidget *child : control<GradientPanel>(w, "picAddWord")
                              ->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(control<GradientPanel>(w, "picAddWord")->rect().contains(child->geometry()),
                 qPrintable(child->objectName()));
}

void tst_MainWindow::settingsPanelStacksPickersBackgroundSquaresGridLines()
{
    MainWindow &w = *m_window;
    QCOMPARE(control<QLabel>(w, "Label3_0")->text(), QStringLiteral("Background"));
    QCOMPARE(control<QLabel>(w, "Label3_1")->text(), QStringLiteral("Grid Lines"));
    QCOMPARE(control<QLabel>(w, "Label3_2")->text(), QStringLiteral("Squares"));
    QVERIFY(control<ColorButton>(w, "ColorPicker1_0")->y() <
            control<ColorButton>(w, "ColorPicker1_2")->y());
    QVERIFY(control<ColorButton>(w, "ColorPicker1_2")->y() <
            control<ColorButton>(w, "ColorPicker1_1")->y());
    QVERIFY(control<ColorButton>(w, "ColorPicker1_1")->geometry().bottom() <
            control<GradientPanel>(w, "pMove")->y());
    // The move buttons form a cross: left and right in the middle row, up above, down below.
    const QRect l = control<GradientButton>(w, "CandyButton1_0")->geometry(),
                r = control<GradientButton>(w, "CandyButton1_1")->geometry(),
                u = control<GradientButton>(w, "CandyButton1_2")->geometry(),
                d = control<GradientButton>(w, "CandyButton1_3")->geometry();
    QCOMPARE(l.center().y(), r.center().y());
    QVERIFY(l.right() < u.left() && u.right() < r.left());
    QCOMPARE(u.center().x(), d.center().x());
    QVERIFY(u.bottom() < l.top() && l.bottom() < d.top());
}

void tst_MainWindow::hideAnswersRedrawsWithoutLetters()
{
    MainWindow &w = *m_window;
    loadFixture(w, QStringLiteral("window_zoo.cwd"));
    // Square (1, 0) holds the A of CAT and no square number.
    QVERIFY(darkPixelsInSquare(w, 1, 0) > 0);
    control<Toolbar>(w, "TB1")->activateButton(6);
    QVERIFY(w.commandContext().drawOptions().answersHidden);
    QVERIFY(control<Toolbar>(w, "TB1")->isButtonChecked(6));
    QCOMPARE(darkPixelsInSquare(w, 1, 0), 0);
    // The squares themselves are still drawn in the squares colour.
    const QImage &image = control<PictureBox>(w, "picView")->picture();
    const int cw = image.width() / 10, ch = image.height() / 8;
    QCOMPARE(image.pixel(cw + cw / 2, ch / 2), qRgb(255, 255, 255));
    control<Toolbar>(w, "TB1")->activateButton(6);
    QVERIFY(!w.commandContext().drawOptions().answersHidden);
    QVERIFY(darkPixelsInSquare(w, 1, 0) > 0);
}

void tst_MainWindow::copyCommandsPutTheSamePictureOnTheClipboard()
{
    MainWindow &w = *m_window;
    loadFixture(w, QStringLiteral("window_zoo.cwd"));
    QClipboard *clipboard = QGuiApplication::clipboard();

    clipboard->setText(QStringLiteral("something else"));
    control<Toolbar>(w, "TB1")->activateButton(4);
    const QImage fromButton = clipboard->image();
    QVERIFY(!fromButton.isNull());
    QVERIFY(clipboard->text().isEmpty());
    QCOMPARE(fromButton.size(), control<PictureBox>(w, "picView")->size());
    QCOMPARE(fromButton.convertToFormat(QImage::Format_RGB32),
             control<PictureBox>(w, "picView")->picture().convertToFormat(QImage::Format_RGB32));

    clipboard->setText(QStringLiteral("something else"));
    control<QAction>(w, "mnuCopyPic")->trigger();
    const QImage fromMenu = clipboard->image();
    QCOMPARE(fromMenu.convertToFormat(QImage::Format_RGB32),
             fromButton.convertToFormat(QImage::Format_RGB32));

    // With the answers hidden the copied picture has no letters either.
    control<Toolbar>(w, "TB1")->activateButton(6);
    control<QAction>(w, "mnuCopyPic")->trigger();
    QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32),
             control<PictureBox>(w, "picView")->picture().convertToFormat(QImage::Format_RGB32));
    QVERIFY(clipboard->image().convertToFormat(QImage::Format_RGB32) !=
            fromButton.convertToFormat(QImage::Format_RGB32));
}

void tst_MainWindow::copyCluesPutsClueTextOnTheClipboard()
{
    MainWindow &w = *m_window;
    QClipboard *clipboard = QGuiApplication::clipboard();
    control<QAction>(w, "mnuCopyClues")->trigger();
    QCOMPARE(clipboard->text(), QStringLiteral("ACROSS\r\n\r\nDOWN\r\n"));

    loadFixture(w, QStringLiteral("window_zoo.cwd"));
    clipboard->setImage(QImage(4, 4, QImage::Format_RGB32));
    control<QAction>(w, "mnuCopyClues")->trigger();
    QCOMPARE(
        clipboard->text(),
        QStringLiteral("ACROSS\r\n1 - Small pet that purrs\r\n3 - Largest animal in the sea\r\n"
                       "5 - Climbs mountains, eats almost anything\r\n\r\nDOWN\r\n"
                       "1 - Gives milk\r\n(3)\r\n2 - Warty amphibian\r\n4 - Bird of prey\r\n"
                       "6 - Fish in a can\r\n"));
    QCOMPARE(clipboard->text(), clueListText(w.document().puzzle()));
}

void tst_MainWindow::colorChoiceRedrawsAtOnce()
{
    MainWindow &w = *m_window;
    const int cw = control<PictureBox>(w, "picView")->width() / 16,
              ch = control<PictureBox>(w, "picView")->height() / 16;
    const QPoint inside(cw + cw / 2, ch + ch / 2);
    QCOMPARE(control<PictureBox>(w, "picView")->picture().pixel(inside), qRgb(0, 0, 0));
    control<ColorButton>(w, "ColorPicker1_0")->setColor(colorFromNumber(number(0, 128, 255)));
    QCOMPARE(control<PictureBox>(w, "picView")->picture().pixel(inside), qRgb(0, 128, 255));
    control<ColorButton>(w, "ColorPicker1_1")->setColor(colorFromNumber(number(255, 0, 0)));
    QCOMPARE(control<PictureBox>(w, "picView")->picture().pixel(cw + cw / 2, 0), qRgb(255, 0, 0));
}

void tst_MainWindow::moveButtonsMoveTheCrossword_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::newRow("right") << 1 << 1 << 0;
    QTest::newRow("left after right") << 0 << 0 << 0;
}

void tst_MainWindow::moveButtonsMoveTheCrossword()
{
    QFETCH(int, index);
    QFETCH(int, dx);
    QFETCH(int, dy);
    MainWindow &w = *m_window;
    loadFixture(w, QStringLiteral("window_zoo.cwd"));
    if (index == 0)
        QTest::mouseClick(control<GradientButton>(w, "CandyButton1_1"), Qt::LeftButton);
    const QList<GridWord> before = w.document().puzzle().words;
    QTest::mouseClick(control<GradientButton>(w, QStringLiteral("CandyButton1_%1").arg(index)),
                      Qt::LeftButton);
    if (index == 0)
        dx = -1;
    for (int i = 0; i < before.size(); ++i) {
        QCOMPARE(w.document().puzzle().words[i].x, before[i].x + dx);
        QCOMPARE(w.document().puzzle().words[i].y, before[i].y + dy);
    }
    QVERIFY(m_fixture->dialogs.shown.isEmpty());
    // The letter of CAT's A moved with it.
    QVERIFY(darkPixelsInSquare(w, before[0].x + 1 + dx, dy) > 0);
}

void tst_MainWindow::refusedMoveShowsItsMessage_data()
{
    // CAT starts at column 0 and row 0, TUNA ends on the bottom row.
    QTest::addColumn<int>("index");
    QTest::newRow("left") << 0;
    QTest::newRow("up") << 2;
    QTest::newRow("down") << 3;
}

void tst_MainWindow::refusedMoveShowsItsMessage()
{
    QFETCH(int, index);
    MainWindow &w = *m_window;
    loadFixture(w, QStringLiteral("window_zoo.cwd"));
    const QList<GridWord> before = w.document().puzzle().words;
    const QImage picture = control<PictureBox>(w, "picView")->picture();
    QTest::mouseClick(control<GradientButton>(w, QStringLiteral("CandyButton1_%1").arg(index)),
                      Qt::LeftButton);
    QCOMPARE(control<PictureBox>(w, "picView")->picture(), picture);
    QCOMPARE(w.document().puzzle().words, before);
    QCOMPARE(m_fixture->dialogs.shown.size(), 1);
    QCOMPARE(m_fixture->dialogs.shown.first().kind, ScriptedDialogs::Kind::Message);
}

void tst_MainWindow::changeAppliesTitleTopicAndSize()
{
    MainWindow &w = *m_window;
    QVERIFY(w.document().placeWord(0, 0, Direction::Across, QStringLiteral("OAK"), {}).ok());
    control<QLineEdit>(w, "txtTitle")->setText(QStringLiteral("Trees"));
    control<QLineEdit>(w, "txtSubject")->setText(QStringLiteral("Forest"));
    control<QComboBox>(w, "txtXSize")->setCurrentText(QStringLiteral("20"));
    m_fixture->dialogs.answers.enqueue(Dialogs::Answer::Yes);
    QTest::mouseClick(control<GradientButton>(w, "cmdUpdateProperties"), Qt::LeftButton);
    QCOMPARE(m_fixture->dialogs.titles(), QStringList{QStringLiteral("Change Settings")});
    QCOMPARE(m_fixture->dialogs.shown.first().text,
             QStringLiteral("Warning. Changing the size of the crossword may result in the loss "
                            "of Words\nDo you wish to continue?"));
    QCOMPARE(w.document().puzzle().title, QStringLiteral("Trees"));
    QCOMPARE(w.document().puzzle().subject, QStringLiteral("Forest"));
    QCOMPARE(w.document().puzzle().width, 20);
    QCOMPARE(control<QComboBox>(w, "txtX")->count(), 20);
    QCOMPARE(control<QComboBox>(w, "txtX")->currentText(), QStringLiteral("0"));
}

void tst_MainWindow::changeWithDeclinedResizeKeepsTheGrid()
{
    MainWindow &w = *m_window;
    QVERIFY(w.document().placeWord(0, 0, Direction::Across, QStringLiteral("OAK"), {}).ok());
    control<QComboBox>(w, "txtXSize")->setCurrentText(QStringLiteral("25"));
    m_fixture->dialogs.answers.enqueue(Dialogs::Answer::No);
    control<GradientButton>(w, "cmdUpdateProperties")->click();
    QCOMPARE(w.document().puzzle().width, 16);
    QCOMPARE(control<QComboBox>(w, "txtXSize")->currentText(), QStringLiteral("16"));
    QCOMPARE(control<QComboBox>(w, "txtX")->count(), 16);
}

void tst_MainWindow::emptyGridResizesWithoutWarning()
{
    // No word can be lost, so nothing is asked.
    MainWindow &w = *m_window;
    control<QComboBox>(w, "txtXSize")->setCurrentText(QStringLiteral("25"));
    control<GradientButton>(w, "cmdUpdateProperties")->click();
    QVERIFY(m_fixture->dialogs.shown.isEmpty());
    QCOMPARE(w.document().puzzle().width, 25);
}

void tst_MainWindow::removeShapesKeepsFirstMarker()
{
    MainWindow &w = *m_window;
    // ACT fits three places crossing CAT: the search shows markers S1_1 .. S1_3.
    CrosswordData p = w.document().puzzle();
    QVERIFY(addWord(p, 2, 2, QStringLiteral("CAT"), Direction::Across, QString(), true,
                    PlacementCheck::ApplyRules)
                .ok());
    setPuzzle(w, p);
    control<QComboBox>(w, "txtWord")->setEditText(QStringLiteral("ACT"));
    w.findChild<WordPanel *>(QStringLiteral("picAddWord"))
        ->runWordListCommand(WordListCommand::SearchPlaces);
    const QList<ShapeFrame *> shown = markers(w);
    QCOMPARE(shown.size(), 4);
    QCOMPARE(shown.at(3)->objectName(), QStringLiteral("S1_3"));
    shown.first()->show();
    control<ShapeFrame>(w, "Shape1")->show();
    for (ShapeFrame *marker : shown)
        QVERIFY(marker->isVisible());
    w.commandContext().hideMarks();
    QVERIFY(!control<ShapeFrame>(w, "Shape1")->isVisible());
    for (qsizetype i = 1; i < shown.size(); ++i)
        QVERIFY(!shown.at(i)->isVisible());
    QVERIFY(shown.first()->isVisible());
}

void tst_MainWindow::paintingKeepsTheSelection()
{
    MainWindow &w = *m_window;
    control<ShapeFrame>(w, "Shape1")->setGeometry(10, 10, 30, 20);
    control<ShapeFrame>(w, "Shape1")->show();
    QCoreApplication::processEvents();
    w.repaint();
    QVERIFY(control<ShapeFrame>(w, "Shape1")->isVisible());
}

void tst_MainWindow::resetCellValuesFollowsSizeBoxes()
{
    MainWindow &w = *m_window;
    control<QComboBox>(w, "txtX")->setCurrentIndex(3);
    w.document().changeProperties(w.document().puzzle().title, w.document().puzzle().subject, 7, 9);
    QCOMPARE(control<QComboBox>(w, "txtX")->count(), 7);
    QCOMPARE(control<QComboBox>(w, "txtX")->itemText(6), QStringLiteral("6"));
    QCOMPARE(control<QComboBox>(w, "txtY")->count(), 9);
    QCOMPARE(control<QComboBox>(w, "txtX")->currentText(), QStringLiteral("0"));
    QCOMPARE(control<QComboBox>(w, "txtY")->currentText(), QStringLiteral("0"));
}

// A change made to the document by anything but the panels (an undo, a command) shows in
// every view: the grid, the settings fields, the position lists, the drop-down, the title.
void tst_MainWindow::viewsFollowTheDocument()
{
    MainWindow &w = *m_window;
    const QImage before = control<PictureBox>(w, "picView")->picture();
    CrosswordData p;
    newCrossword(p, 12, 9);
    p.title = QStringLiteral("Zoo");
    p.subject = QStringLiteral("Animals");
    QVERIFY(addWord(p, 1, 1, QStringLiteral("LION"), Direction::Across, QString(), true,
                    PlacementCheck::ApplyRules)
                .ok());
    ExtraWords stored = newExtraWords();
    stored.append(ExtraWord{QStringLiteral("HERON"), QStringLiteral("Wader")});
    w.document().replaceLayout(p, stored);

    QVERIFY(control<PictureBox>(w, "picView")->picture() != before);
    QCOMPARE(control<QLineEdit>(w, "txtTitle")->text(), QStringLiteral("Zoo"));
    QCOMPARE(control<QLineEdit>(w, "txtSubject")->text(), QStringLiteral("Animals"));
    QCOMPARE(control<QComboBox>(w, "txtXSize")->currentText(), QStringLiteral("12"));
    QCOMPARE(control<QComboBox>(w, "txtYSize")->currentText(), QStringLiteral("9"));
    QCOMPARE(control<QComboBox>(w, "txtX")->count(), 12);
    QCOMPARE(control<QComboBox>(w, "txtY")->count(), 9);
    QComboBox *words = control<QComboBox>(w, "txtWord");
    QCOMPARE(words->count(), 1);
    QCOMPARE(words->itemText(0), QStringLiteral("HERON"));

    const QString path = m_fixture->dir.filePath(QStringLiteral("zoo.cwd"));
    QVERIFY(w.document().save(path).ok());
    QVERIFY(shownTitle(w).startsWith(QStringLiteral("Velloquin - ")));
    QVERIFY(shownTitle(w).endsWith(QStringLiteral("zoo.cwd")));
}

void tst_MainWindow::exitClosesTheWindow()
{
    MainWindow &w = *m_window;
    control<QAction>(w, "mnuExit")->trigger();
    QVERIFY(!w.isVisible());
    QVERIFY(m_fixture->dialogs.shown.isEmpty());
}

void tst_MainWindow::reopensWhereItWasLeft_data()
{
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<bool>("wordsShown");
    QTest::newRow("moved and enlarged") << QRect(40, 50, 900, 700) << false << true;
    QTest::newRow("maximised, no Words panel") << QRect(60, 70, 820, 640) << true << false;
}

void tst_MainWindow::reopensWhereItWasLeft()
{
    QFETCH(QRect, geometry);
    QFETCH(bool, maximized);
    QFETCH(bool, wordsShown);
    if (!wordsShown)
        control<QAction>(*m_window, "mnuWordsPanel")->trigger();
    m_window->setGeometry(geometry);
    QTRY_COMPARE(m_window->geometry(), geometry);
    if (maximized) {
        m_window->showMaximized();
        QTRY_VERIFY(m_window->isMaximized());
    }
    control<QAction>(*m_window, "mnuExit")->trigger();
    m_window.reset();

    m_window = m_fixture->start();
    QVERIFY(m_window);
    QCOMPARE(m_window->isMaximized(), maximized);
    QCOMPARE(m_window->normalGeometry(), geometry);
    if (!maximized)
        QCOMPARE(m_window->geometry(), geometry);
    // The Words panel's item says whether the panel came back.
    QCOMPARE(control<QAction>(*m_window, "mnuWordsPanel")->isChecked(), wordsShown);
    QCOMPARE(m_window->findChild<QDockWidget *>()->isVisible(), wordsShown);
}

void tst_MainWindow::shortcutsRunToolbarOnlyCommands_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("checkedButton");
    QTest::newRow("Ctrl+N new") << int(Qt::Key_N) << int(Qt::ControlModifier) << "Save Changes"
                                << 0;
    QTest::newRow("Ctrl+Shift+S save as")
        << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::ShiftModifier)
        << " Save this Crossword as:" << 0;
    QTest::newRow("Ctrl+F search") << int(Qt::Key_F) << int(Qt::ControlModifier) << "No Word" << 0;
    QTest::newRow("Ctrl+H hide answers") << int(Qt::Key_H) << int(Qt::ControlModifier) << "" << 6;
    QTest::newRow("Ctrl+G outline mode") << int(Qt::Key_G) << int(Qt::ControlModifier) << "" << 9;
}

void tst_MainWindow::shortcutsRunToolbarOnlyCommands()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, title);
    QFETCH(int, checkedButton);
    MainWindow &w = *m_window;
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    control<QLineEdit>(w, "txtClue")->setFocus();
    m_fixture->dialogs.clearShown();

    QTest::keyClick(control<QLineEdit>(w, "txtClue"), Qt::Key(key),
                    Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_fixture->dialogs.titles(), title.isEmpty() ? QStringList() : QStringList{title});
    if (checkedButton != 0) {
        // The toolbar button shows the state, and so does the menu item.
        QVERIFY(control<Toolbar>(w, "TB1")->isButtonChecked(checkedButton));
        QCOMPARE(checkedButton == 6 ? w.commandContext().drawOptions().answersHidden
                                    : w.commandContext().drawOptions().outlineMode,
                 true);
        auto *item =
            w.findChild<QAction *>(checkedButton == 6 ? "mnuHideAnswers" : "mnuOutlineMode");
        QVERIFY(item && item->isChecked());
    }
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
