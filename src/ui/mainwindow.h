// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "dialogs.h"
#include "drawing.h"
#include "randomsource.h"
#include "settings.h"

#include <QList>
#include <QMainWindow>
#include <QString>

class CandyButton;
class ColorPicker;
class GradientPanel;
class PictureBox;
class ShapeFrame;
class Toolbar;
class ToolbarBand;
class WordPanel;
class XP_ProgressBar;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

// The main window: the grid view with its number strips, the settings panel, the word
// and clue panel, the main toolbar and the menus. It owns the current puzzle and its
// stored words; every command reads the window's fields, changes the puzzle and ends
// with Redraw_Grid.
//
// Controls are real widgets named after their control names (objectName), laid out in
// twips converted to pixels (twips.h). Control arrays are named with the index after an
// underscore: ColorPicker1_0, Label3_2, CandyButton1_3, S1_0.
class frmCWord : public QMainWindow
{
    Q_OBJECT

public:
    // Sizes of the window's regions in twips.
    static constexpr int InnerWidthTwips = 9870;
    static constexpr int InnerHeightTwips = 7785;
    static constexpr int MinOuterWidthTwips = 9900;
    static constexpr int MinOuterHeightTwips = 9000;
    static constexpr int PBarHeightTwips = 435;
    static constexpr int EditorWidthTwips = 1695;
    static constexpr int AcrossTopTwips = 495;
    static constexpr int AcrossHeightTwips = 300;
    static constexpr int DownTopTwips = 705;
    static constexpr int DownWidthTwips = 375;
    static constexpr int AddWordHeightTwips = 1650;
    static constexpr int GressWidthTwips = 3735;
    static constexpr int GressHeightTwips = 1245;
    static constexpr int MoveWidthTwips = 1515;
    static constexpr int MoveHeightTwips = 1260;

    // The caption of Label4 while the layout generator works.
    static const QString GenerateCaption;

    // Runs the window's start-up; the window is not shown. paths are kept for the run;
    // dialogs must outlive the window.
    frmCWord(const AppPaths &paths, Dialogs &dialogs, QWidget *parent = nullptr);
    ~frmCWord() override;

    // --- Window state --------------------------------------------------------------
    // Path Save writes to; empty means none.
    QString CurrentFileName;
    // The grid is drawn without its letters.
    bool AnswersHidden = false;
    // The grid is drawn without grid lines (outlined squares).
    bool OutlineMode = false;
    // Set at the end of start-up and never cleared: strips, grid lines and letters drawn.
    bool RedrawAll = false;

    CrosswordData &puzzle() { return m_puzzle; }
    const CrosswordData &puzzle() const { return m_puzzle; }
    ExtraWords &extraWords() { return m_extraWords; }
    const ExtraWords &extraWords() const { return m_extraWords; }
    const AppPaths &paths() const { return m_paths; }
    Dialogs &dialogs() const { return m_dialogs; }
    // The one random source of the run (the automatic layout draws from it); it starts
    // from the same fixed state at every program start.
    RandomSource &random() { return m_random; }
    // The word and clue panel's commands (grid clicks, Update, Delete, word list, search).
    WordPanel *wordPanel() const { return m_wordPanel; }

    // The defaults read by Acquire_Settings.
    QString defaultTitle() const { return m_defaultTitle; }
    QString defaultTopic() const { return m_defaultTopic; }
    qint16 defaultWidth() const { return m_defaultWidth; }
    qint16 defaultHeight() const { return m_defaultHeight; }

    // Shows or hides the wait notice's Cancel button, sizing the progress bar beside it.
    void setWaitCancellable(bool cancellable);

    // The layout method chosen in the settings panel (cboMethod).
    LayoutMethod layoutMethod() const;
    void setLayoutMethod(LayoutMethod method);

    // The colours and flags the drawing reads now.
    DrawOptions drawOptions() const;

    // --- Routines every command shares --------------------------------------------
    // Draws the puzzle into picView and the number strips, and copies title, subject
    // and size back into the settings fields.
    void Redraw_Grid();
    // Hides Shape1 and the markers S1 from the last down to index 1 (S1_0 is kept).
    void Remove_Shapes();
    // Refills txtX with 0 .. txtXSize - 1 and txtY with 0 .. txtYSize - 1, first selected.
    void Reset_Cell_Values();
    // The clue lists of the current puzzle.
    QString Get_Clues_text() const;

    // --- Settings file ------------------------------------------------------------
    // Reads the settings file into the defaults, OutlineMode (checking TB1 button 9
    // without an event) and the three colour pickers.
    void Acquire_Settings();
    // Writes the current title, topic, size boxes, colours and outline mode as defaults.
    void Save_Settings();
    // Writes the factory defaults (UseOutline untouched) without applying them.
    void Reset_Default_Settings();

    // --- Placement markers --------------------------------------------------------
    // The markers S1 over picView; S1_0 always exists and is never shown by
    // Remove_Shapes' callers.
    const QList<ShapeFrame *> &markers() const { return m_markers; }
    // Adds marker S1_<n> (hidden) and returns it.
    ShapeFrame *addMarker();

