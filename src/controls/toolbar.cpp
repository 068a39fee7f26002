// SPDX-License-Identifier: MIT
#include "toolbar.h"

#include "colornumbers.h"
#include "gradient.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>

namespace Velloquin {

namespace {

// Colours of a lit button, top to bottom.
constexpr QRgb HotTop = qRgb(255, 253, 200);
constexpr QRgb HotBottom = qRgb(255, 173, 86);
constexpr QRgb PressedTop = qRgb(254, 145, 78);
constexpr QRgb PressedBottom = qRgb(255, 184, 116);

QColor shifted(const QColor &c, int delta)
{
    return QColor(qBound(0, c.red() + delta, 255), qBound(0, c.green() + delta, 255),
                  qBound(0, c.blue() + delta, 255));
}

void verticalGradient(QPainter &painter, const QRect &r, QRgb top, QRgb bottom)
{
    fillLinearGradient(painter, r.left(), r.top(), r.left() + r.width(), r.top() + r.height(),
                       QColor::fromRgb(top), QColor::fromRgb(bottom), true);
}

} // namespace

// One button of a Toolbar: flat over the bar, lit under the mouse, sunk while held or
// checked. Takes no focus of its own; the bar's focus mark is drawn on it instead.
class ToolbarButton : public QAbstractButton
{
    Q_OBJECT

public:
    ToolbarButton(Toolbar *bar, int index, Toolbar::ButtonKind kind)
        : QAbstractButton(bar), m_index(index), m_kind(kind)
    {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
        setCheckable(kind != Toolbar::ButtonKind::Push);
    }

    Toolbar *bar() const { return static_cast<Toolbar *>(parentWidget()); }
    int index() const { return m_index; }
    Toolbar::ButtonKind kind() const { return m_kind; }
    QAction *action() const { return m_action; }

    void setAction(QAction *action)
    {
        if (m_action)
            m_action->disconnect(this);
        m_action = action;
        if (!action)
            return;
        connect(action, &QAction::changed, this, &ToolbarButton::followAction);
        connect(action, &QObject::destroyed, this, [this] { m_action = nullptr; });
        followAction();
    }

    // The button shows what its action says; the state it takes raises none of the bar's
    // signals, as only a press does.
    void followAction()
    {
        if (!m_action)
            return;
        const QSignalBlocker silent(this);
        setEnabled(m_action->isEnabled());
        if (isCheckable())
            setChecked(m_action->isChecked());
        setToolTip(m_action->toolTip());
        setAccessibleName(m_action->toolTip());
        update();
    }

