// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

namespace Velloquin {

// Asks the user for a colour, starting from `initial`; nullopt when the user cancels.
// The default opens QColorDialog; the main window routes it through its dialogs interface
// and tests answer it from a script.
using ColorChooser = std::function<std::optional<QColor>(const QColor &initial, QWidget *parent)>;

// What the picker hands over to its palette before it opens.
struct ColorPaletteOptions
{
    QColor defaultColor{255, 255, 255};
    QColor currentColor{255, 255, 255}; // where the colour dialog starts
    QString defaultCaption = QCoreApplication::translate("Velloquin::ColorPalettePopup", "Default");
    QString moreColorsCaption =
        QCoreApplication::translate("Velloquin::ColorPalettePopup", "More Colors...");
    bool showDefault = true;
    bool showCustomColors = true;
    bool showMoreColors = true;
    bool showSysColorButton = false;
    bool showToolTips = false;
};

// The drop-down palette of the colour picker: a frameless popup with 60 cells. Cell 1 is
// "Default", 2..49 the colour grid (48 standard colours, or the 25 system colours followed
// by white), 50..57 the custom colours shared by every picker for the run, 58 "Normal",
// 59 "System", 60 the colour-dialog button. Only one palette is open at a time; it closes
// when a colour is chosen, on Escape, or on a click outside (the last two as cancelled),
// and reports the outcome through finished(). The arrow keys move the hot cell and Enter or
// Space chooses it, as a click would.
class ColorPalettePopup : public QWidget
{
    Q_OBJECT

public:
    enum class Mode { Normal, System };

    using Options = ColorPaletteOptions;

    static constexpr int CellCount = 60;
    static constexpr int DefaultCell = 1;
    static constexpr int FirstGridCell = 2;
    static constexpr int LastGridCell = 49;
    static constexpr int FirstCustomCell = 50;
    static constexpr int LastCustomCell = 57;
    static constexpr int NormalCell = 58;
    static constexpr int SystemCell = 59;
    static constexpr int MoreColorsCell = 60;
    static constexpr int PaletteWidth = 143;

    explicit ColorPalettePopup(const Options &options = Options(), QWidget *parent = nullptr);
    ~ColorPalettePopup() override;

    const Options &options() const { return m_options; }

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);

    // Cells are numbered 1..60; a cell whose option is off has an empty rectangle.
    QRect cellRect(int cell) const;
    bool cellVisible(int cell) const;
    QColor cellColor(int cell) const;
    QString cellName(int cell) const;
    int cellAt(const QPoint &pos) const; // -1 when no visible cell holds pos

    int hotCell() const { return m_hotCell; }
    int pressedCell() const { return m_pressedCell; }

    bool isCancelled() const { return m_cancelled; }
    QColor selectedColor() const { return m_selectedColor; }

    // Places the palette with its top-left corner at the anchor's bottom-left corner, or
    // with its bottom at the anchor's top when it would leave the screen, and shows it.
    // The previously open palette, if any, closes as cancelled.
    void popup(const QRect &anchorOnScreen);

    // The top-left corner for a palette of `size` dropped from `anchor` on `screen`.
    static QPoint placement(const QRect &anchor, const QSize &size, const QRect &screen);

    // The palette that is open now, or nullptr.
    static ColorPalettePopup *current();

    // The custom colours, shared by every picker until the program ends: up to 8, filled
    // as a ring (the ninth colour replaces the first).
    static QList<QColor> customColors();
    static void addCustomColor(const QColor &color);
    static void clearCustomColors();

    static QString systemColorName(int index); // index 0..24, else empty
    // How a colour reads aloud: "#rrggbb".
    static QString colorDescription(const QColor &color);

    // Acts on a visible cell as a click on it would: chooses its colour, switches the mode or
    // opens the colour dialog.
    void activateCell(int cell);

    static void setColorChooser(ColorChooser chooser); // an empty function restores the default
    static ColorChooser colorChooser();

    QSize sizeHint() const override;

signals:
    // Emitted once when the palette closes; `colour` is meaningful when not cancelled.
    void finished(bool cancelled, const QColor &color);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void layoutCells();
    void choose(int cell);
    void chooseFromDialog();
    void finish();
    void setHotCell(int cell);
    int neighbourCell(int from, int dx, int dy) const;
    void drawCell(QPainter &painter, int cell) const;

    Options m_options;
    Mode m_mode = Mode::Normal;
    QRect m_rects[CellCount + 1];
    QList<int> m_separators; // y of each etched line
    int m_height = 0;
    int m_hotCell = -1;
    int m_pressedCell = -1;
    bool m_cancelled = true;
    QColor m_selectedColor;
    bool m_finished = false;
    bool m_inDialog = false;
};

} // namespace Velloquin
