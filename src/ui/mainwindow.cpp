// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "cluetext.h"
#include "colorbutton.h"
#include "colornumbers.h"
#include "filedialogs.h"
#include "gridcounts.h"
#include "numberreading.h"
#include "panelparts.h"
#include "picturebox.h"
#include "pictures.h"
#include "recoveryfolder.h"
#include "settingspanel.h"
#include "toolbar.h"
#include "toolbarband.h"
#include "twips.h"
#include "undokeys.h"
#include "waitpanel.h"
#include "windowcommands.h"
#include "windowplacement.h"
#include "wordpanel.h"
#include "wordsdock.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeView>
#include <QWindowStateChangeEvent>

#include <iterator>

namespace Velloquin {

namespace {

// The main toolbar's layout: its buttons show the actions of the commands, in this order.
const QString MainToolbarLayout = QStringLiteral("NNN|N|NC|NN|C");
// The toolbar buttons of the window's own commands.
enum OwnToolbarButton {
    HideAnswersButton = 6,
    SaveSettingsButton,
    ResetSettingsButton,
    OutlineButton
};
// The colour the toolbar strip marks see-through pixels with.
const QColor ToolbarMask(0, 255, 0);

} // namespace

MainWindow::MainWindow(const AppPaths &paths, Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_paths(paths), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmCWord"));
    setAccessibleName(QStringLiteral("Velloquin"));

    // The palette's "More Colors..." goes through the window's dialogs.
    ColorButton::setColorChooser([this](const QColor &initial, QWidget *) {
        return m_dialogs.chooseColor(initial, tr("Colour"));
    });

    m_document = new PuzzleDocument(this);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    m_client->installEventFilter(this);

    buildToolbarBand();
    m_settingsPanel = new SettingsPanel(*m_document, m_client);
    connect(m_settingsPanel, &SettingsPanel::changeRequested, this, &MainWindow::updateProperties);
    connect(m_settingsPanel, &SettingsPanel::moveRequested, this, &MainWindow::moveCrossword);
    connect(m_settingsPanel, &SettingsPanel::colorsChanged, this, [this] {
        // A colour choice shows at once; while starting up the first drawing is to come.
        if (m_startedUp)
            redrawGrid();
    });
    buildViews();
    m_wordPanel = new WordPanel(*m_document, m_dialogs, m_gridView, m_client);
    m_waitPanel = new WaitPanel(m_client);
    m_wordsDock = new WordsDock(*m_document, m_dialogs, *m_wordPanel, this);
    addDockWidget(Qt::RightDockWidgetArea, m_wordsDock);
    buildStatusBar();
    connect(m_wordPanel, &WordPanel::outcome, this, &MainWindow::showOutcome);

    // What the document announces shows in the views.
    connect(m_document, &PuzzleDocument::puzzleChanged, this, [this] {
        if (m_startedUp)
            redrawGrid();
    });
    connect(m_document, &PuzzleDocument::fileNameChanged, this, &MainWindow::showTitle);
    connect(m_document, &PuzzleDocument::modifiedChanged, this, &QWidget::setWindowModified);
    showTitle();

    // Start-up, in this order.
    m_mainToolbar->build(toolbarStrip(2), ToolbarMask, 16, MainToolbarLayout);
    m_context.reset(
        new CommandContext{*m_document, m_dialogs, m_paths, m_defaults, *m_waitPanel, *m_gridView,
                           this, [this] { return drawOptions(); }, [this] { hideMarks(); },
                           [this](const QString &text) { showOutcome(text); }, m_random,
                           [this] { return layoutMethod(); }, [this] { m_wordPanel->clearWord(); },
                           [this](bool busy) { setBusy(busy); }});
    buildMenus();
    readSettings();
    m_document->newPuzzle(m_defaults.width, m_defaults.height, m_defaults.title, m_defaults.topic);
    m_startedUp = true;
    finishWindowCommands(*this);
    setTabOrder();
    passIdleUndoKeysOn(this);
    setAcceptDrops(true);

    // The window opens with its designed inner size, the Words panel beside it.
    const int menuHeight = menuBar()->sizeHint().height();
    const int statusHeight = statusBar()->sizeHint().height();
    const int dockWidth = m_wordsDock->isHidden() ? 0 : WordsDockWidth;
    resize(twipsToPixels(InnerWidthTwips) + dockWidth,
           twipsToPixels(InnerHeightTwips) + menuHeight + statusHeight);
    resizeDocks({m_wordsDock}, {WordsDockWidth}, Qt::Horizontal);
    // The dock's handle takes a few pixels of its own; the grid's side keeps its width.
    layout()->activate();
    const int missing = twipsToPixels(InnerWidthTwips) - m_client->width();
    if (missing > 0)
        resize(width() + missing, height());
    restorePlacement();
}

void MainWindow::restorePlacement()
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
    m_wordsDock->setVisible(placement->wordsShown);
    // A panel hidden before the window is shown announces nothing.
    m_wordsAction->setChecked(placement->wordsShown);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Unsaved work is kept for the next start; closing itself asks nothing.
    m_document->writeRecoveryCopy();
    // Not being able to remember the window's place is not worth holding up the exit for.
    (void)writeWindowPlacement(
        m_paths.settingsFile,
        WindowPlacement{normalGeometry(), isMaximized(), !m_wordsDock->isHidden()});
    QMainWindow::closeEvent(event);
}

