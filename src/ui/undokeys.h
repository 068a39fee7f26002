// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace Velloquin {

// A text box takes the undo and redo keys (Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z) even when it has no
// typing of its own to take back, so the window's Undo and Redo never see them. From now on
// the text boxes under root (line edits and editable combo boxes) take those keys only while
// they have typing to undo or redo; otherwise the keys go to the window's commands.
void passIdleUndoKeysOn(QWidget *root);

} // namespace Velloquin
