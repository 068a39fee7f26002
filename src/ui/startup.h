// SPDX-License-Identifier: MIT
#pragma once

#include "settings.h"

#include <QString>

#include <functional>
#include <memory>

namespace Velloquin {

class Dialogs;
class MainWindow;

// What the start procedure needs from the outside world, so tests can run it with a
// program folder of their own, scripted dialogs and a scripted agreement.
struct StartOptions
{
    QString programFolder; // the folder of the program file
    QString configFolder;  // the per-user configuration folder (settings fallback)
    // The install prefix's bin folder: a program there keeps its settings in configFolder.
    QString installedFolder = installedProgramFolder();
    QString documentsFolder; // the user's documents folder (dialog fallback)
    // The program's data folder, where each window keeps its unsaved work for the next
    // start (its recovery copy); empty keeps none.
    QString dataFolder;
    Dialogs *dialogs = nullptr;
    // Makes the window speak the language the settings file (which may not exist yet)
    // chooses, before anything is shown; may be empty (tests keep English).
    std::function<void(const AppPaths &)> chooseLanguage;
    // Shows the end-user agreement; true when the user agreed.
    std::function<bool()> agree;
    // A file named on the command line, opened once the window is up; may be empty.
    QString file;
    // Starts the program once more, without a file, so that unsaved work left by earlier
    // runs which this window did not take is offered there; may be empty.
    std::function<void()> startAnotherWindow;
};

// The start procedure: on the first start (no settings file yet) shows the agreement and
// creates an empty settings file; then creates and shows the main window. When the
// settings file cannot be created (no home folder), the window starts with the default
// settings, kept in memory only, and says so once. Without a file it offers the unsaved
// work earlier runs left behind (recovery copies no running window holds), the newest
// first, until the window takes one. A file (options.file) is opened as soon as the event
// loop runs (openCommandLineFile), and no left-over work is offered in its place. Copies
// still waiting are offered in another window (startAnotherWindow). Returns null when the
// user did not agree.
std::unique_ptr<MainWindow> startProgram(const StartOptions &options);

// The text of the warning for a settings file that could not be made.
QString settingsNotSavedText(const AppPaths &paths);

} // namespace Velloquin
