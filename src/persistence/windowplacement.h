// SPDX-License-Identifier: MIT
#pragma once

#include "message.h"

#include <QRect>
#include <QString>

#include <optional>

namespace Velloquin {

// Where the main window was and how large, kept in the settings file in a section of its
// own so the window opens as the user left it. A file without the section (from before)
// leaves the window at its designed size.
inline const QString WindowSection = QStringLiteral("Window");

struct WindowPlacement
{
    QRect geometry;         // the window's inner area when not maximised, screen pixels
    bool maximized = false; // shown maximised (geometry is where it goes when restored)
    bool wordsShown = true; // the Words panel beside the grid is shown

    friend bool operator==(const WindowPlacement &, const WindowPlacement &) = default;
};

// The placement the settings file at path holds; nothing when the section is missing,
// the file cannot be read, or a value is not a plain number (a size must be positive).
std::optional<WindowPlacement> readWindowPlacement(const QString &path);

// Writes the placement into its section, keeping everything else the file holds. The
// file is replaced whole or not at all.
Result<> writeWindowPlacement(const QString &path, const WindowPlacement &placement);

} // namespace Velloquin
