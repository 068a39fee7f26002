// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace Velloquin {

class Toolbar;

// The band across the top of the main window that carries the toolbars. It paints a
// vertical gradient and hands the same colours to its toolbars so that their flat
// buttons blend into it. Repaints itself on resize.
class ToolbarBand : public QWidget
{
    Q_OBJECT
    // When false the band and its toolbars use the plain button-face colour.
    Q_PROPERTY(bool gradient READ gradient WRITE setGradient NOTIFY gradientChanged)

public:
    static constexpr QColor TopColor{129, 169, 227};
    static constexpr QColor BottomColor{226, 236, 255};

    explicit ToolbarBand(QWidget *parent = nullptr);

    // The toolbars whose colours follow the band (null entries are ignored); they take the
    // band's colours at once.
    void setToolbars(const QList<Toolbar *> &toolbars);

    bool gradient() const { return m_gradient; }
    void setGradient(bool on);

signals:
    void gradientChanged(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Sets the toolbars' gradient colours (or button face) and repaints band and toolbars.
    void applyColors();

    QList<QPointer<Toolbar>> m_toolbars;
    bool m_gradient = true;
};

} // namespace Velloquin
