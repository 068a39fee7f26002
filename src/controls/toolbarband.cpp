// SPDX-License-Identifier: MIT
#include "toolbarband.h"

#include "colornumbers.h"
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
    applyColors();
}

void ToolbarBand::applyColors()
{
    for (const QPointer<Toolbar> &bar : std::as_const(m_toolbars)) {
        if (!bar)
            continue;
        if (m_gradient) {
            bar->setGradientTop(TopColor);
            bar->setGradientBottom(BottomColor);
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
    applyColors();
    emit gradientChanged(on);
}

void ToolbarBand::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_gradient)
        fillLinearGradient(painter, 0, 0, width(), height(), TopColor, BottomColor, true);
    else
        painter.fillRect(rect(), Toolbar::defaultBackgroundColor());
}

void ToolbarBand::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyColors();
}

} // namespace Velloquin
