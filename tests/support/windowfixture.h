// SPDX-License-Identifier: MIT
#pragma once

#include "colorbutton.h"
#include "gradientbutton.h"
#include "gradientpanel.h"
#include "mainwindow.h"
#include "picturebox.h"
#include "scripteddialogs.h"
#include "startup.h"
#include "styledprogressbar.h"
#include "toolbar.h"
#include "toolbarband.h"
#include "waitpanel.h"
#include "wordpanel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>

namespace Velloquin {

// The control of the window with this objectName; a missing one ends the test program.
template <class T = QWidget>
T *control(const QObject &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// The window title as the window system shows it: "[*]" becomes "*" while the puzzle has
// unsaved changes.
inline QString shownTitle(const QWidget &window)
{
    return window.windowHandle() ? window.windowHandle()->title() : QString();
}

// The place markers over the grid view, S1_0 first.
inline QList<ShapeFrame *> markers(const QObject &window)
{
    QList<ShapeFrame *> list;
    while (auto *marker = window.findChild<ShapeFrame *>(QStringLiteral("S1_%1").arg(list.size())))
        list << marker;
    return list;
}

// Test set-up: the window's puzzle becomes p (the stored words stay).
inline void setPuzzle(MainWindow &w, const CrosswordData &p)
{
    w.document().replaceLayout(p, w.document().storedWords());
}

// Test set-up: a new empty puzzle of this size, as newCrossword makes it.
inline void newPuzzle(MainWindow &w, int width, int height)
{
    w.document().newPuzzle(qint16(width), qint16(height), QStringLiteral("Crossword"), QString());
}

// Test set-up: reads the puzzle file at path into the window's document.
inline void loadPuzzle(MainWindow &w, const QString &path)
{
    const Result<> r = w.document().open(path, w.commandContext().defaults.width,
                                         w.commandContext().defaults.height);
    QVERIFY2(r.ok(), qPrintable(r.ok() ? QString() : r.message().text));
}

// Test set-up: the document takes path as its file name, as a save there does, and no
// file (nor any folder made for it) is left behind.
inline void nameFile(MainWindow &w, const QString &path)
{
    QString missing = QFileInfo(path).absolutePath();
    while (!QFileInfo::exists(QFileInfo(missing).absolutePath()))
        missing = QFileInfo(missing).absolutePath();
    const bool madeFolder = !QFileInfo::exists(missing);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(w.document().save(path).ok());
    QVERIFY(QFile::remove(path));
    if (madeFolder)
        QVERIFY(QDir(missing).removeRecursively());
}

// A program folder of its own, scripted dialogs and a scripted agreement, for starting
// the window the way the program does.
struct WindowFixture
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    int agreementShown = 0;
    bool agreeAnswer = true;
    QString file;                 // given to the start procedure as if named on the command line
    int anotherWindowStarted = 0; // times the start procedure asked for another window

    QString programFolder() const { return dir.path() + QStringLiteral("/program"); }
    QString configFolder() const { return dir.path() + QStringLiteral("/config"); }
    QString settingsFile() const { return programFolder() + QStringLiteral("/Crossword.ini"); }
    QString dataFolder() const { return dir.path() + QStringLiteral("/data"); }

    WindowFixture() { QDir().mkpath(programFolder()); }

    StartOptions options()
    {
        StartOptions o;
        o.programFolder = programFolder();
        o.configFolder = configFolder();
        o.documentsFolder = dir.path() + QStringLiteral("/documents");
        o.dataFolder = dataFolder();
        o.dialogs = &dialogs;
        o.file = file;
        o.startAnotherWindow = [this] { ++anotherWindowStarted; };
        o.agree = [this] {
            ++agreementShown;
            return agreeAnswer;
        };
        return o;
    }

    // Writes the settings file with the given lines (CR LF endings).
    void writeSettings(const QStringList &lines)
    {
        QFile settings(settingsFile());
        QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    }

    // Runs the start procedure and waits until the window has been shown and laid out.
    std::unique_ptr<MainWindow> start()
    {
        std::unique_ptr<MainWindow> window = startProgram(options());
        if (window) {
            if (!QTest::qWaitForWindowExposed(window.get()))
                qWarning("window not exposed");
            QCoreApplication::processEvents();
        }
        return window;
    }
};

} // namespace Velloquin
