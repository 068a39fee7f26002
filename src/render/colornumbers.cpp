// SPDX-License-Identifier: MIT
#include "colornumbers.h"

#include <QGuiApplication>
#include <QPalette>

namespace Velloquin {

namespace {

// Classic desktop colours, used where no application palette is available.
constexpr QRgb kClassic[31] = {
    qRgb(200, 200, 200), qRgb(0, 78, 152),    qRgb(153, 180, 209), qRgb(191, 205, 219),
    qRgb(240, 240, 240), qRgb(255, 255, 255), qRgb(100, 100, 100), qRgb(0, 0, 0),
    qRgb(0, 0, 0),       qRgb(0, 0, 0),       qRgb(180, 180, 180), qRgb(244, 247, 252),
    qRgb(171, 171, 171), qRgb(0, 120, 215),   qRgb(255, 255, 255), qRgb(240, 240, 240),
    qRgb(160, 160, 160), qRgb(109, 109, 109), qRgb(0, 0, 0),       qRgb(0, 0, 0),
    qRgb(255, 255, 255), qRgb(105, 105, 105), qRgb(227, 227, 227), qRgb(0, 0, 0),
    qRgb(255, 255, 225), qRgb(0, 0, 0),       qRgb(0, 102, 204),   qRgb(185, 209, 234),
    qRgb(215, 228, 242), qRgb(51, 153, 255),  qRgb(240, 240, 240),
};

// The palette role that plays the part of each system colour on this desktop.
QPalette::ColorRole roleFor(int index, QPalette::ColorGroup &group)
{
    group = QPalette::Active;
    switch (index) {
    case 0:
        return QPalette::Mid; // scroll bar
    case 1:
        return QPalette::Dark; // desktop
    case 2:
        return QPalette::Highlight; // active title bar
    case 3:
        group = QPalette::Inactive;
        return QPalette::Highlight;
    case 4:
        return QPalette::Window; // menu
    case 5:
        return QPalette::Base; // window background
    case 6:
        return QPalette::Shadow; // window frame
    case 7:
        return QPalette::WindowText; // menu text
    case 8:
        return QPalette::Text; // window text
    case 9:
        return QPalette::HighlightedText; // title bar text
    case 10:
        return QPalette::Midlight; // active border
    case 11:
        return QPalette::Light; // inactive border
    case 12:
        return QPalette::Mid; // application workspace
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15:
        return QPalette::Button; // button face
    case 16:
        return QPalette::Dark; // button shadow
    case 17:
        group = QPalette::Disabled;
        return QPalette::Text; // grey text
    case 18:
        return QPalette::ButtonText;
    case 19:
        group = QPalette::Inactive;
        return QPalette::HighlightedText;
    case 20:
        return QPalette::Light; // button highlight
    case 21:
        return QPalette::Shadow; // 3D dark shadow
    case 22:
        return QPalette::Midlight; // 3D light
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    case 26:
        return QPalette::Link; // hot-tracked item
    case 27:
        return QPalette::Highlight;
    case 28:
        group = QPalette::Inactive;
        return QPalette::Highlight;
    case 29:
        return QPalette::Highlight; // menu highlight
    case 30:
        return QPalette::Window; // menu bar
    default:
        return QPalette::NoRole;
    }
}

} // namespace

QColor systemColor(int index)
{
    if (index < 0 || index > 30)
        return QColor(Qt::black);
    if (qGuiApp) {
        QPalette::ColorGroup group;
        const QPalette::ColorRole role = roleFor(index, group);
        if (role != QPalette::NoRole)
            return QGuiApplication::palette().color(group, role);
    }
    return QColor(kClassic[index]);
}

qint32 plainColorNumber(qint32 color)
{
    if (color == -1)
        return -1;
    if (color < 0)
        return numberFromColor(systemColor(color & 0xFF));
    return color & 0xFFFFFF;
}

QColor colorFromNumber(qint32 color)
{
    const qint32 plain = plainColorNumber(color);
    if (plain == -1)
        return QColor();
    return QColor(plain & 0xFF, (plain >> 8) & 0xFF, (plain >> 16) & 0xFF);
}

qint32 numberFromColor(const QColor &color)
{
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

} // namespace Velloquin
