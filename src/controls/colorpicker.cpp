// SPDX-License-Identifier: MIT
#include "colorpicker.h"

#include "colournumbers.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kButtonFace = 15;
constexpr int kButtonShadow = 16;
constexpr int kDisabledText = 17;
constexpr int kButtonText = 18;
constexpr int kButtonHighlight = 20;
constexpr int kDarkShadow = 21;
constexpr int kLight = 22;

QColor sys(int index)
{
    return systemColour(index);
}

void frameLines(QPainter &painter, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    painter.setPen(bottomRight);
    painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

void sunkenEdge(QPainter &painter, const QRect &r)
{
    frameLines(painter, r, sys(kButtonShadow), sys(kButtonHighlight));
    frameLines(painter, r.adjusted(1, 1, -1, -1), sys(kDarkShadow), sys(kLight));
}

void raisedEdge(QPainter &painter, const QRect &r)
{
    frameLines(painter, r, sys(kLight), sys(kDarkShadow));
    frameLines(painter, r.adjusted(1, 1, -1, -1), sys(kButtonHighlight), sys(kButtonShadow));
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
void drawTriangle(QPainter &painter, const QPoint &centre, const QColor &colour)
{
    for (int row = 0; row < 4; ++row) {
        const int half = 3 - row;
        painter.fillRect(QRect(centre.x() - half, centre.y() - 2 + row, 2 * half + 1, 1), colour);
    }
}

QString describeColour(qint32 colour)
{
    return frmColorPalette::colourDescription(colour);
}

// Assistive technology sees the picker as a combo box whose value is its colour. The
// colour is also its read-only text: the Linux bridge (AT-SPI) has no place for a combo
// box's value text, and screen readers there read a combo box's text instead.
class ColorPickerAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ColorPickerAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::ComboBox) {}

    ColorPicker *picker() const { return static_cast<ColorPicker *>(widget()); }
    QString colourText() const { return describeColour(picker()->color()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return colourText();
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            s = picker()->toolTip();
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (name == showMenuAction() || name == pressAction())
            picker()->showPalette();
        else
            QAccessibleWidget::doAction(name);
    }

    // The read-only text: the colour's name, nothing selectable.
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = colourText();
        startOffset = qBound(0, startOffset, int(all.size()));
        endOffset = qBound(startOffset, endOffset, int(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(colourText().size()); }
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ColorPicker") && object && object->isWidgetType())
        return new ColorPickerAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

ColorPicker::ColorPicker(QWidget *parent) : QWidget(parent), m_backColor(systemColourNumber(12))
{
    static const bool registered = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(registered);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(MinimumHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

ColorPicker::~ColorPicker()
{
    if (m_palette) {
        disconnect(m_palette, nullptr, this, nullptr);
        m_palette->close();
    }
}

QSize ColorPicker::sizeHint() const
{
    return QSize(72, DefaultHeight);
}

QSize ColorPicker::minimumSizeHint() const
{
    return QSize(24, MinimumHeight);
}

void ColorPicker::setDefaultColor(qint32 colour)
{
    m_options.defaultColor = colour;
}

void ColorPicker::setColor(qint32 colour)
{
    if (m_color == colour)
        return;
    const qint32 old = m_color;
    m_color = colour;
    update();
    emit colorChanged(colour);
    // Assistive tools hear of the new colour as the new value and as new text.
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent value(this, describeColour(colour));
        QAccessible::updateAccessibility(&value);
        QAccessibleTextUpdateEvent text(this, 0, describeColour(old), describeColour(colour));
        QAccessible::updateAccessibility(&text);
    }
}

void ColorPicker::setAppearance(int appearance)
{
    if (m_appearance == appearance)
        return;
    m_appearance = appearance;
    update();
}

void ColorPicker::setBackColor(qint32 colour)
{
    if (m_backColor == colour)
        return;
    m_backColor = colour;
    update();
}

void ColorPicker::setShowDefault(bool show)
{
    m_options.showDefault = show;
}
void ColorPicker::setShowCustomColors(bool show)
{
    m_options.showCustomColors = show;
}
void ColorPicker::setShowMoreColors(bool show)
{
    m_options.showMoreColors = show;
}
void ColorPicker::setDefaultCaption(const QString &caption)
{
    m_options.defaultCaption = caption;
}
void ColorPicker::setMoreColorsCaption(const QString &caption)
{
    m_options.moreColorsCaption = caption;
}
void ColorPicker::setShowSysColorButton(bool show)
{
    m_options.showSysColorButton = show;
}
void ColorPicker::setShowToolTips(bool show)
{
    m_options.showToolTips = show;
}

QRect ColorPicker::arrowRect() const
{
    const int w = width();
    const int h = height();
    if (m_appearance == 0)
        return QRect(QPoint(w - 15, 0), QPoint(w - 1, h - 1));
    return QRect(QPoint(w - 15, 2), QPoint(w - 3, h - 3));
}

void ColorPicker::setArrowPressed(bool pressed)
{
    if (m_arrowPressed == pressed)
        return;
    m_arrowPressed = pressed;
    update();
}

void ColorPicker::showPalette()
{
    if (m_palette)
        return;
    frmColorPalette::Options options = m_options;
    options.currentColor = m_color;
    auto *palette = new frmColorPalette(options, this);
    m_palette = palette;
    connect(palette, &frmColorPalette::finished, this, &ColorPicker::paletteFinished);
    palette->popup(QRect(mapToGlobal(QPoint(0, 0)), size()));
}

void ColorPicker::paletteFinished(bool cancelled, qint32 colour)
{
    m_palette = nullptr;
    m_arrowPressed = false;
    if (!cancelled)
        setColor(colour);
    update();
}

void ColorPicker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const bool flat = m_appearance == 0;
    painter.fillRect(rect(), colourFromNumber(m_backColor));
    if (flat)
        flatLine(painter, rect());
    else
        sunkenEdge(painter, rect());

    // Arrow button.
    const QRect arrow = arrowRect();
    painter.fillRect(arrow, sys(kButtonFace));
    if (flat)
        flatLine(painter, arrow);
    else if (m_arrowPressed)
        flatLine(painter, arrow);
    else
        raisedEdge(painter, arrow);
    const QColor arrowColour = isEnabled() ? sys(kButtonText) : sys(kDisabledText);
    const QRect face = m_arrowPressed ? arrow.translated(2, 0) : arrow;
    if (hasMarlett()) {
        QFont symbols(QStringLiteral("Marlett"));
        symbols.setPixelSize(qMin(13, arrow.height()));
        painter.setFont(symbols);
        painter.setPen(arrowColour);
        painter.drawText(face, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("6"));
        painter.setFont(font());
    } else {
        drawTriangle(painter, face.center() + QPoint(face.width() % 2 ? 0 : 1, 1), arrowColour);
    }

    // Swatch.
    const int inset = flat ? 3 : 4;
    const QRect swatch(QPoint(inset, inset), QPoint(w - 18, h - inset - 1));
    if (swatch.isValid()) {
        painter.fillRect(swatch, colourFromNumber(m_color));
        painter.setPen(sys(kDisabledText));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    }

    if (hasFocus()) {
        const int f = flat ? 5 : 6;
        const QRect focus(QPoint(f, f), QPoint(w - 20, h - f - 1));
        if (focus.isValid()) {
            // Dotted, in whichever of black or white stands out against the swatch.
            const QColor fill = colourFromNumber(m_color);
            QPen pen(qGray(fill.rgb()) > 110 ? Qt::black : Qt::white, 1, Qt::DotLine);
            pen.setCosmetic(true);
            painter.setPen(pen);
            painter.drawRect(focus.adjusted(0, 0, -1, -1));
        }
    }
}

void ColorPicker::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        m_leftDown = true;
        if (arrowRect().contains(pos))
            setArrowPressed(true);
    }
    emit mouseDown(event->button(), event->modifiers(), pos.x() * kTwipsPerPixel,
                   pos.y() * kTwipsPerPixel);
}

void ColorPicker::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_leftDown && !(event->buttons() & Qt::LeftButton)) {
        // The release of the last press went elsewhere (a dialog opened meanwhile).
        m_leftDown = false;
        setArrowPressed(false);
    }
    if (m_arrowPressed && !arrowRect().contains(pos))
        setArrowPressed(false);
    emit mouseMove(event->buttons(), event->modifiers(), pos.x() * kTwipsPerPixel,
                   pos.y() * kTwipsPerPixel);
}

