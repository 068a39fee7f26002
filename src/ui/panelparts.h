// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace Velloquin {

class GradientButton;

// What the window's panels are built from: colours, places in twips, labelled controls.
namespace panel {

// Panel colours.
inline const QColor HeadingTop(81, 128, 208);
inline const QColor HeadingBottom(25, 71, 152);
inline const QColor PanelLight(197, 221, 250);
inline const QColor PanelMid(81, 128, 208);
inline const QColor WaitTop(25, 71, 122);
inline const QColor WaitBottom(197, 221, 250);

// Places inside the settings panel, in twips.
constexpr int EdLeft = 90;
constexpr int EdWidth = 1515;
constexpr int EdLabelHeight = 240;
constexpr int EdBoxHeight = 315;

// The pixel rectangle of a control placed in twips; a negative size is left at zero.
QRect twipsRect(int left, int top, int width, int height);

// A label with its caption as accessible name.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption);
// A panel heading: bold white text, centred.
QLabel *makeHeading(QWidget *parent, const QString &name, const QString &caption);
// A gradient button with a caption (or, with an empty one, its tooltip) as accessible name.
GradientButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                           const QString &tip, int style);

} // namespace panel

} // namespace Velloquin