void MainWindow::keepRecoveryCopy(std::unique_ptr<RecoveryClaim> claim)
{
    m_document->setRecoveryFile(claim ? claim->path() : QString());
    m_recoveryClaim = std::move(claim);
}

void MainWindow::showTitle()
{
    // "[*]" shows as the platform marks unsaved changes ("*" here) while windowModified.
    setWindowTitle(windowTitleForFile(m_document->fileName()) + QStringLiteral("[*]"));
}

MainWindow::~MainWindow()
{
    // The panels that watch other controls go first, while the window is still whole:
    // the controls' own destruction sends events through their filters.
    m_client->removeEventFilter(this);
    // An edit still open in the Words panel may end now; the window hears no more of it.
    m_document->disconnect(this);
    delete m_wordsDock;
    m_wordsDock = nullptr;
    delete m_wordPanel;
    m_wordPanel = nullptr;
    ColorButton::setColorChooser({});
}

// --- Building the controls ---------------------------------------------------------

void MainWindow::addCommand(const WindowCommand &command)
{
    if (command.menu == WindowMenu::WordPanel) {
        connect(m_wordPanel, &WordPanel::generateRequested, command.action, &QAction::trigger);
        return;
    }
    QMenu *target = m_menus[int(command.menu)];
    // File commands go before the group of "E&xit"; the other menus grow at the end.
    QAction *before = command.menu == WindowMenu::File ? m_exitSeparator : nullptr;
    if (command.startsGroup)
        target->insertSeparator(before);
    target->insertAction(before, command.action);
    if (command.toolbarButton > 0)
        m_mainToolbar->setButtonAction(command.toolbarButton, command.action);
}

void MainWindow::buildMenus()
{
    const QString captions[] = {tr("&File"), tr("&Edit"),  tr("&Copy.."), tr("E&xport"),
                                tr("&View"), tr("&Tools"), tr("&Help")};
    const QString names[] = {QStringLiteral("mnuFile"), QStringLiteral("mnuEdit"),
                             QStringLiteral("mnuCopy"), QStringLiteral("mnuExport"),
                             QStringLiteral("mnuView"), QStringLiteral("mnuTools"),
                             QStringLiteral("mnuHelp")};
    static_assert(std::size(captions) == std::size(decltype(m_menus){}));
    for (int i = 0; i < int(std::size(captions)); ++i) {
        m_menus[i] = menuBar()->addMenu(captions[i]);
        m_menus[i]->setObjectName(names[i]);
    }
    QMenu *file = m_menus[int(WindowMenu::File)];
    m_exitSeparator = file->addSeparator();
    QAction *exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    const QList<WindowCommand> commands = windowCommands(*m_context);
    // The View commands of the groups (the language) follow the window's own, and Help
    // comes last, after the window's own commands.
    const auto afterOwn = [](WindowMenu menu) {
        return menu == WindowMenu::View || menu == WindowMenu::Help;
    };
    for (const WindowCommand &command : commands)
        if (!afterOwn(command.menu))
            addCommand(command);
    buildViewCommands();
    for (const WindowCommand &command : commands)
        if (afterOwn(command.menu))
            addCommand(command);
}

