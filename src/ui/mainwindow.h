// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs.h"
#include "drawing.h"
#include "puzzledocument.h"
#include "randomsource.h"
#include "settings.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QScrollArea;

namespace Velloquin {

class PictureBox;
class RecoveryClaim;
class SettingsPanel;
class Toolbar;
class ToolbarBand;
class WaitPanel;
class WordPanel;
class WordsDock;

// The buttons of the main toolbar (TB1), numbered as the toolbar numbers them.
enum class ToolbarCommand {
    New = 1,
    Open,
    Save,
    CopyPicture,
    ExportToWord,
    HideAnswers,
    SaveSettings,
    ResetSettings,
    OutlineMode,
};

// The menus of the main window, in the order of the menu bar.
enum class WindowMenu { File, Edit, Copy, Export, View, Tools, Help };

// The main window: the main toolbar, the settings panel on the left, the grid view with
// its number strips, the word panel below it and the wait notice over it, and the menus.
// It holds the document (the puzzle and its stored words) and follows what it announces;
// the panels own their controls, and the commands change the document through its
// operations. Controls keep their control names as objectName, laid out in twips
// converted to pixels (twips.h).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Sizes of the window's regions in twips.
    static constexpr int InnerWidthTwips = 9870;
    static constexpr int InnerHeightTwips = 7785;
    static constexpr int MinOuterWidthTwips = 9900;
    static constexpr int MinOuterHeightTwips = 9000;
    static constexpr int ToolbarBandHeightTwips = 435;
    static constexpr int SettingsWidthTwips = 1695;
    static constexpr int ColumnStripTopTwips = 495;
    static constexpr int ColumnStripHeightTwips = 300;
    static constexpr int RowStripTopTwips = 705;
    static constexpr int RowStripWidthTwips = 375;
    static constexpr int WordPanelHeightTwips = 1650;
    static constexpr int WaitWidthTwips = 3735;
    static constexpr int WaitHeightTwips = 1245;
    // The Words panel's width in pixels when the window opens.
    static constexpr int WordsDockWidth = 320;

