// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPainterPath>

namespace Velloquin {

// A push button with a shaded, glossy face in one of eight looks, coloured by its state, with
// an optional picture (the button's icon, drawn at iconSize()) and a text ("&" marks the
// access key). Clicking, Space and Enter, the access key, checking and accessibility are
// QAbstractButton's; this class draws the face, keeps the rounded corners out of the hit area
// and reports the mouse entering and leaving and double clicks.
class GradientButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(Look look READ look WRITE setLook)
    Q_PROPERTY(ColorScheme colorScheme READ colorScheme WRITE setColorScheme)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(QColor faceColor READ faceColor WRITE setFaceColor)
    Q_PROPERTY(QColor hoverColor READ hoverColor WRITE setHoverColor)
    Q_PROPERTY(QColor downColor READ downColor WRITE setDownColor)
    Q_PROPERTY(QColor brightColor READ brightColor WRITE setBrightColor)
    Q_PROPERTY(int borderBrightness READ borderBrightness WRITE setBorderBrightness)
    Q_PROPERTY(PicturePosition picturePosition READ picturePosition WRITE setPicturePosition)
    Q_PROPERTY(bool iconHighlight READ iconHighlight WRITE setIconHighlight)
    Q_PROPERTY(QColor iconHighlightColor READ iconHighlightColor WRITE setIconHighlightColor)
    Q_PROPERTY(bool textHighlight READ textHighlight WRITE setTextHighlight)
    Q_PROPERTY(QColor textHighlightColor READ textHighlightColor WRITE setTextHighlightColor)

public:
    // The shape and shading of the face.
    enum class Look {
        Shaded,        // rectangle, smooth shading with a bright top and a darker foot
        Bevelled,      // rectangle, flat face with a two-pixel bevel
        GlossyCapsule, // capsule, soft gloss band over the upper half
        GlossyRounded, // rounded corners, a short bright shine
        ShinyCapsule,  // capsule, bright narrow band and a strong glow
        GlassCapsule,  // capsule, flat glassy upper half and a deep glow
        Plain,         // rounded face in the state colour with a faint rim
        CrispGloss,    // slightly rounded, crisp band
    };
    Q_ENUM(Look)

    // Ready-made sets of the four face colours; Custom keeps the colours as they are.
    enum class ColorScheme { Custom, Blue, SkyBlue, Navy, Red, Green, Olive };
    Q_ENUM(ColorScheme)

    // Where the picture goes relative to the text.
    enum class PicturePosition { AboveText, BelowText, Left, Right, TopLeft };
    Q_ENUM(PicturePosition)

    // The state the face is drawn in.
    enum class State { Normal, Pressed, Focused, Hover, Checked };
    Q_ENUM(State)

    explicit GradientButton(QWidget *parent = nullptr);
    explicit GradientButton(const QString &text, QWidget *parent = nullptr);
    ~GradientButton() override;

    Look look() const { return m_look; }
    void setLook(Look look);
    ColorScheme colorScheme() const { return m_colorScheme; }
    // Sets the four face colours of a scheme; Custom keeps the colours.
    void setColorScheme(ColorScheme scheme);

    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor &color);
    // Setting one of these four by itself makes the scheme Custom.
    QColor faceColor() const { return m_faceColor; }
    void setFaceColor(const QColor &color);
    QColor hoverColor() const { return m_hoverColor; }
    void setHoverColor(const QColor &color);
    QColor downColor() const { return m_downColor; } // pressed or checked
    void setDownColor(const QColor &color);
    QColor brightColor() const { return m_brightColor; }
    void setBrightColor(const QColor &color);

    // -100 (black) .. 0 (the face colour) .. 100 (white).
    int borderBrightness() const { return m_borderBrightness; }
    void setBorderBrightness(int percent);
    // Sets the icon to `picture` and the icon size to the picture's size.
    void setPicture(const QPixmap &picture);
    PicturePosition picturePosition() const { return m_picturePosition; }
    void setPicturePosition(PicturePosition position);
    // Under the mouse, the picture is drawn as a silhouette in iconHighlightColor.
    bool iconHighlight() const { return m_iconHighlight; }
    void setIconHighlight(bool on);
    QColor iconHighlightColor() const { return m_iconHighlightColor; }
    void setIconHighlightColor(const QColor &color);
    // Under the mouse, the text is drawn in textHighlightColor.
    bool textHighlight() const { return m_textHighlight; }
    void setTextHighlight(bool on);
    QColor textHighlightColor() const { return m_textHighlightColor; }
    void setTextHighlightColor(const QColor &color);

    State state() const;
    bool isHovered() const { return m_hovered; }

    // The colour `percent` of the way from `from` to `to`, per channel with whole-number
    // division; percent is limited to 0..100 first.
    static QColor blend(const QColor &from, const QColor &to, int percent);

    // The outline of the face for the current look and size.
    QPainterPath shapePath() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void entered();
    void left();
    void doubleClicked();

protected:
    bool hitButton(const QPoint &pos) const override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setHovered(bool hovered);
    void setColor(QColor &member, const QColor &color);
    void drawFace(QPainter &painter, State state) const;
    void drawFocusFrame(QPainter &painter, State state, const QColor &face,
                        const QColor &bright) const;
    void drawContents(QPainter &painter, State state) const;

    Look m_look = Look::Shaded;
    ColorScheme m_colorScheme = ColorScheme::Custom;
    QColor m_textColor = Qt::black;
    QColor m_faceColor{80, 153, 233};
    QColor m_hoverColor{144, 192, 255};
    QColor m_downColor{80, 153, 233};
    QColor m_brightColor{176, 237, 255};
    int m_borderBrightness = 0;
    PicturePosition m_picturePosition = PicturePosition::AboveText;
    bool m_iconHighlight = false;
    QColor m_iconHighlightColor{0, 255, 0};
    bool m_textHighlight = false;
    QColor m_textHighlightColor{0, 255, 0};

    bool m_hovered = false;
    bool m_doubleClickDown = false; // the second press of a double click: no second click
};

} // namespace Velloquin
