// SPDX-License-Identifier: MIT
#include "toolbar.h"

#include "colournumbers.h"
#include "gradient.h"
#include "toolbaraccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QHelpEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QToolTip>

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

void verticalGradient(QPainter &painter, const QRect &r, const QColor &top, const QColor &bottom)
{
    fillLinearGradient(painter, r.left(), r.top(), r.left() + r.width(), r.top() + r.height(),
                       numberFromColour(top), numberFromColour(bottom), true);
}

} // namespace

Toolbar::Toolbar(QWidget *parent) : QWidget(parent)
{
    installToolbarAccessibility();
    setMouseTracking(true);
    // Tab reaches the bar, a click does not take the focus from the box being edited.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    rebuildTools();
}

Toolbar::~Toolbar() = default;

QColor Toolbar::defaultBackgroundColor()
{
    return systemColour(15);
}

bool Toolbar::build(const QImage &strip, const QColor &maskColour, int imageSize,
                    const QString &layout)
{
    m_images.clear();
    m_disabledImages.clear();
    m_buttons.clear();
    m_hot = 0;
    m_focus = 0;
    m_held = Qt::NoButton;
    m_imageSize = qMax(1, imageSize);
    m_buttonSize = m_imageSize + 7;
    if (strip.isNull()) {
        update();
        return false;
    }

    // Cut the strip into images, turning the mask colour transparent.
    QImage argb = strip.convertToFormat(QImage::Format_ARGB32);
    if (maskColour.isValid()) {
        const QRgb maskRgb = maskColour.rgb() & 0xFFFFFF;
        for (int y = 0; y < argb.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(argb.scanLine(y));
            for (int x = 0; x < argb.width(); ++x)
                if ((line[x] & 0xFFFFFF) == maskRgb)
                    line[x] = 0;
        }
    }
    const int count = argb.width() / m_imageSize;
    QStyleOption option;
    option.initFrom(this);
    for (int i = 0; i < count; ++i) {
        QImage piece = argb.copy(i * m_imageSize, 0, m_imageSize, m_imageSize);
        QPixmap pixmap = QPixmap::fromImage(piece);
        m_images.push_back(pixmap);
        m_disabledImages.push_back(style()->generatedIconPixmap(QIcon::Disabled, pixmap, &option));
    }

    const QString kinds = layout.isEmpty() ? QString(count, QLatin1Char('N')) : layout;
    const bool horizontal = m_orientation == Qt::Horizontal;
    int offset = 0;
    for (const QChar ch : kinds) {
        const QChar c = ch.toUpper();
        if (c == QLatin1Char('N') || c == QLatin1Char('C') || c == QLatin1Char('O')) {
            Button b;
            b.kind = c == QLatin1Char('N')   ? ButtonKind::Push
                     : c == QLatin1Char('C') ? ButtonKind::Check
                                             : ButtonKind::Option;
            b.enabled = isEnabled();
            // Right and bottom are exclusive: a horizontal button is one pixel shorter
            // than it is wide, and every button sits one pixel right of and below its slot.
            if (horizontal)
                b.outer = QRect(offset + 1, 1, m_buttonSize, m_buttonSize - 1);
            else
                b.outer = QRect(1, offset + 1, m_buttonSize - 1, m_buttonSize);
            m_buttons.push_back(b);
            offset += m_buttonSize;
        } else if (c == QLatin1Char('|')) {
            // A separator before the first button has nothing to follow and is dropped.
            if (m_buttons.empty())
                continue;
            Button &last = m_buttons.back();
            const QRect inner = last.outer.adjusted(2, 2, -2, -2);
            const int innerRight = inner.left() + inner.width();
            const int innerBottom = inner.top() + inner.height();
            if (horizontal)
                last.separator = QRect(innerRight + 4, inner.top(), 2, inner.height());
            else
                last.separator = QRect(inner.left(), innerBottom + 4, inner.width(), 2);
            offset += 6;
        }
    }

    if (!m_buttons.empty()) {
        const QRect &r = m_buttons.back().outer;
        resize(r.left() + r.width() + 1, r.top() + r.height() + 1);
    }
    updateGeometry();
    update();
    return true;
}

void Toolbar::setButtonToolTips(const QString &text)
{
    m_tips = text.split(QLatin1Char('|'));
}

QString Toolbar::buttonToolTip(int index) const
{
    return index >= 1 && index <= m_tips.size() ? m_tips.at(index - 1) : QString();
}

