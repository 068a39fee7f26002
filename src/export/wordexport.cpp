// SPDX-License-Identifier: MIT
#include "wordexport.h"

#include "worddocument.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#if defined(__GLIBC__)
#include <langinfo.h>
#include <locale.h>

namespace Velloquin {

#endif

namespace {

// Shows the wait cursor for its lifetime when the program has a GUI.
class WaitCursor
{
public:
    WaitCursor()
        : m_active(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
    {
        if (m_active)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~WaitCursor()
    {
        if (m_active)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    bool m_active;
};

Result<> failure(const QString &text)
{
    return Result<>::refused(kWordExportErrorTitle, text, Icon::None);
}

} // namespace

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

Result<> writeDocx(const QImage &picture, const QString &clueText, const QString &title,
                   const QString &subject, const QString &outputPath,
                   const std::function<void(int)> &progress, QPageSize::PageSizeId paper)
{
    const auto report = [&progress](int value) {
        if (progress)
            progress(value);
    };
    const WaitCursor wait;
    report(10);

    if (outputPath.isEmpty())
        return failure(QStringLiteral("No file name was given for the document."));
    const QFileInfo target(outputPath);
    if (target.isDir())
        return failure(QStringLiteral("\"%1\" is a folder, not a document file name.")
                           .arg(QDir::toNativeSeparators(outputPath)));

    if (picture.isNull())
        return failure(QStringLiteral("There is no grid picture to put on the page."));
    report(15);

    WordDocument document;
    document.setPageSize(paper);
    document.setProperties(title, subject, QStringLiteral("Velloquin"));
    report(20);

    document.setPageLayout(PageOrientation::Portrait, true);
    report(30);

    document.clearRanges();
    report(40);

    // Title block: title, subject and an empty line, centred, bold, underlined.
    const QString lineEnd = QStringLiteral("\r\n");
    document.appendText(16, true, WordUnderline::Single, false, WordAlignment::Centre,
                        title + lineEnd + subject + lineEnd + lineEnd);
    report(50);

    WordDocument::Range pictureRange = document.appendRange();
    pictureRange.setFont(14, false, WordUnderline::None, false);
    pictureRange.setAlignment(WordAlignment::Centre);
    report(60);

    if (!pictureRange.addPicture(picture, true))
        return failure(QStringLiteral("The grid picture could not be stored in the document."));
    report(70);

    document.typeParagraph();
    document.typeParagraph();
    report(80);

    WordDocument::Range clueRange = document.appendRange();
    clueRange.setFont(10, false, WordUnderline::None, false);
    clueRange.setAlignment(WordAlignment::Left);
    clueRange.insertBefore(clueText);

    if (const Result<> saved = document.save(outputPath); !saved)
        return failure(saved.message().text);
    report(100);
    return Result<>::success();
}

} // namespace Velloquin
