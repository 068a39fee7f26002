// SPDX-License-Identifier: MIT
#include "scripteddialogs.h"

namespace Velloquin {

void ScriptedDialogs::record(const Shown &s)
{
    shown.append(s);
    if (whileShown)
        whileShown(s);
}

void ScriptedDialogs::message(const QString &title, const QString &text, Icon icon)
{
    record(Shown{Kind::Message, title, text, icon, Buttons::Ok, {}});
}

Dialogs::Answer ScriptedDialogs::question(const QString &title, const QString &text,
                                          Buttons buttons)
{
    record(Shown{Kind::Question, title, text, Icon::Question, buttons, {}});
    if (!answers.isEmpty())
        return answers.dequeue();
    ++unscripted;
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::YesNoCancel:
    case Buttons::OkCancel:
        break;
    }
    return Answer::Cancel;
}

QString ScriptedDialogs::openFile(const QString &title, const QString &folder,
                                  const QString &filter)
{
    record(Shown{Kind::OpenFile, title, folder, Icon::None, Buttons::Ok, filter});
    if (!paths.isEmpty())
        return paths.dequeue();
    ++unscripted;
    return {};
}

QString ScriptedDialogs::saveFile(const QString &title, const QString &folder,
                                  const QString &filter)
{
    record(Shown{Kind::SaveFile, title, folder, Icon::None, Buttons::Ok, filter});
    if (!paths.isEmpty())
        return paths.dequeue();
    ++unscripted;
    return {};
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor &initial, const QString &title)
{
    record(Shown{Kind::ChooseColor, title, initial.name(), Icon::None, Buttons::Ok, {}});
    if (!colors.isEmpty())
        return colors.dequeue();
    ++unscripted;
    return std::nullopt;
}

std::optional<WebPageOptions> ScriptedDialogs::webPageOptions(const WebPageOptions &initial)
{
    const auto yesNo = [](bool on) { return on ? QStringLiteral("yes") : QStringLiteral("no"); };
    const QString choices =
        QStringLiteral("%1, check: %2, reveal: %3")
            .arg(initial.language, yesNo(initial.allowCheck), yesNo(initial.allowReveal));
    record(Shown{
        Kind::WebPageOptions, kWebPageOptionsTitle, choices, Icon::None, Buttons::OkCancel, {}});
    if (!pageOptions.isEmpty())
        return pageOptions.dequeue();
    ++unscripted;
    return std::nullopt;
}

QStringList ScriptedDialogs::titles() const
{
    QStringList result;
    for (const Shown &s : shown)
        result.append(s.title);
    return result;
}

} // namespace Velloquin