void MainWindow::buildViewCommands()
{
    auto command = [this](WindowMenu menu, const QString &name, const QString &caption,
                          const std::function<void()> &run, const QKeySequence &shortcut = {},
                          bool startsGroup = false) {
        QAction *action = makeCommandAction(this, name, caption, run, shortcut);
        addCommand({action, menu, startsGroup});
        return action;
    };
    // The two drawing switches are check items, shown by toolbar buttons too. Their state
    // is the drawing's: a trigger (from the menu, the keys or the button) flips it.
    m_hideAnswersAction = command(WindowMenu::View, QStringLiteral("mnuHideAnswers"),
                                  tr("&Hide Answers"), {}, QKeySequence(Qt::CTRL | Qt::Key_H));
    m_hideAnswersAction->setCheckable(true);
    setCommandTip(m_hideAnswersAction, tr("Hide Answers."));
    connect(m_hideAnswersAction, &QAction::triggered, this, [this](bool hidden) {
        m_answersHidden = hidden;
        redrawGrid();
    });
    m_outlineAction = command(WindowMenu::View, QStringLiteral("mnuOutlineMode"),
                              tr("&Outline Mode"), {}, QKeySequence(Qt::CTRL | Qt::Key_G));
    m_outlineAction->setCheckable(true);
    setCommandTip(m_outlineAction, tr("Outline Mode - don't show grid lines."));
    connect(m_outlineAction, &QAction::triggered, this, [this](bool outlined) {
        m_outlineMode = outlined;
        m_settingsPanel->setGridLinesPickerShown(!outlined);
        redrawGrid();
    });
    m_mainToolbar->setButtonAction(HideAnswersButton, m_hideAnswersAction);
    m_mainToolbar->setButtonAction(OutlineButton, m_outlineAction);

    // Zoom: the grid grows inside its scroll area; Fit shows it whole again.
    command(
        WindowMenu::View, QStringLiteral("mnuZoomIn"), tr("Zoom &In"),
        [this] { setZoomPercent(m_zoom * 5 / 4); }, QKeySequence::ZoomIn, true)
        ->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    command(
        WindowMenu::View, QStringLiteral("mnuZoomOut"), tr("Zoom O&ut"),
        [this] { setZoomPercent(m_zoom * 4 / 5); }, QKeySequence::ZoomOut);
    command(
        WindowMenu::View, QStringLiteral("mnuZoomFit"), tr("&Fit Grid"),
        [this] { setZoomPercent(100); }, QKeySequence(Qt::CTRL | Qt::Key_0));
    QAction *words = command(WindowMenu::View, QStringLiteral("mnuWordsPanel"), tr("&Words Panel"),
                             {}, QKeySequence(Qt::CTRL | Qt::Key_J), true);
    words->setCheckable(true);
    words->setChecked(!m_wordsDock->isHidden());
    m_wordsAction = words;
    // Shown from the keyboard, the list takes the focus so the keys go on there.
    connect(words, &QAction::triggered, m_wordsDock, [this](bool shown) {
        m_wordsDock->setVisible(shown);
        if (shown)
            m_wordsDock->view()->setFocus(Qt::ShortcutFocusReason);
    });
    connect(m_wordsDock, &QDockWidget::visibilityChanged, words,
            [this, words] { words->setChecked(!m_wordsDock->isHidden()); });

    QAction *saveSettings = command(
        WindowMenu::Tools, QStringLiteral("mnuSaveSettings"),
        tr("&Save Current Settings as Default"), [this] { writeSettings(); }, {}, true);
    setCommandTip(saveSettings, tr("Save current settings as default settings"));
    QAction *reset =
        command(WindowMenu::Tools, QStringLiteral("mnuResetSettings"),
                tr("&Reset Settings to Original Values..."), [this] { resetSettings(); });
    setCommandTip(reset, tr("Reset settings to original values"));
    m_mainToolbar->setButtonAction(SaveSettingsButton, saveSettings);
    m_mainToolbar->setButtonAction(ResetSettingsButton, reset);

    // The word list commands are the word panel's; its toolbar shows them too.
    bool first = true;
    for (QAction *action : m_wordPanel->wordListActions()) {
        addCommand({action, WindowMenu::Tools, first});
        first = false;
    }
    // Cuts away the empty rows and columns around the words, so the squares print larger.
    command(
        WindowMenu::Tools, QStringLiteral("mnuTrimGrid"), tr("Tr&im Grid to Words"),
        [this] { showRefusal(m_document->trimGrid()); }, {}, true);
}

