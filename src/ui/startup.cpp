// SPDX-License-Identifier: MIT
#include "startup.h"

#include "commandline.h"
#include "dialogs.h"
#include "fileutil.h"
#include "mainwindow.h"
#include "recoverycopy.h"
#include "recoveryfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

namespace Velloquin {

namespace {

// The context of the start's words in the catalogues.
struct Startup
{
    Q_DECLARE_TR_FUNCTIONS(Startup)
};

} // namespace

QString settingsNotSavedText(const AppPaths &paths)
{
    return Startup::tr("The settings file %1 could not be created.\n"
                       "Velloquin starts with the default settings; changes to them cannot "
                       "be saved in this session.")
        .arg(QDir::toNativeSeparators(paths.settingsFile));
}

namespace {

// Offers the unsaved work an earlier run left in the copy at path; true when the window now
// shows it. A copy that cannot be read is set aside, never opened.
bool offerRecovery(MainWindow &window, Dialogs &dialogs, const QString &path)
{
    if (!QFileInfo::exists(path))
        return false;
    const Result<RecoveredPuzzle> read = readRecoveryCopy(path);
    if (!read) {
        const QString aside = setRecoveryCopyAside(path);
        const QString where =
            aside == path
                ? Startup::tr("It was removed.")
                : Startup::tr("It was set aside as %1.").arg(QDir::toNativeSeparators(aside));
        dialogs.message(QStringLiteral("Velloquin"),
                        Startup::tr("The unsaved changes kept from the last session could "
                                    "not be read.\n%1\n%2")
                            .arg(read.message().text, where),
                        Icon::Warning);
        return false;
    }
    const RecoveredPuzzle &recovered = read.value();
    const QString question =
        Startup::tr("Velloquin was closed with unsaved changes to %1. Restore them?")
            .arg(recoveredPuzzleName(recovered));
    if (dialogs.question(QStringLiteral("Velloquin"), question, Dialogs::Buttons::YesNo) !=
        Dialogs::Answer::Yes) {
        QFile::remove(path);
        return false;
    }
    window.document().restoreRecovered(recovered.puzzle, recovered.stored, recovered.fileName);
    return true;
}

// Offers the copies no running window holds, one question each and the newest first, until
// the window takes one; returns the claim on the copy taken, or null.
std::unique_ptr<RecoveryClaim> offerLeftOverWork(MainWindow &window, Dialogs &dialogs,
                                                 const QString &folder)
{
    const QStringList copies = recoveryCopiesIn(folder);
    for (const QString &path : copies) {
        std::unique_ptr<RecoveryClaim> claim = RecoveryClaim::claimLeftOver(path);
        if (claim && offerRecovery(window, dialogs, path))
            return claim;
    }
    return nullptr;
}

// True when some copy is held by no running window.
bool leftOverWorkWaits(const QString &folder)
{
    const QStringList copies = recoveryCopiesIn(folder);
    return std::any_of(copies.begin(), copies.end(), [](const QString &path) {
        return RecoveryClaim::claimLeftOver(path) != nullptr;
    });
}

} // namespace

std::unique_ptr<MainWindow> startProgram(const StartOptions &options)
{
    Q_ASSERT(options.dialogs);
    AppPaths paths = resolveAppPaths(options.programFolder, options.configFolder,
                                     options.documentsFolder, options.installedFolder);
    if (options.chooseLanguage)
        options.chooseLanguage(paths);

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
            // Better a window with the default settings than none: a user without a home
            // folder can still make puzzles.
            options.dialogs->message(QStringLiteral("Velloquin"), settingsNotSavedText(paths),
                                     Icon::Warning);
            paths.settingsFolder.clear();
            paths.settingsFile.clear();
        }
    }

    auto window = std::make_unique<MainWindow>(paths, *options.dialogs);
    window->show();
    const bool forFile = !options.file.isEmpty();
    if (!options.dataFolder.isEmpty()) {
        // A window started for a file shows that file; left-over work never takes its place.
        std::unique_ptr<RecoveryClaim> claim;
        if (!forFile)
            claim = offerLeftOverWork(*window, *options.dialogs, options.dataFolder);
        // Copies this window could not offer, or that are left after the one it took, are
        // offered in a window of their own. After declining them all nothing is started,
        // even when a copy could not be removed, so windows never start one another for ever.
        const bool offerElsewhere = forFile || claim;
        if (!claim)
            claim = RecoveryClaim::claimNew(options.dataFolder);
        window->keepRecoveryCopy(std::move(claim));
        if (offerElsewhere && options.startAnotherWindow && leftOverWorkWaits(options.dataFolder))
            options.startAnotherWindow();
    }
    if (forFile) {
        // Queued, so that a message about the file appears over the window already shown.
        MainWindow *shown = window.get();
        QTimer::singleShot(0, shown, [shown, file = options.file] {
            openCommandLineFile(shown->commandContext(), file);
        });
    }
    return window;
}

} // namespace Velloquin
