// SPDX-License-Identifier: MIT
// velloquin-cli export: a puzzle file written as a document. The output's extension
// picks the format, a row of the export table.
#include "commands.h"

#include "crosswordfile.h"
#include "exportformats.h"
#include "gridedit.h"

#include <QDir>
#include <QFileInfo>

namespace Velloquin {

namespace {

QString shownOutputName(const QString &name)
{
    return name == QLatin1String("-") ? QStringLiteral("standard output")
                                      : QDir::toNativeSeparators(name);
}

QString knownSuffixes()
{
    QStringList list;
    for (const ExportFormat &f : exportFormats())
        list << QLatin1Char('.') + QLatin1String(f.suffix);
    return list.join(QLatin1String(", "));
}

} // namespace

int runExport(const CliArguments &args)
{
    ExportJob job;
    job.options.answersHidden = args.has("--hide-answers");
    const bool noKey = args.has("--no-key");
    if (const std::optional<QString> paper = args.value("--paper")) {
        if (paper->toLower() == QLatin1String("a4"))
            job.paper = QPageSize::A4;
        else if (paper->toLower() == QLatin1String("letter"))
            job.paper = QPageSize::Letter;
        else
            return usageError(QStringLiteral("--paper takes a4 or letter"));
    }
    QStringList pageOptions; // given, to refuse them for other formats
    for (const char *name : {"--no-check", "--no-reveal", "--language"}) {
        if (args.has(name))
            pageOptions << QLatin1String(name);
    }
    job.page.allowCheck = !args.has("--no-check");
    job.page.allowReveal = !args.has("--no-reveal");
    if (const std::optional<QString> language = args.value("--language")) {
        const QString code = language->toLower();
        if (!webPageLanguageCodes().contains(code))
            return usageError(QStringLiteral("--language takes one of %1")
                                  .arg(webPageLanguageCodes().join(QLatin1String(", "))));
        job.page.language = code;
    }
    job.answerKey = !noKey;
    const QStringList &files = args.positional;
    if (files.size() != 2)
        return usageError(QStringLiteral("export takes a puzzle file and an output file"));
    job.suffix = outputFormat(args, files.at(1));
    const ExportFormat *format = exportFormatFor(job.suffix);
    if (!format && args.has("--format"))
        return usageError(
            QStringLiteral("--format takes one of %1, without the dot").arg(knownSuffixes()));
    if (!format)
        return usageError(QStringLiteral("cannot tell the format of %1; the output must end in "
                                         "%2, or give --format")
                              .arg(shownOutputName(files.at(1)), knownSuffixes()));

    if (noKey && QLatin1String(format->suffix) != QLatin1String("pdf"))
        return usageError(QStringLiteral("--no-key applies to a .pdf worksheet only"));
    if (!pageOptions.isEmpty() && QLatin1String(format->suffix) != QLatin1String("html"))
        return usageError(
            QStringLiteral("%1 applies to an .html web page only").arg(pageOptions.first()));
    // Refused rather than ignored without a word.
    if (job.options.answersHidden && !format->drawsAnswers)
        return usageError(
            QLatin1String(format->suffix) == QLatin1String("pdf")
                ? QStringLiteral("--hide-answers does not apply to a .pdf worksheet, whose "
                                 "puzzle pages never show the answers; --no-key leaves out the "
                                 "answer key")
                : QStringLiteral("--hide-answers does not apply to .%1 files, which hold the "
                                 "answers for the player's program")
                      .arg(QLatin1String(format->suffix)));

    job.extra = newExtraWords();
    if (const std::optional<int> failed = openPuzzleFile(files.at(0), job.puzzle, job.extra))
        return *failed;
    numberSquares(job.puzzle);
    OutputFile output(files.at(1), job.suffix);
    job.output = output.path();
    const Result<QString> written = format->write(job);
    if (!written)
        return refused(written.message());
    if (!written.value().isEmpty())
        cliErr() << "Export: " << written.value() << '\n';
    return output.finish();
}

} // namespace Velloquin