void MainWindow::buildToolbarBand()
{
    m_toolbarBand = new ToolbarBand(m_client);
    m_toolbarBand->setObjectName(QStringLiteral("PBar"));
    m_toolbarBand->setAccessibleName(tr("Main toolbar"));
    m_mainToolbar = new Toolbar(m_toolbarBand);
    m_mainToolbar->setObjectName(QStringLiteral("TB1"));
    m_mainToolbar->setAccessibleName(tr("Main toolbar"));
    m_mainToolbar->move(2, 2);
    m_bandLine = new QFrame(m_toolbarBand);
    m_bandLine->setObjectName(QStringLiteral("Line1"));
    m_bandLine->setAccessibleName(tr("Separator"));
    m_bandLine->setFrameShape(QFrame::NoFrame);
    m_bandLine->setAutoFillBackground(true);
    QPalette pal = m_bandLine->palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    m_bandLine->setPalette(pal);
    m_toolbarBand->setToolbars({m_mainToolbar});
}

void MainWindow::buildViews()
{
    // Zoomed in, the grid view grows inside a scroll area and each number strip inside a
    // window of its own that follows the scrolling, so numbers stay beside their squares.
    auto clip = [this](const QString &name) {
        auto *frame = new QWidget(m_client);
        frame->setObjectName(name);
        return frame;
    };
    m_columnStrip = new PictureBox(clip(QStringLiteral("columnStripClip")));
    m_columnStrip->setObjectName(QStringLiteral("picNumbersAcross"));
    m_columnStrip->setAccessibleName(tr("Column numbers"));
    m_rowStrip = new PictureBox(clip(QStringLiteral("rowStripClip")));
    m_rowStrip->setObjectName(QStringLiteral("picNumbersDown"));
    m_rowStrip->setAccessibleName(tr("Row numbers"));
    m_gridScroll = new QScrollArea(m_client);
    m_gridScroll->setObjectName(QStringLiteral("gridScroll"));
    m_gridScroll->setFrameShape(QFrame::NoFrame);
    m_gridScroll->setFocusPolicy(Qt::NoFocus);
    m_gridScroll->setWidgetResizable(false);
    m_gridScroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_gridView = new PictureBox;
    m_gridView->setObjectName(QStringLiteral("picView"));
    m_gridView->setAccessibleName(tr("Crossword grid"));
    m_gridScroll->setWidget(m_gridView);
    connect(m_gridScroll->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { m_columnStrip->move(-value, 0); });
    connect(m_gridScroll->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { m_rowStrip->move(0, -value); });
}

