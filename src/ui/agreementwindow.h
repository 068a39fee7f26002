// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;
class QRadioButton;
class QTextBrowser;

namespace Velloquin {

class GradientButton;

// The end-user agreement shown on the first start: the agreement text and two choices,
// agree or do not agree. The confirm button is enabled only once a choice is made.
// Confirming with "agree" accepts the dialog; with "do not agree", or closing the
// window, rejects it.
class AgreementWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AgreementWindow(QWidget *parent = nullptr);

    // The agreement text shown.
    static QString agreementText();

    // True once the user confirmed with the agreeing option.
    bool agreed() const { return m_agreed; }

    // Shows the window modally; true when the user agreed.
    static bool ask(QWidget *parent = nullptr);

private:
    void confirm();

    // Found from outside by their object names: txtAgreement, optAgree, optDisagree, cmdOK.
    QTextBrowser *m_text = nullptr;
    QRadioButton *m_agree = nullptr;
    QRadioButton *m_disagree = nullptr;
    GradientButton *m_confirmButton = nullptr;

    bool m_agreed = false;
};

} // namespace Velloquin