void ColorPicker::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const bool inside = rect().contains(pos);
    const bool left = event->button() == Qt::LeftButton;
    // Only a release that ends a press on the picker opens the palette: the press that
    // closes an open palette by clicking on its picker must not open it again.
    const bool pressedHere = left && m_leftDown;
    if (left) {
        m_leftDown = false;
        setArrowPressed(false);
    }
    emit mouseUp(event->button(), event->modifiers(), pos.x() * kTwipsPerPixel,
                 pos.y() * kTwipsPerPixel);
    if (pressedHere && inside) {
        const QPointer<ColorPicker> self(this);
        emit clicked();
        if (self) // a Click handler may have closed the window
            showPalette();
    }
}

void ColorPicker::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClicked();
    mousePressEvent(event);
}

void ColorPicker::keyPressEvent(QKeyEvent *event)
{
    emit keyDown(event->key(), event->modifiers());
    if (!event->text().isEmpty())
        emit keyPress(event->text());
    // The keys that open a drop-down list open the palette too.
    const bool opens = event->key() == Qt::Key_F4 ||
                       ((event->modifiers() & Qt::AltModifier) &&
                        (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up));
    if (opens)
        showPalette();
    else
        QWidget::keyPressEvent(event);
}

void ColorPicker::keyReleaseEvent(QKeyEvent *event)
{
    emit keyUp(event->key(), event->modifiers());
    QWidget::keyReleaseEvent(event);
}

void ColorPicker::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_leftDown = false;
    m_arrowPressed = false;
}

void ColorPicker::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void ColorPicker::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void ColorPicker::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Never lower than the minimum, whoever sets the geometry.
    if (height() < MinimumHeight)
        resize(width(), MinimumHeight);
    emit resized();
}
