// SPDX-License-Identifier: MIT
#pragma once

#include "colorpalette.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// A drop-down colour chooser: a field showing the current colour with an arrow button at its
// right end. A left click opens the palette (frmColorPalette) below the field; the chosen
// colour becomes Color and colorChanged() is emitted.
//
// Colours are colour numbers as the settings file keeps them (red + 256 * green + 65536 *
// blue; a value with the top bit set names a system colour, see colournumbers.h).
//
// The picker's own events are passed straight on as signals: clicked() (Click),
// doubleClicked() (DblClick), keyDown/keyPress/keyUp, mouseDown/mouseMove/mouseUp (x and y in
// twips) and resized() (Resize).
class ColorPicker : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qint32 DefaultColor READ defaultColor WRITE setDefaultColor)
    Q_PROPERTY(qint32 Color READ color WRITE setColor NOTIFY colorChanged USER true)
    Q_PROPERTY(int Appearance READ appearance WRITE setAppearance)
    Q_PROPERTY(qint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(bool ShowDefault READ showDefault WRITE setShowDefault)
    Q_PROPERTY(bool ShowCustomColors READ showCustomColors WRITE setShowCustomColors)
    Q_PROPERTY(bool ShowMoreColors READ showMoreColors WRITE setShowMoreColors)
    Q_PROPERTY(QString DefaultCaption READ defaultCaption WRITE setDefaultCaption)
    Q_PROPERTY(QString MoreColorsCaption READ moreColorsCaption WRITE setMoreColorsCaption)
    Q_PROPERTY(bool ShowSysColorButton READ showSysColorButton WRITE setShowSysColorButton)
    Q_PROPERTY(bool ShowToolTips READ showToolTips WRITE setShowToolTips)

public:
    // Heights in pixels: a new picker is 315 twips high and never lower than 285 twips.
    static constexpr int DefaultHeight = 315 / 15;
    static constexpr int MinimumHeight = 285 / 15;

    explicit ColorPicker(QWidget *parent = nullptr);
    ~ColorPicker() override;

    qint32 defaultColor() const { return m_options.defaultColor; }
    void setDefaultColor(qint32 colour);
    qint32 color() const { return m_color; }
    void setColor(qint32 colour);
    int appearance() const { return m_appearance; } // 1 three-dimensional, 0 flat
    void setAppearance(int appearance);
    qint32 backColor() const { return m_backColor; }
    void setBackColor(qint32 colour);
    bool showDefault() const { return m_options.showDefault; }
    void setShowDefault(bool show);
    bool showCustomColors() const { return m_options.showCustomColors; }
    void setShowCustomColors(bool show);
    bool showMoreColors() const { return m_options.showMoreColors; }
    void setShowMoreColors(bool show);
    QString defaultCaption() const { return m_options.defaultCaption; }
    void setDefaultCaption(const QString &caption);
    QString moreColorsCaption() const { return m_options.moreColorsCaption; }
    void setMoreColorsCaption(const QString &caption);
    bool showSysColorButton() const { return m_options.showSysColorButton; }
    void setShowSysColorButton(bool show);
    bool showToolTips() const { return m_options.showToolTips; } // cell names as tooltips
    void setShowToolTips(bool show);

    // The arrow button's rectangle and whether it is drawn pressed.
    QRect arrowRect() const;
    bool isArrowPressed() const { return m_arrowPressed; }

    // Opens this picker's palette; when it closes with a choice, Color takes the colour.
    void showPalette();
    frmColorPalette *paletteWindow() const { return m_palette; }

    // The colour dialog behind "More Colors..." (shared by every picker).
    static void setColorChooser(ColorChooser chooser)
    {
        frmColorPalette::setColorChooser(std::move(chooser));
    }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void colorChanged(qint32 colour);
    void clicked();
    void doubleClicked();
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void keyPress(const QString &text);
    void keyUp(int key, Qt::KeyboardModifiers modifiers);
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int xTwips, int yTwips);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int xTwips,
                   int yTwips);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int xTwips, int yTwips);
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void paletteFinished(bool cancelled, qint32 colour);
    void setArrowPressed(bool pressed);

    frmColorPalette::Options m_options;
    qint32 m_color = 0xFFFFFF;
    int m_appearance = 1;
    qint32 m_backColor;
    bool m_arrowPressed = false;
    bool m_leftDown = false; // a left press began on the picker
    QPointer<frmColorPalette> m_palette;
};
