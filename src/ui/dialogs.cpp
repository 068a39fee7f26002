// SPDX-License-Identifier: MIT
#include "dialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QMessageBox>

namespace Velloquin {

namespace {

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The context of the web page options' words in the catalogues.
struct WebPageOptionsDialog
{
    Q_DECLARE_TR_FUNCTIONS(WebPageOptionsDialog)
};

} // namespace

void QtDialogs::message(const QString &title, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

Dialogs::Answer QtDialogs::question(const QString &title, const QString &text, Buttons buttons)
{
    QMessageBox::StandardButtons offered;
    QMessageBox::StandardButton escape = QMessageBox::Cancel;
    switch (buttons) {
    case Buttons::Ok:
        offered = QMessageBox::Ok;
        escape = QMessageBox::Ok;
        break;
    case Buttons::YesNo:
        offered = QMessageBox::Yes | QMessageBox::No;
        escape = QMessageBox::No;
        break;
    case Buttons::YesNoCancel:
        offered = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    case Buttons::OkCancel:
        offered = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    }
    QMessageBox box(QMessageBox::Question, title, text, offered, m_parent);
    box.setEscapeButton(escape);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

QString QtDialogs::openFile(const QString &title, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(m_parent, title, folder, filter);
}

QString QtDialogs::saveFile(const QString &title, const QString &folder, const QString &filter)
{
    // Saving over an existing file asks nothing: the window's Save As replaces it.
    return QFileDialog::getSaveFileName(m_parent, title, folder, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

std::optional<QColor> QtDialogs::chooseColor(const QColor &initial, const QString &title)
{
    const QColor chosen = QColorDialog::getColor(initial, m_parent, title);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::unique_ptr<QDialog> makeWebPageOptionsDialog(const WebPageOptions &initial, QWidget *parent)
{
    auto dialog = std::make_unique<QDialog>(parent);
    dialog->setObjectName(QStringLiteral("frmWebPageOptions"));
    dialog->setWindowTitle(WebPageOptionsDialog::tr("Web Page Options"));
    const auto checkBox = [&dialog](const QString &name, const QString &caption, bool checked) {
        auto *box = new QCheckBox(caption, dialog.get());
        box->setObjectName(name);
        box->setAccessibleName(QString(caption).remove(u'&'));
        box->setChecked(checked);
        return box;
    };
    QCheckBox *allowCheck = checkBox(QStringLiteral("chkAllowCheck"),
                                     WebPageOptionsDialog::tr("Allow &Check (marks wrong letters)"),
                                     initial.allowCheck);
    QCheckBox *allowReveal = checkBox(
        QStringLiteral("chkAllowReveal"),
        WebPageOptionsDialog::tr("Allow &Reveal (shows letters and words)"), initial.allowReveal);
    auto *language = new QComboBox(dialog.get());
    language->setObjectName(QStringLiteral("cboPageLanguage"));
    language->setAccessibleName(WebPageOptionsDialog::tr("Language of the page"));
    for (const QString &code : webPageLanguageCodes())
        language->addItem(QString::fromUtf8(webPageTexts(code)->name), code);
    language->setCurrentIndex(std::max(0, language->findData(initial.language.toLower())));
    auto *buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog.get());
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog.get(), &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog.get(), &QDialog::reject);
    auto *form = new QFormLayout(dialog.get());
    form->addRow(allowCheck);
    form->addRow(allowReveal);
    form->addRow(WebPageOptionsDialog::tr("&Language of the page:"), language);
    form->addRow(buttons);
    return dialog;
}

std::optional<WebPageOptions> QtDialogs::webPageOptions(const WebPageOptions &initial)
{
    const std::unique_ptr<QDialog> dialog = makeWebPageOptionsDialog(initial, m_parent);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return WebPageOptions{
        dialog->findChild<QCheckBox *>(QStringLiteral("chkAllowCheck"))->isChecked(),
        dialog->findChild<QCheckBox *>(QStringLiteral("chkAllowReveal"))->isChecked(),
        dialog->findChild<QComboBox *>(QStringLiteral("cboPageLanguage"))
            ->currentData()
            .toString()};
}

} // namespace Velloquin
