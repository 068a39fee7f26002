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

    txtAgreement = new QTextBrowser(this);
    txtAgreement->setObjectName(QStringLiteral("txtAgreement"));
    txtAgreement->setAccessibleName(tr("Agreement text"));
    txtAgreement->setPlainText(agreementText());
    txtAgreement->setMinimumSize(500, 290);

    optAgree = new QRadioButton(tr("I &agree to the terms of this agreement"), this);
    optAgree->setObjectName(QStringLiteral("optAgree"));
    optAgree->setAccessibleName(tr("I agree to the terms of this agreement"));
    optDisagree = new QRadioButton(tr("I do &not agree"), this);
    optDisagree->setObjectName(QStringLiteral("optDisagree"));
    optDisagree->setAccessibleName(tr("I do not agree"));

    cmdOK = new GradientButton(this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setText(tr("OK"));
    cmdOK->setAccessibleName(tr("OK"));
    cmdOK->setToolTip(tr("Confirm your choice"));
    cmdOK->setLook(GradientButton::Look::GlossyRounded);
    cmdOK->setFixedSize(96, 28);
    cmdOK->setEnabled(false);

    connect(optAgree, &QRadioButton::toggled, this, [this] { cmdOK->setEnabled(true); });
    connect(optDisagree, &QRadioButton::toggled, this, [this] { cmdOK->setEnabled(true); });
    connect(cmdOK, &GradientButton::clicked, this, &AgreementWindow::confirm);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(txtAgreement, 1);
    layout->addWidget(optAgree);
    layout->addWidget(optDisagree);
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
    if (!optAgree->isChecked() && !optDisagree->isChecked())
        return;
    m_agreed = optAgree->isChecked();
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
