// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QAction;
class QButtonGroup;

namespace Velloquin {

class ToolbarButton;

// A strip of small image buttons built from one image strip and a layout string.
// Buttons are numbered from 1 in layout order and are push ("N"), check ("C") or
// option ("O") buttons; "|" puts an etched separator after the previous button and
// closes an option group. Each button is a QAbstractButton child that draws its piece of
// the strip; the bar paints the background, the separators and the edge. Push buttons
// report through buttonClicked on the press, check and option buttons through
// buttonToggled when a click changes them.
//
// The bar is a single Tab stop: while it has the focus, the arrow keys (Home, End) move a
// focus mark between its enabled buttons and Space or Enter presses the marked one. The
// buttons themselves never take the focus, so a click leaves it where it was.
class Toolbar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor NOTIFY
                   backgroundColorChanged)
    Q_PROPERTY(
        Qt::Orientation orientation READ orientation WRITE setOrientation NOTIFY orientationChanged)
    // A raised one-pixel edge around the bar.
    Q_PROPERTY(bool edgeVisible READ isEdgeVisible WRITE setEdgeVisible NOTIFY edgeVisibleChanged)
    // A vertical gradient from gradientTop to gradientBottom instead of the background colour.
    Q_PROPERTY(bool gradient READ hasGradient WRITE setGradient NOTIFY gradientChanged)
    Q_PROPERTY(QColor gradientTop READ gradientTop WRITE setGradientTop NOTIFY gradientTopChanged)
    Q_PROPERTY(QColor gradientBottom READ gradientBottom WRITE setGradientBottom NOTIFY
                   gradientBottomChanged)
    Q_PROPERTY(int buttonCount READ buttonCount)

public:
    enum class ButtonKind { Push, Check, Option };
    Q_ENUM(ButtonKind)
    enum class ButtonLook { Flat, Hot, Pressed };
    Q_ENUM(ButtonLook)

    static QColor defaultBackgroundColor(); // the desktop's button face
    static constexpr QColor DefaultGradientTop{129, 169, 227};
    static constexpr QColor DefaultGradientBottom{226, 236, 255};

    explicit Toolbar(QWidget *parent = nullptr);
    ~Toolbar() override;

    // Cuts the strip into imageSize x imageSize images (pixels of maskColor become
    // transparent; an invalid colour means no mask) and lays out one button per "N", "C" or
    // "O" of the layout (case-insensitive; other characters but "|" are skipped). An empty
    // layout gives one push button per image. Sizes the bar to its last button. Returns
    // false and builds no buttons when the strip is null. The old buttons are deleted at
    // once, so this is not for a handler of their own signals.
    bool build(const QImage &strip, const QColor &maskColor, int imageSize, const QString &layout);

    // One tooltip per button, separated by "|"; button n shows piece n - 1. The tooltip is
    // also the button's accessible name.
    void setButtonToolTips(const QString &text);
    // The tooltip of button index (empty when it has none).
    QString buttonToolTip(int index) const;

    // The button widget of index (null out of range).
    QAbstractButton *button(int index) const;

    // Button index shows action from now on, as a menu item does: pressing it triggers the
    // action, and it follows the action's enabled and checked state and shows its tooltip
    // (also its accessible name). Null unbinds the button; an index out of range is ignored.
    void setButtonAction(int index, QAction *action);
    // The action button index shows (null when none).
    QAction *buttonAction(int index) const;

    // Enables or disables one button; ignored for an index out of range.
    void setButtonEnabled(int index, bool enabled);
    // Whether button index is enabled (false out of range).
    bool isButtonEnabled(int index) const;
    // Flips the checked state of a check or option button and raises buttonToggled. Push
    // buttons and indexes out of range are ignored.
    void toggleButton(int index);
    // Checks or unchecks a check or option button without raising buttonToggled.
    void setButtonChecked(int index, bool checked);
    // Whether button index is checked (false out of range).
    bool isButtonChecked(int index) const;

    // Number of buttons built.
    int buttonCount() const { return int(m_buttons.size()); }

    // The kind and current look of button index.
    ButtonKind buttonKind(int index) const;
    ButtonLook buttonLook(int index) const;
    // The outer rectangle of button index (empty out of range).
    QRect buttonRect(int index) const;
    // The separator rectangle after button index (empty when none).
    QRect separatorRect(int index) const;
    // The enabled button under the mouse (0 when none).
    int hotButton() const;
    // Runs the bar gradient over `reference`'s height instead of the bar's own, so that a
    // bar placed on a band painted with the same colours blends into it seamlessly.
    // Null (the default) uses the bar's own height.
    void setGradientReference(QWidget *reference);
    // Presses button index as a left click would: raises buttonClicked or toggles a
    // check/option button with its event. Ignored for a disabled button.
    void activateButton(int index);
    // The button the keyboard acts on while the bar has the focus (0 when there is none).
    int focusButton() const { return m_focus; }
    // Marks button index for the keyboard; ignored for a disabled button or one out of range.
    void setFocusButton(int index);

    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color);
    // Set before build(): vertical bars stack their buttons downwards.
    Qt::Orientation orientation() const { return m_orientation; }
    void setOrientation(Qt::Orientation orientation);
    bool isEdgeVisible() const { return m_edgeVisible; }
    void setEdgeVisible(bool on);
    bool hasGradient() const { return m_gradient; }
    void setGradient(bool on);
    QColor gradientTop() const { return m_gradientTop; }
    void setGradientTop(const QColor &color);
    QColor gradientBottom() const { return m_gradientBottom; }
    void setGradientBottom(const QColor &color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A push button was pressed.
    void buttonClicked(int index);
    // A check button became checked or unchecked, or an option button checked.
    void buttonToggled(int index, bool checked);

    void backgroundColorChanged(const QColor &color);
    void orientationChanged(Qt::Orientation orientation);
    void edgeVisibleChanged(bool on);
    void gradientChanged(bool on);
    void gradientTopChanged(const QColor &color);
    void gradientBottomChanged(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend class ToolbarButton;

    bool validIndex(int index) const { return index >= 1 && index <= buttonCount(); }
    ToolbarButton *at(int index) const { return m_buttons[size_t(index - 1)]; }
    // The next enabled button from index in direction step (+1 or -1), or index itself.
    int enabledNeighbour(int index, int step) const;
    // Tells assistive technology that the marked button has the focus.
    void announceFocusButton();
    // A press begins a click of its own: any other button still held lets go (its
    // release went to a dialog the press opened, say).
    void releaseOthers(const ToolbarButton *pressed);
    void rebuildTools();
    void paintBackground(QPainter &painter, const QRect &area) const;

    std::vector<ToolbarButton *> m_buttons;
    std::vector<QRect> m_separators;
    std::vector<QButtonGroup *> m_groups;
    QStringList m_tips;
    QPointer<QWidget> m_gradientReference;
    int m_imageSize = 16;
    int m_buttonSize = 23;
    int m_focus = 0;

    QColor m_backgroundColor = defaultBackgroundColor();
    Qt::Orientation m_orientation = Qt::Horizontal;
    bool m_edgeVisible = false;
    bool m_gradient = false;
    QColor m_gradientTop = DefaultGradientTop;
    QColor m_gradientBottom = DefaultGradientBottom;

    QColor m_back;
    QColor m_highlight;
    QColor m_shadow;
};

} // namespace Velloquin
