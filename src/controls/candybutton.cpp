// SPDX-License-Identifier: MIT
#include "candybutton.h"

#include "colournumbers.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

constexpr qint32 rgbNumber(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

constexpr qint32 kWhite = rgbNumber(255, 255, 255);
constexpr qint32 kBlack = 0;
constexpr qint32 kDisabledFace = rgbNumber(192, 192, 176);

struct Scheme
{
    qint32 up, hover, down, bright;
};

// Colour schemes 1..6.
constexpr Scheme kSchemes[6] = {
    {rgbNumber(32, 103, 208), rgbNumber(80, 153, 233), rgbNumber(16, 103, 160),
     rgbNumber(176, 237, 255)},
    {rgbNumber(96, 144, 208), rgbNumber(0, 96, 224), rgbNumber(80, 128, 169),
     rgbNumber(250, 250, 255)},
    {rgbNumber(0, 0, 128), rgbNumber(0, 0, 160), rgbNumber(0, 0, 240), rgbNumber(0, 0, 255)},
    {rgbNumber(128, 0, 0), rgbNumber(160, 0, 0), rgbNumber(240, 0, 0), rgbNumber(255, 0, 0)},
    {rgbNumber(0, 128, 0), rgbNumber(0, 160, 0), rgbNumber(0, 192, 0), rgbNumber(0, 255, 0)},
    {rgbNumber(128, 128, 0), rgbNumber(160, 160, 0), rgbNumber(192, 192, 0),
     rgbNumber(255, 255, 0)},
};

QColor toColor(qint32 colour)
{
    return colourFromNumber(colour);
}

// The shading of the glossy styles: where the upper band lies, how far from white it starts
// and ends, and how strongly the lower glow takes on the bright colour.
struct Gloss
{
    int bandPercent;  // band height as a share of the button height
    int inset;        // horizontal inset of the band in pixels (negative: a share of the height)
    int startPercent; // BlendColors(white, face, p) at the band's first row ...
    int endPercent;   // ... and at its last row
    int glowPercent;  // strongest blend of face toward the bright colour, at the bottom
};

Gloss glossFor(int style)
{
    switch (style) {
    case 2:
        return {50, 2, 20, 80, 55}; // capsule, soft band over the upper half
    case 3:
        return {36, 3, 0, 90, 10}; // rounded corners, a short bright shine, little glow
    case 4:
        return {40, -25, 0, 65, 85}; // capsule, bright narrow band, strong glow
    case 5:
        return {52, 0, 55, 62, 95}; // capsule, flat glassy upper half, deep glow
    case 7:
        return {50, 1, 10, 55, 45}; // slightly rounded, crisp band
    default:
        return {50, 2, 20, 80, 50};
    }
}

QString stripMnemonic(QString text)
{
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&'))
            text.remove(i, 1); // "&&" keeps one "&"
    }
    return text;
}

// Assistive technology sees a push button named by its caption or tooltip.
class CandyButtonAccessible : public QAccessibleWidget
{
public:
    explicit CandyButtonAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Button) {}

    CandyButton *button() const { return static_cast<CandyButton *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            QString name = widget()->accessibleName();
            if (name.isEmpty())
                name = stripMnemonic(button()->caption());
            if (name.isEmpty())
                name = widget()->toolTip();
            return name;
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (button()->isChecked()) {
            s.checkable = true;
            s.checked = true;
        }
        if (button()->state() == CandyButton::Pressed)
            s.pressed = true;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction()) {
            if (widget()->isEnabled())
                button()->click();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("CandyButton") && object && object->isWidgetType())
        return new CandyButtonAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

CandyButton::CandyButton(QWidget *parent) : QWidget(parent)
{
    init();
}

CandyButton::CandyButton(const QString &caption, QWidget *parent) : QWidget(parent)
{
    init();
    setCaption(caption);
}

CandyButton::~CandyButton() = default;

void CandyButton::init()
{
    static const bool registered = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(registered);
    m_colorUp = rgbNumber(80, 153, 233);
    m_colorHover = rgbNumber(144, 192, 255);
    m_colorDown = rgbNumber(80, 153, 233);
    m_colorBright = rgbNumber(176, 237, 255);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
}

