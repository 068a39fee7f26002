// SPDX-License-Identifier: MIT
#include "agreementwindow.h"

#include "gradientbutton.h"

#include <QRadioButton>
#include <QTextBrowser>
#include <QtTest>

using namespace Velloquin;

namespace {

// The window's controls, found by name as assistive tools find them.
template <typename T>
T *part(const AgreementWindow &window, const char *name)
{
    return window.findChild<T *>(QString::fromLatin1(name));
}

} // namespace

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
    QVERIFY(!part<QRadioButton>(window, "optAgree")->isChecked());
    QVERIFY(!part<QRadioButton>(window, "optDisagree")->isChecked());
    QVERIFY(!part<GradientButton>(window, "cmdOK")->isEnabled());
    // A click on the disabled button does nothing.
    QTest::mouseClick(part<GradientButton>(window, "cmdOK"), Qt::LeftButton);
    QVERIFY(window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Rejected));
    part<QRadioButton>(window, "optDisagree")->setChecked(true);
    QVERIFY(part<GradientButton>(window, "cmdOK")->isEnabled());
    part<QRadioButton>(window, "optAgree")->setChecked(true);
    QVERIFY(part<GradientButton>(window, "cmdOK")->isEnabled());
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
    QRadioButton *choice =
        agree ? part<QRadioButton>(window, "optAgree") : part<QRadioButton>(window, "optDisagree");
    // Click the round indicator at the left end.
    QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(6, choice->height() / 2));
    QVERIFY(choice->isChecked());
    QVERIFY(part<GradientButton>(window, "cmdOK")->isEnabled());
    QTest::mouseClick(part<GradientButton>(window, "cmdOK"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.agreed(), agree);
    QCOMPARE(window.result(), agree ? int(QDialog::Accepted) : int(QDialog::Rejected));
}

void tst_AgreementWindow::closingWithoutConfirmingIsNotAgreeing()
{
    AgreementWindow window;
    window.show();
    part<QRadioButton>(window, "optAgree")->setChecked(true);
    window.close();
    QVERIFY(!window.agreed());
}

void tst_AgreementWindow::textSaysFreeSoftwareWithoutWarranty()
{
    AgreementWindow window;
    const QString text = part<QTextBrowser>(window, "txtAgreement")->toPlainText();
    QVERIFY(text.contains(QStringLiteral("MIT licence")));
    QVERIFY(text.contains(QStringLiteral("without warranty")));
    QVERIFY(!part<GradientButton>(window, "cmdOK")->text().isEmpty());
}

QTEST_MAIN(tst_AgreementWindow)
#include "tst_agreementwindow.moc"
