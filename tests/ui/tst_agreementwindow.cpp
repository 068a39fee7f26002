// SPDX-License-Identifier: MIT
#include "agreementwindow.h"

#include "gradientbutton.h"

#include <QRadioButton>
#include <QTextBrowser>
#include <QtTest>

using namespace Velloquin;

class tst_AgreementWindow : public QObject
{
    Q_OBJECT

private slots:
    void confirmIsDisabledUntilAChoiceIsMade();
    void confirming_data();
    void confirming();
    void closingWithoutConfirmingIsNotAgreeing();
    void textSaysFreeSoftwareWithoutWarranty();
};

void tst_AgreementWindow::confirmIsDisabledUntilAChoiceIsMade()
{
    AgreementWindow window;
    window.show();
    QVERIFY(!window.optAgree->isChecked());
    QVERIFY(!window.optDisagree->isChecked());
    QVERIFY(!window.cmdOK->isEnabled());
    // A click on the disabled button does nothing.
    QTest::mouseClick(window.cmdOK, Qt::LeftButton);
    QVERIFY(window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Rejected));
    window.optDisagree->setChecked(true);
    QVERIFY(window.cmdOK->isEnabled());
    window.optAgree->setChecked(true);
    QVERIFY(window.cmdOK->isEnabled());
}

void tst_AgreementWindow::confirming_data()
{
    QTest::addColumn<bool>("agree");
    QTest::newRow("agree") << true;
    QTest::newRow("do not agree") << false;
}

void tst_AgreementWindow::confirming()
{
    QFETCH(bool, agree);
    AgreementWindow window;
    window.show();
    QRadioButton *choice = agree ? window.optAgree : window.optDisagree;
    // Click the round indicator at the left end.
    QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(6, choice->height() / 2));
    QVERIFY(choice->isChecked());
    QVERIFY(window.cmdOK->isEnabled());
    QTest::mouseClick(window.cmdOK, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.agreed(), agree);
    QCOMPARE(window.result(), agree ? int(QDialog::Accepted) : int(QDialog::Rejected));
}

void tst_AgreementWindow::closingWithoutConfirmingIsNotAgreeing()
{
    AgreementWindow window;
    window.show();
    window.optAgree->setChecked(true);
    window.close();
    QVERIFY(!window.agreed());
}

void tst_AgreementWindow::textSaysFreeSoftwareWithoutWarranty()
{
    AgreementWindow window;
    const QString text = window.txtAgreement->toPlainText();
    QVERIFY(text.contains(QStringLiteral("MIT licence")));
    QVERIFY(text.contains(QStringLiteral("without warranty")));
    QVERIFY(!window.cmdOK->text().isEmpty());
}

QTEST_MAIN(tst_AgreementWindow)
#include "tst_agreementwindow.moc"
