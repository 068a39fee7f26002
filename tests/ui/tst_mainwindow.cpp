// SPDX-License-Identifier: MIT
// The main window: layout, toolbar and menu commands, drawing flags and shapes.
#include "windowfixture.h"

#include "candybutton.h"
#include "cluetext.h"
#include "colorpicker.h"
#include "crosswordfile.h"
#include "picturebox.h"
#include "toolbar.h"
#include "toolbarband.h"
#include "twips.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QtTest>

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
int darkPixelsInSquare(frmCWord &w, int column, int row)
{
    const QImage &image = w.picView->picture();
    const double cw = double(image.width()) / w.puzzle().Width;
    const double ch = double(image.height()) / w.puzzle().Height;
    int dark = 0;
    for (int y = int(row * ch + ch * 0.25); y < int(row * ch + ch * 0.8); ++y)
        for (int x = int(column * cw + cw * 0.25); x < int(column * cw + cw * 0.75); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                ++dark;
    return dark;
}

void loadFixture(frmCWord &w, const QString &name)
{
    const Result<> r = loadCrosswordFile(QStringLiteral(VELLOQUIN_TESTDATA "/") + name, w.puzzle(),
                                    w.extraWords(), w.defaultWidth(), w.defaultHeight());
    QVERIFY(r.ok());
    w.Redraw_Grid();
}

// Sets the window so that its inner (client) area has this size in pixels.
void setClientSize(frmCWord &w, QSize size)
{
    const QSize extra = w.size() - w.client->size();
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
    void everyNamedControlHasAnAccessibleName_data();
    void everyNamedControlHasAnAccessibleName();
    void wordPanelHasItsCaptions();
    void settingsPanelStacksPickersBackgroundSquaresGridLines();
    void hideAnswersRedrawsWithoutLetters();
    void copyCommandsPutTheSamePictureOnTheClipboard();
    void copyCluesPutsClueTextOnTheClipboard();
    void colourChoiceRedrawsAtOnce();
    void moveButtonsMoveTheCrossword_data();
    void moveButtonsMoveTheCrossword();
    void refusedMoveShowsItsMessage_data();
    void refusedMoveShowsItsMessage();
    void changeAppliesTitleTopicAndSize();
    void changeWithDeclinedResizeKeepsTheGrid();
    void removeShapesKeepsFirstMarker();
    void paintingRemovesShapes();
    void resetCellValuesFollowsSizeBoxes();
    void exitClosesTheWindow();
    void reopensWhereItWasLeft_data();
    void reopensWhereItWasLeft();
    void shortcutsRunToolbarOnlyCommands_data();
    void shortcutsRunToolbarOnlyCommands();

private:
    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<frmCWord> m_window;
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
    frmCWord &w = *m_window;
    const QSize frame = w.frameGeometry().size() - w.size();
    QVERIFY(w.frameGeometry().width() >= 660);
    QVERIFY(w.frameGeometry().height() >= 600);
    if (frame.width() <= 2)
        QCOMPARE(w.client->width(), 660 - frame.width());
    else
        QCOMPARE(w.client->width(), 658);
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
    frmCWord &w = *m_window;
    setClientSize(w, client);
    QCOMPARE(w.client->size(), client);

    const int W = client.width() * 15;
    const int H = client.height() * 15;
    QCOMPARE(w.PBar->geometry(), QRect(0, 0, px(W), px(435)));
    QCOMPARE(w.picCWEditor->geometry(), QRect(0, px(435), px(1695), px(H - 435)));
    // The view ends 25 twips above the word panel and 45 twips before the right edge.
    const int downHeight = H - 1650 - 795 - 25;
    QCOMPARE(w.picNumbersDown->geometry(), QRect(px(1695), px(705), px(375), px(downHeight)));
    QCOMPARE(w.picAddWord->geometry(),
             QRect(px(1695 - 1), px(H - 1650), px(W - 1695 + 2), px(1650)));
    const int viewWidth = W - 2070 - 45;
    QCOMPARE(w.picView->geometry(),
             QRect(px(1695 + 375), px(495 + 300), px(viewWidth), px(downHeight)));
    QCOMPARE(w.picNumbersAcross->geometry(), QRect(px(2070), px(495), px(viewWidth), px(300)));
    QCOMPARE(w.pGress->geometry(), QRect(px(2070 + (viewWidth - 3735) / 2),
                                         px(795 + (downHeight - 1245) / 2), px(3735), px(1245)));
    // Line1 runs along the bottom of the toolbar band, over the window's whole width.
    QCOMPARE(w.Line1->y(), px(435 - 20));
    QCOMPARE(w.Line1->x(), 0);
    QVERIFY(w.Line1->width() >= w.PBar->width());
    // The move panel sits 100 twips above the bottom of the settings panel.
    QCOMPARE(w.pMove->geometry().bottom() + 1,
             px(w.picCWEditor->height() * 15 - 1260 - 100) + px(1260));
    QCOMPARE(w.pMove->x(), px(90));

    // The whole grid view lies inside the window, clear of the word panel.
    QVERIFY(w.client->rect().contains(w.picView->geometry()));
    QVERIFY(w.picView->geometry().bottom() < w.picAddWord->y());
    QVERIFY(w.picNumbersDown->geometry().bottom() < w.picAddWord->y());
    // The drawing fills the grid view: its picture has the view's size.
    QCOMPARE(w.picView->picture().size(), w.picView->size());
    QCOMPARE(w.picNumbersAcross->picture().size(), w.picNumbersAcross->size());
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
    frmCWord &w = *m_window;
    const QSize frame = w.frameGeometry().size() - w.size();
    w.resize(requested);
    QCoreApplication::processEvents();
    const QSize outer = w.frameGeometry().size();
    QCOMPARE(outer.width(), qMax(660, requested.width() + frame.width()));
    QCOMPARE(outer.height(), qMax(600, requested.height() + frame.height()));
    // The layout follows the snapped size.
    QCOMPARE(w.picAddWord->geometry().bottom() + 1, w.client->height());
}

void tst_MainWindow::minimisingChangesNoLayout()
{
    frmCWord &w = *m_window;
    setClientSize(w, QSize(800, 640));
    const QRect view = w.picView->geometry();
    const QRect panel = w.picAddWord->geometry();
    const QImage picture = w.picView->picture();

    w.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    // A size change while minimised lays nothing out.
    w.resize(1000, 900);
    QCoreApplication::processEvents();
    QCOMPARE(w.picView->geometry(), view);
    QCOMPARE(w.picAddWord->geometry(), panel);
    QCOMPARE(w.picView->picture(), picture);

    // Restored, the window is laid out for the size it has now.
    w.setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    QCOMPARE(w.picAddWord->geometry().bottom() + 1, w.client->height());
    QCOMPARE(w.picView->width(), px(w.client->width() * 15 - 2070 - 45));
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
                               << "Save As..."
                               << "Ctrl+Shift+S";
    QTest::newRow("mnuExit") << "mnuExit"
                             << "E&xit"
                             << "Ctrl+Q";
    QTest::newRow("mnuCopyPic") << "mnuCopyPic"
                                << "Copy Crossword Picture"
                                << "Ctrl+Shift+C";
    QTest::newRow("mnuCopyClues") << "mnuCopyClues"
                                  << "Copy Crossword Clues"
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
    QVERIFY(menus.size() >= 2);
    QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
    QCOMPARE(menus[1]->text(), QStringLiteral("Copy.."));
    // File: New, separator, Open, separator, Save, Save As..., separator, Exit (other
    // commands may sit between them, but not out of this order).
    const QStringList order = {"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuSaveAs", "mnuExit"};
    QStringList file;
    for (QAction *a : m_window->mnuFile->actions())
        if (order.contains(a->objectName()))
            file << a->objectName();
    QCOMPARE(file, order);
    const QList<QAction *> items = m_window->mnuFile->actions();
    QVERIFY(items.at(1)->isSeparator());
    QVERIFY(items.at(items.indexOf(m_window->mnuExit) - 1)->isSeparator());
}

void tst_MainWindow::mainToolbarHasItsButtonsAndTips()
{
    Toolbar &tb = *m_window->TB1;
    QCOMPARE(tb.ButtonsCount(), 9);
    const QStringList tips = {"Create a New Crossword.",
                              "Open a Crossword.",
                              "Save the current Crossword.",
                              "Copy Crossword Image to clipboard.",
                              "Export to MS Word.",
                              "Hide Answers.",
                              "Save current settings as default settings",
                              "Reset settings to original values",
                              "Outline Mode - don't show grid lines."};
    for (int i = 1; i <= 9; ++i) {
        QCOMPARE(tb.buttonToolTip(i), tips[i - 1]);
        QCOMPARE(tb.buttonKind(i), (i == 6 || i == 9) ? int(Toolbar::Check) : int(Toolbar::Normal));
    }
    Toolbar &tb2 = *m_window->TB2;
    QCOMPARE(tb2.ButtonsCount(), 3);
    QCOMPARE(tb2.buttonToolTip(1),
             QStringLiteral("Store this  word in the dropdown list for inclusion later"));
    QCOMPARE(tb2.buttonToolTip(2), QStringLiteral("Delete this word from the dropdown list."));
    QCOMPARE(tb2.buttonToolTip(3), QStringLiteral("Search for locations to place the word."));
    // The band hands its gradient to the toolbar.
    QVERIFY(tb.UseGradient());
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
    frmCWord &w = *m_window;
    QCOMPARE(w.Label2->text(), QStringLiteral("Edit Words & Clues"));
    QVERIFY(w.txtWord->isEditable());
    QVERIFY(!w.txtX->isEditable());
    QVERIFY(!w.txtY->isEditable());
    QCOMPARE(w.optAcross->text(), QStringLiteral("Across"));
    QCOMPARE(w.optDown->text(), QStringLiteral("Down"));
    QVERIFY(w.optAcross->isChecked());
    QCOMPARE(w.cmdOKAddWord->caption(), QStringLiteral("Update"));
    QCOMPARE(w.cmdOKAddWord->toolTip(), QStringLiteral("Add / Update word on grid"));
    QCOMPARE(w.cmdDelete->toolTip(), QStringLiteral("Delete the selected word from grid"));
    QVERIFY(!w.cmdDelete->picture().isNull());
    QCOMPARE(w.CandyButton2->toolTip(), QStringLiteral("Create / Regenerate Crossword"));
    QVERIFY(!w.CandyButton2->picture().isNull());
    QCOMPARE(w.cmdUpdateProperties->caption(), QStringLiteral("Change"));
    QCOMPARE(w.cmdUpdateProperties->toolTip(), QStringLiteral("Change current setting"));
    QCOMPARE(w.Label4->text(), QStringLiteral("Attempting to generate crossword  Please Wait"));
    QVERIFY(!w.pGress->isVisible());
    QCOMPARE(w.txtXSize->count(), 26);
    QCOMPARE(w.txtXSize->itemText(0), QStringLiteral("5"));
    QCOMPARE(w.txtXSize->itemText(25), QStringLiteral("30"));
    // Every child control lies inside the word panel.
    for (QWidget *child : w.picAddWord->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(w.picAddWord->rect().contains(child->geometry()), qPrintable(child->objectName()));
}

void tst_MainWindow::settingsPanelStacksPickersBackgroundSquaresGridLines()
{
    frmCWord &w = *m_window;
    QCOMPARE(w.Label3[0]->text(), QStringLiteral("Background"));
    QCOMPARE(w.Label3[1]->text(), QStringLiteral("Grid Lines"));
    QCOMPARE(w.Label3[2]->text(), QStringLiteral("Squares"));
    QVERIFY(w.ColorPicker1[0]->y() < w.ColorPicker1[2]->y());
    QVERIFY(w.ColorPicker1[2]->y() < w.ColorPicker1[1]->y());
    QVERIFY(w.ColorPicker1[1]->geometry().bottom() < w.pMove->y());
    // The move buttons form a cross: left and right in the middle row, up above, down below.
    const QRect l = w.CandyButton1[0]->geometry(), r = w.CandyButton1[1]->geometry(),
                u = w.CandyButton1[2]->geometry(), d = w.CandyButton1[3]->geometry();
    QCOMPARE(l.center().y(), r.center().y());
    QVERIFY(l.right() < u.left() && u.right() < r.left());
    QCOMPARE(u.center().x(), d.center().x());
    QVERIFY(u.bottom() < l.top() && l.bottom() < d.top());
}

void tst_MainWindow::hideAnswersRedrawsWithoutLetters()
{
    frmCWord &w = *m_window;
    loadFixture(w, QStringLiteral("window_zoo.cwd"));
    // Square (1, 0) holds the A of CAT and no square number.
    QVERIFY(darkPixelsInSquare(w, 1, 0) > 0);
    w.TB1->activateButton(6);
    QVERIFY(w.AnswersHidden);
    QVERIFY(w.TB1->IsButtonChecked(6));
    QCOMPARE(darkPixelsInSquare(w, 1, 0), 0);
    // The squares themselves are still drawn in the squares colour.
    const QImage &image = w.picView->picture();
    const int cw = image.width() / 10, ch = image.height() / 8;
    QCOMPARE(image.pixel(cw + cw / 2, ch / 2), qRgb(255, 255, 255));
    w.TB1->activateButton(6);
    QVERIFY(!w.AnswersHidden);
    QVERIFY(darkPixelsInSquare(w, 1, 0) > 0);
}

void tst_MainWindow::copyCommandsPutTheSamePictureOnTheClipboard()
{
    frmCWord &w = *m_window;
    loadFixture(w, QStringLiteral("window_zoo.cwd"));
    QClipboard *clipboard = QGuiApplication::clipboard();

    clipboard->setText(QStringLiteral("something else"));
    w.TB1->activateButton(4);
    const QImage fromButton = clipboard->image();
    QVERIFY(!fromButton.isNull());
    QVERIFY(clipboard->text().isEmpty());
    QCOMPARE(fromButton.size(), w.picView->size());
    QCOMPARE(fromButton.convertToFormat(QImage::Format_RGB32),
             w.picView->picture().convertToFormat(QImage::Format_RGB32));

    clipboard->setText(QStringLiteral("something else"));
    w.mnuCopyPic->trigger();
    const QImage fromMenu = clipboard->image();
    QCOMPARE(fromMenu.convertToFormat(QImage::Format_RGB32),
             fromButton.convertToFormat(QImage::Format_RGB32));

    // With the answers hidden the copied picture has no letters either.
    w.TB1->activateButton(6);
    w.mnuCopyPic->trigger();
    QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32),
             w.picView->picture().convertToFormat(QImage::Format_RGB32));
    QVERIFY(clipboard->image().convertToFormat(QImage::Format_RGB32) !=
            fromButton.convertToFormat(QImage::Format_RGB32));
}

