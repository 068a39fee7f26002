// SPDX-License-Identifier: MIT
#include "colorpalettepopup.h"

#include "bevellines.h"
#include "itemlistaccessible.h"

#include "colornumbers.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QColorDialog>
#include <QGuiApplication>
#include <QHash>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QToolTip>

namespace Velloquin {

namespace {

const QColor kWhite(255, 255, 255);
constexpr int kButtonFace = 15;
constexpr int kButtonShadow = 16;
constexpr int kDisabledText = 17;
constexpr int kButtonHighlight = 20;
constexpr int kDarkShadow = 21;
constexpr int kLight = 22;

// The standard colours of cells 2..49, eight to a row.
const QColor kStandard[48] = {
    QColor(255, 255, 255), QColor(255, 192, 192), QColor(255, 224, 192), QColor(255, 255, 192),
    QColor(192, 255, 192), QColor(192, 255, 255), QColor(192, 192, 255), QColor(255, 192, 255), //
    QColor(224, 224, 224), QColor(255, 128, 128), QColor(255, 192, 128), QColor(255, 255, 128),
    QColor(128, 255, 128), QColor(128, 255, 255), QColor(128, 128, 255), QColor(255, 128, 255), //
    QColor(192, 192, 192), QColor(255, 0, 0),     QColor(255, 128, 0),   QColor(255, 255, 0),
    QColor(0, 255, 0),     QColor(0, 255, 255),   QColor(0, 0, 255),     QColor(255, 0, 255), //
    QColor(128, 128, 128), QColor(192, 0, 0),     QColor(192, 64, 0),    QColor(192, 192, 0),
    QColor(0, 192, 0),     QColor(0, 192, 192),   QColor(0, 0, 192),     QColor(192, 0, 192), //
    QColor(64, 64, 64),    QColor(128, 0, 0),     QColor(128, 64, 0),    QColor(128, 128, 0),
    QColor(0, 128, 0),     QColor(0, 128, 128),   QColor(0, 0, 128),     QColor(128, 0, 128), //
    QColor(0, 0, 0),       QColor(64, 0, 0),      QColor(128, 64, 64),   QColor(64, 64, 0),
    QColor(0, 64, 0),      QColor(0, 64, 64),     QColor(0, 0, 64),      QColor(64, 0, 64),
};

constexpr int kSystemColorCount = 25;
const char *const kSystemNames[kSystemColorCount] = {
    "Scroll Bars",
    "Desktop",
    "Active Title Bar",
    "Inactive Titl Bar",
    "Menu Bar",
    "Window Background",
    "Window Frame",
    "Menu Text",
    "Window Text",
    "Active Title Bar Text",
    "Active Border",
    "Inactive Border",
    "Application Workspace",
    "Highlight",
    "Highlight Text",
    "Button Face",
    "Button Shadow",
    "Disabled Text",
    "Button Text",
    "Inactive Title Bar Text",
    "Button Highlight",
    "Button Dark Shadow",
    "Button Light Shadow",
    "ToolTip Text",
    "ToolTip",
};

constexpr int kCustomCount = 8;

// The custom colours for the whole run, shared by every palette.
struct CustomRing
{
    QColor colors[kCustomCount];
    int filled = 0;      // how many places hold a colour
    int lastWritten = 0; // 1..8, 0 before the first colour
};

CustomRing &customRing()
{
    static CustomRing ring;
    return ring;
}

ColorChooser &chooserSlot()
{
    static ColorChooser chooser;
    return chooser;
}

QPointer<ColorPalettePopup> &currentPalette()
{
    static QPointer<ColorPalettePopup> palette;
    return palette;
}

std::optional<QColor> dialogColor(const QColor &initial, QWidget *parent)
{
    // The dialog opens with its custom part holding sixteen black places.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::black);
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

QColor sys(int index)
{
    return systemColor(index);
}

// A one-pixel edge: raised draws light top-left and shadow bottom-right, sunken the reverse.
void thinEdge(QPainter &painter, const QRect &r, bool raised)
{
    // The dark side uses the darker shadow so the edge reads on a light face.
    const QColor topLeft = raised ? sys(kButtonHighlight) : sys(kDarkShadow);
    const QColor bottomRight = raised ? sys(kDarkShadow) : sys(kButtonHighlight);
    drawBevelLines(painter, r, topLeft, bottomRight);
}

void framedSwatch(QPainter &painter, const QRect &r, const QColor &fill)
{
    painter.fillRect(r, fill);
    painter.setPen(sys(kDisabledText));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

// One cell of the palette. Not a QObject: it lives in the accessibility cache and is owned by
// the palette's interface.
class PaletteCellAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    PaletteCellAccessible(ColorPalettePopup *palette, int cell) : m_palette(palette), m_cell(cell)
    {}

    bool isValid() const override { return m_palette && m_palette->cellVisible(m_cell); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_palette ? QAccessible::queryAccessibleInterface(m_palette.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        const bool colorCell = m_cell <= ColorPalettePopup::LastCustomCell;
        if (t == QAccessible::Name) {
            const QString name = m_palette->cellName(m_cell);
            return name.isEmpty()
                       ? ColorPalettePopup::colorDescription(m_palette->cellColor(m_cell))
                       : name;
        }
        if (t == QAccessible::Description && colorCell)
            return ColorPalettePopup::colorDescription(m_palette->cellColor(m_cell));
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect r = m_palette->cellRect(m_cell);
        return QRect(m_palette->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override
    {
        return m_cell <= ColorPalettePopup::LastCustomCell ? QAccessible::ListItem
                                                           : QAccessible::Button;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.invisible = !m_palette->isVisible();
        s.hotTracked = m_palette->hotCell() == m_cell;
        s.focused = s.hotTracked;
        s.pressed = m_palette->pressedCell() == m_cell;
        s.selectable = m_cell <= ColorPalettePopup::LastCustomCell;
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }
    QStringList actionNames() const override
    {
        return isValid() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString &name) override
    {
        if (isValid() && name == pressAction())
            m_palette->activateCell(m_cell);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<ColorPalettePopup> m_palette;
    int m_cell;
};

// The palette reads as a list of its visible cells.
class PaletteAccessible : public ItemListAccessible
{
public:
    explicit PaletteAccessible(QWidget *w) : ItemListAccessible(w, QAccessible::List) {}

    ColorPalettePopup *palette() const { return static_cast<ColorPalettePopup *>(widget()); }

    QList<int> visibleCells() const
    {
        QList<int> cells;
        for (int n = 1; n <= ColorPalettePopup::CellCount; ++n)
            if (palette()->cellVisible(n))
                cells << n;
        return cells;
    }

    int childCount() const override { return int(visibleCells().size()); }
    QAccessibleInterface *child(int i) const override
    {
        const QList<int> cells = visibleCells();
        if (i < 0 || i >= cells.size())
            return nullptr;
        const int cell = cells.at(i);
        return item(cell, [&] { return new PaletteCellAccessible(palette(), cell); });
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const int cell = keyOf(child);
        return cell < 0 ? -1 : int(visibleCells().indexOf(cell));
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const int cell = palette()->cellAt(palette()->mapFromGlobal(QPoint(x, y)));
        return cell > 0 ? child(int(visibleCells().indexOf(cell))) : nullptr;
    }
};

QAccessibleInterface *paletteFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(ColorPalettePopup::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new PaletteAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

ColorPalettePopup::ColorPalettePopup(const Options &options, QWidget *parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint), m_options(options)
{
    static const bool registered = [] {
        QAccessible::installFactory(paletteFactory);
        return true;
    }();
    Q_UNUSED(registered);
    setObjectName(QStringLiteral("ColorPalettePopup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);
    setAccessibleName(tr("Color Palette"));
    layoutCells();
    setFixedSize(PaletteWidth, m_height);
}

ColorPalettePopup::~ColorPalettePopup()
{
    // A palette destroyed while open still reports, as cancelled.
    if (!m_finished) {
        m_finished = true;
        emit finished(true, m_selectedColor);
    }
}

void ColorPalettePopup::layoutCells()
{
    for (QRect &r : m_rects)
        r = QRect();
    m_separators.clear();
    // Rectangles below are given as left, top, right, bottom with right and bottom exclusive.
    auto box = [](int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); };
    int y = 0;
    if (m_options.showDefault) {
        m_rects[DefaultCell] = box(4, 4, 139, 26);
        y = 26;
    }
    for (int n = FirstGridCell; n <= LastGridCell; ++n) {
        const int c = (n - 2) % 8;
        const int r = (n - 2) / 8;
        m_rects[n] = QRect(4 + 17 * c, y + 4 + 17 * r, 16, 16);
    }
    y += 105;
    if (m_options.showCustomColors) {
        m_separators.append(y + 2);
        y += 3;
        for (int n = FirstCustomCell; n <= LastCustomCell; ++n)
            m_rects[n] = QRect(4 + 17 * (n - 50), y + 2, 16, 16);
        y += 18;
    }
    if (m_options.showMoreColors || m_options.showSysColorButton) {
        m_separators.append(y + 2);
        y += 3;
        if (m_options.showSysColorButton) {
            m_rects[NormalCell] = box(4, y + 2, 68, y + 22);
            m_rects[SystemCell] = box(75, y + 2, 139, y + 22);
            y += 22;
        }
        if (m_options.showMoreColors) {
            m_rects[MoreColorsCell] = box(4, y + 2, 139, y + 22);
            y += 22;
        }
    }
    m_height = y + 4;
}

QSize ColorPalettePopup::sizeHint() const
{
    return QSize(PaletteWidth, m_height);
}

void ColorPalettePopup::setMode(Mode mode)
{
    if (m_mode == mode)
        return;
    m_mode = mode;
    update();
}

QRect ColorPalettePopup::cellRect(int cell) const
{
    return cell >= 1 && cell <= CellCount ? m_rects[cell] : QRect();
}

bool ColorPalettePopup::cellVisible(int cell) const
{
    return !cellRect(cell).isEmpty();
}

QColor ColorPalettePopup::cellColor(int cell) const
{
    if (cell == DefaultCell)
        return m_options.defaultColor;
    if (cell >= FirstGridCell && cell <= LastGridCell) {
        const int i = cell - FirstGridCell;
        if (m_mode == Mode::Normal)
            return kStandard[i];
        return i < kSystemColorCount ? systemColor(i) : kWhite;
    }
    if (cell >= FirstCustomCell && cell <= LastCustomCell) {
        const CustomRing &ring = customRing();
        const int i = cell - FirstCustomCell;
        return i < ring.filled ? ring.colors[i] : kWhite;
    }
    return QColor(0, 0, 0);
}

QString ColorPalettePopup::cellName(int cell) const
{
    switch (cell) {
    case DefaultCell:
        return tr("Default");
    case NormalCell:
        return tr("Normal Colors");
    case SystemCell:
        return tr("System Colors");
    case MoreColorsCell:
        return tr("Show Color Dialog");
    default:
        break;
    }
    if (cell >= FirstCustomCell && cell <= LastCustomCell)
        return tr("Custom Color %1").arg(cell - FirstCustomCell + 1);
    if (cell >= FirstGridCell && cell <= LastGridCell && m_mode == Mode::System)
        return systemColorName(cell - FirstGridCell);
    return QString();
}

int ColorPalettePopup::cellAt(const QPoint &pos) const
{
    for (int n = 1; n <= CellCount; ++n) {
        if (m_rects[n].contains(pos))
            return n;
    }
    return -1;
}

QString ColorPalettePopup::systemColorName(int index)
{
    if (index < 0 || index >= kSystemColorCount)
        return QString();
    return QString::fromLatin1(kSystemNames[index]);
}

QString ColorPalettePopup::colorDescription(const QColor &color)
{
    return color.name(QColor::HexRgb);
}

void ColorPalettePopup::activateCell(int cell)
{
    if (cellVisible(cell) && !m_finished)
        choose(cell);
}

QList<QColor> ColorPalettePopup::customColors()
{
    const CustomRing &ring = customRing();
    return QList<QColor>(ring.colors, ring.colors + ring.filled);
}

void ColorPalettePopup::addCustomColor(const QColor &color)
{
    CustomRing &ring = customRing();
    ring.lastWritten = ring.lastWritten % kCustomCount + 1;
    ring.colors[ring.lastWritten - 1] = color;
    ring.filled = qMax(ring.filled, ring.lastWritten);
    if (ColorPalettePopup *open = current())
        open->update();
}

void ColorPalettePopup::clearCustomColors()
{
    customRing() = CustomRing();
}

void ColorPalettePopup::setColorChooser(ColorChooser chooser)
{
    chooserSlot() = std::move(chooser);
}

ColorChooser ColorPalettePopup::colorChooser()
{
    if (chooserSlot())
        return chooserSlot();
    return dialogColor;
}

ColorPalettePopup *ColorPalettePopup::current()
{
    return currentPalette().data();
}

QPoint ColorPalettePopup::placement(const QRect &anchor, const QSize &size, const QRect &screen)
{
    QPoint topLeft(anchor.left(), anchor.bottom() + 1);
    if (!screen.isEmpty()) {
        if (topLeft.y() + size.height() > screen.bottom() + 1)
            topLeft.setY(anchor.top() - size.height());
        // Keep it on the screen sideways too, so every cell can be reached.
        if (topLeft.x() + size.width() > screen.right() + 1)
            topLeft.setX(screen.right() + 1 - size.width());
        if (topLeft.x() < screen.left())
            topLeft.setX(screen.left());
    }
    return topLeft;
}

void ColorPalettePopup::popup(const QRect &anchorOnScreen)
{
    ColorPalettePopup *previous = current();
    if (previous && previous != this)
        previous->close();
    currentPalette() = this;
    QRect screenRect;
    if (QScreen *screen = QGuiApplication::screenAt(anchorOnScreen.center()))
        screenRect = screen->geometry();
    else if (QGuiApplication::primaryScreen())
        screenRect = QGuiApplication::primaryScreen()->geometry();
    move(placement(anchorOnScreen, size(), screenRect));
    show();
    setFocus(Qt::PopupFocusReason);
}

void ColorPalettePopup::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    if (currentPalette() == this)
        currentPalette() = nullptr;
    emit finished(m_cancelled, m_selectedColor);
    close();
}

void ColorPalettePopup::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Closed by the system (another window took over): nothing was chosen.
    if (!m_finished && !m_inDialog)
        finish();
}

void ColorPalettePopup::setHotCell(int cell)
{
    if (cell == m_hotCell)
        return;
    m_hotCell = cell;
    update();
    if (cell > 0 && QAccessible::isActive()) {
        // Assistive technology follows the hot cell as it would a list's current item.
        int index = 0;
        for (int n = 1; n < cell; ++n)
            index += cellVisible(n) ? 1 : 0;
        QAccessibleEvent ev(this, QAccessible::Focus);
        ev.setChild(index);
        QAccessible::updateAccessibility(&ev);
    }
}

bool ColorPalettePopup::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int cell = cellAt(help->pos());
        const QString name = cell > 0 ? cellName(cell) : QString();
        if (m_options.showToolTips && !name.isEmpty())
            QToolTip::showText(help->globalPos(), name, this, m_rects[cell]);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void ColorPalettePopup::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressedCell != -1 && !(event->buttons() & Qt::LeftButton)) {
        // The release of the last press went elsewhere: the cell is no longer held, and
        // the pointer and the keys choose again.
        m_pressedCell = -1;
        update();
    }
    if (m_pressedCell == -1)
        setHotCell(cellAt(event->position().toPoint()));
}

void ColorPalettePopup::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (!rect().contains(pos)) {
        // A click outside closes the palette; nothing is chosen.
        finish();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    const int cell = cellAt(pos);
    setHotCell(cell);
    if (cell > 0) {
        m_pressedCell = cell;
        update();
    }
}

void ColorPalettePopup::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    const int pressed = m_pressedCell;
    m_pressedCell = -1;
    update();
    if (pressed > 0 && m_rects[pressed].contains(pos)) {
        const QPointer<ColorPalettePopup> self(this);
        choose(pressed);
        if (!self || m_finished)
            return;
    }
    if (!rect().contains(pos))
        finish();
    else
        setHotCell(cellAt(pos));
}

int ColorPalettePopup::neighbourCell(int from, int dx, int dy) const
{
    if (!cellVisible(from))
        return cellVisible(DefaultCell) ? DefaultCell : FirstGridCell;
    // The nearest visible cell in that direction, straying sideways as little as possible.
    const QPoint origin = m_rects[from].center();
    int best = -1;
    int bestScore = 0;
    for (int n = 1; n <= CellCount; ++n) {
        if (n == from || m_rects[n].isEmpty())
            continue;
        const QRect &r = m_rects[n];
        const QPoint d = r.center() - origin;
        const int along = dx ? d.x() * dx : d.y() * dy;
        if (along <= 0)
            continue;
        // Sideways distance: zero where the cells overlap across the direction of travel.
        int across = 0;
        if (dx) {
            const QRect &o = m_rects[from];
            across = r.bottom() < o.top()   ? o.top() - r.bottom()
                     : r.top() > o.bottom() ? r.top() - o.bottom()
                                            : 0;
        } else {
            across = qAbs(d.x());
        }
        const int score = along + 4 * across;
        if (best == -1 || score < bestScore) {
            best = n;
            bestScore = score;
        }
    }
    return best == -1 ? from : best;
}

void ColorPalettePopup::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        finish();
        return;
    case Qt::Key_Left:
        setHotCell(neighbourCell(m_hotCell, -1, 0));
        return;
    case Qt::Key_Right:
        setHotCell(neighbourCell(m_hotCell, 1, 0));
        return;
    case Qt::Key_Up:
        setHotCell(neighbourCell(m_hotCell, 0, -1));
        return;
    case Qt::Key_Down:
        setHotCell(neighbourCell(m_hotCell, 0, 1));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_hotCell > 0 && m_pressedCell == -1)
            activateCell(m_hotCell);
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void ColorPalettePopup::choose(int cell)
{
    if (cell >= DefaultCell && cell <= LastCustomCell) {
        m_selectedColor = cellColor(cell);
        m_cancelled = false;
        finish();
    } else if (cell == NormalCell) {
        setMode(Mode::Normal);
    } else if (cell == SystemCell) {
        setMode(Mode::System);
    } else if (cell == MoreColorsCell) {
        chooseFromDialog();
    }
}

void ColorPalettePopup::chooseFromDialog()
{
    // The popup steps aside while the dialog is up, then closes with the outcome.
    QWidget *owner = parentWidget();
    m_inDialog = true;
    hide();
    const ColorChooser chooser = colorChooser();
    const QPointer<ColorPalettePopup> self(this);
    const std::optional<QColor> color = chooser(m_options.currentColor, owner);
    if (!self)
        return; // the picker went away while the dialog was up
    m_inDialog = false;
    if (color && color->isValid()) {
        m_selectedColor = *color;
        addCustomColor(m_selectedColor);
        m_cancelled = false;
    } else {
        m_cancelled = true;
    }
    finish();
}

void ColorPalettePopup::drawCell(QPainter &painter, int cell) const
{
    const QRect r = m_rects[cell];
    if (r.isEmpty())
        return;
    painter.fillRect(r, sys(kButtonFace));
    const bool pressed = cell == m_pressedCell;
    if (cell == DefaultCell) {
        painter.setPen(sys(kDisabledText));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(3, 3, -4, -4));
        framedSwatch(painter, QRect(r.left() + 5, r.top() + 5, 12, 12), m_options.defaultColor);
        const QRect text(QPoint(r.left() + 17, r.top()), QPoint(r.right() - 2, r.bottom()));
        painter.setPen(sys(18));
        painter.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, m_options.defaultCaption);
    } else if (cell <= LastCustomCell) {
        framedSwatch(painter, r.adjusted(2, 2, -2, -2), cellColor(cell));
    } else {
        const QString caption = cell == NormalCell   ? tr("Normal")
                                : cell == SystemCell ? tr("System")
                                                     : m_options.moreColorsCaption;
        painter.setPen(sys(18));
        painter.drawText(pressed ? r.translated(1, 1) : r, Qt::AlignCenter | Qt::TextSingleLine,
                         caption);
    }
    if (pressed)
        thinEdge(painter, r, false);
    else if (cell == m_hotCell && m_pressedCell == -1)
        thinEdge(painter, r, true);
}

void ColorPalettePopup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect all = rect();
    painter.fillRect(all, sys(kButtonFace));
    // Thin raised window edge.
    painter.setPen(sys(kLight));
    painter.drawLine(0, 0, all.right() - 1, 0);
    painter.drawLine(0, 0, 0, all.bottom() - 1);
    painter.setPen(sys(kDarkShadow));
    painter.drawLine(0, all.bottom(), all.right(), all.bottom());
    painter.drawLine(all.right(), 0, all.right(), all.bottom());
    painter.setPen(sys(kButtonHighlight));
    painter.drawLine(1, 1, all.right() - 2, 1);
    painter.drawLine(1, 1, 1, all.bottom() - 2);
    painter.setPen(sys(kButtonShadow));
    painter.drawLine(1, all.bottom() - 1, all.right() - 1, all.bottom() - 1);
    painter.drawLine(all.right() - 1, 1, all.right() - 1, all.bottom() - 1);

    for (int y : m_separators) {
        painter.setPen(sys(kButtonShadow));
        painter.drawLine(4, y, all.right() - 4, y);
        painter.setPen(sys(kButtonHighlight));
        painter.drawLine(4, y + 1, all.right() - 4, y + 1);
    }
    for (int n = 1; n <= CellCount; ++n)
        drawCell(painter, n);
}

} // namespace Velloquin
