// SPDX-License-Identifier: MIT
// The recovery copy on any bytes, read from a file as at start: refused with a message or
// read, and a copy written from what was read reads back the same.
#include "fuzzsupport.h"
#include "recoverycopy.h"
#include "wordrules.h"

using namespace Velloquin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = writeScratchFile(QStringLiteral("recovery.cwd"), fuzzBytes(data, size));
    const Result<RecoveredPuzzle> read = readRecoveryCopy(path);
    if (!read) {
        FUZZ_CHECK(!read.message().text.isEmpty());
        return 0;
    }
    const RecoveredPuzzle &first = read.value();
    for (const GridWord &w : first.puzzle.words)
        FUZZ_CHECK(!firstControlCharacter(w.answer));
    writeScratchFile(QStringLiteral("recovery.cwd"),
                     recoveryCopyBytes(first.puzzle, first.stored, first.fileName));
    const Result<RecoveredPuzzle> again = readRecoveryCopy(path);
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.value().puzzle == first.puzzle && again.value().stored == first.stored);
    FUZZ_CHECK(again.value().fileName == first.fileName);
    return 0;
}
