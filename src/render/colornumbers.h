// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

namespace Velloquin {

// Colour numbers as the settings file and the colour pickers keep them: a plain
// colour is red + 256 * green + 65536 * blue; a value with the top bit set names a
// system colour by its index in the low byte (0x80000005 is system colour 5, the
// window background).

constexpr qint32 systemColorNumber(int index)
{
    return qint32(0x80000000u | quint32(index));
}
constexpr bool isSystemColorNumber(qint32 color)
{
    return color < 0 && color != -1;
}

// The real colour of a system colour index (0..30), taken from the application's
// palette where one exists, else from the classic desktop defaults.
QColor systemColor(int index);

// -1 stays -1; a system colour becomes its real colour's number; a plain colour keeps
// its low 24 bits.
qint32 plainColorNumber(qint32 color);

// The QColor of a colour number (system colours translated first; -1 gives an invalid colour).
QColor colorFromNumber(qint32 color);

// The plain colour number of a QColor.
qint32 numberFromColor(const QColor &color);

} // namespace Velloquin