// ---- Colour helpers --------------------------------------------------------------------

void CandyButton::GetRGB(qint32 colour, int &red, int &green, int &blue)
{
    const qint32 plain = plainColourNumber(colour) & 0xFFFFFF;
    red = plain & 0xFF;
    green = (plain >> 8) & 0xFF;
    blue = (plain >> 16) & 0xFF;
}

qint32 CandyButton::BlendColors(qint32 colour1, qint32 colour2, int percent)
{
    const int p = qBound(0, percent, 100);
    int r1, g1, b1, r2, g2, b2;
    GetRGB(colour1, r1, g1, b1);
    GetRGB(colour2, r2, g2, b2);
    const int r = r1 + (r2 - r1) * p / 100;
    const int g = g1 + (g2 - g1) * p / 100;
    const int b = b1 + (b2 - b1) * p / 100;
    return rgbNumber(r, g, b);
}

// ---- Properties ------------------------------------------------------------------------

QString CandyButton::caption() const
{
    return m_captionSet ? m_caption : objectName();
}

void CandyButton::setCaption(const QString &caption)
{
    if (m_captionSet && m_caption == caption)
        return;
    m_caption = caption;
    m_captionSet = true;
    updateShortcut();
    updateGeometry();
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent ev(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&ev);
    }
}

void CandyButton::updateShortcut()
{
    if (m_shortcutId != 0) {
        releaseShortcut(m_shortcutId);
        m_shortcutId = 0;
    }
    const QKeySequence key = QKeySequence::mnemonic(caption());
    if (!key.isEmpty())
        m_shortcutId = grabShortcut(key);
}

void CandyButton::setForeColor(qint32 colour)
{
    if (m_foreColor == colour)
        return;
    m_foreColor = colour;
    update();
}

void CandyButton::setStyle(int style)
{
    if (m_style == style)
        return;
    m_style = style;
    update();
}

void CandyButton::setColorScheme(qint16 scheme)
{
    if (scheme >= 1 && scheme <= 6) {
        const Scheme &s = kSchemes[scheme - 1];
        m_colorUp = s.up;
        m_colorHover = s.hover;
        m_colorDown = s.down;
        m_colorBright = s.bright;
    }
    m_colorScheme = scheme;
    update();
}

void CandyButton::setColorButtonUp(qint32 colour)
{
    m_colorUp = colour;
    m_colorScheme = 0;
    update();
}

void CandyButton::setColorButtonHover(qint32 colour)
{
    m_colorHover = colour;
    m_colorScheme = 0;
    update();
}

void CandyButton::setColorButtonDown(qint32 colour)
{
    m_colorDown = colour;
    m_colorScheme = 0;
    update();
}

void CandyButton::setColorBright(qint32 colour)
{
    m_colorBright = colour;
    m_colorScheme = 0;
    update();
}

void CandyButton::setBorderBrightness(qint16 percent)
{
    if (m_borderBrightness == percent)
        return;
    m_borderBrightness = percent;
    update();
}

void CandyButton::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    updateGeometry();
    update();
}

void CandyButton::setPictureAlignment(int alignment)
{
    if (m_pictureAlignment == alignment)
        return;
    m_pictureAlignment = alignment;
    update();
}

void CandyButton::setIconHighLite(bool on)
{
    if (m_iconHighLite == on)
        return;
    m_iconHighLite = on;
    update();
}

void CandyButton::setIconHighLiteColor(qint32 colour)
{
    if (m_iconHighLiteColor == colour)
        return;
    m_iconHighLiteColor = colour;
    update();
}

void CandyButton::setCaptionHighLite(bool on)
{
    if (m_captionHighLite == on)
        return;
    m_captionHighLite = on;
    update();
}

void CandyButton::setCaptionHighLiteColor(qint32 colour)
{
    if (m_captionHighLiteColor == colour)
        return;
    m_captionHighLiteColor = colour;
    update();
}

void CandyButton::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    if (!checked)
        m_drawState = m_mouseInside ? Hover : Normal;
    update();
    emit checkedChanged(checked);
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent ev(this, changed);
        QAccessible::updateAccessibility(&ev);
    }
}

