// SPDX-License-Identifier: MIT
#pragma once

#include "commandcontext.h"

#include <QString>
#include <QStringList>

namespace Velloquin {

// Call before the application object exists. Help and version need no display: with
// either option the program draws off screen, so both also work on a plain terminal.
void prepareWindowCommandLine(int argc, char *argv[]);

// The window program's command line: "velloquin [options] [FILE]". --help and --version
// print their text and end the program, as does a bad option or more than one file (with
// a message on standard error and status 1). Returns the file to open after start-up,
// or an empty string. arguments are the application's, program name first.
QString readWindowCommandLine(const QStringList &arguments);

// Opens a file given on the command line the way the menu command for its kind does,
// with the same messages: an .ipuz file as "Import ipuz...", a .txt file as "Import
// Word List...", anything else as a puzzle file by File > Open. A file: URL counts as
// its local path. False when the file was refused.
bool openCommandLineFile(const CommandContext &context, const QString &file);

} // namespace Velloquin
