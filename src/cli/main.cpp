// SPDX-License-Identifier: MIT
// velloquin-cli: the puzzle engine from the command line.
#include "commands.h"

#include <QCoreApplication>


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

const CliCommand kCommands[] = {
    {nullptr, nullptr, nullptr},
};

void printUsage(QTextStream &to)
{
    to << "Usage: velloquin-cli COMMAND [ARGS...]\n\nCommands:\n";
    for (const CliCommand &c : kCommands) {
        if (c.name)
            to << "  " << c.usage << '\n';
    }
    to << "\nRun 'velloquin-cli COMMAND --help' for one command.\n";
    to.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
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
    for (const CliCommand &c : kCommands) {
        if (c.name && name == QLatin1String(c.name)) {
            if (args.contains(QLatin1String("--help"))) {
                cliOut() << "Usage: velloquin-cli " << c.usage << '\n';
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
