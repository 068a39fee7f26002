// SPDX-License-Identifier: MIT
#pragma once

#include "drawing.h"
#include "layoutmethods.h"
#include "settings.h"

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>

class QAction;
class QObject;
class QWidget;

namespace Velloquin {

class Dialogs;
class PictureBox;
class PuzzleDocument;
class RandomSource;
class WaitPanel;

// The menus of the main window, in the order of the menu bar. WordPanel is no menu: the
// word panel's big button triggers a command placed there.
enum class WindowMenu { File, Edit, Copy, Export, View, Tools, Help, WordPanel };

// What a new puzzle starts with, as the settings file gives it.
struct PuzzleDefaults
{
    QString title = QStringLiteral("Crossword");
    QString topic;
    qint16 width = DefaultGridSize;
    qint16 height = DefaultGridSize;
};

// All a command of the main window may use: the document it changes, the dialogs it asks
// through, the program's folders and defaults, the wait notice, the grid as it is drawn now
// and the widget its own windows belong to. The window fills it once and it lives as long
// as the window; commands never reach into the window itself.
struct CommandContext
{
    PuzzleDocument &document;
    Dialogs &dialogs;
    const AppPaths &paths;
    const PuzzleDefaults &defaults;
    WaitPanel &wait;
    // The grid view: its picture, drawing area and text colour, read only.
    const PictureBox &grid;
    QWidget *parent = nullptr;
    // The colours and flags the grid is drawn with now.
    std::function<DrawOptions()> drawOptions;
    // Hides the selection and the place markers over the grid, before the grid changes.
    std::function<void()> hideMarks;
    // Shows what a command came to in the status bar.
    std::function<void(const QString &)> showOutcome;
    // The one random source of the run (the automatic layout draws from it); it starts
    // from the same fixed state at every program start.
    RandomSource &random;
    // The layout method chosen in the settings panel.
    std::function<LayoutMethod()> layoutMethod;
    // Empties the word panel's word and clue boxes.
    std::function<void()> clearWord;
    // With true, disables every part of the window that could change the puzzle (menus,
    // keys, toolbars, panels, docks) but the wait notice; with false, enables again what
    // it disabled.
    std::function<void(bool)> setBusy;
};

// A command as the window shows it: its action, the menu it goes in (File commands before
// "E&xit", the others at the end), whether a separator goes before it, and the button of
// the main toolbar that shows the same action (0 for none).
struct WindowCommand
{
    QAction *action = nullptr;
    WindowMenu menu = WindowMenu::File;
    bool startsGroup = false;
    int toolbarButton = 0;
};

// Every command group has this shape: it makes its actions once, owned by the context's
// parent, and returns them in menu order.
using CommandGroup = QList<WindowCommand> (*)(const CommandContext &);

// A command's action: objectName name (also its accessible name's source), caption and keys;
// run is called on each trigger.
QAction *makeCommandAction(QObject *owner, const QString &name, const QString &caption,
                           const std::function<void()> &run, const QKeySequence &shortcut = {});

// The tooltip of an action a toolbar button shows too; the Help commands add its keys
// unless withKeys is false.
void setCommandTip(QAction *action, const QString &tip, bool withKeys = true);
// Whether the Help commands add the keys to the action's tooltip.
bool commandTipTakesKeys(const QAction *action);
// The tooltip given by setCommandTip, or an empty string.
QString commandTip(const QAction *action);

} // namespace Velloquin