void tst_MainWindow::copyCluesPutsClueTextOnTheClipboard()
{
    frmCWord &w = *m_window;
    QClipboard *clipboard = QGuiApplication::clipboard();
    w.mnuCopyClues->trigger();
    QCOMPARE(clipboard->text(), QStringLiteral("ACROSS\r\n\r\nDOWN\r\n"));

    loadFixture(w, QStringLiteral("window_zoo.cwd"));
    clipboard->setImage(QImage(4, 4, QImage::Format_RGB32));
    w.mnuCopyClues->trigger();
    QCOMPARE(
        clipboard->text(),
        QStringLiteral("ACROSS\r\n1 - Small pet that purrs\r\n3 - Largest animal in the sea\r\n"
                       "5 - Climbs mountains, eats almost anything\r\n\r\nDOWN\r\n"
                       "1 - Gives milk\r\n(3)\r\n2 - Warty amphibian\r\n4 - Bird of prey\r\n"
                       "6 - Fish in a can\r\n"));
    QCOMPARE(clipboard->text(), w.Get_Clues_text());
}

void tst_MainWindow::colourChoiceRedrawsAtOnce()
{
    frmCWord &w = *m_window;
    const int cw = w.picView->width() / 16, ch = w.picView->height() / 16;
    const QPoint inside(cw + cw / 2, ch + ch / 2);
    QCOMPARE(w.picView->picture().pixel(inside), qRgb(0, 0, 0));
    w.ColorPicker1[0]->setColor(number(0, 128, 255));
    QCOMPARE(w.picView->picture().pixel(inside), qRgb(0, 128, 255));
    w.ColorPicker1[1]->setColor(number(255, 0, 0));
    QCOMPARE(w.picView->picture().pixel(cw + cw / 2, 0), qRgb(255, 0, 0));
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
    frmCWord &w = *m_window;
    loadFixture(w, QStringLiteral("window_zoo.cwd"));
    if (index == 0)
        QTest::mouseClick(w.CandyButton1[1], Qt::LeftButton);
    const QList<GridWord> before = w.puzzle().Words;
    QTest::mouseClick(w.CandyButton1[index], Qt::LeftButton);
    if (index == 0)
        dx = -1;
    for (int i = 0; i < before.size(); ++i) {
        QCOMPARE(w.puzzle().Words[i].X, before[i].X + dx);
        QCOMPARE(w.puzzle().Words[i].Y, before[i].Y + dy);
    }
    QVERIFY(m_fixture->dialogs.shown.isEmpty());
    // The letter of CAT's A moved with it.
    QVERIFY(darkPixelsInSquare(w, before[0].X + 1 + dx, dy) > 0);
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
    frmCWord &w = *m_window;
    loadFixture(w, QStringLiteral("window_zoo.cwd"));
    const QList<GridWord> before = w.puzzle().Words;
    const QImage picture = w.picView->picture();
    QTest::mouseClick(w.CandyButton1[index], Qt::LeftButton);
    QCOMPARE(w.picView->picture(), picture);
    QCOMPARE(w.puzzle().Words, before);
    QCOMPARE(m_fixture->dialogs.shown.size(), 1);
    QCOMPARE(m_fixture->dialogs.shown.first().kind, ScriptedDialogs::Kind::Message);
}

