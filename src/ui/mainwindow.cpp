// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "candybutton.h"
#include "cluetext.h"
#include "colorpicker.h"
#include "gradientpanel.h"
#include "gridedit.h"
#include "interchangecommands.h"
#include "keyboardcommands.h"
#include "numberreading.h"
#include "picturebox.h"
#include "pictures.h"
#include "printcommands.h"
#include "toolbar.h"
#include "toolbarband.h"
#include "twips.h"
#include "windowplacement.h"
#include "webpagecommand.h"
#include "wordpanel.h"
#include "xp_progressbar.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QWindowStateChangeEvent>

const QString frmCWord::GenerateCaption =
    QStringLiteral("Attempting to generate crossword  Please Wait");

namespace {

constexpr qint32 rgb(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

// Panel colours.
constexpr qint32 HeadingTop = rgb(81, 128, 208);
constexpr qint32 HeadingBottom = rgb(25, 71, 152);
constexpr qint32 PanelLight = rgb(197, 221, 250);
constexpr qint32 PanelMid = rgb(81, 128, 208);
constexpr qint32 WaitTop = rgb(25, 71, 122);
constexpr qint32 WaitBottom = rgb(197, 221, 250);

// The toolbar layouts and their tooltips.
const QString TB1Layout = QStringLiteral("NNN|N|NC|NN|C");
const QString TB1Tips = QStringLiteral(
    "Create a New Crossword.|Open a Crossword.|Save the current Crossword.|Copy Crossword "
    "Image to clipboard.|Export to MS Word.|Hide Answers.|Save current settings as default "
    "settings|Reset settings to original values|Outline Mode - don't show grid lines.");
const QString TB2Layout = QStringLiteral("NNN");
const QString TB2Tips = QStringLiteral(
    "Store this  word in the dropdown list for inclusion later|Delete this word from the "
    "dropdown list.|Search for locations to place the word.");
constexpr qint32 ToolbarMask = rgb(0, 255, 0);

// Settings panel places, in twips inside picCWEditor.
constexpr int EdLeft = 90;
constexpr int EdWidth = 1515;
constexpr int EdLabelHeight = 240;
constexpr int EdBoxHeight = 315;

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAccessibleName(caption);
    return label;
}

QLabel *makeHeading(QWidget *parent, const QString &name, const QString &caption)
{
    QLabel *label = makeLabel(parent, name, caption);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(pal);
    return label;
}

CandyButton *makeCandy(QWidget *parent, const QString &name, const QString &caption,
                       const QString &tip, int style)
{
    auto *button = new CandyButton(parent);
    button->setObjectName(name);
    button->setCaption(caption);
    button->setToolTip(tip);
    button->setAccessibleName(caption.isEmpty() ? tip : caption);
    button->setAccessibleDescription(tip);
    button->setStyle(style);
    return button;
}

} // namespace

QRect frmCWord::twipsRect(int left, int top, int width, int height)
{
    // A size that comes out negative is left at zero (the resize goes on regardless).
    return QRect(twipsToPixels(left), twipsToPixels(top), qMax(0, twipsToPixels(width)),
                 qMax(0, twipsToPixels(height)));
}

frmCWord::frmCWord(const AppPaths &paths, Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_paths(paths), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmCWord"));
    setWindowTitle(QStringLiteral("Velloquin"));
    setAccessibleName(QStringLiteral("Velloquin"));

    // The palette's "More Colors..." goes through the window's dialogs.
    ColorPicker::setColorChooser([this](const QColor &initial, QWidget *) {
        return m_dialogs.chooseColour(initial, tr("Colour"));
    });

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    client->installEventFilter(this);

    buildMenus();
    buildToolbarBand();
    buildSettingsPanel();
    buildViews();
    buildWordPanel();
    buildWaitPanel();

    // Start-up, in this order.
    m_extraWords = newExtraWords();
    fillSizeList(txtXSize);
    fillSizeList(txtYSize);
    TB1->BuildToolbar(toolbarStrip(2), ToolbarMask, 16, TB1Layout);
    TB1->SetToolTips(TB1Tips);
    Acquire_Settings();
    TB2->BuildToolbar(toolbarStrip(3), ToolbarMask, 16, TB2Layout);
    TB2->SetToolTips(TB2Tips);
    newCrossword(m_puzzle, m_defaultWidth, m_defaultHeight);
    m_puzzle.Title = m_defaultTitle;
    m_puzzle.Subject = m_defaultTopic;
    // The position lists follow the new puzzle's size.
    fillCellList(txtX, m_puzzle.Width);
    fillCellList(txtY, m_puzzle.Height);
    optAcross->setChecked(true);
    RedrawAll = true;
    m_startedUp = true;
    m_wordPanel = new WordPanel(*this);
    addKeyboardCommands(*this);

    // The window opens with its designed inner size.
    const int menuHeight = menuBar()->sizeHint().height();
    resize(twipsToPixels(InnerWidthTwips), twipsToPixels(InnerHeightTwips) + menuHeight);
    restorePlacement();
}

