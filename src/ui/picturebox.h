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
    Q_PROPERTY(QColor backColour READ backColour WRITE setBackColour NOTIFY backColourChanged)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    QSize innerSize() const override { return size(); }
    QImage &image() override { return m_image; }
    const QImage &picture() const { return m_image; }
    void changed() override { update(); }
    QColor backColour() const override { return m_back; }
    QColor foreColour() const override { return m_fore; }

    void setBackColour(const QColor &colour);
    void setForeColour(const QColor &colour) { m_fore = colour; }

    // The area (pixels) marked while the box has the keyboard focus: the square the keys
    // act on. An empty rectangle marks nothing.
    QRect focusMark() const { return m_focusMark; }
    void setFocusMark(const QRect &area);

signals:
    void backColourChanged(const QColor &colour);
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
    Q_PROPERTY(QColor borderColour READ borderColour WRITE setBorderColour)
    Q_PROPERTY(int borderWidth READ borderWidth WRITE setBorderWidth)

public:
    explicit ShapeFrame(QWidget *parent = nullptr);

    QColor borderColour() const { return m_colour; }
    void setBorderColour(const QColor &colour);
    int borderWidth() const { return m_width; }
    void setBorderWidth(int width);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour = QColor(0, 0, 255);
    int m_width = 2;
};

} // namespace Velloquin
