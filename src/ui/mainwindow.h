// SPDX-License-Identifier: MIT
#pragma once

#include "commandcontext.h"
#include "dialogs.h"
#include "drawing.h"
#include "puzzledocument.h"
#include "randomsource.h"
#include "settings.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

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

// The main window: the main toolbar, the settings panel on the left, the grid view with
// its number strips, the word panel below it and the wait notice over it, and the menus.
// It holds the document (the puzzle and its stored words) and follows what it announces;
// the panels own their controls. It lays them out and shows the commands it is given as
// actions in its menus and main toolbar; the commands see only the CommandContext it
// fills. Controls keep their control names as objectName, laid out in twips converted to
// pixels (twips.h).
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
    // The grid view's size against the space it has, in percent (100: it fits).
    static constexpr int MinZoom = 100;
    static constexpr int MaxZoom = 400;

    // Runs the window's start-up; the window is not shown. paths are kept for the run;
    // dialogs must outlive the window.
    MainWindow(const AppPaths &paths, Dialogs &dialogs, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The open puzzle; every change to it goes through its operations.
    PuzzleDocument &document() { return *m_document; }
    const PuzzleDocument &document() const { return *m_document; }
    // What the window's commands work with; it lives as long as the window.
    const CommandContext &commandContext() const { return *m_context; }

    // From now on unsaved work is kept in the recovery copy claim holds, for as long as the
    // window lives; null keeps none.
    void keepRecoveryCopy(std::unique_ptr<RecoveryClaim> claim);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The layout method chosen in the settings panel (cboMethod).
    LayoutMethod layoutMethod() const;
    // Hides the selection and the place markers over the grid.
    void hideMarks();
    // Shows what a command came to in the status bar, until the next one.
    void showOutcome(const QString &text);
    // Disables (busy) or enables again what could change the puzzle, but the wait notice.
    void setBusy(bool busy);
    // The colours and flags the drawing reads now.
    DrawOptions drawOptions() const;
    // Draws the puzzle into the grid view and the number strips.
    void redrawGrid();

    void buildMenus();
    // Adds command to its menu (File commands before the group of "E&xit", the others at
    // the end) and to the main toolbar when it has a button there.
    void addCommand(const WindowCommand &command);
    // The window's own commands: the drawing, the zoom, the Words panel, the settings and
    // the word list.
    void buildViewCommands();
    void buildToolbarBand();
    void buildViews();
    void buildStatusBar();
    void updateStatusCounts();
    void setZoomPercent(int percent);
    // The grid view, its number strips and the scroll area around them follow the zoom.
    void layoutGrid();
    void setTabOrder();
    void layoutControls();
    void showRefusal(const Result<> &result);
    // The window title for the document's file, marked while changes are unsaved.
    void showTitle();
    // The size and place the window had when it last closed, from the settings file.
    void restorePlacement();

    // --- Settings file ------------------------------------------------------------
    // Reads the settings file into the defaults, the outline mode (checking its toolbar
    // button without an event), the three colours and the layout method.
    void readSettings();
    // Writes the current title, topic, size boxes, colours and outline mode as defaults.
    void writeSettings();
    // Reset the stored defaults and offer to apply them now.
    void resetSettings();
    // Moves the whole crossword one square.
    void moveCrossword(MoveDirection direction);
    // "Change": applies title, topic and grid size to the puzzle.
    void updateProperties();

    AppPaths m_paths;
    Dialogs &m_dialogs;
    PuzzleDocument *m_document = nullptr;
    // The one random source of the run; it starts from the same fixed state at every
    // program start.
    RandomSource m_random;
    std::unique_ptr<RecoveryClaim> m_recoveryClaim;
    PuzzleDefaults m_defaults;
    std::unique_ptr<CommandContext> m_context;
    // What setBusy disabled, to enable again.
    QList<QPointer<QWidget>> m_busyWidgets;
    QList<QPointer<QAction>> m_busyActions;
    bool m_answersHidden = false;
    bool m_outlineMode = false;
    // Set at the end of start-up: from then on the strips and grid lines are drawn.
    bool m_startedUp = false;

    QWidget *m_client = nullptr; // the inner (client) area below the menu bar
    QMenu *m_menus[7] = {};
    QAction *m_exitSeparator = nullptr;
    QAction *m_hideAnswersAction = nullptr;
    QAction *m_outlineAction = nullptr;
    QAction *m_wordsAction = nullptr;
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
    QLabel *m_statusText = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QLabel *m_wordsLabel = nullptr;
    QLabel *m_crossingsLabel = nullptr;
    QLabel *m_usedLabel = nullptr;
};

} // namespace Velloquin
