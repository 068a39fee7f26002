// SPDX-License-Identifier: MIT
// The settings file on any bytes: read, written back and read again, it gives the same
// settings.
#include "fuzzsupport.h"
#include "settings.h"

using namespace Velloquin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = writeScratchFile(QStringLiteral("Crossword.ini"), fuzzBytes(data, size));
    Result<> status = Result<>::success();
    const DefaultSettings read = readDefaultSettings(path, &status);
    FUZZ_CHECK(status.ok());

    SettingsValues values;
    values.title = read.title;
    values.topic = read.topic;
    values.width = QString::number(read.width);
    values.height = QString::number(read.height);
    values.background = read.background.value_or(DefaultBackgroundColor);
    values.gridLines = read.gridLines.value_or(DefaultGridLinesColor);
    values.squares = read.squares.value_or(DefaultSquaresColor);
    values.useOutline = read.useOutline;
    values.layoutMethod = read.layoutMethod;
    FUZZ_CHECK(writeDefaultSettings(path, values).ok());
    const DefaultSettings again = readDefaultSettings(path, &status);
    FUZZ_CHECK(status.ok());
    FUZZ_CHECK(again.title == read.title && again.topic == read.topic);
    FUZZ_CHECK(again.width == read.width && again.height == read.height);
    FUZZ_CHECK(again.background.value_or(DefaultBackgroundColor) == values.background);
    FUZZ_CHECK(again.gridLines.value_or(DefaultGridLinesColor) == values.gridLines);
    FUZZ_CHECK(again.squares.value_or(DefaultSquaresColor) == values.squares);
    FUZZ_CHECK(again.useOutline == read.useOutline && again.layoutMethod == read.layoutMethod);
    return 0;
}
