// SPDX-License-Identifier: MIT
#include "helpcommands.h"

#include "dialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

namespace Velloquin {

namespace {

QString plainCaption(const QAction *action)
{
    QString text = action->text();
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QString keysText(const QAction *action)
{
    QStringList keys;
    for (const QKeySequence &key : action->shortcuts())
        keys << key.toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(", "));
}

void addEntries(const QMenu *menu, const QString &menuName, QList<ShortcutEntry> &entries)
{
    for (const QAction *action : menu->actions()) {
        if (action->menu())
            addEntries(action->menu(), menuName, entries);
        else if (!action->isSeparator() && !action->shortcuts().isEmpty())
            entries.append({menuName, plainCaption(action), keysText(action)});
    }
}

QString gettingStartedText()
{
    return QCoreApplication::translate(
        "HelpCommands",
        "1. Click a square of the grid where a word should start.\n"
        "2. Type the word, press Tab and type its clue.\n"
        "3. Choose Across or Down and press Update (or Enter).\n\n"
        "Or store many words with their clues (or use File > Import Word List...) and press "
        "Create / Regenerate Crossword to lay them all out at once.\n\n"
        "The Words panel beside the grid lists every word and clue: select a row to find its "
        "word, press F2 to correct a clue, Delete to take a word off the grid.\n\n"
        "When the puzzle is ready, save it, print it or export it from the Export menu.");
}

} // namespace

QList<ShortcutEntry> windowShortcuts(const QWidget &window)
{
    QList<ShortcutEntry> entries;
    if (const auto *main = qobject_cast<const QMainWindow *>(&window))
        for (const QAction *top : main->menuBar()->actions())
            if (top->menu())
                addEntries(top->menu(), plainCaption(top), entries);
    // Keys that belong to a panel rather than a menu.
    for (const QAction *action : window.findChildren<QAction *>()) {
        if (action->shortcuts().isEmpty() || !action->associatedObjects().isEmpty())
            continue;
        const QWidget *owner = qobject_cast<const QWidget *>(action->parent());
        if (owner && !owner->accessibleName().isEmpty())
            entries.append({owner->accessibleName(), plainCaption(action), keysText(action)});
    }
    return entries;
}

QWidget *showKeyboardShortcuts(QWidget &window)
{
    auto *dialog = window.findChild<QDialog *>(QStringLiteral("frmShortcuts"));
    if (!dialog) {
        dialog = new QDialog(&window);
        dialog->setObjectName(QStringLiteral("frmShortcuts"));
        dialog->setWindowTitle(QCoreApplication::translate("HelpCommands", "Keyboard Shortcuts"));
        auto *table = new QTableWidget(dialog);
        table->setObjectName(QStringLiteral("tblShortcuts"));
        table->setAccessibleName(QCoreApplication::translate("HelpCommands", "Keyboard Shortcuts"));
        table->setColumnCount(3);
        table->setHorizontalHeaderLabels({QCoreApplication::translate("HelpCommands", "Menu"),
                                          QCoreApplication::translate("HelpCommands", "Command"),
                                          QCoreApplication::translate("HelpCommands", "Keys")});
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->verticalHeader()->hide();
        table->horizontalHeader()->setStretchLastSection(true);
        auto *layout = new QVBoxLayout(dialog);
        layout->addWidget(table);
        dialog->resize(460, 520);
    }
    // Built afresh each time from the actions, so it shows the keys as they are now.
    auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("tblShortcuts"));
    const QList<ShortcutEntry> entries = windowShortcuts(window);
    table->setRowCount(int(entries.size()));
    for (int row = 0; row < entries.size(); ++row) {
        const ShortcutEntry &e = entries.at(row);
        table->setItem(row, 0, new QTableWidgetItem(e.menu));
        table->setItem(row, 1, new QTableWidgetItem(e.caption));
        table->setItem(row, 2, new QTableWidgetItem(e.keys));
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    dialog->show();
    dialog->raise();
    return dialog;
}

QList<WindowCommand> helpCommands(const CommandContext &context)
{
    const CommandContext &c = context;
    QAction *shortcuts = makeCommandAction(
        c.parent, QStringLiteral("mnuShortcuts"),
        QCoreApplication::translate("HelpCommands", "&Keyboard Shortcuts"),
        [&c] { showKeyboardShortcuts(*c.parent); }, QKeySequence(Qt::CTRL | Qt::Key_F1));
    QAction *gettingStarted = makeCommandAction(
        c.parent, QStringLiteral("mnuGettingStarted"),
        QCoreApplication::translate("HelpCommands", "&Getting Started"),
        [&c] {
            c.dialogs.message(QCoreApplication::translate("HelpCommands", "Getting Started"),
                              gettingStartedText(), Icon::Information);
        },
        QKeySequence::HelpContents);
    QAction *about = makeCommandAction(
        c.parent, QStringLiteral("mnuAbout"),
        QCoreApplication::translate("HelpCommands", "&About Velloquin"), [&c] {
            const QString text =
                QCoreApplication::translate(
                    "HelpCommands", "Velloquin %1\n\nA crossword puzzle maker.\nReleased under "
                                    "the MIT licence.\n\nSettings file: %2\nIn the folder: %3")
                    .arg(QStringLiteral(VELLOQUIN_VERSION),
                         QDir::toNativeSeparators(c.paths.settingsFile),
                         QDir::toNativeSeparators(QFileInfo(c.paths.settingsFile).absolutePath()));
            c.dialogs.message(QCoreApplication::translate("HelpCommands", "About Velloquin"), text,
                              Icon::Information);
        });
    return {{shortcuts, WindowMenu::Help},
            {gettingStarted, WindowMenu::Help},
            {about, WindowMenu::Help, true}};
}

void nameCommandKeys(QWidget &window)
{
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->isSeparator() || action->shortcuts().isEmpty() || !commandTipTakesKeys(action))
            continue;
        const QString tip = commandTip(action);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(tip.isEmpty() ? plainCaption(action) : tip,
                                                         keysText(action)));
    }
}

} // namespace Velloquin
