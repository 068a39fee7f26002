// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

#include <functional>

class QPainter;

namespace Velloquin {

// A panel of the window whose background is painted by the gradient painter: a list of
// bands, each a two-colour ramp over the panel's full width, painted over a plain base
// colour whenever the panel is painted (so a resize repaints them to the new size).
class GradientPanel : public QWidget
{
    Q_OBJECT

public:
    struct Band
    {
        int top = 0;     // pixels
        int height = -1; // pixels; 0 or less: down to the panel's bottom
        QColor first;
        QColor second;
        int direction = 1; // as paintGradient: 0 across, 1 top to bottom, 2 diagonal
    };

    explicit GradientPanel(QWidget *parent = nullptr);

    void setBands(const QList<Band> &bands);
    const QList<Band> &bands() const { return m_bands; }
    void setBaseColor(const QColor &color);
    QColor baseColor() const { return m_base; }
    // Extra painting after the bands (for instance a band that follows a child's height).
    void setPainter(std::function<void(QPainter &)> painter);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<Band> m_bands;
    QColor m_base = QColor(240, 240, 240);
    std::function<void(QPainter &)> m_painter;
};

} // namespace Velloquin
