// SPDX-License-Identifier: MIT
#include "toolbarband.h"

#include "colournumbers.h"
#include "gradient.h"
#include "toolbar.h"

#include <QPainter>

namespace Velloquin {

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
    applyColours();
}

void ToolbarBand::applyColours()
{
    for (const QPointer<Toolbar> &bar : std::as_const(m_toolbars)) {
        if (!bar)
            continue;
        if (m_gradient) {
            bar->setGradientTop(TopColour);
            bar->setGradientBottom(BottomColour);
            bar->setGradient(true);
            bar->setGradientReference(this);
        } else {
            bar->setGradient(false);
            bar->setGradientReference(nullptr);
            bar->setBackgroundColor(Toolbar::defaultBackgroundColor());
        }
        bar->update();
    }
    update();
}

void ToolbarBand::setGradient(bool on)
{
    if (m_gradient == on)
        return;
    m_gradient = on;
    applyColours();
    emit gradientChanged(on);
}

void ToolbarBand::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_gradient)
        fillLinearGradient(painter, 0, 0, width(), height(), TopColour, BottomColour, true);
    else
        painter.fillRect(rect(), Toolbar::defaultBackgroundColor());
}

void ToolbarBand::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyColours();
}

} // namespace Velloquin
