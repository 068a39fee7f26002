// SPDX-License-Identifier: MIT
// velloquin-cli: the puzzle engine from the command line.
#include "commands.h"
#include "helptexts.h"

#include <QGuiApplication>

namespace Velloquin {

QTextStream &cliErr()
{
    static QTextStream err(stderr);
    return err;
}

namespace {

QtMessageHandler g_defaultHandler = nullptr;

// Without a desktop session the GUI library warns about a missing XDG_RUNTIME_DIR at
// every start; the command line draws off screen and does not need one, so that warning
// would only clutter its error output.
void dropRuntimeDirWarning(QtMsgType type, const QMessageLogContext &context,
                           const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (g_defaultHandler)
        g_defaultHandler(type, context, message);
}

const CliCommand kCommands[] = {
    {"new", "new FILE [--width N] [--height N] [--title T] [--subject S]",
     "--width= --height= --title= --subject=", runNew},
    {"add", "add FILE X Y across|down WORD [CLUE]", "", runAdd},
    {"delete", "delete FILE X Y across|down", "", runDelete},
    {"move", "move FILE left|right|up|down", "", runMove},
    {"resize", "resize FILE WIDTH HEIGHT", "", runResize},
    {"trim", "trim FILE", "", runTrim},
    {"store", "store FILE WORD [CLUE]", "", runStore},
    {"show", "show FILE", "", runShow},
    {"clues", "clues FILE", "", runClues},
    {"render",
     "render FILE OUT.png|OUT.bmp [--format png|bmp] [--width-px N --height-px N | --size-px N] "
     "[--hide-answers] [--outline] [--background C --gridlines C --squares C]",
     "--format= --width-px= --height-px= --size-px= --hide-answers --outline --background= "
     "--gridlines= "
     "--squares=",
     runRender},
    {"export",
     "export FILE %1 [--format FORMAT] "
     "[--hide-answers] [--no-key] [--paper a4|letter] [--no-reveal] [--no-check] "
     "[--language CODE]",
     "--format= --hide-answers --no-key --paper= --no-reveal --no-check --language=", runExport},
    {"make",
     "make LIST.txt OUT.cwd --width N --height N | --fit [--title T] [--subject S] [--seed N] "
     "[--thorough] [--budget-ms N] [--partial]",
     "--width= --height= --title= --subject= --seed= --thorough --fit --budget-ms= --partial",
     runMake},
    {"import", "import IN.ipuz OUT.cwd", "", runImport},
    {"generate", "generate FILE [--seed N] [--thorough | --fit] [--budget-ms N] [--partial]",
     "--seed= --thorough --fit --budget-ms= --partial", runGenerate},
    {"search", "search FILE WORD", "", runSearch},
    {nullptr, nullptr, nullptr, nullptr},
};

// The usage line; the export command's outputs come from its format table.
QString usageOf(const CliCommand &command)
{
    const QString usage = QString::fromUtf8(command.usage);
    return qstrcmp(command.name, "export") == 0 ? usage.arg(exportOutputs()) : usage;
}

void printUsage(QTextStream &to)
{
    to << "Usage: velloquin-cli COMMAND [ARGS...]\n\nCommands:\n";
    for (const CliCommand &c : kCommands) {
        if (c.name)
            to << "  " << usageOf(c) << '\n';
    }
    to << "\nRun 'velloquin-cli COMMAND --help' for one command, 'man velloquin-cli' for "
          "more.\n";
    to.flush();
}

int runCommandLine(const QStringList &arguments)
{
    QStringList args = arguments;
    if (args.isEmpty()) {
        printUsage(cliErr());
        return ExitUsage;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        printUsage(cliOut());
        return ExitOk;
    }
    if (name == QLatin1String("--version") || name == QLatin1String("-v")) {
        cliOut() << "velloquin-cli " << QCoreApplication::applicationVersion() << '\n';
        return ExitOk;
    }
    for (const CliCommand &c : kCommands) {
        if (!c.name || name != QLatin1String(c.name))
            continue;
        QString error;
        const std::optional<CliArguments> parsed = parseArguments(args, c.options, error);
        if (!parsed)
            return usageError(error);
        if (parsed->help) {
            cliOut() << "Usage: velloquin-cli " << usageOf(c) << "\n\n" << commandHelp(name);
            return ExitOk;
        }
        return c.run(*parsed);
    }
    if (name.startsWith(QLatin1Char('-')))
        cliErr() << "velloquin-cli: unknown option '" << name << "'\n";
    else
        cliErr() << "velloquin-cli: unknown command '" << name << "'\n";
    printUsage(cliErr());
    return ExitUsage;
}

} // namespace

} // namespace Velloquin

using namespace Velloquin;

int main(int argc, char *argv[])
{
    // Drawing needs a GUI application but never a display: draw off screen unless the
    // caller chose a platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_defaultHandler = qInstallMessageHandler(dropRuntimeDirWarning);
    // The application sees the program's name alone: its own options (-reverse,
    // -platform, -style...) would otherwise be taken out of the arguments, so that a clue
    // "-reverse" arrived empty.
    static int appArgc = 1;
    QGuiApplication app(appArgc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velloquin-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLOQUIN_VERSION));
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const int status = runCommandLine(args);
    cliErr().flush();
    return finishStandardOutput(status);
}
