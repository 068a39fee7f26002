// SPDX-License-Identifier: MIT
#include "gradientbutton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace Velloquin {

namespace {

using Look = GradientButton::Look;
using State = GradientButton::State;

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kDisabledFace(192, 192, 176);

struct Scheme
{
    QColor up, hover, down, bright;
};

// The colour schemes after Custom, in the order of GradientButton::ColorScheme.
const Scheme kSchemes[6] = {
    {{32, 103, 208}, {80, 153, 233}, {16, 103, 160}, {176, 237, 255}},
    {{96, 144, 208}, {0, 96, 224}, {80, 128, 169}, {250, 250, 255}},
    {{0, 0, 128}, {0, 0, 160}, {0, 0, 240}, {0, 0, 255}},
    {{128, 0, 0}, {160, 0, 0}, {240, 0, 0}, {255, 0, 0}},
    {{0, 128, 0}, {0, 160, 0}, {0, 192, 0}, {0, 255, 0}},
    {{128, 128, 0}, {160, 160, 0}, {192, 192, 0}, {255, 255, 0}},
};

// The shading of the glossy looks: where the upper band lies, how far from white it starts
// and ends, and how strongly the lower glow takes on the bright colour.
struct Gloss
{
    int bandPercent;  // band height as a share of the button height
    int inset;        // horizontal inset of the band in pixels (negative: a share of the height)
    int startPercent; // blend(white, face, p) at the band's first row ...
    int endPercent;   // ... and at its last row
    int glowPercent;  // strongest blend of face toward the bright colour, at the bottom
};

Gloss glossFor(Look look)
{
    switch (look) {
    case Look::GlossyCapsule:
        return {50, 2, 20, 80, 55};
    case Look::GlossyRounded:
        return {36, 3, 0, 90, 10};
    case Look::ShinyCapsule:
        return {40, -25, 0, 65, 85};
    case Look::GlassCapsule:
        return {52, 0, 55, 62, 95};
    case Look::CrispGloss:
        return {50, 1, 10, 55, 45};
    default:
        return {50, 2, 20, 80, 50};
    }
}

} // namespace

GradientButton::GradientButton(QWidget *parent) : QAbstractButton(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
}

GradientButton::GradientButton(const QString &text, QWidget *parent) : GradientButton(parent)
{
    setText(text);
}

GradientButton::~GradientButton() = default;

QColor GradientButton::blend(const QColor &from, const QColor &to, int percent)
{
    const int p = qBound(0, percent, 100);
    auto mix = [p](int a, int b) { return a + (b - a) * p / 100; };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

// ---- Properties ------------------------------------------------------------------------

void GradientButton::setLook(Look look)
{
    if (m_look == look)
        return;
    m_look = look;
    update();
}

void GradientButton::setColorScheme(ColorScheme scheme)
{
    if (scheme != ColorScheme::Custom) {
        const Scheme &s = kSchemes[int(scheme) - 1];
        m_faceColor = s.up;
        m_hoverColor = s.hover;
        m_downColor = s.down;
        m_brightColor = s.bright;
    }
    m_colorScheme = scheme;
    update();
}

void GradientButton::setColor(QColor &member, const QColor &color)
{
    member = color;
    update();
}

void GradientButton::setTextColor(const QColor &color)
{
    setColor(m_textColor, color);
}

void GradientButton::setFaceColor(const QColor &color)
{
    m_colorScheme = ColorScheme::Custom;
    setColor(m_faceColor, color);
}

void GradientButton::setHoverColor(const QColor &color)
{
    m_colorScheme = ColorScheme::Custom;
    setColor(m_hoverColor, color);
}

void GradientButton::setDownColor(const QColor &color)
{
    m_colorScheme = ColorScheme::Custom;
    setColor(m_downColor, color);
}

void GradientButton::setBrightColor(const QColor &color)
{
    m_colorScheme = ColorScheme::Custom;
    setColor(m_brightColor, color);
}

void GradientButton::setBorderBrightness(int percent)
{
    m_borderBrightness = percent;
    update();
}

void GradientButton::setPicture(const QPixmap &picture)
{
    setIconSize(picture.deviceIndependentSize().toSize());
    setIcon(QIcon(picture));
}

void GradientButton::setPicturePosition(PicturePosition position)
{
    m_picturePosition = position;
    update();
}

void GradientButton::setIconHighlight(bool on)
{
    m_iconHighlight = on;
    update();
}

void GradientButton::setIconHighlightColor(const QColor &color)
{
    setColor(m_iconHighlightColor, color);
}

void GradientButton::setTextHighlight(bool on)
{
    m_textHighlight = on;
    update();
}

void GradientButton::setTextHighlightColor(const QColor &color)
{
    setColor(m_textHighlightColor, color);
}

GradientButton::State GradientButton::state() const
{
    if (isChecked())
        return State::Checked;
    if (!isEnabled())
        return State::Normal;
    if (isDown())
        return State::Pressed;
    if (m_hovered)
        return State::Hover;
    return hasFocus() ? State::Focused : State::Normal;
}

QSize GradientButton::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    const QSize textSize = fm.size(Qt::TextShowMnemonic, text());
    int w = textSize.width() + 28;
    int h = qMax(25, textSize.height() + 12);
    if (!icon().isNull()) {
        const QSize p = iconSize();
        if (m_picturePosition == PicturePosition::AboveText ||
            m_picturePosition == PicturePosition::BelowText) {
            w = qMax(w, p.width() + 16);
            h = qMax(h, textSize.height() + p.height() + 14);
        } else {
            w += p.width() + 12;
            h = qMax(h, p.height() + 8);
        }
    }
    return QSize(w, h);
}

