// SPDX-License-Identifier: MIT
// Grabs pictures of the main window and the agreement window into a folder, for looking
// at them: demo_window OUTPUT-FOLDER [PUZZLE.cwd]. Run with QT_QPA_PLATFORM=offscreen.
#include "agreementwindow.h"
#include "crosswordfile.h"
#include "gradientpanel.h"
#include "mainwindow.h"
#include "picturebox.h"
#include "scripteddialogs.h"
#include "settingspanel.h"
#include "startup.h"
#include "toolbar.h"
#include "waitpanel.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        qWarning("usage: demo_window OUTPUT-FOLDER [PUZZLE.cwd]");
        return 2;
    }
    const QString out = args[1];
    QDir().mkpath(out);

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    StartOptions options;
    options.programFolder = dir.path();
    options.configFolder = dir.path() + QStringLiteral("/config");
    options.documentsFolder = dir.path();
    options.dialogs = &dialogs;
    options.agree = [] { return true; };
    auto window = startProgram(options);
    if (!window)
        return 1;
    (void)QTest::qWaitForWindowExposed(window.get());
    QCoreApplication::processEvents();
    window->grab().save(out + QStringLiteral("/window_start.png"));

    if (args.size() > 2) {
        const Result<> r = window->document().open(args[2], window->commandContext().defaults.width,
                                                   window->commandContext().defaults.height);
        if (!r) {
            qWarning("%s", qPrintable(r.message().text));
            return 1;
        }
        window->grab().save(out + QStringLiteral("/window_puzzle.png"));
        window->resize(1100, 820);
        QCoreApplication::processEvents();
        window->grab().save(out + QStringLiteral("/window_puzzle_large.png"));
        window->findChild<Toolbar *>(QStringLiteral("TB1"))->activateButton(9);
        window->findChild<Toolbar *>(QStringLiteral("TB1"))->activateButton(6);
        window->grab().save(out + QStringLiteral("/window_outline_hidden.png"));
        window->findChild<GradientPanel *>(QStringLiteral("pGress"))->show();
        window->grab().save(out + QStringLiteral("/window_wait.png"));
        // The thorough layout's wait notice, with its Cancel button.
        window->findChild<SettingsPanel *>()->setLayoutMethod(LayoutMethod::Thorough);
        window->commandContext().wait.start(WaitPanel::GenerateCaption, true);
        window->grab().save(out + QStringLiteral("/window_wait_thorough.png"));
        window->commandContext().wait.finish();
        window->findChild<GradientPanel *>(QStringLiteral("pGress"))->hide();
        window->findChild<Toolbar *>(QStringLiteral("TB1"))->activateButton(6);

        // The keyboard focus marks: on a toolbar button and on a square of the grid.
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window.get());
        window->findChild<Toolbar *>(QStringLiteral("TB1"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window->findChild<Toolbar *>(QStringLiteral("TB1")), Qt::Key_Right);
        QTest::keyClick(window->findChild<Toolbar *>(QStringLiteral("TB1")), Qt::Key_Right);
        window->grab().save(out + QStringLiteral("/window_focus_toolbar.png"));
        window->findChild<PictureBox *>(QStringLiteral("picView"))->setFocus(Qt::TabFocusReason);
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
            QTest::keyClick(window->findChild<PictureBox *>(QStringLiteral("picView")), key);
        window->grab().save(out + QStringLiteral("/window_focus_grid.png"));

        // The Edit menu after a change, saying what it would undo.
        (void)window->document().movePuzzle(MoveDirection::Right);
        auto *edit = window->findChild<QMenu *>(QStringLiteral("mnuEdit"));
        edit->popup(window->mapToGlobal(QPoint(40, 20)));
        QCoreApplication::processEvents();
        edit->grab().save(out + QStringLiteral("/window_edit_menu.png"));
        edit->hide();

        // The Fit layout chosen, and the Tools menu with "Trim Grid to Words".
        window->findChild<SettingsPanel *>()->setLayoutMethod(LayoutMethod::Fit);
        window->grab().save(out + QStringLiteral("/window_fit.png"));
        auto *tools = window->findChild<QMenu *>(QStringLiteral("mnuTools"));
        tools->popup(window->mapToGlobal(QPoint(120, 20)));
        QCoreApplication::processEvents();
        tools->grab().save(out + QStringLiteral("/window_tools_menu.png"));
        tools->hide();
    }

    AgreementWindow agreement;
    agreement.show();
    (void)QTest::qWaitForWindowExposed(&agreement);
    agreement.grab().save(out + QStringLiteral("/agreement.png"));
    return 0;
}
