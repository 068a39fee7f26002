// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

// A strip of small image buttons built from one image strip and a layout string.
// Buttons are numbered from 1 in layout order and are push ("N"), check ("C") or
// option ("O") buttons; "|" puts an etched separator after the previous button and
// closes an option group. The bar tracks the mouse itself, lights up the button under
// it, and reports presses through buttonClick (push buttons, on the press) and
// buttonCheck (check and option buttons, on the release).
//
// The bar takes the keyboard focus with Tab: the arrow keys (Home, End) move a focus mark
// between its enabled buttons and Space or Enter presses the marked one.
class Toolbar : public QWidget
{
    Q_OBJECT
    // Colours are colour numbers (red + 256 * green + 65536 * blue, or a system colour).
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor NOTIFY backColorChanged)
    Q_PROPERTY(
        int BarOrientation READ BarOrientation WRITE setBarOrientation NOTIFY barOrientationChanged)
    Q_PROPERTY(bool BarEdge READ BarEdge WRITE setBarEdge NOTIFY barEdgeChanged)
    Q_PROPERTY(bool UseGradient READ UseGradient WRITE setUseGradient NOTIFY useGradientChanged)
    Q_PROPERTY(qint32 gStartColor READ gStartColor WRITE setgStartColor NOTIFY gStartColorChanged)
    Q_PROPERTY(qint32 gEndColor READ gEndColor WRITE setgEndColor NOTIFY gEndColorChanged)
    Q_PROPERTY(int ButtonsCount READ ButtonsCount)

