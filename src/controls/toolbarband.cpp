// SPDX-License-Identifier: MIT
#include "toolbarband.h"

#include "colournumbers.h"
#include "gradient.h"
#include "toolbar.h"

#include <QPainter>

ToolbarBand::ToolbarBand(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ToolbarBand::setToolbars(const QList<Toolbar *> &toolbars)
{
    m_toolbars.clear();
    for (Toolbar *bar : toolbars)
        if (bar)
            m_toolbars.append(bar);
}

void ToolbarBand::Paint_Toolbar_Band()
{
    for (const QPointer<Toolbar> &bar : std::as_const(m_toolbars)) {
        if (!bar)
            continue;
        if (m_gradient) {
            bar->setgStartColor(TopColour);
            bar->setgEndColor(BottomColour);
            bar->setUseGradient(true);
            bar->setGradientReference(this);
        } else {
            bar->setUseGradient(false);
            bar->setGradientReference(nullptr);
            bar->setBackColor(Toolbar::DefaultBackColor);
        }
        bar->Refresh();
    }
    update();
}

void ToolbarBand::setGradient(bool on)
{
    if (m_gradient == on)
        return;
    m_gradient = on;
    Paint_Toolbar_Band();
    emit gradientChanged(on);
}

void ToolbarBand::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_gradient)
        fillLinearGradient(painter, 0, 0, width(), height(), TopColour, BottomColour, true);
    else
        painter.fillRect(rect(), colourFromNumber(Toolbar::DefaultBackColor));
}

void ToolbarBand::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Paint_Toolbar_Band();
}

void Paint_Toolbar_Band(ToolbarBand &band, Toolbar *toolbar, Toolbar *second, Toolbar *third)
{
    band.setToolbars({toolbar, second, third});
    band.Paint_Toolbar_Band();
}