void MainWindow::setZoomPercent(int percent)
{
    percent = qBound(MinZoom, percent, MaxZoom);
    if (percent == m_zoom)
        return;
    // The square in the middle of the view stays there.
    QScrollBar *h = m_gridScroll->horizontalScrollBar();
    QScrollBar *v = m_gridScroll->verticalScrollBar();
    const QSize shown = m_gridScroll->viewport()->size();
    const double cx = (h->value() + shown.width() / 2.0) / qMax(1, m_gridView->width());
    const double cy = (v->value() + shown.height() / 2.0) / qMax(1, m_gridView->height());
    m_zoom = percent;
    layoutGrid();
    const QSize now = m_gridScroll->viewport()->size();
    h->setValue(qRound(cx * m_gridView->width() - now.width() / 2.0));
    v->setValue(qRound(cy * m_gridView->height() - now.height() / 2.0));
    redrawGrid();
    m_wordPanel->hideSelection();
}

void MainWindow::layoutGrid()
{
    const QRect area = m_gridArea;
    m_gridScroll->setGeometry(area);
    // Beyond 100 % the scroll bars take their room from the visible part, not the grid.
    const bool zoomed = m_zoom > 100;
    const Qt::ScrollBarPolicy policy = zoomed ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    m_gridScroll->setHorizontalScrollBarPolicy(policy);
    m_gridScroll->setVerticalScrollBarPolicy(policy);
    const QSize visible = zoomed
                              ? m_gridScroll->maximumViewportSize() -
                                    QSize(m_gridScroll->verticalScrollBar()->sizeHint().width(),
                                          m_gridScroll->horizontalScrollBar()->sizeHint().height())
                              : area.size();
    const QSize full = zoomed ? area.size() * m_zoom / 100 : area.size();
    m_gridView->resize(full);

    // The strips keep their places beside the grid; only what shows of them scrolls.
    const int rowTop = twipsToPixels(RowStripTopTwips);
    const int columnTop = twipsToPixels(ColumnStripTopTwips);
    const int rowWidth = twipsToPixels(RowStripWidthTwips);
    const int columnHeight = twipsToPixels(ColumnStripHeightTwips);
    QWidget *rowClip = m_rowStrip->parentWidget();
    QWidget *columnClip = m_columnStrip->parentWidget();
    rowClip->setGeometry(area.left() - rowWidth, rowTop, rowWidth,
                         qMin(visible.height(), area.height()));
    columnClip->setGeometry(area.left(), columnTop, qMin(visible.width(), area.width()),
                            columnHeight);
    m_rowStrip->setGeometry(0, -m_gridScroll->verticalScrollBar()->value(), rowWidth,
                            full.height());
    m_columnStrip->setGeometry(-m_gridScroll->horizontalScrollBar()->value(), 0, full.width(),
                               columnHeight);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    // One puzzle, ipuz file or word list at a time, as the menu commands take them.
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return;
    const QString suffix = QFileInfo(urls.first().toLocalFile()).suffix().toLower();
    if (suffix == QLatin1String("cwd") || suffix == QLatin1String("ipuz") ||
        suffix == QLatin1String("txt"))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    const QString path = urls.first().toLocalFile();
    // The drop ends before the file's questions and messages come up.
    QMetaObject::invokeMethod(
        this, [this, path] { openFileOfAnyKind(*m_context, path); }, Qt::QueuedConnection);
}

