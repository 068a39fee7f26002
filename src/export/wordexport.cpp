// SPDX-License-Identifier: MIT
#include "wordexport.h"

#include "worddocument.h"

#include <QDir>
#include <QFileInfo>

namespace Velloquin {

namespace {

Result<> failure(const QString &text)
{
    return Result<>::refused(kWordExportErrorTitle, text, Icon::None);
}

} // namespace

Result<> writeDocx(const QImage &picture, const QString &clueText, const QString &title,
                   const QString &subject, const QString &outputPath,
                   const std::function<void(int)> &progress, QPageSize::PageSizeId paper)
{
    const auto report = [&progress](int value) {
        if (progress)
            progress(value);
    };
    report(10);

    if (outputPath.isEmpty())
        return failure(Message::tr("No file name was given for the document."));
    const QFileInfo target(outputPath);
    if (target.isDir())
        return failure(Message::tr("\"%1\" is a folder, not a document file name.")
                           .arg(QDir::toNativeSeparators(outputPath)));

    if (picture.isNull())
        return failure(Message::tr("There is no grid picture to put on the page."));
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
        return failure(Message::tr("The grid picture could not be stored in the document."));
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