    Toolbar::ButtonLook look() const
    {
        if (isDown() || isChecked())
            return Toolbar::ButtonLook::Pressed;
        return isEnabled() && underMouse() ? Toolbar::ButtonLook::Hot : Toolbar::ButtonLook::Flat;
    }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int m_index;
    Toolbar::ButtonKind m_kind;
    QPointer<QAction> m_action;
};

void ToolbarButton::paintEvent(QPaintEvent *)
{
    const Toolbar &b = *bar();
    QPainter painter(this);
    const QRect outer = rect();
    const Toolbar::ButtonLook look = this->look();
    // A flat button shows the bar behind it.
    if (look == Toolbar::ButtonLook::Hot) {
        verticalGradient(painter, outer, HotTop, HotBottom);
        painter.setPen(b.m_shadow);
        painter.drawRect(outer.adjusted(0, 0, -1, -1));
    } else if (look == Toolbar::ButtonLook::Pressed) {
        verticalGradient(painter, outer, PressedTop, PressedBottom);
        const int l = outer.left(), t = outer.top();
        const int r = outer.right(), bt = outer.bottom();
        painter.setPen(b.m_shadow);
        painter.drawLine(l, t, r, t);
        painter.drawLine(l, t, l, bt);
        painter.setPen(b.m_highlight);
        painter.drawLine(l, bt, r, bt);
        painter.drawLine(r, t, r, bt);
    }

    const int shift = look == Toolbar::ButtonLook::Pressed ? 4 : 3;
    painter.drawPixmap(shift, shift,
                       icon().pixmap(iconSize(), devicePixelRatio(),
                                     isEnabled() ? QIcon::Normal : QIcon::Disabled));

    if (b.hasFocus() && b.focusButton() == m_index) {
        // A dotted frame just inside the button, dark on the light bar and on lit buttons.
        QPen pen(QColor(0, 0, 0), 1, Qt::DotLine);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(outer.adjusted(1, 1, -2, -2));
    }
}

namespace {

// A button as assistive technology sees it: a push button named by its tooltip, checkable
// where it is a check or option button (Qt's own interface would call those check boxes),
// focused while the bar has the focus and marks it.
class ToolbarButtonAccessible : public QAccessibleWidget
{
public:
    explicit ToolbarButtonAccessible(ToolbarButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {}

    ToolbarButton *button() const { return static_cast<ToolbarButton *>(widget()); }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const Toolbar *bar = button()->bar();
        s.focusable = bar->focusPolicy() != Qt::NoFocus;
        s.focused = bar->hasFocus() && bar->focusButton() == button()->index();
        s.hotTracked = button()->look() == Toolbar::ButtonLook::Hot;
        s.pressed = button()->isDown();
        s.checkable = button()->isCheckable();
        s.checked = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override
    {
        if (!widget()->isEnabled())
            return {};
        if (button()->isCheckable())
            return {toggleAction(), pressAction()};
        return {pressAction()};
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() || name == toggleAction())
            button()->bar()->activateButton(button()->index());
    }
};

QAccessibleInterface *toolbarAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(Toolbar::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::ToolBar);
    if (className == QLatin1String(ToolbarButton::staticMetaObject.className()))
        return new ToolbarButtonAccessible(static_cast<ToolbarButton *>(object));
    return nullptr;
}

} // namespace

Toolbar::Toolbar(QWidget *parent) : QWidget(parent)
{
    static const bool accessibilityInstalled = [] {
        QAccessible::installFactory(toolbarAccessibleFactory);
        return true;
    }();
    Q_UNUSED(accessibilityInstalled);
    // Tab reaches the bar, a click does not take the focus from the box being edited.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    rebuildTools();
}

Toolbar::~Toolbar() = default;

QColor Toolbar::defaultBackgroundColor()
{
    return systemColor(15);
}

