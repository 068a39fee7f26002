// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

class QPainter;

// A progress bar drawn by the control itself in one of nine looks (Scrolling 0 to 8),
// with an optional percentage text. Every redraw goes through an off-screen pixmap
// that grows with the control and is never made smaller.
class XP_ProgressBar : public QWidget
{
    Q_OBJECT
    // Progress in percent of the bar length (0 to 100).
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)
    // Scales the number in the text only.
    Q_PROPERTY(int Max READ Max WRITE setMax NOTIFY maxChanged)
    // Kept for the owner; not used in drawing.
    Q_PROPERTY(int Min READ Min WRITE setMin NOTIFY minChanged)
    // Bar colour as a colour number (system colours are translated when set).
    Q_PROPERTY(qint32 Color READ Color WRITE setColor NOTIFY colorChanged)
    // The look, 0 to 8.
    Q_PROPERTY(int Scrolling READ Scrolling WRITE setScrolling NOTIFY scrollingChanged)
    // 0 horizontal, otherwise vertical (looks 0 to 2).
    Q_PROPERTY(int Orientation READ Orientation WRITE setOrientation NOTIFY orientationChanged)
    Q_PROPERTY(bool ShowText READ ShowText WRITE setShowText NOTIFY showTextChanged)
    // Hatch style of look 7: 0 horizontal, 1 vertical, 2 and 3 diagonals, 4 cross,
    // 5 diagonal cross.
    Q_PROPERTY(int BrushStyle READ BrushStyle WRITE setBrushStyle NOTIFY brushStyleChanged)
    // Pattern picture of look 8.
    Q_PROPERTY(QPixmap Image READ Image WRITE setImage NOTIFY imageChanged)

public:
    explicit XP_ProgressBar(QWidget *parent = nullptr);

    int value() const { return m_value; }
    void setValue(int value);
    int Max() const { return m_max; }
    void setMax(int max);
    int Min() const { return m_min; }
    void setMin(int min);
    qint32 Color() const { return m_color; }
    void setColor(qint32 colour);
    int Scrolling() const { return m_scrolling; }
    void setScrolling(int look);
    int Orientation() const { return m_orientation; }
    void setOrientation(int orientation);
    bool ShowText() const { return m_showText; }
    void setShowText(bool on);
    int BrushStyle() const { return m_brushStyle; }
    void setBrushStyle(int style);
    QPixmap Image() const { return m_image; }
    void setImage(const QPixmap &image);

    // The text the bar shows: value * Max / 100 and " %", or "Searching.." in look 2.
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
    void maxChanged(int max);
    void minChanged(int min);
    void colorChanged(qint32 colour);
    void scrollingChanged(int look);
    void orientationChanged(int orientation);
    void showTextChanged(bool on);
    void brushStyleChanged(int style);
    void imageChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ensureBuffer();
    QColor barColour() const;
    void paintLook(QPainter &painter, int w, int h) const;
    void paintBlocks(QPainter &painter, int w, int h) const;
    void paintRoundedFrame(QPainter &painter, int w, int h) const;
    void paintText(QPainter &painter, int w, int h) const;

    int m_value = 0;
    int m_max = 100;
    int m_min = 0;
    qint32 m_color = qint32(0x8000000Du); // system highlight
    int m_scrolling = 0;
    int m_orientation = 0;
    bool m_showText = false;
    int m_brushStyle = 4;
    QPixmap m_image;
    QPixmap m_buffer;
};
