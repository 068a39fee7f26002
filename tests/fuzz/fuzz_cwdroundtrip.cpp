// SPDX-License-Identifier: MIT
// Whatever the puzzle file reader accepts, written and read again, gives the same puzzle
// and stored words: a save never changes what was opened.
#include "crosswordfile.h"
#include "fuzzsupport.h"

using namespace Velloquin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString name = QStringLiteral("fuzz.cwd");
    const Result<CrosswordFileContent> first =
        loadCrosswordBytes(fuzzBytes(data, size), name, 16, 16);
    if (!first)
        return 0;
    const CrosswordFileContent &content = first.value();
    const QByteArray written = crosswordFileBytes(content.puzzle, content.extra);
    const Result<CrosswordFileContent> second = loadCrosswordBytes(written, name, 16, 16);
    FUZZ_CHECK(second.ok());
    FUZZ_CHECK(second.value().puzzle == content.puzzle);
    FUZZ_CHECK(second.value().extra == content.extra);
    // Writing is a function of the model alone.
    FUZZ_CHECK(crosswordFileBytes(second.value().puzzle, second.value().extra) == written);
    return 0;
}
