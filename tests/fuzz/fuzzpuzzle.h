// SPDX-License-Identifier: MIT
// The puzzle the .cwd reader makes of a fuzz input, numbered as the writers expect it;
// nothing for an input the reader refuses. Shared by the targets that fuzz a writer.
#pragma once

#include "crosswordfile.h"
#include "fuzzsupport.h"
#include "gridedit.h"

#include <optional>

namespace Velloquin {

inline std::optional<CrosswordData> fuzzPuzzle(const uint8_t *data, size_t size)
{
    const Result<CrosswordFileContent> loaded =
        loadCrosswordBytes(fuzzBytes(data, size), QStringLiteral("fuzz.cwd"), 16, 16);
    if (!loaded)
        return std::nullopt;
    CrosswordData puzzle = loaded.value().puzzle;
    numberSquares(puzzle);
    return puzzle;
}

} // namespace Velloquin
