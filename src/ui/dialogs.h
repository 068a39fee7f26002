// SPDX-License-Identifier: MIT
#pragma once

#include "htmlpage.h"
#include "message.h"

#include <QColor>
#include <QString>

#include <memory>
#include <optional>

class QDialog;
class QWidget;

namespace Velloquin {

// Title of the web page options dialog.
inline const QString kWebPageOptionsTitle = QStringLiteral("Web Page Options");

// Every message box, question and file or colour dialog of the window goes through
// this interface, so the window runs offscreen with scripted answers in tests.
class Dialogs
{
public:
    enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Dialogs() = default;

    // A modal message box with an OK button.
    virtual void message(const QString &title, const QString &text, Icon icon) = 0;
    void message(const Message &m) { message(m.title, m.text, m.icon); }

    // A modal question; the answer is one of the buttons offered (closing the box
    // counts as the last of them: Cancel, or No for a Yes/No question).
    virtual Answer question(const QString &title, const QString &text, Buttons buttons) = 0;

    // A file to open or to save to: the chosen full path, or an empty string when
    // cancelled. filter is a Qt name filter such as "Crossword file (*.cwd)".
    virtual QString openFile(const QString &title, const QString &folder,
                             const QString &filter) = 0;
    virtual QString saveFile(const QString &title, const QString &folder,
                             const QString &filter) = 0;

    // The platform's full colour dialog; nothing when cancelled.
    virtual std::optional<QColor> chooseColor(const QColor &initial, const QString &title) = 0;

    // What the class may do on an exported web page and the language of its own words,
    // starting from initial; nothing when cancelled.
    virtual std::optional<WebPageOptions> webPageOptions(const WebPageOptions &initial) = 0;
};

// The production implementation: Qt's own message boxes and dialogs, owned by parent.
class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QWidget *parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget *parent) { m_parent = parent; }
    QWidget *parent() const { return m_parent; }

    using Dialogs::message;
    void message(const QString &title, const QString &text, Icon icon) override;
    Answer question(const QString &title, const QString &text, Buttons buttons) override;
    QString openFile(const QString &title, const QString &folder, const QString &filter) override;
    QString saveFile(const QString &title, const QString &folder, const QString &filter) override;
    std::optional<QColor> chooseColor(const QColor &initial, const QString &title) override;
    std::optional<WebPageOptions> webPageOptions(const WebPageOptions &initial) override;

private:
    QWidget *m_parent = nullptr;
};

// The web page options dialog that QtDialogs::webPageOptions shows, its choices starting
// from initial: the check boxes chkAllowCheck and chkAllowReveal and the page language
// cboPageLanguage (the language code as its item data).
std::unique_ptr<QDialog> makeWebPageOptionsDialog(const WebPageOptions &initial,
                                                  QWidget *parent = nullptr);

} // namespace Velloquin
