// SPDX-License-Identifier: MIT
#include "commandline.h"

#include "filecommands.h"
#include "interchangecommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace Velloquin {

void prepareWindowCommandLine(int argc, char *argv[])
{
    // More than one file is refused the same way.
    int files = 0;
    for (int i = 1; i < argc; ++i)
        files += argv[i][0] != '-' ? 1 : 0;
    if (files > 1) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return;
    }
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--")
            break;
        // Help, version and any other option (a mistake, answered with the usage error)
        // end the program before a window is made.
        if (arg.startsWith('-') && arg != "-") {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return;
        }
    }
}

QString readWindowCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Velloquin makes crossword puzzles: place words and clues on "
                       "a grid by hand or automatically, then save, print or export "
                       "the puzzle."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("CommandLine",
                                    "A puzzle file (.cwd) to open, an .ipuz file to import or a "
                                    "word list (.txt) to add to the stored words."),
        QStringLiteral("[FILE]"));
    parser.process(arguments);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "%s: give at most one file\n",
                     qPrintable(QCoreApplication::applicationName().toLower()));
        std::exit(1);
    }
    return files.value(0);
}

bool openCommandLineFile(const CommandContext &context, const QString &file)
{
    QString path = file;
    if (path.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        path = QUrl(path).toLocalFile();
    // Kept whole, as a path from the open dialog is: Save and the window title use it.
    if (!path.isEmpty())
        path = QFileInfo(path).absoluteFilePath();
    if (path.endsWith(QLatin1String(".ipuz"), Qt::CaseInsensitive))
        return importIpuzFile(context, path);
    if (path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return importWordListFile(context, path);
    return openPuzzleFile(context, path);
}

} // namespace Velloquin
