// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QPageSize>

namespace Velloquin {

// Paper for a locale: Letter where the territory prints on Letter, A4 elsewhere.
QPageSize::PageSizeId paperSizeForLocale(const QLocale &locale);

// The system's paper: the C library's paper setting of the user's locale where it
// has one (glibc only), otherwise paperSizeForLocale(QLocale::system()).
QPageSize::PageSizeId systemPaperSize();

} // namespace Velloquin
