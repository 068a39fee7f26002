// SPDX-License-Identifier: MIT
#pragma once

#include "commandcontext.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Velloquin {

// A language the window speaks: its code ("en", "de") and its name in itself, as the
// Language menu lists it for a reader who may not know the current one.
struct WindowLanguage
{
    QString code;
    QString name;
};

// English, the language the texts are written in, then the translations shipped in the
// program's resources.
const QList<WindowLanguage> &windowLanguages();

// The language to speak for a choice from the settings file: the chosen language when
// the window speaks it; otherwise ("System", or a language no longer shipped) the first of
// the desktop's languages (most preferred first, as QLocale::uiLanguages() lists them)
// that the window speaks; English when it speaks none of them.
QString languageFor(const QString &choice, const QStringList &desktopLanguages);

// Installs the program's and Qt's own translations (standard buttons, file dialogs) for a
// language on the application, replacing those of an earlier call. English installs none,
// so the window is exactly as written. Returns false when the program's catalogue for the
// language is missing; the window then stays in English.
bool useWindowLanguage(const QString &language);
// The language useWindowLanguage() made the window speak ("en" before any call).
QString windowLanguage();

// View > Language: "System" and each language in its own name, the settings file's choice
// checked. A choice is saved in the settings file and takes effect at the next start,
// which a message says.
QList<WindowCommand> languageCommands(const CommandContext &context);

} // namespace Velloquin
