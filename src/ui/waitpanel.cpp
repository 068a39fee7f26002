// SPDX-License-Identifier: MIT
#include "waitpanel.h"

#include "panelparts.h"
#include "styledprogressbar.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace Velloquin {

using namespace panel;

const QString WaitPanel::GenerateCaption = QString::fromLatin1(
    QT_TRANSLATE_NOOP("Velloquin::WaitPanel", "Attempting to generate crossword  Please Wait"));

namespace {

// The notice's size in twips.
constexpr int WidthTwips = 3735;
constexpr int HeightTwips = 1245;

} // namespace

WaitPanel::WaitPanel(QWidget *parent) : GradientPanel(parent)
{
    setObjectName(QStringLiteral("pGress"));
    setAccessibleName(tr("Please wait"));
    setBands({{0, -1, WaitTop, WaitBottom, 1}});
    setAutoFillBackground(false);
    m_caption =
        makeHeading(this, QStringLiteral("Label4"), tr(GenerateCaption.toUtf8().constData()));
    m_caption->setWordWrap(true);
    m_bar = new StyledProgressBar(this);
    m_bar->setObjectName(QStringLiteral("XP2"));
    m_bar->setAccessibleName(tr("Progress"));
    const QRect area = twipsRect(0, 0, WidthTwips, HeightTwips);
    m_caption->setGeometry(QRect(8, 8, area.width() - 16, 36));
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cmdCancelGenerate"));
    m_cancelButton->setAccessibleName(tr("Cancel"));
    m_cancelButton->setToolTip(tr("Stop generating and keep the crossword as it was"));
    connect(m_cancelButton, &QPushButton::clicked, this, &WaitPanel::cancelClicked);
    setCancellable(false);
    hide();
}

void WaitPanel::setCancellable(bool cancellable)
{
    // The bar makes room for the button beside it.
    const QRect area = twipsRect(0, 0, WidthTwips, HeightTwips);
    // The button is as wide as its English caption needs, or wider for a longer translation.
    const int cancelWidth =
        qMax(64, m_cancelButton->fontMetrics().horizontalAdvance(m_cancelButton->text()) + 16);
    const int barWidth = area.width() - 24 - (cancellable ? cancelWidth + 8 : 0);
    m_bar->setGeometry(QRect(12, area.height() - 32, barWidth, 20));
    m_cancelButton->setGeometry(
        QRect(area.width() - 12 - cancelWidth, area.height() - 36, cancelWidth, 28));
    m_cancelButton->setVisible(cancellable);
}

void WaitPanel::start(const QString &caption, bool cancellable)
{
    // A caption marked for the catalogues (GenerateCaption) is shown in the window's
    // language; any other as it is given.
    m_caption->setText(tr(caption.toUtf8().constData()));
    setCancellable(cancellable);
    show();
    raise();
    if (cancellable)
        m_cancelButton->setFocus();
}

void WaitPanel::keyPressEvent(QKeyEvent *event)
{
    // Esc stops what Cancel stops; the Cancel button has the focus and leaves Esc to us.
    if (event->key() == Qt::Key_Escape && m_cancelButton->isVisible()) {
        emit cancelClicked();
        return;
    }
    GradientPanel::keyPressEvent(event);
}

void WaitPanel::finish()
{
    setCancellable(false);
    hide();
    m_caption->setText(tr(GenerateCaption.toUtf8().constData()));
}

} // namespace Velloquin
