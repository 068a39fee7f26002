// SPDX-License-Identifier: MIT
#pragma once

class frmCWord;

// The standard shortcuts on the window's menu items, and menu items (with shortcuts where
// they fit) for the commands that otherwise live only on the toolbars: "&View" with Hide
// Answers and Outline Mode, "&Tools" with the Word export, the default settings and the
// word list. The toolbars stay the commands' one source of truth: a menu item presses
// its toolbar button, and a check item shows the button's state.
void addKeyboardCommands(frmCWord &window);