void Toolbar::setButtonEnabled(int index, bool enabled)
{
    if (!validIndex(index))
        return;
    Button &b = button(index);
    if (b.enabled == enabled)
        return;
    b.enabled = enabled;
    if (!enabled) {
        // A disabled button loses any hover or press it had.
        if (!b.checked)
            b.look = ButtonLook::Flat;
        b.inside = false;
        if (m_hot == index) {
            m_hot = 0;
            m_held = Qt::NoButton;
        }
        if (m_focus == index) {
            const int next = enabledNeighbour(index, 1);
            setFocusButton(next != index ? next : enabledNeighbour(index, -1));
            if (m_focus == index)
                m_focus = 0;
        }
    }
    redrawButton(index);
}

bool Toolbar::isButtonEnabled(int index) const
{
    return validIndex(index) && button(index).enabled;
}

void Toolbar::setButtonChecked(int index, bool checked)
{
    if (!validIndex(index) || button(index).kind == ButtonKind::Push)
        return;
    Button &b = button(index);
    if (b.checked == checked)
        return;
    b.checked = checked;
    b.look = checked ? ButtonLook::Pressed : ButtonLook::Flat;
    redrawButton(index);
}

void Toolbar::toggleButton(int index)
{
    if (!validIndex(index) || button(index).kind == ButtonKind::Push)
        return;
    setButtonChecked(index, !button(index).checked);
    emit buttonToggled(index, button(index).checked);
}

bool Toolbar::isButtonChecked(int index) const
{
    return validIndex(index) && button(index).checked;
}

Toolbar::ButtonKind Toolbar::buttonKind(int index) const
{
    return validIndex(index) ? button(index).kind : ButtonKind::Push;
}

Toolbar::ButtonLook Toolbar::buttonLook(int index) const
{
    return validIndex(index) ? button(index).look : ButtonLook::Flat;
}

QRect Toolbar::buttonRect(int index) const
{
    return validIndex(index) ? button(index).outer : QRect();
}

QRect Toolbar::separatorRect(int index) const
{
    return validIndex(index) ? button(index).separator : QRect();
}

void Toolbar::activateButton(int index)
{
    if (!validIndex(index) || !button(index).enabled)
        return;
    Button &b = button(index);
    if (b.kind == ButtonKind::Push) {
        emit buttonClicked(index);
    } else if (b.kind == ButtonKind::Check) {
        toggleButton(index);
    } else if (!b.checked) {
        b.checked = true;
        b.look = ButtonLook::Pressed;
        uncheckGroupOf(index);
        redrawButton(index);
        emit buttonToggled(index, true);
    }
}

// ---- properties -------------------------------------------------------------------

void Toolbar::setBackgroundColor(const QColor &colour)
{
    if (m_backgroundColor == colour)
        return;
    m_backgroundColor = colour;
    rebuildTools();
    update();
    emit backgroundColorChanged(colour);
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

void Toolbar::setGradientTop(const QColor &colour)
{
    if (m_gradientTop == colour)
        return;
    m_gradientTop = colour;
    update();
    emit gradientTopChanged(colour);
}

void Toolbar::setGradientBottom(const QColor &colour)
{
    if (m_gradientBottom == colour)
        return;
    m_gradientBottom = colour;
    update();
    emit gradientBottomChanged(colour);
}

QSize Toolbar::sizeHint() const
{
    if (m_buttons.empty())
        return QSize(m_buttonSize + 1, m_buttonSize + 1);
    const QRect &r = m_buttons.back().outer;
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
        fillLinearGradient(painter, 0, top, width(), top + height, numberFromColour(m_gradientTop),
                           numberFromColour(m_gradientBottom), true);
        painter.restore();
    } else {
        painter.fillRect(area, m_back);
    }
}

