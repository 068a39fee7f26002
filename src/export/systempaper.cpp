// SPDX-License-Identifier: MIT
#include "systempaper.h"

#if defined(__GLIBC__)
#include <langinfo.h>
#include <locale.h>
#endif

namespace Velloquin {

QPageSize::PageSizeId paperSizeForLocale(const QLocale &locale)
{
    // The territories whose usual paper is US Letter.
    static const QLocale::Territory letter[] = {
        QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,    QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia,   QLocale::Venezuela, QLocale::PuertoRico,
        QLocale::Belize,       QLocale::CostaRica,  QLocale::Guatemala, QLocale::Nicaragua,
        QLocale::Panama,       QLocale::ElSalvador,
    };
    for (QLocale::Territory t : letter) {
        if (locale.territory() == t)
            return QPageSize::Letter;
    }
    return QPageSize::A4;
}

QPageSize::PageSizeId systemPaperSize()
{
#if defined(__GLIBC__) && defined(LC_PAPER_MASK)
    // The user's LC_PAPER (or LC_ALL / LANG), read without touching the program's
    // own locale. Only an installed locale answers ("C" says A4); otherwise Qt's
    // reading of the same environment decides.
    if (locale_t paper = newlocale(LC_PAPER_MASK, "", locale_t(nullptr))) {
        // glibc hands these two numbers (millimetres) back in the pointer's place.
        union {
            char *string;
            unsigned int word;
        } height, width;
        height.string = nl_langinfo_l(_NL_PAPER_HEIGHT, paper);
        width.string = nl_langinfo_l(_NL_PAPER_WIDTH, paper);
        freelocale(paper);
        return width.word == 216 && height.word == 279 ? QPageSize::Letter : QPageSize::A4;
    }
#endif
    return paperSizeForLocale(QLocale::system());
}

} // namespace Velloquin
