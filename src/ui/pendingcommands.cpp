// SPDX-License-Identifier: MIT
// The file commands (New, Open, Save, Save As) are not built yet:
// their menu items and toolbar buttons are wired to these slots, which do nothing until
// the commands are written. Remove each function from here when it is implemented.
#include "mainwindow.h"

void frmCWord::fileNew() {}

void frmCWord::fileOpen() {}

void frmCWord::fileSave() {}

void frmCWord::fileSaveAs() {}