void tst_MainWindow::changeAppliesTitleTopicAndSize()
{
    frmCWord &w = *m_window;
    w.txtTitle->setText(QStringLiteral("Trees"));
    w.txtSubject->setText(QStringLiteral("Forest"));
    w.txtXSize->setCurrentText(QStringLiteral("20"));
    m_fixture->dialogs.answers.enqueue(Dialogs::Answer::Yes);
    QTest::mouseClick(w.cmdUpdateProperties, Qt::LeftButton);
    QCOMPARE(m_fixture->dialogs.titles(), QStringList{QStringLiteral("Change Settings")});
    QCOMPARE(m_fixture->dialogs.shown.first().text,
             QStringLiteral("Warning. Changing the size of the crossword may result in the loss "
                            "of Words\nDo you wish to continue?"));
    QCOMPARE(w.puzzle().Title, QStringLiteral("Trees"));
    QCOMPARE(w.puzzle().Subject, QStringLiteral("Forest"));
    QCOMPARE(w.puzzle().Width, 20);
    QCOMPARE(w.txtX->count(), 20);
    QCOMPARE(w.txtX->currentText(), QStringLiteral("0"));
}

void tst_MainWindow::changeWithDeclinedResizeKeepsTheGrid()
{
    frmCWord &w = *m_window;
    w.txtXSize->setCurrentText(QStringLiteral("25"));
    m_fixture->dialogs.answers.enqueue(Dialogs::Answer::No);
    w.updateProperties();
    QCOMPARE(w.puzzle().Width, 16);
    QCOMPARE(w.txtXSize->currentText(), QStringLiteral("16"));
    QCOMPARE(w.txtX->count(), 16);
}

