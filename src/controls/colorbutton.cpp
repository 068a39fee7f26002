// SPDX-License-Identifier: MIT
#include "colorbutton.h"

#include "bevellines.h"
#include "colornumbers.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>

namespace Velloquin {

namespace {

constexpr int kButtonFace = 15;
constexpr int kButtonShadow = 16;
constexpr int kDisabledText = 17;
constexpr int kButtonText = 18;
constexpr int kButtonHighlight = 20;
constexpr int kDarkShadow = 21;
constexpr int kLight = 22;

QColor sys(int index)
{
    return systemColor(index);
}

void sunkenEdge(QPainter &painter, const QRect &r)
{
    drawBevelLines(painter, r, sys(kButtonShadow), sys(kButtonHighlight));
    drawBevelLines(painter, r.adjusted(1, 1, -1, -1), sys(kDarkShadow), sys(kLight));
}

void raisedEdge(QPainter &painter, const QRect &r)
{
    drawBevelLines(painter, r, sys(kLight), sys(kDarkShadow));
    drawBevelLines(painter, r.adjusted(1, 1, -1, -1), sys(kButtonHighlight), sys(kButtonShadow));
}

void flatLine(QPainter &painter, const QRect &r)
{
    painter.setPen(sys(kButtonShadow));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

bool hasMarlett()
{
    static const bool found =
        QFontDatabase::families().contains(QStringLiteral("Marlett"), Qt::CaseInsensitive);
    return found;
}

// A small down-pointing triangle, seven pixels across, centred on `centre`.
void drawTriangle(QPainter &painter, const QPoint &centre, const QColor &color)
{
    for (int row = 0; row < 4; ++row) {
        const int half = 3 - row;
        painter.fillRect(QRect(centre.x() - half, centre.y() - 2 + row, 2 * half + 1, 1), color);
    }
}

} // namespace

ColorButton::ColorButton(QWidget *parent)
    : QAbstractButton(parent), m_backgroundColor(systemColor(12))
{
    setMinimumHeight(MinimumHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleDescription(ColorPalettePopup::colorDescription(m_color));
    resize(sizeHint());
    connect(this, &QAbstractButton::clicked, this, &ColorButton::showPalette);
}

ColorButton::~ColorButton()
{
    if (m_palette) {
        disconnect(m_palette, nullptr, this, nullptr);
        m_palette->close();
    }
}

QSize ColorButton::sizeHint() const
{
    return QSize(72, DefaultHeight);
}

QSize ColorButton::minimumSizeHint() const
{
    return QSize(24, MinimumHeight);
}

void ColorButton::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
    // Assistive tools read the colour with the button's name.
    setAccessibleDescription(ColorPalettePopup::colorDescription(color));
    emit changed(color);
}

void ColorButton::setDefaultColor(const QColor &color)
{
    m_options.defaultColor = color;
}

void ColorButton::setFlat(bool flat)
{
    m_flat = flat;
    update();
}

void ColorButton::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    update();
}

void ColorButton::setShowDefault(bool show)
{
    m_options.showDefault = show;
}

void ColorButton::setShowCustomColors(bool show)
{
    m_options.showCustomColors = show;
}

void ColorButton::setShowMoreColors(bool show)
{
    m_options.showMoreColors = show;
}

void ColorButton::setDefaultText(const QString &text)
{
    m_options.defaultCaption = text;
}

void ColorButton::setMoreColorsText(const QString &text)
{
    m_options.moreColorsCaption = text;
}

void ColorButton::setShowSystemColors(bool show)
{
    m_options.showSysColorButton = show;
}

void ColorButton::setShowCellToolTips(bool show)
{
    m_options.showToolTips = show;
}

QRect ColorButton::arrowRect() const
{
    const int w = width();
    const int h = height();
    if (m_flat)
        return QRect(QPoint(w - 15, 0), QPoint(w - 1, h - 1));
    return QRect(QPoint(w - 15, 2), QPoint(w - 3, h - 3));
}

void ColorButton::showPalette()
{
    if (m_palette || !isEnabled())
        return;
    ColorPalettePopup::Options options = m_options;
    options.currentColor = m_color;
    auto *palette = new ColorPalettePopup(options, this);
    m_palette = palette;
    connect(palette, &ColorPalettePopup::finished, this, &ColorButton::paletteFinished);
    palette->popup(QRect(mapToGlobal(QPoint(0, 0)), size()));
}

void ColorButton::paletteFinished(bool cancelled, const QColor &color)
{
    m_palette = nullptr;
    if (!cancelled)
        setColor(color);
    update();
}

void ColorButton::keyPressEvent(QKeyEvent *event)
{
    // The keys that open a drop-down list open the palette too.
    const bool opens = event->key() == Qt::Key_F4 ||
                       ((event->modifiers() & Qt::AltModifier) &&
                        (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up));
    if (opens)
        showPalette();
    else
        QAbstractButton::keyPressEvent(event);
}

void ColorButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const bool flat = m_flat;
    // The arrow looks pressed while the button is held down and while its palette is open.
    const bool arrowPressed = isDown();
    painter.fillRect(rect(), m_backgroundColor);
    if (flat)
        flatLine(painter, rect());
    else
        sunkenEdge(painter, rect());

    // Arrow button.
    const QRect arrow = arrowRect();
    painter.fillRect(arrow, sys(kButtonFace));
    if (flat)
        flatLine(painter, arrow);
    else if (arrowPressed)
        flatLine(painter, arrow);
    else
        raisedEdge(painter, arrow);
    const QColor arrowColor = isEnabled() ? sys(kButtonText) : sys(kDisabledText);
    const QRect face = arrowPressed ? arrow.translated(2, 0) : arrow;
    if (hasMarlett()) {
        QFont symbols(QStringLiteral("Marlett"));
        symbols.setPixelSize(qMin(13, arrow.height()));
        painter.setFont(symbols);
        painter.setPen(arrowColor);
        painter.drawText(face, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("6"));
        painter.setFont(font());
    } else {
        drawTriangle(painter, face.center() + QPoint(face.width() % 2 ? 0 : 1, 1), arrowColor);
    }

    // Swatch.
    const int inset = flat ? 3 : 4;
    const QRect swatch(QPoint(inset, inset), QPoint(w - 18, h - inset - 1));
    if (swatch.isValid()) {
        painter.fillRect(swatch, m_color);
        painter.setPen(sys(kDisabledText));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    }

    if (hasFocus()) {
        const int f = flat ? 5 : 6;
        const QRect focus(QPoint(f, f), QPoint(w - 20, h - f - 1));
        if (focus.isValid()) {
            // Dotted, in whichever of black or white stands out against the swatch.
            const QColor fill = m_color;
            QPen pen(qGray(fill.rgb()) > 110 ? Qt::black : Qt::white, 1, Qt::DotLine);
            pen.setCosmetic(true);
            painter.setPen(pen);
            painter.drawRect(focus.adjusted(0, 0, -1, -1));
        }
    }
}

} // namespace Velloquin