QSize GradientButton::minimumSizeHint() const
{
    return QSize(16, 16);
}

// ---- Mouse and keys --------------------------------------------------------------------

void GradientButton::setHovered(bool hovered)
{
    if (m_hovered == hovered)
        return;
    m_hovered = hovered;
    update();
    if (hovered)
        emit entered();
    else
        emit left();
}

void GradientButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    if (isEnabled() && !(event->buttons() & Qt::LeftButton))
        setHovered(true);
}

void GradientButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    setHovered(false);
}

void GradientButton::mouseMoveEvent(QMouseEvent *event)
{
    // The release of the last press went elsewhere (a dialog opened meanwhile): the button
    // stops looking pressed.
    if (isDown() && !(event->buttons() & Qt::LeftButton))
        setDown(false);
    setHovered(isEnabled() && hitButton(event->position().toPoint()));
    QAbstractButton::mouseMoveEvent(event);
}

void GradientButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !hitButton(event->position().toPoint())) {
        event->ignore();
        return;
    }
    // The second press of a double click draws the button pressed but is no new click.
    m_doubleClickDown = true;
    setDown(true);
    emit doubleClicked();
}

void GradientButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_doubleClickDown && event->button() == Qt::LeftButton) {
        m_doubleClickDown = false;
        setDown(false);
        emit released();
        return;
    }
    QAbstractButton::mouseReleaseEvent(event);
}

// Enter and Return press the button as Space does.
void GradientButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QKeyEvent space(event->type(), Qt::Key_Space, event->modifiers(), QString(),
                        event->isAutoRepeat());
        QAbstractButton::keyPressEvent(&space);
        event->setAccepted(space.isAccepted());
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void GradientButton::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QKeyEvent space(event->type(), Qt::Key_Space, event->modifiers(), QString(),
                        event->isAutoRepeat());
        QAbstractButton::keyReleaseEvent(&space);
        event->setAccepted(space.isAccepted());
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}

void GradientButton::changeEvent(QEvent *event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_hovered = false;
        m_doubleClickDown = false;
    }
}

// ---- Drawing ---------------------------------------------------------------------------

