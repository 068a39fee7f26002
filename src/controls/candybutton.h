// SPDX-License-Identifier: MIT
#pragma once

#include <QPainterPath>
#include <QPixmap>
#include <QString>
#include <QWidget>

// A self-drawn push button with a shaded, glossy face in one of eight styles (0..7), coloured
// by its state, with an optional picture and a caption ("&" marks the access key). It can act
// as a toggle through Checked.
//
// Colours are colour numbers (red + 256 * green + 65536 * blue, or a system colour with the
// top bit set, see colournumbers.h).
//
// Events are signals: clicked() (Click), doubleClicked() (DblClick), mouseEnter(),
// mouseLeave(), mouseMove(), mouseUp(), mouseDown(); positions are in pixels.
class CandyButton : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(qint32 ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(int Style READ style WRITE setStyle)
    Q_PROPERTY(qint16 ColorScheme READ colorScheme WRITE setColorScheme)
    Q_PROPERTY(qint32 ColorButtonUp READ colorButtonUp WRITE setColorButtonUp)
    Q_PROPERTY(qint32 ColorButtonHover READ colorButtonHover WRITE setColorButtonHover)
    Q_PROPERTY(qint32 ColorButtonDown READ colorButtonDown WRITE setColorButtonDown)
    Q_PROPERTY(qint32 ColorBright READ colorBright WRITE setColorBright)
    Q_PROPERTY(qint16 BorderBrightness READ borderBrightness WRITE setBorderBrightness)
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture)
    Q_PROPERTY(int PictureAlignment READ pictureAlignment WRITE setPictureAlignment)
    Q_PROPERTY(bool IconHighLite READ iconHighLite WRITE setIconHighLite)
    Q_PROPERTY(qint32 IconHighLiteColor READ iconHighLiteColor WRITE setIconHighLiteColor)
    Q_PROPERTY(bool CaptionHighLite READ captionHighLite WRITE setCaptionHighLite)
    Q_PROPERTY(qint32 CaptionHighLiteColor READ captionHighLiteColor WRITE setCaptionHighLiteColor)
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked NOTIFY checkedChanged)
    Q_PROPERTY(bool DisplayHand READ displayHand WRITE setDisplayHand)

public:
    // The states handed to the drawing.
    enum State { Normal = 0, Pressed = 1, Focused = 2, Hover = 3, CheckedState = 4 };
    Q_ENUM(State)

    explicit CandyButton(QWidget *parent = nullptr);
    explicit CandyButton(const QString &caption, QWidget *parent = nullptr);
    ~CandyButton() override;

    // Until a caption is set, the caption is the button's objectName.
    QString caption() const;
    void setCaption(const QString &caption);
    qint32 foreColor() const { return m_foreColor; }
    void setForeColor(qint32 colour);
    // Shape and shading 0..7. (These hide QWidget::style()/setStyle(QStyle *); reach the
    // widget style through QWidget::style().)
    int style() const { return m_style; }
    void setStyle(int style);
    qint16 colorScheme() const { return m_colorScheme; }
    void setColorScheme(qint16 scheme);

    // Setting one of these four by itself sets ColorScheme back to 0.
    qint32 colorButtonUp() const { return m_colorUp; }
    void setColorButtonUp(qint32 colour);
    qint32 colorButtonHover() const { return m_colorHover; }
    void setColorButtonHover(qint32 colour);
    qint32 colorButtonDown() const { return m_colorDown; }
    void setColorButtonDown(qint32 colour);
    qint32 colorBright() const { return m_colorBright; }
    void setColorBright(qint32 colour);

    qint16 borderBrightness() const { return m_borderBrightness; }
    void setBorderBrightness(qint16 percent);
    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    // 0 picture above caption, 1 caption above picture, 2 picture left, 3 picture right,
    // anything else picture at the top-left corner.
    int pictureAlignment() const { return m_pictureAlignment; }
    void setPictureAlignment(int alignment);
    bool iconHighLite() const { return m_iconHighLite; }
    void setIconHighLite(bool on);
    qint32 iconHighLiteColor() const { return m_iconHighLiteColor; }
    void setIconHighLiteColor(qint32 colour);
    bool captionHighLite() const { return m_captionHighLite; }
    void setCaptionHighLite(bool on);
    qint32 captionHighLiteColor() const { return m_captionHighLiteColor; }
    void setCaptionHighLiteColor(qint32 colour);
    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);
    bool displayHand() const { return m_displayHand; }
    void setDisplayHand(bool on);

    // The state the button is drawn in now (CheckedState whenever Checked is true).
    State state() const;
    bool isMouseInside() const { return m_mouseInside; }

    // The colour `percent` of the way from colour1 to colour2, per channel with whole-number
    // division; percent is limited to 0..100 first. System colours are translated first.
    static qint32 BlendColors(qint32 colour1, qint32 colour2, int percent);
    // Red, green and blue of a colour number (system colours translated first).
    static void GetRGB(qint32 colour, int &red, int &green, int &blue);

    // The rounded outline of the face for the current style and size (a rectangle for
    // styles 0 and 1).
    QPainterPath shapePath() const;
    // Whether a point lies on the button's face (not in a clear rounded corner).
    bool hitButton(const QPoint &pos) const;

    // Presses and releases the button as Enter does.
    void click();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();
    void doubleClicked();
    void mouseEnter();
    void mouseLeave();
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void checkedChanged(bool checked);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void init();
    void setDrawState(State state);
    void mouseEntered();
    void updateShortcut();
    void drawFace(QPainter &painter, State state) const;
    void drawFocusFrame(QPainter &painter, State state, qint32 face, qint32 bright) const;
    void drawContents(QPainter &painter, State state) const;

    QString m_caption;
    bool m_captionSet = false;
    qint32 m_foreColor = 0;
    int m_style = 0;
    qint16 m_colorScheme = 0;
    qint32 m_colorUp;
    qint32 m_colorHover;
    qint32 m_colorDown;
    qint32 m_colorBright;
    qint16 m_borderBrightness = 0;
    QPixmap m_picture;
    int m_pictureAlignment = 0;
    bool m_iconHighLite = false;
    qint32 m_iconHighLiteColor = 0x00FF00;
    bool m_captionHighLite = false;
    qint32 m_captionHighLiteColor = 0x00FF00;
    bool m_checked = false;
    bool m_displayHand = false;

    State m_drawState = Normal;
    bool m_mouseInside = false;
    bool m_enterReported = false; // MouseEnter raised, MouseLeave not yet
    bool m_pressed = false;       // a press that a release inside turns into a click
    bool m_keyPressed = false;
    int m_shortcutId = 0;
};