void frmCWord::restorePlacement()
{
    const std::optional<WindowPlacement> placement = readWindowPlacement(m_paths.settingsFile);
    if (!placement)
        return;
    // A place on no screen any more (a monitor unplugged) keeps the size and lets the
    // window system place the window.
    const QRect &g = placement->geometry;
    bool onScreen = false;
    for (const QScreen *screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(g);
    if (onScreen)
        setGeometry(g);
    else
        resize(g.size());
    if (placement->maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void frmCWord::closeEvent(QCloseEvent *event)
{
    // Not being able to remember the window's place is not worth holding up the exit for.
    (void)writeWindowPlacement(m_paths.settingsFile,
                               WindowPlacement{normalGeometry(), isMaximized()});
    QMainWindow::closeEvent(event);
}

frmCWord::~frmCWord()
{
    // The helpers that watch the controls go first, while the window is still whole:
    // the controls' own destruction sends events through their filters.
    client->removeEventFilter(this);
    delete m_wordPanel;
    m_wordPanel = nullptr;
    ColorPicker::setColorChooser({});
}

// --- Building the controls ---------------------------------------------------------

void frmCWord::buildMenus()
{
    auto action = [this](QMenu *menu, const QString &name, const QString &caption) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileNew = action(mnuFile, QStringLiteral("mnuFileNew"), QStringLiteral("&New"));
    mnuFile->addSeparator();
    mnuFileOpen = action(mnuFile, QStringLiteral("mnuFileOpen"), QStringLiteral("&Open"));
    mnuFile->addSeparator();
    mnuFileSave = action(mnuFile, QStringLiteral("mnuFileSave"), QStringLiteral("&Save"));
    mnuSaveAs = action(mnuFile, QStringLiteral("mnuSaveAs"), QStringLiteral("Save As..."));
    mnuFile->addSeparator();
    mnuExit = action(mnuFile, QStringLiteral("mnuExit"), QStringLiteral("E&xit"));

    mnuCopy = menuBar()->addMenu(QStringLiteral("Copy.."));
    mnuCopy->setObjectName(QStringLiteral("mnuCopy"));
    mnuCopyPic =
        action(mnuCopy, QStringLiteral("mnuCopyPic"), QStringLiteral("Copy Crossword Picture"));
    mnuCopyClues =
        action(mnuCopy, QStringLiteral("mnuCopyClues"), QStringLiteral("Copy Crossword Clues"));

    connect(mnuFileNew, &QAction::triggered, this, &frmCWord::fileNew);
    connect(mnuFileOpen, &QAction::triggered, this, &frmCWord::fileOpen);
    connect(mnuFileSave, &QAction::triggered, this, &frmCWord::fileSave);
    connect(mnuSaveAs, &QAction::triggered, this, &frmCWord::fileSaveAs);
    connect(mnuExit, &QAction::triggered, this, &frmCWord::exitProgram);
    connect(mnuCopyPic, &QAction::triggered, this, &frmCWord::copyPicture);
    connect(mnuCopyClues, &QAction::triggered, this, &frmCWord::copyClues);

    // The interchange formats and word lists: "E&xport" and two "&File" items.
    addInterchangeMenus(*this);
    // "&Print..." and the PDF worksheet.
    addPrintCommands(*this);
    // The web page to solve in a browser, last in "E&xport".
    addWebPageCommand(*this);
}

void frmCWord::buildToolbarBand()
{
    PBar = new ToolbarBand(client);
    PBar->setObjectName(QStringLiteral("PBar"));
    PBar->setAccessibleName(tr("Main toolbar"));
    TB1 = new Toolbar(PBar);
    TB1->setObjectName(QStringLiteral("TB1"));
    TB1->setAccessibleName(tr("Main toolbar"));
    TB1->move(2, 2);
    Line1 = new QFrame(PBar);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setAccessibleName(tr("Separator"));
    Line1->setFrameShape(QFrame::NoFrame);
    Line1->setAutoFillBackground(true);
    QPalette pal = Line1->palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    Line1->setPalette(pal);
    PBar->setToolbars({TB1});
    Paint_Toolbar_Band(*PBar, TB1);
    connect(TB1, &Toolbar::buttonClick, this, [this](int index) { onToolbarClick(index); });
    connect(TB1, &Toolbar::buttonCheck, this, [this](int index) { onToolbarCheck(index); });
}

void frmCWord::buildSettingsPanel()
{
    picCWEditor = new GradientPanel(client);
    picCWEditor->setObjectName(QStringLiteral("picCWEditor"));
    picCWEditor->setAccessibleName(tr("Crossword Settings"));

    Label1 =
        makeHeading(picCWEditor, QStringLiteral("Label1"), QStringLiteral("Crossword Settings"));
    lblTitle = makeLabel(picCWEditor, QStringLiteral("lblTitle"), QStringLiteral("Title:"));
    txtTitle = new QLineEdit(picCWEditor);
    txtTitle->setObjectName(QStringLiteral("txtTitle"));
    txtTitle->setAccessibleName(QStringLiteral("Title:"));
    lblTopic = makeLabel(picCWEditor, QStringLiteral("lblTopic"), QStringLiteral("Topic:"));
    txtSubject = new QLineEdit(picCWEditor);
    txtSubject->setObjectName(QStringLiteral("txtSubject"));
    txtSubject->setAccessibleName(QStringLiteral("Topic:"));
    lblWidth = makeLabel(picCWEditor, QStringLiteral("lblWidth"), QStringLiteral("Width:"));
    txtXSize = new QComboBox(picCWEditor);
    txtXSize->setObjectName(QStringLiteral("txtXSize"));
    txtXSize->setAccessibleName(QStringLiteral("Width:"));
    lblHeight = makeLabel(picCWEditor, QStringLiteral("lblHeight"), QStringLiteral("Height:"));
    txtYSize = new QComboBox(picCWEditor);
    txtYSize->setObjectName(QStringLiteral("txtYSize"));
    txtYSize->setAccessibleName(QStringLiteral("Height:"));
    lblTitle->setBuddy(txtTitle);
    lblTopic->setBuddy(txtSubject);
    lblWidth->setBuddy(txtXSize);
    lblHeight->setBuddy(txtYSize);

    cmdUpdateProperties =
        makeCandy(picCWEditor, QStringLiteral("cmdUpdateProperties"), QStringLiteral("Change"),
                  QStringLiteral("Change current setting"), 3);
    connect(cmdUpdateProperties, &CandyButton::clicked, this, &frmCWord::updateProperties);

    // Takes effect at the next "Create / Regenerate Crossword"; saved with the settings.
    lblMethod = makeLabel(picCWEditor, QStringLiteral("lblMethod"), QStringLiteral("Layout:"));
    cboMethod = new QComboBox(picCWEditor);
    cboMethod->setObjectName(QStringLiteral("cboMethod"));
    cboMethod->setAccessibleName(QStringLiteral("Layout:"));
    cboMethod->addItem(QStringLiteral("Classic"));
    cboMethod->addItem(QStringLiteral("Thorough"));
    cboMethod->setItemData(0, QStringLiteral("Quick: words cross at random places"),
                           Qt::ToolTipRole);
    cboMethod->setItemData(1, QStringLiteral("Searches up to 2 seconds to fit every word"),
                           Qt::ToolTipRole);
    cboMethod->setToolTip(QStringLiteral("How the crossword is generated"));
    lblMethod->setBuddy(cboMethod);

    const QString pickerCaptions[3] = {QStringLiteral("Background"), QStringLiteral("Grid Lines"),
                                       QStringLiteral("Squares")};
    for (int i = 0; i < 3; ++i) {
        QLabel *label =
            makeLabel(picCWEditor, QStringLiteral("Label3_%1").arg(i), pickerCaptions[i]);
        auto *picker = new ColorPicker(picCWEditor);
        picker->setObjectName(QStringLiteral("ColorPicker1_%1").arg(i));
        picker->setAccessibleName(pickerCaptions[i]);
        picker->setToolTip(pickerCaptions[i]);
        label->setBuddy(picker);
        Label3.append(label);
        ColorPicker1.append(picker);
        connect(picker, &ColorPicker::colorChanged, this, [this] { onColourChanged(); });
    }

    pMove = new GradientPanel(picCWEditor);
    pMove->setObjectName(QStringLiteral("pMove"));
    pMove->setAccessibleName(tr("Move the whole crossword"));
    pMove->setBands({{0, -1, PanelMid, PanelLight, 2}});
    const QString tips[4] = {QStringLiteral("Move the whole crossword left one square"),
                             QStringLiteral("Move the whole crossword right one square"),
                             QStringLiteral("Move the whole crossword up one square"),
                             QStringLiteral("Move the whole crossword down one square")};
    // The cross: left and right in the middle row, up on top, down at the bottom.
    constexpr int bw = 450, bh = 390;
    constexpr int centre = (MoveWidthTwips - bw) / 2;
    const QRect places[4] = {twipsRect(centre - bw - 30, 435, bw, bh),
                             twipsRect(centre + bw + 30, 435, bw, bh),
                             twipsRect(centre, 30, bw, bh), twipsRect(centre, 840, bw, bh)};
    for (int i = 0; i < 4; ++i) {
        CandyButton *button =
            makeCandy(pMove, QStringLiteral("CandyButton1_%1").arg(i), QString(), tips[i], 3);
        button->setCaption(QString());
        button->setPicture(movePicture(i));
        button->setGeometry(places[i]);
        CandyButton1.append(button);
        connect(button, &CandyButton::clicked, this, [this, i] { moveCrossword(i); });
    }
}

void frmCWord::buildViews()
{
    picNumbersAcross = new PictureBox(client);
    picNumbersAcross->setObjectName(QStringLiteral("picNumbersAcross"));
    picNumbersAcross->setAccessibleName(tr("Column numbers"));
    picNumbersDown = new PictureBox(client);
    picNumbersDown->setObjectName(QStringLiteral("picNumbersDown"));
    picNumbersDown->setAccessibleName(tr("Row numbers"));
    picView = new PictureBox(client);
    picView->setObjectName(QStringLiteral("picView"));
    picView->setAccessibleName(tr("Crossword grid"));

    Shape1 = new ShapeFrame(picView);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setAccessibleName(tr("Selection"));
    Shape1->setBorderColour(QColor(0, 0, 255));
    Shape1->hide();
    addMarker();
}

ShapeFrame *frmCWord::addMarker()
{
    auto *marker = new ShapeFrame(picView);
    marker->setObjectName(QStringLiteral("S1_%1").arg(m_markers.size()));
    marker->setAccessibleName(tr("Place for the word"));
    marker->setBorderColour(QColor(255, 0, 0));
    marker->hide();
    m_markers.append(marker);
    return marker;
}

void frmCWord::buildWordPanel()
{
    picAddWord = new GradientPanel(client);
    picAddWord->setObjectName(QStringLiteral("picAddWord"));
    picAddWord->setAccessibleName(QStringLiteral("Edit Words & Clues"));
    picAddWord->setBaseColour(QColor(226, 236, 252));

    Label2 =
        makeHeading(picAddWord, QStringLiteral("Label2"), QStringLiteral("Edit Words & Clues"));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label2->setIndent(6);
    lblWord = makeLabel(picAddWord, QStringLiteral("lblWord"), QStringLiteral("Word:"));
    txtWord = new QComboBox(picAddWord);
    txtWord->setObjectName(QStringLiteral("txtWord"));
    txtWord->setAccessibleName(QStringLiteral("Word:"));
    txtWord->setEditable(true);
    txtWord->setInsertPolicy(QComboBox::NoInsert);
    lblClue = makeLabel(picAddWord, QStringLiteral("lblClue"), QStringLiteral("Clue:"));
    txtClue = new QLineEdit(picAddWord);
    txtClue->setObjectName(QStringLiteral("txtClue"));
    txtClue->setAccessibleName(QStringLiteral("Clue:"));
    lblX = makeLabel(picAddWord, QStringLiteral("lblX"), QStringLiteral("X:"));
    txtX = new QComboBox(picAddWord);
    txtX->setObjectName(QStringLiteral("txtX"));
    txtX->setAccessibleName(QStringLiteral("X:"));
    lblY = makeLabel(picAddWord, QStringLiteral("lblY"), QStringLiteral("Y:"));
    txtY = new QComboBox(picAddWord);
    txtY->setObjectName(QStringLiteral("txtY"));
    txtY->setAccessibleName(QStringLiteral("Y:"));
    lblWord->setBuddy(txtWord);
    lblClue->setBuddy(txtClue);
    lblX->setBuddy(txtX);
    lblY->setBuddy(txtY);
    optAcross = new QRadioButton(QStringLiteral("Across"), picAddWord);
    optAcross->setObjectName(QStringLiteral("optAcross"));
    optAcross->setAccessibleName(QStringLiteral("Across"));
    optDown = new QRadioButton(QStringLiteral("Down"), picAddWord);
    optDown->setObjectName(QStringLiteral("optDown"));
    optDown->setAccessibleName(QStringLiteral("Down"));

    cmdOKAddWord = makeCandy(picAddWord, QStringLiteral("cmdOKAddWord"), QStringLiteral("Update"),
                             QStringLiteral("Add / Update word on grid"), 3);
    cmdDelete = makeCandy(picAddWord, QStringLiteral("cmdDelete"), QString(),
                          QStringLiteral("Delete the selected word from grid"), 3);
    cmdDelete->setCaption(QString());
    cmdDelete->setPicture(deletePicture());
    TB2 = new Toolbar(picAddWord);
    TB2->setObjectName(QStringLiteral("TB2"));
    TB2->setAccessibleName(tr("Word list toolbar"));
    TB2->setBackColor(rgb(226, 236, 252));
    CandyButton2 = makeCandy(picAddWord, QStringLiteral("CandyButton2"), QString(),
                             QStringLiteral("Create / Regenerate Crossword"), 3);
    CandyButton2->setCaption(QString());
    CandyButton2->setPicture(generatePicture());
}

void frmCWord::buildWaitPanel()
{
    pGress = new GradientPanel(client);
    pGress->setObjectName(QStringLiteral("pGress"));
    pGress->setAccessibleName(tr("Please wait"));
    pGress->setBands({{0, -1, WaitTop, WaitBottom, 1}});
    pGress->setAutoFillBackground(false);
    Label4 = makeHeading(pGress, QStringLiteral("Label4"), GenerateCaption);
    Label4->setWordWrap(true);
    XP2 = new XP_ProgressBar(pGress);
    XP2->setObjectName(QStringLiteral("XP2"));
    XP2->setAccessibleName(tr("Progress"));
    const QRect area = twipsRect(0, 0, GressWidthTwips, GressHeightTwips);
    Label4->setGeometry(QRect(8, 8, area.width() - 16, 36));
    XP2->setGeometry(QRect(12, area.height() - 32, area.width() - 24, 20));
    cmdCancelGenerate = new QPushButton(QStringLiteral("Cancel"), pGress);
    cmdCancelGenerate->setObjectName(QStringLiteral("cmdCancelGenerate"));
    cmdCancelGenerate->setAccessibleName(QStringLiteral("Cancel"));
    cmdCancelGenerate->setToolTip(
        QStringLiteral("Stop generating and keep the crossword as it was"));
    cmdCancelGenerate->hide();
    pGress->hide();
}

// --- Layout ---------------------------------------------------------------------------

void frmCWord::layoutControls()
{
    const int W = pixelsToTwips(client->width());
    const int H = pixelsToTwips(client->height());

    PBar->setGeometry(twipsRect(0, 0, W, PBarHeightTwips));
    picCWEditor->setGeometry(twipsRect(0, PBarHeightTwips, EditorWidthTwips, H - PBarHeightTwips));

    // The grid view ends 25 twips above the word panel and 45 twips short of the right
    // edge, so the whole grid with its right and bottom border lines stays in sight.
    const int downLeft = EditorWidthTwips;
    const int viewLeft = downLeft + DownWidthTwips;
    const int viewTop = AcrossTopTwips + AcrossHeightTwips;
    const int downHeight = H - AddWordHeightTwips - viewTop - 25;
    picNumbersDown->setGeometry(twipsRect(downLeft, DownTopTwips, DownWidthTwips, downHeight));

    const int addTop = H - AddWordHeightTwips;
    picAddWord->setGeometry(
        twipsRect(EditorWidthTwips - 1, addTop, W - EditorWidthTwips + 2, AddWordHeightTwips));

    const int viewWidth = W - viewLeft - 45;
    picView->setGeometry(twipsRect(viewLeft, viewTop, viewWidth, downHeight));

    pGress->setGeometry(twipsRect(viewLeft + (viewWidth - GressWidthTwips) / 2,
                                  viewTop + (downHeight - GressHeightTwips) / 2, GressWidthTwips,
                                  GressHeightTwips));

    const int outerWidth = pixelsToTwips(frameGeometry().width());
    Line1->setGeometry(twipsRect(0, PBarHeightTwips - 20, outerWidth, 15));

    picNumbersAcross->setGeometry(
        twipsRect(viewLeft, AcrossTopTwips, viewWidth, AcrossHeightTwips));

    // The word panel lies over the bottom edge of the grid view and the settings panel.
    picAddWord->raise();
    pGress->raise();

    layoutSettingsPanel();
    layoutWordPanel();
}

void frmCWord::layoutSettingsPanel()
{
    // The heading shrinks its font until it fits the narrow panel.
    QFont font = Label1->font();
    while (font.pointSizeF() > 6 &&
           QFontMetrics(font).horizontalAdvance(Label1->text()) > picCWEditor->width() - 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    Label1->setFont(font);
    const int labelHeight = Label1->sizeHint().height() + 4;
    Label1->setGeometry(0, 0, picCWEditor->width(), labelHeight);
    picCWEditor->setBands({{0, labelHeight, HeadingTop, HeadingBottom, 1},
                           {labelHeight, -1, PanelLight, PanelMid, 1}});

    const int top = pixelsToTwips(labelHeight) + 90;
    lblTitle->setGeometry(twipsRect(EdLeft, top, EdWidth, EdLabelHeight));
    txtTitle->setGeometry(twipsRect(EdLeft, top + 240, EdWidth, EdBoxHeight));
    lblTopic->setGeometry(twipsRect(EdLeft, top + 630, EdWidth, EdLabelHeight));
    txtSubject->setGeometry(twipsRect(EdLeft, top + 870, EdWidth, EdBoxHeight));
    const int half = (EdWidth - 75) / 2;
    lblWidth->setGeometry(twipsRect(EdLeft, top + 1260, half, EdLabelHeight));
    lblHeight->setGeometry(twipsRect(EdLeft + half + 75, top + 1260, half, EdLabelHeight));
    txtXSize->setGeometry(twipsRect(EdLeft, top + 1500, half, EdBoxHeight + 15));
    txtYSize->setGeometry(twipsRect(EdLeft + half + 75, top + 1500, half, EdBoxHeight + 15));
    cmdUpdateProperties->setGeometry(twipsRect(EdLeft, top + 1950, EdWidth, 390));
    lblMethod->setGeometry(twipsRect(EdLeft, top + 2460, EdWidth, EdLabelHeight));
    cboMethod->setGeometry(twipsRect(EdLeft, top + 2700, EdWidth, EdBoxHeight + 15));

    // Pickers top to bottom: Background (0), Squares (2), Grid Lines (1).
    const int order[3] = {0, 2, 1};
    int y = top + 3150;
    for (int i : order) {
        Label3[i]->setGeometry(twipsRect(EdLeft, y, EdWidth, EdLabelHeight));
        ColorPicker1[i]->setGeometry(twipsRect(EdLeft, y + 240, EdWidth, EdBoxHeight));
        y += 660;
    }

    const int innerHeight = pixelsToTwips(picCWEditor->height());
    pMove->setGeometry(
        twipsRect(90, innerHeight - MoveHeightTwips - 100, MoveWidthTwips, MoveHeightTwips));
}

void frmCWord::layoutWordPanel()
{
    const int W = pixelsToTwips(picAddWord->width());
    const int labelHeight = Label2->sizeHint().height() + 4;
    Label2->setGeometry(0, 0, picAddWord->width(), labelHeight);
    picAddWord->setBands({{0, labelHeight, HeadingTop, HeadingBottom, 1}});

    const int row1 = pixelsToTwips(labelHeight) + 105;
    const int row2 = row1 + 420;
    const int row3 = row2 + 420;
    const int boxLeft = 690;
    // The generate button keeps the right end; the clue box takes what is left.
    const int generateWidth = 1020;
    const int generateLeft = W - generateWidth - 105;
    CandyButton2->setGeometry(twipsRect(generateLeft, row1, generateWidth, row3 + 390 - row1));

    lblWord->setGeometry(twipsRect(90, row1, 585, EdBoxHeight));
    txtWord->setGeometry(twipsRect(boxLeft, row1, 2700, EdBoxHeight + 15));
    lblX->setGeometry(twipsRect(3510, row1, 240, EdBoxHeight));
    txtX->setGeometry(twipsRect(3750, row1, 720, EdBoxHeight + 15));
    lblY->setGeometry(twipsRect(4590, row1, 240, EdBoxHeight));
    txtY->setGeometry(twipsRect(4830, row1, 720, EdBoxHeight + 15));

    lblClue->setGeometry(twipsRect(90, row2, 585, EdBoxHeight));
    txtClue->setGeometry(
        twipsRect(boxLeft, row2, qMax(1500, generateLeft - 150 - boxLeft), EdBoxHeight));

    optAcross->setGeometry(twipsRect(boxLeft, row3 + 30, 1080, 330));
    optDown->setGeometry(twipsRect(boxLeft + 1080, row3 + 30, 960, 330));
    cmdOKAddWord->setGeometry(twipsRect(2820, row3, 1140, 390));
    cmdDelete->setGeometry(twipsRect(4050, row3, 540, 390));
    TB2->move(twipsToPixels(4710), twipsToPixels(row3) + 1);
}

void frmCWord::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (isMinimized())
        return;
    // The outer size never goes below the minimum; the frame adds to the inner size.
    const QSize frame = frameGeometry().size() - size();
    const int minWidth = twipsToPixels(MinOuterWidthTwips) - frame.width();
    const int minHeight = twipsToPixels(MinOuterHeightTwips) - frame.height();
    if (width() < minWidth || height() < minHeight)
        resize(qMax(width(), minWidth), qMax(height(), minHeight));
}

bool frmCWord::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == client && event->type() == QEvent::Resize && !isMinimized()) {
        layoutControls();
        Redraw_Grid();
        Shape1->hide();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmCWord::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // Coming back from minimised lays the window out again for the size it has now.
    if (event->type() == QEvent::WindowStateChange && !isMinimized() && m_startedUp) {
        const auto *change = static_cast<QWindowStateChangeEvent *>(event);
        if (change->oldState() & Qt::WindowMinimized) {
            layoutControls();
            Redraw_Grid();
            Shape1->hide();
        }
    }
}

void frmCWord::paintEvent(QPaintEvent *event)
{
    QMainWindow::paintEvent(event);
    Remove_Shapes();
}

void frmCWord::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize(twipsToPixels(MinOuterWidthTwips) - frame.width(),
                   twipsToPixels(MinOuterHeightTwips) - frame.height());
}

// --- Shared routines --------------------------------------------------------------------

DrawOptions frmCWord::drawOptions() const
{
    DrawOptions options;
    options.background = ColorPicker1[0]->color();
    options.gridLines = ColorPicker1[1]->color();
    options.squares = ColorPicker1[2]->color();
    options.answersHidden = AnswersHidden;
    options.outlineMode = OutlineMode;
    options.redrawAll = RedrawAll;
    return options;
}

void frmCWord::Redraw_Grid()
{
    numberSquares(m_puzzle);
    drawCrossword(m_puzzle, *picView, picNumbersDown, picNumbersAcross, drawOptions());
    if (RedrawAll)
        copySettingsFields(m_puzzle);
}

void frmCWord::copySettingsFields(const CrosswordData &p)
{
    txtTitle->setText(p.Title);
    txtSubject->setText(p.Subject);
    auto select = [](QComboBox *box, int value) {
        const QString text = QString::number(value);
        int index = box->findText(text);
        if (index < 0) {
            // A size outside the list (from a file) is added in order, so the box always
            // shows the puzzle's real size.
            index = 0;
            while (index < box->count() && box->itemText(index).toInt() < value)
                ++index;
            box->insertItem(index, text);
        }
        box->setCurrentIndex(index);
    };
    select(txtXSize, p.Width);
    select(txtYSize, p.Height);
}

void frmCWord::Remove_Shapes()
{
    Shape1->hide();
    for (qsizetype i = m_markers.size() - 1; i >= 1; --i)
        m_markers[i]->hide();
}

void frmCWord::fillSizeList(QComboBox *box)
{
    box->clear();
    for (int n = 5; n <= 30; ++n)
        box->addItem(QString::number(n));
}

void frmCWord::fillCellList(QComboBox *box, int count)
{
    box->clear();
    for (int n = 0; n < count; ++n)
        box->addItem(QString::number(n));
    if (box->count() > 0)
        box->setCurrentIndex(0);
}

void frmCWord::Reset_Cell_Values()
{
    fillCellList(txtX, int(readLenientNumberClamped(txtXSize->currentText(), 0, 255)));
    fillCellList(txtY, int(readLenientNumberClamped(txtYSize->currentText(), 0, 255)));
}

QString frmCWord::Get_Clues_text() const
{
    return ::Get_Clues_text(m_puzzle);
}

void frmCWord::showRefusal(const Result<> &result)
{
    if (!result)
        m_dialogs.message(result.message());
}

// --- Settings --------------------------------------------------------------------------

void frmCWord::Acquire_Settings()
{
    Result<> status = Result<>::success();
    const DefaultSettings s = readDefaultSettings(m_paths.settingsFile, &status);
    showRefusal(status);
    m_defaultTitle = s.title;
    m_defaultTopic = s.topic;

    OutlineMode = s.useOutline;
    // The outline button shows the flag. At start the Grid Lines picker stays visible
    // even in outline mode; leaving outline mode always shows it.
    if (TB1->IsButtonChecked(9) != OutlineMode)
        TB1->CheckButton(9, true);
    if (!OutlineMode) {
        ColorPicker1[1]->setVisible(true);
        Label3[1]->setVisible(true);
    }

    // A size the grid cannot have (below 1 or above 255) falls back to the factory size.
    auto size = [](qint16 value) { return value >= 1 && value <= 255 ? value : DefaultGridSize; };
    m_defaultWidth = size(s.width);
    m_defaultHeight = size(s.height);

    ColorPicker1[0]->setColor(s.background.value_or(DefaultBackgroundColour));
    ColorPicker1[0]->setDefaultColor(DefaultBackgroundColour);
    ColorPicker1[1]->setColor(s.gridLines.value_or(DefaultGridLinesColour));
    ColorPicker1[1]->setDefaultColor(DefaultGridLinesColour);
    ColorPicker1[2]->setColor(s.squares.value_or(DefaultSquaresColour));
    ColorPicker1[2]->setDefaultColor(DefaultSquaresColour);

    setLayoutMethod(s.layoutMethod);
}

void frmCWord::setWaitCancellable(bool cancellable)
{
    // The bar makes room for the button beside it.
    const QRect area = twipsRect(0, 0, GressWidthTwips, GressHeightTwips);
    const int cancelWidth = 64;
    const int barWidth = area.width() - 24 - (cancellable ? cancelWidth + 8 : 0);
    XP2->setGeometry(QRect(12, area.height() - 32, barWidth, 20));
    cmdCancelGenerate->setGeometry(
        QRect(area.width() - 12 - cancelWidth, area.height() - 36, cancelWidth, 28));
    cmdCancelGenerate->setVisible(cancellable);
}

LayoutMethod frmCWord::layoutMethod() const
{
    return cboMethod->currentIndex() == 1 ? LayoutMethod::Thorough : LayoutMethod::Classic;
}

void frmCWord::setLayoutMethod(LayoutMethod method)
{
    cboMethod->setCurrentIndex(method == LayoutMethod::Thorough ? 1 : 0);
}

void frmCWord::Save_Settings()
{
    SettingsValues values;
    values.title = txtTitle->text();
    values.topic = txtSubject->text();
    values.width = txtXSize->currentText();
    values.height = txtYSize->currentText();
    values.background = ColorPicker1[0]->color();
    values.gridLines = ColorPicker1[1]->color();
    values.squares = ColorPicker1[2]->color();
    values.useOutline = OutlineMode;
    values.layoutMethod = layoutMethod();
    showRefusal(writeDefaultSettings(m_paths.settingsFile, values));
}

void frmCWord::Reset_Default_Settings()
{
    showRefusal(writeDefaultSettings(m_paths.settingsFile,
                                     factorySettings(ColorPicker1[0]->defaultColor(),
                                                     ColorPicker1[1]->defaultColor(),
                                                     ColorPicker1[2]->defaultColor())));
}

// --- Commands ----------------------------------------------------------------------------

void frmCWord::onToolbarClick(int index)
{
    switch (index) {
    case 1:
        fileNew();
        break;
    case 2:
        fileOpen();
        break;
    case 3:
        fileSave();
        break;
    case 4:
        copyPicture();
        break;
    case 5:
        exportToWord();
        break;
    case 7:
        saveSettingsCommand();
        break;
    case 8:
        resetSettingsCommand();
        break;
    default:
        break;
    }
}

void frmCWord::onToolbarCheck(int index)
{
    if (index == 6)
        toggleAnswersHidden();
    else if (index == 9)
        toggleOutlineMode();
}

void frmCWord::onColourChanged()
{
    // A colour choice shows at once; while starting up the first drawing is still to come.
    // The settings boxes keep what the user typed but has not applied yet.
    if (m_startedUp) {
        numberSquares(m_puzzle);
        drawCrossword(m_puzzle, *picView, picNumbersDown, picNumbersAcross, drawOptions());
    }
}

void frmCWord::copyPicture()
{
    copyPictureToClipboard(picView->picture());
}

void frmCWord::copyClues()
{
    copyCluesToClipboard(Get_Clues_text());
}

void frmCWord::toggleAnswersHidden()
{
    AnswersHidden = !AnswersHidden;
    Redraw_Grid();
}

void frmCWord::saveSettingsCommand()
{
    Save_Settings();
}

void frmCWord::resetSettingsCommand()
{
    Reset_Default_Settings();
    const QString text =
        QStringLiteral("The original default settings have been restored.\n"
                       "If you would like these settings to take effect imediately then select "
                       "'Yes'\n"
                       "otherwise the settings will take effect when you next start the "
                       "application.\n\n"
                       "Change settings now?");
    if (m_dialogs.question(QStringLiteral("Reset Default Settings"), text,
                           Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes)
        return;
    Acquire_Settings();
    txtXSize->setCurrentText(QString::number(m_defaultWidth));
    txtYSize->setCurrentText(QString::number(m_defaultHeight));
    updateProperties();
}

void frmCWord::toggleOutlineMode()
{
    OutlineMode = !OutlineMode;
    ColorPicker1[1]->setVisible(!OutlineMode);
    Label3[1]->setVisible(!OutlineMode);
    Redraw_Grid();
}

void frmCWord::moveCrossword(int direction)
{
    showRefusal(moveWords(m_puzzle, MoveDirection(direction)));
    Redraw_Grid();
}

void frmCWord::updateProperties()
{
    const auto width = readStrictNumber(txtXSize->currentText(), 5, 255);
    const auto height = readStrictNumber(txtYSize->currentText(), 5, 255);
    if (!width || !height) {
        m_dialogs.message(QStringLiteral("Error"),
                          QStringLiteral("Please enter valid numbers for X and Y (>=5)."),
                          Icon::Error);
        return;
    }
    m_puzzle.Title = txtTitle->text();
    m_puzzle.Subject = txtSubject->text();
    if (*width != m_puzzle.Width || *height != m_puzzle.Height) {
        const QString question =
            QStringLiteral("Warning. Changing the size of the crossword may result in the loss "
                           "of Words\nDo you wish to continue?");
        if (m_dialogs.question(QStringLiteral("Change Settings"), question,
                               Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes) {
            resizeCrossword(m_puzzle, qint16(*width), qint16(*height));
            Reset_Cell_Values();
        }
    }
    Redraw_Grid();
}

void frmCWord::exitProgram()
{
    close();
}
