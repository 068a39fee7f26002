// SPDX-License-Identifier: MIT
#include "language.h"

#include "dialogs.h"
#include "languagesetting.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>

#include <memory>

namespace Velloquin {

namespace {

struct InstalledLanguage
{
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

InstalledLanguage &installed()
{
    static InstalledLanguage language;
    return language;
}

bool speaks(const QString &code)
{
    for (const WindowLanguage &language : windowLanguages())
        if (language.code == code)
            return true;
    return false;
}

// The context of the menu's own words in the catalogues.
struct LanguageMenu
{
    Q_DECLARE_TR_FUNCTIONS(LanguageMenu)
};

QString nameOf(const QString &code)
{
    for (const WindowLanguage &language : windowLanguages())
        if (language.code == code)
            return language.name;
    return code;
}

} // namespace

const QList<WindowLanguage> &windowLanguages()
{
    static const QList<WindowLanguage> languages = {
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QString::fromUtf8("Français")},
        {QStringLiteral("es"), QString::fromUtf8("Español")},
    };
    return languages;
}

QString languageFor(const QString &choice, const QStringList &desktopLanguages)
{
    if (speaks(choice))
        return choice;
    for (const QString &name : desktopLanguages) {
        // "de-AT", "de_DE.UTF-8" and "de" all ask for German.
        const QString code = QLocale(name).name().section(u'_', 0, 0);
        if (speaks(code))
            return code;
    }
    return QStringLiteral("en");
}

bool useWindowLanguage(const QString &language)
{
    InstalledLanguage &current = installed();
    current.program.reset();
    current.qt.reset();
    current.code = QStringLiteral("en");
    if (language == current.code || !speaks(language))
        return language == current.code;

    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral(":/i18n/velloquin_%1.qm").arg(language)))
        return false;
    QCoreApplication::installTranslator(program.get());
    current.program = std::move(program);
    current.code = language;
    // Qt's own words (Cancel, the file dialog's labels); the window is still usable with
    // them in English when the system lacks the catalogue.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        current.qt = std::move(qt);
    }
    return true;
}

QString windowLanguage()
{
    return installed().code;
}

QList<WindowCommand> languageCommands(const CommandContext &context)
{
    auto *menu = new QMenu(LanguageMenu::tr("&Language"), context.parent);
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    auto *group = new QActionGroup(menu);
    const QString settingsFile = context.paths.settingsFile;
    Dialogs &dialogs = context.dialogs;
    const QString chosen = readLanguageSetting(settingsFile);

    auto add = [&](const QString &code, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QStringLiteral("mnuLanguage_%1").arg(code));
        action->setCheckable(true);
        action->setChecked(code == chosen || (code == SystemLanguage && !speaks(chosen)));
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [code, settingsFile, &dialogs] {
            if (code == readLanguageSetting(settingsFile))
                return;
            if (const Result<> saved = writeLanguageSetting(settingsFile, code); !saved) {
                dialogs.message(saved.message());
                return;
            }
            const QString next = languageFor(code, QLocale::system().uiLanguages());
            // The window keeps its words until the next start: every panel would
            // otherwise have to rebuild its texts.
            const QString text =
                next == windowLanguage()
                    ? LanguageMenu::tr("Velloquin already speaks %1.").arg(nameOf(next))
                    : LanguageMenu::tr("Velloquin will speak %1 the next time it starts.")
                          .arg(nameOf(next));
            dialogs.message(LanguageMenu::tr("Language"), text, Icon::Information);
        });
    };
    add(SystemLanguage, LanguageMenu::tr("System"));
    menu->addSeparator();
    for (const WindowLanguage &language : windowLanguages())
        add(language.code, language.name);
    return {{menu->menuAction(), WindowMenu::View, true}};
}

} // namespace Velloquin
