// SPDX-License-Identifier: MIT
#include "picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace Velloquin {

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColor(const QColor &color)
{
    if (color == m_back)
        return;
    m_back = color;
    update();
    emit backColorChanged(color);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_back);
    if (!m_image.isNull())
        painter.drawImage(0, 0, m_image);
    if (hasFocus() && !m_focusMark.isEmpty()) {
        // Orange stands out on white and on black squares alike and differs from the blue
        // selection and the red placement markers.
        // It lies just inside the selection frame, which may cover the same square.
        QPen pen(QColor(255, 140, 0), 2);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(m_focusMark).adjusted(3, 3, -3, -3));
    }
}

void PictureBox::setFocusMark(const QRect &area)
{
    if (area == m_focusMark)
        return;
    update(m_focusMark);
    m_focusMark = area;
    update(m_focusMark);
}

void PictureBox::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update(m_focusMark);
}

void PictureBox::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update(m_focusMark);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(event->button(), event->position().toPoint());
    QWidget::mousePressEvent(event);
}

ShapeFrame::ShapeFrame(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ShapeFrame::setBorderColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void ShapeFrame::setBorderWidth(int width)
{
    width = qMax(1, width);
    if (width == m_width)
        return;
    m_width = width;
    update();
}

void ShapeFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen(m_color, m_width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = m_width / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

} // namespace Velloquin
