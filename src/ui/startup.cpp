// SPDX-License-Identifier: MIT
#include "startup.h"

#include "commandline.h"
#include "dialogs.h"
#include "fileutil.h"
#include "mainwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

namespace Velloquin {

QString missingIniText(const AppPaths &paths)
{
    return QStringLiteral("The settings file %1 could not be created.\n"
                          "Velloquin needs this file for saving its settings.\n"
                          "Please create an empty text file named \"Crossword.ini\" in the "
                          "folder %2 and then start the program again.")
        .arg(QDir::toNativeSeparators(paths.settingsFile),
             QDir::toNativeSeparators(paths.settingsFolder));
}

std::unique_ptr<MainWindow> startProgram(const StartOptions &options)
{
    Q_ASSERT(options.dialogs);
    const AppPaths paths =
        resolveAppPaths(options.programFolder, options.configFolder, options.documentsFolder);

    if (!fileExists(paths.settingsFile)) {
        // The first start: the user agrees before anything is written.
        if (!options.agree || !options.agree())
            return nullptr;
        QDir().mkpath(paths.settingsFolder);
        QFile file(paths.settingsFile);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            file.close();
        QCoreApplication::processEvents();
        if (!fileExists(paths.settingsFile)) {
            options.dialogs->message(QStringLiteral("Missing ini file"), missingIniText(paths),
                                     Icon::Warning);
            return nullptr;
        }
    }

    auto window = std::make_unique<MainWindow>(paths, *options.dialogs);
    window->show();
    if (!options.file.isEmpty()) {
        // Queued, so that a message about the file appears over the window already shown.
        MainWindow *shown = window.get();
        QTimer::singleShot(0, shown,
                           [shown, file = options.file] { openCommandLineFile(*shown, file); });
    }
    return window;
}

} // namespace Velloquin
