// SPDX-License-Identifier: MIT
#include "languagesetting.h"

#include "profilefile.h"
#include "settings.h"

namespace Velloquin {

QString readLanguageSetting(const QString &path)
{
    ProfileFile file;
    if (path.isEmpty() || !file.load(path))
        return SystemLanguage;
    const QString text = file.value(SettingsSection, LanguageKey, QString()).trimmed();
    return text.isEmpty() ? SystemLanguage : text;
}

Result<> writeLanguageSetting(const QString &path, const QString &language)
{
    if (path.isEmpty())
        return settingsNotKept();
    ProfileFile file;
    if (const Result<> loaded = file.load(path); !loaded)
        return loaded;
    file.setValue(SettingsSection, LanguageKey, language);
    return file.save(path);
}

} // namespace Velloquin