void CandyButton::setDisplayHand(bool on)
{
    m_displayHand = on;
    if (on)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

CandyButton::State CandyButton::state() const
{
    return m_checked ? CheckedState : m_drawState;
}

void CandyButton::setDrawState(State state)
{
    if (m_drawState == state)
        return;
    m_drawState = state;
    if (!m_checked)
        update();
}

QSize CandyButton::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    const QSize text = fm.size(Qt::TextShowMnemonic, caption());
    int w = text.width() + 28;
    int h = qMax(25, text.height() + 12);
    if (!m_picture.isNull()) {
        const QSize p = m_picture.deviceIndependentSize().toSize();
        if (m_pictureAlignment == 0 || m_pictureAlignment == 1) {
            w = qMax(w, p.width() + 16);
            h = qMax(h, text.height() + p.height() + 14);
        } else {
            w += p.width() + 12;
            h = qMax(h, p.height() + 8);
        }
    }
    return QSize(w, h);
}

QSize CandyButton::minimumSizeHint() const
{
    return QSize(16, 16);
}

// ---- State changes -----------------------------------------------------------------------

void CandyButton::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (!hitButton(pos)) {
        // The rounded corners are not part of the button.
        event->ignore();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        setDrawState(Pressed);
    }
    emit mouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
}

void CandyButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    emit mouseMove(event->buttons(), event->modifiers(), pos.x(), pos.y());
    const bool inside = rect().contains(pos);
    if (m_pressed && !(event->buttons() & Qt::LeftButton)) {
        // The release of the last press went elsewhere (a dialog opened meanwhile): the
        // button stops looking pressed.
        m_pressed = false;
        m_mouseInside = false;
    }
    if (event->buttons() & Qt::LeftButton) {
        if (!inside) {
            m_mouseInside = false;
            setDrawState(Normal);
        } else if (m_pressed) {
            // Back over the button with the button still held: a release now clicks.
            setDrawState(Pressed);
        }
    } else if (inside && !m_mouseInside) {
        mouseEntered();
    }
}

void CandyButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const bool inside = hitButton(pos);
    const bool click = event->button() == Qt::LeftButton && m_pressed && inside;
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    if (inside)
        setDrawState(Hover);
    else if (hasFocus())
        setDrawState(Focused);
    else
        setDrawState(Normal);
    emit mouseUp(event->button(), event->modifiers(), pos.x(), pos.y());
    if (click)
        emit clicked();
}

void CandyButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (!hitButton(pos)) {
        event->ignore();
        return;
    }
    // The second press of a double click is no new click: its release raises MouseUp only.
    setDrawState(Pressed);
    emit doubleClicked();
}

void CandyButton::mouseEntered()
{
    m_mouseInside = true;
    if (!m_enterReported) {
        m_enterReported = true;
        emit mouseEnter();
    }
    setDrawState(Hover);
}

void CandyButton::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    if (!isEnabled() || m_mouseInside)
        return;
    if (event->buttons() & Qt::LeftButton)
        return;
    mouseEntered();
}

void CandyButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    const bool wasInside = m_mouseInside;
    m_mouseInside = false;
    // Dragging out with the button held already cleared the flag; the leave that follows
    // the release still pairs with the MouseEnter raised before.
    if (m_enterReported) {
        m_enterReported = false;
        emit mouseLeave();
    }
    if (wasInside || m_drawState == Hover)
        setDrawState(hasFocus() ? Focused : Normal);
}

void CandyButton::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // A hidden button gets no release; shown again it starts afresh.
    m_pressed = false;
    m_keyPressed = false;
    m_mouseInside = false;
    if (m_drawState == Pressed || m_drawState == Hover)
        m_drawState = Normal;
}

void CandyButton::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (!m_mouseInside && m_drawState != Pressed)
        setDrawState(Focused);
}

void CandyButton::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_keyPressed = false;
    setDrawState(Normal);
}

void CandyButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        m_keyPressed = true;
        setDrawState(Pressed);
        emit mouseDown(Qt::LeftButton, event->modifiers(), 0, 0);
    }
}

void CandyButton::keyReleaseEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!m_keyPressed)
        return;
    m_keyPressed = false;
    setDrawState(m_mouseInside ? Hover : hasFocus() ? Focused : Normal);
    emit mouseUp(Qt::LeftButton, event->modifiers(), 0, 0);
    emit clicked();
}

