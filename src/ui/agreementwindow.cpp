// SPDX-License-Identifier: MIT
#include "agreementwindow.h"

#include "gradientbutton.h"
#include "pictures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace Velloquin {

AgreementWindow::AgreementWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAgreement"));
    setWindowTitle(tr("Velloquin - End-User Agreement"));
    setAccessibleName(windowTitle());
    setModal(true);
    setWindowIcon(programIcon(64));

    auto *heading =
        new QLabel(tr("Please read the following agreement before you use Velloquin."), this);
    heading->setObjectName(QStringLiteral("lblHeading"));
    heading->setWordWrap(true);

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("txtAgreement"));
    m_text->setAccessibleName(tr("Agreement text"));
    m_text->setPlainText(agreementText());
    m_text->setMinimumSize(500, 290);

    m_agree = new QRadioButton(tr("I &agree to the terms of this agreement"), this);
    m_agree->setObjectName(QStringLiteral("optAgree"));
    m_agree->setAccessibleName(tr("I agree to the terms of this agreement"));
    m_disagree = new QRadioButton(tr("I do &not agree"), this);
    m_disagree->setObjectName(QStringLiteral("optDisagree"));
    m_disagree->setAccessibleName(tr("I do not agree"));

    m_confirmButton = new GradientButton(this);
    m_confirmButton->setObjectName(QStringLiteral("cmdOK"));
    m_confirmButton->setText(tr("OK"));
    m_confirmButton->setAccessibleName(tr("OK"));
    m_confirmButton->setToolTip(tr("Confirm your choice"));
    m_confirmButton->setLook(GradientButton::Look::GlossyRounded);
    m_confirmButton->setFixedSize(96, 28);
    m_confirmButton->setEnabled(false);

    connect(m_agree, &QRadioButton::toggled, this, [this] { m_confirmButton->setEnabled(true); });
    connect(m_disagree, &QRadioButton::toggled, this,
            [this] { m_confirmButton->setEnabled(true); });
    connect(m_confirmButton, &GradientButton::clicked, this, &AgreementWindow::confirm);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_confirmButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_agree);
    layout->addWidget(m_disagree);
    layout->addLayout(buttons);
}

QString AgreementWindow::agreementText()
{
    return tr("VELLOQUIN END-USER AGREEMENT\n"
              "\n"
              "Velloquin is free software, released under the MIT licence. You may use it, "
              "copy it, change it, merge it into other work, publish, distribute, "
              "sublicense and sell copies of it, as long as the copyright notice and this "
              "permission notice are kept in all copies or substantial portions of it.\n"
              "\n"
              "Velloquin is provided \"as is\", without warranty of any kind, express or "
              "implied, including but not limited to the warranties of merchantability, "
              "fitness for a particular purpose and noninfringement. In no event shall the "
              "authors or copyright holders be liable for any claim, damages or other "
              "liability, whether in an action of contract, tort or otherwise, arising from, "
              "out of or in connection with the software or its use.\n"
              "\n"
              "The puzzles you make with Velloquin are yours.\n"
              "\n"
              "Choose \"I agree\" and press OK to start Velloquin. If you do not agree, the "
              "program ends and nothing is written to your computer.");
}

void AgreementWindow::confirm()
{
    if (!m_agree->isChecked() && !m_disagree->isChecked())
        return;
    m_agreed = m_agree->isChecked();
    if (m_agreed)
        accept();
    else
        reject();
}

bool AgreementWindow::ask(QWidget *parent)
{
    AgreementWindow window(parent);
    window.exec();
    return window.agreed();
}

} // namespace Velloquin