bool Toolbar::build(const QImage &strip, const QColor &maskColor, int imageSize,
                    const QString &layout)
{
    qDeleteAll(m_groups);
    m_groups.clear();
    qDeleteAll(m_buttons);
    m_buttons.clear();
    m_separators.clear();
    m_focus = 0;
    m_imageSize = qMax(1, imageSize);
    m_buttonSize = m_imageSize + 7;
    if (strip.isNull()) {
        update();
        return false;
    }

    // Cut the strip into images, turning the mask colour transparent.
    QImage argb = strip.convertToFormat(QImage::Format_ARGB32);
    if (maskColor.isValid()) {
        const QRgb maskRgb = maskColor.rgb() & 0xFFFFFF;
        for (int y = 0; y < argb.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(argb.scanLine(y));
            for (int x = 0; x < argb.width(); ++x)
                if ((line[x] & 0xFFFFFF) == maskRgb)
                    line[x] = 0;
        }
    }
    const int count = argb.width() / m_imageSize;

    const QString kinds = layout.isEmpty() ? QString(count, QLatin1Char('N')) : layout;
    const bool horizontal = m_orientation == Qt::Horizontal;
    QButtonGroup *group = nullptr;
    int offset = 0;
    for (const QChar ch : kinds) {
        const QChar c = ch.toUpper();
        if (c == QLatin1Char('N') || c == QLatin1Char('C') || c == QLatin1Char('O')) {
            const ButtonKind kind = c == QLatin1Char('N')   ? ButtonKind::Push
                                    : c == QLatin1Char('C') ? ButtonKind::Check
                                                            : ButtonKind::Option;
            const int index = buttonCount() + 1;
            auto *button = new ToolbarButton(this, index, kind);
            // Every button sits one pixel right of and below its slot; a horizontal button
            // is one pixel shorter than it is wide, a vertical one one pixel narrower.
            if (horizontal)
                button->setGeometry(offset + 1, 1, m_buttonSize, m_buttonSize - 1);
            else
                button->setGeometry(1, offset + 1, m_buttonSize - 1, m_buttonSize);
            if (index <= count) {
                button->setIconSize(QSize(m_imageSize, m_imageSize));
                button->setIcon(QIcon(QPixmap::fromImage(
                    argb.copy((index - 1) * m_imageSize, 0, m_imageSize, m_imageSize))));
            }
            if (kind == ButtonKind::Option) {
                if (!group) {
                    group = new QButtonGroup(this);
                    m_groups.push_back(group);
                }
                group->addButton(button);
            }
            connect(button, &QAbstractButton::pressed, this, [this, button] {
                releaseOthers(button);
                if (button->kind() == ButtonKind::Push) {
                    emit buttonClicked(button->index());
                    if (QAction *action = button->action())
                        action->trigger();
                }
            });
            // An option button unchecked by its group raises nothing.
            connect(button, &QAbstractButton::toggled, this, [this, button](bool checked) {
                if (!checked && button->kind() != ButtonKind::Check)
                    return;
                emit buttonToggled(button->index(), checked);
                // The action takes the state the click gave the button, and runs.
                if (QAction *action = button->action(); action && action->isChecked() != checked)
                    action->trigger();
            });
            button->show();
            m_buttons.push_back(button);
            m_separators.emplace_back();
            offset += m_buttonSize;
        } else if (c == QLatin1Char('|')) {
            // A separator before the first button has nothing to follow and is dropped.
            group = nullptr;
            if (m_buttons.empty())
                continue;
            const QRect inner = m_buttons.back()->geometry().adjusted(2, 2, -2, -2);
            const int innerRight = inner.left() + inner.width();
            const int innerBottom = inner.top() + inner.height();
            if (horizontal)
                m_separators.back() = QRect(innerRight + 4, inner.top(), 2, inner.height());
            else
                m_separators.back() = QRect(inner.left(), innerBottom + 4, inner.width(), 2);
            offset += 6;
        }
    }
    setButtonToolTips(m_tips.join(QLatin1Char('|')));

    if (!m_buttons.empty())
        resize(sizeHint());
    updateGeometry();
    update();
    return true;
}

void Toolbar::setButtonToolTips(const QString &text)
{
    m_tips = text.split(QLatin1Char('|'));
    for (ToolbarButton *button : m_buttons) {
        // A button with an action shows the action's tooltip.
        if (button->action())
            continue;
        const int i = button->index();
        button->setToolTip(i <= m_tips.size() ? m_tips.at(i - 1) : QString());
        button->setAccessibleName(button->toolTip());
    }
}

QString Toolbar::buttonToolTip(int index) const
{
    if (validIndex(index))
        return at(index)->toolTip();
    return index >= 1 && index <= m_tips.size() ? m_tips.at(index - 1) : QString();
}

void Toolbar::setButtonAction(int index, QAction *action)
{
    if (!validIndex(index))
        return;
    at(index)->setAction(action);
    if (!action)
        setButtonToolTips(m_tips.join(QLatin1Char('|')));
}

QAction *Toolbar::buttonAction(int index) const
{
    return validIndex(index) ? at(index)->action() : nullptr;
}

QAbstractButton *Toolbar::button(int index) const
{
    return validIndex(index) ? at(index) : nullptr;
}

void Toolbar::setButtonEnabled(int index, bool enabled)
{
    if (!validIndex(index))
        return;
    at(index)->setEnabled(enabled);
    if (!enabled && m_focus == index) {
        // The mark moves on to the next enabled button, or back to the one before.
        const int next = enabledNeighbour(index, 1);
        setFocusButton(next != index ? next : enabledNeighbour(index, -1));
        if (m_focus == index)
            m_focus = 0;
    }
}

