// SPDX-License-Identifier: MIT
// The web page writer on any puzzle a file can hold: a page it writes is one HTML
// document whose only scripts are its own and whose puzzle data is valid JSON, whatever
// the texts hold.
#include "fuzzpuzzle.h"
#include "htmlpage.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace Velloquin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<CrosswordData> puzzle = fuzzPuzzle(data, size);
    if (!puzzle)
        return 0;
    const Result<QByteArray> page = webPageBytes(*puzzle);
    if (!page) {
        FUZZ_CHECK(!page.message().text.isEmpty());
        return 0;
    }
    const QByteArray &html = page.value();
    FUZZ_CHECK(html.startsWith("<!DOCTYPE html>") && html.endsWith("</html>\n"));
    FUZZ_CHECK(QString::fromUtf8(html).toUtf8() == html);
    // Text that could open or close an element would have to hold '<'; escaped, no text
    // adds a script or ends one early: every page has as many as a plain one.
    static const QByteArray plain = [] {
        CrosswordData cat;
        newCrossword(cat, 5, 5);
        addWord(cat, 0, 0, QStringLiteral("CAT"), Direction::Across, QStringLiteral("Pet"), true,
                PlacementCheck::SkipRules);
        numberSquares(cat);
        return webPageBytes(cat).value().toLower();
    }();
    const QByteArray lower = html.toLower();
    for (const char *tag : {"<script", "</script", "<html", "</html", "<style", "</style"})
        FUZZ_CHECK(lower.count(tag) == plain.count(tag));

    const QByteArray open = "<script type=\"application/json\" id=\"puzzle-data\">";
    const qsizetype start = html.indexOf(open);
    FUZZ_CHECK(start >= 0);
    const qsizetype end = html.indexOf("</script>", start);
    QJsonParseError error;
    const QJsonDocument json =
        QJsonDocument::fromJson(html.mid(start + open.size(), end - start - open.size()), &error);
    FUZZ_CHECK(error.error == QJsonParseError::NoError && json.isObject());
    return 0;
}