public:
    enum Kind { Normal = 0, Check = 1, Option = 2 };
    enum Look { Flat = 0, Hot = 1, Pressed = -1 };

    static constexpr qint32 DefaultBackColor = qint32(0x8000000Fu); // system button face
    static constexpr qint32 DefaultStartColor = 14920065;           // RGB 129, 169, 227
    static constexpr qint32 DefaultEndColor = 16772322;             // RGB 226, 236, 255

    explicit Toolbar(QWidget *parent = nullptr);
    ~Toolbar() override;

    // Cuts the strip into imageSize x imageSize images (pixels of maskColour become
    // transparent; -1 means no mask) and lays out one button per "N", "C" or "O" of the
    // layout (case-insensitive; other characters but "|" are skipped). An empty layout
    // gives one push button per image. Sizes the bar to its last button. Returns false
    // and builds no buttons when the strip is null.
    bool BuildToolbar(const QImage &strip, qint32 maskColour, int imageSize, const QString &layout);
    // Convenience overload for a pixmap strip.
    bool BuildToolbar(const QPixmap &strip, qint32 maskColour, int imageSize,
                      const QString &layout);

    // One tooltip per button, separated by "|"; button n shows piece n - 1.
    void SetToolTips(const QString &text);
    // The tooltip of button index (empty when it has none).
    QString buttonToolTip(int index) const;

    // Enables or disables one button and redraws it; ignored for an index out of range.
    void EnableButton(int index, bool enabled);
    // Whether button index is enabled (false out of range).
    bool IsButtonEnabled(int index) const;
    // Flips the checked state of a check or option button; raises buttonCheck unless
    // noEvent is true. Push buttons and indexes out of range are ignored.
    void CheckButton(int index, bool noEvent);
    // Whether button index is checked (false out of range).
    bool IsButtonChecked(int index) const;

    // The sides of button index's outer rectangle in pixels (0 out of range).
    int ButtonLeft(int index) const;
    int ButtonTop(int index) const;
    int ButtonRight(int index) const;
    int ButtonBottom(int index) const;
    // Bottom minus top of button index.
    int GetButtonHeight(int index) const;

    // Redraws the whole bar.
    void Refresh();
    // Number of buttons built.
    int ButtonsCount() const { return int(m_buttons.size()); }

    // The kind (Kind) and current look (Look) of button index.
    int buttonKind(int index) const;
    int buttonLook(int index) const;
    // The outer rectangle of button index (empty out of range).
    QRect buttonRect(int index) const;
    // The separator rectangle after button index (empty when none).
    QRect separatorRect(int index) const;
    // The button under the mouse (0 when none).
    int hotButton() const { return m_hot; }
    // Runs the bar gradient over `reference`'s height instead of the bar's own, so that a
    // bar placed on a band painted with the same colours blends into it seamlessly.
    // Null (the default) uses the bar's own height.
    void setGradientReference(QWidget *reference);
    // Presses button index as a left click would (used by assistive technology):
    // raises buttonClick or toggles a check/option button with its event.
    void activateButton(int index);
    // The button the keyboard acts on while the bar has the focus (0 when there is none).
    int focusButton() const { return m_focus; }
    // Marks button index for the keyboard; ignored for a disabled button or one out of range.
    void setFocusButton(int index);

    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 colour);
    int BarOrientation() const { return m_orientation; }
    void setBarOrientation(int orientation);
    bool BarEdge() const { return m_barEdge; }
    void setBarEdge(bool on);
    bool UseGradient() const { return m_useGradient; }
    void setUseGradient(bool on);
    qint32 gStartColor() const { return m_startColor; }
    void setgStartColor(qint32 colour);
    qint32 gEndColor() const { return m_endColor; }
    void setgEndColor(qint32 colour);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A push button was pressed; value is always 1; left/top are the button's corner.
    void buttonClick(int index, int value, int left, int top);
    // A check button became checked (1) or unchecked (0), or an option button checked (1).
    void buttonCheck(int index, int value, int left, int top);

    void backColorChanged(qint32 colour);
    void barOrientationChanged(int orientation);
    void barEdgeChanged(bool on);
    void useGradientChanged(bool on);
    void gStartColorChanged(qint32 colour);
    void gEndColorChanged(qint32 colour);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    struct Button
    {
        QRect outer;     // right/bottom exclusive, as the layout computes them
        QRect separator; // empty when no separator follows
        int kind = Normal;
        int look = Flat;
        bool enabled = true;
        bool checked = false;
        bool inside = false;
    };

    bool validIndex(int index) const { return index >= 1 && index <= ButtonsCount(); }
    Button &button(int index) { return m_buttons[size_t(index - 1)]; }
    const Button &button(int index) const { return m_buttons[size_t(index - 1)]; }
    int buttonAt(const QPoint &pos) const;
    void setHot(int index);
    void clearHot();
    // One step of the button state machine; raises the event the step calls for.
    enum class Step { Press, Move, Release };
    void mouseStep(int index, Step step, Qt::MouseButton heldButton, const QPoint &pos);
    // Forgets a held mouse button whose release went elsewhere, and the lit button with it.
    void forgetHeldButton();
    // The next enabled button from index in direction step (+1 or -1), or index itself.
    int enabledNeighbour(int index, int step) const;
    void uncheckGroupOf(int index);
    void redrawButton(int index);
    void rebuildTools();
    void paintButton(QPainter &painter, int index) const;
    void paintFocusMark(QPainter &painter, const QRect &outer) const;
    void paintBackground(QPainter &painter, const QRect &area) const;
    QColor barColourAt(int y) const;

    std::vector<Button> m_buttons;
    std::vector<QPixmap> m_images;
    std::vector<QPixmap> m_disabledImages;
    QStringList m_tips;
    QPointer<QWidget> m_gradientReference;
    int m_imageSize = 16;
    int m_buttonSize = 23;
    int m_hot = 0;
    int m_focus = 0;
    Qt::MouseButton m_held = Qt::NoButton;

    qint32 m_backColor = DefaultBackColor;
    int m_orientation = 0;
    bool m_barEdge = false;
    bool m_useGradient = false;
    qint32 m_startColor = DefaultStartColor;
    qint32 m_endColor = DefaultEndColor;

    QColor m_back;
    QColor m_highlight;
    QColor m_shadow;
};