void tst_MainWindow::removeShapesKeepsFirstMarker()
{
    frmCWord &w = *m_window;
    ShapeFrame *m1 = w.addMarker();
    ShapeFrame *m2 = w.addMarker();
    QCOMPARE(m2->objectName(), QStringLiteral("S1_2"));
    w.markers()[0]->show();
    m1->show();
    m2->show();
    w.Shape1->show();
    w.Remove_Shapes();
    QVERIFY(!w.Shape1->isVisible());
    QVERIFY(!m1->isVisible());
    QVERIFY(!m2->isVisible());
    QVERIFY(w.markers()[0]->isVisible());
}

void tst_MainWindow::paintingRemovesShapes()
{
    frmCWord &w = *m_window;
    w.Shape1->setGeometry(10, 10, 30, 20);
    w.Shape1->show();
    QCoreApplication::processEvents();
    QVERIFY(w.Shape1->isVisible());
    w.repaint();
    QVERIFY(!w.Shape1->isVisible());
}

void tst_MainWindow::resetCellValuesFollowsSizeBoxes()
{
    frmCWord &w = *m_window;
    w.txtXSize->setCurrentText(QStringLiteral("7"));
    w.txtYSize->setCurrentText(QStringLiteral("9"));
    w.txtX->setCurrentIndex(3);
    w.Reset_Cell_Values();
    QCOMPARE(w.txtX->count(), 7);
    QCOMPARE(w.txtX->itemText(6), QStringLiteral("6"));
    QCOMPARE(w.txtY->count(), 9);
    QCOMPARE(w.txtX->currentText(), QStringLiteral("0"));
    QCOMPARE(w.txtY->currentText(), QStringLiteral("0"));
}

