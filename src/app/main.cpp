// SPDX-License-Identifier: MIT
// Velloquin: the crossword maker's window.
#include "agreementwindow.h"
#include "commandline.h"
#include "dialogs.h"
#include "language.h"
#include "languagesetting.h"
#include "mainwindow.h"
#include "pictures.h"
#include "startup.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>

using namespace Velloquin;

int main(int argc, char *argv[])
{
    prepareWindowCommandLine(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velloquin"));
    QApplication::setApplicationVersion(QStringLiteral(VELLOQUIN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.velloquin.Velloquin"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(programIcon(size));
    QApplication::setWindowIcon(icon);
    const QString file = readWindowCommandLine(QApplication::arguments());

    QtDialogs dialogs;
    StartOptions options;
    options.programFolder = QCoreApplication::applicationDirPath();
    options.configFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    options.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    options.dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    options.dialogs = &dialogs;
    options.chooseLanguage = [](const AppPaths &paths) {
        useWindowLanguage(
            languageFor(readLanguageSetting(paths.settingsFile), QLocale::system().uiLanguages()));
    };
    options.agree = [] { return AgreementWindow::ask(); };
    options.file = file;
    options.startAnotherWindow = [] {
        QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
    };

    const std::unique_ptr<MainWindow> window = startProgram(options);
    if (!window)
        return 0;
    dialogs.setParent(window.get());
    return app.exec();
}