QPainterPath GradientButton::shapePath() const
{
    const QRectF r(0, 0, width(), height());
    const int h = height();
    qreal radius = 0;
    switch (m_look) {
    case Look::GlossyRounded:
        radius = 12;
        break;
    case Look::Plain:
        radius = h / 3;
        break;
    case Look::CrispGloss:
        radius = h / 4 + 1;
        break;
    case Look::GlossyCapsule:
    case Look::ShinyCapsule:
    case Look::GlassCapsule:
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
void GradientButton::drawFocusFrame(QPainter &painter, State state, const QColor &face,
                                    const QColor &bright) const
{
    if (state != State::Focused || width() < 8 || height() < 8)
        return;
    QPen pen(blend(face, bright, 85), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(3, 3, width() - 7, height() - 7);
}

bool GradientButton::hitButton(const QPoint &pos) const
{
    if (!rect().contains(pos))
        return false;
    if (m_look == Look::Shaded || m_look == Look::Bevelled)
        return true;
    return shapePath().contains(QPointF(pos) + QPointF(0.5, 0.5));
}

void GradientButton::drawFace(QPainter &painter, State state) const
{
    const int w = width();
    const int h = height();
    if (w <= 0 || h <= 0)
        return;
    const bool enabled = isEnabled();
    const bool down = state == State::Pressed || state == State::Checked;
    QColor face = state == State::Hover ? m_hoverColor : down ? m_downColor : m_faceColor;
    QColor bright = m_brightColor;
    if (!enabled) {
        face = kDisabledFace;
        bright = kWhite;
    }
    const QColor edge = m_borderBrightness >= 0 ? blend(face, kWhite, m_borderBrightness)
                                                : blend(face, kBlack, -int(m_borderBrightness));
    const QPainterPath shape = shapePath();
    painter.setRenderHint(QPainter::Antialiasing, true);

    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(face);
    QPainter ip(&img);
    auto row = [&](int y, QColor color) { ip.fillRect(QRect(0, y, w, 1), color); };

    switch (m_look) {
    case Look::Shaded: {
        // Smooth top-to-bottom shading with a bright top and a darker foot.
        for (int y = 0; y < h; ++y) {
            const int p = h > 1 ? y * 100 / (h - 1) : 0;
            const QColor c = p < 50 ? blend(blend(face, bright, down ? 20 : 55), face, p * 2)
                                    : blend(face, kBlack, (p - 50) * (down ? 10 : 30) / 50);
            row(y, c);
        }
        ip.end();
        painter.drawImage(0, 0, img);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(blend(face, kBlack, 45));
        painter.drawRect(0, 0, w - 1, h - 1);
        painter.setPen(blend(face, kWhite, down ? 10 : 45));
        painter.drawLine(1, 1, w - 2, 1);
        drawFocusFrame(painter, state, face, bright);
        return;
    }
    case Look::Bevelled: {
        // A flat face with a bevel: light above and left, dark below and right; pressed or
        // checked turns the bevel in.
        ip.end();
        painter.drawImage(0, 0, img);
        painter.setRenderHint(QPainter::Antialiasing, false);
        const QColor light = (blend(face, bright, 70));
        const QColor mid = (blend(face, bright, 35));
        const QColor dark = (blend(face, kBlack, 50));
        const QColor darker = (blend(face, kBlack, 70));
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
    case Look::Plain: {
        // A rounded face in the state colour with a faint bright rim at the top.
        ip.end();
        painter.fillPath(shape, face);
        painter.save();
        painter.setClipPath(shape);
        painter.setPen(QPen(blend(face, bright, 45), 1));
        const qreal radius = qMin<qreal>(h / 3, qMin(w, h) / 2.0);
        painter.drawLine(QPointF(radius, 1.5), QPointF(w - radius, 1.5));
        painter.restore();
        painter.setPen(QPen(edge, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(QTransform::fromTranslate(0.5, 0.5).map(
            QTransform::fromScale((w - 1.0) / w, (h - 1.0) / h).map(shape)));
        if (state == State::Focused) {
            painter.setPen(QPen(blend(face, bright, 75), 1, Qt::DotLine));
            painter.drawRoundedRect(QRectF(3.5, 3.5, w - 7, h - 7), radius - 3, radius - 3);
        }
        return;
    }
    default:
        break;
    }

    // The glossy styles 2, 3, 4, 5 and 7.
    const Gloss g = glossFor(m_look);
    // Lower glow toward the bright colour.
    const int glowTop = h / 2;
    for (int y = glowTop; y < h; ++y) {
        const int span = qMax(1, h - 1 - glowTop);
        const int p = (y - glowTop) * g.glowPercent / span;
        row(y, blend(face, bright, down ? p / 2 : p));
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
            bp.fillRect(QRect(0, y, w, 1), blend(kWhite, face, strength));
        }
    }
    const QRectF bandRect(inset, 1, w - 2 * inset, bandHeight);
    qreal bandRadius = 0;
    const QPainterPath outer = shape;
    {
        // The band follows the outline at its top and ends straight at its foot.
        QPainterPath bandPath;
        const qreal r = qMin(bandRect.height(), bandRect.width() / 2);
        bandRadius = m_look == Look::GlossyRounded ? qMin<qreal>(10, r)
                     : m_look == Look::CrispGloss  ? qMin<qreal>(h / 4, r)
                                                   : r;
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
    painter.setPen(QPen(edge, 1));
    const qreal radius = m_look == Look::GlossyRounded ? 12.0
                         : m_look == Look::CrispGloss  ? h / 4 + 1
                                                       : h / 2 + 1;
    const qreal rr = qMin(radius, qMin(w, h) / 2.0) - 0.5;
    painter.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), rr, rr);
    if (state == State::Focused) {
        painter.setPen(QPen(blend(face, bright, 80), 1));
        painter.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), rr - 1, rr - 1);
    }
}

void GradientButton::drawContents(QPainter &painter, State state) const
{
    const bool enabled = isEnabled();
    const QString text = this->text();
    const QFontMetrics fm = fontMetrics();
    const QSize textSize = text.isEmpty() ? QSize(0, 0) : fm.size(Qt::TextShowMnemonic, text);
    const QSize picSize = icon().isNull() ? QSize(0, 0) : iconSize();
    QPixmap pic = icon().isNull() ? QPixmap()
                                  : icon().pixmap(picSize, devicePixelRatio(),
                                                  enabled ? QIcon::Normal : QIcon::Disabled);
    const int w = width();
    const int h = height();
    const int shift = state == State::Pressed ? 1 : 0;
    const int gap = (!pic.isNull() && !text.isEmpty()) ? 2 : 0;

    QPoint picPos;
    QRect textRect(0, 0, w, h);
    switch (m_picturePosition) {
    case PicturePosition::AboveText:
    case PicturePosition::BelowText: {
        const int total = picSize.height() + gap + textSize.height();
        const int top = (h - total) / 2;
        if (m_picturePosition == PicturePosition::AboveText) {
            picPos = QPoint((w - picSize.width()) / 2, top);
            textRect = QRect(0, top + picSize.height() + gap, w, textSize.height());
        } else {
            textRect = QRect(0, top, w, textSize.height());
            picPos = QPoint((w - picSize.width()) / 2, top + textSize.height() + gap);
        }
        break;
    }
    case PicturePosition::Left:
        picPos = QPoint(8, (h - picSize.height()) / 2);
        break;
    case PicturePosition::Right:
        picPos = QPoint(w - 8 - picSize.width(), (h - picSize.height()) / 2);
        break;
    default:
        picPos = QPoint(0, 0);
        break;
    }
    picPos += QPoint(shift, shift);
    textRect.translate(shift, shift);

    if (!pic.isNull()) {
        if (enabled && state == State::Hover && m_iconHighlight) {
            QPixmap silhouette(pic.size());
            silhouette.setDevicePixelRatio(pic.devicePixelRatio());
            silhouette.fill(Qt::transparent);
            QPainter sp(&silhouette);
            sp.drawPixmap(0, 0, pic);
            sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
            sp.fillRect(silhouette.rect(), m_iconHighlightColor);
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
            const QColor color =
                state == State::Hover && m_textHighlight ? m_textHighlightColor : m_textColor;
            painter.setPen(color);
            painter.drawText(textRect, flags, text);
        }
    }
}

void GradientButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const State s = state();
    drawFace(painter, s);
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawContents(painter, s);
}

} // namespace Velloquin
