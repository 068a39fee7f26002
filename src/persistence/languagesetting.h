// SPDX-License-Identifier: MIT
#pragma once

#include "message.h"

#include <QString>

namespace Velloquin {

// The language the window speaks, as the settings file keeps it under "Language" in
// "Default Settings": "System" (follow the desktop) or a language code such as "de".
// Files written before the key existed lack it, which reads as "System".
inline const QString LanguageKey = QStringLiteral("Language");
inline const QString SystemLanguage = QStringLiteral("System");

// The stored choice: the key's text trimmed, "System" when the file, the key or its value
// is missing.
QString readLanguageSetting(const QString &path);
// Stores the choice, keeping everything else the file holds; a failure leaves the file as
// it was and is reported.
Result<> writeLanguageSetting(const QString &path, const QString &language);

} // namespace Velloquin