void MainWindow::setTabOrder()
{
    // Tab runs through the main toolbar, then each panel from top to bottom (left to
    // right within a row): the settings panel, the grid, then the word panel.
    QList<QWidget *> order{m_mainToolbar};
    order += m_settingsPanel->tabOrder();
    order += m_gridView;
    order += m_wordPanel->tabOrder();
    // The Words list beside them comes last.
    order += m_wordsDock->view();
    for (QWidget *control : std::as_const(order))
        if (control->focusPolicy() == Qt::NoFocus)
            control->setFocusPolicy(Qt::StrongFocus);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// --- Layout ---------------------------------------------------------------------------

void MainWindow::layoutControls()
{
    const int W = pixelsToTwips(m_client->width());
    const int H = pixelsToTwips(m_client->height());

    m_toolbarBand->setGeometry(panel::twipsRect(0, 0, W, ToolbarBandHeightTwips));
    m_settingsPanel->setGeometry(panel::twipsRect(0, ToolbarBandHeightTwips, SettingsWidthTwips,
                                                  H - ToolbarBandHeightTwips));

    // The grid view ends 25 twips above the word panel and 45 twips short of the right
    // edge, so the whole grid with its right and bottom border lines stays in sight.
    const int downLeft = SettingsWidthTwips;
    const int viewLeft = downLeft + RowStripWidthTwips;
    const int viewTop = ColumnStripTopTwips + ColumnStripHeightTwips;
    const int downHeight = H - WordPanelHeightTwips - viewTop - 25;

    const int addTop = H - WordPanelHeightTwips;
    m_wordPanel->setGeometry(panel::twipsRect(SettingsWidthTwips - 1, addTop,
                                              W - SettingsWidthTwips + 2, WordPanelHeightTwips));

    const int viewWidth = W - viewLeft - 45;
    m_gridArea = panel::twipsRect(viewLeft, viewTop, viewWidth, downHeight);
    layoutGrid();

    m_waitPanel->setGeometry(panel::twipsRect(viewLeft + (viewWidth - WaitWidthTwips) / 2,
                                              viewTop + (downHeight - WaitHeightTwips) / 2,
                                              WaitWidthTwips, WaitHeightTwips));

    const int outerWidth = pixelsToTwips(frameGeometry().width());
    m_bandLine->setGeometry(panel::twipsRect(0, ToolbarBandHeightTwips - 20, outerWidth, 15));

    // The word panel lies over the bottom edge of the grid view and the settings panel.
    m_wordPanel->raise();
    m_waitPanel->raise();
}

void MainWindow::resizeEvent(QResizeEvent *event)
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

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize && !isMinimized()) {
        layoutControls();
        redrawGrid();
        m_wordPanel->hideSelection();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // Coming back from minimised lays the window out again for the size it has now.
    if (event->type() == QEvent::WindowStateChange && !isMinimized() && m_startedUp) {
        const auto *change = static_cast<QWindowStateChangeEvent *>(event);
        if (change->oldState() & Qt::WindowMinimized) {
            layoutControls();
            redrawGrid();
            m_wordPanel->hideSelection();
        }
    }
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize(twipsToPixels(MinOuterWidthTwips) - frame.width(),
                   twipsToPixels(MinOuterHeightTwips) - frame.height());
}

// --- Shared routines --------------------------------------------------------------------

DrawOptions MainWindow::drawOptions() const
{
    DrawOptions options;
    options.background = m_settingsPanel->background();
    options.gridLines = m_settingsPanel->gridLines();
    options.squares = m_settingsPanel->squares();
    options.answersHidden = m_answersHidden;
    options.outlineMode = m_outlineMode;
    options.redrawAll = m_startedUp;
    return options;
}

void MainWindow::redrawGrid()
{
    // The document has numbered the squares already.
    drawCrossword(m_document->puzzle(), *m_gridView, m_rowStrip, m_columnStrip, drawOptions());
}