void Toolbar::paintButton(QPainter &painter, int index) const
{
    const Button &b = button(index);
    const QRect outer = b.outer;
    // Flat buttons show the bar behind them, which paintBackground has already drawn.
    if (b.look == ButtonLook::Hot) {
        verticalGradient(painter, outer, QColor::fromRgb(HotTop), QColor::fromRgb(HotBottom));
        painter.setPen(m_shadow);
        painter.drawRect(outer.adjusted(0, 0, -1, -1));
    } else if (b.look == ButtonLook::Pressed) {
        verticalGradient(painter, outer, QColor::fromRgb(PressedTop),
                         QColor::fromRgb(PressedBottom));
        const int l = outer.left(), t = outer.top();
        const int r = outer.right(), bt = outer.bottom();
        painter.setPen(m_shadow);
        painter.drawLine(l, t, r, t);
        painter.drawLine(l, t, l, bt);
        painter.setPen(m_highlight);
        painter.drawLine(l, bt, r, bt);
        painter.drawLine(r, t, r, bt);
    }

    if (size_t(index - 1) < m_images.size()) {
        const int shift = b.look == ButtonLook::Pressed ? 4 : 3;
        const QPixmap &image =
            b.enabled ? m_images[size_t(index - 1)] : m_disabledImages[size_t(index - 1)];
        painter.drawPixmap(outer.left() + shift, outer.top() + shift, image);
    }

    if (!b.separator.isEmpty()) {
        const QRect &s = b.separator;
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
}

void Toolbar::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintBackground(painter, event->rect());
    for (int i = 1; i <= buttonCount(); ++i) {
        const Button &b = button(i);
        if (event->rect().intersects(b.outer.united(b.separator)))
            paintButton(painter, i);
    }
    if (hasFocus() && validIndex(m_focus))
        paintFocusMark(painter, button(m_focus).outer);
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

void Toolbar::paintFocusMark(QPainter &painter, const QRect &outer) const
{
    // A dotted frame just inside the button, dark on the light bar and on lit buttons.
    painter.save();
    QPen pen(QColor(0, 0, 0), 1, Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outer.adjusted(1, 1, -2, -2));
    painter.restore();
}

void Toolbar::redrawButton(int index)
{
    if (validIndex(index))
        update(button(index).outer.united(button(index).separator));
}

// ---- mouse ------------------------------------------------------------------------

int Toolbar::buttonAt(const QPoint &pos) const
{
    for (int i = 1; i <= buttonCount(); ++i)
        if (button(i).enabled && button(i).outer.contains(pos))
            return i;
    return 0;
}

void Toolbar::clearHot()
{
    if (m_hot == 0)
        return;
    const int index = m_hot;
    m_hot = 0;
    Button &b = button(index);
    const ButtonLook oldLook = b.look;
    const bool oldInside = b.inside;
    b.inside = false;
    if (!b.checked)
        b.look = ButtonLook::Flat;
    if (b.look != oldLook || b.inside != oldInside)
        redrawButton(index);
}

void Toolbar::setHot(int index)
{
    if (index == m_hot)
        return;
    clearHot();
    m_hot = index;
}

void Toolbar::mouseStep(int index, Step step, Qt::MouseButton heldButton, const QPoint &pos)
{
    if (!validIndex(index) || !button(index).enabled)
        return;
    Button &b = button(index);
    const ButtonLook oldLook = b.look;
    const bool oldChecked = b.checked;
    const bool oldInside = b.inside;

    switch (step) {
    case Step::Press:
        b.inside = true;
        if (heldButton == Qt::LeftButton)
            b.look = ButtonLook::Pressed;
        break;
    case Step::Move:
        b.inside = b.outer.contains(pos);
        if (b.inside && heldButton == Qt::LeftButton)
            b.look = ButtonLook::Pressed;
        else if (b.inside && heldButton == Qt::NoButton)
            b.look = b.checked ? ButtonLook::Pressed : ButtonLook::Hot;
        else if (!b.inside)
            b.look = b.checked ? ButtonLook::Pressed : ButtonLook::Flat;
        break;
    case Step::Release:
        b.inside = b.outer.contains(pos);
        if (b.inside && heldButton == Qt::LeftButton) {
            if (b.kind == ButtonKind::Check) {
                b.checked = !b.checked;
                b.look = b.checked ? ButtonLook::Pressed : ButtonLook::Flat;
            } else if (b.kind == ButtonKind::Option) {
                b.checked = true;
                b.look = ButtonLook::Pressed;
                uncheckGroupOf(index);
            } else {
                // The pointer is still over the button: show it lit, ready for the next click.
                b.look = ButtonLook::Hot;
            }
        } else if (!b.checked) {
            b.look = b.inside ? ButtonLook::Hot : ButtonLook::Flat;
        }
        break;
    }

    const bool changed = b.look != oldLook || b.checked != oldChecked || b.inside != oldInside;
    if (!changed)
        return;
    redrawButton(index);
    if (!b.inside || heldButton != Qt::LeftButton)
        return;
    // A push button reports its press; check and option buttons report the change of
    // state on the release, once per click however the pointer wandered meanwhile.
    if (b.kind == ButtonKind::Push && step == Step::Press)
        emit buttonClicked(index);
    else if (b.kind != ButtonKind::Push && step == Step::Release && b.checked != oldChecked)
        emit buttonToggled(index, b.checked);
}

void Toolbar::uncheckGroupOf(int index)
{
    // The group runs to the nearest separator on each side: a separator after a button
    // closes the group that button belongs to.
    for (int i = index - 1; i >= 1 && button(i).separator.isEmpty(); --i) {
        Button &b = button(i);
        if (b.kind == ButtonKind::Option && b.checked) {
            b.checked = false;
            b.look = ButtonLook::Flat;
            redrawButton(i);
        }
    }
    for (int i = index; i < buttonCount() && button(i).separator.isEmpty(); ++i) {
        Button &b = button(i + 1);
        if (b.kind == ButtonKind::Option && b.checked) {
            b.checked = false;
            b.look = ButtonLook::Flat;
            redrawButton(i + 1);
        }
    }
}

void Toolbar::forgetHeldButton()
{
    if (m_held == Qt::NoButton)
        return;
    m_held = Qt::NoButton;
    clearHot();
}

void Toolbar::mousePressEvent(QMouseEvent *event)
{
    // Every press begins a click of its own. A button still remembered as held whose
    // release never reached the bar (a dialog opened by the click took it, or the window
    // lost the mouse) is forgotten first, so the press is not swallowed.
    if (m_held != Qt::NoButton && (m_held == event->button() || !(event->buttons() & m_held)))
        forgetHeldButton();
    if (m_held != Qt::NoButton)
        return;
    const QPoint pos = event->position().toPoint();
    if (m_hot == 0 || !button(m_hot).outer.contains(pos))
        setHot(buttonAt(pos));
    if (m_hot == 0 || !button(m_hot).enabled)
        return;
    m_held = event->button();
    mouseStep(m_hot, Step::Press, m_held, pos);
}

void Toolbar::mouseMoveEvent(QMouseEvent *event)
{
    // A move without the held button down means its release went elsewhere.
    if (m_held != Qt::NoButton && !(event->buttons() & m_held))
        forgetHeldButton();
    const QPoint pos = event->position().toPoint();
    if (m_held == Qt::NoButton && (m_hot == 0 || !button(m_hot).outer.contains(pos))) {
        // The pointer left the hot button (or there was none): light up the new one.
        setHot(buttonAt(pos));
    }
    if (m_hot != 0)
        mouseStep(m_hot, Step::Move, m_held, pos);
}

void Toolbar::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_held == Qt::NoButton || event->button() != m_held)
        return;
    const Qt::MouseButton held = m_held;
    m_held = Qt::NoButton;
    if (m_hot != 0)
        mouseStep(m_hot, Step::Release, held, event->position().toPoint());
}