void tst_MainWindow::exitClosesTheWindow()
{
    frmCWord &w = *m_window;
    w.mnuExit->trigger();
    QVERIFY(!w.isVisible());
    QVERIFY(m_fixture->dialogs.shown.isEmpty());
}

void tst_MainWindow::reopensWhereItWasLeft_data()
{
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("maximized");
    QTest::newRow("moved and enlarged") << QRect(40, 50, 900, 700) << false;
    QTest::newRow("maximised") << QRect(60, 70, 820, 640) << true;
}

void tst_MainWindow::reopensWhereItWasLeft()
{
    QFETCH(QRect, geometry);
    QFETCH(bool, maximized);
    m_window->setGeometry(geometry);
    QTRY_COMPARE(m_window->geometry(), geometry);
    if (maximized) {
        m_window->showMaximized();
        QTRY_VERIFY(m_window->isMaximized());
    }
    m_window->mnuExit->trigger();
    m_window.reset();

    m_window = m_fixture->start();
    QVERIFY(m_window);
    QCOMPARE(m_window->isMaximized(), maximized);
    QCOMPARE(m_window->normalGeometry(), geometry);
    if (!maximized)
        QCOMPARE(m_window->geometry(), geometry);
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
    frmCWord &w = *m_window;
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.txtClue->setFocus();
    m_fixture->dialogs.clearShown();

    QTest::keyClick(w.txtClue, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_fixture->dialogs.titles(), title.isEmpty() ? QStringList() : QStringList{title});
    if (checkedButton != 0) {
        // The toolbar button shows the state, and so does the menu item.
        QVERIFY(w.TB1->IsButtonChecked(checkedButton));
        QCOMPARE(checkedButton == 6 ? w.AnswersHidden : w.OutlineMode, true);
        auto *item =
            w.findChild<QAction *>(checkedButton == 6 ? "mnuHideAnswers" : "mnuOutlineMode");
        QVERIFY(item && item->isChecked());
    }
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