bool Toolbar::isButtonEnabled(int index) const
{
    return validIndex(index) && at(index)->isEnabled();
}

void Toolbar::setButtonChecked(int index, bool checked)
{
    if (!validIndex(index))
        return;
    const QSignalBlocker silent(at(index));
    at(index)->setChecked(checked);
}

void Toolbar::toggleButton(int index)
{
    if (validIndex(index))
        at(index)->toggle();
}

bool Toolbar::isButtonChecked(int index) const
{
    return validIndex(index) && at(index)->isChecked();
}

Toolbar::ButtonKind Toolbar::buttonKind(int index) const
{
    return validIndex(index) ? at(index)->kind() : ButtonKind::Push;
}

Toolbar::ButtonLook Toolbar::buttonLook(int index) const
{
    return validIndex(index) ? at(index)->look() : ButtonLook::Flat;
}

QRect Toolbar::buttonRect(int index) const
{
    return validIndex(index) ? at(index)->geometry() : QRect();
}

QRect Toolbar::separatorRect(int index) const
{
    return validIndex(index) ? m_separators[size_t(index - 1)] : QRect();
}

int Toolbar::hotButton() const
{
    for (const ToolbarButton *button : m_buttons)
        if (button->look() == ButtonLook::Hot)
            return button->index();
    return 0;
}

void Toolbar::activateButton(int index)
{
    if (validIndex(index))
        at(index)->click();
}

void Toolbar::releaseOthers(const ToolbarButton *pressed)
{
    for (ToolbarButton *button : m_buttons)
        if (button != pressed)
            button->setDown(false);
}

// ---- properties -------------------------------------------------------------------

void Toolbar::setBackgroundColor(const QColor &color)
{
    if (m_backgroundColor == color)
        return;
    m_backgroundColor = color;
    rebuildTools();
    update();
    emit backgroundColorChanged(color);
}

void Toolbar::setOrientation(Qt::Orientation orientation)
{
    if (m_orientation == orientation)
        return;
    m_orientation = orientation;
    update();
    emit orientationChanged(orientation);
}

void Toolbar::setEdgeVisible(bool on)
{
    if (m_edgeVisible == on)
        return;
    m_edgeVisible = on;
    update();
    emit edgeVisibleChanged(on);
}

void Toolbar::setGradient(bool on)
{
    if (m_gradient == on)
        return;
    m_gradient = on;
    update();
    emit gradientChanged(on);
}

void Toolbar::setGradientTop(const QColor &color)
{
    if (m_gradientTop == color)
        return;
    m_gradientTop = color;
    update();
    emit gradientTopChanged(color);
}

void Toolbar::setGradientBottom(const QColor &color)
{
    if (m_gradientBottom == color)
        return;
    m_gradientBottom = color;
    update();
    emit gradientBottomChanged(color);
}

QSize Toolbar::sizeHint() const
{
    if (m_buttons.empty())
        return QSize(m_buttonSize + 1, m_buttonSize + 1);
    const QRect r = m_buttons.back()->geometry();
    return QSize(r.left() + r.width() + 1, r.top() + r.height() + 1);
}

QSize Toolbar::minimumSizeHint() const
{
    return sizeHint();
}

void Toolbar::rebuildTools()
{
    m_back = m_backgroundColor;
    if (!m_back.isValid())
        m_back = QColor(240, 240, 240);
    m_highlight = shifted(m_back, 63);
    m_shadow = shifted(m_back, -64);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, m_highlight);
    setPalette(pal);
}

// ---- drawing ----------------------------------------------------------------------

void Toolbar::setGradientReference(QWidget *reference)
{
    if (m_gradientReference == reference)
        return;
    m_gradientReference = reference;
    update();
}