void CandyButton::click()
{
    if (!isEnabled())
        return;
    setDrawState(Pressed);
    emit mouseDown(Qt::LeftButton, Qt::NoModifier, 0, 0);
    setDrawState(m_mouseInside ? Hover : hasFocus() ? Focused : Normal);
    emit mouseUp(Qt::LeftButton, Qt::NoModifier, 0, 0);
    emit clicked();
}

bool CandyButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        auto *shortcut = static_cast<QShortcutEvent *>(event);
        if (shortcut->shortcutId() == m_shortcutId) {
            if (isEnabled()) {
                if (focusPolicy() != Qt::NoFocus)
                    setFocus(Qt::ShortcutFocusReason);
                click();
            }
            return true;
        }
    }
    return QWidget::event(event);
}

void CandyButton::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        if (!isEnabled()) {
            m_pressed = false;
            m_keyPressed = false;
            m_mouseInside = false;
            m_enterReported = false;
            m_drawState = Normal;
        }
        update();
        break;
    case QEvent::FontChange:
        updateGeometry();
        update();
        break;
    default:
        break;
    }
}

// ---- Drawing ---------------------------------------------------------------------------

QPainterPath CandyButton::shapePath() const
{
    const QRectF r(0, 0, width(), height());
    const int h = height();
    qreal radius = 0;
    switch (m_style) {
    case 3:
        radius = 12;
        break;
    case 6:
        radius = h / 3;
        break;
    case 7:
        radius = h / 4 + 1;
        break;
    case 2:
    case 4:
    case 5:
        radius = h / 2 + 1;
        break;
    default:
        break;
    }
    QPainterPath path;
    if (radius <= 0) {
        path.addRect(r);
    } else {
        radius = qMin(radius, qMin(r.width(), r.height()) / 2);
        path.addRoundedRect(r, radius, radius);
    }
    return path;
}

