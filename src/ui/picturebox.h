// SPDX-License-Identifier: MIT
#pragma once

#include "drawing.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace Velloquin {

// A drawing surface of the window: keeps the last drawing in a persistent image that
// survives repaints and is what the copy commands take. Shapes laid over it (the
// selection rectangle and the placement markers) are child widgets, not part of it.
class PictureBox : public QWidget, public DrawSurface
{
    Q_OBJECT
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor NOTIFY backColorChanged)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    QSize innerSize() const override { return size(); }
    QImage &image() override { return m_image; }
    const QImage &picture() const { return m_image; }
    void changed() override { update(); }
    QColor backColor() const override { return m_back; }
    QColor foreColor() const override { return m_fore; }

    void setBackColor(const QColor &color);
    void setForeColor(const QColor &color) { m_fore = color; }

    // The area (pixels) marked while the box has the keyboard focus: the square the keys
    // act on. An empty rectangle marks nothing.
    QRect focusMark() const { return m_focusMark; }
    void setFocusMark(const QRect &area);

signals:
    void backColorChanged(const QColor &color);
    // Any mouse button pressed at a point of the picture (pixels).
    void mouseDown(Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QImage m_image;
    QRect m_focusMark;
    QColor m_back = QColor(240, 240, 240);
    QColor m_fore = QColor(Qt::black);
};

// A rectangle shape laid over a picture box: the selection rectangle Shape1 and the
// placement markers S1. It lets the mouse through to the picture below.
class ShapeFrame : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(int borderWidth READ borderWidth WRITE setBorderWidth)

public:
    explicit ShapeFrame(QWidget *parent = nullptr);

    QColor borderColor() const { return m_color; }
    void setBorderColor(const QColor &color);
    int borderWidth() const { return m_width; }
    void setBorderWidth(int width);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color = QColor(0, 0, 255);
    int m_width = 2;
};

} // namespace Velloquin
