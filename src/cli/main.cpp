// SPDX-License-Identifier: MIT
// velloquin-cli: the puzzle engine from the command line.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << "Usage: velloquin-cli COMMAND FILE [ARGS...]\n";
    return 0;
}
