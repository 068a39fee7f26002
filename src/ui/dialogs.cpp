// SPDX-License-Identifier: MIT
#include "dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
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

std::optional<QColor> QtDialogs::chooseColour(const QColor &initial, const QString &title)
{
    const QColor chosen = QColorDialog::getColor(initial, m_parent, title);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

} // namespace Velloquin
