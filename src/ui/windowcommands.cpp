// SPDX-License-Identifier: MIT
#include "windowcommands.h"

#include "commandline.h"
#include "editcommands.h"
#include "exportcommands.h"
#include "filecommands.h"
#include "generatecommand.h"
#include "helpcommands.h"
#include "interchangecommands.h"
#include "language.h"
#include "printcommands.h"
#include "wordexportflow.h"

namespace Velloquin {

QList<WindowCommand> windowCommands(const CommandContext &context)
{
    QList<WindowCommand> commands;
    for (const CommandGroup group :
         {fileCommands, editCommands, interchangeCommands, printCommandGroup, exportCommands,
          wordExportCommands, generateCommands, helpCommands, languageCommands})
        commands += group(context);
    return commands;
}

void finishWindowCommands(QWidget &window)
{
    nameCommandKeys(window);
}

bool openFileOfAnyKind(const CommandContext &context, const QString &path)
{
    return openCommandLineFile(context, path);
}

} // namespace Velloquin
