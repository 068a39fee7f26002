// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

#include <optional>

namespace Velloquin {

// The blanks that profile files ignore around names and values: spaces and tabs.
bool isProfileBlank(QChar c);
QStringView trimProfileBlanks(QStringView text);

// Readings of numbers stored as text in profile files. Both accept an optional sign,
// decimal digits and an optional fractional part ("12", "-3", "2.5", ".5"), and round to
// the nearest whole number with halves going to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2). Blanks (spaces, tabs) at either end are ignored.

// The whole text must be such a number, and the rounded value must lie in [min, max];
// otherwise nothing.
std::optional<qint64> readStrictNumber(QStringView text, qint64 min, qint64 max);

// The number at the start of the text ("12abc" reads as 12); a text that does not start
// with a number, and an empty text, read as 0. Nothing when the rounded value lies outside
// [min, max].
std::optional<qint64> readLenientNumber(QStringView text, qint64 min, qint64 max);

// As readLenientNumber, but a value outside [min, max] is brought to the nearer end.
qint64 readLenientNumberClamped(QStringView text, qint64 min, qint64 max);

} // namespace Velloquin
