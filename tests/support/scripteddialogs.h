// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>

namespace Velloquin {

// A Dialogs for tests: records every box and dialog it is asked to show, and answers
// from queues filled by the test. It never blocks. When a queue is empty it answers
// as a user closing the box would (Cancel, No, an empty path, no colour, no page options) and
// counts the miss in unscripted, so a test can tell an unexpected question from an expected one.
class ScriptedDialogs : public Dialogs
{
public:
    enum class Kind { Message, Question, OpenFile, SaveFile, ChooseColor, WebPageOptions };

    struct Shown
    {
        Kind kind = Kind::Message;
        QString title;
        QString text; // message or question text; the folder for file dialogs
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        QString filter; // file dialogs only
    };

    QList<Shown> shown;
    QQueue<Answer> answers;
    QQueue<QString> paths;
    QQueue<std::optional<QColor>> colors;
    QQueue<std::optional<WebPageOptions>> pageOptions;
    int unscripted = 0;
    // Runs while each box or dialog is up, before it answers: a test stands in for what a
    // user does meanwhile (a real modal dialog takes the mouse release of the click that
    // opened it, for one).
    std::function<void(const Shown &)> whileShown;

    using Dialogs::message;
    void message(const QString &title, const QString &text, Icon icon) override;
    Answer question(const QString &title, const QString &text, Buttons buttons) override;
    QString openFile(const QString &title, const QString &folder, const QString &filter) override;
    QString saveFile(const QString &title, const QString &folder, const QString &filter) override;
    std::optional<QColor> chooseColor(const QColor &initial, const QString &title) override;
    // Shown with the initial choices as its text: "de, check: yes, reveal: no".
    std::optional<WebPageOptions> webPageOptions(const WebPageOptions &initial) override;

    // The titles of everything shown, in order (handy for one-line comparisons).
    QStringList titles() const;
    // Forgets what was shown (the queues stay).
    void clearShown()
    {
        shown.clear();
        unscripted = 0;
    }

private:
    void record(const Shown &s);
};

} // namespace Velloquin