    // The pixel rectangle of a control placed in twips.
    static QRect twipsRect(int left, int top, int width, int height);

public slots:
    // --- Commands of this window -----------------------------------------------------
    // TB1 button 4 and "Copy Crossword Picture": the picture of picView to the clipboard.
    void copyPicture();
    // "Copy Crossword Clues": the clue text to the clipboard as plain text.
    void copyClues();
    // TB1 button 6.
    void toggleAnswersHidden();
    // TB1 button 7.
    void saveSettingsCommand();
    // TB1 button 8: reset the stored defaults and offer to apply them now.
    void resetSettingsCommand();
    // TB1 button 9: outline mode on or off; hides or shows the Grid Lines picker.
    void toggleOutlineMode();
    // CandyButton1(direction): move the whole crossword one square.
    void moveCrossword(int direction);
    // cmdUpdateProperties ("Change"): applies title, topic and grid size to the puzzle.
    void updateProperties();
    // mnuExit: closes the window; the program ends with it.
    void exitProgram();

    // --- File commands and export (filled in by the file commands) ------------------
    void fileNew();
    void fileOpen();
    void fileSave();
    void fileSaveAs();
    void exportToWord();
    // Open without its dialog: loads the puzzle file at path, or shows why it cannot.
    bool openFile(const QString &path);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildToolbarBand();
    void buildSettingsPanel();
    void buildViews();
    void buildWordPanel();
    void buildWaitPanel();
    void layoutControls();
    void layoutSettingsPanel();
    void layoutWordPanel();
    void onToolbarClick(int index);
    void onToolbarCheck(int index);
    void onColourChanged();
    void fillSizeList(QComboBox *box);
    void fillCellList(QComboBox *box, int count);
    void copySettingsFields(const CrosswordData &puzzle);
    void showRefusal(const Result<> &result);
    // The size and place the window had when it last closed, from the settings file.
    void restorePlacement();

    AppPaths m_paths;
    Dialogs &m_dialogs;
    CrosswordData m_puzzle;
    ExtraWords m_extraWords;
    QString m_defaultTitle = QStringLiteral("Crossword");
    QString m_defaultTopic;
    qint16 m_defaultWidth = DefaultGridSize;
    qint16 m_defaultHeight = DefaultGridSize;
    bool m_startedUp = false;

public:
    // --- Controls, by their control names -----------------------------------------
    QWidget *client = nullptr; // the inner (client) area below the menu bar

    QMenu *mnuFile = nullptr;
    QAction *mnuFileNew = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileSave = nullptr;
    QAction *mnuSaveAs = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuCopy = nullptr;
    QAction *mnuCopyPic = nullptr;
    QAction *mnuCopyClues = nullptr;

    ToolbarBand *PBar = nullptr;
    Toolbar *TB1 = nullptr;
    QFrame *Line1 = nullptr;

    GradientPanel *picCWEditor = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblTitle = nullptr;
    QLineEdit *txtTitle = nullptr;
    QLabel *lblTopic = nullptr;
    QLineEdit *txtSubject = nullptr;
    QLabel *lblWidth = nullptr;
    QComboBox *txtXSize = nullptr;
    QLabel *lblHeight = nullptr;
    QComboBox *txtYSize = nullptr;
    CandyButton *cmdUpdateProperties = nullptr;
    QLabel *lblMethod = nullptr;
    QComboBox *cboMethod = nullptr;    // "Classic" (0) or "Thorough" (1)
    QList<ColorPicker *> ColorPicker1; // 0 background, 1 grid lines, 2 squares
    QList<QLabel *> Label3;            // their labels, same index
    GradientPanel *pMove = nullptr;
    QList<CandyButton *> CandyButton1; // 0 left, 1 right, 2 up, 3 down

    PictureBox *picNumbersAcross = nullptr;
    PictureBox *picNumbersDown = nullptr;
    PictureBox *picView = nullptr;
    ShapeFrame *Shape1 = nullptr;

    GradientPanel *picAddWord = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblWord = nullptr;
    QComboBox *txtWord = nullptr;
    QLabel *lblClue = nullptr;
    QLineEdit *txtClue = nullptr;
    QLabel *lblX = nullptr;
    QComboBox *txtX = nullptr;
    QLabel *lblY = nullptr;
    QComboBox *txtY = nullptr;
    QRadioButton *optAcross = nullptr;
    QRadioButton *optDown = nullptr;
    CandyButton *cmdOKAddWord = nullptr;
    CandyButton *cmdDelete = nullptr;
    Toolbar *TB2 = nullptr;
    CandyButton *CandyButton2 = nullptr;

    GradientPanel *pGress = nullptr;
    XP_ProgressBar *XP2 = nullptr;
    QLabel *Label4 = nullptr;
    // Shown in the wait notice only while a thorough layout runs.
    QPushButton *cmdCancelGenerate = nullptr;

private:
    QList<ShapeFrame *> m_markers;
    RandomSource m_random;
    WordPanel *m_wordPanel = nullptr;
};