// The keyboard focus on the rectangular styles: a dotted frame inside the edge.
void CandyButton::drawFocusFrame(QPainter &painter, State state, qint32 face, qint32 bright) const
{
    if (state != Focused || width() < 8 || height() < 8)
        return;
    QPen pen(toColor(BlendColors(face, bright, 85)), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(3, 3, width() - 7, height() - 7);
}

bool CandyButton::hitButton(const QPoint &pos) const
{
    if (!rect().contains(pos))
        return false;
    if (m_style < 2)
        return true;
    return shapePath().contains(QPointF(pos) + QPointF(0.5, 0.5));
}

void CandyButton::drawFace(QPainter &painter, State state) const
{
    const int w = width();
    const int h = height();
    if (w <= 0 || h <= 0)
        return;
    const bool enabled = isEnabled();
    qint32 face = state == Hover                                ? m_colorHover
                  : (state == Pressed || state == CheckedState) ? m_colorDown
                                                                : m_colorUp;
    qint32 bright = m_colorBright;
    if (!enabled) {
        face = kDisabledFace;
        bright = kWhite;
    }
    const qint32 edge = m_borderBrightness >= 0
                            ? BlendColors(face, kWhite, m_borderBrightness)
                            : BlendColors(face, kBlack, -int(m_borderBrightness));
    const QPainterPath shape = shapePath();
    painter.setRenderHint(QPainter::Antialiasing, true);

    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(toColor(face));
    QPainter ip(&img);
    auto row = [&](int y, qint32 colour) { ip.fillRect(QRect(0, y, w, 1), toColor(colour)); };
    const bool down = state == Pressed || state == CheckedState;

    switch (m_style) {
    case 0: {
        // Smooth top-to-bottom shading with a bright top and a darker foot.
        for (int y = 0; y < h; ++y) {
            const int p = h > 1 ? y * 100 / (h - 1) : 0;
            const qint32 c =
                p < 50 ? BlendColors(BlendColors(face, bright, down ? 20 : 55), face, p * 2)
                       : BlendColors(face, kBlack, (p - 50) * (down ? 10 : 30) / 50);
            row(y, c);
        }
        ip.end();
        painter.drawImage(0, 0, img);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(toColor(BlendColors(face, kBlack, 45)));
        painter.drawRect(0, 0, w - 1, h - 1);
        painter.setPen(toColor(BlendColors(face, kWhite, down ? 10 : 45)));
        painter.drawLine(1, 1, w - 2, 1);
        drawFocusFrame(painter, state, face, bright);
        return;
    }
    case 1: {
        // A flat face with a bevel: light above and left, dark below and right; pressed or
        // checked turns the bevel in.
        ip.end();
        painter.drawImage(0, 0, img);
        painter.setRenderHint(QPainter::Antialiasing, false);
        const QColor light = toColor(BlendColors(face, bright, 70));
        const QColor mid = toColor(BlendColors(face, bright, 35));
        const QColor dark = toColor(BlendColors(face, kBlack, 50));
        const QColor darker = toColor(BlendColors(face, kBlack, 70));
        const QColor tl1 = down ? darker : light;
        const QColor br1 = down ? light : darker;
        const QColor tl2 = down ? dark : mid;
        const QColor br2 = down ? mid : dark;
        auto bevel = [&](int i, const QColor &tl, const QColor &br) {
            painter.setPen(tl);
            painter.drawLine(i, i, w - 2 - i, i);
            painter.drawLine(i, i, i, h - 2 - i);
            painter.setPen(br);
            painter.drawLine(i, h - 1 - i, w - 1 - i, h - 1 - i);
            painter.drawLine(w - 1 - i, i, w - 1 - i, h - 1 - i);
        };
        bevel(0, tl1, br1);
        bevel(1, tl2, br2);
        drawFocusFrame(painter, state, face, bright);
        return;
    }
    case 6: {
        // A rounded face in the state colour with a faint bright rim at the top.
        ip.end();
        painter.fillPath(shape, toColor(face));
        painter.save();
        painter.setClipPath(shape);
        painter.setPen(QPen(toColor(BlendColors(face, bright, 45)), 1));
        const qreal radius = qMin<qreal>(h / 3, qMin(w, h) / 2.0);
        painter.drawLine(QPointF(radius, 1.5), QPointF(w - radius, 1.5));
        painter.restore();
        painter.setPen(QPen(toColor(edge), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(QTransform::fromTranslate(0.5, 0.5).map(
            QTransform::fromScale((w - 1.0) / w, (h - 1.0) / h).map(shape)));
        if (state == Focused) {
            painter.setPen(QPen(toColor(BlendColors(face, bright, 75)), 1, Qt::DotLine));
            painter.drawRoundedRect(QRectF(3.5, 3.5, w - 7, h - 7), radius - 3, radius - 3);
        }
        return;
    }
    default:
        break;
    }

    // The glossy styles 2, 3, 4, 5 and 7.
    const Gloss g = glossFor(m_style);
    // Lower glow toward the bright colour.
    const int glowTop = h / 2;
    for (int y = glowTop; y < h; ++y) {
        const int span = qMax(1, h - 1 - glowTop);
        const int p = (y - glowTop) * g.glowPercent / span;
        row(y, BlendColors(face, bright, down ? p / 2 : p));
    }
    // Upper gloss band, row by row from near white toward the face colour.
    const int bandHeight = qMax(1, h * g.bandPercent / 100);
    const int inset = g.inset >= 0 ? g.inset : h * -g.inset / 100;
    QImage band(w, bandHeight, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter bp(&band);
        for (int y = 0; y < bandHeight; ++y) {
            const int p =
                g.startPercent + (g.endPercent - g.startPercent) * y / qMax(1, bandHeight - 1);
            const int strength = down ? qMin(100, p + 25) : p;
            bp.fillRect(QRect(0, y, w, 1), toColor(BlendColors(kWhite, face, strength)));
        }
    }
    const QRectF bandRect(inset, 1, w - 2 * inset, bandHeight);
    qreal bandRadius = 0;
    const QPainterPath outer = shape;
    {
        // The band follows the outline at its top and ends straight at its foot.
        QPainterPath bandPath;
        const qreal r = qMin(bandRect.height(), bandRect.width() / 2);
        bandRadius = m_style == 3 ? qMin<qreal>(10, r) : m_style == 7 ? qMin<qreal>(h / 4, r) : r;
        bandPath.addRoundedRect(bandRect, bandRadius, bandRadius);
        QPainterPath foot;
        foot.addRect(QRectF(bandRect.left(), bandRect.top() + bandRadius, bandRect.width(),
                            bandRect.height() - bandRadius));
        bandPath = bandPath.united(foot).intersected(outer);
        ip.setRenderHint(QPainter::Antialiasing, true);
        ip.setPen(Qt::NoPen);
        ip.setBrush(QBrush(band));
        ip.setBrushOrigin(0, 1);
        ip.drawPath(bandPath);
    }
    ip.end();

    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(img));
    painter.drawPath(shape);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(toColor(edge), 1));
    const qreal radius = m_style == 3 ? 12.0 : m_style == 7 ? h / 4 + 1 : h / 2 + 1;
    const qreal rr = qMin(radius, qMin(w, h) / 2.0) - 0.5;
    painter.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), rr, rr);
    if (state == Focused) {
        painter.setPen(QPen(toColor(BlendColors(face, bright, 80)), 1));
        painter.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), rr - 1, rr - 1);
    }
}