void MainWindow::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setAccessibleName(tr("Status"));
    m_statusText = new QLabel(bar);
    m_statusText->setObjectName(QStringLiteral("lblStatus"));
    m_statusText->setAccessibleName(tr("Last outcome"));
    m_statusText->setMinimumWidth(1);
    bar->addWidget(m_statusText, 1);
    auto count = [this, bar](const QString &name, const QString &meaning) {
        auto *label = new QLabel(bar);
        label->setObjectName(name);
        label->setAccessibleName(meaning);
        label->setToolTip(meaning);
        bar->addPermanentWidget(label);
        return label;
    };
    m_sizeLabel = count(QStringLiteral("lblGridSize"), tr("Grid size"));
    m_wordsLabel = count(QStringLiteral("lblWordCount"), tr("Words placed and stored"));
    m_crossingsLabel = count(QStringLiteral("lblCrossings"), tr("Squares where two words cross"));
    m_usedLabel = count(QStringLiteral("lblGridUsed"), tr("Share of the grid's squares in use"));
    connect(m_document, &PuzzleDocument::puzzleChanged, this, &MainWindow::updateStatusCounts);
    connect(m_document, &PuzzleDocument::storedWordsChanged, this, &MainWindow::updateStatusCounts);
    connect(m_document, &PuzzleDocument::documentReplaced, this, &MainWindow::updateStatusCounts);
    updateStatusCounts();
}

void MainWindow::updateStatusCounts()
{
    const CrosswordData &p = m_document->puzzle();
    const GridCounts counts = countGrid(p);
    qsizetype stored = 0;
    for (const ExtraWord &entry : m_document->storedWords())
        stored += entry.word.isEmpty() ? 0 : 1;
    m_sizeLabel->setText(QStringLiteral("%1 × %2").arg(p.width).arg(p.height));
    m_wordsLabel->setText(tr("%1 placed, %2 stored").arg(counts.words).arg(stored));
    m_crossingsLabel->setText(counts.crossings == 1 ? tr("1 crossing")
                                                    : tr("%1 crossings").arg(counts.crossings));
    m_usedLabel->setText(tr("%1% used").arg(counts.percentUsed()));
    // An empty grid tells a newcomer where to begin; the hint goes once words are there,
    // however they came.
    const QString hint = tr("Click a square, type a word and its clue, then Update — or "
                            "import a word list and Generate");
    if (p.isEmpty)
        m_statusText->setText(hint);
    else if (m_statusText->text() == hint)
        m_statusText->clear();
}

void MainWindow::showOutcome(const QString &text)
{
    m_statusText->setText(text);
}

void MainWindow::setBusy(bool busy)
{
    if (!busy) {
        for (const QPointer<QAction> &action : std::as_const(m_busyActions))
            if (action)
                action->setEnabled(true);
        for (const QPointer<QWidget> &part : std::as_const(m_busyWidgets))
            if (part)
                part->setEnabled(true);
        m_busyActions.clear();
        m_busyWidgets.clear();
        return;
    }
    QList<QWidget *> parts{menuBar()};
    for (QObject *child : m_client->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && widget != m_waitPanel)
            parts.append(widget);
    }
    for (QWidget *part : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QDockWidget *>(part) || qobject_cast<QToolBar *>(part))
            parts.append(part);
    }
    for (QWidget *part : std::as_const(parts)) {
        if (part && part->isEnabled()) {
            part->setEnabled(false);
            m_busyWidgets.append(part);
        }
    }
    // A disabled menu still leaves shortcuts of actions that are not in it.
    for (QAction *action : findChildren<QAction *>()) {
        if (action->isEnabled()) {
            action->setEnabled(false);
            m_busyActions.append(action);
        }
    }
}

void MainWindow::hideMarks()
{
    m_wordPanel->hideMarks();
}

void MainWindow::showRefusal(const Result<> &result)
{
    if (!result)
        m_dialogs.message(result.message());
}

LayoutMethod MainWindow::layoutMethod() const
{
    return m_settingsPanel->layoutMethod();
}

// --- Settings --------------------------------------------------------------------------

