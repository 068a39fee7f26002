// SPDX-License-Identifier: MIT
// velloquin-cli: the puzzle engine from the command line.
#include "commands.h"
#include "helptexts.h"

#include <QGuiApplication>

namespace Velloquin {

QTextStream &cliOut()
{
    static QTextStream out(stdout);
    return out;
}

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
    {"new", "new FILE [--width N] [--height N] [--title T] [--subject S]", runNew},
    {"add", "add FILE X Y across|down WORD [CLUE]", runAdd},
    {"delete", "delete FILE X Y across|down", runDelete},
    {"move", "move FILE left|right|up|down", runMove},
    {"resize", "resize FILE WIDTH HEIGHT", runResize},
    {"store", "store FILE WORD [CLUE]", runStore},
    {"show", "show FILE", runShow},
    {"clues", "clues FILE", runClues},
    {"render",
     "render FILE OUT.png|OUT.bmp [--width-px N --height-px N] [--hide-answers] [--outline] "
     "[--background C --gridlines C --squares C]",
     runRender},
    {"export",
     "export FILE OUT.docx|OUT.ipuz|OUT.puz|OUT.pdf|OUT.png|OUT.bmp|OUT.html [--hide-answers] "
     "[--no-key] [--paper a4|letter] [--no-reveal] [--no-check] [--language CODE]",
     runExport},
    {"make",
     "make LIST.txt OUT.cwd --width N --height N [--title T] [--subject S] [--seed N] "
     "[--thorough [--budget-ms N] [--partial]]",
     runMake},
    {"import", "import IN.ipuz OUT.cwd", runImport},
    {"generate", "generate FILE [--seed N] [--thorough [--budget-ms N] [--partial]]", runGenerate},
    {"search", "search FILE WORD", runSearch},
    {nullptr, nullptr, nullptr},
};

void printUsage(QTextStream &to)
{
    to << "Usage: velloquin-cli COMMAND [ARGS...]\n\nCommands:\n";
    for (const CliCommand &c : kCommands) {
        if (c.name)
            to << "  " << c.usage << '\n';
    }
    to << "\nRun 'velloquin-cli COMMAND --help' for one command, 'man velloquin-cli' for "
          "more.\n";
    to.flush();
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
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velloquin-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLOQUIN_VERSION));
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        printUsage(cliErr());
        return ExitUsage;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        printUsage(cliOut());
        return ExitOk;
    }
    if (name == QLatin1String("--version")) {
        cliOut() << "velloquin-cli " << QCoreApplication::applicationVersion() << '\n';
        cliOut().flush();
        return ExitOk;
    }
    for (const CliCommand &c : kCommands) {
        if (c.name && name == QLatin1String(c.name)) {
            if (args.contains(QLatin1String("--help"))) {
                cliOut() << "Usage: velloquin-cli " << c.usage << "\n\n" << commandHelp(name);
                cliOut().flush();
                return ExitOk;
            }
            const int status = c.run(args);
            cliOut().flush();
            cliErr().flush();
            return status;
        }
    }
    cliErr() << "velloquin-cli: unknown command '" << name << "'\n";
    printUsage(cliErr());
    return ExitUsage;
}