void Toolbar::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second click of a quick double click presses the button again.
    if (event->buttons() & (Qt::RightButton | Qt::MiddleButton))
        return;
    if (event->button() == Qt::LeftButton)
        mousePressEvent(event);
}

void Toolbar::leaveEvent(QEvent *event)
{
    if (m_held == Qt::NoButton)
        clearHot();
    QWidget::leaveEvent(event);
}

void Toolbar::hideEvent(QHideEvent *event)
{
    // A hidden bar gets no release: nothing it shows or remembers outlives the hiding.
    m_held = Qt::NoButton;
    clearHot();
    QWidget::hideEvent(event);
}

// ---- keyboard ---------------------------------------------------------------------

int Toolbar::enabledNeighbour(int index, int step) const
{
    for (int i = index + step; i >= 1 && i <= buttonCount(); i += step)
        if (button(i).enabled)
            return i;
    return index;
}

void Toolbar::setFocusButton(int index)
{
    if (index == m_focus || !validIndex(index) || !button(index).enabled)
        return;
    const int old = m_focus;
    m_focus = index;
    redrawButton(old);
    redrawButton(index);
    if (hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent ev(this, QAccessible::Focus);
        ev.setChild(index - 1);
        QAccessible::updateAccessibility(&ev);
    }
}

void Toolbar::keyPressEvent(QKeyEvent *event)
{
    const int first = enabledNeighbour(0, 1);
    const int last = enabledNeighbour(buttonCount() + 1, -1);
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
        setFocusButton(first);
        break;
    case Qt::Key_End:
        setFocusButton(last);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat() && validIndex(m_focus))
            activateButton(m_focus);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void Toolbar::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (!validIndex(m_focus) || !button(m_focus).enabled) {
        m_focus = 0;
        setFocusButton(enabledNeighbour(0, 1));
    } else if (QAccessible::isActive()) {
        QAccessibleEvent ev(this, QAccessible::Focus);
        ev.setChild(m_focus - 1);
        QAccessible::updateAccessibility(&ev);
    }
    redrawButton(m_focus);
}

void Toolbar::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    redrawButton(m_focus);
}

void Toolbar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        const bool on = isEnabled();
        for (Button &b : m_buttons) {
            b.enabled = on;
            if (!on && !b.checked)
                b.look = ButtonLook::Flat;
        }
        if (!on) {
            m_hot = 0;
            m_held = Qt::NoButton;
        }
        update();
    } else if (event->type() == QEvent::StyleChange) {
        rebuildTools();
    } else if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        // Another window (a dialog) took over: the release of a held button goes there.
        forgetHeldButton();
    }
    QWidget::changeEvent(event);
}

bool Toolbar::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int index = buttonAt(help->pos());
        const QString tip = buttonToolTip(index);
        if (index != 0 && !tip.isEmpty())
            QToolTip::showText(help->globalPos(), tip, this, button(index).outer);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace Velloquin