void MainWindow::readSettings()
{
    Result<> status = Result<>::success();
    const DefaultSettings s = readDefaultSettings(m_paths.settingsFile, &status);
    showRefusal(status);
    m_defaults.title = s.title;
    m_defaults.topic = s.topic;

    m_outlineMode = s.useOutline;
    // The outline item and button show the flag, without running the toggle: at start the
    // Grid Lines picker stays visible even in outline mode; leaving outline mode always
    // shows it.
    m_outlineAction->setChecked(m_outlineMode);
    if (!m_outlineMode)
        m_settingsPanel->setGridLinesPickerShown(true);

    // A size the grid cannot have (below 1 or above 255) falls back to the factory size.
    auto size = [](qint16 value) { return value >= 1 && value <= 255 ? value : DefaultGridSize; };
    m_defaults.width = size(s.width);
    m_defaults.height = size(s.height);

    // A system colour takes the colour it stands for now; a save writes that colour.
    m_settingsPanel->setColors(colorFromNumber(s.background.value_or(DefaultBackgroundColor)),
                               colorFromNumber(s.gridLines.value_or(DefaultGridLinesColor)),
                               colorFromNumber(s.squares.value_or(DefaultSquaresColor)));
    m_settingsPanel->setLayoutMethod(s.layoutMethod);
}

void MainWindow::writeSettings()
{
    SettingsValues values;
    values.title = m_settingsPanel->title();
    values.topic = m_settingsPanel->topic();
    values.width = m_settingsPanel->widthText();
    values.height = m_settingsPanel->heightText();
    values.background = numberFromColor(m_settingsPanel->background());
    values.gridLines = numberFromColor(m_settingsPanel->gridLines());
    values.squares = numberFromColor(m_settingsPanel->squares());
    values.useOutline = m_outlineMode;
    values.layoutMethod = layoutMethod();
    showRefusal(writeDefaultSettings(m_paths.settingsFile, values));
}

void MainWindow::resetSettings()
{
    // The factory defaults (UseOutline untouched) are written without applying them.
    showRefusal(writeDefaultSettings(
        m_paths.settingsFile, factorySettings(numberFromColor(m_settingsPanel->defaultBackground()),
                                              numberFromColor(m_settingsPanel->defaultGridLines()),
                                              numberFromColor(m_settingsPanel->defaultSquares()))));
    const QString text =
        tr("The original default settings have been restored.\n"
           "If you would like these settings to take effect imediately then select 'Yes'\n"
           "otherwise the settings will take effect when you next start the application.\n\n"
           "Change settings now?");
    if (m_dialogs.question(tr("Reset Default Settings"), text, Dialogs::Buttons::YesNo) !=
        Dialogs::Answer::Yes)
        return;
    readSettings();
    m_settingsPanel->setSizeTexts(QString::number(m_defaults.width),
                                  QString::number(m_defaults.height));
    updateProperties();
}

void MainWindow::moveCrossword(MoveDirection direction)
{
    showRefusal(m_document->movePuzzle(direction));
}

void MainWindow::updateProperties()
{
    const auto width = readStrictNumber(m_settingsPanel->widthText(), 5, 255);
    const auto height = readStrictNumber(m_settingsPanel->heightText(), 5, 255);
    if (!width || !height) {
        m_dialogs.message(tr("Error"), tr("Please enter valid numbers for X and Y (>=5)."),
                          Icon::Error);
        return;
    }
    const CrosswordData &p = m_document->puzzle();
    qint16 newWidth = p.width;
    qint16 newHeight = p.height;
    if ((*width != p.width || *height != p.height) && p.isEmpty) {
        // An empty grid has no words to lose: nothing to warn about.
        newWidth = qint16(*width);
        newHeight = qint16(*height);
    } else if (*width != p.width || *height != p.height) {
        const QString question = tr("Warning. Changing the size of the crossword may result in "
                                    "the loss of Words\nDo you wish to continue?");
        if (m_dialogs.question(tr("Change Settings"), question, Dialogs::Buttons::YesNo) ==
            Dialogs::Answer::Yes) {
            newWidth = qint16(*width);
            newHeight = qint16(*height);
        }
    }
    m_document->changeProperties(m_settingsPanel->title(), m_settingsPanel->topic(), newWidth,
                                 newHeight);
    // A size the user did not confirm goes back to the puzzle's.
    m_settingsPanel->showPuzzleFields();
}

} // namespace Velloquin