void CandyButton::drawContents(QPainter &painter, State state) const
{
    const bool enabled = isEnabled();
    const QString text = caption();
    const QFontMetrics fm = fontMetrics();
    const QSize textSize = text.isEmpty() ? QSize(0, 0) : fm.size(Qt::TextShowMnemonic, text);
    QPixmap pic = m_picture;
    const QSize picSize = pic.isNull() ? QSize(0, 0) : pic.deviceIndependentSize().toSize();
    const int w = width();
    const int h = height();
    const int shift = state == Pressed ? 1 : 0;
    const int gap = (!pic.isNull() && !text.isEmpty()) ? 2 : 0;

    QPoint picPos;
    QRect textRect(0, 0, w, h);
    switch (m_pictureAlignment) {
    case 0:
    case 1: {
        const int total = picSize.height() + gap + textSize.height();
        const int top = (h - total) / 2;
        if (m_pictureAlignment == 0) {
            picPos = QPoint((w - picSize.width()) / 2, top);
            textRect = QRect(0, top + picSize.height() + gap, w, textSize.height());
        } else {
            textRect = QRect(0, top, w, textSize.height());
            picPos = QPoint((w - picSize.width()) / 2, top + textSize.height() + gap);
        }
        break;
    }
    case 2:
        picPos = QPoint(8, (h - picSize.height()) / 2);
        break;
    case 3:
        picPos = QPoint(w - 8 - picSize.width(), (h - picSize.height()) / 2);
        break;
    default:
        picPos = QPoint(0, 0);
        break;
    }
    picPos += QPoint(shift, shift);
    textRect.translate(shift, shift);

    if (!pic.isNull()) {
        if (!enabled) {
            QStyleOption opt;
            opt.initFrom(this);
            pic = QWidget::style()->generatedIconPixmap(QIcon::Disabled, pic, &opt);
        } else if (state == Hover && m_iconHighLite) {
            QPixmap silhouette(pic.size());
            silhouette.setDevicePixelRatio(pic.devicePixelRatio());
            silhouette.fill(Qt::transparent);
            QPainter sp(&silhouette);
            sp.drawPixmap(0, 0, pic);
            sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
            sp.fillRect(silhouette.rect(), toColor(m_iconHighLiteColor));
            sp.end();
            pic = silhouette;
        }
        painter.drawPixmap(picPos, pic);
    }

    if (!text.isEmpty()) {
        painter.setFont(font());
        const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
        if (!enabled) {
            painter.setPen(Qt::white);
            painter.drawText(textRect.translated(1, 1), flags, text);
            painter.setPen(QColor(128, 128, 128));
            painter.drawText(textRect, flags, text);
        } else {
            const qint32 colour =
                state == Hover && m_captionHighLite ? m_captionHighLiteColor : m_foreColor;
            painter.setPen(toColor(colour));
            painter.drawText(textRect, flags, text);
        }
    }
}

void CandyButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const State s = isEnabled() ? state() : (m_checked ? CheckedState : Normal);
    drawFace(painter, s);
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawContents(painter, s);
}
