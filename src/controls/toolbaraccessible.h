// SPDX-License-Identifier: MIT
#pragma once

namespace Velloquin {

// Registers (once) the accessibility factory that exposes a Toolbar as a tool bar whose
// children are push buttons: named by their tooltips, checkable where they are check
// or option buttons, and pressable through the press/toggle actions.
void installToolbarAccessibility();

} // namespace Velloquin
