// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

class QPainter;

namespace Velloquin {

// A progress bar drawn by the control itself in one of nine looks, with an optional
// percentage text. Every redraw goes through an off-screen pixmap
// that grows with the control and is never made smaller.
class StyledProgressBar : public QWidget
{
    Q_OBJECT
    // Progress in percent of the bar length (0 to 100).
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)
    // Scales the number in the text only.
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum NOTIFY maximumChanged)
    // Kept for the owner; not used in drawing.
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum NOTIFY minimumChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(Look look READ look WRITE setLook NOTIFY lookChanged)
    // Vertical bars grow from the bottom (the three segmented looks only).
    Q_PROPERTY(
        Qt::Orientation orientation READ orientation WRITE setOrientation NOTIFY orientationChanged)
    Q_PROPERTY(bool textVisible READ isTextVisible WRITE setTextVisible NOTIFY textVisibleChanged)
    // The hatching of the Hatched look.
    Q_PROPERTY(
        Qt::BrushStyle hatchStyle READ hatchStyle WRITE setHatchStyle NOTIFY hatchStyleChanged)
    // The picture the Pattern look tiles.
    Q_PROPERTY(QPixmap pattern READ pattern WRITE setPattern NOTIFY patternChanged)

public:
    enum class Look {
        Segmented,  // blocks with gaps in a rounded frame
        Continuous, // one smooth fill in a rounded frame
        Searching,  // segmented, with the text "Searching.."
        Flat,       // a light fill in a thin frame
        Etched,     // a shaded fill in an etched frame
        Gauge,      // a shaded track with a marked end
        Dark,       // a fill fading out of black
        Hatched,    // a hatched fill in a bevelled frame
        Pattern,    // a tiled picture in a sunken frame
    };
    Q_ENUM(Look)

    explicit StyledProgressBar(QWidget *parent = nullptr);

    int value() const { return m_value; }
    void setValue(int value);
    int maximum() const { return m_max; }
    void setMaximum(int max);
    int minimum() const { return m_min; }
    void setMinimum(int min);
    // An invalid colour draws in the desktop's highlight colour.
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    Look look() const { return m_look; }
    void setLook(Look look);
    Qt::Orientation orientation() const { return m_orientation; }
    void setOrientation(Qt::Orientation orientation);
    bool isTextVisible() const { return m_showText; }
    void setTextVisible(bool on);
    Qt::BrushStyle hatchStyle() const { return m_hatchStyle; }
    void setHatchStyle(Qt::BrushStyle style);
    QPixmap pattern() const { return m_pattern; }
    void setPattern(const QPixmap &pattern);

    // The text the bar shows: value * maximum / 100 and " %", or "Searching.." in the
    // Searching look.
    QString text() const;
    // Size of the off-screen pixmap (empty before the first use).
    QSize bufferSize() const { return m_buffer.size(); }

    // Colour c mixed with white: each component becomes a + component * (255 - a) / 255.
    static QColor lighten(const QColor &c, int a);
    // k/255 of colour c plus (255 - k)/255 of colour d, per component.
    static QColor blend(const QColor &c, const QColor &d, int k);

    // Draws the whole bar at the control's size onto painter (what the screen shows).
    void paintBar(QPainter &painter) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void valueChanged(int value);
    void maximumChanged(int max);
    void minimumChanged(int min);
    void colorChanged(const QColor &color);
    void lookChanged(StyledProgressBar::Look look);
    void orientationChanged(Qt::Orientation orientation);
    void textVisibleChanged(bool on);
    void hatchStyleChanged(Qt::BrushStyle style);
    void patternChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ensureBuffer();
    QColor barColor() const;
    void paintLook(QPainter &painter, int w, int h) const;
    void paintBlocks(QPainter &painter, int w, int h) const;
    void paintRoundedFrame(QPainter &painter, int w, int h) const;
    void paintText(QPainter &painter, int w, int h) const;

    int m_value = 0;
    int m_max = 100;
    int m_min = 0;
    QColor m_color;
    Look m_look = Look::Segmented;
    Qt::Orientation m_orientation = Qt::Horizontal;
    bool m_showText = false;
    Qt::BrushStyle m_hatchStyle = Qt::CrossPattern;
    QPixmap m_pattern;
    QPixmap m_buffer;
};

} // namespace Velloquin