void Toolbar::paintBackground(QPainter &painter, const QRect &area) const
{
    if (m_gradient) {
        int top = 0;
        int height = this->height();
        if (m_gradientReference && m_gradientReference->isAncestorOf(this)) {
            top = -mapTo(m_gradientReference.data(), QPoint(0, 0)).y();
            height = m_gradientReference->height();
        } else if (m_orientation == Qt::Vertical && parentWidget()) {
            // A vertical bar runs the gradient over the height of what holds it.
            top = -y();
            height = parentWidget()->height();
        }
        painter.save();
        painter.setClipRect(area);
        fillLinearGradient(painter, 0, top, width(), top + height, m_gradientTop, m_gradientBottom,
                           true);
        painter.restore();
    } else {
        painter.fillRect(area, m_back);
    }
}

void Toolbar::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintBackground(painter, event->rect());
    for (const QRect &s : m_separators) {
        if (s.isEmpty())
            continue;
        if (m_orientation == Qt::Horizontal) {
            painter.setPen(m_shadow);
            painter.drawLine(s.left(), s.top(), s.left(), s.bottom());
            painter.setPen(m_highlight);
            painter.drawLine(s.right(), s.top(), s.right(), s.bottom());
        } else {
            painter.setPen(m_shadow);
            painter.drawLine(s.left(), s.top(), s.right(), s.top());
            painter.setPen(m_highlight);
            painter.drawLine(s.left(), s.bottom(), s.right(), s.bottom());
        }
    }
    if (m_edgeVisible) {
        const QRect r = rect();
        painter.setPen(m_highlight);
        painter.drawLine(r.left(), r.top(), r.right(), r.top());
        painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
        painter.setPen(m_shadow);
        painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
    }
}

// ---- keyboard ---------------------------------------------------------------------

int Toolbar::enabledNeighbour(int index, int step) const
{
    for (int i = index + step; i >= 1 && i <= buttonCount(); i += step)
        if (at(i)->isEnabled())
            return i;
    return index;
}

void Toolbar::setFocusButton(int index)
{
    if (index == m_focus || !validIndex(index) || !at(index)->isEnabled())
        return;
    if (validIndex(m_focus)) {
        // A button held down with Space lets go when the mark leaves it.
        at(m_focus)->setDown(false);
        at(m_focus)->update();
    }
    m_focus = index;
    at(index)->update();
    announceFocusButton();
}

void Toolbar::announceFocusButton()
{
    if (hasFocus() && validIndex(m_focus) && QAccessible::isActive()) {
        QAccessibleEvent ev(at(m_focus), QAccessible::Focus);
        QAccessible::updateAccessibility(&ev);
    }
}

void Toolbar::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        setFocusButton(enabledNeighbour(m_focus, -1));
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        setFocusButton(enabledNeighbour(m_focus, 1));
        break;
    case Qt::Key_Home:
        setFocusButton(enabledNeighbour(0, 1));
        break;
    case Qt::Key_End:
        setFocusButton(enabledNeighbour(buttonCount() + 1, -1));
        break;
    case Qt::Key_Space:
        // The marked button takes Space as a focused button would: down on the press,
        // clicked on the release.
        if (validIndex(m_focus))
            QCoreApplication::sendEvent(at(m_focus), event);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            activateButton(m_focus);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void Toolbar::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && validIndex(m_focus)) {
        QCoreApplication::sendEvent(at(m_focus), event);
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void Toolbar::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (!validIndex(m_focus) || !at(m_focus)->isEnabled()) {
        m_focus = 0;
        setFocusButton(enabledNeighbour(0, 1));
    } else {
        at(m_focus)->update();
        announceFocusButton();
    }
}

void Toolbar::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (validIndex(m_focus)) {
        at(m_focus)->setDown(false);
        at(m_focus)->update();
    }
}

void Toolbar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::StyleChange)
        rebuildTools();
    QWidget::changeEvent(event);
}

} // namespace Velloquin

#include "toolbar.moc"
