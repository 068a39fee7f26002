// SPDX-License-Identifier: MIT
#include "helpcommands.h"

#include "mainwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
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

const QString GettingStartedText = QStringLiteral(
    "1. Click a square of the grid where a word should start.\n"
    "2. Type the word, press Tab and type its clue.\n"
    "3. Choose Across or Down and press Update (or Enter).\n\n"
    "Or store many words with their clues (or use File > Import Word List...) and press "
    "Create / Regenerate Crossword to lay them all out at once.\n\n"
    "The Words panel beside the grid lists every word and clue: select a row to find its "
    "word, press F2 to correct a clue, Delete to take a word off the grid.\n\n"
    "When the puzzle is ready, save it, print it or export it from the Export menu.");

} // namespace

QList<ShortcutEntry> windowShortcuts(const MainWindow &window)
{
    QList<ShortcutEntry> entries;
    for (const QAction *top : window.menuBar()->actions())
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

QWidget *showKeyboardShortcuts(MainWindow &window)
{
    auto *dialog = window.findChild<QDialog *>(QStringLiteral("frmShortcuts"));
    if (!dialog) {
        dialog = new QDialog(&window);
        dialog->setObjectName(QStringLiteral("frmShortcuts"));
        dialog->setWindowTitle(QObject::tr("Keyboard Shortcuts"));
        auto *table = new QTableWidget(dialog);
        table->setObjectName(QStringLiteral("tblShortcuts"));
        table->setAccessibleName(QObject::tr("Keyboard Shortcuts"));
        table->setColumnCount(3);
        table->setHorizontalHeaderLabels(
            {QObject::tr("Menu"), QObject::tr("Command"), QObject::tr("Keys")});
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

void addHelpCommands(MainWindow &window)
{
    window.addCommand(
        WindowMenu::Help, QStringLiteral("mnuShortcuts"), QObject::tr("&Keyboard Shortcuts"),
        [&window] { showKeyboardShortcuts(window); }, QKeySequence(Qt::CTRL | Qt::Key_F1));
    window.addCommand(
        WindowMenu::Help, QStringLiteral("mnuGettingStarted"), QObject::tr("&Getting Started"),
        [&window] {
            window.dialogs().message(QObject::tr("Getting Started"), GettingStartedText,
                                     Icon::Information);
        },
        QKeySequence::HelpContents);
    window.addCommand(
        WindowMenu::Help, QStringLiteral("mnuAbout"), QObject::tr("&About Velloquin"),
        [&window] {
            const QString text =
                QObject::tr("Velloquin %1\n\nA crossword puzzle maker.\nReleased under the MIT "
                            "licence.\n\nSettings file: %2\nIn the folder: %3")
                    .arg(QStringLiteral(VELLOQUIN_VERSION),
                         QDir::toNativeSeparators(window.paths().settingsFile),
                         QDir::toNativeSeparators(
                             QFileInfo(window.paths().settingsFile).absolutePath()));
            window.dialogs().message(QObject::tr("About Velloquin"), text, Icon::Information);
        },
        {}, true);

    // Every command's tooltip names its keys.
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->isSeparator() || action->shortcuts().isEmpty())
            continue;
        action->setToolTip(QStringLiteral("%1 (%2)").arg(plainCaption(action), keysText(action)));
    }
}

} // namespace Velloquin
