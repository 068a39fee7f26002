// SPDX-License-Identifier: MIT
#include "keyboardcommands.h"

#include "mainwindow.h"
#include "toolbar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction *addItem(QMenu *menu, const QString &name, const QString &caption,
                 const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

// A menu item that presses push button index of bar.
QAction *pushItem(QMenu *menu, Toolbar *bar, int index, const QString &name, const QString &caption,
                  const QKeySequence &shortcut = {})
{
    QAction *action = addItem(menu, name, caption, shortcut);
    QObject::connect(action, &QAction::triggered, bar,
                     [bar, index] { bar->activateButton(index); });
    return action;
}

// A check item that toggles check button index of bar and always shows its state, also
// when the button changed without an event (as the settings set it at start).
QAction *checkItem(QMenu *menu, Toolbar *bar, int index, const QString &name,
                   const QString &caption, const QKeySequence &shortcut)
{
    QAction *action = addItem(menu, name, caption, shortcut);
    action->setCheckable(true);
    action->setChecked(bar->isButtonChecked(index));
    auto follow = [bar, index, action] { action->setChecked(bar->isButtonChecked(index)); };
    QObject::connect(action, &QAction::triggered, bar, [bar, index, follow] {
        bar->activateButton(index);
        follow();
    });
    QObject::connect(bar, &Toolbar::buttonToggled, action, follow);
    QObject::connect(menu, &QMenu::aboutToShow, action, follow);
    return action;
}

} // namespace

void addKeyboardCommands(frmCWord &window)
{
    window.mnuFileNew->setShortcut(QKeySequence::New);
    window.mnuFileOpen->setShortcut(QKeySequence::Open);
    window.mnuFileSave->setShortcut(QKeySequence::Save);
    window.mnuSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    window.mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Plain Ctrl+C stays with the text boxes.
    window.mnuCopyPic->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    window.mnuCopyClues->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));

    Toolbar *main = window.TB1;
    Toolbar *words = window.TB2;

    QMenu *view = window.menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    checkItem(view, main, 6, QStringLiteral("mnuHideAnswers"), QStringLiteral("&Hide Answers"),
              QKeySequence(Qt::CTRL | Qt::Key_H));
    checkItem(view, main, 9, QStringLiteral("mnuOutlineMode"), QStringLiteral("&Outline Mode"),
              QKeySequence(Qt::CTRL | Qt::Key_G));

    QMenu *tools = window.menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    pushItem(tools, main, 5, QStringLiteral("mnuWordExport"),
             QStringLiteral("Export to MS &Word..."));
    tools->addSeparator();
    pushItem(tools, main, 7, QStringLiteral("mnuSaveSettings"),
             QStringLiteral("&Save Current Settings as Default"));
    pushItem(tools, main, 8, QStringLiteral("mnuResetSettings"),
             QStringLiteral("&Reset Settings to Original Values..."));
    tools->addSeparator();
    pushItem(tools, words, 1, QStringLiteral("mnuStoreWord"),
             QStringLiteral("S&tore Word in the List"));
    pushItem(tools, words, 2, QStringLiteral("mnuRemoveWord"),
             QStringLiteral("Re&move Word from the List"));
    pushItem(tools, words, 3, QStringLiteral("mnuSearchPlaces"),
             QStringLiteral("Search for &Places for the Word"), QKeySequence::Find);
}
