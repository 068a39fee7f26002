// SPDX-License-Identifier: MIT
#pragma once

#include "gradientbutton.h"
#include "colorbutton.h"
#include "gradientpanel.h"
#include "mainwindow.h"
#include "picturebox.h"
#include "scripteddialogs.h"
#include "startup.h"
#include "toolbar.h"
#include "toolbarband.h"
#include "styledprogressbar.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A program folder of its own, scripted dialogs and a scripted agreement, for starting
// the window the way the program does.
struct WindowFixture
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    int agreementShown = 0;
    bool agreeAnswer = true;
    QString file; // given to the start procedure as if named on the command line

    QString programFolder() const { return dir.path() + QStringLiteral("/program"); }
    QString configFolder() const { return dir.path() + QStringLiteral("/config"); }
    QString settingsFile() const { return programFolder() + QStringLiteral("/Crossword.ini"); }

    WindowFixture() { QDir().mkpath(programFolder()); }

    StartOptions options()
    {
        StartOptions o;
        o.programFolder = programFolder();
        o.configFolder = configFolder();
        o.documentsFolder = dir.path() + QStringLiteral("/documents");
        o.dialogs = &dialogs;
        o.file = file;
        o.agree = [this] {
            ++agreementShown;
            return agreeAnswer;
        };
        return o;
    }

    // Writes the settings file with the given lines (CR LF endings).
    void writeSettings(const QStringList &lines)
    {
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    }

    // Runs the start procedure and waits until the window has been shown and laid out.
    std::unique_ptr<frmCWord> start()
    {
        std::unique_ptr<frmCWord> window = Main(options());
        if (window) {
            if (!QTest::qWaitForWindowExposed(window.get()))
                qWarning("window not exposed");
            QCoreApplication::processEvents();
        }
        return window;
    }
};
