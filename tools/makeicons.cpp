// SPDX-License-Identifier: MIT
// Writes the program icon as PNG files for the hicolor icon theme, drawn by the same
// routine that gives the window its icon: makeicons OUTDIR SIZE... writes
// OUTDIR/SIZExSIZE/velloquin.png for each size.
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

using namespace Velloquin;

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: makeicons OUTDIR SIZE...\n");
        return 2;
    }
    for (const QString &text : args.mid(1)) {
        bool ok = false;
        const int size = text.toInt(&ok);
        const QString folder = QStringLiteral("%1/%2x%2").arg(args.first()).arg(size);
        if (!ok || size < 8 || !QDir().mkpath(folder) ||
            !programIcon(size).save(folder + QStringLiteral("/velloquin.png"))) {
            std::fprintf(stderr, "makeicons: cannot write the %s pixel icon\n", qPrintable(text));
            return 1;
        }
    }
    return 0;
}
