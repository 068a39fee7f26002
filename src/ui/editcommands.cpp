// SPDX-License-Identifier: MIT
#include "editcommands.h"

#include "cluetext.h"
#include "picturebox.h"
#include "puzzledocument.h"

#include <QAction>
#include <QCoreApplication>
#include <QUndoStack>

namespace Velloquin {

QList<WindowCommand> editCommands(const CommandContext &context)
{
    const CommandContext &c = context;
    // Undo and Redo are disabled when there is nothing to take back or bring back, and say
    // what they would do. In a text box the same keys undo the typing there while it has
    // typing to undo (passIdleUndoKeysOn).
    QUndoStack *history = c.document.undoStack();
    QAction *undo =
        history->createUndoAction(c.parent, QCoreApplication::translate("EditCommands", "&Undo"));
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction *redo =
        history->createRedoAction(c.parent, QCoreApplication::translate("EditCommands", "&Redo"));
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    // Plain Ctrl+C stays with the text boxes.
    QAction *picture = makeCommandAction(
        c.parent, QStringLiteral("mnuCopyPic"),
        QCoreApplication::translate("EditCommands", "Copy Crossword &Picture"),
        [&c] { copyPictureToClipboard(c.grid.picture()); },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    setCommandTip(
        picture, QCoreApplication::translate("EditCommands", "Copy Crossword Image to clipboard."));
    QAction *clues = makeCommandAction(
        c.parent, QStringLiteral("mnuCopyClues"),
        QCoreApplication::translate("EditCommands", "Copy Crossword &Clues"),
        [&c] { copyCluesToClipboard(clueListText(c.document.puzzle())); },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    return {{undo, WindowMenu::Edit},
            {redo, WindowMenu::Edit},
            {picture, WindowMenu::Copy, false, 4},
            {clues, WindowMenu::Copy}};
}

} // namespace Velloquin
