// SPDX-License-Identifier: MIT
#pragma once

#include "colorpalettepopup.h"

#include <QAbstractButton>
#include <QColor>
#include <QPointer>

namespace Velloquin {

// A drop-down colour chooser: a field showing the current colour with an arrow button at its
// right end. Clicking it (or Space, F4, Alt+Down) opens the palette (ColorPalettePopup) below
// the field; the chosen colour becomes color() and changed() is emitted. Focus, clicking and
// accessibility are QAbstractButton's; assistive tools read the colour as the description.
class ColorButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY changed USER true)
    Q_PROPERTY(QColor defaultColor READ defaultColor WRITE setDefaultColor)
    Q_PROPERTY(bool flat READ isFlat WRITE setFlat)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(bool showDefault READ showDefault WRITE setShowDefault)
    Q_PROPERTY(bool showCustomColors READ showCustomColors WRITE setShowCustomColors)
    Q_PROPERTY(bool showMoreColors READ showMoreColors WRITE setShowMoreColors)
    Q_PROPERTY(QString defaultText READ defaultText WRITE setDefaultText)
    Q_PROPERTY(QString moreColorsText READ moreColorsText WRITE setMoreColorsText)
    Q_PROPERTY(bool showSystemColors READ showSystemColors WRITE setShowSystemColors)
    Q_PROPERTY(bool showCellToolTips READ showCellToolTips WRITE setShowCellToolTips)

public:
    // Heights in pixels: a new button is 21 pixels high and never lower than 19.
    static constexpr int DefaultHeight = 21;
    static constexpr int MinimumHeight = 19;

    explicit ColorButton(QWidget *parent = nullptr);
    ~ColorButton() override;

    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    // The colour of the palette's "Default" cell.
    QColor defaultColor() const { return m_options.defaultColor; }
    void setDefaultColor(const QColor &color);
    // Flat draws one-pixel lines instead of the sunken and raised edges.
    bool isFlat() const { return m_flat; }
    void setFlat(bool flat);
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color);
    bool showDefault() const { return m_options.showDefault; }
    void setShowDefault(bool show);
    bool showCustomColors() const { return m_options.showCustomColors; }
    void setShowCustomColors(bool show);
    bool showMoreColors() const { return m_options.showMoreColors; }
    void setShowMoreColors(bool show);
    QString defaultText() const { return m_options.defaultCaption; }
    void setDefaultText(const QString &text);
    QString moreColorsText() const { return m_options.moreColorsCaption; }
    void setMoreColorsText(const QString &text);
    // The palette's "System" button, which switches its grid to the desktop's colours.
    bool showSystemColors() const { return m_options.showSysColorButton; }
    void setShowSystemColors(bool show);
    // The palette's cells tell their names as tooltips.
    bool showCellToolTips() const { return m_options.showToolTips; }
    void setShowCellToolTips(bool show);

    // The arrow button's rectangle.
    QRect arrowRect() const;

    // Opens this button's palette; when it closes with a choice, color() takes the colour.
    void showPalette();
    ColorPalettePopup *palette() const { return m_palette; }

    // The colour dialog behind "More Colors..." (shared by every button).
    static void setColorChooser(ColorChooser chooser)
    {
        ColorPalettePopup::setColorChooser(std::move(chooser));
    }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void changed(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void paletteFinished(bool cancelled, const QColor &color);

    ColorPalettePopup::Options m_options;
    QColor m_color{255, 255, 255};
    bool m_flat = false;
    QColor m_backgroundColor;
    QPointer<ColorPalettePopup> m_palette;
};

} // namespace Velloquin
