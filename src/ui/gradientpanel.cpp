// SPDX-License-Identifier: MIT
#include "gradientpanel.h"

#include "gradient.h"

#include <QPainter>

namespace Velloquin {

GradientPanel::GradientPanel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientPanel::setBands(const QList<Band> &bands)
{
    m_bands = bands;
    update();
}

void GradientPanel::setBaseColor(const QColor &color)
{
    if (color == m_base)
        return;
    m_base = color;
    update();
}

void GradientPanel::setPainter(std::function<void(QPainter &)> painter)
{
    m_painter = std::move(painter);
    update();
}

void GradientPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_base);
    for (const Band &band : m_bands) {
        const int h = band.height > 0 ? band.height : height() - band.top;
        paintGradient(painter, 0, band.top, width(), h, band.first, band.second, band.direction);
    }
    if (m_painter)
        m_painter(painter);
}

} // namespace Velloquin