    // Runs the window's start-up; the window is not shown. paths are kept for the run;
    // dialogs must outlive the window.
    MainWindow(const AppPaths &paths, Dialogs &dialogs, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The open puzzle; every change to it goes through its operations.
    PuzzleDocument &document() { return *m_document; }
    const PuzzleDocument &document() const { return *m_document; }
    const CrosswordData &puzzle() const { return m_document->puzzle(); }
    const AppPaths &paths() const { return m_paths; }
    Dialogs &dialogs() const { return m_dialogs; }
    // The one random source of the run (the automatic layout draws from it); it starts
    // from the same fixed state at every program start.
    RandomSource &random() { return m_random; }
    WordPanel &wordPanel() const { return *m_wordPanel; }
    WordsDock &wordsDock() const { return *m_wordsDock; }
    WaitPanel &waitPanel() const { return *m_waitPanel; }

    // From now on unsaved work is kept in the recovery copy claim holds, for as long as the
    // window lives; null keeps none.
    void keepRecoveryCopy(std::unique_ptr<RecoveryClaim> claim);

    // The defaults read from the settings file.
    QString defaultTitle() const { return m_defaultTitle; }
    QString defaultTopic() const { return m_defaultTopic; }
    qint16 defaultWidth() const { return m_defaultWidth; }
    qint16 defaultHeight() const { return m_defaultHeight; }

    // The layout method chosen in the settings panel (cboMethod).
    LayoutMethod layoutMethod() const;
    void setLayoutMethod(LayoutMethod method);

    // The grid is drawn without its letters (Hide Answers).
    bool answersHidden() const { return m_answersHidden; }
    void setAnswersHidden(bool hidden);
    // The grid is drawn with outlined squares and no grid lines (Outline Mode).
    bool outlineMode() const { return m_outlineMode; }
    // The colours and flags the drawing reads now.
    DrawOptions drawOptions() const;
    // The grid view's drawing area and its text colour, for pictures of the grid.
    QSize gridSize() const;
    QColor gridForeColour() const;

    // Draws the puzzle into the grid view and the number strips.
    void redrawGrid();
    // Hides the selection and the place markers over the grid.
    void hideMarks();
    // The clue lists of the current puzzle.
    QString clueListText() const;
    // Shows what a command came to in the status bar, until the next one.
    void showOutcome(const QString &text);

    // --- Zoom -----------------------------------------------------------------------------
    // The grid view's size against the space it has, in percent (100: it fits).
    int zoomPercent() const { return m_zoom; }
    void setZoomPercent(int percent);
    static constexpr int MinZoom = 100;
    static constexpr int MaxZoom = 400;

    // --- Settings file ------------------------------------------------------------
    // Reads the settings file into the defaults, the outline mode (checking its toolbar
    // button without an event), the three colours and the layout method.
    void readSettings();
    // Writes the current title, topic, size boxes, colours and outline mode as defaults.
    void writeSettings();
    // Writes the factory defaults (UseOutline untouched) without applying them.
    void writeFactorySettings();

    // --- Menus ----------------------------------------------------------------------
    // Adds a command (objectName name) to a menu. File commands go before "E&xit", each
    // caller's first one in a group of its own (startsGroup); in the other menus they
    // go last.
    QAction *addCommand(WindowMenu menu, const QString &name, const QString &caption,
                        const std::function<void()> &run, const QKeySequence &shortcut = {},
                        bool startsGroup = false);

    // The pixel rectangle of a control placed in twips.
    static QRect twipsRect(int left, int top, int width, int height);

public slots:
    // --- Commands of this window -----------------------------------------------------
    void runToolbarCommand(ToolbarCommand command);
    // "Copy Crossword Picture": the picture of the grid view to the clipboard.
    void copyPicture();
    // "Copy Crossword Clues": the clue text to the clipboard as plain text.
    void copyClues();
    void toggleAnswersHidden();
    void saveSettingsCommand();
    // Reset the stored defaults and offer to apply them now.
    void resetSettingsCommand();
    // Outline mode on or off; hides or shows the Grid Lines picker.
    void toggleOutlineMode();
    // Moves the whole crossword one square.
    void moveCrossword(MoveDirection direction);
    // "Change": applies title, topic and grid size to the puzzle.
    void updateProperties();
    // Closes the window; the program ends with it.
    void exitProgram();

    // --- File commands and export -----------------------------------------------------
    void fileNew();
    void fileOpen();
    void fileSave();
    void fileSaveAs();
    void exportToWord();
    // Open without its dialog: asks as maybeSave does, then loads the puzzle file at path,
    // or shows why it cannot (the puzzle, its history and recovery copy then stay).
    bool openFile(const QString &path);
    // Every command that replaces the puzzle calls this first. A puzzle with unsaved
    // changes gets the "Save Changes" question: Yes saves (through Save As for a puzzle
    // without a file), No goes on without saving. True when the command may go on; false
    // after Cancel or a save that was cancelled or failed, and then nothing has changed.
    bool maybeSave();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildEditMenu();
    void buildToolbarBand();
    void buildViews();
    void buildKeyboardCommands();
    void buildStatusBar();
    void updateStatusCounts();
    void buildHelpMenu();
    void buildRecentMenu();
    void fillRecentMenu();
    void openRecent(const QString &path);
    // The grid view, its number strips and the scroll area around them follow the zoom.
    void layoutGrid();
    void setTabOrder();
    void layoutControls();
    void onToolbarCheck(int index);
    void showRefusal(const Result<> &result);
    // The "Save Changes" question itself, asked whether or not anything changed.
    bool askToSave();
    // Reads the puzzle file at path into the document without asking.
    bool loadFile(const QString &path);
    // The window title for the document's file, marked while changes are unsaved.
    void showTitle();
    // The size and place the window had when it last closed, from the settings file.
    void restorePlacement();

    AppPaths m_paths;
    Dialogs &m_dialogs;
    PuzzleDocument *m_document = nullptr;
    RandomSource m_random;
    std::unique_ptr<RecoveryClaim> m_recoveryClaim;
    QString m_defaultTitle = QStringLiteral("Crossword");
    QString m_defaultTopic;
    qint16 m_defaultWidth = DefaultGridSize;
    qint16 m_defaultHeight = DefaultGridSize;
    bool m_answersHidden = false;
    bool m_outlineMode = false;
    // Set at the end of start-up: from then on the strips and grid lines are drawn.
    bool m_startedUp = false;

    QWidget *m_client = nullptr; // the inner (client) area below the menu bar
    QMenu *m_menus[7] = {};
    QAction *m_exitSeparator = nullptr;
    QAction *m_newAction = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_saveAsAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QAction *m_copyPictureAction = nullptr;
    QAction *m_copyCluesAction = nullptr;
    ToolbarBand *m_toolbarBand = nullptr;
    Toolbar *m_mainToolbar = nullptr;
    QFrame *m_bandLine = nullptr;
    SettingsPanel *m_settingsPanel = nullptr;
    PictureBox *m_columnStrip = nullptr;
    PictureBox *m_rowStrip = nullptr;
    PictureBox *m_gridView = nullptr;
    WordPanel *m_wordPanel = nullptr;
    WaitPanel *m_waitPanel = nullptr;
    WordsDock *m_wordsDock = nullptr;
    QScrollArea *m_gridScroll = nullptr;
    QRect m_gridArea; // where the grid view goes at 100 %, in the client's pixels
    int m_zoom = 100;
    QMenu *m_recentMenu = nullptr;
    QLabel *m_statusText = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QLabel *m_wordsLabel = nullptr;
    QLabel *m_crossingsLabel = nullptr;
    QLabel *m_usedLabel = nullptr;
};

} // namespace Velloquin
